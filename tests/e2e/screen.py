"""Pixels read back from the display, three bytes (blue, green, red) a pixel, rows top-down."""

import struct
import time
import zlib
from collections import Counter

from Xlib import X


class Pixels:
    """`taken` and `received`: the moments around the read, when it comes from the screen."""

    def __init__(self, width, height, bgr, taken=None, received=None):
        self.width, self.height, self.bgr = width, height, bytes(bgr)
        self.taken, self.received = taken, received

    def row(self, left, top, count):
        start = (top * self.width + left) * 3
        return self.bgr[start:start + count * 3]

    def pixel(self, left, top):
        return self.row(left, top, 1)

    def crop(self, left, top, width, height):
        rows = b"".join(self.row(left, top + y, width) for y in range(height))
        return Pixels(width, height, rows, self.taken, self.received)

    def coloured_mask(self):
        """One byte a pixel, 0 where the pixel is black."""
        n = self.width * self.height
        planes = (int.from_bytes(self.bgr[i::3], "little") for i in range(3))
        combined = 0
        for plane in planes:
            combined |= plane
        return bytearray(combined.to_bytes(n, "little"))

    def coloured_count(self, outside=None):
        """How many pixels are not black, leaving out the rectangle `outside` if given."""
        mask = self.coloured_mask()
        if outside is not None:
            left, top, width, height = outside
            left, right = max(left, 0), min(left + width, self.width)
            for y in range(max(top, 0), min(top + height, self.height)):
                start = y * self.width
                mask[start + left:start + right] = bytes(right - left)
        return len(mask) - mask.count(0)

    def most_common_colour(self):
        return Counter(self.bgr[i:i + 3] for i in range(0, len(self.bgr), 3)).most_common(1)[0][0]

    def write_png(self, path):
        rgb = bytearray(self.bgr)
        rgb[0::3], rgb[2::3] = rgb[2::3], rgb[0::3]
        stride = self.width * 3
        rgb_rows = b"".join(b"\0" + rgb[y * stride:(y + 1) * stride] for y in range(self.height))
        header = struct.pack(">IIBBBBB", self.width, self.height, 8, 2, 0, 0, 0)
        with open(path, "wb") as out:
            out.write(b"\x89PNG\r\n\x1a\n")
            for kind, body in ((b"IHDR", header), (b"IDAT", zlib.compress(rgb_rows, 9)), (b"IEND", b"")):
                out.write(struct.pack(">I", len(body)) + kind + body)
                out.write(struct.pack(">I", zlib.crc32(kind + body)))


def grab(x, left=0, top=0, width=None, height=None):
    """The screen's pixels in the given rectangle of the root window, now."""
    root = x.screen().root
    if width is None:
        geometry = root.get_geometry()
        width, height = geometry.width - left, geometry.height - top
    taken = time.monotonic()
    data = root.get_image(left, top, width, height, X.ZPixmap, 0xFFFFFFFF).data
    received = time.monotonic()
    assert len(data) == width * height * 4, "expected 32 bits a pixel"
    bgr = bytearray(width * height * 3)
    for i in range(3):
        bgr[i::3] = data[i::4]
    return Pixels(width, height, bgr, taken, received)
