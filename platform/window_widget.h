#pragma once

// Inside the platform only: the widgets that carry a window's messages.

#include <QCloseEvent>
#include <QEvent>
#include <QFrame>
#include <utility>

#include "platform/scope_exit.h"
#include "platform/window_impl.h"

namespace kolvar {

// WM_PAINT with the painter clipped to the client area and its origin at the client's corner.
void DispatchPaint(CWnd& window, QPainter& painter);

// A mouse message at the event's client position; nothing outside the client area.
void DispatchMouse(CWnd& window, unsigned message, const QMouseEvent& event);

// WM_CONTEXTMENU as the keyboard asks for it: no position, the window decides where.
void DispatchKeyboardContextMenu(CWnd& window);

// Shift+F10, the keyboard's other way of asking for a context menu.
bool IsContextMenuKey(int key, Qt::KeyboardModifiers modifiers);

unsigned MouseKeyFlags(Qt::MouseButtons buttons, Qt::KeyboardModifiers modifiers);

// Palette, style and theme changes all mean that the system colours may have moved.
bool IsSystemColourChange(QEvent::Type type);

// Qt sends several such events for one change and is still spreading them while it does, so
// the window hears once, after Qt has finished.
void QueueSysColorChange(CWnd& window);

// The window a widget carries messages for, until the window is destroyed.
class WindowLink {
public:
    explicit WindowLink(CWnd& window) : window_(&window) {}
    virtual ~WindowLink() = default;
    WindowLink(const WindowLink&) = delete;
    WindowLink& operator=(const WindowLink&) = delete;

    CWnd* Window() const { return window_; }
    void Detach() { window_ = nullptr; }

protected:
    // Runs the handler on the window's behalf, so that DestroyWindow spares the widget until
    // its event handler has returned; nothing once the window is gone.
    template <class Handler>
    void Dispatch(Handler&& handler) {
        if (window_ != nullptr) {
            WindowImpl& impl = ImplOf(*window_);
            ++impl.dispatchDepth;
            const ScopeExit dispatched([&impl] { --impl.dispatchDepth; });
            std::forward<Handler>(handler)(*window_);
        }
    }

private:
    CWnd* window_;
};

// What the view's and the dialogs' widgets share: system colour changes reach a top-level
// window once, and the window decides for itself whether it closes.
template <class QtWidget>
class MessageWidget : public QtWidget, public WindowLink {
public:
    template <class... QtArguments>
    explicit MessageWidget(CWnd& window, QtArguments&&... arguments)
        : QtWidget(std::forward<QtArguments>(arguments)...), WindowLink(window) {}

protected:
    bool event(QEvent* event) override {
        if (Window() != nullptr && this->isWindow() && IsSystemColourChange(event->type())) {
            QueueSysColorChange(*Window());
        }
        return QtWidget::event(event);
    }

    void closeEvent(QCloseEvent* event) override {
        event->ignore();
        Dispatch([](CWnd& window) { window.SendMessage(WM_SYSCOMMAND, SC_CLOSE); });
    }
};

// The widget behind a CWnd created with CreateEx. Its client area is the widget less the
// optional sunken edge; nothing is erased before a paint. The context-menu key and Shift+F10
// give WM_CONTEXTMENU at the keyboard's point; the mouse has its own button messages.
class WindowWidget : public MessageWidget<QFrame> {
    Q_OBJECT

public:
    WindowWidget(CWnd& window, QWidget* parent, bool clientEdge);

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
};

}  // namespace kolvar
