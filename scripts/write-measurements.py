#!/usr/bin/python3
"""Writes measurements into a folder as the measuring station does: for each one the
amplitude file, then the reference file, each created, written in pieces and closed.
The curves change from one measurement to the next, so every picture differs.

    scripts/write-measurements.py DIR [COUNT] [--pause SECONDS] [--piece-pause SECONDS]
"""
import argparse
import math
import os
import time


def amplitude_lines(k):
    for i in range(720):
        angle = i * 0.5
        wave = math.sin(math.radians(angle * (2 + k % 5)))
        yield "%d\t%.1f\t%.2f\t%.2f\t1480.0\t21.60\t0\t0.0\t0\t-35.0\n" % (
            i + 1, angle, 70 + 15 * wave + k % 10, 65 - 12 * wave, )


def reference_lines(k):
    for i in range(24):
        angle = i * 15.0
        red = 150 if (i + k) % 7 == 0 else 0
        line = 100 * math.sin(math.radians(angle + 10 * k))
        yield "%d\t%.1f\t0\t0\t0\t0\t%d\t%.1f\t0\t%.1f\n" % (i + 1, angle, red, line, -line)


def write_in_pieces(path, lines, pieces, piece_pause):
    text = "".join(lines).encode()
    step = max(1, len(text) // pieces)
    with open(path, "wb") as out:
        for start in range(0, len(text), step):
            out.write(text[start:start + step])
            out.flush()
            if piece_pause:
                time.sleep(piece_pause)


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("folder")
    parser.add_argument("count", nargs="?", type=int, default=1)
    parser.add_argument("--pause", type=float, default=0.0, help="between measurements")
    parser.add_argument("--piece-pause", type=float, default=0.0, help="between pieces of a file")
    parser.add_argument("--pieces", type=int, default=8)
    parser.add_argument("--first", type=int, default=1, help="number of the first measurement")
    args = parser.parse_args()
    os.makedirs(args.folder, exist_ok=True)
    for k in range(args.first, args.first + args.count):
        base = os.path.join(args.folder, "bearing%04d" % k)
        write_in_pieces(base + "_amp.txt", amplitude_lines(k), args.pieces, args.piece_pause)
        write_in_pieces(base + "_ref.txt", reference_lines(k), args.pieces, args.piece_pause)
        print("closed %s %.6f" % (base + "_amp.txt", time.monotonic()), flush=True)
        if args.pause:
            time.sleep(args.pause)


if __name__ == "__main__":
    main()
