#pragma once

// Inside the platform only: what the process tells the user and how it names itself.

#include <string>
#include <string_view>

namespace kolvar {

// The application's name as the settings store knows it: the executable's file name without
// directory and without its last extension.
std::string ApplicationNameFromPath(std::string_view path);

// The executable the process runs, as the command line names it or else as the system knows it.
std::string ExecutablePath(int argc, char** argv);

// One line on standard error, "program: message", written whole: the program reports nothing
// else, so what it does report must not be lost or torn.
void WriteErrorLine(std::string_view program, std::string_view message);

}  // namespace kolvar
