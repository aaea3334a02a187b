// The test seam on Win32: open menus, what they hold and input to them.

#include <algorithm>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "platform/scope_exit.h"
#include "platform/testing.h"
#include "platform/win32/menu.h"
#include "platform/win32/testing_internals.h"

namespace kolvar {
namespace {

using Clock = std::chrono::steady_clock;

constexpr ULONG_PTR kMenuClass = 32768;
constexpr UINT kTrackingTurnMs = 10;
constexpr int kOutside = 30;
// Wine tells a menu that opened under the pointer of the pointer's entering it a moment later,
// as a move that drops the highlight keys may have made meanwhile: the steps begin once the
// menu has been open that long, as a user's would.
constexpr std::chrono::milliseconds kMenuSettle(100);

std::vector<MenuItemFacts> FactsOf(HMENU menu);

// The system shows the default item in bold; owner-drawn items show what their owner draws.
MenuItemFacts FactsOf(HMENU menu, int row) {
    wchar_t text[256] = {};
    MENUITEMINFOW item{};
    item.cbSize = sizeof item;
    item.fMask = MIIM_FTYPE | MIIM_ID | MIIM_STATE | MIIM_DATA | MIIM_SUBMENU | MIIM_STRING;
    item.dwTypeData = text;
    item.cch = static_cast<UINT>(std::size(text));
    MenuItemFacts facts;
    if (!GetMenuItemInfoW(menu, static_cast<UINT>(row), TRUE, &item)) {
        facts.text = "<no item " + std::to_string(row) + ">";
        return facts;
    }
    facts.isDefault = (item.fState & MFS_DEFAULT) != 0;
    facts.bold = facts.isDefault;
    if ((item.fType & MFT_SEPARATOR) != 0) {
        facts.kind = MenuItemFacts::Kind::Separator;
        return facts;
    }
    facts.text = Utf8Of(std::wstring_view(text, item.cch));
    if (item.hSubMenu != nullptr) {
        facts.kind = MenuItemFacts::Kind::SubMenu;
        facts.subMenu = FactsOf(item.hSubMenu);
        return facts;
    }
    if ((item.fType & MFT_OWNERDRAW) != 0) {
        facts.kind = MenuItemFacts::Kind::OwnerDrawn;
        facts.text.clear();
    }
    facts.id = item.wID;
    facts.checked = (item.fState & MFS_CHECKED) != 0;
    facts.data = ProgramItemData(item.dwItemData);
    return facts;
}

std::vector<MenuItemFacts> FactsOf(HMENU menu) {
    std::vector<MenuItemFacts> items;
    for (int row = 0; row < GetMenuItemCount(menu); ++row) {
        items.push_back(FactsOf(menu, row));
    }
    return items;
}

struct OpenMenu {
    HWND window;
    HMENU menu;
};

std::vector<OpenMenu> OpenMenus() {
    std::vector<OpenMenu> menus;
    EnumThreadWindows(
        GetCurrentThreadId(),
        [](HWND hwnd, LPARAM found) -> BOOL {
            if (GetClassLongPtrW(hwnd, GCW_ATOM) == kMenuClass && IsWindowVisible(hwnd)) {
                auto* menu = reinterpret_cast<HMENU>(SendMessageW(hwnd, MN_GETHMENU, 0, 0));
                reinterpret_cast<std::vector<OpenMenu>*>(found)->push_back({hwnd, menu});
            }
            return TRUE;
        },
        reinterpret_cast<LPARAM>(&menus));
    return menus;
}

bool HasSubMenu(HMENU menu, HMENU subMenu) {
    for (int row = 0; row < GetMenuItemCount(menu); ++row) {
        if (GetSubMenu(menu, row) == subMenu) {
            return true;
        }
    }
    return false;
}

// The open menu none of whose items has another open menu for its sub-menu.
std::optional<OpenMenu> Innermost() {
    const std::vector<OpenMenu> menus = OpenMenus();
    for (const OpenMenu& candidate : menus) {
        if (std::none_of(menus.begin(), menus.end(), [&candidate](const OpenMenu& other) {
                return HasSubMenu(candidate.menu, other.menu);
            })) {
            return candidate;
        }
    }
    return std::nullopt;
}

RECT ItemRect(const OpenMenu& open, int row) {
    RECT item{};
    GetMenuItemRect(nullptr, open.menu, static_cast<UINT>(row), &item);
    return item;
}

bool PointAtItem(int row) {
    const std::optional<OpenMenu> open = Innermost();
    if (!open || row < 0 || row >= GetMenuItemCount(open->menu)) {
        return false;
    }
    const RECT item = ItemRect(*open, row);
    return ::SetCursorPos((item.left + item.right) / 2, (item.top + item.bottom) / 2) != FALSE;
}

// The steps of the RunWhileMenuOpen running now. They run on a fiber of their own, which the
// tracking loop's timer resumes, so that they run inside the loop and hand it control whenever
// they wait: the loop then takes the input they sent. A timer's turn comes only once nothing
// else is pending, so a step resumed has all its input handled.
struct MenuSteps {
    const std::function<void()>* steps = nullptr;
    void* tracking = nullptr;
    void* stepping = nullptr;
    Clock::time_point resumeAt;
    bool started = false;
    bool finished = false;
    bool steppingNow = false;
};

MenuSteps*& RunningSteps() {
    static MenuSteps* running = nullptr;
    return running;
}

void SwitchToSteps(MenuSteps& run) {
    run.steppingNow = true;
    SwitchToFiber(run.stepping);
    run.steppingNow = false;
}

void CALLBACK TakeTurn(HWND /*window*/, UINT /*message*/, UINT_PTR /*timer*/, DWORD /*time*/) {
    MenuSteps& run = *RunningSteps();
    if (!run.started && run.resumeAt == Clock::time_point() && !OpenMenus().empty()) {
        run.resumeAt = Clock::now() + kMenuSettle;
    }
    if (run.finished || run.resumeAt == Clock::time_point() || Clock::now() < run.resumeAt) {
        return;
    }
    run.started = true;
    SwitchToSteps(run);
    if (run.finished) {
        EndMenu();  // whatever the steps left open
    }
}

void WINAPI RunSteps(void* parameter) {
    auto& run = *static_cast<MenuSteps*>(parameter);
    (*run.steps)();
    run.finished = true;
    SwitchToFiber(run.tracking);
}

// Only the test's own thread tracks menus; it stays a fiber once it is one.
void* ThisThreadsFiber() {
    static void* const fiber = ConvertThreadToFiber(nullptr);
    return fiber;
}

}  // namespace

bool InMenuSteps() {
    return RunningSteps() != nullptr && RunningSteps()->steppingNow;
}

void LetMenuTrackingRun(std::chrono::milliseconds atLeast) {
    RunningSteps()->resumeAt = Clock::now() + atLeast;
    SwitchToFiber(RunningSteps()->tracking);
}

std::vector<MenuItemFacts> ItemsOf(const CMenu& menu) {
    const auto* native = static_cast<const Win32Menu*>(NativeOf(menu));
    return native != nullptr ? FactsOf(native->Handle()) : std::vector<MenuItemFacts>();
}

std::optional<OpenMenuFacts> ActiveMenu() {
    const std::optional<OpenMenu> open = Innermost();
    RECT frame{};
    if (!open || !GetWindowRect(open->window, &frame)) {
        return std::nullopt;
    }
    OpenMenuFacts facts{
        {frame.left, frame.top, frame.right, frame.bottom}, FactsOf(open->menu), {}};
    for (int row = 0; row < GetMenuItemCount(open->menu); ++row) {
        const RECT item = ItemRect(*open, row);
        facts.itemRects.push_back({item.left - frame.left, item.top - frame.top,
                                   item.right - frame.left, item.bottom - frame.top});
    }
    return facts;
}

// The system paints a menu's window as any other: invalidated, it draws every item whole again.
Image GrabActiveMenu() {
    const std::optional<OpenMenu> open = Innermost();
    RECT frame{};
    if (!open || !GetWindowRect(open->window, &frame)) {
        return {};
    }
    RedrawWindow(open->window, nullptr, nullptr,
                 RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_UPDATENOW);
    HDC dc = GetWindowDC(open->window);
    const ScopeExit release([&open, dc] { ReleaseDC(open->window, dc); });
    return GrabFrom(dc, {0, 0, frame.right - frame.left, frame.bottom - frame.top});
}

Size MenuTextExtent(std::string_view text) {
    NONCLIENTMETRICSW metrics{};
    metrics.cbSize = sizeof metrics;
    SystemParametersInfoW(SPI_GETNONCLIENTMETRICS, sizeof metrics, &metrics, 0);
    HFONT font = CreateFontIndirectW(&metrics.lfMenuFont);
    HDC screen = GetDC(nullptr);
    HGDIOBJ original = ::SelectObject(screen, font);
    const std::wstring wide = Utf16Of(text);
    SIZE extent{};
    GetTextExtentPoint32W(screen, wide.c_str(), static_cast<int>(wide.size()), &extent);
    ::SelectObject(screen, original);
    ReleaseDC(nullptr, screen);
    DeleteObject(font);
    return {extent.cx, extent.cy};
}

int OpenMenuCount() {
    return static_cast<int>(OpenMenus().size());
}

void HoverMenuItem(int row) {
    if (PointAtItem(row)) {
        ProcessEvents();
    }
}

void ClickMenuItem(int row, MouseButton button) {
    if (PointAtItem(row)) {
        SendClicks(button, 1);
        ProcessEvents();
    }
}

void PressMenuKey(Key key) {
    if (!OpenMenus().empty()) {
        SendKey(key, KeyModifier::None);
        ProcessEvents();
    }
}

// The key that types the letter on the keyboard's layout.
void PressMenuAccessKey(char letter) {
    if (!OpenMenus().empty()) {
        SendVirtualKey(LOBYTE(VkKeyScanW(static_cast<wchar_t>(letter))));
        ProcessEvents();
    }
}

void ClickOutsideMenus() {
    const std::optional<OpenMenu> open = Innermost();
    RECT frame{};
    if (open && GetWindowRect(open->window, &frame) &&
        ::SetCursorPos(frame.left - kOutside, frame.top - kOutside)) {
        SendClicks(MouseButton::Left, 1);
        ProcessEvents();
    }
}

// Steps that the menu's end interrupted finish before the command it posted is dispatched.
void RunWhileMenuOpen(const std::function<void()>& open, const std::function<void()>& steps) {
    MenuSteps run;
    run.steps = &steps;
    run.tracking = ThisThreadsFiber();
    run.stepping = CreateFiber(0, &RunSteps, &run);
    const auto running = Override(RunningSteps(), &run);
    const UINT_PTR timer = SetTimer(nullptr, 0, kTrackingTurnMs, &TakeTurn);
    open();
    KillTimer(nullptr, timer);
    while (run.started && !run.finished) {
        SwitchToSteps(run);
    }
    DeleteFiber(run.stepping);
    ProcessEvents();
}

}  // namespace kolvar
