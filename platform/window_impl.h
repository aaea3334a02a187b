#pragma once

// Inside the platform only: what a CWnd is made of on Qt.

#include <QPointer>
#include <QRect>
#include <QWidget>

#include "platform/window.h"

class QEventLoop;
class QPainter;

namespace kolvar {

class Icon;

struct WindowImpl {
    // Deleted by DestroyWindow, or by Qt together with the parent widget; QPointer notices.
    QPointer<QWidget> widget;
    CWnd* parent = nullptr;
    CWnd* owner = nullptr;
    unsigned id = 0;

    // The painter of the paint event being dispatched, for CPaintDC.
    QPainter* painter = nullptr;
    // Handlers running on this window's behalf, so that DestroyWindow does not pull the widget
    // out from under its own event handler.
    int dispatchDepth = 0;
    bool sysColourChangePending = false;

    const Icon* bigIcon = nullptr;
    const Icon* smallIcon = nullptr;

    // Posted messages wait here, and die unread with the window object.
    QObject postbox;

    // Modal run of a dialog.
    QEventLoop* modalLoop = nullptr;
    long modalResult = -1;
    bool modalEnded = false;

    // The client area inside the widget: all of it, less any edge.
    QRect ClientArea() const { return widget ? widget->contentsRect() : QRect(); }
};

WindowImpl& ImplOf(const CWnd& window);

// The CWnd behind a widget that carries messages, or nullptr.
CWnd* WindowOfWidget(const QObject* widget);

// Queues the message for the window's next turn of the event loop. It is dropped if the window
// object dies first, or if the window it had is destroyed meanwhile.
void PostToWindow(CWnd& window, const Message& message);

}  // namespace kolvar
