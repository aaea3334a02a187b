#include "window_test_resources.h"

#include <array>
#include <cstdint>

#include "platform/dialog.h"

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
    .fontFace = "MS Sans Serif",
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
    .fontFace = "MS Sans Serif",
    .controls = kAboutControls,
};

void Put16(std::vector<std::byte>& out, std::uint32_t value) {
    out.push_back(static_cast<std::byte>(value & 0xFF));
    out.push_back(static_cast<std::byte>(value >> 8 & 0xFF));
}

void Put32(std::vector<std::byte>& out, std::uint32_t value) {
    Put16(out, value & 0xFFFF);
    Put16(out, value >> 16);
}

// A 32-bit image with its AND mask, rows bottom-up, as an icon file keeps it.
std::vector<std::byte> IconImage(int size, Colour colour) {
    std::vector<std::byte> image;
    for (std::uint32_t field :
         {40u, static_cast<std::uint32_t>(size), static_cast<std::uint32_t>(2 * size)}) {
        Put32(image, field);
    }
    Put16(image, 1);
    Put16(image, 32);
    for (int field = 0; field < 6; ++field) {
        Put32(image, 0);
    }
    for (int row = size - 1; row >= 0; --row) {
        for (int column = 0; column < size; ++column) {
            const bool masked = row == 0 && column == 0;
            for (std::uint8_t channel : {BlueOf(colour), GreenOf(colour), RedOf(colour)}) {
                image.push_back(static_cast<std::byte>(masked ? 0 : channel));
            }
            image.push_back(static_cast<std::byte>(masked ? 0 : 255));
        }
    }
    const int maskRowBytes = (size + 31) / 32 * 4;
    for (int row = size - 1; row >= 0; --row) {
        for (int byte = 0; byte < maskRowBytes; ++byte) {
            image.push_back(static_cast<std::byte>(row == 0 && byte == 0 ? 0x80 : 0));
        }
    }
    return image;
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
    const std::array images{IconImage(32, kLargeIconColour), IconImage(16, kSmallIconColour)};
    std::vector<std::byte> file;
    Put16(file, 0);
    Put16(file, 1);
    Put16(file, images.size());
    std::uint32_t offset = 6 + 16 * images.size();
    for (std::size_t index = 0; index < images.size(); ++index) {
        const std::uint32_t size = index == 0 ? 32 : 16;
        file.push_back(static_cast<std::byte>(size));
        file.push_back(static_cast<std::byte>(size));
        Put16(file, 0);
        Put16(file, 1);
        Put16(file, 32);
        Put32(file, static_cast<std::uint32_t>(images[index].size()));
        Put32(file, offset);
        offset += static_cast<std::uint32_t>(images[index].size());
    }
    for (const auto& image : images) {
        file.insert(file.end(), image.begin(), image.end());
    }
    return file;
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
