// A small Windows helper for the whole-program tests: it starts programs and reports their full
// 32-bit exit code, waits for windows, reads and closes them, all with time-outs.
//
//   PomocnikTestu cekat-okno TRIDA|- TITULEK|- MS        prints the window's title, exit 0; 1 on time-out
//   PomocnikTestu zavrit-okno TRIDA|- TITULEK|- MS       posts WM_CLOSE to it; exit 1 when there is none
//   PomocnikTestu prikaz TRIDA|- TITULEK|- ID MS         posts WM_COMMAND with ID
//   PomocnikTestu text-zpravy TITULEK MS [TLACITKO]      waits for a message box, prints its text, presses the
//                                                        button with that id (default its first: OK / Yes)
//   PomocnikTestu spustit MS PROGRAM [ARG...]             runs, waits, prints "kod=0x%08X"; exit 0, 1 on time-out
//   PomocnikTestu zprava TRIDA|- TITULEK|- ZPRAVA WP LP MS   posts the message (numbers decimal or 0x hex)
//   PomocnikTestu text-prvku TRIDA|- TITULEK|- ID MS     prints the text of the window's control ID (also one
//                                                        inside a child dialog: every command taking an ID finds it)
//   PomocnikTestu vybrat-polozku TRIDA|- TITULEK|- ID N MS   selects item N of the combo box ID (CBN_SELCHANGE)
//   PomocnikTestu posunout-jezdec TRIDA|- TITULEK|- ID POZICE MS   moves the trackbar ID there and tells its parent
//                                                        (WM_HSCROLL, sent); prints the position it then has
//   PomocnikTestu seznam TRIDA|- TITULEK|- ID MS         the items of a list box or combo box, the selected one "*"
//   PomocnikTestu poslat-zpravu TRIDA|- TITULEK|- ZPRAVA WP LP MS [N]   sends the message (at most MS), prints its
//                                                        result; with N, N messages with WP, WP+1, ... and their
//                                                        results on one line
//   PomocnikTestu kurzor X Y                             moves the mouse cursor to the screen point
//   PomocnikTestu kliknout-mysi TRIDA|- TITULEK|- ID MS  clicks the window's control ID with the mouse near its
//                                                        left edge (a link's text); exit 3 when hidden or disabled
//   PomocnikTestu vlastnik TRIDA|- TITULEK|- MS          prints the title of the window's owner; exit 1 without one
//   PomocnikTestu kliknout-panel TRIDA|- TITULEK|- ID MS   clicks the window's toolbar button ID with the mouse
//                                                        (SendInput near its left edge, off a drop-down arrow);
//                                                        exit 1 without the window or button, 3 when disabled
//   PomocnikTestu viditelne TRIDA|- TITULEK|- MS         prints 1 when the window exists and is visible, else 0
//   PomocnikTestu obdelnik TRIDA|- TITULEK|- MS [ID]     prints "x y w h" of the window (or of its control ID)
//   PomocnikTestu ikona-oblasti TRIDA|- TITULEK|- ID MS  prints 1 when the window has its notification icon ID, else 0
//   PomocnikTestu okno-v-bode X Y                        prints the class of the window a click at the screen point reaches
//   PomocnikTestu deti TRIDA|- TITULEK|- MS              prints how many visible child windows the window has
//   PomocnikTestu plocha                                 makes Wine start its desktop process now (with
//                                                        this program's stdio), then ends
//   PomocnikTestu kamera JMENO INTERVAL_MS [N [VIDEO]]   stores a camera on the N-th video device (default 1)
//                                                        through the program's own settings code: on with the
//                                                        application, video on (VIDEO 0: off) and automatic disk
//                                                        snapshots after start; made the default camera. Prints
//                                                        the snapshot folder.
//   PomocnikTestu projit-predvolby MS                  sets every value of the application settings dialog in
//                                                        turn and checks the registry after OK (see
//                                                        ProchazeniPredvoleb.h)
//   PomocnikTestu projit-predvolby-kamery JMENO MS [N]   the same for the settings dialog of the running camera,
//                                                        in N rounds (default 3) of every N-th value
//   PomocnikTestu stranka-predvoleb N MS [TITULEK]       chooses page N of the open settings dialog (by default the
//                                                        application's) and checks its texts and Tab order; exit 3
//                                                        when there is no page N
//   PomocnikTestu drzet-klavesu MOD VK MS                holds the global hotkey (RegisterHotKey modifiers, virtual
//                                                        key) for this process: prints "drzim", or "chyba=N" and
//                                                        exits 1; then keeps it until its stdin ends or MS pass
//   PomocnikTestu zastupce CESTA                         reads a shortcut (.lnk) back: target, arguments, folder,
//                                                        icon and AppUserModelID (see CteniZastupce.h)
//   PomocnikTestu koren-pridat SOUBOR.der                puts the certificate into the current user's "Root" store
//   PomocnikTestu koren-odebrat SOUBOR.der               takes it out again (exit 0 also when it was not there)
#include <windows.h>
#include <objbase.h>
#include <shellapi.h>
#include <shlobj.h>
#include <commctrl.h>

