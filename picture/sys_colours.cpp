#include "picture/sys_colours.h"

#include "platform/system_metrics.h"

namespace kolvar {

SysColours ReadSysColours() {
    return {
        .menuItemHeight = GetSystemMetrics(SM_CYMENU),
        .menu = GetSysColor(COLOR_MENU),
        .menuText = GetSysColor(COLOR_MENUTEXT),
        .highlight = GetSysColor(COLOR_HIGHLIGHT),
        .highlightText = GetSysColor(COLOR_HIGHLIGHTTEXT),
        .window = GetSysColor(COLOR_WINDOW),
        .windowText = GetSysColor(COLOR_WINDOWTEXT),
        .highContrast = HighContrastTheme(),
    };
}

}  // namespace kolvar
