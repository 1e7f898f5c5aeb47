"""A tool module whose window does not close in time ends the whole process: the fatal text in a
box and in the Windows event log, exit code -1. The test program plays the module (its child mode)."""
import os
import unittest

import tervik_proces as t

TESTY = os.path.join(t.BUILD, 'tervik_testy_win.exe')
# The test program's application object keeps the default product name: no start-up ran in it.
PRODUKT = 'Dunmar Holvent software'


class FatalniChybaModulu(unittest.TestCase):
    def test_modul_ktery_nezavre_okno_ukonci_proces(self):
        p = t.na_pozadi(TESTY, '--gtest_filter=-*', '--tervik-modul-dite=ukonceni',
                        prostredi={'WINEDEBUG': '-all,+eventlog'})
        try:
            rc, text = t.pomocnik('text-zpravy', PRODUKT, 60000)
            self.assertEqual(rc, 0, 'zpráva o chybě se neukázala')
        finally:
            kod = t.pockat(p)
        self.assertTrue(text.startswith('Došlo k významné chybě!\n\nChyba ukončení modulu "Prohlížení a úprava snímků"'
                                        '\n\nSystémový popis chyby:\n'), text)
        self.assertTrue(text.endswith('\n\nAplikace %s bude ukončena.' % PRODUKT), text)
        self.assertEqual(kod, 255)  # -1 through Wine
        self.assertIn(t.stopa_udalosti(text + '\r\n'), p.chyby.decode('ascii', 'replace'))


if __name__ == '__main__':
    unittest.main()
