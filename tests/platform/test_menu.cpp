#include "test_menu.h"

#include <chrono>

#include "platform/testing.h"

namespace kolvar::test_menu {
namespace {

CMenu OwnerDrawnMenu(const std::vector<unsigned>& ids) {
    CMenu menu;
    menu.CreatePopupMenu();
    for (const unsigned id : ids) {
        const unsigned checked = id == kCheckedColour ? MF_CHECKED : 0;
        menu.AppendMenu(MF_OWNERDRAW | checked, id, ItemData{DataFor(id)});
    }
    return menu;
}

}  // namespace

std::uintptr_t DataFor(unsigned id) {
    return 0xC0DE0000U + id;
}

CMenu Build() {
    CMenu menu;
    menu.CreatePopupMenu();
    menu.AppendMenu(MF_STRING | MF_CHECKED, kAlpha, "&Alpha");
    menu.AppendMenu(MF_SEPARATOR, 0, "");
    menu.AppendMenu(MF_POPUP, OwnerDrawnMenu(kColourIds), "&Colours");
    menu.AppendMenu(MF_POPUP, OwnerDrawnMenu(kMoreIds), "&More");
    menu.AppendMenu(MF_SEPARATOR, 0, "");
    menu.AppendMenu(MF_STRING, kClose, "&Close");
    menu.SetMenuDefaultItem(kClose);
    return menu;
}

void TrackedMenu::SetUp() {
    ASSERT_TRUE(owner.CreateEx(0, WS_VISIBLE, {0, 0, 300, 200}, nullptr, 0));
    ASSERT_TRUE(WaitForShown(owner));
}

void TrackedMenu::TrackWhile(Point at, const std::function<void()>& steps) {
    RunWhileMenuOpen([&] { menu.TrackPopupMenu(TPM_RIGHTBUTTON, at.x, at.y, owner); }, steps);
}

bool OpenedAnotherMenu(int openBefore) {
    const bool opened = WaitUntil([openBefore] { return OpenMenuCount() > openBefore; });
    ProcessEvents(std::chrono::milliseconds(20));
    return opened;
}

}  // namespace kolvar::test_menu
