#!/usr/bin/env python3
"""Draws the program's icon (sheets of lined paper with a pencil) at 16, 24, 32, 48, 64
and 96 pixels, 32-bit colour with alpha, and writes lorvena.ico. Run it again after
changing the drawing; the .ico is kept in the tree so the build needs no Python."""
import struct


def draw(n):
    px = [[(0, 0, 0, 0)] * n for _ in range(n)]
    s = n / 32.0

    def rect(x0, y0, x1, y1, c):
        for y in range(max(0, int(y0 * s)), min(n, int(round(y1 * s)))):
            for x in range(max(0, int(x0 * s)), min(n, int(round(x1 * s)))):
                px[y][x] = c

    # Two sheets, the back one offset, each with a grey outline and blue ruled lines.
    for off, face in ((4, (235, 235, 240, 255)), (0, (255, 255, 255, 255))):
        rect(3 + off, 2 + off * 0.5, 23 + off, 30 - (4 - off) * 0.5, (120, 120, 130, 255))
        rect(4 + off, 3 + off * 0.5, 22 + off, 29 - (4 - off) * 0.5, face)
    for y in range(8, 27, 4):
        rect(6, y, 20, y + max(1 / s, 1), (110, 150, 220, 255))
    rect(8, 4, 9, 28, (220, 90, 90, 255))      # the margin line
    # The pencil, drawn along the diagonal from top right down to the middle.
    for i in range(int(16 * s)):
        cx = int((29 - i / s) * s) if s else 0
        cy = int((6 + i / s) * s)
        for d in range(-max(1, int(2 * s)), max(1, int(2 * s)) + 1):
            x, y = cx + d, cy
            if 0 <= x < n and 0 <= y < n:
                tip = i > int(13 * s)
                px[y][x] = (60, 60, 60, 255) if tip else ((250, 190, 40, 255) if d else (230, 150, 20, 255))
    return px


def bmp_entry(n):
    px = draw(n)
    header = struct.pack('<IiiHHIIiiII', 40, n, n * 2, 1, 32, 0, 0, 0, 0, 0, 0)
    rows = b''
    for y in range(n - 1, -1, -1):
        rows += b''.join(struct.pack('BBBB', b, g, r, a) for (r, g, b, a) in px[y])
    mask_row = ((n + 31) // 32) * 4
    mask = b''
    for y in range(n - 1, -1, -1):
        bits = bytearray(mask_row)
        for x in range(n):
            if px[y][x][3] == 0:
                bits[x // 8] |= 0x80 >> (x % 8)
        mask += bytes(bits)
    return header + rows + mask


def main():
    sizes = [16, 24, 32, 48, 64, 96]
    images = [bmp_entry(n) for n in sizes]
    out = struct.pack('<HHH', 0, 1, len(sizes))
    offset = 6 + 16 * len(sizes)
    for n, img in zip(sizes, images):
        out += struct.pack('<BBBBHHII', n, n, 0, 0, 1, 32, len(img), offset)
        offset += len(img)
    out += b''.join(images)
    with open('lorvena.ico', 'wb') as f:
        f.write(out)


if __name__ == '__main__':
    main()
