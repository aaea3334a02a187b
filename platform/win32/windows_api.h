#pragma once

// Inside the Win32 backend only, and the one place where <windows.h> is included. The platform's
// public headers, its test seam and the program's resource ids declare, in namespace kolvar,
// names that <windows.h> defines as macros: message and style constants, and functions it
// renames to their ...A or ...W form. Once it has been included, this header undefines every one
// of those names, so that the platform's headers mean what they say after it as well; the
// backend then calls the wide functions by their own names (SendMessageW, DrawTextW, ...) and
// uses the framework's constants, which have the platform's values, from namespace kolvar.

#ifndef NOMINMAX
#define NOMINMAX
#endif
#ifndef WIN32_LEAN_AND_MEAN
#define WIN32_LEAN_AND_MEAN
#endif
// The system's check-mark bitmap, OBM_CHECK, is an OEM resource.
#ifndef OEMRESOURCE
#define OEMRESOURCE
#endif
#ifndef UNICODE
#define UNICODE
#endif

#include <windows.h>

#undef AppendMenu
#undef BS_DEFPUSHBUTTON
#undef BS_PUSHBUTTON
#undef CLR_INVALID
#undef COLORONCOLOR
#undef COLOR_HIGHLIGHT
#undef COLOR_HIGHLIGHTTEXT
#undef COLOR_MENU
#undef COLOR_MENUTEXT
#undef COLOR_WINDOW
#undef COLOR_WINDOWTEXT
#undef DEFAULT_CHARSET
#undef DefWindowProc
#undef DLGC_WANTCHARS
#undef DrawText
#undef DS_FIXEDSYS
#undef DS_MODALFRAME
#undef DS_SETFONT
#undef DS_SHELLFONT
#undef DT_BOTTOM
#undef DT_CENTER
#undef DT_SINGLELINE
#undef DT_VCENTER
#undef EN_CHANGE
#undef ES_AUTOHSCROLL
#undef FLOODFILLBORDER
#undef FLOODFILLSURFACE
#undef FW_BOLD
#undef FW_NORMAL
#undef GetObject
#undef GetProfileInt
#undef GetTextExtentPoint32
#undef ICON_BIG
#undef ICON_SMALL
#undef IDCANCEL
#undef IDOK
#undef LoadBitmap
#undef LoadIcon
#undef LOGPIXELSY
#undef MF_CHECKED
#undef MF_OWNERDRAW
#undef MF_POPUP
#undef MF_SEPARATOR
#undef MF_STRING
#undef MK_CONTROL
#undef MK_LBUTTON
#undef MK_RBUTTON
#undef MK_SHIFT
#undef OBM_CHECK
#undef ODA_DRAWENTIRE
#undef ODA_SELECT
#undef ODS_CHECKED
#undef ODS_SELECTED
#undef ODT_MENU
#undef OPAQUE
#undef RUSSIAN_CHARSET
#undef SC_CLOSE
#undef SC_MINIMIZE
#undef SC_RESTORE
#undef SendMessage
#undef SM_CXICON
#undef SM_CXSMICON
#undef SM_CYICON
#undef SM_CYMENU
#undef SRCCOPY
#undef SS_ICON
#undef SS_NOPREFIX
#undef TPM_RIGHTBUTTON
#undef TRANSPARENT
#undef USER_DEFAULT_SCREEN_DPI
#undef VK_CONTROL
#undef VK_INSERT
#undef WM_CHAR
#undef WM_CLOSE
#undef WM_COMMAND
#undef WM_CONTEXTMENU
#undef WM_CREATE
#undef WM_DESTROY
#undef WM_DPICHANGED
#undef WM_DRAWITEM
#undef WM_ENDSESSION
#undef WM_GETDLGCODE
#undef WM_GETFONT
#undef WM_ICONERASEBKGND
#undef WM_INITDIALOG
#undef WM_KEYDOWN
#undef WM_LBUTTONDBLCLK
#undef WM_MEASUREITEM
#undef WM_PAINT
#undef WM_QUERYDRAGICON
#undef WM_RBUTTONDBLCLK
#undef WM_RBUTTONDOWN
#undef WM_SETICON
#undef WM_SETTINGCHANGE
#undef WM_SYSCOLORCHANGE
#undef WM_SYSCOMMAND
#undef WS_BORDER
#undef WS_CAPTION
#undef WS_CHILD
#undef WS_EX_APPWINDOW
#undef WS_EX_CLIENTEDGE
#undef WS_GROUP
#undef WS_MINIMIZEBOX
#undef WS_POPUP
#undef WS_SYSMENU
#undef WS_TABSTOP
#undef WS_VISIBLE

namespace kolvar {

// A function of a system library, loaded from the system folder only and never freed, so that
// the function stays for the rest of the run: null where this Windows lacks either, so that the
// caller falls back.
template <class FunctionPointer>
FunctionPointer SystemFunction(const wchar_t* library, const char* name) {
    const HMODULE module = LoadLibraryExW(library, nullptr, LOAD_LIBRARY_SEARCH_SYSTEM32);
    const FARPROC address = module != nullptr ? GetProcAddress(module, name) : nullptr;
    return reinterpret_cast<FunctionPointer>(reinterpret_cast<void (*)()>(address));
}

}  // namespace kolvar
