#!/usr/bin/env python3
"""Converts an X window dump (xwd, TrueColor ZPixmap) to PNG: xwd2png.py IN.xwd OUT.png
[X Y W H], the last four cutting that rectangle out. Prints the picture's width and height."""
import struct
import sys
import zlib


def main(src, dst, crop=None):
    data = open(src, "rb").read()
    fields = struct.unpack(">25I", data[:100])
    (header_size, _version, pixmap_format, _depth, width, height, _xoffset, byte_order,
     _unit, _bit_order, _pad, bits_per_pixel, bytes_per_line, _visual_class, red_mask,
     green_mask, blue_mask, _bits_per_rgb, _entries, ncolors) = fields[:20]
    if pixmap_format != 2 or bits_per_pixel not in (24, 32):
        sys.exit("xwd2png: only 24/32-bit ZPixmap dumps are handled")
    offset = header_size + 12 * ncolors
    step = bits_per_pixel // 8
    order = "little" if byte_order == 0 else "big"

    def shift(mask):
        return (mask & -mask).bit_length() - 1

    shifts = [shift(m) for m in (red_mask, green_mask, blue_mask)]
    left, top = 0, 0
    if crop:
        left, top = max(0, crop[0]), max(0, crop[1])
        right, bottom = min(width, crop[0] + crop[2]), min(height, crop[1] + crop[3])
        width, height = right - left, bottom - top
    rows = []
    for y in range(top, top + height):
        line = data[offset + y * bytes_per_line: offset + y * bytes_per_line + (left + width) * step]
        out = bytearray(b"\x00")
        for x in range(left, left + width):
            p = int.from_bytes(line[x * step:(x + 1) * step], order)
            out += bytes(((p >> s) & 0xFF) for s in shifts)
        rows.append(bytes(out))

    def chunk(kind, body):
        return (struct.pack(">I", len(body)) + kind + body +
                struct.pack(">I", zlib.crc32(kind + body) & 0xFFFFFFFF))

    png = (b"\x89PNG\r\n\x1a\n" +
           chunk(b"IHDR", struct.pack(">IIBBBBB", width, height, 8, 2, 0, 0, 0)) +
           chunk(b"IDAT", zlib.compress(b"".join(rows), 9)) + chunk(b"IEND", b""))
    open(dst, "wb").write(png)
    print(width, height)


if __name__ == "__main__":
    main(sys.argv[1], sys.argv[2], [int(v) for v in sys.argv[3:7]] if len(sys.argv) >= 7 else None)
