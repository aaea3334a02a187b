#pragma once

// Inside the platform only: what assistive technology is told about the widgets behind windows.

namespace kolvar {

// A child window draws everything it shows itself, so assistive technology is told it is a
// picture, named by the program (CWnd::SetAccessibleText) rather than left an empty frame.
// Once per process; later calls do nothing.
void InstallWindowAccessibility();

}  // namespace kolvar
