#include "menu_opening.h"

#include <chrono>

#include "platform/testing.h"

namespace kolvar::test {
namespace {

unsigned FlagsOf(unsigned message) {
    return message == WM_RBUTTONDOWN ? MK_RBUTTON : MK_LBUTTON;
}

}  // namespace

void OpenMenuWhile(CWnd& view, unsigned message, Point at, const std::function<void()>& steps) {
    RunWhileMenuOpen([&] { view.SendMessage(message, FlagsOf(message), MakePointParam(at)); },
                     steps);
}

void ClickMenuOpenWhile(CWnd& view, unsigned message, Point at,
                        const std::function<void()>& steps) {
    RunWhileMenuOpen(
        [&] {
            if (message == WM_RBUTTONDOWN) {
                Click(view, at, MouseButton::Right);
            } else {
                DoubleClick(view, at);
            }
        },
        steps);
}

bool OpenSubMenuByKeys(int downs) {
    const int open = OpenMenuCount();
    for (int step = 0; step < downs; ++step) {
        PressMenuKey(Key::Down);
    }
    PressMenuKey(Key::Right);
    const bool opened = WaitUntil([open] { return OpenMenuCount() > open; });
    ProcessEvents(std::chrono::milliseconds(20));  // its layout and painting
    return opened;
}

}  // namespace kolvar::test
