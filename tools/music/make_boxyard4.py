#!/usr/bin/env python3
"""Writes musics/boxyard4.s3m: the game's background tune as a Scream Tracker 3 module.

Everything is synthesised here (a chorused pad, a plucked bass, a bell), so the module owes
nothing to anyone's samples. The tune is four patterns of four bars at 64 BPM, about a minute,
and the player loops it.

Usage: make_boxyard4.py [output path]
"""

import math
import os
import random
import struct
import sys

# A sample played at C-4 runs at its C2Spd. Every waveform below is built on a 64-sample cycle,
# so C2Spd = 64 * frequency of C-4 makes the notes come out in tune.
CYCLE = 64
C4_HZ = 261.6255653
C2SPD = round(CYCLE * C4_HZ)  # 16744 samples per second


def to_u16(values, peak=0.9):
    """Scales floats to peak and packs them as unsigned 16-bit little-endian, as S3M wants."""
    top = max(1e-9, max(abs(v) for v in values))
    out = bytearray()
    for v in values:
        s = int(round(v / top * peak * 32767))
        out += struct.pack('<H', (s + 32768) & 0xFFFF)
    return bytes(out)


def pad_sample():
    """A soft chorused pad: two near-unison partials and a faint third harmonic.

    The loop holds exactly 256 cycles of the fundamental and 257 of the detuned partial, so
    both waves meet their own start at the loop point and the loop is seamless; the slow beat
    between them is the chorus. The attack is baked in before the loop.
    """
    attack = CYCLE * 64          # about 0.25 s
    loop = CYCLE * 256           # about 1 s
    values = []
    for i in range(attack + loop):
        a = 2 * math.pi * i / CYCLE
        b = 2 * math.pi * i * 257 / loop
        v = math.sin(a) + 0.8 * math.sin(b) + 0.12 * math.sin(3 * a) + 0.05 * math.sin(2 * b)
        env = min(1.0, i / attack)
        values.append(v * (env * env * (3 - 2 * env)))
    return to_u16(values, 0.8), attack, attack + loop


def bass_sample():
    """A plucked string by Karplus-Strong: a noise burst in a delay line of one cycle."""
    rng = random.Random(4)
    line = [rng.uniform(-1, 1) for _ in range(CYCLE)]
    # Pre-filter the burst so the pluck is round rather than bright.
    for _ in range(3):
        line = [(line[i] + line[i - 1]) / 2 for i in range(CYCLE)]
    values = []
    n = int(C2SPD * 1.3)
    for i in range(n):
        k = i % CYCLE
        v = line[k]
        line[k] = 0.996 * (v + line[k - 1]) / 2
        fade = 1.0 if i < n - 800 else (n - i) / 800
        values.append(v * fade)
    return to_u16(values, 0.9)


def bell_sample():
    """A small bell: inharmonic partials, the higher ones dying faster."""
    partials = [(1.0, 1.0, 1.6), (2.0, 0.35, 2.4), (2.76, 0.3, 3.2), (5.4, 0.12, 5.0), (8.93, 0.05, 7.0)]
    n = int(C2SPD * 1.6)
    values = []
    for i in range(n):
        t = i / C2SPD
        v = 0.0
        for ratio, amp, decay in partials:
            v += amp * math.exp(-decay * t) * math.sin(2 * math.pi * ratio * i / CYCLE)
        strike = min(1.0, i / 40)  # a few samples of attack, so it does not click
        values.append(v * strike)
    return to_u16(values, 0.9)


# --- The tune --------------------------------------------------------------------------------

NOTE_INDEX = {'C': 0, 'C#': 1, 'D': 2, 'D#': 3, 'E': 4, 'F': 5, 'F#': 6, 'G': 7, 'G#': 8,
              'A': 9, 'A#': 10, 'B': 11}


def note(name):
    """'E5' -> S3M note byte (octave in the high nibble, semitone in the low)."""
    pitch, octave = name[:-1], int(name[-1])
    return (octave << 4) | NOTE_INDEX[pitch]


