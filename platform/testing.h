#pragma once

// For tests and benchmarks only: what they may see and do beyond the program's own calls, in the
// program's own terms. The program itself never includes this header, and only tests and
// benchmarks link the library that defines it. Each platform defines all of it; nothing here
// names a toolkit.

#include <chrono>
#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "platform/colour.h"
#include "platform/geometry.h"
#include "platform/menu.h"
#include "platform/surface.h"
#include "platform/system_metrics.h"
#include "platform/window.h"

namespace kolvar {

// The platform

// What a test program's main makes before any test: the platform state that windows, menus and
// fonts need, headless where the platform allows. Exactly one, for the life of main.
class TestPlatform {
public:
    TestPlatform(int& argc, char** argv);
    ~TestPlatform();
    TestPlatform(const TestPlatform&) = delete;
    TestPlatform& operator=(const TestPlatform&) = delete;

private:
    struct State;
    std::unique_ptr<State> state_;
};

// The event loop

// Lets what is pending happen, for at least the given time.
void ProcessEvents(std::chrono::milliseconds atLeast = std::chrono::milliseconds(0));

// Runs the event loop until the condition holds or the patience is used up; whether it holds.
bool WaitUntil(const std::function<bool()>& condition,
               std::chrono::milliseconds patience = std::chrono::seconds(3));

// How many event loops are running inside one another now: a dialog's modal run and a menu's
// tracking each add one.
int EventLoopDepth();

// Runs the step from the event loop once the delay has passed, unless the object dies first.
// Steps scheduled before a blocking call (a modal run, a menu's tracking) run inside its loop.
class LaterStep {
public:
    LaterStep(std::chrono::milliseconds delay, std::function<void()> step);
    ~LaterStep();
    LaterStep(const LaterStep&) = delete;
    LaterStep& operator=(const LaterStep&) = delete;

private:
    struct State;
    std::unique_ptr<State> state_;
};

// Settings

// A per-user settings store of its own, empty at first, for the life of the object: every
// application object reads and writes there meanwhile, also those of programs the test starts.
class SettingsSandbox {
public:
    SettingsSandbox();
    ~SettingsSandbox();
    SettingsSandbox(const SettingsSandbox&) = delete;
    SettingsSandbox& operator=(const SettingsSandbox&) = delete;

private:
    struct State;
    std::unique_ptr<State> state_;
};

// A value straight from the store, as the next run of the named application reads it.
int StoredProfileInt(std::string_view companyKey, std::string_view appName,
                     std::string_view section, std::string_view key, int missing);

// What the store keeps for the named application, as the user could read and edit it; empty
// while it keeps nothing. The second replaces it, as the user might; false if it cannot.
std::string StoredText(std::string_view companyKey, std::string_view appName);
bool ReplaceStoredText(std::string_view companyKey, std::string_view appName,
                       std::string_view text);

// Drawing

// How many drawing objects are alive (brushes, pens, fonts, bitmaps, icons, memory surfaces,
// menus), so that a test can show that nothing leaks.
int LiveDrawingObjects();

// A surface without pixels at the screen's resolution, like a window's outside its paint, to make
// memory surfaces compatible with.
class ScreenSurface : public Surface {
public:
    ScreenSurface();
    ~ScreenSurface() override;
};

// Pixels as the screen shows them, row by row from the top-left.
struct Image {
    int width = 0;
    int height = 0;
    std::vector<Colour> pixels;

