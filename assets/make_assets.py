#!/usr/bin/env python3
"""Remakes the committed images in this folder.

    python3 assets/make_assets.py

The icons and PNGs (the desktop icon at 16 to 128 px, all from one
drawing) are drawn and written here with the standard library
only. The background is drawn here too and handed to ImageMagick's
`convert` as a PPM, because writing a progressive JPEG by hand is not worth
it. The build only uses the committed files; run this after changing a
drawing.
"""

import os
import struct
import subprocess
import sys
import tempfile
import zlib

HERE = os.path.dirname(os.path.abspath(__file__))

# The classic 16-colour palette, in the order Windows bitmaps use.
PALETTE16 = [
    (0, 0, 0), (128, 0, 0), (0, 128, 0), (128, 128, 0),
    (0, 0, 128), (128, 0, 128), (0, 128, 128), (192, 192, 192),
    (128, 128, 128), (255, 0, 0), (0, 255, 0), (255, 255, 0),
    (0, 0, 255), (255, 0, 255), (0, 255, 255), (255, 255, 255),
]
BLACK, MAROON, NAVY, SILVER, GREY, RED, YELLOW, BLUE, WHITE = 0, 1, 4, 7, 8, 9, 11, 12, 15
CLEAR = None  # transparent pixel

# A 3x5 question mark and a 2x5 "i", scaled up where drawn.
QUESTION = ["###", "..#", ".##", "...", ".#."]
LETTER_I = ["#", ".", "#", "#", "#"]


def inside_heart(x, y, size):
    """The classic heart curve, fitted into a size x size square."""
    u = (x + 0.5) / size * 2.6 - 1.3
    v = 1.25 - (y + 0.5) / size * 2.6
    return (u * u + v * v - 1) ** 3 - u * u * v ** 3 <= 0


