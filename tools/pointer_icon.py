"""The saver window's mouse pointer: a black tick, as row spans of opaque pixels."""

from icon_file import TRANSPARENT

BLACK, GREY = 0, 7

# row: [(first column, last column), ...], counted from the top left.
_TICK_32 = {
    3: [(29, 29)], 4: [(28, 28)], 5: [(28, 28)], 6: [(27, 27)], 7: [(27, 27)], 8: [(26, 26)],
    9: [(25, 26)], 10: [(25, 26)], 11: [(24, 25)], 12: [(23, 24)], 13: [(23, 24)],
    14: [(22, 23)], 15: [(21, 23)], 16: [(20, 22)], 17: [(20, 22)],
    18: [(5, 7), (19, 21)], 19: [(5, 8), (18, 20)], 20: [(6, 9), (18, 20)],
    21: [(7, 10), (17, 19)], 22: [(8, 11), (17, 19)], 23: [(9, 12), (16, 18)],
    24: [(10, 13), (15, 18)], 25: [(11, 17)], 26: [(13, 16)], 27: [(13, 15)], 28: [(14, 14)],
}
_TICK_16 = {
    1: [(14, 14)], 2: [(13, 13)], 3: [(12, 13)], 4: [(12, 13)], 5: [(11, 12)],
    6: [(10, 11)], 7: [(10, 11)], 8: [(9, 10)], 9: [(2, 4), (9, 10)], 10: [(3, 5), (8, 9)],
    11: [(4, 6), (8, 9)], 12: [(5, 8)], 13: [(6, 8)], 14: [(7, 7)],
}
# One softening pixel where the small tick's long stroke steps inward.
_GREY_16 = (9, 6)


def _grid(size, spans):
    rows = [[TRANSPARENT] * size for _ in range(size)]
    for y, row_spans in spans.items():
        for first, last in row_spans:
            for x in range(first, last + 1):
                rows[y][x] = BLACK
    return rows


def images():
    small = _grid(16, _TICK_16)
    x, y = _GREY_16
    small[y][x] = GREY
    return [_grid(32, _TICK_32), small]
