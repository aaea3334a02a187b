#include "platform/win32/message_translation.h"

#include <cstddef>

#include "platform/win32/drawing_objects.h"
#include "platform/win32/surface.h"
#include "platform/win32/window.h"

namespace kolvar {
namespace {

Message Same(const RawMessage& raw) {
    return Message{raw.message, raw.wParam, raw.lParam};
}

LRESULT DispatchCreate(const RawMessage& raw,
                       const std::function<LRESULT(const Message&)>& dispatch) {
    const auto& system = *reinterpret_cast<const CREATESTRUCTW*>(raw.lParam);
    CREATESTRUCT create;
    create.rect = {system.x, system.y, system.x + system.cx, system.y + system.cy};
    create.style = static_cast<unsigned>(system.style);
    create.exStyle = static_cast<unsigned>(system.dwExStyle);
    create.id = static_cast<unsigned>(reinterpret_cast<UINT_PTR>(system.hMenu));
    return dispatch(Message{WM_CREATE, 0, reinterpret_cast<LPARAM>(&create)});
}

LRESULT DispatchMeasureItem(const RawMessage& raw,
                            const std::function<LRESULT(const Message&)>& dispatch) {
    auto& system = *reinterpret_cast<::MEASUREITEMSTRUCT*>(raw.lParam);
    MEASUREITEMSTRUCT request;
    request.CtlType = system.CtlType;
    request.CtlID = system.CtlID;
    request.itemID = system.itemID;
    request.itemWidth = system.itemWidth;
    request.itemHeight = system.itemHeight;
    request.itemData = system.itemData;
    const LRESULT result =
        dispatch(Message{WM_MEASUREITEM, raw.wParam, reinterpret_cast<LPARAM>(&request)});
    system.itemWidth = request.itemWidth;
    system.itemHeight = request.itemHeight;
    return result;
}

// The item's surface is the system's: the request borrows it and puts back what it selected.
LRESULT DispatchDrawItem(const RawMessage& raw,
                         const std::function<LRESULT(const Message&)>& dispatch) {
    const auto& system = *reinterpret_cast<const ::DRAWITEMSTRUCT*>(raw.lParam);
    BorrowedSurface surface(std::make_unique<Win32Surface>(SurfaceKind::borrowed, system.hDC));
    DRAWITEMSTRUCT request;
    request.CtlType = system.CtlType;
    request.CtlID = system.CtlID;
    request.itemID = system.itemID;
    request.itemAction = system.itemAction;
    request.itemState = system.itemState;
    request.hDC = &surface;
    request.rcItem = {system.rcItem.left, system.rcItem.top, system.rcItem.right,
                      system.rcItem.bottom};
    request.itemData = system.itemData;
    return dispatch(Message{WM_DRAWITEM, raw.wParam, reinterpret_cast<LPARAM>(&request)});
}

}  // namespace

// WM_DPICHANGED's suggested rectangle goes through as it is.
static_assert(sizeof(Rect) == sizeof(RECT) && offsetof(Rect, left) == offsetof(RECT, left) &&
              offsetof(Rect, top) == offsetof(RECT, top) &&
              offsetof(Rect, right) == offsetof(RECT, right) &&
              offsetof(Rect, bottom) == offsetof(RECT, bottom));

LRESULT DispatchTranslated(const RawMessage& raw,
                           const std::function<LRESULT(const Message&)>& dispatch,
                           const std::function<LRESULT()>& fallback) {
    switch (raw.message) {
        case WM_CREATE:
            return DispatchCreate(raw, dispatch);
        case WM_MEASUREITEM:
            return DispatchMeasureItem(raw, dispatch);
        case WM_DRAWITEM:
            return DispatchDrawItem(raw, dispatch);
        case WM_CONTEXTMENU: {
            CWnd* clicked = WindowOfHandle(reinterpret_cast<HWND>(raw.wParam));
            return dispatch(Message{WM_CONTEXTMENU, reinterpret_cast<WPARAM>(clicked), raw.lParam});
        }
        case WM_COMMAND:
            return dispatch(Message{WM_COMMAND, raw.wParam, 0});
        case WM_INITDIALOG:
            return dispatch(Message{WM_INITDIALOG, 0, 0});
        case WM_QUERYDRAGICON: {
            const auto* icon = reinterpret_cast<const Icon*>(dispatch(Same(raw)));
            return reinterpret_cast<LRESULT>(
                icon != nullptr && *icon ? Win32IconOf(NativeOf(*icon)).large : nullptr);
        }
        case WM_GETFONT: {
            const auto* font = reinterpret_cast<const Font*>(dispatch(Same(raw)));
            return reinterpret_cast<LRESULT>(
                font != nullptr ? static_cast<const Win32Font&>(NativeOf(*font)).handle : nullptr);
        }
        case WM_DESTROY:
        case WM_PAINT:
        case WM_CLOSE:
        case WM_SYSCOLORCHANGE:
        case WM_SYSCOMMAND:
        case WM_LBUTTONDBLCLK:
        case WM_RBUTTONDOWN:
        case WM_DPICHANGED:
            return dispatch(Same(raw));
        default:
            return fallback();
    }
}

RawMessage RawOf(const Message& message) {
    switch (message.message) {
        case WM_ICONERASEBKGND: {
            const auto* surface = reinterpret_cast<const Surface*>(message.wParam);
            HDC dc = surface != nullptr
                         ? static_cast<const Win32Surface&>(NativeOf(*surface)).Handle()
                         : nullptr;
            return {WM_ICONERASEBKGND, reinterpret_cast<WPARAM>(dc), message.lParam};
        }
        case WM_CONTEXTMENU:
            return {WM_CONTEXTMENU,
                    reinterpret_cast<WPARAM>(HandleOf(reinterpret_cast<CWnd*>(message.wParam))),
                    message.lParam};
        default:
            return {message.message, message.wParam, message.lParam};
    }
}

}  // namespace kolvar
