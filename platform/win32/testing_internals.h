#pragma once

// Inside the test seam on Win32 only: what its files share.

#include <chrono>
#include <string>
#include <string_view>

#include "platform/testing.h"
#include "platform/win32/windows_api.h"

namespace kolvar {

// The seam's texts are converted here, by the rules of UTF-8 and UTF-16 themselves rather than by
// the program's own conversion, so that a fault of that conversion shows in what tests read.
std::string Utf8Of(std::wstring_view utf16);
std::wstring Utf16Of(std::string_view utf8);

// What the rectangle of the device context shows; the rectangle in the context's coordinates.
Image GrabFrom(HDC dc, const RECT& rect);

// Real input through the system's input queue: a key with its modifier pressed and released,
// or a button clicked once or more where the pointer is, the modifier held meanwhile.
void SendKey(Key key, KeyModifier modifier);
void SendVirtualKey(WORD virtualKey);
void SendClicks(MouseButton button, int clicks, KeyModifier modifier = KeyModifier::None);

// The steps of RunWhileMenuOpen run inside a menu's tracking, whose loop is the system's own and
// takes its input itself. While they run, this is true, and the steps do not dispatch messages:
// they hand the tracking loop control, and it gives it back once it has handled all that is
// pending and at least the time has passed.
bool InMenuSteps();
void LetMenuTrackingRun(std::chrono::milliseconds atLeast);

}  // namespace kolvar
