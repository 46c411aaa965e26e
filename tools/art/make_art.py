#!/usr/bin/env python3
"""Generates the program's artwork from scratch.

Writes the built-in skin (resources/bitmaps/b100..b110), the program icon
(resources/orvanta2.ico) and the sample folder skins (skins/<Name>/kx*.bmp). The same seeds
always give the same bytes, so this script is the source of the committed pictures:

    make_art.py               write every file
    make_art.py --check       only compare a fresh generation with the files on disk
    make_art.py --preview D   also put PNG previews of each skin into folder D
"""

import argparse
import os
import sys

try:
    from PIL import Image
except ImportError:
    sys.exit("make_art.py needs Pillow (Debian: python3-pil); try /usr/bin/python3 " + __file__)

import bmpfile
import icon
import layout as L
import painter
import themes
from painter import mix

ROOT = os.path.normpath(os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", ".."))
BUILTIN_DIR = "resources/bitmaps"
ICON_PATH = "resources/orvanta2.ico"
SKINS_DIR = "skins"
SPECIAL_COLOURS = 24   # palette entries kept for the field and the lettering


class Picture:
    """One output file: its path below the repository root, its bytes, and how it looks."""

    def __init__(self, path, data, image):
        self.path, self.data, self.image = path, data, image


# --- reducing colours --------------------------------------------------------------------

def nearest_indices(image, palette):
    """Palette index of each pixel, nearest by a weighted distance that favours green."""
    def distance(colour, i):
        return sum(w * (p - c) ** 2 for w, p, c in zip((2, 4, 3), palette[i], colour))

    nearest = {}
    for colour in image.getdata():
        if colour not in nearest:
            nearest[colour] = min(range(len(palette)), key=lambda i: distance(colour, i))
    return [nearest[colour] for colour in image.getdata()]


def button_palette(theme):
    """The 16 colours shared by all built-in buttons, derived from the theme."""
    dark, middle, light = theme.face
    face = [painter.scaled(dark, 0.45), painter.scaled(dark, 0.7), dark, mix(dark, middle, 0.5),
            middle, mix(middle, light, 0.5), light, mix(light, painter.LIGHT, 0.45)]
    lettering = [mix(dark, theme.text, 0.5), theme.text, theme.text_bright,
                 mix(painter.scaled(middle, 0.62), theme.text_bright, 0.35)]
    greyed = list(theme.blocked)
    return [painter.BLACK] + face + lettering + greyed


def special_colours(theme):
    """Colours the window needs exactly: the field, black and the shades of the lettering."""
    colours = [theme.field, painter.BLACK, theme.text, theme.text_bright]
    for step in range(1, 11):
        colours.append(mix(theme.stone[0], theme.text, step / 11))
        colours.append(mix(theme.stone[0], theme.text_bright, step / 11))
    return colours[:SPECIAL_COLOURS]


def to_256_colours(image, keep=(), exact=()):
    """Palette indices and palette for `image`, with the `keep` colours in the palette and the
    `exact` (box, colour) areas painted in exactly that colour."""
    keep = list(dict.fromkeys(keep))
    reduced = image.quantize(256 - len(keep), method=Image.Quantize.MEDIANCUT,
                             dither=Image.Dither.NONE)
    found = reduced.getpalette()[:3 * len(reduced.getcolors())]
    palette = list(dict.fromkeys(keep + [tuple(found[i:i + 3]) for i in range(0, len(found), 3)]))
    palette += [painter.BLACK] * (256 - len(palette))
    table = Image.new("P", (1, 1))
    table.putpalette([c for colour in palette for c in colour])
    indexed = image.quantize(palette=table, dither=Image.Dither.NONE)
    for box, colour in exact:
        indexed.paste(palette.index(colour), box.crop())
    return list(indexed.getdata()), palette


def shown(size, indices, palette):
    image = Image.new("RGB", size)
    image.putdata([palette[i] for i in indices])
    return image


def bmp_picture(path, image, bits, palette=None, keep=(), exact=()):
    """A Picture of `image` as a `bits`-deep bitmap (a fixed palette for 4 bits)."""
    if bits == 4:
        indices = nearest_indices(image, palette)
    else:
        indices, palette = to_256_colours(image, keep, exact)
    data = bmpfile.bmp_bytes(*image.size, indices, bits, palette)
    return Picture(path, data, shown(image.size, indices, palette))


# --- the sets of files -------------------------------------------------------------------

def skin(theme, folder, main_name, button_names, button_bits):
    """The window background and the button pictures of one skin."""
    field = [(L.FIELD_INSIDE, theme.field)]
    yield bmp_picture(f"{folder}/{main_name}", painter.main_window(theme), 8,
                      keep=special_colours(theme), exact=field)
    palette = button_palette(theme) if button_bits == 4 else None
    for stem, image in painter.button_pictures(theme).items():
        if stem in button_names:
            yield bmp_picture(f"{folder}/{button_names[stem]}", image, button_bits, palette)


def program_icon():
    images = icon.images()
    preview = Image.new("RGB", (48, 32))
    for i, (size, indices, palette, _) in enumerate(images):
        preview.paste(shown((size, size), indices, palette), (0 if i == 0 else 32, 0))
    return Picture(ICON_PATH, bmpfile.ico_bytes(images), preview)


def all_art():
    """Every generated file, keyed by its path below the repository root."""
    pictures = list(skin(themes.BUILTIN, BUILTIN_DIR, L.BUILTIN_MAIN, L.BUILTIN_BUTTONS, 4))
    for theme in themes.FOLDER_SKINS:
        pictures += skin(theme, f"{SKINS_DIR}/{theme.name}", L.FOLDER_MAIN, L.FOLDER_BUTTONS, 8)
    pictures.append(program_icon())
    return {p.path: p for p in pictures}


# --- what to do with them ----------------------------------------------------------------

def write(art):
    for path, picture in art.items():
        full = os.path.join(ROOT, path)
        os.makedirs(os.path.dirname(full), exist_ok=True)
        with open(full, "wb") as f:
            f.write(picture.data)
        print("wrote", path)


def check(art):
    """Names of the files on disk that differ from a fresh generation."""
    stale = []
    for path, picture in art.items():
        full = os.path.join(ROOT, path)
        on_disk = open(full, "rb").read() if os.path.exists(full) else None
        if on_disk != picture.data:
            stale.append(path)
    return stale


def preview(art, folder):
    """One PNG per skin: the window with its buttons in place and every button below it."""
    os.makedirs(folder, exist_ok=True)
    sets = [("builtin", BUILTIN_DIR, L.BUILTIN_MAIN, L.BUILTIN_BUTTONS)]
    sets += [(t.name, f"{SKINS_DIR}/{t.name}", L.FOLDER_MAIN, L.FOLDER_BUTTONS)
             for t in themes.FOLDER_SKINS]
    for name, where, main_name, button_names in sets:
        sheet = Image.new("RGB", (L.WINDOW[0], L.WINDOW[1] + 70), (24, 24, 24))
        sheet.paste(art[f"{where}/{main_name}"].image, (0, 0))
        for stem, box in L.PICTURE_PLACES.items():
            sheet.paste(art[f"{where}/{button_names[stem]}"].image, box[:2])
        x, y = 4, L.WINDOW[1] + 6
        for stem, file_name in button_names.items():
            image = art[f"{where}/{file_name}"].image
            if x + image.width > sheet.width:
                x, y = 4, y + 32
            sheet.paste(image, (x, y))
            x += image.width + 4
        sheet = sheet.resize((sheet.width * 2, sheet.height * 2), Image.Resampling.NEAREST)
        sheet.save(os.path.join(folder, f"{name}.png"))
    art[ICON_PATH].image.resize((384, 256), Image.Resampling.NEAREST).save(
        os.path.join(folder, "icon.png"))
    print("previews in", folder)


def main():
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("--check", action="store_true",
                        help="compare a fresh generation with the files on disk, write nothing")
    parser.add_argument("--preview", metavar="FOLDER", help="also write PNG previews there")
    args = parser.parse_args()
    art = all_art()
    if args.preview:
        preview(art, args.preview)
    if args.check:
        stale = check(art)
        for path in stale:
            print(f"{path}: differs from what make_art.py generates", file=sys.stderr)
        if stale:
            return 1
        print(f"all {len(art)} generated files are up to date")
        return 0
    write(art)
    return 0


if __name__ == "__main__":
    sys.exit(main())
