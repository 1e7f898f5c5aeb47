#include "net/win/OknoProhlizecFtp.h"

#include <commdlg.h>
#include <shellapi.h>
#include <uxtheme.h>
#include <windowsx.h>

#include "app/NastaveniAplikace.h"
#include "app/TextyZprav.h"
#include "app/win/Aplikace.h"
#include "camera/win/PrvkyOknaKamery.h"
#include "knihovna/Formatovani.h"
#include "knihovna/win/ChybyWin.h"
#include "knihovna/win/UnikatniHandle.h"
#include "net/win/DlgPredvolbyProhlizeceFtp.h"
#include "net/win/DlgVyberFtpServeru.h"
#include "net/win/NahledObrazkuFtp.h"
#include "net/win/PraceProhlizeceFtp.h"
#include "ui/win/OznameniPrvku.h"

using Knihovna::Chyba;
using Knihovna::Formatovat;
using namespace Holvent::Ftp;

namespace {

enum Cast { kCastStav = 0, kCastStahovani = 1, kCastPrubeh = 2 };
constexpr int kSirkaStahovani = 270, kSirkaPrubehu = 170;
constexpr int kMinimumPanelu = 60;

constexpr const wchar_t* kTextPripojeno = L"%s - Připojen k serveru \"%s\"";
constexpr const wchar_t* kTextOdpojeno = L"%s - Odpojen";
constexpr const wchar_t* kTextNacitamObrazek = L"Načítám obrázek z FTP serveru ...";
constexpr const wchar_t* kTextStahovaniObrazku = L"Probíhá stahování obrázku z FTP serveru";
constexpr const wchar_t* kTextStahovaniSouboru = L"Probíhá stahování souboru z FTP serveru";

struct Polozka {
    UINT prikaz;
    const wchar_t* text;
};
constexpr Polozka kServer[] = {{OknoProhlizecFtp::kVybratServer, L"&Vybrat FTP server..."},
                               {OknoProhlizecFtp::kOdpojit, L"&Odpojit od serveru"},
                               {0, nullptr},
                               {OknoProhlizecFtp::kPredvolby, L"&Předvolby..."},
                               {0, nullptr},
                               {OknoProhlizecFtp::kKonec, L"&Konec"}};
constexpr Polozka kSoubor[] = {{OknoProhlizecFtp::kNacistObrazek, L"&Načíst a zobrazit"},
                               {OknoProhlizecFtp::kUlozitNaDisk, L"&Uložit na disk..."}};

template <std::size_t N>
void Pridat(HMENU menu, const Polozka (&polozky)[N]) {
    for (const Polozka& p : polozky) ::AppendMenuW(menu, p.prikaz ? MF_STRING : MF_SEPARATOR, p.prikaz, p.text);
}

HWND Prvek(const wchar_t* trida, DWORD styl, DWORD rozsireny, HWND rodic, int id) {
    return Knihovna::WinApi::VyhoditKdyzNeuspech(::CreateWindowExW(
        rozsireny, trida, L"", WS_CHILD | WS_VISIBLE | WS_TABSTOP | styl, 0, 0, 0, 0, rodic,
        reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), nullptr, nullptr));
}

// A result posted by a worker: the window owns it from the post on.
template <class T>
std::unique_ptr<T> Prevzit(LPARAM lp) {
    return std::unique_ptr<T>(reinterpret_cast<T*>(lp));
}

std::wstring CestaProUzivatele(const std::wstring& slozka) { return L"/" + slozka; }

}  // namespace

OknoProhlizecFtp::OknoProhlizecFtp()
    : OknoAplikace(COLOR_BTNFACE), nastaveni_(Aplikace::Instance().NastaveniFtp()) {}

OknoProhlizecFtp::~OknoProhlizecFtp() = default;

