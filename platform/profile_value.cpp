#include "platform/profile_value.h"

#include <algorithm>
#include <charconv>
#include <cstdint>

namespace kolvar {

std::string FormatProfileInt(int value) {
    return std::to_string(static_cast<std::uint32_t>(value));
}

std::optional<int> ParseProfileInt(std::string_view text) {
    const bool digitsOnly = !text.empty() && std::all_of(text.begin(), text.end(), [](char c) {
        return c >= '0' && c <= '9';
    });
    if (!digitsOnly) {
        return std::nullopt;
    }
    std::uint32_t value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (error != std::errc() || end != text.data() + text.size()) {
        return std::nullopt;
    }
    return static_cast<int>(value);
}

}  // namespace kolvar
