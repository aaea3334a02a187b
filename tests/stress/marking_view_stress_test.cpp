// A long random walk through the colour menu's commands, each followed by a paint of the view,
// with the picture checked after every paint against a selection the test keeps itself.
// KOLVAR_STRESS_COMMANDS and KOLVAR_STRESS_SEED change the walk's length and seed.

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <bit>
#include <cstdlib>
#include <optional>
#include <random>
#include <string>
#include <unordered_map>
#include <vector>

#if defined(__GLIBC__)
#include <malloc.h>
#endif

#include "menu/marking_view.h"
#include "model/band_code.h"
#include "platform/application.h"
#include "platform/surface.h"
#include "platform/testing.h"
#include "resources/program_resources.h"

namespace kolvar {
namespace {

constexpr long kDefaultCommands = 100000;
constexpr unsigned kDefaultSeed = 20240611;

// The picture as drawn: its outline, body and leads, and the band colours by code + 2.
constexpr Colour kOutline = Rgb(128, 128, 128);
constexpr Colour kBody = Rgb(220, 214, 160);
constexpr Colour kLead = Rgb(192, 192, 192);
constexpr std::array<Colour, 12> kDrawn = {
    Rgb(240, 240, 240), Rgb(255, 224, 104), Rgb(0, 0, 0),       Rgb(128, 64, 0),
    Rgb(255, 0, 0),     Rgb(255, 128, 0),   Rgb(255, 255, 0),   Rgb(0, 255, 0),
    Rgb(0, 255, 255),   Rgb(128, 0, 255),   Rgb(192, 192, 192), Rgb(255, 255, 255),
};
constexpr int kPictureWidth = 353;
constexpr int kPictureHeight = 153;
constexpr int kMiddleRow = 76;
// On the middle row the body runs between the outline columns 50 and 302.
constexpr int kBodyLeft = 51;
constexpr int kBodyRight = 301;
constexpr int kLeadLeft = 2;
constexpr int kLeadRight = 48;
// The topmost outline pixels are the left cap's, on row 1 from column 63.
constexpr int kFirstOutlineX = 63;
constexpr int kFirstOutlineY = 1;

struct Columns {
    int left;
    int right;
};
constexpr std::array<Columns, 4> kFourBandSlots = {{{75, 100}, {125, 150}, {175, 200}, {225, 250}}};
constexpr std::array<Columns, 5> kFiveBandSlots = {
    {{75, 95}, {115, 135}, {155, 175}, {195, 215}, {235, 255}}};

// The selection as the commands should leave it, kept apart from the view's.
struct Selection {
    bool fiveBand = false;
    std::array<int, 5> bands{};  // digit 1, digit 2, digit 3, power, tolerance

