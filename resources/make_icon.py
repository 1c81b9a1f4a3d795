#!/usr/bin/env python3
"""Draws the program's icon, a light-gun sight on a dark tile, from one list
of shapes: vantor_icon.xpm (48x48, compiled into the program),
vantor_icon.png (48x48, for the desktop entry) and vantor_icon.svg (the same
shapes, scalable). Run it again after changing the drawing:
    python3 resources/make_icon.py [OUTPUT_FOLDER]
"""
import math
import pathlib
import struct
import sys
import zlib

SIZE = 48
SAMPLES = 4  # per axis, for smooth edges
TILE = (31, 58, 95)
RING = (255, 100, 0)
CROSS = (240, 240, 240)
C = SIZE / 2


class RoundedSquare:
    def __init__(self, colour, margin, radius):
        self.colour, self.margin, self.radius = colour, margin, radius

    def covers(self, x, y):
        straight = C - self.margin - self.radius
        dx = max(abs(x - C) - straight, 0)
        dy = max(abs(y - C) - straight, 0)
        return math.hypot(dx, dy) <= self.radius

    def svg(self):
        side = SIZE - 2 * self.margin
        return (f'<rect x="{self.margin:g}" y="{self.margin:g}" width="{side:g}" height="{side:g}" '
                f'rx="{self.radius:g}" fill="{hex_colour(self.colour)}"/>')


class Bar:
    """An axis-parallel rectangle, given by its edges."""

    def __init__(self, colour, left, top, right, bottom):
        self.colour, self.left, self.top, self.right, self.bottom = colour, left, top, right, bottom

    def covers(self, x, y):
        return self.left <= x <= self.right and self.top <= y <= self.bottom

    def svg(self):
        return (f'<rect x="{self.left:g}" y="{self.top:g}" width="{self.right - self.left:g}" '
                f'height="{self.bottom - self.top:g}" fill="{hex_colour(self.colour)}"/>')


class Ring:
    """Centred on the tile; inner radius 0 makes a disc."""

    def __init__(self, colour, inner, outer):
        self.colour, self.inner, self.outer = colour, inner, outer

    def covers(self, x, y):
        return self.inner <= math.hypot(x - C, y - C) <= self.outer

    def svg(self):
        if self.inner == 0:
            return f'<circle cx="{C:g}" cy="{C:g}" r="{self.outer:g}" fill="{hex_colour(self.colour)}"/>'
        middle = (self.inner + self.outer) / 2
        return (f'<circle cx="{C:g}" cy="{C:g}" r="{middle:g}" fill="none" '
                f'stroke="{hex_colour(self.colour)}" stroke-width="{self.outer - self.inner:g}"/>')


def cross_bars(colour, half_width, gap_in, gap_out):
    """The four arms of the cross hair, leaving a gap round the centre."""
    w = half_width
    return [Bar(colour, C - w, C - gap_out, C + w, C - gap_in),
            Bar(colour, C - w, C + gap_in, C + w, C + gap_out),
            Bar(colour, C - gap_out, C - w, C - gap_in, C + w),
            Bar(colour, C + gap_in, C - w, C + gap_out, C + w)]


# Painted in this order, each over the ones before; nothing shows outside the
# tile.
TILE_SHAPE = RoundedSquare(TILE, margin=1, radius=9)
SHAPES = [TILE_SHAPE,
          *cross_bars(CROSS, half_width=1.3, gap_in=5.0, gap_out=21.0),
          Ring(RING, inner=13.5, outer=17.0),
          Ring(RING, inner=0, outer=2.6)]


def hex_colour(c):
    return f"#{c[0]:02x}{c[1]:02x}{c[2]:02x}"


def shade(x, y):
    """Colour of one sample point, None outside the tile."""
    colour = None
    for shape in SHAPES:
        if shape.covers(x, y):
            colour = shape.colour
    return colour if TILE_SHAPE.covers(x, y) else None


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


def xpm_text(pixels):
    palette = sorted({p for row in pixels for p in row if p is not None})
    chars = "abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789"
    codes = {p: chars[i // len(chars)] + chars[i % len(chars)] for i, p in enumerate(palette)}
    lines = [f'"{SIZE} {SIZE} {len(palette) + 1} 2"', '"   c None"']
    lines += [f'"{codes[p]} c {hex_colour(p)}"' for p in palette]
    lines += ['"' + "".join(codes[p] if p else "  " for p in row) + '"' for row in pixels]
    return ("/* XPM */\n/* The program's icon; drawn by make_icon.py. */\n"
            "static const char* const vantor_icon_xpm[] = {\n" + ",\n".join(lines) + "};\n")


def png_bytes(pixels):
    """RGBA, 8 bits a channel; the same pixels as the XPM."""
    def chunk(kind, data):
        return (struct.pack(">I", len(data)) + kind + data
                + struct.pack(">I", zlib.crc32(kind + data) & 0xFFFFFFFF))
    raw = b"".join(b"\0" + b"".join(bytes((*p, 255)) if p else b"\0\0\0\0" for p in row)
                   for row in pixels)
    header = struct.pack(">IIBBBBB", SIZE, SIZE, 8, 6, 0, 0, 0)
    return (b"\x89PNG\r\n\x1a\n" + chunk(b"IHDR", header)
            + chunk(b"IDAT", zlib.compress(raw, 9)) + chunk(b"IEND", b""))


def svg_text():
    body = "\n".join("  " + shape.svg() for shape in SHAPES)
    return (f'<svg xmlns="http://www.w3.org/2000/svg" width="{SIZE}" height="{SIZE}" '
            f'viewBox="0 0 {SIZE} {SIZE}">\n'
            "  <!-- The program's icon; drawn by make_icon.py. -->\n"
            f"{body}\n</svg>\n")


def main():
    folder = pathlib.Path(sys.argv[1]) if len(sys.argv) > 1 else pathlib.Path(__file__).parent
    pixels = [[pixel(x, y) for x in range(SIZE)] for y in range(SIZE)]
    (folder / "vantor_icon.xpm").write_text(xpm_text(pixels))
    (folder / "vantor_icon.png").write_bytes(png_bytes(pixels))
    (folder / "vantor_icon.svg").write_text(svg_text())


if __name__ == "__main__":
    main()
