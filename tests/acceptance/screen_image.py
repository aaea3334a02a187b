"""Screenshots of the whole screen as exact RGB pixels."""

import subprocess

BLACK = (0, 0, 0)


class ScreenImage:
    def __init__(self, width, height, data):
        self.width = width
        self.height = height
        self.data = data

    @classmethod
    def grab(cls, display):
        return cls.from_ppm(display.screenshot_ppm())

    @classmethod
    def from_ppm(cls, ppm):
        fields = []
        position = 0
        while len(fields) < 4:
            while ppm[position:position + 1].isspace():
                position += 1
            if ppm[position:position + 1] == b"#":
                position = ppm.index(b"\n", position) + 1
                continue
            end = position
            while not ppm[end:end + 1].isspace():
                end += 1
            fields.append(ppm[position:end])
            position = end
        magic, width, height, maximum = fields
        if magic != b"P6" or maximum != b"255":
            raise ValueError("not an 8-bit binary PPM")
        width, height = int(width), int(height)
        return cls(width, height, ppm[position + 1:position + 1 + 3 * width * height])

    def pixel(self, x, y):
        if not (0 <= x < self.width and 0 <= y < self.height):
            raise IndexError(f"pixel ({x}, {y}) lies outside the screen")
        offset = 3 * (y * self.width + x)
        return tuple(self.data[offset:offset + 3])

    def pixels(self, left, top, right, bottom):
        """Every pixel of the rectangle, right and bottom excluded, row by row."""
        return [self.pixel(x, y) for y in range(top, bottom) for x in range(left, right)]

    def region_bytes(self, left, top, right, bottom):
        rows = []
        for y in range(top, bottom):
            start = 3 * (y * self.width + left)
            rows.append(self.data[start:start + 3 * (right - left)])
        return b"".join(rows)

    def save_png(self, path, left=0, top=0, right=None, bottom=None):
        right = self.width if right is None else right
        bottom = self.height if bottom is None else bottom
        header = f"P6\n{right - left} {bottom - top}\n255\n".encode()
        subprocess.run(["convert", "ppm:-", "-strip", "png:" + str(path)],
                       input=header + self.region_bytes(left, top, right, bottom), check=True)


def is_dark(colour, limit=96):
    return max(colour) < limit


def ink_box(image, left, top, right, bottom, is_ink):
    """The smallest rectangle holding every ink pixel of the area, or None."""
    found = [(x, y) for y in range(top, bottom) for x in range(left, right)
             if is_ink(image.pixel(x, y))]
    if not found:
        return None
    xs = [x for x, _ in found]
    ys = [y for _, y in found]
    return min(xs), min(ys), max(xs) + 1, max(ys) + 1
