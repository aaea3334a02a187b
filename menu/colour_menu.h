#pragma once

#include <array>
#include <cstdint>
#include <span>

#include "model/band_code.h"
#include "platform/menu.h"
#include "resources/resource_ids.h"

namespace kolvar {

// One band's sub-menu: its title, the codes it offers top to bottom, and where the choice goes.
// Its commands are base + code, from its first code's to its last code's: a code between them
// that the menu does not offer still names the band's command, and sets the field all the same.
struct BandMenu {
    unsigned titleId;
    unsigned base;
    std::int32_t BandCode::*field;
    std::span<const ColourCode> codes;
    bool fiveBandOnly;

    // Codes below zero come before the base: the unsigned sum wraps back to the right id.
    constexpr unsigned IdOf(ColourCode code) const { return base + static_cast<unsigned>(code); }
    constexpr unsigned FirstId() const { return IdOf(codes.front()); }
    constexpr unsigned LastId() const { return IdOf(codes.back()); }
    constexpr bool Covers(unsigned id) const { return FirstId() <= id && id <= LastId(); }
    constexpr ColourCode CodeOf(unsigned id) const { return static_cast<ColourCode>(id - base); }
};

namespace band_codes {

inline constexpr std::array<ColourCode, 9> kFirstDigits = {1, 2, 3, 4, 5, 6, 7, 8, 9};
inline constexpr std::array<ColourCode, 10> kDigits = {0, 1, 2, 3, 4, 5, 6, 7, 8, 9};
inline constexpr std::array<ColourCode, 12> kPowers = {-2, -1, 0, 1, 2, 3, 4, 5, 6, 7, 8, 9};
// Black, orange and yellow mark no tolerance, so they are not offered.
inline constexpr std::array<ColourCode, 9> kTolerances = {-2, -1, 1, 2, 5, 6, 7, 8, 9};

}  // namespace band_codes

// The sub-menus in menu order, which is also the order of their commands.
inline constexpr std::array kBandMenus = {
    BandMenu{ID_DIGIT1_TITLE, ID_DIGIT1_BASE, &BandCode::digit1, band_codes::kFirstDigits, false},
    BandMenu{ID_DIGIT2_TITLE, ID_DIGIT2_BASE, &BandCode::digit2, band_codes::kDigits, false},
    BandMenu{ID_DIGIT3_TITLE, ID_DIGIT3_BASE, &BandCode::digit3, band_codes::kDigits, true},
    BandMenu{ID_POWER_TITLE, ID_POWER_BASE, &BandCode::power, band_codes::kPowers, false},
    BandMenu{ID_OVERSHOOT_TITLE, ID_OVERSHOOT_BASE, &BandCode::overshoot, band_codes::kTolerances,
             false},
};

// The first digit's base is the tolerance title's id, which is safe only because the first digit
// never offers black (code 0): the title's id is never a command.
static_assert(ID_DIGIT1_BASE == ID_OVERSHOOT_TITLE && band_codes::kFirstDigits.front() > 0);

// Each band's commands come after the one before it, none shared.
static_assert([] {
    for (std::size_t band = 1; band < kBandMenus.size(); ++band) {
        if (kBandMenus[band - 1].LastId() >= kBandMenus[band].FirstId()) {
            return false;
        }
    }
    return true;
}());
// The colour items with a swatch are exactly those of the bands' ranges; the last of them, white
// in the tolerance, stands for no band, and the unit strings come after it.
static_assert(kBandMenus.front().FirstId() == ID_FIRST_SWATCH_ITEM);
static_assert(kBandMenus.back().LastId() == ID_NO_BAND_ITEM &&
              kBandMenus.back().CodeOf(ID_NO_BAND_ITEM) == kWhite &&
              ID_NO_BAND_ITEM < ID_UNIT_BASE);

// The band whose commands include the id, or null.
const BandMenu* BandOfCommand(unsigned id);

// What a colour item carries: its drawing colour, or nothing for the no-band tolerance.
std::uintptr_t ColourItemData(unsigned id, ColourCode code);

// The colour menu for the current selection, built afresh for each opening.
CMenu BuildColourMenu(const BandCode& code);

}  // namespace kolvar
