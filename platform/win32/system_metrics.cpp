#include "platform/system_metrics.h"

#include "platform/backend.h"
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
