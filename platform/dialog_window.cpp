#include "platform/dialog_window.h"

#include <QGuiApplication>
#include <QScreen>
#include <QWindow>

#include "platform/dialog_controls.h"
#include "platform/dialog_units.h"
#include "platform/dialog_widget.h"
#include "platform/qt_conversions.h"
#include "platform/window_impl.h"

namespace kolvar {
namespace {

QWidget* OwnerWindow(CWnd* owner) {
    return owner != nullptr && owner->IsWindow() ? ImplOf(*owner).widget->window() : nullptr;
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

}  // namespace

void CreateDialogWindow(CWnd& dialog, const DialogTemplate& dialogTemplate, CWnd* owner) {
    QWidget* ownerWindow = OwnerWindow(owner);
    auto* widget = new DialogWidget(dialog, FrameFlags(dialogTemplate, ownerWindow != nullptr));
    ImplOf(dialog).widget = widget;
    ImplOf(dialog).owner = owner;

    const DialogBaseUnits units = BaseUnitsOn(DialogScreen(ownerWindow));
    widget->setWindowTitle(FromUtf8(dialogTemplate.caption));
    widget->setFixedSize(DialogXToPixels(dialogTemplate.cx, units),
                         DialogYToPixels(dialogTemplate.cy, units));
    // The font goes to the controls only: child windows keep the platform's default font.
    AddDialogControls(*widget, dialog, dialogTemplate.controls, units, DialogFont(dialogTemplate));
    if (ownerWindow != nullptr && ownerWindow->windowHandle() != nullptr) {
        widget->winId();
        widget->windowHandle()->setTransientParent(ownerWindow->windowHandle());
    }
}

}  // namespace kolvar
