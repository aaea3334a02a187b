#pragma once

#include <cstdint>

#include "platform/colour.h"
#include "platform/geometry.h"

namespace kolvar {

class Surface;

using WPARAM = std::uintptr_t;
using LPARAM = std::intptr_t;
using LRESULT = std::intptr_t;

struct Message {
    unsigned message = 0;
    WPARAM wParam = 0;
    LPARAM lParam = 0;
};

inline constexpr unsigned WM_CREATE = 0x0001;
inline constexpr unsigned WM_DESTROY = 0x0002;
inline constexpr unsigned WM_PAINT = 0x000F;
inline constexpr unsigned WM_CLOSE = 0x0010;
inline constexpr unsigned WM_SYSCOLORCHANGE = 0x0015;
inline constexpr unsigned WM_ICONERASEBKGND = 0x0027;
inline constexpr unsigned WM_DRAWITEM = 0x002B;
inline constexpr unsigned WM_MEASUREITEM = 0x002C;
inline constexpr unsigned WM_GETFONT = 0x0031;
inline constexpr unsigned WM_QUERYDRAGICON = 0x0037;
inline constexpr unsigned WM_CONTEXTMENU = 0x007B;
inline constexpr unsigned WM_SETICON = 0x0080;
inline constexpr unsigned WM_KEYDOWN = 0x0100;
inline constexpr unsigned WM_INITDIALOG = 0x0110;
inline constexpr unsigned WM_COMMAND = 0x0111;
inline constexpr unsigned WM_SYSCOMMAND = 0x0112;
inline constexpr unsigned WM_LBUTTONDBLCLK = 0x0203;
inline constexpr unsigned WM_RBUTTONDOWN = 0x0204;

inline constexpr WPARAM ICON_SMALL = 0;
inline constexpr WPARAM ICON_BIG = 1;

inline constexpr unsigned SC_MINIMIZE = 0xF020;
inline constexpr unsigned SC_CLOSE = 0xF060;
inline constexpr unsigned SC_RESTORE = 0xF120;

// Mouse key-state flags.
inline constexpr unsigned MK_LBUTTON = 0x0001;
inline constexpr unsigned MK_RBUTTON = 0x0002;
inline constexpr unsigned MK_SHIFT = 0x0004;
inline constexpr unsigned MK_CONTROL = 0x0008;

constexpr unsigned LoWord(std::uintptr_t value) {
    return static_cast<unsigned>(value & 0xFFFF);
}
constexpr unsigned HiWord(std::uintptr_t value) {
    return static_cast<unsigned>(value >> 16 & 0xFFFF);
}

// Mouse messages carry the client position as two signed 16-bit halves of lParam.
constexpr LPARAM MakePointParam(Point point) {
    return static_cast<LPARAM>(static_cast<std::uint16_t>(point.x) |
                               static_cast<std::uint32_t>(static_cast<std::uint16_t>(point.y))
                                   << 16);
}
constexpr Point PointFromParam(LPARAM param) {
    return {static_cast<std::int16_t>(param & 0xFFFF),
            static_cast<std::int16_t>(param >> 16 & 0xFFFF)};
}

// WM_CONTEXTMENU asked for from the keyboard carries this point instead of a screen position.
inline constexpr Point kKeyboardContextPoint{-1, -1};

inline constexpr unsigned ODT_MENU = 1;
inline constexpr unsigned ODA_DRAWENTIRE = 0x0001;
inline constexpr unsigned ODA_SELECT = 0x0002;
inline constexpr unsigned ODS_SELECTED = 0x0001;
inline constexpr unsigned ODS_CHECKED = 0x0008;

// Sent to a menu's owner once per owner-drawn item before it is first shown.
struct MEASUREITEMSTRUCT {
    unsigned CtlType = ODT_MENU;
    unsigned CtlID = 0;
    unsigned itemID = 0;
    unsigned itemWidth = 0;
    unsigned itemHeight = 0;
    std::uintptr_t itemData = 0;
};

// Sent to a menu's owner whenever an owner-drawn item must be painted.
struct DRAWITEMSTRUCT {
    unsigned CtlType = ODT_MENU;
    unsigned CtlID = 0;
    unsigned itemID = 0;
    unsigned itemAction = ODA_DRAWENTIRE;
    unsigned itemState = 0;
    Surface* hDC = nullptr;
    Rect rcItem;
    std::uintptr_t itemData = 0;
};

struct CREATESTRUCT {
    Rect rect;
    unsigned style = 0;
    unsigned exStyle = 0;
    unsigned id = 0;
};

}  // namespace kolvar
