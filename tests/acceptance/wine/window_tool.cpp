// What the acceptance tests under Wine ask of the Windows side, from inside the Wine session:
//
//   window_tool dialog-size FACE POINTS X Y [X Y...]
//       prints "PX PY..." on one line: each X, Y of dialog units in pixels, as MapDialogRect
//       converts them for a dialog in that font
//   window_tool system-menu TITLE
//       types Alt+Space into the top-level window of that title, which opens its system menu;
//       the keys enter Windows' own input queue, so the X window manager, which keeps Alt+Space
//       for its own window menu, never sees them
//
// Exit status 0 on success, 1 on failure with the reason on standard error.

#ifndef UNICODE
#define UNICODE
#endif
#include <windows.h>

#include <cstdio>
#include <cwchar>
#include <string>
#include <vector>

namespace {

int Fail(const char* what) {
    std::fprintf(stderr, "window_tool: %s (error %lu)\n", what, GetLastError());
    return 1;
}

// An in-memory extended template of no size and no controls, with DS_SHELLFONT as kolvar's
// dialogs have it (the plain DLGTEMPLATE does not support it): the font's point size, weight,
// italic and character set, and face follow the empty menu, class and title.
std::vector<WORD> DialogTemplate(const wchar_t* face, int points) {
    constexpr DWORD style = WS_POPUP | DS_SHELLFONT;
    std::vector<WORD> words{1, 0xFFFF, 0, 0, 0, 0, LOWORD(style), HIWORD(style), 0, 0, 0, 0, 0,
                            0, 0, 0, static_cast<WORD>(points), 0, DEFAULT_CHARSET << 8};
    for (const wchar_t* c = face; *c != 0; ++c) {
        words.push_back(static_cast<WORD>(*c));
    }
    words.push_back(0);
    return words;
}

INT_PTR CALLBACK NoDialogProcedure(HWND, UINT, WPARAM, LPARAM) {
    return FALSE;
}

int DialogSize(const wchar_t* face, int points, const std::vector<int>& units) {
    const std::vector<WORD> words = DialogTemplate(face, points);
    HWND dialog = CreateDialogIndirectParamW(GetModuleHandleW(nullptr),
                                             reinterpret_cast<const DLGTEMPLATE*>(words.data()),
                                             nullptr, &NoDialogProcedure, 0);
    if (dialog == nullptr) {
        return Fail("no dialog of that template");
    }
    std::string line;
    for (std::size_t index = 0; index + 1 < units.size(); index += 2) {
        RECT rect{0, 0, units[index], units[index + 1]};
        if (!MapDialogRect(dialog, &rect)) {
            DestroyWindow(dialog);
            return Fail("MapDialogRect failed");
        }
        line += (line.empty() ? "" : " ") + std::to_string(rect.right) + ' ' +
                std::to_string(rect.bottom);
    }
    DestroyWindow(dialog);
    std::printf("%s\n", line.c_str());
    return 0;
}

INPUT Key(WORD key, bool up) {
    INPUT input{};
    input.type = INPUT_KEYBOARD;
    input.ki.wVk = key;
    input.ki.wScan = static_cast<WORD>(MapVirtualKeyW(key, MAPVK_VK_TO_VSC));
    input.ki.dwFlags = up ? KEYEVENTF_KEYUP : 0;
    return input;
}

int SystemMenu(const wchar_t* title) {
    HWND window = FindWindowW(nullptr, title);
    if (window == nullptr) {
        return Fail("no window of that title");
    }
    SetForegroundWindow(window);
    INPUT keys[] = {Key(VK_MENU, false), Key(VK_SPACE, false), Key(VK_SPACE, true),
                    Key(VK_MENU, true)};
    if (SendInput(4, keys, sizeof(INPUT)) != 4) {
        return Fail("the keys were not sent");
    }
    return 0;
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
    const std::wstring command = argc > 1 ? argv[1] : L"";
    if (command == L"dialog-size" && argc >= 6 && argc % 2 == 0) {
        std::vector<int> units;
        for (int index = 4; index < argc; ++index) {
            units.push_back(_wtoi(argv[index]));
        }
        return DialogSize(argv[2], _wtoi(argv[3]), units);
    }
    if (command == L"system-menu" && argc == 3) {
        return SystemMenu(argv[2]);
    }
    std::fprintf(stderr,
                 "usage: window_tool dialog-size FACE POINTS X Y [X Y...]\n"
                 "       window_tool system-menu TITLE\n");
    return 2;
}
