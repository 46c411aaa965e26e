"""Painting the skin pictures: stone, bevels, sockets, lettering, button faces, the window.

Everything is drawn in full colour (RGB) and reduced to a palette afterwards by make_art.py.
All randomness comes from seeded generators, so the same theme always gives the same picture.
"""

import random

from PIL import Image, ImageChops, ImageDraw, ImageFilter, ImageFont

import layout as L

FONT_DIR = "/usr/share/fonts/truetype/dejavu/"

# Lettering: role -> (font file, pixel size, antialiased, extra weight in pixels).
TYPE = {
    "title": ("DejaVuSerif-Bold.ttf", 15, True, 0),
    "label": ("DejaVuSans-Bold.ttf", 11, True, 0),
    "button": ("DejaVuSans-Bold.ttf", 12, False, 0),
    "button_pressed": ("DejaVuSans-Bold.ttf", 12, False, 1),
}

BLACK = (0, 0, 0)
LIGHT = (255, 250, 235)


def font(role):
    name, size, _, _ = TYPE[role]
    return ImageFont.truetype(FONT_DIR + name, size, layout_engine=ImageFont.Layout.BASIC)


# --- colour arithmetic -------------------------------------------------------------------

def mix(a, b, t):
    return tuple(round(x + (y - x) * t) for x, y in zip(a, b))


def scaled(colour, factor):
    return tuple(max(0, min(255, round(c * factor))) for c in colour)


def along(ramp, t):
    """Colour at t in 0..1 along a dark, middle, light ramp."""
    t = max(0.0, min(1.0, t))
    return mix(ramp[0], ramp[1], t * 2) if t < 0.5 else mix(ramp[1], ramp[2], t * 2 - 1)


# --- stone -------------------------------------------------------------------------------

def _noise(size, cell, rng):
    """Smooth random values 0..1 with features about `cell` pixels across."""
    w, h = size
    gw, gh = w // cell + 4, h // cell + 4
    grid = Image.new("L", (gw, gh))
    grid.putdata([rng.randrange(256) for _ in range(gw * gh)])
    if cell > 1:
        grid = grid.resize((gw * cell, gh * cell), Image.Resampling.BICUBIC)
    return [v / 255 for v in grid.crop((cell, cell, cell + w, cell + h)).getdata()]


def _stretched(values, low=0.01, high=0.99):
    ordered = sorted(values)
    lo, hi = ordered[int(len(ordered) * low)], ordered[int(len(ordered) * high)]
    span = (hi - lo) or 1.0
    return [(v - lo) / span for v in values]


def stone(size, theme, seed, ramp):
    """A stone surface of `size` in the colours of `ramp`: mottled, cracked, lit from top left."""
    w, h = size
    rng = random.Random(seed)
    total = sum(weight for _, weight in theme.grain)
    height = [0.0] * (w * h)
    for cell, weight in theme.grain:
        layer = _noise(size, cell, rng)
        height = [a + b * weight / total for a, b in zip(height, layer)]
    height = _stretched(height)
    coarse, fine = _noise(size, 37, rng), _noise(size, 13, rng)
    veins = [max(0.0, 1 - abs(0.7 * a + 0.3 * b - 0.5) * 22) for a, b in zip(coarse, fine)]
    pixels = []
    for i, t in enumerate(height):
        up = height[i - w - 1] if i > w else t
        down = height[i + w + 1] if i + w + 1 < len(height) else t
        light = (1 + theme.relief * (up - down)) * (1 - theme.veins * veins[i])
        pixels.append(scaled(along(ramp, t), light))
    image = Image.new("RGB", size)
    image.putdata(pixels)
    return image


# --- light, shade and lines --------------------------------------------------------------

def blend(image, colour, mask):
    """Paint `colour` over `image` with the strength of each pixel of the L-mode `mask`."""
    image.paste(colour, (0, 0) + image.size, mask)


def with_mask(image, colour, draw):
    mask = Image.new("L", image.size, 0)
    draw(ImageDraw.Draw(mask))
    blend(image, colour, mask)


def darken(image, box, factor):
    region = image.crop(box.crop()).point(lambda v: round(v * factor))
    image.paste(region, box[:2])


