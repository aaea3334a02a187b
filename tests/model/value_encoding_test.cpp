#include "model/value_encoding.h"

#include <gtest/gtest.h>

#include <optional>
#include <ostream>
#include <vector>

#include "model/e_series.h"
#include "model/tolerance.h"
#include "model/value_markings.h"
#include "resources/resource_ids.h"
#include "tests/support/row_name.h"

namespace kolvar {
namespace {

// The default code's third digit, 5, stays under a four-band result.
BandCode Four(int digit1, int digit2, int power, int overshoot = kSilver) {
    return BandCode{0, digit1, digit2, 5, power, overshoot};
}

BandCode Five(int digit1, int digit2, int digit3, int power, int overshoot = kSilver) {
    return BandCode{1, digit1, digit2, digit3, power, overshoot};
}

ValueReading Asked(Decimal ohms, std::optional<Decimal> percent = {}, bool milli = false) {
    return ValueReading{ohms, percent, Notation::kNumber, milli};
}

const BandCode kFour = Four(1, 2, 3);
const BandCode kFive = Five(1, 2, 5, 3);

struct EncodingRow {
    const char* name;
    ValueReading asked;
    BandCode current;
    BandCode expected;  // the current code again where an error is expected
    std::optional<Decimal> roundedTo = {};
    unsigned errorId = 0;
};

void PrintTo(const EncodingRow& row, std::ostream* out) {
    *out << row.name;
}

class Encoding : public testing::TestWithParam<EncodingRow> {};

TEST_P(Encoding, ExactInTheCurrentCountElseTheOtherElseNearest) {
    const EncodingRow& row = GetParam();
    const ValueEncoding encoded = EncodeValue(row.asked, row.current);
    EXPECT_EQ(encoded.errorId, row.errorId);
    EXPECT_EQ(encoded.code, row.expected);
    if (row.errorId == 0) {
        EXPECT_EQ(encoded.rounded, row.roundedTo.has_value());
        EXPECT_EQ(encoded.ohms, row.roundedTo.value_or(row.asked.ohms));
    }
}

INSTANTIATE_TEST_SUITE_P(
    Table, Encoding,
    testing::Values(
        EncodingRow{"Kilo", Asked({47, 2}), kFour, Four(4, 7, 2)},
        EncodingRow{"FiveExact", Asked({475, 1}), kFour, Five(4, 7, 5, 1)},
        EncodingRow{"Rounded", Asked({4753, 0}), kFour, Five(4, 7, 5, 1), Decimal{475, 1}},
        EncodingRow{"RoundedMore", Asked({47531, -1}), kFour, Five(4, 7, 5, 1), Decimal{475, 1}},
        EncodingRow{"HalfUp", Asked({4755, 0}), kFour, Five(4, 7, 6, 1), Decimal{476, 1}},
        EncodingRow{"BothKeepFour", Asked({1, 2}), kFour, Four(1, 0, 1)},
        EncodingRow{"BothKeepFive", Asked({1, 2}), kFive, Five(1, 0, 0, 0)},
        EncodingRow{"OnlyFour", Asked({47, -2}), kFive, Four(4, 7, -2)},
        EncodingRow{"OnlyFive", Asked({472, 0}), kFour, Five(4, 7, 2, 0)},
        EncodingRow{"Lowest", Asked({1, -1}), kFour, Four(1, 0, -2)},
        EncodingRow{"LowestTie", Asked({105, -3}), kFour, Four(1, 1, -2), Decimal{11, -2}},
        EncodingRow{"NearLowest", Asked({1049, -4}), kFive, Four(1, 0, -2), Decimal{1, -1}},
        EncodingRow{"CarryTie", Asked({9996, -3}), kFour, Four(1, 0, 0), Decimal{1, 1}},
        EncodingRow{"CarryAtTop", Asked({9996, 7}), kFour, Five(1, 0, 0, 9), Decimal{1, 11}},
        EncodingRow{"AboveFour", Asked({995, 8}), kFour, Five(9, 9, 5, 8)},
        EncodingRow{"Highest", Asked({999, 9}), kFour, Five(9, 9, 9, 9)},
        EncodingRow{"Tolerance", Asked({47, 2}, Decimal{5, 0}), kFour, Four(4, 7, 2, kGold)},
        EncodingRow{"NoBand", Asked({1, 4}, Decimal{2, 1}), kFour, Four(1, 0, 3, 9)},
        EncodingRow{"Finest", Asked({1, 4}, Decimal{5, -2}), kFour, Four(1, 0, 3, 8)},
        EncodingRow{"BelowRange", Asked({999, -4}), kFour, kFour, {}, ID_VALUE_OUT_OF_RANGE},
        EncodingRow{"AboveRange", Asked({1, 12}), kFour, kFour, {}, ID_VALUE_OUT_OF_RANGE},
        EncodingRow{"JustAbove", Asked({9995, 8}), kFour, kFour, {}, ID_VALUE_OUT_OF_RANGE},
        EncodingRow{"Milli", Asked({1, -3}, {}, true), kFour, kFour, {}, ID_VALUE_MILLI},
        EncodingRow{
            "Unshown", Asked({47, 2}, Decimal{3, 0}), kFive, kFive, {}, ID_TOLERANCE_NOT_IN_CODE}),
    test::RowName());

struct SeriesRow {
    const char* name;
    Decimal value;
    std::vector<ESeries> holding;
    std::optional<SeriesNeighbours> e24;
    std::optional<SeriesNeighbours> e96;
};

void PrintTo(const SeriesRow& row, std::ostream* out) {
    *out << row.name;
}

class Series : public testing::TestWithParam<SeriesRow> {};

TEST_P(Series, HoldAndNeighbourThePublishedValues) {
    const SeriesRow& row = GetParam();
    EXPECT_EQ(SeriesHolding(row.value), row.holding);
    EXPECT_EQ(NearestInSeries(ESeries::kE24, row.value), row.e24);
    EXPECT_EQ(NearestInSeries(ESeries::kE96, row.value), row.e96);
}

using E = ESeries;

// IEC 60063's tables.
INSTANTIATE_TEST_SUITE_P(
    Table, Series,
    testing::Values(
        SeriesRow{"One",
                  {1, 0},
                  {E::kE6, E::kE12, E::kE24, E::kE48, E::kE96, E::kE192},
                  {{{1, 0}, {1, 0}}},
                  {{{1, 0}, {1, 0}}}},
        SeriesRow{"E6",
                  {47, 2},
                  {E::kE6, E::kE12, E::kE24, E::kE192},
                  {{{47, 2}, {47, 2}}},
                  {{{464, 1}, {475, 1}}}},
        SeriesRow{"E12Published",
                  {27, -1},
                  {E::kE12, E::kE24},
                  {{{27, -1}, {27, -1}}},
                  {{{267, -2}, {274, -2}}}},
        SeriesRow{"E24Published", {3, 0}, {E::kE24}, {{{3, 0}, {3, 0}}}, {{{294, -2}, {301, -2}}}},
        SeriesRow{
            "E96", {499, 1}, {E::kE96, E::kE192}, {{{47, 2}, {51, 2}}}, {{{499, 1}, {499, 1}}}},
        SeriesRow{"E48",
                  {953, 3},
                  {E::kE48, E::kE96, E::kE192},
                  {{{91, 4}, {1, 6}}},
                  {{{953, 3}, {953, 3}}}},
        SeriesRow{
            "E192Published", {92, 1}, {E::kE192}, {{{91, 1}, {1, 3}}}, {{{909, 0}, {931, 0}}}},
        SeriesRow{"NoneWraps", {985, 0}, {}, {{{91, 1}, {1, 3}}}, {{{976, 0}, {1, 3}}}},
        SeriesRow{"NoneFine", {1005, -3}, {}, {{{1, 0}, {11, -1}}}, {{{1, 0}, {102, -2}}}},
        SeriesRow{"Zero", {0, 0}, {}, std::nullopt, std::nullopt}),
    test::RowName());

struct RangeRow {
    const char* name;
    Decimal value;
    Decimal percent;
    ValueRange range;
};

void PrintTo(const RangeRow& row, std::ostream* out) {
    *out << row.name;
}

class Range : public testing::TestWithParam<RangeRow> {};

TEST_P(Range, SpansTheTolerance) {
    EXPECT_EQ(ToleranceRange(GetParam().value, GetParam().percent), GetParam().range);
}

INSTANTIATE_TEST_SUITE_P(
    Table, Range,
    testing::Values(RangeRow{"Gold", {47, 2}, {5, 0}, {{4465, 0}, {4935, 0}}},
                    RangeRow{"Brown", {1, 4}, {1, 0}, {{99, 2}, {101, 2}}},
                    RangeRow{"NoBand", {1, 2}, {2, 1}, {{8, 1}, {12, 1}}},
                    RangeRow{"Lowest", {1, -1}, {1, 1}, {{9, -2}, {11, -2}}},
                    RangeRow{"Blue", {499, 1}, {25, -2}, {{4977525, -3}, {5002475, -3}}},
                    RangeRow{"Highest", {999, 9}, {5, -2}, {{9985005, 5}, {9994995, 5}}}),
    test::RowName());

struct MarkingRow {
    const char* name;
    BandCode code;
    ValueMarkings markings;
};

void PrintTo(const MarkingRow& row, std::ostream* out) {
    *out << row.name;
}

class Markings : public testing::TestWithParam<MarkingRow> {};

TEST_P(Markings, WriteTheValueEveryWay) {
    EXPECT_EQ(MarkingsOf(GetParam().code), GetParam().markings);
}

// IEC 60062's letter code; the SMD and EIA-96 markings' tables.
INSTANTIATE_TEST_SUITE_P(
    Table, Markings,
    testing::Values(
        MarkingRow{"Kilo", Four(4, 7, 2, kGold), {"4.7 кОм ± 5 %", "4K7", "472", ""}},
        MarkingRow{"BelowOne", Four(4, 7, -2), {"0.47 Ом ± 10 %", "R47", "R47", ""}},
        MarkingRow{"Ohms", Four(4, 7, -1), {"4.7 Ом ± 10 %", "4R7", "4R7", ""}},
        MarkingRow{"Hundreds", Four(4, 7, 1), {"470 Ом ± 10 %", "470R", "471", ""}},
        MarkingRow{"Lowest", Four(1, 0, -2), {"0.1 Ом ± 10 %", "R10", "R10", "01Z"}},
        MarkingRow{"Mega", Four(1, 0, 5, 9), {"1 МОм ± 20 %", "1M0", "105", "01E"}},
        MarkingRow{"Giga", Four(2, 2, 8), {"2.2 ГОм ± 10 %", "2G2", "228", ""}},
        MarkingRow{"FiveKilo", Five(4, 7, 3, 2, 1), {"47.3 кОм ± 1 %", "47K3", "4732", ""}},
        MarkingRow{"E96Kilo", Five(1, 0, 0, 2, 1), {"10 кОм ± 1 %", "10K", "103", "01C"}},
        MarkingRow{"E96Tenth", Five(4, 9, 9, -1, 1), {"49.9 Ом ± 1 %", "49R9", "49R9", "68X"}},
        MarkingRow{"E96Last", Five(9, 5, 3, 0, 1), {"953 Ом ± 1 %", "953R", "9530", "95A"}},
        MarkingRow{"TwoDigitsHigh", Five(9, 9, 0, 9, 1), {"990 ГОм ± 1 %", "990G", "9909", ""}},
        MarkingRow{"Highest", Five(9, 9, 9, 9, 8), {"999 ГОм ± 0.05 %", "999G", "9999", ""}}),
    test::RowName());

}  // namespace
}  // namespace kolvar
