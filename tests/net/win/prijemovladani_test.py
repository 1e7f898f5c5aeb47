"""The remote-control receiver of the real Tervik.exe under Wine, with the test camera as the default camera,
against a Python client byte for byte: the checks of the default camera in order, the commands that go ahead,
malformed and unknown requests, a request split by TCP, an idle client that must not hold the receiver, a peer
outside "povoleneAdresy", the reply switched off, the menu command, a port taken by another program and the end of
the application; hostile clients (a burst of 1,000 connections, a client that never sends, a request of 5,000 bytes,
bytes that are not text) while the main window keeps answering a message round trip within 1 s."""
import os
import random
import socket
import subprocess
import threading
import time
import unittest

import tervik_proces as t

HLAVNI = 'RTervik4'
OKNO_KAMERY = 'Tervik4Tervik'
KAMERA = 'Dvůr'
POVOLENA = '127.0.0.2'   # the allowed peer; 127.0.0.1 is refused
PRIJEM, NASTAVIT_VYCHOZI = 40064, 40015

NEZNAMY = 'Neznámý příkaz síťového ovládání.'
C1 = 'Není nastavena výchozí tervik !'
C2 = 'Tervik nastavená jako výchozí není nyní zapnuta!'
C3 = 'Není zapnuto nastavené videozařízení !'
PREPNUTI = 'Výchozí tervik bude zapnuta/vypnuta'


def volny_port():
    for _ in range(50):
        port = random.randint(20000, 39999)
        with socket.socket() as s:
            try:
                s.bind(('0.0.0.0', port))
                return port
            except OSError:
                pass
    raise AssertionError('žádný volný port')


def bajty(text):
    return text.encode('cp1250') + b'\0'


class Klient:
    """One connection to the receiver from the given loopback address."""

    def __init__(self, port, zdroj=POVOLENA):
        self.s = socket.create_connection(('127.0.0.1', port), timeout=30, source_address=(zdroj, 0))

    def prijmout(self):
        """Everything until the receiver closes (a reset counts as a close)."""
        data = b''
        try:
            while len(data) < 65536:
                kus = self.s.recv(4096)
                if not kus:
                    break
                data += kus
        except ConnectionResetError:
            pass
        self.s.close()
        return data


def pozadavek(port, *kusy, zdroj=POVOLENA):
    k = Klient(port, zdroj)
    for i, kus in enumerate(kusy):
        if i:
            time.sleep(0.3)  # a pause makes TCP deliver the pieces apart
        k.s.sendall(kus)
    return k.prijmout()


def prikaz(port, cislo):
    return pozadavek(port, b'GET /%d\0' % cislo)


def odpoved_do(port, cislo, ocekavana, sekundy=60):
    """Asks again until the reply is the expected one (a posted command or the start takes a moment)."""
    def zkusit():
        try:
            return prikaz(port, cislo) == bajty(ocekavana)
        except OSError:
            return False
    return t.pockat_na(zkusit, sekundy)


def obeh_zpravy():
    """One message round trip to the main window, bounded by 1 s (SendMessageTimeout in the helper)."""
    return t.pomocnik('poslat-zpravu', HLAVNI, '-', 0, 0, 0, 1000)[0] == 0


class HlidaniOdezvy(threading.Thread):
    """Asks the main window for round trips one after another until stopped (bounded in count and time)."""

    def __init__(self):
        super().__init__(daemon=True)
        self.stop = threading.Event()
        self.kol = 0
        self.selhani = 0

    def run(self):
        konec = time.monotonic() + 600
        while not self.stop.is_set() and self.kol < 1000 and time.monotonic() < konec:
            if not obeh_zpravy():
                self.selhani += 1
            self.kol += 1

    def zastavit(self):
        self.stop.set()
        self.join(120)


def vlakna_terviku():
    """Threads of this tree's running Tervik.exe (Wine's threads are its Linux tasks); None when it is not found."""
    znacka = os.path.basename(t.ZDROJ).encode()
    for pid in filter(str.isdigit, os.listdir('/proc')):
        try:
            with open('/proc/%s/cmdline' % pid, 'rb') as f:
                radek = f.read()
            program = radek.split(b'\0')[0]
            if program.endswith(b'Tervik.exe') and znacka in program:
                return len(os.listdir('/proc/%s/task' % pid))
        except OSError:
            pass
    return None


