#!/usr/bin/env python3
"""How far apart the bricks' strengths look, with and without their marks.

Reads a picture of the game's field (any format ImageMagick's `convert` reads),
takes one brick of each strength (orange 1, yellow 2, green 3 strikes), and prints
the CIEDE2000 distances between them under normal vision and Machado et al.'s
(2009) simulations of protanopia, deuteranopia and tritanopia at severity 1:

  fill      the brick's colour alone (its colour is its strength);
  brick     the brick as a whole, marks included (its mean colour);
  mark      each strength's marks against its own colour (how well they show).

usage: brick_contrast.py PICTURE LEFT TOP SCALE
  LEFT, TOP  where the field's layout corner (twips 0, 0) lies in the picture, in pixels
  SCALE      pixels per laid-out pixel (15 twips): 1 at the laid-out size, 1.5, 2...
Plain Python and ImageMagick; no numpy.
"""

import math
import subprocess
import sys

# One brick of each strength, twips (left, top, width, height): Brick(0), (12), (28).
BRICKS = {"orange (1)": (240, 6480, 1335, 255), "yellow (2)": (5160, 3840, 1335, 255),
          "green (3)": (2280, 4320, 1335, 255)}
TWIPS_PER_PIXEL = 15.0

# Machado, Oliveira and Fernandes 2009, severity 1.0, on linear RGB.
VISIONS = {
    "normal": None,
    "protan": ((0.152286, 1.052583, -0.204868), (0.114503, 0.786281, 0.099216),
               (-0.003882, -0.048116, 1.051998)),
    "deutan": ((0.367322, 0.860646, -0.227968), (0.280085, 0.672501, 0.047413),
               (-0.011820, 0.042940, 0.968881)),
    "tritan": ((1.255528, -0.076749, -0.178779), (-0.078411, 0.930809, 0.147602),
               (0.004733, 0.691367, 0.303900)),
}


def read_ppm(path):
    data = subprocess.run(["convert", path, "-depth", "8", "ppm:-"], check=True,
                          capture_output=True).stdout
    fields, pos = [], 0
    while len(fields) < 4:
        while data[pos:pos + 1].isspace():
            pos += 1
        if data[pos:pos + 1] == b"#":
            pos = data.index(b"\n", pos)
            continue
        end = pos
        while not data[end:end + 1].isspace():
            end += 1
        fields.append(data[pos:end])
        pos = end
    width, height = int(fields[1]), int(fields[2])
    pixels = data[pos + 1:]
    return width, height, lambda x, y: tuple(pixels[3 * (y * width + x):3 * (y * width + x) + 3])


def linear(c):
    c /= 255.0
    return c / 12.92 if c <= 0.04045 else ((c + 0.055) / 1.055) ** 2.4


def simulate(rgb_linear, matrix):
    if matrix is None:
        return rgb_linear
    return tuple(min(1.0, max(0.0, sum(m * c for m, c in zip(row, rgb_linear)))) for row in matrix)


def lab(rgb_linear):
    r, g, b = rgb_linear
    x = (0.4124564 * r + 0.3575761 * g + 0.1804375 * b) / 0.95047
    y = 0.2126729 * r + 0.7151522 * g + 0.0721750 * b
    z = (0.0193339 * r + 0.1191920 * g + 0.9503041 * b) / 1.08883
    f = lambda t: t ** (1 / 3) if t > (6 / 29) ** 3 else t / (3 * (6 / 29) ** 2) + 4 / 29
    return 116 * f(y) - 16, 500 * (f(x) - f(y)), 200 * (f(y) - f(z))


