#!/usr/bin/env python3
"""Draws the small carried glyphs pixel by pixel and writes them as RGBA PNGs.

Only the standard library is used, so the output is the same on every machine.
Usage: make_glyphs.py OUTPUT_DIR
"""
import math
import struct
import sys
import zlib
from pathlib import Path

WHITE_CLEAR = (255, 255, 255, 0)


def write_png(path, pixels):
    """pixels: list of rows, each a list of (r, g, b, a)."""
    height, width = len(pixels), len(pixels[0])

    def chunk(kind, data):
        body = kind + data
        return struct.pack(">I", len(data)) + body + struct.pack(">I", zlib.crc32(body) & 0xFFFFFFFF)

    raw = b"".join(b"\x00" + bytes(c for px in row for c in px) for row in pixels)
    dots_per_metre = 3780  # 96 dpi
    png = (b"\x89PNG\r\n\x1a\n"
           + chunk(b"IHDR", struct.pack(">IIBBBBB", width, height, 8, 6, 0, 0, 0))
           + chunk(b"pHYs", struct.pack(">IIB", dots_per_metre, dots_per_metre, 1))
           + chunk(b"IDAT", zlib.compress(raw, 9))
           + chunk(b"IEND", b""))
    Path(path).write_bytes(png)


def runs_to_mask(width, height, runs):
    """runs: {row: [(first, last), ...]} -> set of (x, y)."""
    mask = set()
    for y, spans in runs.items():
        for first, last in spans:
            mask.update((x, y) for x in range(first, last + 1))
    assert all(0 <= x < width and 0 <= y < height for x, y in mask)
    return mask


# --- check mark: 13 x 12 green tick ------------------------------------------

CHECK_MARK_RUNS = {
    0: [(11, 12)], 1: [(10, 11)], 2: [(8, 10)], 3: [(7, 10)], 4: [(6, 9)],
    5: [(0, 2), (6, 8)], 6: [(1, 3), (5, 8)], 7: [(2, 7)], 8: [(3, 7)],
    9: [(4, 6)], 10: [(4, 6)], 11: [(5, 5)],
}
CORE_GREEN = (0x5C, 0x93, 0x09)
EDGE_GREEN = (0xE4, 0xF0, 0xD2)


def check_mark():
    width, height = 13, 12
    mask = runs_to_mask(width, height, CHECK_MARK_RUNS)
    pixels = [[WHITE_CLEAR] * width for _ in range(height)]
    for x, y in mask:
        # Pixels with a transparent neighbour are the stroke's anti-aliased rim.
        neighbours = sum((x + dx, y + dy) in mask for dx, dy in ((1, 0), (-1, 0), (0, 1), (0, -1)))
        share = {4: 0.0, 3: 0.2, 2: 0.45}.get(neighbours, 0.7)
        colour = tuple(round(c + (e - c) * share) for c, e in zip(CORE_GREEN, EDGE_GREEN))
        pixels[y][x] = colour + (255,)
    return pixels


# --- arrows: black on clear ---------------------------------------------------

def arrow(runs, width, height):
    mask = runs_to_mask(width, height, runs)
    return [[(0, 0, 0, 255) if (x, y) in mask else WHITE_CLEAR for x in range(width)]
            for y in range(height)]


UP_RUNS = {0: [(3, 3)], 1: [(2, 4)], 2: [(1, 5)], 3: [(0, 6)]}
DOWN_RUNS = {3 - y: spans for y, spans in UP_RUNS.items()}
LEFT_RUNS = {0: [(3, 3)], 1: [(2, 3)], 2: [(1, 3)], 3: [(0, 3)], 4: [(1, 3)], 5: [(2, 3)], 6: [(3, 3)]}
RIGHT_RUNS = {y: [(3 - last, 3 - first) for first, last in spans] for y, spans in LEFT_RUNS.items()}


# --- caption glyphs: white pictogram, soft dark shadow, nearly clear ground ---

GROUND_ALPHA = 3       # almost transparent white
EDGE_LINE_ALPHA = 60   # faint white line along the top row and left column
SHADOW_ALPHA = 150     # darkest shadow right under a stroke


def line(points, x0, y0, x1, y1):
    steps = max(abs(x1 - x0), abs(y1 - y0))
    for i in range(steps + 1):
        points.add((round(x0 + (x1 - x0) * i / steps), round(y0 + (y1 - y0) * i / steps)))


