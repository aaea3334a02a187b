#include "platform/qt/dialog.h"

#include <QEventLoop>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPushButton>
#include <QScreen>
#include <QWindow>
#include <algorithm>
#include <vector>

#include "platform/dialog_layout.h"
#include "platform/program.h"
#include "platform/qt/drawing_objects.h"
#include "platform/qt/qt_conversions.h"

namespace kolvar {
namespace {

constexpr unsigned kStaticTypeMask = 0x1F;
constexpr unsigned kButtonTypeMask = 0x0F;

QRect ControlRect(const DialogControl& control, DialogBaseUnits units) {
    return ToQRect(DialogRectToPixels(control.x, control.y, control.cx, control.cy, units));
}

// An icon static takes the size of its icon, whatever the template says.
QWidget* IconStatic(QWidget& parent, const DialogControl& control, DialogBaseUnits units) {
    auto* label = new QLabel(&parent);
    // The program's icons all show the program.
    label->setAccessibleName(QString::fromStdString(ProgramName()));
    const Icon icon = LoadIcon(control.iconId);
    const QRect rect = ControlRect(control, units);
    if (icon) {
        const QImage& image = QtIconOf(NativeOf(icon)).large;
        label->setPixmap(QPixmap::fromImage(image));
        label->setGeometry(QRect(rect.topLeft(), image.size()));
    } else {
        label->setGeometry(rect);
    }
    return label;
}

// A dialog's static texts are what it has to say, so assistive technology reads them as the
// dialog's description when it announces the dialog.
void AddToDescription(QWidget& dialog, const QString& text) {
    const QString before = dialog.accessibleDescription();
    dialog.setAccessibleDescription(before.isEmpty() ? text : before + u'\n' + text);
}

// The program's statics are all left-aligned. One without SS_NOPREFIX is a label whose "&" marks
// the access key of the control after it; the others say what the dialog has to say.
QWidget* TextStatic(QWidget& parent, const DialogControl& control, DialogBaseUnits units) {
    auto* label = new QLabel(&parent);
    const QString text = FromUtf8(control.text);
    if ((control.style & SS_NOPREFIX) != 0 && !text.isEmpty()) {
        AddToDescription(parent, text);
    }
    label->setTextFormat(Qt::PlainText);
    label->setText(text);
    label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    label->setWordWrap(true);
    label->setGeometry(ControlRect(control, units));
    return label;
}

QWidget* PushButton(DialogWidget& dialog, CWnd& window, const DialogControl& control,
                    DialogBaseUnits units) {
    auto* button = new QPushButton(FromUtf8(control.text), &dialog);
    button->setGeometry(ControlRect(control, units));
    const auto id = static_cast<unsigned>(control.id);
    if ((control.style & kButtonTypeMask) == BS_DEFPUSHBUTTON) {
        button->setDefault(true);
        dialog.SetDefaultCommand(id);
    }
    QObject::connect(button, &QPushButton::clicked, &dialog,
                     [&window, id] { window.SendMessage(WM_COMMAND, id); });
    return button;
}

// Its text changes reach the dialog as Windows' edit controls tell theirs, EN_CHANGE, also when
// the program sets the text.
QWidget* LineEdit(DialogWidget& dialog, CWnd& window, const DialogControl& control,
                  DialogBaseUnits units) {
    auto* edit = new QLineEdit(FromUtf8(control.text), &dialog);
    edit->setGeometry(ControlRect(control, units));
    const WPARAM change = static_cast<unsigned>(control.id) | EN_CHANGE << 16;
    QObject::connect(edit, &QLineEdit::textChanged, &dialog,
                     [&window, change] { window.SendMessage(WM_COMMAND, change); });
    return edit;
}

QWidget* Control(DialogWidget& dialog, CWnd& window, const DialogControl& control,
                 DialogBaseUnits units) {
    if (control.controlClass == ControlClass::Button) {
        return PushButton(dialog, window, control, units);
    }
    if (control.controlClass == ControlClass::Edit) {
        return LineEdit(dialog, window, control, units);
    }
    if ((control.style & kStaticTypeMask) == SS_ICON) {
        return IconStatic(dialog, control, units);
    }
    return TextStatic(dialog, control, units);
}

// As Windows reads a dialog: a label names the control after it, and the static with an id
// right after an edit control describes it.
void LinkToNeighbours(QWidget* widget, QWidget* before, const DialogControl& control,
                      const DialogControl* controlBefore) {
    auto* label = qobject_cast<QLabel*>(before);
    if (label != nullptr && (controlBefore->style & SS_NOPREFIX) == 0) {
        label->setBuddy(widget);
    }
    if (qobject_cast<QLineEdit*>(before) != nullptr && qobject_cast<QLabel*>(widget) != nullptr &&
        control.id != -1) {
        before->setProperty(kDescribedByProperty, control.id);
    }
}

// In the template's order, which is the tab order.
void AddControls(DialogWidget& dialog, CWnd& window, std::span<const DialogControl> controls,
                 DialogBaseUnits units, const QFont& font) {
    QWidget* before = nullptr;
    const DialogControl* controlBefore = nullptr;
    for (const DialogControl& control : controls) {
        QWidget* widget = Control(dialog, window, control, units);
        widget->setProperty(kControlIdProperty, control.id);
        widget->setFont(font);
        widget->setVisible((control.style & WS_VISIBLE) != 0);
        if (before != nullptr) {
            LinkToNeighbours(widget, before, control, controlBefore);
        }
        before = widget;
        controlBefore = &control;
    }
}

// A fixed frame: it can be minimised where the template asks for it, never maximised.
Qt::WindowFlags FrameFlags(const DialogTemplate& dialogTemplate, bool owned) {
    const bool ownTaskBarEntry = (dialogTemplate.exStyle & WS_EX_APPWINDOW) != 0 || !owned;
    Qt::WindowFlags flags = ownTaskBarEntry ? Qt::Window : Qt::Dialog;
    flags |= Qt::CustomizeWindowHint;
    if ((dialogTemplate.style & WS_CAPTION) == WS_CAPTION) {
        flags |= Qt::WindowTitleHint;
    }
    if ((dialogTemplate.style & WS_SYSMENU) != 0) {
        flags |= Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint;
    }
    if ((dialogTemplate.style & WS_MINIMIZEBOX) != 0) {
        flags |= Qt::WindowMinimizeButtonHint;
    }
    return flags;
}

QScreen* DialogScreen(const QWidget* ownerWindow) {
    return ownerWindow != nullptr ? ownerWindow->screen() : QGuiApplication::primaryScreen();
}

DialogBaseUnits BaseUnitsOn(const QScreen* screen) {
    if (screen == nullptr) {
        return {};
    }
    return DialogBaseUnitsForDpi(qRound(screen->logicalDotsPerInchX()),
                                 qRound(screen->logicalDotsPerInchY()));
}

QFont DialogFont(const DialogTemplate& dialogTemplate) {
    if ((dialogTemplate.style & DS_SETFONT) == 0 || dialogTemplate.fontFace.empty()) {
        return QFont();
    }
    return QFont(FromUtf8(dialogTemplate.fontFace), dialogTemplate.fontPointSize);
}

// Over its owner, or in the middle of the screen's work area, and always all on the screen.
void Centre(QWidget& dialog, const QWidget* ownerWindow) {
    const QScreen* screen = dialog.screen();
    if (screen == nullptr) {
        return;
    }
    const Rect workArea = FromQRect(screen->availableGeometry());
    const Rect over = ownerWindow != nullptr ? FromQRect(ownerWindow->frameGeometry()) : workArea;
    const QSize size = dialog.frameGeometry().size();
    const Point topLeft = CentredWindowPosition({size.width(), size.height()}, over, workArea);
    dialog.move(topLeft.x, topLeft.y);
}

// A window manager frames a shown window only later, so the first centring cannot know the
// frame's size: the first move or paint once the frame is there centres the window again.
class CentredWhenFramed : public QObject {
public:
    CentredWhenFramed(QWidget& dialog, const QWidget* ownerWindow)
        : dialog_(&dialog), ownerWindow_(ownerWindow) {
        dialog_->installEventFilter(this);
    }
    ~CentredWhenFramed() override {
        if (dialog_) {
            dialog_->removeEventFilter(this);
        }
    }
    CentredWhenFramed(const CentredWhenFramed&) = delete;
    CentredWhenFramed& operator=(const CentredWhenFramed&) = delete;

