#!/usr/bin/env python3
"""Builds the profile table (src/catalogue/data/profiles.txt) and the T, L and
plate menus.

Hot-rolled rows carry the values of the published section tables
(published_profiles.py), rounded to the table precision of this program:
below 10 two decimals, below 100 one decimal, else whole numbers, halves
rounded up (33.45 gives 33.5, 449.5 gives 450).

Rows that no accessible table lists, and the cold-formed sections and plates,
are computed from the section's outline, integrated exactly over a polygon
whose rounded corners are traced with short chords:
- hot-rolled I, IPE, HE-B and HE-A: parallel flanges (IPE, HE) or 14 % tapered
  flanges (narrow I) with the root radius r1 and the toe radius r2 of their
  standard series;
- hot-rolled U: 8 % tapered flanges, r1 = tf, r2 = tf / 2 (within 0.7 % of
  the published channels);
- tees: 2 % tapers, r1 = t, r2 = t / 2, r3 = t / 4 (no published tee
  besides the 20 x 20 x 3 was at hand to check it against; it gives that
  tee's Iy 3 % low); the 100 x 55 x 10 tee (flange 100, height 55) is a
  fixed row: only its Ix = 28 and Iy = 92.5 cm4 are known, its weight, area
  and seventh value come from the outline, and its moduli are those two
  second moments over the outline's extreme-fibre distances;
- hot-rolled angles: root radius r1 of the series, toe radius r2 = r1 / 2;
  checked against the 57 published angles: every value within 1 % (the
  largest gaps are small values the tables round to two decimals, and one
  catalogue edition's 75 series), 45 rows equal at table precision;
- cold-formed channels: constant wall t, inner bend radius 2 t;
- cold-formed angles: constant wall t, inner bend radius 1.5 t;
- plates: weight per m2 = thickness (mm) x density (t/m3): steel, rib steel
  (base thickness) and zinc-coated steel 7.85, aluminium 2.70.
Weights are A x 0.785 (steel, kg/m per cm2). The seventh value of the U/I/T
layout (read by no computation) is 10 x the length of the enveloping outline
in mm: 2 h + 4 b for I and U, 4 a for tees.
Rows quoted in the program's own worked examples stand as given (FIXED).
The run prints the names of the hot-rolled rows it computed.

Run: python3 tools/profile_table.py   (rewrites the data files in place)
     python3 tools/profile_table.py --check   (fails when a data file differs)
"""
import math
import os
from decimal import Decimal, ROUND_HALF_UP

import published_profiles as published

HERE = os.path.dirname(os.path.abspath(__file__))
DATA = os.path.join(HERE, "..", "src", "catalogue", "data")

# ---------------------------------------------------------------- geometry

# Arcs the overlap rule of fillet() shrank, for the run's report: filled by
# fillet(), collected per row by build().
SHRUNK_ARCS = []


def fitted_radii(points, radii):
    """The radii the outline is drawn with: an arc may use each neighbouring
    edge up to where the next arc begins (the whole edge when the far corner
    is sharp); only two arcs that would overlap on an edge shrink, in
    proportion, until they meet. The program's outline follows the same rule."""
    n = len(points)
    tangent = [0.0] * n
    for i in range(n):
        if radii[i] <= 0:
            continue
        p, a, b = points[i], points[i - 1], points[(i + 1) % n]
        u = (a[0] - p[0], a[1] - p[1])
        v = (b[0] - p[0], b[1] - p[1])
        cos_t = (u[0] * v[0] + u[1] * v[1]) / (math.hypot(*u) * math.hypot(*v))
        tangent[i] = radii[i] / math.tan(math.acos(max(-1.0, min(1.0, cos_t))) / 2)
    fit = [1.0] * n
    for i in range(n):
        j = (i + 1) % n
        both = tangent[i] + tangent[j]
        edge = math.dist(points[i], points[j])
        if both > edge:
            fit[i] = min(fit[i], edge / both)
            fit[j] = min(fit[j], edge / both)
    fitted = [r * f for r, f in zip(radii, fit)]
    SHRUNK_ARCS.extend((r, f) for r, f in zip(radii, fitted) if f < r)
    return fitted


