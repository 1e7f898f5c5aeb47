"""The video player in the real Tervik.exe under Wine: the main window's command 40086 opens it, the colour AVI is
chosen in the open dialog and plays (the time in the status bar runs), is paused, moved by the trackbar and stepped
twice, and "Uložit snímek" writes the shown frame, pixel for pixel ffmpeg's frame at that time; a truncated AVI is
refused with the player's message and leaves it without a file."""
import os
import re
import shutil
import subprocess
import unittest

import tervik_proces as t

HLAVNI = 'RTervik4'
PREHRAVAC = 'Tervik4PrehravacVidea'
DIALOG = '#32770'
PRODUKT = 'Tervik'
OTEVRENI = 'Vyberte videosoubor pro přehrání'
ULOZENI = 'Vyberte soubor pro uložení aktuálního snímku'
PREHRAVAC_VIDEA, OTEVRIT, SPUSTIT, PRERUSIT, KROK_VPRED, ULOZIT_SNIMEK = 40086, 40084, 40087, 40089, 40090, 40093
ID_POSUVNIKU = 2
TBM_GETPOS = 0x400
ID_JMENA_SOUBORU = (1148, 1152)  # the file dialogs' name box (cmb13) or edit (edt1)
IDOK = 1
MS = 30000
VIDEA = os.path.join(t.BUILD, 'videa')
SLOZKA = os.path.join(t.BUILD, 'tmp-prehravac')


def pixely(cesta):
    """The pixel rows of a 24-bit BMP (after the offset its header gives)."""
    with open(cesta, 'rb') as f:
        data = f.read()
    return data[int.from_bytes(data[10:14], 'little'):] if len(data) > 54 and data[:2] == b'BM' else b''


def sekundy():
    """The whole seconds of the status bar's time, None while it shows none."""
    rc, vystup = t.pomocnik('stavovy-radek', PREHRAVAC, '-', 10000)
    casti = dict(radek.split('|', 1) for radek in vystup.splitlines() if '|' in radek)
    cislo = re.search(r'\d+', casti.get('0', '')) if rc == 0 else None
    return int(cislo.group()) if cislo else None


def posuvnik():
    """The trackbar's position (0 to 10000 of the duration), which the player's timer keeps."""
    rc, vystup = t.pomocnik('zprava-prvku', PREHRAVAC, '-', ID_POSUVNIKU, TBM_GETPOS, 0, 0, 10000)
    return int(vystup) if rc == 0 and vystup.lstrip('-').isdigit() else None


