#pragma once

#include <span>

#include "platform/messages.h"

namespace kolvar {

class CWnd;
class Icon;

// One row of a window class's message table: a message, or for WM_COMMAND an inclusive range of
// command ids, and the member that handles it.
struct MessageMapEntry {
    unsigned message = 0;
    unsigned firstId = 0;
    unsigned lastId = 0;
    LRESULT (*handler)(CWnd& window, const Message& message) = nullptr;
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
    return {WM_PAINT, 0, 0, [](CWnd& w, const Message&) -> LRESULT {
                (message_map_detail::As<Handler>(w).*Handler)();
                return 0;
            }};
}

template <auto Handler>  // void OnSysColorChange()
constexpr MessageMapEntry OnWmSysColorChange() {
    return {WM_SYSCOLORCHANGE, 0, 0, [](CWnd& w, const Message&) -> LRESULT {
                (message_map_detail::As<Handler>(w).*Handler)();
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
    return {WM_MEASUREITEM, 0, 0, [](CWnd& w, const Message& m) -> LRESULT {
                (message_map_detail::As<Handler>(w).*Handler)(
                    static_cast<int>(m.wParam), *reinterpret_cast<MEASUREITEMSTRUCT*>(m.lParam));
                return 1;
            }};
}

template <auto Handler>  // void OnDrawItem(int controlId, DRAWITEMSTRUCT&)
constexpr MessageMapEntry OnWmDrawItem() {
    return {WM_DRAWITEM, 0, 0, [](CWnd& w, const Message& m) -> LRESULT {
                (message_map_detail::As<Handler>(w).*Handler)(
                    static_cast<int>(m.wParam), *reinterpret_cast<DRAWITEMSTRUCT*>(m.lParam));
                return 1;
            }};
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

template <unsigned Id, auto Handler>  // void OnXxx()
constexpr MessageMapEntry OnCommand() {
    return {WM_COMMAND, Id, Id, [](CWnd& w, const Message&) -> LRESULT {
                (message_map_detail::As<Handler>(w).*Handler)();
                return 0;
            }};
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
