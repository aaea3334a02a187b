#include <gtest/gtest.h>

#include <chrono>
#include <csignal>

#include "platform/application.h"
#include "platform/dialog.h"
#include "platform/testing.h"
#include "tests/platform/window_test_resources.h"

namespace kolvar {
namespace {

constexpr long kTimedOut = -99;

// Ends the dialog after a while if the signal does not.
long RunModalRaising(CDialog& dialog, int signal) {
    const LaterStep raise(std::chrono::milliseconds(0), [signal] { std::raise(signal); });
    const LaterStep watchdog(std::chrono::seconds(5), [&dialog] { dialog.EndDialog(kTimedOut); });
    return dialog.DoModal();
}

class SignalledApp : public CWinApp {
public:
    long mainResult = 0;
    long aboutResult = 0;

    bool InitInstance() override {
        CDialog main(test::kMainTemplate);
        m_pMainWnd = &main;
        const LaterStep about(std::chrono::milliseconds(0), [this] {
            CDialog box(test::kAboutTemplate);
            aboutResult = RunModalRaising(box, SIGTERM);
        });
        const LaterStep watchdog(std::chrono::seconds(5), [&main] { main.EndDialog(kTimedOut); });
        mainResult = main.DoModal();
        m_pMainWnd = nullptr;
        return false;
    }
};

TEST(Application, ATerminationSignalCancelsTheMainDialogAndTheOneAboveIt) {
    const test::TestResources resources;
    SignalledApp program;
    char name[] = "kolvar";
    char* argv[] = {name, nullptr};
    AfxWinMain(1, argv);
    EXPECT_EQ(program.aboutResult, long{test::kCommandCancel});
    EXPECT_EQ(program.mainResult, long{test::kCommandCancel});
}

}  // namespace
}  // namespace kolvar
