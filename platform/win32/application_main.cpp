// The process's start on Win32: the application object, and a message loop if it asks for one.

#include "platform/application.h"
#include "platform/process.h"
#include "platform/win32/windows_api.h"

namespace kolvar {

int AfxWinMain(int argc, char** argv) {
    CWinApp* app = AfxGetApp();
    if (app == nullptr) {
        return 1;
    }
    if (app->appName_.empty()) {
        app->appName_ = ApplicationNameFromPath(ExecutablePath(argc, argv));
    }
    if (!app->InitInstance()) {
        return 0;
    }
    MSG message{};
    while (GetMessageW(&message, nullptr, 0, 0) > 0) {
        TranslateMessage(&message);
        DispatchMessageW(&message);
    }
    return static_cast<int>(message.wParam);
}

}  // namespace kolvar
