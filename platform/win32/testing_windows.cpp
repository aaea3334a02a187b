// The test seam on Win32: windows, dialogs and real input to them.

#include <string>
#include <utility>
#include <vector>

#include "platform/dialog.h"
#include "platform/scope_exit.h"
#include "platform/testing.h"
#include "platform/win32/drawing_objects.h"
#include "platform/win32/testing_internals.h"
#include "platform/win32/window.h"

namespace kolvar {
namespace {

constexpr ULONG_PTR kDialogClass = 32770;

HWND RootOf(const CWnd& window) {
    HWND hwnd = HandleOf(&window);
    return hwnd != nullptr ? GetAncestor(hwnd, GA_ROOT) : nullptr;
}

Rect RectOf(const RECT& rect) {
    return {rect.left, rect.top, rect.right, rect.bottom};
}

std::wstring TextOf(HWND hwnd) {
    std::wstring text(static_cast<std::size_t>(GetWindowTextLengthW(hwnd)) + 1, L'\0');
    text.resize(
        static_cast<std::size_t>(GetWindowTextW(hwnd, text.data(), static_cast<int>(text.size()))));
    return text;
}

WORD VirtualKey(Key key) {
    switch (key) {
        case Key::Up:
            return VK_UP;
        case Key::Down:
            return VK_DOWN;
        case Key::Left:
            return VK_LEFT;
        case Key::Right:
            return VK_RIGHT;
        case Key::Return:
        case Key::Enter:
            return VK_RETURN;
        case Key::Escape:
            return VK_ESCAPE;
        case Key::F10:
            return VK_F10;
        case Key::Menu:
            return VK_APPS;
        case Key::Insert:
            return VK_INSERT;
    }
    return 0;
}

WORD ModifierKey(KeyModifier modifier) {
    return modifier == KeyModifier::Shift     ? VK_SHIFT
           : modifier == KeyModifier::Control ? VK_CONTROL
                                              : WORD{0};
}

// The arrows, the context-menu key and the keypad's Enter sit outside the typewriter block of
// the keyboard.
bool IsExtended(Key key) {
    return key == Key::Menu || key == Key::Enter || key == Key::Left || key == Key::Right ||
           key == Key::Up || key == Key::Down || key == Key::Insert;
}

INPUT KeyInput(WORD virtualKey, bool release, bool extended = false) {
    INPUT input{};
    input.type = INPUT_KEYBOARD;
    input.ki.wVk = virtualKey;
    input.ki.wScan = static_cast<WORD>(MapVirtualKeyW(virtualKey, MAPVK_VK_TO_VSC));
    input.ki.dwFlags = (release ? KEYEVENTF_KEYUP : 0U) | (extended ? KEYEVENTF_EXTENDEDKEY : 0U);
    return input;
}

INPUT ButtonInput(DWORD flags) {
    INPUT input{};
    input.type = INPUT_MOUSE;
    input.mi.dwFlags = flags;
    return input;
}

// The modifier's key is held down around the inputs.
void Send(std::vector<INPUT> inputs, KeyModifier modifier = KeyModifier::None) {
    if (const WORD key = ModifierKey(modifier)) {
        inputs.insert(inputs.begin(), KeyInput(key, false));
        inputs.push_back(KeyInput(key, true));
    }
    SendInput(static_cast<UINT>(inputs.size()), inputs.data(), sizeof(INPUT));
}

Size IconSize(HICON icon) {
    ICONINFO info{};
    if (!GetIconInfo(icon, &info)) {
        return {};
    }
    BITMAP mask{};
    GetObjectW(info.hbmMask, sizeof mask, &mask);
    DeleteObject(info.hbmMask);
    if (info.hbmColor != nullptr) {
        DeleteObject(info.hbmColor);
    }
    // A monochrome icon's mask holds the AND and the XOR image, one above the other.
    return {mask.bmWidth, info.hbmColor != nullptr ? mask.bmHeight : mask.bmHeight / 2};
}

// The icon drawn at its own size on white.
Image IconOnWhite(HICON icon) {
    const Size size = IconSize(icon);
    const std::unique_ptr<Win32Bitmap> target = DibSection(size.cx, size.cy);
    if (target == nullptr) {
        return {};
    }
    HDC memory = ::CreateCompatibleDC(nullptr);
    HGDIOBJ original = ::SelectObject(memory, target->handle);
    const ScopeExit release([&] {
        ::SelectObject(memory, original);
        DeleteDC(memory);
    });
    const RECT whole{0, 0, size.cx, size.cy};
    ::FillRect(memory, &whole, static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH)));
    DrawIconEx(memory, 0, 0, icon, size.cx, size.cy, 0, nullptr, DI_NORMAL);
    return GrabFrom(memory, whole);
}

