#pragma once

// Inside the Win32 backend only: a dialog of the program's resources as the dialog manager
// takes it.

#include <cstdint>
#include <vector>

#include "platform/dialog.h"

namespace kolvar {

// The template as an extended dialog template (DLGTEMPLATEEX with its DLGITEMTEMPLATEEX items),
// in dialog units, texts in UTF-16. An icon static gets no text: the dialog shows the icon it
// names once it is made.
std::vector<std::uint16_t> DialogTemplateWords(const DialogTemplate& dialogTemplate);

}  // namespace kolvar
