"""The video tools of the main window in the real Tervik.exe under Wine, started once. The .prx profile editor
(command 40081): a profile with an audio and a video stream is loaded, edited and saved byte for byte as expected; a
save that cannot replace the file keeps it and says why; a malformed profile does not load. The video player (command
40086): the colour AVI chosen in the open dialog plays (the time in the status bar runs), is paused, moved by the
trackbar and stepped twice, and "Uložit snímek" writes the shown frame, pixel for pixel ffmpeg's frame at that time;
a truncated AVI is refused with the player's message and leaves it without a file."""
import os
import re
import shutil
import stat
import subprocess
import unittest

import tervik_proces as t
from tervik_proces import HLAVNI

EDITOR = 'Tervik4EditorPrx'
PREHRAVAC = 'Tervik4PrehravacVidea'
DIALOG = '#32770'
PRODUKT = 'Tervik'
SOUBOR, SIRKA, VYSKA, SNIMKY, BITRATE, ULOZIT = 1002, 1005, 1007, 1009, 1011, 1014
OTEVRENI = 'Vyberte videosoubor pro přehrání'
ULOZENI = 'Vyberte soubor pro uložení aktuálního snímku'
PREHRAVAC_VIDEA, OTEVRIT, SPUSTIT, PRERUSIT, KROK_VPRED, ULOZIT_SNIMEK = 40086, 40084, 40087, 40089, 40090, 40093
ID_POSUVNIKU = 2
TBM_GETPOS = 0x400
MS = 30000
VIDEA = os.path.join(t.BUILD, 'videa')
SLOZKA = os.path.join(t.BUILD, 'tmp-nastroje-videa')


def profil(video_bitrate='250000', dwbitrate='250000', cas='666666', sirka='320', vyska='240', audio='48024'):
    """A profile as a profile editor writes it: UTF-16LE with a byte-order mark, CRLF lines, a name outside ASCII."""
    text = ('\ufeff<profile version="589824" storageformat="1" name="Záznam dvůr" description="">\r\n'
            ' <streamconfig majortype="{73647561-0000-0010-8000-00AA00389B71}" streamnumber="1" '
            'streamname="Audio Stream" bitrate="%s" bufferwindow="-1">\r\n'
            '  <wmmediatype subtype="{00000161-0000-0010-8000-00AA00389B71}" lsamplesize="4459">\r\n'
            '   <waveformatex wFormatTag="353" nChannels="2" nSamplesPerSec="44100" nAvgBytesPerSec="6003"/>\r\n'
            '  </wmmediatype>\r\n'
            ' </streamconfig>\r\n'
            ' <streamconfig majortype="{73646976-0000-0010-8000-00AA00389B71}" streamnumber="2" '
            'streamname="Video Stream" bitrate="%s" bufferwindow="5000">\r\n'
            '  <wmmediatype subtype="{33564D57-0000-0010-8000-00AA00389B71}" lsamplesize="0">\r\n'
            '   <videoinfoheader dwbitrate="%s" dwbiterrorrate="0" avgtimeperframe="%s">\r\n'
            '    <rcsource left="0" top="0" right="%s" bottom="%s"/>\r\n'
            '    <rctarget left="0" top="0" right="%s" bottom="%s"/>\r\n'
            '    <bitmapinfoheader biwidth="%s" biheight="%s" biplanes="1" bibitcount="24"/>\r\n'
            '   </videoinfoheader>\r\n'
            '  </wmmediatype>\r\n'
            ' </streamconfig>\r\n'
            '</profile>\r\n') % (audio, video_bitrate, dwbitrate, cas, sirka, vyska, sirka, vyska, sirka, vyska)
    return text.encode('utf-16-le')


def text_prvku(prvek):
    rc, text = t.pomocnik('text-prvku', EDITOR, '-', prvek, 10000)
    return text if rc == 0 else None