    bool eventFilter(QObject* watched, QEvent* event) override {
        const bool moveOrPaint = event->type() == QEvent::Move || event->type() == QEvent::Paint;
        if (moveOrPaint && watched == dialog_ && dialog_->isVisible() &&
            dialog_->frameGeometry() != dialog_->geometry()) {
            dialog_->removeEventFilter(this);
            Centre(*dialog_, ownerWindow_);
        }
        return false;
    }

private:
    QPointer<QWidget> dialog_;
    QPointer<const QWidget> ownerWindow_;
};

void ShowAndRun(CWnd& dialog, QWidget* ownerWindow) {
    // The owner takes no input while the dialog runs.
    const bool ownerWasEnabled = ownerWindow == nullptr || ownerWindow->isEnabled();
    if (ownerWindow != nullptr) {
        ownerWindow->setEnabled(false);
    }
    const ScopeExit ownerEnabled([owner = QPointer<QWidget>(ownerWindow), ownerWasEnabled] {
        if (owner) {
            owner->setEnabled(ownerWasEnabled);
        }
    });
    QEventLoop loop;
    QtWindow& native = *QtWindowOf(dialog);
    const auto running = Override(native.modalLoop, &loop);
    QWidget* widget = native.widget;
    widget->setWindowModality(Qt::ApplicationModal);
    const CentredWhenFramed centredWhenFramed(*widget, ownerWindow);
    widget->show();
    // Only a shown window knows the size of its frame.
    Centre(*widget, ownerWindow);
    widget->raise();
    widget->activateWindow();
    if (!StateOf(dialog).modalEnded) {
        loop.exec(QEventLoop::DialogExec);
    }
}

// Only once the owner takes input again can it have the activation and its focus back.
void GiveBackFocus(QWidget* ownerWindow, QWidget* focus) {
    if (ownerWindow == nullptr) {
        return;
    }
    ownerWindow->activateWindow();
    if (focus != nullptr) {
        focus->setFocus(Qt::ActiveWindowFocusReason);
    }
}

}  // namespace

DialogWidget::DialogWidget(CWnd& window, Qt::WindowFlags flags)
    : MessageWidget<QDialog>(window, nullptr, flags), defaultCommand_(kOkCommand) {}

// Qt has filled the background with the dialog colour already.
void DialogWidget::paintEvent(QPaintEvent* /*event*/) {
    QPainter painter(this);
    Dispatch([&painter](CWnd& window) { DispatchPaint(window, painter); });
}

// Keys the focused child leaves alone arrive here as well.
void DialogWidget::keyPressEvent(QKeyEvent* event) {
    const std::optional<unsigned> command =
        DialogKeyCommand(KeyPressOf(event->key(), event->modifiers()), defaultCommand_);
    if (Window() == nullptr || !command) {
        event->ignore();
        return;
    }
    Dispatch([&command](CWnd& window) { window.SendMessage(WM_COMMAND, *command); });
}

namespace {

// The hidden window with its caption, frame, font and controls (statics, icons and push buttons,
// whose clicks send their ids as WM_COMMAND); its client area is the template's size. A dialog
// with an owner stays above it; one without gets a task bar entry.
void CreateDialogWindow(CWnd& dialog, const DialogTemplate& dialogTemplate, CWnd* owner) {
    QWidget* ownerWindow = TopLevelWidget(owner);
    // The window's Qt side comes first: the widget sends events while it is being made.
    StateOf(dialog).native = std::make_unique<QtWindow>(dialog, nullptr);
    auto* widget = new DialogWidget(dialog, FrameFlags(dialogTemplate, ownerWindow != nullptr));
    QtWindowOf(dialog)->widget = widget;

    const DialogBaseUnits units = BaseUnitsOn(DialogScreen(ownerWindow));
    widget->setWindowTitle(FromUtf8(dialogTemplate.caption));
    widget->setFixedSize(DialogXToPixels(dialogTemplate.cx, units),
                         DialogYToPixels(dialogTemplate.cy, units));
    // The font goes to the controls only: child windows keep the platform's default font.
    AddControls(*widget, dialog, dialogTemplate.controls, units, DialogFont(dialogTemplate));
    if (ownerWindow != nullptr && ownerWindow->windowHandle() != nullptr) {
        widget->winId();
        widget->windowHandle()->setTransientParent(ownerWindow->windowHandle());
    }
}

// Centres the window (over its owner, or on the screen without one), disables the owner, shows
// the window and dispatches until the dialog ends; then enables the owner again, gives back its
// focus and hides the window.
void RunModalLoop(CWnd& dialog, CWnd* owner) {
    const QPointer<QWidget> ownerWindow = TopLevelWidget(owner);
    const QPointer<QWidget> ownerFocus = ownerWindow ? ownerWindow->focusWidget() : nullptr;
    QtWindow& native = *QtWindowOf(dialog);
    Centre(*native.widget, ownerWindow);
    ShowAndRun(dialog, ownerWindow);
    if (native.widget) {
        native.widget->hide();
    }
    GiveBackFocus(ownerWindow, ownerFocus);
}

}  // namespace

void RunModalDialog(CWnd& dialog, const DialogTemplate& dialogTemplate, CWnd* owner) {
    CreateDialogWindow(dialog, dialogTemplate, owner);
    dialog.SendMessage(WM_INITDIALOG);
    if (dialog.IsWindow() && !StateOf(dialog).modalEnded) {
        RunModalLoop(dialog, owner);
    }
}

}  // namespace kolvar
