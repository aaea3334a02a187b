#include "app/icon_position.h"

namespace kolvar {

Point MinimisedIconPosition(Size client, Size icon) {
    return {(client.cx - icon.cx + 1) / 2, (client.cy - icon.cy + 1) / 2};
}

}  // namespace kolvar