def fillet(points, radii, chords=24):
    """Replaces each corner i of a closed polygon by an arc of radius radii[i]."""
    radii = fitted_radii(points, radii)
    out = []
    n = len(points)
    for i in range(n):
        r = radii[i]
        p = points[i]
        if r <= 0:
            out.append(p)
            continue
        a, b = points[i - 1], points[(i + 1) % n]
        u = (a[0] - p[0], a[1] - p[1])
        v = (b[0] - p[0], b[1] - p[1])
        lu, lv = math.hypot(*u), math.hypot(*v)
        u = (u[0] / lu, u[1] / lu)
        v = (v[0] / lv, v[1] / lv)
        cos_t = max(-1.0, min(1.0, u[0] * v[0] + u[1] * v[1]))
        theta = math.acos(cos_t)
        d = r / math.tan(theta / 2)
        t1 = (p[0] + u[0] * d, p[1] + u[1] * d)
        t2 = (p[0] + v[0] * d, p[1] + v[1] * d)
        bis = (u[0] + v[0], u[1] + v[1])
        lb = math.hypot(*bis)
        bis = (bis[0] / lb, bis[1] / lb)
        c = (p[0] + bis[0] * r / math.sin(theta / 2), p[1] + bis[1] * r / math.sin(theta / 2))
        a1 = math.atan2(t1[1] - c[1], t1[0] - c[0])
        a2 = math.atan2(t2[1] - c[1], t2[0] - c[0])
        da = a2 - a1
        while da > math.pi:
            da -= 2 * math.pi
        while da < -math.pi:
            da += 2 * math.pi
        for k in range(chords + 1):
            ang = a1 + da * k / chords
            out.append((c[0] + r * math.cos(ang), c[1] + r * math.sin(ang)))
    return out


def properties(poly):
    """Area, centroid, second moments about the centroidal axes, extreme
    distances and outline length of a closed polygon (mm)."""
    A = Sx = Sy = Ixx = Iyy = 0.0
    n = len(poly)
    for i in range(n):
        x0, y0 = poly[i]
        x1, y1 = poly[(i + 1) % n]
        cr = x0 * y1 - x1 * y0
        A += cr / 2
        Sx += (x0 + x1) * cr / 6
        Sy += (y0 + y1) * cr / 6
        Ixx += (y0 * y0 + y0 * y1 + y1 * y1) * cr / 12
        Iyy += (x0 * x0 + x0 * x1 + x1 * x1) * cr / 12
    if A < 0:
        A, Sx, Sy, Ixx, Iyy = -A, -Sx, -Sy, -Ixx, -Iyy
    xc, yc = Sx / A, Sy / A
    Ix = Ixx - A * yc * yc
    Iy = Iyy - A * xc * xc
    xs = [p[0] - xc for p in poly]
    ys = [p[1] - yc for p in poly]
    perimeter = sum(math.dist(poly[i], poly[(i + 1) % n]) for i in range(n))
    return dict(A=A, xc=xc, yc=yc, Ix=Ix, Iy=Iy, ytop=max(ys), ybot=-min(ys), xright=max(xs), xleft=-min(xs),
                perimeter=perimeter)


def round_table(v):
    """Rounding of the hot-rolled tables: 3 significant digits, tens from 10000 on."""
    if v == 0:
        return "0"
    if v >= 10000:
        return str(int(round(v / 10.0)) * 10)
    if v >= 1000:
        return str(int(round(v)))
    digits = 2 - int(math.floor(math.log10(abs(v))))
    s = "%.*f" % (max(digits, 0), v)
    if "." in s:
        s = s.rstrip("0").rstrip(".")
    return s


def table_value(v):
    """Published value at table precision: two decimals below 10, one below
    100, whole numbers above; halves up; trailing zeros dropped."""
    d = Decimal(repr(float(v)))
    step = Decimal("0.01") if d < 10 else Decimal("0.1") if d < 100 else Decimal("1")
    text = str(d.quantize(step, rounding=ROUND_HALF_UP))
    if "." in text:
        text = text.rstrip("0").rstrip(".")
    return text


def published_uit(entry, computed):
    """U/I layout from a published entry; a None, and the seventh value, take
    the computed row's."""
    vals = [table_value(v) if v is not None else computed[i] for i, v in enumerate(entry[:6])]
    return vals + [computed[6], num(entry[6]), num(entry[7])]


