#!/usr/bin/env python3
"""Draws the reader's small pictures with the standard library only.

  rdm.bmp          360x248, 8 bits per pixel, 256-colour palette: ink-wash landscape
  dian.bmp         16x16, 24 bits per pixel: round cinnabar bullet
  book_closed.png  18x18 RGB: closed thread-bound book (tree icon)
  book_open.png    18x18 RGB: open book (tree icon)
  page.png         18x18 RGB: page of text (tree icon)

Usage: draw.py [OUTDIR]
"""
import math
import os
import random
import struct
import sys
import zlib


# ---------------------------------------------------------------- file writers

def write_bmp8(path, width, height, indices, palette):
    """indices: row-major list (top row first) of palette indices."""
    assert len(palette) == 256 and len(indices) == width * height
    stride = (width + 3) & ~3
    pixels = bytearray()
    for y in range(height - 1, -1, -1):
        row = bytes(indices[y * width:(y + 1) * width])
        pixels += row + b"\0" * (stride - width)
    pal = bytearray()
    for r, g, b in palette:
        pal += bytes((b, g, r, 0))
    offset = 14 + 40 + len(pal)
    info = struct.pack("<IiiHHIIiiII", 40, width, height, 1, 8, 0, len(pixels),
                       2835, 2835, 256, 256)
    head = struct.pack("<2sIHHI", b"BM", offset + len(pixels), 0, 0, offset)
    with open(path, "wb") as f:
        f.write(head + info + pal + pixels)


def write_bmp24(path, width, height, rgb):
    """rgb: row-major list (top row first) of (r, g, b)."""
    stride = (width * 3 + 3) & ~3
    pixels = bytearray()
    for y in range(height - 1, -1, -1):
        row = bytearray()
        for r, g, b in rgb[y * width:(y + 1) * width]:
            row += bytes((b, g, r))
        pixels += row + b"\0" * (stride - len(row))
    offset = 14 + 40
    info = struct.pack("<IiiHHIIiiII", 40, width, height, 1, 24, 0, len(pixels),
                       2835, 2835, 0, 0)
    head = struct.pack("<2sIHHI", b"BM", offset + len(pixels), 0, 0, offset)
    with open(path, "wb") as f:
        f.write(head + info + pixels)


def write_png_rgb(path, width, height, rgb):
    def chunk(tag, data):
        return (struct.pack(">I", len(data)) + tag + data
                + struct.pack(">I", zlib.crc32(tag + data) & 0xFFFFFFFF))
    raw = bytearray()
    for y in range(height):
        raw.append(0)
        for r, g, b in rgb[y * width:(y + 1) * width]:
            raw += bytes((r, g, b))
    ihdr = struct.pack(">IIBBBBB", width, height, 8, 2, 0, 0, 0)
    with open(path, "wb") as f:
        f.write(b"\x89PNG\r\n\x1a\n" + chunk(b"IHDR", ihdr)
                + chunk(b"IDAT", zlib.compress(bytes(raw), 9)) + chunk(b"IEND", b""))


# ---------------------------------------------------------------- noise

class Noise:
    """Smooth value noise on an integer lattice, deterministic per seed."""

    def __init__(self, seed):
        rnd = random.Random(seed)
        self.perm = list(range(256))
        rnd.shuffle(self.perm)
        self.perm += self.perm
        self.vals = [rnd.random() for _ in range(256)]

    def _v(self, ix, iy):
        p = self.perm
        return self.vals[p[(p[ix & 255] + iy) & 255]]

    def __call__(self, x, y=0.0):
        ix, iy = math.floor(x), math.floor(y)
        fx, fy = x - ix, y - iy
        sx = fx * fx * (3 - 2 * fx)
        sy = fy * fy * (3 - 2 * fy)
        a = self._v(ix, iy)
        b = self._v(ix + 1, iy)
        c = self._v(ix, iy + 1)
        d = self._v(ix + 1, iy + 1)
        top = a + (b - a) * sx
        bot = c + (d - c) * sx
        return top + (bot - top) * sy

    def fbm(self, x, y=0.0, octaves=4):
        total, amp, norm = 0.0, 1.0, 0.0
        for _ in range(octaves):
            total += amp * self(x, y)
            norm += amp
            x, y, amp = x * 2.03, y * 2.03, amp * 0.5
        return total / norm


