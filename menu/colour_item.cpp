#include "menu/colour_item.h"

#include <optional>

#include "picture/picture_colours.h"
#include "platform/surface.h"
#include "resources/resource_ids.h"
#include "resources/string_table.h"

namespace kolvar {
namespace {

struct ItemColours {
    Colour background;
    Colour text;
};

// A selected item keeps its highlight however it comes to be repainted: an expose or a closing
// sub-menu repaints it whole, without the selection-change action.
ItemColours ColoursFor(const DRAWITEMSTRUCT& item, const SysColours& colours) {
    if (item.itemState & ODS_SELECTED) {
        return {colours.highlight, colours.highlightText};
    }
    return {colours.menu, colours.menuText};
}

// Halves toward minus infinity, so a mark larger than its cell is centred the same way as a
// smaller one.
int FloorHalf(int value) {
    return value >= 0 ? value / 2 : -((1 - value) / 2);
}

// The one-bit mark takes the item's text colour on the item's background colour. It is made for
// the pixels it lands on, which the toolkit may make denser than the item's coordinates, and
// copied onto them one for one, so that its strokes keep one width.
void DrawCheckMark(Surface& surface, const Rect& cell, const SysColours& colours) {
    const int pixelDpi = surface.DeviceDpi(colours.dpi);
    Bitmap mark = LoadBitmap(OBM_CHECK, pixelDpi);
    if (!mark) {
        return;
    }
    const BitmapInfo info = GetObject(mark);
    const int cellSide = colours.menuItemHeight;
    const Size size{MulDiv(info.width, colours.dpi, pixelDpi),
                    MulDiv(info.height, colours.dpi, pixelDpi)};
    auto markSurface = CreateCompatibleDC(surface);
    Selected selectedMark(markSurface, mark);
    surface.StretchBlt(cell.left + FloorHalf(cellSide - size.cx),
                       cell.top + FloorHalf(cellSide - size.cy), size.cx, size.cy, markSurface, 0,
                       0, info.width, info.height, SRCCOPY);
}

void DrawSwatch(Surface& surface, const Rect& area, const DRAWITEMSTRUCT& item, Colour background,
                int dpi) {
    const int inset = ScaledForDpi(2, dpi);
    Rect swatch{area.left, area.top + inset, area.left + SwatchWidth(dpi), area.bottom - inset};
    const bool noBand = item.itemID == ID_NO_BAND_ITEM;
    Pen frame(BODY_BEIGE);
    Brush fill(noBand ? background : static_cast<Colour>(item.itemData));
    Selected selectedPen(surface, frame);
    Selected selectedBrush(surface, fill);
    surface.Rectangle(swatch.left, swatch.top, swatch.right, swatch.bottom);
    if (noBand) {
        surface.SetBkMode(TRANSPARENT);
        surface.DrawText(LoadText(ID_NO_COLOUR_TEXT), swatch, DT_CENTER | DT_SINGLELINE);
    }
}

}  // namespace

bool HasSwatch(unsigned itemId) {
    return itemId >= ID_FIRST_SWATCH_ITEM && itemId <= ID_NO_BAND_ITEM;
}

int SwatchWidth(int dpi) {
    return ScaledForDpi(kSwatchWidth, dpi);
}

unsigned ColourItemWidth(unsigned itemId, int itemHeight, int labelWidth, int dpi) {
    const int width = itemHeight + labelWidth + (HasSwatch(itemId) ? SwatchWidth(dpi) : 0);
    return static_cast<unsigned>(width);
}

// Under a theme, as the menu's own items: the theme draws the highlight.
void DrawColourItem(const DRAWITEMSTRUCT& item, const SysColours& colours) {
    Surface& surface = *item.hDC;
    Rect area = item.rcItem;
    ItemColours itemColours = ColoursFor(item, colours);
    const std::optional<ThemedHighlight> themed =
        (item.itemState & ODS_SELECTED) != 0 && colours.themedMenus
            ? DrawThemedMenuHighlight(surface, area, colours.dpi)
            : std::nullopt;
    if (themed) {
        itemColours = {themed->background, themed->text};
    } else {
        surface.FillRect(area, Brush(itemColours.background));
    }
    surface.SetBkColor(itemColours.background);
    surface.SetTextColor(itemColours.text);

    const int cellSide = colours.menuItemHeight;
    if (item.itemState & ODS_CHECKED) {
        DrawCheckMark(surface, area, colours);
    }
    area.left += cellSide;
    if (HasSwatch(item.itemID)) {
        DrawSwatch(surface, area, item, itemColours.background, colours.dpi);
        area.left += SwatchWidth(colours.dpi);
    }
    surface.DrawText(LoadText(item.itemID), area, DT_CENTER | DT_VCENTER | DT_SINGLELINE);
}

}  // namespace kolvar
