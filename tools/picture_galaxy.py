"""Picture 4: a blue two-armed spiral galaxy, seen at a slant, among stars."""

import math

import fixed_math as fm
from canvas import Canvas
from noise import Random, fbm
from stars import starfield, star

WIDTH, HEIGHT = 384, 256
_SEED = 4004
_CX, _CY = 192.0, 130.0
_TILT = -0.45          # the galaxy's long axis, radians from horizontal
_FLATTEN = 0.52        # seen at a slant: the disc's short axis over its long one
_PITCH = 0.42          # how tightly the arms wind (tan of the pitch angle)
_ARM_BLUE = (0.35, 0.55, 1.0)
_CORE = (1.0, 0.88, 0.68)


def _ground(x, y):
    haze = 0.5 + 0.5 * fbm(x / 90.0, y / 90.0, _SEED + 50, octaves=3)
    return [0.008 + 0.01 * haze, 0.012 + 0.012 * haze, 0.04 + 0.035 * haze]


def _plane(x, y):
    """Pixel to the galaxy's own plane: (radius, angle) in pixels and radians."""
    dx, dy = x - _CX, y - _CY
    c, s = fm.cos(_TILT), fm.sin(_TILT)
    u = dx * c + dy * s
    v = (-dx * s + dy * c) / _FLATTEN
    return math.sqrt(u * u + v * v), fm.atan2(v, u)


def _arm_strength(r, angle):
    """How bright the arms are here (1 on a crest, 0 between arms), and how dusty."""
    wound = angle - fm.log(r / 10.0) / _PITCH
    crest = 0.5 + 0.5 * fm.cos(2.0 * wound)
    return crest * crest * crest, 0.5 + 0.5 * fm.cos(2.0 * wound - 0.9)


def _shade(x, y, pixel):
    r, angle = _plane(x + 0.5, y + 0.5)
    r = max(r, 0.5)
    disc = fm.exp(-r / 70.0)
    arm, lane = _arm_strength(r, angle)
    clumps = 0.6 + 0.8 * fbm(x / 9.0, y / 9.0, _SEED + 7, octaves=4)
    outer_fade = fm.smoothstep(185.0, 70.0, r)
    arms = 3.2 * arm * clumps * outer_fade * fm.smoothstep(4.0, 22.0, r)
    dust = 1.0 - 0.55 * lane * lane * lane * fm.smoothstep(14.0, 30.0, r) * outer_fade
    glow = disc * (0.4 + arms) + 0.08 * fm.exp(-r / 90.0)
    bulge = 1.3 * fm.exp(-r * r / 300.0) + 0.4 * fm.exp(-r / 18.0)
    core_mix = min(1.0, bulge)
    for i in range(3):
        colour = _ARM_BLUE[i] * (1.0 - core_mix) + _CORE[i] * core_mix
        pixel[i] = pixel[i] * dust + (glow + bulge) * colour * dust


def _star_forming_knots(canvas, rng):
    placed = 0
    while placed < 110:
        x = rng.uniform(40.0, WIDTH - 40.0)
        y = rng.uniform(20.0, HEIGHT - 20.0)
        r, angle = _plane(x, y)
        if r < 28.0 or r > 175.0:
            continue
        arm, _ = _arm_strength(r, angle)
        if arm < 0.55:
            continue
        placed += 1
        tint = (1.0, 0.55, 0.8) if rng.unit() < 0.35 else (0.7, 0.85, 1.0)
        star(canvas, x, y, rng.uniform(0.15, 0.45) * fm.exp(-r / 120.0) * 2.0, tint)


def render():
    canvas = Canvas(WIDTH, HEIGHT, _ground)
    rng = Random(_SEED)
    starfield(canvas, rng, 420, bright_share=0.01)
    canvas.paint((0, 0, WIDTH, HEIGHT), _shade)
    _star_forming_knots(canvas, rng)
    starfield(canvas, rng, 40, keep=lambda x, y: _plane(x, y)[0] > 120.0, bright_share=0.1)
    return canvas.bmp(_SEED)
