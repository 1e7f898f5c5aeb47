"""The camera window's image-control strip in the real Tervik.exe under Wine with the virtual test
camera: brightness at its maximum brightens the snapshots, "Výchozí" gives contrast the device's
default, a device without image controls lists only zoom and focus, the strip empties with the
video and its switch is stored."""
import os
import re
import subprocess
import unittest

import tervik_proces as t

OKNO_KAMERY = 'Tervik4Tervik'
ID_PANELU, ID_COMBA_ZARIZENI, ID_PRUHU = 1, 3, 4
SEZNAM, VYCHOZI, JEZDEC = 1049, 1050, 1051
TBM_GETPOS = 0x400
VIDEO, OVLADANI, SNIMEK = 40022, 40027, 40046
JMENO = 'Pruh'
BEZ_OBRAZU = 'bez nastavení obrazu'


def slozka_snimku():
    return os.path.join(t.slozka_dokumentu(), 'Tervik 4.8')


def snimky():
    if not os.path.isdir(slozka_snimku()):
        return {}
    return {int(m.group(1)): os.path.join(slozka_snimku(), f) for f in os.listdir(slozka_snimku())
            if (m := re.fullmatch(JMENO + r'_(\d+)\.jpg', f))}


def smazat_snimky():
    for cesta in snimky().values():
        os.remove(cesta)


def jas(cesta):
    """The mean brightness of an image, 0 to 1."""
    r = subprocess.run(['convert', cesta, '-colorspace', 'Gray', '-format', '%[fx:mean]', 'info:'],
                       capture_output=True, timeout=30)
    return float(r.stdout)


def seznam(id_prvku):
    rc, vystup = t.pomocnik('seznam', OKNO_KAMERY, '-', id_prvku, 5000)
    return vystup.split('\n') if rc == 0 and vystup else []


def pozice():
    rc, vystup = t.pomocnik('zprava-prvku', OKNO_KAMERY, '-', JEZDEC, TBM_GETPOS, 0, 0, 5000)
    return int(vystup) if rc == 0 else None


def obdelnik(id_prvku):
    return [int(c) for c in t.pomocnik('obdelnik', OKNO_KAMERY, '-', 10000, id_prvku)[1].split()]


