"""Snapshots by e-mail in the real Tervik.exe under Wine with the virtual test camera and real aiosmtpd servers on
free loopback ports: a snapshot reaches the recipient as a decodable JPEG with the right envelope (an account record
of an earlier version, without "zabezpeceni", logs in in plain text), a refused hidden recipient is logged while the
others get the message, a refused login with "akcePriChybe" 1 stops automatic sending, motion sends, a scheduled
time sends one snapshot, the link of the settings' addresses page sends the plain test message to the recipient the
page shows (video off, the answer over the dialog, nothing stored after Storno), and hostile servers: one that
answers 4xx to everything is logged with its words while automatic sending goes on and succeeds once the server
behaves again, and closing the camera during a dispatch to a server that never greets ends the process within the
stop time-out.

Over TLS (Schannel, the server "localhost:port"): STARTTLS and implicit TLS each deliver a decodable JPEG with the
login inside TLS; a wrong name, an expired certificate, an unknown CA and a STARTTLS answered 454 are refused with
their texts in the camera's log and no AUTH reaches the server. The test CA is in the prefix's Root store for the
run (PomocnikTestu koren-pridat / koren-odebrat)."""
import email
import email.policy
import logging
import os
import socket
import subprocess
import sys
import threading
import time
import unittest
import warnings

from aiosmtpd.controller import Controller
from aiosmtpd.smtp import SMTP, AuthResult

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
import tervik_proces as t  # noqa: E402
import tls_testu  # noqa: E402

# The servers' warnings about AUTH without TLS (the plain and the implicit-TLS ones, by design) are no news.
logging.getLogger('mail.log').setLevel(logging.ERROR)
warnings.filterwarnings('ignore', 'Requiring AUTH while not requiring TLS')

OKNO_KAMERY = 'Tervik4Tervik'
UCET = 'kamera@tervik.test'
LOGIN, HESLO = 'kamera', 'tajne heslo'
ODMITNUTY = 'odmitnuty@tervik.test'
DIALOG = '#32770'
PREDVOLBY, IDCANCEL, ODESLAT_SNIMEK = 40030, 2, 40053
# The settings dialog's page "Odesílatel a příjemci" (its place in the tree), the control of its recipient (the
# second value of the page; 59 values of the pages before it, four ids a value from 2000, the edit one after the
# label) and its link "Odeslat testovací (textovou) emailovou zprávu".
STRANKA_ADRES, ID_PRIJEMCE, ID_ODKAZU_TESTU = 8, 2000 + 4 * (59 + 1) + 1, 1931
CHYBA_SERVERU = '451 4.3.0 Docasna chyba serveru'


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
    """What the server received (sender, recipients, content), its AUTH commands (whether inside TLS) and the
    recipients it refuses."""

    def __init__(self, odmitnout=()):
        self.zpravy = []
        self.auth = []
        self.odmitnout = set(odmitnout)

    async def handle_RCPT(self, server, session, envelope, address, rcpt_options):
        if address in self.odmitnout:
            return '550 5.1.1 Adresat neexistuje'
        envelope.rcpt_tos.append(address)
        return '250 OK'

    async def handle_DATA(self, server, session, envelope):
        self.zpravy.append((envelope.mail_from, list(envelope.rcpt_tos), envelope.content))
        return '250 OK'


class Server(Controller):
    """aiosmtpd requiring a login: plain, with STARTTLS (tls_context) or implicit TLS (ssl_context)."""

    def __init__(self, schranka, port, tls_context=None, ssl_context=None):
        self.port = port
        self.tls_context = tls_context
        super().__init__(schranka, hostname='127.0.0.1', port=port, ssl_context=ssl_context)

    def factory(self):
        def overit(server, session, envelope, mechanism, auth_data):
            ok = auth_data.login == LOGIN.encode() and auth_data.password == HESLO.encode()
            # Not handled: the server itself answers 535 to a refused login.
            return AuthResult(success=ok, handled=ok)
        # With STARTTLS the server itself refuses mail and AUTH before the upgrade.
        tls = self.tls_context is not None
        return SmtpSLoginem(self.handler, authenticator=overit, auth_required=True, tls_context=self.tls_context,
                            require_starttls=tls, auth_require_tls=tls)


