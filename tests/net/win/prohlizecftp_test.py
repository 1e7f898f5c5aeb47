"""The FTP browser as the whole process ("-fp") in the real Tervik.exe under Wine against a real pyftpdlib server:
it connects to the last server at start, lists the login folder (a subfolder to the tree, "." names left out, the
files sorted in the list), refuses a file that is no picture in the preview, previews a picture, downloads a file
through the save dialog with identical bytes ("shellOtevrit" 2 on a type without an edit verb shows the shell's
failure and keeps the file), lists a subfolder when it is selected, disconnects, and shows a refused login."""
import os
import random
import shutil
import subprocess
import sys
import unittest

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
import ftp_server  # noqa: E402
import tervik_proces as t  # noqa: E402

OKNO = 'Tervik4ProhlizecFtp'
DIALOG = '#32770'
ULOZENI = 'Uložit soubor z FTP serveru'
SLOZKA = os.path.join(t.BUILD, 'prohlizecftp_test')
MS = 60000
ID_STROMU, ID_SEZNAMU = 101, 102
ID_JMENA_SOUBORU = (1148, 1152)  # the save dialog's name box (cmb13) or edit (edt1)
NACIST, ULOZIT, ODPOJIT, VYBRAT = 40075, 40077, 40074, 40072
VYBER = 'Vybrat FTP server'
ID_HESLO = 303
LB_SETCURSEL, TVM_GETCOUNT, TVM_GETNEXTITEM, TVM_SELECTITEM = 0x0186, 0x1105, 0x110A, 0x110B
TVGN_ROOT, TVGN_CHILD, TVGN_CARET = 0, 4, 9
IDOK = 1


