"""The motion mask in the real Tervik.exe under Wine with the virtual test camera, whose scene 2 moves only in the
top left quarter of the picture: a camera whose mask covers that quarter reports nothing while a camera without a
mask, watching the same scene at the same time, reports; the mask edited over the live picture (drags over the
cells, Enter) is stored in the registry and the running detector, and the same motion then reports."""
import os
import re
import subprocess
import time
import unittest

import tervik_proces as t

OKNO_KAMERY = 'Tervik4Tervik'
ID_EDITORU = 40126  # the editing mode's command, also its window's id
WM_KEYDOWN, WM_MOUSEMOVE, WM_LBUTTONDOWN, WM_LBUTTONUP = 0x0100, 0x0200, 0x0201, 0x0202
MK_LBUTTON, VK_RETURN = 0x0001, 0x0D
SIRKA, VYSKA = 320, 240


def slozka_snimku():
    return os.path.join(t.slozka_dokumentu(), 'Tervik 4.8')


def snimky(jmeno):
    if not os.path.isdir(slozka_snimku()):
        return []
    return [s for s in os.listdir(slozka_snimku()) if re.fullmatch(re.escape(jmeno) + r'_\d+\.jpg', s)]


def smazat_snimky():
    if os.path.isdir(slozka_snimku()):
        for soubor in os.listdir(slozka_snimku()):
            os.remove(os.path.join(slozka_snimku(), soubor))


def maska_bajty(bunky):
    """The stored form of a mask of the given (column, row) cells: 4 bytes per row, lowest bit the leftmost column."""
    radky = [0] * 24
    for s, r in bunky:
        radky[r] |= 1 << s
    return b''.join(r.to_bytes(4, 'little') for r in radky)


CTVRTINA = {(s, r) for s in range(8) for r in range(6)}  # the noise: columns 0-7, rows 0-5 of 32 x 24
HODINY = {(s, r) for s in range(32) for r in range(21, 24)}  # the clock strip along the bottom


def kamera(jmeno, maska=None):
    rc, vystup = t.pomocnik('kamera', jmeno, 1000, 1, 1)
    assert rc == 0, vystup
    klic = r'Kamery\%s' % jmeno
    t.zapsat_hodnotu(klic + r'\Po spusteni', 'snimkyDisk', 'REG_DWORD', 0)
    t.zapsat_hodnotu(klic + r'\Po spusteni', 'detekcePohybu', 'REG_DWORD', 1)
    t.zapsat_hodnotu(klic + r'\Detekce pohybu', 'interval', 'REG_DWORD', 500)
    t.zapsat_hodnotu(klic + r'\Detekce pohybu\Disk', 'minInterval', 'REG_DWORD', 1)
    t.zapsat_hodnotu(klic + r'\Video', 'sirka', 'REG_DWORD', SIRKA)
    t.zapsat_hodnotu(klic + r'\Video', 'vyska', 'REG_DWORD', VYSKA)
    if maska is not None:
        t.zapsat_hodnotu(klic + r'\Detekce pohybu', 'maska', 'REG_BINARY', maska.hex())


def ulozena_maska(jmeno):
    r = t.wine('reg', 'query', t.KOREN + r'\Kamery\%s\Detekce pohybu' % jmeno, '/v', 'maska')
    m = re.search(rb'REG_BINARY\s+([0-9A-Fa-f]+)', r.stdout)
    return bytes.fromhex(m.group(1).decode()) if m else None


def snimek_obrazovky(jmeno):
    if os.environ.get('DISPLAY') and subprocess.run(['which', 'import'], capture_output=True).returncode == 0:
        subprocess.run(['import', '-window', 'root', os.path.join(t.BUILD, jmeno)], capture_output=True, timeout=30)


