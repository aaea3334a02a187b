#include "platform/resource_module.h"

namespace kolvar {
namespace {

ResourceModule& InstalledModule() {
    static ResourceModule module{
        [](unsigned) { return std::span<const std::byte>{}; },
        [](unsigned) { return std::span<const std::byte>{}; },
        [](unsigned) -> const DialogTemplate* { return nullptr; },
        [](unsigned) { return std::string_view{}; },
    };
    return module;
}

}  // namespace

void AfxSetResourceModule(const ResourceModule& module) {
    InstalledModule() = module;
}

const ResourceModule& AfxGetResourceModule() {
    return InstalledModule();
}

}  // namespace kolvar
