#!/usr/bin/python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""Converts the screen dump Xvfb keeps in its -fbdir (an XWD file, 24-bit TrueColor) to PNG.
Usage: xwd2png.py SCREEN.xwd OUT.png [X Y WIDTH HEIGHT]   (optionally a part of the screen)
Only the standard library: no image tool is needed on the build machine."""
import struct
import sys
import zlib


def read_xwd(path):
    with open(path, "rb") as f:
        data = f.read()
    header = struct.unpack(">25I", data[:100])
    header_size, width, height = header[0], header[4], header[5]
    byte_order, bits_per_pixel, bytes_per_line = header[7], header[11], header[12]
    ncolors = header[19]
    if bits_per_pixel != 32:
        raise SystemExit("xwd2png: only 32-bit screens are read, this one has %d" % bits_per_pixel)
    pixels = data[header_size + 12 * ncolors:]
    return width, height, bytes_per_line, byte_order, pixels


def png(width, height, rows):
    def chunk(kind, body):
        return (struct.pack(">I", len(body)) + kind + body
                + struct.pack(">I", zlib.crc32(kind + body) & 0xFFFFFFFF))
    raw = b"".join(b"\0" + row for row in rows)
    return (b"\x89PNG\r\n\x1a\n" + chunk(b"IHDR", struct.pack(">IIBBBBB", width, height, 8, 2, 0, 0, 0))
            + chunk(b"IDAT", zlib.compress(raw, 9)) + chunk(b"IEND", b""))


def main():
    width, height, stride, byte_order, pixels = read_xwd(sys.argv[1])
    x, y, w, h = (int(v) for v in sys.argv[3:7]) if len(sys.argv) >= 7 else (0, 0, width, height)
    rows = []
    for row in range(y, y + h):
        line = pixels[row * stride + 4 * x: row * stride + 4 * (x + w)]
        if byte_order == 0:  # LSBFirst: B G R x
            rgb = bytearray(3 * w)
            rgb[0::3], rgb[1::3], rgb[2::3] = line[2::4], line[1::4], line[0::4]
        else:  # MSBFirst: x R G B
            rgb = bytearray(3 * w)
            rgb[0::3], rgb[1::3], rgb[2::3] = line[1::4], line[2::4], line[3::4]
        rows.append(bytes(rgb))
    with open(sys.argv[2], "wb") as f:
        f.write(png(w, h, rows))


main()
