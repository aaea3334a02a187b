#include "platform/qt/window.h"

#include <QAccessibleWidget>
#include <QApplication>
#include <QContextMenuEvent>
#include <QEventLoop>
#include <QIcon>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMetaObject>
#include <QMouseEvent>
#include <QPainter>
#include <QPixmap>
#include <QPushButton>

#include <optional>

#include "platform/dialog.h"
#include "platform/qt/drawing_objects.h"
#include "platform/qt/qt_conversions.h"

namespace kolvar {
namespace {

// Qt asks for each class of an object's ancestry in turn; top-level windows go on to the
// frame's ordinary interface.
QAccessibleInterface* ChildWindowInterface(const QString& className, QObject* object) {
    auto* widget = qobject_cast<WindowWidget*>(object);
    if (widget == nullptr || widget->isWindow() ||
        className != QLatin1String(WindowWidget::staticMetaObject.className())) {
        return nullptr;
    }
    return new QAccessibleWidget(widget, QAccessible::Graphic);
}

// A child window draws everything it shows itself, so assistive technology is told it is a
// picture, named by the program (CWnd::SetAccessibleText) rather than left an empty frame.
// Once per process; later calls do nothing.
void InstallWindowAccessibility() {
    static const bool installed = [] {
        QAccessible::installFactory(&ChildWindowInterface);
        return true;
    }();
    static_cast<void>(installed);
}

unsigned MouseKeyFlags(Qt::MouseButtons buttons, Qt::KeyboardModifiers modifiers) {
    unsigned flags = 0;
    if (buttons.testFlag(Qt::LeftButton)) {
        flags |= MK_LBUTTON;
    }
    if (buttons.testFlag(Qt::RightButton)) {
        flags |= MK_RBUTTON;
    }
    if (modifiers.testFlag(Qt::ShiftModifier)) {
        flags |= MK_SHIFT;
    }
    if (modifiers.testFlag(Qt::ControlModifier)) {
        flags |= MK_CONTROL;
    }
    return flags;
}

// A mouse message at the event's client position; nothing outside the client area.
void DispatchMouse(CWnd& window, unsigned message, const QMouseEvent& event) {
    const QRect client = QtWindowOf(window)->ClientArea();
    const QPoint position = event.position().toPoint();
    if (!client.contains(position)) {
        return;
    }
    const QPoint inClient = position - client.topLeft();
    window.SendMessage(message, MouseKeyFlags(event.buttons(), event.modifiers()),
                       MakePointParam({inClient.x(), inClient.y()}));
}

// WM_CONTEXTMENU as the keyboard asks for it: no position, the window decides where.
void DispatchKeyboardContextMenu(CWnd& window) {
    window.SendMessage(WM_CONTEXTMENU, reinterpret_cast<WPARAM>(&window),
                       MakePointParam(kKeyboardContextPoint));
}

// The modifiers of the key event being dispatched, which GetKeyState answers from while there is
// one, as Windows answers from the state of the key message being handled.
std::optional<Qt::KeyboardModifiers> dispatchedKeyModifiers;

// WM_KEYDOWN for the keys the framework names, then WM_CHAR for each character the key types.
void DispatchKey(CWnd& window, const QKeyEvent& event) {
    const auto modifiers = Override(dispatchedKeyModifiers, event.modifiers());
    if (const unsigned key = VirtualKeyOf(event.key()); key != 0) {
        window.SendMessage(WM_KEYDOWN, key);
    }
    for (const QChar character : event.text()) {
        if (!window.IsWindow()) {
            return;
        }
        window.SendMessage(WM_CHAR, character.unicode());
    }
}

bool IsSystemColourChange(QEvent::Type type) {
    return type == QEvent::PaletteChange || type == QEvent::ApplicationPaletteChange ||
           type == QEvent::StyleChange || type == QEvent::ThemeChange;
}

// Every window of the descendants, at any depth.
void SendToDescendants(QWidget& widget, const Message& message) {
    for (QWidget* child : widget.findChildren<QWidget*>()) {
        if (CWnd* window = WindowOfWidget(child)) {
            window->SendMessage(message.message, message.wParam, message.lParam);
        }
    }
}

// Qt keeps one icon per window in several sizes.
QIcon CombinedIcon(const Icon* big, const Icon* small) {
    QIcon qicon;
    if (big != nullptr) {
        qicon.addPixmap(QPixmap::fromImage(QtIconOf(NativeOf(*big)).large));
    }
    if (small != nullptr) {
        qicon.addPixmap(QPixmap::fromImage(QtIconOf(NativeOf(*small)).small));
    }
    return qicon;
}

}  // namespace

QtWindow::QtWindow(CWnd& window, QWidget* widgetOfWindow)
    : widget(widgetOfWindow), window_(window) {}

QtWindow::~QtWindow() {
    if (widget) {
        Destroy();
    }
}

void QtWindow::Destroy() {
    window_.SendMessage(WM_DESTROY);
    if (widget) {
        SendToDescendants(*widget, Message{WM_DESTROY, 0, 0});
    }
    if (!widget) {
        return;
    }
    QWidget* gone = widget;
    if (auto* link = dynamic_cast<WindowLink*>(gone)) {
        link->Detach();
    }
    widget = nullptr;
    sysColourChangePending = false;
    EndModalRun(0);
    // Deleting the widget inside its own event handler would pull it from under Qt.
    if (dispatchDepth > 0) {
        gone->hide();
        gone->deleteLater();
    } else {
        delete gone;
    }
}

void QtWindow::Show() {
    if (widget) {
        widget->show();
    }
}

void QtWindow::Invalidate() {
    if (widget) {
        widget->update();
    }
}

Size QtWindow::ClientSize() const {
    const QRect client = ClientArea();
    return {client.width(), client.height()};
}

// A top-level widget's geometry leaves out the frame; a dialog keeps the fixed size it has.
void QtWindow::Move(const Rect& rect) {
    if (!widget) {
        return;
    }
    const QRect frame = widget->frameGeometry();
    const QRect inner = widget->geometry();
    const QRect client =
        ToQRect(rect).adjusted(inner.left() - frame.left(), inner.top() - frame.top(),
                               inner.right() - frame.right(), inner.bottom() - frame.bottom());
    const QWidget* parent = widget->isWindow() ? nullptr : widget->parentWidget();
    const QPoint parentClient = parent != nullptr ? parent->contentsRect().topLeft() : QPoint();
    if (widget->minimumSize() == widget->maximumSize()) {
        widget->setFixedSize(client.size());
    }
    widget->setGeometry(client.translated(parentClient));
}

int QtWindow::Dpi() const {
    return widget ? widget->logicalDpiY() : kDesignDpi;
}

Point QtWindow::ClientToScreen(Point client) const {
    if (!widget) {
        return client;
    }
    const QPoint screen = widget->mapToGlobal(ClientArea().topLeft() + QPoint(client.x, client.y));
    return {screen.x(), screen.y()};
}

void QtWindow::SetFocus() {
    if (widget) {
        widget->setFocus(Qt::OtherFocusReason);
    }
}

bool QtWindow::IsMinimised() const {
    return widget && widget->window()->isMinimized();
}

void QtWindow::ShowIcons(const Icon* big, const Icon* small) {
    if (widget) {
        widget->window()->setWindowIcon(CombinedIcon(big, small));
    }
}

// Qt announces each setting to assistive technology. The description goes first, so that it is
// already new when a screen reader speaks the name.
void QtWindow::SetAccessibleText(std::string_view name, std::string_view description) {
    if (widget) {
        widget->setAccessibleDescription(FromUtf8(description));
        widget->setAccessibleName(FromUtf8(name));
    }
}

std::vector<CWnd*> QtWindow::Children() const {
    std::vector<CWnd*> children;
    if (widget) {
        for (const QWidget* child : widget->findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
            if (CWnd* window = WindowOfWidget(child)) {
                children.push_back(window);
            }
        }
    }
    return children;
}

// Qt's own handling answers no handle of its own: where the framework expects an object
// (kMessagePayloads), the answer is none.
LRESULT QtWindow::DefaultHandling(const Message& message) {
    if (message.message != WM_SYSCOMMAND || !widget) {
        return 0;
    }
    switch (static_cast<unsigned>(message.wParam) & 0xFFF0) {
        case SC_MINIMIZE:
            widget->window()->showMinimized();
            break;
        case SC_RESTORE:
            widget->window()->showNormal();
            break;
        default:
            break;
    }
    return 0;
}

namespace {

QWidget* ControlOf(const QWidget* dialog, int id) {
    if (dialog == nullptr) {
        return nullptr;
    }
    for (QWidget* child : dialog->findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
        const QVariant childId = child->property(kControlIdProperty);
        if (childId.isValid() && childId.toInt() == id) {
            return child;
        }
    }
    return nullptr;
}

// Assistive technology hears an edit control's description change while the control has the
// focus, as it hears what the user typed there understood.
void DescribeEdits(const QWidget& dialog, int staticId, const QString& text) {
    for (QLineEdit* edit : dialog.findChildren<QLineEdit*>(Qt::FindDirectChildrenOnly)) {
        const QVariant describedBy = edit->property(kDescribedByProperty);
        if (describedBy.isValid() && describedBy.toInt() == staticId) {
            edit->setAccessibleDescription(text);
        }
    }
}

}  // namespace

void QtWindow::SetItemText(int id, std::string_view text) {
    QWidget* control = ControlOf(widget, id);
    const QString qtext = FromUtf8(text);
    if (auto* edit = qobject_cast<QLineEdit*>(control)) {
        edit->setText(qtext);
    } else if (auto* label = qobject_cast<QLabel*>(control)) {
        label->setText(qtext);
        DescribeEdits(*widget, id, qtext);
    } else if (auto* button = qobject_cast<QPushButton*>(control)) {
        button->setText(qtext);
    }
}

std::string QtWindow::ItemText(int id) const {
    const QWidget* control = ControlOf(widget, id);
    if (const auto* edit = qobject_cast<const QLineEdit*>(control)) {
        return edit->text().toStdString();
    }
    if (const auto* label = qobject_cast<const QLabel*>(control)) {
        return label->text().toStdString();
    }
    if (const auto* button = qobject_cast<const QPushButton*>(control)) {
        return button->text().toStdString();
    }
    return {};
}

void QtWindow::EnableItem(int id, bool enabled) {
    if (QWidget* control = ControlOf(widget, id)) {
        control->setEnabled(enabled);
    }
}

void QtWindow::FocusItem(int id, TextSelection selection) {
    QWidget* control = ControlOf(widget, id);
    if (control == nullptr) {
        return;
    }
    control->setFocus(Qt::TabFocusReason);
    auto* edit = qobject_cast<QLineEdit*>(control);
    if (edit == nullptr) {
        return;
    }
    if (selection == TextSelection::All) {
        edit->selectAll();
        return;
    }
    const auto caretAtEnd = [edit] {
        edit->deselect();
        edit->end(false);
    };
    // A dialog being shown gives its focus widget the focus as the Tab key would, which
    // selects an edit's text whole: the caret goes to the end once it has.
    if (edit->isVisible()) {
        caretAtEnd();
    } else {
        QMetaObject::invokeMethod(edit, caretAtEnd, Qt::QueuedConnection);
    }
}

short GetKeyState(unsigned virtualKey) {
    if (virtualKey != VK_CONTROL) {
        return 0;
    }
    const Qt::KeyboardModifiers modifiers =
        dispatchedKeyModifiers.value_or(QGuiApplication::queryKeyboardModifiers());
    return modifiers.testFlag(Qt::ControlModifier) ? static_cast<short>(0x8000) : short{0};
}

QtWindow* QtWindowOf(const CWnd& window) {
    return static_cast<QtWindow*>(StateOf(window).native.get());
}

QtWindow& QtWindowFor(CWnd& window) {
    std::unique_ptr<NativeWindow>& native = StateOf(window).native;
    if (native == nullptr) {
        native = std::make_unique<QtWindow>(window, nullptr);
    }
    return static_cast<QtWindow&>(*native);
}

bool CreateNativeWindow(CWnd& window, const CREATESTRUCT& create, CWnd* parent) {
    const QtWindow* parentWindow = parent != nullptr ? QtWindowOf(*parent) : nullptr;
    QWidget* parentWidget = parentWindow != nullptr ? parentWindow->widget.data() : nullptr;
    // The window's Qt side comes first: the widget sends events while it is being made.
    StateOf(window).native = std::make_unique<QtWindow>(window, nullptr);
    auto* widget = new WindowWidget(window, parentWidget, (create.exStyle & WS_EX_CLIENTEDGE) != 0);
    QtWindowOf(window)->widget = widget;
    const QPoint parentClient =
        parentWindow != nullptr ? parentWindow->ClientArea().topLeft() : QPoint();
    widget->setGeometry(ToQRect(create.rect).translated(parentClient));
    if (window.SendMessage(WM_CREATE, 0, reinterpret_cast<LPARAM>(&create)) == -1) {
        window.DestroyWindow();
        return false;
    }
    return true;
}

QWidget* TopLevelWidget(const CWnd* window) {
    return window != nullptr && window->IsWindow() ? QtWindowOf(*window)->widget->window()
                                                   : nullptr;
}

CWnd* WindowOfWidget(const QObject* widget) {
    const auto* link = dynamic_cast<const WindowLink*>(widget);
    return link != nullptr ? link->Window() : nullptr;
}

void PostToWindow(CWnd& window, const Message& message) {
    const bool wasWindow = window.IsWindow();
    QMetaObject::invokeMethod(
        &QtWindowFor(window).postbox,
        [&window, message, wasWindow] {
            if (window.IsWindow() || !wasWindow) {
                window.SendMessage(message.message, message.wParam, message.lParam);
            }
        },
        Qt::QueuedConnection);
}

void DispatchPaint(CWnd& window, QPainter& painter) {
    QtWindow& native = *QtWindowOf(window);
    const QRect client = native.ClientArea();
    painter.setClipRect(client);
    painter.translate(client.topLeft());
    // The paint in progress belongs to the window until its WM_PAINT handler returns.
    const auto paint = Override(native.painter, &painter);
    window.SendMessage(WM_PAINT);
}

void QueueSysColorChange(CWnd& window, QEvent::Type cause) {
    QtWindow* native = QtWindowOf(window);
    if (!IsSystemColourChange(cause) || native == nullptr || native->sysColourChangePending ||
        !native->widget) {
        return;
    }
    native->sysColourChangePending = true;
    QWidget* widget = native->widget;
    QMetaObject::invokeMethod(
        widget,
        [widget] {
            if (CWnd* target = WindowOfWidget(widget)) {
                QtWindowOf(*target)->sysColourChangePending = false;
                target->SendMessage(WM_SYSCOLORCHANGE);
            }
        },
        Qt::QueuedConnection);
}

WindowWidget::WindowWidget(CWnd& window, QWidget* parent, bool clientEdge)
    : MessageWidget<QFrame>(window, parent, parent != nullptr ? Qt::Widget : Qt::Window) {
    InstallWindowAccessibility();
    if (clientEdge) {
        setFrameStyle(QFrame::WinPanel | QFrame::Sunken);
    }
    // The window paints every pixel of its client area itself.
    setAttribute(Qt::WA_OpaquePaintEvent);
    setAutoFillBackground(false);
    setFocusPolicy(Qt::ClickFocus);
}

void WindowWidget::paintEvent(QPaintEvent* /*event*/) {
    QPainter painter(this);
    drawFrame(&painter);
    Dispatch([&painter](CWnd& window) { DispatchPaint(window, painter); });
}

void WindowWidget::mousePressEvent(QMouseEvent* event) {
    if (event->button() == Qt::RightButton) {
        Dispatch([event](CWnd& window) { DispatchMouse(window, WM_RBUTTONDOWN, *event); });
    }
}

// A second click in quick succession is a double click only, of either button, as for a
// Windows class that asks for double clicks; Qt's default would also report it as a press.
void WindowWidget::mouseDoubleClickEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton) {
        Dispatch([event](CWnd& window) { DispatchMouse(window, WM_LBUTTONDBLCLK, *event); });
    } else if (event->button() == Qt::RightButton) {
        Dispatch([event](CWnd& window) { DispatchMouse(window, WM_RBUTTONDBLCLK, *event); });
    }
}

