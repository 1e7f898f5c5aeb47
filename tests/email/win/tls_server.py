"""TLS peers on free loopback ports for the Wine tests of the TLS socket (standard library and openssl only).

tls_server.py FOLDER PORT_FILE: makes the certificates (tls_testu) in FOLDER/certifikaty, writes "name port" lines
to PORT_FILE, logs to FOLDER/udalosti.log, and ends when PORT_FILE + '.konec' appears, when its parent ends, or
after ten minutes. The listeners:

  implicitni  TLS from the first byte (certificate "dobry"), then the exchange below
  zavre       reads the ClientHello and closes the connection
  smeti       answers the ClientHello with an SMTP greeting (plain text on a TLS port)
  mlci        reads the ClientHello and says nothing

The exchange: the client sends "N\\n" and N bytes of the pattern bytes(i % 251); the server answers "ok\\n" when they
came whole (else "chyba\\n") and the same N bytes; every TLS record it writes goes out in pieces of 1 to 3000 bytes,
so that records split across the client's reads. Then it sends close_notify, waits for the client's, and logs
"close_notify NAME".
"""
import os
import random
import socket
import ssl
import sys
import threading
import time

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
import tls_testu  # noqa: E402

LIMIT_SPOJENI = 60


def vzor(n):
    blok = bytes(range(251))
    return (blok * (n // 251 + 1))[:n]


class Spojeni:
    """TLS over a blocking socket through memory BIOs: the server decides how the record bytes go out."""

    def __init__(self, soket, kontext, nahoda):
        self.soket = soket
        self.vstup = ssl.MemoryBIO()
        self.vystup = ssl.MemoryBIO()
        self.tls = kontext.wrap_bio(self.vstup, self.vystup, server_side=True)
        self.nahoda = nahoda

    def poslat_vystup(self):
        data = self.vystup.read()
        while data:
            kus = self.nahoda.randint(1, 3000)
            self.soket.sendall(data[:kus])
            data = data[kus:]

    def nacist(self):
        data = self.soket.recv(65536)
        if not data:
            self.vstup.write_eof()
        else:
            self.vstup.write(data)
        return bool(data)

    def provest(self, operace):
        while True:
            try:
                vysledek = operace()
                self.poslat_vystup()
                return vysledek
            except ssl.SSLWantReadError:
                self.poslat_vystup()
                if not self.nacist():
                    raise ConnectionError('peer closed')

    def precist(self, n):
        data = b''
        while len(data) < n:
            data += self.provest(lambda: self.tls.read(n - len(data)))
        return data

    def radek(self):
        data = b''
        while not data.endswith(b'\n'):
            data += self.precist(1)
        return data

    def zapsat(self, data):
        while data:
            kus = data[:16384]
            self.provest(lambda: self.tls.write(kus))
            data = data[16384:]


class Server:
    def __init__(self, slozka):
        self.certifikaty = tls_testu.Certifikaty(os.path.join(slozka, 'certifikaty'))
        self.log = os.path.join(slozka, 'udalosti.log')
        self.zamek = threading.Lock()
        self.posluchaci = {}
        for jmeno in ('implicitni', 'zavre', 'smeti', 'mlci'):
            s = socket.socket(socket.AF_INET, socket.SOCK_STREAM)
            s.bind(('127.0.0.1', 0))
            s.listen(8)
            s.settimeout(0.2)
            self.posluchaci[jmeno] = s
            threading.Thread(target=self.prijimat, args=(jmeno, s), daemon=True).start()

    def zapsat(self, text):
        with self.zamek, open(self.log, 'a', encoding='utf-8') as f:
            f.write(text + '\n')

    def prijimat(self, jmeno, posluchac):
        while True:
            try:
                soket, _ = posluchac.accept()
            except socket.timeout:
                continue
            except OSError:
                return
            soket.settimeout(LIMIT_SPOJENI)
            threading.Thread(target=self.obslouzit, args=(jmeno, soket), daemon=True).start()

    def obslouzit(self, jmeno, soket):
        try:
            if jmeno in ('zavre', 'smeti', 'mlci'):
                soket.recv(65536)
                if jmeno == 'smeti':
                    soket.sendall(b'220 smtp.example.com ESMTP ready\r\n')
                    time.sleep(LIMIT_SPOJENI)
                elif jmeno == 'mlci':
                    time.sleep(LIMIT_SPOJENI)
                return
            spojeni = Spojeni(soket, self.certifikaty.kontext('dobry'), random.Random(len(jmeno)))
            spojeni.provest(spojeni.tls.do_handshake)
            self.zapsat('navazano %s %s' % (jmeno, spojeni.tls.version()))
            n = int(spojeni.radek())
            prijato = spojeni.precist(n)
            spojeni.zapsat(b'ok\n' if prijato == vzor(n) else b'chyba\n')
            spojeni.zapsat(vzor(n))
            spojeni.provest(spojeni.tls.unwrap)
            self.zapsat('close_notify %s' % jmeno)
        except Exception as e:  # noqa: BLE001 - every failure of a peer is logged for the test
            self.zapsat('chyba %s %s: %s' % (jmeno, type(e).__name__, e))
        finally:
            soket.close()

    def zastavit(self):
        for s in self.posluchaci.values():
            s.close()


def main():
    slozka, soubor_portu = sys.argv[1], sys.argv[2]
    os.makedirs(slozka, exist_ok=True)
    server = Server(slozka)
    with open(soubor_portu + '.tmp', 'w') as f:
        for jmeno, s in server.posluchaci.items():
            f.write('%s %d\n' % (jmeno, s.getsockname()[1]))
        f.write('ca %s\n' % server.certifikaty.ca_der)
    os.replace(soubor_portu + '.tmp', soubor_portu)
    rodic = os.getppid()
    konec = time.time() + 600
    while time.time() < konec and os.getppid() == rodic and not os.path.exists(soubor_portu + '.konec'):
        time.sleep(0.1)
    server.zastavit()
    os._exit(0)


if __name__ == '__main__':
    main()
