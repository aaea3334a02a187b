#include "resources/string_table.h"

#include <algorithm>
#include <array>
#include <utility>

#include "resources/resource_ids.h"

namespace kolvar {
namespace {

struct StringEntry {
    unsigned id;
    std::string_view text;
};

// Sorted by id. A colour item's label is keyed as its command is: its band's base + its code.
constexpr std::array kStrings = std::to_array<StringEntry>({
    {ID_ABOUT_TEXT, "&О программе Kolvar..."},
    {ID_FIVE_BAND, "Пятишриховый код"},
    {ID_DIGIT1_TITLE, "Первая цифра"},
    {ID_DIGIT2_TITLE, "Вторая цифра"},
    {ID_DIGIT3_TITLE, "Третья цифра"},
    {ID_POWER_TITLE, "Множитель"},
    {ID_OVERSHOOT_TITLE, "Допустимые отклонения"},
    {ID_DIGIT1_BASE + 1, "1"},
    {ID_DIGIT1_BASE + 2, "2"},
    {ID_DIGIT1_BASE + 3, "3"},
    {ID_DIGIT1_BASE + 4, "4"},
    {ID_DIGIT1_BASE + 5, "5"},
    {ID_DIGIT1_BASE + 6, "6"},
    {ID_DIGIT1_BASE + 7, "7"},
    {ID_DIGIT1_BASE + 8, "8"},
    {ID_DIGIT1_BASE + 9, "9"},
    {ID_DIGIT2_BASE + 0, "0"},
    {ID_DIGIT2_BASE + 1, "1"},
    {ID_DIGIT2_BASE + 2, "2"},
    {ID_DIGIT2_BASE + 3, "3"},
    {ID_DIGIT2_BASE + 4, "4"},
    {ID_DIGIT2_BASE + 5, "5"},
    {ID_DIGIT2_BASE + 6, "6"},
    {ID_DIGIT2_BASE + 7, "7"},
    {ID_DIGIT2_BASE + 8, "8"},
    {ID_DIGIT2_BASE + 9, "9"},
    {ID_DIGIT3_BASE + 0, "0"},
    {ID_DIGIT3_BASE + 1, "1"},
    {ID_DIGIT3_BASE + 2, "2"},
    {ID_DIGIT3_BASE + 3, "3"},
    {ID_DIGIT3_BASE + 4, "4"},
    {ID_DIGIT3_BASE + 5, "5"},
    {ID_DIGIT3_BASE + 6, "6"},
    {ID_DIGIT3_BASE + 7, "7"},
    {ID_DIGIT3_BASE + 8, "8"},
    {ID_DIGIT3_BASE + 9, "9"},
    {ID_POWER_BASE - 2, "0.01"},
    {ID_POWER_BASE - 1, "0.1"},
    {ID_POWER_BASE + 0, "1"},
    {ID_POWER_BASE + 1, "10"},
    {ID_POWER_BASE + 2, "100"},
    {ID_POWER_BASE + 3, "1000"},
    {ID_POWER_BASE + 4, "10e+4"},
    {ID_POWER_BASE + 5, "10e+5"},
    {ID_POWER_BASE + 6, "10e+6"},
    {ID_POWER_BASE + 7, "10e+7"},
    {ID_POWER_BASE + 8, "10e+8"},
    {ID_POWER_BASE + 9, "10e+9"},
    {ID_OVERSHOOT_BASE - 2, "± 10 %"},
    {ID_OVERSHOOT_BASE - 1, "± 5 %"},
    // Black, orange and yellow mark no tolerance and the menu never offers them: the caption
    // shows "false" only for a tolerance of 0, 3 or 4 from a hand-edited settings file.
    {ID_OVERSHOOT_BASE + 0, "false"},
    {ID_OVERSHOOT_BASE + 1, "± 1 %"},
    {ID_OVERSHOOT_BASE + 2, "± 2 %"},
    {ID_OVERSHOOT_BASE + 3, "false"},
    {ID_OVERSHOOT_BASE + 4, "false"},
    {ID_OVERSHOOT_BASE + 5, "± 0.5 %"},
    {ID_OVERSHOOT_BASE + 6, "± 0.25 %"},
    {ID_OVERSHOOT_BASE + 7, "± 0.1 %"},
    {ID_OVERSHOOT_BASE + 8, "± 0.05 %"},
    {ID_OVERSHOOT_BASE + 9, "± 20 %"},
    {ID_UNIT_BASE + 0, "Ом"},
    {ID_UNIT_BASE + 1, "кОм"},
    {ID_UNIT_BASE + 2, "МОм"},
    {ID_UNIT_BASE + 3, "ГОм"},
    {ID_NO_COLOUR_TEXT, "нет цвета"},
    {ID_CLOSE_TEXT, "Закрыть"},
});

static_assert(std::ranges::is_sorted(kStrings, {}, &StringEntry::id));

}  // namespace

std::string_view LoadText(unsigned id) {
    const auto* entry = std::ranges::lower_bound(kStrings, id, {}, &StringEntry::id);
    if (entry == kStrings.end() || entry->id != id) {
        return {};
    }
    return entry->text;
}

}  // namespace kolvar
