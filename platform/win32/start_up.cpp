// The program's start and end on Win32: the thread's message queue is the event loop.

#include "platform/backend.h"
#include "platform/win32/com_apartment.h"
#include "platform/win32/windows_api.h"

namespace kolvar {
namespace {

// The dialog manager and menu tracking run loops of their own, inside this one.
// The loop outlives the program's windows, and with them the objects handed out of its
// apartment.
class Win32EventLoop : public EventLoop {
public:
    ~Win32EventLoop() override { LeaveComApartment(); }

    int Run() override {
        MSG message{};
        while (GetMessageW(&message, nullptr, 0, 0) > 0) {
            TranslateMessage(&message);
            DispatchMessageW(&message);
        }
        return static_cast<int>(message.wParam);
    }
};

}  // namespace

// Windows, menus and fonts need nothing started. Windows brings a program back after an update
// or a restart of its own when the program has asked; kolvar comes back with its selection, which
// the end of the session saved. A crash or a hang does not start it again.
std::unique_ptr<EventLoop> StartEventLoop(int& /*argc*/, char** /*argv*/,
                                          const std::string& /*program*/) {
    RegisterApplicationRestart(nullptr, RESTART_NO_CRASH | RESTART_NO_HANG);
    return std::make_unique<Win32EventLoop>();
}

void QuitEventLoop(int status) {
    PostQuitMessage(status);
}

void CloseMenus() {
    EndMenu();
}

}  // namespace kolvar
