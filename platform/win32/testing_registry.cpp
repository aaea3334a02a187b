// The test seam on Win32: settings in a registry key of the test's own.

#include <stdexcept>
#include <string>

#include "platform/testing.h"
#include "platform/win32/registry_profile_store.h"
#include "platform/win32/testing_internals.h"
#include "platform/win32/windows_api.h"

namespace kolvar {
namespace {

constexpr wchar_t kSandboxes[] = L"Software\\kolvar test sandboxes";

// The sandbox that HKEY_CURRENT_USER stands for now, if any.
HKEY& CurrentSandbox() {
    static HKEY current = nullptr;
    return current;
}

std::wstring NextSandboxPath() {
    static unsigned made = 0;
    return std::wstring(kSandboxes) + L'\\' + std::to_wstring(GetCurrentProcessId()) + L'-' +
           std::to_wstring(++made);
}

std::wstring ValueText(DWORD type, DWORD value) {
    return type == REG_DWORD ? std::to_wstring(value) : L"(type " + std::to_wstring(type) + L")";
}

// The values of one key as lines "name=value", a 32-bit value as its unsigned decimal.
std::wstring ValuesOf(HKEY key) {
    std::wstring text;
    wchar_t name[256];
    for (DWORD index = 0;; ++index) {
        DWORD nameLength = std::size(name);
        DWORD type = REG_NONE;
        DWORD value = 0;
        DWORD size = sizeof value;
        const LSTATUS status = RegEnumValueW(key, index, name, &nameLength, nullptr, &type,
                                             reinterpret_cast<BYTE*>(&value), &size);
        if (status == ERROR_NO_MORE_ITEMS) {
            return text;
        }
        text += std::wstring(name, nameLength) + L'=' +
                ValueText(size == sizeof value ? type : REG_NONE, value) + L'\n';
    }
}

}  // namespace

// The per-process override of HKEY_CURRENT_USER: it reaches this process only, not the programs
// it starts.
struct SettingsSandbox::State {
    std::wstring path;
    HKEY key = nullptr;
    HKEY previous = nullptr;
};

SettingsSandbox::SettingsSandbox() : state_(std::make_unique<State>()) {
    state_->path = NextSandboxPath();
    state_->previous = CurrentSandbox();
    if (RegCreateKeyExW(HKEY_CURRENT_USER, state_->path.c_str(), 0, nullptr, 0, KEY_ALL_ACCESS,
                        nullptr, &state_->key, nullptr) != ERROR_SUCCESS ||
        RegOverridePredefKey(HKEY_CURRENT_USER, state_->key) != ERROR_SUCCESS) {
        throw std::runtime_error("no registry key for the settings: " + Utf8Of(state_->path));
    }
    CurrentSandbox() = state_->key;
}

SettingsSandbox::~SettingsSandbox() {
    RegOverridePredefKey(HKEY_CURRENT_USER, state_->previous);
    CurrentSandbox() = state_->previous;
    RegCloseKey(state_->key);
    RegDeleteTreeW(HKEY_CURRENT_USER, state_->path.c_str());
    RegDeleteKeyW(HKEY_CURRENT_USER, kSandboxes);  // the last one takes the folder with it
}

// The registry has no text of its own: this is what its editor shows of the values, a section
// to a key, "[Section]" and then "name=value" lines.
std::string StoredText(std::string_view companyKey, std::string_view appName) {
    const RegistryProfileStore store{std::string(companyKey), std::string(appName)};
    std::wstring path = store.KeyPath("");
    path.pop_back();  // the empty section's separator
    HKEY application = nullptr;
    if (RegOpenKeyExW(HKEY_CURRENT_USER, path.c_str(), 0, KEY_READ, &application) !=
        ERROR_SUCCESS) {
        return {};
    }
    std::wstring text;
    wchar_t section[256];
    for (DWORD index = 0;; ++index) {
        DWORD length = std::size(section);
        if (RegEnumKeyExW(application, index, section, &length, nullptr, nullptr, nullptr,
                          nullptr) != ERROR_SUCCESS) {
            break;
        }
        HKEY values = nullptr;
        if (RegOpenKeyExW(application, section, 0, KEY_READ, &values) == ERROR_SUCCESS) {
            text += L'[' + std::wstring(section, length) + L"]\n" + ValuesOf(values);
            RegCloseKey(values);
        }
    }
    RegCloseKey(application);
    return Utf8Of(text);
}

// Nor can the user replace such a text: the values are edited one by one.
bool ReplaceStoredText(std::string_view /*companyKey*/, std::string_view /*appName*/,
                       std::string_view /*text*/) {
    return false;
}

}  // namespace kolvar
