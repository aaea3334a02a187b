#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QTemporaryDir>
#include <QTimer>
#include <csignal>
#include <functional>

#include "platform/application.h"
#include "platform/dialog.h"
#include "window_test_resources.h"

namespace kolvar {
namespace {

// The application object of one run; each test says what its InitInstance does.
class TestApp : public CWinApp {
public:
    explicit TestApp(std::function<bool(TestApp&)> init, std::string_view name = {})
        : CWinApp(name), init_(std::move(init)) {}
    int initCount = 0;

    bool InitInstance() override {
        ++initCount;
        return init_(*this);
    }

private:
    std::function<bool(TestApp&)> init_;
};

int RunProgram(TestApp& app, const char* executable) {
    EXPECT_EQ(AfxGetApp(), &app);
    char name[256];
    std::snprintf(name, sizeof name, "%s", executable);
    char* argv[] = {name, nullptr};
    return AfxWinMain(1, argv);
}

// Ends the dialog after a while if the test's own route does not.
long RunModalRaising(CDialog& dialog, int signal) {
    QTimer::singleShot(0, [signal] { std::raise(signal); });
    QTimer watchdog;
    watchdog.setSingleShot(true);
    QObject::connect(&watchdog, &QTimer::timeout, [&dialog] { dialog.EndDialog(-99); });
    watchdog.start(5000);
    return dialog.DoModal();
}

TEST(Application, IsFoundAndNamedAfterTheExecutable) {
    std::string appName;
    QString qtName;
    TestApp app([&](TestApp& self) {
        appName = self.AppName();
        qtName = QCoreApplication::applicationName();
        return false;
    });
    EXPECT_EQ(RunProgram(app, "/some/where/resistor-tool.bin"), 0);
    EXPECT_EQ(app.initCount, 1);
    EXPECT_EQ(appName, "resistor-tool");
    EXPECT_EQ(qtName, "resistor-tool");
}

TEST(Application, AGivenNameOutranksTheExecutables) {
    TestApp app([](TestApp&) { return false; }, "Chosen");
    RunProgram(app, "/usr/bin/kolvar");
    EXPECT_EQ(app.AppName(), "Chosen");
}

TEST(Application, TrueFromInitInstanceRunsTheEventLoop) {
    TestApp app([](TestApp&) {
        QTimer::singleShot(0, [] { QCoreApplication::exit(3); });
        return true;
    });
    EXPECT_EQ(RunProgram(app, "kolvar"), 3);
}

TEST(Application, ProfileIntegersGoToTheStoreNamedByTheRegistryKey) {
    QTemporaryDir home;
    setenv("XDG_CONFIG_HOME", home.path().toUtf8().constData(), 1);
    int beforeKey = 0;
    bool writtenBeforeKey = true;
    int readBack = 0;
    TestApp program([&](TestApp& app) {
        beforeKey = app.GetProfileInt("Settings", "Power", 3);
        writtenBeforeKey = app.WriteProfileInt("Settings", "Power", 4);
        app.SetRegistryKey("Company");
        app.WriteProfileInt("Settings", "Overshoot", -1);
        readBack = app.GetProfileInt("Settings", "Overshoot", -2);
        return false;
    });
    RunProgram(program, "kolvar");
    unsetenv("XDG_CONFIG_HOME");
    EXPECT_EQ(beforeKey, 3);
    EXPECT_FALSE(writtenBeforeKey);
    EXPECT_EQ(readBack, -1);
    EXPECT_TRUE(QFile::exists(home.path() + "/Company/kolvar.conf"));
}

TEST(Application, ATerminationSignalCancelsTheMainDialogAndTheOneAboveIt) {
    const test::TestResources resources;
    long mainResult = 0;
    long aboutResult = 0;
    TestApp program([&](TestApp& app) {
        CDialog main(test::kMainTemplate);
        app.m_pMainWnd = &main;
        QTimer::singleShot(0, [&] {
            CDialog about(test::kAboutTemplate);
            aboutResult = RunModalRaising(about, SIGTERM);
        });
        QTimer watchdog;
        watchdog.setSingleShot(true);
        QObject::connect(&watchdog, &QTimer::timeout, [&main] { main.EndDialog(-99); });
        watchdog.start(5000);
        mainResult = main.DoModal();
        app.m_pMainWnd = nullptr;
        return false;
    });
    RunProgram(program, "kolvar");
    EXPECT_EQ(aboutResult, long{test::kCommandCancel});
    EXPECT_EQ(mainResult, long{test::kCommandCancel});
}

}  // namespace
}  // namespace kolvar
