#pragma once

// Inside the Win32 backend only: what UI Automation reads of a window that draws all it shows
// itself, and hears of it. Narrator reads through UI Automation, which has no place for Active
// Accessibility's description; the window's own provider gives it.

#include <string>

#include "platform/win32/windows_api.h"

// uiautomationcoreapi.h is left out: its declarations do not compile as C++ here, and the
// functions are loaded by name anyway.
#include <uiautomationclient.h>
#include <uiautomationcore.h>

namespace kolvar {

// The functions of UI Automation the provider calls, loaded from uiautomationcore.dll when a
// client first asks for a window: most runs have none. Those this Windows lacks are null. Not
// const, so that tests can stand in for a function the system they run on lacks.
struct UiAutomationFunctions {
    using ReturnProvider = LRESULT(WINAPI*)(HWND hwnd, WPARAM wParam, LPARAM lParam,
                                            IRawElementProviderSimple* provider);
    using HostProvider = HRESULT(WINAPI*)(HWND hwnd, IRawElementProviderSimple** host);
    using RaisePropertyChanged = HRESULT(WINAPI*)(IRawElementProviderSimple* provider,
                                                  PROPERTYID property, VARIANT before,
                                                  VARIANT after);
    using ClientsAreListening = BOOL(WINAPI*)();
    // Windows 10 1709 on; the enumerations' values go as the ints they are.
    using RaiseNotification = HRESULT(WINAPI*)(IRawElementProviderSimple* provider, int kind,
                                               int processing, BSTR text, BSTR activity);

    ReturnProvider returnRawElementProvider;
    HostProvider hostProviderFromHwnd;
    RaisePropertyChanged raisePropertyChanged;
    ClientsAreListening clientsAreListening;
    RaiseNotification raiseNotification;
};
UiAutomationFunctions& LoadedUiAutomation();

// The values of uiautomationcoreapi.h, and of NotificationKind, NotificationProcessing and the
// control types, which are newer than the headers at hand.
constexpr LONG kUiaRootObjectId = -25;
constexpr HRESULT kElementNotAvailable = static_cast<HRESULT>(0x80040201);
constexpr int kNotificationActionCompleted = 2;
constexpr int kNotificationMostRecent = 3;
constexpr long kImageControlType = 50006;

class AutomationProvider;

// The window's provider, made at the first request for it and withdrawn with the window: from
// then on it answers that the element is gone.
class AutomationElement {
public:
    explicit AutomationElement(HWND hwnd);
    ~AutomationElement();
    AutomationElement(const AutomationElement&) = delete;
    AutomationElement& operator=(const AutomationElement&) = delete;

    // The answer to WM_GETOBJECT for UiaRootObjectId.
    LRESULT Answer(WPARAM wParam, LPARAM lParam) const;
    // Tells listening clients of the window's new name, which a choice gave it, also where it
    // stays the same: the user hears that the choice was taken.
    void AnnounceName(const std::wstring& previous, const std::wstring& name) const;

private:
    HWND hwnd_;
    AutomationProvider* provider_;
};

}  // namespace kolvar
