#include "platform/win32/message_translation.h"

#include <cstddef>

#include "platform/scope_exit.h"
#include "platform/win32/drawing_objects.h"
#include "platform/win32/menu.h"
#include "platform/win32/surface.h"
#include "platform/win32/window.h"

namespace kolvar {
namespace {

using Dispatch = std::function<LRESULT(const Message&)>;
using SystemHandling = std::function<LRESULT()>;

LRESULT DispatchCreate(const RawMessage& raw, const Dispatch& dispatch) {
    const auto& system = *reinterpret_cast<const CREATESTRUCTW*>(raw.lParam);
    CREATESTRUCT create;
    create.rect = {system.x, system.y, system.x + system.cx, system.y + system.cy};
    create.style = static_cast<unsigned>(system.style);
    create.exStyle = static_cast<unsigned>(system.dwExStyle);
    create.id = static_cast<unsigned>(reinterpret_cast<UINT_PTR>(system.hMenu));
    return dispatch(Message{WM_CREATE, 0, reinterpret_cast<LPARAM>(&create)});
}

LRESULT DispatchMeasureItem(const RawMessage& raw, const Dispatch& dispatch) {
    auto& system = *reinterpret_cast<::MEASUREITEMSTRUCT*>(raw.lParam);
    MEASUREITEMSTRUCT request;
    request.CtlType = system.CtlType;
    request.CtlID = system.CtlID;
    request.itemID = system.itemID;
    request.itemWidth = system.itemWidth;
    request.itemHeight = system.itemHeight;
    request.itemData = ProgramItemData(system.itemData);
    const LRESULT result =
        dispatch(Message{WM_MEASUREITEM, raw.wParam, reinterpret_cast<LPARAM>(&request)});
    system.itemWidth = request.itemWidth;
    system.itemHeight = request.itemHeight;
    return result;
}

// The item's surface is the system's: the request borrows it, and the system gets it back as it
// lent it, with the colours, mode and objects it had, as WM_DRAWITEM requires.
LRESULT DispatchDrawItem(const RawMessage& raw, const Dispatch& dispatch) {
    const auto& system = *reinterpret_cast<const ::DRAWITEMSTRUCT*>(raw.lParam);
    const int saved = SaveDC(system.hDC);
    const ScopeExit restore([&system, saved] { RestoreDC(system.hDC, saved); });
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
    request.itemData = ProgramItemData(system.itemData);
    return dispatch(Message{WM_DRAWITEM, raw.wParam, reinterpret_cast<LPARAM>(&request)});
}

// A parameter of the system's in the framework's terms, or none where the program has no object
// for it: the system's fonts and icons are never the program's. A surface lent for the message
// lives in `lent`.
std::optional<std::uintptr_t> FrameworkParameter(Payload kind, std::uintptr_t value,
                                                 std::optional<BorrowedSurface>& lent) {
    switch (kind) {
        case Payload::none:
            return 0;
        case Payload::window:
            return reinterpret_cast<std::uintptr_t>(WindowOfHandle(reinterpret_cast<HWND>(value)));
        case Payload::surface:
            lent.emplace(std::make_unique<Win32Surface>(SurfaceKind::borrowed,
                                                        reinterpret_cast<HDC>(value)));
            return reinterpret_cast<std::uintptr_t>(&*lent);
        case Payload::font:
        case Payload::icon:
            return std::nullopt;
        default:
            return value;
    }
}

HICON IconHandle(const Icon* icon, bool small) {
    if (icon == nullptr || !*icon) {
        return nullptr;
    }
    const Win32Icon& images = Win32IconOf(NativeOf(*icon));
    return small ? images.small : images.large;
}

HFONT FontHandle(const Font* font) {
    return font != nullptr ? static_cast<const Win32Font&>(NativeOf(*font)).handle : nullptr;
}

// The small image where the message says so; the large one elsewhere.
bool WantsSmallIcon(const MessagePayload& payload, const Message& message) {
    return payload.wParam == Payload::iconSize && message.wParam == ICON_SMALL;
}

// The framework's answer in the system's terms; where it has no object to give, the system's own
// answer, unchanged.
LRESULT SystemAnswer(const MessagePayload& payload, const Message& message, LRESULT answer,
                     const SystemHandling& system) {
    switch (payload.result) {
        case Payload::font: {
            HFONT font = FontHandle(reinterpret_cast<const Font*>(answer));
            return font != nullptr ? reinterpret_cast<LRESULT>(font) : system();
        }
        case Payload::icon: {
            HICON icon =
                IconHandle(reinterpret_cast<const Icon*>(answer), WantsSmallIcon(payload, message));
            return icon != nullptr ? reinterpret_cast<LRESULT>(icon) : system();
        }
        default:
            return answer;
    }
}

LRESULT DispatchParameters(const RawMessage& raw, const MessagePayload& payload,
                           const Dispatch& dispatch, const SystemHandling& system) {
    std::optional<BorrowedSurface> lent;
    const std::optional<std::uintptr_t> wParam =
        FrameworkParameter(payload.wParam, raw.wParam, lent);
    const std::optional<std::uintptr_t> lParam =
        FrameworkParameter(payload.lParam, static_cast<std::uintptr_t>(raw.lParam), lent);
    if (!wParam || !lParam) {
        return system();
    }
    const Message message{raw.message, *wParam, static_cast<LPARAM>(*lParam)};
    return SystemAnswer(payload, message, dispatch(message), system);
}

// A parameter of the framework's in the system's terms; none for a record of the framework's.
std::optional<std::uintptr_t> SystemParameter(Payload kind, std::uintptr_t value, bool small) {
    switch (kind) {
        case Payload::none:
            return 0;
        case Payload::window:
            return reinterpret_cast<std::uintptr_t>(HandleOf(reinterpret_cast<const CWnd*>(value)));
        case Payload::surface: {
            const auto* surface = reinterpret_cast<const Surface*>(value);
            return reinterpret_cast<std::uintptr_t>(
                surface != nullptr ? static_cast<const Win32Surface&>(NativeOf(*surface)).Handle()
                                   : nullptr);
        }
        case Payload::font:
            return reinterpret_cast<std::uintptr_t>(
                FontHandle(reinterpret_cast<const Font*>(value)));
        case Payload::icon:
            return reinterpret_cast<std::uintptr_t>(
                IconHandle(reinterpret_cast<const Icon*>(value), small));
        case Payload::createRecord:
        case Payload::measureRecord:
        case Payload::drawRecord:
            return std::nullopt;
        default:
            return value;
    }
}

}  // namespace

// WM_DPICHANGED's suggested rectangle goes through as it is.
static_assert(sizeof(Rect) == sizeof(RECT) && offsetof(Rect, left) == offsetof(RECT, left) &&
              offsetof(Rect, top) == offsetof(RECT, top) &&
              offsetof(Rect, right) == offsetof(RECT, right) &&
              offsetof(Rect, bottom) == offsetof(RECT, bottom));

LRESULT DispatchTranslated(const RawMessage& raw, const Dispatch& dispatch,
                           const SystemHandling& system) {
    const MessagePayload* payload = PayloadOf(raw.message);
    if (payload == nullptr) {
        return system();
    }
    switch (payload->lParam) {
        case Payload::createRecord:
            return DispatchCreate(raw, dispatch);
        case Payload::measureRecord:
            return DispatchMeasureItem(raw, dispatch);
        case Payload::drawRecord:
            return DispatchDrawItem(raw, dispatch);
        default:
            return DispatchParameters(raw, *payload, dispatch, system);
    }
}

std::optional<RawMessage> RawOf(const Message& message) {
    const MessagePayload* payload = PayloadOf(message.message);
    if (payload == nullptr) {
        return RawMessage{message.message, message.wParam, message.lParam};
    }
    const bool small = WantsSmallIcon(*payload, message);
    const std::optional<std::uintptr_t> wParam =
        SystemParameter(payload->wParam, message.wParam, small);
    const std::optional<std::uintptr_t> lParam =
        SystemParameter(payload->lParam, static_cast<std::uintptr_t>(message.lParam), small);
    if (!wParam || !lParam) {
        return std::nullopt;
    }
    return RawMessage{message.message, *wParam, static_cast<LPARAM>(*lParam)};
}

LRESULT AnswerForFramework(unsigned message, LRESULT systemAnswer) {
    const MessagePayload* payload = PayloadOf(message);
    const bool isHandle = payload != nullptr &&
                          (payload->result == Payload::font || payload->result == Payload::icon);
    return isHandle ? 0 : systemAnswer;
}

}  // namespace kolvar
