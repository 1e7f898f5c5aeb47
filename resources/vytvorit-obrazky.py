#!/usr/bin/env python3
"""Makes the program's pictures from the table ikony.tsv and the Tango icon set, at build time:

    vytvorit-obrazky.py --hlavicka resources/Obrazky.h      the strip's indexes as C++ constants, kept in the tree
                                                            (run it after changing the table; needs no icons)
    vytvorit-obrazky.py --overit resources/Obrazky.h        fails when that header no longer matches the table
    vytvorit-obrazky.py --obrazky OUT                       OUT/Ikony16.bmp, Ikony24.bmp, Ikony32.bmp (32-bit
                                                            strips with alpha) and OUT/<resource>.ico for each icon
    vytvorit-obrazky.py --zvuk resources/Snimek.wav          the snapshot sound (kept in the tree)

Hand-tuned Tango PNGs are used where the set has the size, the scalable SVGs (through rsvg-convert) elsewhere.
"""
import argparse
import math
import os
import struct
import subprocess
import sys
import zlib

TU = os.path.dirname(os.path.abspath(__file__))
TABULKA = os.path.join(TU, 'ikony.tsv')
TANGO = os.environ.get('TERVIK_TANGO', '/usr/share/icons/Tango')
VELIKOSTI_PASU = (16, 24, 32)
VELIKOSTI_IKON = (16, 20, 24, 32, 40, 48, 256)
POCET_V_PASU = 64


def nacist_tabulku(cesta=TABULKA):
    """Rows (misto, cislo, klic, prikazy, obrazek) of the table; misto is 'pas' or 'ikona'."""
    radky = []
    with open(cesta, encoding='utf-8') as f:
        for n, radek in enumerate(f, 1):
            radek = radek.rstrip('\n')
            if not radek or radek.startswith('#'):
                continue
            casti = radek.split('\t')
            if len(casti) != 4 or ':' not in casti[0]:
                sys.exit(f'{cesta}:{n}: čekám čtyři sloupce oddělené tabulátorem')
            misto, cislo = casti[0].split(':')
            prikazy = [] if casti[2] == '-' else [int(p) for p in casti[2].split(',')]
            radky.append((misto, int(cislo), casti[1], prikazy, casti[3]))
    prikazy = [p for r in radky if r[0] == 'pas' for p in r[3]]
    if len(prikazy) != len(set(prikazy)):
        sys.exit(f'{cesta}: příkaz {[p for p in prikazy if prikazy.count(p) > 1][0]} má víc obrázků')
    pas = sorted(r[1] for r in radky if r[0] == 'pas')
    if pas != list(range(POCET_V_PASU)):
        sys.exit(f'{cesta}: pás musí mít obrázky 0 až {POCET_V_PASU - 1}, každý jednou')
    return radky


def jmeno_cpp(klic):
    return 'k' + ''.join(c.capitalize() for c in klic.split('-'))


def hlavicka(radky):
    vystup = ['#pragma once', '',
              '// Made by resources/vytvorit-obrazky.py --hlavicka from resources/ikony.tsv (the build checks that they agree):',
              '// the images of the program\'s strips.',
              'namespace Obrazky {', '']
    for misto, cislo, klic, _, obrazek in radky:
        if misto == 'pas':
            vystup.append(f'inline constexpr int {jmeno_cpp(klic)} = {cislo};  // {obrazek}')
    vystup += ['', f'inline constexpr int kPocet = {POCET_V_PASU};', '',
               '// The picture beside a command in toolbars, thumbnail buttons and menus; -1 for none.',
               'constexpr int ObrazekPrikazu(unsigned prikaz) {', '    switch (prikaz) {']
    for misto, cislo, klic, prikazy, _ in radky:
        if misto == 'pas' and prikazy:
            vystup.append('    ' + ' '.join(f'case {p}:' for p in prikazy) + f' return {jmeno_cpp(klic)};')
    vystup += ['    default: return -1;', '    }', '}', '', '}  // namespace Obrazky', '']
    return '\n'.join(vystup)


# ---------------------------------------------------------------- PNG in and out (8-bit RGBA only)

