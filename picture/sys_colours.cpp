#include "picture/sys_colours.h"

#include "platform/system_metrics.h"

namespace kolvar {

SysColours ReadSysColours(int dpi) {
    return {
        .menuItemHeight = GetSystemMetricsForDpi(SM_CYMENU, dpi),
        .menu = GetSysColor(COLOR_MENU),
        .menuText = GetSysColor(COLOR_MENUTEXT),
        .highlight = GetSysColor(COLOR_HIGHLIGHT),
        .highlightText = GetSysColor(COLOR_HIGHLIGHTTEXT),
        .window = GetSysColor(COLOR_WINDOW),
        .dpi = dpi,
        .windowText = GetSysColor(COLOR_WINDOWTEXT),
        .highContrast = HighContrastTheme(),
        .themedMenus = MenusHaveTheme(),
    };
}

}  // namespace kolvar
