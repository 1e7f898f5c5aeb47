"""A registry full of values of wrong types under the real Tervik.exe: every value that the program's own code stores
for the application and a camera is rewritten with another type; the program starts, shows the application's and
the camera's load message once each and no other, runs with the defaults of the failed values, and saving (the
settings dialog's OK, closing the camera) writes every value back with its own type."""
import os
import re
import shutil
import subprocess
import unittest

import tervik_proces as t

HLAVNI = 'RTervik4'
OKNO_KAMERY = 'Tervik4Tervik'
KAMERA = 'Sklep'
DIALOG = '#32770'
PREDVOLBY = 'Předvolby aplikace'
IDOK = 1
NASTAVIT_VYCHOZI, ZAPNOUT_VYCHOZI = 40015, 40066

# Per stored type, the wrong ones taken in turn (.reg notation; "%s" is the value's name). Wrong sizes of the right
# type are the native tests' (reg cannot show them).
SPATNE = {
    'REG_DWORD': ['"%s"="1"', '"%s"=hex:01,00,00,00', '"%s"=hex(b):01,00,00,00,00,00,00,00', '"%s"=hex(0):',
                  '"%s"=hex(7):31,00,00,00,00,00'],
    'REG_SZ': ['"%s"=dword:00000007', '"%s"=hex(2):31,00,00,00', '"%s"=hex(7):31,00,00,00,00,00', '"%s"=hex:61,00'],
    'REG_BINARY': ['"%s"=dword:00000001', '"%s"="x"', '"%s"=hex(b):01,02,03,04,05,06,07,08'],
}


def hodnoty():
    """{(key below the root, value name): (type, data as reg shows it)} of everything under the root."""
    r = t.wine('reg', 'query', t.KOREN, '/s')
    vysledek = {}
    klic = None
    for radek in r.stdout.decode('utf-8', 'replace').replace('\r', '').split('\n'):
        if radek.startswith('HKEY_'):
            klic = radek[len('HKEY_CURRENT_USER\\' + t.KOREN[len('HKCU\\'):]):].lstrip('\\')
            continue
        m = re.match(r'^    (.+?)    (REG_\w+)    ?(.*)$', radek)
        if m and klic is not None:
            vysledek[(klic, m.group(1))] = (m.group(2), m.group(3))
    return vysledek


def zpravy_do(sekundy):
    """The texts of the program's message boxes, each confirmed, until none comes for the given seconds."""
    texty = []
    for _ in range(10):
        rc, text = t.pomocnik('text-zpravy', 'Tervik', sekundy * 1000)
        if rc != 0:
            break
        texty.append(text)
    return texty


