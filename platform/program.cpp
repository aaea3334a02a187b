#include "platform/program.h"

#include <algorithm>
#include <vector>

#include "platform/application.h"
#include "platform/backend.h"
#include "platform/dialog.h"
#include "platform/window.h"

namespace kolvar {
namespace {

// The dialogs in a modal run, the innermost last.
std::vector<CWnd*>& RunningDialogs() {
    static std::vector<CWnd*> dialogs;
    return dialogs;
}

}  // namespace

std::string ApplicationNameFromPath(std::string_view path) {
    const std::size_t separator = path.find_last_of("/\\");
    std::string_view name = separator == std::string_view::npos ? path : path.substr(separator + 1);
    const std::size_t dot = name.find_last_of('.');
    // A leading dot starts a hidden file's name, not an extension.
    if (dot != std::string_view::npos && dot > 0) {
        name = name.substr(0, dot);
    }
    return std::string(name);
}

std::string ProgramName() {
    const CWinApp* app = AfxGetApp();
    return app != nullptr && !app->AppName().empty()
               ? app->AppName()
               : ApplicationNameFromPath(ExecutablePath(0, nullptr));
}

ModalRun::ModalRun(CWnd& dialog) : dialog_(dialog) {
    RunningDialogs().push_back(&dialog_);
}

ModalRun::~ModalRun() {
    std::erase(RunningDialogs(), &dialog_);
}

int ModalRunDepth() {
    return static_cast<int>(RunningDialogs().size());
}

bool CancelModalRuns() {
    const std::vector<CWnd*> running = RunningDialogs();
    std::for_each(running.rbegin(), running.rend(),
                  [](CWnd* dialog) { dialog->SendMessage(WM_COMMAND, kCancelCommand); });
    return !running.empty();
}

void EndProgram() {
    CloseMenus();
    if (CancelModalRuns()) {
        return;
    }
    if (CWnd* mainWindow = AfxGetMainWnd(); mainWindow != nullptr && mainWindow->IsWindow()) {
        mainWindow->SendMessage(WM_CLOSE);
    }
    QuitEventLoop(0);
}

}  // namespace kolvar
