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

// Held while one save writes its values; a save that could not have it says so to a debugger.
class SaveLock {
public:
    SaveLock(const std::wstring& name, std::string_view program)
        : mutex_(CreateMutexW(nullptr, FALSE, name.c_str())) {
        if (mutex_ == nullptr) {
            return;
        }
        const DWORD waited = WaitForSingleObject(mutex_, kMutexPatienceMs);
        held_ = waited == WAIT_OBJECT_0 || waited == WAIT_ABANDONED;
        if (waited == WAIT_TIMEOUT) {
            const std::string line = std::string(program) +
                                     ": another copy is saving the settings; saving without "
                                     "waiting for it\n";
            OutputDebugStringW(Widen(line).c_str());
        }
    }
    ~SaveLock() {
        if (held_) {
            ReleaseMutex(mutex_);
        }
        if (mutex_ != nullptr) {
            CloseHandle(mutex_);
        }
    }
    SaveLock(const SaveLock&) = delete;
    SaveLock& operator=(const SaveLock&) = delete;

private:
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

std::optional<std::uint32_t> RegistryProfileStore::Read(std::string_view section,
                                                        std::string_view key) const {
    DWORD type = REG_NONE;
    DWORD value = 0;
    DWORD size = sizeof value;
    const LSTATUS status =
        RegGetValueW(HKEY_CURRENT_USER, KeyPath(section).c_str(), Widen(key).c_str(),
                     RRF_RT_ANY | RRF_NOEXPAND, &type, &value, &size);
    if (status != ERROR_SUCCESS || type != REG_DWORD || size != sizeof value) {
        return std::nullopt;
    }
    return value;
}

bool RegistryProfileStore::Write(const std::vector<Entry>& entries) {
    // A mutex's name may not hold a backslash after its namespace.
    std::wstring lockName = Widen("Local\\kolvar settings " + companyKey_ + '/' + applicationName_);
    std::replace(lockName.begin() + 6, lockName.end(), L'\\', L'/');
    const SaveLock lock(lockName, applicationName_);
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
