#pragma once

#include <string>
#include <string_view>

namespace kolvar {

// The application's name as the settings store knows it: the executable's file name without
// directory and without its last extension.
std::string ApplicationNameFromPath(std::string_view path);

// One line on standard error, "program: message", written whole: the program reports nothing
// else, so what it does report must not be lost or torn.
void WriteErrorLine(std::string_view program, std::string_view message);

}  // namespace kolvar