#include <cstdio>
#include <cwchar>
#include <string>
#include <vector>

#include "app/NastaveniAplikace.h"
#include "CteniZastupce.h"
#include "camera/ParametryKamery.h"
#include "knihovna/Chyba.h"
#include "knihovna/win/RegistrWindows.h"
#include "../email/win/KorenovyCertifikat.h"
#include "ProchazeniPredvoleb.h"
#include "ui/StrankyNastaveniAplikace.h"
#include "ui/StrankyNastaveniKamery.h"
#include "ui/win/DlgNastaveniAplikace.h"
#include "ui/win/DlgNastaveniKamery.h"
#include "video/win/VyctiZarizeni.h"

void Vypsat(const std::wstring& text);

namespace {

const wchar_t* Nebo(const wchar_t* s) { return std::wcscmp(s, L"-") == 0 ? nullptr : s; }

// A control by its id among the window's children, else among their children (a dialog inside a tool's frame).
HWND Prvek(HWND okno, int id) {
    if (!okno) return nullptr;
    if (HWND p = ::GetDlgItem(okno, id)) return p;
    for (HWND dite = ::GetWindow(okno, GW_CHILD); dite; dite = ::GetWindow(dite, GW_HWNDNEXT))
        if (HWND p = ::GetDlgItem(dite, id)) return p;
    // Deeper only when the two levels above have none (a control inside nested splitters).
    for (HWND dite = ::GetWindow(okno, GW_CHILD); dite; dite = ::GetWindow(dite, GW_HWNDNEXT))
        for (HWND vnuk = ::GetWindow(dite, GW_CHILD); vnuk; vnuk = ::GetWindow(vnuk, GW_HWNDNEXT))
            if (HWND p = Prvek(vnuk, id)) return p;
    return nullptr;
}

}  // namespace

void Vypsat(const std::wstring& text) {
    // UTF-8 on stdout, flushed: the harness reads it through a pipe.
    const int n = ::WideCharToMultiByte(CP_UTF8, 0, text.c_str(), static_cast<int>(text.size()), nullptr, 0, nullptr, nullptr);
    std::string u(static_cast<size_t>(n), '\0');
    ::WideCharToMultiByte(CP_UTF8, 0, text.c_str(), static_cast<int>(text.size()), u.data(), n, nullptr, nullptr);
    std::fwrite(u.data(), 1, u.size(), stdout);
    std::fputc('\n', stdout);
    std::fflush(stdout);
}

namespace {

// A class written as "?class" is also found while its window is hidden.
HWND Cekat(const wchar_t* trida, const wchar_t* titulek, DWORD ms) {
    const bool iSkryte = trida && trida[0] == L'?';
    if (iSkryte) ++trida;
    const DWORD start = ::GetTickCount();
    for (;;) {
        HWND h = ::FindWindowW(trida, titulek);
        if (h && (iSkryte || ::IsWindowVisible(h))) return h;
        if (::GetTickCount() - start > ms) return nullptr;
        ::Sleep(50);
    }
}

std::wstring Titulek(HWND h) {
    wchar_t buf[512] = {};
    ::GetWindowTextW(h, buf, 512);
    return buf;
}

int UlozitKameru(const std::wstring& jmeno, std::uint32_t interval, std::size_t zarizeniCislo, bool video) {
    wchar_t dokumenty[MAX_PATH] = {};
    if (::SHGetFolderPathW(nullptr, CSIDL_PERSONAL | CSIDL_FLAG_CREATE, nullptr, SHGFP_TYPE_CURRENT, dokumenty) != S_OK)
        return 3;
    Knihovna::WinApi::RegistrWindows registr;
    NastaveniAplikace nastaveni;
    nastaveni.NastavitVychozi(dokumenty, 0);
    nastaveni.Nacist(registr);

    SeznamZarizeni zarizeni;
    if (SUCCEEDED(::CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED))) {
        NacistZarizeniVideo(zarizeni);
        ::CoUninitialize();
    }
    KontextKamery kontext;
    kontext.slozkaDat = nastaveni.slozkaData;
    kontext.produkt = L"Tervik";
    kontext.zarizeniVideo = &zarizeni;
    ParametryKamery p;
    p.NastavitVychozi(jmeno, kontext);
    if (zarizeniCislo >= 1 && zarizeniCislo <= zarizeni.size()) p.zarizeni.video = zarizeni[zarizeniCislo - 1];
    p.poSpusteni = true;
    p.akcePoSpusteni.zapnoutVideo = video;
    p.akcePoSpusteni.snimkyDisk = true;
    p.snimkyDisk.interval = interval;
    // WMV needs Windows Media, which Wine lacks: the demo camera records AVI.
    p.zaznamVidea.format = 0;
    p.Ulozit(registr, CestaKamery(kKorenRegistru, jmeno));
    // Beside the main window, when the screen is wide enough.
    UlozitPoziciOkna(Knihovna::Obdelnik{500, 40, 1164, 640},
                     Knihovna::Obdelnik{0, 0, ::GetSystemMetrics(SM_CXSCREEN), ::GetSystemMetrics(SM_CYSCREEN)},
                     registr, CestaKamery(kKorenRegistru, jmeno));
    nastaveni.vychoziTervik = jmeno;
    nastaveni.Ulozit(registr);
    Vypsat(p.snimkyDisk.slozka);
    return 0;
}

