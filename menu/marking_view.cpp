#include "menu/marking_view.h"

#include <optional>
#include <string_view>

#include "menu/colour_item.h"
#include "menu/colour_menu.h"
#include "platform/application.h"
#include "platform/dialog.h"
#include "platform/surface.h"
#include "platform/system_metrics.h"
#include "resources/resource_ids.h"
#include "resources/string_table.h"

namespace kolvar {

const MessageMap* CMarkingView::ClassMessageMap() {
    static constexpr MessageMapEntry kEntries[] = {
        OnWmRButtonDown<&CMarkingView::OnMenuClick>(),
        OnWmLButtonDblClk<&CMarkingView::OnMenuClick>(),
        OnWmContextMenu<&CMarkingView::OnContextMenu>(),
        OnWmMeasureItem<&CMarkingView::OnMeasureItem>(),
        OnWmDrawItem<&CMarkingView::OnDrawItem>(),
        OnCommand<ID_FIVE_BAND, &CMarkingView::OnFiveBand>(),
        OnCommandRange<35006, 35014, &CMarkingView::OnDigit1>(),
        OnCommandRange<35015, 35024, &CMarkingView::OnDigit2>(),
        OnCommandRange<35025, 35034, &CMarkingView::OnDigit3>(),
        OnCommandRange<35035, 35046, &CMarkingView::OnPower>(),
        OnCommandRange<35048, 35059, &CMarkingView::OnOvershoot>(),
        OnCommand<ID_ABOUT, &CMarkingView::OnAboutItem>(),
        OnCommand<IDOK, &CMarkingView::OnCloseItem>(),
    };
    static constexpr MessageMap kMap{&CPictureView::ClassMessageMap, kEntries};
    return &kMap;
}

void CMarkingView::OnMenuClick(unsigned, Point point) {
    TrackColourMenu(point);
    Default();
}

// The keyboard's request opens the menu at the view's centre and leaves the pointer where it
// is; a mouse button has opened the menu through its own message already.
void CMarkingView::OnContextMenu(CWnd*, Point screenPoint) {
    if (screenPoint != kKeyboardContextPoint) {
        Default();
        return;
    }
    const Rect client = GetClientRect();
    ShowColourMenu(ClientToScreen({client.Width() / 2, client.Height() / 2}));
}

void CMarkingView::TrackColourMenu(Point point) {
    const Point screen = ClientToScreen(point);
    SetCursorPos(screen.x, screen.y);
    ShowColourMenu(screen);
}

void CMarkingView::ShowColourMenu(Point screenPoint) {
    CMenu menu = BuildColourMenu(bandCode_);
    menu.TrackPopupMenu(TPM_RIGHTBUTTON, screenPoint.x, screenPoint.y, *this);
}

// Measured in the view's own font; the view is never given one, so that is the platform's
// default font for a fresh surface.
void CMarkingView::OnMeasureItem(int, MEASUREITEMSTRUCT& item) {
    const std::string_view label = LoadText(item.itemID);
    CClientDC surface(*this);
    const auto* font = reinterpret_cast<const Font*>(SendMessage(WM_GETFONT));
    std::optional<Selected<const Font>> selectedFont;
    if (font != nullptr) {
        selectedFont.emplace(surface, *font);
    }
    const int labelWidth = surface.GetTextExtentPoint32(label).cx;
    item.itemWidth = ColourItemWidth(item.itemID, sysColours_.menuItemHeight, labelWidth);
    item.itemHeight = static_cast<unsigned>(sysColours_.menuItemHeight);
    Default();
}

void CMarkingView::OnDrawItem(int, DRAWITEMSTRUCT& item) {
    DrawColourItem(item, sysColours_);
    Default();
}

void CMarkingView::OnFiveBand() {
    ToggleFiveBand(bandCode_);
    SelectionChanged(false);
}

// The command table's ranges are the only bound on the ids that arrive here.
void CMarkingView::OnDigit1(unsigned id) {
    SetDigit1(bandCode_, static_cast<ColourCode>(id - ID_DIGIT1_BASE));
    SelectionChanged(true);
}

void CMarkingView::OnDigit2(unsigned id) {
    SetDigit2(bandCode_, static_cast<ColourCode>(id - ID_DIGIT2_BASE));
    SelectionChanged(true);
}

void CMarkingView::OnDigit3(unsigned id) {
    SetDigit3(bandCode_, static_cast<ColourCode>(id - ID_DIGIT3_BASE));
    SelectionChanged(true);
}

void CMarkingView::OnPower(unsigned id) {
    SetPower(bandCode_, static_cast<ColourCode>(id) - static_cast<ColourCode>(ID_POWER_BASE));
    SelectionChanged(true);
}

void CMarkingView::OnOvershoot(unsigned id) {
    SetOvershoot(bandCode_,
                 static_cast<ColourCode>(id) - static_cast<ColourCode>(ID_OVERSHOOT_BASE));
    SelectionChanged(true);
}

// The main dialog answers the About command modally, so this returns after the box has closed.
void CMarkingView::OnAboutItem() {
    if (CWnd* main = AfxGetMainWnd()) {
        main->SendMessage(WM_SYSCOMMAND, ID_ABOUT, 0);
    }
}

void CMarkingView::OnCloseItem() {
    CWnd* owner = GetOwner() != nullptr ? GetOwner() : GetParent();
    if (auto* dialog = dynamic_cast<CDialog*>(owner)) {
        dialog->EndDialog(IDOK);
    }
}

}  // namespace kolvar
