#!/usr/bin/env python3
"""Draws the program's eight 16 x 16 icons as RGBA PNGs (colour type 6), and the
desktop icons: the logo as a 48 x 48 PNG and as a scalable SVG.

Run from the repository root: python3 tools/make_icons.py
Only the standard library is used, so the icons can be redrawn anywhere.
"""
import math
import os
import struct
import zlib

SIZE = 16
OUT = os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "resources", "images")
DESKTOP = os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "resources", "desktop")
APP_ID = "org.kurvan.Kurvan"

OUTLINE = (60, 60, 60, 255)
PAPER = (255, 255, 255, 255)
FOLD = (200, 200, 200, 255)
TEXT = (150, 150, 160, 255)


class Canvas:
    def __init__(self, size=SIZE):
        self.size = size
        self.px = [[(0, 0, 0, 0)] * size for _ in range(size)]

    def set(self, x, y, c):
        if 0 <= x < self.size and 0 <= y < self.size:
            self.px[y][x] = c

    def rect(self, x0, y0, x1, y1, fill, outline=None):
        for y in range(y0, y1 + 1):
            for x in range(x0, x1 + 1):
                edge = x in (x0, x1) or y in (y0, y1)
                self.set(x, y, outline if (edge and outline) else fill)

    def line(self, x0, y0, x1, y1, c):
        steps = max(abs(x1 - x0), abs(y1 - y0), 1)
        for i in range(steps + 1):
            self.set(round(x0 + (x1 - x0) * i / steps), round(y0 + (y1 - y0) * i / steps), c)

    def circle(self, cx, cy, r, c):
        for a in range(64):
            t = 2 * math.pi * a / 64
            self.set(round(cx + r * math.cos(t)), round(cy + r * math.sin(t)), c)

    def png(self):
        raw = b"".join(b"\0" + b"".join(bytes(p) for p in row) for row in self.px)
        def chunk(kind, data):
            body = kind + data
            return struct.pack(">I", len(data)) + body + struct.pack(">I", zlib.crc32(body) & 0xFFFFFFFF)
        header = struct.pack(">IIBBBBB", self.size, self.size, 8, 6, 0, 0, 0)
        return (b"\x89PNG\r\n\x1a\n" + chunk(b"IHDR", header)
                + chunk(b"IDAT", zlib.compress(raw, 9)) + chunk(b"IEND", b""))


def page(c, x0, y0, x1, y1, lines=True):
    """A sheet with its top right corner folded down."""
    c.rect(x0, y0, x1, y1, PAPER, OUTLINE)
    for i in range(4):
        for j in range(4 - i):
            c.set(x1 - j, y0 + i, (0, 0, 0, 0))
    c.line(x1 - 3, y0, x1 - 3, y0 + 3, OUTLINE)
    c.line(x1 - 3, y0 + 3, x1, y0 + 3, OUTLINE)
    c.line(x1 - 3, y0, x1, y0 + 3, OUTLINE)
    c.set(x1 - 2, y0 + 2, FOLD)
    c.set(x1 - 2, y0 + 1, FOLD)
    c.set(x1 - 1, y0 + 2, FOLD)
    if lines:
        for y in range(y0 + 5, y1 - 1, 2):
            c.line(x0 + 2, y, x1 - 2, y, TEXT)


def icon_new():
    c = Canvas()
    page(c, 3, 1, 12, 14)
    return c


def icon_open():
    c = Canvas()
    back = (200, 150, 40, 255)
    front = (250, 200, 70, 255)
    c.rect(1, 4, 6, 5, back, (120, 80, 20, 255))
    c.rect(1, 5, 13, 13, back, (120, 80, 20, 255))
    for y in range(8, 14):
        x0 = 3 + (13 - y) // 2
        c.line(x0, y, x0 + 11, y, front)
    c.line(3, 8, 14, 8, (120, 80, 20, 255))
    c.line(14, 8, 12, 13, (120, 80, 20, 255))
    c.line(1, 13, 12, 13, (120, 80, 20, 255))
    return c


def icon_save():
    c = Canvas()
    body = (50, 90, 170, 255)
    c.rect(1, 1, 14, 14, body, (20, 40, 90, 255))
    c.rect(4, 1, 11, 6, (220, 220, 230, 255), (20, 40, 90, 255))
    c.rect(8, 2, 9, 5, body)
    c.rect(3, 9, 12, 14, PAPER, (20, 40, 90, 255))
    c.line(5, 11, 10, 11, TEXT)
    c.set(1, 1, (0, 0, 0, 0))
    return c


