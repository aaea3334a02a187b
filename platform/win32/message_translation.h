#pragma once

// Inside the Win32 backend only: the one place where messages of the system and messages of the
// framework are turned into each other. The system's handles (device contexts, windows, icons,
// fonts) become the program's objects (Surface, CWnd, Icon, Font) and back, and the system's
// records become the framework's (CREATESTRUCT, MEASUREITEMSTRUCT, DRAWITEMSTRUCT).

#include <functional>

#include "platform/message_map.h"
#include "platform/win32/windows_api.h"

namespace kolvar {

struct RawMessage {
    UINT message = 0;
    WPARAM wParam = 0;
    LPARAM lParam = 0;
};

// Gives `dispatch` the framework's form of a message of the system and answers the system in its
// terms what `dispatch` answered. A message the framework has no form of goes to `fallback`.
LRESULT DispatchTranslated(const RawMessage& raw,
                           const std::function<LRESULT(const Message&)>& dispatch,
                           const std::function<LRESULT()>& fallback);

// A message that the program itself sent, in the system's terms, for the system's default
// handling.
RawMessage RawOf(const Message& message);

}  // namespace kolvar
