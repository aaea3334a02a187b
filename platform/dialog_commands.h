#pragma once

// Inside the platform only: the commands the dialog framework itself gives and takes. The
// program's resources name the same numbers IDOK and IDCANCEL.

namespace kolvar {

inline constexpr unsigned kOkCommand = 1;
inline constexpr unsigned kCancelCommand = 2;

}  // namespace kolvar
