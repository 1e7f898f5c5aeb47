"""The .prx profile editor in the real Tervik.exe under Wine: the main window's command 40081 opens it, a profile
with an audio and a video stream is loaded, edited and saved byte for byte as expected; a save that cannot replace
the file keeps it and says why; a malformed profile does not load."""
import os
import shutil
import stat
import subprocess
import unittest

import tervik_proces as t

HLAVNI = 'RTervik4'
EDITOR = 'Tervik4EditorPrx'
PRODUKT = 'Tervik'
SOUBOR, SIRKA, VYSKA, SNIMKY, BITRATE, ULOZIT = 1002, 1005, 1007, 1009, 1011, 1014
SLOZKA = os.path.join(t.BUILD, 'tmp-editorprx')


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


@unittest.skipUnless(os.environ.get('DISPLAY'), 'needs a display (Xvfb)')
class EditorPrx(unittest.TestCase):
    def setUp(self):
        t.smazat_nastaveni()
        shutil.rmtree(SLOZKA, ignore_errors=True)
        os.makedirs(SLOZKA)
        # With no camera at all the start would ask for a default list.
        rc, vystup = t.pomocnik('kamera', 'Dvůr', 3600000, 1, 0)
        self.assertEqual(rc, 0, vystup)
        t.zapsat_hodnotu('Kamery\\Dvůr', 'poSpusteni', 'REG_DWORD', 0)
        self.proces = t.na_pozadi(t.TERVIK)
        self.assertEqual(t.pomocnik('cekat-okno', HLAVNI, '-', 30000)[0], 0)

    def tearDown(self):
        if self.proces.poll() is None:
            t.pomocnik('zavrit-okno', '?' + HLAVNI, '-', 2000)
        if t.pockat(self.proces, 30) is None:
            print('Tervik did not end:', self.proces.chyby.decode('utf-8', 'replace')[-2000:])
        for f in os.listdir(SLOZKA):
            os.chmod(os.path.join(SLOZKA, f), stat.S_IRUSR | stat.S_IWUSR)
        shutil.rmtree(SLOZKA, ignore_errors=True)
        t.smazat_nastaveni()

    def nastavit(self, prvek, text):
        self.assertEqual(t.pomocnik('nastavit-text', EDITOR, '-', prvek, text, 10000)[0], 0)

    def zprava(self):
        rc, text = t.pomocnik('text-zpravy', PRODUKT, 30000)
        self.assertEqual(rc, 0, 'žádná zpráva')
        self.assertTrue(t.pockat_na(lambda: t.pomocnik('viditelne', '#32770', PRODUKT, 0)[1] == '0', 30), text)
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
        if shutil.which('import'):
            os.makedirs(os.path.join(t.ZDROJ, 'build', 'obrazovky'), exist_ok=True)
            subprocess.run(['import', '-window', 'root', os.path.join(t.ZDROJ, 'build', 'obrazovky', 'editor-prx.png')],
                           capture_output=True, timeout=30)
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


if __name__ == '__main__':
    unittest.main()
