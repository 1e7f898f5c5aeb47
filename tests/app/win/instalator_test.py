"""The setup program under Wine, the whole road: a silent per-user install, its shortcut and entries, an upgrade
in place over it, the installed Tervik running, and the silent uninstaller ending it and removing what was
installed while the settings and the data folder stay."""
import filecmp
import glob
import os
import re
import shutil
import unittest

import tervik_proces as t

HLAVNI = 'RTervik4'
APP_ID = 'DunmarHolvent.Tervik.Aplikace'
KLIC_ODINSTALACE = r'HKCU\Software\Microsoft\Windows\CurrentVersion\Uninstall\Tervik'
KLIC_SPUSTENI = r'HKCU\Software\Microsoft\Windows\CurrentVersion\Run'


def instalator():
    """The setup program the build made (cmake/Instalator.cmake names it), else ''."""
    cesta = os.environ.get('TERVIK_INSTALATOR')
    if cesta is None:
        nalezene = sorted(glob.glob(os.path.join(t.BUILD, 'Tervik-*-setup.exe')))
        cesta = nalezene[-1] if nalezene else ''
    return cesta if cesta and os.path.isfile(cesta) else ''


def verze():
    with open(os.path.join(t.ZDROJ, 'resources', 'Tervik.rc'), encoding='utf-8') as f:
        return re.search(r'VALUE "ProductVersion", "([0-9.]+)"', f.read()).group(1)


def profil():
    return os.path.join(t.PREFIX, 'drive_c', 'users', t.uzivatel())


def windows(cesta):
    """A path inside the prefix's drive C: as the programs there see it."""
    return 'C:\\' + os.path.relpath(cesta, os.path.join(t.PREFIX, 'drive_c')).replace('/', '\\')


SLOZKA = os.path.join(profil(), 'AppData', 'Local', 'Programs', 'Tervik')
ZASTUPCE = os.path.join(profil(), 'AppData', 'Roaming', 'Microsoft', 'Windows', 'Start Menu', 'Programs', 'Tervik.lnk')


def hodnoty(klic):
    """The values of a registry key as {name: text} (REG_DWORD as a number); None when the key is missing."""
    r = t.wine('reg', 'query', klic)
    if r.returncode != 0:
        return None
    vysledek = {}
    for radek in r.stdout.decode('utf-8', 'replace').replace('\r', '').split('\n'):
        m = re.match(r'^\s+(\S.*?)\s+(REG_\w+)\s+(.*)$', radek)
        if m:
            jmeno, typ, data = m.groups()
            vysledek[jmeno] = int(data, 16) if typ == 'REG_DWORD' else data
    return vysledek


def uklidit():
    """No install of an earlier run is left: its folder, shortcut and entries."""
    shutil.rmtree(SLOZKA, ignore_errors=True)
    if os.path.exists(ZASTUPCE):
        os.remove(ZASTUPCE)
    t.reg('delete', KLIC_ODINSTALACE, '/f')
    t.reg('delete', KLIC_SPUSTENI, '/v', 'Tervik', '/f')


