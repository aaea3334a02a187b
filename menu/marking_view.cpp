#include "menu/marking_view.h"

#include <algorithm>
#include <optional>
#include <string>
#include <string_view>
#include <utility>

#include "menu/colour_item.h"
#include "menu/colour_menu.h"
#include "menu/value_dialog.h"
#include "model/caption_text.h"
#include "model/value_entry.h"
#include "platform/application.h"
#include "platform/clipboard.h"
#include "platform/dialog.h"
#include "platform/surface.h"
#include "platform/system_metrics.h"
#include "resources/resource_ids.h"
#include "resources/string_table.h"

namespace kolvar {
namespace {

// More than any value is written in, and little enough for any field to hold.
constexpr std::size_t kPastedTextLimit = 1024;

bool IsControlHeld() {
    return GetKeyState(VK_CONTROL) < 0;
}

// A value copied from a table or a document comes with the line's end or the cell's spaces.
// What is longer than a value can be is cut at a character's start.
std::string PastedValueText(std::string text) {
    constexpr std::string_view kSpace = " \t\r\n";
    text.erase(0, std::min(text.find_first_not_of(kSpace), text.size()));
    text.erase(std::min(text.find_last_not_of(kSpace) + 1, text.size()));
    if (text.size() > kPastedTextLimit) {
        std::size_t end = kPastedTextLimit;
        while (end > 0 && (static_cast<unsigned char>(text[end]) & 0xC0) == 0x80) {
            --end;
        }
        text.resize(end);
    }
    return text;
}

bool OpensValueDialog(unsigned character) {
    return (character >= '0' && character <= '9') || character == '.' || character == ',';
}

}  // namespace

const MessageMap* CMarkingView::ClassMessageMap() {
    static constexpr MessageMapEntry kEntries[] = {
        OnWmRButtonDown<&CMarkingView::OnMenuClick>(),
        OnWmLButtonDblClk<&CMarkingView::OnMenuClick>(),
        // A right press soon after the last one, as when the menu was just closed, comes as a
        // double click: it is a press all the same.
        OnWmRButtonDblClk<&CMarkingView::OnMenuClick>(),
        OnWmContextMenu<&CMarkingView::OnContextMenu>(),
        OnWmGetDlgCode<&CMarkingView::OnGetDlgCode>(),
        OnWmChar<&CMarkingView::OnChar>(),
        OnWmKeyDown<&CMarkingView::OnKeyDown>(),
        OnWmMeasureItem<&CMarkingView::OnMeasureItem>(),
        OnWmDrawItem<&CMarkingView::OnDrawItem>(),
        OnCommand<ID_FIVE_BAND, &CMarkingView::OnFiveBand>(),
        OnCommandRange<kBandMenus.front().FirstId(), kBandMenus.back().LastId(),
                       &CMarkingView::OnColourItem>(),
        OnCommand<ID_VALUE_ENTRY, &CMarkingView::OnValueItem>(),
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
    CMenu menu = BuildColourMenu(bandCode());
    menu.TrackPopupMenu(TPM_RIGHTBUTTON, screenPoint.x, screenPoint.y, *this);
}

// Measured in the font the menu draws its items' texts in, at the view's dpi, where the menu shows.
void CMarkingView::OnMeasureItem(int, MEASUREITEMSTRUCT& item) {
    const std::string_view label = LoadText(item.itemID);
    CClientDC surface(*this);
    const Font menuFont(MenuFontForDpi(sysColours().dpi));
    const Selected selectedFont(surface, menuFont);
    const int labelWidth = surface.GetTextExtentPoint32(label).cx;
    item.itemWidth =
        ColourItemWidth(item.itemID, sysColours().menuItemHeight, labelWidth, sysColours().dpi);
    item.itemHeight = static_cast<unsigned>(sysColours().menuItemHeight);
    Default();
}

void CMarkingView::OnDrawItem(int, DRAWITEMSTRUCT& item) {
    DrawColourItem(item, sysColours());
    Default();
}

// Typed characters reach the view rather than the dialog manager, which would take them for
// access keys.
LRESULT CMarkingView::OnGetDlgCode() {
    return DLGC_WANTCHARS;
}

void CMarkingView::OnChar(unsigned character) {
    if (OpensValueDialog(character)) {
        OpenValueDialog(std::string(1, static_cast<char>(character)), TextSelection::CaretAtEnd);
        return;
    }
    Default();
}

void CMarkingView::OnKeyDown(unsigned key) {
    if (IsControlHeld() && (key == 'C' || key == VK_INSERT)) {
        SetClipboardText(*this, CaptionText(bandCode()));
        return;
    }
    if (IsControlHeld() && key == 'V') {
        if (std::optional<std::string> text = GetClipboardText()) {
            OpenValueDialog(PastedValueText(std::move(*text)), TextSelection::CaretAtEnd);
        }
        return;
    }
    Default();
}

// Modal over the main window, as the About box; the choice is applied as a menu choice is.
void CMarkingView::OpenValueDialog(std::string text, TextSelection selection) {
    CValueDialog dialog(bandCode(), std::move(text), selection);
    if (dialog.DoModal() == IDOK) {
        ChangeSelection(dialog.chosen(), true);
    }
}

void CMarkingView::OnValueItem() {
    OpenValueDialog(EntryTextOf(bandCode()), TextSelection::All);
}

void CMarkingView::OnFiveBand() {
    BandCode code = bandCode();
    ToggleFiveBand(code);
    ChangeSelection(code, false);
}

// Every band's commands arrive here; an id between two bands' ranges changes nothing.
void CMarkingView::OnColourItem(unsigned id) {
    if (const BandMenu* band = BandOfCommand(id)) {
        BandCode code = bandCode();
        code.*band->field = band->CodeOf(id);
        ChangeSelection(code, true);
    }
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
