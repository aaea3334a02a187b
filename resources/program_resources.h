#pragma once

#include "platform/resource_module.h"

namespace kolvar {

// Everything the program loads by id: the picture, the icon, the dialog templates and the strings.
// Unknown ids give empty bytes, no template or an empty string.
const ResourceModule& ProgramResources();

}  // namespace kolvar
