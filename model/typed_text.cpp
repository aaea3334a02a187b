#include "model/typed_text.h"

#include <algorithm>
#include <array>

#include "resources/resource_ids.h"

namespace kolvar {
namespace {

constexpr std::array<std::string_view, 4> kSpaces = {" ", "\u00A0", "\u2009", "\u202F"};
constexpr int kDecimalDigits = 18;

bool IsContinuation(unsigned char byte) {
    return (byte & 0xC0) == 0x80;
}

// The code point that starts at `at`, strictly as UTF-8 allows (no overlong forms, surrogates
// or values above U+10FFFF); `at` moves past it. Nothing for a malformed sequence.
std::optional<char32_t> DecodeAt(std::string_view text, std::size_t& at) {
    const auto lead = static_cast<unsigned char>(text[at++]);
    if (lead < 0x80) {
        return lead;
    }
    const std::size_t length = lead >= 0xF0 ? 4 : lead >= 0xE0 ? 3 : 2;
    if (lead < 0xC2 || lead > 0xF4 || text.size() - at < length - 1) {
        return std::nullopt;
    }
    char32_t point = lead & (0x7F >> length);
    for (std::size_t i = 1; i < length; ++i) {
        const auto byte = static_cast<unsigned char>(text[at++]);
        if (!IsContinuation(byte)) {
            return std::nullopt;
        }
        point = point << 6 | (byte & 0x3F);
    }
    constexpr char32_t kShortest[] = {0, 0, 0x80, 0x800, 0x10000};
    if (point < kShortest[length] || point > 0x10FFFF || (point >= 0xD800 && point <= 0xDFFF)) {
        return std::nullopt;
    }
    return point;
}

bool IsControl(char32_t point) {
    return point < 0x20 || (point >= 0x7F && point <= 0x9F);
}

bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}

bool RemovePrefix(std::string_view& text, std::string_view prefix) {
    if (!text.starts_with(prefix)) {
        return false;
    }
    text.remove_prefix(prefix.size());
    return true;
}

bool RemoveSuffix(std::string_view& text, std::string_view suffix) {
    if (!text.ends_with(suffix)) {
        return false;
    }
    text.remove_suffix(suffix.size());
    return true;
}

std::string_view TrimSpacesAtEnd(std::string_view text) {
    while (std::ranges::any_of(kSpaces,
                               [&](std::string_view space) { return RemoveSuffix(text, space); })) {
    }
    return text;
}

}  // namespace

unsigned CharacterProblem(std::string_view utf8) {
    bool control = false;
    for (std::size_t at = 0; at < utf8.size();) {
        const auto point = DecodeAt(utf8, at);
        if (!point) {
            return ID_ENTRY_NOT_UTF8;
        }
        control = control || IsControl(*point);
    }
    return control ? ID_ENTRY_CONTROL_CHARACTER : 0;
}

std::size_t CharacterCount(std::string_view utf8) {
    return static_cast<std::size_t>(std::ranges::count_if(
        utf8, [](char byte) { return !IsContinuation(static_cast<unsigned char>(byte)); }));
}

std::string_view TrimSpaces(std::string_view text) {
    while (std::ranges::any_of(kSpaces,
                               [&](std::string_view space) { return RemovePrefix(text, space); })) {
    }
    return TrimSpacesAtEnd(text);
}

std::optional<PercentSplit> SplitAtPercent(std::string_view text) {
    std::string_view rest = text;
    if (!RemoveSuffix(rest, "%")) {
        return PercentSplit{text, {}};
    }
    rest = TrimSpacesAtEnd(rest);
    const std::size_t numberEnd = rest.size();
    while (!rest.empty() && (IsDigit(rest.back()) || rest.back() == '.' || rest.back() == ',')) {
        rest.remove_suffix(1);
    }
    const std::string_view percent = text.substr(rest.size(), numberEnd - rest.size());
    const std::size_t beforeSpaces = rest.size();
    rest = TrimSpacesAtEnd(rest);
    const bool spaced = rest.size() != beforeSpaces;
    const bool hasSign =
        RemoveSuffix(rest, "±") || RemoveSuffix(rest, "+-") || RemoveSuffix(rest, "+/-");
    if (percent.empty() || (!hasSign && !spaced && !rest.empty())) {
        return std::nullopt;
    }
    return PercentSplit{TrimSpacesAtEnd(rest), percent};
}

int SignificantDigitsIn(std::string_view text) {
    const auto first = text.find_first_of("123456789");
    if (first == std::string_view::npos) {
        return 0;
    }
    const auto last = text.find_last_of("123456789");
    const auto span = text.substr(first, last - first + 1);
    return static_cast<int>(std::ranges::count_if(span, IsDigit));
}

bool TextCursor::Take(std::string_view literal) {
    return RemovePrefix(rest_, literal);
}

bool TextCursor::TakeIgnoringCase(std::string_view lowerCase) {
    if (rest_.size() < lowerCase.size() ||
        !std::ranges::equal(rest_.substr(0, lowerCase.size()), lowerCase, {}, [](char c) {
            return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
        })) {
        return false;
    }
    rest_.remove_prefix(lowerCase.size());
    return true;
}

std::optional<int> TextCursor::TakeDigit() {
    if (rest_.empty() || !IsDigit(rest_.front())) {
        return std::nullopt;
    }
    const int digit = rest_.front() - '0';
    rest_.remove_prefix(1);
    return digit;
}

void TextCursor::SkipSpaces() {
    while (std::ranges::any_of(kSpaces, [&](std::string_view space) { return Take(space); })) {
    }
}

void DigitRun::Add(int digit) {
    ++count_;
    fractionDigits_ += inFraction_ ? 1 : 0;
    if (digit == 0) {
        trailingZeros_ += significand_ != 0 ? 1 : 0;
        return;
    }
    significantDigits_ += trailingZeros_ + 1;
    if (significantDigits_ > kDecimalDigits) {
        return;
    }
    for (; trailingZeros_ > 0; --trailingZeros_) {
        significand_ *= 10;
    }
    significand_ = significand_ * 10 + digit;
}

std::optional<Decimal> DigitRun::Value(int power) const {
    if (significantDigits_ > kDecimalDigits) {
        return std::nullopt;
    }
    return MakeDecimal(significand_, trailingZeros_ - fractionDigits_ + power);
}

}  // namespace kolvar