def precist_png(data):
    if data[:8] != b'\x89PNG\r\n\x1a\n':
        raise ValueError('není PNG')
    pos, idat, sirka, vyska = 8, b'', 0, 0
    while pos < len(data):
        delka, typ = struct.unpack('>I4s', data[pos:pos + 8])
        obsah = data[pos + 8:pos + 8 + delka]
        if typ == b'IHDR':
            sirka, vyska, hloubka, barvy, _, _, prokladani = struct.unpack('>IIBBBBB', obsah)
            if hloubka != 8 or barvy != 6 or prokladani:
                raise ValueError('čekám 8bitové RGBA bez prokládání')
        elif typ == b'IDAT':
            idat += obsah
        pos += 12 + delka
    surova = zlib.decompress(idat)
    radek = sirka * 4
    pixely, predchozi = bytearray(), bytearray(radek)
    for y in range(vyska):
        filtr = surova[y * (radek + 1)]
        r = bytearray(surova[y * (radek + 1) + 1:(y + 1) * (radek + 1)])
        for i in range(radek):
            a = r[i - 4] if i >= 4 else 0
            b = predchozi[i]
            c = predchozi[i - 4] if i >= 4 else 0
            if filtr == 1:
                r[i] = (r[i] + a) & 255
            elif filtr == 2:
                r[i] = (r[i] + b) & 255
            elif filtr == 3:
                r[i] = (r[i] + (a + b) // 2) & 255
            elif filtr == 4:
                p = a + b - c
                pa, pb, pc = abs(p - a), abs(p - b), abs(p - c)
                r[i] = (r[i] + (a if pa <= pb and pa <= pc else b if pb <= pc else c)) & 255
        pixely += r
        predchozi = r
    return sirka, vyska, pixely


def zapsat_png(s, pixely):
    def blok(typ, obsah):
        return struct.pack('>I', len(obsah)) + typ + obsah + struct.pack('>I', zlib.crc32(typ + obsah) & 0xFFFFFFFF)
    surova = b''.join(b'\0' + bytes(pixely[y * s * 4:(y + 1) * s * 4]) for y in range(s))
    return (b'\x89PNG\r\n\x1a\n' + blok(b'IHDR', struct.pack('>IIBBBBB', s, s, 8, 6, 0, 0, 0)) +
            blok(b'IDAT', zlib.compress(surova, 9)) + blok(b'IEND', b''))


# ---------------------------------------------------------------- composing

_mezipamet = {}


def tango(jmeno, s):
    """Tango picture 'folder/name' as s*s RGBA (top-down rows)."""
    klic = (jmeno, s)
    if klic not in _mezipamet:
        png = os.path.join(TANGO, f'{s}x{s}', jmeno + '.png')
        data = b''
        if os.path.exists(png):
            with open(png, 'rb') as f:
                data = f.read()
        if data[25:26] != b'\x06' or data[24:25] != b'\x08':  # not 8-bit RGBA: render the SVG instead
            svg = os.path.join(TANGO, 'scalable', jmeno + '.svg')
            if not os.path.exists(svg):
                sys.exit(f'V sadě ikon Tango ({TANGO}) chybí obrázek "{jmeno}": nainstalujte tango-icon-theme (make setup)')
            data = subprocess.run(['rsvg-convert', '-w', str(s), '-h', str(s), '-f', 'png', svg], check=True,
                                  stdout=subprocess.PIPE).stdout
        sirka, vyska, pixely = precist_png(data)
        if (sirka, vyska) != (s, s):
            sys.exit(f'{jmeno}: {sirka}x{vyska} místo {s}x{s}')
        _mezipamet[klic] = pixely
    return bytearray(_mezipamet[klic])


def pres(cil, s, zdroj, z, x0, y0):
    """Puts the z*z picture zdroj over cil (s*s) at x0, y0 (alpha over, straight alpha)."""
    for y in range(z):
        for x in range(z):
            i, j = (y * z + x) * 4, ((y0 + y) * s + x0 + x) * 4
            a = zdroj[i + 3] / 255.0
            if a == 0:
                continue
            b = cil[j + 3] / 255.0
            ven = a + b * (1 - a)
            for k in range(3):
                cil[j + k] = round((zdroj[i + k] * a + cil[j + k] * b * (1 - a)) / ven)
            cil[j + 3] = round(ven * 255)


def znak_v_rohu(jmeno, s):
    """An emblem for the bottom right corner of an s*s picture: (pixels, side, x, y). Tango pictures keep an empty
    margin; the emblem is drawn larger and its margin cut off, so that a plus or a sign stays readable at 16 px."""
    z = max(11, round(s * 0.6))
    vetsi = round(z * 1.25)
    obr = tango(jmeno, vetsi)
    okraj = (vetsi - z) // 2
    vyrez = bytearray()
    for y in range(okraj, okraj + z):
        vyrez += obr[(y * vetsi + okraj) * 4:(y * vetsi + okraj + z) * 4]
    return vyrez, z, s - z, s - z


def slozit(popis, s):
    """The picture of one table cell at size s."""
    slabost = 1.0
    if '*' in popis:
        popis, f = popis.split('*')
        slabost = float(f)
    casti = popis.split('+')
    obr = tango(casti[0], s)
    for znak in casti[1:]:
        pres(obr, s, *znak_v_rohu(znak, s))
    if slabost != 1.0:
        for j in range(3, len(obr), 4):
            obr[j] = round(obr[j] * slabost)
    return obr


def bmp_pasu(obrazky, s):
    """A 32-bit bottom-up BMP of the pictures side by side, alpha kept (not premultiplied)."""
    sirka = s * len(obrazky)
    data = bytearray()
    for y in reversed(range(s)):
        for obr in obrazky:
            for x in range(s):
                r, g, b, a = obr[(y * s + x) * 4:(y * s + x) * 4 + 4]
                data += bytes((b, g, r, a))
    hlav = struct.pack('<IiiHHIIiiII', 40, sirka, s, 1, 32, 0, len(data), 2835, 2835, 0, 0)
    return struct.pack('<2sIHHI', b'BM', 14 + len(hlav) + len(data), 0, 0, 14 + len(hlav)) + hlav + bytes(data)


def ico(obrazky):
    """An .ico of (size, RGBA) pairs: 32-bit DIBs with their AND masks, PNG for 256 px."""
    casti = []
    for s, obr in obrazky:
        if s >= 256:
            casti.append((s, zapsat_png(s, obr)))
            continue
        xor = bytearray()
        for y in reversed(range(s)):
            for x in range(s):
                r, g, b, a = obr[(y * s + x) * 4:(y * s + x) * 4 + 4]
                xor += bytes((b, g, r, a))
        radek_masky = ((s + 31) // 32) * 4
        maska = bytearray()
        for y in reversed(range(s)):
            radek = bytearray(radek_masky)
            for x in range(s):
                if obr[(y * s + x) * 4 + 3] == 0:
                    radek[x // 8] |= 0x80 >> (x % 8)
            maska += radek
        hlav = struct.pack('<IiiHHIIiiII', 40, s, s * 2, 1, 32, 0, len(xor) + len(maska), 0, 0, 0, 0)
        casti.append((s, hlav + bytes(xor) + bytes(maska)))
    vystup = struct.pack('<HHH', 0, 1, len(casti))
    posun = 6 + 16 * len(casti)
    for s, data in casti:
        vystup += struct.pack('<BBBBHHII', s % 256, s % 256, 0, 0, 1, 32, len(data), posun)
        posun += len(data)
    return vystup + b''.join(d for _, d in casti)


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


def zapsat(cesta, data):
    """Writes only when the content changed, so the build does not relink for nothing."""
    if os.path.exists(cesta):
        with open(cesta, 'rb') as f:
            if f.read() == data:
                return
    with open(cesta + '.tmp', 'wb') as f:
        f.write(data)
    os.replace(cesta + '.tmp', cesta)


def main():
    p = argparse.ArgumentParser()
    p.add_argument('--hlavicka')
    p.add_argument('--overit')
    p.add_argument('--obrazky')
    p.add_argument('--zvuk')
    a = p.parse_args()
    radky = nacist_tabulku()
    if a.hlavicka:
        os.makedirs(os.path.dirname(os.path.abspath(a.hlavicka)), exist_ok=True)
        zapsat(a.hlavicka, hlavicka(radky).encode('utf-8'))
    if a.overit:
        with open(a.overit, 'rb') as f:
            if f.read() != hlavicka(radky).encode('utf-8'):
                sys.exit(f'{a.overit} neodpovídá tabulce {TABULKA}: spusťte {sys.argv[0]} --hlavicka {a.overit}')
    if a.obrazky:
        os.makedirs(a.obrazky, exist_ok=True)
        pas = sorted((r for r in radky if r[0] == 'pas'), key=lambda r: r[1])
        for s in VELIKOSTI_PASU:
            zapsat(os.path.join(a.obrazky, f'Ikony{s}.bmp'), bmp_pasu([slozit(r[4], s) for r in pas], s))
        for misto, cislo, _, _, obrazek in radky:
            if misto == 'ikona':
                zapsat(os.path.join(a.obrazky, f'Ikona{cislo}.ico'),
                       ico([(s, slozit(obrazek, s)) for s in VELIKOSTI_IKON]))
    if a.zvuk:
        zapsat(a.zvuk, zvuk_snimku())


if __name__ == '__main__':
    main()
