#!/usr/bin/env python3
"""Writes the Windows front end's pictures: corvane.ico (the application
icon, 16, 32 and 48 pixels) and start.bmp (the tall picture of the start
page). Run it again after changing the drawing; the outputs are committed."""
import os
import struct

HERE = os.path.dirname(os.path.abspath(__file__))


def icon_pixel(x, y, size):
    # A blue rounded square with a white sheet and an orange arrow.
    s = size
    r = s * 0.18
    inside = True
    for cx, cy in ((r, r), (s - 1 - r, r), (r, s - 1 - r), (s - 1 - r, s - 1 - r)):
        if (x < r or x > s - 1 - r) and (y < r or y > s - 1 - r):
            if (x - cx) ** 2 + (y - cy) ** 2 > r * r and abs(x - cx) <= r and abs(y - cy) <= r:
                inside = False
    if not inside:
        return (0, 0, 0, 0)
    if s * 0.22 <= x <= s * 0.62 and s * 0.16 <= y <= s * 0.84:
        if int(y) % max(2, s // 8) == 0 and s * 0.28 <= x <= s * 0.56 and y > s * 0.3:
            return (120, 130, 150, 255)
        return (255, 255, 255, 255)
    if s * 0.58 <= x <= s * 0.9 and abs(y - s * 0.5) <= (s * 0.9 - x) * 0.9 and x >= s * 0.66:
        return (240, 140, 30, 255)
    if s * 0.58 <= x <= s * 0.7 and abs(y - s * 0.5) <= s * 0.07:
        return (240, 140, 30, 255)
    return (30, 90, 170, 255)


def icon_image(size):
    rows = []
    for y in range(size - 1, -1, -1):  # bottom-up
        row = b""
        for x in range(size):
            r, g, b, a = icon_pixel(x + 0.5, y + 0.5, size)
            row += bytes((b, g, r, a))
        rows.append(row)
    xor = b"".join(rows)
    mask_row = ((size + 31) // 32) * 4
    and_mask = b"\0" * (mask_row * size)
    header = struct.pack("<IiiHHIIiiII", 40, size, size * 2, 1, 32, 0, len(xor) + len(and_mask), 0, 0, 0, 0)
    return header + xor + and_mask


def write_ico(path, sizes):
    images = [icon_image(s) for s in sizes]
    out = struct.pack("<HHH", 0, 1, len(images))
    offset = 6 + 16 * len(images)
    for s, img in zip(sizes, images):
        out += struct.pack("<BBBBHHII", s % 256, s % 256, 0, 0, 1, 32, len(img), offset)
        offset += len(img)
    with open(path, "wb") as f:
        f.write(out + b"".join(images))


def write_start_bmp(path, width, height):
    # A vertical gradient with a few pale bands: the start page's picture.
    row_bytes = (width * 3 + 3) & ~3
    data = b""
    for y in range(height - 1, -1, -1):
        t = y / (height - 1)
        row = b""
        for x in range(width):
            r = int(20 + 40 * t)
            g = int(70 + 90 * t)
            b = int(150 + 90 * t)
            if (y + 2 * x) % 46 < 3:
                r, g, b = min(255, r + 40), min(255, g + 40), min(255, b + 15)
            row += bytes((b, g, r))
        data += row + b"\0" * (row_bytes - width * 3)
    header = struct.pack("<IiiHHIIiiII", 40, width, height, 1, 24, 0, len(data), 2835, 2835, 0, 0)
    file_header = struct.pack("<2sIHHI", b"BM", 14 + len(header) + len(data), 0, 0, 14 + len(header))
    with open(path, "wb") as f:
        f.write(file_header + header + data)


if __name__ == "__main__":
    write_ico(os.path.join(HERE, "corvane.ico"), (16, 32, 48))
    write_start_bmp(os.path.join(HERE, "start.bmp"), 96, 240)
