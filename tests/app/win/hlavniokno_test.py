"""The main window of the real Tervik.exe under Wine: the camera list, starting and stopping cameras,
minimising with and without the tray icon, the default camera's commands, and closing; loading the camera list
and a camera started on its own with "-ka"."""
import os
import subprocess
import time
import unittest

import tervik_proces as t

HLAVNI = 'RTervik4'
RAMEC_KAMERY = 'Tervik4Tervik'
ID_SEZNAMU = 1048
KAMERY = t.KOREN + r'\Kamery'


def pockat_na(podminka, sekundy=60):
    konec = time.time() + sekundy
    while time.time() < konec:
        hodnota = podminka()
        if hodnota:
            return hodnota
        time.sleep(0.3)
    return podminka()


def seznam():
    rc, vystup = t.pomocnik('seznam', HLAVNI, '-', ID_SEZNAMU, 30000)
    return vystup.split('\n') if rc == 0 and vystup else []


def okna_kamer():
    """Titles of the visible camera windows."""
    rc, vystup = t.pomocnik('okna')
    return sorted(r.split('|')[1] for r in vystup.split('\n') if r.startswith(RAMEC_KAMERY + '|') and r.endswith('|1'))


def zprava_zavrena(titulek):
    return t.pomocnik('viditelne', '#32770', titulek, 0)[1] == '0'


def odpovedet(titulek, tlacitko=None):
    """The text of the message box with that title, answered (by default with its first button); waits for
    it to go."""
    rc, text = t.pomocnik('text-zpravy', titulek, 30000, *([tlacitko] if tlacitko else []))
    assert rc == 0, 'žádná zpráva "%s"' % titulek
    assert pockat_na(lambda: zprava_zavrena(titulek)), text
    return text


def stav_hlavniho():
    rc, vystup = t.pomocnik('stav-okna', '?' + HLAVNI, '-', 30000)
    return vystup if rc == 0 else ''


def ulozit_kameru(jmeno, video=True, po_spusteni=False):
    """A camera on the test camera with automatic disk snapshots off; it does not start with the application
    unless asked."""
    slozka = t.ulozit_kameru(jmeno, video=video)
    t.zapsat_hodnotu('Kamery\\' + jmeno, 'poSpusteni', 'REG_DWORD', 1 if po_spusteni else 0)
    t.zapsat_hodnotu('Kamery\\' + jmeno + '\\Po spusteni', 'snimkyDisk', 'REG_DWORD', 0)
    return slozka.split('\n')[-1]


def snimky(slozka_windows):
    slozka = slozka_windows
    if slozka.startswith('C:\\'):
        slozka = os.path.join(t.PREFIX, 'drive_c', *slozka[3:].split('\\'))
    if not os.path.isdir(slozka):
        return []
    return sorted(f for f in os.listdir(slozka) if f.lower().endswith('.jpg'))


def pridat_kameru(jmeno):
    assert t.reg('add', KAMERY + '\\' + jmeno, '/f') == 0


def hodnoty_kamery(jmeno):
    """Every value below the camera's key, as 'subkey|name' (reg query /s)."""
    r = t.wine('reg', 'query', KAMERY + '\\' + jmeno, '/s')
    klic, hodnoty = None, set()
    for radek in r.stdout.decode('utf-8', 'replace').replace('\r', '').split('\n'):
        if radek.startswith('HKEY_'):
            klic = radek
        elif radek.startswith('    ') and klic and not radek.strip().startswith('(Default)'):
            hodnoty.add(klic + '|' + radek.split()[0])
    return hodnoty


