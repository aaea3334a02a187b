#include "resources/dialog_templates.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <string_view>

#include "resources/program_resources.h"
#include "resources/resource_ids.h"

namespace kolvar {
namespace {

TEST(DialogTemplates, MainDialogIsAFixedFrameWithoutControls) {
    const DialogTemplate* marking = FindDialogTemplate(IDD_MARKING);
    ASSERT_NE(marking, nullptr);
    EXPECT_EQ(marking->style, 0x90CA00C8u);
    EXPECT_EQ(marking->exStyle, 0x00040000u);
    EXPECT_EQ(marking->cx, 320);
    EXPECT_EQ(marking->cy, 200);
    EXPECT_EQ(marking->caption, "Цветная маркировка резистора");
    EXPECT_EQ(marking->fontPointSize, 8);
    EXPECT_EQ(marking->fontFace, "MS Shell Dlg");
    EXPECT_TRUE(marking->controls.empty());
}

TEST(DialogTemplates, AboutBoxShowsIconTextAndOkButton) {
    const DialogTemplate* about = FindDialogTemplate(IDD_ABOUT);
    ASSERT_NE(about, nullptr);
    EXPECT_EQ(about->style, 0x80C800C8u);
    EXPECT_EQ(about->cx, 235);
    EXPECT_EQ(about->cy, 55);
    EXPECT_EQ(about->caption, "О программе Kolvar");
    ASSERT_EQ(about->controls.size(), 3u);

    const DialogControl& icon = about->controls[0];
    EXPECT_EQ(icon.style, 0x50000003u);
    EXPECT_EQ(icon.iconId, IDR_MAINICON);
    EXPECT_EQ((std::array{icon.x, icon.y, icon.cx, icon.cy}), (std::array{11, 17, 20, 20}));

    const DialogControl& text = about->controls[1];
    EXPECT_EQ(text.style, 0x50020080u);
    EXPECT_TRUE(text.text.starts_with("Kolvar Версия 1.0\n"));
    EXPECT_EQ(std::count(text.text.begin(), text.text.end(), '\n'), 2);
    EXPECT_EQ((std::array{text.x, text.y, text.cx, text.cy}), (std::array{40, 14, 119, 26}));

    const DialogControl& ok = about->controls[2];
    EXPECT_EQ(ok.id, 1);
    EXPECT_EQ(ok.controlClass, ControlClass::Button);
    EXPECT_EQ(ok.text, "OK");
    EXPECT_EQ(ok.style, 0x50030001u);
    EXPECT_EQ((std::array{ok.x, ok.y, ok.cx, ok.cy}), (std::array{178, 7, 50, 14}));
}

TEST(DialogTemplates, OtherIdsHaveNoTemplate) {
    EXPECT_EQ(FindDialogTemplate(101), nullptr);
    EXPECT_EQ(ProgramResources().dialog(IDR_MAINICON), nullptr);
    EXPECT_EQ(ProgramResources().dialog(IDD_ABOUT), FindDialogTemplate(IDD_ABOUT));
}

}  // namespace
}  // namespace kolvar