void OknoProhlizecFtp::Vytvorit(const std::wstring& nazev) {
    nazev_ = nazev;
    INITCOMMONCONTROLSEX icc{sizeof icc, ICC_BAR_CLASSES | ICC_TREEVIEW_CLASSES};
    ::InitCommonControlsEx(&icc);
    HMENU lista = ::CreateMenu();
    HMENU server = ::CreatePopupMenu();
    Pridat(server, kServer);
    HMENU soubor = ::CreatePopupMenu();
    Pridat(soubor, kSoubor);
    ::AppendMenuW(lista, MF_POPUP, reinterpret_cast<UINT_PTR>(server), L"&Server");
    ::AppendMenuW(lista, MF_POPUP, reinterpret_cast<UINT_PTR>(soubor), L"&Soubor");

    Okno::Vytvorit(kTrida, Formatovat(kTextOdpojeno, nazev_.c_str()), WS_OVERLAPPEDWINDOW | WS_CLIPCHILDREN, 0,
                   CW_USEDEFAULT, CW_USEDEFAULT, 900, 650, nullptr, lista);
    prace_ = std::make_unique<PraceProhlizeceFtp>(Hwnd());

    svisle_.Vytvorit(Hwnd(), kIdRozdeleniSvisle, RECT{});
    vodorovne_.Vytvorit(svisle_.Hwnd(), kIdRozdeleniVodorovne, RECT{});
    strom_ = Prvek(WC_TREEVIEWW, TVS_HASBUTTONS | TVS_HASLINES | TVS_LINESATROOT | TVS_SHOWSELALWAYS,
                   WS_EX_CLIENTEDGE, vodorovne_.Hwnd(), kIdStromu);
    ::SetWindowTheme(strom_, L"explorer", nullptr);
    seznam_ = Prvek(WC_LISTBOXW, LBS_SORT | LBS_NOTIFY | LBS_HASSTRINGS | LBS_NOINTEGRALHEIGHT | WS_VSCROLL,
                    WS_EX_CLIENTEDGE, vodorovne_.Hwnd(), kIdSeznamu);
    ::SendMessageW(seznam_, WM_SETFONT, reinterpret_cast<WPARAM>(::GetStockObject(DEFAULT_GUI_FONT)), FALSE);
    obrazek_.Vytvorit(svisle_.Hwnd(), kIdObrazku);
    obrazek_.NastavitPozadi(nastaveni_.pozadiObrazku);
    vodorovne_.NastavitPanely(strom_, seznam_);
    vodorovne_.NastavitMinima(kMinimumPanelu, kMinimumPanelu);
    svisle_.NastavitPanely(vodorovne_.Hwnd(), obrazek_.Hwnd());
    svisle_.NastavitMinima(kMinimumPanelu, kMinimumPanelu);

    radek_.Vytvorit(Hwnd(), kIdStavovehoRadku);
    ObnovitUmisteni();
    ::ShowWindow(Hwnd(), SW_SHOWNORMAL);
    Rozvrhnout();
    svisle_.NastavitPolohu(nastaveni_.vyskaStromu);
    vodorovne_.NastavitPolohu(nastaveni_.sirkaStromu);
    ::UpdateWindow(Hwnd());
    if (nastaveni_.pripojitPoSpusteni && !nastaveni_.server.empty()) Pripojit(nastaveni_);
}

void OknoProhlizecFtp::NeosetrenaChyba(const Chyba& chyba) {
    auto& app = Aplikace::Instance();
    app.HlasitFatalniChybu(TextyZprav::Chyba(L"Prohlížeč souborů na FTP narazil na neočekávanou chybu",
                                             app.PopisChybyCom(chyba)));
}

void OknoProhlizecFtp::Rozvrhnout() {
    RECT klient{};
    ::GetClientRect(Hwnd(), &klient);
    radek_.Prizpusobit();
    radek_.NastavitCasti({std::max<int>(0, klient.right - kSirkaStahovani - kSirkaPrubehu),
                          std::max<int>(0, klient.right - kSirkaPrubehu), -1});
    ::MoveWindow(svisle_.Hwnd(), 0, 0, klient.right, std::max<int>(0, klient.bottom - radek_.Vyska()), TRUE);
}

void OknoProhlizecFtp::NastavitTitulek() {
    ::SetWindowTextW(Hwnd(), prace_->Pripojeno()
                                 ? Formatovat(kTextPripojeno, nazev_.c_str(), prace_->Parametry().server.c_str()).c_str()
                                 : Formatovat(kTextOdpojeno, nazev_.c_str()).c_str());
}

