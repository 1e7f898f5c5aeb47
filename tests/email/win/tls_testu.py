"""Certificates of the TLS tests, made with openssl into a folder: a test CA (to be put into the Wine prefix's
Root store, see PomocnikTestu's "koren-pridat"/"koren-odebrat") and the server certificates signed by it or not.

    c = Certifikaty(slozka)          # makes them once, then reuses the folder
    c.kontext('dobry')               # ssl.SSLContext of a server with that certificate
    c.ca_der                         # the CA for the Root store

Server certificates (all with the key c.klic):
    dobry      "localhost", valid now, signed by the test CA
    jine_jmeno "jiny.example.com" only, signed by the test CA
    prosly     "localhost", expired at noon UTC on 2024-01-31 (that day in Europe's time zones), signed by the test CA
    cizi       "localhost", valid, signed by a CA no store knows
"""
import os
import ssl
import subprocess

JMENO = 'localhost'
KONEC_PROSLEHO = '240131120000Z'  # openssl's form of the expired certificate's end

_CA_CONF = """[ca]
default_ca = test
[test]
dir = {dir}
database = $dir/index.txt
new_certs_dir = $dir/nove
serial = $dir/serial
default_md = sha256
policy = volna
copy_extensions = copy
unique_subject = no
[volna]
commonName = supplied
[v3_ca]
basicConstraints = critical,CA:true
keyUsage = critical,keyCertSign,cRLSign
subjectKeyIdentifier = hash
[server]
basicConstraints = CA:false
keyUsage = critical,digitalSignature,keyEncipherment
extendedKeyUsage = serverAuth
subjectKeyIdentifier = hash
authorityKeyIdentifier = keyid
"""


def _openssl(*argumenty, slozka):
    subprocess.run(['openssl', *argumenty], cwd=slozka, check=True, stdin=subprocess.DEVNULL,
                   stdout=subprocess.DEVNULL, stderr=subprocess.PIPE, timeout=60)


class Certifikaty:
    def __init__(self, slozka):
        self.slozka = os.path.abspath(slozka)
        self.klic = os.path.join(self.slozka, 'server.key')
        self.ca_pem = os.path.join(self.slozka, 'ca', 'ca.pem')
        self.ca_der = os.path.join(self.slozka, 'ca', 'ca.der')
        if not os.path.exists(os.path.join(self.slozka, 'hotovo')):
            self._vytvorit()

    def pem(self, jmeno):
        return os.path.join(self.slozka, jmeno + '.pem')

    def kontext(self, jmeno):
        kontext = ssl.SSLContext(ssl.PROTOCOL_TLS_SERVER)
        kontext.load_cert_chain(self.pem(jmeno), self.klic)
        return kontext

    def _ca(self, podslozka, nazev):
        d = os.path.join(self.slozka, podslozka)
        os.makedirs(os.path.join(d, 'nove'), exist_ok=True)
        open(os.path.join(d, 'index.txt'), 'w').close()
        with open(os.path.join(d, 'serial'), 'w') as f:
            f.write('1000\n')
        with open(os.path.join(d, 'ca.cnf'), 'w') as f:
            f.write(_CA_CONF.format(dir=d))
        _openssl('req', '-x509', '-newkey', 'rsa:2048', '-nodes', '-keyout', 'ca.key', '-out', 'ca.pem',
                 '-days', '3650', '-subj', '/CN=' + nazev, '-config', 'ca.cnf', '-extensions', 'v3_ca', slozka=d)
        _openssl('x509', '-in', 'ca.pem', '-outform', 'DER', '-out', 'ca.der', slozka=d)
        return d

    def _podepsat(self, ca, jmeno, dns, zacatek=None, konec=None):
        csr = os.path.join(self.slozka, jmeno + '.csr')
        # "localhost" certificates also name the loopback address, for clients that reach the server by it.
        alt = 'DNS:' + dns + (',IP:127.0.0.1' if dns == JMENO else '')
        _openssl('req', '-new', '-key', self.klic, '-out', csr, '-subj', '/CN=' + dns,
                 '-addext', 'subjectAltName=' + alt, slozka=self.slozka)
        doba = ['-startdate', zacatek, '-enddate', konec] if konec else ['-days', '825']
        _openssl('ca', '-batch', '-config', os.path.join(ca, 'ca.cnf'), '-extensions', 'server', '-cert',
                 os.path.join(ca, 'ca.pem'), '-keyfile', os.path.join(ca, 'ca.key'), '-in', csr,
                 '-out', self.pem(jmeno), '-notext', *doba, slozka=self.slozka)

    def _vytvorit(self):
        os.makedirs(self.slozka, exist_ok=True)
        _openssl('genrsa', '-out', self.klic, '2048', slozka=self.slozka)
        ca = self._ca('ca', 'Tervik test CA')
        cizi = self._ca('cizi_ca', 'Tervik unknown CA')
        self._podepsat(ca, 'dobry', JMENO)
        self._podepsat(ca, 'jine_jmeno', 'jiny.example.com')
        self._podepsat(ca, 'prosly', JMENO, '230101000000Z', KONEC_PROSLEHO)
        self._podepsat(cizi, 'cizi', JMENO)
        open(os.path.join(self.slozka, 'hotovo'), 'w').close()


if __name__ == '__main__':
    import sys
    c = Certifikaty(sys.argv[1])
    print(c.ca_der)
