"""The application settings dialog of the real Tervik.exe under Wine: every value of its pages set in its
control reaches the registry with OK (and the priority class follows), an out-of-range number is refused with
the range message and nothing is saved, Cancel saves nothing, a stored choice that is none of the options reads
as the default, a new hotkey works after OK; every page's texts fit their controls and Tab reaches every control,
also at 144 DPI (a screenshot of each page is kept under build/)."""
import os
import unittest

import tervik_proces as t

HLAVNI = 'RTervik4'
DIALOG = '#32770'
TITULEK = 'Předvolby aplikace'
IDOK, IDCANCEL = 1, 2


def id_prvku(index):
    """The control of the index-th value of the pages, in page order."""
    return 2000 + 4 * index + 1


# Page order: "Všeobecné" 0-5 (zvuk 5), "Po spuštění" 6-8, "Dálkové ovládání" 9-11 (portPrijem 9),
# "Promítání obrázků" 12-14 (interval 12).
ZVUK, PORT_PRIJEM, INTERVAL = id_prvku(5), id_prvku(9), id_prvku(12)
POCET_HODNOT = 32


def hodnota(klic, jmeno):
    r = t.wine('reg', 'query', t.KOREN + ('\\' + klic if klic else ''), '/v', jmeno)
    if r.returncode != 0:
        return None
    for radek in r.stdout.decode('utf-8', 'replace').split('\n'):
        casti = radek.split()
        if len(casti) >= 3 and casti[0] == jmeno:
            return int(casti[2], 16) if casti[1] == 'REG_DWORD' else casti[2]
    return None


def ulozit_kameru(test):
    """One stored camera that does not start: without any, the start asks whether to make a default list,
    and the application does not end while that question waits."""
    rc, vystup = t.pomocnik('kamera', 'Dvůr', 3600000, 1, 0)
    test.assertEqual(rc, 0, vystup)
    t.zapsat_hodnotu('Kamery\\Dvůr', 'poSpusteni', 'REG_DWORD', 0)


def spustit_s_dialogem(test):
    """Starts Tervik and opens its settings dialog."""
    test.p = t.na_pozadi(t.TERVIK)
    test.assertEqual(t.pomocnik('cekat-okno', HLAVNI, '-', 30000)[0], 0)
    test.assertEqual(t.pomocnik('prikaz', HLAVNI, '-', 40002, 10000)[0], 0)
    test.assertEqual(t.pomocnik('cekat-okno', DIALOG, TITULEK, 30000)[0], 0)


def ukoncit(test):
    if test.p.poll() is None:
        t.pomocnik('kliknout', DIALOG, TITULEK, IDCANCEL, 2000)
        t.pomocnik('zavrit-okno', HLAVNI, '-', 10000)
    test.assertEqual(t.pockat(test.p), 0)


class DialogOtevreny(unittest.TestCase):
    def tearDown(self):
        ukoncit(self)
        t.smazat_nastaveni()

    def zavreno(self):
        # OK and Cancel are posted: the dialog goes a moment later.
        return t.pockat_na(lambda: t.pomocnik('viditelne', DIALOG, TITULEK, 0)[1] == '0', 30)


@unittest.skipUnless(os.environ.get('DISPLAY'), 'needs a display (Xvfb)')
class NastaveniAplikace(DialogOtevreny):
    def setUp(self):
        t.smazat_nastaveni()
        ulozit_kameru(self)
        spustit_s_dialogem(self)

    def test_texty_se_vejdou_a_kazda_hodnota_stranek_dojde_do_registru(self):
        self.assertEqual(t.projit_stranky_predvoleb(self, 'predvolby'),
                         ['Všeobecné', 'Po spuštění', 'Dálkové ovládání', 'Promítání obrázků', 'Síťový ovladač',
                          'Vzhled', 'Záznam událostí', 'Aktualizace', 'Klávesové zkratky'])
        self.assertEqual(t.pomocnik('kliknout', DIALOG, TITULEK, IDCANCEL, 10000)[0], 0)
        self.assertTrue(self.zavreno())
        # For each value: open, set a new value, OK, and the registry holds it and nothing else changed.
        rc, vystup = t.pomocnik('projit-predvolby', 30000, timeout=900)
        radky = vystup.split('\n')
        self.assertEqual(rc, 0, vystup)
        self.assertEqual(len([r for r in radky if r.startswith('OK ')]), POCET_HODNOT, vystup)
        # The first other priority, "Nízká", is in effect in the running process.
        self.assertIn('OK \\processPriority = 64', radky)
        self.assertIn('priorita=0x40', radky)
        self.assertEqual(hodnota('Promitani obrazku', 'interval') % 1000, 0)


