#pragma once

#include <string>
#include <string_view>

namespace kolvar {

// The application's name as the settings store knows it: the executable's file name without
// directory and without its last extension.
std::string ApplicationNameFromPath(std::string_view path);

}  // namespace kolvar
