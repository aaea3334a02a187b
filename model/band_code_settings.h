#pragma once

#include <array>
#include <concepts>
#include <cstdint>
#include <string_view>

#include "model/band_code.h"

namespace kolvar {

// The selection lives in section "Settings" of the per-user store, one key per field.
inline constexpr std::string_view kSettingsSection = "Settings";

struct SettingsKey {
    std::string_view name;
    std::int32_t BandCode::*field;
    std::int32_t defaultValue;
    bool isColourCode;  // "Extended" takes any value; the colour fields only codes -2..9
};

// In the order they are read and written.
inline constexpr std::array<SettingsKey, 6> kSettingsKeys = {{
    {"Extended", &BandCode::extended, 0, false},
    {"Digit 1", &BandCode::digit1, 1, true},
    {"Digit 2", &BandCode::digit2, 2, true},
    {"Digit 3", &BandCode::digit3, 5, true},
    {"Power", &BandCode::power, 3, true},
    {"Overshoot", &BandCode::overshoot, kSilver, true},
}};

template <class Store>
concept ProfileReader = requires(const Store& store, std::string_view text, int value) {
    { store.GetProfileInt(text, text, value) } -> std::convertible_to<int>;
};

template <class Store>
concept ProfileWriter = requires(Store& store, std::string_view text, int value) {
    store.WriteProfileInt(text, text, value);
};

// This is the one place where stored values enter: a colour field outside -2..9 (a hand-edited
// or damaged store) takes its key's default, so it can never index the colour table or reach
// the caption. Codes inside that range stay as stored, even those the menu does not offer.
template <ProfileReader Store>
BandCode LoadBandCode(const Store& store) {
    BandCode code;
    for (const SettingsKey& key : kSettingsKeys) {
        const std::int32_t value =
            store.GetProfileInt(kSettingsSection, key.name, key.defaultValue);
        code.*key.field = !key.isColourCode || IsColourCode(value) ? value : key.defaultValue;
    }
    return code;
}

// All six keys, every time, whether or not anything changed.
template <ProfileWriter Store>
void SaveBandCode(Store& store, const BandCode& code) {
    for (const SettingsKey& key : kSettingsKeys) {
        store.WriteProfileInt(kSettingsSection, key.name, code.*key.field);
    }
}

}  // namespace kolvar
