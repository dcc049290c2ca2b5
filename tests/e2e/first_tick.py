"""Where the saver's first tick draws, from the program's own generator and its twips, in single
precision as the program computes them: the picture's corner, the quotation's cell and colour."""

import math
import struct
from dataclasses import dataclass

SEED = 0x2545F4
TWIPS_PER_INCH = 1440


def _single(value):
    return struct.unpack("f", struct.pack("f", value))[0]


def _generator():
    seed = SEED
    while True:
        seed = (seed * 0x5DEECE5 + 0x3C6EF3) & 0xFFFFFF
        yield _single(seed / 16777216)


def _pixels(twips, dpi):
    return math.floor(_single(_single(twips * dpi) / TWIPS_PER_INCH))


@dataclass(frozen=True)
class FirstTick:
    picture_corner: tuple  # stored picture 2, pixels from the window's top-left corner
    text_corner: tuple  # the top-left corner of quotation 2's cell
    text_colour: tuple  # (red, green, blue)
    text_points: float


def first_tick(width, height, dpi):
    """The first tick on a window of width x height pixels at dpi dots per inch."""
    rnd = _generator()
    width_twips = _single(_single(width * TWIPS_PER_INCH) / dpi)
    height_twips = _single(_single(height * TWIPS_PER_INCH) / dpi)
    r1, r2 = next(rnd), next(rnd)
    picture = (_pixels(_single(_single(width_twips / 2) * r1), dpi),
               _pixels(_single(_single(height_twips / 2) * r2), dpi))
    text_x = _single(_single(next(rnd) * width_twips) / 2)
    text_y = _single(next(rnd) * height_twips)
    colour = tuple(round(_single(next(rnd) * 255)) for _ in range(3))
    points = _single(next(rnd) * 40)
    return FirstTick(picture, (_pixels(text_x, dpi), _pixels(text_y, dpi)), colour, points)
