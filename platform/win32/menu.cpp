#include "platform/win32/menu.h"

#include <algorithm>
#include <iterator>
#include <string>
#include <unordered_set>
#include <utility>

#include "platform/keyboard.h"
#include "platform/menu.h"
#include "platform/win32/wide_text.h"
#include "platform/win32/window.h"

#include <oleacc.h>

namespace kolvar {
namespace {

// What an owner-drawn item's data points to. Active Accessibility's proxy names such an item
// only from data that begins with the MSAAMENUINFO of its text, which it reads from the
// program's memory; the program's own data follows.
struct ItemDataRecord {
    MSAAMENUINFO accessible;
    std::uintptr_t programData;
    char32_t accessKey;
};

// The records alive now: the system's item data is looked up among them, never read blindly.
std::unordered_set<const ItemDataRecord*>& LiveRecords() {
    static std::unordered_set<const ItemDataRecord*> records;
    return records;
}

const ItemDataRecord* LiveRecord(std::uintptr_t systemItemData) {
    const auto* record = reinterpret_cast<const ItemDataRecord*>(systemItemData);
    return LiveRecords().contains(record) ? record : nullptr;
}

}  // namespace

class Win32Menu::OwnerDrawnItem {
public:
    OwnerDrawnItem(std::uintptr_t programData, std::wstring text, char32_t accessKey)
        : text_(std::move(text)),
          record_{{MSAA_MENU_SIG, static_cast<DWORD>(text_.size()), text_.data()},
                  programData,
                  accessKey} {
        LiveRecords().insert(&record_);
    }
    ~OwnerDrawnItem() { LiveRecords().erase(&record_); }
    OwnerDrawnItem(const OwnerDrawnItem&) = delete;
    OwnerDrawnItem& operator=(const OwnerDrawnItem&) = delete;

    std::uintptr_t ItemData() const { return reinterpret_cast<std::uintptr_t>(&record_); }

private:
    std::wstring text_;  // ends in a null character, as MSAAMENUINFO asks
    ItemDataRecord record_;
};

std::uintptr_t ProgramItemData(std::uintptr_t systemItemData) {
    const ItemDataRecord* record = LiveRecord(systemItemData);
    return record != nullptr ? record->programData : systemItemData;
}

// The system matches a typed character only against items' strings, which it never shows of an
// owner-drawn item; the keys of those come from here.
std::optional<LRESULT> AnswerMenuChar(WPARAM typed, LPARAM menuHandle) {
    auto* menu = reinterpret_cast<HMENU>(menuHandle);
    const int count = std::max(GetMenuItemCount(menu), 0);
    std::vector<char32_t> keys(static_cast<std::size_t>(count), 0);
    std::optional<std::size_t> highlighted;
    for (int row = 0; row < count; ++row) {
        MENUITEMINFOW item{};
        item.cbSize = sizeof item;
        item.fMask = MIIM_FTYPE | MIIM_STATE | MIIM_DATA;
        if (!GetMenuItemInfoW(menu, static_cast<UINT>(row), TRUE, &item)) {
            continue;
        }
        const auto at = static_cast<std::size_t>(row);
        highlighted = (item.fState & MFS_HILITE) != 0 ? std::optional(at) : highlighted;
        const ItemDataRecord* record =
            (item.fType & MFT_OWNERDRAW) != 0 ? LiveRecord(item.dwItemData) : nullptr;
        keys[at] = record != nullptr ? record->accessKey : 0;
    }
    const std::optional<AccessKeyMatch> match =
        MatchAccessKey(keys, static_cast<char32_t>(LOWORD(typed)), highlighted);
    if (!match) {
        return std::nullopt;
    }
    return MAKELRESULT(static_cast<WORD>(match->item), match->choose ? MNC_EXECUTE : MNC_SELECT);
}

Win32Menu::Win32Menu(HMENU menu, bool owned) : menu_(menu), owned_(owned) {}

Win32Menu::~Win32Menu() {
    if (owned_ && menu_ != nullptr) {
        DestroyMenu(menu_);
    }
}

void Win32Menu::AddText(unsigned id, std::string_view text, bool checked) {
    AppendMenuW(menu_, MF_STRING | (checked ? MF_CHECKED : 0U), id, Widen(text).c_str());
}

// The item keeps its text beside the owner's drawing, which the system never draws; assistive
// technology reads it from the item's data, and the item's access key comes from it.
void Win32Menu::AddOwnerDrawn(unsigned id, std::uintptr_t itemData, bool checked,
                              std::string_view text) {
    std::wstring label = Widen(text);
    ownerDrawn_.push_back(
        std::make_unique<OwnerDrawnItem>(itemData, label, ImplicitAccessKey(text)));
    MENUITEMINFOW item{};
    item.cbSize = sizeof item;
    item.fMask = MIIM_FTYPE | MIIM_ID | MIIM_STATE | MIIM_DATA | MIIM_STRING;
    item.fType = MFT_OWNERDRAW;
    item.fState = checked ? MFS_CHECKED : MFS_UNCHECKED;
    item.wID = id;
    item.dwItemData = ownerDrawn_.back()->ItemData();
    item.dwTypeData = label.data();
    Insert(item);
}

void Win32Menu::AddSubMenu(std::unique_ptr<NativeMenu> subMenu, std::string_view title) {
    auto& sub = static_cast<Win32Menu&>(*subMenu);
    if (AppendMenuW(menu_, MF_POPUP, reinterpret_cast<UINT_PTR>(sub.menu_), Widen(title).c_str())) {
        sub.owned_ = false;  // destroyed with this menu from now on
        std::move(sub.ownerDrawn_.begin(), sub.ownerDrawn_.end(), std::back_inserter(ownerDrawn_));
    }
}

// Wine takes the default from the old item before it looks for the new one, so that an unknown
// id would leave the menu without any: the item is looked for first.
bool Win32Menu::SetDefaultItem(unsigned id) {
    bool found = false;
    for (int row = 0; row < GetMenuItemCount(menu_) && !found; ++row) {
        found = GetMenuItemID(menu_, row) == id;
    }
    return found && SetMenuDefaultItem(menu_, id, FALSE) != FALSE;
}

// The system posts the chosen command to the owner, which handles it after this has returned.
void Win32Menu::Track(unsigned flags, Point screen, CWnd& owner) {
    TrackPopupMenu(menu_, flags, screen.x, screen.y, 0, HandleOf(&owner), nullptr);
}

void Win32Menu::Insert(MENUITEMINFOW& item) {
    InsertMenuItemW(menu_, static_cast<UINT>(GetMenuItemCount(menu_)), TRUE, &item);
}

std::unique_ptr<NativeMenu> CreateNativeMenu() {
    HMENU menu = CreatePopupMenu();
    return menu != nullptr ? std::make_unique<Win32Menu>(menu, true) : nullptr;
}

}  // namespace kolvar
