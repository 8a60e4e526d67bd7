#!/usr/bin/env python3
"""Finds the meter's bars in a screenshot (binary PPM on stdin).

Usage: bars.py < SCREENSHOT.ppm

Prints one line per bar found, top to bottom: "KIND TOP LENGTH", where LENGTH is the longest
horizontal run of the bar's fill colour in any of its rows (the centred percentage text breaks
the run only in the rows it covers). Kinds: blue, lime, red for the gauges' pure fills;
progress for the style's highlight fill of progress bars. Runs shorter than MIN_RUN pixels
(icons, text) are not bars.
"""

import sys

MIN_RUN = 20


def read_ppm(data):
    fields = []
    pos = 0
    while len(fields) < 4:
        while data[pos:pos + 1].isspace():
            pos += 1
        if data[pos:pos + 1] == b"#":
            pos = data.index(b"\n", pos)
            continue
        end = pos
        while not data[end:end + 1].isspace():
            end += 1
        fields.append(data[pos:end])
        pos = end
    pos += 1
    if fields[0] != b"P6" or int(fields[3]) != 255:
        sys.exit("expected an 8-bit binary PPM")
    return int(fields[1]), int(fields[2]), data[pos:]


def near(px, rgb, tolerance=24):
    return all(abs(a - b) <= tolerance for a, b in zip(px, rgb))


GAUGE_FILLS = {"blue": (0, 0, 255), "lime": (0, 255, 0), "red": (255, 0, 0)}


def gauge_kind(px):
    for kind, rgb in GAUGE_FILLS.items():
        if near(px, rgb):
            return kind
    return None


def progress_kind(px):
    # A saturated mid blue, as highlight colours are; title bars and greys are far paler.
    r, g, b = px
    if b >= 120 and b - r >= 90 and b - g >= 30 and not near(px, GAUGE_FILLS["blue"]):
        return "progress"
    return None


def longest_runs(width, height, pixels, classify):
    """For each row, the longest run per kind: {row: {kind: length}}."""
    rows = {}
    for y in range(height):
        base = y * width * 3
        best = {}
        kind = None
        run = 0
        for x in range(width):
            i = base + 3 * x
            k = classify((pixels[i], pixels[i + 1], pixels[i + 2]))
            if k is not None and k == kind:
                run += 1
            else:
                kind, run = k, 1
            if k is not None and run > best.get(k, 0):
                best[k] = run
        rows[y] = {k: n for k, n in best.items() if n >= MIN_RUN}
    return rows


def group_bars(rows):
    """Consecutive rows holding a long run of the same kind form one bar."""
    bars = []
    open_bars = {}
    for y in sorted(rows):
        for kind in list(open_bars):
            if kind not in rows[y]:
                bars.append(open_bars.pop(kind))
        for kind, length in rows[y].items():
            bar = open_bars.setdefault(kind, {"kind": kind, "top": y, "length": 0})
            bar["length"] = max(bar["length"], length)
    bars.extend(open_bars.values())
    return sorted(bars, key=lambda b: b["top"])


def classify(px):
    return gauge_kind(px) or progress_kind(px)


def main():
    if len(sys.argv) != 1:
        sys.exit(__doc__)
    width, height, pixels = read_ppm(sys.stdin.buffer.read())
    for bar in group_bars(longest_runs(width, height, pixels, classify)):
        print(bar["kind"], bar["top"], bar["length"])


if __name__ == "__main__":
    main()
