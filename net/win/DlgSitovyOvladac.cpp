#include "net/win/DlgSitovyOvladac.h"

#include <ws2tcpip.h>
#include <commctrl.h>
#include <lm.h>

#include <array>
#include <chrono>
#include <condition_variable>
#include <cstring>
#include <memory>
#include <mutex>

#include "app/win/Aplikace.h"
#include "app/win/OknoHlavni.h"
#include "camera/AktivityKamery.h"
#include "email/win/SablonaDialogu.h"
#include "email/win/SoketWinsock.h"
#include "knihovna/Formatovani.h"
#include "knihovna/KodovaniUtf16.h"
#include "knihovna/win/ChybyWin.h"
#include "knihovna/win/VyzvednutiZpravy.h"
#include "net/KlientDalkovehoOvladani.h"
#include "resources/IdZdroju.h"

using Holvent::Email::SablonaDialogu;
using Holvent::Ovladac::KlientDalkovehoOvladani;
using Holvent::Ovladac::VysledekPrikazu;

namespace {

struct PolozkaPrikazu {
    const wchar_t* text;
    int prikaz;
};

constexpr std::array kSeznamPrikazu{
    PolozkaPrikazu{L"Zapnout/vypnout výchozí kameru", 40066},
    PolozkaPrikazu{L"Zapnout u výchozí kamery digitalizaci videa z nastaveného zařízení", 40067},
    PolozkaPrikazu{L"Vypnout u výchozí kamery digitalizaci videa z nastaveného zařízení", 40068},
    PolozkaPrikazu{L"Odeslat aktuání snímek na FTP server", 40052},
    PolozkaPrikazu{L"Aktivovat automatické odesílání snímků na FTP server", 40040},
    PolozkaPrikazu{L"Odeslat aktuální snímek emailem", 40053},
    PolozkaPrikazu{L"Aktivovat automatické odesílání snímků emailem", 40041},
    PolozkaPrikazu{L"Spustit HTTP server výchozí kamery", 40069},
    PolozkaPrikazu{L"Ukončit HTTP server výchozí kamery", 40070},
    PolozkaPrikazu{L"Ukončit aplikaci", 40001},
};

constexpr short kSirka = 300, kVyska = 236;  // dialog units
constexpr wchar_t kNezjisteno[] = L"Nepodařilo se zjistit!";
constexpr wchar_t kNenalezeno[] = L"Nebyly nalezeny žádné počítače v síti LAN";
constexpr wchar_t kOdesilam[] = L"Odesílám příkaz vzdálené aplikaci Tervik ...";

struct VysledekHledani {
    NET_API_STATUS kod = NERR_Success;
    std::vector<std::wstring> jmena;
};

struct VysledekPrekladu {
    std::wstring jmeno, adresa;  // adresa empty: not resolved
    bool pouzit = false;
};

// Winsock for the worker's own calls (the process has it too; the count keeps it safe either way).
class Winsock {
public:
    Winsock() { ok_ = ::WSAStartup(MAKEWORD(2, 2), &data_) == 0; }
    ~Winsock() {
        if (ok_) ::WSACleanup();
    }

private:
    WSADATA data_{};
    bool ok_ = false;
};

std::wstring ZAnsi(const char* text) {
    if (!text || !*text) return {};
    const int n = ::MultiByteToWideChar(CP_ACP, 0, text, -1, nullptr, 0);
    std::wstring w(static_cast<std::size_t>(n > 0 ? n : 1), L'\0');
    ::MultiByteToWideChar(CP_ACP, 0, text, -1, w.data(), n);
    w.resize(std::wcslen(w.c_str()));
    return w;
}

std::string NaAnsi(const std::wstring& text) {
    const int n = ::WideCharToMultiByte(CP_ACP, 0, text.c_str(), -1, nullptr, 0, nullptr, nullptr);
    std::string a(static_cast<std::size_t>(n > 0 ? n : 1), '\0');
    ::WideCharToMultiByte(CP_ACP, 0, text.c_str(), -1, a.data(), n, nullptr, nullptr);
    a.resize(std::strlen(a.c_str()));
    return a;
}

void NastavitAdresu(HWND pole, const std::wstring& adresa) {
    std::uint32_t ip = 0;
    if (!KlientDalkovehoOvladani::JeAdresaIpv4(adresa, &ip)) return;
    const auto* b = reinterpret_cast<const unsigned char*>(&ip);
    ::SendMessageW(pole, IPM_SETADDRESS, 0, MAKEIPADDRESS(b[0], b[1], b[2], b[3]));
}

void NajitPocitace(DWORD typy, VysledekHledani& v) {
    SERVER_INFO_101* info = nullptr;
    DWORD precteno = 0, celkem = 0;
    v.kod = ::NetServerEnum(nullptr, 101, reinterpret_cast<LPBYTE*>(&info), MAX_PREFERRED_LENGTH, &precteno, &celkem,
                            typy, nullptr, nullptr);
    if ((v.kod == NERR_Success || v.kod == ERROR_MORE_DATA) && info)
        for (DWORD i = 0; i < precteno; ++i)
            if (info[i].sv101_name) v.jmena.emplace_back(info[i].sv101_name);
    if (info) ::NetApiBufferFree(info);
}

using Posta = std::shared_ptr<Holvent::Ftp::PostaOkna>;

// The workers own only copies and the post box; each posts one result and ends.

void VlaknoOdeslaniPrikazu(std::stop_token stop, const Posta& posta, const std::wstring& adresa, std::uint16_t port,
                           int prikaz) {
    Holvent::Email::SoketWinsock soket;
    KlientDalkovehoOvladani klient(soket);
    auto vysledek = std::make_unique<VysledekPrikazu>();
    {
        // A forced stop closes the socket: every wait of the send ends at once.
        std::stop_callback preruseni(stop, [&klient] { klient.Prerusit(); });
        *vysledek = klient.Odeslat(adresa, port, prikaz);
    }
    posta->Poslat(kZpravaPraceOvladace, DlgSitovyOvladac::kPraceOdeslani, std::move(vysledek));
}

void VlaknoZjisteniJmena(const Posta& posta, std::uint32_t ip) {
    Winsock ws;
    // The system resolver bounds this wait by its own time-outs.
    const hostent* h = ::gethostbyaddr(reinterpret_cast<const char*>(&ip), sizeof ip, AF_INET);
    posta->Poslat(kZpravaPraceOvladace, DlgSitovyOvladac::kPraceJmeno,
                  std::make_unique<std::wstring>(h ? ZAnsi(h->h_name) : std::wstring()));
}

void VlaknoHledaniPocitacu(std::stop_token stop, const Posta& posta) {
    // The browser service needs a moment after the network comes up; a stop cuts the pause.
    std::mutex zamek;
    std::condition_variable_any podminka;
    {
        std::unique_lock cekani(zamek);
        podminka.wait_for(cekani, stop, std::chrono::seconds(3), [] { return false; });
    }
    if (stop.stop_requested()) return;
    auto v = std::make_unique<VysledekHledani>();
    NajitPocitace(SV_TYPE_ALL, *v);
    if (v->jmena.empty()) {
        const NET_API_STATUS prvni = v->kod;
        NajitPocitace(SV_TYPE_WORKSTATION | SV_TYPE_SERVER | SV_TYPE_LOCAL_LIST_ONLY, *v);
        if (v->jmena.empty() && prvni != NERR_Success) v->kod = prvni;
    }
    posta->Poslat(kZpravaPraceOvladace, DlgSitovyOvladac::kPraceHledani, std::move(v));
}

void VlaknoPrekladuJmena(const Posta& posta, const std::wstring& jmeno, bool pouzit) {
    Winsock ws;
    auto v = std::make_unique<VysledekPrekladu>();
    v->jmeno = jmeno;
    v->pouzit = pouzit;
    const hostent* h = ::gethostbyname(NaAnsi(jmeno).c_str());
    if (h && h->h_addrtype == AF_INET && h->h_addr_list && h->h_addr_list[0]) {
        in_addr a{};
        std::memcpy(&a, h->h_addr_list[0], sizeof a);
        v->adresa = ZAnsi(::inet_ntoa(a));
    }
    posta->Poslat(kZpravaPraceOvladace, DlgSitovyOvladac::kPracePreklad, std::move(v));
}

}  // namespace