@unittest.skipUnless(os.environ.get('DISPLAY'), 'needs a display (Xvfb)')
class UpravyVDialogu(DialogOtevreny):
    """A stored choice that is none of the options is read as the default, with a log line naming it; then in the
    same run: an out-of-range number refused, Cancel, OK, and a new hotkey."""
    def setUp(self):
        t.smazat_nastaveni()
        ulozit_kameru(self)  # stores the application settings too: the bad value goes in after it
        t.zapsat_hodnotu('', 'oznamovaciIkona', 'REG_DWORD', 7)
        spustit_s_dialogem(self)

    def otevrit(self):
        self.assertEqual(t.pomocnik('prikaz', HLAVNI, '-', 40002, 10000)[0], 0)
        self.assertEqual(t.pomocnik('cekat-okno', DIALOG, TITULEK, 30000)[0], 0)

    def test_neplatna_ulozena_hodnota_mimo_rozsah_storno_ok_a_klavesova_zkratka(self):
        ikona = id_prvku(1)  # "Ikona v oznamovací oblasti:" on "Všeobecné", "Zobrazovat vždy" first
        self.assertEqual(t.pomocnik('zprava-prvku', DIALOG, TITULEK, ikona, 0x0147, 0, 0, 10000)[1], '0')  # CB_GETCURSEL
        with open(os.path.join(t.slozka_dat(), 'Tervik.log'), 'rb') as f:
            self.assertIn('Hodnota "oznamovaciIkona"', f.read().decode('utf-16-le'))

        # Out of range: the range message, the dialog stays open on its page, nothing written.
        pred = (hodnota('', 'zvuk'), hodnota('Dalkove ovladani', 'portPrijem'), hodnota('Promitani obrazku', 'interval'))
        self.assertEqual(pred, (1, 8124, 5000))
        self.assertEqual(t.pomocnik('nastavit-text', DIALOG, TITULEK, INTERVAL, '0', 10000)[0], 0)
        self.assertEqual(t.pomocnik('kliknout', DIALOG, TITULEK, IDOK, 10000)[0], 0)
        rc, text = t.pomocnik('text-zpravy', 'Tervik', 30000)
        self.assertEqual((rc, text), (0, 'Zadejte hodnotu v rozsahu 1 - 3600'))
        self.assertEqual(t.pomocnik('viditelne', DIALOG, TITULEK, 10000)[1], '1')
        self.assertEqual(hodnota('Promitani obrazku', 'interval'), 5000)
        # Cancel after more changes saves none of them.
        self.assertEqual(t.pomocnik('kliknout', DIALOG, TITULEK, ZVUK, 10000)[0], 0)
        self.assertEqual(t.pomocnik('nastavit-text', DIALOG, TITULEK, PORT_PRIJEM, '9000', 10000)[0], 0)
        self.assertEqual(t.pomocnik('kliknout', DIALOG, TITULEK, IDCANCEL, 10000)[0], 0)
        self.assertTrue(self.zavreno())
        self.assertEqual((hodnota('', 'zvuk'), hodnota('Dalkove ovladani', 'portPrijem'),
                          hodnota('Promitani obrazku', 'interval')), pred)

        # OK stores the values in the registry's units, and the default of the bad choice.
        self.otevrit()
        self.assertEqual(t.pomocnik('nastavit-text', DIALOG, TITULEK, INTERVAL, '7', 10000)[0], 0)
        self.assertEqual(t.pomocnik('nastavit-text', DIALOG, TITULEK, PORT_PRIJEM, '9000', 10000)[0], 0)
        t.snimek_obrazovky('predvolby-aplikace.png')
        self.assertEqual(t.pomocnik('kliknout', DIALOG, TITULEK, IDOK, 10000)[0], 0)
        self.assertTrue(self.zavreno())
        self.assertEqual(hodnota('Promitani obrazku', 'interval'), 7000)
        self.assertEqual(hodnota('Dalkove ovladani', 'portPrijem'), 9000)
        self.assertTrue(t.pockat_na(lambda: hodnota('', 'oznamovaciIkona') == 2, 30))

        # The hotkey page lists every entry; the first is 40001 "Ukončit aplikaci". Ctrl+F11 for it.
        self.otevrit()
        self.assertEqual(t.pomocnik('zprava-prvku', DIALOG, TITULEK, 1991, 0x0186, 0, 0, 10000)[0], 0)  # LB_SETCURSEL
        self.assertEqual(t.pomocnik('zprava-prvku', DIALOG, TITULEK, 1992, 0x0401, 0x027A, 0, 10000)[0], 0)  # HKM_SETHOTKEY
        self.assertEqual(t.pomocnik('kliknout', DIALOG, TITULEK, 1993, 10000)[0], 0)  # "Nastavit"
        self.assertEqual(t.pomocnik('kliknout', DIALOG, TITULEK, IDOK, 10000)[0], 0)
        self.assertTrue(self.zavreno())
        self.assertEqual(hodnota('Horke klavesy', '40001'), '020000007A000000419C0000234E0000')
        # Registered again after the dialog: the key ends the application.
        self.assertEqual(t.pomocnik('stisknout', HLAVNI, '-', 2, 0x7A, 10000)[0], 0)
        self.assertEqual(t.pockat(self.p), 0)


@unittest.skipUnless(os.environ.get('DISPLAY'), 'needs a display (Xvfb)')
class NastaveniAplikacePri144Dpi(unittest.TestCase):
    """The pages are laid out in dialog units: at 144 DPI every text still fits and Tab still reaches everything."""
    PLOCHA = r'HKCU\Control Panel\Desktop'

    def setUp(self):
        t.smazat_nastaveni()
        self.assertEqual(t.reg('add', self.PLOCHA, '/v', 'LogPixels', '/t', 'REG_DWORD', '/d', '144', '/f'), 0)
        ulozit_kameru(self)
        spustit_s_dialogem(self)

    def tearDown(self):
        t.reg('delete', self.PLOCHA, '/v', 'LogPixels', '/f')
        ukoncit(self)
        t.smazat_nastaveni()

    def test_texty_se_vejdou_i_pri_144_dpi(self):
        self.assertEqual(len(t.projit_stranky_predvoleb(self, 'predvolby-144dpi')), 9)


if __name__ == '__main__':
    unittest.main()
