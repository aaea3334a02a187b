#include "platform/dialog_widget.h"

#include <QKeyEvent>
#include <QPainter>

#include "platform/dialog_commands.h"

namespace kolvar {

DialogWidget::DialogWidget(CWnd& window, Qt::WindowFlags flags)
    : MessageWidget<QDialog>(window, nullptr, flags), defaultCommand_(kOkCommand) {}

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

// Qt has filled the background with the dialog colour already.
void DialogWidget::paintEvent(QPaintEvent* /*event*/) {
    QPainter painter(this);
    Dispatch([&painter](CWnd& window) { DispatchPaint(window, painter); });
}

// Keys the focused child leaves alone arrive here as well.
void DialogWidget::keyPressEvent(QKeyEvent* event) {
    const std::optional<unsigned> command =
        KeyCommand(event->key(), event->modifiers(), defaultCommand_);
    if (Window() == nullptr || !command) {
        event->ignore();
        return;
    }
    Dispatch([&command](CWnd& window) { window.SendMessage(WM_COMMAND, *command); });
}

}  // namespace kolvar
