"""Picture 2: a face in profile, lit red, turned toward a full moon in a starry sky."""

import math

import fixed_math as fm
from canvas import Canvas
from noise import Random, fbm
from shapes import coverage, smooth_outline, smooth_path
from stars import starfield
from strokes import polyline

WIDTH, HEIGHT = 373, 251
_SEED = 2002
_MOON_X, _MOON_Y, _MOON_R = 286.0, 92.0, 56.0

# The head, clockwise from the crown: the face looks right, toward the moon.
_HEAD = ((112, 24), (146, 34), (166, 58), (171, 84), (176, 97), (171, 108), (181, 121),
         (192, 131), (180, 137), (182, 144), (176, 148), (180, 154), (172, 163), (177, 177),
         (166, 189), (150, 196), (150, 230), (156, 262), (70, 262), (86, 214), (82, 184),
         (64, 160), (50, 124), (52, 84), (70, 46))
_PROFILE_POINTS = 17
# Where the hair ends toward the face, by row.
_HAIRLINE = ((20, 220.0), (52, 156.0), (74, 138.0), (90, 124.0), (98, 104.0), (130, 100.0),
             (160, 84.0), (200, 80.0), (262, 76.0))
# Dark seas on the moon's face: centre and radius, in moon radii.
_MARIA = ((-0.3, -0.38, 0.27), (0.1, -0.36, 0.17), (0.27, -0.08, 0.2), (0.62, -0.3, 0.12),
          (-0.6, -0.05, 0.26), (-0.5, 0.3, 0.2), (-0.16, 0.36, 0.16), (0.55, 0.12, 0.14),
          (0.02, 0.08, 0.12), (-0.05, -0.12, 0.12))
_TYCHO = (-0.1, 0.72)


def _ground(x, y):
    dx, dy = x - _MOON_X, y - _MOON_Y
    moonlit = 0.18 * fm.exp(-math.sqrt(dx * dx + dy * dy) / 70.0)
    return [0.008 + 0.7 * moonlit, 0.012 + 0.8 * moonlit, 0.05 + moonlit]


def _moon(x, y, pixel):
    dx, dy = (x + 0.5 - _MOON_X) / _MOON_R, (y + 0.5 - _MOON_Y) / _MOON_R
    d = math.sqrt(dx * dx + dy * dy)
    if d >= 1.0:
        glow = 0.5 * fm.exp(-(d - 1.0) * _MOON_R / 6.0)
        for i, c in enumerate((0.85, 0.9, 1.0)):
            pixel[i] += c * glow
    if d >= 1.0 + 0.5 / _MOON_R:
        return
    ragged = 0.55 * fbm(dx * 5.0, dy * 5.0, _SEED + 1, octaves=5)
    sea = 0.0
    for mx, my, mr in _MARIA:
        ex, ey = (dx - mx) / mr, (dy - my) / mr
        sea = max(sea, fm.smoothstep(1.1, 0.78, math.sqrt(ex * ex + ey * ey) + ragged))
    sea *= 0.72 + 0.28 * fbm(dx * 9.0, dy * 9.0, _SEED + 5, octaves=3)
    grit = 0.9 + 0.1 * fbm(dx * 22.0, dy * 22.0, _SEED + 2, octaves=3)
    tx, ty = dx - _TYCHO[0], dy - _TYCHO[1]
    from_tycho = math.sqrt(tx * tx + ty * ty) + 1e-9
    streaks = fbm(6.0 * tx / from_tycho, 6.0 * ty / from_tycho, _SEED + 6, octaves=2)
    rays = 0.12 * fm.exp(-from_tycho * 4.0) * fm.smoothstep(-0.2, 0.5, streaks)
    crater = 0.3 * fm.exp(-(tx * tx + ty * ty) * 1200.0)
    limb = 0.78 + 0.22 * math.sqrt(max(0.0, 1.0 - d * d))
    highland, mare = (0.93, 0.92, 0.86), (0.56, 0.58, 0.62)
    alpha = min(1.0, (1.0 - d) * _MOON_R + 0.5)
    for i in range(3):
        surface = (highland[i] + (mare[i] - highland[i]) * sea) * grit * limb + rays + crater
        pixel[i] += (surface - pixel[i]) * alpha


def _hairline(y):
    for (y0, x0), (y1, x1) in zip(_HAIRLINE, _HAIRLINE[1:]):
        if y0 <= y <= y1:
            return x0 + (x1 - x0) * (y - y0) / (y1 - y0)
    return 0.0


