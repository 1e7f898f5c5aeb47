"""The camera window in the real Tervik.exe under Wine with the virtual test camera: automatic disk
snapshots, the stored capture size, what closing stores, the format pages outliving the video and
the window, the notification icon of a hidden window, the device bar, and two cameras side by side."""
import os
import re
import subprocess
import time
import unittest

import tervik_proces as t

KAMERY = t.KOREN + r'\Kamery'
OKNO_KAMERY = 'Tervik4Tervik'
NAHLED_IKONY = 'Tervik4NahledIkony'
IKONA_KAMERY = 0x87D1  # the notification icon's callback message
WM_MOUSEMOVE = 0x200
WM_LBUTTONUP = 0x202
SKRYT_OKNO, PREDVOLBY = 40023, 40030
DIALOG, IDOK, CB_SETCURSEL = '#32770', 1, 0x014E
ID_PANELU, ID_COMBA_ZARIZENI = 1, 3  # the toolbar and the device box of the camera window
KNIHOVNA_KAMERY = t.KNIHOVNA_KAMERY
HLAVNI = 'RTervik4'
RAMEC_VLASTNOSTI = '#32770'  # the property frame of "Nastavení videa" (the test camera's format page)
NASTAVENI_VIDEA = 40031
VIDEO = 40022
SNIMEK = 40046


def slozka_snimku():
    return os.path.join(t.slozka_dokumentu(), 'Tervik 4.8')


def snimky(jmeno):
    """Numbers of the camera's numbered snapshot files, sorted, with their paths."""
    vysledek = {}
    if os.path.isdir(slozka_snimku()):
        for soubor in os.listdir(slozka_snimku()):
            m = re.fullmatch(re.escape(jmeno) + r'_(\d+)\.jpg', soubor)
            if m:
                vysledek[int(m.group(1))] = os.path.join(slozka_snimku(), soubor)
    return dict(sorted(vysledek.items()))


def smazat_snimky():
    if os.path.isdir(slozka_snimku()):
        for soubor in os.listdir(slozka_snimku()):
            os.remove(os.path.join(slozka_snimku(), soubor))


def velikost_jpeg(cesta):
    with open(cesta, 'rb') as f:
        return t.rozmer_jpeg(f.read())


def hodnota_dword(podklic, jmeno):
    r = t.wine('reg', 'query', KAMERY + '\\' + podklic, '/v', jmeno)
    m = re.search(r'REG_DWORD\s+0x([0-9a-fA-F]+)', r.stdout.decode('utf-8', 'replace'))
    return int(m.group(1), 16) if m else None


def ramec_vlastnosti_otevren():
    return any(r.startswith(RAMEC_VLASTNOSTI + '|') and r.endswith('|1') for r in t.pomocnik('okna')[1].split('\n'))


def ulozit_kameru(jmeno, interval, zarizeni=1, video=True):
    rc, slozka = t.pomocnik('kamera', jmeno, interval, zarizeni, 1 if video else 0)
    assert rc == 0, slozka
    assert slozka.endswith('Tervik 4.8'), slozka