def two_decimals(v):
    return "%.2f" % v


def num(v):
    s = ("%.2f" % v).rstrip("0").rstrip(".")
    return s

# ---------------------------------------------------------------- outlines

def i_outline(h, b, tw, tf, r1, r2=0.0, slope=0.0):
    """I section centred on the web; slope is the flange taper (0.14 narrow I);
    tf is measured at b/4 from the toe for tapered flanges."""
    half = tw / 2
    if slope:
        # The tapered flange is tf thick at b/4 from its toe.
        t_toe = tf - slope * b / 4
        t_root = tf + slope * (b / 4 - tw / 2)
    else:
        t_toe = t_root = tf
    top = h / 2
    pts = [(-b / 2, top), (b / 2, top), (b / 2, top - t_toe), (half, top - t_root),
           (half, -top + t_root), (b / 2, -top + t_toe), (b / 2, -top), (-b / 2, -top),
           (-b / 2, -top + t_toe), (-half, -top + t_root), (-half, top - t_root), (-b / 2, top - t_toe)]
    radii = [0, 0, r2, r1, r1, r2, 0, 0, r2, r1, r1, r2]
    return fillet(pts, radii)


def u_outline(h, b, tw, tf, r1, r2, slope=0.08):
    """Channel, web on the left at x = 0..tw, flanges to the right; the
    tapered flange is tf thick at b/2 from the web's back."""
    t_toe = tf - slope * b / 2
    t_root = tf + slope * (b / 2 - tw)
    top = h / 2
    pts = [(0, top), (b, top), (b, top - t_toe), (tw, top - t_root), (tw, -top + t_root), (b, -top + t_toe),
           (b, -top), (0, -top)]
    radii = [0, 0, r2, r1, r1, r2, 0, 0]
    return fillet(pts, radii)


def t_outline(b, h, t):
    """Equal-legged tee, flange at the top (y = 0..-t), stem downwards. The
    flange's inner face tapers 2 % (t at b/4 from the toe), both stem faces
    2 % (t at half the height); r1 = t, r2 = t/2, stem tip r3 = t/4."""
    f_toe = t - 0.02 * (b / 4)
    f_root = t + 0.02 * (b / 4 - t / 2)
    s_tip = t - 0.04 * (h / 2)
    s_root = t + 0.04 * (h / 2 - f_root)
    pts = [(-b / 2, 0), (b / 2, 0), (b / 2, -f_toe), (s_root / 2, -f_root), (s_tip / 2, -h), (-s_tip / 2, -h),
           (-s_root / 2, -f_root), (-b / 2, -f_toe)]
    return fillet(pts, [0, 0, t / 2, t, t / 4, t / 4, t, t / 2])


def l_outline(p_leg, q_leg, t, r1, r2):
    """Angle: leg P upright along x = 0..t, leg Q along y = 0..t."""
    pts = [(0, 0), (q_leg, 0), (q_leg, t), (t, t), (t, p_leg), (0, p_leg)]
    radii = [0, 0, r2, r1, r2, 0]
    return fillet(pts, radii)


def bent_outline(path, t, inner):
    """Cold-formed section: a centre line of straight legs (list of points)
    bent with the inner radius, offset to both faces."""
    mid = inner + t / 2
    centre = fillet_open(path, mid)
    left, right = offset(centre, t / 2), offset(centre, -t / 2)
    return left + right[::-1]


def fillet_open(path, r, chords=24):
    pts = [path[0]]
    for i in range(1, len(path) - 1):
        pts.extend(fillet([path[i - 1], path[i], path[i + 1]], [0, r, 0], chords)[1:-1])
    pts.append(path[-1])
    return pts


def offset(line, d):
    out = []
    for i, p in enumerate(line):
        a = line[max(i - 1, 0)]
        b = line[min(i + 1, len(line) - 1)]
        dx, dy = b[0] - a[0], b[1] - a[1]
        l = math.hypot(dx, dy)
        out.append((p[0] - dy / l * d, p[1] + dx / l * d))
    return out

# ---------------------------------------------------------------- families

