#include "platform/geometry.h"
#include "tests/support/row_name.h"

#include <gtest/gtest.h>

#include <climits>

namespace kolvar {
namespace {

struct MulDivRow {
    int a, b, c, expected;
};

void PrintTo(const MulDivRow& row, std::ostream* out) {
    *out << row.a << " * " << row.b << " / " << row.c;
}

class MulDivTest : public testing::TestWithParam<MulDivRow> {};

TEST_P(MulDivTest, RoundsHalvesAwayFromZeroAndRejectsWhatDoesNotFit) {
    const MulDivRow row = GetParam();
    EXPECT_EQ(MulDiv(row.a, row.b, row.c), row.expected)
        << row.a << " * " << row.b << " / " << row.c;
}

INSTANTIATE_TEST_SUITE_P(
    Table, MulDivTest,
    testing::Values(MulDivRow{3, 200, 8, 75}, MulDivRow{3, 200, 10, 60}, MulDivRow{24, 96, 72, 32},
                    MulDivRow{24, 120, 72, 40}, MulDivRow{1, 1, 2, 1}, MulDivRow{-1, 1, 2, -1},
                    MulDivRow{3, 1, 2, 2}, MulDivRow{1, -3, 2, -2}, MulDivRow{5, 1, -2, -3},
                    MulDivRow{-5, 1, -2, 3}, MulDivRow{7, 1, 3, 2}, MulDivRow{-8, 1, 3, -3},
                    MulDivRow{1, 2, 0, -1}, MulDivRow{0, 0, 0, -1},
                    MulDivRow{INT_MAX, INT_MAX, INT_MAX, INT_MAX},
                    MulDivRow{INT_MIN, INT_MIN, INT_MIN, INT_MIN},
                    MulDivRow{INT_MIN, 1, 1, INT_MIN}, MulDivRow{INT_MIN, -1, 1, -1},
                    MulDivRow{INT_MIN, 1, -1, -1}, MulDivRow{INT_MAX, 2, 1, -1},
                    MulDivRow{INT_MAX, 2, 2, INT_MAX}, MulDivRow{INT_MAX, INT_MAX, 1, -1}),
    test::RowName());

}  // namespace
}  // namespace kolvar