# Triads for the pad (three voices) and the bass root, one chord per bar.
CHORDS = {
    'C': (['C4', 'E4', 'G4'], 'C2', 'G2'),
    'Am': (['A3', 'C4', 'E4'], 'A1', 'E2'),
    'F': (['A3', 'C4', 'F4'], 'F1', 'C2'),
    'G': (['B3', 'D4', 'G4'], 'G1', 'D2'),
    'Em': (['B3', 'E4', 'G4'], 'E2', 'B2'),
    'Dm': (['A3', 'D4', 'F4'], 'D2', 'A2'),
}

PROGRESSION = [
    ['C', 'Am', 'F', 'G'],
    ['C', 'Em', 'F', 'G'],
    ['Am', 'F', 'C', 'G'],
    ['Dm', 'G', 'Em', 'G'],
]

# Bell melody: (row within the bar, note), four bars per pattern. Rows are sixteenths.
MELODY = [
    [[(0, 'E5'), (6, 'G5'), (12, 'A5')], [(0, 'C6'), (8, 'A5')],
     [(0, 'A5'), (4, 'G5'), (8, 'F5'), (12, 'A5')], [(0, 'G5'), (8, 'D5')]],
    [[(0, 'E5'), (6, 'G5'), (12, 'C6')], [(0, 'B5'), (8, 'G5')],
     [(0, 'A5'), (6, 'C6'), (12, 'A5')], [(0, 'G5')]],
    [[(0, 'C6'), (4, 'B5'), (8, 'A5'), (12, 'E5')], [(0, 'F5'), (8, 'A5')],
     [(0, 'G5'), (4, 'E5'), (8, 'C5'), (12, 'E5')], [(0, 'D5'), (8, 'G5')]],
    [[(0, 'F5'), (6, 'A5'), (12, 'D6')], [(0, 'B5'), (8, 'D5')],
     [(0, 'E5'), (6, 'G5'), (12, 'B5')], [(0, 'D5'), (8, 'B4')]],
]

CH_PAD = (0, 1, 2)
CH_BASS = 3
CH_BELL = 4
CH_ECHO = 5
CHANNELS = 6
INS_PAD, INS_BASS, INS_BELL = 1, 2, 3
ECHO_DELAY = 3
CMD_VOLSLIDE = ord('D') - ord('A') + 1


def build_pattern(index):
    """Returns the 64 rows of one pattern as {row: {channel: (note, ins, vol, cmd, info)}}."""
    rows = {r: {} for r in range(64)}
    for bar, chord in enumerate(PROGRESSION[index]):
        base = bar * 16
        triad, root, fifth = CHORDS[chord]
        for ch, n in zip(CH_PAD, triad):
            rows[base][ch] = (note(n), INS_PAD, None, None, None)
        rows[base][CH_BASS] = (note(root), INS_BASS, None, None, None)
        rows[base + 10][CH_BASS] = (note(fifth), INS_BASS, 34, None, None)
        for r, n in MELODY[index][bar]:
            rows[base + r][CH_BELL] = (note(n), INS_BELL, None, None, None)
            echo = base + r + ECHO_DELAY
            if echo < 64:
                rows[echo][CH_ECHO] = (note(n), INS_BELL, 12, None, None)
    # The last bar lets the pad breathe out before the loop starts it again.
    for ch in CH_PAD:
        rows[61].setdefault(ch, (None, None, None, CMD_VOLSLIDE, 0x03))
        for r in (62, 63):
            rows[r].setdefault(ch, (None, None, None, CMD_VOLSLIDE, 0x00))
    return rows


def pack_pattern(rows):
    data = bytearray()
    for r in range(64):
        for ch, (n, ins, vol, cmd, info) in sorted(rows[r].items()):
            what = ch
            body = bytearray()
            if n is not None:
                what |= 0x20
                body += bytes([n, ins])
            if vol is not None:
                what |= 0x40
                body.append(vol)
            if cmd is not None:
                what |= 0x80
                body += bytes([cmd, info])
            data.append(what)
            data += body
        data.append(0)
    return struct.pack('<H', len(data) + 2) + bytes(data)


