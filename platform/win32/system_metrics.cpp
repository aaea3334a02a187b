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

int SmallIconSide() {
    return ::GetSystemMetrics(SM_CXSMICON);
}

bool SetCursorPos(int x, int y) {
    return ::SetCursorPos(x, y) != FALSE;
}

}  // namespace kolvar
