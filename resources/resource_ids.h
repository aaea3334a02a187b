#pragma once

// Numeric ids of the program's resources. Colour menu items use the id of their label as their
// command id, so the string ids below double as command ids.

#include "platform/dialog.h"

namespace kolvar {

// Commands that are not string ids. OK and Cancel are the dialog framework's own.
inline constexpr unsigned IDOK = kOkCommand;
inline constexpr unsigned IDCANCEL = kCancelCommand;
inline constexpr unsigned ID_ABOUT = 16;

// Dialog templates, icon, picture, child window.
inline constexpr unsigned IDD_ABOUT = 100;
inline constexpr unsigned IDD_MARKING = 102;
inline constexpr unsigned IDR_MAINICON = 128;
inline constexpr unsigned IDB_PICTURE = 129;
inline constexpr unsigned IDC_MARKING_VIEW = 10000;

// Strings.
inline constexpr unsigned ID_ABOUT_TEXT = 101;
inline constexpr unsigned ID_FIVE_BAND = 35000;
inline constexpr unsigned ID_DIGIT1_TITLE = 35001;
inline constexpr unsigned ID_DIGIT2_TITLE = 35002;
inline constexpr unsigned ID_DIGIT3_TITLE = 35003;
inline constexpr unsigned ID_POWER_TITLE = 35004;
inline constexpr unsigned ID_OVERSHOOT_TITLE = 35005;

// A colour item's id is base + colour code.
inline constexpr unsigned ID_DIGIT1_BASE = 35005;
inline constexpr unsigned ID_DIGIT2_BASE = 35015;
inline constexpr unsigned ID_DIGIT3_BASE = 35025;
inline constexpr unsigned ID_POWER_BASE = 35037;
inline constexpr unsigned ID_OVERSHOOT_BASE = 35050;

inline constexpr unsigned ID_UNIT_BASE = 35060;
inline constexpr unsigned ID_NO_COLOUR_TEXT = 35064;
inline constexpr unsigned ID_CLOSE_TEXT = 35065;

// Colour items from the first digit's brown to the no-band tolerance get a swatch.
inline constexpr unsigned ID_FIRST_SWATCH_ITEM = 35006;
inline constexpr unsigned ID_NO_BAND_ITEM = 35059;

}  // namespace kolvar