void OknoProhlizecFtp::Stav(const std::wstring& text) { radek_.NastavitText(kCastStav, text); }

// ---- commands

bool OknoProhlizecFtp::Prikaz(UINT prikaz, UINT kod) {
    switch (prikaz) {
    case kVybratServer: VybratServer(); return true;
    case kOdpojit: Odpojit(); return true;
    case kPredvolby: Predvolby(); return true;
    case kKonec: ::PostMessageW(Hwnd(), WM_CLOSE, 0, 0); return true;
    case kNacistObrazek: Nahled(); return true;
    case kUlozitNaDisk: Stahnout(); return true;
    case kIdSeznamu:
        if (kod == LBN_SELCHANGE) PoVyberuSouboru();
        if (kod == LBN_DBLCLK) {
            const Soubor* s = VybranySoubor();
            if (s && FiltrSouboruFtp::JeObrazek(s->polozka.jmeno)) Nahled();
            else Stahnout();
        }
        return true;
    case kIdRozdeleniSvisle:
    case kIdRozdeleniVodorovne:
        return true;
    }
    return false;
}

void OknoProhlizecFtp::PovolitPolozky(HMENU menu) const {
    const Soubor* s = VybranySoubor();
    const bool pripojeno = prace_->Pripojeno();
    const bool obrazek = pripojeno && s && FiltrSouboruFtp::JeObrazek(s->polozka.jmeno);
    ::EnableMenuItem(menu, kOdpojit, MF_BYCOMMAND | (pripojeno || pripojovani_ ? MF_ENABLED : MF_GRAYED));
    ::EnableMenuItem(menu, kNacistObrazek, MF_BYCOMMAND | (obrazek ? MF_ENABLED : MF_GRAYED));
    ::EnableMenuItem(menu, kUlozitNaDisk,
                     MF_BYCOMMAND | (pripojeno && s && !prace_->StahovaniBezi() ? MF_ENABLED : MF_GRAYED));
}

void OknoProhlizecFtp::VybratServer() {
    NastaveniProhlizeceFtp n = nastaveni_;
    DlgVyberFtpServeru dlg(n, Aplikace::Instance().FtpMista());
    if (dlg.Zobrazit(Hwnd())) Pripojit(n);
}

void OknoProhlizecFtp::Predvolby() {
    const std::uint32_t filtr = nastaveni_.filtrSoubory;
    DlgPredvolbyProhlizeceFtp dlg(nastaveni_, Aplikace::Instance().Produkt());
    if (!dlg.Zobrazit(Hwnd())) return;
    obrazek_.NastavitPozadi(nastaveni_.pozadiObrazku);
    // Another filter shows the folder's files anew.
    if (filtr != nastaveni_.filtrSoubory && prace_->Pripojeno()) {
        const auto it = slozky_.find(slozkaSeznamu_);
        if (it != slozky_.end()) VypsatSlozku(it->second);
    }
}

void OknoProhlizecFtp::Vyprazdnit() {
    TreeView_DeleteAllItems(strom_);
    ::SendMessageW(seznam_, LB_RESETCONTENT, 0, 0);
    cestySlozek_.clear();
    slozky_.clear();
    vypsane_.clear();
    soubory_.clear();
    slozkaSeznamu_.clear();
    obrazek_.NastavitText(OknoObrazek::kTextPrazdny);
}

void OknoProhlizecFtp::Pripojit(const NastaveniProhlizeceFtp& n) {
    Vyprazdnit();
    prace_->Pripojit(ParametryFtp{n.server, n.uzivatel, n.heslo, n.pasivniRezim}, nastaveni_.filtrSoubory);
    pripojovani_ = true;
    // The login folder is the tree's root; the connection's listing fills it and the list.
    vyberBezVypisu_ = true;
    TreeView_SelectItem(strom_, PridatSlozku(TVI_ROOT, L"", n.server));
    vyberBezVypisu_ = false;
    NastavitTitulek();
    Stav(Formatovat(L"Připojuji se k serveru \"%s\" ...", n.server.c_str()));
}

