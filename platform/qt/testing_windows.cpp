// The test seam on Qt: windows, dialogs and real input to them.

#include <QApplication>
#include <QContextMenuEvent>
#include <QCursor>
#include <QFontDatabase>
#include <QFontInfo>
#include <QFontMetrics>
#include <QIcon>
#include <QPainter>
#include <QPointer>
#include <QPushButton>
#include <QScreen>
#include <QTest>
#include <algorithm>

#include "platform/dialog_layout.h"
#include "platform/qt/dialog.h"
#include "platform/qt/qt_conversions.h"
#include "platform/qt/testing_internals.h"
#include "platform/qt/window.h"
#include "platform/testing.h"

namespace kolvar {

Qt::Key QtKey(Key key) {
    switch (key) {
        case Key::Up:
            return Qt::Key_Up;
        case Key::Down:
            return Qt::Key_Down;
        case Key::Left:
            return Qt::Key_Left;
        case Key::Right:
            return Qt::Key_Right;
        case Key::Return:
            return Qt::Key_Return;
        case Key::Enter:
            return Qt::Key_Enter;
        case Key::Escape:
            return Qt::Key_Escape;
        case Key::F10:
            return Qt::Key_F10;
        case Key::Menu:
            return Qt::Key_Menu;
        case Key::Insert:
            return Qt::Key_Insert;
    }
    return Qt::Key_unknown;
}

Qt::MouseButton QtButton(MouseButton button) {
    return button == MouseButton::Right ? Qt::RightButton : Qt::LeftButton;
}

QWidget* WidgetBehind(const CWnd& window) {
    const QtWindow* native = QtWindowOf(window);
    return native != nullptr ? native->widget.data() : nullptr;
}

QRect ClientAreaOf(const CWnd& window) {
    const QtWindow* native = QtWindowOf(window);
    return native != nullptr ? native->ClientArea() : QRect();
}

namespace {

QPoint InWidget(const CWnd& window, Point client) {
    return ClientAreaOf(window).topLeft() + QPoint(client.x, client.y);
}

Qt::KeyboardModifiers QtModifiers(KeyModifier modifier) {
    return modifier == KeyModifier::Shift     ? Qt::ShiftModifier
           : modifier == KeyModifier::Control ? Qt::ControlModifier
                                              : Qt::NoModifier;
}

// The pixmap as it shows on white.
Image OnWhite(const QPixmap& pixmap) {
    QImage image(pixmap.size(), QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter(&image).drawPixmap(0, 0, pixmap);
    return ImageOf(image);
}

}  // namespace

Rect ClientAreaOnScreen(const CWnd& window) {
    const QWidget* widget = WidgetBehind(window);
    if (widget == nullptr) {
        return {};
    }
    const QRect client = ClientAreaOf(window);
    return FromQRect(QRect(widget->mapToGlobal(client.topLeft()), client.size()));
}

Rect WindowRect(const CWnd& window) {
    const QWidget* widget = WidgetBehind(window);
    if (widget == nullptr) {
        return {};
    }
    if (widget->isWindow()) {
        return FromQRect(widget->frameGeometry());
    }
    const QPoint parentClient = widget->parentWidget()->contentsRect().topLeft();
    return FromQRect(widget->geometry().translated(-parentClient));
}

// Qt lays templates out in the classic units whatever font it has, at the screen's resolution.
Size DialogBaseUnitsOf(const CWnd& dialog) {
    const QWidget* widget = WidgetBehind(dialog);
    const QScreen* screen = widget != nullptr ? widget->screen() : nullptr;
    if (screen == nullptr) {
        return {};
    }
    const DialogBaseUnits units = DialogBaseUnitsForDpi(qRound(screen->logicalDotsPerInchX()),
                                                        qRound(screen->logicalDotsPerInchY()));
    return {units.x, units.y};
}

// The window manager places the frame in its own time.
bool MoveWindowTo(const CWnd& window, Point screenTopLeft) {
    QWidget* widget = WidgetBehind(window);
    if (widget == nullptr) {
        return false;
    }
    QWidget* top = widget->window();
    const QPoint wanted(screenTopLeft.x, screenTopLeft.y);
    top->move(wanted);
    return WaitUntil([top, wanted] { return top->frameGeometry().topLeft() == wanted; });
}

WindowFacts WindowFactsOf(const CWnd& window) {
    const QWidget* widget = WidgetBehind(window);
    if (widget == nullptr) {
        return {};
    }
    const QWidget& topLevel = *widget->window();
    return {topLevel.windowTitle().toStdString(),
            topLevel.minimumSize() != topLevel.maximumSize(),
            topLevel.windowFlags().testFlag(Qt::WindowMinimizeButtonHint),
            topLevel.windowFlags().testFlag(Qt::WindowMaximizeButtonHint),
            widget->isVisible(),
            widget->isEnabled()};
}

Rect WorkArea() {
    return FromQRect(QGuiApplication::primaryScreen()->availableGeometry());
}

CWnd* FocusWithin(const CWnd& window) {
    const QWidget* widget = WidgetBehind(window);
    QWidget* focus = widget != nullptr ? widget->window()->focusWidget() : nullptr;
    return focus != nullptr && (focus == widget || widget->isAncestorOf(focus))
               ? WindowOfWidget(focus)
               : nullptr;
}

std::vector<Image> WindowIconImages(const CWnd& window) {
    const QWidget* widget = WidgetBehind(window);
    if (widget == nullptr) {
        return {};
    }
    const QIcon icon = widget->window()->windowIcon();
    QList<QSize> sizes = icon.availableSizes();
    std::sort(sizes.begin(), sizes.end(),
              [](const QSize& one, const QSize& other) { return one.width() > other.width(); });
    std::vector<Image> images;
    for (const QSize& size : sizes) {
        images.push_back(OnWhite(icon.pixmap(size)));
    }
    return images;
}

void ClickCloseBox(const CWnd& window) {
    if (QWidget* widget = WidgetBehind(window)) {
        widget->window()->close();
    }
}

// Qt sends no such message: it scales its windows itself.
void MoveToMonitorOfDpi(CWnd& window, int dpi, const Rect& suggested) {
    const auto both = static_cast<WPARAM>(dpi) << 16 | static_cast<WPARAM>(dpi);
    window.SendMessage(WM_DPICHANGED, both, reinterpret_cast<LPARAM>(&suggested));
}

bool WaitForShown(const CWnd& window) {
    QWidget* widget = WidgetBehind(window);
    return widget != nullptr && QTest::qWaitForWindowExposed(widget->window());
}

// Rendered straight into an image of the pixels' own format, as a long test grabs after every
// paint; the image takes the screen's resolution, so that text comes out as it shows there.
Image GrabClientArea(const CWnd& window) {
    QWidget* widget = WidgetBehind(window);
    if (widget == nullptr) {
        return {};
    }
    constexpr double kMetresPerInch = 0.0254;
    const QRect client = ClientAreaOf(window);
    QImage image(client.size(), QImage::Format_RGB32);
    image.setDotsPerMeterX(qRound(widget->logicalDpiX() / kMetresPerInch));
    image.setDotsPerMeterY(qRound(widget->logicalDpiY() / kMetresPerInch));
    widget->render(&image, QPoint(), QRegion(client));
    return ImageOf(image);
}

// Not parented to the widget: the counter may outlive it, and Qt drops the filter of a dead
// counter by itself.
struct PaintCounter::State : QObject {
    int paints = 0;

