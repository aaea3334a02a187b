#pragma once

// Inside the platform only: everything a backend provides, and nothing else. The framework's own
// logic (message dispatch and default handling, the modal run of dialogs and their default
// commands, the rules of menus, the application object and its start, the drawing objects and
// the bookkeeping of what is selected into a surface, the grouping of settings) is written once,
// in the platform's shared files, against what this header names; so are the rules of the
// services that a window system may lack, for a backend to use where it must emulate them
// (dib_reader.h, dialog_layout.h, keyboard.h, owner_drawn_item.h, drawing_rules.h,
// flood_fill.h).
//
// A backend is a folder of platform/ (qt/, win32/) whose sources define every function and every
// class of this header, and whose CMakeLists.txt builds them with kolvar_platform_backend and
// says what the backend can do (kolvar_provides). A backend for a POSIX desktop adds posix/
// (process, termination signals, settings file) and provides the descriptor watch below. Beside
// it, the backend defines the test seam of testing.h. Only a backend includes its toolkit.

#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "platform/colour.h"
#include "platform/dib_reader.h"
#include "platform/flood_fill.h"
#include "platform/geometry.h"
#include "platform/message_map.h"
#include "platform/surface.h"

namespace kolvar {

class CMenu;
class CWnd;
class NativeMenu;
class ProfileStore;
struct DialogTemplate;
enum class TextSelection;

// Start-up and end ------------------------------------------------------------------------------

// The window system started for the program, until the object dies.
class EventLoop {
public:
    EventLoop() = default;
    EventLoop(const EventLoop&) = delete;
    EventLoop& operator=(const EventLoop&) = delete;
    virtual ~EventLoop() = default;

    // Dispatches events until QuitEventLoop; returns the status it was given.
    virtual int Run() = 0;
};

// Starts the window system for the program named `program`; null, said in one line on standard
// error, where it cannot start (no display, for instance). The window system may take arguments
// of its own out of argc and argv, and keeps them for the loop's life.
std::unique_ptr<EventLoop> StartEventLoop(int& argc, char** argv, const std::string& program);

// Makes the running EventLoop::Run return the status once the event being handled is done.
void QuitEventLoop(int status);

// Closes every open pop-up menu without a choice.
void CloseMenus();

// Windows ---------------------------------------------------------------------------------------

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
    // The whole window's rectangle: in its parent's client area, or on the screen for a
    // top-level one, frame included.
    virtual void Move(const Rect& rect) = 0;
    // The dots per inch the program draws the window at, 96 at 100 %: its monitor's where the
    // window system leaves the scaling to the program, the system's where it is too old to say.
    virtual int Dpi() const = 0;
    virtual Point ClientToScreen(Point client) const = 0;
    virtual void SetFocus() = 0;
    virtual bool IsMinimised() const = 0;
    // The icons of the title bar and the task bar: the large image of the big icon and the small
    // image of the small one. Either is null only while the window has no icon at all.
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
    // Ends the modal run of a dialog's window with the result; RunModalDialog then returns.
    virtual void EndModalRun(std::int32_t result) = 0;

    // A dialog's controls by id, as CDialog's operations of the same names say: a text is UTF-8,
    // a change of an edit control's text reaches the dialog as WM_COMMAND with EN_CHANGE, and
    // an id the window has no control of is no control at all.
    virtual void SetItemText(int id, std::string_view text) = 0;
    virtual std::string ItemText(int id) const = 0;
    virtual void EnableItem(int id, bool enabled) = 0;
    // As the Tab key gives the control the focus; an edit control's text then selected as asked.
    virtual void FocusItem(int id, TextSelection selection) = 0;
};

// Makes the window of a CWnd made with CreateEx (a child window, or without a parent a
// top-level one), hidden, and gives it to the CWnd (StateOf(window).native); WM_CREATE reaches
// the window inside this call. False when no window could be made, or when WM_CREATE answered
// -1, in which case the window is destroyed again.
bool CreateNativeWindow(CWnd& window, const CREATESTRUCT& create, CWnd* parent);

// Makes the dialog's window from its template, over its owner (which may be null), and gives it
// to the CWnd; sends WM_INITDIALOG; then, unless EndDialog has been called meanwhile, shows the
// window centred (CentredWindowRect) and dispatches until the run is ended, the owner taking no
// input meanwhile. Its icon statics show the icon the template names, read by assistive
// technology as the application's name. The framework destroys the window afterwards.
void RunModalDialog(CWnd& dialog, const DialogTemplate& dialogTemplate, CWnd* owner);

