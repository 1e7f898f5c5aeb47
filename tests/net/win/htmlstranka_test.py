"""The HTML page generator of a camera in the real Tervik.exe under Wine: the folder chosen in the FTP folder
chooser (which opens again at the folder in the field), the page saved through the save dialog (valid XML, the snapshot "Webtervik.jpg", escaped texts) and
uploaded to a real FTP server, into the chosen folder and into a folder that does not exist yet; closing the
generator during a slow upload asks and cancels it."""
import os
import shutil
import subprocess
import threading
import time
import unittest
import xml.etree.ElementTree as ET

from pyftpdlib.authorizers import DummyAuthorizer
from pyftpdlib.handlers import FTPHandler, ThrottledDTPHandler
from pyftpdlib.servers import FTPServer

import tervik_proces as t

OKNO_KAMERY = 'Tervik4Tervik'
DIALOG = '#32770'
GENERATOR = 'Vytvoření HTML stránky pro webkameru'
VYBER_SLOZKY = 'Vybrat složku na FTP serveru'
ULOZENI = 'Vyberte soubor pro uložení HTML stránky'
HTML = 40108
IDOK, IDCANCEL = 1, 2
ID_SLOZKA, ID_VYBRAT_SLOZKU, ID_ODESLAT, ID_STROM = 409, 410, 413, 301
ID_JMENA_SOUBORU = (1148, 1152)  # the save dialog's name box (cmb13) or edit (edt1)
TVM_EXPAND, TVM_GETCOUNT, TVM_GETNEXTITEM, TVM_SELECTITEM = 0x1102, 0x1105, 0x110A, 0x110B
TVGN_ROOT, TVGN_NEXT, TVGN_CHILD, TVGN_CARET = 0, 1, 4, 9
XHTML = '{http://www.w3.org/1999/xhtml}'
KAMERA = 'Web'
TITULEK = 'Dvůr & <vchod> "sever"'
NADPIS = 'Web  kamera'
MS = 30000


class Throttled(ThrottledDTPHandler):
    read_limit = 0  # bytes a second the server takes; 0 = no limit


def snimek_obrazovky(nazev):
    if os.environ.get('DISPLAY') and shutil.which('import'):
        subprocess.run(['import', '-window', 'root', os.path.join(t.BUILD, nazev)], capture_output=True, timeout=30)


