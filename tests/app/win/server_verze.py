"""The maker's web server for the update check's tests: answers each path as told, counts the requests.

server_verze.py FOLDER: writes the port to FOLDER/port, appends each request's path to FOLDER/pozadavky and ends
when FOLDER/port.konec appears. /soubor answers 200 with the bytes of FOLDER/odpoved (a test switches them), or as
FOLDER/rezim says when it exists: "404" not found, "visi" accepts and never answers.
"""
import http.server
import os
import sys
import threading
import time

SLOZKA = sys.argv[1]

PEVNE = {
    '/ok': (200, 'posledniVerze 4.9.0.0'.encode('cp1250')),
    '/velka': (200, 'POSLEDNIVERZE 4.9.0.0'.encode('cp1250')),
    '/404': (404, b'<html>Not found</html>'),
    '/kratky': (200, b'posledniVerze 4.9.01'),
    '/dlouhy': (200, b'posledniVerze ' + b'9' * 38),
    '/bez-slova': (200, b'verze 4.9.0.0 posledniVerze'),
    '/bom': (200, b'\xef\xbb\xbfposledniVerze 4.9.0.0'),
    '/obri': (200, b'posledniVerze 4.9.0.0' + b' ' * 100000),
}


class Obsluha(http.server.BaseHTTPRequestHandler):
    protocol_version = 'HTTP/1.1'

    def log_message(self, *args):
        pass

    def do_GET(self):
        with open(os.path.join(SLOZKA, 'pozadavky'), 'a') as f:
            f.write(self.path + '\n')
        rezim = ''
        if self.path == '/soubor' and os.path.exists(os.path.join(SLOZKA, 'rezim')):
            with open(os.path.join(SLOZKA, 'rezim')) as f:
                rezim = f.read().strip()
        if self.path == '/visi' or rezim == 'visi':  # accepts and never answers
            time.sleep(120)
            return
        if self.path == '/kapky':  # a valid start, then a byte now and then, never the end
            self.send_response(200)
            self.send_header('Content-Length', '1000')
            self.end_headers()
            for _ in range(240):
                self.wfile.write(b'p')
                self.wfile.flush()
                time.sleep(0.5)
            return
        if rezim == '404':
            stav, telo = PEVNE['/404']
        elif self.path == '/soubor':
            with open(os.path.join(SLOZKA, 'odpoved'), 'rb') as f:
                stav, telo = 200, f.read()
        else:
            stav, telo = PEVNE.get(self.path, (404, b''))
        self.send_response(stav)
        self.send_header('Content-Type', 'text/plain')
        self.send_header('Content-Length', str(len(telo)))
        self.end_headers()
        self.wfile.write(telo)


def main():
    server = http.server.ThreadingHTTPServer(('127.0.0.1', 0), Obsluha)
    server.daemon_threads = True
    threading.Thread(target=server.serve_forever, daemon=True).start()
    with open(os.path.join(SLOZKA, 'port.tmp'), 'w') as f:
        f.write(str(server.server_address[1]))
    os.replace(os.path.join(SLOZKA, 'port.tmp'), os.path.join(SLOZKA, 'port'))
    konec = os.path.join(SLOZKA, 'port.konec')
    for _ in range(6000):  # at most 10 minutes
        if os.path.exists(konec):
            break
        time.sleep(0.1)
    server.shutdown()


if __name__ == '__main__':
    main()
