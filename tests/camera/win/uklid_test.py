"""Storage retention in the real Tervik.exe under Wine: at the camera's start only its own old files go from a folder
shared with another camera and the user; on a small full disk the snapshots go on, the oldest give way, and the
log shows the runs while the full disk is reported once."""
import os
import re
import subprocess
import time
import unittest

import tervik_proces as t

OKNO_KAMERY = 'Tervik4Tervik'
JMENO = 'Dvur'
DEN = 86400
DISK = 't:'  # the drive letter the small disk gets in the prefix


def slozka_c(nazev):
    return os.path.join(t.PREFIX, 'drive_c', nazev)


def zapsat(cesta, data=b'x' * 1000, stari_dni=0):
    with open(cesta, 'wb') as f:
        f.write(data)
    cas = time.time() - stari_dni * DEN
    os.utime(cesta, (cas, cas))


def kamera(slozka, video, **uklid):
    rc, vystup = t.pomocnik('kamera', JMENO, 400, 1, 1 if video else 0)
    assert rc == 0, vystup
    t.zapsat_hodnotu(r'Kamery\%s\Po spusteni' % JMENO, 'snimkyDisk', 'REG_DWORD', 1 if video else 0)
    t.zapsat_hodnotu(r'Kamery\%s\Snimky disk' % JMENO, 'slozka', 'REG_SZ', slozka)
    t.zapsat_hodnotu(r'Kamery\%s\Logovani' % JMENO, 'uklid', 'REG_DWORD', 1)
    for jmeno, hodnota in uklid.items():
        t.zapsat_hodnotu(r'Kamery\%s\Uklid' % JMENO, jmeno, 'REG_DWORD', hodnota)


def behy():
    return re.findall(r'Úklid: smazáno (\d+) souborů \(([^)]*)\), volné místo (.+)', t.log_kamery(JMENO))


