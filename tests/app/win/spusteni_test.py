"""Start-up, roles, single instance, logs and shutdown of the real Tervik.exe under Wine."""
import os
import re
import shutil
import unittest

import tervik_proces as t

SPUSTENA = 'Aplikace "Tervik" byla úspěšně spuštěna.'
UKONCENA = 'Aplikace "Tervik" byla ukončena.'
JIZ_SPUSTENA = 'Aplikace "Tervik" je již spuštěna'


class Spusteni(unittest.TestCase):
    def setUp(self):
        t.smazat_nastaveni()
        # One configured camera: with none the program offers to build a default list (its own test).
        t.reg('add', t.KOREN + r'\Kamery\Test', '/f')
        self.procesy = []

    def tearDown(self):
        for p in self.procesy:
            if p.poll() is None:
                t.pomocnik('zavrit-okno', 'RTervik4', '-', 2000)
            t.pockat(p, 20)
        t.smazat_nastaveni()

    def spustit(self, *argumenty, prostredi=None):
        p = t.na_pozadi(t.TERVIK, *argumenty, prostredi=prostredi)
        self.procesy.append(p)
        return p

    def ukoncit_hlavni_okno(self, p):
        rc, _ = t.pomocnik('zavrit-okno', 'RTervik4', '-', 20000)
        self.assertEqual(rc, 0, 'hlavní okno nenalezeno')
        self.assertEqual(t.pockat(p), 0)

    def test_prvni_spusteni_na_prazdnem_registru(self):
        t.smazat_nastaveni()
        shutil.rmtree(os.path.join(t.slozka_dokumentu(), 'Tervik 4.8'), ignore_errors=True)
        p = self.spustit()
        # With the test camera in the prefix, an empty camera list brings the offer of a default list.
        if t.je_testovaci_kamera():
            rc, text = t.pomocnik('text-zpravy', 'Tervik', 30000, 7)  # IDNO
            self.assertEqual(rc, 0)
            self.assertTrue(text.startswith('Není definována žádná konfigurace kamery.'), text)
        rc, titulek = t.pomocnik('cekat-okno', 'RTervik4', '-', 30000)
        self.assertEqual(rc, 0)
        self.assertEqual(titulek, 'Tervik')
        # Both folders exist after the first start on a fresh account.
        self.assertTrue(os.path.isdir(t.slozka_dat()))
        self.assertTrue(os.path.isdir(os.path.join(t.slozka_dokumentu(), 'Tervik 4.8')))
        self.ukoncit_hlavni_okno(p)
        # Closing keeps the window's placement.
        r = t.wine('reg', 'query', t.KOREN + r'\Parametry oken\RTervik4')
        self.assertIn(b'Poloha', r.stdout)
        self.assertIn(b'Velikost', r.stdout)

    def test_druha_instance_skonci_s_kodem_1_a_prvni_bezi_dal(self):
        prvni = self.spustit()
        self.assertEqual(t.pomocnik('cekat-okno', 'RTervik4', '-', 30000)[0], 0)
        druha = self.spustit()
        rc, text = t.pomocnik('text-zpravy', 'Tervik', 30000)
        self.assertEqual(rc, 0, 'zpráva o běžící instanci se neukázala')
        self.assertEqual(text, JIZ_SPUSTENA)
        self.assertEqual(t.pockat(druha), 1)
        self.assertIsNone(prvni.poll())
        self.assertEqual(t.pomocnik('cekat-okno', 'RTervik4', '-', 5000)[0], 0)
        # Hidden mode: the same text goes to the event log instead of a box.
        r = t.wine(t.TERVIK, '/SKRYT', prostredi={'WINEDEBUG': '-all,+eventlog'})
        self.assertEqual(r.returncode, 1)
        self.assertIn(t.stopa_udalosti(JIZ_SPUSTENA + '.\r\n'), r.stderr.decode('ascii', 'replace'))
        # Automatic mode: no main window of its own for a balloon, so the text goes to the log.
        self.assertEqual(t.wine(t.TERVIK, '/automaticky').returncode, 1)
        with open(os.path.join(t.slozka_dat(), 'Tervik.log'), 'rb') as f:
            self.assertIn(JIZ_SPUSTENA, f.read().decode('utf-16-le'))
        self.ukoncit_hlavni_okno(prvni)

    def test_vychozi_kamera_bez_kamer_skonci_hned(self):
        for argumenty in (['-vk'], ['/ka', 'Neexistující'], ['KA']):
            r = t.wine(t.TERVIK, *argumenty, timeout=60)
            self.assertEqual(r.returncode, 1, argumenty)

    def test_kazda_role_nastroje_zacne_a_skonci_s_nulou(self):
        role = [('-eo', 'Tervik4EditorObrazku', 'Prohlížení a úprava snímků - Tervik'),
                ('/FP', 'Tervik4ProhlizecFtp', 'Prohlížeč souborů na FTP'),
                ('pv', 'Tervik4PrehravacVidea', 'Přehrávač videosouborů'),
                ('-so', 'Tervik4SitovyOvladac', 'Síťový ovladač - Tervik')]
        for prepinac, trida, titulek in role:
            p = self.spustit(prepinac)
            rc, skutecny = t.pomocnik('cekat-okno', trida, '-', 30000)
            self.assertEqual(rc, 0, prepinac)
            # The FTP browser adds its connection state to its name.
            self.assertTrue(skutecny.startswith(titulek), (prepinac, skutecny))
            self.assertEqual(t.pomocnik('zavrit-okno', trida, '-', 5000)[0], 0)
            self.assertEqual(t.pockat(p), 0, prepinac)
        # A tool is never refused while the full application runs.
        hlavni = self.spustit()
        self.assertEqual(t.pomocnik('cekat-okno', 'RTervik4', '-', 30000)[0], 0)
        nastroj = self.spustit('eo')
        self.assertEqual(t.pomocnik('zavrit-okno', 'Tervik4EditorObrazku', '-', 30000)[0], 0)
        self.assertEqual(t.pockat(nastroj), 0)
        self.ukoncit_hlavni_okno(hlavni)

    def test_log_a_udalosti_spusteni_a_ukonceni(self):
        log = os.path.join(t.slozka_dat(), 'Tervik.log')
        if os.path.exists(log):
            os.remove(log)
        for podklic in ('Logovani', 'Zapis udalosti'):
            t.zapsat_hodnotu(podklic, 'spusteni', 'REG_DWORD', 1)
            t.zapsat_hodnotu(podklic, 'ukonceni', 'REG_DWORD', 1)
        p = self.spustit(prostredi={'WINEDEBUG': '-all,+eventlog'})
        self.assertEqual(t.pomocnik('cekat-okno', 'RTervik4', '-', 30000)[0], 0)
        self.ukoncit_hlavni_okno(p)
        stderr = p.chyby.decode('ascii', 'replace')
        self.assertIn(t.stopa_udalosti(SPUSTENA + '\r\n'), stderr)
        self.assertIn(t.stopa_udalosti(UKONCENA + '\r\n'), stderr)
        with open(log, 'rb') as f:
            data = f.read()
        self.assertFalse(data.startswith(b'\xff\xfe'), 'log nesmí mít BOM')
        text = data.decode('utf-16-le')
        radek = r'\d{1,2}\.\d{1,2}\.\d{4} \d{1,2}:\d{2}:\d{2} - '
        # The last two lines (a shell without jump lists, as Wine's, logs that before them).
        self.assertRegex(text, '(^|\r\n)' + radek + re.escape(SPUSTENA) + '\r\n' + radek + re.escape(UKONCENA) + '\r\n$')

    def test_selhani_spusteni_vrati_hresult(self):
        # A data folder on a drive that does not exist cannot be created: start-up fails silently
        # for the user, with an error event and the HRESULT as the exit code.
        t.zapsat_hodnotu('', 'slozkaData', 'REG_SZ', r'Q:\neni\Tervik')
        r = t.wine(t.POMOCNIK, 'spustit', '60000', t.windows_cesta(t.TERVIK), prostredi={'WINEDEBUG': '-all,+eventlog'})
        vystup = r.stdout.decode().strip()
        self.assertRegex(vystup, r'^kod=0x8007000[23]$')
        self.assertIn('Q:\\\\neni\\\\Tervik', r.stderr.decode('ascii', 'replace'))

    def test_hodnota_spatneho_typu_se_ohlasi_a_aplikace_bezi(self):
        t.zapsat_hodnotu('', 'slozkaData', 'REG_DWORD', 42)
        t.zapsat_hodnotu('Dalkove ovladani', 'portPrijem', 'REG_DWORD', 9000)
        p = self.spustit()
        rc, text = t.pomocnik('text-zpravy', 'Tervik', 30000)
        self.assertEqual(rc, 0)
        self.assertTrue(text.startswith('Došlo k chybě při načítání konfigurace z registru Windows.\n\nChyba: '), text)
        self.assertIn('"slozkaData"', text)
        # The default data folder is used and the program runs on.
        self.assertEqual(t.pomocnik('cekat-okno', 'RTervik4', '-', 30000)[0], 0)
        self.ukoncit_hlavni_okno(p)


if __name__ == '__main__':
    unittest.main()
