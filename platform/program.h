#pragma once

// Inside the platform only: how the program names itself at its start, and how it ends when the
// system asks it to, whatever the backend.

#include <string>
#include <string_view>

namespace kolvar {

class CWnd;

// The application's name as the settings store knows it: the executable's file name without
// directory and without its last extension.
std::string ApplicationNameFromPath(std::string_view path);

// The name the program shows where it names itself, as for its icons: the application object's,
// or without one the executable's.
std::string ProgramName();

// The dialog is in a modal run for the life of the object.
class ModalRun {
public:
    explicit ModalRun(CWnd& dialog);
    ~ModalRun();
    ModalRun(const ModalRun&) = delete;
    ModalRun& operator=(const ModalRun&) = delete;

private:
    CWnd& dialog_;
};

// How many modal runs are going on, one inside the other.
int ModalRunDepth();

// Gives every dialog in a modal run IDCANCEL, the innermost first, as Esc would; false when none
// was running.
bool CancelModalRuns();

// Ends the program as its user would, when the system asks it to end (a termination signal, the
// end of the session): open menus close without a choice and every dialog in a modal run is
// cancelled, so that each window is destroyed the normal way and saves what it keeps; without a
// modal run, the main window closes and the event loop ends.
void EndProgram();

}  // namespace kolvar
