"""The program icon: a level meter, bars of square cells on black, in 16 colours."""

# The usual 16-colour palette, so the icon looks the same on any display.
PALETTE = (
    (0, 0, 0), (128, 0, 0), (0, 128, 0), (128, 128, 0),
    (0, 0, 128), (128, 0, 128), (0, 128, 128), (192, 192, 192),
    (128, 128, 128), (255, 0, 0), (0, 255, 0), (255, 255, 0),
    (0, 0, 255), (255, 0, 255), (0, 255, 255), (255, 255, 255),
)
BLACK, DARK_GREEN, GREEN, YELLOW, RED = 0, 2, 10, 11, 9

# size -> (cell, pitch, left/top margin, bar heights in cells); the tallest bar reaches the top.
METERS = {
    32: (3, 4, 1, (4, 6, 8, 5, 7, 3, 5, 2)),
    16: (2, 3, 1, (2, 4, 5, 3, 4)),
}


def cell_colour(row, rows):
    """Colour of the cell `row` steps up from the bottom of a meter `rows` cells tall."""
    if row == rows - 1:
        return RED
    share = row / (rows - 1)
    if share < 0.35:
        return DARK_GREEN
    if share < 0.6:
        return GREEN
    return YELLOW


def meter(size):
    """Top-down palette indices of the icon `size` pixels square."""
    cell, pitch, margin, bars = METERS[size]
    rows = max(bars)
    pixels = [BLACK] * (size * size)
    for column, height in enumerate(bars):
        for row in range(height):
            x0 = margin + column * pitch
            y0 = margin + (rows - 1 - row) * pitch
            for y in range(y0, y0 + cell):
                for x in range(x0, x0 + cell):
                    pixels[y * size + x] = cell_colour(row, rows)
    return pixels


def images():
    """(size, indices, palette, transparent) for each image of the icon, largest first."""
    return [(size, meter(size), PALETTE, [False] * size * size) for size in sorted(METERS,
                                                                                  reverse=True)]
