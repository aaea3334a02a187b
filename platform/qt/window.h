#pragma once

// Inside the platform only: a CWnd's window on Qt, and the widgets that carry its messages.

#include <QCloseEvent>
#include <QEventLoop>
#include <QFrame>
#include <QPointer>
#include <QWidget>
#include <utility>

#include "platform/scope_exit.h"
#include "platform/window.h"
#include "platform/window_state.h"

class QPainter;

namespace kolvar {

class Icon;

// The Qt side of a CWnd's window: the widget, and what dispatching to it on Qt needs.
class QtWindow : public NativeWindow {
public:
    // The widget is deleted by Destroy, or by Qt together with its parent.
    QtWindow(CWnd& window, QWidget* widget);
    ~QtWindow() override;

    bool Exists() const override { return !widget.isNull(); }
    void Destroy() override;
    void Show() override;
    void Invalidate() override;
    Size ClientSize() const override;
    void Move(const Rect& rect) override;
    // Qt scales the whole window itself: the program draws at the logical resolution.
    int Dpi() const override;
    Point ClientToScreen(Point client) const override;
    void SetFocus() override;
    bool IsMinimised() const override;
    void ShowIcons(const Icon* big, const Icon* small) override;
    void SetAccessibleText(std::string_view name, std::string_view description) override;
    std::vector<CWnd*> Children() const override;
    // On X11 and Wayland the window menu belongs to the window manager, and no program can add
    // items to it.
    std::unique_ptr<NativeMenu> SystemMenu() override { return nullptr; }
    LRESULT DefaultHandling(const Message& message) override;
    // A dialog's controls carry their ids as the property kControlIdProperty.
    void SetItemText(int id, std::string_view text) override;
    std::string ItemText(int id) const override;
    void EnableItem(int id, bool enabled) override;
    void FocusItem(int id, TextSelection selection) override;
    // The framework keeps the result.
    void EndModalRun(std::int32_t /*result*/) override {
        if (modalLoop != nullptr) {
            modalLoop->exit();
        }
    }

    // The client area inside the widget: all of it, less any edge.
    QRect ClientArea() const { return widget ? widget->contentsRect() : QRect(); }

    QPointer<QWidget> widget;

    // The painter of the paint event being dispatched, for CPaintDC.
    QPainter* painter = nullptr;
    // Handlers running on this window's behalf, so that Destroy does not pull the widget out
    // from under its own event handler.
    int dispatchDepth = 0;
    bool sysColourChangePending = false;

    // Posted messages wait here, and die unread with the window object.
    QObject postbox;

    // Modal run of a dialog.
    QEventLoop* modalLoop = nullptr;

private:
    CWnd& window_;
};

// The property that holds a dialog control's id.
inline constexpr char kControlIdProperty[] = "kolvarControlId";
// An edit control's property that holds the id of the static describing it.
inline constexpr char kDescribedByProperty[] = "kolvarDescribedBy";

// The Qt side of the window, or null while it has none.
QtWindow* QtWindowOf(const CWnd& window);
// The same, made without a widget for a CWnd that has had no window yet: what is posted to a
// window object waits in its Qt side.
QtWindow& QtWindowFor(CWnd& window);

// The top-level widget the window is in, its own for a dialog; null while it is no window.
QWidget* TopLevelWidget(const CWnd* window);

// The CWnd behind a widget that carries messages, or nullptr.
CWnd* WindowOfWidget(const QObject* widget);

// Queues the message for the window's next turn of the event loop. It is dropped if the window
// object dies first, or if the window it had is destroyed meanwhile.
void PostToWindow(CWnd& window, const Message& message);

// WM_PAINT with the painter clipped to the client area and its origin at the client's corner.
void DispatchPaint(CWnd& window, QPainter& painter);

// Palette, style and theme changes all mean that the system colours may have moved. Qt sends
// several such events for one change and is still spreading them while it does, so the window
// hears once, after Qt has finished.
void QueueSysColorChange(CWnd& window, QEvent::Type cause);

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
            QtWindow& native = *QtWindowOf(*window_);
            ++native.dispatchDepth;
            const ScopeExit dispatched([&native] { --native.dispatchDepth; });
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
        if (Window() != nullptr && this->isWindow()) {
            QueueSysColorChange(*Window(), event->type());
            // The fonts of the theme, menus' among them, have changed.
            if (event->type() == QEvent::ApplicationFontChange) {
                Window()->SendMessage(WM_SETTINGCHANGE);
            }
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
