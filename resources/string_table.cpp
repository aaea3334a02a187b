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
    {ID_ENTRY_EMPTY, "Введите сопротивление, например 4,7 кОм, 4K7 или 472"},
    {ID_ENTRY_NOT_UTF8, "Текст не в кодировке UTF-8"},
    {ID_ENTRY_CONTROL_CHARACTER, "В тексте есть управляющие символы"},
    {ID_ENTRY_TOO_LONG, "Слишком длинный текст: сопротивление пишется не длиннее 64 знаков"},
    {ID_ENTRY_TOO_MANY_DIGITS,
     "Больше 15 значащих цифр: такое число не округляется, а цветовой код показывает три"},
    {ID_ENTRY_NOT_UNDERSTOOD,
     "Не понято. Пишите число с приставкой (4,7 кОм, 2.2M), буквенный код (4K7, R47) или "
     "SMD-маркировку (472, 4701, 01C)"},
    {ID_ENTRY_BAD_TOLERANCE,
     "Допуск не понят: пишите его после значения через пробел или знак ±, например "
     "4,7 кОм ± 5 % или 4K7 5%"},
    {ID_ENTRY_NO_VALUE, "Перед допуском нет сопротивления: например 4,7 кОм ± 5 %"},
    {ID_ENTRY_TOLERANCE_LETTER,
     "Буква допуска (F, G, J, K, M, D, C, B, W) ставится только после буквенного кода, "
     "как в 4K7J или 470RJ; после числа пишите допуск в процентах: 470 ± 5 %"},
    {ID_VALUE_OUT_OF_RANGE, "Цветовой код показывает сопротивления от 0,1 Ом до 999 ГОм"},
    {ID_VALUE_MILLI,
     "Строчная m (м) означает милли: 1m — это 0,001 Ом, меньше 0,1 Ом, наименьшего в цветовом "
     "коде. Мегаом пишется заглавной M (М): 1M"},
    {ID_TOLERANCE_NOT_IN_CODE,
     "Цветовой код показывает допуски ± 20, 10, 5, 2, 1, 0,5, 0,25, 0,1 и 0,05 %"},
    {ID_NOTATION_BASE + 0, "число"},
    {ID_NOTATION_BASE + 1, "число с приставкой СИ"},
    {ID_NOTATION_BASE + 2, "буквенный код"},
    {ID_NOTATION_BASE + 3, "SMD-маркировка из трёх цифр"},
    {ID_NOTATION_BASE + 4, "SMD-маркировка из четырёх цифр"},
    {ID_NOTATION_BASE + 5, "маркировка EIA-96"},
    {ID_VALUE_ENTRY, "&Номинал..."},
    {ID_ENTRY_READ_AS, "Прочитано как "},
    {ID_ENTRY_BANDS, "Полосы: "},
    {ID_ENTRY_ROUNDED, "Точно полосы его не показывают, ближайшее: "},
    {ID_ENTRY_SERIES, "Ряды: "},
    {ID_ENTRY_NO_SERIES, "Не из рядов E6–E192; ближайшие: "},
    {ID_ENTRY_RANGE, "С допуском: от "},
    {ID_ENTRY_RANGE_TO, " до "},
    {ID_ENTRY_MARKINGS, "Буквенный код: "},
    {ID_ENTRY_SECOND_READING, "&Второе прочтение: "},
    {ID_ENTRY_NO_SECOND_READING, "&Второе прочтение: нет"},
    {ID_ENTRY_STANDARD_VALUE, "&Ближайшее из E24: "},
    {ID_ENTRY_NO_STANDARD_VALUE, "&Ближайшее из E24: не нужно"},
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
