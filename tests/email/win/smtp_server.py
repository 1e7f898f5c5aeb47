"""A small SMTP server for the tests: EHLO/HELO, AUTH LOGIN, MAIL/RCPT/DATA, QUIT.

Standard library only. It can answer with an error code at a chosen step or with one reply to everything, refuses chosen
recipients, keeps every accepted message as received (dot-unstuffed) and stops by itself.
"""
import base64
import socket
import socketserver
import threading
import time

LIMIT_SPOJENI = 60


class Nastaveni:
    def __init__(self, uzivatel=None, heslo=None, chyby=None, odmitnuti=(), rozdelit_ehlo=True, vsem=None, nemy=False):
        self.uzivatel = uzivatel          # AUTH LOGIN required when set
        self.heslo = heslo
        self.chyby = dict(chyby or {})    # step ('EHLO', 'MAIL', 'RCPT', 'DATA', 'KONEC') -> code
        self.odmitnuti = set(odmitnuti)   # recipients answered with 550
        self.rozdelit_ehlo = rozdelit_ehlo
        # When set (while the server runs too), the reply to every command after the greeting: a server in trouble.
        self.vsem = vsem
        # When set, new connections get no greeting at all: a server that hangs.
        self.nemy = nemy


class Zprava:
    def __init__(self):
        self.odesilatel = None
        self.prijemci = []
        self.data = b''


class _Obsluha(socketserver.StreamRequestHandler):
    timeout = 30

    def odpovedet(self, text):
        self.server.prepis.append('S: ' + text)
        self.wfile.write(text.encode('ascii') + b'\r\n')
        self.wfile.flush()

    def radek(self):
        if time.monotonic() > self.konec:
            return None
        r = self.rfile.readline(4096)
        if not r:
            return None
        self.server.prepis.append('C: ' + r.decode('latin-1').rstrip('\r\n'))
        return r

    def handle(self):
        n = self.server.nastaveni
        self.konec = time.monotonic() + LIMIT_SPOJENI
        prihlasen = n.uzivatel is None
        zprava = None
        if n.nemy:
            self.server.nemych += 1
            self.request.settimeout(0.5)
            while time.monotonic() < self.konec:
                try:
                    if not self.request.recv(1):
                        return
                except socket.timeout:
                    pass
                except OSError:
                    return
            return
        self.odpovedet('220 test.example.com ESMTP')
        while True:
            r = self.radek()
            if r is None:
                return
            prikaz = r.decode('latin-1').rstrip('\r\n')
            slovo = prikaz.split(' ', 1)[0].upper()
            if n.vsem:
                self.odpovedet(n.vsem)
                continue
            if slovo == 'EHLO':
                if 'EHLO' in n.chyby:
                    self.odpovedet('%d EHLO not here' % n.chyby['EHLO'])
                    continue
                # The capability list arrives in two TCP pieces.
                prvni = b'250-test.example.com\r\n250-SIZE 10000000\r\n'
                self.server.prepis.append('S: 250-... 250 HELP')
                self.wfile.write(prvni)
                self.wfile.flush()
                if n.rozdelit_ehlo:
                    time.sleep(0.2)
                self.wfile.write(b'250-AUTH LOGIN\r\n250 HELP\r\n')
                self.wfile.flush()
            elif slovo == 'HELO':
                self.odpovedet('250 test.example.com')
            elif prikaz.upper() == 'AUTH LOGIN':
                self.odpovedet('334 ' + base64.b64encode(b'Username:').decode())
                u = self.radek()
                self.odpovedet('334 ' + base64.b64encode(b'Password:').decode())
                h = self.radek()
                if u is None or h is None:
                    return
                try:
                    ok = (base64.b64decode(u.strip()).decode('cp1250') == n.uzivatel and
                          base64.b64decode(h.strip()).decode('cp1250') == n.heslo)
                except Exception:
                    ok = False
                prihlasen = ok
                self.odpovedet('235 2.7.0 Authentication successful' if ok else '535 5.7.8 Authentication failed')
            elif slovo == 'MAIL':
                if not prihlasen:
                    self.odpovedet('530 5.7.0 Authentication required')
                elif 'MAIL' in n.chyby:
                    self.odpovedet('%d sender refused' % n.chyby['MAIL'])
                else:
                    zprava = Zprava()
                    zprava.odesilatel = prikaz.split(':', 1)[1].strip().strip('<>')
                    self.odpovedet('250 OK')
            elif slovo == 'RCPT':
                adresa = prikaz.split(':', 1)[1].strip().strip('<>')
                if zprava is None:
                    self.odpovedet('503 need MAIL')
                elif adresa in n.odmitnuti or 'RCPT' in n.chyby:
                    self.odpovedet('%d no such user' % n.chyby.get('RCPT', 550))
                else:
                    zprava.prijemci.append(adresa)
                    self.odpovedet('250 OK')
            elif slovo == 'DATA':
                if zprava is None or not zprava.prijemci:
                    self.odpovedet('503 need RCPT')
                    continue
                if 'DATA' in n.chyby:
                    self.odpovedet('%d no data' % n.chyby['DATA'])
                    continue
                self.odpovedet('354 End data with <CR><LF>.<CR><LF>')
                casti = []
                while True:
                    if time.monotonic() > self.konec:
                        return
                    d = self.rfile.readline(1 << 20)
                    if not d:
                        return
                    if d == b'.\r\n':
                        break
                    casti.append(d[1:] if d.startswith(b'.') else d)
                zprava.data = b''.join(casti)
                if 'KONEC' in n.chyby:
                    self.odpovedet('%d message refused' % n.chyby['KONEC'])
                else:
                    self.server.zpravy.append(zprava)
                    self.odpovedet('250 2.0.0 Ok: queued')
                zprava = None
            elif slovo == 'QUIT':
                self.odpovedet('221 Bye')
                return
            else:
                self.odpovedet('500 unknown command')


class Server(socketserver.ThreadingTCPServer):
    daemon_threads = True
    allow_reuse_address = True

    def __init__(self, nastaveni, limit=300):
        super().__init__(('127.0.0.1', 0), _Obsluha)
        self.nastaveni = nastaveni
        self.zpravy = []
        self.prepis = []
        self.nemych = 0  # connections left without a greeting
        self.port = self.server_address[1]
        self._vlakno = threading.Thread(target=self.serve_forever, kwargs={'poll_interval': 0.1}, daemon=True)
        # The server stops by itself even when a test forgets it.
        self._hlidac = threading.Timer(limit, self.shutdown)
        self._hlidac.daemon = True

    def spustit(self):
        self._vlakno.start()
        self._hlidac.start()
        return self

    def zastavit(self):
        self._hlidac.cancel()
        self.shutdown()
        self.server_close()
        self._vlakno.join(10)
