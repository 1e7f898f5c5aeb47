"""A real FTP server (pyftpdlib) on a free loopback port for the FTP tests.

As a module: Server(...).spustit() in a thread of the test. As a program (started by a Wine test program):
ftp_server.py HOME PORT_FILE [--heslo H] [--omezeni B/s] [--nemy-user] [--zahodit-data]; it writes its port to PORT_FILE,
logs every command to HOME/../prikazy.log and ends when the file PORT_FILE + '.konec' appears, when its
parent ends, or after ten minutes.
"""
import argparse
import os
import socket
import struct
import threading
import time

from pyftpdlib.authorizers import DummyAuthorizer
from pyftpdlib.handlers import DTPHandler, FTPHandler, ThrottledDTPHandler
from pyftpdlib.servers import ThreadedFTPServer

UZIVATEL = 'kamera'
HESLO = 'tajne heslo'


class Zahazujici(DTPHandler):
    """pyftpdlib's data channel that, when the server says so, resets an upload after its first bytes."""

    def handle_read(self):
        super().handle_read()
        if self.receive and self.cmd_channel.zahodit_data() and self.tot_bytes_received and not self._closed:
            self.socket.setsockopt(socket.SOL_SOCKET, socket.SO_LINGER, struct.pack('ii', 1, 0))
            self._resp = ('426 Datove spojeni bylo preruseno; prenos zrusen.', lambda *a: None)
            self.close()

    handle_read_event = handle_read


class Server:
    def __init__(self, domov, heslo=HESLO, omezeni=0, log=None, nemy_user=False, zahodit_data=False):
        os.makedirs(domov, exist_ok=True)
        self.domov = domov
        # Hostile behaviours, switchable while the server runs: no answer to USER (a server that hangs before
        # the login), and an upload's data connection reset after its first bytes, with a 426 reply.
        self.nemy_user = nemy_user
        self.zahodit_data = zahodit_data
        self.prikazy = []
        self.zamek = threading.Lock()
        self.log = log
        autorizace = DummyAuthorizer()
        autorizace.add_user(UZIVATEL, heslo, domov, perm='elradfmwMT')
        server = self

        class Obsluha(FTPHandler):
            authorizer = autorizace
            passive_ports = None
            # Silent greeting banner aside, pyftpdlib's defaults; an upload may be throttled below.
            if omezeni:
                dtp_handler = type('Omezeny', (ThrottledDTPHandler,), {'read_limit': omezeni, 'write_limit': omezeni})
            else:
                dtp_handler = Zahazujici

            def on_login(self, uzivatel):
                pass

            def zahodit_data(self):
                return server.zahodit_data

            def pre_process_command(self, line, cmd, arg):
                server.zapsat(cmd if cmd != 'PASS' else 'PASS ***', arg if cmd != 'PASS' else '')
                if server.nemy_user and cmd == 'USER':
                    return
                return super().pre_process_command(line, cmd, arg)

        self.server = ThreadedFTPServer(('127.0.0.1', 0), Obsluha)
        self.port = self.server.socket.getsockname()[1]
        self.vlakno = None

    def zapsat(self, prikaz, argument):
        with self.zamek:
            self.prikazy.append((prikaz, argument))
        if self.log:
            with open(self.log, 'a', encoding='utf-8') as f:
                f.write('%s %s\n' % (prikaz, argument))

    def pocet(self, prikaz):
        with self.zamek:
            return sum(1 for p, _ in self.prikazy if p == prikaz)

    def spustit(self):
        self.vlakno = threading.Thread(target=self.server.serve_forever, kwargs={'timeout': 0.2}, daemon=True)
        self.vlakno.start()
        return self

    def zastavit(self):
        self.server.close_all()
        if self.vlakno:
            self.vlakno.join(10)


def main():
    a = argparse.ArgumentParser()
    a.add_argument('domov')
    a.add_argument('soubor_portu')
    a.add_argument('--heslo', default=HESLO)
    a.add_argument('--omezeni', type=int, default=0)
    a.add_argument('--nemy-user', action='store_true')
    a.add_argument('--zahodit-data', action='store_true')
    args = a.parse_args()
    log = os.path.join(os.path.dirname(os.path.abspath(args.domov)), 'prikazy.log')
    server = Server(args.domov, args.heslo, args.omezeni, log, args.nemy_user,
                    args.zahodit_data).spustit()
    with open(args.soubor_portu + '.tmp', 'w') as f:
        f.write(str(server.port))
    os.replace(args.soubor_portu + '.tmp', args.soubor_portu)
    rodic = os.getppid()
    konec = time.time() + 600
    while time.time() < konec and os.getppid() == rodic and not os.path.exists(args.soubor_portu + '.konec'):
        time.sleep(0.1)
    server.zastavit()
    os._exit(0)


if __name__ == '__main__':
    main()
