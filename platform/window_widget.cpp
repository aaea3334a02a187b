#include "platform/window_widget.h"

#include <QAccessibleWidget>
#include <QContextMenuEvent>
#include <QKeyEvent>
#include <QMetaObject>
#include <QMouseEvent>
#include <QPainter>

namespace kolvar {
namespace {

// Qt asks for each class of an object's ancestry in turn; top-level windows go on to the
// frame's ordinary interface.
QAccessibleInterface* ChildWindowInterface(const QString& className, QObject* object) {
    auto* widget = qobject_cast<WindowWidget*>(object);
    if (widget == nullptr || widget->isWindow() ||
        className != QLatin1String(WindowWidget::staticMetaObject.className())) {
        return nullptr;
    }
    return new QAccessibleWidget(widget, QAccessible::Graphic);
}

// A child window draws everything it shows itself, so assistive technology is told it is a
// picture, named by the program (CWnd::SetAccessibleText) rather than left an empty frame.
// Once per process; later calls do nothing.
void InstallWindowAccessibility() {
    static const bool installed = [] {
        QAccessible::installFactory(&ChildWindowInterface);
        return true;
    }();
    static_cast<void>(installed);
}

unsigned MouseKeyFlags(Qt::MouseButtons buttons, Qt::KeyboardModifiers modifiers) {
    unsigned flags = 0;
    if (buttons.testFlag(Qt::LeftButton)) {
        flags |= MK_LBUTTON;
    }
    if (buttons.testFlag(Qt::RightButton)) {
        flags |= MK_RBUTTON;
    }
    if (modifiers.testFlag(Qt::ShiftModifier)) {
        flags |= MK_SHIFT;
    }
    if (modifiers.testFlag(Qt::ControlModifier)) {
        flags |= MK_CONTROL;
    }
    return flags;
}

// A mouse message at the event's client position; nothing outside the client area.
void DispatchMouse(CWnd& window, unsigned message, const QMouseEvent& event) {
    const QRect client = ImplOf(window).ClientArea();
    const QPoint position = event.position().toPoint();
    if (!client.contains(position)) {
        return;
    }
    const QPoint inClient = position - client.topLeft();
    window.SendMessage(message, MouseKeyFlags(event.buttons(), event.modifiers()),
                       MakePointParam({inClient.x(), inClient.y()}));
}

// WM_CONTEXTMENU as the keyboard asks for it: no position, the window decides where.
void DispatchKeyboardContextMenu(CWnd& window) {
    window.SendMessage(WM_CONTEXTMENU, reinterpret_cast<WPARAM>(&window),
                       MakePointParam(kKeyboardContextPoint));
}

// Shift+F10, the keyboard's other way of asking for a context menu.
bool IsContextMenuKey(int key, Qt::KeyboardModifiers modifiers) {
    return key == Qt::Key_F10 && (modifiers & ~Qt::KeypadModifier) == Qt::ShiftModifier;
}

bool IsSystemColourChange(QEvent::Type type) {
    return type == QEvent::PaletteChange || type == QEvent::ApplicationPaletteChange ||
           type == QEvent::StyleChange || type == QEvent::ThemeChange;
}

}  // namespace

QWidget* TopLevelWidget(const CWnd* window) {
    return window != nullptr && window->IsWindow() ? ImplOf(*window).widget->window() : nullptr;
}

CWnd* WindowOfWidget(const QObject* widget) {
    const auto* link = dynamic_cast<const WindowLink*>(widget);
    return link != nullptr ? link->Window() : nullptr;
}

void PostToWindow(CWnd& window, const Message& message) {
    const bool wasWindow = window.IsWindow();
    QMetaObject::invokeMethod(
        &ImplOf(window).postbox,
        [&window, message, wasWindow] {
            if (window.IsWindow() || !wasWindow) {
                window.SendMessage(message.message, message.wParam, message.lParam);
            }
        },
        Qt::QueuedConnection);
}

void DispatchPaint(CWnd& window, QPainter& painter) {
    const QRect client = ImplOf(window).ClientArea();
    painter.setClipRect(client);
    painter.translate(client.topLeft());
    // The paint in progress belongs to the window until its WM_PAINT handler returns.
    const auto paint = Override(ImplOf(window).painter, &painter);
    window.SendMessage(WM_PAINT);
}

void QueueSysColorChange(CWnd& window, QEvent::Type cause) {
    WindowImpl& impl = ImplOf(window);
    if (!IsSystemColourChange(cause) || impl.sysColourChangePending || !impl.widget) {
        return;
    }
    impl.sysColourChangePending = true;
    QWidget* widget = impl.widget;
    QMetaObject::invokeMethod(
        widget,
        [widget] {
            if (CWnd* target = WindowOfWidget(widget)) {
                ImplOf(*target).sysColourChangePending = false;
                target->SendMessage(WM_SYSCOLORCHANGE);
            }
        },
        Qt::QueuedConnection);
}

WindowWidget::WindowWidget(CWnd& window, QWidget* parent, bool clientEdge)
    : MessageWidget<QFrame>(window, parent, parent != nullptr ? Qt::Widget : Qt::Window) {
    InstallWindowAccessibility();
    if (clientEdge) {
        setFrameStyle(QFrame::WinPanel | QFrame::Sunken);
    }
    // The window paints every pixel of its client area itself.
    setAttribute(Qt::WA_OpaquePaintEvent);
    setAutoFillBackground(false);
    setFocusPolicy(Qt::ClickFocus);
}

void WindowWidget::paintEvent(QPaintEvent* /*event*/) {
    QPainter painter(this);
    drawFrame(&painter);
    Dispatch([&painter](CWnd& window) { DispatchPaint(window, painter); });
}

void WindowWidget::mousePressEvent(QMouseEvent* event) {
    if (event->button() == Qt::RightButton) {
        Dispatch([event](CWnd& window) { DispatchMouse(window, WM_RBUTTONDOWN, *event); });
    }
}

// A second click in quick succession is a double click only; Qt's default would also report
// it as a press.
void WindowWidget::mouseDoubleClickEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton) {
        Dispatch([event](CWnd& window) { DispatchMouse(window, WM_LBUTTONDBLCLK, *event); });
    }
}

// Qt reports the context-menu key as a context-menu event of its own; a mouse button's one
// follows the button message, which has served it already.
void WindowWidget::contextMenuEvent(QContextMenuEvent* event) {
    if (Window() == nullptr || event->reason() != QContextMenuEvent::Keyboard) {
        event->ignore();
        return;
    }
    Dispatch(DispatchKeyboardContextMenu);
}

// Every other key goes on to the dialog, whose Enter and Esc end it.
void WindowWidget::keyPressEvent(QKeyEvent* event) {
    if (Window() == nullptr || !IsContextMenuKey(event->key(), event->modifiers())) {
        event->ignore();
        return;
    }
    Dispatch(DispatchKeyboardContextMenu);
}

// Qt repaints a widget that gains or loses the focus; a window here draws nothing that depends
// on the focus, and a pop-up menu taking the focus for a while must not repaint its owner.
void WindowWidget::focusInEvent(QFocusEvent* /*event*/) {}

void WindowWidget::focusOutEvent(QFocusEvent* /*event*/) {}

}  // namespace kolvar