def radky_logu():
    cesta = os.path.join(t.slozka_dat(), 'Tervik.log')
    if not os.path.exists(cesta):
        return []
    with open(cesta, 'rb') as f:
        return f.read().decode('utf-16-le', 'replace').split('\r\n')


@unittest.skipUnless(t.je_testovaci_kamera(), 'testovací kamera není zaregistrovaná')
class PrijemOvladani(unittest.TestCase):
    def setUp(self):
        t.smazat_nastaveni()
        self.proces = None
        self.port = volny_port()
        # The test camera with its video off after start, not starting with the application.
        rc, vystup = t.pomocnik('kamera', KAMERA, 3600000, 1, 0)
        self.assertEqual(rc, 0, vystup)
        t.zapsat_hodnotu('Kamery\\' + KAMERA, 'poSpusteni', 'REG_DWORD', 0)
        t.zapsat_hodnotu('Kamery\\' + KAMERA + '\\Po spusteni', 'snimkyDisk', 'REG_DWORD', 0)
        t.zapsat_hodnotu('Dalkove ovladani', 'portPrijem', 'REG_DWORD', self.port)
        self.port_serveru = volny_port()
        t.zapsat_hodnotu('Kamery\\' + KAMERA + '\\HTTP server', 'portServer', 'REG_DWORD', self.port_serveru)
        t.zapsat_hodnotu('Dalkove ovladani', 'povoleneAdresy', 'REG_SZ', POVOLENA)
        t.zapsat_hodnotu('Po spusteni', 'prijemDalkovehoOvladani', 'REG_DWORD', 1)
        for kdy in ('spusteniPrijemSitOvl', 'ukonceniPrijemSitOvl'):
            t.zapsat_hodnotu('Logovani', kdy, 'REG_DWORD', 1)
        cesta = os.path.join(t.slozka_dat(), 'Tervik.log')
        if os.path.exists(cesta):
            os.remove(cesta)

    def tearDown(self):
        t.ukoncit(self.proces, OKNO_KAMERY)
        t.smazat_nastaveni()

    def spustit(self):
        self.proces = t.na_pozadi(t.TERVIK)
        self.assertEqual(t.pomocnik('cekat-okno', HLAVNI, '-', 30000)[0], 0)
        # Listening from the after-start steps.
        self.assertTrue(odpoved_do(self.port, 12, NEZNAMY), 'přijímač neodpovídá')

    def ukoncit_prikazem(self, odpoved):
        self.assertEqual(prikaz(self.port, 40001), odpoved)
        self.assertEqual(t.pockat(self.proces), 0, getattr(self.proces, 'chyby', b'')[-2000:])
        self.proces = None

    def test_prikazy_vychozi_kamery_a_odolnost_prijimace(self):
        # No default camera yet: C1, also for switching it on (it used to claim it would).
        t.reg('delete', t.KOREN, '/v', 'vychoziTervik', '/f')
        self.spustit()
        self.assertIn('Byl spuštěn příjem síťového ovládání vzdálené aplikace', '\n'.join(radky_logu()))
        self.assertEqual(prikaz(self.port, 40053), bajty(C1))
        self.assertEqual(prikaz(self.port, 40066), bajty(C1))
        # Malformed: closed without a word; more than five digits: unknown.
        self.assertEqual(pozadavek(self.port, b'GET /\0'), b'')
        self.assertEqual(pozadavek(self.port, b'GET /40053400534\0'), bajty(NEZNAMY))

        # A peer outside the allowed ones is closed at once, and logged once.
        for _ in range(2):
            self.assertEqual(pozadavek(self.port, b'GET /40001\0', zdroj='127.0.0.1'), b'')
        odmitnuti = lambda: [r for r in radky_logu() if 'z adresy 127.0.0.1 bylo odmítnuto' in r]
        self.assertTrue(t.pockat_na(lambda: len(odmitnuti()) == 1, 10), radky_logu())

        # The only camera becomes the default one: C2 while it is off.
        self.assertEqual(t.pomocnik('prikaz', HLAVNI, '-', NASTAVIT_VYCHOZI, 10000)[0], 0)
        self.assertTrue(odpoved_do(self.port, 40053, C2))
        # 40066 switches it on; its video is off: C3, nothing is sent.
        self.assertEqual(prikaz(self.port, 40066), bajty(PREPNUTI))
        self.assertEqual(t.pomocnik('cekat-okno', OKNO_KAMERY, '-', 30000)[0], 0)
        self.assertEqual(prikaz(self.port, 40053), bajty(C3))
        self.assertEqual(prikaz(self.port, 40068), bajty('Zařízení je nyní vypnuto.'))

        # 40067 switches the device on; once it runs, the HTTP server commands pass C3 and start the
        # camera's server, which then answers on its port.
        self.assertEqual(prikaz(self.port, 40067), bajty('Zařízení výchozí kamery bude zapnuto'))
        self.assertTrue(t.pockat_na(lambda: prikaz(self.port, 40070) != bajty(C3), 60))
        self.assertEqual(prikaz(self.port, 40070), bajty('HTTP server není spuštěn'))
        self.assertEqual(prikaz(self.port, 40069), bajty('Bude spuštěn HTTP server'))
        self.assertTrue(t.pockat_na(lambda: prikaz(self.port, 40069) == bajty('HTTP server je již spuštěn'), 30))
        with socket.create_connection(('127.0.0.1', self.port_serveru), timeout=30) as s:
            s.sendall(b'GET / HTTP/1.0\r\n\r\n')
            hlava = b''
            while len(hlava) < 15 and (kus := s.recv(64)):
                hlava += kus
            self.assertTrue(hlava.startswith(b'HTTP/1.0 200 OK'), hlava)
        self.assertEqual(prikaz(self.port, 40070), bajty('Bude zastaven HTTP server'))
        self.assertEqual(prikaz(self.port, 40067), bajty('Zařízení je již zapnuto'))
        if os.environ.get('DISPLAY') and subprocess.run(['which', 'import'], capture_output=True).returncode == 0:
            subprocess.run(['import', '-window', 'root', os.path.join(t.BUILD, 'prijem-ovladani.png')],
                           capture_output=True, timeout=30)

        # A request split by TCP is collected whole: the device goes off.
        self.assertEqual(pozadavek(self.port, b'GET /40', b'068\0'), bajty('Zařízení výchozí kamery bude vypnuto'))
        self.assertTrue(odpoved_do(self.port, 40053, C3))

        # An idle client is closed when its time is up, and the one waiting behind it is served.
        necinny = Klient(self.port)
        dalsi = Klient(self.port)
        dalsi.s.sendall(b'GET /12\0')
        self.assertEqual(necinny.prijmout(), b'')
        self.assertEqual(dalsi.prijmout(), bajty(NEZNAMY))

        self.nepratelsti_klienti()
        self.ukoncit_prikazem(bajty('Aplikace bude ukončena'))
        self.assertIn('Byl ukončen příjem síťového ovládání vzdálenou aplikací', '\n'.join(radky_logu()))

    def nepratelsti_klienti(self):
        """Each hostile case in turn, the main window asked for round trips all the while; after each the receiver
        answers a normal request. The times are printed, not asserted."""
        vlakna_pred = vlakna_terviku()
        hlidani = HlidaniOdezvy()
        hlidani.start()

        def normalni_odpoved(pripad, zacatek):
            self.assertTrue(odpoved_do(self.port, 12, NEZNAMY, 120), pripad)
            print('%s: %.1f s do odpovědi na běžný požadavek' % (pripad, time.monotonic() - zacatek), flush=True)

        # A burst of 1,000 connections (a bounded loop): a third from a refused peer, the rest allowed; half of
        # those ask and leave at once, the others leave without a word.
        zacatek = time.monotonic()
        spojeni = odmitnuto = 0
        for n in range(1000):
            try:
                with socket.create_connection(('127.0.0.1', self.port), timeout=5,
                                              source_address=('127.0.0.1' if n % 3 == 0 else POVOLENA, 0)) as s:
                    if n % 2:
                        s.sendall(b'GET /12\0')
                    spojeni += 1
            except OSError:
                odmitnuto += 1
        print('1000 spojení: %d navázáno, %d odmítnuto, %.1f s' % (spojeni, odmitnuto, time.monotonic() - zacatek),
              flush=True)
        normalni_odpoved('nával 1000 spojení', zacatek)

        # A client that connects and never sends holds the slot until its time is up, not longer.
        zacatek = time.monotonic()
        mlci = Klient(self.port)
        self.assertTrue(obeh_zpravy())
        self.assertEqual(mlci.prijmout(), b'')
        print('mlčící klient zavřen po %.1f s' % (time.monotonic() - zacatek), flush=True)
        normalni_odpoved('mlčící klient', zacatek)

        # A request of 5,000 bytes: its first 1,023 are the request, a number of many digits is unknown; without a
        # zero byte or a second token it is closed without a reply.
        zacatek = time.monotonic()
        self.assertEqual(pozadavek(self.port, b'GET /40053' + b'9' * 4989 + b'\0'), bajty(NEZNAMY))
        self.assertEqual(pozadavek(self.port, b'A' * 5000), b'')
        normalni_odpoved('požadavek 5000 bajtů', zacatek)

        # Bytes that are not text.
        zacatek = time.monotonic()
        self.assertEqual(pozadavek(self.port, b'GET /\xff\xfe\x80\0'), bajty(NEZNAMY))
        self.assertEqual(pozadavek(self.port, bytes(range(1, 256)) * 4 + b'\0'), bajty(NEZNAMY))
        self.assertEqual(pozadavek(self.port, b'\xc3\xa9\x01 /\x00\x00\x00' + bytes([0x90]) * 100), b'')
        normalni_odpoved('bajty, které nejsou text', zacatek)

        hlidani.zastavit()
        print('obrátky zprávy hlavního okna: %d, selhání %d; vláken procesu před %s, po %s'
              % (hlidani.kol, hlidani.selhani, vlakna_pred, vlakna_terviku()), flush=True)
        self.assertGreater(hlidani.kol, 0)
        self.assertEqual(hlidani.selhani, 0)

    def test_bez_odpovedi_prikaz_probehne_a_menu_prijem_vypne(self):
        t.zapsat_hodnotu('Dalkove ovladani', 'odesilatZpravuOvladaci', 'REG_DWORD', 0)
        self.proces = t.na_pozadi(t.TERVIK)
        self.assertEqual(t.pomocnik('cekat-okno', HLAVNI, '-', 30000)[0], 0)
        # No reply ever: the connection is closed with no data, and the command still runs.
        def zapnuto():
            try:
                return prikaz(self.port, 40066) == b''
            except OSError:
                return False
        self.assertTrue(t.pockat_na(zapnuto, 60))
        self.assertEqual(t.pomocnik('cekat-okno', OKNO_KAMERY, '-', 30000)[0], 0)
        # The menu command stops the receiver and starts it again.
        self.assertEqual(t.pomocnik('prikaz', HLAVNI, '-', PRIJEM, 10000)[0], 0)

        def odmita():
            try:
                prikaz(self.port, 12)
                return False
            except ConnectionRefusedError:
                return True
        self.assertTrue(t.pockat_na(odmita, 30))
        # Its port taken by another program: the failed start is shown with the port.
        blokator = socket.socket()
        try:
            blokator.setsockopt(socket.SOL_SOCKET, socket.SO_REUSEADDR, 1)
            blokator.bind(('0.0.0.0', self.port))
            blokator.listen(1)
            self.assertEqual(t.pomocnik('prikaz', HLAVNI, '-', PRIJEM, 10000)[0], 0)
            rc, text = t.pomocnik('text-zpravy', 'Tervik', 30000)
            self.assertEqual(rc, 0, 'žádná zpráva')
            self.assertEqual(text, 'Příjem síťového ovládání se nepodařilo spustit na portu %d.\n\n'
                                   'Chyba: Port %d již používá jiný program.' % (self.port, self.port))
        finally:
            blokator.close()
        self.assertEqual(t.pomocnik('prikaz', HLAVNI, '-', PRIJEM, 10000)[0], 0)
        self.assertTrue(t.pockat_na(lambda: not odmita(), 30))
        self.ukoncit_prikazem(b'')


if __name__ == '__main__':
    unittest.main()
