#include "platform/dialog_controls.h"

#include <QGuiApplication>
#include <QLabel>
#include <QPushButton>

#include "platform/dialog_widget.h"
#include "platform/qt_conversions.h"
#include "platform/surface_state.h"

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
    label->setAccessibleName(QGuiApplication::applicationDisplayName());
    const Icon icon = LoadIcon(control.iconId);
    const QRect rect = ControlRect(control, units);
    if (icon) {
        label->setPixmap(QPixmap::fromImage(DataOf(icon).large));
        label->setGeometry(QRect(rect.topLeft(), DataOf(icon).large.size()));
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

// The program's statics are all left-aligned and shown literally (SS_NOPREFIX).
QWidget* TextStatic(QWidget& parent, const DialogControl& control, DialogBaseUnits units) {
    auto* label = new QLabel(&parent);
    const QString text = FromUtf8(control.text);
    AddToDescription(parent, text);
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

QWidget* Control(DialogWidget& dialog, CWnd& window, const DialogControl& control,
                 DialogBaseUnits units) {
    if (control.controlClass == ControlClass::Button) {
        return PushButton(dialog, window, control, units);
    }
    if ((control.style & kStaticTypeMask) == SS_ICON) {
        return IconStatic(dialog, control, units);
    }
    return TextStatic(dialog, control, units);
}

}  // namespace

void AddDialogControls(DialogWidget& dialog, CWnd& window, std::span<const DialogControl> controls,
                       DialogBaseUnits units, const QFont& font) {
    for (const DialogControl& control : controls) {
        QWidget* widget = Control(dialog, window, control, units);
        widget->setFont(font);
        widget->setVisible((control.style & WS_VISIBLE) != 0);
    }
}

}  // namespace kolvar
