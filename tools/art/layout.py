"""Where everything sits on the main window, in client pixels, and what it says.

One layout serves every skin; themes (themes.py) only change colours and textures.
"""

from typing import NamedTuple


class Box(NamedTuple):
    x: int
    y: int
    w: int
    h: int

    @property
    def right(self):  # last column inside
        return self.x + self.w - 1

    @property
    def bottom(self):  # last row inside
        return self.y + self.h - 1

    def grown(self, n):
        return Box(self.x - n, self.y - n, self.w + 2 * n, self.h + 2 * n)

    def corners(self):
        """(x0, y0, x1, y1) with the end pixels included, as ImageDraw wants them."""
        return (self.x, self.y, self.right, self.bottom)

    def crop(self):
        """(x0, y0, x1, y1) with the ends excluded, as Image.crop wants them."""
        return (self.x, self.y, self.x + self.w, self.y + self.h)


WINDOW = (473, 314)
WIDE_BUTTON = (84, 28)
SMALL_BUTTON = (28, 25)

TITLE = "Orvanta 2"
TITLE_STRIP = Box(8, 7, 406, 22)
MINIMISE_BOX = Box(419, 7, 21, 22)
CLOSE_BOX = Box(444, 7, 21, 22)

FIELD = Box(8, 35, 270, 270)          # sunken near-black surround of the display pane
FIELD_RIM = 2
FIELD_INSIDE = FIELD.grown(-FIELD_RIM)  # all of it exactly the field colour
PANE = Box(13, 40, 260, 260)          # covered by the live picture at run time

# Buttons the program lays over the background; Exit is painted on it.
START_BUTTON = Box(288, 35, 84, 28)
STOP_BUTTON = Box(381, 35, 84, 28)
ABOUT_BUTTON = Box(288, 70, 84, 28)
EXIT_BUTTON = Box(381, 70, 84, 28)
EXIT_WORD = "Выход"
COVERED_BUTTONS = (START_BUTTON, STOP_BUTTON, ABOUT_BUTTON)

SETTINGS_PANEL = Box(286, 105, 181, 127)
OPTIONS_PANEL = Box(286, 235, 181, 70)

# Drop-down lists with the caption written just above each.
LISTS = (
    ("Стиль", Box(296, 128, 162, 21)),
    ("Окраска", Box(296, 167, 126, 21)),
    ("Увеличение", Box(296, 206, 162, 21)),
)
LIST_CAPTION_GAP = 4                  # baseline this far above the list
CUSTOM_COLOURS_BUTTON = Box(429, 159, 28, 25)

# Check boxes with their text to the right.
CHECK_BOXES = (
    ("Поверх всех окон", Box(297, 243, 13, 13)),
    ("Покозать сетку", Box(297, 261, 13, 13)),
    ("Очистить экран", Box(297, 280, 13, 13)),
)
CHECK_TEXT_X = 315

# The button pictures: (file stem, size, word, state). A word of "..." is drawn as three dots.
DOTS = "..."
BUTTON_PICTURES = (
    ("start_n", WIDE_BUTTON, "Пуск", "normal"),
    ("start_d", WIDE_BUTTON, "Пуск", "pressed"),
    ("stop_n", WIDE_BUTTON, "Стоп", "normal"),
    ("stop_d", WIDE_BUTTON, "Стоп", "pressed"),
    ("spare", WIDE_BUTTON, EXIT_WORD, "normal"),
    ("about_n", WIDE_BUTTON, "Автор", "normal"),
    ("about_d", WIDE_BUTTON, "Автор", "pressed"),
    ("custom_n", SMALL_BUTTON, DOTS, "normal"),
    ("custom_d", SMALL_BUTTON, DOTS, "pressed"),
    ("custom_b", SMALL_BUTTON, None, "blocked"),
)

# File names of the built-in skin (resource number + stem) and of a skin folder.
BUILTIN_MAIN = "b100_main.bmp"
BUILTIN_BUTTONS = {stem: f"b{101 + i}_{stem}.bmp" for i, (stem, *_) in enumerate(BUTTON_PICTURES)}
FOLDER_MAIN = "kxMain.bmp"
FOLDER_BUTTONS = {
    "start_n": "kxStartN.bmp", "start_d": "kxStartD.bmp",
    "stop_n": "kxStopN.bmp", "stop_d": "kxStopD.bmp",
    "about_n": "kxAboutN.bmp", "about_d": "kxAboutD.bmp",
    "custom_n": "kxBN.bmp", "custom_d": "kxBD.bmp", "custom_b": "kxBB.bmp",
}
# Where each picture sits when the window is put together (previews).
PICTURE_PLACES = {
    "start_n": START_BUTTON, "stop_n": STOP_BUTTON, "about_n": ABOUT_BUTTON,
    "custom_n": CUSTOM_COLOURS_BUTTON,
}
