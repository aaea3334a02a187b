#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "platform/colour.h"

// The colour menu as the user is meant to see it, written out by hand so that the tests do not
// take the product's own tables as their truth.
namespace kolvar::expected {

// The drawing colours of the band codes -2 (silver) to 9 (white).
inline constexpr Colour kSilver = Rgb(240, 240, 240);
inline constexpr Colour kGold = Rgb(255, 224, 104);
inline constexpr Colour kBlack = Rgb(0, 0, 0);
inline constexpr Colour kBrown = Rgb(128, 64, 0);
inline constexpr Colour kRed = Rgb(255, 0, 0);
inline constexpr Colour kOrange = Rgb(255, 128, 0);
inline constexpr Colour kYellow = Rgb(255, 255, 0);
inline constexpr Colour kGreen = Rgb(0, 255, 0);
inline constexpr Colour kBlue = Rgb(0, 255, 255);
inline constexpr Colour kViolet = Rgb(128, 0, 255);
inline constexpr Colour kGrey = Rgb(192, 192, 192);
inline constexpr Colour kWhite = Rgb(255, 255, 255);

inline constexpr Colour kSwatchFrame = Rgb(220, 214, 160);
inline constexpr Colour kBody = Rgb(220, 214, 160);

inline constexpr unsigned kFiveBand = 35000;
inline constexpr unsigned kValue = 35130;
inline constexpr unsigned kAbout = 16;
inline constexpr unsigned kClose = 1;
inline constexpr unsigned kNoBandItem = 35059;

inline constexpr std::string_view kFiveBandText = "Пятишриховый код";
inline constexpr std::string_view kDigit1Title = "Первая цифра";
inline constexpr std::string_view kDigit2Title = "Вторая цифра";
inline constexpr std::string_view kDigit3Title = "Третья цифра";
inline constexpr std::string_view kPowerTitle = "Множитель";
inline constexpr std::string_view kToleranceTitle = "Допустимые отклонения";
inline constexpr std::string_view kValueText = "&Номинал...";
inline constexpr std::string_view kAboutText = "&О программе Kolvar...";
inline constexpr std::string_view kCloseText = "Закрыть";
inline constexpr std::string_view kNoColourText = "нет цвета";

// One colour item: its command id, the colour it carries as item data, its band code and the
// label drawn beside the swatch.
struct ColourItem {
    unsigned id;
    std::uintptr_t data;
    int code;
    std::string label;
};

struct SubMenu {
    std::string_view title;
    std::vector<ColourItem> items;
};

inline const SubMenu kDigit1 = {kDigit1Title,
                                {{35006, kBrown, 1, "1"},
                                 {35007, kRed, 2, "2"},
                                 {35008, kOrange, 3, "3"},
                                 {35009, kYellow, 4, "4"},
                                 {35010, kGreen, 5, "5"},
                                 {35011, kBlue, 6, "6"},
                                 {35012, kViolet, 7, "7"},
                                 {35013, kGrey, 8, "8"},
                                 {35014, kWhite, 9, "9"}}};

inline const SubMenu kDigit2 = {kDigit2Title,
                                {{35015, kBlack, 0, "0"},
                                 {35016, kBrown, 1, "1"},
                                 {35017, kRed, 2, "2"},
                                 {35018, kOrange, 3, "3"},
                                 {35019, kYellow, 4, "4"},
                                 {35020, kGreen, 5, "5"},
                                 {35021, kBlue, 6, "6"},
                                 {35022, kViolet, 7, "7"},
                                 {35023, kGrey, 8, "8"},
                                 {35024, kWhite, 9, "9"}}};

inline const SubMenu kDigit3 = {kDigit3Title,
                                {{35025, kBlack, 0, "0"},
                                 {35026, kBrown, 1, "1"},
                                 {35027, kRed, 2, "2"},
                                 {35028, kOrange, 3, "3"},
                                 {35029, kYellow, 4, "4"},
                                 {35030, kGreen, 5, "5"},
                                 {35031, kBlue, 6, "6"},
                                 {35032, kViolet, 7, "7"},
                                 {35033, kGrey, 8, "8"},
                                 {35034, kWhite, 9, "9"}}};

inline const SubMenu kPower = {kPowerTitle,
                               {{35035, kSilver, -2, "0.01"},
                                {35036, kGold, -1, "0.1"},
                                {35037, kBlack, 0, "1"},
                                {35038, kBrown, 1, "10"},
                                {35039, kRed, 2, "100"},
                                {35040, kOrange, 3, "1000"},
                                {35041, kYellow, 4, "10e+4"},
                                {35042, kGreen, 5, "10e+5"},
                                {35043, kBlue, 6, "10e+6"},
                                {35044, kViolet, 7, "10e+7"},
                                {35045, kGrey, 8, "10e+8"},
                                {35046, kWhite, 9, "10e+9"}}};

// Black, orange and yellow mark no tolerance and are not offered; white stands for no band and
// carries no colour.
inline const SubMenu kTolerance = {kToleranceTitle,
                                   {{35048, kSilver, -2, "± 10 %"},
                                    {35049, kGold, -1, "± 5 %"},
                                    {35051, kBrown, 1, "± 1 %"},
                                    {35052, kRed, 2, "± 2 %"},
                                    {35055, kGreen, 5, "± 0.5 %"},
                                    {35056, kBlue, 6, "± 0.25 %"},
                                    {35057, kViolet, 7, "± 0.1 %"},
                                    {35058, kGrey, 8, "± 0.05 %"},
                                    {35059, 0, 9, "± 20 %"}}};

}  // namespace kolvar::expected
