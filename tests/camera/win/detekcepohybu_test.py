"""Motion detection in the real Tervik.exe under Wine with the virtual test camera: its moving scene
triggers disk snapshots no more often than the least interval allows, its still scene none, and a
camera switched off and on again from the main window detects again."""
import os
import re
import time
import unittest

import tervik_proces as t

OKNO_KAMERY = 'Tervik4Tervik'
HLAVNI = 'RTervik4'
KLIC_TESTOVACI_KAMERY = r'Testovaci kamera'


def slozka_snimku():
    return os.path.join(t.slozka_dokumentu(), 'Tervik 4.8')


def snimky(jmeno):
    """{number: modification time} of the camera's numbered snapshot files."""
    vysledek = {}
    if os.path.isdir(slozka_snimku()):
        for soubor in os.listdir(slozka_snimku()):
            m = re.fullmatch(re.escape(jmeno) + r'_(\d+)\.jpg', soubor)
            if m:
                vysledek[int(m.group(1))] = os.path.getmtime(os.path.join(slozka_snimku(), soubor))
    return dict(sorted(vysledek.items()))


def smazat_snimky():
    if os.path.isdir(slozka_snimku()):
        for soubor in os.listdir(slozka_snimku()):
            os.remove(os.path.join(slozka_snimku(), soubor))


def kamera_s_detekci(jmeno, interval_ms, min_interval_s):
    """A camera that switches its video and motion detection on after start; motion saves to disk."""
    rc, vystup = t.pomocnik('kamera', jmeno, 1000, 1, 1)
    assert rc == 0, vystup
    t.zapsat_hodnotu(r'Kamery\%s\Po spusteni' % jmeno, 'snimkyDisk', 'REG_DWORD', 0)
    t.zapsat_hodnotu(r'Kamery\%s\Po spusteni' % jmeno, 'detekcePohybu', 'REG_DWORD', 1)
    t.zapsat_hodnotu(r'Kamery\%s\Detekce pohybu' % jmeno, 'interval', 'REG_DWORD', interval_ms)
    t.zapsat_hodnotu(r'Kamery\%s\Detekce pohybu\Disk' % jmeno, 'minInterval', 'REG_DWORD', min_interval_s)


def okno_kamery_otevreno():
    return any(r.startswith(OKNO_KAMERY + '|') for r in t.pomocnik('okna')[1].split('\n'))


def scena(cislo):
    t.zapsat_hodnotu(KLIC_TESTOVACI_KAMERY, 'scena', 'REG_DWORD', cislo)


@unittest.skipUnless(t.je_testovaci_kamera(), 'testovací kamera není zaregistrovaná')
class DetekcePohybu(unittest.TestCase):
    def setUp(self):
        t.smazat_nastaveni()
        smazat_snimky()
        self.proces = None

    def tearDown(self):
        t.ukoncit(self.proces, OKNO_KAMERY)
        t.smazat_nastaveni()
        smazat_snimky()

    def spustit(self, jmeno):
        self.proces = t.na_pozadi(t.TERVIK, '-ka', jmeno)
        self.assertEqual(t.pomocnik('cekat-okno', OKNO_KAMERY, jmeno + ' - Připraven', 30000)[0], 0)

    def zavrit(self, jmeno):
        self.assertEqual(t.pomocnik('zavrit-okno', OKNO_KAMERY, jmeno + ' - Připraven', 10000)[0], 0)
        self.assertEqual(t.pockat(self.proces), 0, getattr(self.proces, 'chyby', b'')[-2000:])

    def odstupy(self, jmeno):
        casy = list(snimky(jmeno).values())
        return [b - a for a, b in zip(casy, casy[1:])]

    def test_pohyb_uklada_snimky_nejvys_jednou_za_dve_periody(self):
        scena(1)
        kamera_s_detekci('Chodba', 1000, 1)
        self.spustit('Chodba')
        self.assertTrue(t.pockat_na(lambda: len(snimky('Chodba')) >= 4, 60), snimky('Chodba'))
        self.zavrit('Chodba')
        cisla = list(snimky('Chodba'))
        self.assertEqual(cisla, list(range(1, len(cisla) + 1)))
        # After a report the next tick takes a new reference and only the one after it compares.
        for odstup in self.odstupy('Chodba'):
            self.assertGreaterEqual(odstup, 1.8)

    def test_nejmensi_interval_akce_na_disk_plati(self):
        scena(1)
        kamera_s_detekci('Sklad', 500, 4)
        self.spustit('Sklad')
        self.assertTrue(t.pockat_na(lambda: len(snimky('Sklad')) >= 3, 60), snimky('Sklad'))
        self.zavrit('Sklad')
        # Reports come every second or so; the disk action takes one every 4 s at most.
        for odstup in self.odstupy('Sklad'):
            self.assertGreaterEqual(odstup, 3.8)

    def test_nehybna_scena_nic_neulozi_a_detekce_jde_vypnout(self):
        scena(0)
        kamera_s_detekci('Sklep', 500, 1)
        self.spustit('Sklep')
        # Only the strip with the time and frame number changes: far below the share of pixels.
        time.sleep(20)
        self.assertEqual(snimky('Sklep'), {})
        # Switched off from the menu, the moving scene starts nothing either.
        self.assertEqual(t.pomocnik('prikaz', OKNO_KAMERY, '-', 40043, 5000)[0], 0)
        time.sleep(1)
        scena(1)
        time.sleep(6)
        self.assertEqual(snimky('Sklep'), {})
        # And switched on again, it does.
        self.assertEqual(t.pomocnik('prikaz', OKNO_KAMERY, '-', 40043, 5000)[0], 0)
        self.assertTrue(t.pockat_na(lambda: len(snimky('Sklep')) >= 1, 30))
        self.zavrit('Sklep')

    def test_kamera_vypnuta_a_zapnuta_z_hlavniho_okna_detekuje_znovu(self):
        scena(1)
        kamera_s_detekci('Vrata', 1000, 1)
        # The whole application: the camera starts with it, the main window switches it off and on
        # (40011 toggles the selected camera), and it is the same camera object each time.
        self.proces = t.na_pozadi(t.TERVIK)
        self.assertEqual(t.pomocnik('cekat-okno', OKNO_KAMERY, 'Vrata - Připraven', 30000)[0], 0)
        self.assertTrue(t.pockat_na(lambda: len(snimky('Vrata')) >= 1, 60), snimky('Vrata'))
        self.assertEqual(t.pomocnik('prikaz', HLAVNI, '-', 40011, 10000)[0], 0)
        self.assertTrue(t.pockat_na(lambda: not okno_kamery_otevreno(), 30))
        pred = len(snimky('Vrata'))
        self.assertEqual(t.pomocnik('prikaz', HLAVNI, '-', 40011, 10000)[0], 0)
        self.assertEqual(t.pomocnik('cekat-okno', OKNO_KAMERY, 'Vrata - Připraven', 30000)[0], 0)
        self.assertTrue(t.pockat_na(lambda: len(snimky('Vrata')) > pred, 60), snimky('Vrata'))
        self.assertEqual(t.pomocnik('zavrit-okno', HLAVNI, '-', 10000)[0], 0)
        self.assertEqual(t.pockat(self.proces), 0, getattr(self.proces, 'chyby', b'')[-2000:])


if __name__ == '__main__':
    unittest.main()
