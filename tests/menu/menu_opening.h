#pragma once

#include <QMenu>
#include <functional>

#include "platform/geometry.h"
#include "platform/window.h"

namespace kolvar::test {

// Sends the view a mouse message that opens its menu at the client point, and runs `steps`
// once the menu is open; the message blocks while the menu is open, so the steps run from
// inside its loop. Whatever they leave open is closed afterwards, so that a failing step cannot
// hang the test.
void OpenMenuWhile(CWnd& view, unsigned message, Point at, const std::function<void()>& steps);

// The same through a real mouse event on the widget, at the widget point.
void ClickMenuOpenWhile(QWidget& widget, unsigned message, QPoint at,
                        const std::function<void()>& steps);

void CloseAllMenus();

// Moves the keyboard highlight `count` items down, then opens its sub-menu.
QMenu* OpenSubMenuByKeys(int downs);

}  // namespace kolvar::test