DlgSitovyOvladac::DlgSitovyOvladac(Zaneprazdneni zaneprazdneni, Vynuceno vynuceno)
    : zaneprazdneni_(std::move(zaneprazdneni)), vynuceno_(std::move(vynuceno)),
      port_(kRozsahPortu.min, kRozsahPortu.max) {}

DlgSitovyOvladac::~DlgSitovyOvladac() {
    if (posta_) posta_->Zavrit();
}

void DlgSitovyOvladac::Vytvorit(HWND ramec) {
    INITCOMMONCONTROLSEX icc{sizeof icc, ICC_INTERNET_CLASSES | ICC_LINK_CLASS | ICC_BAR_CLASSES};
    ::InitCommonControlsEx(&icc);
    SablonaDialogu s(kSirka, kVyska, L"", SablonaDialogu::kVnoreny);
    constexpr DWORD tab = WS_TABSTOP;
    s.Polozka(SS_LEFT, 15, 18, 45, 8, kPopisekAdresy, SablonaDialogu::kPopisek, L"IP adresa:");
    s.Polozka(tab, 62, 16, 90, 13, kAdresa, WC_IPADDRESSW);
    s.Polozka(SS_RIGHT, 160, 18, 54, 8, kPopisekPortu, SablonaDialogu::kPopisek, L"Číslo portu:");
    s.Polozka(tab | WS_BORDER | ES_AUTOHSCROLL | ES_NUMBER, 218, 16, 45, 13, kPort, SablonaDialogu::kEdit);
    s.Polozka(SS_LEFT, 15, 34, 55, 8, kPopisekJmena, SablonaDialogu::kPopisek, L"Jméno počítače:");
    s.Polozka(SS_LEFT | SS_NOPREFIX | SS_ENDELLIPSIS, 72, 34, 215, 8, kJmeno, SablonaDialogu::kPopisek);
    s.Polozka(tab | CBS_DROPDOWNLIST | WS_VSCROLL, 7, 56, 226, 150, kPrikazy, 0x0085);
    s.Polozka(tab | BS_DEFPUSHBUTTON, 239, 55, 54, 14, kOdeslat, SablonaDialogu::kTlacitko, L"Odeslat");
    s.Polozka(SS_LEFT, 7, 76, 286, 8, kPopisekOdpovedi, SablonaDialogu::kPopisek,
              L"Výsledek požadované akce / odpověď, potvrzení od vzdálené aplikace:");
    s.Polozka(tab | WS_BORDER | WS_VSCROLL | ES_MULTILINE | ES_READONLY | ES_AUTOVSCROLL, 7, 86, 286, 90, kOdpovedi,
              SablonaDialogu::kEdit);
    s.Polozka(SS_LEFT, 7, 184, 100, 8, kPopisekPocitacu, SablonaDialogu::kPopisek, L"Počítače v místní síti LAN:");
    s.Polozka(tab | CBS_DROPDOWNLIST | WS_VSCROLL | WS_DISABLED, 110, 182, 183, 100, kPocitace, 0x0085);
    s.Polozka(SS_LEFT | SS_NOPREFIX, 110, 198, 183, 8, kAdresaPocitace, SablonaDialogu::kPopisek);
    s.Polozka(tab | WS_DISABLED, 7, 210, 150, 9, kPouzitPocitac, WC_LINK,
              L"<a>Použít vybraný počítač jako ovládaný</a>");
    s.Polozka(tab, 165, 210, 128, 9, kVyhledat, WC_LINK, L"<a>Vyhledat/aktualizovat</a>");
    s.Polozka(tab, 7, 222, 200, 9, kSmazatZpravy, WC_LINK, L"<a>Odstranit všechny dosud došlé zprávy</a>");
    // Last, so that it lies under the controls it frames.
    s.Polozka(BS_GROUPBOX, 7, 4, 286, 46, kSkupina, SablonaDialogu::kTlacitko,
              L" Počítač s ovládanou aplkací \"Tervik\" ");
    hwnd_ = ::CreateDialogIndirectParamW(::GetModuleHandleW(nullptr), s.Sablona(), ramec, &Procedura,
                                         reinterpret_cast<LPARAM>(this));
    Knihovna::WinApi::VyhoditKdyzNeuspech(hwnd_);
    ZjistitJmeno();
    if (Aplikace::Instance().Nastaveni().nacistPocitaceLan) Vyhledat();
}

