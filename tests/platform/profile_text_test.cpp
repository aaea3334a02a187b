#include "platform/profile_text.h"

#include <gtest/gtest.h>

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

TEST(ProfileText, RejectsLinesThatAreNeitherHeadersNorEntries) {
    for (const char* text :
         {"[Settings]\nno equals sign\n", "=value without key\n", "[Settings\nPower=1\n"}) {
        EXPECT_FALSE(ProfileText::Parse(text).has_value()) << text;
    }
    EXPECT_FALSE(ProfileText::Parse(std::string_view("Power=1\0", 8)).has_value());
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

}  // namespace
}  // namespace kolvar
