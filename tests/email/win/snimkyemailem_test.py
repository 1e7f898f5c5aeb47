"""Snapshots by e-mail in the real Tervik.exe under Wine with the virtual test camera and a real SMTP server
(aiosmtpd on a free loopback port, reached through "127.0.0.1:port" in the account's server): a snapshot reaches
the recipient as a decodable JPEG with the right envelope, a refused hidden recipient is logged while the others
get the message, a refused login with "akcePriChybe" 1 stops automatic sending, motion sends, a scheduled time
sends one snapshot, the link of the settings' addresses page sends the plain test message to the recipient the page
shows (video off, the answer over the dialog, nothing stored after Storno), and hostile servers: one that answers
4xx to everything is logged with its words while automatic sending goes on and succeeds once the server behaves
again, and closing the camera during a dispatch to a server that never greets ends the process within the stop
time-out."""
import email
import email.policy
import os
import re
import socket
import subprocess
import sys
import time
import unittest

from aiosmtpd.controller import Controller
from aiosmtpd.smtp import SMTP, AuthResult

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
import smtp_server  # noqa: E402
import tervik_proces as t  # noqa: E402

OKNO_KAMERY = 'Tervik4Tervik'
KLIC_TESTOVACI_KAMERY = r'Testovaci kamera'
UCET = 'kamera@tervik.test'
LOGIN, HESLO = 'kamera', 'tajne heslo'
ODMITNUTY = 'odmitnuty@tervik.test'
DIALOG = '#32770'
PREDVOLBY, IDCANCEL = 40030, 2
# The settings dialog's page "Odesílatel a příjemci" (its place in the tree), the control of its recipient (the
# second value of the page; 59 values of the pages before it, four ids a value from 2000, the edit one after the
# label) and its link "Odeslat testovací (textovou) emailovou zprávu".
STRANKA_ADRES, ID_PRIJEMCE, ID_ODKAZU_TESTU = 8, 2000 + 4 * (59 + 1) + 1, 1931


def volny_port():
    with socket.socket() as s:
        s.bind(('127.0.0.1', 0))
        return s.getsockname()[1]


class SmtpSLoginem(SMTP):
    # The program's client answers the challenges the common servers send.
    AuthLoginUsernameChallenge = 'Username:'
    AuthLoginPasswordChallenge = 'Password:'


class Schranka:
    """What the server received, and the recipients it refuses."""

    def __init__(self, odmitnout=()):
        self.zpravy = []
        self.odmitnout = set(odmitnout)
        self.prihlaseni = 0

    async def handle_RCPT(self, server, session, envelope, address, rcpt_options):
        if address in self.odmitnout:
            return '550 5.1.1 Adresat neexistuje'
        envelope.rcpt_tos.append(address)
        return '250 OK'

    async def handle_DATA(self, server, session, envelope):
        self.zpravy.append((envelope.mail_from, list(envelope.rcpt_tos), envelope.content))
        return '250 OK'


class Server(Controller):
    def __init__(self, schranka):
        self.port = volny_port()
        super().__init__(schranka, hostname='127.0.0.1', port=self.port)

    def factory(self):
        def overit(server, session, envelope, mechanism, auth_data):
            self.handler.prihlaseni += 1
            ok = auth_data.login == LOGIN.encode() and auth_data.password == HESLO.encode()
            # Not handled: the server itself answers 535 to a refused login.
            return AuthResult(success=ok, handled=ok)
        return SmtpSLoginem(self.handler, authenticator=overit, auth_require_tls=False, auth_required=True)


def zapsat_ucet(server, heslo=HESLO):
    """The account store with one account (the record file is UTF-16LE)."""
    os.makedirs(t.slozka_dat(), exist_ok=True)
    text = ('<ucet>\r\n <email>%s</email>\r\n <heslo>%s</heslo>\r\n <id>%s</id>\r\n <jmeno>Kamera</jmeno>\r\n'
            ' <server>%s</server>\r\n</ucet>\r\n') % (UCET, heslo, LOGIN, server)
    with open(os.path.join(t.slozka_dat(), 'EmailoveUcty.rxml'), 'wb') as f:
        f.write(text.encode('utf-16-le'))