def smoothstep(e0, e1, x):
    if x <= e0:
        return 0.0
    if x >= e1:
        return 1.0
    t = (x - e0) / (e1 - e0)
    return t * t * (3 - 2 * t)


def seg_dist(px, py, ax, ay, bx, by):
    dx, dy = bx - ax, by - ay
    t = ((px - ax) * dx + (py - ay) * dy) / (dx * dx + dy * dy)
    t = 0.0 if t < 0 else 1.0 if t > 1 else t
    qx, qy = ax + t * dx - px, ay + t * dy - py
    return math.sqrt(qx * qx + qy * qy), t


# ---------------------------------------------------------------- ink-wash title picture

PAPER = (238, 231, 214)
INK = (24, 24, 30)


def wash_palette():
    pal = []
    for i in range(256):
        t = i / 255.0
        pal.append(tuple(int(round(p + (k - p) * t)) for p, k in zip(PAPER, INK)))
    return pal


def draw_wash(width=360, height=248, ss=2):
    W, H = width * ss, height * ss
    n_paper = Noise(11)
    n_tex = Noise(23)
    n_ridge = Noise(37)
    n_mist = Noise(41)
    n_water = Noise(53)
    rnd = random.Random(7)

    # Mountain layers, far to near: (baseline, peaks [(x, height, width)], ridge noise amplitude,
    # density, fade depth, x-range)
    layers = [
        (110, [(70, 50, 55), (150, 28, 40), (262, 70, 48), (335, 44, 40)], 6, 0.20, 28),
        (142, [(18, 52, 40), (112, 42, 46), (200, 24, 32), (300, 58, 38)], 8, 0.36, 24),
        (172, [(228, 52, 30), (282, 36, 26), (352, 78, 36)], 9, 0.70, 20),
    ]

    def ridge(layer_i, x):
        base, peaks, amp, _, _ = layers[layer_i]
        y = base
        for cx, h, w in peaks:
            y -= h * math.exp(-((x - cx) / w) ** 2)
        y -= amp * (n_ridge.fbm(x / 38.0 + layer_i * 17.3, 0.5, 4) - 0.5) * 2
        y -= (1.0 + layer_i) * (n_ridge.fbm(x / 5.0 + layer_i * 7.7, 3.3, 2) - 0.5) * 2
        return y

    # precompute ridges per column
    ridges = [[ridge(i, (X + 0.5) / ss) for X in range(W)] for i in range(len(layers))]

    def bank_top(x):  # foreground rocky bank at lower left
        y = 188 + 64 * smoothstep(60, 165, x) - 10 * math.exp(-((x - 30) / 30.0) ** 2)
        y -= 7 * (n_ridge.fbm(x / 16.0, 9.1, 4) - 0.5) * 2
        return y

    def far_bank_top(x):  # low far shore on the right, behind the water
        y = 186 - 8 * math.exp(-((x - 300) / 60.0) ** 2)
        y -= 2.5 * (n_ridge.fbm(x / 14.0, 4.4, 3) - 0.5) * 2
        return y

    # moss dots along the nearer ridges
    dots = []
    for li in (1, 2):
        for cx, h, w in layers[li][1]:
            for _ in range(3 if li == 1 else 5):
                x = cx + rnd.gauss(0, w * 0.35)
                X = max(0, min(W - 1, int(x * ss)))
                dots.append((x, ridges[li][X] + rnd.uniform(0.3, 1.5), rnd.uniform(0.7, 1.2),
                             0.45 if li == 1 else 0.7))
    for _ in range(14):
        x = rnd.uniform(0, 150)
        dots.append((x, bank_top(x) + rnd.uniform(0.3, 2.0), rnd.uniform(0.8, 1.4), 0.85))

    # pine on the bank: trunk polyline and needle clusters
    trunk = [(40, 190), (45, 176), (43, 163), (50, 148), (58, 134), (61, 120), (68, 108)]
    branches = [((44, 170), (20, 162)), ((46, 157), (76, 151)), ((52, 145), (30, 136)),
                ((58, 134), (86, 126)), ((61, 122), (42, 113)), ((66, 111), (80, 103))]
    main_cl = [(17, 160, 14, 4.4), (80, 149, 15, 4.6), (27, 134, 14, 4.4), (89, 124, 14, 4.4),
               (40, 111, 12, 4.0), (80, 101, 12, 3.8), (66, 105, 10, 3.8)]
    # second, smaller pine leaning the other way
    trunk2 = [(86, 204), (84, 189), (88, 176), (85, 164), (89, 154)]
    branches2 = [((85, 187), (102, 182)), ((87, 176), (73, 171)), ((86, 164), (101, 158)),
                 ((89, 154), (82, 147))]
    main_cl2 = [(104, 180, 8, 2.8), (70, 169, 8, 2.8), (103, 156, 8, 2.8), (83, 146, 8, 2.6)]

    def split(cl):  # each needle mass becomes a few overlapping irregular blobs
        out = []
        for cx, cy, rx, ry in cl:
            out.append((cx, cy, rx * 0.75, ry))
            for _ in range(3):
                out.append((cx + rnd.uniform(-0.55, 0.55) * rx, cy + rnd.uniform(-0.6, 0.3) * ry,
                            rx * rnd.uniform(0.35, 0.55), ry * rnd.uniform(0.7, 1.0)))
        return out
    clusters = split(main_cl)
    clusters2 = split(main_cl2)

    boat_cx, boat_cy = 236, 204

    def pine_density(x, y):
        d = 0.0
        for pts, w0, w1 in ((trunk, 2.6, 1.2), (trunk2, 1.8, 0.9)):
            n = len(pts) - 1
            for i in range(n):
                dist, t = seg_dist(x, y, *pts[i], *pts[i + 1])
                w = w0 + (w1 - w0) * (i + t) / n
                if dist < w + 1:
                    edge = 1 - smoothstep(w - 0.6, w + 0.6, dist)
                    bark = 0.75 + 0.25 * n_tex(x * 0.9, y * 0.35)
                    d = max(d, 0.9 * edge * bark)
        for bl, w in ((branches, 1.1), (branches2, 0.8)):
            for a, b in bl:
                dist, t = seg_dist(x, y, *a, *b)
                ww = w * (1 - 0.5 * t)
                if dist < ww + 1:
                    d = max(d, 0.85 * (1 - smoothstep(ww - 0.5, ww + 0.5, dist)))
        for cl in (clusters, clusters2):
            for cx, cy, rx, ry in cl:
                dx, dy = (x - cx) / rx, (y - cy) / ry
                # flat top, ragged lower edge: needles as short vertical strokes
                r = dx * dx + (dy * 1.15 if dy > 0 else dy * 1.6) ** 2
                if r < 1.8:
                    rag = n_tex(x * 1.3, y * 0.3 + cx)
                    cover = 1 - smoothstep(0.45, 0.8 + rag * 0.7, r)
                    streak = 0.55 + 0.45 * n_tex(x * 2.1, y * 0.5 + 99)
                    d = 1 - (1 - d) * (1 - 0.8 * cover * streak)
        return d

    def boat_density(x, y):
        d = 0.0
        dx = x - boat_cx
        # hull: between an upper straight deck line and a lower arc, pointed ends
        if -16 <= dx <= 16 and boat_cy - 4 <= y <= boat_cy + 5:
            top = boat_cy - 1.5 - 2.6 * (dx / 16) ** 4 * 1.6
            bottom = boat_cy + 3.2 - 3.4 * (dx / 16) ** 2
            if bottom > top:
                inside = smoothstep(top - 0.5, top + 0.5, y) * (1 - smoothstep(bottom - 0.5, bottom + 0.5, y))
                d = max(d, 0.88 * inside)
        # small cabin (awning)
        ax, ay = boat_cx + 4, boat_cy - 3.2
        rx, ry = 6.5, 3.6
        if abs(x - ax) <= rx and ay - ry <= y <= ay + 1.4:
            k = ((x - ax) / rx) ** 2 + ((y - ay) / ry) ** 2
            if y > ay:
                k = ((x - ax) / rx) ** 2
            d = max(d, 0.7 * (1 - smoothstep(0.8, 1.0, k)))
        # fisherman with a conical hat at the stern
        fx, fy = boat_cx - 8, boat_cy - 3.5
        if (x - fx) ** 2 / 2.0 + (y - fy) ** 2 / 5.5 < 1:
            d = max(d, 0.9)
        apex, brim = fy - 5.6, fy - 2.6
        if apex <= y <= brim + 0.5 and abs(x - fx) <= 0.3 + 3.4 * (y - apex) / (brim - apex):
            d = max(d, 0.92)
        # fishing rod and line
        dist, _ = seg_dist(x, y, fx + 1, fy - 1, fx - 15, fy - 12)
        if dist < 0.9:
            d = max(d, 0.7 * (1 - smoothstep(0.25, 0.7, dist)))
        dist, _ = seg_dist(x, y, fx - 15, fy - 12, fx - 16, boat_cy + 3)
        if dist < 0.6:
            d = max(d, 0.28 * (1 - smoothstep(0.15, 0.45, dist)))
        return d

    def bird_density(x, y):
        d = 0.0
        for bx, by, s in ((168, 40, 2.6), (178, 46, 2.2), (160, 48, 1.8)):
            for sgn in (-1, 1):
                ex, ey = bx + sgn * s, by - s * 0.35
                mx, my = bx + sgn * s * 0.5, by - s * 0.55
                for (p, q) in (((bx, by), (mx, my)), ((mx, my), (ex, ey))):
                    dist, _ = seg_dist(x, y, *p, *q)
                    if dist < 0.9:
                        d = max(d, 0.6 * (1 - smoothstep(0.15, 0.55, dist)))
        return d

    dens = [0.0] * (W * H)
    for Y in range(H):
        y = (Y + 0.5) / ss
        for X in range(W):
            x = (X + 0.5) / ss
            # paper: tone, fibres, soft vignette
            d = 0.018 + 0.02 * n_paper.fbm(x / 3.0, y / 3.0, 2) + 0.012 * n_paper(x * 1.3, y * 0.2)
            vx, vy = (x / width - 0.5) * 2, (y / height - 0.5) * 2
            d += 0.05 * max(0.0, vx * vx * 0.6 + vy * vy * 0.6 - 0.3)
            d += 0.03 * max(0.0, 1 - y / 60.0)  # slightly toned sky at the top
            mist = n_mist.fbm(x / 70.0, y / 22.0, 3)

            keep = 1.0  # how much of what lies behind still shows
            layer_ds = []
            for li, (base, peaks, amp, D, fade) in enumerate(layers):
                ry = ridges[li][X]
                t = y - ry
                if t < -1:
                    continue
                edge = smoothstep(-0.7, 0.7, t)
                body = (0.45 + 0.55 * math.exp(-t / 5.0)) * math.exp(-max(t, 0) / fade)
                tex = (0.6 + 0.15 * li) + (0.8 - 0.2 * li) * n_tex.fbm(x / 4.0 + li * 50, y / 14.0, 3)
                if 0 < X < W - 1:  # slopes facing right catch less light
                    slope = (ridges[li][X + 1] - ridges[li][X - 1]) * ss / 2.0
                    tex *= 1 + 0.5 * max(-0.6, min(1.0, slope)) * math.exp(-max(t, 0) / 14.0)
                # mist eats the lower part of each layer
                m = smoothstep(0.35, 0.75, mist + t / (fade * 2.2))
                ld = D * edge * body * tex * (1 - 0.85 * m)
                layer_ds.append(ld)
            for ld in layer_ds:
                d = 1 - (1 - d) * (1 - ld)

            # distant right shore beyond the water
            fb = far_bank_top(x)
            if y > fb - 1 and x > 180:
                t = y - fb
                ld = 0.42 * smoothstep(-0.6, 0.6, t) * math.exp(-max(t, 0) / 3.5) * smoothstep(180, 215, x)
                ld *= 0.7 + 0.5 * n_tex(x / 3.0, y / 2.0)
                d = 1 - (1 - d) * (1 - ld)
            # water: faint horizontal ripples below the shore line
            if y > 188 and y < bank_top(x) + 2:
                r = n_water.fbm(x / 26.0, y * 1.4, 3)
                ripple = smoothstep(0.55, 0.75, r) * 0.07 * smoothstep(188, 200, y)
                d = 1 - (1 - d) * (1 - ripple)
            # reflection of the boat
            if abs(x - boat_cx) < 14 and boat_cy + 4 < y < boat_cy + 10:
                rr = n_water(x / 2.0, y * 1.8)
                refl = 0.16 * (1 - abs(x - boat_cx) / 14) * (1 - (y - boat_cy - 4) / 6) * (0.4 + rr)
                d = 1 - (1 - d) * (1 - max(0.0, refl))

            # foreground bank
            bt = bank_top(x)
            if y > bt - 1:
                t = y - bt
                edge = smoothstep(-0.7, 0.7, t)
                tex = 0.5 + 0.9 * n_tex.fbm(x / 3.0 + 200, y / 7.0, 3)
                body = (0.45 + 0.55 * math.exp(-t / 3.0)) * math.exp(-max(t, 0) / 26.0)
                ld = min(0.95, 0.95 * edge * body * tex)
                for k, s in ((8.0, 0.55), (17.0, 0.4)):  # folds in the rock
                    fy = bt + k + 3 * (n_ridge(x / 9.0, k) - 0.5)
                    if abs(y - fy) < 1.6 and x < 150 - k * 2:
                        ld = max(ld, s * (1 - smoothstep(0.3, 1.4, abs(y - fy)))
                                 * (0.5 + n_tex(x / 2.5, k)) * smoothstep(150 - k * 2, 110 - k * 2, x))
                ld *= 1 - 0.55 * smoothstep(0.45, 0.95, n_mist(x / 30.0, y / 8.0) * 0.5 + t / 60.0)
                d = 1 - (1 - d) * (1 - ld)

            extra = 0.0
            if 0 < x < 130 and 90 < y < 212:
                extra = max(extra, pine_density(x, y))
            if abs(x - boat_cx) < 32 and boat_cy - 20 < y < boat_cy + 8:
                extra = max(extra, boat_density(x, y))
            if 150 < x < 190 and 30 < y < 55:
                extra = max(extra, bird_density(x, y))
            for px, py, pr, pd in dots:
                if abs(x - px) < 3 and abs(y - py) < 3:
                    k = ((x - px) ** 2 + ((y - py) * 1.3) ** 2) / (pr * pr)
                    extra = max(extra, pd * (1 - smoothstep(0.6, 1.0, k)))
            d = 1 - (1 - d) * (1 - extra)
            dens[Y * W + X] = d

    out = []
    for y in range(height):
        for x in range(width):
            s = 0.0
            for j in range(ss):
                row = (y * ss + j) * W + x * ss
                for i in range(ss):
                    s += dens[row + i]
            v = s / (ss * ss)
            out.append(max(0, min(255, int(round(v * 255)))))
    return out


