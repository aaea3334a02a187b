#pragma once

// Inside the platform only: what keys mean to dialogs and windows, for a backend whose toolkit
// does not give them that meaning itself.

#include <cstddef>
#include <optional>
#include <span>
#include <string_view>

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

// The access key of an owner-drawn menu item, which has no marked one: the first letter or digit
// of the text it is read by, "4" of "4, жёлтый" and "5" of "± 5 %", in upper case; 0 for a text
// without one. Letters are Latin and Cyrillic, as the program's texts are.
char32_t ImplicitAccessKey(std::string_view utf8Text);

// What a typed character does among a menu's items that have these access keys (0 for one
// without), the highlight being on `highlighted`: the one item with that key is chosen; of
// several, the next after the highlight is highlighted, round the menu; none match, nothing.
struct AccessKeyMatch {
    std::size_t item = 0;
    bool choose = false;
};
std::optional<AccessKeyMatch> MatchAccessKey(std::span<const char32_t> keys, char32_t typed,
                                             std::optional<std::size_t> highlighted);

}  // namespace kolvar