void OknoProhlizecFtp::Odpojit() {
    prace_->Odpojit();
    pripojovani_ = false;
    Vyprazdnit();
    radek_.NastavitText(kCastStahovani, L"");
    radek_.NastavitIkonu(kCastStahovani, Aplikace::Instance().SeznamObrazku(0), -1);
    radek_.NastavitText(kCastPrubeh, L"");
    NastavitTitulek();
    Stav(L"");
}

HTREEITEM OknoProhlizecFtp::PridatSlozku(HTREEITEM rodic, const std::wstring& cesta, const std::wstring& jmeno) {
    if (const auto it = slozky_.find(cesta); it != slozky_.end()) return it->second;
    cestySlozek_.push_back(cesta);
    TVINSERTSTRUCTW vlozit{};
    vlozit.hParent = rodic;
    vlozit.hInsertAfter = TVI_SORT;
    vlozit.item.mask = TVIF_TEXT | TVIF_PARAM | TVIF_CHILDREN;
    vlozit.item.pszText = const_cast<wchar_t*>(jmeno.c_str());
    vlozit.item.lParam = static_cast<LPARAM>(cestySlozek_.size() - 1);
    vlozit.item.cChildren = 1;  // until its listing shows none
    const HTREEITEM h = TreeView_InsertItem(strom_, &vlozit);
    if (h) slozky_[cesta] = h;
    return h;
}

void OknoProhlizecFtp::VypsatSlozku(HTREEITEM polozka) {
    TVITEMW t{};
    t.mask = TVIF_PARAM;
    t.hItem = polozka;
    if (!TreeView_GetItem(strom_, &t) || t.lParam < 0 || static_cast<std::size_t>(t.lParam) >= cestySlozek_.size())
        return;
    slozkaSeznamu_ = cestySlozek_[static_cast<std::size_t>(t.lParam)];
    ::SendMessageW(seznam_, LB_RESETCONTENT, 0, 0);
    soubory_.clear();
    prace_->Vypsat(slozkaSeznamu_, nastaveni_.filtrSoubory);
    Stav(TextNacitaniSlozky(CestaProUzivatele(slozkaSeznamu_), 0));
}

const OknoProhlizecFtp::Soubor* OknoProhlizecFtp::VybranySoubor() const {
    const LRESULT i = ::SendMessageW(seznam_, LB_GETCURSEL, 0, 0);
    if (i == LB_ERR) return nullptr;
    const LRESULT data = ::SendMessageW(seznam_, LB_GETITEMDATA, static_cast<WPARAM>(i), 0);
    if (data == LB_ERR || data < 0 || static_cast<std::size_t>(data) >= soubory_.size()) return nullptr;
    return &soubory_[static_cast<std::size_t>(data)];
}

void OknoProhlizecFtp::PoVyberuSouboru() {
    const Soubor* s = VybranySoubor();
    if (s && nastaveni_.nacitatAutomaticky && FiltrSouboruFtp::JeObrazek(s->polozka.jmeno)) Nahled();
}

void OknoProhlizecFtp::Nahled() {
    const Soubor* s = VybranySoubor();
    if (!prace_->Pripojeno() || !s || !FiltrSouboruFtp::JeObrazek(s->polozka.jmeno)) return;
    prace_->Nahled(s->slozka, s->polozka.jmeno);
    Stav(kTextNacitamObrazek);
}

