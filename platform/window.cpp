#include "platform/window.h"

#include <QCoreApplication>
#include <QIcon>
#include <QPixmap>

#include "platform/application.h"
#include "platform/dialog_widget.h"
#include "platform/qt_conversions.h"
#include "platform/scope_exit.h"
#include "platform/surface_state.h"
#include "platform/window_widget.h"

namespace kolvar {
namespace {

// The low four bits of a system command are the window system's own.
constexpr unsigned kSystemCommandMask = 0xFFF0;

bool Matches(const MessageMapEntry& entry, const Message& message) {
    if (entry.message != message.message) {
        return false;
    }
    if (message.message != WM_COMMAND) {
        return true;
    }
    const unsigned id = LoWord(message.wParam);
    return entry.firstId <= id && id <= entry.lastId;
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

void SendToDescendants(QWidget& widget, const Message& message) {
    for (QWidget* child : widget.findChildren<QWidget*>()) {
        if (CWnd* window = WindowOfWidget(child)) {
            window->SendMessage(message.message, message.wParam, message.lParam);
        }
    }
}

LRESULT DefaultSystemCommand(CWnd& window, unsigned command) {
    QWidget* widget = ImplOf(window).widget;
    switch (command) {
        case SC_MINIMIZE:
            if (widget != nullptr) {
                widget->window()->showMinimized();
            }
            return 0;
        case SC_RESTORE:
            if (widget != nullptr) {
                widget->window()->showNormal();
            }
            return 0;
        case SC_CLOSE:
            return window.SendMessage(WM_CLOSE);
        default:
            return 0;
    }
}

const Icon* Usable(const Icon* icon) {
    return icon != nullptr && *icon ? icon : nullptr;
}

// Qt keeps one icon per window in several sizes: the large image of the big icon and the small
// image of the small one, each standing in for the other where it is missing.
QIcon CombinedIcon(const Icon* big, const Icon* small) {
    big = Usable(big);
    small = Usable(small);
    QIcon qicon;
    if (const Icon* forLarge = big != nullptr ? big : small) {
        qicon.addPixmap(QPixmap::fromImage(DataOf(*forLarge).large));
    }
    if (const Icon* forSmall = small != nullptr ? small : big) {
        qicon.addPixmap(QPixmap::fromImage(DataOf(*forSmall).small));
    }
    return qicon;
}

LRESULT SetWindowIcon(CWnd& window, WPARAM which, const Icon* icon) {
    WindowImpl& impl = ImplOf(window);
    const Icon*& slot = which == ICON_BIG ? impl.bigIcon : impl.smallIcon;
    const Icon* previous = slot;
    slot = icon;
    if (impl.widget) {
        impl.widget->window()->setWindowIcon(CombinedIcon(impl.bigIcon, impl.smallIcon));
    }
    return reinterpret_cast<LRESULT>(previous);
}

}  // namespace

WindowImpl& ImplOf(const CWnd& window) {
    return *window.impl_;
}

CWnd::CWnd() : impl_(std::make_unique<WindowImpl>()) {}

CWnd::~CWnd() {
    DestroyWindow();
}

bool CWnd::CreateEx(unsigned exStyle, unsigned style, const Rect& rect, CWnd* parent, unsigned id) {
    if (IsWindow() || (parent != nullptr && !parent->IsWindow())) {
        return false;
    }
    QWidget* parentWidget = parent != nullptr ? parent->impl_->widget.data() : nullptr;
    auto* widget = new WindowWidget(*this, parentWidget, (exStyle & WS_EX_CLIENTEDGE) != 0);
    const QPoint parentClient =
        parent != nullptr ? parent->impl_->ClientArea().topLeft() : QPoint();
    widget->setGeometry(ToQRect(rect).translated(parentClient));
    impl_->widget = widget;
    impl_->parent = parent;
    impl_->id = id;

    CREATESTRUCT create{rect, style, exStyle, id};
    if (SendMessage(WM_CREATE, 0, reinterpret_cast<LPARAM>(&create)) == -1) {
        DestroyWindow();
        return false;
    }
    if ((style & WS_VISIBLE) != 0 && impl_->widget) {
        impl_->widget->show();
    }
    return true;
}

void CWnd::DestroyWindow() {
    if (!IsWindow()) {
        return;
    }
    SendMessage(WM_DESTROY);
    if (impl_->widget) {
        SendToDescendants(*impl_->widget, Message{WM_DESTROY, 0, 0});
    }
    if (!impl_->widget) {
        return;
    }
    QWidget* widget = impl_->widget;
    if (auto* link = dynamic_cast<WindowLink*>(widget)) {
        link->Detach();
    }
    impl_->widget = nullptr;
    impl_->sysColourChangePending = false;
    EndModalLoop(*this);
    if (AfxGetMainWnd() == this) {
        QCoreApplication::quit();
    }
    // Deleting the widget inside its own event handler would pull it from under Qt.
    if (impl_->dispatchDepth > 0) {
        widget->hide();
        widget->deleteLater();
    } else {
        delete widget;
    }
}

bool CWnd::IsWindow() const {
    return !impl_->widget.isNull();
}

LRESULT CWnd::SendMessage(unsigned message, WPARAM wParam, LPARAM lParam) {
    return WindowProc(Message{message, wParam, lParam});
}

void CWnd::InvalidateRect(bool /*erase*/) {
    if (IsWindow()) {
        impl_->widget->update();
    }
}

Rect CWnd::GetClientRect() const {
    const QRect client = impl_->ClientArea();
    return {0, 0, client.width(), client.height()};
}

Point CWnd::ClientToScreen(Point point) const {
    if (!IsWindow()) {
        return point;
    }
    const QPoint screen =
        impl_->widget->mapToGlobal(impl_->ClientArea().topLeft() + QPoint(point.x, point.y));
    return {screen.x(), screen.y()};
}

CWnd* CWnd::GetParent() const {
    return impl_->parent;
}

CWnd* CWnd::GetOwner() const {
    return impl_->owner != nullptr ? impl_->owner : impl_->parent;
}

void CWnd::SetOwner(CWnd* owner) {
    impl_->owner = owner;
}

void CWnd::SetFocus() {
    if (IsWindow()) {
        impl_->widget->setFocus(Qt::OtherFocusReason);
    }
}

bool CWnd::IsIconic() const {
    return IsWindow() && impl_->widget->window()->isMinimized();
}

unsigned CWnd::GetDlgCtrlID() const {
    return impl_->id;
}

// Qt announces each setting to assistive technology. The description goes first, so that it is
// already new when a screen reader speaks the name.
void CWnd::SetAccessibleText(std::string_view name, std::string_view description) {
    if (IsWindow()) {
        impl_->widget->setAccessibleDescription(FromUtf8(description));
        impl_->widget->setAccessibleName(FromUtf8(name));
    }
}

// On X11 and Wayland the window menu belongs to the window manager, and no program can add
// items to it.
CMenu* CWnd::GetSystemMenu(bool /*revert*/) {
    return nullptr;
}

LRESULT CWnd::WindowProc(const Message& message) {
    // Default() needs the message being dispatched, also when handlers nest.
    const auto current = Override(current_, &message);
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
            return DefaultSystemCommand(*this,
                                        static_cast<unsigned>(message.wParam) & kSystemCommandMask);
        case WM_CLOSE:
            DestroyWindow();
            return 0;
        case WM_SETICON:
            return SetWindowIcon(*this, message.wParam,
                                 reinterpret_cast<const Icon*>(message.lParam));
        case WM_SYSCOLORCHANGE:
            if (IsWindow() && impl_->widget->isWindow()) {
                SendToDescendants(*impl_->widget, message);
            }
            return 0;
        default:
            return 0;
    }
}

}  // namespace kolvar
