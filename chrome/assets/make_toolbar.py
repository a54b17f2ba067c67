#!/usr/bin/env python3
"""Draws the floating toolbar's six strip pictures and the window's icon
into data/tubiao/ with ImageMagick.

The strips are drawn at twice the toolbar's size (554 x 60 pixels at
192 dpi, so their natural size is the strip's 4155 x 450 twips) and stay
sharp on 2x screens. Three looks (normal, pressed, hover) in two sets:
the restore set shows a restore symbol on button 8, the minimize set a bar.
    chrome/assets/make_toolbar.py [data folder]
"""
import os
import subprocess
import sys

data = sys.argv[1] if len(sys.argv) > 1 else os.path.join(
    os.path.dirname(os.path.abspath(__file__)), "..", "..", "data")
out = os.path.join(data, "tubiao")
os.makedirs(out, exist_ok=True)

W, H = 554, 60
LOOKS = {  # face top, face bottom, rim, glyph, glyph shift
    "normal": ("#3a6fb8", "#1d467f", "#9cc0ee", "#ffffff", 0),
    "pressed": ("#132f59", "#21487f", "#0b1d38", "#d8e6f8", 2),
    "hover": ("#6fe07a", "#22a83a", "#d6ffd0", "#ffffff", 0),
}


def spot_left(i):
    return 32 + 56 * (i - 1)


def glyph(i, restore, cx, cy):
    """ImageMagick draw primitives of button i's symbol centred at cx, cy."""
    def poly(*pts):
        return "polygon " + " ".join(f"{cx + x},{cy + y}" for x, y in pts)

    def rect(x0, y0, x1, y1):
        return f"rectangle {cx + x0},{cy + y0} {cx + x1},{cy + y1}"

    if i == 1:
        return [poly((-6, -10), (10, 0), (-6, 10))]
    if i == 2:
        return [rect(-8, -9, -3, 9), rect(3, -9, 8, 9)]
    if i == 3:
        return [poly((0, -9), (-11, 0), (0, 9)), poly((11, -9), (0, 0), (11, 9))]
    if i == 4:
        return [poly((0, -9), (11, 0), (0, 9)), poly((-11, -9), (0, 0), (-11, 9))]
    if i == 5:
        return [rect(-8, -8, 8, 8)]
    if i == 6:
        return [rect(-10, -9, -7, 9), poly((9, -9), (-5, 0), (9, 9))]
    if i == 7:
        return [rect(7, -9, 10, 9), poly((-9, -9), (5, 0), (-9, 9))]
    if i == 8 and restore:
        return ["fill none", "stroke-width 3",
                f"rectangle {cx - 4},{cy - 10} {cx + 10},{cy + 3}",
                f"rectangle {cx - 10},{cy - 3} {cx + 4},{cy + 10}"]
    if i == 8:
        return [rect(-10, 5, 10, 9)]
    return ["stroke-width 4", "stroke-linecap round",
            f"line {cx - 8},{cy - 8} {cx + 8},{cy + 8}",
            f"line {cx + 8},{cy - 8} {cx - 8},{cy + 8}"]


def strip(look, restore):
    top, bottom, rim, ink, shift = LOOKS[look]
    args = ["convert", "-size", f"{W}x{H}", "gradient:#24508f-#0c2148",
            "-fill", "#7fa8e0", "-draw", f"rectangle 0,0 {W - 1},3"]
    # The two handles: grip dots at both ends.
    for x in (6, 10, 544, 548):
        for y in range(14, 48, 6):
            args += ["-fill", "#b9d2f2", "-draw", f"circle {x},{y} {x + 1},{y}"]
    for i in range(1, 10):
        x0 = spot_left(i) - 2
        face = f"gradient:{top}-{bottom}"
        args += ["(", "-size", "49x50", face, ")", "-geometry", f"+{x0}+4", "-composite"]
        args += ["-fill", "none", "-stroke", rim, "-strokewidth", "2",
                 "-draw", f"roundrectangle {x0},4 {x0 + 48},53 8,8", "+stroke"]
        cx, cy = x0 + 24 + shift, 29 + shift
        args += ["-fill", ink, "-stroke", ink, "-strokewidth", "1",
                 "-draw", " ".join(glyph(i, restore, cx, cy)), "+stroke"]
    return args


names = {"normal": "蓝色", "pressed": "蓝色按下", "hover": "亮绿色"}
for look, name in names.items():
    for restore, suffix in ((True, "(恢复)"), (False, "(最小化)")):
        path = os.path.join(out, f"{name}{suffix}.jpg")
        subprocess.run(strip(look, restore) + [
            "-units", "PixelsPerInch", "-density", "192", "-quality", "95",
            "-sampling-factor", "1x1", path], check=True)

# The window's icon is the program's icon (packaging/icons), copied into
# tubiao/ as 璇音坊.png.
