"""A floating-point RGB picture that the scenes paint into, then turn into bytes."""

import bmp_file
from noise import hash32

# The darkest a pixel may come out: the saver's window is pure black, and a
# picture must never have a pixel of that colour.
_FLOOR = (2, 3, 8)


class Canvas:
    def __init__(self, width, height, ground):
        self.width = width
        self.height = height
        self.pixels = [[ground(x, y) for x in range(width)] for y in range(height)]

    def inside(self, x, y):
        return 0 <= x < self.width and 0 <= y < self.height

    def add(self, x, y, rgb, amount=1.0):
        """Adds light, as a glow or a star does."""
        if self.inside(x, y):
            p = self.pixels[y][x]
            p[0] += rgb[0] * amount
            p[1] += rgb[1] * amount
            p[2] += rgb[2] * amount

    def cover(self, x, y, rgb, alpha):
        """Lays an opaque surface over the pixel, alpha being how much of it is covered."""
        if alpha > 0.0 and self.inside(x, y):
            p = self.pixels[y][x]
            p[0] += (rgb[0] - p[0]) * alpha
            p[1] += (rgb[1] - p[1]) * alpha
            p[2] += (rgb[2] - p[2]) * alpha

    def paint(self, box, shade):
        """Calls shade(x, y, pixel) for every pixel in box = (x0, y0, x1, y1), clipped."""
        x0, y0, x1, y1 = box
        for y in range(max(0, y0), min(self.height, y1)):
            row = self.pixels[y]
            for x in range(max(0, x0), min(self.width, x1)):
                shade(x, y, row[x])

    def bmp(self, seed):
        return bmp_file.encode(self.width, self.height, lambda x, y: self._quantise(x, y, seed))

    def _quantise(self, x, y, seed):
        # A little dither breaks up banding in the smooth glows.
        dither = (hash32(seed, x, y) & 0xFF) / 256.0
        out = []
        for channel, floor in zip(self.pixels[y][x], _FLOOR):
            value = int(channel * 255.0 + dither)
            out.append(max(floor, min(255, value)))
        return out
