// The yardstick for kolvar.exe's start: the least a Win32 program with a dialog like kolvar's
// main dialog does. A dialog from a template in memory (no resources, no manifest) of the main
// dialog's size in dialog units and its font, 8-point MS Shell Dlg, showing one line of text
// at the bottom in a 24-point Times New Roman face, as kolvar's caption. It runs until it is
// closed or its process is ended.

#include <windows.h>

#include <cstdint>
#include <vector>

namespace {

constexpr wchar_t kText[] = L"12 кОм ± 10 %";

void Append(std::vector<std::uint16_t>& words, const wchar_t* text) {
    do {
        words.push_back(static_cast<std::uint16_t>(*text));
    } while (*text++ != L'\0');
}

// A DLGTEMPLATE with no controls, WORD-aligned as the dialog manager wants it.
std::vector<std::uint16_t> Template() {
    std::vector<std::uint16_t> words(sizeof(DLGTEMPLATE) / sizeof(std::uint16_t));
    DLGTEMPLATE header{};
    header.style = WS_POPUP | WS_VISIBLE | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX |
                   DS_MODALFRAME | DS_SETFONT;
    header.dwExtendedStyle = WS_EX_APPWINDOW;
    header.cx = 320;
    header.cy = 200;
    CopyMemory(words.data(), &header, sizeof(header));
    words.push_back(0);  // no menu
    words.push_back(0);  // the predefined dialog class
    Append(words, L"minimal_dialog_win32");
    words.push_back(8);
    Append(words, L"MS Shell Dlg");
    return words;
}

void Paint(HWND dialog) {
    PAINTSTRUCT paint;
    HDC dc = BeginPaint(dialog, &paint);
    LOGFONTW request{};
    request.lfHeight = -MulDiv(24, GetDeviceCaps(dc, LOGPIXELSY), 72);
    request.lfWeight = FW_NORMAL;
    request.lfCharSet = RUSSIAN_CHARSET;
    lstrcpyW(request.lfFaceName, L"Times New Roman");
    HFONT font = CreateFontIndirectW(&request);
    HGDIOBJ previous = SelectObject(dc, font);
    SetBkMode(dc, TRANSPARENT);
    RECT client;
    GetClientRect(dialog, &client);
    DrawTextW(dc, kText, -1, &client, DT_CENTER | DT_BOTTOM | DT_SINGLELINE);
    SelectObject(dc, previous);
    DeleteObject(font);
    EndPaint(dialog, &paint);
}

INT_PTR CALLBACK DialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM /*lParam*/) {
    switch (message) {
        case WM_INITDIALOG:
            return TRUE;
        case WM_PAINT:
            Paint(dialog);
            return TRUE;
        case WM_COMMAND:
            if (LOWORD(wParam) == IDCANCEL) {
                EndDialog(dialog, IDCANCEL);
            }
            return TRUE;
        default:
            return FALSE;
    }
}

}  // namespace

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int) {
    const std::vector<std::uint16_t> words = Template();
    return static_cast<int>(DialogBoxIndirectParamW(
        instance, reinterpret_cast<const DLGTEMPLATE*>(words.data()), nullptr, DialogProc, 0));
}
