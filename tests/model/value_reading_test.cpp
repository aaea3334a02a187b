#include "model/value_reading.h"

#include <gtest/gtest.h>

#include <optional>
#include <ostream>
#include <string>
#include <vector>

#include "resources/resource_ids.h"
#include "tests/support/row_name.h"

namespace kolvar {

// For the messages of failed rows; found by argument-dependent lookup, so outside the unnamed
// namespace.
void PrintTo(const ValueReading& reading, std::ostream* out) {
    *out << reading.ohms.significand << "e" << reading.ohms.exponent << " notation "
         << static_cast<int>(reading.notation) << (reading.milli ? " milli" : "");
    if (reading.tolerancePercent) {
        *out << " ±" << reading.tolerancePercent->significand << "e"
             << reading.tolerancePercent->exponent << "%";
    }
}

namespace {

using N = Notation;
constexpr std::optional<Decimal> kNone;

struct TextRow {
    const char* name;
    std::string text;
    std::vector<ValueReading> readings;  // values as significand and power of ten
    unsigned errorId = 0;
};

void PrintTo(const TextRow& row, std::ostream* out) {
    *out << row.name;
}

class ReadingText : public testing::TestWithParam<TextRow> {};

TEST_P(ReadingText, GivesEveryReadingInOrderOrOneError) {
    const TextReading read = ReadValueText(GetParam().text);
    EXPECT_EQ(read.errorId, GetParam().errorId);
    EXPECT_EQ(read.readings, GetParam().readings);
}

// IEC 60062's letter code and tolerance letters, and the SMD and EIA-96 markings' own tables.
INSTANTIATE_TEST_SUITE_P(
    Table, ReadingText,
    testing::Values(
        TextRow{"Point", "4.7", {{{47, -1}, kNone, N::kNumber}}},
        TextRow{"Comma", "4,7", {{{47, -1}, kNone, N::kNumber}}},
        TextRow{"LeadingPoint", ".47", {{{47, -2}, kNone, N::kNumber}}},
        TextRow{"UnitOnly", "100 Ом", {{{1, 2}, kNone, N::kNumber}}},
        TextRow{"FifteenDigits", "123456789012345", {{{123456789012345, 0}, kNone, N::kNumber}}},
        TextRow{"SpacesAround", "  4.7k\u00A0", {{{47, 2}, kNone, N::kSiPrefix}}},
        TextRow{"CyrillicKilo", "4,7 кОм", {{{47, 2}, kNone, N::kSiPrefix}}},
        TextRow{"LatinUnit", "4.7 kOhm", {{{47, 2}, kNone, N::kSiPrefix}}},
        TextRow{"Omega", "2.2M\u03A9", {{{22, 5}, kNone, N::kSiPrefix}}},
        TextRow{"OhmSign", "2.2M\u2126", {{{22, 5}, kNone, N::kSiPrefix}}},
        TextRow{"Giga", "3 ГОм", {{{3, 9}, kNone, N::kSiPrefix}}},
        TextRow{"MilliIsRead", "1m", {{{1, -3}, kNone, N::kSiPrefix, true}}},
        TextRow{"LetterKilo", "4K7", {{{47, 2}, kNone, N::kLetterCode}}},
        TextRow{"LetterCyrillic", "4к7", {{{47, 2}, kNone, N::kLetterCode}}},
        TextRow{"LetterBelowOne", "R47", {{{47, -2}, kNone, N::kLetterCode}}},
        TextRow{"LetterOhms", "4R7", {{{47, -1}, kNone, N::kLetterCode}}},
        TextRow{"LetterThreeDigits", "47K3", {{{473, 2}, kNone, N::kLetterCode}}},
        TextRow{"LetterMega", "1M0", {{{1, 6}, kNone, N::kLetterCode}}},
        TextRow{"LetterAtEnd", "470R", {{{47, 1}, kNone, N::kLetterCode}}},
        TextRow{"LetterGiga", "2G2", {{{22, 8}, kNone, N::kLetterCode}}},
        TextRow{"SameAsSi", "47K", {{{47, 3}, kNone, N::kSiPrefix}}},
        TextRow{"SmdWithR", "R10", {{{1, -1}, kNone, N::kLetterCode}}},
        TextRow{"LetterTolerance", "4K7J", {{{47, 2}, Decimal{5, 0}, N::kLetterCode}}},
        TextRow{"LetterOnePercent", "10RF", {{{1, 1}, Decimal{1, 0}, N::kLetterCode}}},
        TextRow{"TenPercentAfterK", "47KK", {{{47, 3}, Decimal{1, 1}, N::kLetterCode}}},
        TextRow{"PlusMinus", "4.7k ± 5 %", {{{47, 2}, Decimal{5, 0}, N::kSiPrefix}}},
        TextRow{"AsciiPlusMinus", "4.7k+-5%", {{{47, 2}, Decimal{5, 0}, N::kSiPrefix}}},
        TextRow{"SpacedPercent", "4K7 5%", {{{47, 2}, Decimal{5, 0}, N::kLetterCode}}},
        TextRow{"HalfPercent", "4,7 кОм ±0,5 %", {{{47, 2}, Decimal{5, -1}, N::kSiPrefix}}},
        TextRow{"UnshownTolerance", "4.7k ± 3 %", {{{47, 2}, Decimal{3, 0}, N::kSiPrefix}}},
        TextRow{"Eia96", "01C", {{{1, 4}, kNone, N::kEia96}}},
        TextRow{"Eia96Tenth", "68X", {{{499, -1}, kNone, N::kEia96}}},
        TextRow{"Eia96Agrees", "01R", {{{1, 0}, kNone, N::kLetterCode}}},
        TextRow{"ThreeDigits",
                "472",
                {{{472, 0}, kNone, N::kNumber}, {{47, 2}, kNone, N::kSmdThreeDigits}}},
        TextRow{"FourDigits",
                "4701",
                {{{4701, 0}, kNone, N::kNumber}, {{47, 2}, kNone, N::kSmdFourDigits}}},
        TextRow{"FourDigitsRound",
                "4700",
                {{{47, 2}, kNone, N::kNumber}, {{47, 1}, kNone, N::kSmdFourDigits}}},
        TextRow{"LetterOrEia96",
                "10R",
                {{{1, 1}, kNone, N::kLetterCode}, {{124, -2}, kNone, N::kEia96}}},
        TextRow{
            "BothTakeTolerance",
            "472 ± 5 %",
            {{{472, 0}, Decimal{5, 0}, N::kNumber}, {{47, 2}, Decimal{5, 0}, N::kSmdThreeDigits}}},
        TextRow{"Empty", "", {}, ID_ENTRY_EMPTY}, TextRow{"Spaces", "   ", {}, ID_ENTRY_EMPTY},
        TextRow{"TenThousand", std::string(10000, '1'), {}, ID_ENTRY_TOO_LONG},
        TextRow{"Control", "4.7\x01k", {}, ID_ENTRY_CONTROL_CHARACTER},
        TextRow{"Newline", "4K7\n", {}, ID_ENTRY_CONTROL_CHARACTER},
        TextRow{"Nul", std::string("4\0k", 3), {}, ID_ENTRY_CONTROL_CHARACTER},
        TextRow{"BadByte", "4\xFFk", {}, ID_ENTRY_NOT_UTF8},
        TextRow{"CutSequence", "4,7 \xD0", {}, ID_ENTRY_NOT_UTF8},
        TextRow{"Overlong", "\xE0\x80\xAF", {}, ID_ENTRY_NOT_UTF8},
        TextRow{"Surrogate", "4\xED\xA0\x80", {}, ID_ENTRY_NOT_UTF8},
        TextRow{"SixteenDigits", "1234567890123456", {}, ID_ENTRY_TOO_MANY_DIGITS},
        TextRow{"NumberThenLetter", "470J", {}, ID_ENTRY_TOLERANCE_LETTER},
        TextRow{"ToleranceOnly", "±5 %", {}, ID_ENTRY_NO_VALUE},
        TextRow{"GluedPercent", "4K75%", {}, ID_ENTRY_BAD_TOLERANCE},
        TextRow{"TwoTolerances", "4K7J 5%", {}, ID_ENTRY_NOT_UNDERSTOOD},
        TextRow{"Words", "четыре", {}, ID_ENTRY_NOT_UNDERSTOOD}),
    test::RowName());

}  // namespace
}  // namespace kolvar
