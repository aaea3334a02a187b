#include "platform/backend.h"

#include <string>

#include "platform/win32/wide_text.h"
#include "platform/win32/windows_api.h"

namespace kolvar {

// A program of the GUI subsystem often has no standard error: a debugger hears it as well.
void WriteErrorLine(std::string_view program, std::string_view message) {
    const std::string line = std::string(program) + ": " + std::string(message) + '\n';
    OutputDebugStringW(Widen(line).c_str());
    HANDLE error = GetStdHandle(STD_ERROR_HANDLE);
    if (error == nullptr || error == INVALID_HANDLE_VALUE) {
        return;
    }
    for (std::size_t written = 0; written < line.size();) {
        DWORD count = 0;
        if (!WriteFile(error, line.data() + written, static_cast<DWORD>(line.size() - written),
                       &count, nullptr) ||
            count == 0) {
            return;
        }
        written += count;
    }
}

// The system knows the running executable whatever the command line says.
std::string ExecutablePath(int /*argc*/, char** /*argv*/) {
    std::wstring path(MAX_PATH, L'\0');
    for (;;) {
        const DWORD length =
            GetModuleFileNameW(nullptr, path.data(), static_cast<DWORD>(path.size()));
        if (length < path.size()) {
            path.resize(length);
            return Narrow(path);
        }
        path.resize(path.size() * 2);
    }
}

}  // namespace kolvar
