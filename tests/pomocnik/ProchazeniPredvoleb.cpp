#include "ProchazeniPredvoleb.h"

#include <commctrl.h>

#include <cstdio>
#include <map>
#include <optional>
#include <set>
#include <string>
#include <variant>
#include <vector>

#include "knihovna/Formatovani.h"
#include "ui/StrankyNastaveniAplikace.h"
#include "ui/win/DlgNastStrankaTabulky.h"
#include "ui/win/DlgNastaveni.h"
#include "ui/win/StaticBarva.h"

namespace M = ModelStranky;
using Knihovna::Formatovat;

void Vypsat(const std::wstring& text);

namespace {

using Hodnota = std::variant<std::uint32_t, std::wstring, std::vector<BYTE>>;

std::wstring Popis(const Hodnota& h) {
    if (const auto* n = std::get_if<std::uint32_t>(&h)) return Formatovat(L"%u", *n);
    if (const auto* t = std::get_if<std::wstring>(&h)) return L"\"" + *t + L"\"";
    return Formatovat(L"(%u bajtů)", static_cast<unsigned>(std::get<std::vector<BYTE>>(h).size()));
}

HWND CekatNaDialog(const std::wstring& titulek, DWORD ms, bool otevreny) {
    const DWORD start = ::GetTickCount();
    for (;;) {
        HWND h = ::FindWindowW(L"#32770", titulek.c_str());
        const bool je = h && ::IsWindowVisible(h);
        if (je == otevreny) return otevreny ? h : reinterpret_cast<HWND>(1);
        if (::GetTickCount() - start > ms) return nullptr;
        ::Sleep(30);
    }
}

// The text of a control of another process: GetWindowTextW would give only its caption, not an edit's content.
std::wstring TextOkna(HWND h) {
    std::vector<wchar_t> buf(static_cast<std::size_t>(::SendMessageW(h, WM_GETTEXTLENGTH, 0, 0)) + 1, L'\0');
    ::SendMessageW(h, WM_GETTEXT, buf.size(), reinterpret_cast<LPARAM>(buf.data()));
    return buf.data();
}

void NastavitText(HWND h, const std::wstring& text) { ::SendMessageW(h, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(text.c_str())); }

// What the control shows, in the stored form (of a bit, 0 or 1); nothing for a font, which cannot be read from
// another process, nor for a password, whose edit does not give its text to another process on Windows, nor for
// a value the page's own controls edit (it has no control of its own, and must stay as stored).
std::optional<Hodnota> Zobrazena(HWND dialog, const M::Hodnota& h, int id) {
    HWND p = ::GetDlgItem(dialog, id);
    switch (h.ovladac) {
    case M::Ovladac::Zaskrtnuti:
        return static_cast<std::uint32_t>(::SendMessageW(p, BM_GETCHECK, 0, 0) == BST_CHECKED ? 1 : 0);
    case M::Ovladac::Cislo:
        return M::Ulozena(h, static_cast<std::uint32_t>(std::wcstoul(TextOkna(p).c_str(), nullptr, 10)));
    case M::Ovladac::KvalitaJpeg:
        return static_cast<std::uint32_t>(::SendMessageW(p, TBM_GETPOS, 0, 0));
    case M::Ovladac::Ikona:
        return static_cast<std::uint32_t>(h.min + ::SendMessageW(p, CB_GETCURSEL, 0, 0));
    case M::Ovladac::Vyber: {
        const LRESULT i = ::SendMessageW(p, CB_GETCURSEL, 0, 0);
        return static_cast<std::uint32_t>(i == CB_ERR ? 0xFFFFFFFF : ::SendMessageW(p, CB_GETITEMDATA, i, 0));
    }
    case M::Ovladac::Barva:
        return static_cast<std::uint32_t>(::SendMessageW(p, StaticBarva::kZjistitBarvu, 0, 0));
    case M::Ovladac::Pismo:
    case M::Ovladac::Heslo:
    case M::Ovladac::Vlastni:
        return std::nullopt;
    default:
        return TextOkna(p);
    }
}

// Puts a new valid value into the control, as the user would; the new value in the stored form.
Hodnota NastavitNovou(HWND dialog, const M::Hodnota& h, int id, std::size_t index, const std::optional<Hodnota>& stara) {
    HWND p = ::GetDlgItem(dialog, id);
    const std::uint32_t cislo = stara && std::holds_alternative<std::uint32_t>(*stara) ? std::get<std::uint32_t>(*stara) : 0;
    switch (h.ovladac) {
    case M::Ovladac::Zaskrtnuti: {
        const bool zapnout = cislo == 0;
        ::SendMessageW(p, BM_SETCHECK, zapnout ? BST_CHECKED : BST_UNCHECKED, 0);
        return static_cast<std::uint32_t>(zapnout ? 1 : 0);
    }
    case M::Ovladac::Cislo: {
        std::uint32_t n = h.min + (h.max - h.min) / 3;
        if (M::Ulozena(h, n) == cislo) ++n;
        NastavitText(p, std::to_wstring(n));
        return M::Ulozena(h, n);
    }
    case M::Ovladac::Ikona: {
        const std::uint32_t n = cislo == h.min + 5 ? h.min + 6 : h.min + 5;
        ::SendMessageW(p, CB_SETCURSEL, n - h.min, 0);
        return n;
    }
    case M::Ovladac::KvalitaJpeg: {
        const std::uint32_t n = cislo == 42 ? 43 : 42;
        ::SendMessageW(p, TBM_SETPOS, TRUE, n);
        return n;
    }
    case M::Ovladac::VyberTextu: {
        // Another of the offered texts (the list of a store, which the test fills beforehand).
        const std::wstring text = stara && std::holds_alternative<std::wstring>(*stara) ? std::get<std::wstring>(*stara) : L"";
        const LRESULT pocet = ::SendMessageW(p, CB_GETCOUNT, 0, 0);
        for (LRESULT i = 0; i < pocet; ++i) {
            ::SendMessageW(p, CB_SETCURSEL, i, 0);
            if (TextOkna(p) != text) break;
        }
        return TextOkna(p);
    }
    case M::Ovladac::VyceradkovyText: {
        // Two lines: the line break must reach the registry too.
        const std::wstring text = L"192.168.7." + std::to_wstring(index) + L"\r\n192.168.8." + std::to_wstring(index);
        NastavitText(p, text);
        return text;
    }
    case M::Ovladac::Vyber: {
        const LRESULT pocet = ::SendMessageW(p, CB_GETCOUNT, 0, 0);
        for (LRESULT i = 0; i < pocet; ++i) {
            const auto data = static_cast<std::uint32_t>(::SendMessageW(p, CB_GETITEMDATA, i, 0));
            if (data != cislo) {
                ::SendMessageW(p, CB_SETCURSEL, i, 0);
                return data;
            }
        }
        return cislo;
    }
    case M::Ovladac::Barva: {
        const std::uint32_t barva = 0x336699 + static_cast<std::uint32_t>(index);
        ::SendMessageW(p, StaticBarva::kNastavitBarvu, barva, 0);
        return barva;
    }
    case M::Ovladac::Pismo: {
        LOGFONTW lf{};
        lf.lfHeight = -12 - static_cast<LONG>(index % 20);
        lf.lfWeight = FW_BOLD;
        lf.lfCharSet = DEFAULT_CHARSET;
        wcscpy(lf.lfFaceName, L"Tahoma");
        COPYDATASTRUCT data{static_cast<ULONG_PTR>(id), sizeof lf, &lf};
        ::SendMessageW(dialog, WM_COPYDATA, 0, reinterpret_cast<LPARAM>(&data));
        const auto* b = reinterpret_cast<const BYTE*>(&lf);
        return std::vector<BYTE>(b, b + sizeof lf);
    }
    case M::Ovladac::Slozka: {
        wchar_t temp[MAX_PATH] = {};
        ::GetTempPathW(MAX_PATH, temp);
        std::wstring slozka = std::wstring(temp) + L"Tervik předvolby " + std::to_wstring(index);
        ::CreateDirectoryW(slozka.c_str(), nullptr);
        NastavitText(p, slozka);
        return slozka;
    }
    case M::Ovladac::Soubor: {
        // A file to open must exist.
        wchar_t temp[MAX_PATH] = {};
        ::GetTempPathW(MAX_PATH, temp);
        std::wstring soubor = std::wstring(temp) + L"Tervik obrázek " + std::to_wstring(index) + L".png";
        HANDLE h = ::CreateFileW(soubor.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
        if (h != INVALID_HANDLE_VALUE) ::CloseHandle(h);
        NastavitText(p, soubor);
        return soubor;
    }
    default: {
        std::wstring text = L"192.168.7." + std::to_wstring(index);
        if (M::OveritText(h, text)) text = L"http://" + text + L"/posledniVerze.txt";  // an address of a web file
        NastavitText(p, text);
        return text;
    }
    }
}

std::optional<Hodnota> Ulozena(const std::wstring& koren, const M::Hodnota& h) {
    std::wstring klic = koren;
    if (*h.klic) klic += std::wstring(L"\\") + h.klic;
    std::vector<BYTE> buf(4096);
    DWORD typ = 0, velikost = static_cast<DWORD>(buf.size() - 2);
    if (::RegGetValueW(HKEY_CURRENT_USER, klic.c_str(), h.jmeno, RRF_RT_ANY | RRF_NOEXPAND, &typ, buf.data(),
                       &velikost) != ERROR_SUCCESS)
        return std::nullopt;
    if (typ == REG_DWORD) {
        const std::uint32_t n = *reinterpret_cast<const std::uint32_t*>(buf.data());
        return h.bit ? static_cast<std::uint32_t>(n & h.bit ? 1 : 0) : n;
    }
    if (typ == REG_SZ) return std::wstring(reinterpret_cast<const wchar_t*>(buf.data()));
    buf.resize(velikost);
    return buf;
}

DWORD TridaPriority(HWND okno) {
    DWORD pid = 0;
    ::GetWindowThreadProcessId(okno, &pid);
    HANDLE proces = ::OpenProcess(PROCESS_QUERY_INFORMATION, FALSE, pid);
    if (!proces) return 0;
    const DWORD p = ::GetPriorityClass(proces);
    ::CloseHandle(proces);
    return p;
}

struct Polozka {
    const M::Hodnota* hodnota;
    int id;
};

std::vector<Polozka> Polozky(std::span<const M::Stranka> stranky, int id) {
    std::vector<Polozka> v;
    for (const M::Stranka& s : stranky)
        for (const M::Hodnota& h : s.hodnoty) {
            v.push_back({&h, id + 1});
            id += DlgNastStrankaTabulky::kIdNaHodnotu;
        }
    return v;
}

}  // namespace

int ProjitHodnotyPredvoleb(const PopisPredvoleb& popis, DWORD ms, std::size_t skupin) {
    const auto polozky = Polozky(popis.stranky, popis.prvniId);
    if (skupin == 0 || skupin > polozky.size()) skupin = polozky.size();
    int chyby = 0;
    for (std::size_t skupina = 0; skupina < skupin; ++skupina) {
        ::PostMessageW(popis.okno, WM_COMMAND, popis.prikaz, 0);
        HWND dialog = CekatNaDialog(popis.titulek, ms, true);
        if (!dialog) {
            Vypsat(Formatovat(L"CHYBA skupina %u: okno předvoleb se neotevřelo", static_cast<unsigned>(skupina)));
            return 1;
        }
        // What the dialog shows is what must be stored afterwards; a font (not readable here) as it was stored.
        std::map<std::size_t, std::optional<Hodnota>> ocekavane;
        for (std::size_t j = 0; j < polozky.size(); ++j) {
            ocekavane[j] = Zobrazena(dialog, *polozky[j].hodnota, polozky[j].id);
            if (!ocekavane[j]) ocekavane[j] = Ulozena(popis.koren, *polozky[j].hodnota);
        }
        std::vector<std::size_t> menene;
        for (std::size_t i = skupina; i < polozky.size(); i += skupin) {
            // A greyed control (a switch that is always on) cannot be changed: it keeps what it shows.
            if (!::IsWindowEnabled(::GetDlgItem(dialog, polozky[i].id))) continue;
            menene.push_back(i);
            ocekavane[i] = NastavitNovou(dialog, *polozky[i].hodnota, polozky[i].id, i, ocekavane[i]);
        }
        ::PostMessageW(dialog, WM_COMMAND, IDOK, 0);
        if (!CekatNaDialog(popis.titulek, ms, false)) {
            Vypsat(Formatovat(L"CHYBA skupina %u: OK okno nezavřelo", static_cast<unsigned>(skupina)));
            return 1;
        }
        std::set<std::size_t> spatne;
        for (std::size_t j = 0; j < polozky.size(); ++j) {
            if (!ocekavane[j]) continue;  // a font never stored before: nothing to compare with
            const M::Hodnota& h = *polozky[j].hodnota;
            const auto v = Ulozena(popis.koren, h);
            if (!v || *v != *ocekavane[j]) {
                spatne.insert(j);
                Vypsat(std::wstring(L"CHYBA ") + h.klic + L"\\" + h.jmeno + L" je " + (v ? Popis(*v) : L"(chybí)") +
                       L", čekáno " + Popis(*ocekavane[j]));
            }
        }
        chyby += static_cast<int>(spatne.size());
        for (std::size_t i : menene) {
            const M::Hodnota& h = *polozky[i].hodnota;
            if (!spatne.count(i)) Vypsat(std::wstring(L"OK ") + h.klic + L"\\" + h.jmeno + L" = " + Popis(*ocekavane[i]));
            if (std::wstring(h.jmeno) == L"processPriority") {
                // The owner applies the priority once the dialog has closed: a moment after the registry.
                const auto cekana = std::get<std::uint32_t>(*ocekavane[i]);
                DWORD trida = TridaPriority(popis.okno);
                for (DWORD start = ::GetTickCount(); trida != cekana && ::GetTickCount() - start < ms; ::Sleep(50))
                    trida = TridaPriority(popis.okno);
                Vypsat(Formatovat(L"priorita=0x%X", static_cast<unsigned>(trida)));
            }
        }
    }
    return chyby ? 1 : 0;
}

namespace {

std::wstring BezPrefixu(const std::wstring& text) {
    std::wstring s;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == L'&' && i + 1 < text.size()) ++i;
        s += text[i];
    }
    return s;
}

}  // namespace