class HtmlStranka(unittest.TestCase):
    def setUp(self):
        t.smazat_nastaveni()
        self.koren = os.path.join(t.BUILD, 'tmp', 'htmlstranka')
        shutil.rmtree(self.koren, ignore_errors=True)
        self.domov = os.path.join(self.koren, 'ftp')
        self.mistni = os.path.join(self.koren, 'stranky')
        os.makedirs(os.path.join(self.domov, 'verejne', 'kamery'))
        os.makedirs(os.path.join(self.domov, 'verejne', 'archiv'))
        os.makedirs(self.mistni)
        autorizace = DummyAuthorizer()
        autorizace.add_user('kamera', 'tajne', self.domov, perm='elradfmwMT')
        handler = type('Handler', (FTPHandler,), {'authorizer': autorizace, 'dtp_handler': Throttled})
        Throttled.read_limit = 0
        self.server = FTPServer(('127.0.0.1', 0), handler)
        self.vlakno = threading.Thread(target=self.server.serve_forever, kwargs={'timeout': 0.2}, daemon=True)
        self.vlakno.start()
        self.proces = None

    def tearDown(self):
        if self.proces and self.proces.poll() is None:
            for titulek in (VYBER_SLOZKY, ULOZENI, GENERATOR):
                t.pomocnik('zavrit-okno', DIALOG, titulek, 1000)
            t.pomocnik('zavrit-okno', OKNO_KAMERY, '-', 5000)
            t.pockat(self.proces, 30)
        self.server.close_all()
        t.smazat_nastaveni()

    def ulozit_kameru(self):
        rc, vystup = t.pomocnik('kamera', KAMERA, 3600000, 1, 0)
        self.assertEqual(rc, 0, vystup)
        ftp = r'Kamery\%s\Snimky FTP\FTP umisteni' % KAMERA
        t.zapsat_hodnotu(ftp, 'server', 'REG_SZ', '127.0.0.1:%d' % self.server.address[1])
        t.zapsat_hodnotu(ftp, 'uzivatel', 'REG_SZ', 'kamera')
        t.zapsat_hodnotu(ftp, 'heslo', 'REG_SZ', 'tajne')
        html = r'Kamery\%s\Gener HTML' % KAMERA
        t.zapsat_hodnotu(html, 'title', 'REG_SZ', TITULEK)
        t.zapsat_hodnotu(html, 'tagH1', 'REG_SZ', NADPIS)

    def prvek(self, titulek, id, zprava, wp, lp):
        rc, vystup = t.pomocnik('zprava-prvku', DIALOG, titulek, id, zprava, wp, lp, MS)
        self.assertEqual(rc, 0, vystup)
        return int(vystup)

    def vybrat_polozku(self, polozka, pocet_potom):
        self.prvek(VYBER_SLOZKY, ID_STROM, TVM_SELECTITEM, TVGN_CARET, polozka)
        self.assertTrue(t.pockat_na(lambda: self.prvek(VYBER_SLOZKY, ID_STROM, TVM_GETCOUNT, 0, 0) == pocet_potom, 60))

    def ulozit_a_odeslat(self, jmeno):
        """Presses "Vytvořit stránku a odeslat na FTP", names the file in the save dialog, returns the
        message the upload ended with."""
        self.assertEqual(t.pomocnik('kliknout', DIALOG, GENERATOR, ID_ODESLAT, MS)[0], 0)
        self.assertEqual(t.pomocnik('cekat-okno', DIALOG, ULOZENI, MS)[0], 0)
        cesta = t.windows_cesta(os.path.join(self.mistni, jmeno))
        self.assertIn(0, [t.pomocnik('nastavit-text', DIALOG, ULOZENI, i, cesta, 2000)[0] for i in ID_JMENA_SOUBORU])
        self.assertEqual(t.pomocnik('prikaz', DIALOG, ULOZENI, IDOK, MS)[0], 0)

    def test_stranka_ulozena_a_odeslana_do_vybrane_i_chybejici_slozky(self):
        self.ulozit_kameru()
        self.proces = t.na_pozadi(t.TERVIK, '-ka', KAMERA)
        self.assertEqual(t.pomocnik('cekat-okno', OKNO_KAMERY, '-', 60000)[0], 0)
        self.assertEqual(t.pomocnik('prikaz', OKNO_KAMERY, '-', HTML, MS)[0], 0)
        self.assertEqual(t.pomocnik('cekat-okno', DIALOG, GENERATOR, MS)[0], 0)

        # The folder chooser lists the login folder, then "verejne" when it is selected.
        self.assertEqual(t.pomocnik('kliknout', DIALOG, GENERATOR, ID_VYBRAT_SLOZKU, MS)[0], 0)
        self.assertEqual(t.pomocnik('cekat-okno', DIALOG, VYBER_SLOZKY, MS)[0], 0)
        self.assertTrue(t.pockat_na(lambda: self.prvek(VYBER_SLOZKY, ID_STROM, TVM_GETCOUNT, 0, 0) == 2, 60))
        koren = self.prvek(VYBER_SLOZKY, ID_STROM, TVM_GETNEXTITEM, TVGN_ROOT, 0)
        verejne = self.prvek(VYBER_SLOZKY, ID_STROM, TVM_GETNEXTITEM, TVGN_CHILD, koren)
        self.vybrat_polozku(verejne, 4)
        archiv = self.prvek(VYBER_SLOZKY, ID_STROM, TVM_GETNEXTITEM, TVGN_CHILD, verejne)
        kamery = self.prvek(VYBER_SLOZKY, ID_STROM, TVM_GETNEXTITEM, TVGN_NEXT, archiv)
        self.prvek(VYBER_SLOZKY, ID_STROM, TVM_SELECTITEM, TVGN_CARET, kamery)
        time.sleep(1)  # (only for the picture: let the tree paint)
        snimek_obrazovky('DlgVyberSlozkyFtp.png')
        self.assertEqual(t.pomocnik('prikaz', DIALOG, VYBER_SLOZKY, IDOK, MS)[0], 0)
        self.assertEqual(t.pomocnik('cekat-okno', DIALOG, GENERATOR, MS)[0], 0)

        # Into the chosen folder.
        self.ulozit_a_odeslat('stranka.htm')
        rc, text = t.pomocnik('text-zpravy', 'Tervik', 60000)
        self.assertEqual((rc, text), (0, 'Soubor byl úspěšně odeslán na FTP server'))
        with open(os.path.join(self.mistni, 'stranka.htm'), 'rb') as f:
            data = f.read()
        with open(os.path.join(self.domov, 'verejne', 'kamery', 'stranka.htm'), 'rb') as f:
            self.assertEqual(f.read(), data)
        strom = ET.fromstring(data)
        self.assertEqual(strom.find(XHTML + 'head/' + XHTML + 'title').text, TITULEK)
        self.assertEqual(strom.find(XHTML + 'head/' + XHTML + 'meta').get('content'), '10')
        self.assertEqual(strom.find(XHTML + 'body/' + XHTML + 'h1').text, NADPIS)
        self.assertEqual(strom.find(XHTML + 'body/' + XHTML + 'p/' + XHTML + 'img').get('src'), 'Webtervik.jpg')

        # Into a folder two levels of which are missing.
        self.assertEqual(t.pomocnik('nastavit-text', DIALOG, GENERATOR, ID_SLOZKA, 'verejne/nova/uroven', MS)[0], 0)
        self.ulozit_a_odeslat('druha.htm')
        rc, text = t.pomocnik('text-zpravy', 'Tervik', 60000)
        self.assertEqual((rc, text), (0, 'Soubor byl úspěšně odeslán na FTP server'))
        self.assertTrue(os.path.isfile(os.path.join(self.domov, 'verejne', 'nova', 'uroven', 'druha.htm')))
        snimek_obrazovky('DlgGenerHtmlStrankyKamery.png')

        # The chooser opens at the folder in the field, level by level: the root, verejne (archiv, kamery, nova),
        # nova (uroven).
        self.assertEqual(t.pomocnik('kliknout', DIALOG, GENERATOR, ID_VYBRAT_SLOZKU, MS)[0], 0)
        self.assertTrue(t.pockat_na(lambda: self.prvek(VYBER_SLOZKY, ID_STROM, TVM_GETCOUNT, 0, 0) == 6, 60))
        self.assertEqual(t.pomocnik('prikaz', DIALOG, VYBER_SLOZKY, IDCANCEL, MS)[0], 0)
        self.assertEqual(t.pomocnik('cekat-okno', DIALOG, GENERATOR, MS)[0], 0)

        # Closing during a slow upload asks; Yes cancels it, closes the generator and logs the cancel.
        Throttled.read_limit = 20  # the page's few hundred bytes take the server half a minute
        self.ulozit_a_odeslat('pomala.htm')
        cil = os.path.join(self.domov, 'verejne', 'nova', 'uroven', 'pomala.htm')
        self.assertTrue(t.pockat_na(lambda: os.path.exists(cil), 60))
        self.assertEqual(t.pomocnik('prikaz', DIALOG, GENERATOR, IDCANCEL, MS)[0], 0)
        rc, text = t.pomocnik('text-zpravy', 'Tervik', MS)
        self.assertEqual((rc, text),
                         (0, 'Probíhá odesílání souboru na FTP!\nOpravdu chcete akci zrušit a ukončit tento nástroj?'))
        self.assertTrue(t.pockat_na(lambda: t.pomocnik('viditelne', DIALOG, GENERATOR, 0)[1] == '0', 30))
        log = os.path.join(t.slozka_dat(), KAMERA + '.log')

        def zruseni_v_logu():
            if not os.path.exists(log):
                return False
            with open(log, 'rb') as f:
                return 'Odesílání HTML stránky "pomala.htm" na FTP server' in f.read().decode('utf-16-le', 'replace')
        self.assertTrue(t.pockat_na(zruseni_v_logu, 30), os.listdir(t.slozka_dat()))

        # The values the pages used are the camera's.
        r = t.wine('reg', 'query', t.KOREN + r'\Kamery\%s\Gener HTML' % KAMERA, '/v', 'soubor')
        self.assertIn('pomala.htm', r.stdout.decode('utf-8', 'replace'))


if __name__ == '__main__':
    unittest.main()
