"""The camera's snapshot server in the real Tervik.exe under Wine with the virtual test camera at 1920 x 1080, against
real clients on loopback: curl, a raw TCP client, ffmpeg, Chromium, and hostile clients (slow heads, a client that
never reads, a flood of connections, slowloris, 200 clients that never read, heads of 100 KB); the server's load is
read by its message 0x8023."""
import os
import select
import shutil
import socket
import subprocess
import sys
import time
import unittest

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
import tervik_proces as t  # noqa: E402

OKNO = 'Tervik4Tervik'
JMENO = 'Vrata'
ZATIZENI = 0x8023
LIMIT = 60
VYSTUP = os.path.join(t.BUILD, 'serverhttp_test')
OBRAZOVKY = os.path.join(os.path.dirname(t.BUILD), 'obrazovky')


def volny_port():
    with socket.socket() as s:
        s.bind(('127.0.0.1', 0))
        return s.getsockname()[1]


def log_kamery():
    return t.log_kamery(JMENO)




def curl(port, *argumenty, cesta='/'):
    """(exit code, head, body) of one curl request."""
    soubor = os.path.join(VYSTUP, 'telo')
    r = subprocess.run(['curl', '-s', '-m', '30', '-D', '-', '-o', soubor, *argumenty,
                        'http://127.0.0.1:%d%s' % (port, cesta)], capture_output=True, timeout=LIMIT)
    telo = b''
    if os.path.exists(soubor):
        with open(soubor, 'rb') as f:
            telo = f.read()
        os.remove(soubor)
    return r.returncode, r.stdout.decode('latin-1'), telo


def surovy(port, data):
    """Everything a raw client that sent data gets until the server closes."""
    with socket.create_connection(('127.0.0.1', port), timeout=30) as s:
        s.sendall(data)
        prijato = b''
        while True:
            kus = s.recv(65536)
            if not kus:
                return prijato
            prijato += kus


def zahlavi(hlava):
    radky = hlava.replace('\r', '').strip().split('\n')
    return radky[0], {k.strip().lower(): v.strip() for k, v in (r.split(':', 1) for r in radky[1:] if ':' in r)}


