#include "model/value_reading.h"

#include <algorithm>
#include <array>
#include <cstddef>
#include <cstdint>
#include <span>

#include "model/e_series.h"
#include "model/typed_text.h"
#include "resources/resource_ids.h"

namespace kolvar {
namespace {

// More significant digits than anyone types for a resistor, with room left for the arithmetic
// to stay exact. More are refused, not rounded, so that what is read is what was typed.
constexpr int kMaxSignificantDigits = 15;
// Far more than any value with unit and tolerance takes; it also keeps the exponents small.
constexpr std::size_t kMaxCharacters = 64;

struct Letter {
    std::string_view text;
    int power;
};

constexpr Letter kSiPrefixes[] = {
    {"k", 3}, {"K", 3}, {"к", 3}, {"К", 3},  {"M", 6},
    {"М", 6}, {"G", 9}, {"Г", 9}, {"m", -3}, {"м", -3},
};

// The letter code's letters stand for the decimal point: R for ohms, then the SI prefixes.
constexpr Letter kLetterCodeLetters[] = {
    {"R", 0}, {"k", 3}, {"K", 3}, {"к", 3},  {"К", 3},  {"M", 6},
    {"М", 6}, {"G", 9}, {"Г", 9}, {"m", -3}, {"м", -3},
};

// Y and R, X and S, B and H are the same multipliers: makers use both spellings.
constexpr Letter kEia96Multipliers[] = {
    {"Z", -3}, {"Y", -2}, {"R", -2}, {"X", -1}, {"S", -1}, {"A", 0},
    {"B", 1},  {"H", 1},  {"C", 2},  {"D", 3},  {"E", 4},  {"F", 5},
};

struct ToleranceLetter {
    std::string_view text;
    Decimal percent;
};

constexpr ToleranceLetter kToleranceLetters[] = {
    {"F", {1, 0}},  {"G", {2, 0}},   {"J", {5, 0}},  {"K", {1, 1}},  {"M", {2, 1}},
    {"D", {5, -1}}, {"C", {25, -2}}, {"B", {1, -1}}, {"W", {5, -2}},
};

// Exact spellings; "ohm" and "ohms" are taken in any case besides. Omega comes as the Greek
// letter and as the ohm sign, which look the same.
constexpr std::string_view kUnits[] = {"Ом", "ом", "ОМ", "\u03A9", "\u2126"};

template <class Entry>
const Entry* TakeFirst(TextCursor& cursor, std::span<const Entry> table) {
    const auto found =
        std::ranges::find_if(table, [&](const Entry& entry) { return cursor.Take(entry.text); });
    return found == table.end() ? nullptr : &*found;
}

ValueReading Reading(const Decimal& ohms, Notation notation, bool milli = false) {
    return ValueReading{ohms, std::nullopt, notation, milli};
}

void TakeUnit(TextCursor& cursor) {
    if (!cursor.TakeIgnoringCase("ohms") && !cursor.TakeIgnoringCase("ohm")) {
        std::ranges::any_of(kUnits, [&](std::string_view unit) { return cursor.Take(unit); });
    }
}

void TakeDigits(TextCursor& cursor, DigitRun& run) {
    while (const auto digit = cursor.TakeDigit()) {
        run.Add(*digit);
    }
}

// Digits with a point or a comma: "4700", "4.7", "4,7", ".47".
bool TakeNumber(TextCursor& cursor, DigitRun& run) {
    TakeDigits(cursor, run);
    if (cursor.Take(".") || cursor.Take(",")) {
        run.StartFraction();
        TakeDigits(cursor, run);
    }
    return run.Count() > 0;
}

std::optional<ValueReading> ReadAsNumber(std::string_view text) {
    TextCursor cursor(text);
    DigitRun run;
    if (!TakeNumber(cursor, run)) {
        return std::nullopt;
    }
    cursor.SkipSpaces();
    const Letter* prefix = TakeFirst<Letter>(cursor, kSiPrefixes);
    cursor.SkipSpaces();
    TakeUnit(cursor);
    const auto ohms = run.Value(prefix != nullptr ? prefix->power : 0);
    if (!cursor.AtEnd() || !ohms) {
        return std::nullopt;
    }
    return Reading(*ohms, prefix != nullptr ? Notation::kSiPrefix : Notation::kNumber,
                   prefix != nullptr && prefix->power < 0);
}

// "4K7", "R47", "470R", "47K", then perhaps a tolerance letter: "4K7J".
std::optional<ValueReading> ReadAsLetterCode(std::string_view text) {
    TextCursor cursor(text);
    DigitRun run;
    TakeDigits(cursor, run);
    const Letter* letter = TakeFirst<Letter>(cursor, kLetterCodeLetters);
    if (letter == nullptr) {
        return std::nullopt;
    }
    run.StartFraction();
    TakeDigits(cursor, run);
    const ToleranceLetter* tolerance = TakeFirst<ToleranceLetter>(cursor, kToleranceLetters);
    const auto ohms = run.Value(letter->power);
    if (!cursor.AtEnd() || run.Count() == 0 || !ohms) {
        return std::nullopt;
    }
    ValueReading reading = Reading(*ohms, Notation::kLetterCode, letter->power < 0);
    if (tolerance != nullptr) {
        reading.tolerancePercent = tolerance->percent;
    }
    return reading;
}

bool AllDigits(std::string_view text) {
    return std::ranges::all_of(text, [](char c) { return c >= '0' && c <= '9'; });
}

// The significant digits, then the power of ten: "472" is 47 × 10^2, "4701" 470 × 10^1.
std::optional<ValueReading> ReadAsSmdDigits(std::string_view text, Notation notation) {
    if (!AllDigits(text)) {
        return std::nullopt;
    }
    std::int64_t significand = 0;
    for (const char digit : text.substr(0, text.size() - 1)) {
        significand = significand * 10 + (digit - '0');
    }
    return Reading(MakeDecimal(significand, text.back() - '0'), notation);
}

std::optional<ValueReading> ReadAsSmdThreeDigits(std::string_view text) {
    return text.size() == 3 ? ReadAsSmdDigits(text, Notation::kSmdThreeDigits) : std::nullopt;
}

std::optional<ValueReading> ReadAsSmdFourDigits(std::string_view text) {
    return text.size() == 4 ? ReadAsSmdDigits(text, Notation::kSmdFourDigits) : std::nullopt;
}

// The number of an E96 value, 01 to 96, then its multiplier letter: "01C" is 100 × 10^2.
std::optional<ValueReading> ReadAsEia96(std::string_view text) {
    if (text.size() != 3 || !AllDigits(text.substr(0, 2))) {
        return std::nullopt;
    }
    const int number = (text[0] - '0') * 10 + (text[1] - '0');
    TextCursor cursor(text.substr(2));
    const Letter* multiplier = TakeFirst<Letter>(cursor, kEia96Multipliers);
    if (number < 1 || number > 96 || multiplier == nullptr) {
        return std::nullopt;
    }
    const auto e96 = SeriesValues(ESeries::kE96)[static_cast<std::size_t>(number - 1)];
    return Reading(MakeDecimal(e96, multiplier->power), Notation::kEia96);
}

using Reader = std::optional<ValueReading> (*)(std::string_view);

// Plain notations first, so that where a text reads two ways the likelier reading leads.
constexpr std::array<Reader, 5> kReaders = {ReadAsNumber, ReadAsLetterCode, ReadAsSmdThreeDigits,
                                            ReadAsSmdFourDigits, ReadAsEia96};

std::optional<Decimal> ReadPercent(std::string_view text) {
    TextCursor cursor(text);
    DigitRun run;
    if (!TakeNumber(cursor, run) || !cursor.AtEnd()) {
        return std::nullopt;
    }
    return run.Value(0);
}

// "470J": a tolerance letter after a plain number, which the letter code alone allows.
bool HasStrayToleranceLetter(std::string_view value) {
    TextCursor last(value.substr(value.size() - 1));
    return TakeFirst<ToleranceLetter>(last, kToleranceLetters) != nullptr &&
           ReadAsNumber(TrimSpaces(value.substr(0, value.size() - 1)));
}

bool SameValueAndTolerance(const ValueReading& a, const ValueReading& b) {
    return a.ohms == b.ohms && a.tolerancePercent == b.tolerancePercent;
}

TextReading Failure(unsigned errorId) {
    return TextReading{{}, errorId};
}

// Every notation the value part reads in, with the percent tolerance typed after it, if any.
TextReading ReadValuePart(std::string_view value, const std::optional<Decimal>& percent) {
    TextReading result;
    for (const Reader reader : kReaders) {
        auto reading = reader(value);
        if (!reading || (percent && reading->tolerancePercent)) {
            continue;
        }
        if (percent) {
            reading->tolerancePercent = percent;
        }
        if (std::ranges::none_of(result.readings, [&](const ValueReading& earlier) {
                return SameValueAndTolerance(earlier, *reading);
            })) {
            result.readings.push_back(*reading);
        }
    }
    if (result.readings.empty()) {
        result.errorId =
            HasStrayToleranceLetter(value) ? ID_ENTRY_TOLERANCE_LETTER : ID_ENTRY_NOT_UNDERSTOOD;
    }
    return result;
}

}  // namespace

unsigned NotationNameId(Notation notation) {
    return ID_NOTATION_BASE + static_cast<unsigned>(notation);
}

TextReading ReadValueText(std::string_view utf8) {
    if (const unsigned problem = CharacterProblem(utf8); problem != 0) {
        return Failure(problem);
    }
    const std::string_view text = TrimSpaces(utf8);
    if (text.empty()) {
        return Failure(ID_ENTRY_EMPTY);
    }
    if (CharacterCount(text) > kMaxCharacters) {
        return Failure(ID_ENTRY_TOO_LONG);
    }
    const auto parts = SplitAtPercent(text);
    if (!parts) {
        return Failure(ID_ENTRY_BAD_TOLERANCE);
    }
    if (parts->value.empty()) {
        return Failure(ID_ENTRY_NO_VALUE);
    }
    if (SignificantDigitsIn(parts->value) > kMaxSignificantDigits ||
        SignificantDigitsIn(parts->percent) > kMaxSignificantDigits) {
        return Failure(ID_ENTRY_TOO_MANY_DIGITS);
    }
    std::optional<Decimal> percent;
    if (!parts->percent.empty()) {
        percent = ReadPercent(parts->percent);
        if (!percent) {
            return Failure(ID_ENTRY_BAD_TOLERANCE);
        }
    }
    return ReadValuePart(parts->value, percent);
}

}  // namespace kolvar
