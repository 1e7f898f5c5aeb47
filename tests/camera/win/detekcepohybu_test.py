"""Motion detection in the real Tervik.exe under Wine with the virtual test camera: its moving scene triggers disk
snapshots no more often than the detector's period and the least interval of the disk action allow, its still scene
none; detection switched off and on from the menu, and a camera switched off and on from the main window, detect
again. The motion mask: scene 2 moves only in the top left quarter; a camera whose mask covers it reports nothing
while one without a mask reports, and the mask edited over the live picture (drags, Enter) reaches the registry and
the running detector."""
import os
import re
import time
import unittest

import tervik_proces as t
from tervik_proces import OKNO_KAMERY, HLAVNI

ID_EDITORU = 40126  # the mask editing mode's command, also its window's id
WM_KEYDOWN, WM_MOUSEMOVE, WM_LBUTTONDOWN, WM_LBUTTONUP = 0x0100, 0x0200, 0x0201, 0x0202
MK_LBUTTON, VK_RETURN = 0x0001, 0x0D
SIRKA, VYSKA = 320, 240
CTVRTINA = {(s, r) for s in range(8) for r in range(6)}  # the noise: columns 0-7, rows 0-5 of 32 x 24
HODINY = {(s, r) for s in range(32) for r in range(21, 24)}  # the clock strip along the bottom


def scena(cislo):
    t.zapsat_hodnotu('Testovaci kamera', 'scena', 'REG_DWORD', cislo)


def kamera_s_detekci(jmeno, interval_ms=1000, min_interval_s=1, maska=None):
    """A camera that switches its video and motion detection on after start; motion saves to disk."""
    t.ulozit_kameru(jmeno, 1000)
    klic = r'Kamery\%s' % jmeno
    t.zapsat_hodnotu(klic + r'\Po spusteni', 'snimkyDisk', 'REG_DWORD', 0)
    t.zapsat_hodnotu(klic + r'\Po spusteni', 'detekcePohybu', 'REG_DWORD', 1)
    t.zapsat_hodnotu(klic + r'\Detekce pohybu', 'interval', 'REG_DWORD', interval_ms)
    t.zapsat_hodnotu(klic + r'\Detekce pohybu\Disk', 'minInterval', 'REG_DWORD', min_interval_s)
    if maska is not None:
        t.zapsat_hodnotu(klic + r'\Detekce pohybu', 'maska', 'REG_BINARY', maska.hex())


def maska_bajty(bunky):
    """The stored form of a mask of the given (column, row) cells: 4 bytes per row, lowest bit the leftmost column."""
    radky = [0] * 24
    for s, r in bunky:
        radky[r] |= 1 << s
    return b''.join(r.to_bytes(4, 'little') for r in radky)


def ulozena_maska(jmeno):
    r = t.wine('reg', 'query', t.KOREN + r'\Kamery\%s\Detekce pohybu' % jmeno, '/v', 'maska')
    m = re.search(rb'REG_BINARY\s+([0-9A-Fa-f]+)', r.stdout)
    return bytes.fromhex(m.group(1).decode()) if m else None


def odstupy(jmeno):
    casy = [os.path.getmtime(c) for c in t.snimky(jmeno).values()]
    return [b - a for a, b in zip(casy, casy[1:])]