    bool operator==(const Selection&) const = default;
};

Selection SelectionOf(const BandCode& code) {
    return {code.extended != 0,
            {code.digit1, code.digit2, code.digit3, code.power, code.overshoot}};
}

struct CommandRange {
    unsigned first;
    unsigned last;
    unsigned base;  // the band's value is id - base
    int band;
};
// Every colour item of the menu, and the tolerances it leaves out (35050, 35053, 35054), which
// the command table still takes.
constexpr std::array<CommandRange, 5> kRanges = {{
    {35006, 35014, 35005, 0},
    {35015, 35024, 35015, 1},
    {35025, 35034, 35025, 2},
    {35035, 35046, 35037, 3},
    {35048, 35059, 35050, 4},
}};
constexpr unsigned kFiveBandCommand = 35000;

std::vector<unsigned> AllCommands() {
    std::vector<unsigned> ids{kFiveBandCommand};
    for (const CommandRange& range : kRanges) {
        for (unsigned id = range.first; id <= range.last; ++id) {
            ids.push_back(id);
        }
    }
    return ids;
}

void Apply(Selection& selection, unsigned id) {
    if (id == kFiveBandCommand) {
        selection.fiveBand = !selection.fiveBand;
        return;
    }
    for (const CommandRange& range : kRanges) {
        if (id >= range.first && id <= range.last) {
            selection.bands[static_cast<std::size_t>(range.band)] =
                static_cast<int>(id) - static_cast<int>(range.base);
        }
    }
}

bool HasToleranceBand(int tolerance) {
    return tolerance >= -2 && tolerance <= 8 && tolerance != 0 && tolerance != 3 && tolerance != 4;
}

// What the middle row of the body must show, column by column from kBodyLeft.
std::vector<Colour> ExpectedMiddleRow(const Selection& selection) {
    std::vector<Colour> row(kBodyRight - kBodyLeft + 1, kBody);
    std::vector<std::optional<int>> bands = {selection.bands[0], selection.bands[1]};
    if (selection.fiveBand) {
        bands.emplace_back(selection.bands[2]);
    }
    bands.emplace_back(selection.bands[3]);
    const int tolerance = selection.bands[4];
    bands.push_back(HasToleranceBand(tolerance) ? std::optional(tolerance) : std::nullopt);
    for (std::size_t slot = 0; slot < bands.size(); ++slot) {
        if (!bands[slot]) {
            continue;
        }
        const Columns columns = selection.fiveBand ? kFiveBandSlots[slot] : kFourBandSlots[slot];
        for (int x = columns.left; x <= columns.right; ++x) {
            row[static_cast<std::size_t>(x - kBodyLeft)] =
                kDrawn[static_cast<std::size_t>(*bands[slot] + 2)];
        }
    }
    return row;
}

// A four-band picture does not depend on the third digit, which it does not show.
std::uint64_t PictureKey(const Selection& selection) {
    std::uint64_t key = selection.fiveBand ? 1 : 0;
    for (std::size_t band = 0; band < selection.bands.size(); ++band) {
        const int value = band == 2 && !selection.fiveBand ? 0 : selection.bands[band];
        key = key * 16 + static_cast<std::uint64_t>(value + 2);
    }
    return key;
}

long FromEnvironment(const char* name, long fallback) {
    const char* text = std::getenv(name);
    return text != nullptr && *text != '\0' ? std::strtol(text, nullptr, 10) : fallback;
}

Colour PixelAt(const Image& image, int x, int y) {
    const bool inside = x >= 0 && y >= 0 && x < image.width && y < image.height;
    return inside ? image.At(x, y) : CLR_INVALID;
}

// What the eye takes for the pixel's brightness, as 0 to 255.
int Grey(Colour pixel) {
    return (RedOf(pixel) * 11 + GreenOf(pixel) * 16 + BlueOf(pixel) * 5) / 32;
}

// Each paint's grab, over half a megabyte, is dropped at the next: glibc would hand that memory
// back to the system each time and fault it in afresh, which took most of the walk's time.
void KeepFreedMemory() {
#if defined(__GLIBC__)
    mallopt(M_MMAP_THRESHOLD, 4 << 20);
    mallopt(M_TRIM_THRESHOLD, 64 << 20);
#endif
}

class MarkingViewStress : public testing::Test {
protected:
    void SetUp() override {
        KeepFreedMemory();
        AfxSetResourceModule(ProgramResources());
        ASSERT_TRUE(frame_.CreateEx(0, WS_VISIBLE, {0, 0, 480, 325}, nullptr, 0));
        ASSERT_TRUE(view_.CreateEx(WS_EX_CLIENTEDGE, WS_CHILD | WS_VISIBLE, {5, 5, 475, 320},
                                   &frame_, 10000));
        ProcessEvents();
    }

    void Paint() { image_ = GrabClientArea(view_); }

    // The picture's top-left corner in the view, found by its outline.
    std::optional<Point> FindPicture() const {
        for (int y = 0; y < image_.height; ++y) {
            for (int x = 0; x < image_.width; ++x) {
                if (PixelAt(image_, x, y) == kOutline) {
                    return Point{x - kFirstOutlineX, y - kFirstOutlineY};
                }
            }
        }
        return std::nullopt;
    }

    // Empty when the paint is right; what is wrong otherwise.
    std::string CheckPicture(const Selection& selection, Point at) const {
        if (PixelAt(image_, at.x + kFirstOutlineX, at.y + kFirstOutlineY) != kOutline ||
            PixelAt(image_, at.x + kFirstOutlineX - 1, at.y + kFirstOutlineY) == kOutline) {
            return "the picture moved";
        }
        const int y = at.y + kMiddleRow;
        const std::vector<Colour> expected = ExpectedMiddleRow(selection);
        for (int x = kBodyLeft; x <= kBodyRight; ++x) {
            const Colour want = expected[static_cast<std::size_t>(x - kBodyLeft)];
            const Colour got = PixelAt(image_, at.x + x, y);
            if (got != want) {
                return "middle row, column " + std::to_string(x) + ": " + std::to_string(got) +
                       " instead of " + std::to_string(want);
            }
        }
        for (int x = kLeadLeft; x <= kLeadRight; ++x) {
            if (PixelAt(image_, at.x + x, y) != kLead) {
                return "left lead, column " + std::to_string(x);
            }
        }
        return {};
    }

