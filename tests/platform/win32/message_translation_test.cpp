#include "platform/win32/message_translation.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <utility>
#include <vector>

#include "platform/menu.h"
#include "platform/scope_exit.h"
#include "platform/system_metrics.h"
#include "platform/testing.h"
#include "platform/win32/surface.h"
#include "platform/win32/window.h"
#include "resources/program_resources.h"

namespace kolvar {
namespace {

LRESULT Translate(UINT message, WPARAM wParam, LPARAM lParam,
                  const std::function<LRESULT(const Message&)>& handler) {
    return DispatchTranslated({message, wParam, lParam}, handler, [] { return LRESULT{-7}; });
}

TEST(MessageTranslation, DrawItemsDeviceContextReachesTheHandlerAsASurfaceThatDrawsOnIt) {
    BITMAPINFO info{};
    info.bmiHeader = {sizeof info.bmiHeader, 4, -4, 1, 32, BI_RGB, 0, 0, 0, 0, 0};
    void* bits = nullptr;
    HBITMAP bitmap = CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    HDC dc = ::CreateCompatibleDC(nullptr);
    HGDIOBJ original = ::SelectObject(dc, bitmap);
    const ScopeExit release([&] {
        ::SelectObject(dc, original);
        DeleteDC(dc);
        DeleteObject(bitmap);
    });
    ::DRAWITEMSTRUCT raw{ODT_MENU, 0,  35010,        ODA_SELECT, ODS_SELECTED | ODS_CHECKED,
                         nullptr,  dc, {0, 1, 4, 3}, 0xC0FFEE};
    DRAWITEMSTRUCT seen;
    Translate(WM_DRAWITEM, 0, reinterpret_cast<LPARAM>(&raw), [&seen](const Message& message) {
        seen = *reinterpret_cast<DRAWITEMSTRUCT*>(message.lParam);
        seen.hDC->FillRect(seen.rcItem, Brush(Rgb(10, 20, 30)));
        return LRESULT{1};
    });
    EXPECT_EQ(seen.itemID, 35010U);
    EXPECT_EQ(seen.itemAction, ODA_SELECT);
    EXPECT_EQ(seen.itemState, ODS_SELECTED | ODS_CHECKED);
    EXPECT_EQ(seen.itemData, 0xC0FFEEU);
    GdiFlush();
    const auto* pixels = static_cast<const std::uint32_t*>(bits);
    EXPECT_EQ(pixels[0] & 0xFFFFFF, 0U) << "above the item";
    EXPECT_EQ(pixels[4 * 2 + 3] & 0xFFFFFF, 0x0A141EU) << "inside the item";
}

TEST(MessageTranslation, MeasureItemsSizeGoesBackToTheSystem) {
    ::MEASUREITEMSTRUCT raw{ODT_MENU, 0, 35010, 0, 0, 0xBEEF};
    std::uintptr_t data = 0;
    Translate(WM_MEASUREITEM, 0, reinterpret_cast<LPARAM>(&raw), [&data](const Message& message) {
        auto& request = *reinterpret_cast<MEASUREITEMSTRUCT*>(message.lParam);
        data = request.itemData;
        request.itemWidth = 123;
        request.itemHeight = 19;
        return LRESULT{1};
    });
    EXPECT_EQ(data, 0xBEEFU);
    EXPECT_EQ(raw.itemWidth, 123U);
    EXPECT_EQ(raw.itemHeight, 19U);
}

TEST(MessageTranslation, ContextMenusWindowHandleBecomesItsWindowAndTheIconItsHandle) {
    CWnd window;
    ASSERT_TRUE(window.CreateEx(0, 0, {0, 0, 20, 20}, nullptr, 0));
    std::vector<WPARAM> clicked;
    const auto note = [&clicked](const Message& message) {
        clicked.push_back(message.wParam);
        return LRESULT{0};
    };
    Translate(WM_CONTEXTMENU, reinterpret_cast<WPARAM>(HandleOf(&window)), MAKELPARAM(3, 4), note);
    Translate(WM_CONTEXTMENU, reinterpret_cast<WPARAM>(GetDesktopWindow()), -1, note);
    EXPECT_EQ(clicked, (std::vector<WPARAM>{reinterpret_cast<WPARAM>(&window), 0}));

    AfxSetResourceModule(ProgramResources());
    const Icon icon = LoadIcon(128);
    const LRESULT dragged = Translate(WM_QUERYDRAGICON, 0, 0, [&icon](const Message&) {
        return reinterpret_cast<LRESULT>(&icon);
    });
    ICONINFO parts{};
    ASSERT_TRUE(GetIconInfo(reinterpret_cast<HICON>(dragged), &parts));
    BITMAP colour{};
    GetObjectW(parts.hbmColor, sizeof colour, &colour);
    DeleteObject(parts.hbmColor);
    DeleteObject(parts.hbmMask);
    EXPECT_EQ(colour.bmWidth, GetSystemMetrics(SM_CXICON));
}

// The owner measures and draws each owner-drawn item with the item's data, and learns which is
// checked; the chosen command reaches it once the menu's loop has ended.
class MenuOwner : public CWnd {
public:
    std::vector<std::uintptr_t> measured;
    std::vector<std::pair<std::uintptr_t, bool>> drawn;
    std::vector<std::pair<unsigned, int>> commands;