# ---------------------------------------------------------------- bullet

def draw_dot(size=16):
    cx = cy = (size - 1) / 2.0
    R = 5.6
    sub = 4
    pix = []
    for y in range(size):
        for x in range(size):
            cover = 0.0
            col = [0.0, 0.0, 0.0]
            for j in range(sub):
                for i in range(sub):
                    px = x + (i + 0.5) / sub - 0.5
                    py = y + (j + 0.5) / sub - 0.5
                    r = math.hypot(px - cx, py - cy)
                    a = 1 - smoothstep(R - 0.9, R + 0.5, r)
                    if a <= 0:
                        continue
                    # cinnabar, darker at the rim, a soft highlight upper left
                    t = r / R
                    base = (176 - 40 * t * t, 32 - 12 * t * t, 30 - 10 * t * t)
                    h = math.exp(-((px - cx + 1.8) ** 2 + (py - cy + 1.9) ** 2) / 3.2)
                    c = [base[k] + (255 - base[k]) * 0.38 * h for k in range(3)]
                    for k in range(3):
                        col[k] += a * c[k]
                    cover += a
            n = sub * sub
            rgb = tuple(int(round((col[k] + (n - cover) * 255) / n)) for k in range(3))
            pix.append(rgb)
    return pix


# ---------------------------------------------------------------- tree icons (pixel art)