bool PointAt(HWND hwnd, Point client) {
    POINT point{client.x, client.y};
    return hwnd != nullptr && ::ClientToScreen(hwnd, &point) && ::SetCursorPos(point.x, point.y);
}

// Paints are dispatched, or sent by whoever wants one at once, and the counters see both.
struct Counted {
    HWND window;
    int* paints;
};

std::vector<Counted>& PaintCounters() {
    static std::vector<Counted> counters;
    return counters;
}

void NotePaint(UINT message, HWND hwnd) {
    if (message == WM_PAINT) {
        for (const Counted& counter : PaintCounters()) {
            *counter.paints += counter.window == hwnd ? 1 : 0;
        }
    }
}

LRESULT CALLBACK NoteDispatchedPaint(int code, WPARAM removed, LPARAM lParam) {
    const auto& message = *reinterpret_cast<const MSG*>(lParam);
    if (code == HC_ACTION && removed == PM_REMOVE) {
        NotePaint(message.message, message.hwnd);
    }
    return CallNextHookEx(nullptr, code, removed, lParam);
}

LRESULT CALLBACK NoteSentPaint(int code, WPARAM wParam, LPARAM lParam) {
    const auto& message = *reinterpret_cast<const CWPSTRUCT*>(lParam);
    if (code == HC_ACTION) {
        NotePaint(message.message, message.hwnd);
    }
    return CallNextHookEx(nullptr, code, wParam, lParam);
}

class PaintHooks {
public:
    PaintHooks()
        : dispatched_(SetWindowsHookExW(WH_GETMESSAGE, &NoteDispatchedPaint, nullptr,
                                        GetCurrentThreadId())),
          sent_(SetWindowsHookExW(WH_CALLWNDPROC, &NoteSentPaint, nullptr, GetCurrentThreadId())) {}
    ~PaintHooks() {
        UnhookWindowsHookEx(dispatched_);
        UnhookWindowsHookEx(sent_);
    }
    PaintHooks(const PaintHooks&) = delete;
    PaintHooks& operator=(const PaintHooks&) = delete;

private:
    HHOOK dispatched_;
    HHOOK sent_;
};

std::unique_ptr<PaintHooks>& InstalledPaintHooks() {
    static std::unique_ptr<PaintHooks> hooks;
    return hooks;
}

}  // namespace

void SendKey(Key key, KeyModifier modifier) {
    const WORD virtualKey = VirtualKey(key);
    const bool extended = IsExtended(key);
    Send({KeyInput(virtualKey, false, extended), KeyInput(virtualKey, true, extended)}, modifier);
}

void SendVirtualKey(WORD virtualKey) {
    Send({KeyInput(virtualKey, false), KeyInput(virtualKey, true)});
}

void SendClicks(MouseButton button, int clicks, KeyModifier modifier) {
    const bool right = button == MouseButton::Right;
    std::vector<INPUT> inputs;
    for (int click = 0; click < clicks; ++click) {
        inputs.push_back(ButtonInput(right ? MOUSEEVENTF_RIGHTDOWN : MOUSEEVENTF_LEFTDOWN));
        inputs.push_back(ButtonInput(right ? MOUSEEVENTF_RIGHTUP : MOUSEEVENTF_LEFTUP));
    }
    Send(std::move(inputs), modifier);
}

