"""The camera window in the real Tervik.exe under Wine with the virtual test camera: automatic disk
snapshots, the stored capture size, what closing stores, the format pages outliving the video and
the window, the notification icon of a hidden window, the device bar, two cameras side by side, and the
image-control strip."""
import os
import subprocess
import time
import unittest

import tervik_proces as t
from tervik_proces import OKNO_KAMERY, HLAVNI

NAHLED_IKONY = 'Tervik4NahledIkony'
IKONA_KAMERY = 0x87D1  # the notification icon's callback message
WM_MOUSEMOVE = 0x200
WM_LBUTTONUP = 0x202
SKRYT_OKNO, PREDVOLBY = 40023, 40030
DIALOG, IDOK, CB_SETCURSEL = '#32770', 1, 0x014E
ID_PANELU, ID_COMBA_ZARIZENI = 1, 3  # the toolbar and the device box of the camera window
RAMEC_VLASTNOSTI = '#32770'  # the property frame of "Nastavení videa" (the test camera's format page)
NASTAVENI_VIDEA = 40031
VIDEO = 40022
SNIMEK = 40046
ID_PRUHU = 4  # the image-control strip
SEZNAM, VYCHOZI, JEZDEC = 1049, 1050, 1051
TBM_GETPOS = 0x400
OVLADANI = 40027
JMENO = 'Pruh'
BEZ_OBRAZU = 'bez nastavení obrazu'
snimky = t.snimky
hodnota_dword = t.hodnota_dword


def velikost_jpeg(cesta):
    with open(cesta, 'rb') as f:
        return t.rozmer_jpeg(f.read())


def ramec_vlastnosti_otevren():
    return any(r.startswith(RAMEC_VLASTNOSTI + '|') and r.endswith('|1') for r in t.pomocnik('okna')[1].split('\n'))


def velikost_videa(jmeno):
    return hodnota_dword(r'Kamery\%s\Video' % jmeno, 'sirka'), hodnota_dword(r'Kamery\%s\Video' % jmeno, 'vyska')


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


def ulozit_kameru(jmeno, interval, zarizeni=1, video=True):
    assert t.ulozit_kameru(jmeno, interval, zarizeni, video).endswith('Tervik 4.8')