def obsah(cesta):
    with open(cesta, 'rb') as f:
        return f.read()


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
class NastrojeVidea(unittest.TestCase):
    @classmethod
    def setUpClass(cls):
        t.smazat_nastaveni()
        # With no camera at all the start would ask for a default list.
        t.ulozit_kameru('Dvůr', video=False)
        t.zapsat_hodnotu('Kamery\\Dvůr', 'poSpusteni', 'REG_DWORD', 0)
        cls.proces = t.na_pozadi(t.TERVIK)
        assert t.pomocnik('cekat-okno', HLAVNI, '-', MS)[0] == 0, 'Tervik se nespustil'

    @classmethod
    def tearDownClass(cls):
        if cls.proces.poll() is None:
            t.pomocnik('zavrit-okno', '?' + HLAVNI, '-', 2000)
        if t.pockat(cls.proces, 30) is None:
            print('Tervik did not end:', cls.proces.chyby.decode('utf-8', 'replace')[-2000:])
        t.smazat_nastaveni()

    def setUp(self):
        shutil.rmtree(SLOZKA, ignore_errors=True)
        os.makedirs(SLOZKA)

    def tearDown(self):
        # Whatever a failed test left open goes, so that the next one starts from the main window alone.
        for titulek in (OTEVRENI, ULOZENI, PRODUKT):
            t.pomocnik('zavrit-okno', DIALOG, titulek, 0)
        for okno in (PREHRAVAC, EDITOR):
            t.pomocnik('zavrit-okno', okno, '-', 0)
        for f in os.listdir(SLOZKA):
            os.chmod(os.path.join(SLOZKA, f), stat.S_IRUSR | stat.S_IWUSR)
        shutil.rmtree(SLOZKA, ignore_errors=True)

    def nastavit(self, prvek, text):
        self.assertEqual(t.pomocnik('nastavit-text', EDITOR, '-', prvek, text, 10000)[0], 0)

    def zprava(self):
        rc, text = t.pomocnik('text-zpravy', PRODUKT, MS)
        self.assertEqual(rc, 0, 'žádná zpráva')
        self.assertTrue(t.pockat_na(lambda: t.pomocnik('viditelne', DIALOG, PRODUKT, 0)[1] == '0', 30), text)
        return text

    def test_ulozeni_profilu_a_nezdarene_ulozeni(self):
        cesta = os.path.join(SLOZKA, 'profil.prx')
        with open(cesta, 'wb') as f:
            f.write(profil())
        self.assertEqual(t.pomocnik('prikaz', HLAVNI, '-', 40081, 10000)[0], 0)
        self.assertEqual(t.pomocnik('cekat-okno', EDITOR, '-', 30000)[0], 0, 'editor se neotevřel')

        self.nastavit(SOUBOR, t.windows_cesta(cesta))
        self.assertTrue(t.pockat_na(lambda: text_prvku(SIRKA) == '320', 30))
        self.assertEqual([text_prvku(p) for p in (VYSKA, SNIMKY, BITRATE)], ['240', '15', '250000'])
        for prvek, hodnota in ((SIRKA, '640'), (VYSKA, '480'), (SNIMKY, '30'), (BITRATE, '300000')):
            self.nastavit(prvek, hodnota)
        t.snimek_obrazovky('editor-prx.png')
        self.assertEqual(t.pomocnik('kliknout', EDITOR, '-', ULOZIT, 10000)[0], 0)
        # The audio stream keeps its bit rate; every other byte stays.
        ocekavane = profil(video_bitrate='300000', dwbitrate='300000', cas='333333', sirka='640', vyska='480')
        self.assertTrue(t.pockat_na(lambda: obsah(cesta) == ocekavane, 30), obsah(cesta).decode('utf-16-le'))
        self.assertEqual(os.listdir(SLOZKA), ['profil.prx'])

        # A read-only file cannot be replaced: the message, and the file as it was.
        os.chmod(cesta, stat.S_IRUSR)
        self.nastavit(SIRKA, '800')
        self.assertEqual(t.pomocnik('kliknout', EDITOR, '-', ULOZIT, 10000)[0], 0)
        text = self.zprava()
        self.assertTrue(text.startswith('Nepodařilo se uložit požadovaný .prx soubor konfigurace záznamu.\n\nChyba: '),
                        text)
        self.assertEqual(obsah(cesta), ocekavane)
        self.assertEqual(os.listdir(SLOZKA), ['profil.prx'])

        # A profile without a frame time does not load: the message, zero fields, no path.
        spatny = os.path.join(SLOZKA, 'spatny.prx')
        with open(spatny, 'wb') as f:
            f.write(profil().replace('avgtimeperframe'.encode('utf-16-le'), 'avgtimeperFrame'.encode('utf-16-le')))
        self.nastavit(SOUBOR, t.windows_cesta(spatny))
        text = self.zprava()
        self.assertTrue(text.startswith('Nepodařilo se načíst požadovaný .prx soubor konfigurace záznamu.\n\nChyba: '),
                        text)
        self.assertEqual([text_prvku(p) for p in (SOUBOR, SIRKA, VYSKA, SNIMKY, BITRATE)], ['', '0', '0', '0', '0'])

        # "&Konec" closes the editor.
        self.assertEqual(t.pomocnik('prikaz', EDITOR, '-', 40079, 10000)[0], 0)
        self.assertTrue(t.pockat_na(lambda: t.pomocnik('viditelne', EDITOR, '-', 0)[1] == '0', 30))


    def prikaz(self, prikaz):
        self.assertEqual(t.pomocnik('prikaz', PREHRAVAC, '-', prikaz, MS)[0], 0)

    def vybrat_soubor(self, titulek, cesta):
        t.vybrat_soubor(self, titulek, cesta)

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
        t.snimek_obrazovky('prehravac-videa.png')

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
        text = self.zprava()
        self.assertTrue(text.startswith('Nepodařilo se otevřít soubor pro přehrání.\n\nChyba: '), text)
        self.assertTrue(t.pockat_na(lambda: sekundy() is None, 30))
        self.prikaz(ULOZIT_SNIMEK)
        self.assertEqual(t.pomocnik('cekat-okno', DIALOG, ULOZENI, 2000)[0], 1)


if __name__ == '__main__':
    unittest.main()
