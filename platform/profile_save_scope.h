#pragma once

namespace kolvar {

class CWinApp;

// The profile writes made while one of these lives reach the settings file together, in one
// replace of it, when it ends: a save is never half of one selection and half of another.
class ProfileSaveScope {
public:
    explicit ProfileSaveScope(CWinApp& app);
    ProfileSaveScope(const ProfileSaveScope&) = delete;
    ProfileSaveScope& operator=(const ProfileSaveScope&) = delete;
    ~ProfileSaveScope();

private:
    CWinApp& app_;
};

}  // namespace kolvar
