#pragma once

// Names for the rows of value-parameterised tables, which GoogleTest and CTest both show: the
// same from one build to the next, never a row's bytes.

#include <gtest/gtest.h>

#include <string>

namespace kolvar::test {

// A row's `name` member where it has one, else the row as printed (by a PrintTo, or as numbers
// and text), with the sign of a number spelled out and each run of other characters than ASCII
// letters and digits made one '_'.
struct RowName {
    template <class Row>
    std::string operator()(const testing::TestParamInfo<Row>& row) const {
        if constexpr (requires { std::string(row.param.name); }) {
            return Cleaned(std::string(row.param.name));
        } else {
            return Cleaned(testing::PrintToString(row.param));
        }
    }

    static std::string Cleaned(const std::string& printed) {
        std::string name;
        for (std::size_t at = 0; at < printed.size(); ++at) {
            const char c = printed[at];
            const bool sign = (c == '-' || c == '+') && (at == 0 || !IsPlain(printed[at - 1])) &&
                              at + 1 < printed.size() && IsDigit(printed[at + 1]);
            if (sign || !IsPlain(c)) {
                name += name.empty() || name.back() == '_' ? "" : "_";
            }
            name += sign ? (c == '-' ? "minus" : "plus") : IsPlain(c) ? std::string(1, c) : "";
        }
        while (!name.empty() && name.back() == '_') {
            name.pop_back();
        }
        return name.empty() ? "empty" : name;
    }

    static bool IsDigit(char c) { return c >= '0' && c <= '9'; }
    static bool IsPlain(char c) {
        return IsDigit(c) || (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z');
    }
};

}  // namespace kolvar::test