    // Some dark text below the picture.
    bool CaptionShown(Point at) const {
        const int top = std::clamp(at.y + kPictureHeight, 0, image_.height);
        const auto from = image_.pixels.begin() + top * image_.width;
        return std::any_of(from, image_.pixels.end(),
                           [](Colour pixel) { return Grey(pixel) < 64; });
    }

    // A fingerprint of the picture and the caption strip under it. Four independent lanes keep
    // it cheap enough to take after every paint.
    std::uint64_t Fingerprint(Point at) const {
        const int width = image_.width;
        const int height = image_.height;
        const int left = std::max(at.x, 0);
        const int right = std::min(at.x + kPictureWidth, width);
        std::uint64_t a = 1, b = 2, c = 3, d = 4;
        for (int y = std::max(at.y, 0); y < height; ++y) {
            const bool captionRow = y >= at.y + kPictureHeight;
            const Colour* line = image_.pixels.data() + static_cast<std::size_t>(y * width);
            int x = captionRow ? 0 : left;
            const int to = captionRow ? width : right;
            for (; x + 4 <= to; x += 4) {
                a = Mix(a, line[x]);
                b = Mix(b, line[x + 1]);
                c = Mix(c, line[x + 2]);
                d = Mix(d, line[x + 3]);
            }
            for (; x < to; ++x) {
                a = Mix(a, line[x]);
            }
        }
        return a ^ std::rotl(b, 16) ^ std::rotl(c, 32) ^ std::rotl(d, 48);
    }

    static std::uint64_t Mix(std::uint64_t lane, Colour pixel) {
        return (lane ^ pixel) * 0x9E3779B97F4A7C15u;
    }

    CWnd frame_;
    CMarkingView view_;
    Image image_;
};

TEST_F(MarkingViewStress, RandomCommandsKeepEveryPaintRight) {
    const long commands = FromEnvironment("KOLVAR_STRESS_COMMANDS", kDefaultCommands);
    const auto seed = static_cast<unsigned>(FromEnvironment("KOLVAR_STRESS_SEED", kDefaultSeed));
    RecordProperty("seed", std::to_string(seed));
    ASSERT_GT(commands, 0);

    Paint();
    const std::optional<Point> at = FindPicture();
    ASSERT_TRUE(at) << "no picture outline in the first paint";
    const int liveObjects = LiveDrawingObjects();

    Selection expected = SelectionOf(view_.bandCode());
    const std::vector<unsigned> ids = AllCommands();
    std::mt19937 random(seed);
    std::uniform_int_distribution<std::size_t> pick(0, ids.size() - 1);
    // A selection must look the same whatever the way to it.
    std::unordered_map<std::uint64_t, std::uint64_t> paintOf;

    for (long step = 0; step < commands; ++step) {
        const unsigned id = ids[pick(random)];
        view_.SendMessage(WM_COMMAND, id, 0);
        Apply(expected, id);
        Paint();

        const std::string where = "after command " + std::to_string(id) + " (step " +
                                  std::to_string(step) + ", seed " + std::to_string(seed) + ")";
        ASSERT_EQ(SelectionOf(view_.bandCode()), expected) << where;
        const std::string wrong = CheckPicture(expected, *at);
        ASSERT_EQ(wrong, "") << where;
        ASSERT_TRUE(CaptionShown(*at)) << "no caption " << where;
        ASSERT_EQ(LiveDrawingObjects(), liveObjects) << where;
        const std::uint64_t fingerprint = Fingerprint(*at);
        const auto [known, added] = paintOf.try_emplace(PictureKey(expected), fingerprint);
        ASSERT_TRUE(added || known->second == fingerprint)
            << "the same selection painted differently " << where;
    }
    RecordProperty("selections_seen", std::to_string(paintOf.size()));
}

}  // namespace
}  // namespace kolvar
