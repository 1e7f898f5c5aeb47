#!/usr/bin/env python3
"""Makes the program's icon (Tervik.ico), the image-list strip (Ikony.bmp) and the snapshot sound (Snimek.wav).

The pictures are drawn here in code so that they can be changed and made again:
    python3 resources/vytvorit-obrazky.py
"""
import math
import os
import struct

TU = os.path.dirname(os.path.abspath(__file__))
POCET_IKON = 64          # images in the strip, 16 x 16 each
PURPUROVA = (255, 0, 255)  # the strip's mask colour


def kamera(velikost):
    """The application icon: a camera body with a lens, RGBA rows top-down."""
    s = velikost
    obr = [[(0, 0, 0, 0)] * s for _ in range(s)]
    def bod(x, y, c):
        if 0 <= x < s and 0 <= y < s:
            obr[y][x] = c
    t = s / 16.0
    for y in range(int(4 * t), int(13 * t)):
        for x in range(int(1 * t), int(15 * t)):
            okraj = y in (int(4 * t), int(13 * t) - 1) or x in (int(1 * t), int(15 * t) - 1)
            bod(x, y, (30, 30, 40, 255) if okraj else (70, 90, 120, 255))
    for y in range(int(2 * t), int(4 * t)):
        for x in range(int(5 * t), int(10 * t)):
            bod(x, y, (30, 30, 40, 255))
    cx, cy, r = 8 * t, 8.5 * t, 3.2 * t
    for y in range(s):
        for x in range(s):
            d = math.hypot(x + 0.5 - cx, y + 0.5 - cy)
            if d <= r:
                bod(x, y, (20, 20, 25, 255) if d > r - max(1, t) else (60, 160, 230, 255))
    bod(int(12 * t), int(6 * t), (250, 80, 60, 255))
    return obr


def ico(velikosti):
    obrazky = []
    for s in velikosti:
        obr = kamera(s)
        xor = b''.join(struct.pack('BBBB', b, g, r, a) for row in reversed(obr) for (r, g, b, a) in row)
        radek_masky = ((s + 31) // 32) * 4
        maska = bytes(radek_masky * s)
        hlavicka = struct.pack('<IiiHHIIiiII', 40, s, s * 2, 1, 32, 0, len(xor) + len(maska), 0, 0, 0, 0)
        obrazky.append((s, hlavicka + xor + maska))
    vystup = struct.pack('<HHH', 0, 1, len(obrazky))
    posun = 6 + 16 * len(obrazky)
    for s, data in obrazky:
        vystup += struct.pack('<BBBBHHII', s % 256, s % 256, 0, 0, 1, 32, len(data), posun)
        posun += len(data)
    for _, data in obrazky:
        vystup += data
    return vystup


def glyf(i):
    """Image i of the strip: a simple coloured shape on the mask colour."""
    barvy = [(200, 40, 40), (40, 140, 40), (40, 80, 200), (220, 160, 0), (120, 40, 160), (0, 150, 160),
             (90, 90, 90), (200, 90, 20)]
    c = barvy[i % len(barvy)]
    tvar = (i // len(barvy)) % 8
    obr = [[PURPUROVA] * 16 for _ in range(16)]
    for y in range(16):
        for x in range(16):
            dx, dy = x - 7.5, y - 7.5
            uvnitr = {
                0: abs(dx) < 6 and abs(dy) < 6,
                1: dx * dx + dy * dy < 36,
                2: abs(dx) + abs(dy) < 7,
                3: abs(dx) < 6 and abs(dy) < 4,
                4: y > 2 and abs(dx) < (y - 2) * 0.5,
                5: (abs(dx) < 2 or abs(dy) < 2) and abs(dx) < 7 and abs(dy) < 7,
                6: 16 < dx * dx + dy * dy < 42,
                7: abs(dx) < 7 and abs(dy) < 7 and (x + y) % 4 < 2,
            }[tvar]
            if uvnitr:
                obr[y][x] = c
    return obr


def bmp_pasu(pocet):
    sirka, vyska = 16 * pocet, 16
    glyfy = [glyf(i) for i in range(pocet)]
    radek = (sirka * 3 + 3) // 4 * 4
    data = b''
    for y in reversed(range(vyska)):
        r = b''.join(struct.pack('BBB', b, g, rr) for i in range(pocet) for (rr, g, b) in glyfy[i][y])
        data += r + bytes(radek - len(r))
    hlavicka = struct.pack('<IiiHHIIiiII', 40, sirka, vyska, 1, 24, 0, len(data), 2835, 2835, 0, 0)
    soubor = struct.pack('<2sIHHI', b'BM', 14 + len(hlavicka) + len(data), 0, 0, 14 + len(hlavicka))
    return soubor + hlavicka + data


def zvuk_snimku():
    """The snapshot sound: a short shutter-like click, 8-bit mono PCM."""
    frekvence = 11025
    data = bytearray()
    for i in range(int(frekvence * 0.18)):
        t = i / frekvence
        v = math.exp(-t * 28) * (0.6 * math.sin(2 * math.pi * 1800 * t) + 0.4 * math.sin(2 * math.pi * 2700 * t))
        if t > 0.07:
            v += 0.5 * math.exp(-(t - 0.07) * 40) * math.sin(2 * math.pi * 1200 * t)
        data.append(max(0, min(255, int(128 + 100 * v))))
    fmt = struct.pack('<IHHIIHH', 16, 1, 1, frekvence, frekvence, 1, 8)
    return (b'RIFF' + struct.pack('<I', 36 + len(data)) + b'WAVEfmt ' + fmt + b'data' +
            struct.pack('<I', len(data)) + bytes(data))


if __name__ == '__main__':
    with open(os.path.join(TU, 'Tervik.ico'), 'wb') as f:
        f.write(ico([16, 32, 48]))
    with open(os.path.join(TU, 'Ikony.bmp'), 'wb') as f:
        f.write(bmp_pasu(POCET_IKON))
    with open(os.path.join(TU, 'Snimek.wav'), 'wb') as f:
        f.write(zvuk_snimku())
