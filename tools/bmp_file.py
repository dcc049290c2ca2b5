"""Writes 24-bit uncompressed Windows bitmaps, the form the saver's pictures take."""

import struct

_FILE_HEADER_SIZE = 14
_INFO_HEADER_SIZE = 40


def row_stride(width):
    return (width * 3 + 3) // 4 * 4


def encode(width, height, pixel_at):
    """pixel_at(x, y) gives (r, g, b) bytes with y counted from the top."""
    stride = row_stride(width)
    padding = bytes(stride - width * 3)
    rows = []
    for y in range(height - 1, -1, -1):
        row = bytearray()
        for x in range(width):
            r, g, b = pixel_at(x, y)
            row += bytes((b, g, r))
        rows.append(bytes(row) + padding)
    pixels = b"".join(rows)
    offset = _FILE_HEADER_SIZE + _INFO_HEADER_SIZE
    file_header = struct.pack("<2sIHHI", b"BM", offset + len(pixels), 0, 0, offset)
    info_header = struct.pack("<IiiHHIIiiII", _INFO_HEADER_SIZE, width, height, 1, 24, 0,
                              len(pixels), 0, 0, 0, 0)
    return file_header + info_header + pixels
