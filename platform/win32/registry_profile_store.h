#pragma once

// Inside the Win32 backend only: the per-user settings store of Windows, the registry.

#include <map>
#include <string>
#include <vector>

#include "platform/profile_store.h"

namespace kolvar {

// Values live under HKEY_CURRENT_USER\Software\company\application\section, one REG_DWORD per
// key. A value of another type or size counts as missing and is rewritten at the next save.
// The values of one save are written under the mutex "Local\kolvar settings company/application"
// (a backslash in either name becoming a slash), so that two copies ending together leave one
// whole selection; a section is read whole under the same mutex when its first value is asked for,
// and again after each save. Either waits at most a second for the mutex and then goes on all
// the same, telling the debugger; a failed save is reported on standard error and to the
// debugger.
class RegistryProfileStore : public ProfileStore {
public:
    RegistryProfileStore(std::string companyKey, std::string applicationName);

    // The section's key under HKEY_CURRENT_USER.
    std::wstring KeyPath(std::string_view section) const;

protected:
    std::optional<std::uint32_t> Read(std::string_view section,
                                      std::string_view key) const override;
    bool Write(const std::vector<Entry>& entries) override;

private:
    struct NamedValue {
        std::wstring name;
        std::uint32_t value = 0;
    };

    std::wstring LockName() const;
    static std::vector<NamedValue> ReadSection(const std::wstring& path);

    std::string companyKey_;
    std::string applicationName_;
    mutable std::map<std::string, std::vector<NamedValue>, std::less<>> sections_;
};

}  // namespace kolvar