    bool eventFilter(QObject* watched, QEvent* event) override {
        paints += event->type() == QEvent::Paint ? 1 : 0;
        return QObject::eventFilter(watched, event);
    }
};

PaintCounter::PaintCounter(const CWnd& window) : state_(std::make_unique<State>()) {
    if (QWidget* widget = WidgetBehind(window)) {
        widget->installEventFilter(state_.get());
    }
}

PaintCounter::~PaintCounter() = default;

int PaintCounter::Count() const {
    return state_->paints;
}

void Click(const CWnd& window, Point client, MouseButton button, KeyModifier modifier) {
    if (QWidget* widget = WidgetBehind(window)) {
        QTest::mouseClick(widget, QtButton(button), QtModifiers(modifier),
                          InWidget(window, client));
    }
}

// As the window system reports one: a click, then the second press as a double click. The
// window may be gone once it has handled that.
void DoubleClick(const CWnd& window, Point client, MouseButton button, KeyModifier modifier) {
    const QPointer<QWidget> widget = WidgetBehind(window);
    if (widget == nullptr) {
        return;
    }
    const QPoint at = InWidget(window, client);
    QTest::mouseClick(widget, QtButton(button), QtModifiers(modifier), at);
    QTest::mouseDClick(widget, QtButton(button), QtModifiers(modifier), at);
    if (widget != nullptr) {
        QTest::mouseRelease(widget, QtButton(button), QtModifiers(modifier), at);
    }
}

// The offscreen platform never activates a window, so the focus is looked up in the window's
// own top level rather than asked of the application.
namespace {

// The focus inside the window, or the window itself.
QWidget* KeyTarget(const CWnd& window) {
    QWidget* widget = WidgetBehind(window);
    if (widget == nullptr) {
        return nullptr;
    }
    QWidget* focus = widget->window()->focusWidget();
    return focus != nullptr && (focus == widget || widget->isAncestorOf(focus)) ? focus : widget;
}

}  // namespace

void TypeText(const CWnd& window, std::string_view text, KeyModifier modifier) {
    for (const char character : text) {
        if (QWidget* target = KeyTarget(window)) {
            QTest::keyClick(target, character, QtModifiers(modifier));
        }
    }
}

void PressKey(const CWnd& window, Key key, KeyModifier modifier) {
    QWidget* target = KeyTarget(window);
    if (target == nullptr) {
        return;
    }
    const Qt::KeyboardModifiers modifiers = QtModifiers(modifier);
    if (key != Key::Menu) {
        QTest::keyClick(target, QtKey(key), modifiers);
        return;
    }
    // The window system's plugins follow the context-menu key with a keyboard context-menu
    // event, which simulated keys never pass through.
    QTest::keyPress(target, Qt::Key_Menu, modifiers);
    QContextMenuEvent request(QContextMenuEvent::Keyboard, QPoint(), target->mapToGlobal(QPoint()),
                              modifiers);
    QApplication::sendEvent(target, &request);
    QTest::keyRelease(target, Qt::Key_Menu, modifiers);
}

Point CursorPosition() {
    return FromQPoint(QCursor::pos());
}

CWnd* ActiveModalDialog() {
    QWidget* modal = QApplication::activeModalWidget();
    return modal != nullptr && modal->isVisible() ? WindowOfWidget(modal) : nullptr;
}

// Qt draws each character in the first of the font's fallbacks that has it.
DialogFontFacts DialogFontOf(const CWnd& dialog, std::string_view text) {
    QWidget* widget = WidgetBehind(dialog);
    const QList<QWidget*> controls =
        widget != nullptr ? widget->findChildren<QWidget*>(Qt::FindDirectChildrenOnly)
                          : QList<QWidget*>();
    if (controls.isEmpty()) {
        return {};
    }
    const QFont font = controls.front()->font();
    const QFontInfo resolved(font);
    const QFontMetrics metrics(font);
    DialogFontFacts facts{
        font.family().toStdString(),
        QFontDatabase::isSmoothlyScalable(resolved.family(), resolved.styleName()),
        {}};
    for (const char32_t character : FromUtf8(text).toUcs4()) {
        if (!metrics.inFontUcs4(character)) {
            facts.missing += QString::fromUcs4(&character, 1).toStdString();
        }
    }
    return facts;
}

bool ClickDialogButton(const CWnd& dialog, std::string_view text) {
    QWidget* widget = WidgetBehind(dialog);
    if (widget == nullptr) {
        return false;
    }
    for (QPushButton* button : widget->findChildren<QPushButton*>()) {
        if (button->text() == FromUtf8(text)) {
            button->click();
            return true;
        }
    }
    return false;
}

}  // namespace kolvar
