// The program as a process: an ordinary termination request must not lose the selection.

#include <gtest/gtest.h>

#include <chrono>
#include <csignal>
#include <optional>
#include <thread>

#include "platform/testing.h"
#include "signal_readiness.h"
#include "tests/support/child_process.h"
#include "tests/support/company_key.h"
#include "tests/support/row_name.h"

namespace kolvar {
namespace {

using namespace std::chrono_literals;

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
        EXPECT_NE(StoredProfileInt(test::kCompanyKey, "kolvar", "Settings", key, kAbsent), kAbsent)
            << key;
    }
    EXPECT_EQ(StoredProfileInt(test::kCompanyKey, "kolvar", "Settings", "Overshoot", kAbsent), -2);
}

INSTANTIATE_TEST_SUITE_P(Signals, Termination, testing::Values(SIGTERM, SIGINT, SIGHUP),
                         test::RowName());

}  // namespace
}  // namespace kolvar
