#pragma once

// Inside the platform only: how the widgets behind windows turn Qt events into messages.

#include <QEvent>
#include <Qt>

class QMouseEvent;
class QPainter;

namespace kolvar {

class CWnd;

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

}  // namespace kolvar
