#include "platform/dialog_widget.h"

#include <QCloseEvent>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>

#include "platform/dialog_commands.h"
#include "platform/window_events.h"
#include "platform/window_impl.h"

namespace kolvar {

DialogWidget::DialogWidget(CWnd& window, Qt::WindowFlags flags)
    : QDialog(nullptr, flags), defaultCommand_(kOkCommand) {
    AttachWindow(*this, window);
}

std::optional<unsigned> DialogWidget::KeyCommand(int key, Qt::KeyboardModifiers modifiers,
                                                 unsigned defaultCommand) {
    if ((modifiers & ~Qt::KeypadModifier) != Qt::NoModifier) {
        return std::nullopt;
    }
    switch (key) {
        case Qt::Key_Escape:
            return kCancelCommand;
        case Qt::Key_Return:
        case Qt::Key_Enter:
            return defaultCommand;
        default:
            return std::nullopt;
    }
}

bool DialogWidget::event(QEvent* event) {
    CWnd* window = WindowOfWidget(this);
    if (window != nullptr && IsSystemColourChange(event->type())) {
        QueueSysColorChange(*window);
    }
    return QDialog::event(event);
}

// Qt has filled the background with the dialog colour already.
void DialogWidget::paintEvent(QPaintEvent* /*event*/) {
    if (CWnd* window = WindowOfWidget(this)) {
        QPainter painter(this);
        const DispatchScope scope(window->impl());
        DispatchPaint(*window, painter);
    }
}

void DialogWidget::mousePressEvent(QMouseEvent* event) {
    CWnd* window = WindowOfWidget(this);
    if (window != nullptr && event->button() == Qt::RightButton) {
        const DispatchScope scope(window->impl());
        DispatchMouse(*window, WM_RBUTTONDOWN, *event);
    }
}

void DialogWidget::mouseDoubleClickEvent(QMouseEvent* event) {
    CWnd* window = WindowOfWidget(this);
    if (window != nullptr && event->button() == Qt::LeftButton) {
        const DispatchScope scope(window->impl());
        DispatchMouse(*window, WM_LBUTTONDBLCLK, *event);
    }
}

// Keys the focused child leaves alone arrive here as well.
void DialogWidget::keyPressEvent(QKeyEvent* event) {
    CWnd* window = WindowOfWidget(this);
    const std::optional<unsigned> command =
        KeyCommand(event->key(), event->modifiers(), defaultCommand_);
    if (window == nullptr || !command) {
        event->ignore();
        return;
    }
    const DispatchScope scope(window->impl());
    window->SendMessage(WM_COMMAND, *command);
}

// The close box and Alt+F4 are the system menu's Close; the dialog decides what it means.
void DialogWidget::closeEvent(QCloseEvent* event) {
    event->ignore();
    if (CWnd* window = WindowOfWidget(this)) {
        const DispatchScope scope(window->impl());
        window->SendMessage(WM_SYSCOMMAND, SC_CLOSE);
    }
}

}  // namespace kolvar
