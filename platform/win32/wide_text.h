#pragma once

// Inside the Win32 backend only: the program's texts are UTF-8, and the backend calls the
// system's wide functions, whose texts are UTF-16.

#include <string>
#include <string_view>

namespace kolvar {

std::wstring Widen(std::string_view text);
std::string Narrow(std::wstring_view text);

}  // namespace kolvar
