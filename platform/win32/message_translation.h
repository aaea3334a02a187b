#pragma once

// Inside the Win32 backend only: the one place where messages of the system and messages of the
// framework are turned into each other, by the table of what each carries (kMessagePayloads).
// The system's handles (device contexts, windows, icons, fonts) become the program's objects
// (Surface, CWnd, Icon, Font) and back, and the system's records become the framework's
// (CREATESTRUCT, MEASUREITEMSTRUCT, DRAWITEMSTRUCT). A handle the program has no object for is
// never read as one: the message, or the answer, stays the system's.

#include <functional>
#include <optional>

#include "platform/message_map.h"
#include "platform/win32/windows_api.h"

namespace kolvar {

struct RawMessage {
    UINT message = 0;
    WPARAM wParam = 0;
    LPARAM lParam = 0;
};

// Gives `dispatch` the framework's form of a message of the system and answers the system in its
// terms what `dispatch` answered. `system` gives the system's own handling of the message: for a
// message the framework has no form of, for one whose handles the program has no objects for,
// and where the framework answers no object of its own where the system expects a handle.
LRESULT DispatchTranslated(const RawMessage& raw,
                           const std::function<LRESULT(const Message&)>& dispatch,
                           const std::function<LRESULT()>& system);

// A message that the program itself sent, in the system's terms, for the system's default
// handling; none where it carries a record of the framework's, which the system cannot read.
std::optional<RawMessage> RawOf(const Message& message);

// What the system answered a message, as the framework may read it: where the answer is a handle
// of the system's, no object (0).
LRESULT AnswerForFramework(unsigned message, LRESULT systemAnswer);

}  // namespace kolvar