    static const MessageMap* ClassMessageMap() {
        static constexpr MessageMapEntry kEntries[] = {
            OnWmMeasureItem<&MenuOwner::OnMeasureItem>(),
            OnWmDrawItem<&MenuOwner::OnDrawItem>(),
            OnCommandRange<1, 0xFFFF, &MenuOwner::OnCommand>(),
        };
        static constexpr MessageMap kMap{&CWnd::ClassMessageMap, kEntries};
        return &kMap;
    }

protected:
    const MessageMap* GetMessageMap() const override { return ClassMessageMap(); }

private:
    void OnMeasureItem(int, MEASUREITEMSTRUCT& item) {
        measured.push_back(item.itemData);
        item.itemWidth = 80;
        item.itemHeight = 20;
    }
    void OnDrawItem(int, DRAWITEMSTRUCT& item) {
        drawn.emplace_back(item.itemData, (item.itemState & ODS_CHECKED) != 0);
    }
    void OnCommand(unsigned id) { commands.emplace_back(id, EventLoopDepth()); }
};

TEST(OwnerDrawnMenu, ItemsAreMeasuredAndDrawnWithTheirDataAndTheCommandComesAfterTracking) {
    MenuOwner owner;
    ASSERT_TRUE(owner.CreateEx(0, WS_VISIBLE, {100, 100, 300, 200}, nullptr, 0));
    CMenu menu;
    menu.CreatePopupMenu();
    menu.AppendMenu(MF_OWNERDRAW | MF_CHECKED, 41, ItemData{0xC0FFEE}, "checked");
    menu.AppendMenu(MF_OWNERDRAW, 42, ItemData{0xBEEF}, "plain");
    // By the mouse: a pointer that the display moves late, off the menu, takes its selection
    // away, and keys pressed before then would choose another item.
    RunWhileMenuOpen([&] { menu.TrackPopupMenu(0, 150, 150, owner); },
                     [] { ClickMenuItem(1, MouseButton::Left); });
    EXPECT_EQ(owner.measured, (std::vector<std::uintptr_t>{0xC0FFEE, 0xBEEF}));
    using Drawn = std::pair<std::uintptr_t, bool>;
    EXPECT_NE(std::find(owner.drawn.begin(), owner.drawn.end(), Drawn{0xC0FFEE, true}),
              owner.drawn.end());
    EXPECT_NE(std::find(owner.drawn.begin(), owner.drawn.end(), Drawn{0xBEEF, false}),
              owner.drawn.end());
    EXPECT_EQ(owner.commands, (std::vector<std::pair<unsigned, int>>{{42, 0}}));
}

}  // namespace
}  // namespace kolvar
