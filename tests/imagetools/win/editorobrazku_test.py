"""The image editor in the real Tervik.exe under Wine. "-eo" opens a picture chosen in the open dialog, turns it,
saves it as PNG (turned size) and in place (no temporary file), resizes it through its dialog (a side out of range
refused), refuses a truncated JPEG with its text and keeps the picture; a camera whose "otviratSnimekCim" is 11
opens two snapshots in one editor. Screenshots of the editor under build/."""
import os
import re
import shutil
import subprocess
import unittest

import tervik_proces as t

EDITOR = 'Tervik4EditorObrazku'
OKNO_KAMERY = 'Tervik4Tervik'
DIALOG = '#32770'
PRODUKT = 'Tervik'
NAZEV = 'Prohlížení a úprava snímků'
OTEVRENI = 'Vyberte obrázek'
ULOZENI = 'Vyberte soubor pro uložení obrázku'
OTEVRIT, ULOZIT, ULOZIT_JAKO, PRIZPUSOBIT, ZMENA, OTOCIT_VPRAVO = 40094, 40098, 40099, 40097, 40101, 40106
SNIMEK = 40046
ID_SIRKY, ID_VYSKY = 1002, 1003
IDOK = 1
MS = 30000
SLOZKA = os.path.join(t.BUILD, 'tmp-editor')


def stav():
    """The status bar's parts (path, size, zoom), None while the window is not there."""
    rc, vystup = t.pomocnik('stavovy-radek', EDITOR, '-', 10000)
    if rc != 0:
        return None
    casti = dict(radek.split('|', 1) for radek in vystup.splitlines() if '|' in radek)
    return [casti.get(str(i), '') for i in range(3)]


def rozmer(cesta):
    return subprocess.run(['identify', '-format', '%m %wx%h', cesta], capture_output=True, text=True,
                          timeout=60).stdout.strip()


def snimek_obrazovky(jmeno):
    subprocess.run(['import', '-window', 'root', os.path.join(t.ZDROJ, 'build', jmeno)], capture_output=True,
                   timeout=30)


