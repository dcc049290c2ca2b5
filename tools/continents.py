"""Rough outlines of the land on the Earth's Atlantic side, as (longitude, latitude) in degrees."""

_OUTLINES = (
    # Africa
    ((-17, 21), (-16, 28), (-10, 30), (-6, 36), (10, 37), (11, 33), (20, 31), (32, 31),
     (34, 28), (43, 12), (51, 12), (45, 2), (40, -5), (40, -15), (35, -24), (32, -29),
     (27, -34), (20, -35), (18, -30), (12, -17), (13, -6), (9, -1), (9, 4), (4, 6),
     (-8, 4), (-13, 8), (-17, 14)),
    # Europe and Asia
    ((-9, 37), (-9, 43), (-2, 44), (-5, 48), (2, 51), (8, 54), (8, 57), (10, 59), (5, 62),
     (14, 66), (20, 70), (28, 71), (40, 68), (60, 70), (80, 73), (100, 77), (140, 72),
     (180, 70), (180, 40), (120, 30), (105, 10), (100, 20), (90, 22), (80, 8), (72, 20),
     (60, 25), (57, 25), (48, 30), (36, 36), (28, 37), (26, 40), (22, 37), (20, 40),
     (14, 45), (18, 40), (16, 38), (12, 44), (8, 44), (3, 43), (0, 39), (-6, 36)),
    # Arabia
    ((34, 29), (39, 21), (43, 13), (45, 12.5), (52, 16), (59, 22), (56, 26), (51, 24),
     (48, 30), (36, 34)),
    # South America
    ((-80, 9), (-77, -2), (-81, -5), (-70, -18), (-71, -30), (-73, -40), (-75, -50),
     (-68, -55), (-65, -47), (-58, -38), (-48, -28), (-40, -22), (-35, -8), (-50, 0),
     (-60, 10), (-72, 12)),
    # Madagascar
    ((44, -16), (50, -15), (47, -25), (44, -23)),
    # Greenland
    ((-45, 60), (-20, 70), (-20, 80), (-60, 82), (-55, 70)),
    # Britain
    ((-5, 50), (1, 51), (-2, 56), (-5, 58), (-6, 55)),
)


def _bounds(outline):
    lons = [p[0] for p in outline]
    lats = [p[1] for p in outline]
    return min(lons), max(lons), min(lats), max(lats)


_SHAPES = tuple((_bounds(o), o) for o in _OUTLINES)


def _inside(outline, lon, lat):
    inside = False
    for (x0, y0), (x1, y1) in zip(outline, outline[1:] + outline[:1]):
        if (y0 > lat) != (y1 > lat) and lon < x0 + (lat - y0) * (x1 - x0) / (y1 - y0):
            inside = not inside
    return inside


def is_land(lon, lat):
    if lat < -70.0:
        return True
    for (lon0, lon1, lat0, lat1), outline in _SHAPES:
        if lon0 <= lon <= lon1 and lat0 <= lat <= lat1 and _inside(outline, lon, lat):
            return True
    return False
