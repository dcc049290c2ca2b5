"""Smooth outlines and their pixel coverage, for silhouettes drawn from a few points."""

_SUB_ROWS = 4


def smooth_outline(points, steps=8):
    """A closed Catmull-Rom curve through the points."""
    n = len(points)
    curve = []
    for k in range(n):
        curve += _segment(points[k - 1], points[k], points[(k + 1) % n], points[(k + 2) % n], steps)
    return curve


def _segment(p0, p1, p2, p3, steps):
    """Points from p1 up to (not including) p2 on the Catmull-Rom curve."""
    points = []
    for s in range(steps):
        t = s / steps
        t2, t3 = t * t, t * t * t
        points.append(tuple(
            0.5 * (2.0 * b + (c - a) * t + (2.0 * a - 5.0 * b + 4.0 * c - d) * t2
                   + (3.0 * b - a - 3.0 * c + d) * t3)
            for a, b, c, d in zip(p0, p1, p2, p3)))
    return points


def smooth_path(points, steps=6):
    """An open Catmull-Rom curve through the points, its ends held."""
    padded = [points[0]] + list(points) + [points[-1]]
    curve = []
    for k in range(1, len(padded) - 2):
        curve += _segment(padded[k - 1], padded[k], padded[k + 1], padded[k + 2], steps)
    return curve + [points[-1]]


def coverage(outline, width, height):
    """How much of each pixel the closed outline covers, as rows of 0..1 values."""
    rows = [[0.0] * width for _ in range(height)]
    edges = list(zip(outline, outline[1:] + outline[:1]))
    for y in range(height):
        row = rows[y]
        for sub in range(_SUB_ROWS):
            sy = y + (sub + 0.5) / _SUB_ROWS
            crossings = sorted(x0 + (sy - y0) * (x1 - x0) / (y1 - y0)
                               for (x0, y0), (x1, y1) in edges if (y0 > sy) != (y1 > sy))
            for left, right in zip(crossings[::2], crossings[1::2]):
                _add_span(row, max(0.0, left), min(float(width), right), 1.0 / _SUB_ROWS)
    return rows


def _add_span(row, left, right, weight):
    if right <= left:
        return
    first, last = int(left), min(int(right), len(row) - 1)
    if first == last:
        row[first] += (right - left) * weight
        return
    row[first] += (first + 1 - left) * weight
    for x in range(first + 1, last):
        row[x] += weight
    if last < len(row):
        row[last] += (right - last) * weight
