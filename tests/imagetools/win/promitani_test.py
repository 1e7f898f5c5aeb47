"""The slideshow in the real Tervik.exe under Wine: a camera's command 40078 shows the pictures of its snapshot
folder full screen, five formats and one in a subfolder (the window text is the picture's path), a corrupt file as
its error text and then the next picture, the end after the last; Escape ends it; with 10,000 pictures the
camera window answers while the slideshow collects; closing the camera (the whole process) ends a running show."""
import os
import shutil
import subprocess
import unittest

import tervik_proces as t

OKNO_KAMERY = 'Tervik4Tervik'
PROMITANI = 'Tervik4PromitaniObrazku'
KAMERA = 'Promítačka'
PRIKAZ_PROMITANI = 40078
WM_NULL = 0
WM_KEYUP = 0x0101
VK_ESCAPE = 0x1B
VK_RIGHT = 0x27
MS = 30000
CERVENA = '#C80000'
FORMATY = ('jpg', 'png', 'bmp', 'tif', 'gif')


def snimek_obrazovky():
    """The screen as (width, height, RGB bytes), from ImageMagick's import."""
    data = subprocess.run(['import', '-window', 'root', '-depth', '8', 'ppm:-'], capture_output=True, timeout=30).stdout
    casti = data.split(maxsplit=4)
    sirka, vyska = int(casti[1]), int(casti[2])
    return sirka, vyska, casti[4][-sirka * vyska * 3:]


def bod(obrazovka, x, y):
    sirka, _, data = obrazovka
    i = (y * sirka + x) * 3
    return tuple(data[i:i + 3])


def je_cervena(barva):
    return barva[0] > 150 and barva[1] < 70 and barva[2] < 70


