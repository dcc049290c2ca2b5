"""Scatters stars over a canvas: many faint points, a few bright ones with a halo."""

import fixed_math as fm

_TINTS = ((0.75, 0.85, 1.0), (1.0, 1.0, 1.0), (1.0, 0.93, 0.8), (1.0, 0.8, 0.65), (0.8, 0.9, 1.0))


def star(canvas, cx, cy, brightness, tint, spikes=False):
    sigma = 0.45 + 0.5 * brightness
    reach = 2 + int(4 * brightness)
    inv = 1.0 / (2.0 * sigma * sigma)
    halo = 0.12 * brightness
    for y in range(int(cy) - reach, int(cy) + reach + 2):
        for x in range(int(cx) - reach, int(cx) + reach + 2):
            d2 = (x - cx) * (x - cx) + (y - cy) * (y - cy)
            light = brightness * fm.exp(-d2 * inv) + halo / (1.0 + d2)
            canvas.add(x, y, tint, light)
    if spikes:
        length = int(10 * brightness) + 3
        for d in range(1, length):
            left = 1.0 - d / length
            fade = 0.6 * brightness * left * left
            for x, y in ((cx + d, cy), (cx - d, cy), (cx, cy + d), (cx, cy - d)):
                canvas.add(int(x + 0.5), int(y + 0.5), tint, fade)


def starfield(canvas, rng, count, keep=lambda x, y: True, bright_share=0.03, spikes=True):
    for _ in range(count):
        x = rng.uniform(0.0, canvas.width)
        y = rng.uniform(0.0, canvas.height)
        roll = rng.unit()
        tint = _TINTS[rng.below(len(_TINTS))]
        if not keep(x, y):
            continue
        if roll < bright_share:
            star(canvas, x, y, rng.uniform(0.7, 1.3), tint, spikes)
        else:
            star(canvas, x, y, 0.05 + 0.5 * rng.unit() * rng.unit(), tint)