@unittest.skipUnless(t.je_testovaci_kamera(), 'testovací kamera není zaregistrovaná')
class DetekcePohybu(t.TestTerviku):
    def spustit_kameru(self, jmeno):
        return self.spustit('-ka', jmeno, okno=OKNO_KAMERY, titulek=jmeno + ' - Připraven')

    def test_pohyb_uklada_snimky_nejvys_jednou_za_dve_periody(self):
        scena(1)
        kamera_s_detekci('Chodba', 1000, 1)
        p = self.spustit_kameru('Chodba')
        self.assertTrue(t.pockat_na(lambda: len(t.snimky('Chodba')) >= 4, 60), t.snimky('Chodba'))
        self.zavrit(p, titulek='Chodba - Připraven')
        cisla = list(t.snimky('Chodba'))
        self.assertEqual(cisla, list(range(1, len(cisla) + 1)))
        # After a report the next tick takes a new reference and only the one after it compares.
        for odstup in odstupy('Chodba'):
            self.assertGreaterEqual(odstup, 1.8)

    def test_nejmensi_interval_akce_na_disk_plati(self):
        scena(1)
        kamera_s_detekci('Sklad', 500, 4)
        p = self.spustit_kameru('Sklad')
        self.assertTrue(t.pockat_na(lambda: len(t.snimky('Sklad')) >= 3, 60), t.snimky('Sklad'))
        self.zavrit(p, titulek='Sklad - Připraven')
        # Reports come every second or so; the disk action takes one every 4 s at most.
        for odstup in odstupy('Sklad'):
            self.assertGreaterEqual(odstup, 3.8)

    def test_nehybna_scena_nic_neulozi_a_detekce_jde_vypnout(self):
        scena(0)
        kamera_s_detekci('Sklep', 500, 1)
        p = self.spustit_kameru('Sklep')
        # Only the strip with the time and frame number changes: far below the share of pixels.
        time.sleep(20)
        self.assertEqual(t.snimky('Sklep'), {})
        # Switched off from the menu, the moving scene starts nothing either.
        self.assertEqual(t.pomocnik('prikaz', OKNO_KAMERY, '-', 40043, 5000)[0], 0)
        time.sleep(1)
        scena(1)
        time.sleep(6)
        self.assertEqual(t.snimky('Sklep'), {})
        # And switched on again, it does.
        self.assertEqual(t.pomocnik('prikaz', OKNO_KAMERY, '-', 40043, 5000)[0], 0)
        self.assertTrue(t.pockat_na(lambda: len(t.snimky('Sklep')) >= 1, 30))
        self.zavrit(p, titulek='Sklep - Připraven')

    def test_kamera_vypnuta_a_zapnuta_z_hlavniho_okna_detekuje_znovu(self):
        scena(1)
        kamera_s_detekci('Vrata')
        # The whole application: the camera starts with it, the main window switches it off and on
        # (40011 toggles the selected camera), and it is the same camera object each time.
        p = self.spustit(okno=OKNO_KAMERY, titulek='Vrata - Připraven')
        self.assertTrue(t.pockat_na(lambda: len(t.snimky('Vrata')) >= 1, 60), t.snimky('Vrata'))
        self.assertEqual(t.pomocnik('prikaz', HLAVNI, '-', 40011, 10000)[0], 0)
        self.assertTrue(t.pockat_na(lambda: not t.okno_otevreno(OKNO_KAMERY), 30))
        pred = len(t.snimky('Vrata'))
        self.assertEqual(t.pomocnik('prikaz', HLAVNI, '-', 40011, 10000)[0], 0)
        self.assertEqual(t.pomocnik('cekat-okno', OKNO_KAMERY, 'Vrata - Připraven', 30000)[0], 0)
        self.assertTrue(t.pockat_na(lambda: len(t.snimky('Vrata')) > pred, 60), t.snimky('Vrata'))
        self.zavrit(p, HLAVNI)

    def editor(self, zprava, wp=0, x=None, y=None):
        lp = 0 if x is None else (y << 16) | x
        rc, vystup = t.pomocnik('zprava-prvku', OKNO_KAMERY, 'Vchod - Připraven', ID_EDITORU, zprava, wp, lp, 5000)
        self.assertEqual(rc, 0, vystup)

    def test_maskovany_pohyb_nehlasi_po_uprave_masky_hlasi(self):
        scena(2)
        kamera_s_detekci('Vchod', 500, maska=maska_bajty(CTVRTINA | HODINY))
        kamera_s_detekci('Dvur', 500)
        for jmeno in ('Vchod', 'Dvur'):
            t.zapsat_hodnotu(r'Kamery\%s\Video' % jmeno, 'sirka', 'REG_DWORD', SIRKA)
            t.zapsat_hodnotu(r'Kamery\%s\Video' % jmeno, 'vyska', 'REG_DWORD', VYSKA)
        vchod, dvur = self.spustit_kameru('Vchod'), self.spustit_kameru('Dvur')
        # The camera without a mask reports the motion twice; meanwhile the masked one, checking the same scene as
        # often, reports nothing.
        self.assertTrue(t.pockat_na(lambda: len(t.snimky('Dvur')) >= 2, 90), t.snimky('Dvur'))
        self.assertEqual(t.snimky('Vchod'), {})
        self.zavrit(dvur, titulek='Dvur - Připraven')

        # The editing mode over the live picture, with its hint in the status bar.
        self.assertEqual(t.pomocnik('prikaz', OKNO_KAMERY, 'Vchod - Připraven', ID_EDITORU, 5000)[0], 0)
        rc, rozmer = t.pomocnik('obdelnik', OKNO_KAMERY, 'Vchod - Připraven', 10000, ID_EDITORU)
        self.assertEqual(rc, 0, rozmer)
        sirka, vyska = (int(v) for v in rozmer.split()[2:])
        self.assertIn('Maska: Enter uloží, Esc zruší', t.pomocnik('stavovy-radek', OKNO_KAMERY, 'Vchod - Připraven',
                                                                  5000)[1])
        # Where the picture is: as large as fits, aspect kept, centred; the centre of a cell.
        w, h = sirka, VYSKA * sirka // SIRKA
        if h > vyska:
            w, h = SIRKA * vyska // VYSKA, vyska
        x0, y0 = (sirka - w) // 2, (vyska - h) // 2

        def stred(s, r):
            return x0 + (2 * s + 1) * w // 64, y0 + (2 * r + 1) * h // 48

        time.sleep(1)  # a few live frames drawn before the screenshot (nothing is checked on it)
        t.snimek_obrazovky('maska.png')
        # Each row of the quarter: a click unmasks its first cell, the drag the rest of the row.
        for r in range(6):
            self.editor(WM_LBUTTONDOWN, MK_LBUTTON, *stred(0, r))
            self.editor(WM_MOUSEMOVE, MK_LBUTTON, *stred(7, r))
            self.editor(WM_LBUTTONUP, 0, *stred(7, r))
        self.editor(WM_KEYDOWN, VK_RETURN)
        self.assertTrue(t.pockat_na(lambda: ulozena_maska('Vchod') == maska_bajty(HODINY), 10), ulozena_maska('Vchod'))
        # The running detector has the new mask: the same motion reports now.
        self.assertTrue(t.pockat_na(lambda: len(t.snimky('Vchod')) >= 1, 60))
        self.zavrit(vchod, titulek='Vchod - Připraven')
        # Saved again on closing, the mask is still the edited one.
        self.assertEqual(ulozena_maska('Vchod'), maska_bajty(HODINY))


if __name__ == '__main__':
    unittest.main()
