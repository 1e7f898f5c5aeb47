"""Snapshots by e-mail over TLS in the real Tervik.exe under Wine (Schannel) with the virtual test camera and real
aiosmtpd servers on free loopback ports, reached through "localhost:port" in the account's server: an account with
STARTTLS and one with implicit TLS each deliver a decodable JPEG with the login inside TLS; a wrong name, an expired
certificate, an unknown CA and a STARTTLS answered 454 are refused with their texts in the camera's log and no AUTH
reaches the server; an account record of an earlier version (no "zabezpeceni") still sends in plain text.

The test CA goes into the prefix's Root store for the run (PomocnikTestu koren-pridat) and out again after it."""
import email
import email.policy
import logging
import os
import socket
import subprocess
import sys
import unittest
import warnings

from aiosmtpd.controller import Controller
from aiosmtpd.smtp import SMTP, AuthResult

import tervik_proces as t

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
import tls_testu  # noqa: E402

# The servers' warnings about AUTH without TLS (the plain and the implicit-TLS ones, by design) are no news.
logging.getLogger('mail.log').setLevel(logging.ERROR)

OKNO_KAMERY = 'Tervik4Tervik'
KLIC_TESTOVACI_KAMERY = r'Testovaci kamera'
LOGIN, HESLO = 'kamera', 'tajne heslo'
PRIJEMCE = 'prijemce@tervik.test'
SERVER = tls_testu.JMENO  # "localhost": the name the certificates carry
ODESLAT_SNIMEK = 40053


def volny_port():
    with socket.socket() as s:
        s.bind(('127.0.0.1', 0))
        return s.getsockname()[1]


class SmtpSLoginem(SMTP):
    # The program's client answers the challenges the common servers send.
    AuthLoginUsernameChallenge = 'Username:'
    AuthLoginPasswordChallenge = 'Password:'

    async def smtp_AUTH(self, arg):
        # Every AUTH that reached the server, also one it refuses (in plain text with auth_require_tls).
        self.event_handler.auth.append(self._tls_protocol is not None or self.transport.get_extra_info('sslcontext')
                                       is not None)
        return await super().smtp_AUTH(arg)


class Schranka:
    def __init__(self):
        self.zpravy = []
        self.auth = []  # per AUTH command: whether it came inside TLS

    async def handle_DATA(self, server, session, envelope):
        self.zpravy.append(envelope.content)
        return '250 OK'


class Server(Controller):
    """aiosmtpd on the port: STARTTLS (tls_context), implicit TLS (ssl_context) or plain; a login is required."""

    def __init__(self, port, tls_context=None, ssl_context=None):
        self.schranka = Schranka()
        self.tls_context = tls_context
        super().__init__(self.schranka, hostname='127.0.0.1', port=port, ssl_context=ssl_context)

    def factory(self):
        def overit(server, session, envelope, mechanism, auth_data):
            ok = auth_data.login == LOGIN.encode() and auth_data.password == HESLO.encode()
            return AuthResult(success=ok, handled=ok)
        # With STARTTLS the server itself refuses mail and AUTH before the upgrade.
        return SmtpSLoginem(self.handler, authenticator=overit, auth_required=True, tls_context=self.tls_context,
                            require_starttls=self.tls_context is not None, auth_require_tls=self.tls_context is not None)


def zapsat_ucty(ucty):
    """The account store: (address, server, zabezpeceni or None for a record of an earlier version)."""
    os.makedirs(t.slozka_dat(), exist_ok=True)
    text = ''
    for adresa, server, zabezpeceni in ucty:
        text += ('<ucet>\r\n <email>%s</email>\r\n <heslo>%s</heslo>\r\n <id>%s</id>\r\n <jmeno>Kamera</jmeno>\r\n'
                 ' <server>%s</server>\r\n') % (adresa, HESLO, LOGIN, server)
        if zabezpeceni is not None:
            text += ' <zabezpeceni>%d</zabezpeceni>\r\n' % zabezpeceni
        text += '</ucet>\r\n'
    with open(os.path.join(t.slozka_dat(), 'EmailoveUcty.rxml'), 'wb') as f:
        f.write(text.encode('utf-16-le'))


