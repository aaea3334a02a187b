// The program as a process: an ordinary termination request must not lose the selection.

#include <gtest/gtest.h>

#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QThread>
#include <csignal>
#include <string>

#include "platform/profile_store.h"

namespace kolvar {
namespace {

constexpr const char* kCompanyKey = "Local AppWizard-Generated Applications";

// True once the process has its own handler for the signal, read from what the kernel reports.
bool CatchesSignal(qint64 pid, int signal) {
    QFile status(QString("/proc/%1/status").arg(pid));
    if (!status.open(QIODevice::ReadOnly)) {
        return false;
    }
    for (const QByteArray& line : status.readAll().split('\n')) {
        if (line.startsWith("SigCgt:")) {
            const unsigned long long caught = line.mid(7).trimmed().toULongLong(nullptr, 16);
            return (caught >> (signal - 1) & 1) != 0;
        }
    }
    return false;
}

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
    bool ready = false;
    for (int attempt = 0; attempt < 500 && !ready; ++attempt) {
        ready = CatchesSignal(kolvar.processId(), GetParam());
        QThread::msleep(10);
    }
    ASSERT_TRUE(ready) << "kolvar never set up its signal handling";
    QThread::msleep(300);  // let the main window come up

    ::kill(static_cast<pid_t>(kolvar.processId()), GetParam());
    ASSERT_TRUE(kolvar.waitForFinished(10000));
    EXPECT_EQ(kolvar.exitStatus(), QProcess::NormalExit);

    qputenv("XDG_CONFIG_HOME", configHome.path().toUtf8());
    const ProfileStore store(kCompanyKey, "kolvar");
    const int kAbsent = 1000;
    for (const char* key : {"Extended", "Digit 1", "Digit 2", "Digit 3", "Power", "Overshoot"}) {
        EXPECT_NE(store.GetProfileInt("Settings", key, kAbsent), kAbsent) << key;
    }
    EXPECT_EQ(store.GetProfileInt("Settings", "Overshoot", kAbsent), -2);
}

INSTANTIATE_TEST_SUITE_P(Signals, Termination, testing::Values(SIGTERM, SIGINT, SIGHUP));

}  // namespace
}  // namespace kolvar
