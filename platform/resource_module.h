#pragma once

#include <cstddef>
#include <span>
#include <string_view>

namespace kolvar {

struct DialogTemplate;

// The program's resources, as the executable carries them. The program installs its module once
// at start; the platform loads bitmaps, icons, dialogs and strings from it by id.
struct ResourceModule {
    std::span<const std::byte> (*bitmap)(unsigned id) = nullptr;  // a BMP file
    std::span<const std::byte> (*icon)(unsigned id) = nullptr;    // an ICO file
    const DialogTemplate* (*dialog)(unsigned id) = nullptr;
    std::string_view (*string)(unsigned id) = nullptr;
};

void AfxSetResourceModule(const ResourceModule& module);
const ResourceModule& AfxGetResourceModule();

}  // namespace kolvar
