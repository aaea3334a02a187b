#pragma once

// Inside the platform only: the Qt dialog a CDialog's template is built into, and the nested loop
// it runs in.

#include <QDialog>
#include <optional>

#include "platform/dialog.h"
#include "platform/qt/window_widget.h"

namespace kolvar {

// The average character width and height of a dialog's font, in pixels; dialog units are a
// quarter of the one and an eighth of the other.
struct DialogBaseUnits {
    int x = 6;
    int y = 13;
};

// Templates are laid out for 6 x 13 at 96 dpi whatever face the font resolves to here, so the
// units follow the screen's logical resolution rather than the font's real metrics.
DialogBaseUnits DialogBaseUnitsForDpi(int logicalDpiX, int logicalDpiY);

// x * b / 4 and y * h / 8, rounded to nearest; each coordinate on its own, as templates give
// them.
int DialogXToPixels(int x, DialogBaseUnits units);
int DialogYToPixels(int y, DialogBaseUnits units);
Rect DialogRectToPixels(int x, int y, int cx, int cy, DialogBaseUnits units);

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