@unittest.skipUnless(t.je_testovaci_kamera(), 'testovací kamera není zaregistrovaná')
class OknoKamery(t.TestTerviku):
    def spustit_kameru(self, jmeno):
        return self.spustit('-ka', jmeno, okno=OKNO_KAMERY, titulek=jmeno + ' - Připraven')

    def test_automaticke_snimky_velikost_videa_a_co_zavreni_ulozi(self):
        ulozit_kameru('Dvůr', 1000)
        # A stored size of 320 x 240 is applied right after the video is switched on.
        t.zapsat_hodnotu(r'Kamery\Dvůr\Video', 'sirka', 'REG_DWORD', 320)
        t.zapsat_hodnotu(r'Kamery\Dvůr\Video', 'vyska', 'REG_DWORD', 240)
        p = self.spustit_kameru('Dvůr')
        # Video on and snapshots every second, in that order: the very first snapshot already has a
        # picture (a snapshot without video would beep and save nothing).
        self.assertTrue(t.pockat_na(lambda: len(snimky('Dvůr')) >= 4, 60), snimky('Dvůr'))
        t.snimek_obrazovky('okno-kamery.png')
        self.zavrit(p, titulek='Dvůr - Připraven')
        cisla = list(snimky('Dvůr'))
        self.assertEqual(cisla, list(range(1, len(cisla) + 1)))
        for cesta in snimky('Dvůr').values():
            self.assertEqual(velikost_jpeg(cesta), (320, 240))
        # Closing stored the next number and the window's rectangle.
        self.assertEqual(hodnota_dword(r'Kamery\Dvůr\Snimky disk\Soubor', 'posledniCisloSnimku'), len(cisla) + 1)
        for jmeno in ('x', 'y', 'sirka', 'vyska'):
            self.assertIsNotNone(hodnota_dword(r'Kamery\Dvůr\Pozice okna', jmeno), jmeno)
        self.assertEqual(velikost_videa('Dvůr'), (320, 240))

        # A size outside 10..10000 is not applied (the device's own 640 x 480 stays) and the size the
        # video really had is what closing stores. The numbering goes on from the stored counter.
        t.zapsat_hodnotu(r'Kamery\Dvůr\Video', 'sirka', 'REG_DWORD', 10)
        p = self.spustit_kameru('Dvůr')
        self.assertTrue(t.pockat_na(lambda: len(snimky('Dvůr')) >= len(cisla) + 2, 60))
        self.zavrit(p, titulek='Dvůr - Připraven')
        vsechny = snimky('Dvůr')
        self.assertEqual(list(vsechny), list(range(1, len(vsechny) + 1)))
        for cislo, cesta in vsechny.items():
            self.assertEqual(velikost_jpeg(cesta), (320, 240) if cislo <= len(cisla) else (640, 480))
        self.assertEqual(velikost_videa('Dvůr'), (640, 480))

    def ikona(self, jmeno):
        return t.pomocnik('ikona-oblasti', '?' + OKNO_KAMERY, jmeno + ' - Připraven', 1, 10000)[1]

    def skryt(self, jmeno):
        """Minimised to the notification icon (40023), as from its menu or the title bar."""
        self.assertEqual(t.pomocnik('prikaz', OKNO_KAMERY, jmeno + ' - Připraven', SKRYT_OKNO, 10000)[0], 0)
        self.assertTrue(t.pockat_na(lambda: t.pomocnik('stav-okna', '?' + OKNO_KAMERY, jmeno + ' - Připraven',
                                                       5000)[1].startswith('viditelne=0'), 30))

    def test_bez_videa_nic_neulozi_nezobrazovat_ikonu_u_skryteho_okna_a_docasna_ikona_bubliny(self):
        ulozit_kameru('Sklad', 1000, video=False)
        t.zapsat_hodnotu(r'Kamery\Sklad\ToolTipIkona', 'obraz', 'REG_DWORD', 1)
        p = self.spustit_kameru('Sklad')
        # Without video the icon has no picture tooltip.
        self.assertEqual(t.pomocnik('kurzor', 300, 300)[0], 0)
        self.assertEqual(t.pomocnik('zprava', OKNO_KAMERY, '-', IKONA_KAMERY, 1, WM_MOUSEMOVE, 5000)[0], 0)
        time.sleep(4)
        self.assertEqual(t.pomocnik('viditelne', NAHLED_IKONY, '-', 0), (0, '0'))
        # The automatic snapshots' start only beeped; the camera runs on and a snapshot by hand also saves nothing.
        self.assertEqual(t.pomocnik('prikaz', OKNO_KAMERY, '-', SNIMEK, 5000)[0], 0)
        time.sleep(2)
        self.assertEqual(snimky('Sklad'), {})
        self.assertIsNone(p.poll())

        self.assertEqual(self.ikona('Sklad'), '1')  # "Zobrazovat vždy", the default
        self.skryt('Sklad')
        # The settings from the icon's menu while the window is hidden: "Nezobrazovat" (the third choice) and OK.
        self.assertEqual(t.pomocnik('prikaz', '?' + OKNO_KAMERY, 'Sklad - Připraven', PREDVOLBY, 10000)[0], 0)
        titulek = 'Předvolby kamery Sklad'
        self.assertEqual(t.pomocnik('zprava-prvku', DIALOG, titulek, 2000 + 4 * 1 + 1, CB_SETCURSEL, 2, 0, 30000)[1], '2')
        self.assertEqual(t.pomocnik('kliknout', DIALOG, titulek, IDOK, 10000)[0], 0)
        self.assertTrue(t.pockat_na(lambda: hodnota_dword(r'Kamery\Sklad', 'oznamovaciIkona') == 0, 30))
        self.assertTrue(t.pockat_na(lambda: t.pomocnik('viditelne', DIALOG, titulek, 0)[1] == '0', 30))
        # The hidden window keeps its icon, the only way back to it; a click on it shows the window and
        # only then the icon goes.
        self.assertEqual(self.ikona('Sklad'), '1')
        self.assertEqual(t.pomocnik('zprava', '?' + OKNO_KAMERY, 'Sklad - Připraven', IKONA_KAMERY, 1, WM_LBUTTONUP,
                                    10000)[0], 0)
        self.assertEqual(t.pomocnik('cekat-okno', OKNO_KAMERY, 'Sklad - Připraven', 30000)[0], 0)
        self.assertTrue(t.pockat_na(lambda: self.ikona('Sklad') == '0', 30))

        def ikony():
            # Wine's own notification area shows each icon as a window of its own.
            rc, pocet = t.pomocnik('deti', '?__winex11_standalone_tray', '-', 0)
            return int(pocet) if rc == 0 else 0
        pred = ikony()
        # With the video off the video settings answer by a balloon, which needs a temporary icon.
        self.assertEqual(t.pomocnik('prikaz', OKNO_KAMERY, '-', NASTAVENI_VIDEA, 10000)[0], 0)
        self.assertTrue(t.pockat_na(lambda: ikony() == pred + 1, 30), (pred, ikony()))
        # The shell reports that the balloon timed out: the icon goes with it.
        self.assertEqual(t.pomocnik('zprava', OKNO_KAMERY, '-', IKONA_KAMERY, 1, 0x404, 10000)[0], 0)
        self.assertTrue(t.pockat_na(lambda: ikony() == pred, 30), (pred, ikony()))
        self.zavrit(p, titulek='Sklad - Připraven')
        self.assertEqual(snimky('Sklad'), {})
        self.assertEqual(hodnota_dword(r'Kamery\Sklad\Snimky disk\Soubor', 'posledniCisloSnimku'), 1)

    def test_ikona_jen_pri_skryti_a_panel_zarizeni_ulozeny_ze_skryteho_okna(self):
        ulozit_kameru('Sklad', 3600000, video=False)
        t.zapsat_hodnotu(r'Kamery\Sklad', 'oznamovaciIkona', 'REG_DWORD', 1)
        t.zapsat_hodnotu(r'Kamery\Sklad\Okno', 'zarizeniVideo', 'REG_DWORD', 1)
        p = self.spustit_kameru('Sklad')
        # "Jen při skrytí": no icon beside a shown window.
        self.assertEqual(self.ikona('Sklad'), '0')
        # The device bar is laid out from the start: the device box lies below the toolbar, not over it.
        obdelnik = lambda id_prvku: [int(c) for c in t.pomocnik('obdelnik', OKNO_KAMERY, 'Sklad - Připraven', 10000,
                                                                 id_prvku)[1].split()]
        _, panel_y, _, panel_vyska = obdelnik(ID_PANELU)
        combo_x, combo_y, combo_sirka, combo_vyska = obdelnik(ID_COMBA_ZARIZENI)
        self.assertGreaterEqual(combo_y, panel_y + panel_vyska)
        self.assertGreater(combo_sirka, 100)
        # The box lies above the bar's strip: a click on it reaches the box.
        self.assertEqual(t.pomocnik('okno-v-bode', combo_x + combo_sirka // 2, combo_y + combo_vyska // 2)[1], 'ComboBox')
        t.snimek_obrazovky('okno-kamery-panel-zarizeni.png')
        # Hidden, the window gets its icon; closed while hidden (from the icon's menu), the bar's switch is stored
        # as it is, on.
        self.skryt('Sklad')
        self.assertTrue(t.pockat_na(lambda: self.ikona('Sklad') == '1', 30))
        self.zavrit(p, '?' + OKNO_KAMERY, 'Sklad - Připraven')
        self.assertEqual(hodnota_dword(r'Kamery\Sklad\Okno', 'zarizeniVideo'), 1)

    def snimek_pribude(self, jmeno):
        """Whether a snapshot by hand saves a new file (the camera lives and its video runs)."""
        pred = len(snimky(jmeno))
        return t.pockat_na(lambda: t.pomocnik('prikaz', OKNO_KAMERY, '-', SNIMEK, 5000)[0] == 0 and
                           len(snimky(jmeno)) > pred, 60)

    def test_nastaveni_videa_prezije_vypnuti_videa_i_zavreni_okna(self):
        ulozit_kameru('Vrata', 3600000)
        t.zapsat_hodnotu(r'Kamery\Vrata\Po spusteni', 'snimkyDisk', 'REG_DWORD', 0)
        # The whole application: the camera starts with it and can be started again from the main window.
        p = self.spustit(okno=OKNO_KAMERY, titulek='Vrata - Připraven')
        self.assertTrue(self.snimek_pribude('Vrata'))

        # The video goes off (a posted command: the window itself is disabled by the pages) while the
        # pages are open; closing them afterwards must not touch the graph that is gone.
        self.assertEqual(t.pomocnik('prikaz', OKNO_KAMERY, '-', NASTAVENI_VIDEA, 5000)[0], 0)
        self.assertEqual(t.pomocnik('cekat-okno', RAMEC_VLASTNOSTI, '-', 30000)[0], 0)
        self.assertEqual(t.pomocnik('prikaz', OKNO_KAMERY, '-', VIDEO, 5000)[0], 0)
        self.assertEqual(t.pomocnik('zavrit-okno', RAMEC_VLASTNOSTI, '-', 5000)[0], 0)
        self.assertTrue(t.pockat_na(lambda: not ramec_vlastnosti_otevren(), 30))
        self.assertEqual(t.pomocnik('prikaz', OKNO_KAMERY, '-', VIDEO, 5000)[0], 0)
        self.assertTrue(self.snimek_pribude('Vrata'))

        # The camera window closes while the pages are open. On Windows the frame, owned by the window,
        # goes with it; Wine's frame takes no owner and stays until it is closed. Either way the
        # application lives on and the camera starts again with a working video.
        self.assertEqual(t.pomocnik('prikaz', OKNO_KAMERY, '-', NASTAVENI_VIDEA, 5000)[0], 0)
        self.assertEqual(t.pomocnik('cekat-okno', RAMEC_VLASTNOSTI, '-', 30000)[0], 0)
        self.assertEqual(t.pomocnik('zavrit-okno', OKNO_KAMERY, '-', 5000)[0], 0)
        self.assertTrue(t.pockat_na(lambda: not t.okno_otevreno(OKNO_KAMERY), 30))
        t.pomocnik('zavrit-okno', RAMEC_VLASTNOSTI, '-', 0)
        self.assertTrue(t.pockat_na(lambda: not ramec_vlastnosti_otevren(), 30))
        self.assertEqual(t.pomocnik('cekat-okno', HLAVNI, '-', 5000)[0], 0)
        self.assertIsNone(p.poll())
        self.assertEqual(t.pomocnik('prikaz', HLAVNI, '-', 40011, 10000)[0], 0)
        self.assertEqual(t.pomocnik('cekat-okno', OKNO_KAMERY, 'Vrata - Připraven', 30000)[0], 0)
        self.assertTrue(self.snimek_pribude('Vrata'))
        self.zavrit(p, HLAVNI)

    def test_tlacitka_panelu_a_nahled_u_ikony_s_zivym_obrazem(self):
        ulozit_kameru('Dvůr', 3600000)
        t.zapsat_hodnotu(r'Kamery\Dvůr\Po spusteni', 'snimkyDisk', 'REG_DWORD', 0)
        t.zapsat_hodnotu(r'Kamery\Dvůr\ToolTipIkona', 'obraz', 'REG_DWORD', 1)
        t.zapsat_hodnotu(r'Kamery\Dvůr\ToolTipIkona', 'intervalSnimku', 'REG_DWORD', 200)
        p = self.spustit_kameru('Dvůr')
        kliknout = lambda prikaz: t.pomocnik('kliknout-panel', OKNO_KAMERY, '-', prikaz, 10000)[0]
        # Real mouse clicks: "Předvolby" opens the camera's settings.
        self.assertEqual(kliknout(PREDVOLBY), 0)
        self.assertEqual(t.pomocnik('zavrit-okno', DIALOG, 'Předvolby kamery Dvůr', 30000)[0], 0)
        self.assertTrue(t.pockat_na(lambda: t.pomocnik('viditelne', DIALOG, 'Předvolby kamery Dvůr', 0)[1] == '0', 30))
        # The main part of the disk button takes a snapshot (once the video runs).
        self.assertTrue(t.pockat_na(lambda: kliknout(40049) == 0 and len(snimky('Dvůr')) >= 1, 60))

        # The shell reports the mouse over the icon: the small window with the live picture appears.
        self.assertEqual(t.pomocnik('kurzor', 400, 400)[0], 0)
        self.assertEqual(t.pomocnik('zprava', OKNO_KAMERY, '-', IKONA_KAMERY, 1, WM_MOUSEMOVE, 5000)[0], 0)
        self.assertEqual(t.pomocnik('viditelne', NAHLED_IKONY, '-', 10000), (0, '1'))
        x, y, sirka, _ = map(int, t.pomocnik('obdelnik', NAHLED_IKONY, '-', 5000)[1].split())
        self.assertLess(x, 400)
        self.assertLess(y, 400)
        self.assertGreater(sirka, 100)
        # The mouse leaves the icon: the window goes on the next refresh.
        self.assertEqual(t.pomocnik('kurzor', 50, 700)[0], 0)
        self.assertTrue(t.pockat_na(lambda: t.pomocnik('viditelne', NAHLED_IKONY, '-', 0) == (0, '0'), 10))

        # "Vypnout" ends the camera's process.
        self.assertEqual(kliknout(40024), 0)
        self.skoncil(p)


@unittest.skipUnless(t.je_testovaci_kamera() and os.path.exists(t.KNIHOVNA_KAMERY), 'testovací kamera chybí')
class DveKamery(t.TestTerviku):
    def setUp(self):
        super().setUp()
        # Both devices of the test camera (same name, own paths, "K1"/"K2" in the picture).
        self.assertEqual(t.zaregistrovat_zarizeni(2), '')

    def tearDown(self):
        for p in self.procesy:
            t.ukoncit(p, OKNO_KAMERY)
        self.assertEqual(t.zaregistrovat_zarizeni(1), '')
        super().tearDown()

    def test_dve_kamery_vedle_sebe_minutu_bez_ztraceneho_cisla(self):
        ulozit_kameru('Levá', 1000, zarizeni=1)
        ulozit_kameru('Pravá', 1000, zarizeni=2)
        # Both start with the application, each in its own window of this one process.
        p = self.spustit(okno=OKNO_KAMERY, titulek='Levá - Připraven')
        self.assertEqual(t.pomocnik('cekat-okno', OKNO_KAMERY, 'Pravá - Připraven', 30000)[0], 0)
        self.assertTrue(t.pockat_na(lambda: snimky('Levá') and snimky('Pravá'), 60))
        time.sleep(60)
        # Closing the main window ends the application; every camera closes in its own order.
        self.zavrit(p, HLAVNI)
        for jmeno in ('Levá', 'Pravá'):
            cisla = list(snimky(jmeno))
            self.assertGreaterEqual(len(cisla), 30, jmeno)
            self.assertEqual(cisla, list(range(1, len(cisla) + 1)), jmeno)
            self.assertEqual(hodnota_dword('Kamery\\' + jmeno + r'\Snimky disk\Soubor', 'posledniCisloSnimku'),
                             len(cisla) + 1)


@unittest.skipUnless(t.je_testovaci_kamera() and os.path.exists(t.KNIHOVNA_KAMERY), 'testovací kamera chybí')
class OvladaniObrazu(t.TestTerviku):
    """The image-control strip: brightness at its maximum brightens the snapshots, "Výchozí" gives contrast the
    device's default, a device without image controls lists only zoom and focus, the strip empties with the video
    and its switch is stored."""

    def setUp(self):
        super().setUp()
        # The test camera and its variant without IAMVideoProcAmp.
        self.assertEqual(t.zaregistrovat_zarizeni('1,bezobrazu'), '')

    def tearDown(self):
        for p in self.procesy:
            t.ukoncit(p, OKNO_KAMERY)
        # The variant goes again: the other tests count the devices.
        self.assertEqual(t.zaregistrovat_zarizeni('bezobrazu', odebrat=True), '')
        super().tearDown()

    def vybrat(self, index, ocekavana_pozice):
        self.assertEqual(t.pomocnik('vybrat-polozku', OKNO_KAMERY, '-', SEZNAM, index, 5000)[0], 0)
        self.assertTrue(t.pockat_na(lambda: pozice() == ocekavana_pozice, 30), (index, pozice()))

    def posunout(self, hodnota):
        rc, vystup = t.pomocnik('posunout-jezdec', OKNO_KAMERY, '-', JEZDEC, hodnota, 10000)
        self.assertEqual(rc, 0)
        return int(vystup)

    def snimek(self):
        """A snapshot by hand (40046); its path once the whole JPEG is written."""
        pred = set(snimky(JMENO))

        def hotovy():
            nove = set(snimky(JMENO)) - pred
            if not nove:
                return None
            with open(snimky(JMENO)[max(nove)], 'rb') as f:
                return f.name if f.read().endswith(b'\xff\xd9') else None
        self.assertEqual(t.pomocnik('prikaz', OKNO_KAMERY, '-', SNIMEK, 5000)[0], 0)
        self.assertTrue(t.pockat_na(hotovy, 30))
        return hotovy()

    def test_pruh_ovladani_kamery(self):
        t.ulozit_kameru(JMENO, 3600000, 1, 1)
        t.zapsat_hodnotu(r'Kamery\%s\Po spusteni' % JMENO, 'snimkyDisk', 'REG_DWORD', 0)
        t.zapsat_hodnotu(r'Kamery\%s\Okno' % JMENO, 'ovladaniKamery', 'REG_DWORD', 1)
        p = self.spustit('-ka', JMENO, okno=OKNO_KAMERY, titulek=JMENO + ' - Připraven')

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
        # The cursor away from the window first: a tooltip it left over the row would be what a click reaches.
        self.assertEqual(t.pomocnik('kurzor', 0, 0)[0], 0)
        self.assertTrue(t.pockat_na(lambda: t.pomocnik('okno-v-bode', pruh_x + pruh_sirka // 2,
                                                       pruh_y + pruh_vyska // 2)[1] == 'msctls_trackbar32', 30))
        t.snimek_obrazovky('okno-kamery-ovladani.png')

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
        self.zavrit(p)
        self.assertEqual(hodnota_dword(r'Kamery\%s\Okno' % JMENO, 'ovladaniKamery'), 0)


if __name__ == '__main__':
    unittest.main()
