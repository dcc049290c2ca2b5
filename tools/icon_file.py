"""Writes 16-colour Windows icon files: 4 bits a pixel, the standard palette, a 1-bit mask."""

import struct

STANDARD_PALETTE = (
    (0, 0, 0), (128, 0, 0), (0, 128, 0), (128, 128, 0),
    (0, 0, 128), (128, 0, 128), (0, 128, 128), (128, 128, 128),
    (192, 192, 192), (255, 0, 0), (0, 255, 0), (255, 255, 0),
    (0, 0, 255), (255, 0, 255), (0, 255, 255), (255, 255, 255),
)
TRANSPARENT = None


def _padded(row):
    return row + bytes(-len(row) % 4)


def _image(rows):
    """rows: top to bottom, each a list of palette indices or TRANSPARENT."""
    size = len(rows)
    colours, mask = [], []
    for row in reversed(rows):
        # A transparent pixel keeps colour 0 so that it leaves the screen as it is.
        indices = [0 if p is TRANSPARENT else p for p in row]
        colours.append(_padded(bytes(indices[i] << 4 | indices[i + 1]
                                     for i in range(0, size, 2))))
        bits = [1 if p is TRANSPARENT else 0 for p in row]
        mask.append(_padded(bytes(sum(bits[i + j] << (7 - j) for j in range(8))
                                  for i in range(0, size, 8))))
    colour_bytes, mask_bytes = b"".join(colours), b"".join(mask)
    header = struct.pack("<IiiHHIIiiII", 40, size, 2 * size, 1, 4, 0,
                         len(colour_bytes) + len(mask_bytes), 0, 0, 0, 0)
    palette = b"".join(bytes((b, g, r, 0)) for r, g, b in STANDARD_PALETTE)
    return header + palette + colour_bytes + mask_bytes


def encode(images):
    """images: square pixel grids, largest first, as _image takes them."""
    blobs = [_image(rows) for rows in images]
    offset = 6 + 16 * len(blobs)
    directory = struct.pack("<HHH", 0, 1, len(blobs))
    for rows, blob in zip(images, blobs):
        directory += struct.pack("<BBBBHHII", len(rows), len(rows), 16, 0, 1, 4, len(blob), offset)
        offset += len(blob)
    return directory + b"".join(blobs)
