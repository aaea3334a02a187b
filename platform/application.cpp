#include "platform/application.h"

#include <QApplication>
#include <QWidget>
#include <cerrno>

#include "platform/dialog_widget.h"
#include "platform/profile_store.h"
#include "platform/program_messages.h"
#include "platform/termination_signals.h"
#include "platform/window.h"

namespace kolvar {
namespace {

ResourceModule& InstalledModule() {
    static ResourceModule module{
        [](unsigned) { return std::span<const std::byte>{}; },
        [](unsigned) { return std::span<const std::byte>{}; },
        [](unsigned) -> const DialogTemplate* { return nullptr; },
    };
    return module;
}

CWinApp*& TheApp() {
    static CWinApp* app = nullptr;
    return app;
}

// An open pop-up menu runs a loop of its own, inside the dialog's.
void ClosePopups() {
    constexpr int kMostNestedPopups = 16;
    for (int count = 0; count < kMostNestedPopups; ++count) {
        QWidget* popup = QApplication::activePopupWidget();
        if (popup == nullptr) {
            return;
        }
        popup->close();
    }
}

// As if the user had pressed Esc in every open dialog, so that the view is destroyed and saves.
void EndOnSignal(int /*signal*/) {
    ClosePopups();
    if (CancelModalRuns()) {
        return;
    }
    if (CWnd* mainWindow = AfxGetMainWnd(); mainWindow != nullptr && mainWindow->IsWindow()) {
        mainWindow->SendMessage(WM_CLOSE);
    }
    QCoreApplication::quit();
}

// `argc` is the toolkit's to keep: it holds on to it for the application's life.
std::unique_ptr<QApplication> StartToolkit(int& argc, char** argv, const std::string& program) {
    const StartUpMessages messages(program);
    return std::make_unique<QApplication>(argc, argv);
}

}  // namespace

CWinApp::CWinApp(std::string_view appName) : appName_(appName) {
    TheApp() = this;
}

CWinApp::~CWinApp() {
    if (TheApp() == this) {
        TheApp() = nullptr;
    }
}

bool CWinApp::InitInstance() {
    return false;
}

void CWinApp::SetRegistryKey(std::string_view companyKey) {
    store_ = std::make_unique<ProfileStore>(std::string(companyKey), appName_);
}

int CWinApp::GetProfileInt(std::string_view section, std::string_view key, int defaultValue) const {
    return store_ ? store_->GetProfileInt(section, key, defaultValue) : defaultValue;
}

bool CWinApp::WriteProfileInt(std::string_view section, std::string_view key, int value) {
    return store_ ? store_->WriteProfileInt(section, key, value) : false;
}

ProfileSaveScope::ProfileSaveScope(CWinApp& app) : app_(app) {
    if (app_.store_) {
        app_.store_->BeginSave();
    }
}

ProfileSaveScope::~ProfileSaveScope() {
    if (app_.store_) {
        app_.store_->EndSave();
    }
}

CWinApp* AfxGetApp() {
    return TheApp();
}

CWnd* AfxGetMainWnd() {
    const CWinApp* app = AfxGetApp();
    return app != nullptr ? app->m_pMainWnd : nullptr;
}

void AfxSetResourceModule(const ResourceModule& module) {
    InstalledModule() = module;
}

const ResourceModule& AfxGetResourceModule() {
    return InstalledModule();
}

int AfxWinMain(int argc, char** argv) {
    CWinApp* app = AfxGetApp();
    if (app == nullptr) {
        return 1;
    }
    // When the command line does not name the executable, the toolkit knows it from the system.
    if (app->appName_.empty() && argc > 0 && argv[0] != nullptr) {
        app->appName_ = ApplicationNameFromPath(argv[0]);
    }
    const std::string program =
        app->appName_.empty() ? program_invocation_short_name : app->appName_;
    if (const std::string problem = NoDisplayProblem(argc, argv); !problem.empty()) {
        WriteErrorLine(program, problem);
        return 1;
    }
    const std::unique_ptr<QApplication> application = StartToolkit(argc, argv, program);
    // Windows come and go inside InitInstance; only the main window's end ends the program.
    QApplication::setQuitOnLastWindowClosed(false);
    if (app->appName_.empty()) {
        app->appName_ =
            ApplicationNameFromPath(QCoreApplication::applicationFilePath().toStdString());
    }
    QCoreApplication::setApplicationName(QString::fromStdString(app->appName_));
    const TerminationSignals terminationSignals(EndOnSignal);
    if (!app->InitInstance()) {
        return 0;
    }
    return QApplication::exec();
}

}  // namespace kolvar