ICON_COLOURS = {
    ".": (255, 255, 255),
    "K": (30, 38, 62),     # outline
    "B": (46, 72, 128),    # indigo cover
    "b": (78, 106, 166),   # cover highlight
    "W": (246, 240, 222),  # label / page paper
    "w": (226, 216, 190),  # page shade
    "p": (206, 190, 150),  # page edges
    "T": (236, 226, 196),  # binding thread
    "r": (180, 40, 36),    # red title slip line
    "g": (120, 120, 128),  # text line
    "G": (160, 160, 168),  # light text line
    "s": (150, 140, 118),  # shadow / fold
}

BOOK_CLOSED = [
    "..................",
    "...KKKKKKKKKKKK...",
    "...KbBBBBBBBTBKp..",
    "...KbBKKKKBBBBKp..",
    "...KbBKWWKBBTBKp..",
    "...KbBKgWKBBBBKp..",
    "...KbBKWWKBBTBKp..",
    "...KbBKgWKBBBBKp..",
    "...KbBKWWKBBTBKp..",
    "...KbBKgWKBBBBKp..",
    "...KbBKWWKBBTBKp..",
    "...KbBKKKKBBBBKp..",
    "...KbBBBBBBBTBKp..",
    "...KbBBBBBBBBBKp..",
    "...KbBBBBBBBTBKp..",
    "...KKKKKKKKKKKKp..",
    "....pppppppppppp..",
    "..................",
]

