"""The camera settings dialog of the real Tervik.exe under Wine with the virtual test camera: every value of its
pages set in its control reaches the camera's registry key with OK, Cancel changes nothing, another device chosen
while the video is on moves the running camera to it, a new snapshot interval takes effect while the automatic
snapshots run; every page's texts fit and Tab reaches every control (a screenshot of each page under build/); the FTP
place is filled from the stored places, its password shown only on request and a server with a bad port refused."""
import logging
import os
import re
import shutil
import subprocess
import threading
import unittest

from pyftpdlib.authorizers import DummyAuthorizer
from pyftpdlib.handlers import FTPHandler
from pyftpdlib.servers import FTPServer

import tervik_proces as t

JMENO = 'Dvůr'
KAMERA = t.KOREN + '\\Kamery\\' + JMENO
OKNO_KAMERY = 'Tervik4Tervik'
DIALOG = '#32770'
TITULEK = 'Předvolby kamery ' + JMENO
IDOK, IDCANCEL = 1, 2
PREDVOLBY = 40030
CB_GETCURSEL, CB_SETCURSEL, CB_GETCOUNT = 0x0147, 0x014E, 0x0146
ID_VIDEA = 1900  # the video device box of the devices page
ID_COMBO_OKNA = 3  # the device box of the camera window
ID_STAVOVEHO_RADKU, SB_GETICON = 2, 0x0414
# The table's pages in the tree's order with their numbers of values (a snapshot block has 18, the server's 15); the devices page
# has none. Two of the log's switches are always on and greyed, and the WMV profile's source, version and index are
# chosen in the page's own lists: the walker leaves them (and finds them stored as they were).
HODNOTY_STRANEK = [('Kamera', 5), ('Okno kamery', 9), ('Po spuštění kamery', 8), ('Snímky na disk', 7),
                   ('Pojmenování souborů', 5), ('Snímek na disk', 18), ('Snímky emailem', 7),
                   ('Odesílatel a příjemci', 3), ('Zpráva emailu', 3), ('Snímek emailem', 18), ('Snímky na FTP', 7),
                   ('FTP umístění', 7), ('Snímek na FTP', 18), ('HTML stránka', 4), ('HTTP server', 4),
                   ('Snímek pro HTTP server', 15), ('Záznam videa', 4), ('Záznam AVI', 4), ('Záznam WMV', 4),
                   ('Pojmenování záznamů', 5), ('Detekce pohybu', 15),
                   ('Snímek při pohybu', 18), ('Plánované snímkování', 3), ('Záznam do souboru', 22),
                   ('Protokol Windows', 20), ('Úklid', 3), ('Obnovení', 2)]
POCET_HODNOT = sum(n for _, n in HODNOTY_STRANEK) - 2 - 3
STRANKY = ['Zařízení'] + [nazev for nazev, _ in HODNOTY_STRANEK] + ['Zásuvné moduly']  # the plug-ins' own page last


def id_hodnoty(stranka, poradi):
    """The id of the control of the page's value (its order on the page from 0)."""
    pred = 0
    for nazev, n in HODNOTY_STRANEK:
        if nazev == stranka:
            return 2000 + 4 * (pred + poradi) + 1
        pred += n
    raise KeyError(stranka)


UCTY = [{'email': 'a@example.cz', 'heslo': 'h', 'id': '', 'jmeno': 'A', 'server': 'smtp.example.cz'},
        {'email': 'b@example.cz', 'heslo': 'h', 'id': '', 'jmeno': 'B', 'server': 'smtp.example.cz:587'}]
MISTA = [{'heslo': 'tajne', 'pasivniRezim': '0', 'server': 'ftp.example.cz:2121', 'slozka': 'verejne',
          'uzivatel': 'web'}]


def zapsat_zaznamy(soubor, znacka, zaznamy):
    """A record file of the data folder as the program writes it (UTF-16LE without a byte-order mark)."""
    text = ''
    for z in zaznamy:
        text += '<%s>\r\n' % znacka + ''.join(' <%s>%s</%s>\r\n' % (k, v, k) for k, v in z.items()) + '</%s>\r\n' % znacka
    os.makedirs(t.slozka_dat(), exist_ok=True)
    with open(os.path.join(t.slozka_dat(), soubor), 'wb') as f:
        f.write(text.encode('utf-16-le'))


def smazat_zaznamy():
    for soubor in ('EmailoveUcty.rxml', 'FtpMista.rxml'):
        if os.path.exists(os.path.join(t.slozka_dat(), soubor)):
            os.remove(os.path.join(t.slozka_dat(), soubor))


