#!/usr/bin/env python3
"""Writes the Windows front end's pictures: corvane.ico (the application
icon, 16, 24, 32, 48, 64 and 256 pixels) and start.bmp (the tall picture of the start
page). Run it again after changing the drawing; the outputs are committed."""
import os
import struct
import zlib

HERE = os.path.dirname(os.path.abspath(__file__))


def icon_pixel(x, y, size):
    # A blue rounded square with a white sheet and an orange arrow. The
    # square fills [0, size] on both axes; (x, y) is a pixel's centre.
    s = size
    r = s * 0.18
    alpha = 255
    if (x < r or x > s - r) and (y < r or y > s - r):
        cx = r if x < r else s - r
        cy = r if y < r else s - r
        # Edge pixels partly covered, so that small sizes keep round corners.
        cover = r + 0.5 - ((x - cx) ** 2 + (y - cy) ** 2) ** 0.5
        if cover <= 0:
            return (0, 0, 0, 0)
        alpha = int(255 * min(1.0, cover))
    if alpha < 255:
        return (30, 90, 170, alpha)
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


def png_image(size):
    # Large images go into the icon as PNG, as Windows expects from 256 pixels.
    raw = b""
    for y in range(size):
        raw += b"\0"
        for x in range(size):
            raw += bytes(icon_pixel(x + 0.5, y + 0.5, size))

    def chunk(kind, data):
        return struct.pack(">I", len(data)) + kind + data + struct.pack(">I", zlib.crc32(kind + data) & 0xFFFFFFFF)

    header = struct.pack(">IIBBBBB", size, size, 8, 6, 0, 0, 0)
    return b"\x89PNG\r\n\x1a\n" + chunk(b"IHDR", header) + chunk(b"IDAT", zlib.compress(raw, 9)) + chunk(b"IEND", b"")


def write_ico(path, sizes):
    images = [png_image(s) if s >= 256 else icon_image(s) for s in sizes]
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
    write_ico(os.path.join(HERE, "corvane.ico"), (16, 24, 32, 48, 64, 256))
    write_start_bmp(os.path.join(HERE, "start.bmp"), 96, 240)