def ukazuje_obrazek():
    """The red test picture drawn in the middle of the screen."""
    o = snimek_obrazovky()
    return je_cervena(bod(o, o[0] // 2, o[1] // 2))


def ukazuje_text_chyby():
    """Light text on the black background across the screen's middle band, and no picture."""
    o = snimek_obrazovky()
    sirka, vyska, _ = o
    svetle = sum(1 for y in range(vyska // 2 - 40, vyska // 2 + 40, 2) for x in range(0, sirka, 2)
                 if min(bod(o, x, y)) > 180)
    return svetle > 20 and not je_cervena(bod(o, sirka // 2, vyska // 2))


@unittest.skipUnless(shutil.which('convert') and shutil.which('import'), 'ImageMagick není nainstalován')
class Promitani(unittest.TestCase):
    def setUp(self):
        t.smazat_nastaveni()
        self.slozka = os.path.join(t.BUILD, 'promitani_snimky')
        shutil.rmtree(self.slozka, ignore_errors=True)
        os.makedirs(os.path.join(self.slozka, 'vnorena'))
        self.obrazky = []
        for pripona in FORMATY:
            cesta = os.path.join(self.slozka, 'snimek.' + pripona)
            subprocess.run(['convert', '-size', '200x150', 'xc:' + CERVENA, cesta], check=True, timeout=60)
            self.obrazky.append(cesta)
        vnoreny = os.path.join(self.slozka, 'vnorena', 'dalsi.png')
        shutil.copy(self.obrazky[1], vnoreny)
        self.obrazky.append(vnoreny)
        self.poskozeny = os.path.join(self.slozka, 'poskozeny.jpg')
        with open(self.poskozeny, 'wb') as f:
            f.write(b'\xff\xd8\xff\xe0 toto neni obrazek')
        with open(os.path.join(self.slozka, 'zaznam.avi'), 'wb') as f:
            f.write(b'RIFF')
        # A link back to the folder itself (Wine shows it as a reparse point): never followed.
        os.symlink('..', os.path.join(self.slozka, 'vnorena', 'smycka'))
        self.proces = None

    def tearDown(self):
        if self.proces and self.proces.poll() is None:
            t.pomocnik('zavrit-okno', PROMITANI, '-', 1000)
            t.ukoncit(self.proces, OKNO_KAMERY)
        t.smazat_nastaveni()
        shutil.rmtree(self.slozka, ignore_errors=True)

    def titulek_promitani(self):
        rc, titulek = t.pomocnik('cekat-okno', PROMITANI, '-', 1000)
        return titulek if rc == 0 else None

    def promitani_bezi(self):
        return any(r.startswith(PROMITANI + '|') for r in t.pomocnik('okna')[1].split('\n'))

    def klavesa(self, vk):
        self.assertEqual(t.pomocnik('zprava', PROMITANI, '-', WM_KEYUP, vk, 0, MS)[0], 0)

    def spustit_promitani(self):
        self.assertEqual(t.pomocnik('prikaz', OKNO_KAMERY, '-', PRIKAZ_PROMITANI, MS)[0], 0)

    def test_promitani_slozky_kamery(self):
        rc, vystup = t.pomocnik('kamera', KAMERA, 3600000, 1, 0)
        self.assertEqual(rc, 0, vystup)
        t.zapsat_hodnotu(r'Kamery\%s\Po spusteni' % KAMERA, 'snimkyDisk', 'REG_DWORD', 0)
        t.zapsat_hodnotu(r'Kamery\%s\Snimky disk' % KAMERA, 'slozka', 'REG_SZ', t.windows_cesta(self.slozka))
        # Each picture until a key moves on (an hour's interval), on black.
        t.zapsat_hodnotu('Promitani obrazku', 'interval', 'REG_DWORD', 3600000)
        t.zapsat_hodnotu('Promitani obrazku', 'barvaPozadi', 'REG_DWORD', 0)
        t.zapsat_hodnotu('Promitani obrazku', 'cyklickyOpakovat', 'REG_DWORD', 0)

        # 10,000 pictures: the camera window answers at once while the slideshow collects them on its worker.
        mnoho = os.path.join(self.slozka, 'mnoho')
        os.makedirs(mnoho)
        with open(self.obrazky[0], 'rb') as f:
            jpeg = f.read()
        for i in range(10000):
            with open(os.path.join(mnoho, 'm%05d.jpg' % i), 'wb') as f:
                f.write(jpeg)
        self.proces = t.na_pozadi(t.TERVIK, '-ka', KAMERA)
        self.assertEqual(t.pomocnik('cekat-okno', OKNO_KAMERY, '-', 60000)[0], 0)
        self.spustit_promitani()
        self.assertEqual(t.pomocnik('poslat-zpravu', OKNO_KAMERY, '-', WM_NULL, 0, 0, 1000)[0], 0)
        self.assertEqual(t.pomocnik('cekat-okno', PROMITANI, '-', MS)[0], 0)
        self.assertEqual(t.pomocnik('poslat-zpravu', OKNO_KAMERY, '-', WM_NULL, 0, 0, 1000)[0], 0)
        self.assertTrue(t.pockat_na(lambda: (self.titulek_promitani() or '').startswith('Z:'), 120))
        self.klavesa(VK_ESCAPE)
        self.assertTrue(t.pockat_na(lambda: not self.promitani_bezi(), 30))
        shutil.rmtree(mnoho)

        # The walk: every picture once (in the file system's order), the corrupt file's text, then the end.
        self.spustit_promitani()
        ocekavane = {t.windows_cesta(c) for c in self.obrazky + [self.poskozeny]}
        videne = []
        while len(videne) < len(ocekavane):
            predchozi = videne[-1] if videne else None
            self.assertTrue(t.pockat_na(lambda: self.titulek_promitani() not in (None, predchozi), 60), videne)
            titulek = self.titulek_promitani()
            self.assertIn(titulek, ocekavane - set(videne))
            videne.append(titulek)
            if titulek == t.windows_cesta(self.poskozeny):
                chyba = t.pockat_na(ukazuje_text_chyby, 30)
                subprocess.run(['import', '-window', 'root', os.path.join(t.BUILD, 'promitani-chyba.png')],
                               timeout=30)
                self.assertTrue(chyba)
            else:
                self.assertTrue(t.pockat_na(ukazuje_obrazek, 30), titulek)
                if titulek.endswith('dalsi.png'):
                    subprocess.run(['import', '-window', 'root', os.path.join(t.BUILD, 'promitani-obrazek.png')],
                                   timeout=30)
            self.klavesa(VK_RIGHT)
        self.assertTrue(t.pockat_na(lambda: not self.promitani_bezi(), 30))

        # Escape ends a show; a show left running ends with the camera's process.
        self.spustit_promitani()
        self.assertTrue(t.pockat_na(lambda: (self.titulek_promitani() or '').startswith('Z:'), 60))
        self.klavesa(VK_ESCAPE)
        self.assertTrue(t.pockat_na(lambda: not self.promitani_bezi(), 30))
        self.spustit_promitani()
        self.assertTrue(t.pockat_na(lambda: (self.titulek_promitani() or '').startswith('Z:'), 60))
        self.assertEqual(t.pomocnik('zavrit-okno', OKNO_KAMERY, '-', MS)[0], 0)
        self.assertEqual(t.pockat(self.proces, 60), 0, getattr(self.proces, 'chyby', b'')[-2000:])


if __name__ == '__main__':
    unittest.main()
