#include "platform/application.h"

#include "platform/backend.h"
#include "platform/profile_store.h"
#include "platform/program.h"

namespace kolvar {
namespace {

std::span<const std::byte> NoBytes(unsigned /*id*/) {
    return {};
}

const DialogTemplate* NoDialog(unsigned /*id*/) {
    return nullptr;
}

ResourceModule& InstalledModule() {
    static ResourceModule module{&NoBytes, &NoBytes, &NoDialog};
    return module;
}

CWinApp*& TheApp() {
    static CWinApp* app = nullptr;
    return app;
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
    store_ = OpenProfileStore(companyKey, appName_);
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
    InstalledModule() = {module.bitmap != nullptr ? module.bitmap : &NoBytes,
                         module.icon != nullptr ? module.icon : &NoBytes,
                         module.dialog != nullptr ? module.dialog : &NoDialog};
}

const ResourceModule& AfxGetResourceModule() {
    return InstalledModule();
}

// Without a window system nothing can be shown: the program ends at once, said why.
int AfxWinMain(int argc, char** argv) {
    CWinApp* app = AfxGetApp();
    if (app == nullptr) {
        return 1;
    }
    if (app->appName_.empty()) {
        app->appName_ = ApplicationNameFromPath(ExecutablePath(argc, argv));
    }
    const std::unique_ptr<EventLoop> loop = StartEventLoop(argc, argv, app->appName_);
    if (loop == nullptr) {
        return 1;
    }
    if (!app->InitInstance()) {
        return 0;
    }
    return loop->Run();
}

}  // namespace kolvar
