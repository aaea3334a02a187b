#pragma once

// Inside the platform only: WM_SETICON's default handling.

#include "platform/messages.h"

namespace kolvar {

class CWnd;
class Icon;

// Sets the large (ICON_BIG) or small (ICON_SMALL) icon of the window's title and task bar
// entry; returns the icon set before.
LRESULT SetWindowIcon(CWnd& window, WPARAM which, const Icon* icon);

}  // namespace kolvar
