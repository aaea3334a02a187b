// The modal run of a dialog on Win32: the dialog manager makes the window from the template and
// runs the loop; the framework's CDialog takes the window's messages once it is initialised.

#include "platform/dialog.h"
#include "platform/dialog_layout.h"
#include "platform/program.h"
#include "platform/win32/dialog_template.h"
#include "platform/win32/drawing_objects.h"
#include "platform/win32/window.h"
#include "platform/window_state.h"

namespace kolvar {
namespace {

constexpr unsigned kStaticTypeMask = 0x1F;

struct DialogRun {
    CWnd* dialog = nullptr;
    const DialogTemplate* dialogTemplate = nullptr;
    HWND owner = nullptr;
};

// The icon statics show the icons of the program's resources at the dialog's dpi, which the
// dialog keeps.
void ShowIcons(Win32Window& native, const DialogTemplate& dialogTemplate) {
    for (const DialogControl& control : dialogTemplate.controls) {
        if ((control.style & kStaticTypeMask) != SS_ICON) {
            continue;
        }
        Icon icon = LoadIcon(control.iconId, native.Dpi());
        HWND item = GetDlgItem(native.Handle(), control.id);
        if (icon && item != nullptr) {
            SendMessageW(item, STM_SETICON,
                         reinterpret_cast<WPARAM>(Win32IconOf(NativeOf(icon)).large), 0);
            native.Keep(std::move(icon));
        }
    }
}

Rect RectOf(const RECT& rect) {
    return {rect.left, rect.top, rect.right, rect.bottom};
}

// Over its owner, or in the middle of the screen's work area, and always all on the screen.
void Centre(HWND dialog, HWND owner) {
    RECT window{};
    GetWindowRect(dialog, &window);
    MONITORINFO monitor{};
    monitor.cbSize = sizeof monitor;
    GetMonitorInfoW(MonitorFromWindow(owner != nullptr ? owner : dialog, MONITOR_DEFAULTTOPRIMARY),
                    &monitor);
    RECT over = monitor.rcWork;
    if (owner != nullptr) {
        GetWindowRect(owner, &over);
    }
    const Point topLeft =
        CentredWindowPosition({window.right - window.left, window.bottom - window.top},
                              RectOf(over), RectOf(monitor.rcWork));
    SetWindowPos(dialog, nullptr, topLeft.x, topLeft.y, 0, 0,
                 SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

bool HasFocusWithin(HWND dialog) {
    HWND focus = GetFocus();
    return focus != nullptr && (focus == dialog || IsChild(dialog, focus));
}

// From WM_INITDIALOG on, the dialog's messages reach the CDialog first; the dialog manager's own
// procedure handles what the framework leaves, and this one then has nothing more to add.
INT_PTR CALLBACK DialogProcedure(HWND hwnd, UINT message, WPARAM /*wParam*/, LPARAM lParam) {
    if (message != WM_INITDIALOG) {
        return FALSE;
    }
    const auto& run = *reinterpret_cast<const DialogRun*>(lParam);
    const auto manager = reinterpret_cast<WNDPROC>(GetWindowLongPtrW(hwnd, GWLP_WNDPROC));
    auto native = std::make_unique<Win32Window>(*run.dialog, manager, true);
    Win32Window& window = *native;
    StateOf(*run.dialog).native = std::move(native);
    window.Attach(hwnd);
    SetWindowLongPtrW(hwnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&WindowProcedure));
    ShowIcons(window, *run.dialogTemplate);
    Centre(hwnd, run.owner);
    const LRESULT focusDefault = window.Receive(WM_INITDIALOG, 0, 0);
    // Shown now rather than when the dialog manager's loop first finds the queue empty, which a
    // loop that the dialog's first message starts would put off for as long as it runs.
    if (!StateOf(*run.dialog).modalEnded) {
        ShowWindow(hwnd, SW_SHOWNORMAL);
    }
    // A dialog that has put the focus somewhere itself keeps it there.
    return focusDefault != 0 && !HasFocusWithin(hwnd) ? TRUE : FALSE;
}

}  // namespace

void RunModalDialog(CWnd& dialog, const DialogTemplate& dialogTemplate, CWnd* owner) {
    // The program's icons all show the program.
    const std::vector<std::uint16_t> words = DialogTemplateWords(dialogTemplate, ProgramName());
    DialogRun run{&dialog, &dialogTemplate, HandleOf(owner)};
    DialogBoxIndirectParamW(GetModuleHandleW(nullptr),
                            reinterpret_cast<LPCDLGTEMPLATEW>(words.data()), run.owner,
                            &DialogProcedure, reinterpret_cast<LPARAM>(&run));
}

}  // namespace kolvar
