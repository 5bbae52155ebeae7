#!/usr/bin/env python3
"""Draws the toolbar program's pictures into OUTDIR: the splash screen, the
About box's two pictures, the button glyphs, the "ie" image list and the
program icon.

    draw_pictures.py OUTDIR

The motif is the program's name: a bridge (the arch) between two banks.
"""

import os
import sys

from canvas import BUTTON_FACE, Canvas, icon_bytes

NIGHT = (14, 40, 100)
DUSK = (110, 160, 215)
GOLD = (236, 196, 92)
DARK_GOLD = (170, 120, 40)
WATER_TOP = (24, 72, 124)
WATER_BOTTOM = (8, 30, 66)
WHITE = (255, 255, 255)
NAVY = (0, 0, 128)
RED = (200, 24, 24)
TEAL = (0, 110, 120)
BLUE = (20, 80, 200)


def bridge(c, left, right, deck_y, arch_top, line, hanger_step):
    """A through-arch bridge: the arch springs from the banks below the deck
    and rises above it; hangers hold the deck."""
    cx = (left + right) / 2
    half = (right - left) / 2
    base = deck_y + (deck_y - arch_top) * 0.35
    height = base - arch_top
    x = left + hanger_step
    while x < right:
        y = c.arch_y(cx, base, half, height, x)
        if y is not None and y < deck_y - 2:
            c.line(x + 0.5, y, x + 0.5, deck_y, DARK_GOLD, max(1.5, line / 3))
        x += hanger_step
    c.arch(cx, base, half, height, GOLD, line)
    c.line(left - half * 0.15, deck_y, right + half * 0.15, deck_y, GOLD, line * 0.8)


def water(c, top):
    c.vertical_gradient(top, c.height, WATER_TOP, WATER_BOTTOM)
    for k, y in enumerate(range(top + 6, c.height, 9)):
        x0 = 20 + (k * 53) % 90
        while x0 < c.width:
            c.line(x0, y, x0 + 18, y, (60, 110, 170), 1)
            x0 += 70


def splash():
    c = Canvas(412, 217)
    c.vertical_gradient(0, 170, NIGHT, DUSK)
    water(c, 170)
    bridge(c, 70, 342, 150, 62, 5, 17)
    title = "WENBRIDGE"
    c.text((c.width - Canvas.text_width(title, 4)) // 2, 12, title, WHITE, 4)
    sub = "ENGLISH - CHINESE"
    c.text((c.width - Canvas.text_width(sub, 2)) // 2, 186, sub, WHITE, 2)
    ver = "3.0"
    c.text((c.width + Canvas.text_width(title, 4)) // 2 + 8, 12 + 28 - 14, ver, GOLD, 2)
    return c


def about_picture():
    c = Canvas(96, 96)
    c.vertical_gradient(0, 70, NIGHT, DUSK)
    water(c, 70)
    bridge(c, 14, 82, 60, 22, 3, 8)
    return c


def about_banner():
    c = Canvas(240, 40)
    c.vertical_gradient(0, 40, NIGHT, DUSK)
    title = "WENBRIDGE 3.0"
    c.text((c.width - Canvas.text_width(title, 2)) // 2, 6, title, WHITE, 2)
    sub = "ENGLISH - CHINESE"
    c.text((c.width - Canvas.text_width(sub, 1)) // 2, 26, sub, GOLD, 1)
    return c


def menu_glyph(colour):
    """The menu button's glyph: a small arch over a deck."""
    c = Canvas(16, 16, BUTTON_FACE)
    c.arch(8, 13, 7, 8, colour, 1.8)
    c.line(0.5, 10, 15.5, 10, colour, 1.6)
    for x in (5, 8, 11):
        c.line(x + 0.5, 6, x + 0.5, 10, colour, 1.2)
    return c


def busy_glyph():
    c = menu_glyph(RED)
    for x in (3, 8, 13):
        c.disc(x, 14.5, 1.2, RED)
    return c


def letter_glyph(letter, colour, scale, ring):
    c = Canvas(21, 21, BUTTON_FACE)
    if ring:
        c.disc(10.5, 10.5, 10, ring)
        c.disc(10.5, 10.5, 8, BUTTON_FACE)
    w = Canvas.text_width(letter, scale)
    rows = [k for k, r in enumerate(__import__("canvas").FONT[letter]) if "#" in r]
    h = (rows[-1] - rows[0] + 1) * scale
    c.text((21 - w) // 2, (21 - h) // 2 - rows[0] * scale, letter, colour, scale)
    return c


def icon(size):
    transparent = (255, 0, 255)
    c = Canvas(size, size, transparent)
    s = size / 32
    c.disc(16 * s, 16 * s, 15.5 * s, NIGHT)
    bridge(c, 4 * s, 28 * s, 19 * s, 8 * s, max(1.5, 2.4 * s), max(3, round(4 * s)))
    return c


def main():
    out = sys.argv[1]
    os.makedirs(out, exist_ok=True)
    pictures = {
        "splash.bmp": splash(),
        "about1.bmp": about_picture(),
        "about2.bmp": about_banner(),
        "b_normal.bmp": menu_glyph(NAVY),
        "b_tran.bmp": busy_glyph(),
        "ns.bmp": letter_glyph("N", TEAL, 2, TEAL),
        "imagelist1.bmp": letter_glyph("e", BLUE, 3, None),
    }
    for name, canvas in pictures.items():
        with open(os.path.join(out, name), "wb") as f:
            f.write(canvas.bmp_bytes())
    with open(os.path.join(out, "wenb97.ico"), "wb") as f:
        f.write(icon_bytes([icon(32), icon(16)], (255, 0, 255)))


if __name__ == "__main__":
    main()