# The outline of every rolled and cold-formed record, for the program's exact
# properties (src/catalogue/data/outlines.txt): name, shape, then the numbers
# in mm that build_outline() in the program turns into the same polygons:
#   i h b tw tf r1 r2 slope        (flange thickness at b/4 from the toe when tapered)
#   channel h b tw tf r1 r2 slope  (web on the left; tf at b/2 from the web's back)
#   tee b h t                      (2 % tapers, r1 = t, r2 = t/2, stem tip t/4)
#   angle p q t r1 r2              (leg P upright, leg Q level)
#   bentangle p q t inner          (cold-formed, constant wall, inner bend radius)
#   bentchannel h b t inner
OUTLINES = []


# Rows whose arcs would overlap and were shrunk (none in this table); the run
# names them.
SHRUNK_ROWS = []
OUTLINE_SHAPES = {
    "i": i_outline,
    "channel": u_outline,
    "tee": t_outline,
    "angle": l_outline,
    "bentangle": lambda p, q, t, inner: bent_outline([(q, t / 2), (t / 2, t / 2), (t / 2, p)], t, inner),
    "bentchannel": lambda h, b, t, inner: bent_outline(
        [(b, h / 2 - t / 2), (t / 2, h / 2 - t / 2), (t / 2, -h / 2 + t / 2), (b, -h / 2 + t / 2)], t, inner),
}


def outline(name, shape, *numbers):
    OUTLINES.append("%s\t%s\t%s" % (name, shape, " ".join(num(n) for n in numbers)))
    SHRUNK_ARCS.clear()
    OUTLINE_SHAPES[shape](*numbers)
    if SHRUNK_ARCS:
        SHRUNK_ROWS.append("%s (%s)" % (name, ", ".join("r %s to %.2f" % (num(r), f) for r, f in SHRUNK_ARCS)))


FIXED = {
    "HR U50x38": "5.59 7.12 26.4 10.6 9.12 3.75 2380 5 7",
    "HR I80x42": "5.95 7.58 77.8 19.3 6.29 3 3180 3.9 5.9",
    "IPB;HE-B 100x100": "20.4 26 450 89.9 167 33.5 6000 6 10",
    "I PBI;(HE-A) 1000 990x300": "272 347 553800 11190 14000 934 31800 16.5 31",
    "T20x20x3": "0.88 1.12 0.38 0.27 0.2 0.2 800",
    "L section 30x45x5": "2.77 3.53 6.99 2.47 2.35 1.11",
    "CR L section 40x20x2": "0.89 1.13 1.87 0.34 0.73 0.22",
    "CR U200x100x5": "14.88 18.96 1184.55 118.45 190.87 26.36 7900",
    "0.5 mm steel plate": "3.925",
}


def uit_values(pr, surface, tw=None, tf=None, ky_distance=None, kx_distance=None, fmt=round_table):
    A = pr["A"] / 100
    Ix = pr["Ix"] / 1e4
    Iy = pr["Iy"] / 1e4
    kx = Ix / ((kx_distance if kx_distance else max(pr["ytop"], pr["ybot"])) / 10)
    ky = Iy / ((ky_distance if ky_distance else max(pr["xleft"], pr["xright"])) / 10)
    vals = [fmt(A * 0.785), fmt(A), fmt(Ix), fmt(kx), fmt(Iy), fmt(ky), str(int(round(surface)))]
    if tw is not None:
        vals += [num(tw), num(tf)]
    return vals


NARROW_I = [(80, 42, 3.9, 5.9), (100, 50, 4.5, 6.8), (120, 58, 5.1, 7.7), (140, 66, 5.7, 8.6), (160, 74, 6.3, 9.5),
            (180, 82, 6.9, 10.4), (200, 90, 7.5, 11.3), (220, 98, 8.1, 12.2), (240, 106, 8.7, 13.1),
            (260, 113, 9.4, 14.1), (280, 119, 10.1, 15.2), (300, 125, 10.8, 16.2), (320, 131, 11.5, 17.3),
            (340, 137, 12.2, 18.3), (360, 143, 13.0, 19.5), (380, 149, 13.7, 20.5), (400, 155, 14.4, 21.6)]
