"""Colour themes: everything that differs between one skin and another.

Colours are (r, g, b). Ramps run dark, middle, light. `grain` lists the noise octaves of the
stone as (cell size in pixels, weight); `veins` is how dark its cracks are.
"""

from typing import NamedTuple

FIELD_COLOUR = (4, 2, 4)   # the black behind the display pane, the same in every skin


class Theme(NamedTuple):
    name: str
    seed: int
    stone: tuple            # window background ramp
    face: tuple             # button and caption-box ramp
    blocked: tuple          # greyed button ramp
    text: tuple
    text_bright: tuple      # pressed buttons and the program name
    grain: tuple
    veins: float
    relief: float           # how strongly the stone's bumps catch the light
    field: tuple = FIELD_COLOUR


GRANITE = Theme(
    name="Granite",
    seed=1973,
    stone=((46, 40, 36), (88, 79, 70), (132, 121, 107)),
    face=((38, 40, 18), (76, 78, 40), (114, 116, 68)),
    blocked=((52, 52, 50), (84, 84, 80), (116, 116, 110)),
    text=(82, 214, 74),
    text_bright=(150, 255, 118),
    grain=((56, 0.40), (22, 0.26), (9, 0.16), (4, 0.10), (1, 0.08)),
    veins=0.30,
    relief=1.6,
)

OCEAN = Theme(
    name="Ocean",
    seed=2024,
    stone=((14, 34, 56), (34, 70, 104), (70, 116, 152)),
    face=((12, 52, 64), (30, 90, 106), (66, 134, 148)),
    blocked=((46, 54, 60), (76, 84, 92), (108, 116, 124)),
    text=(104, 222, 244),
    text_bright=(200, 250, 255),
    grain=((80, 0.48), (30, 0.24), (11, 0.14), (4, 0.08), (1, 0.06)),
    veins=0.18,
    relief=1.2,
)

GRAPHITE = Theme(
    name="Graphite",
    seed=7,
    stone=((34, 34, 37), (64, 65, 69), (98, 99, 104)),
    face=((40, 38, 36), (72, 69, 64), (110, 105, 98)),
    blocked=((46, 46, 46), (74, 74, 74), (104, 104, 104)),
    text=(244, 172, 48),
    text_bright=(255, 222, 124),
    grain=((40, 0.30), (14, 0.24), (6, 0.20), (2, 0.14), (1, 0.12)),
    veins=0.12,
    relief=2.0,
)

BUILTIN = GRANITE
FOLDER_SKINS = (OCEAN, GRAPHITE)
