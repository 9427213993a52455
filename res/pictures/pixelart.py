#!/usr/bin/env python3
"""Draws the small 16-colour pictures of the game and writes them as 4-bit
BMP files (and the icon as a 16-colour ICO with a transparency mask) with
the standard Windows 16-colour palette, in its order."""
import struct
import sys

# The standard 16-colour palette, index order (red, green, blue).
PALETTE = [
    (0, 0, 0), (128, 0, 0), (0, 128, 0), (128, 128, 0),
    (0, 0, 128), (128, 0, 128), (0, 128, 128), (192, 192, 192),
    (128, 128, 128), (255, 0, 0), (0, 255, 0), (255, 255, 0),
    (0, 0, 255), (255, 0, 255), (0, 255, 255), (255, 255, 255),
]
BLACK, PURPLE, SILVER, GREY, RED, BLUE, AQUA, WHITE = 0, 5, 7, 8, 9, 12, 14, 15
CLEAR = -1  # transparent, icon only


class Canvas:
    def __init__(self, width, height, ground=WHITE):
        self.width, self.height = width, height
        self.pixels = [[ground] * width for _ in range(height)]

    def put(self, x, y, colour):
        if 0 <= x < self.width and 0 <= y < self.height:
            self.pixels[y][x] = colour

    def fill(self, left, top, right, bottom, colour):
        """Fills columns left..right and rows top..bottom, both inclusive."""
        for y in range(top, bottom + 1):
            for x in range(left, right + 1):
                self.put(x, y, colour)

    def frame(self, left, top, right, bottom, colour):
        self.fill(left, top, right, top, colour)
        self.fill(left, bottom, right, bottom, colour)
        self.fill(left, top, left, bottom, colour)
        self.fill(right, top, right, bottom, colour)

    def stamp(self, rows, legend, left=0, top=0):
        """Copies a picture given as text rows; legend maps characters."""
        for dy, row in enumerate(rows):
            for dx, char in enumerate(row):
                if char in legend:
                    self.put(left + dx, top + dy, legend[char])


def computer():
    c = Canvas(32, 32)
    # Monitor: columns 5-25, rows 4-18; cyan screen lit blue at top and left.
    c.frame(5, 4, 25, 18, BLACK)
    c.fill(6, 5, 24, 17, SILVER)
    c.fill(8, 6, 22, 15, AQUA)
    c.fill(8, 6, 22, 6, BLUE)
    c.fill(8, 6, 8, 15, BLUE)
    c.frame(7, 5, 23, 16, GREY)
    c.put(22, 17, GREY)  # power lamp area
    # Two one-pixel legs.
    c.fill(11, 19, 11, 20, BLACK)
    c.fill(19, 19, 19, 20, BLACK)
    # Desktop case: columns 2-30, rows 21-30, with two drive slots and vents.
    c.frame(2, 21, 30, 30, BLACK)
    c.fill(3, 22, 29, 29, WHITE)
    c.frame(13, 23, 28, 25, BLACK)  # the long slot
    c.fill(14, 24, 27, 24, SILVER)
    c.frame(20, 26, 28, 28, BLACK)  # the short slot
    c.fill(21, 27, 27, 27, SILVER)
    for x in range(4, 12, 2):
        c.put(x, 28, BLACK)  # vent dots
    c.put(4, 23, RED)  # power light
    return c


DISC = [
    "..pppp..",
    ".prrrrp.",
    "prrrrrrp",
    "prrrrrrp",
    "prrrrrrp",
    "prrrrrrp",
    "prrrrrrp",
    ".prrrrp.",
    "..pppp..",
]


def bar(canvas, left, top, width):
    """A dumbbell lying flat: two discs joined by a five-pixel tube."""
    legend = {"p": PURPLE, "r": RED}
    canvas.fill(left + 4, top + 2, left + width - 5, top + 2, PURPLE)
    canvas.fill(left + 4, top + 3, left + width - 5, top + 5, WHITE)
    canvas.fill(left + 4, top + 4, left + width - 5, top + 4, SILVER)
    canvas.fill(left + 4, top + 6, left + width - 5, top + 6, PURPLE)
    canvas.stamp(DISC, legend, left, top)
    canvas.stamp(DISC, legend, left + width - 8, top)
    # A highlight on each disc.
    canvas.put(left + 2, top + 2, WHITE)
    canvas.put(left + width - 6, top + 2, WHITE)


def firewall_bar():
    c = Canvas(32, 9)
    bar(c, 0, 0, 32)
    return c


def leak_packet():
    c = Canvas(8, 8)
    c.stamp(["..kkkk..", ".kkkkkk.", "kkkkkkkk", "kkkkkkkk",
             "kkkkkkkk", "kkkkkkkk", ".kkkkkk.", "..kkkk.."], {"k": BLACK})
    return c


def normal_packet():
    c = Canvas(8, 8)
    c.stamp(["..kkkk..", ".k....k.", "k......k", "k......k",
             "k......k", "k......k", ".k....k.", "..kkkk.."], {"k": BLACK})
    return c


def app_icon():
    c = Canvas(32, 32, CLEAR)
    bar(c, 1, 12, 30)
    return c


def bmp4(canvas):
    stride = ((canvas.width + 1) // 2 + 3) & ~3
    rows = []
    for row in reversed(canvas.pixels):  # bottom-up
        packed = bytearray(stride)
        for x, colour in enumerate(row):
            packed[x // 2] |= colour << (4 if x % 2 == 0 else 0)
        rows.append(bytes(packed))
    bits = b"".join(rows)
    palette = b"".join(struct.pack("<BBBB", b, g, r, 0) for r, g, b in PALETTE)
    offset = 14 + 40 + len(palette)
    header = struct.pack("<2sIHHI", b"BM", offset + len(bits), 0, 0, offset)
    info = struct.pack("<IiiHHIIiiII", 40, canvas.width, canvas.height, 1, 4, 0,
                       len(bits), 2835, 2835, 16, 16)
    return header + info + palette + bits


def ico4(canvas):
    """One 32x32 16-colour image with its AND mask (1 = transparent)."""
    colour_rows, mask_rows = [], []
    for row in reversed(canvas.pixels):
        packed = bytearray(16)
        mask = bytearray(4)
        for x, colour in enumerate(row):
            if colour == CLEAR:
                mask[x // 8] |= 0x80 >> (x % 8)
                colour = BLACK
            packed[x // 2] |= colour << (4 if x % 2 == 0 else 0)
        colour_rows.append(bytes(packed))
        mask_rows.append(bytes(mask))
    palette = b"".join(struct.pack("<BBBB", b, g, r, 0) for r, g, b in PALETTE)
    bits = b"".join(colour_rows) + b"".join(mask_rows)
    info = struct.pack("<IiiHHIIiiII", 40, 32, 64, 1, 4, 0, len(bits), 0, 0, 16, 0)
    image = info + palette + bits
    directory = struct.pack("<HHH", 0, 1, 1)
    entry = struct.pack("<BBBBHHII", 32, 32, 16, 0, 1, 4, len(image), 6 + 16)
    return directory + entry + image


def main(out):
    for name, picture in [("node", computer()), ("bar", firewall_bar()),
                          ("leak", leak_packet()), ("normal", normal_packet())]:
        with open(f"{out}/{name}.bmp", "wb") as f:
            f.write(bmp4(picture))
    with open(f"{out}/app.ico", "wb") as f:
        f.write(ico4(app_icon()))


if __name__ == "__main__":
    main(sys.argv[1] if len(sys.argv) > 1 else ".")
