#include "model/caption_text.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <clocale>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <ostream>
#include <string>
#include <string_view>

#include "resources/resource_ids.h"
#include "resources/string_table.h"
#include "tests/support/row_name.h"

namespace kolvar {
namespace {

struct Reading {
    BandCode code;
    const char* caption;
};

void PrintTo(const Reading& row, std::ostream* out) {
    const BandCode& code = row.code;
    *out << "digits " << code.digit1 << code.digit2;
    *out << (IsFiveBand(code) ? std::to_string(code.digit3) : "") << " power " << code.power;
}

class WorkedReading : public testing::TestWithParam<Reading> {};

TEST_P(WorkedReading, ReadsAsMarked) {
    EXPECT_EQ(CaptionText(GetParam().code), GetParam().caption);
}

INSTANTIATE_TEST_SUITE_P(
    Table, WorkedReading,
    testing::Values(
        Reading{BandCode{}, "12 кОм ± 10 %"},
        Reading{BandCode{.digit1 = 4, .digit2 = 7, .power = -2, .overshoot = -1}, "0.47 Ом ± 5 %"},
        Reading{BandCode{.digit1 = 4, .digit2 = 7, .power = -1, .overshoot = -1}, "4.7 Ом ± 5 %"},
        Reading{BandCode{.digit1 = 1, .digit2 = 0, .power = 2, .overshoot = 9}, "1 кОм ± 20 %"},
        Reading{BandCode{.digit1 = 2, .digit2 = 2, .power = 9, .overshoot = 1}, "22 ГОм ± 1 %"},
        Reading{
            BandCode{
                .extended = 1, .digit1 = 4, .digit2 = 9, .digit3 = 9, .power = 1, .overshoot = 1},
            "4.99 кОм ± 1 %"},
        Reading{
            BandCode{
                .extended = 1, .digit1 = 1, .digit2 = 0, .digit3 = 0, .power = -2, .overshoot = 2},
            "1 Ом ± 2 %"},
        Reading{
            BandCode{
                .extended = 1, .digit1 = 9, .digit2 = 9, .digit3 = 9, .power = 9, .overshoot = 8},
            "999 ГОм ± 0.05 %"},
        // Stored values the menu never offers are still read safely.
        Reading{BandCode{.digit1 = 0, .digit2 = 0, .power = 0, .overshoot = 3}, "0 Ом false"}),
    test::RowName());

// The expected reading computed independently: exact milliohms, then the largest unit that
// leaves at least 1, decimals without trailing zeros.
std::string ExpectedValue(const BandCode& code) {
    std::int64_t milliohms = SignificantNumber(code) * std::int64_t{1000};
    for (int i = 0; i < code.power; ++i) {
        milliohms *= 10;
    }
    for (int i = 0; i > code.power; --i) {
        milliohms /= 10;
    }
    static const char* const kUnits[] = {"Ом", "кОм", "МОм", "ГОм"};
    std::int64_t unitSize = 1000;
    int unit = 0;
    while (unit < 3 && milliohms >= unitSize * 1000) {
        unitSize *= 1000;
        ++unit;
    }
    std::string text = std::to_string(milliohms / unitSize);
    std::string decimals = std::to_string(unitSize + milliohms % unitSize).substr(1);
    while (!decimals.empty() && decimals.back() == '0') {
        decimals.pop_back();
    }
    if (!decimals.empty()) {
        text += "." + decimals;
    }
    return text + " " + kUnits[unit];
}

TEST(CaptionText, EveryOfferedCodeMatchesExactArithmetic) {
    const int offeredTolerances[] = {-2, -1, 1, 2, 5, 6, 7, 8, 9};
    int checked = 0;
    for (int extended : {0, 1}) {
        for (int digit1 = 1; digit1 <= 9; ++digit1) {
            for (int digit2 = 0; digit2 <= 9; ++digit2) {
                for (int digit3 = 0; digit3 <= (extended ? 9 : 0); ++digit3) {
                    for (int power = -2; power <= 9; ++power) {
                        for (int overshoot : offeredTolerances) {
                            const BandCode code{extended, digit1, digit2, digit3, power, overshoot};
                            const std::string tolerance(
                                LoadText(ID_OVERSHOOT_BASE + static_cast<unsigned>(overshoot)));
                            ASSERT_EQ(CaptionText(code), ExpectedValue(code) + " " + tolerance)
                                << extended << ' ' << digit1 << digit2 << digit3 << " e" << power;
                            ++checked;
                        }
                    }
                }
            }
        }
    }
    EXPECT_EQ(checked, (90 + 900) * 12 * 9);
}

TEST(CaptionText, QuarterOhmRangeUsesOhmsBelowOne) {
    for (int digit2 = 0; digit2 <= 9; ++digit2) {
        const std::string caption =
            CaptionText(BandCode{.digit1 = 1, .digit2 = digit2, .power = -2});
        EXPECT_EQ(caption.rfind("0.1", 0), 0u) << caption;
        EXPECT_NE(caption.find(" Ом "), std::string::npos) << caption;
    }
}

// A locale with a decimal comma, by the names that the C runtimes know it by: POSIX's, and the
// Windows runtime's language_country.codepage.
struct CommaLocale {
    const char* language;
    std::array<const char*, 2> names;
};

// The row's name.
void PrintTo(const CommaLocale& row, std::ostream* out) {
    *out << row.language;
}

class CaptionUnderLocale : public testing::TestWithParam<CommaLocale> {
protected:
    void TearDown() override { std::setlocale(LC_ALL, "C"); }
};

TEST_P(CaptionUnderLocale, KeepsTheDecimalPoint) {
    const auto& names = GetParam().names;
    if (std::none_of(names.begin(), names.end(),
                     [](const char* name) { return std::setlocale(LC_ALL, name) != nullptr; })) {
        GTEST_SKIP() << GetParam().language
                     << " is not installed; scripts/install-dependencies installs it";
    }
    char printed[16];
    std::snprintf(printed, sizeof printed, "%g", 4.7);
    ASSERT_STREQ(printed, "4,7") << "the locale should use a decimal comma";
    EXPECT_EQ(CaptionText(BandCode{.digit1 = 4, .digit2 = 7, .power = 2, .overshoot = -1}),
              "4.7 кОм ± 5 %");
}

INSTANTIATE_TEST_SUITE_P(
    DecimalComma, CaptionUnderLocale,
    testing::Values(CommaLocale{"Russian", {"ru_RU.UTF-8", "Russian_Russia.1251"}},
                    CommaLocale{"German", {"de_DE.UTF-8", "German_Germany.1252"}}),
    test::RowName());

}  // namespace
}  // namespace kolvar
