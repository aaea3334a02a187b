#pragma once

#include <cstdint>
#include <span>
#include <string>
#include <string_view>

#include "platform/window.h"

namespace kolvar {

inline constexpr unsigned WS_POPUP = 0x80000000;
inline constexpr unsigned WS_CAPTION = 0x00C00000;
inline constexpr unsigned WS_SYSMENU = 0x00080000;
inline constexpr unsigned WS_MINIMIZEBOX = 0x00020000;
inline constexpr unsigned WS_GROUP = 0x00020000;
inline constexpr unsigned WS_TABSTOP = 0x00010000;
inline constexpr unsigned WS_BORDER = 0x00800000;
inline constexpr unsigned DS_MODALFRAME = 0x80;
inline constexpr unsigned DS_SETFONT = 0x40;
inline constexpr unsigned DS_FIXEDSYS = 0x08;
// The template's font is the shell's dialog font: "MS Shell Dlg" then stands for the system's
// own face (Segoe UI, Tahoma) rather than the old Microsoft Sans Serif.
inline constexpr unsigned DS_SHELLFONT = DS_SETFONT | DS_FIXEDSYS;
inline constexpr unsigned WS_EX_APPWINDOW = 0x00040000;
inline constexpr unsigned SS_ICON = 0x03;
inline constexpr unsigned SS_NOPREFIX = 0x80;
inline constexpr unsigned BS_PUSHBUTTON = 0x00;
inline constexpr unsigned BS_DEFPUSHBUTTON = 0x01;
inline constexpr unsigned ES_AUTOHSCROLL = 0x80;

// The commands the dialog framework itself gives and takes; the program's resources call them
// IDOK and IDCANCEL.
inline constexpr unsigned kOkCommand = 1;
inline constexpr unsigned kCancelCommand = 2;

enum class ControlClass { Static, Button, Edit };

// Where the caret goes in an edit control's text.
enum class TextSelection { All, CaretAtEnd };

// A control of a dialog template; position and size in dialog units.
struct DialogControl {
    int id = -1;
    ControlClass controlClass = ControlClass::Static;
    // For SS_ICON statics: empty, and iconId names the icon. A static without SS_NOPREFIX marks
    // the access key of the control after it with "&".
    std::string_view text;
    unsigned iconId = 0;
    unsigned style = 0;
    int x = 0;
    int y = 0;
    int cx = 0;
    int cy = 0;
};

// A dialog as the resources describe it; position and size in dialog units.
struct DialogTemplate {
    unsigned style = 0;
    unsigned exStyle = 0;
    int x = 0;
    int y = 0;
    int cx = 0;
    int cy = 0;
    std::string_view caption;
    int fontPointSize = 8;
    std::string_view fontFace;
    std::span<const DialogControl> controls;
};

// A modal dialog built from a template of the program's resources.
class CDialog : public CWnd {
public:
    explicit CDialog(unsigned templateId, CWnd* parent = nullptr);
    ~CDialog() override;

    // Runs the dialog in a nested loop with the owner disabled; returns EndDialog's result, or -1
    // when the dialog could not be shown.
    std::int32_t DoModal();
    void EndDialog(std::int32_t result);

    // The dialog's controls by id; nothing happens, and the text is empty, for an id it has no
    // control of. An edit control tells the dialog of each change of its text, the user's or
    // SetDlgItemText's, as WM_COMMAND with EN_CHANGE.
    void SetDlgItemText(int id, std::string_view text);
    std::string GetDlgItemText(int id) const;
    void EnableDlgItem(int id, bool enabled);
    // The keyboard focus to the control, with an edit control's text selected as given.
    void GotoDlgCtrl(int id, TextSelection selection = TextSelection::All);

    static const MessageMap* ClassMessageMap();

protected:
    const MessageMap* GetMessageMap() const override { return ClassMessageMap(); }

    // Once, after the window exists and before it is shown.
    virtual bool OnInitDialog();
    virtual void OnOK();
    virtual void OnCancel();

    LRESULT DefWindowProc(const Message& message) override;

private:
    unsigned templateId_;
    CWnd* parent_;
};

}  // namespace kolvar
