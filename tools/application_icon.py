"""The application icon: a yellow smiling face, drawn pixel by pixel at each size."""

from icon_file import TRANSPARENT

# The face is symmetric, so only each row's left half is drawn; the right is its mirror.
# K black, Y yellow, . transparent.
_LEFT_HALF_32 = """
............KKKK
.........KKKKKKK
........KKKKYYYY
......KKKYYYYYYY
.....KKKYYYYYYYY
....KKYYYYYYYYYY
...KKYYYYYYYYYYY
...KKYYYYYYYKKYY
..KKYYYYYYYKKKKY
.KKYYYYYYYYKKKKY
.KKYYYYYYYYKKKKY
.KKYYYYYYYYKKKKY
KKYYYYYYYYYKKKKY
KKYYYYYYYYYKKKKY
KKYYYYYYYYYYYKKY
KKYYYYYYYYYYYYYY
KKYYYYYYYYYYYYYY
KKYYYYYYYYYYYYYY
KKYYYKKYYYYYYYYY
KKYYYYKKYYYYYYYY
.KKYYYKKKYYYYYYY
.KKYYYYKKKYYYYYY
.KKYYYYYKKKKYYYY
..KKYYYYYYKKKKKK
...KKYYYYYYYKKKK
...KKYYYYYYYYYYY
....KKYYYYYYYYYY
.....KKKYYYYYYYY
......KKKYYYYYYY
........KKKKYYYY
.........KKKKKKK
............KKKK
"""
_LEFT_HALF_16 = """
......KK
....KKYY
..KKYYYY
..KYYYYY
.KYYYKKY
.KYYYKKY
KYYYYKKY
KYYYYYYY
KYYYYYYY
KYYKYYYY
.KYKYYYY
.KYYKYYY
..KYYKKK
..KKYYYY
....KKYY
......KK
"""
_INDEX = {"K": 0, "Y": 11, ".": TRANSPARENT}


def _grid(left_halves):
    rows = left_halves.strip().split("\n")
    return [[_INDEX[c] for c in row + row[::-1]] for row in rows]


def images():
    return [_grid(_LEFT_HALF_32), _grid(_LEFT_HALF_16)]
