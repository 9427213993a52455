#!/usr/bin/env python3
"""Composes the game's background tune and encodes it as wallo.ogg with oggenc.

44.1 kHz stereo. Two bars of intro (exactly 184,064 frames: the game loops
from there), then sixteen bars that repeat: a theme over Am-F-C-G, an answer
over F-G-Em-Am, and a last bar on E that leads back to the theme. Every note
has ended before the loop point and before the end, so each repetition joins
the theme cleanly after the player's short silence.

Pure standard library; run from anywhere, writes wallo.ogg next to itself.
"""
import array
import math
import os
import random
import subprocess
import tempfile
import wave

RATE = 44100
BEAT = 23008  # frames: 8 beats of intro are the loop start, 184,064
INTRO_BEATS = 8
LOOP_BEATS = 64
TOTAL = (INTRO_BEATS + LOOP_BEATS) * BEAT

left = array.array("d", bytes(8 * TOTAL))
right = array.array("d", bytes(8 * TOTAL))

NAMES = {"C": 0, "C#": 1, "D": 2, "D#": 3, "E": 4, "F": 5, "F#": 6, "G": 7, "G#": 8, "A": 9,
         "A#": 10, "B": 11}


def freq(note):
    """'A4' -> 440 Hz."""
    name, octave = note[:-1], int(note[-1])
    return 440.0 * 2 ** ((NAMES[name] + 12 * (octave + 1) - 69) / 12)


def pulse(phase, width):
    return 1.0 if phase % 1.0 < width else -1.0


def triangle(phase):
    p = phase % 1.0
    return 4 * p - 1 if p < 0.5 else 3 - 4 * p


def saw(phase):
    return 2 * (phase % 1.0) - 1