// Menus -----------------------------------------------------------------------------------------

// A menu of the window system behind a CMenu. The texts are UTF-8, "&" marking an access key.
class NativeMenu {
public:
    NativeMenu() = default;
    NativeMenu(const NativeMenu&) = delete;
    NativeMenu& operator=(const NativeMenu&) = delete;
    virtual ~NativeMenu() = default;

    virtual void AddText(unsigned id, std::string_view text, bool checked) = 0;
    virtual void AddSeparator() = 0;
    // Measured and drawn by the owner while tracked (see owner_drawn_item.h); the text only
    // tells assistive technology what the drawing shows.
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

// An empty pop-up menu, which may also be shown as another's sub-menu.
std::unique_ptr<NativeMenu> CreateNativeMenu();

// Drawing ---------------------------------------------------------------------------------------
// The framework keeps what is selected into a surface, the stock objects and the pixels of the
// program's colour bitmaps, and fills on those itself; a backend draws.

class NativeFont {
public:
    NativeFont() = default;
    NativeFont(const NativeFont&) = delete;
    NativeFont& operator=(const NativeFont&) = delete;
    virtual ~NativeFont() = default;
};

class NativeBitmap {
public:
    NativeBitmap() = default;
    NativeBitmap(const NativeBitmap&) = delete;
    NativeBitmap& operator=(const NativeBitmap&) = delete;
    virtual ~NativeBitmap() = default;

    virtual BitmapInfo Info() const = 0;
    // A colour bitmap's pixels, for the program to read and write in place, once whatever the
    // window system was drawing on them has finished; no pixels for a one-bit bitmap.
    virtual Raster Pixels() = 0;
};

// With its mask: drawn, only the unmasked pixels show.
class NativeIcon {
public:
    NativeIcon() = default;
    NativeIcon(const NativeIcon&) = delete;
    NativeIcon& operator=(const NativeIcon&) = delete;
    virtual ~NativeIcon() = default;
};

// The closest installed font.
std::unique_ptr<NativeFont> CreateNativeFont(const LogFont& request);
// Black, for a surface of the resolution (fonts given in points are sized by it).
std::unique_ptr<NativeBitmap> CreateColourBitmap(int width, int height, int logPixelsY);
// All 0 bits.
std::unique_ptr<NativeBitmap> CreateOneBitBitmap(int width, int height);
// The pixels exactly as decoded; alpha is not kept. Null where the system has no room.
std::unique_ptr<NativeBitmap> CreateColourBitmap(const DibImage& image);
// The system's check mark (OBM_CHECK), one bit deep: the mark 0 bits, the rest 1 bits. One
// that has none of its own draws the mark of drawing_rules.h.
std::unique_ptr<NativeBitmap> CreateCheckMarkBitmap();
// The same for pixels at the dpi, with strokes of one width at every size.
std::unique_ptr<NativeBitmap> CreateCheckMarkBitmap(int dpi);
// An icon whose large image is made from the image of an icon file at the large side, and its
// small image likewise (see IconImageFor); null when the images cannot be read.
std::unique_ptr<NativeIcon> CreateNativeIcon(const IconFileImage& large, int largeSide,
                                             const IconFileImage& small, int smallSide);

// Memory surfaces draw into the bitmap selected into them; paint surfaces on a window during its
// WM_PAINT, client surfaces on a window outside one (where a toolkit can only measure), and
// borrowed surfaces on what the window system lends for one request, a menu item's.
enum class SurfaceKind { memory, paint, client, borrowed };

// A drawing surface of the window system: a device context, or a painter and its image.
class NativeSurface {
public:
    NativeSurface() = default;
    NativeSurface(const NativeSurface&) = delete;
    NativeSurface& operator=(const NativeSurface&) = delete;
    virtual ~NativeSurface() = default;

    // Null: the surface's default font.
    virtual void SelectFont(const NativeFont* font) = 0;
    // Memory surfaces only. Null puts back what the surface held when it was made.
    virtual void SelectBitmap(NativeBitmap* bitmap) = 0;
    // Each returns the value before.
    virtual int SetBkMode(int mode) = 0;
    virtual Colour SetTextColor(Colour colour) = 0;
    virtual Colour SetBkColor(Colour colour) = 0;
    virtual int LogPixelsY() const = 0;
    // How many device pixels a coordinate spans; 1 where it is one.
    virtual double DevicePixelRatio() const { return 1.0; }

