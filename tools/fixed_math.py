"""Transcendental functions built only from +, -, *, / and sqrt.

Those operations are exactly rounded on every IEEE-754 machine, whereas the C
library's exp, sin and friends may differ in the last bit from one platform to
the next. The generated pictures must come out byte for byte the same
everywhere, so the drawing code uses these instead of the math module's.
"""

import math

PI = 3.141592653589793
TAU = 2.0 * PI
HALF_PI = 0.5 * PI

_LN2_HI = 0.6931471803691238
_LN2_LO = 1.9082149292705877e-10
_INV_LN2 = 1.4426950408889634
_TAU_HI = 6.283185307179586
_TAU_LO = 2.4492935982947064e-16


def exp(x):
    if x < -700.0:
        return 0.0
    k = math.floor(x * _INV_LN2 + 0.5)
    r = (x - k * _LN2_HI) - k * _LN2_LO
    term, total = 1.0, 1.0
    for n in range(1, 14):
        term = term * r / n
        total += term
    return math.ldexp(total, int(k))


def log(x):
    m, e = math.frexp(x)
    if m < 0.7071067811865476:
        m *= 2.0
        e -= 1
    s = (m - 1.0) / (m + 1.0)
    s2 = s * s
    term, total = s, s
    for n in range(3, 40, 2):
        term *= s2
        total += term / n
    return 2.0 * total + e * _LN2_HI + e * _LN2_LO


def power(base, exponent):
    return exp(exponent * log(base))


def _sin_series(r):
    r2 = r * r
    term, total = r, r
    for n in range(2, 22, 2):
        term = -term * r2 / (n * (n + 1))
        total += term
    return total


def _cos_series(r):
    r2 = r * r
    term, total = 1.0, 1.0
    for n in range(1, 21, 2):
        term = -term * r2 / (n * (n + 1))
        total += term
    return total


def _quadrant(x):
    k = math.floor(x / _TAU_HI + 0.5)
    x = (x - k * _TAU_HI) - k * _TAU_LO
    q = math.floor(x / HALF_PI + 0.5)
    return int(q) % 4, x - q * HALF_PI


def sin(x):
    q, r = _quadrant(x)
    value = _sin_series(r) if q % 2 == 0 else _cos_series(r)
    return value if q < 2 else -value


def cos(x):
    return sin(x + HALF_PI)


def _atan_unit(x):
    # Two halvings of the angle bring |x| below 0.2, where the series is short.
    for _ in range(2):
        x = x / (1.0 + math.sqrt(1.0 + x * x))
    x2 = x * x
    term, total = x, x
    for n in range(3, 30, 2):
        term = -term * x2
        total += term / n
    return 4.0 * total


def atan2(y, x):
    if x == 0.0 and y == 0.0:
        return 0.0
    if abs(y) <= abs(x):
        a = _atan_unit(y / x)
        if x < 0.0:
            a += PI if y >= 0.0 else -PI
        return a
    a = _atan_unit(x / y)
    return (HALF_PI if y > 0.0 else -HALF_PI) - a


def smoothstep(edge0, edge1, x):
    t = (x - edge0) / (edge1 - edge0)
    t = 0.0 if t < 0.0 else 1.0 if t > 1.0 else t
    return t * t * (3.0 - 2.0 * t)
