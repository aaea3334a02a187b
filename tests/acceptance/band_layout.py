"""What the marking should look like: band colours, band slots and the view's layout."""

from dataclasses import dataclass, replace

PICTURE_WIDTH = 353
PICTURE_HEIGHT = 153
PICTURE_MIDDLE_ROW = 76
# The main dialog's template, in dialog units: 480 by 325 pixels in the Qt build's base units,
# what the dialog manager makes of them in the Windows font. The view is the dialog's client
# area less 5 pixels on every side, and has a 2-pixel sunken edge.
CLIENT_UNITS = (320, 200)
VIEW_MARGIN = 5
VIEW_EDGE = 2

BODY_BEIGE = (220, 214, 160)
OUTLINE_GREY = (128, 128, 128)
LEAD_GREY = (192, 192, 192)

# RGB by colour code, -2 (silver) to 9 (white).
BAND_COLOURS = {
    -2: (240, 240, 240), -1: (255, 224, 104), 0: (0, 0, 0), 1: (128, 64, 0),
    2: (255, 0, 0), 3: (255, 128, 0), 4: (255, 255, 0), 5: (0, 255, 0),
    6: (0, 255, 255), 7: (128, 0, 255), 8: (192, 192, 192), 9: (255, 255, 255),
}
TOLERANCES_WITH_BAND = (-2, -1, 1, 2, 5, 6, 7, 8)

# Inclusive first and last column of each band slot in the picture.
FOUR_BAND_SLOTS = ((75, 100), (125, 150), (175, 200), (225, 250))
FIVE_BAND_SLOTS = ((75, 95), (115, 135), (155, 175), (195, 215), (235, 255))


@dataclass(frozen=True)
class BandCode:
    extended: int = 0
    digit1: int = 1
    digit2: int = 2
    digit3: int = 5
    power: int = 3
    overshoot: int = -2

    def but(self, **changes):
        return replace(self, **changes)

    def slots(self):
        return FIVE_BAND_SLOTS if self.extended else FOUR_BAND_SLOTS

    def slot_colours(self):
        """The colour each slot shows, the body colour for an empty tolerance slot."""
        digits = [self.digit1, self.digit2] + ([self.digit3] if self.extended else [])
        colours = [BAND_COLOURS[code] for code in digits + [self.power]]
        has_band = self.overshoot in TOLERANCES_WITH_BAND
        colours.append(BAND_COLOURS[self.overshoot] if has_band else BODY_BEIGE)
        return colours

    def settings(self):
        """The settings file's values, as unsigned 32-bit numbers."""
        return {"Extended": self.extended, "Digit 1": self.digit1, "Digit 2": self.digit2,
                "Digit 3": self.digit3, "Power": self.power % 2**32,
                "Overshoot": self.overshoot % 2**32}


def body_gap_columns(slots):
    """A column of body between each two slots and beside the outer ones."""
    columns = [slots[0][0] - 1]
    for (_, last), (first, _) in zip(slots, slots[1:]):
        columns.append((last + first) // 2)
    columns.append(slots[-1][1] + 1)
    return columns
