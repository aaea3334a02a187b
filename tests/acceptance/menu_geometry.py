"""Where the items of an open menu lie, read from a screenshot of it."""

from dataclasses import dataclass

from band_layout import BODY_BEIGE
from screen_image import is_dark

# The menus have a one-pixel frame, and a swatch keeps 2 pixels free above and below.
MENU_FRAME = 1
SWATCH_WIDTH = 100
SWATCH_INSET = 2


def text_lines(image, menu):
    """Row ranges (top, bottom) of the lines of dark text in a menu, top to bottom."""
    inner_left, inner_right = menu.left + MENU_FRAME + 1, menu.right - MENU_FRAME - 1
    inked = [any(is_dark(image.pixel(x, y)) for x in range(inner_left, inner_right))
             for y in range(menu.top + MENU_FRAME, menu.bottom - MENU_FRAME)]
    lines, start = [], None
    for offset, has_ink in enumerate(inked + [False]):
        if has_ink and start is None:
            start = offset
        elif not has_ink and start is not None:
            top = menu.top + MENU_FRAME
            lines.append((top + start, top + offset))
            start = None
    return _with_underlines(lines)


def _with_underlines(lines):
    """An access key's underline, a thin stroke just below its line, is that line's. Both the
    stroke and the gap above it grow with the scale, so they are measured against the line."""
    merged = []
    for top, bottom in lines:
        if merged and _is_underline_of(merged[-1], top, bottom):
            merged[-1] = (merged[-1][0], bottom)
        else:
            merged.append((top, bottom))
    return merged


def _is_underline_of(line, top, bottom):
    near = max(2, (line[1] - line[0]) // 4)
    return bottom - top <= near and top - line[1] <= near


@dataclass(frozen=True)
class ColourItem:
    """One owner-drawn item: its rectangle and the parts the owner draws in it."""
    left: int
    top: int
    right: int
    height: int

    @property
    def bottom(self):
        return self.top + self.height

    @property
    def centre(self):
        return (self.left + self.right) // 2, self.top + self.height // 2

    def check_cell(self):
        return self.left, self.top, self.left + self.height, self.top + self.height

    def swatch(self):
        left = self.left + self.height
        return left, self.top + SWATCH_INSET, left + SWATCH_WIDTH, self.bottom - SWATCH_INSET


def colour_items(image, menu):
    """The owner-drawn items of a colour sub-menu, found by the beige frame of the first swatch:
    an item is as high as the frame and its insets, and starts that far left of it. Around the
    items the system may keep a margin inside the menu's frame; it is the same on every side."""
    corner = _first_frame_corner(image, menu)
    if corner is None:
        return []
    frame_left, frame_top = corner
    frame_bottom = frame_top
    while image.pixel(frame_left, frame_bottom + 1) == BODY_BEIGE:
        frame_bottom += 1
    height = frame_bottom + 1 - frame_top + 2 * SWATCH_INSET
    left, top = frame_left - height, frame_top - SWATCH_INSET
    inset = left - menu.left
    count = (menu.bottom - inset - top) // height
    return [ColourItem(left, top + index * height, menu.right - inset, height)
            for index in range(count)]


def _first_frame_corner(image, menu):
    return next(((x, y) for y in range(menu.top, menu.bottom)
                 for x in range(menu.left, menu.right) if image.pixel(x, y) == BODY_BEIGE), None)


def frame_widths(image, menu):
    """How wide the first swatch's frame is on its left, top, right and bottom, in pixels."""
    left, top = _first_frame_corner(image, menu)

    def beige_run(x, y, step_x, step_y):
        length = 0
        while image.pixel(x + length * step_x, y + length * step_y) == BODY_BEIGE:
            length += 1
        return length

    right = left + beige_run(left, top, 1, 0) - 1
    bottom = top + beige_run(left, top, 0, 1) - 1
    middle_x, middle_y = (left + right) // 2, (top + bottom) // 2
    return (beige_run(left, middle_y, 1, 0), beige_run(middle_x, top, 0, 1),
            beige_run(right, middle_y, -1, 0), beige_run(middle_x, bottom, 0, -1))


def check_mark_columns(image, menu, frame):
    """The dark ink between the menu's frame, this many pixels wide, and the first swatch's: for
    each column of the check marks that has some, left to right, the rows it spans and how many of
    them are dark."""
    frame_left, _ = _first_frame_corner(image, menu)
    columns = []
    for x in range(menu.left + frame, frame_left):
        dark = [y for y in range(menu.top, menu.bottom) if is_dark(image.pixel(x, y))]
        if dark:
            columns.append((dark[0], dark[-1] + 1, len(dark)))
    return columns
