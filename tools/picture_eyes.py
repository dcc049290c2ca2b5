"""Picture 1: a pair of eyes looking out of a nebula, over a starfield."""

import math

import fixed_math as fm
from canvas import Canvas
from nebula import nebula_light
from noise import Random, fbm
from stars import starfield
from strokes import polyline

WIDTH, HEIGHT = 373, 251
_SEED = 1001
_EYE_Y = 128.0
_HALF_WIDTH, _UPPER, _LOWER = 52.0, 30.0, 20.0
_EYES = ((112.0, -1.0), (261.0, 1.0))   # centre x, and which way the outer corner lies
_MAGENTA = (0.75, 0.16, 0.6)
_TEAL = (0.1, 0.45, 0.7)
_SKIN = (0.42, 0.26, 0.42)
_LASH = (0.03, 0.015, 0.04)


def _ground(x, y):
    light = nebula_light(x, y, _SEED, 110.0, _MAGENTA, _TEAL, 1.35)
    return [0.01 + light[0], 0.012 + light[1], 0.04 + light[2]]


def _lids(t):
    """Heights of the upper and lower lid above and below the eye's middle line."""
    f = max(0.0, 1.0 - t * t)
    return _UPPER * f * (2.0 - f), _LOWER * f * (1.3 - 0.3 * f)


def _skin(x, y, pixel):
    # The face shows only as a faint glow around the eyes, fading into the gas.
    dx, dy = (x - 186.5) / 175.0, (y - _EYE_Y + 6.0) / 62.0
    amount = 0.62 * fm.exp(-(dx * dx * dx * dx + dy * dy) * 2.2)
    grain = 0.75 + 0.25 * fbm(x / 14.0, y / 14.0, _SEED + 3, octaves=3)
    for i in range(3):
        pixel[i] += (_SKIN[i] * grain - pixel[i]) * amount


def _sclera(t):
    # Whiter in the middle, shading to the corners, a touch pink at the very corners.
    white = 0.9 - 0.38 * t * t
    pink = fm.smoothstep(0.75, 1.0, abs(t)) * 0.12
    return [white + pink, white * 0.95 - pink * 0.5, white * 0.98]


def _iris_colour(r, angle, seed):
    fibres = fbm(4.0 * fm.cos(angle) + 2.0 * r, 4.0 * fm.sin(angle), seed, octaves=4)
    streak = 0.75 + 0.5 * fibres
    outer = (0.12 * streak, 0.5 * streak, 0.52 * streak)
    inner = (0.85 * streak, 0.6 * streak, 0.18)
    ring = fm.smoothstep(0.62, 0.42, r)
    limbus = 1.0 - 0.75 * fm.smoothstep(0.78, 1.0, r)
    return [(o + (n - o) * ring) * limbus for o, n in zip(outer, inner)]


def _iris(dx, dy, r):
    """Iris, pupil and the two reflections of light, at (dx, dy) in iris radii from its centre."""
    colour = _iris_colour(r, fm.atan2(dy, dx), _SEED + 11)
    pupil = fm.smoothstep(0.4, 0.34, r)
    colour = [c + (0.015 - c) * pupil for c in colour]
    hx, hy = dx + 0.27, dy + 0.27
    lx, ly = dx - 0.3, dy - 0.38
    shine = 1.3 * fm.exp(-(hx * hx + hy * hy) * 45.0) + 0.5 * fm.exp(-(lx * lx + ly * ly) * 260.0)
    return [c + shine for c in colour]


def _eye_shader(cx, side):
    iris_x, iris_y, iris_r = cx - 3.0 * side, _EYE_Y + 2.0, 27.0

    def shade(x, y, pixel):
        px, py = x + 0.5, y + 0.5
        t = (px - cx) / _HALF_WIDTH
        if abs(t) >= 1.0:
            return
        up, down = _lids(t)
        inside = min(py - (_EYE_Y - up), (_EYE_Y + down) - py)
        if inside <= -0.5:
            return
        below_lid = py - (_EYE_Y - up)
        shadow = 0.55 + 0.45 * fm.smoothstep(0.0, 9.0, below_lid)
        dx, dy = (px - iris_x) / iris_r, (py - iris_y) / iris_r
        r = math.sqrt(dx * dx + dy * dy)
        colour = _sclera(t)
        if r < 1.0:
            edge = fm.smoothstep(0.955, 1.0, r)
            colour = [c + (w - c) * edge for c, w in zip(_iris(dx, dy, r), colour)]
        alpha = min(1.0, inside + 0.5)
        for i in range(3):
            pixel[i] += (colour[i] * shadow - pixel[i]) * alpha

    return shade


def _lid_curve(cx, upper, steps=24):
    points = []
    for k in range(steps + 1):
        t = -1.0 + 2.0 * k / steps
        up, down = _lids(t)
        points.append((cx + t * _HALF_WIDTH, _EYE_Y - up if upper else _EYE_Y + down))
    return points


def _lashes(canvas, cx, side, rng):
    for k in range(3, 24):
        t = -1.0 + 2.0 * k / 24
        up, _ = _lids(t)
        x, y = cx + t * _HALF_WIDTH, _EYE_Y - up
        lean = t * side
        length = 6.0 + 5.0 * (1.0 - abs(t - 0.35 * side)) + rng.uniform(-1.0, 1.0)
        angle = -fm.HALF_PI + 0.9 * t
        mid = (x + 0.5 * length * fm.cos(angle), y + 0.5 * length * fm.sin(angle))
        tip = (mid[0] + 0.5 * length * fm.cos(angle + 0.5 * lean),
               mid[1] + 0.5 * length * fm.sin(angle + 0.5 * lean))
        polyline(canvas, [(x, y), mid, tip], _LASH, 1.8, 0.4)


def render():
    canvas = Canvas(WIDTH, HEIGHT, _ground)
    rng = Random(_SEED)
    starfield(canvas, rng, 430, bright_share=0.012)
    canvas.paint((0, 0, WIDTH, HEIGHT), _skin)
    for cx, side in _EYES:
        box = (int(cx - _HALF_WIDTH) - 1, int(_EYE_Y - _UPPER) - 2,
               int(cx + _HALF_WIDTH) + 2, int(_EYE_Y + _LOWER) + 3)
        canvas.paint(box, _eye_shader(cx, side))
        polyline(canvas, _lid_curve(cx, upper=False), (0.22, 0.1, 0.2), 1.2, 1.2, 0.8)
        polyline(canvas, _lid_curve(cx, upper=True), _LASH, 2.6, 2.6)
        crease = [(x, y - 9.0 + 4.0 * abs((x - cx) / _HALF_WIDTH))
                  for x, y in _lid_curve(cx, upper=True)]
        polyline(canvas, crease[2:-2], (0.16, 0.08, 0.16), 1.4, 1.4, 0.7)
        _lashes(canvas, cx, side, rng)
    return canvas.bmp(_SEED)