class ServerVPotizich:
    """A server in trouble on the port: the greeting, then CHYBA_SERVERU to every command; or (nemy) no greeting at
    all, the connection held until the test ends (every wait bounded)."""

    def __init__(self, port, nemy=False):
        self.nemy, self.spojeni, self.konec = nemy, 0, threading.Event()
        self.soket = socket.create_server(('127.0.0.1', port))
        self.soket.settimeout(0.2)
        self.vlakno = threading.Thread(target=self.prijimat, daemon=True)
        self.vlakno.start()

    def prijimat(self):
        # The listening socket closes here, after its last wait: the next server binds the port at once.
        with self.soket:
            while not self.konec.is_set():
                try:
                    s, _ = self.soket.accept()
                except socket.timeout:
                    continue
                self.spojeni += 1
                threading.Thread(target=self.obslouzit, args=(s,), daemon=True).start()

    def obslouzit(self, s):
        with s:
            s.settimeout(0.5)
            if not self.nemy:
                s.sendall(b'220 tervik.test ESMTP\r\n')
            limit = time.monotonic() + 60
            while not self.konec.is_set() and time.monotonic() < limit:
                try:
                    data = s.recv(4096)
                except socket.timeout:
                    continue
                except OSError:
                    return
                if not data:
                    return
                if not self.nemy:
                    s.sendall((CHYBA_SERVERU + '\r\n').encode() * data.count(b'\n'))

    def stop(self):
        self.konec.set()
        self.vlakno.join(10)


def zapsat_ucet(server, heslo=HESLO, zabezpeceni=None):
    """The account store with one account (the record file is UTF-16LE); zabezpeceni None: a record of an earlier
    version."""
    os.makedirs(t.slozka_dat(), exist_ok=True)
    text = ('<ucet>\r\n <email>%s</email>\r\n <heslo>%s</heslo>\r\n <id>%s</id>\r\n <jmeno>Kamera</jmeno>\r\n'
            ' <server>%s</server>\r\n') % (UCET, heslo, LOGIN, server)
    if zabezpeceni is not None:
        text += ' <zabezpeceni>%d</zabezpeceni>\r\n' % zabezpeceni
    with open(os.path.join(t.slozka_dat(), 'EmailoveUcty.rxml'), 'wb') as f:
        f.write((text + '</ucet>\r\n').encode('utf-16-le'))


def kamera(jmeno, dalsi='', video=True, **hodnoty):
    """The camera sending to prijemce@tervik.test from UCET; hodnoty: {'podklic/jmeno': dword} besides."""
    t.ulozit_kameru(jmeno, 100000, 1, video)
    k = r'Kamery\%s' % jmeno
    t.zapsat_hodnotu(k + r'\Po spusteni', 'snimkyDisk', 'REG_DWORD', 0)
    t.zapsat_hodnotu(k + r'\Snimky email\Odesilatel', 'emailUcet', 'REG_SZ', UCET)
    t.zapsat_hodnotu(k + r'\Snimky email\Prijemce', 'email', 'REG_SZ', 'prijemce@tervik.test')
    if dalsi:
        t.zapsat_hodnotu(k + r'\Snimky email\Prijemce', 'dalsiEmaily', 'REG_SZ', dalsi)
    t.zapsat_hodnotu(k + r'\Snimky email', 'zpravaIkona', 'REG_DWORD', 0)
    for prepinac in ('snimekEmail', 'spusteniSnimkovaniEmail', 'ukonceniSnimkovaniEmail'):
        t.zapsat_hodnotu(k + r'\Logovani', prepinac, 'REG_DWORD', 1)
    for cesta, hodnota in hodnoty.items():
        podklic, nazev = cesta.rsplit('/', 1)
        t.zapsat_hodnotu(k + '\\' + podklic, nazev, 'REG_DWORD', hodnota)


