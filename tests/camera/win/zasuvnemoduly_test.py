"""Snapshot plug-ins in the real Tervik.exe under Wine with the virtual test camera: the sample plug-in added on the
camera's settings page through the real file dialog, its switches stored, its square in the live frames and its
border in the disk snapshots; a crashing and a hanging plug-in beside it are switched off and reported while the
snapshots go on."""
import os
import re
import struct
import unittest

import tervik_proces as t
from tervik_proces import OKNO_KAMERY

JMENO = 'Vjezd'
DIALOG = '#32770'
TITULEK = 'Předvolby kamery ' + JMENO
KLIC_KAMERY = r'Kamery\%s' % JMENO
KLIC_MODULU = t.KOREN + '\\' + KLIC_KAMERY + r'\Zasuvne moduly'
VODOZNAK = os.path.join(t.BUILD, 'zasuvnymodul', 'TervikVodoznak.dll')
PAD = os.path.join(t.BUILD, 'tests', 'moduly', 'ModulPad.dll')
ZASEKNUTI = os.path.join(t.BUILD, 'tests', 'moduly', 'ModulZaseknuti.dll')

# The page's controls (DlgNastKamZasuvneModuly) and the dialog's tree.
SEZNAM, PRIDAT, ODEBRAT, POUZIT, ZDO, DISK = 1916, 1917, 1918, 1919, 1920, 1921
IDYES = 6
STROM = 1999
TVM_GETCOUNT, LVM_GETITEMCOUNT, BM_SETCHECK = 0x1105, 0x1004, 0x00F1
# The file name's edit of the open dialog: Wine's, or the newer Windows one's combo box.
JMENO_SOUBORU = (1152, 1148)
MS = 15000


def snimky():
    """The camera's numbered snapshot files: {number: path}."""
    return t.snimky(JMENO, pripona='bmp')


def pixely_bmp(cesta):
    """(width, height, pixel(x, y) -> (r, g, b) from the top-left) of a 24- or 32-bit BMP file."""
    with open(cesta, 'rb') as f:
        data = f.read()
    odkud = struct.unpack_from('<I', data, 10)[0]
    sirka, vyska = struct.unpack_from('<ii', data, 18)
    bitu = struct.unpack_from('<H', data, 28)[0]
    bajtu = bitu // 8
    radek = (sirka * bajtu + 3) & ~3

    def pixel(x, y):
        r = vyska - 1 - y if vyska > 0 else y
        i = odkud + r * radek + x * bajtu
        return data[i + 2], data[i + 1], data[i]

    return sirka, abs(vyska), pixel


def registr_modulu():
    """{plug-in name: {value: data}} of the camera's stored plug-in list."""
    r = t.wine('reg', 'query', KLIC_MODULU, '/s')
    vysledek, modul = {}, None
    for radek in r.stdout.decode('utf-8', 'replace').replace('\r', '').split('\n'):
        if radek.startswith('HKEY_'):
            modul = radek.rsplit('\\', 1)[1] if radek.rstrip('\\').count('\\') > KLIC_MODULU.count('\\') else None
            if modul is not None:
                vysledek[modul] = {}
        elif modul is not None and radek.strip():
            casti = radek.split(None, 2)
            if len(casti) == 3:
                vysledek[modul][casti[0]] = casti[2]
    return vysledek


def zaslat_prvku(id_prvku, zprava, wp=0, lp=0):
    rc, vystup = t.pomocnik('zprava-prvku', DIALOG, TITULEK, id_prvku, zprava, wp, lp, MS)
    assert rc == 0, vystup
    return int(vystup)


def dialogy_souboru():
    """Titles of the visible dialogs other than the settings dialog (the open file dialog or the question)."""
    vysledek = []
    for radek in t.pomocnik('okna')[1].split('\n'):
        casti = radek.split('|')
        if len(casti) == 3 and casti[0] == DIALOG and casti[1] != TITULEK and casti[2] == '1':
            vysledek.append(casti[1])
    return vysledek


