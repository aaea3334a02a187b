#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace kolvar {

// A stored integer's text: the value's 32 bits as an unsigned decimal, -2 as 4294967294.
std::string FormatProfileInt(int value);

// The value of a stored text, read back as two's complement; nothing unless the text is an
// unsigned decimal of at most 4294967295 (no sign, no blanks, no list).
std::optional<int> ParseProfileInt(std::string_view text);

}  // namespace kolvar
