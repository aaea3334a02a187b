#pragma once

#include "platform/application.h"

namespace kolvar {

// Everything the platform loads by id: the picture, the icon and the dialog templates. Unknown
// ids give empty bytes or no template.
const ResourceModule& ProgramResources();

}  // namespace kolvar
