#pragma once

#include <string_view>

namespace kolvar {

// One line on standard error, "program: message", written whole: the program reports nothing
// else, so what it does report must not be lost or torn.
void WriteErrorLine(std::string_view program, std::string_view message);

}  // namespace kolvar