@unittest.skipUnless(os.environ.get('DISPLAY') and shutil.which('convert'), 'needs a display and ImageMagick')
class EditorObrazku(unittest.TestCase):
    def setUp(self):
        t.smazat_nastaveni()
        shutil.rmtree(SLOZKA, ignore_errors=True)
        os.makedirs(SLOZKA)
        self.proces = None

    def tearDown(self):
        if self.proces and self.proces.poll() is None:
            for titulek in (OTEVRENI, ULOZENI, PRODUKT, NAZEV):
                t.pomocnik('zavrit-okno', DIALOG, titulek, 1000)
            t.pomocnik('zavrit-okno', EDITOR, '-', 2000)
        t.ukoncit(self.proces, OKNO_KAMERY)
        shutil.rmtree(SLOZKA, ignore_errors=True)
        t.smazat_nastaveni()

    def prikaz(self, prikaz):
        self.assertEqual(t.pomocnik('prikaz', EDITOR, '-', prikaz, MS)[0], 0)

    def vybrat_soubor(self, titulek, cesta):
        t.vybrat_soubor(self, titulek, cesta)

    def cekat_na_rozmer(self, text):
        self.assertTrue(t.pockat_na(lambda: (stav() or ['', ''])[1] == text, 30), stav())

    def zmenit_rozmery(self, sirka, vyska):
        self.prikaz(ZMENA)
        self.assertEqual(t.pomocnik('cekat-okno', DIALOG, NAZEV, MS)[0], 0)
        t.pomocnik('nastavit-text', DIALOG, NAZEV, ID_SIRKY, str(sirka), 2000)
        t.pomocnik('nastavit-text', DIALOG, NAZEV, ID_VYSKY, str(vyska), 2000)
        self.assertEqual(t.pomocnik('prikaz', DIALOG, NAZEV, IDOK, MS)[0], 0)

    def test_otevreni_otoceni_ulozeni_zmena_a_odmitnuti(self):
        foto = os.path.join(SLOZKA, 'foto.jpg')
        subprocess.run(['convert', '-size', '1600x1000', 'gradient:red-blue', foto], check=True, timeout=60)
        self.proces = t.na_pozadi(t.TERVIK, '-eo')
        self.assertEqual(t.pomocnik('cekat-okno', EDITOR, '-', MS)[0], 0, 'editor se neotevřel')
        self.assertEqual(stav(), ['', '', ''])
        snimek_obrazovky('editor-prazdny.png')

        self.prikaz(OTEVRIT)
        self.vybrat_soubor(OTEVRENI, foto)
        self.cekat_na_rozmer('1600 x 1000  bodů')
        self.assertTrue(stav()[0].endswith('foto.jpg'), stav())
        # Fitted into the window: shrunk below 100 %.
        self.assertLess(int(re.match(r'\d+', stav()[2]).group()), 100, stav())
        snimek_obrazovky('editor-prizpusobeny.png')
        self.prikaz(PRIZPUSOBIT)
        self.assertTrue(t.pockat_na(lambda: stav()[2] == '100 %', 30), stav())
        snimek_obrazovky('editor-100.png')

        self.prikaz(OTOCIT_VPRAVO)
        self.cekat_na_rozmer('1000 x 1600  bodů')
        kopie = os.path.join(SLOZKA, 'kopie.png')
        self.prikaz(ULOZIT_JAKO)
        self.vybrat_soubor(ULOZENI, kopie)
        self.assertTrue(t.pockat_na(lambda: rozmer(kopie) == 'PNG 1000x1600', 30), rozmer(kopie))
        # Still bound to foto.jpg: the save in place writes there, with nothing left beside it.
        self.assertEqual(rozmer(foto), 'JPEG 1600x1000')
        self.prikaz(ULOZIT)
        self.assertTrue(t.pockat_na(lambda: rozmer(foto) == 'JPEG 1000x1600', 30), rozmer(foto))
        self.assertEqual(sorted(os.listdir(SLOZKA)), ['foto.jpg', 'kopie.png'])

        # The resize dialog: a side out of range is refused and the dialog stays; the ratio is kept.
        self.zmenit_rozmery(0, 800)
        rc, text = t.pomocnik('text-zpravy', NAZEV, MS)
        self.assertEqual((rc, text), (0, 'Zadejte hodnotu v rozsahu 1 - 10000'))
        self.assertEqual(t.pomocnik('viditelne', DIALOG, NAZEV, 2000)[1], '1')
        t.pomocnik('nastavit-text', DIALOG, NAZEV, ID_SIRKY, '500', 2000)
        snimek_obrazovky('editor-zmena-rozmeru.png')
        self.assertEqual(t.pomocnik('prikaz', DIALOG, NAZEV, IDOK, MS)[0], 0)
        self.cekat_na_rozmer('500 x 800  bodů')

        # A truncated JPEG: the refusal in a box, the picture and the editor stay.
        with open(foto, 'rb') as f:
            zacatek = f.read(300)
        useknuty = os.path.join(SLOZKA, 'useknuty.jpg')
        with open(useknuty, 'wb') as f:
            f.write(zacatek)
        self.prikaz(OTEVRIT)
        self.vybrat_soubor(OTEVRENI, useknuty)
        rc, text = t.pomocnik('text-zpravy', PRODUKT, MS)
        self.assertEqual(rc, 0, 'žádná zpráva')
        self.assertTrue(text.startswith('Soubor "') and 'useknuty.jpg' in text, text)
        self.assertTrue(stav()[0].endswith('foto.jpg'), stav())
        self.assertEqual(stav()[1], '500 x 800  bodů')
        self.prikaz(OTOCIT_VPRAVO)
        self.cekat_na_rozmer('800 x 500  bodů')

    @unittest.skipUnless(t.je_testovaci_kamera(), 'testovací kamera není zaregistrovaná')
    def test_snimky_kamery_v_jednom_editoru(self):
        rc, slozka = t.pomocnik('kamera', 'Dvůr', 3600000, 1, 1)
        self.assertEqual(rc, 0, slozka)
        t.zapsat_hodnotu(r'Kamery\Dvůr\Snimky disk', 'slozka', 'REG_SZ', t.windows_cesta(SLOZKA))
        t.zapsat_hodnotu(r'Kamery\Dvůr\Snimky disk', 'otviratSnimekCim', 'REG_DWORD', 11)
        t.zapsat_hodnotu(r'Kamery\Dvůr\Snimky disk', 'otviratSnimekKdy', 'REG_DWORD', 1)
        t.zapsat_hodnotu(r'Kamery\Dvůr\Po spusteni', 'snimkyDisk', 'REG_DWORD', 0)
        self.proces = t.na_pozadi(t.TERVIK, '-ka', 'Dvůr')
        self.assertEqual(t.pomocnik('cekat-okno', OKNO_KAMERY, 'Dvůr - Připraven', MS)[0], 0)

        def snimek():
            # A snapshot by hand, again only while none appears (the video may still be starting); the editor
            # shows the newest.
            pred = set(os.listdir(SLOZKA))
            for _ in range(6):
                self.assertEqual(t.pomocnik('prikaz', OKNO_KAMERY, '-', SNIMEK, MS)[0], 0)
                if t.pockat_na(lambda: set(os.listdir(SLOZKA)) - pred, 10):
                    break
            nove = sorted(set(os.listdir(SLOZKA)) - pred, key=lambda n: int(re.search(r'(\d+)\.', n).group(1)))
            self.assertTrue(nove, 'žádný snímek')
            self.assertTrue(t.pockat_na(lambda: (stav() or [''])[0].endswith('\\' + nove[-1]), 60), (nove, stav()))
            return nove[-1]

        self.assertNotEqual(snimek(), snimek())
        editory = [r for r in t.pomocnik('okna')[1].split('\n') if r.startswith(EDITOR + '|')]
        self.assertEqual(len(editory), 1, editory)
        # Closing the camera ends its process, the editor with it.
        self.assertEqual(t.pomocnik('zavrit-okno', OKNO_KAMERY, '-', 10000)[0], 0)
        self.assertEqual(t.pockat(self.proces), 0)


if __name__ == '__main__':
    unittest.main()
