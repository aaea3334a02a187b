// Menus under Windows' visual styles: the theme draws a highlighted item, where the classic look
// fills it with the highlight colour.

#include <optional>

#include "platform/surface.h"
#include "platform/system_metrics.h"
#include "platform/win32/surface.h"
#include "platform/win32/windows_api.h"

#include <uxtheme.h>
#include <vssym32.h>

namespace kolvar {
namespace {

// uxtheme.dll, loaded when a menu is first drawn; OpenThemeDataForDpi only from Windows 10 1703.
struct VisualStyles {
    decltype(&IsThemeActive) isThemeActive;
    decltype(&IsAppThemed) isAppThemed;
    decltype(&OpenThemeData) openThemeData;
    HTHEME(WINAPI* openThemeDataForDpi)(HWND, LPCWSTR, UINT);
    decltype(&CloseThemeData) closeThemeData;
    decltype(&DrawThemeBackground) drawThemeBackground;
    decltype(&GetThemeColor) getThemeColor;

    explicit operator bool() const {
        return isThemeActive != nullptr && isAppThemed != nullptr && openThemeData != nullptr &&
               closeThemeData != nullptr && drawThemeBackground != nullptr &&
               getThemeColor != nullptr;
    }
};

const VisualStyles& LoadedVisualStyles() {
    constexpr wchar_t kLibrary[] = L"uxtheme.dll";
    static const VisualStyles functions{
        SystemFunction<decltype(&IsThemeActive)>(kLibrary, "IsThemeActive"),
        SystemFunction<decltype(&IsAppThemed)>(kLibrary, "IsAppThemed"),
        SystemFunction<decltype(&OpenThemeData)>(kLibrary, "OpenThemeData"),
        SystemFunction<HTHEME(WINAPI*)(HWND, LPCWSTR, UINT)>(kLibrary, "OpenThemeDataForDpi"),
        SystemFunction<decltype(&CloseThemeData)>(kLibrary, "CloseThemeData"),
        SystemFunction<decltype(&DrawThemeBackground)>(kLibrary, "DrawThemeBackground"),
        SystemFunction<decltype(&GetThemeColor)>(kLibrary, "GetThemeColor")};
    return functions;
}

// The theme of menus at a dpi, for as long as the object lives.
class MenuTheme {
public:
    explicit MenuTheme(int dpi) {
        const VisualStyles& styles = LoadedVisualStyles();
        if (!styles) {
            return;
        }
        theme_ = styles.openThemeDataForDpi != nullptr
                     ? styles.openThemeDataForDpi(nullptr, L"MENU", static_cast<UINT>(dpi))
                     : styles.openThemeData(nullptr, L"MENU");
    }
    ~MenuTheme() {
        if (theme_ != nullptr) {
            LoadedVisualStyles().closeThemeData(theme_);
        }
    }
    MenuTheme(const MenuTheme&) = delete;
    MenuTheme& operator=(const MenuTheme&) = delete;

    explicit operator bool() const { return theme_ != nullptr; }

    bool DrawHighlight(HDC hdc, const RECT& rect) const {
        return SUCCEEDED(LoadedVisualStyles().drawThemeBackground(theme_, hdc, MENU_POPUPITEM,
                                                                  MPI_HOT, &rect, nullptr));
    }

    Colour HighlightText() const {
        COLORREF text = 0;
        return SUCCEEDED(LoadedVisualStyles().getThemeColor(theme_, MENU_POPUPITEM, MPI_HOT,
                                                            TMT_TEXTCOLOR, &text))
                   ? text
                   : ::GetSysColor(COLOR_MENUTEXT);
    }

    // What the highlight shows at its middle, for what is drawn on it in one colour: the
    // surface it was drawn on may not be read back.
    Colour HighlightMiddle(const RECT& rect) const {
        HDC screen = GetDC(nullptr);
        HDC memory = CreateCompatibleDC(screen);
        HBITMAP pixels =
            CreateCompatibleBitmap(screen, rect.right - rect.left, rect.bottom - rect.top);
        ReleaseDC(nullptr, screen);
        HGDIOBJ previous = SelectObject(memory, pixels);
        const RECT at{0, 0, rect.right - rect.left, rect.bottom - rect.top};
        const Colour middle = DrawHighlight(memory, at)
                                  ? ::GetPixel(memory, at.right / 2, at.bottom / 2)
                                  : ::GetSysColor(COLOR_HIGHLIGHT);
        SelectObject(memory, previous);
        DeleteObject(pixels);
        DeleteDC(memory);
        return middle;
    }

private:
    HTHEME theme_ = nullptr;
};

}  // namespace

bool MenusHaveTheme() {
    const VisualStyles& styles = LoadedVisualStyles();
    return styles && styles.isThemeActive() != FALSE && styles.isAppThemed() != FALSE &&
           !HighContrastTheme();
}

std::optional<ThemedHighlight> DrawThemedMenuHighlight(Surface& surface, const Rect& rect,
                                                       int dpi) {
    const MenuTheme theme(dpi);
    const RECT area{rect.left, rect.top, rect.right, rect.bottom};
    auto& native = static_cast<Win32Surface&>(NativeOf(surface));
    if (!theme || rect.Width() <= 0 || rect.Height() <= 0 ||
        !theme.DrawHighlight(native.Handle(), area)) {
        return std::nullopt;
    }
    return ThemedHighlight{theme.HighlightMiddle(area), theme.HighlightText()};
}

}  // namespace kolvar
