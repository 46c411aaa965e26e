#!/usr/bin/env python3
"""Checks the committed artwork: the built-in skin, the program icon and the sample skins.

Needs only the standard library. Exits with 1 and names every problem found, or prints a
one-line summary and exits with 0. Usage: check_art.py [repository root]
"""

import os
import sys

from bmpfile import Bitmap, read_icon_entries

WINDOW = (473, 314)
WIDE = (84, 28)
SMALL = (28, 25)

# Built-in skin: file -> (size, bits per pixel, palette entries).
BUILTIN = {
    "b100_main.bmp": (WINDOW, 8, 256),
    "b101_start_n.bmp": (WIDE, 4, 16),
    "b102_start_d.bmp": (WIDE, 4, 16),
    "b103_stop_n.bmp": (WIDE, 4, 16),
    "b104_stop_d.bmp": (WIDE, 4, 16),
    "b105_spare.bmp": (WIDE, 4, 16),
    "b106_about_n.bmp": (WIDE, 4, 16),
    "b107_about_d.bmp": (WIDE, 4, 16),
    "b108_custom_n.bmp": (SMALL, 4, 16),
    "b109_custom_d.bmp": (SMALL, 4, 16),
    "b110_custom_b.bmp": (SMALL, 4, 16),
}
BUILTIN_DIR = "resources/bitmaps"
FIELD_PIXEL = ((50, 50), (4, 2, 4))   # the program takes the pane's surround colour from here

# A skin folder holds exactly these files.
SKIN_FILES = {
    "kxMain.bmp": WINDOW,
    "kxStartN.bmp": WIDE, "kxStartD.bmp": WIDE,
    "kxStopN.bmp": WIDE, "kxStopD.bmp": WIDE,
    "kxAboutN.bmp": WIDE, "kxAboutD.bmp": WIDE,
    "kxBN.bmp": SMALL, "kxBD.bmp": SMALL, "kxBB.bmp": SMALL,
}
SKINS_DIR = "skins"
SAMPLE_SKINS = ("Ocean", "Graphite")
SKIN_DEPTHS = (4, 8, 24)

ICON = "resources/orvanta2.ico"
ICON_SIZES = (32, 16)


def load(root, path, problems):
    try:
        with open(os.path.join(root, path), "rb") as f:
            return Bitmap(f.read())
    except FileNotFoundError:
        problems.append(f"{path}: missing")
    except ValueError as error:
        problems.append(f"{path}: not a usable bitmap: {error}")
    return None


def check_shape(path, bitmap, size, depths, problems):
    if (bitmap.width, bitmap.height) != size:
        problems.append(f"{path}: {bitmap.width}x{bitmap.height}, expected {size[0]}x{size[1]}")
    if bitmap.bits not in depths:
        wanted = " or ".join(map(str, depths))
        problems.append(f"{path}: {bitmap.bits} bits per pixel, expected {wanted}")
    if not bitmap.bottom_up:
        problems.append(f"{path}: stored top-down, expected bottom-up")


def check_builtin(root, problems):
    for name, (size, bits, colours) in BUILTIN.items():
        path = f"{BUILTIN_DIR}/{name}"
        bitmap = load(root, path, problems)
        if not bitmap:
            continue
        check_shape(path, bitmap, size, (bits,), problems)
        if bitmap.colours_used != colours or len(bitmap.palette) != colours:
            problems.append(f"{path}: palette of {bitmap.colours_used} colours, expected {colours}")
        if name == "b100_main.bmp" and bitmap.bits == 8 and (bitmap.width, bitmap.height) == size:
            (x, y), wanted = FIELD_PIXEL
            found = bitmap.pixel(x, y)
            if found != wanted:
                problems.append(f"{path}: pixel ({x},{y}) is {found}, expected {wanted}")


def check_skin(root, name, problems):
    folder = f"{SKINS_DIR}/{name}"
    present = set(os.listdir(os.path.join(root, folder)))
    for extra in sorted(present - set(SKIN_FILES)):
        problems.append(f"{folder}/{extra}: not a skin file")
    for file_name, size in SKIN_FILES.items():
        path = f"{folder}/{file_name}"
        bitmap = load(root, path, problems)
        if bitmap:
            check_shape(path, bitmap, size, SKIN_DEPTHS, problems)


def check_skins(root, problems):
    base = os.path.join(root, SKINS_DIR)
    found = sorted(d for d in os.listdir(base) if os.path.isdir(os.path.join(base, d))) \
        if os.path.isdir(base) else []
    for name in SAMPLE_SKINS:
        if name not in found:
            problems.append(f"{SKINS_DIR}/{name}: sample skin missing")
    for name in found:
        check_skin(root, name, problems)


def check_icon(root, problems):
    try:
        with open(os.path.join(root, ICON), "rb") as f:
            entries = read_icon_entries(f.read())
    except FileNotFoundError:
        problems.append(f"{ICON}: missing")
        return
    except (ValueError, IndexError) as error:
        problems.append(f"{ICON}: not a usable icon: {error}")
        return
    sizes = tuple(e["width"] for e in entries)
    if sorted(sizes) != sorted(ICON_SIZES):
        problems.append(f"{ICON}: images of {sizes} pixels, expected {ICON_SIZES}")
    for e in entries:
        size = e["width"]
        label = f"{ICON}: {size}x{e['height']} image"
        xor = (size * 4 + 31) // 32 * 4 * size
        mask = (size + 31) // 32 * 4 * size
        if e["height"] != size or e["header_width"] != size or e["header_height"] != 2 * size:
            problems.append(f"{label}: header sizes do not match")
        if e["bits"] != 4 or e["header_bits"] != 4 or e["colours"] != 16:
            problems.append(f"{label}: not 16 colours at 4 bits per pixel")
        if e["header_size"] != 40 or e["bytes"] != 40 + 16 * 4 + xor + mask:
            problems.append(f"{label}: {e['bytes']} bytes, expected {40 + 64 + xor + mask}"
                            " (header, palette, colours and AND mask)")


def main():
    here = os.path.dirname(os.path.abspath(__file__))
    root = sys.argv[1] if len(sys.argv) > 1 else os.path.join(here, "..", "..")
    problems = []
    check_builtin(root, problems)
    check_icon(root, problems)
    check_skins(root, problems)
    for problem in problems:
        print("check_art:", problem, file=sys.stderr)
    if problems:
        print(f"check_art: {len(problems)} problem(s) found", file=sys.stderr)
        return 1
    print("check_art: built-in skin, icon and sample skins are in order")
    return 0


if __name__ == "__main__":
    sys.exit(main())
