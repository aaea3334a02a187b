#include "platform/window_widget.h"

#include <QCloseEvent>
#include <QMouseEvent>
#include <QPainter>

#include "platform/window_events.h"
#include "platform/window_impl.h"

namespace kolvar {

WindowWidget::WindowWidget(CWnd& window, QWidget* parent, bool clientEdge)
    : QFrame(parent, parent != nullptr ? Qt::Widget : Qt::Window) {
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