Rect ClientAreaOnScreen(const CWnd& window) {
    HWND hwnd = HandleOf(&window);
    RECT client{};
    if (hwnd == nullptr || !GetClientRect(hwnd, &client)) {
        return {};
    }
    MapWindowPoints(hwnd, nullptr, reinterpret_cast<POINT*>(&client), 2);
    return RectOf(client);
}

Rect WindowRect(const CWnd& window) {
    HWND hwnd = HandleOf(&window);
    RECT rect{};
    if (hwnd == nullptr || !GetWindowRect(hwnd, &rect)) {
        return {};
    }
    HWND parent = GetAncestor(hwnd, GA_PARENT);
    if (parent != GetDesktopWindow()) {
        MapWindowPoints(nullptr, parent, reinterpret_cast<POINT*>(&rect), 2);
    }
    return RectOf(rect);
}

// A window manager may place a window that has just been shown a moment after a move made
// meanwhile: the move is made again until the window stays where it was put.
bool MoveWindowTo(const CWnd& window, Point screenTopLeft) {
    HWND root = RootOf(window);
    const auto isThere = [root, screenTopLeft] {
        RECT frame{};
        return GetWindowRect(root, &frame) && frame.left == screenTopLeft.x &&
               frame.top == screenTopLeft.y;
    };
    const auto staysThere = [&isThere] {
        return !WaitUntil([&isThere] { return !isThere(); }, std::chrono::milliseconds(300));
    };
    for (int attempt = 0; root != nullptr && attempt < 3; ++attempt) {
        if (!SetWindowPos(root, nullptr, screenTopLeft.x, screenTopLeft.y, 0, 0,
                          SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE)) {
            return false;
        }
        if (WaitUntil(isThere) && staysThere()) {
            return true;
        }
    }
    return false;
}

WindowFacts WindowFactsOf(const CWnd& window) {
    HWND hwnd = HandleOf(&window);
    HWND root = RootOf(window);
    if (hwnd == nullptr || root == nullptr) {
        return {};
    }
    const LONG_PTR style = GetWindowLongPtrW(root, GWL_STYLE);
    return {Utf8Of(TextOf(root)),           (style & WS_THICKFRAME) != 0,
            (style & WS_MINIMIZEBOX) != 0,  (style & WS_MAXIMIZEBOX) != 0,
            IsWindowVisible(hwnd) != FALSE, IsWindowEnabled(hwnd) != FALSE};
}

Rect WorkArea() {
    RECT area{};
    SystemParametersInfoW(SPI_GETWORKAREA, 0, &area, 0);
    return RectOf(area);
}

CWnd* FocusWithin(const CWnd& window) {
    HWND hwnd = HandleOf(&window);
    HWND focus = GetFocus();
    return hwnd != nullptr && (focus == hwnd || IsChild(hwnd, focus)) ? WindowOfHandle(focus)
                                                                      : nullptr;
}

std::vector<Image> WindowIconImages(const CWnd& window) {
    std::vector<Image> images;
    HWND root = RootOf(window);
    for (const WPARAM which : {ICON_BIG, ICON_SMALL}) {
        auto* icon =
            reinterpret_cast<HICON>(root != nullptr ? SendMessageW(root, WM_GETICON, which, 0) : 0);
        if (icon != nullptr) {
            images.push_back(IconOnWhite(icon));
        }
    }
    return images;
}

void ClickCloseBox(const CWnd& window) {
    if (HWND root = RootOf(window)) {
        SendMessageW(root, WM_SYSCOMMAND, SC_CLOSE, 0);
    }
}

void MoveToMonitorOfDpi(CWnd& window, int dpi, const Rect& suggested) {
    RECT rect{suggested.left, suggested.top, suggested.right, suggested.bottom};
    SendMessageW(HandleOf(&window), WM_DPICHANGED, MAKEWPARAM(dpi, dpi),
                 reinterpret_cast<LPARAM>(&rect));
}

