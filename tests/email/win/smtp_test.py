"""The Winsock SMTP client of the program against a real SMTP server on the loopback."""
import email
import email.policy
import os
import random
import sys
import unittest

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
import smtp_server  # noqa: E402
import tervik_proces as t  # noqa: E402

TESTY = os.path.join(t.BUILD, 'tervik_testy_win.exe')
SLOZKA = os.path.join(t.BUILD, 'email_smtp_test')


class SmtpSkutecnyServer(unittest.TestCase):
    def setUp(self):
        os.makedirs(SLOZKA, exist_ok=True)
        nahoda = random.Random(4)
        self.prilohy = {
            'snimek.jpg': bytes(nahoda.randrange(256) for _ in range(30000)),
            'snimek.2026.png': b'\x89PNG\r\n\x1a\n' + b'.\r\n.\r\n' + bytes(range(256)) * 8,
        }
        self.cesty = []
        for jmeno, data in self.prilohy.items():
            cesta = os.path.join(SLOZKA, jmeno)
            with open(cesta, 'wb') as f:
                f.write(data)
            self.cesty.append(t.windows_cesta(cesta))
        self.server = None

    def tearDown(self):
        if self.server:
            self.server.zastavit()

    def odeslat(self, nastaveni, prijemci, ocekavano, uzivatel='', heslo=''):
        self.server = smtp_server.Server(nastaveni).spustit()
        prostredi = {
            'TERVIK_SMTP_PORT': str(self.server.port),
            'TERVIK_SMTP_UZIVATEL': uzivatel,
            'TERVIK_SMTP_HESLO': heslo,
            'TERVIK_SMTP_PRIJEMCI': ';'.join(prijemci),
            'TERVIK_SMTP_PRILOHY': ';'.join(self.cesty),
            'TERVIK_SMTP_OCEKAVANO': str(ocekavano),
        }
        r = t.wine(TESTY, '--gtest_filter=SmtpSkutecnyServer.*', prostredi=prostredi, timeout=120)
        vystup = r.stdout.decode('utf-8', 'replace')
        self.assertEqual(r.returncode, 0, vystup + '\n'.join(self.server.prepis))
        self.assertIn('[  PASSED  ] 1 test', vystup)
        return self.server

    def test_zprava_se_dvema_prilohami_dojde_cela(self):
        server = self.odeslat(smtp_server.Nastaveni(uzivatel='kamera', heslo='tajné heslo'),
                              ['prijemce@example.com', 'skryty@example.com'], 0, 'kamera', 'tajné heslo')
        self.assertEqual(len(server.zpravy), 1)
        z = server.zpravy[0]
        self.assertEqual(z.odesilatel, 'kamera@example.com')
        self.assertEqual(z.prijemci, ['prijemce@example.com', 'skryty@example.com'])
        with open(os.path.join(SLOZKA, 'prijata.eml'), 'wb') as f:
            f.write(z.data)
        with open(os.path.join(SLOZKA, 'prepis.txt'), 'w', encoding='utf-8') as f:
            f.write('\n'.join(server.prepis) + '\n')
        zprava = email.message_from_bytes(z.data, policy=email.policy.default)
        self.assertEqual(zprava['Subject'], 'Snímek z webkamery č. 1')
        self.assertEqual(str(zprava['From']), 'Kamera u vchodu <kamera@example.com>')
        self.assertEqual([a.addr_spec for a in zprava['To'].addresses], ['prijemce@example.com'])
        self.assertNotIn('skryty', z.data.decode('latin-1'))
        self.assertEqual(zprava.get_content_type(), 'multipart/mixed')
        casti = [c for c in zprava.walk() if not c.is_multipart()]
        self.assertEqual(len(casti), 3)
        self.assertEqual(casti[0].get_content_type(), 'text/html')
        self.assertEqual(casti[0].get_content_charset(), 'utf-8')
        self.assertIn('Žluťoučký kůň úpěl ďábelské ódy.', casti[0].get_content())
        for cast, (jmeno, data) in zip(casti[1:], self.prilohy.items()):
            self.assertEqual(cast.get_filename(), jmeno)
            self.assertEqual(cast.get_content_disposition(), 'inline')
            self.assertEqual(cast.get_payload(decode=True), data)
        self.assertEqual(casti[1].get_content_type(), 'image/jpeg')
        # The lookup key runs from the first dot: ".2026.png" is no known type.
        self.assertEqual(casti[2].get_content_type(), 'application/octet-stream')
        self.assertEqual(sum(len(c.defects) for c in zprava.walk()), 0)

    def test_spatne_heslo_skonci_530_a_nic_neodejde(self):
        server = self.odeslat(smtp_server.Nastaveni(uzivatel='kamera', heslo='spravne'),
                              ['prijemce@example.com'], 530, 'kamera', 'spatne')
        self.assertEqual(server.zpravy, [])
        # The authentication rounds after 530 are bounded.
        self.assertEqual(sum(1 for r in server.prepis if r.startswith('C: AUTH LOGIN')), 4)

    def test_odmitnuty_prijemce_je_vynechan(self):
        server = self.odeslat(smtp_server.Nastaveni(odmitnuti=['neznamy@example.com']),
                              ['neznamy@example.com', 'prijemce@example.com'], 0)
        self.assertEqual(len(server.zpravy), 1)
        self.assertEqual(server.zpravy[0].prijemci, ['prijemce@example.com'])

    def test_chyba_po_datech_se_vrati(self):
        server = self.odeslat(smtp_server.Nastaveni(chyby={'KONEC': 554}), ['prijemce@example.com'], 554)
        self.assertEqual(server.zpravy, [])
        self.assertIn('C: QUIT', server.prepis)


if __name__ == '__main__':
    unittest.main()