IPE = [(80, 46, 3.8, 5.2, 5), (100, 55, 4.1, 5.7, 7), (120, 64, 4.4, 6.3, 7), (140, 73, 4.7, 6.9, 7),
       (160, 82, 5.0, 7.4, 9), (180, 91, 5.3, 8.0, 9), (200, 100, 5.6, 8.5, 12), (220, 110, 5.9, 9.2, 12),
       (240, 120, 6.2, 9.8, 15), (270, 135, 6.6, 10.2, 15), (300, 150, 7.1, 10.7, 15), (330, 160, 7.5, 11.5, 18),
       (360, 170, 8.0, 12.7, 18), (400, 180, 8.6, 13.5, 21), (450, 190, 9.4, 14.6, 21), (500, 200, 10.2, 16.0, 21),
       (550, 210, 11.1, 17.2, 24), (600, 220, 12.0, 19.0, 24)]
HEB = [(100, 100, 6, 10, 12), (120, 120, 6.5, 11, 12), (140, 140, 7, 12, 12), (160, 160, 8, 13, 15),
       (180, 180, 8.5, 14, 15), (200, 200, 9, 15, 18), (220, 220, 9.5, 16, 18), (240, 240, 10, 17, 21),
       (260, 260, 10, 17.5, 24), (280, 280, 10.5, 18, 24), (300, 300, 11, 19, 27), (320, 300, 11.5, 20.5, 27),
       (340, 300, 12, 21.5, 27), (360, 300, 12.5, 22.5, 27), (400, 300, 13.5, 24, 27), (450, 300, 14, 26, 27),
       (500, 300, 14.5, 28, 27), (550, 300, 15, 29, 27), (600, 300, 15.5, 30, 27), (650, 300, 16, 31, 27),
       (700, 300, 17, 32, 27), (800, 300, 17.5, 33, 30), (900, 300, 18.5, 35, 30), (1000, 300, 19, 36, 30)]
HEA = [(100, 96, 100, 5, 8, 12), (120, 114, 120, 5, 8, 12), (140, 133, 140, 5.5, 8.5, 12), (160, 152, 160, 6, 9, 15),
       (180, 171, 180, 6, 9.5, 15), (200, 190, 200, 6.5, 10, 18), (220, 210, 220, 7, 11, 18),
       (240, 230, 240, 7.5, 12, 21), (260, 250, 260, 7.5, 12.5, 24), (280, 270, 280, 8, 13, 24),
       (300, 290, 300, 8.5, 14, 27), (320, 310, 300, 9, 15.5, 27), (340, 330, 300, 9.5, 16.5, 27),
       (360, 350, 300, 10, 17.5, 27), (400, 390, 300, 11, 19, 27), (450, 440, 300, 11.5, 21, 27),
       (500, 490, 300, 12, 23, 27), (550, 540, 300, 12.5, 24, 27), (600, 590, 300, 13, 25, 27),
       (650, 640, 300, 13.5, 26, 27), (700, 690, 300, 14.5, 27, 27), (800, 790, 300, 15, 28, 30),
       (900, 890, 300, 16, 30, 30), (1000, 990, 300, 16.5, 31, 30)]
UPN = [(50, 38, 5, 7), (65, 42, 5.5, 7.5), (80, 45, 6, 8), (100, 50, 6, 8.5), (120, 55, 7, 9), (140, 60, 7, 10),
       (160, 65, 7.5, 10.5), (180, 70, 8, 11), (200, 75, 8.5, 11.5), (220, 80, 9, 12.5), (240, 85, 9.5, 13),
       (260, 90, 10, 14), (280, 95, 10, 15), (300, 100, 10, 16)]
TEES = [(20, 3), (25, 3.5), (30, 4), (35, 4.5), (40, 5), (45, 5.5), (50, 6), (60, 7), (70, 8), (80, 9), (100, 11)]
EQUAL_L = [(20, [3, 4], 3.5), (25, [3, 4, 5], 3.5), (30, [3, 4, 5], 5), (35, [4, 5], 5), (40, [4, 5, 6], 6),
           (45, [4, 5, 6, 7], 7), (50, [4, 5, 6, 7, 8, 9], 7), (55, [6, 8, 10], 8), (60, [5, 6, 8, 10], 8),
           (65, [7, 9, 11], 9), (70, [6, 7, 9, 11], 9), (75, [6, 7, 8, 10, 12], 10), (80, [8, 10, 12, 14], 10),
           (90, [7, 8, 9, 10, 11, 13], 11), (100, [8, 10, 12, 14], 12), (110, [10, 12], 13), (120, [10, 11, 12], 13)]
