#include "platform/system_metrics.h"

#include "platform/win32/windows_api.h"

namespace kolvar {

Colour GetSysColor(int index) {
    return ::GetSysColor(index);
}

int GetSystemMetrics(int index) {
    return ::GetSystemMetrics(index);
}

bool SetCursorPos(int x, int y) {
    return ::SetCursorPos(x, y) != FALSE;
}

}  // namespace kolvar