SIZE DlgSitovyOvladac::VelikostRamce(HWND ramec) const {
    RECT r{0, 0, kSirka, kVyska};
    ::MapDialogRect(hwnd_, &r);
    r.bottom += stav_.Vyska();
    ::AdjustWindowRectEx(&r, static_cast<DWORD>(::GetWindowLongPtrW(ramec, GWL_STYLE)), FALSE,
                         static_cast<DWORD>(::GetWindowLongPtrW(ramec, GWL_EXSTYLE)));
    return {r.right - r.left, r.bottom - r.top};
}

INT_PTR CALLBACK DlgSitovyOvladac::Procedura(HWND okno, UINT zprava, WPARAM wp, LPARAM lp) {
    if (zprava == WM_INITDIALOG) {
        ::SetWindowLongPtrW(okno, DWLP_USER, lp);
        reinterpret_cast<DlgSitovyOvladac*>(lp)->hwnd_ = okno;
    }
    auto* dlg = reinterpret_cast<DlgSitovyOvladac*>(::GetWindowLongPtrW(okno, DWLP_USER));
    if (!dlg) return FALSE;
    // The dialog procedure is a boundary: nothing escapes into user32.
    try {
        return dlg->ZpracovatZpravu(zprava, wp, lp);
    } catch (const Knihovna::Chyba& chyba) {
        dlg->Stav(Knihovna::WinApi::PopisChyby(chyba));
    } catch (...) {
        dlg->Stav(Knihovna::WinApi::SystemovyPopis(static_cast<HRESULT>(Knihovna::HresultAktualniVyjimky())));
    }
    return TRUE;
}