UNEQUAL_L = [(20, 30, [3, 4], 3.5), (20, 40, [3, 4], 3.5), (25, 40, [4], 4), (30, 45, [3, 4, 5], 4.5),
             (30, 50, [4, 5], 5), (30, 60, [5, 7], 6), (60, 80, [7], 8), (60, 90, [6, 8], 7), (40, 60, [5, 6, 7], 6), (40, 80, [6, 8], 7), (50, 65, [5, 7, 9], 6),
             (50, 75, [5, 7, 9], 7), (50, 100, [6, 8, 10], 9), (55, 75, [5, 7], 7), (65, 80, [6, 8, 10], 8),
             (65, 100, [7, 9, 11], 10), (75, 100, [7, 9, 11], 10), (80, 120, [8, 10, 12], 11)]
COLD_L = [(30, 30, [2, 2.5, 3]), (40, 20, [2, 2.5]), (40, 40, [2, 2.5, 3, 4]), (50, 30, [2, 2.5, 3]),
          (50, 50, [2, 2.5, 3, 4, 5]), (60, 40, [2, 2.5, 3, 4]), (60, 60, [2, 3, 4, 5]), (70, 50, [3, 4]),
          (70, 70, [3, 4, 5]), (80, 40, [2, 3, 4]), (80, 60, [3, 4, 5]), (80, 80, [3, 4, 5]), (90, 90, [3, 4, 5]),
          (100, 50, [3, 4, 5]), (100, 80, [3, 4, 5]), (100, 100, [3, 4, 5]), (120, 80, [3, 4, 5]),
          (120, 120, [4, 5]), (140, 100, [4, 5]), (150, 100, [4, 5]), (160, 80, [4, 5]), (180, 100, [4, 5])]
COLD_L.insert(COLD_L.index((120, 80, [3, 4, 5])), (120, 60, [3, 4, 5]))
PLATES = [("Steel plates", "steel plate", 7.85, [0.5, 0.6, 0.7, 0.75, 0.8, 1, 1.25, 1.5, 2, 2.5, 3, 4, 5, 6, 8, 10, 12, 15, 20, 25, 30, 35, 40, 50]),
          ("Rib steel plates", "rib steel plate", 7.85, [3, 4, 5, 6, 8, 10, 12, 15]),
          ("Zn steel plates", "Zn steel plate", 7.85, [0.5, 0.6, 0.75, 0.8, 1, 1.25, 1.5, 2, 2.5, 3, 4, 5]),
          ("Aluminium plates", "Aluminium plate", 2.70,
           [0.2, 0.3, 0.4, 0.5, 0.6, 0.7, 0.8, 1, 1.2, 1.25, 1.5, 2, 2.5, 3, 3.5, 4, 5, 6, 7, 8, 10])]


def cold_u_sizes():
    names = []
    for line in open(os.path.join(DATA, "menu4.txt"), encoding="latin-1"):
        text = line.strip()
        if text.startswith("CR U") and not text.endswith("..."):
            names.append(text)
    return names


