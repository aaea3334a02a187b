#include "platform/win32/com_apartment.h"

#include "platform/win32/windows_api.h"

#include <objbase.h>

namespace kolvar {
namespace {

// Each entry that succeeded, also one that found the apartment already entered, is left once,
// on the thread that made it.
bool& Entered() {
    thread_local bool entered = false;
    return entered;
}

}  // namespace

void EnterComApartment() {
    if (Entered()) {
        return;
    }
    static const auto initialize =
        SystemFunction<decltype(&CoInitializeEx)>(L"ole32.dll", "CoInitializeEx");
    Entered() = initialize != nullptr &&
                SUCCEEDED(initialize(nullptr, COINIT_APARTMENTTHREADED | COINIT_DISABLE_OLE1DDE));
}

void LeaveComApartment() {
    if (!Entered()) {
        return;
    }
    static const auto uninitialize =
        SystemFunction<decltype(&CoUninitialize)>(L"ole32.dll", "CoUninitialize");
    uninitialize();
    Entered() = false;
}

}  // namespace kolvar
