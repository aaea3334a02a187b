#pragma once

// Inside the platform only: the widget behind a CWnd created with CreateEx.

#include <QFrame>

namespace kolvar {

class CWnd;

// Turns Qt's events into the window's messages. Its client area is the widget less the
// optional sunken edge; nothing is erased before a paint. The context-menu key and Shift+F10
// give WM_CONTEXTMENU at the keyboard's point; the mouse has its own button messages.
class WindowWidget : public QFrame {
    Q_OBJECT

public:
    WindowWidget(CWnd& window, QWidget* parent, bool clientEdge);

protected:
    bool event(QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
};

}  // namespace kolvar