def bevel(image, box, width, raised, light=150, dark=170):
    """A bevelled rim inside `box`: lit top-left edges if raised, lit bottom-right if sunken."""
    x0, y0, x1, y1 = box.corners()
    top_left, bottom_right = Image.new("L", image.size, 0), Image.new("L", image.size, 0)
    for i in range(width):
        fade = 1 - i / (width + 1)
        a, b = (light, dark) if raised else (dark, light)
        ImageDraw.Draw(top_left).line(
            [(x0 + i, y1 - i - 1), (x0 + i, y0 + i), (x1 - i - 1, y0 + i)], fill=round(a * fade))
        ImageDraw.Draw(bottom_right).line(
            [(x0 + i, y1 - i), (x1 - i, y1 - i), (x1 - i, y0 + i)], fill=round(b * fade))
    blend(image, LIGHT if raised else BLACK, top_left)
    blend(image, BLACK if raised else LIGHT, bottom_right)


def outline(image, box, strength=230):
    with_mask(image, BLACK, lambda d: d.rectangle(box.corners(), outline=strength))


def groove(image, box):
    """An etched line around `box`: dark, with a light line just inside and below it."""
    inner = box.grown(-1)
    with_mask(image, LIGHT, lambda d: d.rectangle(inner.corners(), outline=70))
    with_mask(image, BLACK, lambda d: d.rectangle((box.x, box.y, box.right - 1, box.bottom - 1),
                                                   outline=150))


