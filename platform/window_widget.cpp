#include "platform/window_widget.h"

#include <QCloseEvent>
#include <QContextMenuEvent>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>

#include "platform/window_accessible.h"
#include "platform/window_events.h"
#include "platform/window_impl.h"

namespace kolvar {

WindowWidget::WindowWidget(CWnd& window, QWidget* parent, bool clientEdge)
    : QFrame(parent, parent != nullptr ? Qt::Widget : Qt::Window) {
    InstallWindowAccessibility();
    AttachWindow(*this, window);
    if (clientEdge) {
        setFrameStyle(QFrame::WinPanel | QFrame::Sunken);
    }
    // The window paints every pixel of its client area itself.
    setAttribute(Qt::WA_OpaquePaintEvent);
    setAutoFillBackground(false);
    setFocusPolicy(Qt::ClickFocus);
}

bool WindowWidget::event(QEvent* event) {
    CWnd* window = WindowOfWidget(this);
    if (window != nullptr && isWindow() && IsSystemColourChange(event->type())) {
        QueueSysColorChange(*window);
    }
    return QFrame::event(event);
}

void WindowWidget::paintEvent(QPaintEvent* /*event*/) {
    QPainter painter(this);
    drawFrame(&painter);
    if (CWnd* window = WindowOfWidget(this)) {
        const DispatchScope scope(window->impl());
        DispatchPaint(*window, painter);
    }
}

void WindowWidget::mousePressEvent(QMouseEvent* event) {
    CWnd* window = WindowOfWidget(this);
    if (window != nullptr && event->button() == Qt::RightButton) {
        const DispatchScope scope(window->impl());
        DispatchMouse(*window, WM_RBUTTONDOWN, *event);
    }
}

// A second click in quick succession is a double click only; Qt's default would also report
// it as a press.
void WindowWidget::mouseDoubleClickEvent(QMouseEvent* event) {
    CWnd* window = WindowOfWidget(this);
    if (window != nullptr && event->button() == Qt::LeftButton) {
        const DispatchScope scope(window->impl());
        DispatchMouse(*window, WM_LBUTTONDBLCLK, *event);
    }
}

// Qt reports the context-menu key as a context-menu event of its own; a mouse button's one
// follows the button message, which has served it already.
void WindowWidget::contextMenuEvent(QContextMenuEvent* event) {
    CWnd* window = WindowOfWidget(this);
    if (window == nullptr || event->reason() != QContextMenuEvent::Keyboard) {
        event->ignore();
        return;
    }
    const DispatchScope scope(window->impl());
    DispatchKeyboardContextMenu(*window);
}

// Every other key goes on to the dialog, whose Enter and Esc end it.
void WindowWidget::keyPressEvent(QKeyEvent* event) {
    CWnd* window = WindowOfWidget(this);
    if (window == nullptr || !IsContextMenuKey(event->key(), event->modifiers())) {
        event->ignore();
        return;
    }
    const DispatchScope scope(window->impl());
    DispatchKeyboardContextMenu(*window);
}

// Qt repaints a widget that gains or loses the focus; a window here draws nothing that depends
// on the focus, and a pop-up menu taking the focus for a while must not repaint its owner.
void WindowWidget::focusInEvent(QFocusEvent* /*event*/) {}

void WindowWidget::focusOutEvent(QFocusEvent* /*event*/) {}

// The window decides for itself whether it closes.
void WindowWidget::closeEvent(QCloseEvent* event) {
    event->ignore();
    if (CWnd* window = WindowOfWidget(this)) {
        const DispatchScope scope(window->impl());
        window->SendMessage(WM_SYSCOMMAND, SC_CLOSE);
    }
}

}  // namespace kolvar
