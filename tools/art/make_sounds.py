#!/usr/bin/env python3
"""Synthesises the toolbar program's sound effects into OUTDIR as wave
files: "w_tran" (a page is being translated), "W7a7" (the content warning),
"W0a0" ... "W6a6" (seven chimes after the warning) and "Error.wav" (a
sentence the engine gave up on).

    make_sounds.py OUTDIR

Short 16-bit mono sounds at 22,050 Hz, made of sine tones with a soft
attack and decay so that they start and stop without a click.
"""

import math
import os
import struct
import sys
import wave

RATE = 22050


def tone(freq, seconds, volume=0.5, overtone=0.25, glide=0.0):
    """One note; glide moves the pitch by that many Hz over its length."""
    n = int(RATE * seconds)
    attack = max(1, int(RATE * 0.01))
    out = []
    phase = 0.0
    for k in range(n):
        f = freq + glide * k / n
        phase += 2 * math.pi * f / RATE
        env = min(1.0, k / attack) * (1 - k / n) ** 1.5
        v = math.sin(phase) + overtone * math.sin(2 * phase)
        out.append(volume * env * v / (1 + overtone))
    return out


def silence(seconds):
    return [0.0] * int(RATE * seconds)


def mix(*parts):
    n = max(len(p) for p in parts)
    return [sum(p[k] for p in parts if k < len(p)) / len(parts) for k in range(n)]


def write(path, samples):
    with wave.open(path, "wb") as w:
        w.setnchannels(1)
        w.setsampwidth(2)
        w.setframerate(RATE)
        w.writeframes(b"".join(struct.pack("<h", int(max(-1.0, min(1.0, s)) * 32000)) for s in samples))


# Notes of the C major scale and a little above, in Hz.
C5, D5, E5, G5, A5, C6, E6, G6 = 523.25, 587.33, 659.25, 783.99, 880.0, 1046.5, 1318.5, 1568.0


def sounds():
    yield "w_tran.wav", tone(C5, 0.09) + tone(E5, 0.09) + tone(G5, 0.09) + tone(C6, 0.2)
    yield "W7a7.wav", (tone(A5, 0.16, 0.6) + tone(E5, 0.16, 0.6)) * 2
    chimes = [
        [(C6, 0.3)],
        [(G5, 0.12), (C6, 0.25)],
        [(E5, 0.12), (G5, 0.12), (C6, 0.25)],
        [(C6, 0.12), (G5, 0.25)],
        [(A5, 0.15), (E6, 0.3)],
        [(D5, 0.1), (G5, 0.1), (D5, 0.2)],
        [(G6, 0.1), (E6, 0.1), (C6, 0.25)],
    ]
    for k, notes in enumerate(chimes):
        samples = []
        for freq, length in notes:
            samples += tone(freq, length, 0.45, 0.1)
        yield "W%da%d.wav" % (k, k), samples + silence(0.02)
    yield "Error.wav", mix(tone(220, 0.3, 0.7, 0.6, -60), tone(233, 0.3, 0.7, 0.6, -60))


def main():
    out = sys.argv[1]
    os.makedirs(out, exist_ok=True)
    for name, samples in sounds():
        write(os.path.join(out, name), samples)


if __name__ == "__main__":
    main()