def heart_icon(size, mark=True):
    """Red heart with a dark rim, a highlight and, when big enough, a white question mark."""
    pixels = [[CLEAR] * size for _ in range(size)]
    # The bigger icons keep the 32 px look: rim and highlight grow with the size.
    grain = max(1, size // 32)
    for y in range(size):
        for x in range(size):
            if not inside_heart(x, y, size):
                continue
            rim = not all(inside_heart(x + dx, y + dy, size)
                          for dx, dy in ((grain, 0), (-grain, 0), (0, grain), (0, -grain)))
            pixels[y][x] = MAROON if rim else RED
    # highlight on the upper left lobe
    for (x, y) in ((size * 5 // 16, size * 4 // 16), (size * 4 // 16, size * 5 // 16)):
        stamp(pixels, ["#"], x, y, grain, WHITE)
    if mark:
        scale = size // 10
        left = size // 2 - (3 * scale) // 2
        top = size * 7 // 32
        stamp(pixels, QUESTION, left, top, scale, WHITE)
    return pixels


def info_icon(size):
    """Blue disc with a white "i"."""
    pixels = [[CLEAR] * size for _ in range(size)]
    centre = (size - 1) / 2
    radius = size / 2 - 0.5
    for y in range(size):
        for x in range(size):
            d = ((x - centre) ** 2 + (y - centre) ** 2) ** 0.5
            if d <= radius:
                pixels[y][x] = NAVY if d > radius - 1.2 else BLUE
    scale = max(2, size // 8)
    stamp(pixels, LETTER_I, size // 2 - scale // 2, size // 2 - (5 * scale) // 2, scale, WHITE)
    return pixels


def stamp(pixels, glyph, left, top, scale, colour):
    for gy, row in enumerate(glyph):
        for gx, cell in enumerate(row):
            if cell == "#":
                for sy in range(scale):
                    for sx in range(scale):
                        pixels[top + gy * scale + sy][left + gx * scale + sx] = colour


def mono_of(pixels):
    """Black rim and marks on white: the monochrome variant of a drawing."""
    return [[CLEAR if p is CLEAR else (BLACK if p in (MAROON, NAVY, WHITE) else WHITE) for p in row]
            for row in pixels]


def padded(row_bytes):
    return row_bytes + b"\0" * (-len(row_bytes) % 4)


def pack_bits(values, bits):
    out = bytearray()
    per_byte = 8 // bits
    for i in range(0, len(values), per_byte):
        byte = 0
        for j, value in enumerate(values[i:i + per_byte]):
            byte |= value << (8 - bits * (j + 1))
        out.append(byte)
    return bytes(out)


def ico_image(pixels, bits):
    """One icon image: BITMAPINFOHEADER, palette, colour bitmap, AND mask."""
    size = len(pixels)
    palette = [(0, 0, 0), (255, 255, 255)] if bits == 1 else PALETTE16
    header = struct.pack("<IiiHHIIiiII", 40, size, size * 2, 1, bits, 0, 0, 0, 0, 0, 0)
    colours = b"".join(struct.pack("<BBBB", b, g, r, 0) for (r, g, b) in palette)
    xor_rows, and_rows = [], []
    for row in reversed(pixels):  # bitmaps are stored bottom-up
        if bits == 1:
            indices = [0 if p in (CLEAR, BLACK) else 1 for p in row]
        else:
            indices = [0 if p is CLEAR else p for p in row]
        xor_rows.append(padded(pack_bits(indices, bits)))
        and_rows.append(padded(pack_bits([1 if p is CLEAR else 0 for p in row], 1)))
    return header + colours + b"".join(xor_rows) + b"".join(and_rows), len(palette)


def write_ico(path, images):
    """images: list of (pixels, bits per pixel)."""
    blobs = [ico_image(pixels, bits) + (len(pixels), bits) for pixels, bits in images]
    offset = 6 + 16 * len(blobs)
    directory = struct.pack("<HHH", 0, 1, len(blobs))
    data = b""
    for blob, colour_count, size, bits in blobs:
        directory += struct.pack("<BBBBHHII", size, size, colour_count, 0, 1, bits, len(blob), offset)
        offset += len(blob)
        data += blob
    with open(path, "wb") as f:
        f.write(directory + data)


def write_png(path, pixels):
    def chunk(kind, body):
        return struct.pack(">I", len(body)) + kind + body + struct.pack(">I", zlib.crc32(kind + body))

    size = len(pixels)
    raw = b""
    for row in pixels:
        raw += b"\0" + b"".join(
            bytes((0, 0, 0, 0)) if p is CLEAR else bytes(PALETTE16[p] + (255,)) for p in row)
    png = b"\x89PNG\r\n\x1a\n"
    png += chunk(b"IHDR", struct.pack(">IIBBBBB", size, size, 8, 6, 0, 0, 0))
    png += chunk(b"IDAT", zlib.compress(raw, 9))
    png += chunk(b"IEND", b"")
    with open(path, "wb") as f:
        f.write(png)


def background():
    """93 x 51: a warm gradient with a small heart at the right."""
    width, height = 93, 51
    rows = []
    for y in range(height):
        row = []
        for x in range(width):
            t = (x / (width - 1) + y / (height - 1)) / 2
            colour = (int(250 - 40 * t), int(235 - 150 * t), int(215 - 160 * t))
            hx, hy = x - 58, y - 8
            if 0 <= hx < 34 and 0 <= hy < 34 and inside_heart(hx, hy, 34):
                colour = (192, 0, 0)
            row.append(colour)
        rows.append(row)
    return width, height, rows


def write_progressive_jpeg(path, width, height, rows):
    with tempfile.TemporaryDirectory() as scratch:
        ppm = os.path.join(scratch, "background.ppm")
        with open(ppm, "wb") as f:
            f.write(b"P6 %d %d 255\n" % (width, height))
            f.write(bytes(c for row in rows for pixel in row for c in pixel))
        subprocess.run(["convert", ppm, "-strip", "-colorspace", "sRGB", "-type", "TrueColor",
                        "-interlace", "JPEG", "-quality", "88", path], check=True)


def main():
    heart32 = heart_icon(32)
    heart16 = heart_icon(16, mark=False)
    write_ico(os.path.join(HERE, "kwindel.ico"), [(mono_of(heart32), 1), (heart32, 4), (heart16, 4)])
    write_png(os.path.join(HERE, "kwindel-16.png"), heart16)
    write_png(os.path.join(HERE, "kwindel-32.png"), heart32)
    # The desktop's icon theme sizes, installed by the build.
    for size in (48, 64, 128):
        write_png(os.path.join(HERE, "kwindel-%d.png" % size), heart_icon(size))
    # The windows show PNGs, which Qt reads itself (an .ico takes a plugin);
    # kwindel.ico is the Windows executable's icon.
    write_png(os.path.join(HERE, "info-32.png"), info_icon(32))
    write_png(os.path.join(HERE, "info-16.png"), info_icon(16))
    write_progressive_jpeg(os.path.join(HERE, "info-background.jpg"), *background())
    return 0


if __name__ == "__main__":
    sys.exit(main())
