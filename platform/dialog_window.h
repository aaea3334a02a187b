#pragma once

// Inside the platform only: a dialog's top-level window, built from its template.

#include "platform/dialog.h"

namespace kolvar {

// Creates the hidden window with its caption, frame, font and controls; its client area is the
// template's size. A dialog with an owner stays above it; one without gets a task bar entry.
void CreateDialogWindow(CWnd& dialog, const DialogTemplate& dialogTemplate, CWnd* owner);

}  // namespace kolvar
