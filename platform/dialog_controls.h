#pragma once

// Inside the platform only: the controls of a dialog template as Qt widgets.

#include <QFont>
#include <span>

#include "platform/dialog.h"
#include "platform/dialog_units.h"

namespace kolvar {

class DialogWidget;

// Statics, icons and push buttons; a button's click sends its id as WM_COMMAND to the window.
void AddDialogControls(DialogWidget& dialog, CWnd& window, std::span<const DialogControl> controls,
                       DialogBaseUnits units, const QFont& font);

}  // namespace kolvar
