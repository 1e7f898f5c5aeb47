"""Helpers of the whole-program tests: the real Tervik.exe under the project's Wine runner.

Every wait has a generous time-out, so the tests pass on a loaded two-core machine.
"""
import os
import pwd
import struct
import subprocess
import time

ZDROJ = os.environ.get('TERVIK_ZDROJ', os.path.abspath(os.path.join(os.path.dirname(__file__), '..')))
BUILD = os.environ.get('TERVIK_BUILD', os.path.join(ZDROJ, 'build', 'win'))
WINE = os.path.join(ZDROJ, 'tools', 'wine')


def vstoupit_do_drahy():
    """A test that ctest gave a lane of tools/testy (resource "draha") works in the lane's Wine environment and on
    its Xvfb, and so does all it starts (as tools/prostredi.sh does for the Wine runner)."""
    draha = os.environ.get('TERVIK_DRAHA')
    if not draha and os.environ.get('CTEST_RESOURCE_GROUP_0_DRAHA', '').startswith('id:'):
        draha = os.environ['CTEST_RESOURCE_GROUP_0_DRAHA'][3:].split(',')[0]
    adresar = os.environ.get('TERVIK_DRAHA%s_WINE_DIR' % draha) if draha else None
    if adresar:
        os.environ['TERVIK_DRAHA'] = draha
        os.environ['TERVIK_WINE_DIR'] = adresar
        if os.environ.get('TERVIK_DRAHA%s_DISPLAY' % draha):
            os.environ['DISPLAY'] = os.environ['TERVIK_DRAHA%s_DISPLAY' % draha]


vstoupit_do_drahy()
WINE_DIR = os.environ.get('TERVIK_WINE_DIR', os.path.join(ZDROJ, 'build', 'wine'))
PREFIX = os.path.join(WINE_DIR, 'prefix')
TERVIK = os.path.join(BUILD, 'Tervik.exe')
POMOCNIK = os.path.join(BUILD, 'PomocnikTestu.exe')
KOREN = r'HKCU\Software\Dunmar Holvent\Tervik\4.8'
LIMIT = 60


def windows_cesta(cesta):
    """The path of a file of this machine as Wine's drive Z: shows it."""
    return 'Z:' + os.path.abspath(cesta).replace('/', '\\')


def bez_aktualizace(argumenty, aktualizace):
    """Tervik.exe starts with its check for a newer version after start-up switched off (no test asks the maker's
    server) unless `aktualizace`."""
    if argumenty and argumenty[0] == TERVIK and not aktualizace:
        zapsat_hodnotu('Aktualizace', 'hledatPoSpusteni', 'REG_DWORD', 0)


def wine(*argumenty, timeout=LIMIT, prostredi=None, aktualizace=False):
    bez_aktualizace(argumenty, aktualizace)
    env = dict(os.environ)
    if prostredi:
        env.update(prostredi)
    return subprocess.run([WINE, *argumenty], stdin=subprocess.DEVNULL, capture_output=True, timeout=timeout, env=env)


def na_pozadi(*argumenty, prostredi=None, aktualizace=False):
    bez_aktualizace(argumenty, aktualizace)
    env = dict(os.environ)
    if prostredi:
        env.update(prostredi)
    return subprocess.Popen([WINE, *argumenty], stdin=subprocess.DEVNULL, stdout=subprocess.PIPE,
                            stderr=subprocess.PIPE, env=env)


def pomocnik(*argumenty, timeout=None):
    """Runs PomocnikTestu; returns (exit code, its output without line ends). The helper's own
    wait (its milliseconds argument) gets a minute more for Wine to start it on a busy machine."""
    if timeout is None:
        cekani = max([int(a) for a in argumenty[1:] if str(a).isdigit() and int(a) >= 1000] or [0])
        timeout = LIMIT + cekani / 1000
    r = wine(POMOCNIK, *[str(a) for a in argumenty], timeout=timeout)
    return r.returncode, r.stdout.decode('utf-8', 'replace').replace('\r', '').strip()


def reg(*argumenty):
    r = wine('reg', *argumenty)
    return r.returncode


def smazat_nastaveni():
    reg('delete', KOREN, '/f')


def zapsat_hodnotu(podklic, jmeno, typ, data):
    klic = KOREN + ('\\' + podklic if podklic else '')
    assert reg('add', klic, '/v', jmeno, '/t', typ, '/d', str(data), '/f') == 0


def uzivatel():
    return pwd.getpwuid(os.getuid()).pw_name


def slozka_dat():
    """The program's data folder in the prefix (local application data)."""
    return os.path.join(PREFIX, 'drive_c', 'users', uzivatel(), 'AppData', 'Local', 'Dunmar Holvent', 'Tervik', '4')


def slozka_dokumentu():
    return os.path.join(PREFIX, 'drive_c', 'users', uzivatel(), 'Documents')