def _paint_head(canvas):
    outline = smooth_outline(_HEAD)
    # The light comes from the side the face looks to: the profile edge catches it.
    profile = outline[:_PROFILE_POINTS * 8]
    for y, row in enumerate(coverage(outline, WIDTH, HEIGHT)):
        hair_x = _hairline(y)
        for x, alpha in enumerate(row):
            if alpha > 0.0:
                depth = _distance(profile, x + 0.5, y + 0.5)
                _shade_head(canvas.pixels[y][x], x, y, depth, hair_x, min(1.0, alpha))


def _distance(points, x, y):
    return math.sqrt(min((px - x) * (px - x) + (py - y) * (py - y) for px, py in points))


def _shade_head(pixel, x, y, depth, hair_x, alpha):
    texture = 0.85 + 0.15 * fbm(x / 6.0, y / 6.0, _SEED + 3, octaves=3)
    from_below = 0.75 + 0.35 * fm.smoothstep(20.0, 230.0, y)
    light = (fm.exp(-depth / 15.0) + 0.12 * fm.exp(-depth / 50.0)) * from_below
    hair = fm.smoothstep(hair_x + 3.0, hair_x - 3.0, x + 0.5)
    if hair > 0.0:
        flow = 5.0 * fbm(x / 25.0, y / 25.0, _SEED + 4, octaves=3)
        strands = 0.5 + 0.5 * fm.sin(1.1 * (0.75 * x + 0.65 * y) + flow)
        sheen = 0.2 + 0.35 * strands * strands * texture
        texture = texture * (1.0 - hair) + sheen * hair
    skin = (1.0 * light * texture + 0.05, 0.13 * light * texture + 0.01, 0.08 * light + 0.02)
    for i in range(3):
        pixel[i] += (skin[i] - pixel[i]) * alpha


def _features(canvas):
    shadow = (0.07, 0.0, 0.01)
    # Eye: lid and lashes, a glint of the light on the eye itself.
    polyline(canvas, [(160.0, 100.0), (165.0, 98.0), (170.0, 101.0)], shadow, 2.2, 1.2)
    polyline(canvas, [(161.0, 104.0), (166.0, 105.0), (169.0, 103.0)], shadow, 1.2, 0.8, 0.8)
    canvas.add(167, 102, (1.0, 0.7, 0.6), 0.6)
    polyline(canvas, [(152.0, 90.0), (162.0, 87.0), (172.0, 89.0)], shadow, 2.6, 1.4, 0.9)
    # Nostril, the parting of the lips, the line below the lower lip.
    polyline(canvas, [(176.0, 131.0), (180.0, 134.0), (184.0, 134.0)], shadow, 2.0, 1.0)
    polyline(canvas, [(168.0, 148.5), (173.0, 148.0), (178.0, 148.0)], shadow, 1.4, 1.8)
    polyline(canvas, [(170.0, 159.0), (174.0, 160.0)], shadow, 1.5, 1.0, 0.7)
    # Ear: an outer rim and a hollow inside it.
    ear = [(121.0, 101.0), (114.0, 96.0), (107.0, 101.0), (106.0, 113.0), (110.0, 124.0),
           (116.0, 130.0)]
    _paint_ear(canvas, ear)
    hollow = [(118.0, 105.0), (113.0, 103.0), (111.0, 111.0), (115.0, 119.0)]
    polyline(canvas, smooth_path(hollow), shadow, 2.0, 1.5, 0.7)


def _paint_ear(canvas, rim):
    # The ear stands out from the head and catches a little of the light.
    shape = smooth_outline(rim + [(118.0, 115.0)], steps=6)
    for y, row in enumerate(coverage(shape, WIDTH, HEIGHT)):
        for x, alpha in enumerate(row):
            if alpha > 0.0:
                canvas.cover(x, y, (0.42, 0.05, 0.04), min(1.0, alpha))
    polyline(canvas, smooth_path(rim), (0.2, 0.02, 0.02), 1.2, 0.8, 0.8)


def render():
    canvas = Canvas(WIDTH, HEIGHT, _ground)
    rng = Random(_SEED)
    starfield(canvas, rng, 520, bright_share=0.012)
    r = int(_MOON_R) + 30
    canvas.paint((int(_MOON_X) - r, int(_MOON_Y) - r, int(_MOON_X) + r, int(_MOON_Y) + r), _moon)
    _paint_head(canvas)
    _features(canvas)
    return canvas.bmp(_SEED)
