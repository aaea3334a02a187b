#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace kolvar {

class CWnd;

// The clipboard's text, as Unicode text, in UTF-8; nothing while it holds no text. What is not
// valid Unicode there comes as U+FFFD.
std::optional<std::string> GetClipboardText();

// Puts the UTF-8 text on the clipboard as Unicode text, the window its owner; false when the
// clipboard cannot be had.
bool SetClipboardText(CWnd& owner, std::string_view text);

}  // namespace kolvar