def stopa_udalosti(text):
    """How Wine's event-log trace (WINEDEBUG=+eventlog) writes an event text."""
    vysledek = ''
    for z in text:
        if z == '"':
            vysledek += '\\"'
        elif z == '\r':
            vysledek += '\\r'
        elif z == '\n':
            vysledek += '\\n'
        elif ord(z) > 126:
            vysledek += '\\%04x' % ord(z)
        else:
            vysledek += z
    return vysledek


def pockat(proces, timeout=LIMIT):
    """The exit code of a background process (killed and None on time-out). Its output is kept
    in proces.vystup and proces.chyby."""
    try:
        proces.vystup, proces.chyby = proces.communicate(timeout=timeout)
        return proces.returncode
    except subprocess.TimeoutExpired:
        proces.kill()
        try:
            proces.vystup, proces.chyby = proces.communicate(timeout=10)
        except subprocess.TimeoutExpired:
            # Something the killed process started still holds its output pipes: the output is given up
            # rather than the test waiting for them for ever.
            proces.vystup, proces.chyby = b'', b''
        return None


def je_testovaci_kamera():
    """Whether the test camera is registered in the prefix (tools/po-vytvoreni-prefixu or the fixture)."""
    r = wine('reg', 'query', r'HKCR\CLSID\{860BB310-5D01-11D0-BD3B-00A0C911CE86}\Instance', '/s')
    return 'Testovací kamera Tervik'.encode('utf-8') in r.stdout or b'Testovac' in r.stdout


KNIHOVNA_KAMERY = os.path.join(BUILD, 'testkamera', 'TervikTestovaciKamera.dll')


def zaregistrovat_zarizeni(pocet, odebrat=False):
    """Keeps exactly `pocet` devices of the test camera registered (or what a regsvr32 /i: text such as
    '1,bezobrazu' names; with `odebrat` removes it: 'bezobrazu'). Returns '' when done, else what
    regsvr32 said on each try. Wine has been seen to end regsvr32 with 1 once on a loaded machine,
    so a failed try is repeated twice after a pause before it counts."""
    zpravy = []
    for pokus in range(3):
        if pokus:
            time.sleep(2)
        odebrani = ['/u'] if odebrat else []
        r = wine('regsvr32', *odebrani, '/n', '/i:%s' % pocet, windows_cesta(KNIHOVNA_KAMERY))
        if r.returncode == 0:
            return ''
        zpravy.append('pokus %d: kód %d, %s %s' % (pokus + 1, r.returncode, r.stdout.decode('utf-8', 'replace').strip(),
                                                  r.stderr.decode('utf-8', 'replace').strip()[-1500:]))
    return '\n'.join(zpravy)


def projit_stranky_predvoleb(test, predpona, titulek=None):
    """Chooses every page of the open settings dialog in turn and checks it (texts fit, Tab reaches every
    control); a screenshot of each is kept under build/ as predpona-N.png. Returns the pages' titles."""
    mame_import = subprocess.run(['which', 'import'], capture_output=True).returncode == 0
    nazvy = []
    for n in range(100):
        rc, vystup = pomocnik('stranka-predvoleb', n, 10000, *([titulek] if titulek else []))
        if rc == 3:
            break
        nazvy.append(vystup.split('\n')[0])
        if mame_import:
            subprocess.run(['import', '-window', 'root', os.path.join(BUILD, '%s-%d.png' % (predpona, n))],
                           capture_output=True, timeout=30)
        test.assertEqual(rc, 0, vystup)
    return nazvy


def pockat_na(podminka, sekundy):
    """Whether the condition came true within the time-out (asked twice a second)."""
    konec = time.monotonic() + sekundy
    while time.monotonic() < konec:
        if podminka():
            return True
        time.sleep(0.5)
    return podminka()


def ukoncit(proces, okno_kamery='Tervik4Tervik'):
    """A test's end: a Tervik still running is asked to close its camera window and its main window, then awaited."""
    if proces and proces.poll() is None:
        pomocnik('zavrit-okno', okno_kamery, '-', 2000)
        pomocnik('zavrit-okno', '?RTervik4', '-', 2000)
    if proces:
        pockat(proces, 30)


def log_kamery(jmeno):
    """The camera's log file as text ('' while there is none)."""
    try:
        with open(os.path.join(slozka_dat(), jmeno + '.log'), 'rb') as f:
            return f.read().decode('utf-16-le', 'replace')
    except FileNotFoundError:
        return ''


def rozmer_jpeg(data):
    """(width, height) from the frame header of a baseline or progressive JPEG's bytes."""
    assert data[:2] == b'\xff\xd8', data[:16]
    i = 2
    while i + 4 <= len(data):
        assert data[i] == 0xFF, 'poškozený JPEG'
        znacka = data[i + 1]
        delka = struct.unpack('>H', data[i + 2:i + 4])[0]
        if znacka in (0xC0, 0xC1, 0xC2):
            vyska, sirka = struct.unpack('>HH', data[i + 5:i + 9])
            return sirka, vyska
        i += 2 + delka
    raise AssertionError('JPEG bez hlavičky snímku')


