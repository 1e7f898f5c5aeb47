"""The camera list in the real Tervik.exe under Wine: loading, the main window's list and menu,
and a camera started on its own with "-ka"."""
import os
import subprocess
import unittest

import tervik_proces as t

KAMERY = t.KOREN + r'\Kamery'
RAMEC_KAMERY = 'Tervik4Tervik'


def pridat_kameru(jmeno):
    assert t.reg('add', KAMERY + '\\' + jmeno, '/f') == 0


def hodnoty_kamery(jmeno):
    """Every value below the camera's key, as 'subkey|name' (reg query /s)."""
    r = t.wine('reg', 'query', KAMERY + '\\' + jmeno, '/s')
    klic, hodnoty = None, set()
    for radek in r.stdout.decode('utf-8', 'replace').replace('\r', '').split('\n'):
        if radek.startswith('HKEY_'):
            klic = radek
        elif radek.startswith('    ') and klic and not radek.strip().startswith('(Default)'):
            hodnoty.add(klic + '|' + radek.split()[0])
    return hodnoty


class SeznamKamer(unittest.TestCase):
    def setUp(self):
        t.smazat_nastaveni()
        self.procesy = []

    def tearDown(self):
        for p in self.procesy:
            if p.poll() is None:
                t.pomocnik('zavrit-okno', 'RTervik4', '-', 2000)
                t.pomocnik('zavrit-okno', RAMEC_KAMERY, '-', 2000)
            t.pockat(p, 20)
        t.smazat_nastaveni()

    def spustit(self, *argumenty):
        p = t.na_pozadi(t.TERVIK, *argumenty)
        self.procesy.append(p)
        return p

    def test_nova_kamera_z_menu_se_ulozi_se_vsemi_hodnotami(self):
        for jmeno in ('b', 'A', 'c'):
            pridat_kameru(jmeno)
        t.zapsat_hodnotu('', 'vychoziTervik', 'REG_SZ', 'c')
        p = self.spustit()
        self.assertEqual(t.pomocnik('cekat-okno', 'RTervik4', '-', 30000)[0], 0)
        # Loading does not write: the keys made by hand stay empty.
        self.assertEqual(hodnoty_kamery('A'), set())
        # 40012 asks for the name in the text input dialog; OK takes "Nová tervik".
        self.assertEqual(t.pomocnik('prikaz', 'RTervik4', '-', 40012, 10000)[0], 0)
        self.assertEqual(t.pomocnik('text-zpravy', 'Tervik', 30000)[0], 0)
        hodnoty = set()
        for _ in range(100):
            hodnoty = hodnoty_kamery('Nová tervik')
            if len(hodnoty) >= 286:
                break
        # 171 values in the camera's own keys and 23 in each of the five snapshot blocks.
        self.assertEqual(len(hodnoty), 171 + 5 * 23, sorted(hodnoty)[:5])
        self.assertTrue(any(h.endswith(r'\Snimky disk\Soubor|jmeno') for h in hodnoty))
        if os.environ.get('DISPLAY') and subprocess.run(['which', 'import'], capture_output=True).returncode == 0:
            subprocess.run(['import', '-window', 'root', os.path.join(t.BUILD, 'seznam-kamer.png')],
                           capture_output=True, timeout=30)
        self.assertEqual(t.pomocnik('zavrit-okno', 'RTervik4', '-', 10000)[0], 0)
        self.assertEqual(t.pockat(p), 0)
        self.assertEqual(t.reg('query', KAMERY + r'\Nová tervik\Snimky disk\Snimek\Text', '/v', 'logfont'), 0)

    def test_ka_existujici_kamery_bez_ohledu_na_velikost_pismen(self):
        pridat_kameru('Dvůr')
        pridat_kameru('Brána')
        p = self.spustit('-ka', 'DVŮR')
        rc, titulek = t.pomocnik('cekat-okno', RAMEC_KAMERY, '-', 30000)
        self.assertEqual(rc, 0)
        self.assertEqual(titulek, 'Dvůr - Připraven')
        self.assertEqual(t.pomocnik('zavrit-okno', RAMEC_KAMERY, '-', 10000)[0], 0)
        self.assertEqual(t.pockat(p), 0)

    def test_ka_chybejici_kamery_je_vychozi_kamera(self):
        pridat_kameru('Dvůr')
        pridat_kameru('Brána')
        # Without a default camera there is nothing to run.
        self.assertEqual(t.wine(t.TERVIK, '-ka', 'Sklep').returncode, 1)
        t.zapsat_hodnotu('', 'vychoziTervik', 'REG_SZ', 'brána')
        p = self.spustit('-ka', 'Sklep')
        rc, titulek = t.pomocnik('cekat-okno', RAMEC_KAMERY, '-', 30000)
        self.assertEqual(rc, 0)
        self.assertEqual(titulek, 'Brána - Připraven')
        self.assertEqual(t.pomocnik('zavrit-okno', RAMEC_KAMERY, '-', 10000)[0], 0)
        self.assertEqual(t.pockat(p), 0)

    def test_chyba_nacteni_kamery_se_pri_spusteni_ohlasi_jednou(self):
        pridat_kameru('Dvůr')
        assert t.reg('add', KAMERY + r'\Dvůr\Okno', '/v', 'titulek', '/t', 'REG_SZ', '/d', 'úzký', '/f') == 0
        p = self.spustit()
        rc, text = t.pomocnik('text-zpravy', 'Tervik', 30000)
        self.assertEqual(rc, 0)
        self.assertTrue(text.startswith('Došlo k chybě při načítání konfigurace kamery Dvůr.'), text)
        # The list is loaded once: the main window follows, with no second box holding it back.
        self.assertEqual(t.pomocnik('cekat-okno', 'RTervik4', '-', 30000)[0], 0)
        self.assertEqual(t.pomocnik('zavrit-okno', 'RTervik4', '-', 10000)[0], 0)
        self.assertEqual(t.pockat(p), 0)


if __name__ == '__main__':
    unittest.main()
