"""Glowing gas clouds: two colours of warped fractal noise, cut by dark dust."""

import fixed_math as fm
from noise import fbm


def nebula_light(x, y, seed, scale, first, second, strength=1.0):
    """The light (r, g, b) the clouds add at a pixel."""
    sx, sy = x / scale, y / scale
    warp_x = fbm(sx, sy, seed, octaves=3)
    warp_y = fbm(sx + 5.2, sy + 1.3, seed + 10, octaves=3)
    gas = fbm(sx + 1.6 * warp_x, sy + 1.6 * warp_y, seed + 20, octaves=5)
    tint = fm.smoothstep(-0.35, 0.35, fbm(sx * 0.6 + 3.0, sy * 0.6, seed + 30, octaves=2))
    dust = fm.smoothstep(0.05, 0.4, fbm(sx * 2.0 + warp_y, sy * 2.0, seed + 40, octaves=4))
    glow = fm.smoothstep(-0.15, 0.6, gas) * (1.0 - 0.8 * dust) * strength
    glow *= glow
    return [(first[i] * (1.0 - tint) + second[i] * tint) * glow for i in range(3)]
