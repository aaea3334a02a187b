// The program as a process: an ordinary termination request must not lose the selection.

#include <gtest/gtest.h>

#include <chrono>
#include <csignal>
#include <optional>
#include <thread>

#include "platform/testing.h"
#include "signal_readiness.h"
#include "tests/support/child_process.h"

namespace kolvar {
namespace {

using namespace std::chrono_literals;

constexpr const char* kCompanyKey = "Local AppWizard-Generated Applications";

class Termination : public testing::TestWithParam<int> {};

TEST_P(Termination, EndsLikeEscAndSavesAllSixKeys) {
    const SettingsSandbox settings;
    test::ChildProcess kolvar({KOLVAR_EXECUTABLE}, {{"QT_QPA_PLATFORM", "offscreen"}});
    ASSERT_TRUE(kolvar.Started());
    ASSERT_TRUE(WaitUntilCatches(kolvar.Pid(), GetParam()))
        << "kolvar never set up its signal handling";
    std::this_thread::sleep_for(300ms);  // let the main window come up

    kolvar.Signal(GetParam());
    const std::optional<test::ChildProcess::Ending> ending = kolvar.Wait(10s);
    ASSERT_TRUE(ending);
    EXPECT_TRUE(ending->exited);

    const int kAbsent = 1000;
    for (const char* key : {"Extended", "Digit 1", "Digit 2", "Digit 3", "Power", "Overshoot"}) {
        EXPECT_NE(StoredProfileInt(kCompanyKey, "kolvar", "Settings", key, kAbsent), kAbsent)
            << key;
    }
    EXPECT_EQ(StoredProfileInt(kCompanyKey, "kolvar", "Settings", "Overshoot", kAbsent), -2);
}

INSTANTIATE_TEST_SUITE_P(Signals, Termination, testing::Values(SIGTERM, SIGINT, SIGHUP));

}  // namespace
}  // namespace kolvar
