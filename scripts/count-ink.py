#!/usr/bin/env python3
"""Counts the pixels of a PNG file within 40 of a colour in each channel and fails when they are
fewer than a minimum: count-ink.py FILE R,G,B MINIMUM. Reads 8-bit RGB and RGBA files (what Qt
writes) with the standard library alone."""
import struct
import sys
import zlib


def rows(path):
    data = open(path, "rb").read()
    if data[:8] != b"\x89PNG\r\n\x1a\n":
        raise SystemExit(f"{path} is not a PNG file")
    pos, idat, header = 8, b"", None
    while pos < len(data):
        length, kind = struct.unpack(">I4s", data[pos:pos + 8])
        body = data[pos + 8:pos + 8 + length]
        if kind == b"IHDR":
            header = struct.unpack(">IIBBBBB", body)
        elif kind == b"IDAT":
            idat += body
        pos += 12 + length
    width, height, depth, colour, _, _, interlace = header
    if depth != 8 or colour not in (2, 6) or interlace:
        raise SystemExit(f"{path}: only 8-bit RGB or RGBA without interlace is read")
    channels = 3 if colour == 2 else 4
    raw, stride = zlib.decompress(idat), width * channels
    previous = bytearray(stride)
    for y in range(height):
        kind = raw[y * (stride + 1)]
        line = bytearray(raw[y * (stride + 1) + 1:(y + 1) * (stride + 1)])
        for i in range(stride):
            left = line[i - channels] if i >= channels else 0
            up, corner = previous[i], previous[i - channels] if i >= channels else 0
            if kind == 1:
                line[i] = (line[i] + left) & 255
            elif kind == 2:
                line[i] = (line[i] + up) & 255
            elif kind == 3:
                line[i] = (line[i] + (left + up) // 2) & 255
            elif kind == 4:
                p = left + up - corner
                pa, pb, pc = abs(p - left), abs(p - up), abs(p - corner)
                line[i] = (line[i] + (left if pa <= pb and pa <= pc else up if pb <= pc else corner)) & 255
        yield [tuple(line[x:x + 3]) for x in range(0, stride, channels)]
        previous = line


def main():
    path, colour, minimum = sys.argv[1], tuple(int(c) for c in sys.argv[2].split(",")), int(sys.argv[3])
    count = sum(1 for row in rows(path) for pixel in row
                if all(abs(a - b) <= 40 for a, b in zip(pixel, colour)))
    print(f"{path}: {count} pixels of colour {sys.argv[2]}")
    return 0 if count >= minimum else 1


if __name__ == "__main__":
    sys.exit(main())