INT_PTR DlgSitovyOvladac::ZpracovatZpravu(UINT zprava, WPARAM wp, LPARAM lp) {
    switch (zprava) {
    case WM_INITDIALOG: Inicializovat(); return FALSE;
    case WM_SIZE: Rozmistit(LOWORD(lp), HIWORD(lp)); return TRUE;
    case WM_COMMAND: Prikaz(LOWORD(wp), HIWORD(wp)); return TRUE;
    case WM_NOTIFY: Oznameni(*reinterpret_cast<const NMHDR*>(lp)); return TRUE;
    case kZpravaPraceOvladace: Vysledek(wp, lp); return TRUE;
    case WM_DESTROY:
        posta_->Zavrit();
        ZahoditVysledky();
        if (zaneprazdnen_) zaneprazdneni_(false);
        zaneprazdnen_ = false;
        return FALSE;
    }
    return FALSE;
}

void DlgSitovyOvladac::Inicializovat() {
    posta_ = std::make_shared<Holvent::Ftp::PostaOkna>(hwnd_);
    stav_.Vytvorit(hwnd_, kStavovyRadek);
    const NastaveniAplikace& n = Aplikace::Instance().Nastaveni();
    NastavitAdresu(::GetDlgItem(hwnd_, kAdresa), n.ipAdresa);
    port_.Pripojit(::GetDlgItem(hwnd_, kPort));
    port_.Nastavit(n.port);
    HWND prikazy = ::GetDlgItem(hwnd_, kPrikazy);
    for (const PolozkaPrikazu& p : kSeznamPrikazu) {
        const auto i = ::SendMessageW(prikazy, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(p.text));
        ::SendMessageW(prikazy, CB_SETITEMDATA, static_cast<WPARAM>(i), p.prikaz);
    }
    ::SendMessageW(prikazy, CB_SETCURSEL, 0, 0);
    ::SendMessageW(prikazy, CB_SETDROPPEDWIDTH, 400, 0);
    ::SendDlgItemMessageW(hwnd_, kOdpovedi, EM_SETLIMITTEXT, 0, 0);
    Stav(L"Připraven");

    RECT r{};
    ::GetClientRect(hwnd_, &r);
    puvodni_ = {r.right, r.bottom + stav_.Vyska()};
    for (int id = kSkupina; id < kStavovyRadek; ++id) {
        HWND prvek = ::GetDlgItem(hwnd_, id);
        RECT m{};
        ::GetWindowRect(prvek, &m);
        ::MapWindowPoints(nullptr, hwnd_, reinterpret_cast<POINT*>(&m), 2);
        mista_.push_back({id, m});
    }
}

