#include "platform/win32/window.h"

#include <utility>

#include "platform/program.h"
#include "platform/scope_exit.h"
#include "platform/win32/drawing_objects.h"
#include "platform/win32/menu.h"
#include "platform/win32/wide_text.h"
#include "platform/window_state.h"

namespace kolvar {
namespace {

constexpr wchar_t kWindowClass[] = L"KolvarWindow";

// The framework's default class for child windows: double clicks are delivered, and no
// background is erased, since the window paints every pixel itself.
void RegisterWindowClass() {
    static const ATOM registered = [] {
        WNDCLASSEXW windowClass{};
        windowClass.cbSize = sizeof windowClass;
        windowClass.style = CS_DBLCLKS;
        windowClass.lpfnWndProc = &WindowProcedure;
        windowClass.hInstance = GetModuleHandleW(nullptr);
        windowClass.hCursor = LoadCursorW(nullptr, IDC_ARROW);
        windowClass.lpszClassName = kWindowClass;
        return RegisterClassExW(&windowClass);
    }();
    static_cast<void>(registered);
}

// What WM_NCCREATE finds of the CWnd being made.
struct Creation {
    CWnd* window = nullptr;
};

// A window without a parent gets a frame of its own around the rectangle asked for, as it would
// on a desktop whose window manager frames it.
RECT OuterRect(const CREATESTRUCT& create, DWORD style, bool topLevel) {
    RECT rect{create.rect.left, create.rect.top, create.rect.right, create.rect.bottom};
    if (topLevel) {
        AdjustWindowRectEx(&rect, style, FALSE, create.exStyle);
    }
    return rect;
}

}  // namespace

Win32Window::Win32Window(CWnd& window, WNDPROC defaultProcedure, bool isDialog)
    : window_(window), defaultProcedure_(defaultProcedure), isDialog_(isDialog) {}

Win32Window::~Win32Window() {
    if (hwnd_ != nullptr) {
        Destroy();
    }
}

void Win32Window::Attach(HWND hwnd) {
    hwnd_ = hwnd;
    SetWindowLongPtrW(hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
}

void Win32Window::Destroy() {
    if (hwnd_ != nullptr) {
        DestroyWindow(hwnd_);
    }
}

Size Win32Window::ClientSize() const {
    RECT client{};
    ::GetClientRect(hwnd_, &client);
    return {client.right - client.left, client.bottom - client.top};
}

void Win32Window::Move(const Rect& rect) {
    SetWindowPos(hwnd_, nullptr, rect.left, rect.top, rect.Width(), rect.Height(),
                 SWP_NOZORDER | SWP_NOACTIVATE);
}

// Older Windows scales no window by its monitor: the program is then system-aware.
int Win32Window::Dpi() const {
    using ForWindow = UINT(WINAPI*)(HWND);
    static const auto forWindow = NewerUser32Function<ForWindow>("GetDpiForWindow");
    if (forWindow != nullptr) {
        return static_cast<int>(forWindow(hwnd_));
    }
    HDC screen = GetDC(nullptr);
    const ScopeExit release([screen] { ReleaseDC(nullptr, screen); });
    return GetDeviceCaps(screen, LOGPIXELSY);
}

Point Win32Window::ClientToScreen(Point client) const {
    POINT point{client.x, client.y};
    ::ClientToScreen(hwnd_, &point);
    return {point.x, point.y};
}

void Win32Window::ShowIcons(const Icon* big, const Icon* small) {
    HICON bigHandle = big != nullptr ? Win32IconOf(NativeOf(*big)).large : nullptr;
    HICON smallHandle = small != nullptr ? Win32IconOf(NativeOf(*small)).small : nullptr;
    SendMessageW(hwnd_, WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(bigHandle));
    SendMessageW(hwnd_, WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(smallHandle));
}

// A window that draws all it shows has its text for assistive technology only: screen readers
// read a custom window's name from its window text and hear of each change.
void Win32Window::SetAccessibleText(std::string_view name, std::string_view /*description*/) {
    SetWindowTextW(hwnd_, Widen(name).c_str());
    NotifyWinEvent(EVENT_OBJECT_NAMECHANGE, hwnd_, OBJID_CLIENT, CHILDID_SELF);
}

std::vector<CWnd*> Win32Window::Children() const {
    std::vector<CWnd*> children;
    for (HWND child = GetWindow(hwnd_, GW_CHILD); child != nullptr;
         child = GetWindow(child, GW_HWNDNEXT)) {
        if (CWnd* window = WindowOfHandle(child)) {
            children.push_back(window);
        }
    }
    return children;
}

std::unique_ptr<NativeMenu> Win32Window::SystemMenu() {
    HMENU menu = GetSystemMenu(hwnd_, FALSE);
    return menu != nullptr ? std::make_unique<Win32Menu>(menu, false) : nullptr;
}

LRESULT Win32Window::DefaultHandling(const Message& message) {
    return CallDefault(translated_ == &message ? raw_ : RawOf(message));
}

void Win32Window::EndModalRun(std::int32_t result) {
    if (isDialog_) {
        EndDialog(hwnd_, result);
    }
}

LRESULT Win32Window::Receive(UINT message, WPARAM wParam, LPARAM lParam) {
    const RawMessage raw{message, wParam, lParam};
    if (message == WM_ENDSESSION && wParam != FALSE) {
        return EndForSession();
    }
    if (message == WM_NCDESTROY) {
        const LRESULT result = CallDefault(raw);
        SetWindowLongPtrW(hwnd_, GWLP_USERDATA, 0);
        hwnd_ = nullptr;
        kept_.clear();
        return result;
    }
    return DispatchTranslated(
        raw,
        [this, &raw](const Message& translated) {
            const auto dispatching = Override(translated_, &translated);
            const auto original = Override(raw_, raw);
            return window_.WindowProc(translated);
        },
        [this, &raw] { return CallDefault(raw); });
}

// The user logs off or the system shuts down. Once this answer is back the system may end the
// process at any moment, before the dialogs' loops would have unwound to where the view saves
// on its way out; so the windows hear of it first, and save now. Then the program ends the
// normal way. Until the session really ends (WM_QUERYENDSESSION only asks, and another program
// may still call the end off) nothing changes.
LRESULT Win32Window::EndForSession() {
    window_.SendMessage(WM_ENDSESSION, TRUE, 0);
    EndProgram();
    return 0;
}

void Win32Window::Keep(Icon icon) {
    kept_.push_back(std::move(icon));
}

LRESULT Win32Window::CallDefault(const RawMessage& raw) {
    return CallWindowProcW(defaultProcedure_, hwnd_, raw.message, raw.wParam, raw.lParam);
}

LRESULT CALLBACK WindowProcedure(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_NCCREATE) {
        const auto* creation = static_cast<const Creation*>(
            reinterpret_cast<const CREATESTRUCTW*>(lParam)->lpCreateParams);
        Win32WindowOf(*creation->window)->Attach(hwnd);
    }
    auto* native = reinterpret_cast<Win32Window*>(GetWindowLongPtrW(hwnd, GWLP_USERDATA));
    if (native == nullptr) {
        return DefWindowProcW(hwnd, message, wParam, lParam);
    }
    return native->Receive(message, wParam, lParam);
}

Win32Window* Win32WindowOf(const CWnd& window) {
    return static_cast<Win32Window*>(StateOf(window).native.get());
}

CWnd* WindowOfHandle(HWND hwnd) {
    if (hwnd == nullptr ||
        GetWindowLongPtrW(hwnd, GWLP_WNDPROC) != reinterpret_cast<LONG_PTR>(&WindowProcedure)) {
        return nullptr;
    }
    auto* native = reinterpret_cast<Win32Window*>(GetWindowLongPtrW(hwnd, GWLP_USERDATA));
    return native != nullptr ? &native->Window() : nullptr;
}

HWND HandleOf(const CWnd* window) {
    const Win32Window* native = window != nullptr ? Win32WindowOf(*window) : nullptr;
    return native != nullptr ? native->Handle() : nullptr;
}

bool CreateNativeWindow(CWnd& window, const CREATESTRUCT& create, CWnd* parent) {
    RegisterWindowClass();
    HWND parentHandle = HandleOf(parent);
    StateOf(window).native = std::make_unique<Win32Window>(window, &DefWindowProcW, false);
    const DWORD style = create.style & ~static_cast<DWORD>(WS_VISIBLE);
    const RECT rect = OuterRect(create, style, parentHandle == nullptr);
    Creation creation{&window};
    HMENU id = parentHandle != nullptr ? reinterpret_cast<HMENU>(static_cast<UINT_PTR>(create.id))
                                       : nullptr;
    return CreateWindowExW(create.exStyle, kWindowClass, L"", style, rect.left, rect.top,
                           rect.right - rect.left, rect.bottom - rect.top, parentHandle, id,
                           GetModuleHandleW(nullptr), &creation) != nullptr;
}

}  // namespace kolvar
