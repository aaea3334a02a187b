#pragma once

#include <string_view>

namespace kolvar {

// The text with the given string id, UTF-8; empty when the id has no string.
std::string_view LoadText(unsigned id);

}  // namespace kolvar
