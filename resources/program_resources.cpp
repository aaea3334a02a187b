#include "resources/program_resources.h"

#include "resources/dialog_templates.h"
#include "resources/embedded_files.h"
#include "resources/resource_ids.h"

namespace kolvar {
namespace {

std::span<const std::byte> BitmapBytes(unsigned id) {
    return id == IDB_PICTURE ? EmbeddedPicture() : std::span<const std::byte>{};
}

std::span<const std::byte> IconBytes(unsigned id) {
    return id == IDR_MAINICON ? EmbeddedIcon() : std::span<const std::byte>{};
}

constexpr ResourceModule kProgramResources{
    .bitmap = &BitmapBytes,
    .icon = &IconBytes,
    .dialog = &FindDialogTemplate,
};

}  // namespace

const ResourceModule& ProgramResources() {
    return kProgramResources;
}

}  // namespace kolvar
