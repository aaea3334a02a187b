#include "platform/posix/profile_text.h"

#include <gtest/gtest.h>

#include <climits>

namespace kolvar {
namespace {

TEST(ProfileText, ReadsValuesBySectionAndExactKey) {
    const auto text =
        ProfileText::Parse("top=1\n[Settings]\nDigit 1 = 4\r\nPower=\n[Other]\nPower=9");
    ASSERT_TRUE(text);
    EXPECT_EQ(text->Value("Settings", "Digit 1"), "4");
    EXPECT_EQ(text->Value("Settings", "Power"), "");
    EXPECT_EQ(text->Value("Other", "Power"), "9");
    EXPECT_EQ(text->Value("Settings", "Digit1"), std::nullopt);
    EXPECT_EQ(text->Value("Settings", "top"), std::nullopt);
    EXPECT_EQ(text->Value("Missing", "Power"), std::nullopt);
}

TEST(ProfileText, RefusesOnlyBytesThatAreNotText) {
    struct Row {
        std::string_view text;
        bool isText;
    };
    using namespace std::string_view_literals;
    for (const Row& row :
         {Row{"[Settings]\nno equals sign\n=no key\n[Settings\nPower=1\n", true},
          Row{"\xD0\x9E\xD0\xBC \xE2\x82\xAC \xF0\x9F\x94\xA7=1\n", true},
          Row{"Power=1\0"sv, false}, Row{"\xFF", false}, Row{"\xC0\xAF", false},  // overlong
          Row{"\xED\xA0\x80", false},                                             // surrogate
          Row{"\xF4\x90\x80\x80", false},                                         // beyond U+10FFFF
          Row{"\xE2\x82", false},                                                 // cut short
          Row{"\xE2\x28\xA1", false}}) {
        EXPECT_EQ(ProfileText::Parse(row.text).has_value(), row.isText) << row.text;
    }
    const auto text = ProfileText::Parse("[Settings]\nno equals sign\n=1\n[Settings\nPower=1\n");
    ASSERT_TRUE(text);
    EXPECT_EQ(text->Value("Settings", "Power"), "1");
}

TEST(ProfileText, RewritingAValueKeepsEverythingElse) {
    auto text = ProfileText::Parse("; mine\n[Settings]\nPower=3\n\n# note\nExtended=1\n");
    ASSERT_TRUE(text);
    text->SetValue("Settings", "Power", "4294967294");
    text->SetValue("Settings", "Digit 1", "2");
    text->SetValue("New", "Key", "5");
    EXPECT_EQ(text->ToString(),
              "; mine\n[Settings]\nPower=4294967294\n\n# note\nExtended=1\nDigit 1=2\n"
              "[New]\nKey=5\n");
    EXPECT_EQ(ProfileText::Parse(text->ToString())->ToString(), text->ToString());
}

TEST(ProfileValue, FormatsAndParsesTheSame32Bits) {
    for (const int value : {0, 1, -1, -2, INT_MIN, INT_MAX}) {
        EXPECT_EQ(ParseProfileInt(FormatProfileInt(value)), value);
    }
    EXPECT_EQ(FormatProfileInt(-2), "4294967294");
}

}  // namespace
}  // namespace kolvar
