# SPDX-FileCopyrightText: 2026 The Pictolex developers
# SPDX-License-Identifier: GPL-3.0-or-later
"""Small, dependency-free mono audio helpers: load through sox, trim, level and write 16-bit PCM."""

import array
import math
import subprocess
import sys
import wave

RATE = 22050
PEAK_LIMIT_DBFS = -1.0
FADE_INTO_SOUND_MS = 15.0


def db(value: float) -> float:
    return 20.0 * math.log10(max(value, 1e-12))


def load(path: str, effects: tuple[str, ...] = ()) -> array.array:
    """Reads any file sox understands as mono 32-bit float samples at RATE.

    sox runs in repeatable mode so that any dither or noise it adds is the same every time."""
    command = ["sox", "-R", "-V1", path, "-t", "raw", "-e", "floating-point", "-b", "32",
               "-c", "1", "-", *effects, "rate", "-v", str(RATE)]
    raw = subprocess.run(command, check=True, stdout=subprocess.PIPE).stdout
    samples = array.array("f")
    samples.frombytes(raw)
    if sys.byteorder != "little":
        samples.byteswap()
    return samples


def peak(samples) -> float:
    return max((abs(s) for s in samples), default=0.0)


def rms(samples) -> float:
    if not samples:
        return 0.0
    return math.sqrt(sum(s * s for s in samples) / len(samples))


def level(dbfs: float) -> float:
    return 10 ** (dbfs / 20)


def sound_span(samples, start_dbfs: float, end_dbfs: float) -> tuple[int, int]:
    """The first sample at or above start_dbfs, and one past the last at or above end_dbfs."""
    start_level, end_level = level(start_dbfs), level(end_dbfs)
    first = next(i for i, s in enumerate(samples) if abs(s) >= start_level)
    last = next(i for i in range(len(samples) - 1, -1, -1) if abs(samples[i]) >= end_level)
    return first, last + 1


def trim(samples, start_dbfs: float, end_dbfs: float, lead_ms: float,
         tail_ms: float) -> array.array:
    """Keeps lead_ms before the sound begins and tail_ms after it ends, with short fades.

    The fade-out also covers the sound's last few milliseconds, because some words end in a
    fricative that runs almost to the end of the synthesised file."""
    first, end = sound_span(samples, start_dbfs, end_dbfs)
    start = max(0, first - int(RATE * lead_ms / 1000))
    tail = int(RATE * tail_ms / 1000)
    out = array.array("f", samples[start:end + tail])
    out.extend([0.0] * (end + tail - len(samples)))
    fade(out, fade_in=first - start, fade_out=tail + int(RATE * FADE_INTO_SOUND_MS / 1000))
    return out


def fade(samples, fade_in: int, fade_out: int) -> None:
    """Raised-cosine fades over the given numbers of samples at either end, in place."""
    n = len(samples)
    for i in range(min(fade_in, n)):
        samples[i] *= 0.5 - 0.5 * math.cos(math.pi * i / fade_in)
    for i in range(min(fade_out, n)):
        samples[n - 1 - i] *= 0.5 - 0.5 * math.cos(math.pi * i / fade_out)


def scale(samples, gain: float) -> array.array:
    return array.array("f", (s * gain for s in samples))


def write_pcm16(path: str, samples) -> None:
    """Writes a plain WAVE file: format tag 1, 16-byte fmt chunk, data chunk, nothing else."""
    ints = array.array("h", (max(-32767, min(32767, round(s * 32767))) for s in samples))
    if sys.byteorder != "little":
        ints.byteswap()
    with wave.open(path, "wb") as out:
        out.setnchannels(1)
        out.setsampwidth(2)
        out.setframerate(RATE)
        out.writeframes(ints.tobytes())
