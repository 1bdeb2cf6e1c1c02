#!/usr/bin/env python3
"""Writes the About box game's three sounds into resources/sounds.

Run from anywhere: python3 tools/make_sounds.py
Only the standard library is used, and the output is the same on every run, so the WAV files in
the repository can always be made again from this script.

All three are 8-bit unsigned mono PCM:
  GameOver.wav  22050 Hz, 0.45 s  a falling three-note signal (start of a ball, end of a game)
  HitBar.wav    11025 Hz, 0.70 s  a low, soft knock (the bat and the bottom edge)
  HitBrick.wav  11025 Hz, 0.72 s  a short bright ping (a brick)
"""

import math
import pathlib
import wave

OUT = pathlib.Path(__file__).resolve().parent.parent / "resources" / "sounds"


def envelope(t, length, attack=0.005, decay=6.0):
    """A quick rise, then an exponential fall that reaches silence at the end."""
    rise = min(1.0, t / attack) if attack > 0 else 1.0
    fall = math.exp(-decay * t / length)
    tail = max(0.0, 1.0 - t / length)  # forces the very end to zero
    return rise * fall * tail


def write(name, rate, samples):
    """Samples are floats in -1..1; stored as unsigned bytes around 128."""
    data = bytes(max(0, min(255, round(128 + 127 * s))) for s in samples)
    with wave.open(str(OUT / name), "wb") as w:
        w.setnchannels(1)
        w.setsampwidth(1)
        w.setframerate(rate)
        w.writeframes(data)


def game_over(rate=22050, length=0.45):
    notes = [(784.0, 0.0), (622.3, 0.15), (523.3, 0.30)]  # G5, D#5, C5
    out = []
    for i in range(int(rate * length)):
        t = i / rate
        s = 0.0
        for freq, start in notes:
            if t >= start:
                local = t - start
                # a square-ish tone: the fundamental with a little of its third harmonic
                tone = math.sin(2 * math.pi * freq * local) + 0.3 * math.sin(6 * math.pi * freq * local)
                s += 0.7 * tone * envelope(local, length - start, decay=4.0)
        out.append(s)
    return out


def hit_bar(rate=11025, length=0.70):
    out = []
    for i in range(int(rate * length)):
        t = i / rate
        freq = 180.0 - 60.0 * (t / length)  # the knock sinks a little
        s = 0.8 * math.sin(2 * math.pi * freq * t) * envelope(t, length, decay=9.0)
        out.append(s)
    return out


def hit_brick(rate=11025, length=0.72):
    out = []
    for i in range(int(rate * length)):
        t = i / rate
        tone = math.sin(2 * math.pi * 1320.0 * t) + 0.4 * math.sin(2 * math.pi * 1980.0 * t)
        out.append(0.55 * tone * envelope(t, length, attack=0.002, decay=11.0))
    return out


def main():
    OUT.mkdir(parents=True, exist_ok=True)
    write("GameOver.wav", 22050, game_over())
    write("HitBar.wav", 11025, hit_bar())
    write("HitBrick.wav", 11025, hit_brick())
    for name in ("GameOver.wav", "HitBar.wav", "HitBrick.wav"):
        with wave.open(str(OUT / name), "rb") as w:
            print(f"{name}: {w.getframerate()} Hz, {w.getnframes() / w.getframerate():.2f} s")


if __name__ == "__main__":
    main()
