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

    // Paints the highlight on the target through memory of its own, where it is read at its
    // middle, for what is drawn on it in one colour; none, and nothing painted, where the theme
    // cannot draw it.
    std::optional<Colour> DrawHighlight(HDC target, const RECT& area) const {
        const int width = area.right - area.left;
        const int height = area.bottom - area.top;
        HDC memory = CreateCompatibleDC(target);
        HBITMAP pixels = CreateCompatibleBitmap(target, width, height);
        HGDIOBJ previous = SelectObject(memory, pixels);
        ::BitBlt(memory, 0, 0, width, height, target, area.left, area.top, SRCCOPY);
        const RECT at{0, 0, width, height};
        std::optional<Colour> middle;
        if (SUCCEEDED(LoadedVisualStyles().drawThemeBackground(theme_, memory, MENU_POPUPITEM,
                                                               MPI_HOT, &at, nullptr))) {
            middle = ::GetPixel(memory, width / 2, height / 2);
            ::BitBlt(target, area.left, area.top, width, height, memory, 0, 0, SRCCOPY);
        }
        SelectObject(memory, previous);
        DeleteObject(pixels);
        DeleteDC(memory);
        return middle;
    }

    Colour HighlightText() const {
        COLORREF text = 0;
        return SUCCEEDED(LoadedVisualStyles().getThemeColor(theme_, MENU_POPUPITEM, MPI_HOT,
                                                            TMT_TEXTCOLOR, &text))
                   ? text
                   : ::GetSysColor(COLOR_MENUTEXT);
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
    if (!theme || rect.Width() <= 0 || rect.Height() <= 0) {
        return std::nullopt;
    }
    auto& native = static_cast<Win32Surface&>(NativeOf(surface));
    const std::optional<Colour> middle =
        theme.DrawHighlight(native.Handle(), {rect.left, rect.top, rect.right, rect.bottom});
    if (!middle) {
        return std::nullopt;
    }
    return ThemedHighlight{*middle, theme.HighlightText()};
}

}  // namespace kolvar
