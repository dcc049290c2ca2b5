"""The stored pictures, read from their BMP files, and where on the screen one of them lies."""

import os
import struct
from collections import Counter

from screen import Pixels

DATA = os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "..", "src", "resources", "data")
FILES = {1: "eyes.bmp", 2: "moon_face.bmp", 3: "earth_lightning.bmp", 4: "galaxy.bmp"}
BLOCK = 8  # side of the square samples matched exactly on the screen


def stored_picture(index):
    with open(os.path.join(DATA, FILES[index]), "rb") as f:
        data = f.read()
    offset, = struct.unpack_from("<I", data, 10)
    width, height, _, bits = struct.unpack_from("<iiHH", data, 18)
    assert bits == 24 and height > 0, "a bottom-up 24-bit picture"
    stride = (width * 3 + 3) & ~3
    rows = [data[offset + y * stride:offset + y * stride + width * 3] for y in reversed(range(height))]
    return Pixels(width, height, b"".join(rows))


def _block(pixels, left, top):
    return [pixels.row(left, top + k, BLOCK) for k in range(BLOCK)]


def _places(haystack, block):
    """Every (left, top) where the block's pixels stand exactly in the haystack."""
    first, start = block[0], 0
    while (found := haystack.bgr.find(first, start)) >= 0:
        start = found + 1
        if found % 3:
            continue
        left, top = (found // 3) % haystack.width, (found // 3) // haystack.width
        if left + BLOCK <= haystack.width and top + BLOCK <= haystack.height and \
                _block(haystack, left, top) == block:
            yield left, top


def sample_blocks(picture, per_side=6):
    """Blocks spread over the picture that occur in it once and are not of one colour."""
    samples = []
    for i in range(per_side):
        for j in range(per_side):
            left = (picture.width - BLOCK) * (2 * i + 1) // (2 * per_side)
            top = (picture.height - BLOCK) * (2 * j + 1) // (2 * per_side)
            block = _block(picture, left, top)
            if len({block[0][k:k + 3] for k in range(0, 3 * BLOCK, 3)}) > 2 and \
                    len(list(_places(picture, block))) == 1:
                samples.append((left, top, block))
    return samples


def find_corner(screen, picture, samples, enough=2):
    """Top-left corner of the picture on the screen, from the sample blocks found; None if too few."""
    votes = Counter()
    for left, top, block in samples:
        for x, y in _places(screen, block):
            votes[(x - left, y - top)] += 1
    if votes:
        corner, count = votes.most_common(1)[0]
        if count >= enough:
            return corner
    return None