@unittest.skipUnless(t.je_testovaci_kamera(), 'testovací kamera není zaregistrovaná')
class RegistrSeSpatnymiTypy(unittest.TestCase):
    def setUp(self):
        t.smazat_nastaveni()
        self.proces = None

    def tearDown(self):
        t.ukoncit(self.proces, OKNO_KAMERY)
        t.smazat_nastaveni()

    def test_spatne_typy_zprava_jednou_a_ulozeni_opravi_typy(self):
        # The application's and a camera's values as the program's own code writes them.
        rc, vystup = t.pomocnik('kamera', KAMERA, 3600000, 1, 0)
        self.assertEqual(rc, 0, vystup)
        puvodni = hodnoty()
        self.assertGreater(len(puvodni), 200, puvodni)

        # Each rewritten with a wrong type, the kinds taken in turn.
        radky = ['REGEDIT4', '']
        klice = {}
        for n, ((klic, jmeno), (typ, _)) in enumerate(sorted(puvodni.items())):
            spatne = SPATNE[typ]
            klice.setdefault(klic, []).append(spatne[n % len(spatne)] % jmeno)
        for klic, zapisy in klice.items():
            radky.append('[HKEY_CURRENT_USER\\%s%s]' % (t.KOREN[len('HKCU\\'):], '\\' + klic if klic else ''))
            radky += zapisy + ['']
        soubor = os.path.join(t.BUILD, 'registr_spatne_typy.reg')
        with open(soubor, 'w', encoding='ascii', newline='\r\n') as f:
            f.write('\n'.join(radky))
        self.assertEqual(t.reg('import', t.windows_cesta(soubor)), 0)
        spatne = hodnoty()
        self.assertEqual([h for h in puvodni if spatne[h][0] == puvodni[h][0]], [])

        # The start: the application's load message, then the camera's, each once, and no other.
        self.proces = t.na_pozadi(t.TERVIK)
        self.assertEqual(t.pomocnik('cekat-okno', DIALOG, 'Tervik', 60000)[0], 0)
        if shutil.which('import') and os.environ.get('DISPLAY'):
            subprocess.run(['import', '-window', 'root', os.path.join(t.BUILD, 'registr-zprava-nacteni.png')],
                           capture_output=True, timeout=30)
        texty = zpravy_do(30)
        self.assertEqual(t.pomocnik('cekat-okno', HLAVNI, '-', 30000)[0], 0)
        # The main window answers (the after-start steps have run), and nothing else was shown meanwhile.
        self.assertEqual(t.pomocnik('poslat-zpravu', HLAVNI, '-', 0, 0, 0, 10000)[0], 0)
        texty += zpravy_do(3)
        self.assertEqual(len(texty), 2, texty)
        self.assertTrue(texty[0].startswith('Došlo k chybě při načítání konfigurace z registru Windows.\n\nChyba: '),
                        texty)
        self.assertTrue(texty[1].startswith('Došlo k chybě při načítání konfigurace kamery %s.\n\nChyba: ' % KAMERA),
                        texty)

        # Saving: the settings dialog's OK writes the application's values; the camera switched on and closed
        # writes its own.
        self.assertEqual(t.pomocnik('prikaz', HLAVNI, '-', 40002, 10000)[0], 0)
        self.assertEqual(t.pomocnik('cekat-okno', DIALOG, PREDVOLBY, 30000)[0], 0)
        self.assertEqual(t.pomocnik('kliknout', DIALOG, PREDVOLBY, IDOK, 10000)[0], 0)
        self.assertTrue(t.pockat_na(lambda: t.pomocnik('cekat-okno', DIALOG, PREDVOLBY, 500)[0] != 0, 30))
        self.assertEqual(t.pomocnik('prikaz', HLAVNI, '-', NASTAVIT_VYCHOZI, 10000)[0], 0)
        self.assertEqual(t.pomocnik('prikaz', HLAVNI, '-', ZAPNOUT_VYCHOZI, 10000)[0], 0)
        self.assertEqual(t.pomocnik('cekat-okno', OKNO_KAMERY, '-', 60000)[0], 0)
        self.assertEqual(t.pomocnik('zavrit-okno', OKNO_KAMERY, '-', 10000)[0], 0)
        self.assertTrue(t.pockat_na(lambda: t.pomocnik('cekat-okno', OKNO_KAMERY, '-', 500)[0] != 0, 60))
        self.assertEqual(zpravy_do(1), [])
        self.assertEqual(t.pomocnik('zavrit-okno', HLAVNI, '-', 10000)[0], 0)
        self.assertEqual(t.pockat(self.proces), 0, getattr(self.proces, 'chyby', b'')[-2000:])
        self.proces = None

        # Every value has its own type again; the failed ones hold their defaults.
        po = hodnoty()
        self.assertEqual({h: po.get(h, ('chybí',))[0] for h in puvodni}, {h: v[0] for h, v in puvodni.items()})
        self.assertEqual((puvodni[('Kamery\\' + KAMERA, 'poSpusteni')][1], po[('Kamery\\' + KAMERA, 'poSpusteni')][1]),
                         ('0x1', '0x0'))


if __name__ == '__main__':
    unittest.main()
