#pragma once

#include "platform/geometry.h"

namespace kolvar {

// Where a minimised window draws its icon: centred, the odd pixel to the right and bottom,
// truncating toward zero when the icon is the larger.
Point MinimisedIconPosition(Size client, Size icon);

}  // namespace kolvar