@unittest.skipUnless(t.je_testovaci_kamera(), 'testovací kamera není zaregistrovaná')
class ServerHttp(unittest.TestCase):
    def setUp(self):
        t.smazat_nastaveni()
        os.makedirs(VYSTUP, exist_ok=True)
        os.makedirs(OBRAZOVKY, exist_ok=True)
        self.proces = None
        self.port = volny_port()

    def tearDown(self):
        t.ukoncit(self.proces, OKNO)
        t.smazat_nastaveni()
        shutil.rmtree(os.path.join(t.slozka_dokumentu(), 'Tervik 4.8'), ignore_errors=True)
        try:
            os.remove(os.path.join(t.slozka_dat(), JMENO + '.log'))
        except FileNotFoundError:
            pass

    def spustit(self, heslo=''):
        """The camera at 1920 x 1080 with its server started after start; returns when the server answers."""
        rc, vystup = t.pomocnik('kamera', JMENO, 3600000, 1, 1)
        self.assertEqual(rc, 0, vystup)
        for (podklic, jmeno), (typ, data) in {
                ('Po spusteni', 'snimkyDisk'): ('REG_DWORD', 0),
                ('Po spusteni', 'serverHttp'): ('REG_DWORD', 1),
                ('HTTP server', 'portServer'): ('REG_DWORD', self.port),
                ('HTTP server', 'heslo'): ('REG_SZ', heslo),
                ('Video', 'sirka'): ('REG_DWORD', 1920),
                ('Video', 'vyska'): ('REG_DWORD', 1080),
                ('Logovani', 'snimekServerHttp'): ('REG_DWORD', 1),
                ('Logovani', 'snimekServerHttpChyba'): ('REG_DWORD', 1)}.items():
            t.zapsat_hodnotu(r'Kamery\%s\%s' % (JMENO, podklic), jmeno, typ, data)
        self.proces = t.na_pozadi(t.TERVIK, '-ka', JMENO)
        self.assertEqual(t.pomocnik('cekat-okno', OKNO, JMENO + ' - Připraven', 30000)[0], 0)

        def odpovida():
            try:
                socket.create_connection(('127.0.0.1', self.port), timeout=1).close()
                return True
            except OSError:
                return False
        self.assertTrue(t.pockat_na(odpovida, LIMIT), 'server neposlouchá')

    def zatizeni(self):
        rc, vystup = t.pomocnik('poslat-zpravu', OKNO, '-', ZATIZENI, 0, 0, 10000)
        self.assertEqual(rc, 0, vystup)
        hodnota = int(vystup)
        return hodnota & 0xFFFF, hodnota >> 16

    def pockat_na_klid(self):
        self.assertTrue(t.pockat_na(lambda: self.zatizeni() == (0, 0), LIMIT), self.zatizeni())

    def snimek_curl(self):
        rc, hlava, telo = curl(self.port)
        self.assertEqual(rc, 0, hlava)
        radek, pole = zahlavi(hlava)
        self.assertEqual(radek, 'HTTP/1.0 200 OK')
        self.assertEqual(pole['content-type'], 'image/jpeg')
        self.assertEqual(int(pole['content-length']), len(telo))
        self.assertEqual(t.rozmer_jpeg(telo), (1920, 1080))
        return hlava

    def zavrit(self):
        self.assertEqual(t.pomocnik('zavrit-okno', OKNO, '-', 10000)[0], 0)
        self.assertEqual(t.pockat(self.proces), 0, getattr(self.proces, 'chyby', b'')[-2000:])

    def po_utoku(self, pripad, zacatek):
        """After a hostile case: no request thread and no open connection are left, and the server answers."""
        self.pockat_na_klid()
        klid = time.monotonic() - zacatek
        self.snimek_curl()
        print('%s: zatížení (0, 0) po %.1f s' % (pripad, klid), flush=True)
        # The answer's thread waits up to 2 s for curl's close: the next case starts with the slot free.
        self.pockat_na_klid()

    def nepratelsti_klienti(self):
        # Slowloris: 10 clients send the request line and then a header one byte a second, never ending the head
        # (a loop bounded in rounds): the server closes each when its time for the head is up.
        zacatek = time.monotonic()
        pomali = {}
        for n in range(10):
            s = socket.create_connection(('127.0.0.1', self.port), timeout=30)
            s.sendall(b'GET / HTTP/1.1\r\nX-Pomaly: ')
            pomali[n] = s
        zavreni = {}
        for _ in range(40):
            for n, s in list(pomali.items()):
                citelne, _, _ = select.select([s], [], [], 0)
                try:
                    if citelne and s.recv(100) == b'':
                        raise ConnectionResetError
                    s.send(b'a')
                except OSError:
                    zavreni[n] = time.monotonic() - zacatek
                    s.close()
                    del pomali[n]
            if not pomali:
                break
            time.sleep(1)
        for s in pomali.values():
            s.close()
        print('slowloris: zavřeno %d z 10, nejpozději po %.1f s' % (len(zavreni), max(zavreni.values(), default=0)),
              flush=True)
        self.assertEqual(len(zavreni), 10)
        self.po_utoku('slowloris', zacatek)

        # 200 clients ask and never read (small receive buffers): one request at a time is served, the rest are
        # refused; the served one is given up after 10 s without progress.
        zacatek = time.monotonic()
        necteni = []
        for _ in range(200):
            try:
                s = socket.socket()
                s.setsockopt(socket.SOL_SOCKET, socket.SO_RCVBUF, 4096)
                s.settimeout(5)
                s.connect(('127.0.0.1', self.port))
                s.sendall(b'GET / HTTP/1.0\r\n\r\n')
                necteni.append(s)
            except OSError:
                s.close()
        print('200 nečtoucích klientů: %d spojeno za %.1f s' % (len(necteni), time.monotonic() - zacatek), flush=True)
        try:
            self.po_utoku('200 nečtoucích klientů', zacatek)
        finally:
            for s in necteni:
                s.close()

        # Heads of 100 KB, as one header and as many: closed after the head's limit of bytes.
        zacatek = time.monotonic()
        for hlava in (b'GET / HTTP/1.0\r\nX-Velka: ' + b'a' * 100000 + b'\r\n\r\n',
                      b'GET / HTTP/1.0\r\n' + b'X-Mnoho: 0123456789\r\n' * 4500 + b'\r\n'):
            with socket.create_connection(('127.0.0.1', self.port), timeout=30) as s:
                try:
                    s.sendall(hlava)
                    prijato = s.recv(100)
                except OSError:
                    prijato = b''
                self.assertEqual(prijato, b'')
        print('hlavy 100 KB: zavřeny za %.1f s' % (time.monotonic() - zacatek), flush=True)
        self.po_utoku('hlavy 100 KB', zacatek)

    def test_heslo_a_vypnute_video(self):
        self.spustit(heslo='Žluťoučký kůň')
        for argumenty in ((), ('-u', 'kdokoli:spatne')):
            rc, hlava, telo = curl(self.port, *argumenty)
            radek, pole = zahlavi(hlava)
            self.assertEqual(radek, 'HTTP/1.0 401 Unauthorized', hlava)
            self.assertEqual(pole['www-authenticate'], 'Basic realm="Tervik", charset="UTF-8"')
            self.assertFalse(telo.startswith(b'\xff\xd8'))
            with open(os.path.join(VYSTUP, 'hlava_401.txt'), 'w') as f:
                f.write(hlava)
        self.snimek_curl_s_heslem = curl(self.port, '-u', 'kdokoli:Žluťoučký kůň')
        rc, hlava, telo = self.snimek_curl_s_heslem
        self.assertEqual(zahlavi(hlava)[0], 'HTTP/1.0 200 OK', hlava)
        self.assertEqual(t.rozmer_jpeg(telo), (1920, 1080))
        # A raw client cannot give a password: closed without data.
        self.assertEqual(surovy(self.port, b'\x16\x03\x01 hello'), b'')

        # The video off: the request is closed without data and the failure logged.
        self.assertEqual(t.pomocnik('prikaz', OKNO, '-', 40022, 10000)[0], 0)
        self.assertTrue(t.pockat_na(lambda: curl(self.port, '-u', 'x:Žluťoučký kůň')[1] == '', LIMIT))
        self.assertTrue(t.pockat_na(lambda: 'Došlo k chybě při odeslání snímku z HTTP serveru. Chyba:' in log_kamery(),
                                    LIMIT), log_kamery())
        self.zavrit()

    def test_klienti_proud_a_utoky(self):
        self.spustit()
        hlava = self.snimek_curl()
        with open(os.path.join(VYSTUP, 'hlava_200.txt'), 'w') as f:
            f.write(hlava)
        # A raw client: the bare JPEG bytes, nothing before them.
        self.assertEqual(t.rozmer_jpeg(surovy(self.port, b'\x00ahoj')), (1920, 1080))

        # ffmpeg reads three frames of the stream.
        r = subprocess.run(['ffmpeg', '-v', 'error', '-y', '-f', 'mpjpeg', '-i',
                            'http://127.0.0.1:%d/mjpeg' % self.port, '-frames:v', '3', '-c', 'copy',
                            os.path.join(VYSTUP, 'proud%d.jpg')], capture_output=True, timeout=LIMIT)
        self.assertEqual(r.returncode, 0, r.stderr[-2000:])
        for n in (1, 2, 3):
            with open(os.path.join(VYSTUP, 'proud%d.jpg' % n), 'rb') as f:
                self.assertEqual(t.rozmer_jpeg(f.read()), (1920, 1080))
        self.pockat_na_klid()

        # A browser shows the picture.
        obrazek = os.path.join(OBRAZOVKY, 'server_chromium.png')
        r = subprocess.run(['chromium', '--headless', '--no-sandbox', '--disable-gpu', '--window-size=1280,800',
                            '--screenshot=' + obrazek, 'http://127.0.0.1:%d/' % self.port],
                           capture_output=True, timeout=120)
        self.assertTrue(os.path.getsize(obrazek) > 10000, r.stderr[-2000:])
        self.pockat_na_klid()

        # 50 slow heads wait without a slot: a request goes through beside them; the server closes them after 10 s.
        pomale = []
        for _ in range(50):
            s = socket.create_connection(('127.0.0.1', self.port), timeout=30)
            s.sendall(b'GET / HTTP/1.1\r\nHost: x\r\n')
            pomale.append(s)
        self.snimek_curl()
        for s in pomale:
            self.assertEqual(s.recv(100), b'')
            s.close()
        # The answer's thread still waits up to 2 s for curl's close: the stream below needs the only slot free.
        self.pockat_na_klid()

        # A stream client that never reads holds the only slot: another request is refused, until the server
        # gives up on the stream.
        necte = socket.socket()
        necte.setsockopt(socket.SOL_SOCKET, socket.SO_RCVBUF, 4096)
        necte.connect(('127.0.0.1', self.port))
        necte.sendall(b'GET /mjpeg HTTP/1.0\r\n\r\n')
        self.assertTrue(t.pockat_na(lambda: self.zatizeni()[0] == 1, LIMIT))
        rc, hlava, telo = curl(self.port)
        self.assertEqual((hlava, telo), ('', b''))
        self.pockat_na_klid()
        self.assertIn('Klient 10 s nepřijímal data.', log_kamery())
        necte.close()

        # A flood of connections (a bounded loop): half of them ask and leave at once.
        for n in range(1000):
            try:
                with socket.create_connection(('127.0.0.1', self.port), timeout=5) as s:
                    if n % 2:
                        s.sendall(b'GET / HTTP/1.0\r\n\r\n')
            except OSError:
                pass
        self.pockat_na_klid()
        self.snimek_curl()
        self.assertIn('Byl odeslán snímek z HTTP serveru', log_kamery())
        self.assertFalse(os.path.exists(os.path.join(t.BUILD, JMENO + '.jpg')))
        self.nepratelsti_klienti()

        # The window with the server's part in the status bar.
        if shutil.which('import') and os.environ.get('DISPLAY'):
            subprocess.run(['import', '-window', 'root', os.path.join(OBRAZOVKY, 'okno_kamery_server.png')],
                           capture_output=True, timeout=30)

        # The camera closes under a running stream: the program ends cleanly.
        proud = socket.create_connection(('127.0.0.1', self.port), timeout=30)
        proud.sendall(b'GET /mjpeg HTTP/1.0\r\n\r\n')
        self.assertTrue(proud.recv(100).startswith(b'HTTP/1.0 200 OK'))
        self.zavrit()
        proud.close()


if __name__ == '__main__':
    unittest.main()
