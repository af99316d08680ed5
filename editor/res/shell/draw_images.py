#!/usr/bin/env python3
"""Draws the IDE's tool-bar strips, tab images, icon and cursors (our own simple pictures)
and writes them beside this script. Run it again after changing a drawing."""
import os
import struct

HERE = os.path.dirname(os.path.abspath(__file__))
MAGENTA = (255, 0, 255)
GREY = (192, 192, 192)


def bmp24(path, width, height, pixel):
    row = (width * 3 + 3) & ~3
    data = bytearray()
    for y in range(height - 1, -1, -1):
        line = bytearray()
        for x in range(width):
            r, g, b = pixel(x, y)
            line += bytes((b, g, r))
        data += line + b"\0" * (row - len(line))
    header = struct.pack("<2sIHHI", b"BM", 54 + len(data), 0, 0, 54)
    info = struct.pack("<IiiHHIIiiII", 40, width, height, 1, 24, 0, len(data), 2835, 2835, 0, 0)
    with open(os.path.join(HERE, path), "wb") as f:
        f.write(header + info + data)


# Each picture is 16 x 15 pixels drawn from a few strokes: ('r', x0, y0, x1, y1, colour) fills
# a rectangle, ('f', x0, y0, x1, y1, colour) draws its frame.
def shape(strokes, background=GREY):
    def pixel(x, y):
        colour = background
        for kind, x0, y0, x1, y1, c in strokes:
            inside = x0 <= x <= x1 and y0 <= y <= y1
            if kind == "r" and inside:
                colour = c
            if kind == "f" and inside and (x in (x0, x1) or y in (y0, y1)):
                colour = c
        return colour
    return pixel


BLACK, WHITE, BLUE, RED, GREEN = (0, 0, 0), (255, 255, 255), (0, 0, 160), (176, 0, 0), (0, 128, 0)
YELLOW, BROWN = (224, 192, 0), (128, 64, 0)
PAGE = [("r", 3, 1, 12, 13, WHITE), ("f", 3, 1, 12, 13, BLACK)]
PICTURES = {
    "new": PAGE + [("r", 10, 1, 12, 3, GREY), ("f", 10, 1, 12, 3, BLACK)],
    "open": [("r", 1, 4, 13, 12, YELLOW), ("f", 1, 4, 13, 12, BROWN), ("r", 1, 3, 5, 4, BROWN)],
    "save": [("r", 2, 1, 13, 13, BLUE), ("r", 4, 1, 11, 5, WHITE), ("r", 5, 9, 10, 13, GREY)],
    "cut": [("r", 4, 1, 5, 8, BLACK), ("r", 10, 1, 11, 8, BLACK), ("f", 2, 9, 6, 13, RED),
            ("f", 9, 9, 13, 13, RED)],
    "copy": [("r", 1, 1, 8, 9, WHITE), ("f", 1, 1, 8, 9, BLACK), ("r", 6, 5, 13, 13, WHITE),
             ("f", 6, 5, 13, 13, BLACK)],
    "paste": [("r", 2, 2, 11, 13, BROWN), ("r", 5, 1, 8, 3, GREY), ("r", 6, 6, 14, 14, WHITE),
              ("f", 6, 6, 14, 14, BLACK)],
    "undo": [("r", 3, 5, 12, 6, BLUE), ("r", 11, 5, 12, 11, BLUE), ("r", 2, 3, 3, 8, BLUE)],
    "redo": [("r", 3, 5, 12, 6, BLUE), ("r", 3, 5, 4, 11, BLUE), ("r", 12, 3, 13, 8, BLUE)],
    "find": [("f", 2, 2, 9, 9, BLACK), ("r", 9, 9, 13, 13, BROWN)],
    "print": [("r", 4, 1, 11, 6, WHITE), ("f", 4, 1, 11, 6, BLACK), ("r", 1, 6, 14, 11, GREY),
              ("f", 1, 6, 14, 11, BLACK), ("r", 4, 10, 11, 14, WHITE)],
    "build": [("r", 2, 9, 13, 13, BROWN), ("r", 6, 2, 9, 9, GREY), ("f", 6, 2, 9, 9, BLACK)],
    "run": [("r", 4, 2, 5, 12, GREEN), ("r", 6, 3, 7, 11, GREEN), ("r", 8, 4, 9, 10, GREEN),
            ("r", 10, 5, 11, 9, GREEN), ("r", 12, 6, 13, 8, GREEN)],
    "about": [("r", 6, 2, 9, 4, BLUE), ("r", 6, 6, 9, 13, BLUE)],
}


