#pragma once

// Inside the platform only: the nested loop a modal dialog runs in.

namespace kolvar {

class CWnd;

// Centres the dialog's window (over its owner, or on the screen without one), disables the
// owner, shows the window and dispatches until the dialog ends; then enables the owner again,
// gives back its focus and hides the window.
void RunModalLoop(CWnd& dialog, CWnd* owner);

// Ends the modal run the dialog is in, if any, with the window left to RunModalLoop.
void EndModalLoop(CWnd& dialog);

// Gives every dialog in a modal run IDCANCEL, the innermost first, as Esc would; false when
// none was running.
bool CancelModalRuns();

}  // namespace kolvar