def build():
    records = []  # (name, [values])
    computed_hot = []  # hot-rolled rows without a published entry
    OUTLINES.clear()
    SHRUNK_ROWS.clear()

    # hot-rolled channels
    for h, b, tw, tf in UPN:
        pr = properties(u_outline(h, b, tw, tf, tf, tf / 2))
        e = pr["xc"]
        name = "HR U%dx%d" % (h, b)
        outline(name, "channel", h, b, tw, tf, tf, tf / 2, 0.08)
        values = uit_values(pr, 10 * (2 * h + 4 * b), tw, tf, ky_distance=b - e)
        if h in published.UPN:
            values = published_uit(published.UPN[h], values)
        else:
            computed_hot.append(name)
        records.append((name, values))
    # narrow I beams: 14 % taper, r1 = tw, r2 = 0.6 tw
    for h, b, tw, tf in NARROW_I:
        pr = properties(i_outline(h, b, tw, tf, tw, 0.6 * tw, slope=0.14))
        values = uit_values(pr, 10 * (2 * h + 4 * b), tw, tf)
        records.append(("HR I%dx%d" % (h, b), published_uit(published.IPN[h], values)))
        outline("HR I%dx%d" % (h, b), "i", h, b, tw, tf, tw, 0.6 * tw, 0.14)
    # tees: flange on top, stem down; Kx on the stem-tip side
    for a, t in TEES:
        pr = properties(t_outline(a, a, t))
        stem_side = pr["ybot"]
        name = "T%dx%dx%s" % (a, a, num(t))
        outline(name, "tee", a, a, t)
        records.append((name, uit_values(pr, 40 * a, kx_distance=stem_side)))
        computed_hot.append(name)
    records.append(("T100x55x10", tee_100x55x10()))
    outline("T100x55x10", "tee", 100, 55, 10)
    # hot-rolled angles: "L section QxPxt", Q level, P upright
    angles = []
    for a, ts, r1 in EQUAL_L:
        angles += [(a, a, t, r1) for t in ts]
    for q, p, ts, r1 in UNEQUAL_L:
        angles += [(q, p, t, r1) for t in ts]
    angles.sort(key=lambda x: (x[0], x[1], x[2]))
    for q, p, t, r1 in angles:
        name = "L section %dx%dx%s" % (q, p, num(t))
        outline(name, "angle", p, q, t, r1, r1 / 2)
        entry = published.ANGLES.get((q, p, t))
        pr = properties(l_outline(p, q, t, r1, r1 / 2))
        computed = l_values(pr, table_value)
        if entry:
            records.append((name, [table_value(v) if v is not None else computed[i] for i, v in enumerate(entry)]))
        else:
            records.append((name, computed))
            computed_hot.append(name)
    # plates
    for _, label, density, thicknesses in PLATES:
        for t in thicknesses:
            records.append(("%s mm %s" % (num(t), label), [("%.4f" % (t * density)).rstrip("0").rstrip(".")]))
    for h, b, tw, tf, r in IPE:
        pr = properties(i_outline(h, b, tw, tf, r))
        values = uit_values(pr, 10 * (2 * h + 4 * b), tw, tf)
        records.append(("IPE %dx%d" % (h, b), published_uit(published.IPE[h], values)))
        outline("IPE %dx%d" % (h, b), "i", h, b, tw, tf, r, 0, 0)
    for h, b, tw, tf, r in HEB:
        pr = properties(i_outline(h, b, tw, tf, r))
        values = uit_values(pr, 10 * (2 * h + 4 * b), tw, tf)
        records.append(("IPB;HE-B %dx%d" % (h, b), published_uit(published.HEB[h], values)))
        outline("IPB;HE-B %dx%d" % (h, b), "i", h, b, tw, tf, r, 0, 0)
    for n, h, b, tw, tf, r in HEA:
        pr = properties(i_outline(h, b, tw, tf, r))
        values = uit_values(pr, 10 * (2 * h + 4 * b), tw, tf)
        records.append(("I PBI;(HE-A) %d %dx%d" % (n, h, b),
                        published_uit(published.HEA[n], values)))
        outline("I PBI;(HE-A) %d %dx%d" % (n, h, b), "i", h, b, tw, tf, r, 0, 0)
    # cold-formed angles: "CR L section PxQxt", P upright; inner radius 1.5 t
    for p, q, ts in COLD_L:
        for t in ts:
            poly = bent_outline([(t / 2 + q - t / 2, t / 2), (t / 2, t / 2), (t / 2, p)], t, 1.5 * t)
            poly = [(x, y) for x, y in poly]
            pr = properties(poly)
            records.append(("CR L section %dx%dx%s" % (p, q, num(t)), l_values(pr, two_decimals)))
            outline("CR L section %dx%dx%s" % (p, q, num(t)), "bentangle", p, q, t, 1.5 * t)
    # cold-formed channels: inner radius 2 t, web on the left
    for name in cold_u_sizes():
        h, b, t = name[4:].split("x")
        h, b, t = float(h), float(b), float(t)
        path = [(b, h / 2 - t / 2), (t / 2, h / 2 - t / 2), (t / 2, -h / 2 + t / 2), (b, -h / 2 + t / 2)]
        pr = properties(bent_outline(path, t, 2 * t))
        e = pr["xc"]
        records.append((name, uit_values(pr, 10 * (2 * h + 4 * b - 2 * t), ky_distance=b - e, fmt=two_decimals)))
        outline(name, "bentchannel", h, b, t, 2 * t)
    return records, angles, computed_hot