void OknoProhlizecFtp::Stahnout() {
    const Soubor* s = VybranySoubor();
    if (!prace_->Pripojeno() || !s || prace_->StahovaniBezi()) return;
    const Soubor soubor = *s;
    wchar_t cesta[MAX_PATH * 2] = {};
    const std::wstring navrh = NavrhJmenaUlozeni(soubor.polozka.jmeno);
    navrh.copy(cesta, std::min<std::size_t>(navrh.size(), MAX_PATH * 2 - 1));
    OPENFILENAMEW ofn{};
    ofn.lStructSize = sizeof ofn;
    ofn.hwndOwner = Hwnd();
    ofn.lpstrFilter = L"Všechny soubory (*.*)\0*.*\0";
    ofn.lpstrFile = cesta;
    ofn.nMaxFile = MAX_PATH * 2;
    ofn.lpstrTitle = L"Uložit soubor z FTP serveru";
    ofn.Flags = OFN_EXPLORER | OFN_OVERWRITEPROMPT | OFN_PATHMUSTEXIST | OFN_HIDEREADONLY | OFN_NOCHANGEDIR;
    if (!::GetSaveFileNameW(&ofn)) return;
    if (!prace_->Stahnout(soubor.slozka, soubor.polozka.jmeno, soubor.polozka.velikost, cesta)) return;
    velikostStahovani_ = soubor.polozka.velikost;
    cilStahovani_ = cesta;
    radek_.NastavitText(kCastStahovani, kTextStahovaniSouboru);
    radek_.NastavitIkonu(kCastStahovani, Aplikace::Instance().SeznamObrazku(0), PrvkyOknaKamery::kObrSnimekFtp);
    radek_.NastavitText(kCastPrubeh, TextPrubehu(velikostStahovani_ > 0, 0, 0));
}

// ---- results

void OknoProhlizecFtp::PrijmoutDavku(const DavkaVypisuFtp& d) {
    const auto it = slozky_.find(d.slozka);
    const HTREEITEM rodic = it != slozky_.end() ? it->second : nullptr;
    if (rodic && !vypsane_[d.slozka])
        for (const PolozkaFtp& p : d.slozky) PridatSlozku(rodic, d.slozka.empty() ? p.jmeno : d.slozka + L"/" + p.jmeno, p.jmeno);
    if (d.slozka == slozkaSeznamu_ && !d.soubory.empty()) {
        ::SendMessageW(seznam_, WM_SETREDRAW, FALSE, 0);
        for (const PolozkaFtp& p : d.soubory) {
            const LRESULT i = ::SendMessageW(seznam_, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(p.jmeno.c_str()));
            if (i < 0) continue;
            soubory_.push_back({d.slozka, p});
            ::SendMessageW(seznam_, LB_SETITEMDATA, static_cast<WPARAM>(i), static_cast<LPARAM>(soubory_.size() - 1));
        }
        ::SendMessageW(seznam_, WM_SETREDRAW, TRUE, 0);
        ::InvalidateRect(seznam_, nullptr, TRUE);
    }
    Stav(TextNacitaniSlozky(CestaProUzivatele(d.slozka), d.prijato));
}

void OknoProhlizecFtp::KonecVypisu(const KonecVypisuFtp& k) {
    if (k.pripojeni) {
        pripojovani_ = false;
        prace_->KonecVypisu(k);
        if (!k.chyba.empty()) {
            Vyprazdnit();
            NastavitTitulek();
            Stav(k.chyba);
            Aplikace::Instance().ZobrazitChybu(k.chyba);
            return;
        }
        // The connection worked: it is the last one from now on, and the login folder is the tree's root.
        const ParametryFtp& p = prace_->Parametry();
        nastaveni_.server = p.server;
        nastaveni_.uzivatel = p.uzivatel;
        nastaveni_.heslo = p.heslo;
        nastaveni_.pasivniRezim = p.pasivni;
        NastavitTitulek();
    }
    const auto it = slozky_.find(k.slozka);
    if (it != slozky_.end() && k.chyba.empty()) {
        vypsane_[k.slozka] = true;
        if (!TreeView_GetChild(strom_, it->second)) {
            TVITEMW t{};
            t.mask = TVIF_CHILDREN;
            t.hItem = it->second;
            t.cChildren = 0;
            TreeView_SetItem(strom_, &t);
        } else {
            TreeView_Expand(strom_, it->second, TVE_EXPAND);
        }
    }
    if (!k.chyba.empty()) {
        Stav(k.chyba);
        Aplikace::Instance().ZobrazitChybu(k.chyba);
    } else if (k.omezeno) {
        Stav(TextOmezenehoVypisu(CestaProUzivatele(k.slozka)));
    } else {
        Stav(Formatovat(L"Složka \"%s\": %u souborů v seznamu", CestaProUzivatele(k.slozka).c_str(),
                        static_cast<unsigned>(soubory_.size())));
    }
}

