#pragma once

// Inside the Win32 backend only: a CWnd's window on Win32.

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "platform/backend.h"
#include "platform/surface.h"
#include "platform/win32/message_translation.h"
#include "platform/win32/windows_api.h"
#include "platform/window.h"

namespace kolvar {

class AutomationElement;

// The window's handle, and the message of the system being dispatched on its behalf.
class Win32Window : public NativeWindow {
public:
    // `defaultProcedure` gives the system's handling of what the framework leaves: DefWindowProcW
    // for the framework's own windows, the dialog manager's procedure for dialogs.
    Win32Window(CWnd& window, WNDPROC defaultProcedure, bool isDialog);
    ~Win32Window() override;

    bool Exists() const override { return hwnd_ != nullptr; }
    void Destroy() override;
    void Show() override { ShowWindow(hwnd_, SW_SHOW); }
    void Invalidate() override { ::InvalidateRect(hwnd_, nullptr, FALSE); }
    Size ClientSize() const override;
    void Move(const Rect& rect) override;
    int Dpi() const override;
    Point ClientToScreen(Point client) const override;
    void SetFocus() override { ::SetFocus(hwnd_); }
    bool IsMinimised() const override { return ::IsIconic(hwnd_) != FALSE; }
    void ShowIcons(const Icon* big, const Icon* small) override;
    void SetAccessibleText(std::string_view name, std::string_view description) override;
    std::vector<CWnd*> Children() const override;
    std::unique_ptr<NativeMenu> SystemMenu() override;
    LRESULT DefaultHandling(const Message& message) override;
    void EndModalRun(std::int32_t result) override;
    void SetItemText(int id, std::string_view text) override;
    std::string ItemText(int id) const override;
    void EnableItem(int id, bool enabled) override;
    void FocusItem(int id, TextSelection selection) override;

    HWND Handle() const { return hwnd_; }
    CWnd& Window() const { return window_; }
    // From now on the system's messages to the handle reach the CWnd.
    void Attach(HWND hwnd);
    // A message of the system: through the CWnd's message table where the framework knows it,
    // else straight to the default handling.
    LRESULT Receive(UINT message, WPARAM wParam, LPARAM lParam);
    // Keeps an icon shown in the window (a dialog's icon static) for as long as the window.
    void Keep(Icon icon);
    // What SetAccessibleText gave the window last.
    const std::wstring& AccessibleName() const { return accessibleName_; }
    const std::wstring& AccessibleDescription() const { return accessibleDescription_; }

private:
    LRESULT Dispatch(const RawMessage& raw);
    LRESULT CallDefault(const RawMessage& raw);
    LRESULT EndForSession();
    LRESULT Detach(const RawMessage& raw);
    LRESULT AnswerAccessibleObject(const RawMessage& raw);

    CWnd& window_;
    HWND hwnd_ = nullptr;
    WNDPROC defaultProcedure_;
    bool isDialog_;
    // The framework's form of the system's message being dispatched, and the system's own
    // handling of that message, which gives the same answer however often it is asked.
    const Message* translated_ = nullptr;
    const std::function<LRESULT()>* systemHandling_ = nullptr;
    std::vector<Icon> kept_;
    std::wstring accessibleName_;
    std::wstring accessibleDescription_;
    bool hasAccessibleText_ = false;
    // Made when UI Automation first asks for the window, withdrawn as the window goes.
    std::unique_ptr<AutomationElement> automation_;
};

// The procedure of every window of the framework, dialogs included once they are initialised.
LRESULT CALLBACK WindowProcedure(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);

Win32Window* Win32WindowOf(const CWnd& window);
// The CWnd behind a window of the program; null for any other window.
CWnd* WindowOfHandle(HWND hwnd);
// Null for no window, or one that has no handle.
HWND HandleOf(const CWnd* window);

}  // namespace kolvar
