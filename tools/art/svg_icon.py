#!/usr/bin/env python3
"""Writes the Linux desktop icon: the program icon's 32-pixel level meter as a scalable SVG."""

import sys
from pathlib import Path

sys.path.insert(0, str(Path(__file__).resolve().parent))
from icon import METERS, PALETTE, cell_colour  # noqa: E402

SIZE = 32


def svg():
    cell, pitch, margin, bars = METERS[SIZE]
    rows = max(bars)
    cells = []
    for column, height in enumerate(bars):
        for row in range(height):
            red, green, blue = PALETTE[cell_colour(row, rows)]
            x = margin + column * pitch
            y = margin + (rows - 1 - row) * pitch
            cells.append(f'  <rect x="{x}" y="{y}" width="{cell}" height="{cell}" '
                         f'fill="#{red:02x}{green:02x}{blue:02x}"/>')
    return (f'<svg xmlns="http://www.w3.org/2000/svg" width="{SIZE}" height="{SIZE}" '
            f'viewBox="0 0 {SIZE} {SIZE}" shape-rendering="crispEdges">\n'
            f'  <rect width="{SIZE}" height="{SIZE}" fill="#000000"/>\n'
            + "\n".join(cells) + "\n</svg>\n")


if __name__ == "__main__":
    Path(sys.argv[1]).write_text(svg(), encoding="ascii")