def glyph_strip(path, names, size=(16, 15)):
    w, h = size
    pictures = [shape(PICTURES[n]) if n in PICTURES else letter(n) for n in names]
    bmp24(path, w * len(names), h, lambda x, y: pictures[x // w](x % w, y))


# Palette buttons carry a pattern of small bars standing for the word they insert.
def letter(seed):
    value = sum(ord(c) for c in seed)
    colour = [(0, 0, 128), (128, 0, 0), (0, 96, 0), (96, 0, 96)][value % 4]
    strokes = [("r", 2, 2, 13, 12, WHITE), ("f", 2, 2, 13, 12, colour)]
    for i in range(3):
        if value >> i & 1:
            strokes.append(("r", 4, 4 + 3 * i, 11, 5 + 3 * i, colour))
        else:
            strokes.append(("r", 4 + 3 * i, 4, 5 + 3 * i, 10, colour))
    return shape(strokes)


MAIN = ["new", "open", "save", "cut", "copy", "paste", "undo", "redo", "find", "print", "build", "run", "about"]
glyph_strip("Main.bmp", MAIN)
glyph_strip("MainSibling.bmp", MAIN)

# Tab images, 12 pixels each on magenta: 0 a clean page, 1 a page with a red mark (modified).
clean = shape([("r", 2, 0, 9, 11, WHITE), ("f", 2, 0, 9, 11, BLACK)], MAGENTA)
dirty = shape([("r", 2, 0, 9, 11, WHITE), ("f", 2, 0, 9, 11, BLACK), ("r", 4, 4, 7, 7, RED)], MAGENTA)
bmp24("TabImages.bmp", 24, 12, lambda x, y: (clean if x < 12 else dirty)(x % 12, y))


def icon_image(size, pixel, hotspot=None):
    """One 32-bit image with its AND mask for an icon or cursor file."""
    rows = bytearray()
    for y in range(size - 1, -1, -1):
        for x in range(size):
            colour = pixel(x, y)
            alpha = 0 if colour is None else 255
            r, g, b = colour or (0, 0, 0)
            rows += bytes((b, g, r, alpha))
    mask_row = ((size + 31) // 32) * 4
    mask = bytearray()
    for y in range(size - 1, -1, -1):
        bits = bytearray(mask_row)
        for x in range(size):
            if pixel(x, y) is None:
                bits[x // 8] |= 0x80 >> (x % 8)
        mask += bits
    info = struct.pack("<IiiHHIIiiII", 40, size, size * 2, 1, 32, 0, len(rows) + len(mask), 0, 0, 0, 0)
    return info + rows + mask


def write_icon(path, size, pixel, hotspot=None):
    image = icon_image(size, pixel)
    kind = 2 if hotspot else 1
    planes, bits = hotspot if hotspot else (1, 32)
    header = struct.pack("<HHH", 0, kind, 1)
    entry = struct.pack("<BBBBHHII", size, size, 0, 0, planes, bits, len(image), 22)
    with open(os.path.join(HERE, path), "wb") as f:
        f.write(header + entry + image)


def app_icon(x, y):
    # An ink stone: a dark rounded block with a brush stroke.
    if 3 <= x <= 28 and 5 <= y <= 27:
        if 8 <= x <= 23 and 10 <= y <= 13:
            return (200, 40, 40)
        if 8 <= x <= 23 and 16 <= y <= 22:
            return (240, 240, 240)
        return (24, 24, 48)
    return None


write_icon("Editor.ico", 32, app_icon)


def arrow_with(mark):
    def pixel(x, y):
        if x <= y < 16 and x < 10 and y - x < 12:
            return (0, 0, 0) if (x == 0 or y == x or y == 15 or y - x == 11) else (255, 255, 255)
        return mark(x, y)
    return pixel


# Cursors: an arrow with a small page (drag copy), a right-pointing arrow for the
# selection margin and an arrow with a plus (drag copy).
write_icon("MarginArrow.cur", 32, lambda x, y: (0, 0, 0) if (31 - x) <= y < 16 and x > 15 and (31 - x) > y - 12 else None,
           hotspot=(15, 0))
write_icon("DragMove.cur", 32, arrow_with(lambda x, y: (0, 0, 0) if 12 <= x <= 22 and 18 <= y <= 26 and
                                          (x in (12, 22) or y in (18, 26)) else None), hotspot=(0, 0))
write_icon("DragCopy.cur", 32, arrow_with(lambda x, y: (0, 0, 0) if (x == 17 and 17 <= y <= 27) or
                                          (y == 22 and 12 <= x <= 22) else None), hotspot=(0, 0))