// A left click at the point of the window's client area, by SendInput as a person would click, the window in front.
int KliknoutMysi(HWND okno, POINT bod) {
    ::ClientToScreen(okno, &bod);
    ::SetForegroundWindow(::GetAncestor(okno, GA_ROOT));
    if (!::SetCursorPos(bod.x, bod.y)) return 1;
    INPUT vstupy[2]{};
    vstupy[0].type = vstupy[1].type = INPUT_MOUSE;
    vstupy[0].mi.dwFlags = MOUSEEVENTF_LEFTDOWN;
    vstupy[1].mi.dwFlags = MOUSEEVENTF_LEFTUP;
    return ::SendInput(2, vstupy, sizeof(INPUT)) == 2 ? 0 : 1;
}

}  // namespace

static int DrzetKlavesu(UINT modifikatory, UINT klavesa, DWORD ms) {
    if (!::RegisterHotKey(nullptr, 1, modifikatory, klavesa)) {
        Vypsat(L"chyba=" + std::to_wstring(::GetLastError()));
        return 1;
    }
    Vypsat(L"drzim");
    // The harness ends the wait by closing our stdin; the time-out only guards against a lost harness.
    HANDLE vstup = ::GetStdHandle(STD_INPUT_HANDLE);
    // A standard input that is no Windows pipe (a harness on the Linux side) cannot tell its end: then the
    // time-out alone ends the wait.
    DWORD kDispozici = 0;
    const bool roura = ::PeekNamedPipe(vstup, nullptr, 0, nullptr, &kDispozici, nullptr) != FALSE;
    const DWORD start = ::GetTickCount();
    for (;;) {
        if (roura && !::PeekNamedPipe(vstup, nullptr, 0, nullptr, &kDispozici, nullptr)) break;  // the writer closed it
        if (kDispozici > 0) {
            char buf[64];
            DWORD precteno = 0;
            if (!::ReadFile(vstup, buf, sizeof buf, &precteno, nullptr) || precteno == 0) break;
        }
        if (::GetTickCount() - start > ms) break;
        ::Sleep(20);
    }
    ::UnregisterHotKey(nullptr, 1);
    return 0;
}