def icon_exit():
    c = Canvas()
    wood = (150, 95, 45, 255)
    c.rect(2, 1, 10, 14, (70, 45, 20, 255))
    c.rect(3, 2, 9, 14, wood, (90, 55, 25, 255))
    c.set(8, 8, (240, 210, 80, 255))
    arrow = (200, 30, 30, 255)
    c.line(9, 8, 15, 8, arrow)
    c.line(13, 6, 15, 8, arrow)
    c.line(13, 10, 15, 8, arrow)
    return c


def icon_cut():
    c = Canvas()
    blade = (120, 120, 130, 255)
    c.line(4, 1, 10, 10, blade)
    c.line(5, 1, 11, 10, blade)
    c.line(11, 1, 5, 10, blade)
    c.line(10, 1, 4, 10, blade)
    handle = (200, 40, 40, 255)
    c.circle(4, 12, 2, handle)
    c.circle(11, 12, 2, handle)
    return c


def icon_copy():
    c = Canvas()
    page(c, 1, 1, 9, 11, lines=False)
    page(c, 6, 4, 14, 14)
    return c


def icon_paste():
    c = Canvas()
    board = (170, 120, 60, 255)
    c.rect(2, 2, 13, 15, board, (100, 65, 30, 255))
    c.rect(5, 1, 10, 3, (190, 190, 190, 255), OUTLINE)
    page(c, 5, 5, 14, 14)
    return c


def fermi_y(x, size, m):
    """Height of the logo's curve at column x, unrounded."""
    t = (x - 2 * m) / (size - 3 * m)
    step = 1.0 / (1.0 + math.exp((t - 0.6) / 0.07))
    return (size - 3 * m) - (size - 5 * m) * (0.85 * step + 0.1 * (1 - t))


def logo(size=SIZE):
    """A Fermi edge: flat counts that fall off in a smooth step, over an axis."""
    c = Canvas(size)
    axis = (60, 60, 60, 255)
    curve = (200, 30, 30, 255)
    m = max(1, size // 16)
    c.line(m, size - 2 * m, size - m, size - 2 * m, axis)
    c.line(m, size - 2 * m, m, m, axis)
    prev = None
    for x in range(2 * m, size - m):
        y = round(fermi_y(x, size, m))
        if prev is not None:
            c.line(x - 1, prev, x, y, curve)
        prev = y
    return c


def logo_svg(size=48):
    """The logo's axis and curve as vectors, on the grid of the size x size PNG
    (pixel centres at half units, one unit wide strokes), so both icons show
    the same picture."""
    m = max(1, size // 16)
    axis = "#3c3c3c"
    curve = "#c81e1e"
    base = size - 2 * m + 0.5
    points = []
    steps = 8 * (size - 3 * m)
    for i in range(steps + 1):
        x = 2 * m + (size - 3 * m - 1) * i / steps
        points.append("%.2f,%.2f" % (x + 0.5, fermi_y(x, size, m) + 0.5))
    return (
        '<?xml version="1.0" encoding="UTF-8"?>\n'
        '<svg xmlns="http://www.w3.org/2000/svg" width="{s}" height="{s}" viewBox="0 0 {s} {s}">\n'
        '  <title>Kurvan</title>\n'
        '  <path d="M {a} {b} H {r} M {a} {b} V {t}" fill="none" stroke="{ax}" stroke-width="{w}"'
        ' stroke-linecap="square"/>\n'
        '  <polyline points="{p}" fill="none" stroke="{cu}" stroke-width="{w}"'
        ' stroke-linejoin="round" stroke-linecap="round"/>\n'
        '</svg>\n'
    ).format(s=size, a=m + 0.5, b=base, r=size - m + 0.5, t=m + 0.5, ax=axis, cu=curve,
             w=1, p=" ".join(points))


ICONS = {
    "new.png": icon_new,
    "open.png": icon_open,
    "save.png": icon_save,
    "exit.png": icon_exit,
    "cut.png": icon_cut,
    "copy.png": icon_copy,
    "paste.png": icon_paste,
    "logo3.png": logo,
}


def main():
    os.makedirs(OUT, exist_ok=True)
    for name, draw in ICONS.items():
        with open(os.path.join(OUT, name), "wb") as f:
            f.write(draw().png())
    os.makedirs(DESKTOP, exist_ok=True)
    with open(os.path.join(DESKTOP, APP_ID + ".png"), "wb") as f:
        f.write(logo(48).png())
    with open(os.path.join(DESKTOP, APP_ID + ".svg"), "w", encoding="utf-8") as f:
        f.write(logo_svg(48))


if __name__ == "__main__":
    main()
