#include "platform/system_metrics.h"

#include "platform/backend.h"
#include "platform/win32/drawing_objects.h"
#include "platform/win32/wide_text.h"
#include "platform/win32/windows_api.h"

namespace kolvar {

Colour GetSysColor(int index) {
    return ::GetSysColor(index);
}

int GetSystemMetrics(int index) {
    return ::GetSystemMetrics(index);
}

// Older Windows knows the system's dpi only, which is then every window's.
int GetSystemMetricsForDpi(int index, int dpi) {
    using ForDpi = int(WINAPI*)(int, UINT);
    static const auto forDpi = SystemFunction<ForDpi>(L"user32.dll", "GetSystemMetricsForDpi");
    return forDpi != nullptr ? forDpi(index, static_cast<UINT>(dpi)) : ::GetSystemMetrics(index);
}

// Older Windows gives the metrics at the system's dpi only, which are scaled then.
LogFont MenuFontForDpi(int dpi) {
    using ForDpi = BOOL(WINAPI*)(UINT, UINT, PVOID, UINT, UINT);
    static const auto forDpi = SystemFunction<ForDpi>(L"user32.dll", "SystemParametersInfoForDpi");
    NONCLIENTMETRICSW metrics{};
    metrics.cbSize = sizeof metrics;
    if (forDpi == nullptr || forDpi(SPI_GETNONCLIENTMETRICS, sizeof metrics, &metrics, 0,
                                    static_cast<UINT>(dpi)) == FALSE) {
        SystemParametersInfoW(SPI_GETNONCLIENTMETRICS, sizeof metrics, &metrics, 0);
        metrics.lfMenuFont.lfHeight = MulDiv(metrics.lfMenuFont.lfHeight, dpi, SystemDpi());
    }
    const LOGFONTW& menu = metrics.lfMenuFont;
    return {menu.lfHeight, static_cast<int>(menu.lfWeight), menu.lfCharSet,
            Narrow(menu.lfFaceName)};
}

bool HighContrastTheme() {
    HIGHCONTRASTW contrast{};
    contrast.cbSize = sizeof contrast;
    return SystemParametersInfoW(SPI_GETHIGHCONTRAST, sizeof contrast, &contrast, 0) != FALSE &&
           (contrast.dwFlags & HCF_HIGHCONTRASTON) != 0;
}

int SmallIconSide() {
    return ::GetSystemMetrics(SM_CXSMICON);
}

bool SetCursorPos(int x, int y) {
    return ::SetCursorPos(x, y) != FALSE;
}

}  // namespace kolvar