@unittest.skipUnless(os.environ.get('DISPLAY'), 'needs a display (Xvfb)')
class HlavniOkno(t.TestTerviku):
    def spustit(self, *argumenty):
        return super().spustit(*argumenty, okno=HLAVNI)

    def zavrit(self, p):
        super().zavrit(p, HLAVNI)

    def test_seznam_razeny_prepinani_kamer_a_zavreni_vsech(self):
        for jmeno in ('cesta', 'Brána', 'alej'):
            ulozit_kameru(jmeno)
        t.zapsat_hodnotu('', 'vychoziTervik', 'REG_SZ', 'Brána')
        t.zapsat_hodnotu('', 'oznamovaciIkona', 'REG_DWORD', 1)
        p = self.spustit()
        # Sorted without regard to case; the default camera is the selected one.
        self.assertEqual(pockat_na(lambda: seznam() if len(seznam()) == 3 else None), ['alej', '*Brána', 'cesta'])
        self.assertEqual(okna_kamer(), [])
        # 40011 toggles the selected camera, a double click the clicked one.
        self.assertEqual(t.pomocnik('prikaz', HLAVNI, '-', 40011, 10000)[0], 0)
        self.assertEqual(pockat_na(okna_kamer), ['Brána - Připraven'])
        self.assertEqual(t.pomocnik('dvojklik', HLAVNI, '-', ID_SEZNAMU, 0, 10000)[0], 0)
        self.assertEqual(pockat_na(lambda: okna_kamer() if len(okna_kamer()) == 2 else None),
                         ['Brána - Připraven', 'alej - Připraven'])
        self.assertEqual(t.pomocnik('dvojklik', HLAVNI, '-', ID_SEZNAMU, 0, 10000)[0], 0)
        self.assertEqual(pockat_na(lambda: okna_kamer() if len(okna_kamer()) == 1 else None), ['Brána - Připraven'])
        self.assertEqual(t.pomocnik('dvojklik', HLAVNI, '-', ID_SEZNAMU, 0, 10000)[0], 0)
        self.assertEqual(pockat_na(lambda: okna_kamer() if len(okna_kamer()) == 2 else None),
                         ['Brána - Připraven', 'alej - Připraven'])
        t.snimek_obrazovky('hlavni-okno.png')
        # Closing the main window closes every camera window and ends the process with 0.
        self.zavrit(p)
        self.assertEqual(okna_kamer(), [])

    def test_minimalizace_bez_ikony_zustane_na_liste_a_jde_obnovit(self):
        ulozit_kameru('Dvůr')  # with no camera at all the start would ask for a default list
        t.zapsat_hodnotu('', 'oznamovaciIkona', 'REG_DWORD', 0)
        p = self.spustit()
        self.assertEqual(t.pomocnik('zprava', HLAVNI, '-', 0x0112, 0xF020, 0, 10000)[0], 0)  # SC_MINIMIZE
        self.assertEqual(pockat_na(lambda: stav_hlavniho() == 'viditelne=1 minimalizovane=1'), True)
        # Restored again (the taskbar button's SC_RESTORE).
        self.assertEqual(t.pomocnik('zprava', HLAVNI, '-', 0x0112, 0xF120, 0, 10000)[0], 0)
        self.assertEqual(pockat_na(lambda: stav_hlavniho() == 'viditelne=1 minimalizovane=0'), True)
        # 40017 (its hotkey is the way back) restores a window minimised on the taskbar as well.
        self.assertEqual(t.pomocnik('zprava', HLAVNI, '-', 0x0112, 0xF020, 0, 10000)[0], 0)
        self.assertEqual(pockat_na(lambda: stav_hlavniho() == 'viditelne=1 minimalizovane=1'), True)
        self.assertEqual(t.pomocnik('prikaz', HLAVNI, '-', 40017, 10000)[0], 0)
        self.assertEqual(pockat_na(lambda: stav_hlavniho() == 'viditelne=1 minimalizovane=0'), True)
        self.zavrit(p)

    def test_minimalizace_s_ikonou_skryje_okno_a_ikona_ho_vrati(self):
        ulozit_kameru('Dvůr')
        t.zapsat_hodnotu('', 'oznamovaciIkona', 'REG_DWORD', 2)
        p = self.spustit()
        self.assertEqual(t.pomocnik('zprava', HLAVNI, '-', 0x0112, 0xF020, 0, 10000)[0], 0)
        self.assertEqual(pockat_na(lambda: stav_hlavniho().startswith('viditelne=0')), True)
        # A left click on the tray icon (its callback with WM_LBUTTONUP) shows the window again.
        self.assertEqual(t.pomocnik('zprava', '?' + HLAVNI, '-', 0x87D1, 1, 0x0202, 10000)[0], 0)
        self.assertEqual(pockat_na(lambda: stav_hlavniho() == 'viditelne=1 minimalizovane=0'), True)
        # 40019 hides it, 40017 brings it back.
        self.assertEqual(t.pomocnik('prikaz', HLAVNI, '-', 40019, 10000)[0], 0)
        self.assertEqual(pockat_na(lambda: stav_hlavniho().startswith('viditelne=0')), True)
        self.assertEqual(t.pomocnik('prikaz', '?' + HLAVNI, '-', 40017, 10000)[0], 0)
        self.assertEqual(pockat_na(lambda: stav_hlavniho() == 'viditelne=1 minimalizovane=0'), True)
        self.zavrit(p)

    def test_obsazena_klavesa_se_pocita_a_ostatni_funguji(self):
        ulozit_kameru('Dvůr')
        # Ctrl+F11 is held by another program; Ctrl+F12 ends the application.
        for prikaz, vk in ((40017, 0x7A), (40001, 0x7B)):
            t.zapsat_hodnotu('Horke klavesy', str(prikaz), 'REG_BINARY',
                             ''.join('%02x' % b for b in (2, 0, 0, 0, vk, 0, 0, 0) + tuple(prikaz.to_bytes(4, 'little')) +
                                     (0x23, 0x4E, 0, 0)))
        # The holder keeps the key for two minutes at most (it cannot see the end of a Linux pipe).
        drzitel = subprocess.Popen([t.WINE, t.POMOCNIK, 'drzet-klavesu', '2', '0x7A', '120000'],
                                   stdin=subprocess.DEVNULL, stdout=subprocess.PIPE, stderr=subprocess.DEVNULL)
        try:
            self.assertEqual(drzitel.stdout.readline().decode().strip(), 'drzim')
            p = self.spustit()
            log = os.path.join(t.slozka_dat(), 'Tervik.log')

            def obsah():
                if not os.path.exists(log):
                    return ''
                with open(log, 'rb') as f:
                    return f.read().decode('utf-16-le', 'replace')
            self.assertTrue(pockat_na(lambda: '1 klávesové zkratky se nepodařilo zaregistrovat.' in obsah()), obsah())
            # The key that was free works: the application ends through it.
            self.assertEqual(t.pomocnik('stisknout', HLAVNI, '-', 2, 0x7B, 10000)[0], 0)
            self.assertEqual(t.pockat(p), 0)
        finally:
            drzitel.kill()
            drzitel.communicate(timeout=30)

    def test_tlacitka_panelu_provedou_sve_prikazy(self):
        ulozit_kameru('Dvůr')
        t.zapsat_hodnotu('', 'oznamovaciIkona', 'REG_DWORD', 1)
        p = self.spustit()
        self.assertEqual(pockat_na(seznam), ['*Dvůr'])

        def kliknout(prikaz):
            # A real mouse click on the toolbar button (the toolbar sends WM_COMMAND with its own handle).
            self.assertEqual(t.pomocnik('kliknout-panel', HLAVNI, '-', prikaz, 10000)[0], 0, prikaz)

        kliknout(40011)  # "Zapnout/vypnout"
        self.assertEqual(pockat_na(okna_kamer), ['Dvůr - Připraven'])
        kliknout(40011)
        self.assertEqual(pockat_na(lambda: okna_kamer() == []), True)
        kliknout(40012)  # "Přidat" asks for the name; OK takes the offered one
        odpovedet('Tervik')
        self.assertEqual(pockat_na(lambda: len(seznam()) == 2), True)
        kliknout(40013)  # "Odebrat" asks about the selected camera; No keeps it
        self.assertIn('trvale odebrat ze seznamu?', odpovedet('Tervik', 7))
        kliknout(40002)  # "Předvolby", the button's main part
        self.assertEqual(t.pomocnik('zavrit-okno', '#32770', 'Předvolby aplikace', 30000)[0], 0)
        self.assertTrue(pockat_na(lambda: zprava_zavrena('Předvolby aplikace')))
        kliknout(40103)  # "Nástroje", the button's main part: the tools menu

        def menu():
            return any(r.startswith('#32768|') and r.endswith('|1') for r in t.pomocnik('okna')[1].split('\n'))
        self.assertTrue(pockat_na(menu))
        self.assertEqual(t.pomocnik('stisknout', HLAVNI, '-', 0, 0x1B, 10000)[0], 0)  # Escape
        self.assertTrue(pockat_na(lambda: not menu()))
        kliknout(40006)  # "O aplikaci": the dialog with the version resource's version and the icons' credits
        rc, verze = t.pomocnik('text-prvku', '#32770', 'O aplikaci Tervik', 1003, 30000)
        self.assertEqual((rc, verze), (0, 'Verze 4.8.5.2'))
        self.assertIn('Tango', t.pomocnik('text-prvku', '#32770', 'O aplikaci Tervik', 1005, 10000)[1])
        self.assertEqual(t.pomocnik('zavrit-okno', '#32770', 'O aplikaci Tervik', 10000)[0], 0)
        self.assertTrue(pockat_na(lambda: zprava_zavrena('O aplikaci Tervik')))
        self.assertEqual(seznam(), ['Dvůr', '*Nová tervik'])
        kliknout(40001)  # "Konec"
        self.assertEqual(t.pockat(p), 0)

    def test_vychozi_kamera_predvolby_drzi_kameru_a_nastroj_stejnym_prikazem(self):
        slozka = ulozit_kameru('Dvůr')
        p = self.spustit()
        self.assertEqual(pockat_na(seznam), ['*Dvůr'])
        # Off: the default camera's snapshot command 40117 does nothing.
        self.assertEqual(t.pomocnik('prikaz', HLAVNI, '-', 40117, 10000)[0], 0)
        self.assertEqual(t.pomocnik('prikaz', HLAVNI, '-', 40117, 10000)[0], 0)
        self.assertEqual(okna_kamer(), [])
        pred = snimky(slozka)
        self.assertEqual(t.pomocnik('prikaz', HLAVNI, '-', 40011, 10000)[0], 0)
        self.assertEqual(pockat_na(okna_kamer), ['Dvůr - Připraven'])
        self.assertEqual(t.pomocnik('prikaz', RAMEC_KAMERY, '-', 40030, 10000)[0], 0)
        self.assertEqual(t.pomocnik('cekat-okno', '#32770', 'Předvolby kamery Dvůr', 30000)[0], 0)
        # Removing, stopping, switching off, rebuilding the list and ending the application are each refused
        # with the name of the camera whose dialog is open.
        for zprava in ((0x0111, 40013), (0x0111, 40021), (0x0111, 40011), (0x0111, 40016), (0x0010, 0)):
            self.assertEqual(t.pomocnik('zprava', HLAVNI, '-', zprava[0], zprava[1], 0, 10000)[0], 0)
            self.assertIn('Tervik "Dvůr" má otevřené dialogové okno.', odpovedet('Tervik'), zprava)
        self.assertEqual(pockat_na(seznam), ['*Dvůr'])
        # The camera lives on after its dialog closes, its video on (the after-start switch): 40117 saves a
        # snapshot to disk.
        self.assertEqual(t.pomocnik('zavrit-okno', '#32770', 'Předvolby kamery Dvůr', 10000)[0], 0)
        self.assertTrue(pockat_na(lambda: zprava_zavrena('Předvolby kamery Dvůr')))
        self.assertEqual(okna_kamer(), ['Dvůr - Připraven'])
        self.assertTrue(pockat_na(lambda: t.pomocnik('prikaz', HLAVNI, '-', 40117, 10000)[0] == 0 and
                                  len(snimky(slozka)) > len(pred), 60))

        # A tool's command opens it and closes it again.
        editor = lambda: [r for r in t.pomocnik('okna')[1].split('\n') if r.startswith('Tervik4EditorObrazku|')]
        self.assertEqual(t.pomocnik('prikaz', HLAVNI, '-', 40102, 10000)[0], 0)
        self.assertEqual(t.pomocnik('cekat-okno', 'Tervik4EditorObrazku', '-', 30000),
                         (0, 'Prohlížení a úprava snímků - Tervik'))
        self.assertEqual(t.pomocnik('prikaz', HLAVNI, '-', 40102, 10000)[0], 0)
        self.assertEqual(pockat_na(lambda: editor() == []), True)
        # Open again, it goes with the main window, as the camera window does.
        self.assertEqual(t.pomocnik('prikaz', HLAVNI, '-', 40102, 10000)[0], 0)
        self.assertEqual(t.pomocnik('cekat-okno', 'Tervik4EditorObrazku', '-', 30000)[0], 0)
        self.zavrit(p)
        self.assertEqual((editor(), okna_kamer()), ([], []))

    def test_log_aplikace_ma_velikost_z_nastaveni(self):
        ulozit_kameru('Dvůr')
        t.zapsat_hodnotu('Logovani', 'spusteni', 'REG_DWORD', 1)
        t.zapsat_hodnotu('Logovani', 'ukonceni', 'REG_DWORD', 1)
        t.zapsat_hodnotu('Logovani\\Soubor', 'maxVelikost', 'REG_DWORD', 10000)
        log = os.path.join(t.slozka_dat(), 'Tervik.log')
        os.makedirs(os.path.dirname(log), exist_ok=True)
        plny = 'x'.encode('utf-16-le') * 5000  # exactly the 10000 bytes the setting allows
        with open(log, 'wb') as f:
            f.write(plny)
        try:
            p = self.spustit()
            self.assertEqual(pockat_na(seznam), ['*Dvůr'])
            self.zavrit(p)
            # Neither the start nor the end found room in the full file.
            with open(log, 'rb') as f:
                self.assertEqual(f.read(), plny)
        finally:
            os.remove(log)