def export():
    """The camera's whole key as text, without the values the running camera itself changes."""
    r = t.wine('reg', 'query', KAMERA, '/s')
    radky = r.stdout.decode('utf-8', 'replace').replace('\r', '').split('\n')
    return [x for x in radky if x.strip() and not re.search(r'posledniCislo|Pozice okna|^\s*(x|y|sirka|vyska)\s', x)]


def dword(podklic, jmeno):
    r = t.wine('reg', 'query', KAMERA + ('\\' + podklic if podklic else ''), '/v', jmeno)
    m = re.search(r'REG_DWORD\s+0x([0-9a-fA-F]+)', r.stdout.decode('utf-8', 'replace'))
    return int(m.group(1), 16) if m else None


def text(podklic, jmeno):
    r = t.wine('reg', 'query', KAMERA + '\\' + podklic, '/v', jmeno)
    m = re.search(r'REG_SZ\s+(.*)', r.stdout.decode('utf-8', 'replace'))
    return m.group(1).strip() if m else None


def snimky(slozka):
    return sorted(f for f in os.listdir(slozka) if f.lower().endswith('.jpg')) if os.path.isdir(slozka) else []


@unittest.skipUnless(os.environ.get('DISPLAY') and t.je_testovaci_kamera(), 'needs a display and the test camera')
class NastaveniKamery(unittest.TestCase):
    def setUp(self):
        t.smazat_nastaveni()
        self.dve = False
        self.p = None
        # The stores the e-mail and FTP pages choose from.
        zapsat_zaznamy('EmailoveUcty.rxml', 'ucet', UCTY)
        zapsat_zaznamy('FtpMista.rxml', 'ftp', MISTA)

    def spustit(self, interval=3600000, video=True, ikona=None, hodnoty=()):
        self.slozka = t.ulozit_kameru(JMENO, interval, video=video)
        if ikona is not None:
            t.zapsat_hodnotu('Kamery\\' + JMENO, 'indexIkony', 'REG_DWORD', ikona)
        for podklic, jmeno, typ, data in hodnoty:  # (below the camera's key)
            t.zapsat_hodnotu('Kamery\\' + JMENO + '\\' + podklic, jmeno, typ, data)
        self.slozka = os.path.join(t.PREFIX, 'drive_c', self.slozka[3:].replace('\\', '/')) \
            if re.match(r'^[A-Za-z]:\\', self.slozka) else self.slozka
        self.p = t.na_pozadi(t.TERVIK)
        self.assertEqual(t.pomocnik('cekat-okno', OKNO_KAMERY, '-', 30000)[0], 0)

    def otevrit(self):
        self.assertEqual(t.pomocnik('prikaz', OKNO_KAMERY, '-', PREDVOLBY, 10000)[0], 0)
        self.assertEqual(t.pomocnik('cekat-okno', DIALOG, TITULEK, 30000)[0], 0)

    def zavreno(self):
        # OK and Cancel are posted: the dialog goes a moment later.
        return t.pockat_na(lambda: t.pomocnik('viditelne', DIALOG, TITULEK, 0)[1] == '0', 30)

    def tearDown(self):
        if self.p and self.p.poll() is None:
            t.pomocnik('kliknout', DIALOG, TITULEK, IDCANCEL, 2000)
            t.pomocnik('zavrit-okno', 'RTervik4', '-', 10000)
            self.assertEqual(t.pockat(self.p), 0)
        if self.dve:
            self.assertEqual(t.zaregistrovat_zarizeni(1), '')
        t.smazat_nastaveni()
        smazat_zaznamy()

    def test_storno_nic_nezmeni_stranky_se_vejdou_planovane_casy_ikona_a_kazda_hodnota_dojde_do_registru(self):
        # A stored icon number beyond the program's images is read as the default: the status bar's
        # message part shows the default icon.
        self.spustit(video=False, ikona=200)

        def ikona_stavu():
            return t.pomocnik('zprava-prvku', OKNO_KAMERY, '-', ID_STAVOVEHO_RADKU, SB_GETICON, 0, 0, 5000)[1]
        vychozi = ikona_stavu()
        self.assertNotIn(vychozi, ('0', ''))
        pred = export()
        self.otevrit()
        nazvy = t.projit_stranky_predvoleb(self, 'predvolby-kamery', TITULEK)
        self.assertEqual(nazvy, STRANKY)
        # Something changed on a page, then Cancel: the camera's key is as it was.
        self.assertEqual(t.pomocnik('nastavit-text', DIALOG, TITULEK, 2000 + 4 * 0 + 1, '7', 10000)[0], 0)
        self.assertEqual(t.pomocnik('kliknout', DIALOG, TITULEK, IDCANCEL, 10000)[0], 0)
        self.assertTrue(self.zavreno())
        self.assertEqual(export(), pred)

        self.otevrit()
        # The schedule page's own controls: the list, the new time, "Přidat čas", "Odebrat čas".
        seznam, cas, pridat, odebrat = 1910, 1911, 1912, 1913

        def pocet():
            return t.pomocnik('zprava-prvku', DIALOG, TITULEK, seznam, 0x018B, 0, 0, 10000)[1]  # LB_GETCOUNT

        # The click is posted: the next text may be set only once the list has taken the time.
        for k, text in enumerate(('7:05', '23:59:59'), 1):
            self.assertEqual(t.pomocnik('nastavit-text', DIALOG, TITULEK, cas, text, 10000)[0], 0)
            self.assertEqual(t.pomocnik('kliknout', DIALOG, TITULEK, pridat, 10000)[0], 0)
            self.assertTrue(t.pockat_na(lambda: pocet() == str(k), 10), text)
        for text, zprava in (('7:05:00', 'Tento čas již v seznamu je.'),
                             ('24:00', 'Zadejte čas ve tvaru h:mm nebo h:mm:ss (0:00:00 až 23:59:59).')):
            self.assertEqual(t.pomocnik('nastavit-text', DIALOG, TITULEK, cas, text, 10000)[0], 0)
            self.assertEqual(t.pomocnik('kliknout', DIALOG, TITULEK, pridat, 10000)[0], 0)
            self.assertEqual(t.pomocnik('text-zpravy', 'Tervik', 30000), (0, zprava))
        self.assertEqual(pocet(), '2')
        # The later one selected and removed; the earlier one stays and is stored packed.
        self.assertEqual(t.pomocnik('zprava-prvku', DIALOG, TITULEK, seznam, 0x0186, 1, 0, 10000)[0], 0)  # LB_SETCURSEL
        self.assertEqual(t.pomocnik('kliknout', DIALOG, TITULEK, odebrat, 10000)[0], 0)
        self.assertTrue(t.pockat_na(lambda: pocet() == '1', 10))
        # The fourth image chosen on the page "Kamera" (its first value): after OK the part shows it.
        self.assertEqual(t.pomocnik('zprava-prvku', DIALOG, TITULEK, 2000 + 4 * 0 + 1, CB_SETCURSEL, 3, 0, 10000)[0], 0)
        self.assertEqual(t.pomocnik('kliknout', DIALOG, TITULEK, IDOK, 10000)[0], 0)
        self.assertTrue(self.zavreno())
        r = t.wine('reg', 'query', KAMERA + '\\planovane_snimky')
        hodnoty = re.findall(r'REG_DWORD\s+0x([0-9a-fA-F]+)', r.stdout.decode('utf-8', 'replace'))
        self.assertEqual([int(h, 16) for h in hodnoty], [7 * 2**24 + 5 * 2**16])
        self.assertEqual(dword('', 'indexIkony'), 3)
        self.assertTrue(t.pockat_na(lambda: ikona_stavu() not in ('0', '', vychozi), 10), ikona_stavu())

        # For each value: open, set a new value, OK, and the camera's key holds it and nothing else changed.
        rc, vystup = t.pomocnik('projit-predvolby-kamery', JMENO, 30000, 3, timeout=900)
        self.assertEqual(rc, 0, vystup)
        self.assertEqual(len([r for r in vystup.split('\n') if r.startswith('OK ')]), POCET_HODNOT, vystup)

    def test_nove_zarizeni_a_interval_plati_hned(self):
        self.assertEqual(t.zaregistrovat_zarizeni(2), '')
        self.dve = True
        self.spustit(interval=3600000)
        # The video runs and the automatic snapshots wait an hour.
        def vyber_okna():
            return int(t.pomocnik('zprava-prvku', OKNO_KAMERY, '-', ID_COMBO_OKNA, CB_GETCURSEL, 0, 0, 5000)[1] or -1)
        self.assertTrue(t.pockat_na(lambda: vyber_okna() >= 0, 30))
        cesta = text('Zarizeni', 'zarizeniVideo_devicePath')
        self.otevrit()
        self.assertEqual(t.pomocnik('zprava-prvku', DIALOG, TITULEK, ID_VIDEA, CB_GETCOUNT, 0, 0, 10000)[1], '2')
        nove = 1 - int(t.pomocnik('zprava-prvku', DIALOG, TITULEK, ID_VIDEA, CB_GETCURSEL, 0, 0, 10000)[1])
        self.assertEqual(t.pomocnik('zprava-prvku', DIALOG, TITULEK, ID_VIDEA, CB_SETCURSEL, nove, 0, 10000)[0], 0)
        self.assertEqual(t.pomocnik('nastavit-text', DIALOG, TITULEK, id_hodnoty('Snímky na disk', 0), '1000', 10000)[0], 0)
        pred = len(snimky(self.slozka))
        self.assertEqual(t.pomocnik('kliknout', DIALOG, TITULEK, IDOK, 10000)[0], 0)
        self.assertTrue(self.zavreno())
        self.assertNotEqual(text('Zarizeni', 'zarizeniVideo_devicePath'), cesta)
        self.assertEqual(dword('Snimky disk', 'interval'), 1000)
        # The running camera moved to the second device and takes a snapshot a second from it, without a restart.
        self.assertTrue(t.pockat_na(lambda: vyber_okna() == nove, 30))
        self.assertTrue(t.pockat_na(lambda: len(snimky(self.slozka)) >= pred + 3, 60), snimky(self.slozka))

    def test_ftp_umisteni_z_ulozenych_mist_slozka_ze_serveru_heslo_a_chybny_port(self):
        # A real FTP server, whose place is stored; its folders are offered by the chooser.
        domov = os.path.join(t.BUILD, 'tmp', 'nastavenikamery-ftp')
        shutil.rmtree(domov, ignore_errors=True)
        for slozka in ('archiv', 'kamery'):
            os.makedirs(os.path.join(domov, 'verejne', slozka))
        logging.getLogger('pyftpdlib').setLevel(logging.WARNING)
        autorizace = DummyAuthorizer()
        autorizace.add_user('web', 'tajne', domov, perm='elradfmwMT')
        server = FTPServer(('127.0.0.1', 0), type('Obsluha', (FTPHandler,), {'authorizer': autorizace}))
        threading.Thread(target=server.serve_forever, kwargs={'timeout': 0.2}, daemon=True).start()
        self.addCleanup(server.close_all)
        adresa = '127.0.0.1:%d' % server.address[1]
        zapsat_zaznamy('FtpMista.rxml', 'ftp', [dict(MISTA[0], server=adresa)])

        self.spustit(video=False)
        self.otevrit()
        server_, heslo, zobrazit, pasivni, slozka = (id_hodnoty('FTP umístění', i) for i in (0, 2, 3, 4, 5))
        EM_GETPASSWORDCHAR, BM_GETCHECK, LB_SETCURSEL = 0x00D2, 0x00F0, 0x0186
        TVM_GETCOUNT, TVM_GETNEXTITEM, TVM_SELECTITEM, TVGN_NEXT, TVGN_CHILD, TVGN_CARET = \
            0x1105, 0x110A, 0x110B, 1, 4, 9
        def prvek(titulek, id, zprava, wp=0, lp=0):
            rc, vystup = t.pomocnik('zprava-prvku', DIALOG, titulek, id, zprava, wp, lp, 10000)
            self.assertEqual(rc, 0, vystup)
            return int(vystup)
        self.assertNotEqual(prvek(TITULEK, heslo, EM_GETPASSWORDCHAR), 0)
        self.assertNotEqual(prvek(TITULEK, id_hodnoty('HTTP server', 2), EM_GETPASSWORDCHAR), 0)  # masked for good
        self.assertEqual(t.pomocnik('kliknout', DIALOG, TITULEK, zobrazit, 10000)[0], 0)
        self.assertTrue(t.pockat_na(lambda: prvek(TITULEK, heslo, EM_GETPASSWORDCHAR) == 0, 10))
        # A server with a port that is none keeps the dialog open with the reason.
        self.assertEqual(t.pomocnik('nastavit-text', DIALOG, TITULEK, server_, 'ftp.example.cz:99999', 10000)[0], 0)
        self.assertEqual(t.pomocnik('kliknout', DIALOG, TITULEK, IDOK, 10000)[0], 0)
        self.assertEqual(t.pomocnik('text-zpravy', 'Tervik', 30000),
                         (0, 'Port serveru musí být číslo v rozsahu 1 - 65535.'))
        # "Vybrat FTP umístění" fills the place from the stored one.
        vyber = 'Vybrat FTP umístění'
        self.assertEqual(t.pomocnik('kliknout', DIALOG, TITULEK, 1940, 10000)[0], 0)
        self.assertEqual(t.pomocnik('cekat-okno', DIALOG, vyber, 30000)[0], 0)
        prvek(vyber, 301, LB_SETCURSEL)
        self.assertEqual(t.pomocnik('kliknout', DIALOG, vyber, IDOK, 10000)[0], 0)
        self.assertTrue(t.pockat_na(lambda: t.pomocnik('viditelne', DIALOG, vyber, 0)[1] == '0', 30))
        self.assertEqual(prvek(TITULEK, pasivni, BM_GETCHECK), 0)
        # The folder button logs in with the place the page shows and offers the server's folders, starting at the
        # place's own; "kamery" chosen.
        chooser = 'Vybrat složku na FTP serveru'
        self.assertEqual(t.pomocnik('kliknout', DIALOG, TITULEK, slozka + 1, 10000)[0], 0)
        self.assertEqual(t.pomocnik('cekat-okno', DIALOG, chooser, 30000)[0], 0)
        self.assertTrue(t.pockat_na(lambda: prvek(chooser, 301, TVM_GETCOUNT) == 4, 60))
        archiv = prvek(chooser, 301, TVM_GETNEXTITEM, TVGN_CHILD, prvek(chooser, 301, TVM_GETNEXTITEM, TVGN_CHILD,
                                                                        prvek(chooser, 301, TVM_GETNEXTITEM, 0)))
        prvek(chooser, 301, TVM_SELECTITEM, TVGN_CARET, prvek(chooser, 301, TVM_GETNEXTITEM, TVGN_NEXT, archiv))
        self.assertEqual(t.pomocnik('kliknout', DIALOG, chooser, IDOK, 10000)[0], 0)
        self.assertTrue(t.pockat_na(lambda: t.pomocnik('viditelne', DIALOG, chooser, 0)[1] == '0', 30))
        self.assertEqual(t.pomocnik('kliknout', DIALOG, TITULEK, IDOK, 10000)[0], 0)
        self.assertTrue(self.zavreno())
        misto = 'Snimky FTP\\FTP umisteni'
        self.assertEqual([text(misto, v) for v in ('server', 'uzivatel', 'heslo')], [adresa, 'web', 'tajne'])
        self.assertEqual(text(misto, 'slozka').strip('/'), 'verejne/kamery')
        self.assertEqual((dword(misto, 'pasivniRezim'), dword(misto, 'zobrazovatHeslo')), (0, 1))

    def test_zaznam_avi_z_formatu_kamery_a_wmv_profil_ze_souboru(self):
        """The AVI page lists the running camera's formats with the stored size's selected, and "Použít" takes
        another; the WMV page under Wine: system profiles unavailable, the .prx file's values shown, a system
        profile of version 7 chosen keeps the stored index that no list shows."""
        prx = os.path.join(t.BUILD, 'tmp', 'nastavenikamery-640.prx')
        os.makedirs(os.path.dirname(prx), exist_ok=True)
        with open(prx, 'wb') as f:
            f.write(('\ufeff<profile version="589824" name="Dvůr">\r\n'
                     ' <streamconfig majortype="{73647561-0000-0010-8000-00AA00389B71}" bitrate="48024">\r\n'
                     ' </streamconfig>\r\n'
                     ' <streamconfig majortype="{73646976-0000-0010-8000-00AA00389B71}" bitrate="300000">\r\n'
                     '  <videoinfoheader dwbitrate="300000" avgtimeperframe="333333">\r\n'
                     '   <rcsource left="0" top="0" right="640" bottom="480"/>\r\n'
                     '   <bitmapinfoheader biwidth="640" biheight="480"/>\r\n'
                     '  </videoinfoheader>\r\n'
                     ' </streamconfig>\r\n</profile>\r\n').encode('utf-16-le'))
        cesta_prx = t.wine('winepath', '-w', prx).stdout.decode('utf-8', 'replace').strip()
        profil = 'Zaznam videa\\WMV\\Profil'
        self.spustit(video=True, hodnoty=((profil, 'typ', 'REG_DWORD', 0), (profil, 'index', 'REG_DWORD', 7),
                                          (profil, 'souborPrx', 'REG_SZ', cesta_prx)))
        LB_GETCOUNT, LB_GETCURSEL, LB_SETCURSEL = 0x018B, 0x0188, 0x0186
        formaty, pouzit, bez_formatu = 1951, 1952, 1953
        def prvek(id, zprava, wp=0):
            rc, vystup = t.pomocnik('zprava-prvku', DIALOG, TITULEK, id, zprava, wp, 0, 10000)
            self.assertEqual(rc, 0, vystup)
            return int(vystup)
        # The formats are read as the video starts, before the status bar says "Video: %d x %d".
        def video_bezi():
            delka = t.pomocnik('zprava-prvku', OKNO_KAMERY, '-', ID_STAVOVEHO_RADKU, 0x040C, 1, 0, 5000)[1]  # SB_GETTEXTLENGTHW
            return int(delka or 0) & 0xFFFF > len('Video vypnuto')
        self.assertTrue(t.pockat_na(video_bezi, 60))
        self.otevrit()
        self.assertEqual(prvek(formaty, LB_GETCOUNT), 5)
        self.assertEqual(prvek(formaty, LB_GETCURSEL), 1)  # 320 x 240, the stored size
        self.assertEqual(t.pomocnik('text-prvku', DIALOG, TITULEK, bez_formatu, 10000), (0, ''))
        prvek(formaty, LB_SETCURSEL, 2)
        self.assertEqual(t.pomocnik('kliknout', DIALOG, TITULEK, pouzit, 10000)[0], 0)
        self.assertTrue(t.pockat_na(
            lambda: t.pomocnik('text-prvku', DIALOG, TITULEK, id_hodnoty('Záznam AVI', 0), 10000)[1] == '640', 10))

        self.assertEqual(t.pomocnik('text-prvku', DIALOG, TITULEK, 1970, 10000)[1],
                         '640 x 480 - 30 snímků/sek.  (Bitový tok 300000)')
        self.assertEqual(t.pomocnik('text-prvku', DIALOG, TITULEK, 1971, 10000)[1],
                         'Systémové profily Windows Media nejsou v tomto systému k dispozici.')
        self.assertEqual(prvek(1962, LB_GETCOUNT), 0)  # the list of Windows Media 8 profiles
        # "Upravit" opens the file in the .prx editor tool.
        self.assertEqual(t.pomocnik('kliknout', DIALOG, TITULEK, 1969, 10000)[0], 0)
        self.assertEqual(t.pomocnik('cekat-okno', 'Tervik4EditorPrx', '-', 30000)[0], 0)
        self.assertEqual(t.pomocnik('zavrit-okno', 'Tervik4EditorPrx', '-', 10000)[0], 0)
        self.assertTrue(t.pockat_na(lambda: t.pomocnik('viditelne', 'Tervik4EditorPrx', '-', 0)[1] == '0', 30))
        self.assertEqual(t.pomocnik('kliknout', DIALOG, TITULEK, 1964, 10000)[0], 0)  # Windows Media 7
        # The four recording pages, each checked (texts fit, Tab) and kept as a screenshot.
        for stranka, soubor in (('Záznam videa', 'zaznam_videa'), ('Záznam AVI', 'zaznam_avi'),
                                ('Záznam WMV', 'zaznam_wmv'), ('Pojmenování záznamů', 'pojmenovani_zaznamu')):
            rc, vystup = t.pomocnik('stranka-predvoleb', STRANKY.index(stranka), 10000, TITULEK)
            self.assertEqual(rc, 0, vystup)
            obrazovky = os.path.join(os.path.dirname(t.BUILD), 'obrazovky')
            os.makedirs(obrazovky, exist_ok=True)
            subprocess.run(['import', '-window', 'root', os.path.join(obrazovky, 'predvolby_%s.png' % soubor)],
                           capture_output=True, timeout=30)
        self.assertEqual(t.pomocnik('kliknout', DIALOG, TITULEK, IDOK, 10000)[0], 0)
        self.assertTrue(self.zavreno())
        self.assertEqual([dword('Zaznam videa\\AVI', v) for v in ('sirkaVidea', 'vyskaVidea', 'frekvence')],
                         [640, 480, 30])
        self.assertEqual([dword('Zaznam videa\\WMV\\Profil', v) for v in ('typ', 'verzeWM', 'index')],
                         [1, 0x70000, 7])
        self.assertEqual(text('Zaznam videa\\WMV\\Profil', 'souborPrx'), cesta_prx)


if __name__ == '__main__':
    unittest.main()
