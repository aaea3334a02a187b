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
inline constexpr unsigned IDD_VALUE = 103;
inline constexpr unsigned IDR_MAINICON = 128;
inline constexpr unsigned IDB_PICTURE = 129;
inline constexpr unsigned IDC_MARKING_VIEW = 10000;

// The value dialog's controls.
inline constexpr unsigned IDC_VALUE_TEXT = 1000;
inline constexpr unsigned IDC_VALUE_READING = 1001;
inline constexpr unsigned IDC_SECOND_READING = 1002;
inline constexpr unsigned IDC_STANDARD_VALUE = 1003;

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

// Why a typed value was not read, or cannot be shown in bands.
inline constexpr unsigned ID_ENTRY_EMPTY = 35100;
inline constexpr unsigned ID_ENTRY_NOT_UTF8 = 35101;
inline constexpr unsigned ID_ENTRY_CONTROL_CHARACTER = 35102;
inline constexpr unsigned ID_ENTRY_TOO_LONG = 35103;
inline constexpr unsigned ID_ENTRY_TOO_MANY_DIGITS = 35104;
inline constexpr unsigned ID_ENTRY_NOT_UNDERSTOOD = 35105;
inline constexpr unsigned ID_ENTRY_BAD_TOLERANCE = 35106;
inline constexpr unsigned ID_ENTRY_NO_VALUE = 35107;
inline constexpr unsigned ID_ENTRY_TOLERANCE_LETTER = 35108;
inline constexpr unsigned ID_VALUE_OUT_OF_RANGE = 35109;
inline constexpr unsigned ID_VALUE_MILLI = 35110;
inline constexpr unsigned ID_TOLERANCE_NOT_IN_CODE = 35111;

// The name of the notation a value was read in is base + its place in the list of notations.
inline constexpr unsigned ID_NOTATION_BASE = 35120;

// The value dialog: its menu item and command, and the texts it shows.
inline constexpr unsigned ID_VALUE_ENTRY = 35130;
inline constexpr unsigned ID_ENTRY_READ_AS = 35131;
inline constexpr unsigned ID_ENTRY_BANDS = 35132;
inline constexpr unsigned ID_ENTRY_ROUNDED = 35133;
inline constexpr unsigned ID_ENTRY_SERIES = 35134;
inline constexpr unsigned ID_ENTRY_NO_SERIES = 35135;
inline constexpr unsigned ID_ENTRY_RANGE = 35136;
inline constexpr unsigned ID_ENTRY_RANGE_TO = 35137;
inline constexpr unsigned ID_ENTRY_MARKINGS = 35138;
inline constexpr unsigned ID_ENTRY_SECOND_READING = 35139;
inline constexpr unsigned ID_ENTRY_NO_SECOND_READING = 35140;
inline constexpr unsigned ID_ENTRY_STANDARD_VALUE = 35141;
inline constexpr unsigned ID_ENTRY_NO_STANDARD_VALUE = 35142;

// Colour items from the first digit's brown to the no-band tolerance get a swatch.
inline constexpr unsigned ID_FIRST_SWATCH_ITEM = 35006;
inline constexpr unsigned ID_NO_BAND_ITEM = 35059;

}  // namespace kolvar