def kamera(jmeno, ucet):
    rc, vystup = t.pomocnik('kamera', jmeno, 100000, 1, 1)
    assert rc == 0, vystup
    k = r'Kamery\%s' % jmeno
    t.zapsat_hodnotu(k + r'\Po spusteni', 'snimkyDisk', 'REG_DWORD', 0)
    t.zapsat_hodnotu(k + r'\Snimky email\Odesilatel', 'emailUcet', 'REG_SZ', ucet)
    t.zapsat_hodnotu(k + r'\Snimky email\Prijemce', 'email', 'REG_SZ', PRIJEMCE)
    t.zapsat_hodnotu(k + r'\Snimky email', 'zpravaIkona', 'REG_DWORD', 0)
    t.zapsat_hodnotu(k + r'\Logovani', 'snimekEmail', 'REG_DWORD', 1)


def smazat_soubory():
    if os.path.isdir(t.slozka_dat()):
        for soubor in os.listdir(t.slozka_dat()):
            if soubor.endswith('.log') or '_email' in soubor or soubor.endswith('.rxml'):
                os.remove(os.path.join(t.slozka_dat(), soubor))


@unittest.skipUnless(t.je_testovaci_kamera(), 'testovací kamera není zaregistrovaná')
class EmailTls(unittest.TestCase):
    @classmethod
    def setUpClass(cls):
        # (Here: the test runner sets its own filters before it starts the tests.)
        warnings.filterwarnings('ignore', 'Requiring AUTH while not requiring TLS')
        cls.certifikaty = tls_testu.Certifikaty(os.path.join(t.BUILD, 'tls-certifikaty'))
        rc, vystup = t.pomocnik('koren-pridat', t.windows_cesta(cls.certifikaty.ca_der))
        assert rc == 0, vystup

    @classmethod
    def tearDownClass(cls):
        t.pomocnik('koren-odebrat', t.windows_cesta(cls.certifikaty.ca_der))

    def setUp(self):
        t.smazat_nastaveni()
        smazat_soubory()
        t.zapsat_hodnotu(KLIC_TESTOVACI_KAMERY, 'scena', 'REG_DWORD', 0)
        self.proces = None
        self.server = None
        self.port = volny_port()

    def tearDown(self):
        t.ukoncit(self.proces, OKNO_KAMERY)
        if self.server:
            self.server.stop()
        t.smazat_nastaveni()
        smazat_soubory()

    def spustit_server(self, certifikat=None, implicitni=False):
        """A server on the test's port in place of the one before (the account names the port)."""
        if self.server:
            self.server.stop()
        kontext = self.certifikaty.kontext(certifikat) if certifikat else None
        self.server = Server(self.port, tls_context=None if implicitni else kontext,
                             ssl_context=kontext if implicitni else None)
        self.server.start()
        return self.server.schranka

    def spustit(self, jmeno, zabezpeceni):
        ucet = 'kamera%s@tervik.test' % jmeno.lower()
        zapsat_ucty([(ucet, '%s:%d' % (SERVER, self.port), zabezpeceni)])
        kamera(jmeno, ucet)
        self.proces = t.na_pozadi(t.TERVIK, '-ka', jmeno)
        self.assertEqual(t.pomocnik('cekat-okno', OKNO_KAMERY, jmeno + ' - Připraven', 30000)[0], 0)

    def odeslat(self, jmeno, hotovo):
        """Command 40053 until hotovo() (the video comes on after start; a request while one runs is dropped)."""
        self.assertTrue(t.pockat_na(lambda: t.pomocnik('prikaz', OKNO_KAMERY, '-', ODESLAT_SNIMEK, 5000)[0] == 0 and
                                    t.pockat_na(hotovo, 20), 120), t.log_kamery(jmeno))

    def prijaty_jpeg(self, schranka, nazev):
        zprava = email.message_from_bytes(schranka.zpravy[0], policy=email.policy.default)
        prilohy = [c for c in zprava.walk() if c.get_content_type() == 'image/jpeg']
        self.assertEqual(len(prilohy), 1)
        snimek = os.path.join(t.BUILD, nazev)
        with open(snimek, 'wb') as f:
            f.write(prilohy[0].get_content())
        r = subprocess.run(['identify', '-regard-warnings', snimek], capture_output=True, timeout=30)
        self.assertEqual(r.returncode, 0, r.stderr)
        self.assertIn(b'JPEG 640x480', r.stdout)

    def odmitnuti(self, jmeno, schranka, text):
        """A snapshot refused with text in the camera's log (its full stop left to the log's sentence), nothing
        delivered and no AUTH at the server."""
        self.odeslat(jmeno, lambda: '(%s).' % text.rstrip('.') in t.log_kamery(jmeno))
        self.assertIn('Nepodařilo se odeslat snímek', t.log_kamery(jmeno))
        self.assertEqual((schranka.zpravy, schranka.auth), ([], []))

    def zavrit(self, jmeno):
        # The camera's log, for the note: the deliveries and the refusals' texts.
        with open(os.path.join(t.BUILD, 'email-tls-%s.log' % jmeno.lower()), 'w') as f:
            f.write(t.log_kamery(jmeno))
        self.assertEqual(t.pomocnik('zavrit-okno', OKNO_KAMERY, jmeno + ' - Připraven', 20000)[0], 0)
        self.assertEqual(t.pockat(self.proces), 0, getattr(self.proces, 'chyby', b'')[-2000:])

    def test_starttls_dorucen_a_454_odmitnut(self):
        schranka = self.spustit_server('dobry')
        self.spustit('Starttls', 1)
        self.odeslat('Starttls', lambda: schranka.zpravy)
        self.prijaty_jpeg(schranka, 'email-tls-starttls.jpg')
        self.assertEqual(schranka.auth, [True])
        # A server without TLS answers STARTTLS 454: refused, the login never sent.
        schranka = self.spustit_server()
        self.odmitnuti('Starttls', schranka,
                       'Server localhost neumožňuje šifrované spojení (STARTTLS): 454 TLS not available')
        self.zavrit('Starttls')

    def test_implicitni_tls_dorucen_a_spatne_certifikaty_odmitnuty(self):
        schranka = self.spustit_server('dobry', implicitni=True)
        self.spustit('Implicitni', 2)
        self.odeslat('Implicitni', lambda: schranka.zpravy)
        self.prijaty_jpeg(schranka, 'email-tls-implicitni.jpg')
        self.assertEqual(len(schranka.auth), 1)
        for certifikat, text in (
                ('jine_jmeno', 'Certifikát serveru localhost je vystaven na jiné jméno (jiny.example.com).'),
                ('prosly', 'Platnost certifikátu serveru localhost skončila 31. 1. 2024.'),
                ('cizi', 'Certifikát serveru localhost nevydala důvěryhodná certifikační autorita.')):
            with self.subTest(certifikat=certifikat):
                self.odmitnuti('Implicitni', self.spustit_server(certifikat, implicitni=True), text)
        self.zavrit('Implicitni')

    def test_ucet_bez_zabezpeceni_posila_jako_drive(self):
        schranka = self.spustit_server()
        self.spustit('Stary', None)
        self.odeslat('Stary', lambda: schranka.zpravy)
        self.prijaty_jpeg(schranka, 'email-tls-bez-zabezpeceni.jpg')
        self.assertEqual(schranka.auth, [False])
        self.zavrit('Stary')


if __name__ == '__main__':
    unittest.main()
