#pragma once

#include <QMenu>
#include <QPoint>
#include <functional>

#include "platform/menu.h"
#include "platform/testing.h"

namespace kolvar {

// Tracks the menu for `owner` at the screen point and runs `steps` once it is open; tracking
// blocks, so the steps run from inside its loop. Whatever they leave open is closed
// afterwards, so that a failing step cannot hang the test.
void TrackWhile(CMenu& menu, CWnd& owner, QPoint at, const std::function<void()>& steps);

// The pop-up that has the keyboard and mouse, or null.
QMenu* ActivePopup();

// Waits for another pop-up than `current` to become active; null if none does.
QMenu* WaitForOtherMenu(const QMenu* current);

// Lets pending layout and painting happen.
void Settle();

void HoverOver(QMenu& menu, QAction& action);
void ClickOn(QMenu& menu, QAction& action, Qt::MouseButton button);
void KeyClick(Qt::Key key);

}  // namespace kolvar