    virtual void FillRect(const Rect& rect, Colour colour) = 0;
    // The outline in the pen's colour on the rectangle's outermost pixels, the inside in the
    // brush's.
    virtual void Rectangle(const Rect& rect, Colour pen, Colour brush) = 0;
    // An exact copy of the source's pixels from `from` into `to`; a one-bit source's 0 bits take
    // this surface's text colour and its 1 bits its background colour.
    virtual void BitBlt(const Rect& to, const NativeSurface& source, Point from) = 0;
    // Returns the mode before. The program asks for COLORONCOLOR only.
    virtual int SetStretchBltMode(int mode) = 0;
    // The source's pixels in `from` onto `to`, each target pixel the source pixel it falls on
    // (COLORONCOLOR): an enlargement by a whole factor shows every source pixel as a block of
    // exactly that many pixels; a one-bit source as BitBlt colours it.
    virtual void StretchBlt(const Rect& to, const NativeSurface& source, const Rect& from) = 0;
    // A pixel of a selected bitmap that has no Pixels() (a one-bit one); CLR_INVALID elsewhere.
    virtual Colour GetPixel(Point point) const = 0;
    // One line placed in the rectangle as the DT_ flags say (see TextCellOrigin), in the
    // selected font, text colour and background mode; returns the line's height.
    virtual int DrawText(std::string_view text, Rect& rect, unsigned format) = 0;
    virtual Size TextExtent(std::string_view text) const = 0;
    virtual bool DrawIcon(Point at, const NativeIcon& icon) = 0;
};

// Null `like`: like the screen.
std::unique_ptr<NativeSurface> CreateMemorySurface(const NativeSurface* like);
// Outside a paint, a surface that only measures.
std::unique_ptr<NativeSurface> CreatePaintSurface(CWnd& window);
// With the window system's default font for windows.
std::unique_ptr<NativeSurface> CreateClientSurface(CWnd& window);

// Metrics ---------------------------------------------------------------------------------------

// Those of system_metrics.h. The colour for a COLOR_ index, 0x00BBGGRR, or 0 for an index the
// backend does not know; the size for an SM_ index in pixels, or 0 likewise; the pointer moved,
// false where the window system does not let a program move it.
Colour GetSysColor(int index);
int GetSystemMetrics(int index);
int GetSystemMetricsForDpi(int index, int dpi);
bool SetCursorPos(int x, int y);
// The side of a small icon, as the title bar shows it.
int SmallIconSide();

// Settings --------------------------------------------------------------------------------------

// The per-user store of the backend's platform for the application.
std::unique_ptr<ProfileStore> OpenProfileStore(std::string_view companyKey,
                                               std::string_view applicationName);

// Process ---------------------------------------------------------------------------------------

// The executable the process runs, as the command line names it or else as the system knows it.
std::string ExecutablePath(int argc, char** argv);

// One line on standard error, "program: message", written whole: the program reports nothing
// else, so what it does report must not be lost or torn.
void WriteErrorLine(std::string_view program, std::string_view message);

// Signals (a backend for a POSIX desktop) -------------------------------------------------------

// Whatever watches file descriptors in the event loop: `ready` is called from the loop whenever
// the descriptor can be read, for the life of the object.
class DescriptorWatch {
public:
    DescriptorWatch() = default;
    DescriptorWatch(const DescriptorWatch&) = delete;
    DescriptorWatch& operator=(const DescriptorWatch&) = delete;
    virtual ~DescriptorWatch() = default;
};
std::unique_ptr<DescriptorWatch> WatchReadable(int descriptor, std::function<void()> ready);

// The framework's side, for the backends ----------------------------------------------------------
// Defined by the framework: what a backend's windows, menus, surfaces and drawing objects are
// behind the program's own (StateOf in window_state.h for windows), and the program's end.

NativeMenu* NativeOf(const CMenu& menu);
NativeSurface& NativeOf(const Surface& surface);
NativeBitmap& NativeOf(const Bitmap& bitmap);
const NativeFont& NativeOf(const Font& font);
const NativeIcon& NativeOf(const Icon& icon);

// A surface over what the window system lends for one request, such as a menu item's.
class BorrowedSurface : public Surface {
public:
    explicit BorrowedSurface(std::unique_ptr<NativeSurface> native);
    ~BorrowedSurface() override;
};

}  // namespace kolvar
