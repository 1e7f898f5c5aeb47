"""Loss and reconnection of a camera's device in the real Tervik.exe under Wine with the virtual test camera:
unplugged (EC_DEVICE_LOST, and the device refuses to open until it is back) and silent (no frames: the
watchdog), each while automatic disk snapshots and motion detection run. The loss is logged, the snapshots stop,
and once the device is back it is opened again, both activities run again and the log says after how long."""
import os
import re
import sys
import time
import unittest
from datetime import datetime

import tervik_proces as t
from tervik_proces import OKNO_KAMERY

KLIC_TESTOVACI_KAMERY = r'Testovaci kamera'
ZTRATA = 'ztratila spojení se zařízením'
PRIPOJENA = 'je opět připojena'
START_DISKU = 'Bylo spuštěno automatické ukládání snímků na disk'
KONEC_DISKU = 'Bylo ukončeno automatické ukládání snímků na disk'


snimky = t.snimky


def odpojeno(hodnota):
    if hodnota is None:
        t.reg('delete', t.KOREN + '\\' + KLIC_TESTOVACI_KAMERY, '/v', 'odpojeno', '/f')
    else:
        t.zapsat_hodnotu(KLIC_TESTOVACI_KAMERY, 'odpojeno', 'REG_DWORD', hodnota)


def cas_radku(log, text):
    """The time of the first log line containing text ("d.m.yyyy h:mm:ss - text")."""
    for radek in log.splitlines():
        if text in radek:
            return datetime.strptime(radek.split(' - ', 1)[0], '%d.%m.%Y %H:%M:%S')
    return None


@unittest.skipUnless(t.je_testovaci_kamera(), 'testovací kamera není zaregistrovaná')
class ObnoveniKamery(t.TestTerviku):
    def setUp(self):
        super().setUp()
        for jmeno in ('Brana', 'Dvur'):
            log = os.path.join(t.slozka_dat(), jmeno + '.log')
            if os.path.exists(log):
                os.remove(log)

    def spustit_kameru(self, jmeno, limit_bez_snimku, interval_obnoveni):
        # Automatic disk snapshots once a minute (the first comes after a minute, or at once when they are started
        # again), motion in the moving scene every second or so: more than one new file within half a minute of
        # the reconnection can only come from the detection.
        t.ulozit_kameru(jmeno, 60000)
        kamera = r'Kamery\%s' % jmeno
        t.zapsat_hodnotu(kamera + r'\Po spusteni', 'detekcePohybu', 'REG_DWORD', 1)
        t.zapsat_hodnotu(kamera + r'\Detekce pohybu', 'interval', 'REG_DWORD', 500)
        t.zapsat_hodnotu(kamera + r'\Detekce pohybu\Disk', 'minInterval', 'REG_DWORD', 1)
        t.zapsat_hodnotu(kamera + r'\Logovani', 'spusteniSnimkovaniDisk', 'REG_DWORD', 1)
        t.zapsat_hodnotu(kamera + r'\Logovani', 'ukonceniSnimkovaniDisk', 'REG_DWORD', 1)
        t.zapsat_hodnotu(kamera + r'\Obnoveni', 'limitBezSnimku', 'REG_DWORD', limit_bez_snimku)
        t.zapsat_hodnotu(kamera + r'\Obnoveni', 'intervalObnoveni', 'REG_DWORD', interval_obnoveni)
        t.zapsat_hodnotu(KLIC_TESTOVACI_KAMERY, 'scena', 'REG_DWORD', 1)
        self.proces = self.spustit('-ka', jmeno, okno=OKNO_KAMERY, titulek=jmeno + ' - Připraven')
        self.assertTrue(t.pockat_na(lambda: len(snimky(jmeno)) >= 2, 60), snimky(jmeno))

    def ztrata_a_obnoveni(self, jmeno, hodnota):
        odpojeno(hodnota)
        odpojeni = datetime.now().replace(microsecond=0)
        self.assertTrue(t.pockat_na(lambda: ZTRATA in t.log_kamery(jmeno), 15), t.log_kamery(jmeno))
        log = t.log_kamery(jmeno)
        self.assertIn('Kamera %s ztratila spojení se zařízením Testovací kamera Tervik' % jmeno, log)
        self.assertIn(KONEC_DISKU, log)
        # Nothing is saved while the device is away (a snapshot already on its way may still land).
        time.sleep(2)
        pred = snimky(jmeno)
        time.sleep(6)
        self.assertEqual(snimky(jmeno), pred)
        self.assertIsNone(self.proces.poll())

        odpojeno(None)
        pripojeni = datetime.now().replace(microsecond=0)
        self.assertTrue(t.pockat_na(lambda: PRIPOJENA in t.log_kamery(jmeno), 30), t.log_kamery(jmeno))
        self.assertTrue(t.pockat_na(lambda: len(snimky(jmeno)) >= len(pred) + 3, 30), (pred, snimky(jmeno)))
        log = t.log_kamery(jmeno)
        self.assertRegex(log, r'Kamera %s je opět připojena \(po \d+ s\)' % jmeno)
        self.assertEqual(log.count(START_DISKU), 2, log)
        ztrata, pripojena = cas_radku(log, ZTRATA), cas_radku(log, PRIPOJENA)
        # What the note reports: how long the camera took to notice the loss and to come back (log times).
        sys.stderr.write('%s: odpojeno=%d v %s, ztráta zapsána v %s (+%d s); připojeno v %s, znovu připojena v %s '
                         '(+%d s; v logu %s)\n' % (
                             jmeno, hodnota, odpojeni.time(), ztrata.time(), (ztrata - odpojeni).total_seconds(),
                             pripojeni.time(), pripojena.time(), (pripojena - pripojeni).total_seconds(),
                             re.search(r'po \d+ s', log).group(0)))

        self.zavrit(self.proces, titulek=jmeno + ' - Připraven')

    def test_odpojene_zarizeni_se_znovu_pripoji(self):
        # The watchdog is off: only the graph's EC_DEVICE_LOST tells of the loss.
        self.spustit_kameru('Brana', 0, 1)
        self.ztrata_a_obnoveni('Brana', 1)

    def test_zarizeni_bez_snimku_pozna_hlidani(self):
        self.spustit_kameru('Dvur', 3, 1)
        self.ztrata_a_obnoveni('Dvur', 2)


if __name__ == '__main__':
    unittest.main()
