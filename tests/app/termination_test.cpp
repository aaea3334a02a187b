// The program as a process: an ordinary termination request must not lose the selection.

#include <gtest/gtest.h>

#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QThread>
#include <csignal>
#include <string>

#include "platform/application.h"
#include "signal_readiness.h"

namespace kolvar {
namespace {

constexpr const char* kCompanyKey = "Local AppWizard-Generated Applications";

class Termination : public testing::TestWithParam<int> {};

TEST_P(Termination, EndsLikeEscAndSavesAllSixKeys) {
    QTemporaryDir configHome;
    ASSERT_TRUE(configHome.isValid());
    QProcess kolvar;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert("XDG_CONFIG_HOME", configHome.path());
    environment.insert("QT_QPA_PLATFORM", "offscreen");
    kolvar.setProcessEnvironment(environment);
    kolvar.start(KOLVAR_EXECUTABLE, {});
    ASSERT_TRUE(kolvar.waitForStarted());
    ASSERT_TRUE(WaitUntilCatches(kolvar, GetParam())) << "kolvar never set up its signal handling";
    QThread::msleep(300);  // let the main window come up

    ::kill(static_cast<pid_t>(kolvar.processId()), GetParam());
    ASSERT_TRUE(kolvar.waitForFinished(10000));
    EXPECT_EQ(kolvar.exitStatus(), QProcess::NormalExit);

    qputenv("XDG_CONFIG_HOME", configHome.path().toUtf8());
    CWinApp nextRun("kolvar");
    nextRun.SetRegistryKey(kCompanyKey);
    const int kAbsent = 1000;
    for (const char* key : {"Extended", "Digit 1", "Digit 2", "Digit 3", "Power", "Overshoot"}) {
        EXPECT_NE(nextRun.GetProfileInt("Settings", key, kAbsent), kAbsent) << key;
    }
    EXPECT_EQ(nextRun.GetProfileInt("Settings", "Overshoot", kAbsent), -2);
}

INSTANTIATE_TEST_SUITE_P(Signals, Termination, testing::Values(SIGTERM, SIGINT, SIGHUP));

}  // namespace
}  // namespace kolvar
