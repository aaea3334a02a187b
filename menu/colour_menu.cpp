#include "menu/colour_menu.h"

#include <algorithm>
#include <string>

#include "resources/string_table.h"

namespace kolvar {
namespace {

// "100, красный": the label as drawn, then what the swatch shows.
std::string AccessibleItemText(unsigned id, ColourCode code) {
    std::string text(LoadText(id));
    text += ", ";
    text += id == ID_NO_BAND_ITEM ? LoadText(ID_NO_COLOUR_TEXT) : ColourName(code);
    return text;
}

CMenu BuildBandMenu(const BandMenu& band, ColourCode current) {
    CMenu menu;
    menu.CreatePopupMenu();
    for (ColourCode code : band.codes) {
        const unsigned checked = code == current ? MF_CHECKED : 0;
        const unsigned id = band.IdOf(code);
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

const BandMenu* BandOfCommand(unsigned id) {
    const auto* band =
        std::ranges::find_if(kBandMenus, [id](const BandMenu& menu) { return menu.Covers(id); });
    return band != kBandMenus.end() ? band : nullptr;
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
    AppendTextItem(menu, 0, ID_VALUE_ENTRY, ID_VALUE_ENTRY);
    AppendTextItem(menu, 0, ID_ABOUT, ID_ABOUT_TEXT);
    AppendSeparator(menu);
    AppendTextItem(menu, 0, IDOK, ID_CLOSE_TEXT);
    menu.SetMenuDefaultItem(IDOK);
    return menu;
}

}  // namespace kolvar
