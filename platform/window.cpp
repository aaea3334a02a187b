#include "platform/window.h"

#include "platform/application.h"
#include "platform/scope_exit.h"
#include "platform/system_metrics.h"
#include "platform/window_state.h"

namespace kolvar {
namespace {

bool Matches(const MessageMapEntry& entry, const Message& message) {
    if (entry.message != message.message) {
        return false;
    }
    if (message.message != WM_COMMAND) {
        return true;
    }
    const unsigned id = LoWord(message.wParam);
    if (id < entry.firstId || id > entry.lastId) {
        return false;
    }
    // A command comes from a menu or a button (0) or from an accelerator (1).
    const unsigned code = HiWord(message.wParam);
    return entry.notifyCode == 0 ? code <= 1 : code == entry.notifyCode;
}

const MessageMapEntry* FindEntry(const MessageMap* map, const Message& message) {
    for (; map != nullptr; map = map->base != nullptr ? map->base() : nullptr) {
        for (const MessageMapEntry& entry : map->entries) {
            if (Matches(entry, message)) {
                return &entry;
            }
        }
    }
    return nullptr;
}

// The window system tells top-level windows only; each window passes it on to its children.
void SendToChildren(const NativeWindow& native, const Message& message) {
    for (CWnd* child : native.Children()) {
        child->SendMessage(message.message, message.wParam, message.lParam);
    }
}

const Icon* Usable(const Icon* icon) {
    return icon != nullptr && *icon ? icon : nullptr;
}

}  // namespace

WindowState& StateOf(const CWnd& window) {
    return *window.state_;
}

CWnd::CWnd() : state_(std::make_unique<WindowState>()) {}

CWnd::~CWnd() {
    DestroyWindow();
}

bool CWnd::CreateEx(unsigned exStyle, unsigned style, const Rect& rect, CWnd* parent, unsigned id) {
    if (IsWindow() || (parent != nullptr && !parent->IsWindow())) {
        return false;
    }
    state_->parent = parent;
    state_->id = id;
    state_->systemMenu.reset();
    if (!CreateNativeWindow(*this, CREATESTRUCT{rect, style, exStyle, id}, parent)) {
        return false;
    }
    if ((style & WS_VISIBLE) != 0 && IsWindow()) {
        state_->native->Show();
    }
    return true;
}

// The main window's end is the program's.
void CWnd::DestroyWindow() {
    if (IsWindow()) {
        state_->systemMenu.reset();
        state_->native->Destroy();
        if (AfxGetMainWnd() == this) {
            QuitEventLoop(0);
        }
    }
}

bool CWnd::IsWindow() const {
    return state_->native != nullptr && state_->native->Exists();
}

LRESULT CWnd::SendMessage(unsigned message, WPARAM wParam, LPARAM lParam) {
    return WindowProc(Message{message, wParam, lParam});
}

void CWnd::InvalidateRect(bool /*erase*/) {
    if (IsWindow()) {
        state_->native->Invalidate();
    }
}

Rect CWnd::GetClientRect() const {
    if (!IsWindow()) {
        return {};
    }
    const Size client = state_->native->ClientSize();
    return {0, 0, client.cx, client.cy};
}

void CWnd::MoveWindow(const Rect& rect) {
    if (IsWindow()) {
        state_->native->Move(rect);
    }
}

int CWnd::GetDpi() const {
    if (state_->dpi != 0) {
        return state_->dpi;
    }
    return IsWindow() ? state_->native->Dpi() : USER_DEFAULT_SCREEN_DPI;
}

Point CWnd::ClientToScreen(Point point) const {
    return IsWindow() ? state_->native->ClientToScreen(point) : point;
}

CWnd* CWnd::GetParent() const {
    return state_->parent;
}

CWnd* CWnd::GetOwner() const {
    return state_->owner != nullptr ? state_->owner : state_->parent;
}

void CWnd::SetOwner(CWnd* owner) {
    state_->owner = owner;
}

void CWnd::SetFocus() {
    if (IsWindow()) {
        state_->native->SetFocus();
    }
}

bool CWnd::IsIconic() const {
    return IsWindow() && state_->native->IsMinimised();
}

unsigned CWnd::GetDlgCtrlID() const {
    return state_->id;
}

void CWnd::SetAccessibleText(std::string_view name, std::string_view description) {
    if (IsWindow()) {
        state_->native->SetAccessibleText(name, description);
    }
}

CMenu* CWnd::GetSystemMenu(bool /*revert*/) {
    if (!IsWindow()) {
        return nullptr;
    }
    if (!state_->systemMenu) {
        std::unique_ptr<NativeMenu> menu = state_->native->SystemMenu();
        if (menu == nullptr) {
            return nullptr;
        }
        state_->systemMenu.emplace(CMenu(std::move(menu)));
    }
    return &*state_->systemMenu;
}

LRESULT CWnd::WindowProc(const Message& message) {
    // Default() needs the message being dispatched, also when handlers nest.
    const auto current = Override(current_, &message);
    if (message.message == WM_DPICHANGED) {
        state_->dpi = static_cast<int>(LoWord(message.wParam));
    }
    if (const MessageMapEntry* entry = FindEntry(GetMessageMap(), message)) {
        return entry->handler(*this, message);
    }
    return DefWindowProc(message);
}

const MessageMap* CWnd::ClassMessageMap() {
    static constexpr MessageMap kMap{nullptr, {}};
    return &kMap;
}

LRESULT CWnd::Default() {
    return current_ != nullptr ? DefWindowProc(*current_) : 0;
}

LRESULT CWnd::DefWindowProc(const Message& message) {
    switch (message.message) {
        case WM_SYSCOMMAND:
            if ((static_cast<unsigned>(message.wParam) & kSystemCommandMask) == SC_CLOSE) {
                return SendMessage(WM_CLOSE);
            }
            break;
        case WM_CLOSE:
            DestroyWindow();
            return 0;
        case WM_SETICON:
            return SetIcon(message.wParam, reinterpret_cast<const Icon*>(message.lParam));
        case WM_SYSCOLORCHANGE:
        case WM_SETTINGCHANGE:
        case WM_ENDSESSION:
            if (IsWindow()) {
                SendToChildren(*state_->native, message);
            }
            return 0;
        default:
            break;
    }
    return IsWindow() ? state_->native->DefaultHandling(message) : 0;
}

// The previous icon comes back, as the window system's own handles do. Either icon stands in for
// the other where it is missing.
LRESULT CWnd::SetIcon(WPARAM which, const Icon* icon) {
    const Icon*& slot = which == ICON_BIG ? state_->bigIcon : state_->smallIcon;
    const Icon* previous = std::exchange(slot, icon);
    if (IsWindow()) {
        const Icon* big = Usable(state_->bigIcon);
        const Icon* small = Usable(state_->smallIcon);
        state_->native->ShowIcons(big != nullptr ? big : small, small != nullptr ? small : big);
    }
    return reinterpret_cast<LRESULT>(previous);
}

}  // namespace kolvar