    Colour At(int x, int y) const {
        return pixels[static_cast<std::size_t>(y) * static_cast<std::size_t>(width) +
                      static_cast<std::size_t>(x)];
    }
};

// System colours

// Makes the platform report the colour for the COLOR_ index from now on, and tells the windows
// that the system colours have changed, as the user's settings would. Undone when the object
// dies, with the windows told again.
class SystemColourChange {
public:
    SystemColourChange(int index, Colour colour);
    ~SystemColourChange();
    SystemColourChange(const SystemColourChange&) = delete;
    SystemColourChange& operator=(const SystemColourChange&) = delete;

private:
    struct State;
    std::unique_ptr<State> state_;
};

// Makes menus show their items' texts in a font `pixelHeight` pixels high from now on, their
// items as high as it needs, and tells the windows that the settings have changed, as the user's
// choice of menu font or text size would. Undone when the object dies, with the windows told
// again.
class MenuFontChange {
public:
    explicit MenuFontChange(int pixelHeight);
    ~MenuFontChange();
    MenuFontChange(const MenuFontChange&) = delete;
    MenuFontChange& operator=(const MenuFontChange&) = delete;

private:
    struct State;
    std::unique_ptr<State> state_;
};

// Windows

enum class MouseButton { Left, Right };
// Enter is the keypad's, Return the main keyboard's.
enum class Key { Up, Down, Left, Right, Return, Enter, Escape, F10, Menu, Insert };
enum class KeyModifier { None, Shift, Control };

// The window's client area in screen coordinates.
Rect ClientAreaOnScreen(const CWnd& window);

// The rectangle the window's frame or widget takes inside its parent's client area, or on the
// screen for a top-level window.
Rect WindowRect(const CWnd& window);

// The base units of a dialog's font, in pixels, as the platform lays the dialog out in them: on
// Windows measured from the font the dialog shows its texts in, as Windows documents it (the
// average width of the 52 Latin letters, rounded, and the font's height); on a platform that lays
// dialogs out in the classic units, those.
Size DialogBaseUnitsOf(const CWnd& dialog);

// Moves a top-level window, as the user dragging its title bar would, so that its frame's
// top-left corner is at the screen point; false where the window did not go there.
bool MoveWindowTo(const CWnd& window, Point screenTopLeft);

// What the user sees of a window: its top-level window's title and what that window's frame
// lets the user do; whether the window is shown, and every window it lies in too; whether it
// takes the user's input, which a modal run takes from the dialog's owner.
struct WindowFacts {
    std::string title;
    bool resizable = false;
    bool minimiseBox = false;
    bool maximiseBox = false;
    bool shown = false;
    bool takesInput = false;
};
WindowFacts WindowFactsOf(const CWnd& window);

// The part of the screen where top-level windows go, without the task bars and panels.
Rect WorkArea();

// The window that has the keyboard focus among the window and those inside it, or null.
CWnd* FocusWithin(const CWnd& window);

// The images that the icons of a top-level window offer its title bar and task bar, masked
// pixels white, largest first.
std::vector<Image> WindowIconImages(const CWnd& window);

// Asks a top-level window to close, as its title bar's close box does.
void ClickCloseBox(const CWnd& window);

// Tells a top-level window that it is now on a monitor of `dpi`, as Windows does when it is moved
// there: WM_DPICHANGED through the window system, with the rectangle suggested for it there.
void MoveToMonitorOfDpi(CWnd& window, int dpi, const Rect& suggested);

// Waits until the window shows on the screen; false if it does not.
bool WaitForShown(const CWnd& window);

// The window's client area as it looks now, one pixel per client pixel.
Image GrabClientArea(const CWnd& window);

// Counts the paints of a window from the counter's making on.
class PaintCounter {
public:
    explicit PaintCounter(const CWnd& window);
    ~PaintCounter();
    PaintCounter(const PaintCounter&) = delete;
    PaintCounter& operator=(const PaintCounter&) = delete;

