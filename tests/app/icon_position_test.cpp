#include "app/icon_position.h"
#include "tests/support/row_name.h"

#include <gtest/gtest.h>

namespace kolvar {
namespace {

struct IconRow {
    int client;
    int expected;
};

void PrintTo(const IconRow& row, std::ostream* out) {
    *out << "client " << row.client;
}

class MinimisedIcon : public testing::TestWithParam<IconRow> {};

TEST_P(MinimisedIcon, IsCentredTruncatingTowardZero) {
    const auto [client, expected] = GetParam();
    EXPECT_EQ(MinimisedIconPosition({client, client}, {32, 32}), (Point{expected, expected}));
}

INSTANTIATE_TEST_SUITE_P(ClientSizes, MinimisedIcon,
                         testing::Values(IconRow{32, 0}, IconRow{33, 1}, IconRow{30, 0},
                                         IconRow{29, -1}, IconRow{100, 34}),
                         test::RowName());

TEST(MinimisedIconPosition, TreatsWidthAndHeightApart) {
    EXPECT_EQ(MinimisedIconPosition({64, 33}, {32, 16}), (Point{16, 9}));
}

}  // namespace
}  // namespace kolvar