void DlgSitovyOvladac::Rozmistit(int sirka, int vyska) {
    stav_.Prizpusobit();
    if (mista_.empty()) return;
    const int dx = std::max(0, sirka - static_cast<int>(puvodni_.cx));
    const int dy = std::max(0, vyska - static_cast<int>(puvodni_.cy));
    RECT odpovedi{};
    for (const Misto& m : mista_)
        if (m.id == kOdpovedi) odpovedi = m.r;
    // The replies take the growth; what lies below them moves down, the wide controls widen.
    for (const Misto& m : mista_) {
        RECT r = m.r;
        const bool siroky = m.id == kSkupina || m.id == kJmeno || m.id == kPrikazy || m.id == kPopisekOdpovedi ||
                            m.id == kOdpovedi || m.id == kPocitace || m.id == kAdresaPocitace;
        if (siroky) r.right += dx;
        if (m.id == kOdeslat) ::OffsetRect(&r, dx, 0);
        if (m.id == kOdpovedi) r.bottom += dy;
        if (r.top >= odpovedi.bottom) ::OffsetRect(&r, 0, dy);
        ::MoveWindow(::GetDlgItem(hwnd_, m.id), r.left, r.top, r.right - r.left, r.bottom - r.top, TRUE);
    }
}

void DlgSitovyOvladac::Prikaz(int id, int kod) {
    if (id == kOdeslat && kod == BN_CLICKED) Odeslat();
    else if (id == IDOK) Odeslat();  // Enter in the dialog
    else if (id == kAdresa && kod == EN_CHANGE) ZjistitJmeno();
    else if (id == kPocitace && kod == CBN_SELCHANGE) PrelozitVybrany(false);
}

void DlgSitovyOvladac::Oznameni(const NMHDR& n) {
    if (n.code != NM_CLICK && n.code != NM_RETURN) return;
    switch (n.idFrom) {
    case kPouzitPocitac: PrelozitVybrany(true); break;
    case kVyhledat: Vyhledat(); break;
    case kSmazatZpravy: ::SetDlgItemTextW(hwnd_, kOdpovedi, L""); break;
    }
}

std::wstring DlgSitovyOvladac::AdresaZPole() const {
    DWORD ip = 0;
    if (::SendDlgItemMessageW(hwnd_, kAdresa, IPM_GETADDRESS, 0, reinterpret_cast<LPARAM>(&ip)) != 4) return {};
    return Knihovna::Formatovat(L"%u.%u.%u.%u", FIRST_IPADDRESS(ip), SECOND_IPADDRESS(ip), THIRD_IPADDRESS(ip),
                                FOURTH_IPADDRESS(ip));
}

