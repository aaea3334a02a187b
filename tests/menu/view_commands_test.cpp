#include <gtest/gtest.h>

#include <memory>
#include <optional>
#include <string>

#include "expected_menu.h"
#include "menu/marking_view.h"
#include "model/caption_text.h"
#include "view_fixture.h"

namespace kolvar::test {
namespace {

// A band the paint after the command must show: which slot, in which colour.
struct ShownBand {
    bool fiveBand;
    int slot;
    Colour colour;
};

struct CommandRow {
    std::string name;
    BandCode start;
    unsigned id;
    BandCode after;
    std::optional<ShownBand> band;
};

void PrintTo(const CommandRow& row, std::ostream* out) {
    *out << row.name;
}

constexpr BandCode kDefaults{0, 1, 2, 5, 3, -2};
constexpr BandCode kFiveBand{1, 1, 2, 5, 3, -2};

BandCode With(BandCode code, std::int32_t BandCode::*field, std::int32_t value) {
    code.*field = value;
    return code;
}

// The view as the program has it: its selection from the settings, shown on the screen.
class ViewWithSelection {
public:
    explicit ViewWithSelection(const BandCode& stored)
        : settings_(stored), view_(std::make_unique<CMarkingView>()), shown_(*view_) {}

    CMarkingView& view() { return *view_; }
    ShownView& shown() { return shown_; }

private:
    TestSettings settings_;
    std::unique_ptr<CMarkingView> view_;
    ShownView shown_;
};

class ViewCommand : public testing::TestWithParam<CommandRow> {};

TEST_P(ViewCommand, StoresTheChoiceAndThePaintThatFollowsShowsIt) {
    const CommandRow& row = GetParam();
    ViewWithSelection fixture(row.start);
    ASSERT_TRUE(fixture.view().IsWindow());
    ASSERT_EQ(fixture.view().bandCode(), row.start);
    const Image before = GrabClientArea(fixture.view());
    const int paints = fixture.shown().paints();

    fixture.view().SendMessage(WM_COMMAND, row.id, 0);

    EXPECT_EQ(fixture.view().bandCode(), row.after);
    EXPECT_TRUE(fixture.shown().WaitForPaintAfter(paints)) << "no paint followed the command";
    if (row.band) {
        const Image after = GrabClientArea(fixture.view());
        const int column = SlotColumn(after, row.band->fiveBand, row.band->slot);
        const int gained = ColumnCount(after, column, row.band->colour) -
                           ColumnCount(before, column, row.band->colour);
        EXPECT_GE(gained, 40) << "slot " << row.band->slot << " did not take its new colour";
    }
}

using expected::kBlack;
using expected::kBody;

INSTANTIATE_TEST_SUITE_P(
    Commands, ViewCommand,
    testing::Values(
        CommandRow{"FiveBandOn", kDefaults, 35000, kFiveBand, ShownBand{true, 2, expected::kGreen}},
        CommandRow{"FiveBandOff", kFiveBand, 35000, kDefaults,
                   ShownBand{false, 2, expected::kOrange}},
        CommandRow{"FiveBandFromAnyOtherValue", With(kDefaults, &BandCode::extended, 7), 35000,
                   kDefaults, ShownBand{false, 2, expected::kOrange}},
        CommandRow{"FirstDigitBrown", With(kDefaults, &BandCode::digit1, 4), 35006, kDefaults,
                   ShownBand{false, 0, expected::kBrown}},
        CommandRow{"FirstDigitWhite", kDefaults, 35014, With(kDefaults, &BandCode::digit1, 9),
                   ShownBand{false, 0, expected::kWhite}},
        CommandRow{"SecondDigitBlack", kDefaults, 35015, With(kDefaults, &BandCode::digit2, 0),
                   ShownBand{false, 1, kBlack}},
        CommandRow{"SecondDigitViolet", kDefaults, 35022, With(kDefaults, &BandCode::digit2, 7),
                   ShownBand{false, 1, expected::kViolet}},
        CommandRow{"ThirdDigitBlack", kFiveBand, 35025, With(kFiveBand, &BandCode::digit3, 0),
                   ShownBand{true, 2, kBlack}},
        CommandRow{"ThirdDigitWhite", kFiveBand, 35034, With(kFiveBand, &BandCode::digit3, 9),
                   ShownBand{true, 2, expected::kWhite}},
        CommandRow{"ThirdDigitKeptWhileFourBandsShow", kDefaults, 35031,
                   With(kDefaults, &BandCode::digit3, 6), std::nullopt},
        CommandRow{"MultiplierSilver", kDefaults, 35035, With(kDefaults, &BandCode::power, -2),
                   ShownBand{false, 2, expected::kSilver}},
        CommandRow{"MultiplierGold", kDefaults, 35036, With(kDefaults, &BandCode::power, -1),
                   ShownBand{false, 2, expected::kGold}},
        CommandRow{"MultiplierBlack", kDefaults, 35037, With(kDefaults, &BandCode::power, 0),
                   ShownBand{false, 2, kBlack}},
        CommandRow{"MultiplierWhite", kFiveBand, 35046, With(kFiveBand, &BandCode::power, 9),
                   ShownBand{true, 3, expected::kWhite}},
        CommandRow{"ToleranceSilver", With(kDefaults, &BandCode::overshoot, 1), 35048, kDefaults,
                   ShownBand{false, 3, expected::kSilver}},
        CommandRow{"ToleranceGold", kDefaults, 35049, With(kDefaults, &BandCode::overshoot, -1),
                   ShownBand{false, 3, expected::kGold}},
        CommandRow{"ToleranceGrey", kFiveBand, 35058, With(kFiveBand, &BandCode::overshoot, 8),
                   ShownBand{true, 4, expected::kGrey}},
        CommandRow{"ToleranceWithoutBand", kDefaults, 35059,
                   With(kDefaults, &BandCode::overshoot, 9), ShownBand{false, 3, kBody}},
        // The tolerance range also covers ids the menu never offers; their slot stays empty.
        CommandRow{"ToleranceZero", kDefaults, 35050, With(kDefaults, &BandCode::overshoot, 0),
                   ShownBand{false, 3, kBody}},
        CommandRow{"ToleranceThree", kDefaults, 35053, With(kDefaults, &BandCode::overshoot, 3),
                   ShownBand{false, 3, kBody}},
        CommandRow{"ToleranceFour", kFiveBand, 35054, With(kFiveBand, &BandCode::overshoot, 4),
                   ShownBand{true, 4, kBody}}),
    [](const testing::TestParamInfo<CommandRow>& row) { return row.param.name; });

TEST(ViewCommands, TolerancesTheMenuDoesNotOfferReadFalseInTheCaption) {
    for (const unsigned id : {35050U, 35053U, 35054U}) {
        ViewWithSelection fixture(kDefaults);
        fixture.view().SendMessage(WM_COMMAND, id, 0);
        EXPECT_EQ(CaptionText(fixture.view().bandCode()), "12 кОм false") << id;
    }
}

TEST(ViewCommands, ChoosingTheCheckedItemStoresTheSameValueAndStillRepaints) {
    for (const unsigned id : {35006U, 35017U, 35030U, 35040U, 35048U}) {
        ViewWithSelection fixture(kFiveBand);
        const int paints = fixture.shown().paints();
        fixture.view().SendMessage(WM_COMMAND, id, 0);
        EXPECT_EQ(fixture.view().bandCode(), kFiveBand) << id;
        EXPECT_TRUE(fixture.shown().WaitForPaintAfter(paints)) << id;
    }
}

TEST(ViewCommands, IdsJustOutsideTheRangesDoNothing) {
    for (const unsigned id : {34999U, 35001U, 35005U, 35047U, 35060U, 35064U, 35065U}) {
        ViewWithSelection fixture(kFiveBand);
        const int paints = fixture.shown().paints();
        fixture.view().SendMessage(WM_COMMAND, id, 0);
        fixture.shown().Linger();
        EXPECT_EQ(fixture.view().bandCode(), kFiveBand) << id;
        EXPECT_EQ(fixture.shown().paints(), paints) << id << " caused a paint";
    }
}

}  // namespace
}  // namespace kolvar::test