@unittest.skipUnless(t.je_testovaci_kamera(), 'testovací kamera není zaregistrovaná')
class MaskaPohybu(unittest.TestCase):
    def setUp(self):
        t.smazat_nastaveni()
        smazat_snimky()
        self.procesy = []

    def tearDown(self):
        for p in self.procesy:
            t.ukoncit(p, OKNO_KAMERY)
        t.smazat_nastaveni()
        smazat_snimky()

    def spustit(self, jmeno):
        self.procesy.append(t.na_pozadi(t.TERVIK, '-ka', jmeno))
        self.assertEqual(t.pomocnik('cekat-okno', OKNO_KAMERY, jmeno + ' - Připraven', 30000)[0], 0)

    def editor(self, jmeno, zprava, wp=0, x=None, y=None):
        lp = 0 if x is None else (y << 16) | x
        rc, vystup = t.pomocnik('zprava-prvku', OKNO_KAMERY, jmeno + ' - Připraven', ID_EDITORU, zprava, wp, lp, 5000)
        self.assertEqual(rc, 0, vystup)

    def test_maskovany_pohyb_nehlasi_po_uprave_masky_hlasi(self):
        t.zapsat_hodnotu('Testovaci kamera', 'scena', 'REG_DWORD', 2)
        kamera('Vchod', maska_bajty(CTVRTINA | HODINY))
        kamera('Dvur')
        self.spustit('Vchod')
        self.spustit('Dvur')
        # The camera without a mask reports the motion twice; meanwhile the masked one, checking the same scene as
        # often, reports nothing.
        self.assertTrue(t.pockat_na(lambda: len(snimky('Dvur')) >= 2, 90), snimky('Dvur'))
        self.assertEqual(snimky('Vchod'), [])
        self.assertEqual(t.pomocnik('zavrit-okno', OKNO_KAMERY, 'Dvur - Připraven', 10000)[0], 0)

        # The editing mode over the live picture, with its hint in the status bar.
        self.assertEqual(t.pomocnik('prikaz', OKNO_KAMERY, 'Vchod - Připraven', ID_EDITORU, 5000)[0], 0)
        rc, rozmer = t.pomocnik('obdelnik', OKNO_KAMERY, 'Vchod - Připraven', 10000, ID_EDITORU)
        self.assertEqual(rc, 0, rozmer)
        sirka, vyska = (int(v) for v in rozmer.split()[2:])
        rc, radek = t.pomocnik('stavovy-radek', OKNO_KAMERY, 'Vchod - Připraven', 5000)
        self.assertIn('Maska: Enter uloží, Esc zruší', radek)
        # Where the picture is: as large as fits, aspect kept, centred; the centre of a cell.
        w, h = sirka, VYSKA * sirka // SIRKA
        if h > vyska:
            w, h = SIRKA * vyska // VYSKA, vyska
        x0, y0 = (sirka - w) // 2, (vyska - h) // 2

        def stred(s, r):
            return x0 + (2 * s + 1) * w // 64, y0 + (2 * r + 1) * h // 48

        time.sleep(1)  # a few live frames drawn before the screenshot (nothing is checked on it)
        snimek_obrazovky('maska.png')
        # Each row of the quarter: a click unmasks its first cell, the drag the rest of the row.
        for r in range(6):
            self.editor('Vchod', WM_LBUTTONDOWN, MK_LBUTTON, *stred(0, r))
            self.editor('Vchod', WM_MOUSEMOVE, MK_LBUTTON, *stred(7, r))
            self.editor('Vchod', WM_LBUTTONUP, 0, *stred(7, r))
        self.editor('Vchod', WM_KEYDOWN, VK_RETURN)
        self.assertTrue(t.pockat_na(lambda: ulozena_maska('Vchod') == maska_bajty(HODINY), 10), ulozena_maska('Vchod'))
        # The running detector has the new mask: the same motion reports now.
        self.assertTrue(t.pockat_na(lambda: len(snimky('Vchod')) >= 1, 60))
        self.assertEqual(t.pomocnik('zavrit-okno', OKNO_KAMERY, 'Vchod - Připraven', 10000)[0], 0)
        for p in self.procesy:
            self.assertEqual(t.pockat(p), 0, getattr(p, 'chyby', b'')[-2000:])
        # Saved again on closing, the mask is still the edited one.
        self.assertEqual(ulozena_maska('Vchod'), maska_bajty(HODINY))


if __name__ == '__main__':
    unittest.main()
