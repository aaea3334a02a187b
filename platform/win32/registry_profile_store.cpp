#include "platform/win32/registry_profile_store.h"

#include <algorithm>
#include <memory>

#include "platform/backend.h"
#include "platform/win32/wide_text.h"
#include "platform/win32/windows_api.h"

namespace kolvar {
namespace {

// A save at the end of the user's session must be done before the system gives up on the
// program ("This app is preventing shutdown"): another copy saving at the same moment is waited
// for this long, and then the values are written all the same, each of them whole.
constexpr DWORD kMutexPatienceMs = 1000;

// The system's words for an error, without the line end it puts after them.
std::string ErrorText(LSTATUS status) {
    wchar_t* text = nullptr;
    const DWORD length = FormatMessageW(
        FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS,
        nullptr, static_cast<DWORD>(status), 0, reinterpret_cast<wchar_t*>(&text), 0, nullptr);
    std::wstring message(text != nullptr ? text : L"", length);
    LocalFree(text);
    while (!message.empty() && (message.back() == L'\n' || message.back() == L'\r' ||
                                message.back() == L' ' || message.back() == L'.')) {
        message.pop_back();
    }
    return message.empty() ? "error " + std::to_string(status) : Narrow(message);
}

// Held while one save writes its values, or while a start reads them, so that neither sees half
// of another copy's save. One that could not have it says so to a debugger and goes on.
class SettingsLock {
public:
    SettingsLock(const std::wstring& name, std::string_view program, std::string_view doing)
        : mutex_(CreateMutexW(nullptr, FALSE, name.c_str())) {
        const DWORD waited =
            mutex_ != nullptr ? WaitForSingleObject(mutex_, kMutexPatienceMs) : WAIT_FAILED;
        held_ = waited == WAIT_OBJECT_0 || waited == WAIT_ABANDONED;
        if (waited == WAIT_TIMEOUT) {
            Tell(program, "another copy is saving the settings; " + std::string(doing) +
                              " without waiting for it");
        } else if (waited == WAIT_FAILED) {
            Tell(program, "cannot wait for other copies' saves (" +
                              ErrorText(static_cast<LSTATUS>(GetLastError())) + "); " +
                              std::string(doing) + " without waiting for them");
        }
    }
    ~SettingsLock() {
        if (held_) {
            ReleaseMutex(mutex_);
        }
        if (mutex_ != nullptr) {
            CloseHandle(mutex_);
        }
    }
    SettingsLock(const SettingsLock&) = delete;
    SettingsLock& operator=(const SettingsLock&) = delete;

private:
    static void Tell(std::string_view program, const std::string& what) {
        OutputDebugStringW(Widen(std::string(program) + ": " + what + '\n').c_str());
    }

    HANDLE mutex_;
    bool held_ = false;
};

LSTATUS WriteValue(const std::wstring& path, std::string_view name, std::uint32_t value) {
    HKEY key = nullptr;
    LSTATUS status = RegCreateKeyExW(HKEY_CURRENT_USER, path.c_str(), 0, nullptr, 0, KEY_SET_VALUE,
                                     nullptr, &key, nullptr);
    if (status != ERROR_SUCCESS) {
        return status;
    }
    const DWORD data = value;
    status = RegSetValueExW(key, Widen(name).c_str(), 0, REG_DWORD,
                            reinterpret_cast<const BYTE*>(&data), sizeof data);
    RegCloseKey(key);
    return status;
}

}  // namespace

RegistryProfileStore::RegistryProfileStore(std::string companyKey, std::string applicationName)
    : companyKey_(std::move(companyKey)), applicationName_(std::move(applicationName)) {}

std::wstring RegistryProfileStore::KeyPath(std::string_view section) const {
    return Widen("Software\\" + companyKey_ + '\\' + applicationName_ + '\\' +
                 std::string(section));
}

// A mutex's name may not hold a backslash after its namespace.
std::wstring RegistryProfileStore::LockName() const {
    std::wstring name = Widen("Local\\kolvar settings " + companyKey_ + '/' + applicationName_);
    std::replace(name.begin() + 6, name.end(), L'\\', L'/');
    return name;
}

std::optional<std::uint32_t> RegistryProfileStore::Read(std::string_view section,
                                                        std::string_view key) const {
    auto read = sections_.find(section);
    if (read == sections_.end()) {
        const SettingsLock lock(LockName(), applicationName_, "reading them");
        read = sections_.emplace(std::string(section), ReadSection(KeyPath(section))).first;
    }
    const std::wstring name = Widen(key);
    for (const NamedValue& stored : read->second) {
        // Value names are case-insensitive, as the registry compares them.
        if (CompareStringOrdinal(stored.name.c_str(), -1, name.c_str(), -1, TRUE) == CSTR_EQUAL) {
            return stored.value;
        }
    }
    return std::nullopt;
}

std::vector<RegistryProfileStore::NamedValue> RegistryProfileStore::ReadSection(
    const std::wstring& path) {
    std::vector<NamedValue> values;
    HKEY key = nullptr;
    if (RegOpenKeyExW(HKEY_CURRENT_USER, path.c_str(), 0, KEY_QUERY_VALUE, &key) != ERROR_SUCCESS) {
        return values;
    }
    constexpr DWORD kLongestName = 16383;
    std::wstring name(kLongestName + 1, L'\0');
    for (DWORD index = 0;; ++index) {
        DWORD nameLength = kLongestName + 1;
        DWORD type = REG_NONE;
        DWORD value = 0;
        DWORD size = sizeof value;
        const LSTATUS status = RegEnumValueW(key, index, name.data(), &nameLength, nullptr, &type,
                                             reinterpret_cast<BYTE*>(&value), &size);
        if (status == ERROR_NO_MORE_ITEMS ||
            (status != ERROR_SUCCESS && status != ERROR_MORE_DATA)) {
            break;
        }
        // Longer data than four bytes (ERROR_MORE_DATA) is not one of these values.
        if (status == ERROR_SUCCESS && type == REG_DWORD && size == sizeof value) {
            values.push_back({name.substr(0, nameLength), value});
        }
    }
    RegCloseKey(key);
    return values;
}

bool RegistryProfileStore::Write(const std::vector<Entry>& entries) {
    sections_.clear();
    const SettingsLock lock(LockName(), applicationName_, "saving");
    for (const Entry& entry : entries) {
        const std::wstring path = KeyPath(entry.section);
        if (const LSTATUS status = WriteValue(path, entry.key, entry.value);
            status != ERROR_SUCCESS) {
            WriteErrorLine(applicationName_, "cannot save settings to HKEY_CURRENT_USER\\" +
                                                 Narrow(path) + ": " + ErrorText(status));
            return false;
        }
    }
    return true;
}

std::unique_ptr<ProfileStore> OpenProfileStore(std::string_view companyKey,
                                               std::string_view applicationName) {
    return std::make_unique<RegistryProfileStore>(std::string(companyKey),
                                                  std::string(applicationName));
}

}  // namespace kolvar
