#pragma once

#include <cstddef>
#include <memory>
#include <span>
#include <string>
#include <string_view>

namespace kolvar {

class CWnd;
class ProfileStore;
struct DialogTemplate;

// The application object: exactly one, constructed statically. The framework calls
// InitInstance once; FALSE ends the program without a message loop of its own.
class CWinApp {
public:
    // Without a name, the application is named after its executable when AfxWinMain starts it.
    explicit CWinApp(std::string_view appName = {});
    CWinApp(const CWinApp&) = delete;
    CWinApp& operator=(const CWinApp&) = delete;
    virtual ~CWinApp();

    virtual bool InitInstance();

    // The name given to the constructor, or else, from AfxWinMain on, the executable's file name
    // without its folder and extension.
    const std::string& AppName() const { return appName_; }

    void SetRegistryKey(std::string_view companyKey);
    int GetProfileInt(std::string_view section, std::string_view key, int defaultValue) const;
    bool WriteProfileInt(std::string_view section, std::string_view key, int value);

    CWnd* m_pMainWnd = nullptr;

private:
    friend int AfxWinMain(int argc, char** argv);
    friend class ProfileSaveScope;

    std::string appName_;
    std::unique_ptr<ProfileStore> store_;
};

// The profile writes made while one of these lives are applied together when it ends, as
// atomically as the store allows: a save is never half of one selection and half of another.
class ProfileSaveScope {
public:
    explicit ProfileSaveScope(CWinApp& app);
    ProfileSaveScope(const ProfileSaveScope&) = delete;
    ProfileSaveScope& operator=(const ProfileSaveScope&) = delete;
    ~ProfileSaveScope();

private:
    CWinApp& app_;
};

CWinApp* AfxGetApp();
CWnd* AfxGetMainWnd();

// The program's resources, as the executable carries them. The program installs its module once
// at start; the platform loads bitmaps, icons and dialogs from it by id. A member left null
// stands for no resources of that kind.
struct ResourceModule {
    std::span<const std::byte> (*bitmap)(unsigned id) = nullptr;  // a BMP file
    std::span<const std::byte> (*icon)(unsigned id) = nullptr;    // an ICO file
    const DialogTemplate* (*dialog)(unsigned id) = nullptr;
};

void AfxSetResourceModule(const ResourceModule& module);
const ResourceModule& AfxGetResourceModule();

// The program's start: sets up the platform, calls InitInstance, returns the exit status.
int AfxWinMain(int argc, char** argv);

}  // namespace kolvar
