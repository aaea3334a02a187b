#pragma once

// Inside the platform only: the Qt dialog a CDialog's template is built into, and the nested loop
// it runs in.

#include <QDialog>

#include "platform/dialog.h"
#include "platform/qt/window.h"

namespace kolvar {

// Turns Qt's events into the dialog's messages, including the dialog keys: Enter gives the
// default command, Esc IDCANCEL, and closing the window a system Close command.
class DialogWidget : public MessageWidget<QDialog> {
    Q_OBJECT

public:
    DialogWidget(CWnd& window, Qt::WindowFlags flags);

    void SetDefaultCommand(unsigned id) { defaultCommand_ = id; }

protected:
    void paintEvent(QPaintEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    unsigned defaultCommand_;
};

}  // namespace kolvar
