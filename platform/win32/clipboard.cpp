// The clipboard on Win32: its text as CF_UNICODETEXT, which Windows converts to and from the
// other text formats for programs that use those.

#include <cstring>
#include <cwchar>

#include "platform/backend.h"
#include "platform/scope_exit.h"
#include "platform/win32/wide_text.h"
#include "platform/win32/window.h"

namespace kolvar {

// Read no further than the block is long: a text put there without its terminator must not be
// read past its end.
std::optional<std::string> GetClipboardText() {
    if (IsClipboardFormatAvailable(CF_UNICODETEXT) == FALSE || OpenClipboard(nullptr) == FALSE) {
        return std::nullopt;
    }
    const ScopeExit close([] { CloseClipboard(); });
    HANDLE data = GetClipboardData(CF_UNICODETEXT);
    const auto* text = data != nullptr ? static_cast<const wchar_t*>(GlobalLock(data)) : nullptr;
    if (text == nullptr) {
        return std::nullopt;
    }
    const ScopeExit unlock([data] { GlobalUnlock(data); });
    const std::size_t capacity = GlobalSize(data) / sizeof(wchar_t);
    return Narrow(std::wstring_view(text, wcsnlen(text, capacity)));
}

// Without an owner window, EmptyClipboard leaves the clipboard to nobody and SetClipboardData
// fails. Once set, the block is the system's.
bool SetClipboardText(CWnd& owner, std::string_view text) {
    HWND window = HandleOf(&owner);
    if (window == nullptr || OpenClipboard(window) == FALSE) {
        return false;
    }
    const ScopeExit close([] { CloseClipboard(); });
    const std::wstring wide = Widen(text);
    const std::size_t bytes = (wide.size() + 1) * sizeof(wchar_t);
    HGLOBAL block = GlobalAlloc(GMEM_MOVEABLE, bytes);
    void* target = block != nullptr ? GlobalLock(block) : nullptr;
    if (target == nullptr) {
        if (block != nullptr) {
            GlobalFree(block);
        }
        return false;
    }
    std::memcpy(target, wide.c_str(), bytes);
    GlobalUnlock(block);
    if (EmptyClipboard() == FALSE || SetClipboardData(CF_UNICODETEXT, block) == nullptr) {
        GlobalFree(block);
        return false;
    }
    return true;
}

}  // namespace kolvar