void OknoProhlizecFtp::NahledHotov(const VysledekNahleduFtp& v) {
    Stav(L"");
    try {
        NahledObrazkuFtp nahled = DekodovatNahled(v.data, v.jmeno, nastaveni_.pozadiObrazku);
        obrazek_.NastavitObrazek(std::move(nahled.bitmapa), nahled.sirka, nahled.vyska);
        Stav(Formatovat(L"%s (%d x %d  bodů)", v.jmeno.c_str(), nahled.sirka, nahled.vyska));
    } catch (const Chyba& chyba) {
        const std::wstring text = chyba.Text().empty() ? Aplikace::Instance().PopisChybyCom(chyba) : chyba.Text();
        obrazek_.NastavitText(text);
        Stav(text);
    }
}

void OknoProhlizecFtp::StazeniHotovo(const VysledekStazeniFtp& v) {
    radek_.NastavitText(kCastStahovani, L"");
    radek_.NastavitIkonu(kCastStahovani, Aplikace::Instance().SeznamObrazku(0), -1);
    radek_.NastavitText(kCastPrubeh, TextPrubehu(velikostStahovani_ > 0, 100, v.bajty));
    Stav(Formatovat(L"Soubor \"%s\" byl uložen do \"%s\".", v.jmeno.c_str(), v.cil.c_str()));
    OtevritStazeny(v.cil);
}

void OknoProhlizecFtp::StazeniSelhalo(const VysledekStazeniFtp& v) {
    radek_.NastavitText(kCastStahovani, L"");
    radek_.NastavitIkonu(kCastStahovani, Aplikace::Instance().SeznamObrazku(0), -1);
    radek_.NastavitText(kCastPrubeh, L"");
    Stav(v.chyba);
    Aplikace::Instance().ZobrazitChybu(v.chyba);
}

void OknoProhlizecFtp::OtevritStazeny(const std::wstring& cil) {
    const wchar_t* sloveso = nastaveni_.shellOtevrit == 1 ? L"open" : nastaveni_.shellOtevrit == 2 ? L"edit" : nullptr;
    if (!sloveso) return;
    const auto vysledek = reinterpret_cast<INT_PTR>(::ShellExecuteW(Hwnd(), sloveso, cil.c_str(), nullptr, nullptr,
                                                                    SW_SHOWNORMAL));
    if (vysledek > 32) return;
    // The shell's codes up to 32 are system error codes (or their older equivalents).
    const DWORD kod = vysledek == SE_ERR_NOASSOC || vysledek == SE_ERR_ASSOCINCOMPLETE ? ERROR_NO_ASSOCIATION
                      : vysledek == 0 ? ERROR_OUTOFMEMORY
                                      : static_cast<DWORD>(vysledek);
    const std::wstring text = TextyZprav::Chyba(
        Formatovat(L"Stažený soubor \"%s\" nelze %s", cil.c_str(), nastaveni_.shellOtevrit == 2 ? L"upravit" : L"otevřít"),
        Aplikace::Instance().PopisChybyCom(Chyba(Knihovna::HresultZWin32(kod))));
    Stav(text);
    Aplikace::Instance().ZobrazitChybu(text);
}

// ---- messages

LRESULT OknoProhlizecFtp::Oznameni(const NMHDR& n) {
    if (n.idFrom != kIdStromu) return 0;
    switch (n.code) {
    case TVN_SELCHANGEDW: {
        const auto& z = reinterpret_cast<const NMTREEVIEWW&>(n);
        if (z.itemNew.hItem && prace_->Pripojeno() && !vyberBezVypisu_) VypsatSlozku(z.itemNew.hItem);
        return 0;
    }
    case TVN_ITEMEXPANDINGW: {
        // A folder not listed yet is listed (and selected) first; it opens when its subfolders are there.
        const auto& z = reinterpret_cast<const NMTREEVIEWW&>(n);
        if (z.action != TVE_EXPAND || !prace_->Pripojeno()) return 0;
        const auto p = static_cast<std::size_t>(z.itemNew.lParam);
        if (p < cestySlozek_.size() && !vypsane_[cestySlozek_[p]]) {
            if (TreeView_GetSelection(strom_) == z.itemNew.hItem) VypsatSlozku(z.itemNew.hItem);
            else TreeView_SelectItem(strom_, z.itemNew.hItem);
            return TRUE;
        }
        return 0;
    }
    }
    return 0;
}