class SeznamKamer(t.TestTerviku):
    """Loading the list, a new camera from the menu, and a camera started on its own with "-ka"."""

    def test_nova_kamera_z_menu_se_ulozi_se_vsemi_hodnotami(self):
        for jmeno in ('b', 'A', 'c'):
            pridat_kameru(jmeno)
        t.zapsat_hodnotu('', 'vychoziTervik', 'REG_SZ', 'c')
        p = self.spustit()
        self.assertEqual(t.pomocnik('cekat-okno', 'RTervik4', '-', 30000)[0], 0)
        # Loading does not write: the keys made by hand stay empty.
        self.assertEqual(hodnoty_kamery('A'), set())
        # 40012 asks for the name in the text input dialog; OK takes "Nová tervik".
        self.assertEqual(t.pomocnik('prikaz', 'RTervik4', '-', 40012, 10000)[0], 0)
        self.assertEqual(t.pomocnik('text-zpravy', 'Tervik', 30000)[0], 0)
        hodnoty = set()
        for _ in range(100):
            hodnoty = hodnoty_kamery('Nová tervik')
            if len(hodnoty) >= 286:
                break
        # 171 values in the camera's own keys and 23 in each of the five snapshot blocks.
        self.assertEqual(len(hodnoty), 171 + 5 * 23, sorted(hodnoty)[:5])
        self.assertTrue(any(h.endswith(r'\Snimky disk\Soubor|jmeno') for h in hodnoty))
        t.snimek_obrazovky('seznam-kamer.png')
        self.assertEqual(t.pomocnik('zavrit-okno', 'RTervik4', '-', 10000)[0], 0)
        self.assertEqual(t.pockat(p), 0)
        self.assertEqual(t.reg('query', KAMERY + r'\Nová tervik\Snimky disk\Snimek\Text', '/v', 'logfont'), 0)

    def test_ka_existujici_kamera_bez_ohledu_na_velikost_pismen_chybejici_je_vychozi(self):
        pridat_kameru('Dvůr')
        pridat_kameru('Brána')
        p = self.spustit('-ka', 'DVŮR')
        self.assertEqual(t.pomocnik('cekat-okno', RAMEC_KAMERY, '-', 30000), (0, 'Dvůr - Připraven'))
        self.assertEqual(t.pomocnik('zavrit-okno', RAMEC_KAMERY, '-', 10000)[0], 0)
        self.assertEqual(t.pockat(p), 0)
        # A camera that is not there: without a default camera there is nothing to run.
        self.assertEqual(t.wine(t.TERVIK, '-ka', 'Sklep').returncode, 1)
        t.zapsat_hodnotu('', 'vychoziTervik', 'REG_SZ', 'brána')
        p = self.spustit('-ka', 'Sklep')
        self.assertEqual(t.pomocnik('cekat-okno', RAMEC_KAMERY, '-', 30000), (0, 'Brána - Připraven'))
        self.assertEqual(t.pomocnik('zavrit-okno', RAMEC_KAMERY, '-', 10000)[0], 0)
        self.assertEqual(t.pockat(p), 0)

    def test_chyba_nacteni_kamery_se_pri_spusteni_ohlasi_jednou(self):
        pridat_kameru('Dvůr')
        assert t.reg('add', KAMERY + r'\Dvůr\Okno', '/v', 'titulek', '/t', 'REG_SZ', '/d', 'úzký', '/f') == 0
        p = self.spustit()
        rc, text = t.pomocnik('text-zpravy', 'Tervik', 30000)
        self.assertEqual(rc, 0)
        self.assertTrue(text.startswith('Došlo k chybě při načítání konfigurace kamery Dvůr.'), text)
        # The list is loaded once: the main window follows, with no second box holding it back.
        self.assertEqual(t.pomocnik('cekat-okno', 'RTervik4', '-', 30000)[0], 0)
        self.assertEqual(t.pomocnik('zavrit-okno', 'RTervik4', '-', 10000)[0], 0)
        self.assertEqual(t.pockat(p), 0)


if __name__ == '__main__':
    unittest.main()