def glow_light(image, strength=34):
    """Soft light falling from the top left across the whole window."""
    w, h = image.size
    mask = Image.new("L", (w, h))
    mask.putdata([round(255 * (x / w + y / h) / 2) for y in range(h) for x in range(w)])
    blend(image, BLACK, mask.point(lambda v: v * strength // 255))
    blend(image, LIGHT, ImageChops.invert(mask).point(lambda v: v * strength // 2 // 255))


# --- lettering ---------------------------------------------------------------------------

def baseline(role, middle):
    """The baseline that centres capital letters of `role` on the row `middle`."""
    top = font(role).getbbox("Н", anchor="ls")[1]
    return middle - top // 2


def text_mask(size, xy, word, role, anchor):
    mask = Image.new("L", size, 0)
    draw = ImageDraw.Draw(mask)
    draw.fontmode = "L" if TYPE[role][2] else "1"
    draw.text(xy, word, fill=255, font=font(role), anchor=anchor)
    for shift in range(1, TYPE[role][3] + 1):
        mask = ImageChops.lighter(mask, ImageChops.offset(mask, shift, 0))
    return mask


def letter(image, xy, word, role, colour, anchor="la", shadow=190, glow=0):
    """Write `word` with a dark drop shadow and, if `glow`, a soft halo of its own colour."""
    mask = text_mask(image.size, xy, word, role, anchor)
    if glow:
        halo = mask.filter(ImageFilter.GaussianBlur(2.2)).point(lambda v: min(255, v * glow // 100))
        blend(image, colour, halo)
    if shadow:
        blend(image, BLACK, ImageChops.offset(mask, 1, 1).point(lambda v: v * shadow // 255))
    blend(image, colour, mask)


def dots(image, centre, colour, size, shadow=190):
    """Three square dots side by side, the small button's mark."""
    cx, cy = centre
    step = size + 2
    corners = [(cx - size // 2 + dx, cy - size // 2) for dx in (-step, 0, step)]

    def squares(offset, fill):
        return lambda d: [d.rectangle((x + offset, y + offset, x + offset + size - 1,
                                       y + offset + size - 1), fill=fill) for x, y in corners]
    with_mask(image, BLACK, squares(1, shadow))
    with_mask(image, colour, squares(0, 255))


# --- buttons -----------------------------------------------------------------------------

def button_face(theme, size, word, state, seed):
    """A stone button of `size`: 'normal', 'pressed' (darker, word bolder) or 'blocked'."""
    w, h = size
    box = L.Box(0, 0, w, h)
    pressed = state == "pressed"
    face = stone(size, theme, seed, theme.blocked if state == "blocked" else theme.face)
    if pressed:
        darken(face, box, 0.62)
    outline(face, box)
    if state == "blocked":
        bevel(face, box.grown(-1), 2, raised=True, light=70, dark=80)
    else:
        bevel(face, box.grown(-1), 2, raised=not pressed)
    shift = 1 if pressed else 0
    centre = (w // 2 + shift, h // 2 + shift)
    colour = theme.text_bright if pressed else theme.text
    if word == L.DOTS:
        dots(face, centre, colour, 3 if pressed else 2)
    elif word:
        role = "button_pressed" if pressed else "button"
        letter(face, (centre[0], baseline(role, centre[1])), word, role, colour, anchor="ms",
               glow=60 if pressed else 0)
    return face


def caption_box(image, theme, box, mark, seed):
    """One of the two small raised boxes at the top right, with a '_' or 'X' mark."""
    face = stone(box[2:], theme, seed, theme.face)
    inner = L.Box(0, 0, box.w, box.h)
    outline(face, inner)
    bevel(face, inner.grown(-1), 2, raised=True)
    cx, cy = box.w // 2, box.h // 2
    if mark == "_":
        lines = [[(cx - 4, cy + 4), (cx + 4, cy + 4)], [(cx - 4, cy + 5), (cx + 4, cy + 5)]]
    else:
        lines = [[(cx - 4, cy - 4), (cx + 4, cy + 4)], [(cx - 4, cy + 4), (cx + 4, cy - 4)]]

    def strokes(offset, fill):
        return lambda d: [d.line([(x + offset, y + offset) for x, y in line], fill=fill, width=2)
                          for line in lines]
    with_mask(face, BLACK, strokes(1, 190))
    with_mask(face, theme.text, strokes(0, 255))
    image.paste(face, box[:2])


# --- the main window ---------------------------------------------------------------------

def socket(image, box, rim=2):
    """A recess the size of `box` that a button sits in."""
    hole = box.grown(rim)
    darken(image, hole, 0.55)
    darken(image, box, 0.5)
    bevel(image, hole, rim, raised=False, light=90, dark=200)


def title_strip(image, theme):
    strip = L.TITLE_STRIP
    darken(image, strip, 0.42)
    bevel(image, strip, 2, raised=False)
    middle = strip.y + strip.h // 2
    letter(image, (strip.x + strip.w // 2, baseline("title", middle)), L.TITLE, "title",
           theme.text_bright, anchor="ms", glow=70)


def display_field(image, theme):
    image.paste(theme.field, L.FIELD.crop())
    bevel(image, L.FIELD, L.FIELD_RIM, raised=False, light=120, dark=200)


def panel(image, box):
    darken(image, box, 0.82)
    bevel(image, box, 2, raised=False, light=110, dark=150)
    groove(image, box.grown(-4))


def settings_panel(image, theme):
    panel(image, L.SETTINGS_PANEL)
    for caption, box in L.LISTS:
        socket(image, box, rim=1)
        letter(image, (box.x, box.y - L.LIST_CAPTION_GAP), caption, "label", theme.text,
               anchor="ls")
    socket(image, L.CUSTOM_COLOURS_BUTTON)


def options_panel(image, theme):
    panel(image, L.OPTIONS_PANEL)
    for caption, box in L.CHECK_BOXES:
        socket(image, box, rim=1)
        middle = box.y + box.h // 2
        letter(image, (L.CHECK_TEXT_X, baseline("label", middle)), caption, "label", theme.text,
               anchor="ls")


def main_window(theme):
    """The whole background picture of the window in the colours of `theme`."""
    image = stone(L.WINDOW, theme, theme.seed, theme.stone)
    glow_light(image)
    frame = L.Box(0, 0, *L.WINDOW)
    outline(image, frame, 255)
    bevel(image, frame.grown(-1), 2, raised=True)
    title_strip(image, theme)
    caption_box(image, theme, L.MINIMISE_BOX, "_", theme.seed + 1)
    caption_box(image, theme, L.CLOSE_BOX, "X", theme.seed + 2)
    display_field(image, theme)
    for box in L.COVERED_BUTTONS:
        socket(image, box)
    socket(image, L.EXIT_BUTTON)
    exit_face = button_face(theme, L.WIDE_BUTTON, L.EXIT_WORD, "normal", theme.seed + 3)
    image.paste(exit_face, L.EXIT_BUTTON[:2])
    settings_panel(image, theme)
    options_panel(image, theme)
    return image


def button_pictures(theme):
    """Every button picture of `theme`, by stem; pressed and normal share one stone."""
    seeds = {}
    pictures = {}
    for stem, size, word, state in L.BUTTON_PICTURES:
        seed = seeds.setdefault(word, theme.seed + 10 + len(seeds))
        pictures[stem] = button_face(theme, size, word, state, seed)
    return pictures