@unittest.skipUnless(os.environ.get('DISPLAY'), 'needs a display (Xvfb)')
class Instalator(unittest.TestCase):
    def setUp(self):
        self.setup = instalator()
        if not self.setup:
            self.skipTest('no setup program in the build: makensis was missing when it was configured '
                          '(tools/setup installs nsis, then configure build/win again)')
        self.proces = None
        uklidit()
        t.smazat_nastaveni()

    def tearDown(self):
        t.ukoncit(self.proces)
        uklidit()

    def nainstalovat(self, *prepinace):
        r = t.wine(self.setup, '/S', *prepinace, timeout=120)
        self.assertEqual(r.returncode, 0, r.stderr.decode('utf-8', 'replace')[-2000:])

    def test_instalace_aktualizace_a_odinstalace(self):
        program = os.path.join(SLOZKA, 'Tervik.exe')
        odinstalace = os.path.join(SLOZKA, 'Odinstalovat.exe')

        # A silent per-user install with the Run entry: the program alone (no test camera), its entries.
        self.nainstalovat('/PRIHLASENI=ano')
        self.assertEqual(sorted(os.listdir(SLOZKA)), ['Odinstalovat.exe', 'Tervik.exe'])
        self.assertTrue(filecmp.cmp(program, t.TERVIK, shallow=False))
        zaznam = hodnoty(KLIC_ODINSTALACE)
        self.assertIsNotNone(zaznam, 'no uninstall entry')
        velikost = (os.path.getsize(program) + os.path.getsize(odinstalace)) / 1024
        self.assertLessEqual(abs(zaznam.pop('EstimatedSize') - velikost), 2, 'EstimatedSize in KB')
        self.assertEqual(zaznam, {
            'DisplayName': 'Tervik', 'DisplayVersion': verze(), 'Publisher': 'Dunmar Holvent',
            'DisplayIcon': windows(program) + ',0', 'InstallLocation': windows(SLOZKA),
            'UninstallString': '"%s"' % windows(odinstalace),
            'QuietUninstallString': '"%s" /S' % windows(odinstalace), 'NoModify': 1, 'NoRepair': 1})
        self.assertEqual(hodnoty(KLIC_SPUSTENI).get('Tervik'), '"%s" /automaticky' % windows(program))
        rc, vystup = t.pomocnik('zastupce', windows(ZASTUPCE))
        self.assertEqual(rc, 0, vystup)
        # (Under Wine the ID is read from the file's property-store block: its shell keeps no properties.)
        self.assertEqual(vystup.split('\n')[:5], ['cil=' + windows(program), 'argumenty=', 'slozka=' + windows(SLOZKA),
                                                  'ikona=%s,0' % windows(program), 'id=' + APP_ID])

        # A second install over the first replaces the program in place and keeps the Run entry chosen before.
        with open(program, 'wb') as f:
            f.write(b'MZ stara verze')
        self.nainstalovat()
        self.assertTrue(filecmp.cmp(program, t.TERVIK, shallow=False), 'the program was not replaced')
        self.assertEqual(sorted(os.listdir(SLOZKA)), ['Odinstalovat.exe', 'Tervik.exe'])
        self.assertEqual(hodnoty(KLIC_ODINSTALACE)['InstallLocation'], windows(SLOZKA))
        self.assertEqual(hodnoty(KLIC_SPUSTENI).get('Tervik'), '"%s" /automaticky' % windows(program))

        # The installed program starts (one camera stored, so it asks nothing) and shows its main window.
        rc, vystup = t.pomocnik('kamera', 'Instalace', 3600000, 1, 0)
        self.assertEqual(rc, 0, vystup)
        t.zapsat_hodnotu(r'Kamery\Instalace', 'poSpusteni', 'REG_DWORD', 0)
        t.zapsat_hodnotu('Aktualizace', 'hledatPoSpusteni', 'REG_DWORD', 0)
        self.proces = t.na_pozadi(windows(program))
        rc, vystup = t.pomocnik('cekat-okno', HLAVNI, '-', 60000)
        self.assertEqual(rc, 0, 'the installed Tervik shows no main window')

        # The silent uninstaller ends the running Tervik, removes what was installed, keeps settings and data.
        r = t.wine(odinstalace, '/S', timeout=120)
        self.assertEqual(r.returncode, 0)
        self.assertIsNotNone(t.pockat(self.proces, 60), 'the uninstaller did not end the running Tervik')
        self.assertTrue(t.pockat_na(lambda: not os.path.exists(SLOZKA), 60), 'the program folder stays')
        self.assertFalse(os.path.exists(ZASTUPCE))
        self.assertIsNone(hodnoty(KLIC_ODINSTALACE))
        self.assertNotIn('Tervik', hodnoty(KLIC_SPUSTENI) or {})
        self.assertTrue(os.path.isfile(os.path.join(t.slozka_dat(), 'Tervik.log')))
        self.assertIsNotNone(hodnoty(t.KOREN + r'\Kamery\Instalace'))


if __name__ == '__main__':
    unittest.main()
