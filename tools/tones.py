#!/usr/bin/env python3
"""Writes one second of three tones and their sum, a whole number of periods each (so a loop of it
has no seam), as unsigned 8-bit samples at 11025 Hz: the demo sound of the screenshots and
measurements.

Usage: tools/tones.py OUT.u8
"""
import math
import sys

RATE = 11025
samples = bytearray()
for n in range(RATE):
    t = n / RATE
    v = 0.5 * math.sin(2 * math.pi * 220 * t) + 0.3 * math.sin(2 * math.pi * 660 * t) \
        + 0.15 * math.sin(2 * math.pi * 1375 * t)
    samples.append(max(0, min(255, round(128 + 120 * v))))
with open(sys.argv[1], "wb") as out:
    out.write(samples)
