#pragma once

// Inside the Win32 backend only: a dialog of the program's resources as the dialog manager
// takes it.

#include <cstdint>
#include <string_view>
#include <vector>

#include "platform/dialog.h"

namespace kolvar {

// The template as an extended dialog template (DLGTEMPLATEEX with its DLGITEMTEMPLATEEX items),
// in dialog units, texts in UTF-16. An icon static's text is `iconName`, which assistive
// technology reads for the icon; the dialog shows the icon the template names once it is made.
std::vector<std::uint16_t> DialogTemplateWords(const DialogTemplate& dialogTemplate,
                                               std::string_view iconName);

}  // namespace kolvar
