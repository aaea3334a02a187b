#pragma once

// Inside the platform only: what keys mean to dialogs and windows, for a backend whose toolkit
// does not give them that meaning itself.

#include <optional>

namespace kolvar {

enum class KeyCode { Return, Enter, Escape, F10, Other };

// Of the modifiers held with a key, the keypad's is never one: Enter on the keypad is Enter.
inline constexpr unsigned kShiftKey = 0x1;
inline constexpr unsigned kControlKey = 0x2;
inline constexpr unsigned kAltKey = 0x4;
inline constexpr unsigned kMetaKey = 0x8;

struct KeyPress {
    KeyCode key = KeyCode::Other;
    unsigned modifiers = 0;
};

// The command a key gives in a dialog: Enter the default command, Esc IDCANCEL, neither with a
// modifier held; none for any other key.
std::optional<unsigned> DialogKeyCommand(const KeyPress& press, unsigned defaultCommand);

// Whether the key asks for a window's context menu as the context-menu key does: Shift+F10.
bool AsksForContextMenu(const KeyPress& press);

}  // namespace kolvar