void DlgSitovyOvladac::Odeslat() {
    if (odeslani_.Bezi()) return;
    auto& app = Aplikace::Instance();
    const std::wstring adresa = AdresaZPole();
    // Bad input is refused before anything is stored or connected; the fields keep what was typed.
    if (!KlientDalkovehoOvladani::JeAdresaIpv4(adresa)) {
        const std::wstring text = KlientDalkovehoOvladani::TextSelhani(Holvent::Ovladac::Selhani::NeplatnaAdresa);
        Stav(text);
        ::MessageBoxW(hwnd_, text.c_str(), app.Produkt().c_str(), MB_OK | MB_ICONWARNING);
        ::SetFocus(::GetDlgItem(hwnd_, kAdresa));
        return;
    }
    if (const auto chyba = port_.Overit()) {
        Stav(*chyba);
        ::MessageBoxW(hwnd_, chyba->c_str(), app.Produkt().c_str(), MB_OK | MB_ICONWARNING);
        ::SetFocus(port_.Okno());
        return;
    }
    const auto port = static_cast<std::uint16_t>(*port_.Cislo());
    HWND prikazy = ::GetDlgItem(hwnd_, kPrikazy);
    const auto vyber = ::SendMessageW(prikazy, CB_GETCURSEL, 0, 0);
    if (vyber < 0) return;
    const int prikaz = static_cast<int>(::SendMessageW(prikazy, CB_GETITEMDATA, static_cast<WPARAM>(vyber), 0));

    NastaveniAplikace& n = app.Nastaveni();
    {
        std::lock_guard z(n.Zamek());
        n.ipAdresa = adresa;
        n.port = port;
    }
    try {
        n.UlozitHodnoty(app.Registr(), L"Sitovy ovladac", {L"ipAdresa", L"port"});
    } catch (const Knihovna::Chyba& chyba) {
        PridatOdpoved(app.Text(IdZdroju::kTextChybaZapisuKonfigurace) + L" " + Knihovna::WinApi::PopisChyby(chyba));
    }

    const bool spusteno = odeslani_.Spustit([posta = posta_, adresa, port, prikaz](std::stop_token stop) {
        VlaknoOdeslaniPrikazu(stop, posta, adresa, port, prikaz);
    });
    if (!spusteno) return;
    ::EnableWindow(::GetDlgItem(hwnd_, kOdeslat), FALSE);
    Stav(kOdesilam);
    Oznamit(kOdesilam);
    ObnovitZaneprazdneni();
}

void DlgSitovyOvladac::ZjistitJmeno() {
    if (!posta_) return;
    if (jmeno_.Bezi()) {
        znovuZjistitJmeno_ = true;
        return;
    }
    const std::wstring adresa = AdresaZPole();
    std::uint32_t ip = 0;
    if (!KlientDalkovehoOvladani::JeAdresaIpv4(adresa, &ip)) {
        ::SetDlgItemTextW(hwnd_, kJmeno, kNezjisteno);
        return;
    }
    jmeno_.Spustit([posta = posta_, ip](std::stop_token) { VlaknoZjisteniJmena(posta, ip); });
    ObnovitZaneprazdneni();
}

void DlgSitovyOvladac::Vyhledat() {
    if (hledani_.Bezi()) return;
    const std::wstring text = L"Vyhledávám počítače v síti LAN";
    Stav(text);
    ::SetDlgItemTextW(hwnd_, kAdresaPocitace, text.c_str());
    Oznamit(L"Vyhledávám dostupné počítače v síti LAN ...");
    ::SendDlgItemMessageW(hwnd_, kPocitace, CB_RESETCONTENT, 0, 0);
    ::EnableWindow(::GetDlgItem(hwnd_, kPocitace), FALSE);
    ::EnableWindow(::GetDlgItem(hwnd_, kPouzitPocitac), FALSE);
    hledani_.Spustit([posta = posta_](std::stop_token stop) { VlaknoHledaniPocitacu(stop, posta); });
    ObnovitZaneprazdneni();
}

void DlgSitovyOvladac::PrelozitVybrany(bool pouzit) {
    HWND pocitace = ::GetDlgItem(hwnd_, kPocitace);
    const auto i = ::SendMessageW(pocitace, CB_GETCURSEL, 0, 0);
    if (i < 0 || preklad_.Bezi()) return;
    const auto delka = ::SendMessageW(pocitace, CB_GETLBTEXTLEN, static_cast<WPARAM>(i), 0);
    std::wstring jmeno(static_cast<std::size_t>(std::max<LRESULT>(delka, 0)) + 1, L'\0');
    ::SendMessageW(pocitace, CB_GETLBTEXT, static_cast<WPARAM>(i), reinterpret_cast<LPARAM>(jmeno.data()));
    jmeno.resize(std::wcslen(jmeno.c_str()));
    if (!pouzit) ::SetDlgItemTextW(hwnd_, kAdresaPocitace, L"Nezjištěná IP adresa");
    preklad_.Spustit([posta = posta_, jmeno, pouzit](std::stop_token) { VlaknoPrekladuJmena(posta, jmeno, pouzit); });
    ObnovitZaneprazdneni();
}