bool WaitForShown(const CWnd& window) {
    HWND hwnd = HandleOf(&window);
    return hwnd != nullptr && WaitUntil([hwnd] { return IsWindowVisible(hwnd) != FALSE; });
}

// What is pending is painted first, as the screen would show it next.
Image GrabClientArea(const CWnd& window) {
    HWND hwnd = HandleOf(&window);
    RECT client{};
    if (hwnd == nullptr || !GetClientRect(hwnd, &client)) {
        return {};
    }
    RedrawWindow(hwnd, nullptr, nullptr, RDW_UPDATENOW | RDW_ALLCHILDREN);
    HDC dc = GetDC(hwnd);
    const ScopeExit release([hwnd, dc] { ReleaseDC(hwnd, dc); });
    return GrabFrom(dc, client);
}

struct PaintCounter::State {
    int paints = 0;
};

PaintCounter::PaintCounter(const CWnd& window) : state_(std::make_unique<State>()) {
    if (!InstalledPaintHooks()) {
        InstalledPaintHooks() = std::make_unique<PaintHooks>();
    }
    PaintCounters().push_back({HandleOf(&window), &state_->paints});
}

PaintCounter::~PaintCounter() {
    std::erase_if(PaintCounters(),
                  [this](const Counted& counter) { return counter.paints == &state_->paints; });
    if (PaintCounters().empty()) {
        InstalledPaintHooks().reset();
    }
}

int PaintCounter::Count() const {
    return state_->paints;
}

void Click(const CWnd& window, Point client, MouseButton button, KeyModifier modifier) {
    if (PointAt(HandleOf(&window), client)) {
        SendClicks(button, 1, modifier);
        ProcessEvents();
    }
}

void DoubleClick(const CWnd& window, Point client, MouseButton button, KeyModifier modifier) {
    if (PointAt(HandleOf(&window), client)) {
        SendClicks(button, 2, modifier);
        ProcessEvents();
    }
}

// Keys go to the window that has the focus, so the window takes it unless it holds it already.
bool FocusForKeys(const CWnd& window) {
    HWND hwnd = HandleOf(&window);
    if (hwnd == nullptr) {
        return false;
    }
    HWND focus = GetFocus();
    if (focus != hwnd && !IsChild(hwnd, focus)) {
        SetForegroundWindow(GetAncestor(hwnd, GA_ROOT));
        ::SetFocus(hwnd);
    }
    return true;
}

void PressKey(const CWnd& window, Key key, KeyModifier modifier) {
    if (FocusForKeys(window)) {
        SendKey(key, modifier);
        ProcessEvents();
    }
}

// The key of the character on the keyboard's layout, Shift held where the character needs it.
void TypeText(const CWnd& window, std::string_view text, KeyModifier modifier) {
    if (!FocusForKeys(window)) {
        return;
    }
    for (const char character : text) {
        const SHORT layout = VkKeyScanW(static_cast<wchar_t>(character));
        const auto virtualKey = static_cast<WORD>(layout & 0xFF);
        std::vector<INPUT> inputs = {KeyInput(virtualKey, false), KeyInput(virtualKey, true)};
        if ((layout & 0x100) != 0) {
            inputs.insert(inputs.begin(), KeyInput(VK_SHIFT, false));
            inputs.push_back(KeyInput(VK_SHIFT, true));
        }
        Send(std::move(inputs), modifier);
        ProcessEvents();
    }
}

Point CursorPosition() {
    POINT point{};
    GetCursorPos(&point);
    return {point.x, point.y};
}

// The topmost enabled dialog of the program's: a modal run disables the windows below it.
CWnd* ActiveModalDialog() {
    for (HWND hwnd = GetTopWindow(nullptr); hwnd != nullptr; hwnd = GetWindow(hwnd, GW_HWNDNEXT)) {
        CWnd* window = WindowOfHandle(hwnd);
        if (window != nullptr && GetClassLongPtrW(hwnd, GCW_ATOM) == kDialogClass &&
            IsWindowVisible(hwnd) && IsWindowEnabled(hwnd)) {
            return window;
        }
    }
    return nullptr;
}