# ---- Shared set-up of the tests that start Tervik with cameras of the test camera ----
import re  # noqa: E402
import unittest  # noqa: E402

OKNO_KAMERY = 'Tervik4Tervik'
HLAVNI = 'RTervik4'


def slozka_snimku():
    """The snapshot folder of a camera the helper stores (the user's documents)."""
    return os.path.join(slozka_dokumentu(), 'Tervik 4.8')


def snimky(jmeno, slozka=None, pripona='jpg'):
    """{number: path} of the camera's numbered snapshots (of the format), by number."""
    slozka = slozka or slozka_snimku()
    vysledek = {}
    if os.path.isdir(slozka):
        for soubor in os.listdir(slozka):
            m = re.fullmatch(re.escape(jmeno) + r'_(\d+)\.' + pripona, soubor)
            if m:
                vysledek[int(m.group(1))] = os.path.join(slozka, soubor)
    return dict(sorted(vysledek.items()))


def smazat_snimky():
    if os.path.isdir(slozka_snimku()):
        for soubor in os.listdir(slozka_snimku()):
            os.remove(os.path.join(slozka_snimku(), soubor))


def hodnota_dword(podklic, jmeno):
    """A DWORD under the settings' root (None while there is none)."""
    r = wine('reg', 'query', KOREN + '\\' + podklic, '/v', jmeno)
    m = re.search(r'REG_DWORD\s+0x([0-9a-fA-F]+)', r.stdout.decode('utf-8', 'replace'))
    return int(m.group(1), 16) if m else None


def snimek_obrazovky(jmeno):
    """The test display as build/<jmeno> for a person to look at (nothing is checked on it)."""
    if os.environ.get('DISPLAY') and subprocess.run(['which', 'import'], capture_output=True).returncode == 0:
        subprocess.run(['import', '-window', 'root', os.path.join(BUILD, jmeno)], capture_output=True, timeout=30)


def ulozit_kameru(jmeno, interval=3600000, zarizeni=1, video=True):
    """A camera of the test camera's device stored through the program's own code; returns its snapshot folder."""
    rc, slozka = pomocnik('kamera', jmeno, interval, zarizeni, 1 if video else 0)
    assert rc == 0, slozka
    return slozka


def okno_otevreno(trida):
    return any(r.startswith(trida + '|') for r in pomocnik('okna')[1].split('\n'))


class TestTerviku(unittest.TestCase):
    """Settings and snapshots cleared before and after each test; every Tervik the test started is ended."""

    def setUp(self):
        smazat_nastaveni()
        smazat_snimky()
        self.procesy = []

    def tearDown(self):
        for p in self.procesy:
            ukoncit(p, OKNO_KAMERY)
        smazat_nastaveni()
        smazat_snimky()

    def spustit(self, *argumenty, okno=None, titulek='-'):
        """Tervik.exe with the arguments, once `okno` (a window class) with the title is there."""
        p = na_pozadi(TERVIK, *argumenty)
        self.procesy.append(p)
        if okno:
            self.assertEqual(pomocnik('cekat-okno', okno, titulek, 30000)[0], 0, titulek)
        return p

    def skoncil(self, p, timeout=LIMIT):
        """The process has ended by itself, with 0."""
        self.assertEqual(pockat(p, timeout), 0, getattr(p, 'chyby', b'')[-2000:])

    def zavrit(self, p, trida=OKNO_KAMERY, titulek='-'):
        """The window closed as by its close box, and its process ended with 0."""
        self.assertEqual(pomocnik('zavrit-okno', trida, titulek, 10000)[0], 0)
        self.skoncil(p)


def vybrat_soubor(test, titulek, cesta):
    """The open or save dialog with that title gets the path in its name box and is confirmed; waits for it to go."""
    dialog, ms = '#32770', 30000
    test.assertEqual(pomocnik('cekat-okno', dialog, titulek, ms)[0], 0, titulek)
    # The file dialogs' name box (cmb13) or edit (edt1), whichever this one has.
    test.assertIn(0, [pomocnik('nastavit-text', dialog, titulek, i, windows_cesta(cesta), 2000)[0] for i in (1148, 1152)])
    test.assertEqual(pomocnik('prikaz', dialog, titulek, 1, ms)[0], 0)
    test.assertTrue(pockat_na(lambda: pomocnik('viditelne', dialog, titulek, 0)[1] == '0', 30))


import socket  # noqa: E402


def volny_port():
    """A free TCP port of the loopback (free when asked; the caller binds it soon after)."""
    with socket.socket() as s:
        s.bind(('127.0.0.1', 0))
        return s.getsockname()[1]
