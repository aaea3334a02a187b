#include "resources/dialog_templates.h"

#include <array>

#include "resources/resource_ids.h"

namespace kolvar {
namespace {

// The face Windows maps to its dialog font, an outline font with the Cyrillic letters; a bitmap
// face such as MS Sans Serif has the glyphs of one code page only. Its base units at 8 points are
// the classic 6 x 13 at 96 dpi.
constexpr std::string_view kDialogFont = "MS Shell Dlg";

// No controls: the view window is created in the client area at run time.
constexpr DialogTemplate kMarkingDialog{
    .style = WS_POPUP | WS_VISIBLE | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX | DS_MODALFRAME |
             DS_SHELLFONT,
    .exStyle = WS_EX_APPWINDOW,
    .x = 0,
    .y = 0,
    .cx = 320,
    .cy = 200,
    .caption = "Цветная маркировка резистора",
    .fontPointSize = 8,
    .fontFace = kDialogFont,
    .controls = {},
};

constexpr std::array kAboutControls = std::to_array<DialogControl>({
    {.id = -1,
     .controlClass = ControlClass::Static,
     .text = {},
     .iconId = IDR_MAINICON,
     .style = WS_CHILD | WS_VISIBLE | SS_ICON,
     .x = 11,
     .y = 17,
     .cx = 20,
     .cy = 20},
    {.id = -1,
     .controlClass = ControlClass::Static,
     .text = "Kolvar Версия 1.0\n© 2026\nРазработчики Kolvar",
     .iconId = 0,
     .style = WS_CHILD | WS_VISIBLE | WS_GROUP | SS_NOPREFIX,
     .x = 40,
     .y = 14,
     .cx = 119,
     .cy = 26},
    {.id = static_cast<int>(IDOK),
     .controlClass = ControlClass::Button,
     .text = "OK",
     .iconId = 0,
     .style = WS_CHILD | WS_VISIBLE | WS_GROUP | WS_TABSTOP | BS_DEFPUSHBUTTON,
     .x = 178,
     .y = 7,
     .cx = 50,
     .cy = 14},
});

constexpr DialogTemplate kAboutDialog{
    .style = WS_POPUP | WS_CAPTION | WS_SYSMENU | DS_MODALFRAME | DS_SHELLFONT,
    .exStyle = 0,
    .x = 0,
    .y = 0,
    .cx = 235,
    .cy = 55,
    .caption = "О программе Kolvar",
    .fontPointSize = 8,
    .fontFace = kDialogFont,
    .controls = kAboutControls,
};

// The edit control's label and, after it, the static that says what was understood: assistive
// technology names the field after the one and describes it with the other.
constexpr unsigned kChild = WS_CHILD | WS_VISIBLE;
constexpr std::array kValueControls = std::to_array<DialogControl>({
    {.id = -1,
     .controlClass = ControlClass::Static,
     .text = "&Сопротивление, допуск или маркировка:",
     .style = kChild,
     .x = 7,
     .y = 7,
     .cx = 246,
     .cy = 8},
    {.id = static_cast<int>(IDC_VALUE_TEXT),
     .controlClass = ControlClass::Edit,
     .text = {},
     .style = kChild | WS_BORDER | WS_TABSTOP | ES_AUTOHSCROLL,
     .x = 7,
     .y = 17,
     .cx = 246,
     .cy = 14},
    {.id = static_cast<int>(IDC_VALUE_READING),
     .controlClass = ControlClass::Static,
     .text = {},
     .style = kChild | SS_NOPREFIX,
     .x = 7,
     .y = 37,
     .cx = 246,
     .cy = 72},
    {.id = static_cast<int>(IDC_SECOND_READING),
     .controlClass = ControlClass::Button,
     .text = {},
     .style = kChild | WS_TABSTOP | BS_PUSHBUTTON,
     .x = 7,
     .y = 113,
     .cx = 246,
     .cy = 14},
    {.id = static_cast<int>(IDC_STANDARD_VALUE),
     .controlClass = ControlClass::Button,
     .text = {},
     .style = kChild | WS_TABSTOP | BS_PUSHBUTTON,
     .x = 7,
     .y = 131,
     .cx = 246,
     .cy = 14},
    {.id = static_cast<int>(IDOK),
     .controlClass = ControlClass::Button,
     .text = "OK",
     .style = kChild | WS_GROUP | WS_TABSTOP | BS_DEFPUSHBUTTON,
     .x = 149,
     .y = 153,
     .cx = 50,
     .cy = 14},
    {.id = static_cast<int>(IDCANCEL),
     .controlClass = ControlClass::Button,
     .text = "Отмена",
     .style = kChild | WS_TABSTOP | BS_PUSHBUTTON,
     .x = 203,
     .y = 153,
     .cx = 50,
     .cy = 14},
});

constexpr DialogTemplate kValueDialog{
    .style = WS_POPUP | WS_CAPTION | WS_SYSMENU | DS_MODALFRAME | DS_SHELLFONT,
    .exStyle = 0,
    .x = 0,
    .y = 0,
    .cx = 260,
    .cy = 174,
    .caption = "Номинал резистора",
    .fontPointSize = 8,
    .fontFace = kDialogFont,
    .controls = kValueControls,
};

}  // namespace

const DialogTemplate* FindDialogTemplate(unsigned id) {
    switch (id) {
        case IDD_MARKING:
            return &kMarkingDialog;
        case IDD_ABOUT:
            return &kAboutDialog;
        case IDD_VALUE:
            return &kValueDialog;
        default:
            return nullptr;
    }
}

}  // namespace kolvar
