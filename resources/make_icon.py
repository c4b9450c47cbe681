#!/usr/bin/env python3
"""Draws the program icon, a mouse pictogram, as a .ico file with a 32x32 and
a 16x16 image in 16 colours (4 bits per pixel, with a transparency mask)."""
import struct
import sys

# The standard 16-colour palette, as B, G, R, 0.
PALETTE = [
    (0, 0, 0), (128, 0, 0), (0, 128, 0), (128, 128, 0), (0, 0, 128), (128, 0, 128),
    (0, 128, 128), (192, 192, 192), (128, 128, 128), (255, 0, 0), (0, 255, 0),
    (255, 255, 0), (0, 0, 255), (255, 0, 255), (0, 255, 255), (255, 255, 255),
]
BLACK, GREY, SILVER, WHITE, BLUE = 0, 8, 7, 15, 12
TRANSPARENT = None


def draw_mouse(size):
    """Returns rows (top first) of palette indexes or None for transparent pixels."""
    s = size / 32.0
    cx, cy = 16 * s, 19 * s          # centre of the body
    rx, ry = 9.5 * s, 11.5 * s       # half width and half height of the body
    rows = []
    for y in range(size):
        row = []
        for x in range(size):
            px, py = x + 0.5, y + 0.5
            d = ((px - cx) / rx) ** 2 + ((py - cy) / ry) ** 2
            inner = ((px - cx) / (rx - 1.2 * s)) ** 2 + ((py - cy) / (ry - 1.2 * s)) ** 2
            if d <= 1.0:
                if inner > 1.0:
                    colour = BLACK                      # outline
                elif py < cy - 2 * s and abs(px - cx) < 0.8 * s + 0.3:
                    colour = BLACK                      # gap between the buttons
                elif abs(py - (cy - 2 * s)) < 0.6 * s + 0.2:
                    colour = BLACK                      # lower edge of the buttons
                elif py < cy - 2 * s:
                    colour = SILVER if px < cx else WHITE
                else:
                    colour = WHITE if px < cx - 3 * s else SILVER
                row.append(colour)
            elif py < cy - ry + 0.5 and abs(px - cx) < 0.8 * s + 0.3:
                row.append(BLUE)                        # the cable
            else:
                row.append(TRANSPARENT)
        rows.append(row)
    return rows


def dib(rows):
    size = len(rows)
    header = struct.pack("<IiiHHIIiiII", 40, size, size * 2, 1, 4, 0, 0, 0, 0, 16, 0)
    palette = b"".join(struct.pack("<BBBB", b, g, r, 0) for (r, g, b) in PALETTE)
    xor_stride = ((size * 4 + 31) // 32) * 4
    and_stride = ((size + 31) // 32) * 4
    xor, mask = b"", b""
    for row in reversed(rows):                          # bottom-up
        nibbles = [c if c is not None else 0 for c in row]
        line = bytes((nibbles[i] << 4) | nibbles[i + 1] for i in range(0, size, 2))
        xor += line.ljust(xor_stride, b"\0")
        bits = 0
        for i, c in enumerate(row):
            if c is None:
                bits |= 1 << (size - 1 - i)
        mask += bits.to_bytes(size // 8, "big").ljust(and_stride, b"\0")
    return header + palette + xor + mask


def main(path):
    images = [(size, dib(draw_mouse(size))) for size in (32, 16)]
    out = struct.pack("<HHH", 0, 1, len(images))
    offset = 6 + 16 * len(images)
    for size, data in images:
        out += struct.pack("<BBBBHHII", size, size, 16, 0, 1, 4, len(data), offset)
        offset += len(data)
    out += b"".join(data for _, data in images)
    with open(path, "wb") as f:
        f.write(out)


if __name__ == "__main__":
    main(sys.argv[1])