int wmain(int argc, wchar_t** argv) {
    if (argc < 2) return 2;
    const std::wstring prikaz = argv[1];
    if (prikaz == L"drzet-klavesu" && argc >= 5)
        return DrzetKlavesu(std::wcstoul(argv[2], nullptr, 0), std::wcstoul(argv[3], nullptr, 0),
                            std::wcstoul(argv[4], nullptr, 10));
    if (prikaz == L"cekat-okno" && argc >= 5) {
        HWND h = Cekat(Nebo(argv[2]), Nebo(argv[3]), std::wcstoul(argv[4], nullptr, 10));
        if (!h) return 1;
        Vypsat(Titulek(h));
        return 0;
    }
    if (prikaz == L"zavrit-okno" && argc >= 5) {
        HWND h = Cekat(Nebo(argv[2]), Nebo(argv[3]), std::wcstoul(argv[4], nullptr, 10));
        if (!h) return 1;
        ::PostMessageW(h, WM_CLOSE, 0, 0);
        return 0;
    }
    if (prikaz == L"prikaz" && argc >= 6) {
        HWND h = Cekat(Nebo(argv[2]), Nebo(argv[3]), std::wcstoul(argv[5], nullptr, 10));
        if (!h) return 1;
        ::PostMessageW(h, WM_COMMAND, std::wcstoul(argv[4], nullptr, 10), 0);
        return 0;
    }
    if (prikaz == L"zprava" && argc >= 8) {
        HWND h = Cekat(Nebo(argv[2]), Nebo(argv[3]), std::wcstoul(argv[7], nullptr, 10));
        if (!h) return 1;
        ::PostMessageW(h, std::wcstoul(argv[4], nullptr, 0), std::wcstoull(argv[5], nullptr, 0),
                       static_cast<LPARAM>(std::wcstoll(argv[6], nullptr, 0)));
        return 0;
    }
    if (prikaz == L"poslat-zpravu" && argc >= 8) {
        const DWORD ms = std::wcstoul(argv[7], nullptr, 10);
        HWND h = Cekat(Nebo(argv[2]), Nebo(argv[3]), ms);
        // With N: N messages with wParam WP, WP+1, ... (one start of this program for a set of figures).
        const unsigned long pocet = argc >= 9 ? std::wcstoul(argv[8], nullptr, 10) : 1;
        std::wstring vysledky;
        for (unsigned long i = 0; i < pocet; ++i) {
            DWORD_PTR vysledek = 0;
            if (!h || !::SendMessageTimeoutW(h, std::wcstoul(argv[4], nullptr, 0),
                                             std::wcstoull(argv[5], nullptr, 0) + i,
                                             static_cast<LPARAM>(std::wcstoll(argv[6], nullptr, 0)), SMTO_NORMAL, ms,
                                             &vysledek))
                return 1;
            vysledky += (i ? L" " : L"") + std::to_wstring(static_cast<LONG_PTR>(vysledek));
        }
        Vypsat(vysledky);
        return 0;
    }
    if (prikaz == L"kliknout-panel" && argc >= 6) {
        HWND h = Cekat(Nebo(argv[2]), Nebo(argv[3]), std::wcstoul(argv[5], nullptr, 10));
        HWND panel = h ? ::FindWindowExW(h, nullptr, L"ToolbarWindow32", nullptr) : nullptr;
        if (!panel) return 1;
        const WPARAM id = std::wcstoul(argv[4], nullptr, 10);
        const LRESULT index = ::SendMessageW(panel, TB_COMMANDTOINDEX, id, 0);
        if (index < 0) return 1;
        if (!::SendMessageW(panel, TB_ISBUTTONENABLED, id, 0)) return 3;
        // The rectangle comes back through the other process's memory.
        DWORD proces = 0;
        ::GetWindowThreadProcessId(panel, &proces);
        HANDLE hp = ::OpenProcess(PROCESS_VM_OPERATION | PROCESS_VM_READ | PROCESS_VM_WRITE, FALSE, proces);
        if (!hp) return 1;
        void* cizi = ::VirtualAllocEx(hp, nullptr, sizeof(RECT), MEM_COMMIT, PAGE_READWRITE);
        RECT r{};
        SIZE_T precteno = 0;
        const bool ok = cizi && ::SendMessageW(panel, TB_GETITEMRECT, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(cizi)) &&
                        ::ReadProcessMemory(hp, cizi, &r, sizeof r, &precteno) && precteno == sizeof r;
        if (cizi) ::VirtualFreeEx(hp, cizi, 0, MEM_RELEASE);
        ::CloseHandle(hp);
        if (!ok) return 1;
        return KliknoutMysi(panel, POINT{r.left + 6, (r.top + r.bottom) / 2});
    }
    if (prikaz == L"kliknout-mysi" && argc >= 6) {
        HWND h = Cekat(Nebo(argv[2]), Nebo(argv[3]), std::wcstoul(argv[5], nullptr, 10));
        HWND prvek = Prvek(h, static_cast<int>(std::wcstoul(argv[4], nullptr, 10)));
        if (!prvek) return 1;
        if (!::IsWindowVisible(prvek) || !::IsWindowEnabled(prvek)) return 3;
        RECT r{};
        ::GetClientRect(prvek, &r);
        return KliknoutMysi(prvek, POINT{r.left + 6, (r.top + r.bottom) / 2});
    }
    if (prikaz == L"vlastnik" && argc >= 5) {
        HWND h = Cekat(Nebo(argv[2]), Nebo(argv[3]), std::wcstoul(argv[4], nullptr, 10));
        HWND vlastnik = h ? ::GetWindow(h, GW_OWNER) : nullptr;
        if (!vlastnik) return 1;
        Vypsat(Titulek(vlastnik));
        return 0;
    }
    if (prikaz == L"kurzor" && argc >= 4) {
        return ::SetCursorPos(std::wcstol(argv[2], nullptr, 10), std::wcstol(argv[3], nullptr, 10)) ? 0 : 1;
    }
    if (prikaz == L"viditelne" && argc >= 5) {
        HWND h = Cekat(Nebo(argv[2]), Nebo(argv[3]), std::wcstoul(argv[4], nullptr, 10));
        Vypsat(h ? L"1" : L"0");
        return 0;
    }
    if (prikaz == L"plocha") {
        HWND h = ::CreateWindowExW(0, L"STATIC", L"", WS_POPUP, 0, 0, 1, 1, nullptr, nullptr, nullptr, nullptr);
        if (h) ::DestroyWindow(h);
        return ::GetDesktopWindow() ? 0 : 1;
    }
    if (prikaz == L"deti" && argc >= 5) {
        HWND h = Cekat(Nebo(argv[2]), Nebo(argv[3]), std::wcstoul(argv[4], nullptr, 10));
        if (!h) return 1;
        int pocet = 0;
        ::EnumChildWindows(
            h,
            [](HWND w, LPARAM lp) -> BOOL {
                if (::IsWindowVisible(w)) ++*reinterpret_cast<int*>(lp);
                return TRUE;
            },
            reinterpret_cast<LPARAM>(&pocet));
        Vypsat(std::to_wstring(pocet));
        return 0;
    }
    if (prikaz == L"obdelnik" && argc >= 5) {
        HWND h = Cekat(Nebo(argv[2]), Nebo(argv[3]), std::wcstoul(argv[4], nullptr, 10));
        if (h && argc >= 6) h = ::GetDlgItem(h, static_cast<int>(std::wcstoul(argv[5], nullptr, 10)));
        if (!h) return 1;
        RECT r{};
        ::GetWindowRect(h, &r);
        wchar_t buf[64];
        std::swprintf(buf, 64, L"%ld %ld %ld %ld", r.left, r.top, r.right - r.left, r.bottom - r.top);
        Vypsat(buf);
        return 0;
    }
    if (prikaz == L"ikona-oblasti" && argc >= 6) {
        // The shell refuses to change an icon it does not have; a change of nothing alters no icon.
        HWND h = Cekat(Nebo(argv[2]), Nebo(argv[3]), std::wcstoul(argv[5], nullptr, 10));
        if (!h) return 1;
        NOTIFYICONDATAW data{};
        data.cbSize = sizeof data;
        data.hWnd = h;
        data.uID = std::wcstoul(argv[4], nullptr, 10);
        Vypsat(::Shell_NotifyIconW(NIM_MODIFY, &data) ? L"1" : L"0");
        return 0;
    }
    if (prikaz == L"okno-v-bode" && argc >= 4) {
        HWND h = ::WindowFromPoint(POINT{std::wcstol(argv[2], nullptr, 10), std::wcstol(argv[3], nullptr, 10)});
        wchar_t trida[256] = {};
        if (h) ::GetClassNameW(h, trida, 256);
        Vypsat(trida);
        return 0;
    }
    if (prikaz == L"text-zpravy" && argc >= 4) {
        HWND h = Cekat(L"#32770", argv[2], std::wcstoul(argv[3], nullptr, 10));
        if (!h) return 1;
        wchar_t buf[4096] = {};
        ::GetDlgItemTextW(h, 0xFFFF, buf, 4096);
        Vypsat(buf);
        // The first button of the box: OK, or Yes in a question.
        HWND tlacitko = argc >= 5 ? ::GetDlgItem(h, static_cast<int>(std::wcstoul(argv[4], nullptr, 10))) : nullptr;
        if (!tlacitko) tlacitko = ::GetDlgItem(h, IDOK);
        if (!tlacitko) tlacitko = ::GetDlgItem(h, IDYES);
        const int id = tlacitko ? ::GetDlgCtrlID(tlacitko) : IDCANCEL;
        ::PostMessageW(h, WM_COMMAND, MAKEWPARAM(id, BN_CLICKED), reinterpret_cast<LPARAM>(tlacitko));
        return 0;
    }
    if (prikaz == L"spustit" && argc >= 4) {
        const DWORD ms = std::wcstoul(argv[2], nullptr, 10);
        std::wstring radek;
        for (int i = 3; i < argc; ++i) {
            if (i > 3) radek += L' ';
            radek += L'"';
            radek += argv[i];
            radek += L'"';
        }
        STARTUPINFOW si{};
        si.cb = sizeof si;
        PROCESS_INFORMATION pi{};
        if (!::CreateProcessW(nullptr, radek.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &si, &pi)) {
            wchar_t buf[64];
            std::swprintf(buf, 64, L"chyba=%lu", ::GetLastError());
            Vypsat(buf);
            return 3;
        }
        const DWORD r = ::WaitForSingleObject(pi.hProcess, ms);
        DWORD kod = 0;
        ::GetExitCodeProcess(pi.hProcess, &kod);
        if (r == WAIT_TIMEOUT) ::TerminateProcess(pi.hProcess, 1);
        ::CloseHandle(pi.hThread);
        ::CloseHandle(pi.hProcess);
        wchar_t buf[64];
        std::swprintf(buf, 64, L"kod=0x%08lX", kod);
        Vypsat(r == WAIT_TIMEOUT ? L"casovy-limit" : buf);
        return r == WAIT_TIMEOUT ? 1 : 0;
    }
    if (prikaz == L"seznam" && argc >= 6) {
        // The items of a list box or combo box, one a line, the selected one marked with "*".
        HWND h = Cekat(Nebo(argv[2]), Nebo(argv[3]), std::wcstoul(argv[5], nullptr, 10));
        HWND seznam = Prvek(h, static_cast<int>(std::wcstoul(argv[4], nullptr, 10)));
        if (!seznam) return 1;
        wchar_t trida[64] = {};
        ::GetClassNameW(seznam, trida, 64);
        const bool combo = ::lstrcmpiW(trida, L"ComboBox") == 0;
        const LRESULT pocet = ::SendMessageW(seznam, combo ? CB_GETCOUNT : LB_GETCOUNT, 0, 0);
        const LRESULT vyber = ::SendMessageW(seznam, combo ? CB_GETCURSEL : LB_GETCURSEL, 0, 0);
        for (LRESULT i = 0; i < pocet; ++i) {
            wchar_t buf[512] = {};
            if (::SendMessageW(seznam, combo ? CB_GETLBTEXTLEN : LB_GETTEXTLEN, i, 0) < 512)
                ::SendMessageW(seznam, combo ? CB_GETLBTEXT : LB_GETTEXT, i, reinterpret_cast<LPARAM>(buf));
            Vypsat(std::wstring(i == vyber ? L"*" : L"") + buf);
        }
        return 0;
    }
    if (prikaz == L"dvojklik" && argc >= 7) {
        // Selects a list box item and tells the parent of a double click on it.
        HWND h = Cekat(Nebo(argv[2]), Nebo(argv[3]), std::wcstoul(argv[6], nullptr, 10));
        const int id = static_cast<int>(std::wcstoul(argv[4], nullptr, 10));
        HWND seznam = h ? ::GetDlgItem(h, id) : nullptr;
        if (!seznam) return 1;
        ::SendMessageW(seznam, LB_SETCURSEL, std::wcstoul(argv[5], nullptr, 10), 0);
        ::PostMessageW(h, WM_COMMAND, MAKEWPARAM(id, LBN_DBLCLK), reinterpret_cast<LPARAM>(seznam));
        return 0;
    }
    if (prikaz == L"stavovy-radek" && argc >= 5) {
        // Each part of a window's status bar as "index|text", the text read through the other process's memory.
        HWND h = Cekat(Nebo(argv[2]), Nebo(argv[3]), std::wcstoul(argv[4], nullptr, 10));
        HWND radek = h ? ::FindWindowExW(h, nullptr, STATUSCLASSNAMEW, nullptr) : nullptr;
        if (!radek) return 1;
        DWORD proces = 0;
        ::GetWindowThreadProcessId(radek, &proces);
        HANDLE hp = ::OpenProcess(PROCESS_VM_OPERATION | PROCESS_VM_READ | PROCESS_VM_WRITE, FALSE, proces);
        if (!hp) return 1;
        constexpr std::size_t kZnaku = 1024;
        void* cizi = ::VirtualAllocEx(hp, nullptr, kZnaku * sizeof(wchar_t), MEM_COMMIT, PAGE_READWRITE);
        const int casti = static_cast<int>(::SendMessageW(radek, SB_GETPARTS, 0, 0));
        for (int i = 0; cizi && i < casti; ++i) {
            const LRESULT delka = LOWORD(::SendMessageW(radek, SB_GETTEXTLENGTHW, i, 0));
            wchar_t text[kZnaku] = {};
            SIZE_T precteno = 0;
            if (delka > 0 && static_cast<std::size_t>(delka) < kZnaku) {
                ::SendMessageW(radek, SB_GETTEXTW, i, reinterpret_cast<LPARAM>(cizi));
                ::ReadProcessMemory(hp, cizi, text, (delka + 1) * sizeof(wchar_t), &precteno);
            }
            Vypsat(std::to_wstring(i) + L"|" + text);
        }
        if (cizi) ::VirtualFreeEx(hp, cizi, 0, MEM_RELEASE);
        ::CloseHandle(hp);
        return 0;
    }
    if (prikaz == L"stav-okna" && argc >= 5) {
        HWND h = Cekat(Nebo(argv[2]), Nebo(argv[3]), std::wcstoul(argv[4], nullptr, 10));
        if (!h) return 1;
        wchar_t buf[64];
        std::swprintf(buf, 64, L"viditelne=%d minimalizovane=%d", ::IsWindowVisible(h) ? 1 : 0, ::IsIconic(h) ? 1 : 0);
        Vypsat(buf);
        return 0;
    }
    if (prikaz == L"stisknout" && argc >= 7) {
        // Brings the window to the front and presses the combination (RegisterHotKey modifiers, virtual key)
        // by SendInput, as a person at the keyboard would.
        HWND h = Cekat(Nebo(argv[2]), Nebo(argv[3]), std::wcstoul(argv[6], nullptr, 10));
        if (!h) return 1;
        ::SetForegroundWindow(h);
        const UINT mod = std::wcstoul(argv[4], nullptr, 0);
        const WORD vk = static_cast<WORD>(std::wcstoul(argv[5], nullptr, 0));
        std::vector<WORD> drzene;
        if (mod & MOD_CONTROL) drzene.push_back(VK_CONTROL);
        if (mod & MOD_SHIFT) drzene.push_back(VK_SHIFT);
        if (mod & MOD_ALT) drzene.push_back(VK_MENU);
        std::vector<INPUT> vstupy;
        auto klavesa = [&](WORD k, bool nahoru) {
            INPUT i{};
            i.type = INPUT_KEYBOARD;
            i.ki.wVk = k;
            i.ki.dwFlags = nahoru ? KEYEVENTF_KEYUP : 0;
            vstupy.push_back(i);
        };
        for (WORD k : drzene) klavesa(k, false);
        klavesa(vk, false);
        klavesa(vk, true);
        for (auto it = drzene.rbegin(); it != drzene.rend(); ++it) klavesa(*it, true);
        return ::SendInput(static_cast<UINT>(vstupy.size()), vstupy.data(), sizeof(INPUT)) == vstupy.size() ? 0 : 1;
    }
    if (prikaz == L"nastavit-text" && argc >= 7) {
        // The text of a control of a window (a dialog's edit), as typing would leave it.
        HWND h = Cekat(Nebo(argv[2]), Nebo(argv[3]), std::wcstoul(argv[6], nullptr, 10));
        HWND prvek = Prvek(h, static_cast<int>(std::wcstoul(argv[4], nullptr, 10)));
        if (!prvek) return 1;
        ::SendMessageW(prvek, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(argv[5]));
        return 0;
    }
    if (prikaz == L"text-prvku" && argc >= 6) {
        HWND h = Cekat(Nebo(argv[2]), Nebo(argv[3]), std::wcstoul(argv[5], nullptr, 10));
        HWND prvek = Prvek(h, static_cast<int>(std::wcstoul(argv[4], nullptr, 10)));
        if (!prvek) return 1;
        // WM_GETTEXT itself: GetWindowTextW gives only the caption of another process's window, never an edit's text.
        std::wstring text(static_cast<std::size_t>(::SendMessageW(prvek, WM_GETTEXTLENGTH, 0, 0)) + 1, L'\0');
        text.resize(static_cast<std::size_t>(
            ::SendMessageW(prvek, WM_GETTEXT, text.size(), reinterpret_cast<LPARAM>(text.data()))));
        Vypsat(text);
        return 0;
    }
    if (prikaz == L"vybrat-polozku" && argc >= 7) {
        // Selects item N of a combo box and tells its parent, as a choice with the mouse would.
        HWND h = Cekat(Nebo(argv[2]), Nebo(argv[3]), std::wcstoul(argv[6], nullptr, 10));
        const int id = static_cast<int>(std::wcstoul(argv[4], nullptr, 10));
        HWND prvek = Prvek(h, id);
        if (!prvek || ::SendMessageW(prvek, CB_SETCURSEL, std::wcstoul(argv[5], nullptr, 10), 0) == CB_ERR) return 1;
        ::PostMessageW(::GetParent(prvek), WM_COMMAND, MAKEWPARAM(id, CBN_SELCHANGE), reinterpret_cast<LPARAM>(prvek));
        return 0;
    }
    if (prikaz == L"posunout-jezdec" && argc >= 7) {
        const DWORD ms = std::wcstoul(argv[6], nullptr, 10);
        HWND jezdec = Prvek(Cekat(Nebo(argv[2]), Nebo(argv[3]), ms), static_cast<int>(std::wcstoul(argv[4], nullptr, 10)));
        if (!jezdec) return 1;
        const long pozice = std::wcstol(argv[5], nullptr, 10);
        ::SendMessageW(jezdec, TBM_SETPOS, TRUE, pozice);
        DWORD_PTR vysledek = 0;
        if (!::SendMessageTimeoutW(::GetParent(jezdec), WM_HSCROLL, MAKEWPARAM(TB_THUMBPOSITION, LOWORD(pozice)),
                                   reinterpret_cast<LPARAM>(jezdec), SMTO_NORMAL, ms, &vysledek))
            return 1;
        Vypsat(std::to_wstring(static_cast<long>(::SendMessageW(jezdec, TBM_GETPOS, 0, 0))));
        return 0;
    }
    if (prikaz == L"kliknout" && argc >= 6) {
        // A click on a button of a window (BM_CLICK), also on a hidden page.
        HWND h = Cekat(Nebo(argv[2]), Nebo(argv[3]), std::wcstoul(argv[5], nullptr, 10));
        HWND prvek = Prvek(h, static_cast<int>(std::wcstoul(argv[4], nullptr, 10)));
        if (!prvek) return 1;
        ::PostMessageW(prvek, BM_CLICK, 0, 0);
        return 0;
    }
    if (prikaz == L"zprava-prvku" && argc >= 9) {
        // A message with number arguments sent to a control of a window; prints the result.
        HWND h = Cekat(Nebo(argv[2]), Nebo(argv[3]), std::wcstoul(argv[8], nullptr, 10));
        HWND prvek = Prvek(h, static_cast<int>(std::wcstoul(argv[4], nullptr, 10)));
        if (!prvek) return 1;
        const LRESULT r = ::SendMessageW(prvek, std::wcstoul(argv[5], nullptr, 0), std::wcstoull(argv[6], nullptr, 0),
                                         static_cast<LPARAM>(std::wcstoll(argv[7], nullptr, 0)));
        Vypsat(std::to_wstring(r));
        return 0;
    }
    if (prikaz == L"projit-predvolby" && argc >= 3) {
        const DWORD ms = std::wcstoul(argv[2], nullptr, 10);
        HWND hlavni = Cekat(L"RTervik4", nullptr, ms);
        if (!hlavni) return 1;
        return ProjitHodnotyPredvoleb({hlavni, 40002, L"Předvolby aplikace", kKorenRegistru,
                                       StrankyNastaveniAplikace::Stranky(), DlgNastaveniAplikace::kPrvniIdPrvku},
                                      ms, 0);
    }
    if (prikaz == L"projit-predvolby-kamery" && argc >= 4) {
        const DWORD ms = std::wcstoul(argv[3], nullptr, 10);
        HWND kamera = Cekat(L"Tervik4Tervik", nullptr, ms);
        if (!kamera) return 1;
        return ProjitHodnotyPredvoleb({kamera, 40030, DlgNastaveniKamery::Titulek(argv[2]),
                                       CestaKamery(kKorenRegistru, argv[2]), StrankyNastaveniKamery::Stranky(),
                                       DlgNastaveniKamery::kPrvniIdPrvku},
                                      ms, argc >= 5 ? std::wcstoul(argv[4], nullptr, 10) : 3);
    }
    if (prikaz == L"stranka-predvoleb" && argc >= 4) {
        const std::wstring titulek = argc >= 5 ? argv[4] : L"Předvolby aplikace";
        HWND dialog = Cekat(L"#32770", titulek.c_str(), std::wcstoul(argv[3], nullptr, 10));
        return dialog ? ZkontrolovatStrankuPredvoleb(dialog, static_cast<int>(std::wcstol(argv[2], nullptr, 10))) : 1;
    }
    if (prikaz == L"koren-pridat" && argc >= 3) return TestyTls::PridatKorenovy(argv[2]) ? 0 : 1;
    if (prikaz == L"koren-odebrat" && argc >= 3) return TestyTls::OdebratKorenovy(argv[2]) ? 0 : 1;
    if (prikaz == L"okna") {
        // Every top-level window: class|title|visible.
        ::EnumWindows(
            [](HWND h, LPARAM) -> BOOL {
                wchar_t trida[256] = {}, titulek[256] = {};
                ::GetClassNameW(h, trida, 256);
                ::GetWindowTextW(h, titulek, 256);
                Vypsat(std::wstring(trida) + L"|" + titulek + L"|" + (::IsWindowVisible(h) ? L"1" : L"0"));
                return TRUE;
            },
            0);
        return 0;
    }
    if (prikaz == L"zastupce" && argc >= 3) return VypsatZastupce(argv[2]);
    if (prikaz == L"kamera" && argc >= 4) {
        try {
            return UlozitKameru(argv[2], std::wcstoul(argv[3], nullptr, 10),
                                argc >= 5 ? std::wcstoul(argv[4], nullptr, 10) : 1,
                                argc >= 6 ? std::wcstoul(argv[5], nullptr, 10) != 0 : true);
        } catch (const Knihovna::Chyba& chyba) {
            Vypsat(L"chyba: " + chyba.Text());
            return 3;
        }
    }
    return 2;
}