BOOK_OPEN = [
    "..................",
    "..................",
    ".KKKK........KKKK.",
    "KWWWWKKK..KKKWWWWK",
    "KWWWWWWWKKWWWWWWWK",
    "KWggggWWKKWggggWWK",
    "KWWWWWWWKKWWWWWWWK",
    "KWgggggWKKWgggggWK",
    "KWWWWWWWKKWWWWWWWK",
    "KWggggWWKKWggggWWK",
    "KWWWWWWWKKWWWWWWWK",
    "KWgggWWWKKWgggWWWK",
    "KWWWWWWWKKWWWWWWWK",
    "KKKKWWWWKKWWWWKKKK",
    "BBBBKKKKKKKKKKBBBB",
    ".BBBBBBBBBBBBBBBB.",
    "..................",
    "..................",
]

PAGE = [
    "..................",
    "...KKKKKKKKKK.....",
    "...KWWWWWWWWKK....",
    "...KWWWWWWWWKsK...",
    "...KWggggWWWKssK..",
    "...KWWWWWWWWKKKKK.",
    "...KWgggggggggWWK.",
    "...KWWWWWWWWWWWWK.",
    "...KWggggggggWWWK.",
    "...KWWWWWWWWWWWWK.",
    "...KWgggggggggWWK.",
    "...KWWWWWWWWWWWWK.",
    "...KWgggggggWWWWK.",
    "...KWWWWWWWWWWWWK.",
    "...KWggggggggWWWK.",
    "...KWWWWWWWWWWWWK.",
    "...KKKKKKKKKKKKKK.",
    "..................",
]


def icon_pixels(rows):
    assert len(rows) == 18 and all(len(r) == 18 for r in rows), rows
    return [ICON_COLOURS[c] for r in rows for c in r]


# ---------------------------------------------------------------- main

def main():
    if len(sys.argv) < 2:
        sys.exit("usage: draw.py OUTDIR")
    out = sys.argv[1]
    os.makedirs(out, exist_ok=True)
    write_bmp8(os.path.join(out, "rdm.bmp"), 360, 248, draw_wash(), wash_palette())
    write_bmp24(os.path.join(out, "dian.bmp"), 16, 16, draw_dot())
    write_png_rgb(os.path.join(out, "book_closed.png"), 18, 18, icon_pixels(BOOK_CLOSED))
    write_png_rgb(os.path.join(out, "book_open.png"), 18, 18, icon_pixels(BOOK_OPEN))
    write_png_rgb(os.path.join(out, "page.png"), 18, 18, icon_pixels(PAGE))


if __name__ == "__main__":
    main()