void DlgSitovyOvladac::Vysledek(WPARAM prace, LPARAM data) {
    // The job posts as its last step: it ends at once, and is joined here so that the busy state is exact.
    constexpr std::chrono::milliseconds kDokonceni(2000);
    switch (prace) {
    case kPraceOdeslani:
        odeslani_.Zastavit(kDokonceni);
        HotovoOdeslani(data);
        break;
    case kPraceJmeno: {
        jmeno_.Zastavit(kDokonceni);
        std::unique_ptr<std::wstring> jmeno(reinterpret_cast<std::wstring*>(data));
        ::SetDlgItemTextW(hwnd_, kJmeno, jmeno->empty() ? kNezjisteno : jmeno->c_str());
        if (znovuZjistitJmeno_) {
            znovuZjistitJmeno_ = false;
            ZjistitJmeno();
        }
        break;
    }
    case kPraceHledani:
        hledani_.Zastavit(kDokonceni);
        HotovoHledani(data);
        break;
    case kPracePreklad:
        preklad_.Zastavit(kDokonceni);
        HotovoPreklad(data);
        break;
    }
    ObnovitZaneprazdneni();
}

void DlgSitovyOvladac::HotovoOdeslani(LPARAM data) {
    std::unique_ptr<VysledekPrikazu> v(reinterpret_cast<VysledekPrikazu*>(data));
    ::EnableWindow(::GetDlgItem(hwnd_, kOdeslat), TRUE);
    for (const std::wstring& odpoved : v->odpovedi) PridatOdpoved(odpoved);
    if (v->Uspech()) {
        Stav(L"Příkaz byl odeslán vzdálené aplikaci.");
        return;
    }
    std::wstring popis;
    if (v->kodSystemu) popis = Knihovna::WinApi::SystemovyPopis(HRESULT_FROM_WIN32(static_cast<DWORD>(v->kodSystemu)));
    if (popis.empty()) popis = KlientDalkovehoOvladani::TextSelhani(v->selhani);
    PridatOdpoved(popis);
    Stav(L"Nepodařilo se odeslat příkaz vzdálené aplikaci! " + popis);
}

void DlgSitovyOvladac::HotovoHledani(LPARAM data) {
    std::unique_ptr<VysledekHledani> v(reinterpret_cast<VysledekHledani*>(data));
    HWND pocitace = ::GetDlgItem(hwnd_, kPocitace);
    for (const std::wstring& jmeno : v->jmena) ::SendMessageW(pocitace, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(jmeno.c_str()));
    if (!v->jmena.empty()) {
        ::EnableWindow(pocitace, TRUE);
        ::EnableWindow(::GetDlgItem(hwnd_, kPouzitPocitac), TRUE);
        ::SendMessageW(pocitace, CB_SETCURSEL, 0, 0);
        Stav(Knihovna::Formatovat(L"Nalezené počítače v síti LAN: %u", static_cast<unsigned>(v->jmena.size())));
        PrelozitVybrany(false);
        return;
    }
    ::SetDlgItemTextW(hwnd_, kAdresaPocitace, kNenalezeno);
    PridatOdpoved(kNenalezeno);
    // The browser's own code (6118 where no browser service keeps a list, as under Wine) helps whoever looks.
    std::wstring stav = kNenalezeno;
    if (v->kod != NERR_Success && v->kod != ERROR_MORE_DATA)
        stav += Knihovna::Formatovat(L" (kód %u)", static_cast<unsigned>(v->kod));
    Stav(stav);
}

