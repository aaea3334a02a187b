#pragma once

#include <cstdint>
#include <span>

#include "model/band_code.h"
#include "platform/menu.h"

namespace kolvar {

// One band's sub-menu: its title, the codes it offers top to bottom, and where the choice goes.
struct BandMenu {
    unsigned titleId;
    unsigned base;  // command id = base + code
    std::int32_t BandCode::*field;
    std::span<const ColourCode> codes;
    bool fiveBandOnly;
};

std::span<const BandMenu> BandMenus();

// What a colour item carries: its drawing colour, or nothing for the no-band tolerance.
std::uintptr_t ColourItemData(unsigned id, ColourCode code);

// The colour menu for the current selection, built afresh for each opening.
CMenu BuildColourMenu(const BandCode& code);

}  // namespace kolvar