def rect_outline(points, left, top, right, bottom, thick_top=False):
    line(points, left, top, right, top)
    line(points, left, bottom, right, bottom)
    line(points, left, top, left, bottom)
    line(points, right, top, right, bottom)
    if thick_top:
        line(points, left, top + 1, right, top + 1)


def help_strokes():
    p = set()
    line(p, 11, 4, 14, 4)
    p.update({(10, 5), (15, 5), (15, 6), (15, 7), (14, 8), (13, 9), (12, 9), (12, 10)})
    p.update({(12, 12), (12, 13), (13, 12), (13, 13)})
    return p


def main_menu_strokes():
    p = set()
    rect_outline(p, 9, 3, 16, 14)
    for y in (6, 8, 10, 12):
        line(p, 11, y, 14, y)
    return p


def minimise_strokes():
    p = set()
    line(p, 9, 11, 16, 11)
    line(p, 9, 12, 16, 12)
    return p


def maximise_strokes():
    p = set()
    rect_outline(p, 8, 4, 17, 12, thick_top=True)
    return p


def restore_strokes():
    p = set()
    rect_outline(p, 10, 3, 17, 9, thick_top=True)
    front = set()
    rect_outline(front, 8, 7, 15, 13, thick_top=True)
    p = {(x, y) for x, y in p if not (8 <= x <= 15 and 7 <= y <= 13)}
    return p | front


def close_strokes():
    p = set()
    for offset in (0, 1):
        line(p, 14 + offset, 4, 22 + offset, 12)
        line(p, 22 + offset, 4, 14 + offset, 12)
    return p


def blurred(width, height, strokes, radius=1.6):
    weights = {}
    reach = int(math.ceil(radius * 2))
    for dy in range(-reach, reach + 1):
        for dx in range(-reach, reach + 1):
            weights[(dx, dy)] = math.exp(-(dx * dx + dy * dy) / (2 * radius * radius))
    field = [[0.0] * width for _ in range(height)]
    for sx, sy in strokes:
        for (dx, dy), w in weights.items():
            x, y = sx + dx + 1, sy + dy + 1  # the shadow falls one pixel down and right
            if 0 <= x < width and 0 <= y < height:
                field[y][x] += w
    peak = max(max(row) for row in field) or 1.0
    return [[min(1.0, v / peak * 1.6) for v in row] for row in field]


def caption_glyph(width, height, strokes, edge_line):
    shadow = blurred(width, height, strokes)
    pixels = []
    for y in range(height):
        row = []
        for x in range(width):
            if (x, y) in strokes:
                row.append((255, 255, 255, 255))
                continue
            alpha = round(SHADOW_ALPHA * shadow[y][x])
            if alpha > GROUND_ALPHA:
                row.append((0, 0, 0, alpha))
            elif edge_line and (x == 0 or y == 0):
                row.append((255, 255, 255, EDGE_LINE_ALPHA))
            else:
                row.append((255, 255, 255, GROUND_ALPHA))
        pixels.append(row)
    if edge_line:
        for x in range(width):
            pixels[0][x] = (255, 255, 255, EDGE_LINE_ALPHA)
        for y in range(height):
            pixels[y][0] = (255, 255, 255, EDGE_LINE_ALPHA)
    return pixels


def main():
    out = Path(sys.argv[1])
    write_png(out / "check_mark.png", check_mark())
    write_png(out / "arrow_up.png", arrow(UP_RUNS, 7, 4))
    write_png(out / "arrow_down.png", arrow(DOWN_RUNS, 7, 4))
    write_png(out / "arrow_left.png", arrow(LEFT_RUNS, 4, 7))
    write_png(out / "arrow_right.png", arrow(RIGHT_RUNS, 4, 7))
    write_png(out / "caption_help.png", caption_glyph(26, 18, help_strokes(), False))
    write_png(out / "caption_main_menu.png", caption_glyph(26, 18, main_menu_strokes(), False))
    write_png(out / "caption_minimise.png", caption_glyph(26, 18, minimise_strokes(), True))
    write_png(out / "caption_maximise.png", caption_glyph(26, 18, maximise_strokes(), True))
    write_png(out / "caption_restore.png", caption_glyph(26, 18, restore_strokes(), True))
    write_png(out / "caption_close.png", caption_glyph(38, 18, close_strokes(), True))


if __name__ == "__main__":
    main()
