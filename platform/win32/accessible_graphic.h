#pragma once

// Inside the Win32 backend only: what Active Accessibility reads of a window that draws all it
// shows itself.

#include "platform/win32/windows_api.h"

namespace kolvar {

// The answer to WM_GETOBJECT for the client area of such a window, with the flags the message
// came with: the system's own accessible object of the window (its place, state, parent and
// focus), read as a graphic with the name and description that the window's CWnd was given; 0
// where none can be made.
LRESULT AnswerAccessibleGraphic(HWND hwnd, WPARAM flags);

}  // namespace kolvar