def ciede2000(lab1, lab2):
    L1, a1, b1 = lab1
    L2, a2, b2 = lab2
    C1, C2 = math.hypot(a1, b1), math.hypot(a2, b2)
    Cm = (C1 + C2) / 2
    G = 0.5 * (1 - math.sqrt(Cm ** 7 / (Cm ** 7 + 25 ** 7)))
    a1p, a2p = (1 + G) * a1, (1 + G) * a2
    C1p, C2p = math.hypot(a1p, b1), math.hypot(a2p, b2)
    h1p = math.degrees(math.atan2(b1, a1p)) % 360 if C1p else 0
    h2p = math.degrees(math.atan2(b2, a2p)) % 360 if C2p else 0
    dLp, dCp = L2 - L1, C2p - C1p
    dhp = 0 if C1p * C2p == 0 else (h2p - h1p if abs(h2p - h1p) <= 180 else
                                    h2p - h1p - 360 if h2p - h1p > 180 else h2p - h1p + 360)
    dHp = 2 * math.sqrt(C1p * C2p) * math.sin(math.radians(dhp / 2))
    Lpm, Cpm = (L1 + L2) / 2, (C1p + C2p) / 2
    if C1p * C2p == 0:
        hpm = h1p + h2p
    elif abs(h1p - h2p) <= 180:
        hpm = (h1p + h2p) / 2
    else:
        hpm = (h1p + h2p + 360) / 2 if h1p + h2p < 360 else (h1p + h2p - 360) / 2
    T = (1 - 0.17 * math.cos(math.radians(hpm - 30)) + 0.24 * math.cos(math.radians(2 * hpm))
         + 0.32 * math.cos(math.radians(3 * hpm + 6)) - 0.20 * math.cos(math.radians(4 * hpm - 63)))
    dtheta = 30 * math.exp(-(((hpm - 275) / 25) ** 2))
    Rc = 2 * math.sqrt(Cpm ** 7 / (Cpm ** 7 + 25 ** 7))
    Sl = 1 + 0.015 * (Lpm - 50) ** 2 / math.sqrt(20 + (Lpm - 50) ** 2)
    Sc, Sh = 1 + 0.045 * Cpm, 1 + 0.015 * Cpm * T
    Rt = -math.sin(math.radians(2 * dtheta)) * Rc
    return math.sqrt((dLp / Sl) ** 2 + (dCp / Sc) ** 2 + (dHp / Sh) ** 2 + Rt * (dCp / Sc) * (dHp / Sh))


def main():
    if len(sys.argv) != 5:
        sys.exit(__doc__)
    path, left, top, scale = sys.argv[1], float(sys.argv[2]), float(sys.argv[3]), float(sys.argv[4])
    _, _, pixel = read_ppm(path)
    bricks = {}
    for name, (l, t, w, h) in BRICKS.items():
        px = lambda twips, origin: int(round(origin + twips / TWIPS_PER_PIXEL * scale))
        x0, y0, x1, y1 = px(l, left), px(t, top), px(l + w, left), px(t + h, top)
        inset = max(1, round(scale))  # the outline
        inside = [pixel(x, y) for y in range(y0 + inset, y1 - inset) for x in range(x0 + inset, x1 - inset)]
        fill = max(set(inside), key=inside.count)
        marks = [p for p in inside if p != fill]
        bricks[name] = (fill, marks, inside)
        print(f"{name}: fill {fill}, {len(marks)} of {len(inside)} pixels marked"
              + (f" in {sorted(set(marks))}" if marks else ""))

    def mean(pixels, matrix):
        lin = [simulate(tuple(linear(c) for c in p), matrix) for p in pixels]
        return tuple(sum(c[i] for c in lin) / len(lin) for i in range(3))

    names = list(BRICKS)
    pairs = [(a, b) for i, a in enumerate(names) for b in names[i + 1:]]
    print("\nCIEDE2000 between strengths      " + "  ".join(f"{v:>7}" for v in VISIONS))
    for what in ("fill", "brick"):
        for a, b in pairs:
            row = []
            for matrix in VISIONS.values():
                pa = [bricks[a][0]] if what == "fill" else bricks[a][2]
                pb = [bricks[b][0]] if what == "fill" else bricks[b][2]
                row.append(ciede2000(lab(mean(pa, matrix)), lab(mean(pb, matrix))))
            print(f"{what:5} {a:>10} - {b:<10}      " + "  ".join(f"{v:7.1f}" for v in row))
    print("\nCIEDE2000 of the marks against their brick")
    for name in names:
        fill, marks, _ = bricks[name]
        if not marks:
            print(f"mark  {name:>10}   no marks")
            continue
        row = [ciede2000(lab(mean([fill], m)), lab(mean(marks, m))) for m in VISIONS.values()]
        print(f"mark  {name:>10}                 " + "  ".join(f"{v:7.1f}" for v in row))


if __name__ == "__main__":
    main()
