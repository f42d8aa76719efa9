#!/usr/bin/env python3
"""Compares two PNG pictures of the same chart: png_diff.py A.png B.png. They must have the same
size, and every pixel that differs must lie in a small patch (a label's glyphs come out a little
differently from one font renderer to another); a curve, a grid line or a colour that moved
makes a taller patch or a longer one. Prints the patches; exits 1 when the pictures differ
otherwise."""
import struct
import sys
import zlib

MAX_PATCH_WIDTH = 320    # pixels: a label is one line, the longest shorter than this
MAX_PATCH_HEIGHT = 24


def read_png(path):
    data = open(path, "rb").read()
    assert data[:8] == b"\x89PNG\r\n\x1a\n", path
    position, chunks, header, palette = 8, [], None, None
    while position < len(data):
        length, kind = struct.unpack(">I4s", data[position:position + 8])
        body = data[position + 8:position + 8 + length]
        if kind == b"IHDR":
            header = struct.unpack(">IIBBBBB", body)
        elif kind == b"PLTE":
            palette = [tuple(body[i:i + 3]) for i in range(0, len(body), 3)]
        elif kind == b"IDAT":
            chunks.append(body)
        position += 12 + length
    width, height, depth, colour, _, _, interlace = header
    assert depth == 8 and colour in (2, 3, 6) and interlace == 0, (path, header)
    channels = {2: 3, 3: 1, 6: 4}[colour]
    raw = zlib.decompress(b"".join(chunks))
    stride = width * channels
    rows, previous = [], bytearray(stride)
    for y in range(height):
        kind = raw[y * (stride + 1)]
        line = bytearray(raw[y * (stride + 1) + 1:(y + 1) * (stride + 1)])
        for x in range(stride):
            left = line[x - channels] if x >= channels else 0
            up = previous[x]
            corner = previous[x - channels] if x >= channels else 0
            if kind == 1:
                line[x] = (line[x] + left) & 255
            elif kind == 2:
                line[x] = (line[x] + up) & 255
            elif kind == 3:
                line[x] = (line[x] + (left + up) // 2) & 255
            elif kind == 4:
                guess = left + up - corner
                pa, pb, pc = abs(guess - left), abs(guess - up), abs(guess - corner)
                line[x] = (line[x] + (left if pa <= pb and pa <= pc else up if pb <= pc else corner)) & 255
        if palette:
            rows.append([palette[index] for index in line])
        else:
            rows.append([tuple(line[x:x + 3]) for x in range(0, stride, channels)])
        previous = line
    return width, height, rows


def main():
    (width, height, first), (width2, height2, second) = read_png(sys.argv[1]), read_png(sys.argv[2])
    if (width, height) != (width2, height2):
        print(f"sizes differ: {width}x{height} and {width2}x{height2}")
        return 1
    differing = {(x, y) for y in range(height) for x in range(width) if first[y][x] != second[y][x]}
    # Patches: differing pixels joined when within 3 pixels of each other (one glyph, one word).
    patches, seen = [], set()
    for start in differing:
        if start in seen:
            continue
        seen.add(start)
        stack, patch = [start], []
        while stack:
            x, y = stack.pop()
            patch.append((x, y))
            for dx in range(-3, 4):
                for dy in range(-3, 4):
                    near = (x + dx, y + dy)
                    if near in differing and near not in seen:
                        seen.add(near)
                        stack.append(near)
        patches.append(patch)
    bad = 0
    for patch in patches:
        xs, ys = [p[0] for p in patch], [p[1] for p in patch]
        box = (min(xs), min(ys), max(xs) - min(xs) + 1, max(ys) - min(ys) + 1)
        if box[2] > MAX_PATCH_WIDTH or box[3] > MAX_PATCH_HEIGHT:
            print(f"not a label: {len(patch)} pixels differ in {box[2]}x{box[3]} at {box[0]},{box[1]}")
            bad += 1
    print(f"{len(differing)} of {width * height} pixels differ, in {len(patches)} patches")
    return 1 if bad else 0


sys.exit(main())
