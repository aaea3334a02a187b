#include <gtest/gtest.h>

#include <chrono>
#include <csignal>

#include "platform/dialog.h"
#include "platform/posix/termination_signals.h"
#include "platform/program.h"
#include "platform/testing.h"
#include "tests/platform/window_test_resources.h"
#include "tests/support/row_name.h"

namespace kolvar {
namespace {

int WaitForSignal(const int& received) {
    WaitUntil([&received] { return received != 0; }, std::chrono::seconds(2));
    return received;
}

class TerminationSignal : public testing::TestWithParam<int> {};

TEST_P(TerminationSignal, ReachesTheEventLoopAndNotTheDefaultAction) {
    int received = 0;
    const TerminationSignals signalHandling([&received](int signal) { received = signal; });
    ASSERT_EQ(std::raise(GetParam()), 0);
    EXPECT_EQ(WaitForSignal(received), GetParam());
}

INSTANTIATE_TEST_SUITE_P(Signals, TerminationSignal, testing::Values(SIGTERM, SIGINT, SIGHUP),
                         test::RowName());

void Ignore(int) {}

TEST(TerminationSignals, PutTheFormerHandlersBack) {
    struct sigaction own {};
    own.sa_handler = Ignore;
    struct sigaction previous {};
    sigaction(SIGTERM, &own, &previous);
    {
        const TerminationSignals signalHandling([](int) {});
    }
    struct sigaction after {};
    sigaction(SIGTERM, &previous, &after);
    EXPECT_EQ(after.sa_handler, &Ignore);
}

TEST(TerminationSignalsDeathTest, ASecondSignalEndsTheProcessAtOnce) {
    GTEST_FLAG_SET(death_test_style, "threadsafe");
    EXPECT_EXIT(
        {
            const TerminationSignals signalHandling([](int) {});
            std::raise(SIGTERM);
            std::raise(SIGINT);
        },
        testing::ExitedWithCode(128 + SIGINT), "");
}

TEST(TerminationSignals, CancelTheRunningDialog) {
    const test::TestResources resources;
    const TerminationSignals signalHandling([](int) { CancelModalRuns(); });
    CDialog dialog(test::kMainTemplate);
    const LaterStep raise(std::chrono::milliseconds(0), [] { std::raise(SIGTERM); });
    const LaterStep watchdog(std::chrono::seconds(5), [&dialog] { dialog.EndDialog(-99); });
    EXPECT_EQ(dialog.DoModal(), long{test::kCommandCancel});
}

}  // namespace
}  // namespace kolvar
