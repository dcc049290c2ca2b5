"""Picture 3: the Earth in a blue halo of air, struck by a bolt of lightning."""

import math

import fixed_math as fm
from canvas import Canvas
from continents import is_land
from lightning import bolt
from noise import Random, fbm
from stars import starfield

WIDTH, HEIGHT = 384, 256
_SEED = 3003
_CX, _CY, _RADIUS = 226.0, 150.0, 88.0
_VIEW_LON, _VIEW_LAT = 12.0, 20.0
_SUN = (-0.55, 0.5, 0.67)     # toward the light: left, up, toward the viewer
_HALO = (0.25, 0.55, 1.0)
_DEGREES = 180.0 / fm.PI


def _ground(x, y):
    dx, dy = (x - _CX) / WIDTH, (y - _CY) / HEIGHT
    depth = 1.0 / (1.0 + 6.0 * (dx * dx + dy * dy))
    return [0.01 * depth, 0.02 * depth, 0.04 + 0.07 * depth]


def _view_frame():
    lon, lat = _VIEW_LON / _DEGREES, _VIEW_LAT / _DEGREES
    centre = (fm.cos(lat) * fm.cos(lon), fm.cos(lat) * fm.sin(lon), fm.sin(lat))
    east = (-fm.sin(lon), fm.cos(lon), 0.0)
    north = (-fm.sin(lat) * fm.cos(lon), -fm.sin(lat) * fm.sin(lon), fm.cos(lat))
    return centre, east, north


_FRAME = _view_frame()


def _geography(nx, ny, nz):
    """Screen normal (x right, y up, z toward us) to (longitude, latitude) in degrees."""
    centre, east, north = _FRAME
    p = [nz * c + nx * e + ny * n for c, e, n in zip(centre, east, north)]
    lat = fm.atan2(p[2], math.sqrt(max(0.0, 1.0 - p[2] * p[2])))
    return fm.atan2(p[1], p[0]) * _DEGREES, lat * _DEGREES


def _surface(lon, lat):
    wobble_lon = 2.5 * fbm(lon / 6.0, lat / 6.0, _SEED + 1, octaves=3)
    wobble_lat = 2.5 * fbm(lon / 6.0 + 40.0, lat / 6.0, _SEED + 2, octaves=3)
    if not is_land(lon + wobble_lon, lat + wobble_lat):
        deep = 0.5 + 0.5 * fbm(lon / 20.0, lat / 20.0, _SEED + 3, octaves=2)
        return (0.02, 0.12 + 0.05 * deep, 0.38 + 0.1 * deep), True
    if abs(lat) > 66.0:
        return (0.92, 0.95, 1.0), False
    texture = 0.5 + 0.5 * fbm(lon / 4.0, lat / 4.0, _SEED + 4, octaves=4)
    dry = fm.smoothstep(13.0, 4.0, abs(lat - 22.0)) + 0.5 * fm.smoothstep(8.0, 2.0, abs(lat + 24.0))
    patchy = 0.5 + 0.5 * fbm(lon / 9.0, lat / 9.0, _SEED + 7, octaves=3)
    desert = min(1.0, dry * (0.4 + patchy))
    green = (0.12 + 0.1 * texture, 0.32 + 0.12 * texture, 0.1)
    sand = (0.62 + 0.15 * texture, 0.5 + 0.1 * texture, 0.3)
    return tuple(g + (s - g) * desert for g, s in zip(green, sand)), False


def _clouds(lon, lat):
    swirl = fbm(lon / 25.0, lat / 18.0, _SEED + 5, octaves=3)
    c = fbm(lon / 16.0 + 2.5 * swirl, lat / 11.0 + 2.0 * swirl, _SEED + 6, octaves=5)
    return 0.9 * fm.smoothstep(0.08, 0.5, c)


def _shade(x, y, pixel):
    dx, dy = (x + 0.5 - _CX) / _RADIUS, (_CY - y - 0.5) / _RADIUS
    d2 = dx * dx + dy * dy
    d = math.sqrt(d2)
    if d > 1.0:
        outside = (d - 1.0) * _RADIUS
        glow = 0.75 * fm.exp(-outside / 5.0) + 0.3 * fm.exp(-outside / 16.0)
        for i in range(3):
            pixel[i] += _HALO[i] * glow
        return
    nz = math.sqrt(1.0 - d2)
    lon, lat = _geography(dx, dy, nz)
    colour, water = _surface(lon, lat)
    cloud = _clouds(lon, lat)
    light = dx * _SUN[0] + dy * _SUN[1] + nz * _SUN[2]
    day = fm.smoothstep(-0.15, 0.35, light) * (0.35 + 0.65 * max(0.0, light))
    glint = 0.0
    if water:
        glint = 0.35 * fm.power(max(0.0, light), 40.0)
    rim = fm.power(1.0 - nz, 3.0)
    edge = min(1.0, (1.0 - d) * _RADIUS)
    for i in range(3):
        surface = colour[i] + (1.0 - colour[i]) * 0.95 * cloud
        lit = surface * day + glint + _HALO[i] * (0.9 * rim + 0.04)
        pixel[i] += (lit - pixel[i]) * edge
        pixel[i] += _HALO[i] * 0.75 * (1.0 - edge)


def render():
    canvas = Canvas(WIDTH, HEIGHT, _ground)
    rng = Random(_SEED)
    starfield(canvas, rng, 450, bright_share=0.01)
    r = _RADIUS + 80.0
    canvas.paint((int(_CX - r), int(_CY - r), int(_CX + r) + 1, int(_CY + r) + 1), _shade)
    strike = (_CX - 0.62 * _RADIUS, _CY - 0.62 * _RADIUS)
    bolt(canvas, rng, (68.0, -4.0), strike, strength=1.0, branches=5)
    flash_rng = Random(_SEED + 9)
    for _ in range(3):
        bolt(canvas, flash_rng, strike, (strike[0] + flash_rng.uniform(-14.0, 14.0),
                                         strike[1] + flash_rng.uniform(4.0, 22.0)), 0.4, 1)
    _flash(canvas, strike)
    return canvas.bmp(_SEED)


def _flash(canvas, at):
    def shade(x, y, pixel):
        ddx, ddy = x - at[0], y - at[1]
        glow = 0.9 * fm.exp(-(ddx * ddx + ddy * ddy) / 50.0)
        for i, c in enumerate((0.85, 0.85, 1.0)):
            pixel[i] += c * glow
    canvas.paint((int(at[0]) - 25, int(at[1]) - 25, int(at[0]) + 26, int(at[1]) + 26), shade)
