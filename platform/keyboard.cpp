#include "platform/keyboard.h"

#include "platform/dialog.h"

namespace kolvar {

std::optional<unsigned> DialogKeyCommand(const KeyPress& press, unsigned defaultCommand) {
    if (press.modifiers != 0) {
        return std::nullopt;
    }
    switch (press.key) {
        case KeyCode::Escape:
            return kCancelCommand;
        case KeyCode::Return:
        case KeyCode::Enter:
            return defaultCommand;
        default:
            return std::nullopt;
    }
}

bool AsksForContextMenu(const KeyPress& press) {
    return press.key == KeyCode::F10 && press.modifiers == kShiftKey;
}

}  // namespace kolvar
