"""Every sound of the program folder, synthesised here and levelled with SoX.

Sounds are 22050 Hz, 16-bit, mono PCM WAV. Levels are matched by loudness (RMS), not by
peak, so that a long soft tone and a short bright chime sound about equally loud; no peak
goes above -1 dBFS. The menu music plays under everything else and is kept softer."""

import math
import os
import random
import struct
import subprocess
import tempfile
import wave

RATE = 22050
EFFECT_RMS = 0.16      # about -16 dBFS
MUSIC_RMS = 0.07       # about -23 dBFS
PEAK_LIMIT = 0.89      # -1 dBFS

NOTE = {"C": 0, "C#": 1, "D": 2, "D#": 3, "E": 4, "F": 5, "F#": 6, "G": 7, "G#": 8, "A": 9, "A#": 10, "B": 11}


def freq(name):
    """Frequency of a note such as "C5" or "F#4"."""
    pitch, octave = name[:-1], int(name[-1])
    return 440.0 * 2 ** ((NOTE[pitch] + 12 * (octave + 1) - 69) / 12)


def voice(f, dur, kind="bell", amp=0.5, attack=0.005, slide=0.0):
    n = int(dur * RATE)
    out = [0.0] * n
    phase = 0.0
    for i in range(n):
        t = i / RATE
        ff = f * (1 + slide * t / max(dur, 1e-6))
        phase += 2 * math.pi * ff / RATE
        env = min(1.0, t / attack) if attack > 0 else 1.0
        if kind == "bell":       # a struck, glassy tone
            env *= math.exp(-t * 5.5)
            s = math.sin(phase) + 0.35 * math.sin(2.0 * phase) * math.exp(-t * 9) + 0.18 * math.sin(3.01 * phase) * math.exp(-t * 14)
        elif kind == "marimba":  # a soft wooden tone
            env *= math.exp(-t * 7.0)
            s = math.sin(phase) + 0.25 * math.sin(4.0 * phase) * math.exp(-t * 30)
        elif kind == "pad":      # a held, warm tone
            rel = min(1.0, (dur - t) / 0.3)
            env *= max(0.0, rel)
            s = math.sin(phase) + 0.3 * math.sin(2 * phase) + 0.12 * math.sin(3 * phase)
        elif kind == "brass":    # a gentle horn for the fanfare
            rel = min(1.0, (dur - t) / 0.08)
            env *= max(0.0, rel) * (0.85 + 0.15 * math.exp(-t * 8))
            s = sum(math.sin(k * phase) / k ** 1.4 for k in range(1, 7))
        elif kind == "click":
            env *= math.exp(-t * 160)
            s = math.sin(phase) + 0.5 * math.sin(2.7 * phase)
        elif kind == "boop":     # a soft, round tone for "not this one"
            rel = min(1.0, (dur - t) / 0.06)
            env *= max(0.0, rel)
            s = math.sin(phase) + 0.2 * math.sin(2 * phase)
        else:
            raise ValueError(kind)
        out[i] = amp * env * s
    return out


def mix(buffer, samples, start_s, wrap=False):
    start = int(start_s * RATE)
    n = len(buffer)
    for i, v in enumerate(samples):
        j = start + i
        if wrap:
            buffer[j % n] += v
        elif j < n:
            buffer[j] += v


def blank(seconds):
    return [0.0] * int(seconds * RATE)


def write_raw(path, samples):
    peak = max(1e-9, max(abs(v) for v in samples))
    scale = 0.9 / peak if peak > 0.9 else 1.0
    with wave.open(path, "wb") as w:
        w.setnchannels(1)
        w.setsampwidth(2)
        w.setframerate(RATE)
        w.writeframes(b"".join(struct.pack("<h", int(max(-1, min(1, v * scale)) * 32767)) for v in samples))