def add_note(start_beat, beats, note, wave_fn, volume, pan, attack=0.005, release=0.06,
             vibrato=0.0):
    """Adds a note with a short attack, a gentle decay and a release that ends
    inside its own length, so no note spills over the end of its time."""
    f = freq(note)
    start = int(start_beat * BEAT)
    length = int(beats * BEAT)
    attack_n = max(1, int(attack * RATE))
    release_n = min(length // 2, int(release * RATE))
    gain_l = volume * math.cos(pan * math.pi / 2)
    gain_r = volume * math.sin(pan * math.pi / 2)
    phase = 0.0
    for i in range(length):
        t = i / RATE
        if i < attack_n:
            env = i / attack_n
        elif i > length - release_n:
            env = (length - i) / release_n * math.exp(-1.5 * t)
        else:
            env = math.exp(-1.5 * t)
        step = f / RATE
        if vibrato and t > 0.12:
            step *= 1 + vibrato * math.sin(2 * math.pi * 5.5 * t)
        phase += step
        s = wave_fn(phase) * env
        left[start + i] += s * gain_l
        right[start + i] += s * gain_r


def add_drum(start_beat, kind, volume=0.5):
    start = int(start_beat * BEAT)
    rng = random.Random(int(start_beat * 1000) + len(kind))
    if kind == "kick":
        length, phase = int(0.18 * RATE), 0.0
        for i in range(length):
            t = i / RATE
            phase += (50 + 110 * math.exp(-t * 30)) / RATE
            s = math.sin(2 * math.pi * phase) * math.exp(-t * 18) * volume * (1 - i / length)
            left[start + i] += s
            right[start + i] += s
    else:  # snare or hat: noise bursts
        length = int((0.14 if kind == "snare" else 0.035) * RATE)
        decay = 30 if kind == "snare" else 120
        last = 0.0
        for i in range(length):
            t = i / RATE
            n = rng.uniform(-1, 1)
            if kind == "hat":  # high-passed: the difference of two draws
                n, last = n - last, n
            s = n * math.exp(-t * decay) * volume * (1 - i / length)
            left[start + i] += s * (0.8 if kind == "hat" else 1.0)
            right[start + i] += s * (1.0 if kind == "hat" else 1.0)


CHORDS = {
    "Am": ["A", "C", "E"], "F": ["F", "A", "C"], "C": ["C", "E", "G"], "G": ["G", "B", "D"],
    "Em": ["E", "G", "B"], "Dm": ["D", "F", "A"], "E": ["E", "G#", "B"],
}


def bar_backing(bar_beat, chord, octave_bass=2, drums=True, last_bar=False):
    root = CHORDS[chord][0]
    # Bass: eighth notes on the root, a fifth on the off beats of beat 3.
    for k in range(8):
        note = root + str(octave_bass) if k % 4 != 3 else CHORDS[chord][2] + str(octave_bass)
        add_note(bar_beat + k * 0.5, 0.45, note, triangle, 0.32, 0.5, release=0.03)
    # Arpeggio: sixteenth notes over the chord, to the right.
    tones = CHORDS[chord]
    pattern = [tones[0] + "4", tones[1] + "4", tones[2] + "4", tones[1] + "4"]
    for k in range(16):
        if last_bar and k >= 14:
            break
        add_note(bar_beat + k * 0.25, 0.22, pattern[k % 4], saw, 0.07, 0.8, release=0.02)
    if drums:
        for k in range(4):
            add_drum(bar_beat + k, "kick" if k % 2 == 0 else "snare", 0.45 if k % 2 == 0 else 0.3)
            add_drum(bar_beat + k + 0.5, "hat", 0.12)


def melody(bar_beat, notes):
    """notes: (beats, note or None) in order."""
    at = bar_beat
    for beats, note in notes:
        if note:
            add_note(at, beats * 0.95, note, lambda p: pulse(p, 0.25), 0.16, 0.3,
                     vibrato=0.004)
        at += beats


# Intro: two bars on Am and E, a climbing line and a drum fill; everything
# ends before the loop point.
bar_backing(0, "Am", drums=False)
bar_backing(4, "E", drums=False, last_bar=True)
melody(0, [(0.5, "A4"), (0.5, "C5"), (0.5, "E5"), (0.5, "A5"), (1, "G5"), (1, "E5")])
melody(4, [(0.5, "G#4"), (0.5, "B4"), (0.5, "E5"), (0.5, "G#5"), (1.5, "B5")])
for k in range(4):
    add_drum(6 + k * 0.5, "snare", 0.2 + 0.05 * k)
add_drum(4, "kick")

# The part that repeats.
A_CHORDS = ["Am", "F", "C", "G", "Am", "F", "C", "G"]
B_CHORDS = ["F", "G", "Em", "Am", "Dm", "G", "C", "E"]
THEME = [
    [(1, "E5"), (0.5, "A5"), (0.5, "G5"), (1, "E5"), (1, "C5")],
    [(1, "F5"), (0.5, "E5"), (0.5, "C5"), (2, "A4")],
    [(1, "G4"), (0.5, "C5"), (0.5, "E5"), (1, "G5"), (1, "E5")],
    [(1.5, "D5"), (0.5, "B4"), (2, "G4")],
    [(1, "E5"), (0.5, "A5"), (0.5, "B5"), (1, "C6"), (1, "B5")],
    [(1, "A5"), (0.5, "F5"), (0.5, "A5"), (2, "C6")],
    [(0.5, "G5"), (0.5, "E5"), (0.5, "C5"), (0.5, "E5"), (1, "G5"), (1, "C6")],
    [(1, "B5"), (1, "G5"), (1, "D5"), (1, "B4")],
]
ANSWER = [
    [(1.5, "A4"), (0.5, "C5"), (1, "F5"), (1, "E5")],
    [(1.5, "D5"), (0.5, "B4"), (2, "G4")],
    [(1, "B4"), (0.5, "E5"), (0.5, "G5"), (1, "B5"), (1, "G5")],
    [(3, "A5"), (1, None)],
    [(1, "F5"), (0.5, "E5"), (0.5, "D5"), (1, "A4"), (1, "D5")],
    [(1, "B4"), (0.5, "D5"), (0.5, "G5"), (2, "B5")],
    [(1, "C6"), (1, "G5"), (1, "E5"), (1, "C5")],
    [(0.5, "B4"), (0.5, "G#4"), (0.5, "B4"), (0.5, "E5"), (1, "G#5"), (0.75, "B5"), (0.25, None)],
]
at = INTRO_BEATS
for chords, lines in ((A_CHORDS, THEME), (B_CHORDS, ANSWER)):
    for bar, (chord, line) in enumerate(zip(chords, lines)):
        last = chords is B_CHORDS and bar == 7
        bar_backing(at, chord, last_bar=last)
        melody(at, line)
        at += 4

# Scaled to a peak a little below full scale: the encoder may overshoot.
peak = max(max(abs(x) for x in left), max(abs(x) for x in right))
scale = 0.89 * 32767 / peak
pcm = array.array("h", bytes(4 * TOTAL))
for i in range(TOTAL):
    pcm[2 * i] = int(round(left[i] * scale))
    pcm[2 * i + 1] = int(round(right[i] * scale))

here = os.path.dirname(os.path.abspath(__file__))
with tempfile.TemporaryDirectory() as tmp:
    wav_path = os.path.join(tmp, "wallo.wav")
    with wave.open(wav_path, "wb") as w:
        w.setnchannels(2)
        w.setsampwidth(2)
        w.setframerate(RATE)
        w.writeframes(pcm.tobytes())
    subprocess.run(["oggenc", "-Q", "-q", "4", "--serial", "20261211", "-t", "Fendra",
                    "-o", os.path.join(here, "wallo.ogg"), wav_path], check=True)
print("wallo.ogg: %d frames, %.2f s, loop from frame %d" % (TOTAL, TOTAL / RATE,
                                                            INTRO_BEATS * BEAT))