// Qt reports the context-menu key as a context-menu event of its own; a mouse button's one
// follows the button message, which has served it already.
void WindowWidget::contextMenuEvent(QContextMenuEvent* event) {
    if (Window() == nullptr || event->reason() != QContextMenuEvent::Keyboard) {
        event->ignore();
        return;
    }
    Dispatch(DispatchKeyboardContextMenu);
}

// The dialog keys go on to the dialog, whose Enter and Esc end it, as Windows' dialog manager
// takes them before the window sees them.
void WindowWidget::keyPressEvent(QKeyEvent* event) {
    const KeyPress press = KeyPressOf(event->key(), event->modifiers());
    if (Window() == nullptr || DialogKeyCommand(press, kOkCommand)) {
        event->ignore();
        return;
    }
    if (AsksForContextMenu(press)) {
        Dispatch(DispatchKeyboardContextMenu);
        return;
    }
    Dispatch([event](CWnd& window) { DispatchKey(window, *event); });
}

// Qt repaints a widget that gains or loses the focus; a window here draws nothing that depends
// on the focus, and a pop-up menu taking the focus for a while must not repaint its owner.
void WindowWidget::focusInEvent(QFocusEvent* /*event*/) {}

void WindowWidget::focusOutEvent(QFocusEvent* /*event*/) {}

}  // namespace kolvar
