#include "platform/win32/window.h"

#include <optional>
#include <utility>

#include "platform/dialog.h"
#include "platform/program.h"
#include "platform/scope_exit.h"
#include "platform/win32/accessible_graphic.h"
#include "platform/win32/automation_element.h"
#include "platform/win32/com_apartment.h"
#include "platform/win32/drawing_objects.h"
#include "platform/win32/menu.h"
#include "platform/win32/wide_text.h"
#include "platform/window_state.h"

namespace kolvar {
namespace {

constexpr wchar_t kWindowClass[] = L"KolvarWindow";
// Marks a window as the program's and leads to its Win32Window. Another program may subclass the
// window, which changes its procedure, but leaves its properties alone.
constexpr wchar_t kWindowProperty[] = L"kolvar window";

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
    SetPropW(hwnd, kWindowProperty, this);
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
    static const auto forWindow = SystemFunction<ForWindow>(L"user32.dll", "GetDpiForWindow");
    if (forWindow != nullptr) {
        return static_cast<int>(forWindow(hwnd_));
    }
    return SystemDpi();
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

// A window that draws all it shows has its texts for assistive technology only: screen readers
// read a custom window's name from its window text as well as from its accessible object, which
// also gives the description, and hear of each change: the description's first, so that it is
// new already when the new name is spoken. UI Automation's clients hear the new name as well.
void Win32Window::SetAccessibleText(std::string_view name, std::string_view description) {
    const std::wstring previous = std::exchange(accessibleName_, Widen(name));
    accessibleDescription_ = Widen(description);
    hasAccessibleText_ = true;
    NotifyWinEvent(EVENT_OBJECT_DESCRIPTIONCHANGE, hwnd_, OBJID_CLIENT, CHILDID_SELF);
    SetWindowTextW(hwnd_, accessibleName_.c_str());
    NotifyWinEvent(EVENT_OBJECT_NAMECHANGE, hwnd_, OBJID_CLIENT, CHILDID_SELF);
    if (automation_ != nullptr) {
        automation_->AnnounceName(previous, accessibleName_);
    }
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

// The framework never reads a handle of the system's as one of its objects.
LRESULT Win32Window::DefaultHandling(const Message& message) {
    if (translated_ == &message) {
        return AnswerForFramework(message.message, (*systemHandling_)());
    }
    const std::optional<RawMessage> raw = RawOf(message);
    return raw ? AnswerForFramework(message.message, CallDefault(*raw)) : 0;
}

void Win32Window::EndModalRun(std::int32_t result) {
    if (isDialog_) {
        EndDialog(hwnd_, result);
    }
}

void Win32Window::SetItemText(int id, std::string_view text) {
    SetDlgItemTextW(hwnd_, id, Widen(text).c_str());
}

std::string Win32Window::ItemText(int id) const {
    HWND item = GetDlgItem(hwnd_, id);
    if (item == nullptr) {
        return {};
    }
    std::wstring text(static_cast<std::size_t>(GetWindowTextLengthW(item)) + 1, L'\0');
    text.resize(
        static_cast<std::size_t>(GetWindowTextW(item, text.data(), static_cast<int>(text.size()))));
    return Narrow(text);
}

void Win32Window::EnableItem(int id, bool enabled) {
    if (HWND item = GetDlgItem(hwnd_, id)) {
        EnableWindow(item, enabled ? TRUE : FALSE);
    }
}

// WM_NEXTDLGCTL rather than SetFocus, so that the dialog manager knows where the focus is and
// selects an edit control's text as the Tab key would.
void Win32Window::FocusItem(int id, TextSelection selection) {
    HWND item = GetDlgItem(hwnd_, id);
    if (item == nullptr) {
        return;
    }
    SendMessageW(hwnd_, WM_NEXTDLGCTL, reinterpret_cast<WPARAM>(item), TRUE);
    if (selection == TextSelection::CaretAtEnd) {
        const int end = GetWindowTextLengthW(item);
        SendMessageW(item, EM_SETSEL, static_cast<WPARAM>(end), end);
    }
}

short GetKeyState(unsigned virtualKey) {
    return ::GetKeyState(static_cast<int>(virtualKey));
}

// What the backend answers itself comes first; the rest goes through the CWnd.
LRESULT Win32Window::Receive(UINT message, WPARAM wParam, LPARAM lParam) {
    const RawMessage raw{message, wParam, lParam};
    switch (message) {
        case WM_ENDSESSION:
            return wParam != FALSE ? EndForSession() : Dispatch(raw);
        case WM_DESTROY:
            automation_.reset();
            return Dispatch(raw);
        case WM_NCDESTROY:
            return Detach(raw);
        case WM_GETOBJECT:
            return AnswerAccessibleObject(raw);
        case WM_MENUCHAR: {
            const std::optional<LRESULT> answer = AnswerMenuChar(wParam, lParam);
            return answer ? *answer : Dispatch(raw);
        }
        default:
            return Dispatch(raw);
    }
}

LRESULT Win32Window::Dispatch(const RawMessage& raw) {
    std::optional<LRESULT> systemAnswer;
    const std::function<LRESULT()> systemHandling = [this, &raw, &systemAnswer] {
        if (!systemAnswer) {
            systemAnswer = CallDefault(raw);
        }
        return *systemAnswer;
    };
    return DispatchTranslated(
        raw,
        [this, &systemHandling](const Message& translated) {
            const auto dispatching = Override(translated_, &translated);
            const auto system = Override(systemHandling_, &systemHandling);
            return window_.WindowProc(translated);
        },
        systemHandling);
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

// Properties go before the window does.
LRESULT Win32Window::Detach(const RawMessage& raw) {
    const LRESULT result = CallDefault(raw);
    RemovePropW(hwnd_, kWindowProperty);
    hwnd_ = nullptr;
    kept_.clear();
    return result;
}

// The object identifier is compared as the 32 bits it is, whatever the sign extension. UI
// Automation's request goes to the window's provider; every other one, Active Accessibility's
// among them, keeps its answer, which has the description as Active Accessibility reads it.
LRESULT Win32Window::AnswerAccessibleObject(const RawMessage& raw) {
    const auto object = static_cast<DWORD>(raw.lParam);
    const bool automation = object == static_cast<DWORD>(kUiaRootObjectId);
    if (!hasAccessibleText_ || (!automation && object != static_cast<DWORD>(OBJID_CLIENT))) {
        return CallDefault(raw);
    }
    EnterComApartment();
    if (automation && automation_ == nullptr &&
        LoadedUiAutomation().returnRawElementProvider != nullptr) {
        automation_ = std::make_unique<AutomationElement>(hwnd_);
    }
    const LRESULT answer = !automation              ? AnswerAccessibleGraphic(hwnd_, raw.wParam)
                           : automation_ != nullptr ? automation_->Answer(raw.wParam, raw.lParam)
                                                    : 0;
    return answer != 0 ? answer : CallDefault(raw);
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
    auto* native = static_cast<Win32Window*>(GetPropW(hwnd, kWindowProperty));
    if (native == nullptr) {
        return DefWindowProcW(hwnd, message, wParam, lParam);
    }
    return native->Receive(message, wParam, lParam);
}

Win32Window* Win32WindowOf(const CWnd& window) {
    return static_cast<Win32Window*>(StateOf(window).native.get());
}

// A window of another process may have a property of the same name, with that process's data.
CWnd* WindowOfHandle(HWND hwnd) {
    DWORD process = 0;
    if (hwnd == nullptr || GetWindowThreadProcessId(hwnd, &process) == 0 ||
        process != GetCurrentProcessId()) {
        return nullptr;
    }
    const auto* native = static_cast<const Win32Window*>(GetPropW(hwnd, kWindowProperty));
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
