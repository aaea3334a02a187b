#include "model/band_code.h"
#include "tests/support/row_name.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace kolvar {
namespace {

int PaintedBands(const BandCode& code) {
    const BandSlots slots = BandsInDrawingOrder(code);
    return static_cast<int>(
        std::ranges::count_if(slots, [](auto slot) { return slot.has_value(); }));
}

TEST(BandCode, DefaultsAreBrownRedOrangeSilverInFourBands) {
    const BandCode code;
    EXPECT_EQ(BandCount(code), 4);
    EXPECT_EQ(SignificantNumber(code), 12);
    const BandSlots slots = BandsInDrawingOrder(code);
    EXPECT_EQ(slots[0], 1);
    EXPECT_EQ(slots[1], 2);
    EXPECT_EQ(slots[2], 3);
    EXPECT_EQ(slots[3], kSilver);
    EXPECT_FALSE(slots[4].has_value());
}

TEST(BandCode, FiveBandOrderPutsThirdDigitBeforeMultiplier) {
    BandCode code{.extended = 1, .digit1 = 4, .digit2 = 9, .digit3 = 9, .power = 1, .overshoot = 1};
    EXPECT_EQ(BandCount(code), 5);
    EXPECT_EQ(SignificantNumber(code), 499);
    const BandSlots expected = {4, 9, 9, 1, 1};
    EXPECT_EQ(BandsInDrawingOrder(code), expected);
}

TEST(BandCode, AnyNonZeroExtendedMeansFiveBands) {
    BandCode code;
    code.extended = 7;
    EXPECT_EQ(BandCount(code), 5);
    ToggleFiveBand(code);
    EXPECT_EQ(code.extended, 0);
    ToggleFiveBand(code);
    EXPECT_EQ(code.extended, 1);
}

TEST(BandCode, ToggleKeepsThirdDigitAndFourBandReading) {
    BandCode code;
    const BandCode before = code;
    ToggleFiveBand(code);
    EXPECT_EQ(SignificantNumber(code), 125);
    ToggleFiveBand(code);
    EXPECT_EQ(code, before);
    EXPECT_EQ(code.digit3, 5);
    EXPECT_EQ(SignificantNumber(code), 12);
}

struct ToleranceRow {
    ColourCode overshoot;
    bool hasBand;
};

void PrintTo(const ToleranceRow& row, std::ostream* out) {
    *out << "tolerance " << row.overshoot;
}

class ToleranceBand : public testing::TestWithParam<ToleranceRow> {};

TEST_P(ToleranceBand, LeavesTheLastSlotEmptyWithoutABand) {
    const auto [overshoot, hasBand] = GetParam();
    EXPECT_EQ(HasToleranceBand(overshoot), hasBand);
    BandCode four{.overshoot = overshoot};
    BandCode five{.extended = 1, .overshoot = overshoot};
    EXPECT_EQ(PaintedBands(four), hasBand ? 4 : 3);
    EXPECT_EQ(PaintedBands(five), hasBand ? 5 : 4);
}

INSTANTIATE_TEST_SUITE_P(EveryCode, ToleranceBand,
                         testing::Values(ToleranceRow{-2, true}, ToleranceRow{-1, true},
                                         ToleranceRow{0, false}, ToleranceRow{1, true},
                                         ToleranceRow{2, true}, ToleranceRow{3, false},
                                         ToleranceRow{4, false}, ToleranceRow{5, true},
                                         ToleranceRow{6, true}, ToleranceRow{7, true},
                                         ToleranceRow{8, true}, ToleranceRow{9, false},
                                         ToleranceRow{-3, false}, ToleranceRow{10, false}),
                         test::RowName());

TEST(BandCode, DisplayableOnlyWithEveryColourFieldInRange) {
    EXPECT_TRUE(IsDisplayable(BandCode{}));
    EXPECT_TRUE(IsDisplayable(BandCode{.extended = -5, .digit1 = 0, .overshoot = 3}));
    EXPECT_FALSE(IsDisplayable(BandCode{.digit1 = 10}));
    EXPECT_FALSE(IsDisplayable(BandCode{.digit3 = -3}));
    EXPECT_FALSE(IsDisplayable(BandCode{.power = 12}));
    EXPECT_FALSE(IsDisplayable(BandCode{.overshoot = -100}));
}

TEST(ColourCode, TableIsIndexedByCodePlusTwo) {
    EXPECT_EQ(ColourOf(kSilver), Rgb(240, 240, 240));
    EXPECT_EQ(ColourOf(kGold), Rgb(255, 224, 104));
    EXPECT_EQ(ColourOf(0), Rgb(0, 0, 0));
    EXPECT_EQ(ColourOf(6), Rgb(0, 255, 255));
    EXPECT_EQ(ColourOf(7), Rgb(128, 0, 255));
    EXPECT_EQ(ColourOf(kWhite), Rgb(255, 255, 255));
}

}  // namespace
}  // namespace kolvar
