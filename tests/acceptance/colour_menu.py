"""What the colour menu offers, top to bottom, as the user sees it."""

# Codes of the colour items of each sub-menu, top to bottom.
ITEM_CODES = {
    "digit1": tuple(range(1, 10)),
    "digit2": tuple(range(0, 10)),
    "digit3": tuple(range(0, 10)),
    "power": tuple(range(-2, 10)),
    "overshoot": (-2, -1, 1, 2, 5, 6, 7, 8, 9),
}
# The tolerance item that stands for no band has an empty swatch.
NO_BAND_TOLERANCE = 9


def entries(extended):
    """The menu's items without its separators, top to bottom."""
    digits = ["digit1", "digit2"] + (["digit3"] if extended else [])
    return ["five_band"] + digits + ["power", "overshoot", "value", "about", "close"]


def entry_index(extended, name):
    return entries(extended).index(name)
