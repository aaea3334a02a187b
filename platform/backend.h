#pragma once

// Inside the platform only: what a backend provides. The framework's own logic (message
// dispatch and default handling, the modal run of dialogs and their default commands, the
// rules of menus, the application object, the grouping of settings) is written once against
// what this header names. A backend folder (qt/, win32/) defines all of it, and beside it:
//   - every drawing operation of surface.h (surfaces, fonts, bitmaps, icons), on its own
//     SurfaceState and drawing-object data, with the flood fill of flood_fill.h;
//   - the system colours and metrics of system_metrics.h;
//   - AfxWinMain, the process's start, and OpenProfileStore (profile_store.h).

#include <memory>
#include <string_view>
#include <vector>

#include "platform/geometry.h"
#include "platform/message_map.h"

namespace kolvar {

class CMenu;
class CWnd;
class Icon;
class NativeMenu;
struct DialogTemplate;

// The window system's window behind a CWnd, from its creation on. The object lives as long as
// the CWnd or until the CWnd makes another window; the window itself may be gone before that.
class NativeWindow {
public:
    NativeWindow() = default;
    NativeWindow(const NativeWindow&) = delete;
    NativeWindow& operator=(const NativeWindow&) = delete;
    virtual ~NativeWindow() = default;

    // False once the window is destroyed, by DestroyWindow or with its parent.
    virtual bool Exists() const = 0;
    // WM_DESTROY reaches the window and then each of its descendants; then the window goes.
    virtual void Destroy() = 0;
    virtual void Show() = 0;
    // The whole client area is painted again later, in one WM_PAINT.
    virtual void Invalidate() = 0;
    virtual Size ClientSize() const = 0;
    virtual Point ClientToScreen(Point client) const = 0;
    virtual void SetFocus() = 0;
    virtual bool IsMinimised() const = 0;
    // Either may be null: the other stands in for it.
    virtual void ShowIcons(const Icon* big, const Icon* small) = 0;
    virtual void SetAccessibleText(std::string_view name, std::string_view description) = 0;
    // The CWnds whose windows have this one as their parent.
    virtual std::vector<CWnd*> Children() const = 0;
    // The window menu, where the window system lets a program extend it; null where it does not.
    // The menu stays the window system's.
    virtual std::unique_ptr<NativeMenu> SystemMenu() = 0;
    // The window system's own handling of a message the framework has none for: a system
    // command's move, minimise or restore, for instance.
    virtual LRESULT DefaultHandling(const Message& message) = 0;
    // Ends the modal run of a dialog's window; RunModalDialog then returns.
    virtual void EndModalRun() = 0;
};

// Makes the window of a CWnd made with CreateEx (a child window, or without a parent a
// top-level one), hidden, and gives it to the CWnd (StateOf(window).native); WM_CREATE reaches
// the window inside this call. False when no window could be made, or when WM_CREATE answered
// -1, in which case the window is destroyed again.
bool CreateNativeWindow(CWnd& window, const CREATESTRUCT& create, CWnd* parent);

// Makes the dialog's window from its template, over its owner (which may be null), and gives it
// to the CWnd; sends WM_INITDIALOG; then, unless EndDialog has been called meanwhile, shows the
// window centred and dispatches until the run is ended, the owner taking no input meanwhile.
// The framework destroys the window afterwards.
void RunModalDialog(CWnd& dialog, const DialogTemplate& dialogTemplate, CWnd* owner);

// A menu of the window system behind a CMenu. The texts are UTF-8, "&" marking an access key.
class NativeMenu {
public:
    NativeMenu() = default;
    NativeMenu(const NativeMenu&) = delete;
    NativeMenu& operator=(const NativeMenu&) = delete;
    virtual ~NativeMenu() = default;

    virtual void AddText(unsigned id, std::string_view text, bool checked) = 0;
    virtual void AddSeparator() = 0;
    // Measured and drawn by the owner while tracked; the text only tells assistive technology
    // what the drawing shows.
    virtual void AddOwnerDrawn(unsigned id, std::uintptr_t itemData, bool checked,
                               std::string_view text) = 0;
    // The sub-menu belongs to this menu from now on and is destroyed with it.
    virtual void AddSubMenu(std::unique_ptr<NativeMenu> subMenu, std::string_view title) = 0;
    virtual bool SetDefaultItem(unsigned id) = 0;
    // Shows the menu with its top-left corner at the screen point and returns once it has
    // closed. Meanwhile the owner gets a WM_MEASUREITEM for each owner-drawn item before it is
    // first shown and a WM_DRAWITEM whenever one must be painted; a chosen item's command
    // reaches the owner as WM_COMMAND after this has returned.
    virtual void Track(unsigned flags, Point screen, CWnd& owner) = 0;
};

// The native menu behind a CMenu; null when it has none.
NativeMenu* NativeOf(const CMenu& menu);

// `popup` tells a pop-up menu (CreatePopupMenu) from one made to be a sub-menu (CreateMenu).
std::unique_ptr<NativeMenu> CreateNativeMenu(bool popup);

}  // namespace kolvar
