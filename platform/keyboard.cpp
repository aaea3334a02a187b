#include "platform/keyboard.h"

#include <algorithm>
#include <utility>

#include "platform/dialog.h"

namespace kolvar {
namespace {

constexpr char32_t kCyrillicCapitalA = 0x410;
constexpr char32_t kCyrillicSmallA = 0x430;
constexpr char32_t kCyrillicSmallYa = 0x44F;
constexpr char32_t kCyrillicSmallIe = 0x450;  // ѐ to џ follow я; their capitals come before А
constexpr char32_t kCyrillicSmallDzhe = 0x45F;
constexpr char32_t kCyrillicCapitalIe = 0x400;

char32_t UpperCase(char32_t c) {
    if (c >= U'a' && c <= U'z') {
        return c - U'a' + U'A';
    }
    if (c >= kCyrillicSmallA && c <= kCyrillicSmallYa) {
        return c - kCyrillicSmallA + kCyrillicCapitalA;
    }
    if (c >= kCyrillicSmallIe && c <= kCyrillicSmallDzhe) {
        return c - kCyrillicSmallIe + kCyrillicCapitalIe;
    }
    return c;
}

bool IsKeyCharacter(char32_t c) {
    const char32_t upper = UpperCase(c);
    return (upper >= U'0' && upper <= U'9') || (upper >= U'A' && upper <= U'Z') ||
           (upper >= kCyrillicCapitalIe && upper < kCyrillicSmallA);
}

// The character that begins at `at`, and where the next begins; a broken sequence reads as one
// character that is no key.
std::pair<char32_t, std::size_t> DecodeAt(std::string_view text, std::size_t at) {
    const auto lead = static_cast<unsigned char>(text[at]);
    const std::size_t length = lead < 0x80 ? 1 : lead < 0xE0 ? 2 : lead < 0xF0 ? 3 : 4;
    if (length == 1 || at + length > text.size()) {
        return {length == 1 ? lead : 0, at + 1};
    }
    char32_t c = lead & (0x7F >> length);
    for (std::size_t next = at + 1; next < at + length; ++next) {
        c = c << 6 | (static_cast<unsigned char>(text[next]) & 0x3F);
    }
    return {c, at + length};
}

}  // namespace

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

char32_t ImplicitAccessKey(std::string_view utf8Text) {
    for (std::size_t at = 0; at < utf8Text.size();) {
        const auto [c, next] = DecodeAt(utf8Text, at);
        if (IsKeyCharacter(c)) {
            return UpperCase(c);
        }
        at = next;
    }
    return 0;
}

std::optional<AccessKeyMatch> MatchAccessKey(std::span<const char32_t> keys, char32_t typed,
                                             std::optional<std::size_t> highlighted) {
    const char32_t key = UpperCase(typed);
    if (key == 0 || !IsKeyCharacter(key)) {
        return std::nullopt;
    }
    const auto matches = static_cast<std::size_t>(std::ranges::count(keys, key));
    const std::size_t start = highlighted && *highlighted < keys.size() ? *highlighted + 1 : 0;
    for (std::size_t step = 0; step < keys.size(); ++step) {
        const std::size_t item = (start + step) % keys.size();
        if (keys[item] == key) {
            return AccessKeyMatch{item, matches == 1};
        }
    }
    return std::nullopt;
}

}  // namespace kolvar