def tee_100x55x10():
    b, h, t = 100, 55, 10
    Ix, Iy = 28, 92.5
    pr = properties(t_outline(b, h, t))
    A = pr["A"] / 100
    kx = Ix / (pr["ybot"] / 10)
    ky = Iy / (max(pr["xleft"], pr["xright"]) / 10)
    return [round_table(A * 0.785), round_table(A), num(Ix), round_table(kx), num(Iy), round_table(ky),
            str(10 * (2 * b + 2 * h))]


def l_values(pr, fmt):
    A = pr["A"] / 100
    Ix, Iy = pr["Ix"] / 1e4, pr["Iy"] / 1e4
    kx = Ix / (pr["ytop"] / 10)
    ky = Iy / (pr["xright"] / 10)
    return [fmt(A * 0.785), fmt(A), fmt(Ix), fmt(Iy), fmt(kx), fmt(ky)]


CHECK_ONLY = False
STALE = []


def write_lines(path, lines):
    data = ("\r\n".join(lines) + "\r\n").encode("latin-1")
    if CHECK_ONLY:
        with open(path, "rb") as f:
            if f.read() != data:
                STALE.append(os.path.basename(path))
        return
    with open(path, "wb") as f:
        f.write(data)


def main():
    records, angles, computed_hot = build()
    lines = []
    for name, values in records:
        if name in FIXED:
            values = FIXED[name].split()
        lines.append(name)
        lines.extend(values)
    write_lines(os.path.join(DATA, "profiles.txt"), lines)
    write_lines(os.path.join(DATA, "outlines.txt"), OUTLINES)

    tees = ["Custom-designed section"] + [n for n, _ in records if n.startswith("T")]
    write_lines(os.path.join(DATA, "menu6.txt"), tees)

    menu = ["Custom-designed section", "Hot rolled L section"]
    group = None
    for q, p, t, _ in angles:
        if q != group:
            group = q
            menu.append("\tL section %dx..." % q)
        menu.append("\t\tL section %dx%dx%s" % (q, p, num(t)))
    menu.append("Cold rolled L section")
    group = None
    for p, q, ts in COLD_L:
        # The 40 x 20 angles stand in a group of their own, apart from the
        # 40 x 40 ones.
        key = (p, q) if (p, q) == (40, 20) else p
        if key != group:
            group = key
            menu.append("\tL section %dx%d..." % key if isinstance(key, tuple) else "\tL section %dx..." % p)
        for t in ts:
            menu.append("\t\tCR L section %dx%dx%s" % (p, q, num(t)))
    write_lines(os.path.join(DATA, "menu9.txt"), menu)

    plates = []
    for heading, label, _, thicknesses in PLATES:
        plates.append(heading)
        plates += ["\t%s mm %s" % (num(t), label) for t in thicknesses]
    write_lines(os.path.join(DATA, "menu10.txt"), plates)
    print("profile lines", len(lines), "records", len(records), "L menu", len(menu), "plates", len(plates),
          "tee menu", len(tees))
    print("rows whose rounded corners would overlap and are drawn smaller (%d)%s" %
          (len(SHRUNK_ROWS), ":" if SHRUNK_ROWS else ""))
    for row in SHRUNK_ROWS:
        print("  " + row)
    computed_hot = [n for n in computed_hot if n not in FIXED]
    print("hot-rolled rows computed from the outline (%d):" % len(computed_hot))
    print("  " + ", ".join(computed_hot))


if __name__ == "__main__":
    import sys
    # --check: compare the data files with what this script would write.
    CHECK_ONLY = "--check" in sys.argv
    main()
    if STALE:
        print("out of date: " + ", ".join(STALE))
        sys.exit(1)