def smazat_logy():
    if os.path.isdir(t.slozka_dat()):
        for soubor in os.listdir(t.slozka_dat()):
            if soubor.endswith('.log') or '_email' in soubor or soubor.endswith('.rxml'):
                os.remove(os.path.join(t.slozka_dat(), soubor))


@unittest.skipUnless(t.je_testovaci_kamera(), 'testovací kamera není zaregistrovaná')
class SnimkyEmailem(unittest.TestCase):
    @classmethod
    def setUpClass(cls):
        cls.certifikaty = tls_testu.Certifikaty(os.path.join(t.BUILD, 'tls-certifikaty'))
        rc, vystup = t.pomocnik('koren-pridat', t.windows_cesta(cls.certifikaty.ca_der))
        assert rc == 0, vystup

    @classmethod
    def tearDownClass(cls):
        t.pomocnik('koren-odebrat', t.windows_cesta(cls.certifikaty.ca_der))

    def setUp(self):
        t.smazat_nastaveni()
        smazat_logy()
        t.zapsat_hodnotu(r'Testovaci kamera', 'scena', 'REG_DWORD', 0)
        self.proces = None
        self.servery = []
        self.port = t.volny_port()

    def tearDown(self):
        t.ukoncit(self.proces, OKNO_KAMERY)
        for s in self.servery:
            s.stop()
        t.smazat_nastaveni()
        smazat_logy()

    def server(self, odmitnout=(), certifikat=None, implicitni=False, trida=None):
        """A server on the test's port in place of the one before (the account names the port)."""
        for s in self.servery:
            s.stop()
        if trida:
            self.servery = [trida(self.port)]
            return self.servery[0]
        schranka = Schranka(odmitnout)
        kontext = self.certifikaty.kontext(certifikat) if certifikat else None
        self.servery = [Server(schranka, self.port, tls_context=None if implicitni else kontext,
                               ssl_context=kontext if implicitni else None)]
        self.servery[0].start()
        return schranka

    def spustit(self, jmeno, ucet=None, **kamera_volby):
        """Tervik with the camera; with ucet (zapsat_ucet's arguments) the account and the camera stored first."""
        if ucet is not None:
            zapsat_ucet(*ucet)
            kamera(jmeno, **kamera_volby)
        self.proces = t.na_pozadi(t.TERVIK, '-ka', jmeno)
        self.assertEqual(t.pomocnik('cekat-okno', OKNO_KAMERY, jmeno + ' - Připraven', 30000)[0], 0)

    def zavrit(self, jmeno):
        self.assertEqual(t.pomocnik('zavrit-okno', OKNO_KAMERY, jmeno + ' - Připraven', 20000)[0], 0)
        self.assertEqual(t.pockat(self.proces), 0, getattr(self.proces, 'chyby', b'')[-2000:])

    def odeslat(self, jmeno, hotovo):
        """Command 40053 until hotovo() (the video comes on after start; a request while one runs is dropped)."""
        self.assertTrue(t.pockat_na(lambda: t.pomocnik('prikaz', OKNO_KAMERY, '-', ODESLAT_SNIMEK, 5000)[0] == 0 and
                                    t.pockat_na(hotovo, 20), 120), t.log_kamery(jmeno))

    def jpeg(self, obsah, nazev):
        """The message's one JPEG, saved as build/nazev and decoded in full by ImageMagick at the frame size."""
        zprava = email.message_from_bytes(obsah, policy=email.policy.default)
        prilohy = [c for c in zprava.walk() if c.get_content_type() == 'image/jpeg']
        self.assertEqual(len(prilohy), 1)
        self.assertEqual(prilohy[0].get_content_disposition(), 'inline')
        snimek = os.path.join(t.BUILD, nazev)
        with open(snimek, 'wb') as f:
            f.write(prilohy[0].get_content())
        r = subprocess.run(['identify', '-regard-warnings', snimek], capture_output=True, timeout=30)
        self.assertEqual(r.returncode, 0, r.stderr)
        self.assertIn(b'JPEG 640x480', r.stdout)
        return zprava

    def odmitnuti(self, jmeno, schranka, text):
        """A snapshot refused with text in the camera's log (its full stop left to the log's sentence), nothing
        delivered and no AUTH at the server."""
        self.odeslat(jmeno, lambda: '(%s).' % text.rstrip('.') in t.log_kamery(jmeno))
        self.assertIn('Nepodařilo se odeslat snímek', t.log_kamery(jmeno))
        self.assertEqual((schranka.zpravy, schranka.auth), ([], []))

    def test_snimek_dorazi_jako_jpeg_skryti_jen_v_obalce_odmitnuty_zalogovan(self):
        schranka = self.server(odmitnout=[ODMITNUTY])
        self.spustit('Brana', ('127.0.0.1:%d' % self.port,), dalsi='skryty@tervik.test; %s;\r\n' % ODMITNUTY)
        self.odeslat('Brana', lambda: schranka.zpravy)
        odesilatel, prijemci, obsah = schranka.zpravy[0]
        self.assertEqual(odesilatel, UCET)
        self.assertEqual(prijemci, ['prijemce@tervik.test', 'skryty@tervik.test'])
        self.assertEqual(schranka.auth, [False])
        self.assertIn(b'\r\nTo: <prijemce@tervik.test>\r\n', obsah.replace(b'\n', b'\r\n').replace(b'\r\r', b'\r'))
        self.assertNotIn(b'skryty@', obsah)
        zprava = self.jpeg(obsah, 'email-prijaty-snimek.jpg')
        self.assertIn(UCET, zprava['From'])
        # For the note: the received message's headers and MIME structure.
        with open(os.path.join(t.BUILD, 'email-prijata-zprava.txt'), 'w') as f:
            f.write('MAIL FROM: %s\nRCPT TO: %s\n\n' % (odesilatel, ', '.join(prijemci)))
            f.write(obsah.split(b'\r\n\r\n', 1)[0].decode('ascii', 'replace').replace('\r\n', '\n') + '\n\n')
            for cast in zprava.walk():
                f.write('%s %s %s\n' % (cast.get_content_type(), cast.get_content_disposition() or '',
                                        cast.get('Content-Transfer-Encoding', '')))
        for radek in ('odmítl adresu %s' % ODMITNUTY, 'byl úspěšně odeslán na email prijemce@tervik.test'):
            self.assertTrue(t.pockat_na(lambda: radek in t.log_kamery('Brana'), 20), t.log_kamery('Brana'))
        self.zavrit('Brana')

    def test_odmitnute_prihlaseni_ukonci_automaticke_odesilani(self):
        schranka = self.server()
        self.spustit('Dvur', ('127.0.0.1:%d' % self.port, 'spatne'), **{
            'Snimky email/akcePriChybe': 1, 'Snimky email/interval': 3, 'Po spusteni/snimkyEmail': 1})
        self.assertTrue(t.pockat_na(lambda: 'Bylo spuštěno automatické odesílání snímků emailem' in t.log_kamery('Dvur'),
                                    60), t.log_kamery('Dvur'))
        # The running activity's icon in the status bar's e-mail part, for a person to look at.
        t.snimek_obrazovky('okno-kamery-email.png')
        self.assertTrue(t.pockat_na(lambda: 'Bylo ukončeno automatické odesílání snímků emailem' in t.log_kamery('Dvur'),
                                    90), t.log_kamery('Dvur'))
        log = t.log_kamery('Dvur')
        # The failure's line names the step and the server's own reply, though "snimekEmailChyba" is off.
        for text in ('Nepodařilo se odeslat snímek', 'AUTH LOGIN', '535'):
            self.assertIn(text, log)
        self.assertEqual(schranka.zpravy, [])
        # Stopped: no further dispatch in two more periods.
        pokusu = log.count('Nepodařilo se odeslat snímek')
        time.sleep(7)
        self.assertEqual(t.log_kamery('Dvur').count('Nepodařilo se odeslat snímek'), pokusu)
        self.zavrit('Dvur')

    def test_pohyb_odesle_snimek(self):
        schranka = self.server()
        t.zapsat_hodnotu(r'Testovaci kamera', 'scena', 'REG_DWORD', 1)
        self.spustit('Chodba', ('127.0.0.1:%d' % self.port,), **{
            'Po spusteni/detekcePohybu': 1, r'Detekce pohybu\Disk/aktivni': 0, r'Detekce pohybu\Email/aktivni': 1,
            r'Detekce pohybu\Email/minInterval': 1})
        self.assertTrue(t.pockat_na(lambda: schranka.zpravy, 90), t.log_kamery('Chodba'))
        self.zavrit('Chodba')

    def test_planovany_cas_odesle_jeden_snimek(self):
        schranka = self.server()
        zapsat_ucet('127.0.0.1:%d' % self.port)
        kamera('Zahrada', **{'param_planovane_snimky/parametry': 4, 'Po spusteni/planovaneSnimkovani': 1})
        # A time of today some seconds ahead, for the camera to be up before it (a schedule never spans midnight).
        if time.localtime(time.time() + 60).tm_mday != time.localtime().tm_mday:
            time.sleep(70)
        cil = time.time() + 25
        c = time.localtime(cil)
        cas = c.tm_hour << 24 | c.tm_min << 16 | c.tm_sec << 8
        t.zapsat_hodnotu(r'Kamery\Zahrada\planovane_snimky', str(cas), 'REG_DWORD', cas)
        self.spustit('Zahrada')
        self.assertTrue(t.pockat_na(lambda: schranka.zpravy, 120), t.log_kamery('Zahrada'))
        # Past the time's window (10 s either side, checked every 5 s): it has fired once.
        time.sleep(max(0, cil + 20 - time.time()))
        self.assertEqual(len(schranka.zpravy), 1)
        self.jpeg(schranka.zpravy[0][2], 'email-planovany-snimek.jpg')
        self.zavrit('Zahrada')

    def test_odkaz_stranky_adres_posle_testovaci_zpravu_napsanemu_prijemci(self):
        schranka = self.server()
        self.spustit('Vratnice', ('127.0.0.1:%d' % self.port,), video=False)
        predvolby = 'Předvolby kamery Vratnice'
        self.assertEqual(t.pomocnik('prikaz', OKNO_KAMERY, '-', PREDVOLBY, 10000)[0], 0)
        self.assertEqual(t.pomocnik('cekat-okno', DIALOG, predvolby, 30000)[0], 0)
        rc, vystup = t.pomocnik('stranka-predvoleb', STRANKA_ADRES, 10000, predvolby)
        self.assertEqual((rc, vystup.split('\n')[0]), (0, 'Odesílatel a příjemci'), vystup)
        # A recipient typed but not confirmed; the link clicked with the mouse.
        novy = 'novy.prijemce@tervik.test'
        self.assertEqual(t.pomocnik('nastavit-text', DIALOG, predvolby, ID_PRIJEMCE, novy, 10000)[0], 0)
        self.assertEqual(t.pomocnik('kliknout-mysi', DIALOG, predvolby, ID_ODKAZU_TESTU, 10000)[0], 0)
        # The answer is a message box over the dialog.
        self.assertEqual(t.pomocnik('vlastnik', DIALOG, 'Tervik', 60000), (0, predvolby), t.log_kamery('Vratnice'))
        t.snimek_obrazovky('predvolby-kamery-testovaci-email.png')
        self.assertEqual(t.pomocnik('text-zpravy', 'Tervik', 10000),
                         (0, 'Testovací email byl úspěšně odeslán na adresu:\n%s.' % novy))
        self.assertEqual(len(schranka.zpravy), 1)
        odesilatel, prijemci, obsah = schranka.zpravy[0]
        self.assertEqual((odesilatel, prijemci), (UCET, [novy]))
        zprava = email.message_from_bytes(obsah, policy=email.policy.default)
        self.assertEqual([c.get_content_type() for c in zprava.walk()], ['text/plain'])
        self.assertEqual(zprava.get_content().strip(), 'Testovací zpráva aplikace "Tervik"')
        # Storno: the stored recipient is the old one.
        self.assertEqual(t.pomocnik('kliknout', DIALOG, predvolby, IDCANCEL, 10000)[0], 0)
        self.assertTrue(t.pockat_na(lambda: t.pomocnik('viditelne', DIALOG, predvolby, 0)[1] == '0', 30))
        r = t.wine('reg', 'query', r'%s\Kamery\Vratnice\Snimky email\Prijemce' % t.KOREN, '/v', 'email')
        self.assertRegex(r.stdout.decode('utf-8', 'replace'), r'REG_SZ\s+prijemce@tervik\.test\s')
        self.zavrit('Vratnice')

    def test_server_v_potizich_zapsan_svymi_slovy_dalsi_tik_uspeje_zaseknuty_neblokuje_zavreni(self):
        self.server(trida=ServerVPotizich)
        self.spustit('Sklep', ('127.0.0.1:%d' % self.port,), **{
            'Snimky email/interval': 3, 'Po spusteni/snimkyEmail': 1})
        self.assertTrue(t.pockat_na(lambda: CHYBA_SERVERU in t.log_kamery('Sklep'), 90), t.log_kamery('Sklep'))
        radek = [r for r in t.log_kamery('Sklep').splitlines() if CHYBA_SERVERU in r][0]
        print('log:', radek)
        self.assertIn('Nepodařilo se odeslat snímek', radek)
        # The server behaves again: a later tick of the same automatic sending gets through.
        schranka = self.server()
        self.assertTrue(t.pockat_na(lambda: schranka.zpravy, 60), t.log_kamery('Sklep'))
        self.assertTrue(t.pockat_na(lambda: 'byl úspěšně odeslán na email' in t.log_kamery('Sklep'), 30),
                        t.log_kamery('Sklep'))
        # Now it never greets: the dispatch waits for a greeting (30 s); closing cuts it off within the stop time-out.
        nemy = self.server(trida=lambda port: ServerVPotizich(port, nemy=True))
        self.assertTrue(t.pockat_na(lambda: nemy.spojeni, 60), t.log_kamery('Sklep'))
        self.zavrit('Sklep')
        self.assertIn('bylo při vypnutí kamery přerušeno', t.log_kamery('Sklep'))

    def test_starttls_dorucen_a_454_odmitnut(self):
        schranka = self.server(certifikat='dobry')
        self.spustit('Starttls', ('%s:%d' % (tls_testu.JMENO, self.port), HESLO, 1))
        self.odeslat('Starttls', lambda: schranka.zpravy)
        self.jpeg(schranka.zpravy[0][2], 'email-tls-starttls.jpg')
        self.assertEqual(schranka.auth, [True])
        # A server without TLS answers STARTTLS 454: refused, the login never sent.
        self.odmitnuti('Starttls', self.server(),
                       'Server localhost neumožňuje šifrované spojení (STARTTLS): 454 TLS not available')
        self.zavrit('Starttls')

    def test_implicitni_tls_dorucen_a_spatne_certifikaty_odmitnuty(self):
        schranka = self.server(certifikat='dobry', implicitni=True)
        self.spustit('Implicitni', ('%s:%d' % (tls_testu.JMENO, self.port), HESLO, 2))
        self.odeslat('Implicitni', lambda: schranka.zpravy)
        self.jpeg(schranka.zpravy[0][2], 'email-tls-implicitni.jpg')
        self.assertEqual(len(schranka.auth), 1)
        for certifikat, text in (
                ('jine_jmeno', 'Certifikát serveru localhost je vystaven na jiné jméno (jiny.example.com).'),
                ('prosly', 'Platnost certifikátu serveru localhost skončila 31. 1. 2024.'),
                ('cizi', 'Certifikát serveru localhost nevydala důvěryhodná certifikační autorita.')):
            with self.subTest(certifikat=certifikat):
                self.odmitnuti('Implicitni', self.server(certifikat=certifikat, implicitni=True), text)
        # The camera's log, for the note: the delivery and the refusals' texts.
        with open(os.path.join(t.BUILD, 'email-tls-implicitni.log'), 'w') as f:
            f.write(t.log_kamery('Implicitni'))
        self.zavrit('Implicitni')


if __name__ == '__main__':
    unittest.main()
