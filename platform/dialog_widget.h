#pragma once

// Inside the platform only: the top-level widget behind a CDialog.

#include <QDialog>
#include <optional>

#include "platform/window_widget.h"

namespace kolvar {

// Turns Qt's events into the dialog's messages, including the dialog keys: Enter gives the
// default command, Esc IDCANCEL, and closing the window a system Close command.
class DialogWidget : public MessageWidget<QDialog> {
    Q_OBJECT

public:
    DialogWidget(CWnd& window, Qt::WindowFlags flags);

    void SetDefaultCommand(unsigned id) { defaultCommand_ = id; }

    // The command a key gives in a dialog, if any.
    static std::optional<unsigned> KeyCommand(int key, Qt::KeyboardModifiers modifiers,
                                              unsigned defaultCommand);

protected:
    void paintEvent(QPaintEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    unsigned defaultCommand_;
};

}  // namespace kolvar
