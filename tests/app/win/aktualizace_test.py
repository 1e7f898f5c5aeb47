"""The update check of the real Tervik.exe under Wine against the maker's web server played by server_verze.py on a
loopback port: the user's checks with the answers switched between them, failures and their message, the silent
check after start-up, and closing during a check.

The silent check starts 30 s after start-up and nothing shortens that for tests: the run with it off does all the
user's checks within those 30 s and then sees that no other request came; the run with it on waits for its request.
"""
import os
import shutil
import subprocess
import sys
import time
import unittest

import tervik_proces as t

HLAVNI = 'RTervik4'
PRODUKT = 'Tervik'
DIALOG = 'Aktualizace aplikace - Tervik'
AKTUALIZACE = 40005
CASOVY_LIMIT = 10  # s, the check's budget in these runs: room for the test to act during a hang
TEXT_CHYBY = 'Při vyhledávání aktualizací na webu došlo k chybě.'
TEXT_OTAZKY = 'Probíhá vyhledávání aktualizací. Je doporučeno počkat na jeho dokončení!\nChcete přesto aplikaci ukončit ihned?'
IDYES = 6
SLOZKA = os.path.join(t.BUILD, 'aktualizace-server')


class Server:
    """server_verze.py in its own folder: the answer of /soubor is switched through files."""

    def __init__(self):
        shutil.rmtree(SLOZKA, ignore_errors=True)
        os.makedirs(SLOZKA)
        self.proces = subprocess.Popen([sys.executable, os.path.join(os.path.dirname(__file__), 'server_verze.py'),
                                        SLOZKA], stdin=subprocess.DEVNULL)
        assert t.pockat_na(lambda: os.path.exists(os.path.join(SLOZKA, 'port')), 30), 'server nenastartoval'
        with open(os.path.join(SLOZKA, 'port')) as f:
            self.port = int(f.read())

    def odpovidat(self, text=None, rezim=''):
        if text is not None:
            with open(os.path.join(SLOZKA, 'odpoved'), 'wb') as f:
                f.write(text.encode('cp1250'))
        with open(os.path.join(SLOZKA, 'rezim'), 'w') as f:
            f.write(rezim)

    def pozadavky(self):
        try:
            with open(os.path.join(SLOZKA, 'pozadavky')) as f:
                return len(f.read().split())
        except FileNotFoundError:
            return 0

    def zastavit(self):
        open(os.path.join(SLOZKA, 'port.konec'), 'w').close()
        try:
            self.proces.wait(15)
        except subprocess.TimeoutExpired:
            self.proces.kill()
            self.proces.wait()


def spustit(test, server, po_spusteni):
    t.smazat_nastaveni()
    # One stored camera that does not start: without any, the start asks whether to make a default list.
    if t.pomocnik('kamera', 'Dvůr', 3600000, 1, 0)[0] == 0:
        t.zapsat_hodnotu('Kamery\\Dvůr', 'poSpusteni', 'REG_DWORD', 0)
    t.zapsat_hodnotu('Aktualizace', 'adresa', 'REG_SZ', 'http://127.0.0.1:%d/soubor' % server.port)
    t.zapsat_hodnotu('Aktualizace', 'casovyLimit', 'REG_DWORD', CASOVY_LIMIT)
    t.zapsat_hodnotu('Aktualizace', 'hledatPoSpusteni', 'REG_DWORD', 1 if po_spusteni else 0)
    proces = t.na_pozadi(t.TERVIK, aktualizace=True)
    test.addCleanup(t.ukoncit, proces)
    test.assertEqual(t.pomocnik('cekat-okno', HLAVNI, '-', 30000)[0], 0)
    return proces, time.monotonic()


def vyhledat():
    assert t.pomocnik('prikaz', HLAVNI, '-', AKTUALIZACE, 10000)[0] == 0


def text_chyby(test):
    """The failure message: its text, confirmed."""
    rc, text = t.pomocnik('text-zpravy', PRODUKT, 60000)
    test.assertEqual(rc, 0, 'žádná zpráva o chybě')
    test.assertTrue(t.pockat_na(lambda: t.pomocnik('viditelne', '#32770', PRODUKT, 0)[1] == '0', 30), text)
    test.assertTrue(text.startswith(TEXT_CHYBY + '\n\nChyba: '), text)
    return text


def log_aplikace():
    try:
        with open(os.path.join(t.slozka_dat(), 'Tervik.log'), 'rb') as f:
            return f.read().decode('utf-16-le', 'replace')
    except FileNotFoundError:
        return ''


