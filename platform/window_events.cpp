#include "platform/window_events.h"

#include <QMetaObject>
#include <QMouseEvent>
#include <QPainter>

#include "platform/scope_exit.h"
#include "platform/window_impl.h"

namespace kolvar {

namespace {}  // namespace

void DispatchPaint(CWnd& window, QPainter& painter) {
    const QRect client = ImplOf(window).ClientArea();
    painter.setClipRect(client);
    painter.translate(client.topLeft());
    // The paint in progress belongs to the window until its WM_PAINT handler returns.
    const auto paint = Override(ImplOf(window).painter, &painter);
    window.SendMessage(WM_PAINT);
}

void DispatchMouse(CWnd& window, unsigned message, const QMouseEvent& event) {
    const QRect client = ImplOf(window).ClientArea();
    const QPoint position = event.position().toPoint();
    if (!client.contains(position)) {
        return;
    }
    const QPoint inClient = position - client.topLeft();
    window.SendMessage(message, MouseKeyFlags(event.buttons(), event.modifiers()),
                       MakePointParam({inClient.x(), inClient.y()}));
}

void DispatchKeyboardContextMenu(CWnd& window) {
    window.SendMessage(WM_CONTEXTMENU, reinterpret_cast<WPARAM>(&window),
                       MakePointParam(kKeyboardContextPoint));
}

bool IsContextMenuKey(int key, Qt::KeyboardModifiers modifiers) {
    return key == Qt::Key_F10 && (modifiers & ~Qt::KeypadModifier) == Qt::ShiftModifier;
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

bool IsSystemColourChange(QEvent::Type type) {
    return type == QEvent::PaletteChange || type == QEvent::ApplicationPaletteChange ||
           type == QEvent::StyleChange || type == QEvent::ThemeChange;
}

void QueueSysColorChange(CWnd& window) {
    WindowImpl& impl = ImplOf(window);
    if (impl.sysColourChangePending || !impl.widget) {
        return;
    }
    impl.sysColourChangePending = true;
    QWidget* widget = impl.widget;
    QMetaObject::invokeMethod(
        widget,
        [widget] {
            if (CWnd* target = WindowOfWidget(widget)) {
                ImplOf(*target).sysColourChangePending = false;
                target->SendMessage(WM_SYSCOLORCHANGE);
            }
        },
        Qt::QueuedConnection);
}

}  // namespace kolvar