def level(path, target_rms):
    """Scales a written wave to the target loudness, keeping its peak under the limit."""
    with wave.open(path, "rb") as r:
        params = r.getparams()
        frames = r.readframes(r.getnframes())
    values = struct.unpack("<%dh" % (len(frames) // 2), frames)
    rms = math.sqrt(sum(v * v for v in values) / max(1, len(values))) / 32767
    peak = max(abs(v) for v in values) / 32767
    scale = min(target_rms / rms, PEAK_LIMIT / peak)
    with wave.open(path, "wb") as w:
        w.setparams(params)
        w.writeframes(b"".join(struct.pack("<h", max(-32767, min(32767, int(round(v * scale))))) for v in values))


def finish(samples, path, target_rms=EFFECT_RMS, effects=()):
    """Writes samples through SoX (optional effects such as reverb), then levels them."""
    os.makedirs(os.path.dirname(path), exist_ok=True)
    with tempfile.TemporaryDirectory() as tmp:
        raw = os.path.join(tmp, "raw.wav")
        write_raw(raw, samples)
        # -R and -D: the same input gives the same file, with no random dither noise.
        cmd = ["sox", "-R", "-D", raw, "-r", str(RATE), "-b", "16", "-c", "1", "-e", "signed-integer", path]
        cmd += ["gain", "-6"] + list(effects) + ["gain", "-n", "-1"]
        subprocess.run(cmd, check=True)
    level(path, target_rms)


# ---------------------------------------------------------------- the sounds

def arpeggio(notes, step, kind="bell", amp=0.5, tail=0.9):
    buf = blank(step * len(notes) + tail)
    for i, n in enumerate(notes):
        mix(buf, voice(freq(n), tail + step, kind, amp), i * step)
    return buf


def make_effects(root, written):
    def out(rel, samples, effects=()):
        finish(samples, os.path.join(root, rel), EFFECT_RMS, effects)
        written.append(rel)

    out("sfx/click.wav", voice(1400, 0.06, "click", 0.8))
    # The silence that cuts off whatever plays: a tenth of a second of nothing.
    path = os.path.join(root, "sfx/silence.wav")
    os.makedirs(os.path.dirname(path), exist_ok=True)
    write_raw(path, blank(0.1))
    written.append("sfx/silence.wav")

    out("sfx/correct0.wav", arpeggio(["E5", "G5", "C6"], 0.09, "bell", tail=0.5), effects=("reverb", "20"))
    wrong = blank(0.55)
    mix(wrong, voice(freq("E3"), 0.2, "boop", 0.6, 0.01, -0.05), 0)
    mix(wrong, voice(freq("C3"), 0.3, "boop", 0.6, 0.01, -0.08), 0.22)
    out("sfx/wrong0.wav", wrong)

    # Reward sounds: short, different from each other, all happy.
    out("sfx/rewards/chime.wav", arpeggio(["C5", "E5", "G5", "C6", "E6"], 0.12, "bell", tail=1.0),
        effects=("reverb", "30"))
    fan = blank(1.9)
    for n, s, d in (("G4", 0.0, 0.14), ("G4", 0.16, 0.14), ("G4", 0.32, 0.14), ("C5", 0.48, 0.7),
                    ("E5", 0.48, 0.7), ("G5", 0.48, 0.7)):
        mix(fan, voice(freq(n), d, "brass", 0.3, 0.02), s)
    mix(fan, voice(freq("C6"), 1.2, "bell", 0.25), 0.48)
    out("sfx/rewards/fanfare.wav", fan, effects=("reverb", "25"))
    out("sfx/rewards/sparkle.wav", arpeggio(["C6", "E6", "G6", "C7", "G6", "C7", "E7"], 0.06, "bell", 0.35, 0.8),
        effects=("reverb", "50"))
    hooray = blank(1.8)
    for i, n in enumerate(["C5", "D5", "E5", "F5", "G5", "A5", "B5", "C6"]):
        mix(hooray, voice(freq(n), 0.3, "marimba", 0.5), i * 0.05)
    for n in ("C5", "E5", "G5", "C6"):
        mix(hooray, voice(freq(n), 1.2, "bell", 0.3), 0.5)
    out("sfx/rewards/hooray.wav", hooray, effects=("reverb", "30"))
    bells = blank(2.2)
    for i, n in enumerate(["G5", "E5", "C5", "E5", "G5", "C6"]):
        mix(bells, voice(freq(n), 1.0, "bell", 0.45), i * 0.17)
    out("sfx/rewards/bells.wav", bells, effects=("reverb", "35"))

    # Game 9: the tap of a letter going into its square.
    out("sfx/game09/click.wav", voice(2100, 0.05, "click", 0.8))
    # Game 15: four different "got it" blips, and a soft bump for a crash.
    for k, notes in enumerate((["C6", "G6"], ["D6", "A6"], ["E6", "B6"], ["G5", "D6", "G6"])):
        out(f"sfx/game15/correct{k}.wav", arpeggio(notes, 0.07, "bell", 0.5, 0.35))
    bump = blank(0.8)
    mix(bump, voice(180, 0.7, "boop", 0.7, 0.005, -0.6), 0)
    out("sfx/game15/wrong0.wav", bump)


def make_music(root, written):
    """A calm, cheerful loop of 16 bars at 96 beats a minute (40 seconds).

    Notes that ring past the end are wrapped round to the start, so the loop has no seam."""
    beat = 60 / 96
    bars = 16
    length = bars * 4 * beat
    buf = [0.0] * int(length * RATE)
    chords = [("C", ["C4", "E4", "G4"]), ("A", ["A3", "C4", "E4"]), ("F", ["F3", "A3", "C4"]), ("G", ["G3", "B3", "D4"])]
    bass_note = {"C": "C3", "A": "A2", "F": "F2", "G": "G2"}
    scale = ["C5", "D5", "E5", "G5", "A5", "C6"]
    rnd = random.Random(7)
    # Two melodies of four bars, each played twice, so the tune is easy to recognise.
    phrases = []
    for _ in range(2):
        phrase = []
        idx = 2
        for bar in range(4):
            chord_tones = [n[:-1] for n in chords[bar][1]]
            rhythm = rnd.choice([[1, 1, 1, 1], [1, 0.5, 0.5, 2], [1.5, 0.5, 1, 1], [2, 1, 1], [1, 1, 2]])
            t = 0.0
            for dur in rhythm:
                idx = max(0, min(len(scale) - 1, idx + rnd.choice([-1, -1, 0, 1, 1, 2, -2])))
                if t == 0 and scale[idx][:-1] not in chord_tones:
                    idx = next(i for i, s in enumerate(scale) if s[:-1] in chord_tones)
                phrase.append((bar, t, dur, scale[idx]))
                t += dur
        phrases.append(phrase)
    order = [0, 1, 0, 1]
    for block, p in enumerate(order):
        for bar, t, dur, note in phrases[p]:
            start = ((block * 4 + bar) * 4 + t) * beat
            mix(buf, voice(freq(note), min(dur * beat + 0.6, 1.6), "marimba", 0.42), start, wrap=True)
    for bar in range(bars):
        name, tones = chords[bar % 4]
        start = bar * 4 * beat
        for beat_i in (0, 2):
            mix(buf, voice(freq(bass_note[name]), 2 * beat, "pad", 0.22, 0.02), start + beat_i * beat, wrap=True)
        for k in (1, 3):
            for n in tones:
                mix(buf, voice(freq(n), beat * 0.9, "marimba", 0.07), start + k * beat, wrap=True)
        for n in tones:
            mix(buf, voice(freq(n), 4 * beat, "pad", 0.035, 0.4), start, wrap=True)
    finish(buf, os.path.join(root, "sfx/menu/music.wav"), MUSIC_RMS)
    written.append("sfx/menu/music.wav")


def make_all(root):
    written = []
    make_effects(root, written)
    make_music(root, written)
    return written
