"""The view inside the main window: where it lies and where it put the picture and caption."""

from band_layout import (OUTLINE_GREY, PICTURE_HEIGHT, PICTURE_MIDDLE_ROW, PICTURE_WIDTH,
                         VIEW_EDGE, VIEW_MARGIN)
from kolvar_app import Rect
from screen_image import ink_box, is_dark

# A column of the left cap, whose outline is on the picture's row 1.
CAP_COLUMN = 80
CAP_OUTLINE_ROW = 1


def view_rect(client):
    """The view's own client area: the dialog's less the margin and the sunken edge."""
    inset = VIEW_MARGIN + VIEW_EDGE
    return Rect(client.left + inset, client.top + inset, client.width - 2 * inset,
                client.height - 2 * inset)


def picture_left(view):
    return view.left + (view.width - PICTURE_WIDTH) // 2


def find_picture_top(image, view):
    """The picture's top row on the screen, from the first outline pixel of the left cap."""
    x = picture_left(view) + CAP_COLUMN
    for y in range(view.top, view.bottom):
        if image.pixel(x, y) == OUTLINE_GREY:
            return y - CAP_OUTLINE_ROW
    return None


def caption_height_for(view, picture_top):
    """The caption height that puts the picture at picture_top when centred above it."""
    return view.height - PICTURE_HEIGHT - 2 * (picture_top - view.top)


def caption_ink(image, view, picture_top):
    """Box of the dark caption pixels between the picture and the view's bottom edge."""
    return ink_box(image, view.left, picture_top + PICTURE_HEIGHT, view.right, view.bottom,
                   is_dark)


def caption_bytes(image, view, picture_top):
    return image.region_bytes(view.left, picture_top + PICTURE_HEIGHT, view.right, view.bottom)


def band_row_colours(image, view, picture_top, columns):
    """Colour of each picture column on the picture's middle row."""
    y = picture_top + PICTURE_MIDDLE_ROW
    return [image.pixel(picture_left(view) + column, y) for column in columns]
