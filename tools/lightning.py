"""A forked bolt of lightning, drawn as glowing light along a jagged path."""

import math

import fixed_math as fm


def jagged_path(rng, start, end, depth, roughness):
    """Midpoint displacement: each halving pushes the midpoint sideways."""
    points = [start, end]
    spread = roughness
    for _ in range(depth):
        refined = [points[0]]
        for (x0, y0), (x1, y1) in zip(points, points[1:]):
            dx, dy = x1 - x0, y1 - y0
            push = rng.uniform(-spread, spread)
            refined.append(((x0 + x1) * 0.5 - dy * push, (y0 + y1) * 0.5 + dx * push))
            refined.append((x1, y1))
        points = refined
        spread *= 0.62
    return points


def _stamp(canvas, path, colour, peak, sigma):
    """Adds a soft line: Gaussian dabs every half pixel sum to an even glow of the given peak."""
    step = 0.5
    weight = peak * step / (sigma * 2.5066282746310002)
    reach = int(3.0 * sigma) + 1
    inv = 1.0 / (2.0 * sigma * sigma)
    kernel = [[weight * fm.exp(-(i * i + j * j) * inv) for i in range(-reach, reach + 1)]
              for j in range(-reach, reach + 1)]
    for (x0, y0), (x1, y1) in zip(path, path[1:]):
        length = math.sqrt((x1 - x0) * (x1 - x0) + (y1 - y0) * (y1 - y0))
        dabs = max(1, int(length / step))
        for k in range(dabs):
            t = k / dabs
            cx = int(x0 + (x1 - x0) * t + 0.5)
            cy = int(y0 + (y1 - y0) * t + 0.5)
            for j, kernel_row in enumerate(kernel):
                for i, w in enumerate(kernel_row):
                    canvas.add(cx + i - reach, cy + j - reach, colour, w)


def bolt(canvas, rng, start, end, strength=1.0, branches=4):
    path = jagged_path(rng, start, end, 7, 0.22)
    _stamp(canvas, path, (0.45, 0.35, 1.0), 0.35 * strength, 7.0)
    _stamp(canvas, path, (0.7, 0.75, 1.0), 0.6 * strength, 2.2)
    _stamp(canvas, path, (1.0, 1.0, 1.0), 1.3 * strength, 0.6)
    for _ in range(branches):
        x, y = path[rng.below(len(path) * 3 // 4)]
        angle = fm.atan2(end[1] - start[1], end[0] - start[0]) + rng.uniform(-0.8, 0.8)
        reach = rng.uniform(20.0, 55.0) * strength
        tip = (x + reach * fm.cos(angle), y + reach * fm.sin(angle))
        twig = jagged_path(rng, (x, y), tip, 5, 0.3)
        _stamp(canvas, twig, (0.5, 0.45, 1.0), 0.2 * strength, 3.0)
        _stamp(canvas, twig, (0.9, 0.9, 1.0), 0.6 * strength, 0.5)
    return path