def instrument_header(name, length, loop_start, loop_end, volume, looped, memseg):
    flags = 4 | (1 if looped else 0)  # 16-bit, looped or not
    h = bytearray(80)
    h[0] = 1
    fname = (name.lower()[:8] + '.smp').encode('ascii')
    h[1:1 + len(fname)] = fname
    h[13] = (memseg >> 16) & 0xFF
    struct.pack_into('<H', h, 14, memseg & 0xFFFF)
    struct.pack_into('<III', h, 16, length, loop_start, loop_end)
    h[28] = volume
    h[30] = 0
    h[31] = flags
    struct.pack_into('<I', h, 32, C2SPD)
    title = name.encode('ascii')[:27]
    h[48:48 + len(title)] = title
    h[76:80] = b'SCRS'
    return h


def align16(buf):
    buf += bytes((-len(buf)) % 16)


def build_module():
    pad, pad_ls, pad_le = pad_sample()
    bass = bass_sample()
    bell = bell_sample()
    instruments = [
        ('Soft pad', pad, pad_ls, pad_le, 20, True),
        ('Plucked bass', bass, 0, 0, 44, False),
        ('Bell', bell, 0, 0, 30, False),
    ]
    patterns = [pack_pattern(build_pattern(i)) for i in range(4)]
    orders = [0, 1, 2, 3]

    ord_num = len(orders) + (len(orders) % 2)       # kept even, padded with the end marker
    ins_num = len(instruments)
    pat_num = len(patterns)

    header = bytearray(96)
    title = b'Boxyard 4'
    header[0:len(title)] = title
    header[28] = 0x1A
    header[29] = 16
    struct.pack_into('<HHHHHH', header, 32, ord_num, ins_num, pat_num, 0, 0x1320, 2)
    header[44:48] = b'SCRM'
    header[48] = 64            # global volume
    header[49] = 6             # ticks per row
    header[50] = 64            # tempo: a row every 0.23 s, a beat every four rows
    header[51] = 0x80 | 0x40   # stereo, master volume 64
    header[52] = 0
    header[53] = 252           # a panning table follows the pointers
    for ch in range(32):
        header[64 + ch] = ch if ch < CHANNELS else 255
    # Channel kinds: even channels on the left, odd on the right, as ST3 lays them out.
    for ch in range(CHANNELS):
        header[64 + ch] = (ch // 2) + (8 if ch % 2 else 0)

    pans = {0: 4, 1: 11, 2: 7, 3: 7, 4: 9, 5: 5}
    pan_table = bytes((0x20 | pans[ch]) if ch in pans else 0 for ch in range(32))

    body = bytearray(header)
    body += bytes(orders + [255] * (ord_num - len(orders)))
    ins_ptr_at = len(body)
    body += bytes(2 * ins_num)
    pat_ptr_at = len(body)
    body += bytes(2 * pat_num)
    body += pan_table
    align16(body)

    ins_offsets = []
    for _ in instruments:
        ins_offsets.append(len(body))
        body += bytes(80)
    align16(body)

    pat_offsets = []
    for p in patterns:
        pat_offsets.append(len(body))
        body += p
        align16(body)

    for i, (name, data, ls, le, vol, looped) in enumerate(instruments):
        sample_at = len(body)
        body += data
        align16(body)
        length = len(data) // 2
        h = instrument_header(name, length, ls, le if looped else 0, vol, looped, sample_at >> 4)
        body[ins_offsets[i]:ins_offsets[i] + 80] = h

    for i, off in enumerate(ins_offsets):
        struct.pack_into('<H', body, ins_ptr_at + 2 * i, off >> 4)
    for i, off in enumerate(pat_offsets):
        struct.pack_into('<H', body, pat_ptr_at + 2 * i, off >> 4)
    return bytes(body)


def main():
    here = os.path.dirname(os.path.abspath(__file__))
    out = sys.argv[1] if len(sys.argv) > 1 else os.path.join(here, '..', '..', 'musics', 'boxyard4.s3m')
    data = build_module()
    os.makedirs(os.path.dirname(os.path.abspath(out)), exist_ok=True)
    tmp = out + '.tmp'
    with open(tmp, 'wb') as f:
        f.write(data)
    os.replace(tmp, out)
    print(f'{out}: {len(data)} bytes')


if __name__ == '__main__':
    main()