@unittest.skipUnless(t.je_testovaci_kamera(), 'testovací kamera není zaregistrovaná')
class OknoKamery(unittest.TestCase):
    def setUp(self):
        t.smazat_nastaveni()
        smazat_snimky()
        self.procesy = []

    def tearDown(self):
        for p in self.procesy:
            t.ukoncit(p, OKNO_KAMERY)
        t.smazat_nastaveni()
        smazat_snimky()

    def spustit(self, *argumenty):
        p = t.na_pozadi(t.TERVIK, *argumenty)
        self.procesy.append(p)
        return p

    def zavrit_kameru(self, p, titulek):
        self.assertEqual(t.pomocnik('zavrit-okno', OKNO_KAMERY, titulek, 10000)[0], 0)
        self.assertEqual(t.pockat(p), 0, getattr(p, 'chyby', b'')[-2000:])

    def test_automaticke_snimky_velikost_videa_a_co_zavreni_ulozi(self):
        ulozit_kameru('Dvůr', 1000)
        # A stored size of 320 x 240 is applied right after the video is switched on.
        t.zapsat_hodnotu(r'Kamery\Dvůr\Video', 'sirka', 'REG_DWORD', 320)
        t.zapsat_hodnotu(r'Kamery\Dvůr\Video', 'vyska', 'REG_DWORD', 240)
        p = self.spustit('-ka', 'Dvůr')
        rc, titulek = t.pomocnik('cekat-okno', OKNO_KAMERY, '-', 30000)
        self.assertEqual((rc, titulek), (0, 'Dvůr - Připraven'))
        # Video on and snapshots every second, in that order: the very first snapshot already has a
        # picture (a snapshot without video would beep and save nothing).
        self.assertTrue(t.pockat_na(lambda: len(snimky('Dvůr')) >= 4, 60), snimky('Dvůr'))
        if os.environ.get('DISPLAY') and subprocess.run(['which', 'import'], capture_output=True).returncode == 0:
            subprocess.run(['import', '-window', 'root', os.path.join(t.BUILD, 'okno-kamery.png')],
                           capture_output=True, timeout=30)
        self.zavrit_kameru(p, 'Dvůr - Připraven')
        cisla = list(snimky('Dvůr'))
        self.assertEqual(cisla, list(range(1, len(cisla) + 1)))
        for cesta in snimky('Dvůr').values():
            self.assertEqual(velikost_jpeg(cesta), (320, 240))
        # Closing stored the next number and the window's rectangle.
        self.assertEqual(hodnota_dword(r'Dvůr\Snimky disk\Soubor', 'posledniCisloSnimku'), len(cisla) + 1)
        for jmeno in ('x', 'y', 'sirka', 'vyska'):
            self.assertIsNotNone(hodnota_dword(r'Dvůr\Pozice okna', jmeno), jmeno)
        self.assertEqual((hodnota_dword(r'Dvůr\Video', 'sirka'), hodnota_dword(r'Dvůr\Video', 'vyska')), (320, 240))

        # A size outside 10..10000 is not applied (the device's own 640 x 480 stays) and the size the
        # video really had is what closing stores. The numbering goes on from the stored counter.
        t.zapsat_hodnotu(r'Kamery\Dvůr\Video', 'sirka', 'REG_DWORD', 10)
        p = self.spustit('-ka', 'Dvůr')
        self.assertEqual(t.pomocnik('cekat-okno', OKNO_KAMERY, '-', 30000)[0], 0)
        self.assertTrue(t.pockat_na(lambda: len(snimky('Dvůr')) >= len(cisla) + 2, 60))
        self.zavrit_kameru(p, 'Dvůr - Připraven')
        vsechny = snimky('Dvůr')
        self.assertEqual(list(vsechny), list(range(1, len(vsechny) + 1)))
        for cislo, cesta in vsechny.items():
            self.assertEqual(velikost_jpeg(cesta), (320, 240) if cislo <= len(cisla) else (640, 480))
        self.assertEqual((hodnota_dword(r'Dvůr\Video', 'sirka'), hodnota_dword(r'Dvůr\Video', 'vyska')), (640, 480))

    def test_automaticke_snimky_bez_videa_nic_neulozi(self):
        ulozit_kameru('Brána', 1000, video=False)
        t.zapsat_hodnotu(r'Kamery\Brána\ToolTipIkona', 'obraz', 'REG_DWORD', 1)
        p = self.spustit('-ka', 'Brána')
        self.assertEqual(t.pomocnik('cekat-okno', OKNO_KAMERY, 'Brána - Připraven', 30000)[0], 0)
        # Without video the icon has no picture tooltip.
        self.assertEqual(t.pomocnik('kurzor', 300, 300)[0], 0)
        self.assertEqual(t.pomocnik('zprava', OKNO_KAMERY, '-', IKONA_KAMERY, 1, WM_MOUSEMOVE, 5000)[0], 0)
        time.sleep(4)
        self.assertEqual(t.pomocnik('viditelne', NAHLED_IKONY, '-', 0), (0, '0'))
        # The start only beeped; the camera runs on and a snapshot by hand also saves nothing.
        self.assertEqual(t.pomocnik('prikaz', OKNO_KAMERY, '-', 40046, 5000)[0], 0)
        time.sleep(2)
        self.assertEqual(snimky('Brána'), {})
        self.assertIsNone(p.poll())
        self.zavrit_kameru(p, 'Brána - Připraven')
        self.assertEqual(hodnota_dword(r'Brána\Snimky disk\Soubor', 'posledniCisloSnimku'), 1)

    def ikona(self, jmeno):
        return t.pomocnik('ikona-oblasti', '?' + OKNO_KAMERY, jmeno + ' - Připraven', 1, 10000)[1]

    def skryt(self, jmeno):
        """Minimised to the notification icon (40023), as from its menu or the title bar."""
        self.assertEqual(t.pomocnik('prikaz', OKNO_KAMERY, jmeno + ' - Připraven', SKRYT_OKNO, 10000)[0], 0)
        self.assertTrue(t.pockat_na(lambda: t.pomocnik('stav-okna', '?' + OKNO_KAMERY, jmeno + ' - Připraven',
                                                       5000)[1].startswith('viditelne=0'), 30))

    def test_nezobrazovat_ikonu_u_skryteho_okna_ikonu_necha_do_zobrazeni(self):
        ulozit_kameru('Sklad', 3600000, video=False)
        p = self.spustit('-ka', 'Sklad')
        self.assertEqual(t.pomocnik('cekat-okno', OKNO_KAMERY, 'Sklad - Připraven', 30000)[0], 0)
        self.assertEqual(self.ikona('Sklad'), '1')  # "Zobrazovat vždy", the default
        self.skryt('Sklad')
        # The settings from the icon's menu while the window is hidden: "Nezobrazovat" (the third choice) and OK.
        self.assertEqual(t.pomocnik('prikaz', '?' + OKNO_KAMERY, 'Sklad - Připraven', PREDVOLBY, 10000)[0], 0)
        titulek = 'Předvolby kamery Sklad'
        self.assertEqual(t.pomocnik('zprava-prvku', DIALOG, titulek, 2000 + 4 * 1 + 1, CB_SETCURSEL, 2, 0, 30000)[1], '2')
        self.assertEqual(t.pomocnik('kliknout', DIALOG, titulek, IDOK, 10000)[0], 0)
        self.assertTrue(t.pockat_na(lambda: hodnota_dword('Sklad', 'oznamovaciIkona') == 0, 30))
        self.assertTrue(t.pockat_na(lambda: t.pomocnik('viditelne', DIALOG, titulek, 0)[1] == '0', 30))
        # The hidden window keeps its icon, the only way back to it; a click on it shows the window and
        # only then the icon goes.
        self.assertEqual(self.ikona('Sklad'), '1')
        self.assertEqual(t.pomocnik('zprava', '?' + OKNO_KAMERY, 'Sklad - Připraven', IKONA_KAMERY, 1, WM_LBUTTONUP,
                                    10000)[0], 0)
        self.assertEqual(t.pomocnik('cekat-okno', OKNO_KAMERY, 'Sklad - Připraven', 30000)[0], 0)
        self.assertTrue(t.pockat_na(lambda: self.ikona('Sklad') == '0', 30))
        self.zavrit_kameru(p, 'Sklad - Připraven')

    def test_ikona_jen_pri_skryti_nevznikne_se_zobrazenym_oknem(self):
        ulozit_kameru('Sklad', 3600000, video=False)
        t.zapsat_hodnotu(r'Kamery\Sklad', 'oznamovaciIkona', 'REG_DWORD', 1)
        p = self.spustit('-ka', 'Sklad')
        self.assertEqual(t.pomocnik('cekat-okno', OKNO_KAMERY, 'Sklad - Připraven', 30000)[0], 0)
        self.assertEqual(self.ikona('Sklad'), '0')
        self.skryt('Sklad')
        self.assertTrue(t.pockat_na(lambda: self.ikona('Sklad') == '1', 30))
        self.assertEqual(t.pomocnik('zavrit-okno', '?' + OKNO_KAMERY, 'Sklad - Připraven', 10000)[0], 0)
        self.assertEqual(t.pockat(p), 0, getattr(p, 'chyby', b'')[-2000:])

    def test_panel_zarizeni_rozvrzeny_od_startu_a_ulozeny_i_ze_skryteho_okna(self):
        ulozit_kameru('Sklad', 3600000, video=False)
        t.zapsat_hodnotu(r'Kamery\Sklad\Okno', 'zarizeniVideo', 'REG_DWORD', 1)
        p = self.spustit('-ka', 'Sklad')
        self.assertEqual(t.pomocnik('cekat-okno', OKNO_KAMERY, 'Sklad - Připraven', 30000)[0], 0)
        # Laid out from the start: the device box lies below the toolbar, not over it.
        obdelnik = lambda id_prvku: [int(c) for c in t.pomocnik('obdelnik', OKNO_KAMERY, 'Sklad - Připraven', 10000,
                                                                 id_prvku)[1].split()]
        _, panel_y, _, panel_vyska = obdelnik(ID_PANELU)
        combo_x, combo_y, combo_sirka, combo_vyska = obdelnik(ID_COMBA_ZARIZENI)
        self.assertGreaterEqual(combo_y, panel_y + panel_vyska)
        self.assertGreater(combo_sirka, 100)
        # The box lies above the bar's strip: a click on it reaches the box.
        self.assertEqual(t.pomocnik('okno-v-bode', combo_x + combo_sirka // 2, combo_y + combo_vyska // 2)[1], 'ComboBox')
        if os.environ.get('DISPLAY') and subprocess.run(['which', 'import'], capture_output=True).returncode == 0:
            subprocess.run(['import', '-window', 'root', os.path.join(t.BUILD, 'okno-kamery-panel-zarizeni.png')],
                           capture_output=True, timeout=30)
        # Closed while hidden (from the icon's menu): the bar's switch is stored as it is, on.
        self.skryt('Sklad')
        self.assertEqual(t.pomocnik('zavrit-okno', '?' + OKNO_KAMERY, 'Sklad - Připraven', 10000)[0], 0)
        self.assertEqual(t.pockat(p), 0, getattr(p, 'chyby', b'')[-2000:])
        self.assertEqual(hodnota_dword(r'Sklad\Okno', 'zarizeniVideo'), 1)

    def test_nahled_u_ikony_ukazuje_zivy_obraz_a_zmizi_s_mysi(self):
        ulozit_kameru('Věž', 2000)
        t.zapsat_hodnotu(r'Kamery\Věž\ToolTipIkona', 'obraz', 'REG_DWORD', 1)
        t.zapsat_hodnotu(r'Kamery\Věž\ToolTipIkona', 'intervalSnimku', 'REG_DWORD', 200)
        p = self.spustit('-ka', 'Věž')
        self.assertEqual(t.pomocnik('cekat-okno', OKNO_KAMERY, 'Věž - Připraven', 30000)[0], 0)
        self.assertTrue(t.pockat_na(lambda: len(snimky('Věž')) >= 1, 30))  # the video runs
        # The shell reports the mouse over the icon: the small window with the picture appears.
        self.assertEqual(t.pomocnik('kurzor', 400, 400)[0], 0)
        self.assertEqual(t.pomocnik('zprava', OKNO_KAMERY, '-', IKONA_KAMERY, 1, WM_MOUSEMOVE, 5000)[0], 0)
        self.assertEqual(t.pomocnik('viditelne', NAHLED_IKONY, '-', 10000), (0, '1'))
        rc, obdelnik = t.pomocnik('obdelnik', NAHLED_IKONY, '-', 5000)
        x, y, sirka, vyska = map(int, obdelnik.split())
        self.assertLess(x, 400)
        self.assertLess(y, 400)
        self.assertGreater(sirka, 100)
        # The mouse leaves the icon: the window goes on the next refresh.
        self.assertEqual(t.pomocnik('kurzor', 50, 700)[0], 0)
        self.assertTrue(t.pockat_na(lambda: t.pomocnik('viditelne', NAHLED_IKONY, '-', 0) == (0, '0'), 10))
        self.zavrit_kameru(p, 'Věž - Připraven')

    def snimek_pribude(self, jmeno):
        """Whether a snapshot by hand saves a new file (the camera lives and its video runs)."""
        pred = len(snimky(jmeno))
        return t.pockat_na(lambda: t.pomocnik('prikaz', OKNO_KAMERY, '-', SNIMEK, 5000)[0] == 0 and
                           len(snimky(jmeno)) > pred, 60)

    def test_nastaveni_videa_prezije_vypnuti_videa_i_zavreni_okna(self):
        ulozit_kameru('Vrata', 3600000)
        t.zapsat_hodnotu(r'Kamery\Vrata\Po spusteni', 'snimkyDisk', 'REG_DWORD', 0)
        # The whole application: the camera starts with it and can be started again from the main window.
        p = self.spustit()
        self.assertEqual(t.pomocnik('cekat-okno', OKNO_KAMERY, 'Vrata - Připraven', 30000)[0], 0)
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
        self.assertTrue(t.pockat_na(lambda: not any(r.startswith(OKNO_KAMERY + '|')
                                                    for r in t.pomocnik('okna')[1].split('\n')), 30))
        t.pomocnik('zavrit-okno', RAMEC_VLASTNOSTI, '-', 0)
        self.assertTrue(t.pockat_na(lambda: not ramec_vlastnosti_otevren(), 30))
        self.assertEqual(t.pomocnik('cekat-okno', HLAVNI, '-', 5000)[0], 0)
        self.assertIsNone(p.poll())
        self.assertEqual(t.pomocnik('prikaz', HLAVNI, '-', 40011, 10000)[0], 0)
        self.assertEqual(t.pomocnik('cekat-okno', OKNO_KAMERY, 'Vrata - Připraven', 30000)[0], 0)
        self.assertTrue(self.snimek_pribude('Vrata'))
        self.assertEqual(t.pomocnik('zavrit-okno', HLAVNI, '-', 10000)[0], 0)
        self.assertEqual(t.pockat(p), 0, getattr(p, 'chyby', b'')[-2000:])

    def test_tlacitka_panelu_kamery_provedou_sve_prikazy(self):
        ulozit_kameru('Dvůr', 3600000)
        t.zapsat_hodnotu(r'Kamery\Dvůr\Po spusteni', 'snimkyDisk', 'REG_DWORD', 0)
        p = self.spustit('-ka', 'Dvůr')
        self.assertEqual(t.pomocnik('cekat-okno', OKNO_KAMERY, 'Dvůr - Připraven', 30000)[0], 0)
        kliknout = lambda prikaz: t.pomocnik('kliknout-panel', OKNO_KAMERY, '-', prikaz, 10000)[0]
        # Real mouse clicks: "Předvolby" opens the camera's settings.
        self.assertEqual(kliknout(40030), 0)
        self.assertEqual(t.pomocnik('zavrit-okno', '#32770', 'Předvolby kamery Dvůr', 30000)[0], 0)
        self.assertTrue(t.pockat_na(lambda: t.pomocnik('viditelne', '#32770', 'Předvolby kamery Dvůr', 0)[1] == '0',
                                    30))
        # The main part of the disk button takes a snapshot (once the video runs).
        self.assertTrue(t.pockat_na(lambda: kliknout(40049) == 0 and len(snimky('Dvůr')) >= 1, 60))
        # "Vypnout" ends the camera's process.
        self.assertEqual(kliknout(40024), 0)
        self.assertEqual(t.pockat(p), 0)

    def test_docasna_ikona_bubliny_zmizi_s_bublinou(self):
        ulozit_kameru('Dvůr', 3600000, video=False)
        t.zapsat_hodnotu(r'Kamery\Dvůr', 'oznamovaciIkona', 'REG_DWORD', 0)
        p = self.spustit('-ka', 'Dvůr')
        self.assertEqual(t.pomocnik('cekat-okno', OKNO_KAMERY, 'Dvůr - Připraven', 30000)[0], 0)

        def ikony():
            # Wine's own notification area shows each icon as a window of its own.
            rc, pocet = t.pomocnik('deti', '?__winex11_standalone_tray', '-', 0)
            return int(pocet) if rc == 0 else 0
        pred = ikony()
        # With the video off the video settings answer by a balloon, which needs a temporary icon.
        self.assertEqual(t.pomocnik('prikaz', OKNO_KAMERY, '-', 40031, 10000)[0], 0)
        self.assertTrue(t.pockat_na(lambda: ikony() == pred + 1, 30), (pred, ikony()))
        # The shell reports that the balloon timed out: the icon goes with it.
        self.assertEqual(t.pomocnik('zprava', OKNO_KAMERY, '-', IKONA_KAMERY, 1, 0x404, 10000)[0], 0)
        self.assertTrue(t.pockat_na(lambda: ikony() == pred, 30), (pred, ikony()))
        self.zavrit_kameru(p, 'Dvůr - Připraven')


@unittest.skipUnless(t.je_testovaci_kamera() and os.path.exists(KNIHOVNA_KAMERY), 'testovací kamera chybí')
class DveKamery(unittest.TestCase):
    def setUp(self):
        t.smazat_nastaveni()
        smazat_snimky()
        # Both devices of the test camera (same name, own paths, "K1"/"K2" in the picture).
        self.assertEqual(t.zaregistrovat_zarizeni(2), '')

    def tearDown(self):
        if self.proces.poll() is None:
            t.pomocnik('zavrit-okno', 'RTervik4', '-', 2000)
        t.pockat(self.proces, 30)
        self.assertEqual(t.zaregistrovat_zarizeni(1), '')
        t.smazat_nastaveni()
        smazat_snimky()

    def test_dve_kamery_vedle_sebe_minutu_bez_ztraceneho_cisla(self):
        ulozit_kameru('Levá', 1000, zarizeni=1)
        ulozit_kameru('Pravá', 1000, zarizeni=2)
        # Both start with the application, each in its own window of this one process.
        self.proces = t.na_pozadi(t.TERVIK)
        self.assertEqual(t.pomocnik('cekat-okno', OKNO_KAMERY, 'Levá - Připraven', 30000)[0], 0)
        self.assertEqual(t.pomocnik('cekat-okno', OKNO_KAMERY, 'Pravá - Připraven', 30000)[0], 0)
        self.assertTrue(t.pockat_na(lambda: snimky('Levá') and snimky('Pravá'), 60))
        time.sleep(60)
        # Closing the main window ends the application; every camera closes in its own order.
        self.assertEqual(t.pomocnik('zavrit-okno', 'RTervik4', '-', 10000)[0], 0)
        self.assertEqual(t.pockat(self.proces), 0, getattr(self.proces, 'chyby', b'')[-2000:])
        for jmeno in ('Levá', 'Pravá'):
            cisla = list(snimky(jmeno))
            self.assertGreaterEqual(len(cisla), 30, jmeno)
            self.assertEqual(cisla, list(range(1, len(cisla) + 1)), jmeno)
            self.assertEqual(hodnota_dword(jmeno + r'\Snimky disk\Soubor', 'posledniCisloSnimku'), len(cisla) + 1)


if __name__ == '__main__':
    unittest.main()