def snimek_ma_modul(cesta):
    """Whether a snapshot shows the live square (top-left, inside the border) and the disk border (blue)."""
    sirka, vyska, pixel = pixely_bmp(cesta)
    ctverec = pixel(8, 8)
    okraj = [pixel(1, vyska // 2), pixel(sirka - 2, vyska // 2), pixel(sirka // 2, 1), pixel(sirka // 2, vyska - 2)]
    return ctverec == (255, 0, 255) and all(p == (0, 0, 255) for p in okraj), (ctverec, okraj)


@unittest.skipUnless(t.je_testovaci_kamera(), 'testovací kamera není zaregistrovaná')
class ZasuvneModuly(t.TestTerviku):
    def setUp(self):
        for dll in (VODOZNAK, PAD, ZASEKNUTI):
            self.assertTrue(os.path.exists(dll), dll + ' chybí (cíl tervik_zasuvne_moduly)')
        super().setUp()

    def pridat(self, dll, zapnout):
        """Adds the DLL through the page's file dialog and switches the given switches of it on."""
        pred = zaslat_prvku(SEZNAM, LVM_GETITEMCOUNT)
        self.assertEqual(t.pomocnik('kliknout', DIALOG, TITULEK, PRIDAT, MS)[0], 0)
        self.assertTrue(t.pockat_na(lambda: dialogy_souboru(), 30), t.pomocnik('okna')[1])
        titulek = dialogy_souboru()[0]
        self.assertTrue(any(t.pomocnik('nastavit-text', DIALOG, titulek, i, t.windows_cesta(dll), MS)[0] == 0
                            for i in JMENO_SOUBORU), titulek)
        self.assertEqual(t.pomocnik('prikaz', DIALOG, titulek, 1, MS)[0], 0)
        self.assertTrue(t.pockat_na(lambda: zaslat_prvku(SEZNAM, LVM_GETITEMCOUNT) == pred + 1, 30))
        # The new entry is the selected one: its switches, applied by the page's button.
        for prepinac in zapnout:
            zaslat_prvku(prepinac, BM_SETCHECK, 1)
        self.assertEqual(t.pomocnik('kliknout', DIALOG, TITULEK, POUZIT, MS)[0], 0)

    def test_vodoznak_a_vadne_moduly_vedle_nej(self):
        t.ulozit_kameru(JMENO, 1000, 1, 1)
        t.zapsat_hodnotu(KLIC_KAMERY + r'\Snimky disk\Snimek', 'format', 'REG_DWORD', 2)  # BMP: exact pixels
        self.proces = self.spustit('-ka', JMENO, okno=OKNO_KAMERY, titulek=JMENO + ' - Připraven')
        self.assertTrue(t.pockat_na(lambda: len(snimky()) >= 1, 60))
        self.assertFalse(snimek_ma_modul(list(snimky().values())[-1])[0])

        # The settings dialog on its last page, which the helper checks (texts fit, Tab reaches every control).
        self.assertEqual(t.pomocnik('prikaz', OKNO_KAMERY, '-', 40030, MS)[0], 0)
        self.assertEqual(t.pomocnik('cekat-okno', DIALOG, TITULEK, 30000)[0], 0)
        stranek = zaslat_prvku(STROM, TVM_GETCOUNT)
        rc, vystup = t.pomocnik('stranka-predvoleb', stranek - 1, MS, TITULEK)
        self.assertEqual(rc, 0, vystup)
        self.assertEqual(vystup.split('\n')[0], 'Zásuvné moduly')

        self.pridat(VODOZNAK, (ZDO, DISK))
        ocekavane = {'cesta': t.windows_cesta(VODOZNAK), 'usDisk': '0x1', 'usEmail': '0x0', 'usFtp': '0x0',
                     'usHS': '0x0', 'zdo': '0x1'}
        self.assertTrue(t.pockat_na(lambda: registr_modulu().get('Vodoznak Tervik') == ocekavane, 30),
                        registr_modulu())
        t.snimek_obrazovky('nastaveni-zasuvne-moduly.png')

        # The next snapshots carry the live square (the frame after the plug-in) and the disk border.
        od = max(snimky(), default=0) + 1
        self.assertTrue(t.pockat_na(lambda: any(snimek_ma_modul(c)[0] for n, c in snimky().items() if n > od), 60),
                        [snimek_ma_modul(c)[1] for c in snimky().values()][-3:])

        # A plug-in that crashes at its 5th call and one that never returns, beside it: both switched off and
        # logged while the dialog stays open.
        self.pridat(PAD, (ZDO, DISK))
        self.pridat(ZASEKNUTI, (DISK,))
        self.assertTrue(t.pockat_na(lambda: len(registr_modulu()) == 3, 30), registr_modulu())
        selhal = re.compile(r'Zásuvný modul "ModulPad" selhal \(0xC0000005\) a byl vypnut\.')
        nereagoval = re.compile(r'Zásuvný modul "ModulZaseknuti" nereagoval do 5000 ms a byl vypnut\.')
        self.assertTrue(t.pockat_na(lambda: selhal.search(t.log_kamery(JMENO)) and
                                    nereagoval.search(t.log_kamery(JMENO)), 90), t.log_kamery(JMENO)[-2000:])

        # The selected (last added) one removed after the question; Storno then undoes nothing.
        self.assertEqual(t.pomocnik('kliknout', DIALOG, TITULEK, ODEBRAT, MS)[0], 0)
        self.assertTrue(t.pockat_na(lambda: dialogy_souboru(), 30), t.pomocnik('okna')[1])
        rc, otazka = t.pomocnik('text-zpravy', dialogy_souboru()[0], MS, IDYES)
        self.assertEqual((rc, otazka), (0, 'Opravdu chcete odebrat zásuvný modul "ModulZaseknuti"?'))
        self.assertTrue(t.pockat_na(lambda: sorted(registr_modulu()) == ['ModulPad', 'Vodoznak Tervik'], 30),
                        registr_modulu())
        self.assertEqual(t.pomocnik('prikaz', DIALOG, TITULEK, 2, MS)[0], 0)
        self.assertTrue(t.pockat_na(lambda: t.pomocnik('cekat-okno', DIALOG, TITULEK, 0)[0] != 0, 30))
        self.assertEqual(sorted(registr_modulu()), ['ModulPad', 'Vodoznak Tervik'])
        # The snapshots go on, numbered without a gap, still with the sample's square and border.
        od = max(snimky(), default=0)
        self.assertTrue(t.pockat_na(lambda: max(snimky(), default=0) >= od + 2, 60), snimky())
        cisla = list(snimky())
        self.assertEqual(cisla, list(range(1, len(cisla) + 1)))
        posledni = snimek_ma_modul(snimky()[cisla[-1]])
        self.assertTrue(posledni[0], posledni[1])
        t.snimek_obrazovky('zasuvne-moduly-ctverec.png')

        self.zavrit(self.proces)


if __name__ == '__main__':
    unittest.main()
