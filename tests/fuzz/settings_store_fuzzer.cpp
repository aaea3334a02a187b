// Whatever the settings file holds, the selection read from it must be one that the picture and
// the caption can show, and writing it back and reading it again must give the same selection.
// Each input is written, byte for byte, as the program's settings file.

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <unordered_set>

#include "model/band_code_settings.h"
#include "model/caption_text.h"
#include "model/colour_code.h"
#include "picture/band_picture.h"
#include "platform/application.h"
#include "platform/surface.h"
#include "platform/testing.h"
#include "resources/program_resources.h"
#include "resources/resource_ids.h"
#include "tests/support/company_key.h"

namespace kolvar {
namespace {

constexpr const char* kApplication = "kolvar";
// Large enough for the whole picture, which lands at its centre.
constexpr Rect kTarget{0, 0, 400, 200};
constexpr int kPictureWidth = 353;
constexpr int kPictureHeight = 153;
// The middle of the first band's slot, on the picture's middle row.
constexpr int kFirstBandX = 87;

// Each save syncs the file; memory-backed files keep the runs fast.
std::filesystem::path PrivateConfigHome() {
    const std::filesystem::path shm = "/dev/shm";
    std::string pattern =
        ((std::filesystem::is_directory(shm) ? shm : std::filesystem::temp_directory_path()) /
         "kolvar-fuzz-XXXXXX")
            .string();
    if (mkdtemp(pattern.data()) == nullptr) {
        std::abort();
    }
    return pattern;
}

const std::filesystem::path& ConfigHome() {
    static const std::filesystem::path home = PrivateConfigHome();
    return home;
}

void WriteFile(const std::filesystem::path& path, const std::uint8_t* data, std::size_t size) {
    std::filesystem::create_directories(path.parent_path());
    std::ofstream file(path, std::ios::binary | std::ios::trunc);
    file.write(reinterpret_cast<const char*>(data), static_cast<std::streamsize>(size));
}

// The picture must show the first digit's colour in its first slot.
void CheckPicture(Bitmap& picture, const BandCode& code) {
    MemorySurface target;
    Bitmap buffer = CreateCompatibleBitmap(target, kTarget.Width(), kTarget.Height());
    Selected selectedBuffer(target, buffer);
    Rect area = kTarget;
    PaintPicture(picture, target, area, code);
    const int left = (kTarget.Width() - kPictureWidth) / 2;
    const int top = (kTarget.Height() - kPictureHeight) / 2;
    if (area.left != left || area.top != top ||
        target.GetPixel(left + kFirstBandX, top + kPictureHeight / 2) != ColourOf(code.digit1)) {
        std::abort();
    }
}

// Painting is the slow part of a run; each selection is painted once, the first time it is read.
bool FirstTimeRead(const BandCode& code) {
    static std::unordered_set<std::uint64_t> seen;
    std::uint64_t key = IsFiveBand(code) ? 1 : 0;
    for (const std::int32_t field :
         {code.digit1, code.digit2, code.digit3, code.power, code.overshoot}) {
        key = key << 4 | static_cast<std::uint64_t>(field - kSilver);
    }
    return seen.insert(key).second;
}

Bitmap& Picture() {
    static Bitmap picture = LoadBitmap(IDB_PICTURE);
    return picture;
}

}  // namespace
}  // namespace kolvar

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv) {
    setenv("XDG_CONFIG_HOME", kolvar::ConfigHome().c_str(), 1);
    static kolvar::TestPlatform platform(*argc, *argv);
    kolvar::AfxSetResourceModule(kolvar::ProgramResources());
    if (!kolvar::Picture()) {
        std::abort();
    }
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace kolvar;
    // A fresh application object reads the file afresh, as a new run of the program does.
    CWinApp app(kApplication);
    app.SetRegistryKey(test::kCompanyKey);
    WriteFile(ConfigHome() / test::kCompanyKey / (std::string(kApplication) + ".conf"), data, size);

    const BandCode code = LoadBandCode(app);
    if (!IsDisplayable(code) || CaptionText(code).empty()) {
        std::abort();
    }
    if (FirstTimeRead(code)) {
        CheckPicture(Picture(), code);
    }

    // As the view saves: one replace of the file for all six keys. A file that is not text is
    // left as it was, and then still reads back as the defaults.
    {
        const ProfileSaveScope save(app);
        SaveBandCode(app, code);
    }
    if (LoadBandCode(app) != code) {
        std::abort();
    }
    return 0;
}
