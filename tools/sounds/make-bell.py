#!/usr/bin/env python3
"""Writes the new-prescription bell: one second of 16-bit mono PCM at 22,050 Hz, two
struck partials of a small bell with an exponential decay. Run once; the result is kept
in src/platform/qt/bell.wav and carried as a Qt resource."""
import math
import struct
import sys
import wave

RATE = 22050
SECONDS = 1.0
# (frequency in Hz, relative loudness, decay per second)
PARTIALS = [(1318.5, 0.55, 5.0), (2637.0, 0.25, 8.0), (3951.0, 0.12, 12.0)]


def samples():
    for i in range(int(RATE * SECONDS)):
        t = i / RATE
        attack = min(1.0, t / 0.004)  # a short attack, no click
        value = sum(a * math.exp(-d * t) * math.sin(2 * math.pi * f * t) for f, a, d in PARTIALS)
        yield int(max(-1.0, min(1.0, value * attack)) * 32000)


def main(path):
    with wave.open(path, "wb") as out:
        out.setnchannels(1)
        out.setsampwidth(2)
        out.setframerate(RATE)
        out.writeframes(b"".join(struct.pack("<h", s) for s in samples()))


if __name__ == "__main__":
    main(sys.argv[1] if len(sys.argv) > 1 else "src/platform/qt/bell.wav")