void OknoProhlizecFtp::Zavrit() {
    if (prace_) prace_->Zavrit();
    nastaveni_.sirkaStromu = vodorovne_.Poloha();
    nastaveni_.vyskaStromu = svisle_.Poloha();
    try {
        nastaveni_.Ulozit(Aplikace::Instance().Registr(), kKorenRegistru);
    } catch (const Chyba& chyba) {
        Aplikace::Instance().ZobrazitChybu(
            TextyZprav::Chyba(L"Nastavení prohlížeče souborů na FTP nelze uložit", Aplikace::Instance().PopisChybyCom(chyba)));
    }
}

LRESULT OknoProhlizecFtp::ZpracovatZpravu(UINT zprava, WPARAM wp, LPARAM lp) {
    switch (zprava) {
    case WM_SIZE:
        Rozvrhnout();
        return 0;
    case WM_COMMAND:
        if (Prikaz(LOWORD(wp), HIWORD(wp))) return 0;
        break;
    case WM_NOTIFY:
        return Oznameni(*reinterpret_cast<const NMHDR*>(lp));
    case WM_INITMENUPOPUP:
        PovolitPolozky(reinterpret_cast<HMENU>(wp));
        return 0;
    case WM_CONTEXTMENU:
        if (reinterpret_cast<HWND>(wp) == seznam_) {
            Knihovna::WinApi::UnikatniMenu menu(::CreatePopupMenu());
            Pridat(menu.get(), kSoubor);
            PovolitPolozky(menu.get());
            ::TrackPopupMenu(menu.get(), TPM_RIGHTBUTTON, GET_X_LPARAM(lp), GET_Y_LPARAM(lp), 0, Hwnd(), nullptr);
            return 0;
        }
        break;
    case WM_SETFOCUS:
        ::SetFocus(seznam_);
        return 0;
    case WM_CLOSE:
        Zavrit();
        break;  // the base saves the placement and destroys the window
    case WM_DESTROY:
        PraceProhlizeceFtp::ZahoditNevyzvednute(Hwnd());
        ::PostQuitMessage(0);
        return 0;

    case kZpravaDavkaVypisu: {
        auto d = Prevzit<DavkaVypisuFtp>(lp);
        if (prace_->Aktualni(zprava, wp)) PrijmoutDavku(*d);
        return 0;
    }
    case kZpravaKonecVypisu: {
        auto k = Prevzit<KonecVypisuFtp>(lp);
        if (prace_->Aktualni(zprava, wp)) KonecVypisu(*k);
        return 0;
    }
    case kZpravaNahledZacatek:
        if (prace_->Aktualni(zprava, wp)) Stav(kTextStahovaniObrazku);
        return 0;
    case kZpravaNahledHotov:
    case kZpravaNahledChyba: {
        auto v = Prevzit<VysledekNahleduFtp>(lp);
        if (!prace_->Aktualni(zprava, wp)) return 0;
        if (zprava == kZpravaNahledHotov) {
            NahledHotov(*v);
        } else {
            obrazek_.NastavitText(v->chyba);
            Stav(v->chyba);
        }
        return 0;
    }
    case kZpravaStazeniZacatek:
        return 0;
    case kZpravaStazeniPrubeh:
        if (prace_->Aktualni(zprava, wp)) {
            const auto bajty = static_cast<std::uint64_t>(lp);
            radek_.NastavitText(kCastPrubeh, TextPrubehu(velikostStahovani_ > 0,
                                                         ProcentaStazeni(bajty, velikostStahovani_), bajty));
        }
        return 0;
    case kZpravaStazeniHotovo:
    case kZpravaStazeniChyba: {
        auto v = Prevzit<VysledekStazeniFtp>(lp);
        if (!prace_->Aktualni(zprava, wp)) return 0;
        if (zprava == kZpravaStazeniHotovo) StazeniHotovo(*v);
        else StazeniSelhalo(*v);
        return 0;
    }
    }
    return OknoAplikace::ZpracovatZpravu(zprava, wp, lp);
}
