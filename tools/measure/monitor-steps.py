#!/usr/bin/env python3
"""Records a PulseAudio source (u8, 11025 Hz, mono) with a short latency and prints, one line
each, when its level steps up past LOUD - 10 or back down: "up SECONDS" or "down SECONDS" on
Linux's CLOCK_MONOTONIC_RAW, the clock Wine's programs read. Runs until killed.

Usage: monitor-steps.py SOURCE LOUD"""
import os
import subprocess
import sys
import time

RATE = 11025


def main():
    source, loud = sys.argv[1], int(sys.argv[2])
    recorder = subprocess.Popen(
        ["parec", "-d", source, "--raw", "--format=u8", "--rate=%d" % RATE, "--channels=1",
         "--latency-msec=5"], stdout=subprocess.PIPE)
    high = False
    while True:
        chunk = os.read(recorder.stdout.fileno(), 64)
        now = time.clock_gettime(time.CLOCK_MONOTONIC_RAW)
        if not chunk:
            return
        for i, sample in enumerate(chunk):
            if (sample > loud - 10) != high:
                high = not high
                # The sample came len(chunk) - i samples before the read returned.
                print("up" if high else "down", "%.6f" % (now - (len(chunk) - i) / RATE),
                      flush=True)


if __name__ == "__main__":
    main()