def kamera(jmeno, prijemce='prijemce@tervik.test', dalsi='', video=True):
    rc, vystup = t.pomocnik('kamera', jmeno, 100000, 1, 1 if video else 0)
    assert rc == 0, vystup
    k = r'Kamery\%s' % jmeno
    t.zapsat_hodnotu(k + r'\Po spusteni', 'snimkyDisk', 'REG_DWORD', 0)
    t.zapsat_hodnotu(k + r'\Snimky email\Odesilatel', 'emailUcet', 'REG_SZ', UCET)
    t.zapsat_hodnotu(k + r'\Snimky email\Prijemce', 'email', 'REG_SZ', prijemce)
    if dalsi:
        t.zapsat_hodnotu(k + r'\Snimky email\Prijemce', 'dalsiEmaily', 'REG_SZ', dalsi)
    t.zapsat_hodnotu(k + r'\Snimky email', 'zpravaIkona', 'REG_DWORD', 0)
    for prepinac in ('snimekEmail', 'spusteniSnimkovaniEmail', 'ukonceniSnimkovaniEmail'):
        t.zapsat_hodnotu(k + r'\Logovani', prepinac, 'REG_DWORD', 1)


def text_kamery(jmeno, podklic, hodnota):
    r = t.wine('reg', 'query', r'%s\Kamery\%s\%s' % (t.KOREN, jmeno, podklic), '/v', hodnota)
    m = re.search(r'REG_SZ\s+(.*)', r.stdout.decode('utf-8', 'replace'))
    return m.group(1).strip() if m else None


def smazat_logy():
    if os.path.isdir(t.slozka_dat()):
        for soubor in os.listdir(t.slozka_dat()):
            if soubor.endswith('.log') or '_email' in soubor or soubor.endswith('.rxml'):
                os.remove(os.path.join(t.slozka_dat(), soubor))