namespace {

// A drawing context of the dialog's client area with the dialog's font selected, which the dialog
// manager gives every control (WM_GETFONT) and the template names.
class DialogFontContext {
public:
    explicit DialogFontContext(const CWnd& dialog) : hwnd_(HandleOf(&dialog)) {
        font_ =
            reinterpret_cast<HFONT>(hwnd_ != nullptr ? SendMessageW(hwnd_, WM_GETFONT, 0, 0) : 0);
        dc_ = font_ != nullptr ? GetDC(hwnd_) : nullptr;
        original_ = dc_ != nullptr ? ::SelectObject(dc_, font_) : nullptr;
    }
    ~DialogFontContext() {
        if (dc_ != nullptr) {
            ::SelectObject(dc_, original_);
            ReleaseDC(hwnd_, dc_);
        }
    }
    DialogFontContext(const DialogFontContext&) = delete;
    DialogFontContext& operator=(const DialogFontContext&) = delete;

    HDC Dc() const { return dc_; }
    HFONT Font() const { return font_; }

private:
    HWND hwnd_;
    HFONT font_ = nullptr;
    HDC dc_ = nullptr;
    HGDIOBJ original_ = nullptr;
};

}  // namespace

// GetDialogBaseUnits' documentation: the average width is that of the 52 letters, rounded to the
// nearest pixel; the height is the font's.
Size DialogBaseUnitsOf(const CWnd& dialog) {
    const DialogFontContext context(dialog);
    constexpr wchar_t kLetters[] = L"ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz";
    SIZE extent{};
    TEXTMETRICW metrics{};
    if (context.Dc() == nullptr || !GetTextExtentPoint32W(context.Dc(), kLetters, 52, &extent) ||
        !GetTextMetricsW(context.Dc(), &metrics)) {
        return {};
    }
    return {(extent.cx / 26 + 1) / 2, metrics.tmHeight};
}

// An outline font is a TrueType or a vector one; a bitmap font has glyphs for one code page
// only, and the system marks what it lacks.
DialogFontFacts DialogFontOf(const CWnd& dialog, std::string_view text) {
    const DialogFontContext context(dialog);
    LOGFONTW request{};
    TEXTMETRICW metrics{};
    if (context.Dc() == nullptr || GetObjectW(context.Font(), sizeof request, &request) == 0 ||
        !GetTextMetricsW(context.Dc(), &metrics)) {
        return {};
    }
    DialogFontFacts facts{Utf8Of(request.lfFaceName),
                          (metrics.tmPitchAndFamily & (TMPF_VECTOR | TMPF_TRUETYPE)) != 0,
                          {}};
    const std::wstring wide = Utf16Of(text);
    std::vector<WORD> glyphs(wide.size());
    const bool indexed = GetGlyphIndicesW(context.Dc(), wide.c_str(), static_cast<int>(wide.size()),
                                          glyphs.data(), GGI_MARK_NONEXISTING_GLYPHS) != GDI_ERROR;
    for (std::size_t at = 0; at < wide.size(); ++at) {
        if (!indexed || glyphs[at] == 0xFFFF) {
            facts.missing += Utf8Of(std::wstring_view(&wide[at], 1));
        }
    }
    return facts;
}

bool ClickDialogButton(const CWnd& dialog, std::string_view text) {
    HWND hwnd = HandleOf(&dialog);
    const std::wstring wanted = Utf16Of(text);
    for (HWND child = hwnd != nullptr ? GetWindow(hwnd, GW_CHILD) : nullptr; child != nullptr;
         child = GetWindow(child, GW_HWNDNEXT)) {
        wchar_t className[16] = {};
        GetClassNameW(child, className, static_cast<int>(std::size(className)));
        if (lstrcmpiW(className, L"Button") == 0 && TextOf(child) == wanted) {
            SendMessageW(child, BM_CLICK, 0, 0);
            return true;
        }
    }
    return false;
}

}  // namespace kolvar
