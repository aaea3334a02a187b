#include "resources/string_table.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "resources/resource_ids.h"

namespace kolvar {
namespace {

std::vector<std::string> Labels(unsigned base, std::vector<int> codes) {
    std::vector<std::string> labels;
    for (int code : codes) {
        labels.emplace_back(LoadText(base + static_cast<unsigned>(code)));
    }
    return labels;
}

using Strings = std::vector<std::string>;

TEST(StringTable, SubMenusReadTopToBottom) {
    EXPECT_EQ(Labels(ID_DIGIT1_BASE, {1, 2, 3, 4, 5, 6, 7, 8, 9}),
              (Strings{"1", "2", "3", "4", "5", "6", "7", "8", "9"}));
    const Strings digits{"0", "1", "2", "3", "4", "5", "6", "7", "8", "9"};
    EXPECT_EQ(Labels(ID_DIGIT2_BASE, {0, 1, 2, 3, 4, 5, 6, 7, 8, 9}), digits);
    EXPECT_EQ(Labels(ID_DIGIT3_BASE, {0, 1, 2, 3, 4, 5, 6, 7, 8, 9}), digits);
    EXPECT_EQ(Labels(ID_POWER_BASE, {-2, -1, 0, 1, 2, 3, 4, 5, 6, 7, 8, 9}),
              (Strings{"0.01", "0.1", "1", "10", "100", "1000", "10e+4", "10e+5", "10e+6", "10e+7",
                       "10e+8", "10e+9"}));
    EXPECT_EQ(Labels(ID_OVERSHOOT_BASE, {-2, -1, 1, 2, 5, 6, 7, 8, 9}),
              (Strings{"± 10 %", "± 5 %", "± 1 %", "± 2 %", "± 0.5 %", "± 0.25 %", "± 0.1 %",
                       "± 0.05 %", "± 20 %"}));
}

TEST(StringTable, ZeroOfEachDigitRunFollowsTheNinesBefore) {
    EXPECT_EQ(LoadText(35015), "0");
    EXPECT_EQ(LoadText(35016), "1");
    EXPECT_EQ(LoadText(35025), "0");
}

TEST(StringTable, TolerancesWithoutMeaningReadFalse) {
    EXPECT_EQ(Labels(ID_OVERSHOOT_BASE, {0, 3, 4}), (Strings{"false", "false", "false"}));
}

TEST(StringTable, MenuAndCaptionTexts) {
    EXPECT_EQ(LoadText(ID_ABOUT_TEXT), "&О программе Kolvar...");
    EXPECT_EQ(LoadText(ID_FIVE_BAND), "Пятишриховый код");
    EXPECT_EQ(LoadText(ID_OVERSHOOT_TITLE), "Допустимые отклонения");
    EXPECT_EQ(Labels(ID_UNIT_BASE, {0, 1, 2, 3}), (Strings{"Ом", "кОм", "МОм", "ГОм"}));
    EXPECT_EQ(LoadText(ID_NO_COLOUR_TEXT), "нет цвета");
    EXPECT_EQ(LoadText(ID_CLOSE_TEXT), "Закрыть");
}

TEST(StringTable, UnknownIdsAreEmpty) {
    for (unsigned id : {0u, 1u, 16u, 100u, 102u, 34999u, 35047u, 35066u, 65535u}) {
        EXPECT_TRUE(LoadText(id).empty()) << id;
    }
}

}  // namespace
}  // namespace kolvar
