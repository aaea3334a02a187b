#include "platform/window_widget.h"

#include <QContextMenuEvent>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>

#include "platform/window_accessible.h"

namespace kolvar {

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