@unittest.skipUnless(t.je_testovaci_kamera(), 'testovací kamera není zaregistrovaná')
class SnimkyEmailem(unittest.TestCase):
    def setUp(self):
        t.smazat_nastaveni()
        smazat_logy()
        t.zapsat_hodnotu(KLIC_TESTOVACI_KAMERY, 'scena', 'REG_DWORD', 0)
        self.proces = None
        self.servery = []

    def tearDown(self):
        t.ukoncit(self.proces, OKNO_KAMERY)
        for s in self.servery:
            s.stop() if isinstance(s, Controller) else s.zastavit()
        t.smazat_nastaveni()
        smazat_logy()

    def server(self, odmitnout=()):
        schranka = Schranka(odmitnout)
        s = Server(schranka)
        s.start()
        self.servery.append(s)
        return s, schranka

    def spustit(self, jmeno):
        self.proces = t.na_pozadi(t.TERVIK, '-ka', jmeno)
        self.assertEqual(t.pomocnik('cekat-okno', OKNO_KAMERY, jmeno + ' - Připraven', 30000)[0], 0)

    def zavrit(self, jmeno):
        self.assertEqual(t.pomocnik('zavrit-okno', OKNO_KAMERY, jmeno + ' - Připraven', 20000)[0], 0)
        self.assertEqual(t.pockat(self.proces), 0, getattr(self.proces, 'chyby', b'')[-2000:])

    def test_snimek_dorazi_jako_jpeg_skryti_jen_v_obalce_odmitnuty_zalogovan(self):
        server, schranka = self.server(odmitnout=[ODMITNUTY])
        zapsat_ucet('127.0.0.1:%d' % server.port)
        kamera('Brana', dalsi='skryty@tervik.test; %s;\r\n' % ODMITNUTY)
        self.spustit('Brana')
        # The video comes on after start; 40053 sends one snapshot.
        self.assertTrue(t.pockat_na(lambda: t.pomocnik('prikaz', OKNO_KAMERY, '-', 40053, 5000)[0] == 0 and
                                    t.pockat_na(lambda: schranka.zpravy, 15), 90), t.log_kamery('Brana'))
        odesilatel, prijemci, obsah = schranka.zpravy[0]
        self.assertEqual(odesilatel, UCET)
        self.assertEqual(prijemci, ['prijemce@tervik.test', 'skryty@tervik.test'])
        zprava = email.message_from_bytes(obsah, policy=email.policy.default)
        self.assertIn(b'\r\nTo: <prijemce@tervik.test>\r\n', obsah.replace(b'\n', b'\r\n').replace(b'\r\r', b'\r'))
        self.assertIn(UCET, zprava['From'])
        self.assertNotIn(b'skryty@', obsah)
        prilohy = [c for c in zprava.walk() if c.get_content_type() == 'image/jpeg']
        self.assertEqual(len(prilohy), 1)
        self.assertEqual(prilohy[0].get_content_disposition(), 'inline')
        jpeg = prilohy[0].get_content()
        snimek = os.path.join(t.BUILD, 'email-prijaty-snimek.jpg')
        with open(snimek, 'wb') as f:
            f.write(jpeg)
        # Decoded in full by ImageMagick: a JPEG of the camera's frame size.
        r = subprocess.run(['identify', '-regard-warnings', snimek], capture_output=True, timeout=30)
        self.assertEqual(r.returncode, 0, r.stderr)
        self.assertIn(b'JPEG 640x480', r.stdout)
        # For the note: the received message's headers and MIME structure.
        with open(os.path.join(t.BUILD, 'email-prijata-zprava.txt'), 'w') as f:
            f.write('MAIL FROM: %s\nRCPT TO: %s\n\n' % (odesilatel, ', '.join(prijemci)))
            f.write(obsah.split(b'\r\n\r\n', 1)[0].decode('ascii', 'replace').replace('\r\n', '\n') + '\n\n')
            for cast in zprava.walk():
                f.write('%s %s %s\n' % (cast.get_content_type(), cast.get_content_disposition() or '',
                                        cast.get('Content-Transfer-Encoding', '')))
        self.assertTrue(t.pockat_na(lambda: 'odmítl adresu %s' % ODMITNUTY in t.log_kamery('Brana'), 20),
                        t.log_kamery('Brana'))
        self.assertTrue(t.pockat_na(lambda: 'byl úspěšně odeslán na email prijemce@tervik.test' in t.log_kamery('Brana'),
                                    20), t.log_kamery('Brana'))
        self.zavrit('Brana')

    def test_odmitnute_prihlaseni_ukonci_automaticke_odesilani(self):
        server, schranka = self.server()
        zapsat_ucet('127.0.0.1:%d' % server.port, heslo='spatne')
        kamera('Dvur')
        k = r'Kamery\Dvur'
        t.zapsat_hodnotu(k + r'\Snimky email', 'akcePriChybe', 'REG_DWORD', 1)
        t.zapsat_hodnotu(k + r'\Snimky email', 'interval', 'REG_DWORD', 3)
        t.zapsat_hodnotu(k + r'\Po spusteni', 'snimkyEmail', 'REG_DWORD', 1)
        self.spustit('Dvur')
        self.assertTrue(t.pockat_na(lambda: 'Bylo spuštěno automatické odesílání snímků emailem' in t.log_kamery('Dvur'),
                                    60), t.log_kamery('Dvur'))
        # The running activity's icon in the status bar's e-mail part, for a person to look at.
        subprocess.run(['import', '-window', 'root', os.path.join(t.BUILD, 'okno-kamery-email.png')],
                       capture_output=True, timeout=30)
        self.assertTrue(t.pockat_na(lambda: 'Bylo ukončeno automatické odesílání snímků emailem' in t.log_kamery('Dvur'),
                                    90), t.log_kamery('Dvur'))
        log = t.log_kamery('Dvur')
        # The failure's line names the step and the server's own reply, though "snimekEmailChyba" is off.
        self.assertIn('Nepodařilo se odeslat snímek', log)
        self.assertIn('AUTH LOGIN', log)
        self.assertIn('535', log)
        self.assertEqual(schranka.zpravy, [])
        # Stopped: no further dispatch in two more periods.
        pokusu = log.count('Nepodařilo se odeslat snímek')
        time.sleep(7)
        self.assertEqual(t.log_kamery('Dvur').count('Nepodařilo se odeslat snímek'), pokusu)
        self.zavrit('Dvur')

    def test_pohyb_odesle_snimek(self):
        server, schranka = self.server()
        zapsat_ucet('127.0.0.1:%d' % server.port)
        kamera('Chodba')
        k = r'Kamery\Chodba'
        t.zapsat_hodnotu(k + r'\Po spusteni', 'detekcePohybu', 'REG_DWORD', 1)
        t.zapsat_hodnotu(k + r'\Detekce pohybu\Disk', 'aktivni', 'REG_DWORD', 0)
        t.zapsat_hodnotu(k + r'\Detekce pohybu\Email', 'aktivni', 'REG_DWORD', 1)
        t.zapsat_hodnotu(k + r'\Detekce pohybu\Email', 'minInterval', 'REG_DWORD', 1)
        t.zapsat_hodnotu(KLIC_TESTOVACI_KAMERY, 'scena', 'REG_DWORD', 1)
        self.spustit('Chodba')
        self.assertTrue(t.pockat_na(lambda: schranka.zpravy, 90), t.log_kamery('Chodba'))
        self.zavrit('Chodba')

    def test_planovany_cas_odesle_jeden_snimek(self):
        server, schranka = self.server()
        zapsat_ucet('127.0.0.1:%d' % server.port)
        kamera('Zahrada')
        k = r'Kamery\Zahrada'
        t.zapsat_hodnotu(k + r'\param_planovane_snimky', 'parametry', 'REG_DWORD', 4)
        t.zapsat_hodnotu(k + r'\Po spusteni', 'planovaneSnimkovani', 'REG_DWORD', 1)
        # A time of today some seconds ahead, for the camera to be up before it (a schedule never spans midnight).
        if time.localtime(time.time() + 60).tm_mday != time.localtime().tm_mday:
            time.sleep(70)
        cil = time.time() + 25
        c = time.localtime(cil)
        cas = c.tm_hour << 24 | c.tm_min << 16 | c.tm_sec << 8
        t.zapsat_hodnotu(k + r'\planovane_snimky', str(cas), 'REG_DWORD', cas)
        self.spustit('Zahrada')
        self.assertTrue(t.pockat_na(lambda: schranka.zpravy, 120), t.log_kamery('Zahrada'))
        # Past the time's window (10 s either side, checked every 5 s): it has fired once.
        time.sleep(max(0, cil + 20 - time.time()))
        self.assertEqual(len(schranka.zpravy), 1)
        zprava = email.message_from_bytes(schranka.zpravy[0][2], policy=email.policy.default)
        self.assertEqual(len([c for c in zprava.walk() if c.get_content_type() == 'image/jpeg']), 1)
        self.zavrit('Zahrada')

    def test_odkaz_stranky_adres_posle_testovaci_zpravu_napsanemu_prijemci(self):
        server, schranka = self.server()
        zapsat_ucet('127.0.0.1:%d' % server.port)
        kamera('Vratnice', video=False)
        self.spustit('Vratnice')
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
        subprocess.run(['import', '-window', 'root', os.path.join(t.BUILD, 'predvolby-kamery-testovaci-email.png')],
                       capture_output=True, timeout=30)
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
        self.assertEqual(text_kamery('Vratnice', r'Snimky email\Prijemce', 'email'), 'prijemce@tervik.test')
        self.zavrit('Vratnice')

    def test_server_v_potizich_zapsan_svymi_slovy_dalsi_tik_uspeje_zaseknuty_neblokuje_zavreni(self):
        nastaveni = smtp_server.Nastaveni(uzivatel=LOGIN, heslo=HESLO, vsem='451 4.3.0 Docasna chyba serveru')
        server = smtp_server.Server(nastaveni).spustit()
        self.servery.append(server)
        zapsat_ucet('127.0.0.1:%d' % server.port)
        kamera('Sklep')
        k = r'Kamery\Sklep'
        t.zapsat_hodnotu(k + r'\Snimky email', 'interval', 'REG_DWORD', 3)
        t.zapsat_hodnotu(k + r'\Po spusteni', 'snimkyEmail', 'REG_DWORD', 1)
        self.spustit('Sklep')
        self.assertTrue(t.pockat_na(lambda: '451 4.3.0 Docasna chyba serveru' in t.log_kamery('Sklep'), 90),
                        t.log_kamery('Sklep'))
        radek = [r for r in t.log_kamery('Sklep').splitlines() if '451 4.3.0' in r][0]
        print('log:', radek)
        self.assertIn('Nepodařilo se odeslat snímek', radek)
        # The server behaves again: a later tick of the same automatic sending gets through.
        nastaveni.vsem = None
        self.assertTrue(t.pockat_na(lambda: server.zpravy, 60), t.log_kamery('Sklep'))
        self.assertTrue(t.pockat_na(lambda: 'byl úspěšně odeslán na email' in t.log_kamery('Sklep'), 30),
                        t.log_kamery('Sklep'))
        # Now it never greets: the dispatch waits for a greeting (30 s); closing cuts it off within the stop time-out.
        nastaveni.nemy = True
        self.assertTrue(t.pockat_na(lambda: server.nemych, 60), t.log_kamery('Sklep'))
        self.zavrit('Sklep')
        self.assertIn('bylo při vypnutí kamery přerušeno', t.log_kamery('Sklep'))


if __name__ == '__main__':
    unittest.main()
