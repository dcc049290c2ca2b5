"""Seeded randomness for the pictures: an integer generator and gradient noise.

Everything here is integer hashing plus basic float arithmetic, so a seed
gives the same numbers on every machine and every Python version.
"""

import math

_MASK = 0xFFFFFFFF


def hash32(*values):
    h = 0x9E3779B9
    for v in values:
        h = (h ^ (v & _MASK)) * 0x85EBCA6B & _MASK
        h ^= h >> 13
        h = h * 0xC2B2AE35 & _MASK
        h ^= h >> 16
    return h


class Random:
    """A small counter-based generator: the n-th draw of a seed is hash32(seed, n)."""

    def __init__(self, seed):
        self._seed = seed
        self._count = 0

    def unit(self):
        self._count += 1
        return hash32(self._seed, self._count) / 4294967296.0

    def uniform(self, low, high):
        return low + (high - low) * self.unit()

    def below(self, n):
        return int(self.unit() * n)


_D = 0.7071067811865476
_GRADIENTS = ((1.0, 0.0), (-1.0, 0.0), (0.0, 1.0), (0.0, -1.0),
              (_D, _D), (-_D, _D), (_D, -_D), (-_D, -_D))


def _fade(t):
    return t * t * t * (t * (t * 6.0 - 15.0) + 10.0)


def gradient_noise(x, y, seed):
    """Perlin-style noise, roughly in -1..1, smooth at the scale of one unit."""
    ix, iy = math.floor(x), math.floor(y)
    fx, fy = x - ix, y - iy

    def corner(cx, cy):
        gx, gy = _GRADIENTS[hash32(seed, ix + cx, iy + cy) & 7]
        return gx * (fx - cx) + gy * (fy - cy)

    u, v = _fade(fx), _fade(fy)
    top = corner(0, 0) + u * (corner(1, 0) - corner(0, 0))
    bottom = corner(0, 1) + u * (corner(1, 1) - corner(0, 1))
    return 1.4 * (top + v * (bottom - top))


def fbm(x, y, seed, octaves=5, gain=0.5):
    """Fractal sum of noise octaves; the first octave has unit scale."""
    total, amplitude, norm = 0.0, 1.0, 0.0
    for octave in range(octaves):
        total += amplitude * gradient_noise(x, y, seed + octave)
        norm += amplitude
        x, y = x * 2.03 + 17.1, y * 2.03 - 9.7
        amplitude *= gain
    return total / norm
