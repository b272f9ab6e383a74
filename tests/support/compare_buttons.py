# SPDX-License-Identifier: GPL-3.0-or-later
"""Compares the skinned buttons of two screenshots of the board's client area (439 x 351 below
the menu bar), outside their captions; prints what it found, exits 1 where they differ.

A button's face is a vertical gradient, the same colour along each row, so its caption is the set
of pixels that differ from the face at the left end of their row. The caption box is the box
round both screenshots' captions (the focused button's dotted frame is drawn round its caption
and follows the caption's size, so it falls inside); outside it every pixel of the button
(border, cut corners, gradient) must be the same in both, and the box must keep clear of the
border.

One difference comes from the platforms' order of events, not from the pixels: a button's shape
is taken from the look it has at its first render, and a focused button is hot. On Windows the
board is activated, and its first button focused, before the first paint (five holes at the
corners, the hot look's); on X11 activation comes after it (six holes at the top-right and
bottom-left corners, the normal look's). So on the first button the diagonal pixel of those two
corners is left out, and reported.

Usage: compare_buttons.py <reference.png> <other.png> <differences.png>
"""
import subprocess
import sys

# Each button as x, y, width, height in the client area: the variant panel lies at 19, 16 and its
# buttons at the designed places; the close panel is docked at the bottom (351 - 53) and its
# button lies at 19, 14 in it.
VARIANT_AT = [(54, 24), (54, 86), (54, 148), (54, 210),
              (240, 24), (240, 86), (240, 148), (240, 210)]
BUTTONS = [(19 + x, 16 + y, 111, 25) for x, y in VARIANT_AT] + [(19, 351 - 53 + 14, 401, 25)]
FACE_COLUMN = 5  # inside the border, left of any caption
BORDER = 3       # rows and columns at each edge that a caption never reaches
# The focused button's corner pixels that its first render's look decides (see above).
SHAPE_PIXELS = {BUTTONS[0]: [(BUTTONS[0][2] - 2, 1), (1, BUTTONS[0][3] - 2)]}


def read_image(path):
    ppm = subprocess.run(["convert", path, "-depth", "8", "ppm:-"], check=True,
                         capture_output=True).stdout
    fields = ppm.split(maxsplit=4)
    width, height = int(fields[1]), int(fields[2])
    data = fields[4]
    return width, height, [[tuple(data[3 * (y * width + x):3 * (y * width + x) + 3])
                            for x in range(width)] for y in range(height)]


def caption_box(pixels, bx, by, w, h):
    xs, ys = [], []
    for y in range(by, by + h):
        face = pixels[y][bx + FACE_COLUMN]
        for x in range(bx + FACE_COLUMN, bx + w - FACE_COLUMN):
            if pixels[y][x] != face:
                xs.append(x)
                ys.append(y)
    if not xs:
        return None
    return min(xs), min(ys), max(xs), max(ys)


def main():
    ref_w, ref_h, ref = read_image(sys.argv[1])
    w_w, w_h, other = read_image(sys.argv[2])
    if (ref_w, ref_h) != (439, 351) or (w_w, w_h) != (439, 351):
        print(f"the screenshots are {ref_w}x{ref_h} and {w_w}x{w_h}, not 439x351")
        return 1
    failed = False
    marks = []
    for bx, by, w, h in BUTTONS:
        boxes = [caption_box(p, bx, by, w, h) for p in (ref, other)]
        if None in boxes:
            print(f"button at {bx},{by}: no caption in {'both' if boxes == [None, None] else 'one'}")
            failed = True
            continue
        x0 = min(b[0] for b in boxes)
        y0 = min(b[1] for b in boxes)
        x1 = max(b[2] for b in boxes)
        y1 = max(b[3] for b in boxes)
        if x0 < bx + BORDER or y0 < by + BORDER or x1 > bx + w - 1 - BORDER \
                or y1 > by + h - 1 - BORDER:
            print(f"button at {bx},{by}: the captions reach the border ({x0},{y0}-{x1},{y1})")
            failed = True
        compared = differing = 0
        skipped = [(bx + x, by + y) for x, y in SHAPE_PIXELS.get((bx, by, w, h), [])]
        for x, y in skipped:
            same = "the same" if ref[y][x] == other[y][x] else "different"
            print(f"button at {bx},{by}: corner pixel {x - bx},{y - by} left out, {same}")
        for y in range(by, by + h):
            for x in range(bx, bx + w):
                if x0 <= x <= x1 and y0 <= y <= y1 or (x, y) in skipped:
                    continue
                compared += 1
                if ref[y][x] != other[y][x]:
                    differing += 1
                    marks.append((x, y))
        print(f"button at {bx},{by} ({w}x{h}): caption box {x1 - x0 + 1}x{y1 - y0 + 1}, "
              f"{compared} pixels compared outside it, {differing} differ")
        failed = failed or differing > 0
    if marks:
        draw = " ".join(f"point {x},{y}" for x, y in marks[:5000])
        subprocess.run(["convert", sys.argv[2], "-fill", "red", "-draw", draw, sys.argv[3]],
                       check=False)
        print(f"the differing pixels are red in {sys.argv[3]}")
    return 1 if failed else 0


if __name__ == "__main__":
    sys.exit(main())
