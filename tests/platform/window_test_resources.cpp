#include "window_test_resources.h"

#include <array>
#include <optional>
#include <span>

#include "platform/dialog.h"
#include "resources/generators/ico_writer.h"

namespace kolvar::test {
namespace {

constexpr std::array kAboutControls{
    DialogControl{.id = -1,
                  .controlClass = ControlClass::Static,
                  .text = {},
                  .iconId = kTestIcon,
                  .style = WS_CHILD | WS_VISIBLE | SS_ICON,
                  .x = 11,
                  .y = 17,
                  .cx = 20,
                  .cy = 20},
    DialogControl{.id = -1,
                  .controlClass = ControlClass::Static,
                  .text = "Tom & Jerry\nsecond line",
                  .iconId = 0,
                  .style = WS_CHILD | WS_VISIBLE | SS_NOPREFIX,
                  .x = 40,
                  .y = 14,
                  .cx = 119,
                  .cy = 26},
    DialogControl{.id = static_cast<int>(kCommandOk),
                  .controlClass = ControlClass::Button,
                  .text = "OK",
                  .iconId = 0,
                  .style = WS_CHILD | WS_VISIBLE | WS_TABSTOP | BS_DEFPUSHBUTTON,
                  .x = 178,
                  .y = 7,
                  .cx = 50,
                  .cy = 14},
};

constexpr DialogTemplate kMain{
    .style = WS_POPUP | WS_VISIBLE | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX | DS_MODALFRAME |
             DS_SETFONT,
    .exStyle = WS_EX_APPWINDOW,
    .x = 0,
    .y = 0,
    .cx = 320,
    .cy = 200,
    .caption = "Main",
    .fontPointSize = 8,
    .fontFace = "MS Shell Dlg",
    .controls = {},
};

constexpr DialogTemplate kAbout{
    .style = WS_POPUP | WS_CAPTION | WS_SYSMENU | DS_MODALFRAME | DS_SETFONT,
    .exStyle = 0,
    .x = 0,
    .y = 0,
    .cx = 235,
    .cy = 55,
    .caption = "About",
    .fontPointSize = 8,
    .fontFace = "MS Shell Dlg",
    .controls = kAboutControls,
};

// One colour, with the top-left pixel masked out.
IconImage IconImageOf(int size, Colour colour) {
    const RgbColour rgb{RedOf(colour), GreenOf(colour), BlueOf(colour)};
    return {size, IconImage::Depth::TrueColourWithAlpha,
            [rgb](int x, int y) -> std::optional<RgbColour> {
                return x == 0 && y == 0 ? std::nullopt : std::optional(rgb);
            }};
}

std::span<const std::byte> IconBytes(unsigned id) {
    static const std::vector<std::byte> icon = TwoSizeIcon();
    return id == kTestIcon ? std::span<const std::byte>(icon) : std::span<const std::byte>();
}

const DialogTemplate* Template(unsigned id) {
    switch (id) {
        case kMainTemplate:
            return &kMain;
        case kAboutTemplate:
            return &kAbout;
        default:
            return nullptr;
    }
}

}  // namespace

std::vector<std::byte> TwoSizeIcon() {
    const ByteBuffer file =
        EncodeIco({IconImageOf(32, kLargeIconColour), IconImageOf(16, kSmallIconColour)});
    const auto bytes = std::as_bytes(std::span(file));
    return {bytes.begin(), bytes.end()};
}

TestResources::TestResources() : previous_(AfxGetResourceModule()) {
    ResourceModule module = previous_;
    module.icon = IconBytes;
    module.dialog = Template;
    AfxSetResourceModule(module);
}

TestResources::~TestResources() {
    AfxSetResourceModule(previous_);
}

}  // namespace kolvar::test
