#pragma once

#include <functional>

#include "platform/geometry.h"
#include "platform/window.h"

namespace kolvar::test {

// Sends the view a mouse message that opens its menu at the client point, and runs `steps`
// once the menu is open; the message blocks while the menu is open, so the steps run from
// inside its loop. Whatever they leave open is closed afterwards, so that a failing step cannot
// hang the test.
void OpenMenuWhile(CWnd& view, unsigned message, Point at, const std::function<void()>& steps);

// The same through real mouse input at the client point.
void ClickMenuOpenWhile(CWnd& view, unsigned message, Point at, const std::function<void()>& steps);

// Moves the keyboard highlight `count` items down, then opens its sub-menu; whether it opened.
bool OpenSubMenuByKeys(int downs);

}  // namespace kolvar::test