@unittest.skipUnless(os.environ.get('DISPLAY'), 'needs a display (Xvfb)')
class Prehravac(unittest.TestCase):
    def setUp(self):
        t.smazat_nastaveni()
        shutil.rmtree(SLOZKA, ignore_errors=True)
        os.makedirs(SLOZKA)
        # With no camera at all the start would ask for a default list.
        rc, vystup = t.pomocnik('kamera', 'Dvůr', 3600000, 1, 0)
        self.assertEqual(rc, 0, vystup)
        t.zapsat_hodnotu('Kamery\\Dvůr', 'poSpusteni', 'REG_DWORD', 0)
        self.proces = t.na_pozadi(t.TERVIK)
        self.assertEqual(t.pomocnik('cekat-okno', HLAVNI, '-', MS)[0], 0)

    def tearDown(self):
        if self.proces.poll() is None:
            for titulek in (OTEVRENI, ULOZENI, PRODUKT):
                t.pomocnik('zavrit-okno', DIALOG, titulek, 1000)
            t.pomocnik('zavrit-okno', PREHRAVAC, '-', 2000)
            t.pomocnik('zavrit-okno', '?' + HLAVNI, '-', 2000)
        if t.pockat(self.proces, 30) is None:
            print('Tervik did not end:', self.proces.chyby.decode('utf-8', 'replace')[-2000:])
        shutil.rmtree(SLOZKA, ignore_errors=True)
        t.smazat_nastaveni()

    def prikaz(self, prikaz):
        self.assertEqual(t.pomocnik('prikaz', PREHRAVAC, '-', prikaz, MS)[0], 0)

    def vybrat_soubor(self, titulek, cesta):
        self.assertEqual(t.pomocnik('cekat-okno', DIALOG, titulek, MS)[0], 0, titulek)
        self.assertIn(0, [t.pomocnik('nastavit-text', DIALOG, titulek, i, t.windows_cesta(cesta), 2000)[0]
                          for i in ID_JMENA_SOUBORU])
        self.assertEqual(t.pomocnik('prikaz', DIALOG, titulek, IDOK, MS)[0], 0)
        self.assertTrue(t.pockat_na(lambda: t.pomocnik('viditelne', DIALOG, titulek, 0)[1] == '0', 30))

    def ulozit_snimek(self, jmeno):
        cesta = os.path.join(SLOZKA, jmeno)
        self.prikaz(ULOZIT_SNIMEK)
        self.vybrat_soubor(ULOZENI, cesta)
        self.assertTrue(t.pockat_na(lambda: os.path.exists(cesta), 30), jmeno)
        return cesta

    def test_prehrani_kroky_a_ulozeny_snimek(self):
        self.assertEqual(t.pomocnik('prikaz', HLAVNI, '-', PREHRAVAC_VIDEA, MS)[0], 0)
        self.assertEqual(t.pomocnik('cekat-okno', PREHRAVAC, '-', MS)[0], 0, 'přehrávač se neotevřel')

        self.prikaz(OTEVRIT)
        self.vybrat_soubor(OTEVRENI, os.path.join(VIDEA, 'barvy.avi'))
        # The file plays at once: its time runs past the first second.
        self.assertTrue(t.pockat_na(lambda: (sekundy() or 0) >= 1, 30), 'čas neběží')
        if shutil.which('import'):
            subprocess.run(['import', '-window', 'root', os.path.join(t.ZDROJ, 'build', 'prehravac-videa.png')],
                           capture_output=True, timeout=30)

        # Paused, at 0.8 s by the trackbar (2000 of 10000 of 4 s), two steps of half a second: 1.8 s.
        self.prikaz(PRERUSIT)
        rc, pozice = t.pomocnik('posunout-jezdec', PREHRAVAC, '-', ID_POSUVNIKU, 2000, MS)
        self.assertEqual((rc, pozice), (0, '2000'))
        self.prikaz(KROK_VPRED)
        self.prikaz(KROK_VPRED)
        self.assertTrue(t.pockat_na(lambda: posuvnik() == 4500, 30), 'posuvník %s' % posuvnik())

        oracle = os.path.join(SLOZKA, 'ffmpeg_1800ms.bmp')
        subprocess.run(['ffmpeg', '-hide_banner', '-loglevel', 'error', '-y', '-ss', '1.8', '-i',
                        os.path.join(VIDEA, 'barvy.avi'), '-frames:v', '1', '-pix_fmt', 'bgr24', oracle],
                       check=True, timeout=60)
        ocekavane = pixely(oracle)
        self.assertEqual(len(ocekavane), 320 * 240 * 3)
        # The frame of the new position reaches the picture a moment after the step: saved again until it has.
        ulozene = []

        def snimek_odpovida():
            ulozene.append(pixely(self.ulozit_snimek('snimek%d.bmp' % len(ulozene))))
            return ulozene[-1] == ocekavane
        self.assertTrue(t.pockat_na(snimek_odpovida, 60), 'uložený snímek se liší od snímku ffmpeg v 1,8 s')
        # Nothing but the saved frames beside them.
        self.assertEqual(sorted(f for f in os.listdir(SLOZKA) if not f.startswith('ffmpeg')),
                         sorted('snimek%d.bmp' % i for i in range(len(ulozene))))

        # A truncated AVI: the player's message, then no file (nothing to save).
        with open(os.path.join(VIDEA, 'barvy.avi'), 'rb') as f:
            zacatek = f.read(6000)
        useknute = os.path.join(SLOZKA, 'useknute.avi')
        with open(useknute, 'wb') as f:
            f.write(zacatek)
        self.prikaz(OTEVRIT)
        self.vybrat_soubor(OTEVRENI, useknute)
        rc, text = t.pomocnik('text-zpravy', PRODUKT, MS)
        self.assertEqual(rc, 0, 'žádná zpráva')
        self.assertTrue(text.startswith('Nepodařilo se otevřít soubor pro přehrání.\n\nChyba: '), text)
        self.assertTrue(t.pockat_na(lambda: sekundy() is None, 30))
        self.prikaz(ULOZIT_SNIMEK)
        self.assertEqual(t.pomocnik('cekat-okno', DIALOG, ULOZENI, 2000)[0], 1)


if __name__ == '__main__':
    unittest.main()
