#include "menu/colour_menu.h"

#include <array>
#include <string>

#include "resources/resource_ids.h"
#include "resources/string_table.h"

namespace kolvar {
namespace {

constexpr std::array<ColourCode, 9> kFirstDigits = {1, 2, 3, 4, 5, 6, 7, 8, 9};
constexpr std::array<ColourCode, 10> kDigits = {0, 1, 2, 3, 4, 5, 6, 7, 8, 9};
constexpr std::array<ColourCode, 12> kPowers = {-2, -1, 0, 1, 2, 3, 4, 5, 6, 7, 8, 9};
// Black, orange and yellow mark no tolerance, so they are not offered.
constexpr std::array<ColourCode, 9> kTolerances = {-2, -1, 1, 2, 5, 6, 7, 8, 9};

constexpr std::array kBandMenus = {
    BandMenu{ID_DIGIT1_TITLE, ID_DIGIT1_BASE, &BandCode::digit1, kFirstDigits, false},
    BandMenu{ID_DIGIT2_TITLE, ID_DIGIT2_BASE, &BandCode::digit2, kDigits, false},
    BandMenu{ID_DIGIT3_TITLE, ID_DIGIT3_BASE, &BandCode::digit3, kDigits, true},
    BandMenu{ID_POWER_TITLE, ID_POWER_BASE, &BandCode::power, kPowers, false},
    BandMenu{ID_OVERSHOOT_TITLE, ID_OVERSHOOT_BASE, &BandCode::overshoot, kTolerances, false},
};

unsigned ItemId(const BandMenu& band, ColourCode code) {
    return band.base + static_cast<unsigned>(code);
}

// "100, красный": the label as drawn, then what the swatch shows.
std::string AccessibleItemText(unsigned id, ColourCode code) {
    std::string text(LoadText(id));
    text += ", ";
    text += id == ID_NO_BAND_ITEM ? LoadText(ID_NO_COLOUR_TEXT) : ColourName(code);
    return text;
}

CMenu BuildBandMenu(const BandMenu& band, ColourCode current) {
    CMenu menu;
    menu.CreateMenu();
    for (ColourCode code : band.codes) {
        const unsigned checked = code == current ? MF_CHECKED : 0;
        const unsigned id = ItemId(band, code);
        menu.AppendMenu(MF_OWNERDRAW | checked, id, ItemData{ColourItemData(id, code)},
                        AccessibleItemText(id, code));
    }
    return menu;
}

void AppendTextItem(CMenu& menu, unsigned flags, unsigned id, unsigned textId) {
    menu.AppendMenu(MF_STRING | flags, id, LoadText(textId));
}

void AppendSeparator(CMenu& menu) {
    menu.AppendMenu(MF_SEPARATOR, 0, std::string_view{});
}

}  // namespace

std::span<const BandMenu> BandMenus() {
    return kBandMenus;
}

std::uintptr_t ColourItemData(unsigned id, ColourCode code) {
    return id == ID_NO_BAND_ITEM ? 0 : ColourOf(code);
}

CMenu BuildColourMenu(const BandCode& code) {
    CMenu menu;
    menu.CreatePopupMenu();
    AppendTextItem(menu, IsFiveBand(code) ? MF_CHECKED : 0, ID_FIVE_BAND, ID_FIVE_BAND);
    AppendSeparator(menu);
    for (const BandMenu& band : kBandMenus) {
        if (band.fiveBandOnly && !IsFiveBand(code)) {
            continue;
        }
        menu.AppendMenu(MF_POPUP, BuildBandMenu(band, code.*band.field), LoadText(band.titleId));
    }
    AppendSeparator(menu);
    AppendTextItem(menu, 0, ID_ABOUT, ID_ABOUT_TEXT);
    AppendSeparator(menu);
    AppendTextItem(menu, 0, IDOK, ID_CLOSE_TEXT);
    menu.SetMenuDefaultItem(IDOK);
    return menu;
}

}  // namespace kolvar
