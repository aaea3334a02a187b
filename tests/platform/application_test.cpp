#include <gtest/gtest.h>

#include <chrono>
#include <cstdio>
#include <functional>
#include <optional>
#include <string>

#include "platform/application.h"
#include "platform/backend.h"
#include "platform/testing.h"

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

int RunProgram(TestApp& app, const std::string& executable) {
    EXPECT_EQ(AfxGetApp(), &app);
    char name[256];
    std::snprintf(name, sizeof name, "%s", executable.c_str());
    char* argv[] = {name, nullptr};
    return AfxWinMain(1, argv);
}

// This test program, as the system started it.
std::string ThisExecutable() {
    return testing::internal::GetArgvs().front();
}

TEST(Application, IsFoundAndNamedAfterTheExecutable) {
    std::string appName;
    TestApp app([&](TestApp& self) {
        appName = self.AppName();
        return false;
    });
    EXPECT_EQ(RunProgram(app, ThisExecutable()), 0);
    EXPECT_EQ(app.initCount, 1);
    EXPECT_EQ(appName, "platform_application_tests");
}

TEST(Application, AGivenNameOutranksTheExecutables) {
    TestApp app([](TestApp&) { return false; }, "Chosen");
    RunProgram(app, "/usr/bin/kolvar");
    EXPECT_EQ(app.AppName(), "Chosen");
}

TEST(Application, TrueFromInitInstanceRunsTheEventLoop) {
    std::optional<LaterStep> quit;
    TestApp app([&quit](TestApp&) {
        quit.emplace(std::chrono::milliseconds(0), [] { QuitEventLoop(3); });
        return true;
    });
    EXPECT_EQ(RunProgram(app, "kolvar"), 3);
}

TEST(Application, ProfileIntegersGoToTheStoreNamedByTheRegistryKey) {
    const SettingsSandbox sandbox;
    int beforeKey = 0;
    bool writtenBeforeKey = true;
    int readBack = 0;
    TestApp program(
        [&](TestApp& app) {
            beforeKey = app.GetProfileInt("Settings", "Power", 3);
            writtenBeforeKey = app.WriteProfileInt("Settings", "Power", 4);
            app.SetRegistryKey("Company");
            app.WriteProfileInt("Settings", "Overshoot", -1);
            readBack = app.GetProfileInt("Settings", "Overshoot", -2);
            return false;
        },
        "kolvar");
    RunProgram(program, "kolvar");
    EXPECT_EQ(beforeKey, 3);
    EXPECT_FALSE(writtenBeforeKey);
    EXPECT_EQ(readBack, -1);
    EXPECT_EQ(StoredProfileInt("Company", "kolvar", "Settings", "Overshoot", -2), -1);
}

}  // namespace
}  // namespace kolvar