@unittest.skipUnless(t.je_testovaci_kamera() and os.path.exists(t.KNIHOVNA_KAMERY), 'testovací kamera chybí')
class OvladaniObrazu(unittest.TestCase):
    def setUp(self):
        t.smazat_nastaveni()
        smazat_snimky()
        self.proces = None
        # The test camera and its variant without IAMVideoProcAmp.
        self.assertEqual(t.zaregistrovat_zarizeni('1,bezobrazu'), '')

    def tearDown(self):
        t.ukoncit(self.proces, OKNO_KAMERY)
        # The variant goes again: the other tests count the devices.
        self.assertEqual(t.zaregistrovat_zarizeni('bezobrazu', odebrat=True), '')
        t.smazat_nastaveni()
        smazat_snimky()

    def vybrat(self, index, ocekavana_pozice):
        self.assertEqual(t.pomocnik('vybrat-polozku', OKNO_KAMERY, '-', SEZNAM, index, 5000)[0], 0)
        self.assertTrue(t.pockat_na(lambda: pozice() == ocekavana_pozice, 30), (index, pozice()))

    def posunout(self, hodnota):
        rc, vystup = t.pomocnik('posunout-jezdec', OKNO_KAMERY, '-', JEZDEC, hodnota, 10000)
        self.assertEqual(rc, 0)
        return int(vystup)

    def snimek(self):
        """A snapshot by hand (40046); its path once the whole JPEG is written."""
        pred = set(snimky())

        def hotovy():
            nove = set(snimky()) - pred
            if not nove:
                return None
            with open(snimky()[max(nove)], 'rb') as f:
                return f.name if f.read().endswith(b'\xff\xd9') else None
        self.assertEqual(t.pomocnik('prikaz', OKNO_KAMERY, '-', SNIMEK, 5000)[0], 0)
        self.assertTrue(t.pockat_na(hotovy, 30))
        return hotovy()

    def test_pruh_ovladani_kamery(self):
        rc, slozka = t.pomocnik('kamera', JMENO, 3600000, 1, 1)
        self.assertEqual(rc, 0, slozka)
        t.zapsat_hodnotu(r'Kamery\%s\Po spusteni' % JMENO, 'snimkyDisk', 'REG_DWORD', 0)
        t.zapsat_hodnotu(r'Kamery\%s\Okno' % JMENO, 'ovladaniKamery', 'REG_DWORD', 1)
        self.proces = t.na_pozadi(t.TERVIK, '-ka', JMENO)
        self.assertEqual(t.pomocnik('cekat-okno', OKNO_KAMERY, JMENO + ' - Připraven', 30000)[0], 0)

        zarizeni = seznam(ID_COMBA_ZARIZENI)
        plna = next(i for i, z in enumerate(zarizeni) if BEZ_OBRAZU not in z)
        bez = next(i for i, z in enumerate(zarizeni) if BEZ_OBRAZU in z)
        if zarizeni[plna][0] != '*':
            self.assertEqual(t.pomocnik('vybrat-polozku', OKNO_KAMERY, '-', ID_COMBA_ZARIZENI, plna, 5000)[0], 0)
        # Filled when the video came on, the first entry selected.
        vse = ['*Jas', 'Kontrast', 'Sytost barev', 'Odstín', 'Ostření', 'Zoom', 'Focus']
        self.assertTrue(t.pockat_na(lambda: seznam(SEZNAM) == vse, 30), seznam(SEZNAM))
        # A row under the toolbar, above the video: a click in the middle of the trackbar reaches it.
        _, panel_y, _, panel_vyska = obdelnik(ID_PANELU)
        pruh_x, pruh_y, pruh_sirka, pruh_vyska = obdelnik(ID_PRUHU)
        self.assertGreaterEqual(pruh_y, panel_y + panel_vyska)
        self.assertEqual(t.pomocnik('okno-v-bode', pruh_x + pruh_sirka // 2, pruh_y + pruh_vyska // 2)[1],
                         'msctls_trackbar32')
        if os.environ.get('DISPLAY'):
            obrazovky = os.path.join(t.ZDROJ, 'build', 'obrazovky')
            os.makedirs(obrazovky, exist_ok=True)
            subprocess.run(['import', '-window', 'root', os.path.join(obrazovky, 'okno-kamery-ovladani.png')],
                           capture_output=True, timeout=30)

        # "Jas" (brightness, -64..64) at its maximum: the next snapshots are brighter.
        zaklad = jas(self.snimek())
        self.assertEqual(self.posunout(64), 64)
        self.assertTrue(t.pockat_na(lambda: jas(self.snimek()) > zaklad + 0.1, 30), zaklad)

        # "Kontrast" set to 80 is what the device has afterwards; "Výchozí" gives its default, 50.
        self.vybrat(1, 50)
        self.assertEqual(self.posunout(80), 80)
        self.assertEqual(t.pomocnik('kliknout', OKNO_KAMERY, '-', VYCHOZI, 5000)[0], 0)
        self.assertTrue(t.pockat_na(lambda: pozice() == 50, 30), pozice())
        # Read from the device again by choosing it anew.
        self.vybrat(0, 64)
        self.vybrat(1, 50)

        # Another device: the strip is filled anew with what it offers.
        self.assertEqual(t.pomocnik('vybrat-polozku', OKNO_KAMERY, '-', ID_COMBA_ZARIZENI, bez, 5000)[0], 0)
        self.assertTrue(t.pockat_na(lambda: seznam(SEZNAM) == ['*Zoom', 'Focus'], 30), seznam(SEZNAM))
        # Video off empties it.
        self.assertEqual(t.pomocnik('prikaz', OKNO_KAMERY, '-', VIDEO, 5000)[0], 0)
        self.assertTrue(t.pockat_na(lambda: seznam(SEZNAM) == [], 30), seznam(SEZNAM))

        # 40027 hides the strip; closing stores its switch.
        self.assertEqual(t.pomocnik('prikaz', OKNO_KAMERY, '-', OVLADANI, 5000)[0], 0)
        self.assertEqual(t.pomocnik('zavrit-okno', OKNO_KAMERY, '-', 10000)[0], 0)
        self.assertEqual(t.pockat(self.proces), 0, getattr(self.proces, 'chyby', b'')[-2000:])
        r = t.wine('reg', 'query', t.KOREN + r'\Kamery\%s\Okno' % JMENO, '/v', 'ovladaniKamery')
        self.assertRegex(r.stdout.decode('utf-8', 'replace'), r'REG_DWORD\s+0x0\b')


if __name__ == '__main__':
    unittest.main()
