#!/usr/bin/env python3
"""Writes a Windows .ico from PNG files, each listed as SIZE:BITS:FILE.

BITS 8 stores a 256-colour palette image with a 1-bit transparency mask (what
old shells and small icon views pick), BITS 32 stores BGRA; a 256 x 256 image
is stored as PNG, as Windows expects. ImageMagick reads the pixels."""
import struct
import subprocess
import sys


def rgba(path, size):
    raw = subprocess.run(["convert", path, "-resize", f"{size}x{size}!", "-depth", "8", "rgba:-"],
                         check=True, capture_output=True).stdout
    return [raw[i:i + 4] for i in range(0, len(raw), 4)]


def and_mask(pixels, size):
    row_bytes = (size + 31) // 32 * 4
    out = bytearray()
    for y in reversed(range(size)):
        row = bytearray(row_bytes)
        for x in range(size):
            if pixels[y * size + x][3] < 128:
                row[x // 8] |= 0x80 >> (x % 8)
        out += row
    return bytes(out)


def dib(path, size, bits):
    pixels = rgba(path, size)
    header = struct.pack("<IiiHHIIiiII", 40, size, size * 2, 1, bits, 0, 0, 0, 0,
                         256 if bits == 8 else 0, 0)
    if bits == 32:
        body = b"".join(bytes((p[2], p[1], p[0], p[3]))
                        for y in reversed(range(size)) for p in pixels[y * size:(y + 1) * size])
        return header + body + and_mask(pixels, size)
    palette = {b"\0\0\0": 0}
    indices = []
    for p in pixels:
        key = p[:3] if p[3] >= 128 else b"\0\0\0"
        if key not in palette:
            if len(palette) == 256:
                sys.exit(f"{path}: more than 256 colours; quantise it first")
            palette[key] = len(palette)
        indices.append(palette[key])
    table = bytearray(256 * 4)
    for colour, index in palette.items():
        table[index * 4:index * 4 + 3] = bytes((colour[2], colour[1], colour[0]))
    row_bytes = (size + 3) // 4 * 4
    body = bytearray()
    for y in reversed(range(size)):
        row = bytearray(row_bytes)
        row[:size] = bytes(indices[y * size:(y + 1) * size])
        body += row
    return header + bytes(table) + bytes(body) + and_mask(pixels, size)


def main():
    output, specs = sys.argv[1], sys.argv[2:]
    images = []
    for spec in specs:
        size, bits, path = spec.split(":", 2)
        size, bits = int(size), int(bits)
        if size == 256:
            data = open(path, "rb").read()
        else:
            data = dib(path, size, bits)
        images.append((size, bits, data))
    directory = struct.pack("<HHH", 0, 1, len(images))
    offset = 6 + 16 * len(images)
    blobs = b""
    for size, bits, data in images:
        directory += struct.pack("<BBBBHHII", size % 256, size % 256, 0, 0, 1, bits, len(data),
                                 offset + len(blobs))
        blobs += data
    with open(output, "wb") as f:
        f.write(directory + blobs)


if __name__ == "__main__":
    main()
