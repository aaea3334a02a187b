#pragma once

// Inside the platform only: the top-level widget behind a CDialog.

#include <QDialog>
#include <optional>

namespace kolvar {

class CWnd;

// Turns Qt's events into the dialog's messages, including the dialog keys: Enter gives the
// default command, Esc IDCANCEL, and closing the window a system Close command.
class DialogWidget : public QDialog {
    Q_OBJECT

public:
    DialogWidget(CWnd& window, Qt::WindowFlags flags);

    void SetDefaultCommand(unsigned id) { defaultCommand_ = id; }

    // The command a key gives in a dialog, if any.
    static std::optional<unsigned> KeyCommand(int key, Qt::KeyboardModifiers modifiers,
                                              unsigned defaultCommand);

protected:
    bool event(QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    unsigned defaultCommand_;
};

}  // namespace kolvar