class ProhlizecFtp(unittest.TestCase):
    def setUp(self):
        t.smazat_nastaveni()
        shutil.rmtree(SLOZKA, ignore_errors=True)
        domov = os.path.join(SLOZKA, 'domov')
        os.makedirs(os.path.join(domov, 'archiv'))
        os.makedirs(os.path.join(domov, '.skryta'))
        subprocess.run(['convert', '-size', '640x480', 'gradient:navy-orange', os.path.join(domov, 'obraz.png')],
                       check=True, timeout=60)
        self.data = random.Random(26).randbytes(700_000)
        with open(os.path.join(domov, 'data.xyz'), 'wb') as f:
            f.write(self.data)
        for jmeno in ('.skryty.jpg', 'vadny.jpg', os.path.join('archiv', 'stary.avi')):
            with open(os.path.join(domov, jmeno), 'wb') as f:
                f.write(b'RIFF')
        self.mistni = os.path.join(SLOZKA, 'mistni')
        os.makedirs(self.mistni)
        self.server = ftp_server.Server(domov).spustit()
        self.proces = None
        hodnoty = {('', 'pripojitPoSpusteni'): ('REG_DWORD', 1), ('', 'shellOtevrit'): ('REG_DWORD', 2),
                   ('', 'filtrSoubory'): ('REG_DWORD', 0xFFFFFFFF),
                   ('Posledni', 'server'): ('REG_SZ', '127.0.0.1:%d' % self.server.port),
                   ('Posledni', 'uzivatel'): ('REG_SZ', ftp_server.UZIVATEL),
                   ('Posledni', 'heslo'): ('REG_SZ', ftp_server.HESLO),
                   ('Posledni', 'pasivniRezim'): ('REG_DWORD', 1)}
        for (podklic, jmeno), (typ, data) in hodnoty.items():
            t.zapsat_hodnotu('Prohlizec FTP' + ('\\' + podklic if podklic else ''), jmeno, typ, data)

    def tearDown(self):
        t.ukoncit(self.proces, OKNO)
        self.server.zastavit()
        t.smazat_nastaveni()

    def prvek(self, id, zprava, wp, lp):
        rc, vystup = t.pomocnik('zprava-prvku', OKNO, '-', id, zprava, wp, lp, MS)
        self.assertEqual(rc, 0, vystup)
        return int(vystup)

    def seznam(self):
        rc, vystup = t.pomocnik('seznam', OKNO, '-', ID_SEZNAMU, MS)
        self.assertEqual(rc, 0, vystup)
        return vystup.splitlines()

    def stav(self):
        return t.pomocnik('stavovy-radek', OKNO, '-', MS)[1]

    def test_pripojeni_pri_startu_vypis_nahled_a_stazeni(self):
        self.proces = t.na_pozadi(t.TERVIK, '-fp')
        rc, titulek = t.pomocnik('cekat-okno', OKNO, '-', MS)
        self.assertEqual(rc, 0)
        self.assertTrue(t.pockat_na(lambda: 'Připojen k serveru "127.0.0.1:%d"' % self.server.port
                                    in t.pomocnik('cekat-okno', OKNO, '-', MS)[1], 60), self.stav())
        # The login folder: "archiv" in the tree below the server's item, the files sorted, "." names left out.
        self.assertTrue(t.pockat_na(lambda: self.seznam() == ['data.xyz', 'obraz.png', 'vadny.jpg'], 60), self.stav())
        self.assertTrue(t.pockat_na(lambda: self.prvek(ID_STROMU, TVM_GETCOUNT, 0, 0) == 2, 60))
        self.assertIn('Složka "/"', self.stav())

        # A file that is no picture: the refusal instead of a picture.
        self.prvek(ID_SEZNAMU, LB_SETCURSEL, 2, 0)
        self.assertEqual(t.pomocnik('prikaz', OKNO, '-', NACIST, MS)[0], 0)
        self.assertTrue(t.pockat_na(lambda: 'Soubor "vadny.jpg" není platný obrázek' in self.stav(), 60), self.stav())

        # The picture previewed in the pane, its size in the status bar.
        self.prvek(ID_SEZNAMU, LB_SETCURSEL, 1, 0)
        self.assertEqual(t.pomocnik('prikaz', OKNO, '-', NACIST, MS)[0], 0)
        self.assertTrue(t.pockat_na(lambda: 'obraz.png (640 x 480' in self.stav(), 60), self.stav())

        # Downloaded through the save dialog; the edit verb this type lacks is the shell's failure, shown.
        self.prvek(ID_SEZNAMU, LB_SETCURSEL, 0, 0)
        self.assertEqual(t.pomocnik('prikaz', OKNO, '-', ULOZIT, MS)[0], 0)
        self.assertEqual(t.pomocnik('cekat-okno', DIALOG, ULOZENI, MS)[0], 0)
        cil = os.path.join(self.mistni, 'stazeny.xyz')
        self.assertIn(0, [t.pomocnik('nastavit-text', DIALOG, ULOZENI, i, t.windows_cesta(cil), 2000)[0]
                          for i in ID_JMENA_SOUBORU])
        self.assertEqual(t.pomocnik('prikaz', DIALOG, ULOZENI, IDOK, MS)[0], 0)
        self.assertTrue(t.pockat_na(lambda: os.path.isfile(cil) and os.path.getsize(cil) == len(self.data), 60),
                        self.stav())
        rc, zprava = t.pomocnik('text-zpravy', 'Tervik', MS)
        self.assertEqual(rc, 0, self.stav())
        self.assertIn('nelze upravit', zprava)
        with open(cil, 'rb') as f:
            self.assertEqual(f.read(), self.data)
        self.assertEqual(os.listdir(self.mistni), ['stazeny.xyz'])
        self.assertIn('Staženo: 100 procent', self.stav())
        if shutil.which('import') and os.environ.get('DISPLAY'):
            subprocess.run(['import', '-window', 'root', os.path.join(t.BUILD, '..', 'prohlizec-ftp.png')],
                           capture_output=True, timeout=30)

        # A subfolder is listed when it is selected.
        koren = self.prvek(ID_STROMU, TVM_GETNEXTITEM, TVGN_ROOT, 0)
        archiv = self.prvek(ID_STROMU, TVM_GETNEXTITEM, TVGN_CHILD, koren)
        self.prvek(ID_STROMU, TVM_SELECTITEM, TVGN_CARET, archiv)
        self.assertTrue(t.pockat_na(lambda: self.seznam() == ['stary.avi'], 60), self.stav())

        # Disconnected, then a refused login: the system's message, the window answers and stays disconnected.
        self.assertEqual(t.pomocnik('prikaz', OKNO, '-', ODPOJIT, MS)[0], 0)
        self.assertTrue(t.pockat_na(lambda: t.pomocnik('cekat-okno', OKNO, '-', MS)[1].endswith(' - Odpojen'), 30))
        self.assertEqual(self.seznam(), [])
        self.assertEqual(t.pomocnik('prikaz', OKNO, '-', VYBRAT, MS)[0], 0)
        self.assertEqual(t.pomocnik('cekat-okno', DIALOG, VYBER, MS)[0], 0)
        self.assertEqual(t.pomocnik('nastavit-text', DIALOG, VYBER, ID_HESLO, 'spatne', MS)[0], 0)
        self.assertEqual(t.pomocnik('prikaz', DIALOG, VYBER, IDOK, MS)[0], 0)
        rc, zprava = t.pomocnik('text-zpravy', 'Tervik', MS)
        self.assertEqual(rc, 0, self.stav())
        self.assertIn('530', zprava)
        self.assertTrue(t.pomocnik('cekat-okno', OKNO, '-', MS)[1].endswith(' - Odpojen'))
        self.assertEqual(self.prvek(ID_STROMU, TVM_GETCOUNT, 0, 0), 0)

        self.assertEqual(t.pomocnik('zavrit-okno', OKNO, '-', MS)[0], 0)
        self.assertEqual(t.pockat(self.proces), 0, getattr(self.proces, 'chyby', b'')[-2000:])


if __name__ == '__main__':
    unittest.main()