int ZkontrolovatStrankuPredvoleb(HWND dialog, int stranka) {
    HWND strom = ::GetDlgItem(dialog, DlgNastaveni::kIdStromu);
    // The pages in the order of the tree, children after their parent.
    std::vector<LPARAM> polozky;
    for (auto h = ::SendMessageW(strom, TVM_GETNEXTITEM, TVGN_ROOT, 0); h;) {
        polozky.push_back(h);
        auto dalsi = ::SendMessageW(strom, TVM_GETNEXTITEM, TVGN_CHILD, h);
        if (!dalsi) dalsi = ::SendMessageW(strom, TVM_GETNEXTITEM, TVGN_NEXT, h);
        for (auto r = h; !dalsi && r;) {
            r = ::SendMessageW(strom, TVM_GETNEXTITEM, TVGN_PARENT, r);
            if (r) dalsi = ::SendMessageW(strom, TVM_GETNEXTITEM, TVGN_NEXT, r);
        }
        h = dalsi;
    }
    if (stranka < 0 || stranka >= static_cast<int>(polozky.size())) return 3;
    ::SendMessageW(strom, TVM_SELECTITEM, TVGN_CARET, polozky[static_cast<std::size_t>(stranka)]);
    Vypsat(TextOkna(::GetDlgItem(dialog, DlgNastaveni::kIdTitulku)));

    // The dialog's font as the template asks for it: handles of another process cannot be used here.
    HDC dc = ::GetDC(dialog);
    LOGFONTW lf{};
    lf.lfHeight = -::MulDiv(8, ::GetDeviceCaps(dc, LOGPIXELSY), 72);
    lf.lfCharSet = DEFAULT_CHARSET;
    wcscpy(lf.lfFaceName, L"MS Shell Dlg");
    HFONT pismo = ::CreateFontIndirectW(&lf);
    lf.lfWeight = FW_BOLD;
    HFONT tucne = ::CreateFontIndirectW(&lf);
    int chyby = 0;
    std::set<HWND> sTabulatorem;
    for (HWND p = ::GetWindow(dialog, GW_CHILD); p; p = ::GetWindow(p, GW_HWNDNEXT)) {
        if (!::IsWindowVisible(p)) continue;
        const LONG styl = ::GetWindowLongW(p, GWL_STYLE);
        if ((styl & WS_TABSTOP) && ::IsWindowEnabled(p)) sTabulatorem.insert(p);
        wchar_t trida[32] = {};
        ::GetClassNameW(p, trida, 32);
        const std::wstring text = BezPrefixu(TextOkna(p));
        const bool popisek = ::lstrcmpiW(trida, L"Static") == 0 && (styl & SS_TYPEMASK) == SS_LEFT;
        const bool tlacitko = ::lstrcmpiW(trida, L"Button") == 0;
        if (text.empty() || (!popisek && !tlacitko)) continue;
        RECT r;
        ::GetClientRect(p, &r);
        HGDIOBJ puvodni = ::SelectObject(dc, ::GetDlgCtrlID(p) == DlgNastaveni::kIdTitulku ? tucne : pismo);
        const LONG druh = styl & BS_TYPEMASK;
        const bool zaskrtnuti = tlacitko && (druh == BS_AUTOCHECKBOX || druh == BS_CHECKBOX || druh == BS_AUTORADIOBUTTON);
        LONG sirka = r.right;
        if (zaskrtnuti) sirka -= ::GetSystemMetrics(SM_CXMENUCHECK) + 4;
        else if (tlacitko) sirka -= 4;
        std::wstring chyba;
        if (zaskrtnuti && (styl & BS_MULTILINE)) {
            RECT m{0, 0, sirka, 0};
            ::DrawTextW(dc, text.c_str(), static_cast<int>(text.size()), &m, DT_CALCRECT | DT_WORDBREAK | DT_NOPREFIX);
            if (m.bottom > r.bottom || m.right > sirka)
                chyba = Formatovat(L"%ld×%ld v %ld×%ld", m.right, m.bottom, sirka, r.bottom);
        } else {
            SIZE s{};
            ::GetTextExtentPoint32W(dc, text.c_str(), static_cast<int>(text.size()), &s);
            if (s.cx > sirka) chyba = Formatovat(L"%ld v %ld", s.cx, sirka);
        }
        ::SelectObject(dc, puvodni);
        if (!chyba.empty()) {
            ++chyby;
            Vypsat(Formatovat(L"PRESAH %d \"%s\": %s", ::GetDlgCtrlID(p), text.c_str(), chyba.c_str()));
        }
    }
    ::DeleteObject(pismo);
    ::DeleteObject(tucne);
    ::ReleaseDC(dialog, dc);

    // Tab from the tree round the whole dialog.
    std::set<HWND> dosazene;
    HWND p = strom;
    for (int krok = 0; krok < 500; ++krok) {
        dosazene.insert(p);
        p = ::GetNextDlgTabItem(dialog, p, FALSE);
        if (!p || p == strom) break;
    }
    for (HWND h : sTabulatorem)
        if (!dosazene.count(h)) {
            ++chyby;
            Vypsat(Formatovat(L"TAB %d \"%s\" nedosažitelný", ::GetDlgCtrlID(h), BezPrefixu(TextOkna(h)).c_str()));
        }
    return chyby ? 1 : 0;
}
