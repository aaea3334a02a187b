// The program started where it cannot show its window or keep its settings: one clear line on
// standard error, an ordinary exit status, and nothing written where it should not be.

#include <gtest/gtest.h>
#include <pwd.h>
#include <unistd.h>

#include <QDir>
#include <QFileInfo>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QThread>
#include <csignal>
#include <string>
#include <utility>
#include <vector>

#include "signal_readiness.h"

namespace kolvar {
namespace {

struct StartRow {
    const char* name;
    std::vector<std::pair<const char*, const char*>> variables;  // a null value removes one
    uid_t user;  // 0: the test's own; another needs root
    bool runs;   // shows its window until asked to end
    int status;
    const char* line;  // "{home}" stands for the user's home in the password database
};

QString ExpectedLine(const StartRow& row) {
    QString line = row.line;
    if (const passwd* entry = getpwuid(row.user); entry != nullptr) {
        line.replace("{home}", entry->pw_dir);
    }
    return line;
}

// Why the row cannot be run here, if it cannot.
QString Unrunnable(const StartRow& row) {
    if (row.user == 0) {
        return QFileInfo::exists("/tmp/.X11-unix/X99") ? "a display :99 exists here" : "";
    }
    if (geteuid() != 0) {
        return "running the program as another user needs root";
    }
    if (QStandardPaths::findExecutable("setpriv").isEmpty()) {
        return "setpriv (util-linux) is not installed";
    }
    const passwd* entry = getpwuid(row.user);
    if ((entry != nullptr) != QString(row.line).contains("{home}")) {
        return "the password database does not have the user this row needs";
    }
    return entry != nullptr && QFileInfo::exists(entry->pw_dir)
               ? "the user's home exists, so the program could write there"
               : "";
}

class Start : public testing::TestWithParam<StartRow> {};

TEST_P(Start, SaysWhatIsMissingInOneLineAndWritesNothing) {
    const StartRow& row = GetParam();
    if (const QString reason = Unrunnable(row); !reason.isEmpty()) {
        GTEST_SKIP() << reason.toStdString();
    }
    QTemporaryDir configHome;
    ASSERT_TRUE(configHome.isValid());
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert("XDG_CONFIG_HOME", configHome.path());
    for (const auto& [name, value] : row.variables) {
        value != nullptr ? environment.insert(name, value) : environment.remove(name);
    }
    QProcess kolvar;
    kolvar.setProcessEnvironment(environment);
    if (row.user == 0) {
        kolvar.start(KOLVAR_EXECUTABLE, {});
    } else {
        const QString id = QString::number(row.user);
        kolvar.start("setpriv",
                     {"--reuid=" + id, "--regid=" + id, "--clear-groups", KOLVAR_EXECUTABLE});
    }
    ASSERT_TRUE(kolvar.waitForStarted());
    if (row.runs) {
        ASSERT_TRUE(WaitUntilCatches(kolvar, SIGTERM)) << "kolvar never set up its signals";
        QThread::msleep(300);  // let the main window come up
        ::kill(static_cast<pid_t>(kolvar.processId()), SIGTERM);
    }
    ASSERT_TRUE(kolvar.waitForFinished(10000));

    EXPECT_EQ(kolvar.exitStatus(), QProcess::NormalExit);
    EXPECT_EQ(kolvar.exitCode(), row.status);
    const QString errors = QString::fromUtf8(kolvar.readAllStandardError());
    const QStringList ours = errors.split('\n').filter(QRegularExpression("^kolvar: "));
    EXPECT_EQ(ours, QStringList{ExpectedLine(row)}) << errors.toStdString();
    if (!row.runs) {
        EXPECT_EQ(errors, ExpectedLine(row) + '\n');  // and nothing of the toolkit's
    }
    EXPECT_TRUE(QDir(configHome.path()).isEmpty());
    if (const passwd* entry = getpwuid(row.user); row.user != 0 && entry != nullptr) {
        EXPECT_FALSE(QFileInfo::exists(entry->pw_dir));
    }
}

constexpr const char* kSavedInHome =
    "kolvar: cannot save settings to {home}/.config/Local AppWizard-Generated "
    "Applications/kolvar.conf: Permission denied";

INSTANTIATE_TEST_SUITE_P(
    Environments, Start,
    testing::Values(
        StartRow{"NoDisplay",
                 {{"DISPLAY", nullptr}, {"WAYLAND_DISPLAY", nullptr}, {"QT_QPA_PLATFORM", nullptr}},
                 0,
                 false,
                 1,
                 "kolvar: no display to show the window on (set DISPLAY or WAYLAND_DISPLAY)"},
        StartRow{"UnreachableDisplay",
                 {{"DISPLAY", ":99"}, {"WAYLAND_DISPLAY", nullptr}, {"QT_QPA_PLATFORM", nullptr}},
                 0,
                 false,
                 1,
                 "kolvar: cannot reach the display :99 to show the window on"},
        // nobody's home in the password database does not exist and cannot be made
        StartRow{"EmptyHomeTakesThePasswordEntry",
                 {{"HOME", ""}, {"XDG_CONFIG_HOME", nullptr}, {"QT_QPA_PLATFORM", "offscreen"}},
                 65534,
                 true,
                 0,
                 kSavedInHome},
        StartRow{
            "NoHomeAtAll",
            {{"HOME", nullptr}, {"XDG_CONFIG_HOME", nullptr}, {"QT_QPA_PLATFORM", "offscreen"}},
            12345,
            true,
            0,
            "kolvar: cannot save settings: no home folder (set HOME or XDG_CONFIG_HOME)"}),
    [](const testing::TestParamInfo<StartRow>& tested) { return tested.param.name; });

}  // namespace
}  // namespace kolvar