@unittest.skipUnless(t.je_testovaci_kamera(), 'testovací kamera není zaregistrovaná')
class Uklid(unittest.TestCase):
    def setUp(self):
        t.smazat_nastaveni()
        self.proces = None
        self.pripojeno = None
        self.odkaz = None
        self.slozka = slozka_c('uklid_test')
        subprocess.run(['rm', '-rf', self.slozka])
        os.makedirs(self.slozka)
        log = os.path.join(t.slozka_dat(), JMENO + '.log')
        if os.path.exists(log):
            os.remove(log)

    def tearDown(self):
        t.ukoncit(self.proces, OKNO_KAMERY)
        t.smazat_nastaveni()
        subprocess.run(['chmod', '-R', 'u+w', self.slozka])
        subprocess.run(['rm', '-rf', self.slozka])
        if self.odkaz and os.path.islink(self.odkaz):
            os.remove(self.odkaz)
        if self.pripojeno:
            subprocess.run(['umount', self.pripojeno], capture_output=True)

    def spustit(self):
        self.proces = t.na_pozadi(t.TERVIK, '-ka', JMENO)
        self.assertEqual(t.pomocnik('cekat-okno', OKNO_KAMERY, JMENO + ' - Připraven', 30000)[0], 0)

    def zavrit(self):
        self.assertEqual(t.pomocnik('zavrit-okno', OKNO_KAMERY, JMENO + ' - Připraven', 10000)[0], 0)
        self.assertEqual(t.pockat(self.proces), 0, getattr(self.proces, 'chyby', b'')[-2000:])

    def test_po_startu_zmizi_jen_stare_soubory_teto_kamery(self):
        s = self.slozka
        for n in range(1, 51):
            zapsat(os.path.join(s, '%s_%d.jpg' % (JMENO, n)), stari_dni=40)
        zustanou = ['%s_51.jpg' % JMENO, '%s_52.jpg' % JMENO]
        for nazev in zustanou:
            zapsat(os.path.join(s, nazev))
        cizi = ['%s2_%d.jpg' % (JMENO, n) for n in range(1, 6)] + [
            'dovolena.jpg', '%s poznamky.txt' % JMENO, '5.12.2026 07-05-09.jpg', '%s_7.jpeg' % JMENO]
        for nazev in cizi:
            zapsat(os.path.join(s, nazev), stari_dni=40)
        os.makedirs(os.path.join(s, '%s_60.jpg' % JMENO))  # a folder is never the camera's file
        # A file that cannot be deleted is logged and skipped; the run goes on.
        chraneny = os.path.join(s, '%s_53.jpg' % JMENO)
        zapsat(chraneny, stari_dni=40)
        os.chmod(chraneny, 0o444)
        kamera(r'C:\uklid_test', video=False, maxStariDni=30)

        self.spustit()
        self.assertTrue(t.pockat_na(lambda: behy(), 60), t.log_kamery(JMENO))
        self.zavrit()
        zbyva = sorted(os.listdir(s))
        self.assertEqual(zbyva, sorted(zustanou + cizi + ['%s_60.jpg' % JMENO, '%s_53.jpg' % JMENO]))
        log = t.log_kamery(JMENO)
        self.assertEqual(behy()[0][0], '50', log)
        self.assertEqual(len(re.findall(r'Úklid: smazán soubor .*\(.*, stáří\)', log)), 50, log)
        self.assertIn(r'Úklid: soubor "C:\uklid_test\%s_53.jpg" nelze smazat' % JMENO, log)

    def pripojit_maly_disk(self, velikost):
        if os.geteuid() != 0:
            self.skipTest('malý disk nelze připojit: test neběží pod rootem')
        bod = os.path.join(t.WINE_DIR, 'uklid_disk')
        os.makedirs(bod, exist_ok=True)
        r = subprocess.run(['mount', '-t', 'tmpfs', '-o', 'size=%s' % velikost, 'tmpfs', bod], capture_output=True)
        if r.returncode != 0:
            self.skipTest('malý disk nelze připojit: ' + r.stderr.decode('utf-8', 'replace').strip())
        self.pripojeno = bod
        self.odkaz = os.path.join(t.PREFIX, 'dosdevices', DISK)
        if os.path.lexists(self.odkaz):
            os.remove(self.odkaz)
        os.symlink(bod, self.odkaz)
        return bod

    def test_plny_disk_snimky_pokracuji_a_nejstarsi_ustoupi(self):
        bod = self.pripojit_maly_disk('8m')
        s = os.path.join(bod, 'snimky')
        os.makedirs(s)
        cizi = ['Jina_1.bmp', 'muj obrazek.bmp']
        for nazev in cizi:
            zapsat(os.path.join(s, nazev), stari_dni=40)
        kamera(DISK.upper() + r'\snimky', video=True, minVolneMB=2)
        t.zapsat_hodnotu(r'Kamery\%s\Snimky disk\Snimek' % JMENO, 'format', 'REG_DWORD', 2)  # BMP: fills it fast

        def cisla():
            return sorted(int(m.group(1)) for m in (re.fullmatch(JMENO + r'_(\d+)\.bmp', n) for n in os.listdir(s)) if m)

        self.spustit()
        # The disk holds a few frames: the numbers run on well past what ever fits, while the first ones are gone.
        self.assertTrue(t.pockat_na(lambda: len(behy()) >= 3 and cisla() and cisla()[0] > 1, 120),
                        (cisla(), t.log_kamery(JMENO)))
        self.zavrit()
        zustaly = cisla()
        log = t.log_kamery(JMENO)
        self.assertEqual(zustaly, list(range(zustaly[0], zustaly[-1] + 1)), 'a number for every written file only')
        velikosti = {os.path.getsize(os.path.join(s, '%s_%d.bmp' % (JMENO, n))) for n in zustaly}
        self.assertEqual(len(velikosti), 1, 'no snapshot cut short by the full disk')
        for nazev in cizi:
            self.assertTrue(os.path.exists(os.path.join(s, nazev)), nazev)
        self.assertGreater(len(re.findall(r'Úklid: smazán soubor .*\(.*, volné místo\)', log)), 0, log)
        # Retried every few hundred milliseconds, the full disk is reported once an hour.
        self.assertEqual(log.count('na disku není volné místo'), 1, log)


if __name__ == '__main__':
    unittest.main()