@unittest.skipUnless(os.environ.get('DISPLAY'), 'needs a display (Xvfb)')
class Aktualizace(unittest.TestCase):
    def setUp(self):
        self.server = Server()
        self.addCleanup(self.server.zastavit)
        self.addCleanup(t.smazat_nastaveni)

    def dialog(self, odpoved, ocekavana_verze, snimek=False):
        """A user's check against the answer: the dialog's version texts, then the dialog closed."""
        self.server.odpovidat(odpoved)
        pred = self.server.pozadavky()
        vyhledat()
        self.assertEqual(t.pomocnik('cekat-okno', '#32770', DIALOG, 30000)[0], 0, odpoved)
        self.assertEqual(self.server.pozadavky(), pred + 1)
        texty = [t.pomocnik('text-prvku', '#32770', DIALOG, i, 5000)[1] for i in (1013, 1014)]
        self.assertEqual(texty, ['Vaše verze: 4.8.5.2', 'Aktuální verze na webu: ' + ocekavana_verze])
        if snimek:
            subprocess.run(['import', '-window', 'root', os.path.join(os.path.dirname(t.BUILD), 'aktualizace-dialog.png')],
                           capture_output=True, timeout=30)
            # While the dialog is open the command only beeps and the main window refuses to close (both posted
            # before the dialog's button, so handled before the dialog goes).
            vyhledat()
            self.assertEqual(t.pomocnik('zavrit-okno', HLAVNI, '-', 5000)[0], 0)
        self.assertEqual(t.pomocnik('kliknout', '#32770', DIALOG, 2, 5000)[0], 0)  # "Zavřít" (IDCANCEL)
        self.assertTrue(t.pockat_na(lambda: t.pomocnik('viditelne', '#32770', DIALOG, 0)[1] == '0', 30))
        self.assertEqual(t.pomocnik('cekat-okno', HLAVNI, '-', 0)[0], 0)
        self.assertEqual(self.server.pozadavky(), pred + 1)

    def chyba(self, odpoved=None, rezim=''):
        """A user's check that fails: the message comes, and the server was asked once more."""
        self.server.odpovidat(odpoved, rezim)
        pred = self.server.pozadavky()
        vyhledat()
        text = text_chyby(self)
        self.assertEqual(self.server.pozadavky(), pred + 1)
        return text

    def test_uzivatelske_vyhledani_bez_vyhledani_po_spusteni(self):
        proces, start = spustit(self, self.server, po_spusteni=False)
        self.dialog('posledniVerze 4.9.0.0', ' 4.9.0.0', snimek=True)
        self.dialog('POSLEDNIVERZE 4.8.5.2', ' 4.8.5.2')
        self.dialog('posledniVerze 4.7.10.0', ' 4.7.10.0')
        self.assertIn('HTTP 404', self.chyba(rezim='404'))
        self.chyba('posledniVerze 4.9')  # 17 characters
        self.chyba('<html>posledniVerze 4.9.0.0</html>')
        # A server that never answers: the progress icon shows while the check runs, the message after the budget.
        self.server.odpovidat(rezim='visi')
        pred = self.server.pozadavky()
        vyhledat()
        self.assertTrue(t.pockat_na(lambda: self.server.pozadavky() == pred + 1, 30))
        self.assertEqual(t.pomocnik('ikona-oblasti', HLAVNI, '-', 99, 5000)[1], '1')
        vyhledat()  # a second request while it runs only beeps
        self.assertIn('časový limit', text_chyby(self).lower())
        self.assertEqual(t.pomocnik('ikona-oblasti', HLAVNI, '-', 99, 5000)[1], '0')
        self.assertEqual(self.server.pozadavky(), pred + 1)

        # With "hledatPoSpusteni" off nothing else asked the server, also after the silent check's time.
        pocet = self.server.pozadavky()
        time.sleep(max(0.0, start + 35 - time.monotonic()))
        self.assertEqual(self.server.pozadavky(), pocet)

        # Closing during a check asks; Yes abandons the check and the application ends at once.
        vyhledat()
        self.assertTrue(t.pockat_na(lambda: self.server.pozadavky() == pocet + 1, 30))
        self.assertEqual(t.pomocnik('zavrit-okno', HLAVNI, '-', 5000)[0], 0)
        rc, text = t.pomocnik('text-zpravy', PRODUKT, 30000, IDYES)
        self.assertEqual((rc, text), (0, TEXT_OTAZKY))
        odpoved = time.monotonic()
        self.assertEqual(t.pockat(proces, 30), 0)
        print('konec %.1f s po odpovědi Ano' % (time.monotonic() - odpoved), file=sys.stderr)

    def test_tiche_vyhledani_po_spusteni(self):
        self.server.odpovidat(rezim='visi')
        proces, _ = spustit(self, self.server, po_spusteni=True)
        # The silent check asks a server that never answers; the main window keeps answering meanwhile.
        self.assertTrue(t.pockat_na(lambda: self.server.pozadavky() == 1, 90), 'tiché vyhledání se nespustilo')
        self.assertEqual(t.pomocnik('poslat-zpravu', HLAVNI, '-', 0, 0, 0, 5000)[0], 0)
        # The command meanwhile makes it the user's check: no second request, its failure is shown.
        vyhledat()
        self.assertIn('časový limit', text_chyby(self).lower())
        self.assertEqual(self.server.pozadavky(), 1)
        self.assertEqual(t.pomocnik('zavrit-okno', HLAVNI, '-', 5000)[0], 0)
        self.assertEqual(t.pockat(proces, 30), 0)


if __name__ == '__main__':
    unittest.main()
