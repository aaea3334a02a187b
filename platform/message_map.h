#pragma once

#include <cstdint>
#include <cstring>
#include <span>

#include "platform/geometry.h"

namespace kolvar {

class CWnd;
class Surface;

using WPARAM = std::uintptr_t;
using LPARAM = std::intptr_t;
using LRESULT = std::intptr_t;

struct Message {
    unsigned message = 0;
    WPARAM wParam = 0;
    LPARAM lParam = 0;
};

// What each message carries. Where the window system would pass a handle, the framework passes
// the program's own object; each backend turns the one into the other in one place, where it
// turns the window system's events into messages, by the table kMessagePayloads below.
//
//   message             wParam                        lParam                     result
//   WM_CREATE           0                             const CREATESTRUCT*        0, or -1: fail
//   WM_DESTROY          0                             0                          0
//   WM_PAINT            0                             0                          0
//   WM_CLOSE            0                             0                          0
//   WM_SYSCOLORCHANGE   0                             0                          0
//   WM_SETTINGCHANGE    the setting (SPI_), or 0      0                          0
//   WM_ENDSESSION       1: the session ends now       0                          0
//   WM_ICONERASEBKGND   Surface* to paint on          0                          0
//   WM_DRAWITEM         control id, 0 for menus       DRAWITEMSTRUCT*            1 if drawn
//   WM_MEASUREITEM      control id, 0 for menus       MEASUREITEMSTRUCT*         1 if measured
//   WM_GETFONT          0                             0                          const Font*, or 0
//   WM_QUERYDRAGICON    0                             0                          const Icon*, or 0
//   WM_CONTEXTMENU      CWnd* clicked                 screen point (MakePointParam), or
//                                                     kKeyboardContextPoint from the keyboard
//   WM_SETICON          ICON_BIG or ICON_SMALL        const Icon*, or 0          the previous one
//   WM_INITDIALOG       0                             0                          1: focus given
//   WM_COMMAND          command id (low word), and    0                          0
//                       for a control's notice its
//                       code (high word: EN_CHANGE)
//   WM_GETDLGCODE       0                             0                          DLGC_ flags
//   WM_KEYDOWN          virtual key (VK_)             0                          0
//   WM_CHAR             the character, a UTF-16 unit  0                          0
//   WM_SYSCOMMAND       system command                0                          0
//   WM_LBUTTONDBLCLK,   MK_ key-state flags           client point (MakePointParam)
//   WM_RBUTTONDOWN,
//   WM_RBUTTONDBLCLK
//   WM_DPICHANGED       new dpi (low word x, high     const Rect* suggested      0
//                       word y)                       window rectangle on the screen
//
// DRAWITEMSTRUCT::hDC likewise is a Surface*, valid for the one request.

inline constexpr unsigned WM_CREATE = 0x0001;
inline constexpr unsigned WM_DESTROY = 0x0002;
inline constexpr unsigned WM_PAINT = 0x000F;
inline constexpr unsigned WM_CLOSE = 0x0010;
inline constexpr unsigned WM_SYSCOLORCHANGE = 0x0015;
inline constexpr unsigned WM_SETTINGCHANGE = 0x001A;
inline constexpr unsigned WM_ENDSESSION = 0x0016;
inline constexpr unsigned WM_ICONERASEBKGND = 0x0027;
inline constexpr unsigned WM_DRAWITEM = 0x002B;
inline constexpr unsigned WM_MEASUREITEM = 0x002C;
inline constexpr unsigned WM_GETFONT = 0x0031;
inline constexpr unsigned WM_QUERYDRAGICON = 0x0037;
inline constexpr unsigned WM_CONTEXTMENU = 0x007B;
inline constexpr unsigned WM_SETICON = 0x0080;
inline constexpr unsigned WM_GETDLGCODE = 0x0087;
inline constexpr unsigned WM_KEYDOWN = 0x0100;
inline constexpr unsigned WM_CHAR = 0x0102;
inline constexpr unsigned WM_INITDIALOG = 0x0110;
inline constexpr unsigned WM_COMMAND = 0x0111;
inline constexpr unsigned WM_SYSCOMMAND = 0x0112;
inline constexpr unsigned WM_LBUTTONDBLCLK = 0x0203;
inline constexpr unsigned WM_RBUTTONDOWN = 0x0204;
inline constexpr unsigned WM_RBUTTONDBLCLK = 0x0206;
inline constexpr unsigned WM_DPICHANGED = 0x02E0;

inline constexpr WPARAM ICON_SMALL = 0;
inline constexpr WPARAM ICON_BIG = 1;

inline constexpr unsigned SC_MINIMIZE = 0xF020;
inline constexpr unsigned SC_CLOSE = 0xF060;
inline constexpr unsigned SC_RESTORE = 0xF120;
// A system command's low four bits are the window system's own: compare the rest.
inline constexpr unsigned kSystemCommandMask = 0xFFF0;

// A control's notice that the user may have changed its text.
inline constexpr unsigned EN_CHANGE = 0x0300;

// What a control asks of the dialog's keyboard handling: the characters typed in it.
inline constexpr LRESULT DLGC_WANTCHARS = 0x0080;

// Virtual keys; the letters' and digits' are their upper-case ASCII codes.
inline constexpr unsigned VK_CONTROL = 0x11;
inline constexpr unsigned VK_INSERT = 0x2D;

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

// A rectangle that lParam points at, copied out: the window system's own rectangle has Rect's
// layout but is another type, which may not be read through a Rect.
inline Rect RectFromParam(LPARAM param) {
    Rect rect;
    std::memcpy(&rect, reinterpret_cast<const void*>(param), sizeof rect);
    return rect;
}

// WM_CONTEXTMENU asked for from the keyboard carries this point instead of a screen position.
inline constexpr Point kKeyboardContextPoint{-1, -1};

// What each part of the framework's messages is, for the backends: the rows of the table above.
// A message without a row is none of the framework's, and stays the window system's.
enum class Payload : std::uint8_t {
    number,         // the same in the window system's terms and the framework's
    none,           // 0 in the framework's form, whatever the window system has there
    window,         // CWnd*; 0 for none, and for a window that is not the program's
    surface,        // Surface*
    font,           // const Font*, or 0: the program has no such object
    icon,           // const Icon*, or 0: the program has no such object
    iconSize,       // ICON_BIG or ICON_SMALL: which image of the message's icon
    createRecord,   // const CREATESTRUCT*
    measureRecord,  // MEASUREITEMSTRUCT*
    drawRecord,     // DRAWITEMSTRUCT*
    rect,           // const Rect*, laid out as the window system's own rectangle
};

struct MessagePayload {
    unsigned message = 0;
    Payload wParam = Payload::number;
    Payload lParam = Payload::number;
    Payload result = Payload::number;
};

inline constexpr MessagePayload kMessagePayloads[] = {
    {WM_CREATE, Payload::none, Payload::createRecord, Payload::number},
    {WM_DESTROY, Payload::none, Payload::none, Payload::number},
    {WM_PAINT, Payload::none, Payload::none, Payload::number},
    {WM_CLOSE, Payload::none, Payload::none, Payload::number},
    {WM_SYSCOLORCHANGE, Payload::none, Payload::none, Payload::number},
    {WM_SETTINGCHANGE, Payload::number, Payload::none, Payload::number},
    {WM_ENDSESSION, Payload::number, Payload::number, Payload::number},
    {WM_ICONERASEBKGND, Payload::surface, Payload::none, Payload::number},
    {WM_DRAWITEM, Payload::number, Payload::drawRecord, Payload::number},
    {WM_MEASUREITEM, Payload::number, Payload::measureRecord, Payload::number},
    {WM_GETFONT, Payload::none, Payload::none, Payload::font},
    {WM_QUERYDRAGICON, Payload::none, Payload::none, Payload::icon},
    {WM_CONTEXTMENU, Payload::window, Payload::number, Payload::number},
    {WM_SETICON, Payload::iconSize, Payload::icon, Payload::icon},
    {WM_GETDLGCODE, Payload::none, Payload::none, Payload::number},
    {WM_KEYDOWN, Payload::number, Payload::none, Payload::number},
    {WM_CHAR, Payload::number, Payload::none, Payload::number},
    {WM_INITDIALOG, Payload::none, Payload::none, Payload::number},
    {WM_COMMAND, Payload::number, Payload::none, Payload::number},
    {WM_SYSCOMMAND, Payload::number, Payload::number, Payload::number},
    {WM_LBUTTONDBLCLK, Payload::number, Payload::number, Payload::number},
    {WM_RBUTTONDOWN, Payload::number, Payload::number, Payload::number},
    {WM_RBUTTONDBLCLK, Payload::number, Payload::number, Payload::number},
    {WM_DPICHANGED, Payload::number, Payload::rect, Payload::number},
};

// The message's row, or null for a message that is none of the framework's.
constexpr const MessagePayload* PayloadOf(unsigned message) {
    for (const MessagePayload& row : kMessagePayloads) {
        if (row.message == message) {
            return &row;
        }
    }
    return nullptr;
}

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

// One row of a window class's message table: a message, or for WM_COMMAND an inclusive range of
// command ids with the notice code (0 for a command: a menu item's, a button's click), and the
// member that handles it.
struct MessageMapEntry {
    unsigned message = 0;
    unsigned firstId = 0;
    unsigned lastId = 0;
    LRESULT (*handler)(CWnd& window, const Message& message) = nullptr;
    unsigned notifyCode = 0;
};

// A class's table and the table of its base class, searched after it.
struct MessageMap {
    const MessageMap* (*base)() = nullptr;
    std::span<const MessageMapEntry> entries;
};

namespace message_map_detail {

template <auto Handler>
struct HandlerClass;
template <class Class, class Result, class... Args, Result (Class::*Handler)(Args...)>
struct HandlerClass<Handler> {
    using type = Class;
};
template <auto Handler>
using ClassOf = typename HandlerClass<Handler>::type;

template <auto Handler>
ClassOf<Handler>& As(CWnd& window) {
    return static_cast<ClassOf<Handler>&>(window);
}

template <auto Handler>  // void OnXxx()
LRESULT CallWithoutArguments(CWnd& window, const Message&) {
    (As<Handler>(window).*Handler)();
    return 0;
}

template <auto Handler, class Request>  // void OnXxx(int controlId, Request&)
LRESULT CallWithRequest(CWnd& window, const Message& message) {
    (As<Handler>(window).*Handler)(static_cast<int>(message.wParam),
                                   *reinterpret_cast<Request*>(message.lParam));
    return 1;
}

}  // namespace message_map_detail

// Entries for the messages the program handles, each cracked into the handler's arguments.
// The handler may be private: its address is taken inside the class's own table.

template <auto Handler>  // int OnCreate(const CREATESTRUCT&)
constexpr MessageMapEntry OnWmCreate() {
    return {WM_CREATE, 0, 0, [](CWnd& w, const Message& m) -> LRESULT {
                return (message_map_detail::As<Handler>(w).*
                        Handler)(*reinterpret_cast<const CREATESTRUCT*>(m.lParam));
            }};
}

template <auto Handler>  // void OnPaint()
constexpr MessageMapEntry OnWmPaint() {
    return {WM_PAINT, 0, 0, &message_map_detail::CallWithoutArguments<Handler>};
}

template <auto Handler>  // void OnSysColorChange()
constexpr MessageMapEntry OnWmSysColorChange() {
    return {WM_SYSCOLORCHANGE, 0, 0, &message_map_detail::CallWithoutArguments<Handler>};
}

template <auto Handler>  // void OnSettingChange()
constexpr MessageMapEntry OnWmSettingChange() {
    return {WM_SETTINGCHANGE, 0, 0, &message_map_detail::CallWithoutArguments<Handler>};
}

template <auto Handler>  // void OnEndSession(bool ending)
constexpr MessageMapEntry OnWmEndSession() {
    return {WM_ENDSESSION, 0, 0, [](CWnd& w, const Message& m) -> LRESULT {
                (message_map_detail::As<Handler>(w).*Handler)(m.wParam != 0);
                return 0;
            }};
}

template <unsigned MouseMessage, auto Handler>  // void OnXxx(unsigned flags, Point point)
constexpr MessageMapEntry OnMouseMessage() {
    return {MouseMessage, 0, 0, [](CWnd& w, const Message& m) -> LRESULT {
                (message_map_detail::As<Handler>(w).*Handler)(static_cast<unsigned>(m.wParam),
                                                              PointFromParam(m.lParam));
                return 0;
            }};
}

template <auto Handler>
constexpr MessageMapEntry OnWmRButtonDown() {
    return OnMouseMessage<WM_RBUTTONDOWN, Handler>();
}

template <auto Handler>
constexpr MessageMapEntry OnWmLButtonDblClk() {
    return OnMouseMessage<WM_LBUTTONDBLCLK, Handler>();
}

template <auto Handler>
constexpr MessageMapEntry OnWmRButtonDblClk() {
    return OnMouseMessage<WM_RBUTTONDBLCLK, Handler>();
}

template <auto Handler>  // void OnContextMenu(CWnd* window, Point screenPoint)
constexpr MessageMapEntry OnWmContextMenu() {
    return {WM_CONTEXTMENU, 0, 0, [](CWnd& w, const Message& m) -> LRESULT {
                (message_map_detail::As<Handler>(w).*Handler)(reinterpret_cast<CWnd*>(m.wParam),
                                                              PointFromParam(m.lParam));
                return 0;
            }};
}

template <auto Handler>  // void OnMeasureItem(int controlId, MEASUREITEMSTRUCT&)
constexpr MessageMapEntry OnWmMeasureItem() {
    return {WM_MEASUREITEM, 0, 0, &message_map_detail::CallWithRequest<Handler, MEASUREITEMSTRUCT>};
}

template <auto Handler>  // void OnDrawItem(int controlId, DRAWITEMSTRUCT&)
constexpr MessageMapEntry OnWmDrawItem() {
    return {WM_DRAWITEM, 0, 0, &message_map_detail::CallWithRequest<Handler, DRAWITEMSTRUCT>};
}

template <auto Handler>  // void OnSysCommand(unsigned id, LPARAM param)
constexpr MessageMapEntry OnWmSysCommand() {
    return {WM_SYSCOMMAND, 0, 0, [](CWnd& w, const Message& m) -> LRESULT {
                (message_map_detail::As<Handler>(w).*Handler)(static_cast<unsigned>(m.wParam),
                                                              m.lParam);
                return 0;
            }};
}

template <auto Handler>  // const Icon* OnQueryDragIcon()
constexpr MessageMapEntry OnWmQueryDragIcon() {
    return {WM_QUERYDRAGICON, 0, 0, [](CWnd& w, const Message&) -> LRESULT {
                return reinterpret_cast<LRESULT>((message_map_detail::As<Handler>(w).*Handler)());
            }};
}

template <auto Handler>  // LRESULT OnGetDlgCode()
constexpr MessageMapEntry OnWmGetDlgCode() {
    return {WM_GETDLGCODE, 0, 0, [](CWnd& w, const Message&) -> LRESULT {
                return (message_map_detail::As<Handler>(w).*Handler)();
            }};
}

template <unsigned KeyMessage, auto Handler>  // void OnXxx(unsigned keyOrCharacter)
constexpr MessageMapEntry OnKeyMessage() {
    return {KeyMessage, 0, 0, [](CWnd& w, const Message& m) -> LRESULT {
                (message_map_detail::As<Handler>(w).*Handler)(static_cast<unsigned>(m.wParam));
                return 0;
            }};
}

template <auto Handler>
constexpr MessageMapEntry OnWmKeyDown() {
    return OnKeyMessage<WM_KEYDOWN, Handler>();
}

template <auto Handler>
constexpr MessageMapEntry OnWmChar() {
    return OnKeyMessage<WM_CHAR, Handler>();
}

template <auto Handler>  // void OnDpiChanged(int dpi, const Rect& suggested)
constexpr MessageMapEntry OnWmDpiChanged() {
    return {WM_DPICHANGED, 0, 0, [](CWnd& w, const Message& m) -> LRESULT {
                (message_map_detail::As<Handler>(w).*Handler)(static_cast<int>(LoWord(m.wParam)),
                                                              RectFromParam(m.lParam));
                return 0;
            }};
}

template <unsigned Id, auto Handler>  // void OnXxx()
constexpr MessageMapEntry OnCommand() {
    return {WM_COMMAND, Id, Id, &message_map_detail::CallWithoutArguments<Handler>};
}

template <unsigned Id, auto Handler>  // void OnXxx(), for an edit control's EN_CHANGE
constexpr MessageMapEntry OnEnChange() {
    return {WM_COMMAND, Id, Id, &message_map_detail::CallWithoutArguments<Handler>, EN_CHANGE};
}

template <unsigned FirstId, unsigned LastId, auto Handler>  // void OnXxx(unsigned id)
constexpr MessageMapEntry OnCommandRange() {
    static_assert(FirstId <= LastId);
    return {WM_COMMAND, FirstId, LastId, [](CWnd& w, const Message& m) -> LRESULT {
                (message_map_detail::As<Handler>(w).*Handler)(LoWord(m.wParam));
                return 0;
            }};
}

}  // namespace kolvar
