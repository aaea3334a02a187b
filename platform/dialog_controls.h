#pragma once

// Inside the platform only: the controls of a dialog template as Qt widgets.

#include <QFont>
#include <QString>
#include <span>
#include <string_view>

#include "platform/dialog.h"
#include "platform/dialog_units.h"

namespace kolvar {

class DialogWidget;

// Statics, icons and push buttons; a button's click sends its id as WM_COMMAND to the window.
void AddDialogControls(DialogWidget& dialog, CWnd& window, std::span<const DialogControl> controls,
                       DialogBaseUnits units, const QFont& font);

// A static's text as shown: with SS_NOPREFIX literally, otherwise "&" marks the access key and
// "&&" stands for "&".
QString StaticText(std::string_view text, unsigned style);

}  // namespace kolvar
