"""Opaque anti-aliased strokes, for lashes, brows and outlines."""

import math


def _distance_to_segment(px, py, ax, ay, bx, by):
    dx, dy = bx - ax, by - ay
    length2 = dx * dx + dy * dy
    t = 0.0 if length2 == 0.0 else ((px - ax) * dx + (py - ay) * dy) / length2
    t = 0.0 if t < 0.0 else 1.0 if t > 1.0 else t
    ex, ey = px - ax - t * dx, py - ay - t * dy
    return math.sqrt(ex * ex + ey * ey), t


def tapered_line(canvas, start, end, colour, width_start, width_end, opacity=1.0):
    """A line whose width runs from width_start to width_end, edges smoothed over a pixel."""
    (ax, ay), (bx, by) = start, end
    reach = int(max(width_start, width_end)) + 2
    x0, x1 = int(min(ax, bx)) - reach, int(max(ax, bx)) + reach + 1
    y0, y1 = int(min(ay, by)) - reach, int(max(ay, by)) + reach + 1

    def shade(x, y, pixel):
        d, t = _distance_to_segment(x + 0.5, y + 0.5, ax, ay, bx, by)
        half = 0.5 * (width_start + (width_end - width_start) * t)
        cover = half + 0.5 - d
        if cover > 0.0:
            alpha = opacity * min(1.0, cover)
            for i in range(3):
                pixel[i] += (colour[i] - pixel[i]) * alpha

    canvas.paint((x0, y0, x1, y1), shade)


def polyline(canvas, points, colour, width_start, width_end, opacity=1.0):
    steps = len(points) - 1
    for k, (a, b) in enumerate(zip(points, points[1:])):
        w0 = width_start + (width_end - width_start) * k / steps
        w1 = width_start + (width_end - width_start) * (k + 1) / steps
        tapered_line(canvas, a, b, colour, w0, w1, opacity)