    int Count() const;

private:
    struct State;
    std::unique_ptr<State> state_;
};

// Real input, through the platform's own event path, at a point of the window's client area
// (outside it, a point on the window's edge), with the modifier key held.
void Click(const CWnd& window, Point client, MouseButton button,
           KeyModifier modifier = KeyModifier::None);
void DoubleClick(const CWnd& window, Point client, MouseButton button = MouseButton::Left,
                 KeyModifier modifier = KeyModifier::None);
// A key for the window that has the keyboard focus inside the window (the window itself when
// none has).
void PressKey(const CWnd& window, Key key, KeyModifier modifier = KeyModifier::None);

// Each character as its key on the keyboard types it, with the modifier held, for the window that
// has the keyboard focus inside the window: ASCII characters only.
void TypeText(const CWnd& window, std::string_view text, KeyModifier modifier = KeyModifier::None);

// Where the mouse pointer is, in screen coordinates.
Point CursorPosition();

// The innermost modal dialog running and shown now, or null.
CWnd* ActiveModalDialog();

// Clicks the dialog's push button that shows the text; false when it has none.
bool ClickDialogButton(const CWnd& dialog, std::string_view text);

// The font a dialog shows its controls' texts in: the face its template asks for, whether the
// font the platform gives for that face is an outline font, drawn smooth at any size, and each
// character of `text` that the font has no glyph for.
struct DialogFontFacts {
    std::string face;
    bool outline = false;
    std::string missing;
};
DialogFontFacts DialogFontOf(const CWnd& dialog, std::string_view text);

// What assistive technology reads of a window, a dialog or a menu: its role ("graphic",
// "dialog", "menu", "menu item", "text", "editable text", "push button", ...), name and
// description, whether it can be checked (unknown where the platform's assistive technology does
// not say) and is, and its children in order.
struct AccessibleFacts {
    std::string role;
    std::string name;
    std::string description;
    std::optional<bool> checkable;
    bool checked = false;
    std::vector<AccessibleFacts> children;
};
AccessibleFacts AccessibleOf(const CWnd& window);
AccessibleFacts AccessibleOf(const CMenu& menu);

// Counts how often assistive technology is told that the window's name has changed, from the
// counter's making on; a screen reader speaks the new name each time.
class NameAnnouncements {
public:
    explicit NameAnnouncements(const CWnd& window);
    ~NameAnnouncements();
    NameAnnouncements(const NameAnnouncements&) = delete;
    NameAnnouncements& operator=(const NameAnnouncements&) = delete;

    int Count() const;

private:
    struct State;
    std::unique_ptr<State> state_;
};

// Menus

// One entry of a menu as the user meets it.
struct MenuItemFacts {
    enum class Kind { Text, Separator, SubMenu, OwnerDrawn };
    Kind kind = Kind::Text;
    // A text item's text or a sub-menu's title, "&" marks included; owner-drawn items show
    // what their owner draws and have none.
    std::string text;
    unsigned id = 0;
    bool checked = false;
    bool isDefault = false;
    bool bold = false;  // as the default item shows
    std::uintptr_t data = 0;
    std::vector<MenuItemFacts> subMenu;  // a sub-menu entry's items
};

std::vector<MenuItemFacts> ItemsOf(const CMenu& menu);

// While a menu is tracked: the innermost open menu, where it is on the screen and where each of
// its entries lies inside it, relative to the menu's top-left corner.
struct OpenMenuFacts {
    Rect frame;
    std::vector<MenuItemFacts> items;
    std::vector<Rect> itemRects;
};
std::optional<OpenMenuFacts> ActiveMenu();

// The innermost open menu painted afresh, frame included: every item is drawn whole again.
Image GrabActiveMenu();

// The text's extent in the font that menus show their items in.
Size MenuTextExtent(std::string_view text);

// How many menus are open: one while a menu is tracked, and one more for each sub-menu open in
// it.
int OpenMenuCount();

// Real input to the innermost open menu; rows count separators.
void HoverMenuItem(int row);
void ClickMenuItem(int row, MouseButton button);
void PressMenuKey(Key key);
// The key of a letter, as an item's access key.
void PressMenuAccessKey(char letter);
// A left click beside the innermost open menu, above and left of it.
void ClickOutsideMenus();

// Runs `open`, which blocks in a menu's tracking, and `steps` from inside that once the menu is
// open; whatever the steps leave open is closed afterwards, so that a failing step cannot hang
// the test, and a chosen command has reached its window when this returns.
void RunWhileMenuOpen(const std::function<void()>& open, const std::function<void()>& steps);

}  // namespace kolvar
