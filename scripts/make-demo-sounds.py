#!/usr/bin/env python3
"""Writes the demo game's sounds, made here from numbers: the house's tune
tema.mid and the music box's waltz caixinha.mid (General MIDI), the door's creak
porta.wav, the iron gate's clank and groan portao.wav, the chest's lid bau.wav
and the three clicks clk3.wav (a key), clk0a.wav and clk0b.wav (the quit
button's press and release).
Run it again after changing it: python3 scripts/make-demo-sounds.py games/demo"""
import math
import random
import struct
import sys
import wave
from pathlib import Path

RATE = 22050


def write_wave(path, samples):
    with wave.open(str(path), "wb") as w:
        w.setnchannels(1)
        w.setsampwidth(2)
        w.setframerate(RATE)
        w.writeframes(b"".join(struct.pack("<h", max(-32767, min(32767, int(s * 32767)))) for s in samples))


def click(ms, pitch, seed):
    rng = random.Random(seed)
    n = RATE * ms // 1000
    # A short knock: a decaying tone under a little noise.
    return [(0.6 * math.sin(2 * math.pi * pitch * i / RATE) + 0.3 * (rng.random() * 2 - 1)) * math.exp(-i / (n / 5))
            for i in range(n)]


def creak(seconds=0.9):
    n = int(RATE * seconds)
    out, phase = [], 0.0
    for i in range(n):
        t = i / n
        freq = 180 + 220 * t + 40 * math.sin(2 * math.pi * 7 * t)  # a hinge rising in pitch, wobbling
        phase += 2 * math.pi * freq / RATE
        grain = 1.0 if (i // 180) % 3 else 0.55  # the stick-slip of a dry hinge
        envelope = min(1.0, i / (RATE * 0.05)) * (1 - t) ** 0.7
        out.append(0.7 * envelope * grain * (math.sin(phase) + 0.35 * math.sin(3 * phase)))
    return out


def gate(seconds=1.4):
    """A latch struck, then a heavy hinge groaning low, slower than the door's."""
    rng = random.Random(5)
    n = int(RATE * seconds)
    out, phase = [], 0.0
    for i in range(n):
        t = i / n
        clank = sum(math.sin(2 * math.pi * f * i / RATE) for f in (523, 1187, 1902)) / 3 * math.exp(-i / (RATE * 0.08))
        freq = 95 + 60 * t + 15 * math.sin(2 * math.pi * 4 * t)
        phase += 2 * math.pi * freq / RATE
        grain = 1.0 if (i // 260) % 4 else 0.5
        groan = min(1.0, max(0.0, (t - 0.12) * 6)) * (1 - t) ** 0.8 * grain * (math.sin(phase) + 0.4 * math.sin(2 * phase))
        out.append(0.55 * clank + 0.5 * groan + 0.04 * (rng.random() * 2 - 1) * (1 - t))
    return out


def lid(seconds=0.6):
    """A small lock's click, then the wooden lid falling open with a thump."""
    rng = random.Random(9)
    n = int(RATE * seconds)
    out = []
    for i in range(n):
        click = math.sin(2 * math.pi * 2100 * i / RATE) * math.exp(-i / (RATE * 0.01))
        j = i - int(RATE * 0.25)
        thump = 0.0
        if j >= 0:
            thump = (math.sin(2 * math.pi * 70 * j / RATE) + 0.5 * (rng.random() * 2 - 1)) * math.exp(-j / (RATE * 0.06))
        out.append(0.5 * click + 0.7 * thump)
    return out


def var_len(n):
    out = [n & 0x7F]
    n >>= 7
    while n:
        out.insert(0, 0x80 | (n & 0x7F))
        n >>= 7
    return bytes(out)


def tune():
    """Eight bars for a flute over a plucked bass, 100 beats a minute."""
    melody = [(72, 1), (74, 1), (76, 2), (79, 1), (77, 1), (76, 2), (74, 1), (72, 1), (74, 2), (67, 4),
              (72, 1), (74, 1), (76, 2), (79, 1), (81, 1), (79, 2), (77, 1), (76, 1), (74, 2), (72, 4)]
    bass = [(48, 4), (53, 4), (55, 4), (43, 4), (48, 4), (53, 4), (55, 4), (48, 4)]
    return midi(((0, 73, melody, 90), (1, 33, bass, 70)), 600000)


def waltz():
    """Eight bars of a slow waltz on a music box, the house's tune in three, 120 beats a minute."""
    melody = [(79, 2), (76, 1), (77, 2), (74, 1), (76, 1), (72, 1), (74, 1), (67, 3),
              (79, 2), (81, 1), (79, 2), (77, 1), (76, 1), (74, 1), (72, 1), (72, 3)]
    bass = [(60, 1), (64, 1), (67, 1), (62, 1), (65, 1), (69, 1), (60, 1), (64, 1), (67, 1), (55, 1), (59, 1), (62, 1),
            (60, 1), (64, 1), (67, 1), (65, 1), (69, 1), (72, 1), (55, 1), (59, 1), (62, 1), (60, 3)]
    return midi(((0, 10, melody, 95), (1, 10, bass, 55)), 500000)


def midi(parts, tempo):
    """One track of (channel, program, (note, beats) list, velocity) parts, at a tempo in microseconds a beat."""
    tpq = 96
    events = []  # (tick, order, bytes)
    for channel, program, notes, velocity in parts:
        events.append((0, 0, bytes([0xC0 | channel, program])))
        tick = 0
        for note, beats in notes:
            events.append((tick, 2, bytes([0x90 | channel, note, velocity])))
            tick += beats * tpq
            events.append((tick - 8, 1, bytes([0x80 | channel, note, 0])))
    events.sort(key=lambda e: (e[0], e[1]))
    track = bytearray(b"\x00\xFF\x51\x03" + tempo.to_bytes(3, "big"))
    last = 0
    for tick, _, data in events:
        track += var_len(tick - last) + data
        last = tick
    track += b"\x00\xFF\x2F\x00"
    return b"MThd" + struct.pack(">IHHH", 6, 0, 1, tpq) + b"MTrk" + struct.pack(">I", len(track)) + bytes(track)


def main():
    folder = Path(sys.argv[1] if len(sys.argv) > 1 else "games/demo")
    (folder / "tema.mid").write_bytes(tune())
    (folder / "caixinha.mid").write_bytes(waltz())
    write_wave(folder / "porta.wav", creak())
    write_wave(folder / "portao.wav", gate())
    write_wave(folder / "bau.wav", lid())
    write_wave(folder / "clk3.wav", click(18, 2400, 3))
    write_wave(folder / "clk0a.wav", click(30, 900, 1))
    write_wave(folder / "clk0b.wav", click(30, 1300, 2))


if __name__ == "__main__":
    main()
