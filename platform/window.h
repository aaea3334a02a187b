#pragma once

#include <memory>
#include <string_view>

#include "platform/geometry.h"
#include "platform/message_map.h"

namespace kolvar {

struct WindowState;
class CMenu;
class Icon;

inline constexpr unsigned WS_CHILD = 0x40000000;
inline constexpr unsigned WS_VISIBLE = 0x10000000;
inline constexpr unsigned WS_EX_CLIENTEDGE = 0x00000200;

// The framework's window: messages reach the handlers of the class's message table, and what no
// entry takes gets the platform's default handling.
class CWnd {
public:
    CWnd();
    CWnd(const CWnd&) = delete;
    CWnd& operator=(const CWnd&) = delete;
    virtual ~CWnd();

    // A child window with the framework's default class: double clicks are delivered and no
    // background is erased. WM_CREATE arrives inside this call.
    bool CreateEx(unsigned exStyle, unsigned style, const Rect& rect, CWnd* parent, unsigned id);
    void DestroyWindow();
    bool IsWindow() const;

    LRESULT SendMessage(unsigned message, WPARAM wParam = 0, LPARAM lParam = 0);

    // Whole client area; one paint follows later.
    void InvalidateRect(bool erase);
    Rect GetClientRect() const;
    // See NativeWindow::Move.
    void MoveWindow(const Rect& rect);
    // The window's dots per inch, USER_DEFAULT_SCREEN_DPI at 100 %; a window that was sent
    // WM_DPICHANGED since has the dpi of the message.
    int GetDpi() const;
    Point ClientToScreen(Point point) const;
    CWnd* GetParent() const;
    CWnd* GetOwner() const;
    void SetOwner(CWnd* owner);
    void SetFocus();
    bool IsIconic() const;
    unsigned GetDlgCtrlID() const;

    // What assistive technology reads for a window whose drawing it cannot read: a name,
    // announced each time it is set, and a longer description. Nothing is drawn.
    void SetAccessibleText(std::string_view name, std::string_view description);

    // The window menu, where the window system lets a program extend it; none otherwise.
    CMenu* GetSystemMenu(bool revert);

    // Every message goes through here; see the message table.
    LRESULT WindowProc(const Message& message);

    static const MessageMap* ClassMessageMap();

protected:
    virtual const MessageMap* GetMessageMap() const { return ClassMessageMap(); }

    // The platform's handling of the message being dispatched.
    LRESULT Default();
    virtual LRESULT DefWindowProc(const Message& message);

private:
    friend WindowState& StateOf(const CWnd& window);

    LRESULT SetIcon(WPARAM which, const Icon* icon);

    std::unique_ptr<WindowState> state_;
    const Message* current_ = nullptr;
};

// The key's state when the key message being handled was made: the high bit set while it was
// held down.
short GetKeyState(unsigned virtualKey);

}  // namespace kolvar