void DlgSitovyOvladac::HotovoPreklad(LPARAM data) {
    std::unique_ptr<VysledekPrekladu> v(reinterpret_cast<VysledekPrekladu*>(data));
    if (v->adresa.empty()) {
        ::SetDlgItemTextW(hwnd_, kAdresaPocitace, L"Nezjištěná IP adresa");
        return;
    }
    ::SetDlgItemTextW(hwnd_, kAdresaPocitace, (L"IP: " + v->adresa).c_str());
    if (v->pouzit) {
        NastavitAdresu(::GetDlgItem(hwnd_, kAdresa), v->adresa);
        ZjistitJmeno();
    }
}

void DlgSitovyOvladac::PridatOdpoved(const std::wstring& radek) {
    HWND edit = ::GetDlgItem(hwnd_, kOdpovedi);
    const auto delka = ::GetWindowTextLengthW(edit);
    ::SendMessageW(edit, EM_SETSEL, static_cast<WPARAM>(delka), delka);
    const std::wstring text = radek + L"\r\n";
    ::SendMessageW(edit, EM_REPLACESEL, FALSE, reinterpret_cast<LPARAM>(text.c_str()));
}

void DlgSitovyOvladac::Stav(const std::wstring& text) { stav_.NastavitText(0, text); }

void DlgSitovyOvladac::Oznamit(const std::wstring& text) const {
    // A balloon at the main window's icon when there is one; never a box (it would stop the tool).
    auto& app = Aplikace::Instance();
    if (app.RezimZprav_() == RezimZprav::Skryty) return;
    // Posted: the icon belongs to the main window's thread.
    OknoHlavni* hlavni = app.HlavniOkno();
    if (!hlavni || !hlavni->Hwnd()) return;
    auto kopie = std::make_unique<std::wstring>(text);
    if (::PostMessageW(hlavni->Hwnd(), kZpravaBublinaNastroje, 1, reinterpret_cast<LPARAM>(kopie.get())))
        kopie.release();
}

void DlgSitovyOvladac::ObnovitZaneprazdneni() {
    const bool bezi = odeslani_.Bezi() || jmeno_.Bezi() || hledani_.Bezi() || preklad_.Bezi();
    if (bezi == zaneprazdnen_) return;
    zaneprazdnen_ = bezi;
    zaneprazdneni_(bezi);
}

bool DlgSitovyOvladac::MuzeZavrit() {
    ObnovitZaneprazdneni();
    if (!zaneprazdnen_) return true;
    if (vynuceno_ && vynuceno_()) {
        ZastavitPraci();
        return true;
    }
    ::MessageBoxW(hwnd_, L"Počkejte prosím na dokončení probíhající akce a poté můžete okno zavřít",
                  Aplikace::Instance().Produkt().c_str(), MB_OK | MB_ICONINFORMATION);
    return false;
}

void DlgSitovyOvladac::ZastavitPraci() {
    // Each job is cut off (its socket closed, its pause ended) and waited for within the tool's stop time-out;
    // one blocked in the system's resolver is let go: it owns its copies and posts nowhere any more.
    posta_->Zavrit();
    const std::chrono::milliseconds limit(Aplikace::Instance().Nastaveni().casovyLimitNastroje);
    for (Knihovna::Pracovnik* p : {&odeslani_, &hledani_, &jmeno_, &preklad_}) p->Zastavit(limit);
    ZahoditVysledky();
    ObnovitZaneprazdneni();
}

void DlgSitovyOvladac::ZahoditVysledky() {
    MSG m;
    // (The frame posts its quit just before its children go: it is given back to the thread's loop.)
    while (Knihovna::WinApi::VyzvednoutZpravu(m, hwnd_, kZpravaPraceOvladace)) {
        switch (m.wParam) {
        case kPraceOdeslani: delete reinterpret_cast<VysledekPrikazu*>(m.lParam); break;
        case kPraceJmeno: delete reinterpret_cast<std::wstring*>(m.lParam); break;
        case kPraceHledani: delete reinterpret_cast<VysledekHledani*>(m.lParam); break;
        case kPracePreklad: delete reinterpret_cast<VysledekPrekladu*>(m.lParam); break;
        }
    }
}
