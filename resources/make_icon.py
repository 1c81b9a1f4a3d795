#!/usr/bin/env python3
"""Draws the program's 48x48 icon, a light-gun sight on a dark tile, into
vantor_icon.xpm (compiled into the program) and vantor_icon.png (for the
desktop entry). Run it again after changing the drawing:
    python3 resources/make_icon.py && convert resources/vantor_icon.xpm resources/vantor_icon.png
"""
import math
import pathlib

SIZE = 48
SAMPLES = 4  # per axis, for smooth edges
TILE = (31, 58, 95)
RING = (255, 100, 0)
CROSS = (240, 240, 240)


def shade(x, y):
    """Colour and coverage of one sample point."""
    c = SIZE / 2
    # Rounded tile with a 9 px corner radius.
    r = 9
    dx = max(abs(x - c) - (c - 1 - r), 0)
    dy = max(abs(y - c) - (c - 1 - r), 0)
    if math.hypot(dx, dy) > r:
        return None
    d = math.hypot(x - c, y - c)
    if 13.5 <= d <= 17.0:
        return RING
    if d <= 2.6:
        return RING
    gap_in, gap_out = 5.0, 21.0
    if abs(x - c) <= 1.3 and gap_in <= abs(y - c) <= gap_out:
        return CROSS
    if abs(y - c) <= 1.3 and gap_in <= abs(x - c) <= gap_out:
        return CROSS
    return TILE


def pixel(px, py):
    colours = []
    for sy in range(SAMPLES):
        for sx in range(SAMPLES):
            colours.append(shade(px + (sx + 0.5) / SAMPLES, py + (sy + 0.5) / SAMPLES))
    inside = [c for c in colours if c is not None]
    if len(inside) * 2 < len(colours):
        return None
    # Blend and quantise, so the palette stays small.
    return tuple(min(255, round(sum(c[i] for c in inside) / len(inside) / 17) * 17) for i in range(3))


def main():
    pixels = [[pixel(x, y) for x in range(SIZE)] for y in range(SIZE)]
    palette = sorted({p for row in pixels for p in row if p is not None})
    chars = "abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789"
    codes = {p: chars[i // len(chars)] + chars[i % len(chars)] for i, p in enumerate(palette)}
    lines = [f'"{SIZE} {SIZE} {len(palette) + 1} 2"', '"   c None"']
    lines += [f'"{codes[p]} c #{p[0]:02x}{p[1]:02x}{p[2]:02x}"' for p in palette]
    lines += ['"' + "".join(codes[p] if p else "  " for p in row) + '"' for row in pixels]
    text = ("/* XPM */\n/* The program's icon; drawn by make_icon.py. */\n"
            "static const char* const vantor_icon_xpm[] = {\n" + ",\n".join(lines) + "};\n")
    pathlib.Path(__file__).with_name("vantor_icon.xpm").write_text(text)


if __name__ == "__main__":
    main()
