#pragma once

#include "platform/dialog.h"

namespace kolvar {

// The template of dialog `id`, or nullptr when the program has no such dialog.
const DialogTemplate* FindDialogTemplate(unsigned id);

}  // namespace kolvar
