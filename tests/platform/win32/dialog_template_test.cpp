#include "platform/win32/dialog_template.h"

#include <gtest/gtest.h>

#include <array>
#include <chrono>

#include "platform/application.h"
#include "platform/dialog.h"
#include "platform/testing.h"
#include "platform/win32/window.h"

namespace kolvar {
namespace {

constexpr unsigned kButtonStyle = WS_CHILD | WS_VISIBLE | BS_DEFPUSHBUTTON;

// clang-format off
// id, class, text, icon, style, x, y, cx, cy
constexpr auto kControls = std::to_array<DialogControl>({
    {7, ControlClass::Button, "OK", 0, kButtonStyle, 150, 7, 50, 14},
    {-1, ControlClass::Static, {}, 128, WS_CHILD | SS_ICON, 5, 6, 20, 20},
});
// style, extended style, x, y, cx, cy, caption, font
constexpr DialogTemplate kDialog{WS_POPUP | WS_CAPTION | DS_SETFONT, WS_EX_APPWINDOW, 0, 0, 210, 55,
                                 "Ж", 8, "MS Sans Serif", kControls};

// DLGTEMPLATEEX and its DLGITEMTEMPLATEEX items, word by word.
const std::vector<std::uint16_t> kWords = {
    1, 0xFFFF, 0, 0,                   // version, extended, help id
    0x0000, 0x0004, 0x0040, 0x80C0,    // WS_EX_APPWINDOW; WS_POPUP | WS_CAPTION | DS_SETFONT
    2, 0, 0, 210, 55,                  // items, x, y, cx, cy
    0, 0, 0x0416, 0,                   // no menu, the dialog class, "Ж"
    8, 0, 0x0100, 'A', 'b', 0,         // 8 points, any weight, upright, DEFAULT_CHARSET, face
    0,                                 // to a double word
    0, 0, 0, 0, 0x0001, 0x5000,        // the button: help id, extended style, style
    150, 7, 50, 14, 7, 0,              // x, y, cx, cy, id
    0xFFFF, 0x0080, 'O', 'K', 0, 0,    // the button class, text, no creation data
    0, 0, 0, 0, 0x0003, 0x4000,        // the icon
    5, 6, 20, 20, 0xFFFF, 0xFFFF,
    0xFFFF, 0x0082, 'i', 0, 0};        // the static class; its text is the icon's name
// clang-format on

TEST(DialogTemplate, IsTheExtendedTemplateWithItsFontAndItsItemsOnDoubleWords) {
    DialogTemplate dialog = kDialog;
    dialog.fontFace = "Ab";
    EXPECT_EQ(DialogTemplateWords(dialog, "i"), kWords);
}

const DialogTemplate* TestDialog(unsigned id) {
    return id == 1 ? &kDialog : nullptr;
}

// A dialog unit is a quarter of the font's average character width, taken over the 52 letters
// and rounded, and an eighth of its height.
Size BaseUnitsOf(const DialogTemplate& dialog) {
    ScreenSurface screen;
    const int height = -MulDiv(dialog.fontPointSize, screen.GetDeviceCaps(LOGPIXELSY), 72);
    const Font font(LogFont{.height = height, .faceName = std::string(dialog.fontFace)});
    const Selected selected(screen, font);
    const Size letters =
        screen.GetTextExtentPoint32("ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz");
    return {(letters.cx / 26 + 1) / 2, letters.cy};
}

Rect ToPixels(const DialogControl& control, Size base) {
    const int left = MulDiv(control.x, base.cx, 4);
    const int top = MulDiv(control.y, base.cy, 8);
    return {left, top, left + MulDiv(control.cx, base.cx, 4), top + MulDiv(control.cy, base.cy, 8)};
}

TEST(DialogTemplate, TheDialogAndItsControlsTakeTheUnitsOfTheTemplatesFont) {
    const ResourceModule installed = AfxGetResourceModule();
    AfxSetResourceModule({nullptr, nullptr, &TestDialog});
    CDialog dialog(1);
    Rect client;
    RECT button{};
    const LaterStep measure(std::chrono::milliseconds(0), [&] {
        client = dialog.GetClientRect();
        HWND hwnd = HandleOf(&dialog);
        GetWindowRect(GetDlgItem(hwnd, 7), &button);
        MapWindowPoints(nullptr, hwnd, reinterpret_cast<POINT*>(&button), 2);
        dialog.EndDialog(1);
    });
    const std::int32_t result = dialog.DoModal();
    AfxSetResourceModule(installed);
    ASSERT_EQ(result, 1);
    const Size base = BaseUnitsOf(kDialog);
    EXPECT_EQ(client, (Rect{0, 0, MulDiv(210, base.cx, 4), MulDiv(55, base.cy, 8)}));
    EXPECT_EQ((Rect{button.left, button.top, button.right, button.bottom}),
              ToPixels(kControls[0], base));
}

}  // namespace
}  // namespace kolvar
