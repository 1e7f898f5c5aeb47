#include "app/win/OknoHlavni.h"

#include <commctrl.h>
#include <shellapi.h>

#include "app/PolozkyHlavnihoOkna.h"
#include "app/PravidlaAktualizace.h"
#include "app/PravidlaHlavnihoOkna.h"
#include "app/TextyZprav.h"
#include "app/win/AktualizaceAplikace.h"
#include "app/win/Aplikace.h"
#include "app/win/DlgOAplikaci.h"
#include "app/win/MenuHlavnihoOkna.h"
#include "app/win/ModulNastroje.h"
#include "app/win/ModulyNastroju.h"
#include "app/win/RozhraniSeznamuKamerWin.h"
#include "app/win/StavZdroju.h"
#include "camera/AktivityKamery.h"
#include "camera/win/TervikOkno.h"
#include "email/win/DlgEmailUcty.h"
#include "email/win/DlgFtpMista.h"
#include "knihovna/Formatovani.h"
#include "knihovna/win/ChybyWin.h"
#include "knihovna/win/Dpi.h"
#include "resources/IdZdroju.h"
#include "resources/Obrazky.h"
#include "ui/win/DlgNastaveniAplikace.h"

using Knihovna::WinApi::DpiOkna;
using Knihovna::WinApi::PrijmoutNavrhDpi;
using Knihovna::Formatovat;
namespace Polozky = PolozkyHlavnihoOkna;

namespace {

constexpr int kIdPanelu = 1049;
constexpr int kIdStavu = 1050;
constexpr int kVyskaPolozky = 26;
constexpr int kObrazekBezici = Obrazky::kKameraBezi;  // the running camera's mark in the shared image list
constexpr UINT_PTR kIdPodtridy = 1;

// Commands of this window without a name elsewhere.
constexpr UINT kWeb = 40003, kPodpora = 40004, kAktualizace = 40005, kOAplikaci = 40006, kNapoveda = 40007,
               kZapnoutVybranou = 40020, kVypnoutVybranou = 40021, kSitovyOvladac = 40063, kPrijem = 40064,
               kProhlizecFtp = 40065, kEditorPrx = 40081, kPrehravac = 40086, kEditorObrazku = 40102,
               kNastroje = 40103, kProcesEditor = 40113, kProcesPrehravac = 40114, kProcesFtp = 40115,
               kProcesOvladac = 40116, kPrvniVychozi = 40117, kPosledniVychozi = 40124, kVychoziTervik = 40066;

// The maker's pages (ours to choose).
constexpr const wchar_t* kAdresaWebu = PravidlaAktualizace::kAdresaWebu;
constexpr const wchar_t* kAdresaPodpory = L"mailto:podpora@dunmarholvent.cz?subject=Tervik%204.8";

// The first line of a command's description, for a tooltip.
std::wstring PrvniRadek(std::wstring text) {
    const auto konec = text.find(L'\n');
    if (konec != std::wstring::npos) text.resize(konec);
    return text;
}

// The visible window this thread shows owned by okno (an open modal dialog), or null.
HWND OtevrenyDialog(HWND okno) {
    return Knihovna::WinApi::NajitVlastneneOkno(okno, [](HWND w) { return ::IsWindowVisible(w) != FALSE; });
}

// Counts a handler that is running (and may wait for the user) for as long as it runs.
struct Pocitadlo {
    int& n;
    explicit Pocitadlo(int& pocet) : n(pocet) { ++n; }
    ~Pocitadlo() { --n; }
    Pocitadlo(const Pocitadlo&) = delete;
    Pocitadlo& operator=(const Pocitadlo&) = delete;
};

}  // namespace

// ------------------------------------------------------------------------------------------ creation

void OknoHlavni::Vytvorit() {
    auto& app = Aplikace::Instance();
    const DWORD styl = WS_OVERLAPPEDWINDOW | WS_CLIPCHILDREN;
    RECT r{0, 0, 640, 480};
    ::AdjustWindowRectEx(&r, styl, TRUE, 0);  // with the menu bar
    Okno::Vytvorit(kTrida, app.Produkt(), styl, 0, CW_USEDEFAULT, CW_USEDEFAULT, r.right - r.left, r.bottom - r.top,
                   nullptr, MenuHlavnihoOkna::Vytvorit(Polozky::kMenuHlavni, true));
    ::SendMessageW(Hwnd(), WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(app.VelkaIkona()));
    ::SendMessageW(Hwnd(), WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(app.MalaIkona()));
    ObnovitSeznamKamer(app.Kamery().IndexVychoziKamery());
    ikona_.Nastavit(Hwnd(), kIdIkony, kZpravaIkony);
    if (PravidlaHlavnihoOkna::IkonaPriVytvoreni(app.Nastaveni().oznamovaciIkona, SkrytyRezim())) VytvoritIkonu();
    ObnovitUmisteni();
    RegistrovatKlavesy();
    ::PostMessageW(Hwnd(), WM_SIZE, 0, 0);
    ::ShowWindow(Hwnd(), SW_SHOWNORMAL);
    ::UpdateWindow(Hwnd());
    zpravaTlacitkaUlohy_ = ::RegisterWindowMessageW(L"TaskbarButtonCreated");
    zpravaRestartuShellu_ = ::RegisterWindowMessageW(L"TaskbarCreated");
    ObnovitPrikazy();
    ::PostMessageW(Hwnd(), Aplikace::kZpravaPoSpusteni, 0, 0);
}

void OknoHlavni::VytvoritOvladace() {
    auto& app = Aplikace::Instance();
    pismo_ = static_cast<HFONT>(::GetStockObject(DEFAULT_GUI_FONT));
    LOGFONTW lf{};
    if (::GetObjectW(pismo_, sizeof lf, &lf) == sizeof lf) {
        lf.lfWeight = FW_BOLD;
        tucnePismo_ = ::CreateFontIndirectW(&lf);
    }
    std::vector<Knihovna::WinApi::TlacitkoPanelu> tlacitka;
    for (const Polozky::Tlacitko& t : Polozky::Panel()) {
        if (t.prikaz == 0) {
            tlacitka.push_back({0, 0, BTNS_SEP, L""});
            continue;
        }
        tlacitka.push_back({static_cast<int>(t.prikaz), t.obrazek,
                            static_cast<BYTE>(t.rozbalit ? BTNS_DROPDOWN : BTNS_BUTTON),
                            PrvniRadek(app.Text(t.prikaz))});
    }
    panel_.Vytvorit(Hwnd(), kIdPanelu, app.ObrazkyProDpi(DpiOkna(Hwnd())), tlacitka);
    stav_.Vytvorit(Hwnd(), kIdStavu);
    stav_.NastavitCasti({-1});
    stav_.NastavitText(0, Formatovat(app.Text(IdZdroju::kTextPripraven).c_str(), app.Produkt().c_str()));

    seznamKamer_ = ::CreateWindowExW(WS_EX_CLIENTEDGE, L"LISTBOX", L"",
                                     WS_CHILD | WS_VISIBLE | WS_VSCROLL | WS_TABSTOP | LBS_NOTIFY |
                                         LBS_NOINTEGRALHEIGHT | LBS_WANTKEYBOARDINPUT | LBS_OWNERDRAWFIXED |
                                         LBS_HASSTRINGS,
                                     0, 0, 0, 0, Hwnd(), reinterpret_cast<HMENU>(static_cast<INT_PTR>(kIdSeznamuKamer)),
                                     app.Instance_(), nullptr);
    if (!seznamKamer_) Knihovna::WinApi::VyhoditPosledniChybu();
    ::SendMessageW(seznamKamer_, WM_SETFONT, reinterpret_cast<WPARAM>(pismo_), FALSE);
    ::SetWindowSubclass(seznamKamer_, &OknoHlavni::ProceduraSeznamu, kIdPodtridy, 0);
}

// Ctrl with the left button drags the whole main window by the list.
LRESULT CALLBACK OknoHlavni::ProceduraSeznamu(HWND hwnd, UINT zprava, WPARAM wp, LPARAM lp, UINT_PTR, DWORD_PTR) {
    if (zprava == WM_LBUTTONDOWN && (wp & MK_CONTROL)) {
        ::ReleaseCapture();
        ::SendMessageW(::GetParent(hwnd), WM_NCLBUTTONDOWN, HTCAPTION, 0);
        return 0;
    }
    if (zprava == WM_NCDESTROY) ::RemoveWindowSubclass(hwnd, &OknoHlavni::ProceduraSeznamu, kIdPodtridy);
    return ::DefSubclassProc(hwnd, zprava, wp, lp);
}

void OknoHlavni::RozmistitOvladace() {
    RECT r{};
    ::GetClientRect(Hwnd(), &r);
    panel_.Prizpusobit();
    stav_.Prizpusobit();
    const int horni = panel_.Vyska();
    const int dolni = r.bottom - stav_.Vyska();
    if (seznamKamer_) ::MoveWindow(seznamKamer_, 0, horni, r.right, std::max(0, dolni - horni), TRUE);
}

void OknoHlavni::PridatTlacitkaNahledu() {
    if (!panelUloh_ &&
        FAILED(::CoCreateInstance(CLSID_TaskbarList, nullptr, CLSCTX_INPROC_SERVER, IID_PPV_ARGS(&panelUloh_))))
        return;
    if (FAILED(panelUloh_->HrInit())) return;
    auto& app = Aplikace::Instance();
    THUMBBUTTON tlacitka[3]{};
    int i = 0;
    for (const Polozky::TlacitkoNahledu& t : Polozky::TlacitkaNahledu()) {
        THUMBBUTTON& b = tlacitka[i++];
        b.dwMask = THB_ICON | THB_TOOLTIP | THB_FLAGS;
        b.iId = t.prikaz;
        b.hIcon = ::ImageList_GetIcon(app.SeznamObrazku(0), t.obrazek, ILD_NORMAL);
        b.dwFlags = THBF_ENABLED;
        ::lstrcpynW(b.szTip, PrvniRadek(app.Text(t.prikaz)).c_str(), ARRAYSIZE(b.szTip));
    }
    // The taskbar keeps copies of the icons; without a taskbar (Wine) the buttons are simply not shown.
    panelUloh_->ThumbBarAddButtons(Hwnd(), static_cast<UINT>(i), tlacitka);
    for (int j = 0; j < i; ++j)
        if (tlacitka[j].hIcon) ::DestroyIcon(tlacitka[j].hIcon);
}

// -------------------------------------------------------------------------------------- camera list

void OknoHlavni::ObnovitSeznamKamer(int vyber) {
    if (!seznamKamer_) return;
    auto& kamery = Aplikace::Instance().Kamery();
    ::SendMessageW(seznamKamer_, WM_SETREDRAW, FALSE, 0);
    ::SendMessageW(seznamKamer_, LB_RESETCONTENT, 0, 0);
    for (int i = 0; i < kamery.Pocet(); ++i)
        ::SendMessageW(seznamKamer_, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(kamery.Kamera(i)->Jmeno().c_str()));
    if (kamery.Pocet() > 0)
        ::SendMessageW(seznamKamer_, LB_SETCURSEL, (vyber >= 0 && vyber < kamery.Pocet()) ? vyber : 0, 0);
    ::SendMessageW(seznamKamer_, WM_SETREDRAW, TRUE, 0);
    ::InvalidateRect(seznamKamer_, nullptr, TRUE);
    ObnovitPrikazy();
}

int OknoHlavni::VybranaKamera() const {
    const LRESULT i = seznamKamer_ ? ::SendMessageW(seznamKamer_, LB_GETCURSEL, 0, 0) : LB_ERR;
    return i == LB_ERR ? -1 : static_cast<int>(i);
}

void OknoHlavni::PrepnoutKameru(int index) {
    auto& kamery = Aplikace::Instance().Kamery();
    Tervik* kamera = kamery.Kamera(index);
    if (!kamera) return;
    if (kamera->Bezi() && !kamery.PovolitZastaveni(index)) return;
    if (kamera->Bezi()) kamera->Zastavit();
    else kamera->Spustit();
    if (seznamKamer_) ::InvalidateRect(seznamKamer_, nullptr, TRUE);
    ObnovitPrikazy();
}

TervikOkno* OknoHlavni::BeziciVychoziKamera() const {
    auto& kamery = Aplikace::Instance().Kamery();
    auto* kamera = dynamic_cast<TervikOkno*>(kamery.Kamera(kamery.IndexVychoziKamery()));
    return kamera && kamera->Bezi() && kamera->VideoZapnuto() ? kamera : nullptr;
}

void OknoHlavni::KreslitKameru(const DRAWITEMSTRUCT& p) {
    if (p.itemID == static_cast<UINT>(-1)) return;
    const Tervik* kamera = Aplikace::Instance().Kamery().Kamera(static_cast<int>(p.itemID));
    const bool vybrana = (p.itemState & ODS_SELECTED) != 0;
    ::FillRect(p.hDC, &p.rcItem, ::GetSysColorBrush(vybrana ? COLOR_HIGHLIGHT : COLOR_WINDOW));
    if (kamera) {
        HIMAGELIST obrazky = Aplikace::Instance().SeznamObrazku(0);
        const int x = p.rcItem.left + 2, y = p.rcItem.top + 5;
        if (obrazky) {
            const int pocet = ::ImageList_GetImageCount(obrazky);
            const int index = static_cast<int>(kamera->Parametry().indexIkony);
            if (index >= 0 && index < pocet) ::ImageList_Draw(obrazky, index, p.hDC, x, y, ILD_TRANSPARENT);
            if (kamera->Bezi() && kObrazekBezici < pocet)
                ::ImageList_Draw(obrazky, kObrazekBezici, p.hDC, x + 23, y, ILD_TRANSPARENT);
        }
        HGDIOBJ puvodni = ::SelectObject(p.hDC, kamera->JeVychoziKamera() && tucnePismo_ ? tucnePismo_ : pismo_);
        ::SetBkMode(p.hDC, TRANSPARENT);
        ::SetTextColor(p.hDC, ::GetSysColor(vybrana ? COLOR_HIGHLIGHTTEXT : COLOR_WINDOWTEXT));
        RECT r = p.rcItem;
        r.left = x + 23 + 16 + 6;
        ::DrawTextW(p.hDC, kamera->Jmeno().c_str(), static_cast<int>(kamera->Jmeno().size()), &r,
                    DT_SINGLELINE | DT_VCENTER | DT_NOPREFIX | DT_END_ELLIPSIS);
        ::SelectObject(p.hDC, puvodni);
    }
    if (p.itemState & ODS_FOCUS) ::DrawFocusRect(p.hDC, &p.rcItem);
}

bool OknoHlavni::ZpracovatKlavesu(UINT vk) {
    const UINT prikaz = PravidlaHlavnihoOkna::PrikazKlavesy(vk, ::GetKeyState(VK_CONTROL) < 0);
    if (prikaz == 0) return false;
    ProvestPrikaz(prikaz);
    return true;
}

// ------------------------------------------------------------------------------------------ commands

bool OknoHlavni::PrikazPovolen(UINT prikaz) const {
    if (Polozky::NedostupnyPrikaz(prikaz)) return false;
    const Tervik* vybrana = Aplikace::Instance().Kamery().Kamera(VybranaKamera());
    switch (prikaz) {
    case IdZdroju::kPrikazPrepnoutKameru:
    case IdZdroju::kPrikazOdebratKameru:
    case IdZdroju::kPrikazPrejmenovatKameru:
    case IdZdroju::kPrikazVychoziKamera:
    case IdZdroju::kPrikazKameraVProcesu: return vybrana != nullptr;
    case kZapnoutVybranou: return vybrana && !vybrana->Bezi();
    case kVypnoutVybranou: return vybrana && vybrana->Bezi();
    }
    return true;
}

void OknoHlavni::NastavitStavPolozek(HMENU menu) {
    auto& app = Aplikace::Instance();
    const int pocet = ::GetMenuItemCount(menu);
    for (int i = 0; i < pocet; ++i) {
        const UINT prikaz = MenuHlavnihoOkna::PrikazPolozky(menu, static_cast<UINT>(i));
        if (prikaz == 0 || prikaz >= Polozky::kPrvniKamera) continue;
        MENUITEMINFOW mi{};
    mi.cbSize = sizeof mi;
        mi.fMask = MIIM_STATE;
        const bool zaskrtnout = NastrojBezi(prikaz) || (prikaz == kPrijem && prijem_.Bezi());
        mi.fState = (PrikazPovolen(prikaz) ? MFS_ENABLED : MFS_GRAYED) | (zaskrtnout ? MFS_CHECKED : 0);
        ::SetMenuItemInfoW(menu, static_cast<UINT>(i), TRUE, &mi);
        if (prikaz == IdZdroju::kPrikazPrepnoutKameru) {
            // "Zapnout"/"Vypnout" by the selected camera's state.
            const Tervik* vybrana = app.Kamery().Kamera(VybranaKamera());
            std::wstring text = app.Text(vybrana && vybrana->Bezi() ? 20059 : 20058);
            if (!text.empty()) {
                mi.fMask = MIIM_STRING;
                mi.dwTypeData = text.data();
                ::SetMenuItemInfoW(menu, static_cast<UINT>(i), TRUE, &mi);
            }
        }
    }
}

void OknoHlavni::ObnovitPrikazy() {
    if (ikona_.Existuje()) {
        if (HICON ikona = IkonaOblasti(); ikona != ikonaVOblasti_ && ikona_.Zobrazit(ikona, ikona_.Tip()))
            ikonaVOblasti_ = ikona;
    }
    for (const Polozky::Tlacitko& t : Polozky::Panel())
        if (t.prikaz) panel_.Povolit(static_cast<int>(t.prikaz), PrikazPovolen(t.prikaz));
    if (HMENU lista = ::GetMenu(Hwnd())) {
        for (int i = 0; i < ::GetMenuItemCount(lista); ++i)
            if (HMENU pod = ::GetSubMenu(lista, i)) NastavitStavPolozek(pod);
        ::DrawMenuBar(Hwnd());
    }
}

void OknoHlavni::ZobrazitMenu(UINT idMenu, POINT bod) {
    Knihovna::WinApi::UnikatniMenu menu(MenuHlavnihoOkna::Vytvorit(idMenu));
    if (!menu) return;
    // Without the foreground the menu of a tray icon would not close when the user clicks elsewhere.
    ::SetForegroundWindow(Hwnd());
    ::TrackPopupMenu(menu.get(), TPM_LEFTALIGN | TPM_TOPALIGN | TPM_RIGHTBUTTON, bod.x, bod.y, 0, Hwnd(), nullptr);
    ::PostMessageW(Hwnd(), WM_NULL, 0, 0);
}

POINT OknoHlavni::BodPodTlacitkem(UINT prikaz) const {
    RECT r{};
    const LRESULT index = ::SendMessageW(panel_.Hwnd(), TB_COMMANDTOINDEX, prikaz, 0);
    POINT bod{};
    if (index >= 0 && ::SendMessageW(panel_.Hwnd(), TB_GETITEMRECT, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(&r))) {
        bod = {r.left, r.bottom};
        ::ClientToScreen(panel_.Hwnd(), &bod);
    } else {
        ::GetCursorPos(&bod);
    }
    return bod;
}

void OknoHlavni::PopisPrikazu(UINT prikaz) {
    auto& app = Aplikace::Instance();
    std::wstring text = prikaz ? app.Text(prikaz) : std::wstring();
    if (text.empty()) text = Formatovat(app.Text(IdZdroju::kTextPripraven).c_str(), app.Produkt().c_str());
    stav_.NastavitText(0, PrvniRadek(text));
}

void OknoHlavni::SpustitProces(const wchar_t* prepinac) {
    wchar_t cesta[MAX_PATH * 2]{};
    const DWORD delka = ::GetModuleFileNameW(nullptr, cesta, ARRAYSIZE(cesta));
    if (delka == 0 || delka >= ARRAYSIZE(cesta)) Knihovna::WinApi::VyhoditPosledniChybu();
    const auto vysledek = reinterpret_cast<INT_PTR>(::ShellExecuteW(Hwnd(), L"open", cesta, prepinac, nullptr, SW_SHOWNORMAL));
    if (vysledek <= 32)
        throw Knihovna::Chyba(E_FAIL, Formatovat(L"Program \"%s\" se nepodařilo spustit s parametrem \"%s\".", cesta,
                                                 prepinac));
}

bool OknoHlavni::ProvestPrikaz(UINT prikaz) {
    // A command may wait for the user (a dialog, a question): closing must not run below it.
    const Pocitadlo prikazBezi(prikazyNaZasobniku_);
    auto& app = Aplikace::Instance();
    auto& kamery = app.Kamery();
    const int vybrana = VybranaKamera();
    if (prikaz >= Polozky::kPrvniKamera && prikaz < Polozky::kPrvniKamera + Polozky::kMaxKamerVMenu) {
        PrepnoutKameru(static_cast<int>(prikaz - Polozky::kPrvniKamera));
        return true;
    }
    if (prikaz >= kPrvniVychozi && prikaz <= kPosledniVychozi) {
        // Only a running default camera with its video on takes them; otherwise they do nothing.
        if (TervikOkno* kamera = BeziciVychoziKamera())
            ::PostMessageW(kamera->Hwnd(), WM_COMMAND, PravidlaHlavnihoOkna::PrikazVychoziKamery(prikaz), 0);
        return true;
    }
    if (PrikazNastroje(prikaz)) return true;
    if (Polozky::NedostupnyPrikaz(prikaz)) return true;  // shown greyed; a key or the tray may still ask
    if (otevrenDialog_ && (prikaz == IdZdroju::kPrikazEmailoveUcty || prikaz == IdZdroju::kPrikazFtpMista ||
                           prikaz == kOAplikaci || prikaz == IdZdroju::kPrikazPredvolby)) {
        // One at a time: a second request brings the open one to the front.
        if (HWND dialog = OtevrenyDialog(Hwnd())) ::SetForegroundWindow(dialog);
        return true;
    }
    switch (prikaz) {
    case IdZdroju::kPrikazKonec:
        ::PostMessageW(Hwnd(), WM_CLOSE, 0, 0);
        return true;
    case IdZdroju::kPrikazPrepnoutKameru:
        PrepnoutKameru(vybrana);
        return true;
    case kZapnoutVybranou:
        if (Tervik* k = kamery.Kamera(vybrana); k && !k->Bezi()) PrepnoutKameru(vybrana);
        return true;
    case kVypnoutVybranou:
        if (Tervik* k = kamery.Kamera(vybrana); k && k->Bezi()) PrepnoutKameru(vybrana);
        return true;
    case IdZdroju::kPrikazNovaKamera: {
        const int nova = kamery.Pridat();
        if (nova >= 0) ObnovitSeznamKamer(nova);
        return true;
    }
    case IdZdroju::kPrikazOdebratKameru:
        if (kamery.Odebrat(vybrana)) ObnovitSeznamKamer(0);
        return true;
    case IdZdroju::kPrikazPrejmenovatKameru: {
        const int nova = kamery.Prejmenovat(vybrana);
        if (nova >= 0) ObnovitSeznamKamer(nova);
        return true;
    }
    case IdZdroju::kPrikazVychoziKamera:
        if (vybrana >= 0) kamery.NastavitVychoziKameru(vybrana);
        ObnovitSeznamKamer(vybrana);
        return true;
    case IdZdroju::kPrikazVychoziSeznamKamer:
        if (kamery.VytvoritVychoziSeznam()) ObnovitSeznamKamer(0);
        return true;
    case IdZdroju::kPrikazKameraVProcesu:
        kamery.SpustitVeVlastnimProcesu(vybrana);
        return true;
    case kPrijem:
        if (prijem_.Bezi()) prijem_.UkoncitPrijem();
        else prijem_.SpustitSHlasenim(Hwnd());
        ObnovitPrikazy();
        return true;
    case kVychoziTervik:  // from the remote control
        PrepnoutKameru(kamery.IndexVychoziKamery());
        return true;
    case IdZdroju::kPrikazZobrazitOkno:
    case IdZdroju::kPrikazSkrytOkno:
        // A window minimised on the taskbar (no icon to hide to) counts as hidden for "Zobrazit okno".
        if (!::IsWindowVisible(Hwnd()) || (prikaz == IdZdroju::kPrikazZobrazitOkno && ::IsIconic(Hwnd())))
            ZobrazitOkno();
        else
            Minimalizovat();
        return true;
    case IdZdroju::kPrikazEmailoveUcty:
    case IdZdroju::kPrikazFtpMista:
    case IdZdroju::kPrikazPredvolby:
    case kOAplikaci: {
        otevrenDialog_ = true;
        struct Konec {
            bool& b;
            ~Konec() { b = false; }
        } konec{otevrenDialog_};
        if (prikaz == IdZdroju::kPrikazPredvolby) {
            PredNastavenimAplikace();
            bool zmeneno = false;
            try {
                zmeneno = DlgNastaveniAplikace(app.Nastaveni(), app.Produkt()).Zobrazit(Hwnd());
            } catch (...) {
                RegistrovatKlavesy();
                throw;
            }
            // The keys come back in every case; what else follows the settings only after a change.
            if (zmeneno) PoNastaveniAplikace();
            else RegistrovatKlavesy();
        } else if (prikaz == IdZdroju::kPrikazEmailoveUcty)
            Holvent::Email::DlgEmailUcty(app.Ucty(), app.Produkt()).Zobrazit(Hwnd());
        else if (prikaz == IdZdroju::kPrikazFtpMista)
            Holvent::Email::DlgFtpMista(app.FtpMista(), app.Produkt()).Zobrazit(Hwnd());
        else
            DlgOAplikaci::Zobrazit(Hwnd());
        return true;
    }
    case kWeb:
    case kPodpora: {
        const wchar_t* adresa = prikaz == kWeb ? kAdresaWebu : kAdresaPodpory;
        if (reinterpret_cast<INT_PTR>(::ShellExecuteW(Hwnd(), L"open", adresa, nullptr, nullptr, SW_SHOWNORMAL)) <= 32)
            throw Knihovna::Chyba(E_FAIL, Formatovat(L"Adresu \"%s\" se nepodařilo otevřít.", adresa));
        return true;
    }
    case kAktualizace:
        app.Aktualizace().Spustit(Hwnd());
        return true;
    case kNastroje:
        // The main part of the toolbar's "Nástroje" button opens the same menu as its arrow.
        ZobrazitMenu(Polozky::kMenuNastroje, BodPodTlacitkem(kNastroje));
        return true;
    case kProcesEditor: SpustitProces(L"-eo"); return true;
    case kProcesPrehravac: SpustitProces(L"-pv"); return true;
    case kProcesFtp: SpustitProces(L"-fp"); return true;
    case kProcesOvladac: SpustitProces(L"-so"); return true;
    }
    return false;
}

// --------------------------------------------------------------------------------- tray and hiding

bool OknoHlavni::SkrytyRezim() const {
    auto& app = Aplikace::Instance();
    const HorkaKlavesa* zobrazit = app.Nastaveni().horkeKlavesy.Najit(IdZdroju::kPrikazZobrazitOkno);
    return PravidlaHlavnihoOkna::SkrytyRezim(app.RezimZprav_() == RezimZprav::Skryty, app.Nastaveni().skrytyRezim,
                                             zobrazit && zobrazit->klavesa != 0);
}

void OknoHlavni::VytvoritIkonu() {
    auto& app = Aplikace::Instance();
    ikona_.Odebrat();
    if (SkrytyRezim()) return;
    ikona_.NastavitZvuk(app.Nastaveni().zvuk);
    const std::wstring tip = PravidlaHlavnihoOkna::TipIkony(app.Produkt(), app.Uzivatel(), app.Pocitac(), app.IpAdresa());
    ikonaVOblasti_ = IkonaOblasti();
    if (!ikona_.Zobrazit(ikonaVOblasti_, tip))
        app.HlasitChybuCom(IdZdroju::kTextIkonaNevytvorena,
                           Knihovna::Chyba(HRESULT_FROM_WIN32(::GetLastError() ? ::GetLastError() : ERROR_GEN_FAILURE)));
}

HICON OknoHlavni::IkonaOblasti() { return obrazekOblasti_.Vybrat(Hwnd(), Aplikace::Instance().MalaIkona()); }

void OknoHlavni::OdebratIkonu() { ikona_.Odebrat(); }

void OknoHlavni::Minimalizovat() { ::SendMessageW(Hwnd(), WM_SYSCOMMAND, SC_MINIMIZE, 0); }

void OknoHlavni::ZobrazitOkno() {
    ::ShowWindow(Hwnd(), SW_SHOW);
    if (::IsIconic(Hwnd())) ::ShowWindow(Hwnd(), SW_RESTORE);
    ::SetForegroundWindow(Hwnd());
    // With "only when minimised" the icon goes when the window is back.
    if (Aplikace::Instance().Nastaveni().oznamovaciIkona == 1) OdebratIkonu();
}

void OknoHlavni::PrikazIkony(LPARAM udalost) {
    switch (static_cast<UINT>(udalost)) {
    case WM_RBUTTONUP:
    case WM_CONTEXTMENU: {
        POINT bod{};
        ::GetCursorPos(&bod);
        ZobrazitMenu(Polozky::kMenuIkony, bod);
        break;
    }
    case WM_LBUTTONUP:
        if (!::IsWindowVisible(Hwnd()) || ::IsIconic(Hwnd())) ZobrazitOkno();
        else Minimalizovat();
        break;
    }
}

void OknoHlavni::PredNastavenimAplikace() { OdregistrovatKlavesy(); }

void OknoHlavni::PoNastaveniAplikace() {
    auto& app = Aplikace::Instance();
    std::vector<Knihovna::Chyba> chyby;
    app.Nastaveni().horkeKlavesy.Nacist(app.Registr(), kKorenRegistru, chyby);
    if (!chyby.empty()) app.HlasitChybuCom(IdZdroju::kTextChybaNacteniKonfigurace, chyby.front());
    RegistrovatKlavesy();
    app.PouzitVelikostLogu();
    if (!::SetPriorityClass(::GetCurrentProcess(), app.Nastaveni().processPriority))
        app.HlasitChybuCom(IdZdroju::kTextChybaNacteniKonfigurace,
                           Knihovna::Chyba(HRESULT_FROM_WIN32(::GetLastError()),
                                           Formatovat(L"Prioritu procesu 0x%X nelze nastavit.",
                                                      app.Nastaveni().processPriority)));
    using PravidlaHlavnihoOkna::ZmenaIkony;
    switch (PravidlaHlavnihoOkna::IkonaPoNastaveni(app.Nastaveni().oznamovaciIkona, SkrytyRezim(),
                                                   ::IsWindowVisible(Hwnd()) != FALSE, ikona_.Existuje())) {
    case ZmenaIkony::Vytvorit: VytvoritIkonu(); break;
    case ZmenaIkony::Odebrat: OdebratIkonu(); break;
    case ZmenaIkony::Ponechat: break;
    }
    prijem_.PoZmeneNastaveni(Hwnd());
}

// ------------------------------------------------------------------------------------------- closing

void OknoHlavni::Zavrit(bool konecRelace) {
    auto& app = Aplikace::Instance();
    if (zavira_) return;
    if (!konecRelace && (otevrenDialog_ || prikazyNaZasobniku_ > 0 || odmitaZavreni_)) {
        // A command of this window waits below us in a dialog or a question: it is closed first.
        ::MessageBeep(MB_ICONEXCLAMATION);
        if (HWND dialog = OtevrenyDialog(Hwnd())) ::SetForegroundWindow(dialog);
        return;
    }
    if (!konecRelace) {
        // So does a camera whose window waits in a dialog of its own; the user is told which one.
        odmitaZavreni_ = true;
        const bool lze = app.Kamery().PovolitZastaveniVsech();
        odmitaZavreni_ = false;
        if (!lze) return;
    }
    if (!app.Aktualizace().PovolitZavreni(konecRelace)) return;
    zavira_ = true;
    ZastavitModulyPredKamerami();
    prijem_.UkoncitPrijem();
    OdregistrovatKlavesy();
    // Every camera closes in its own order (settings, counters and placement saved).
    for (int i = 0; i < app.Kamery().Pocet(); ++i) app.Kamery().Kamera(i)->Zastavit();
    ZastavitModulyPoKamerach();
    OdebratIkonu();
    OknoAplikace::ZpracovatZpravu(WM_CLOSE, 0, 0);  // placement saved, window destroyed
}

void OknoHlavni::NeosetrenaChyba(const Knihovna::Chyba& chyba) {
    auto& app = Aplikace::Instance();
    app.ZobrazitChybu(TextyZprav::Chyba(L"Požadovanou akci se nepodařilo provést", app.PopisChybyCom(chyba)));
}

// ------------------------------------------------------------------------------------------ messages

LRESULT OknoHlavni::ZpracovatZpravu(UINT zprava, WPARAM wp, LPARAM lp) {
    auto& app = Aplikace::Instance();
    switch (zprava) {
    case WM_CREATE:
        VytvoritOvladace();
        return 0;
    case WM_SIZE:
        RozmistitOvladace();
        return 0;
    case WM_DPICHANGED:
        panel_.NastavitObrazky(app.ObrazkyProDpi(HIWORD(wp)));
        PrijmoutNavrhDpi(Hwnd(), lp);
        return 0;
    case WM_COMMAND:
        if (LOWORD(wp) == kIdSeznamuKamer && reinterpret_cast<HWND>(lp) == seznamKamer_) {
            if (HIWORD(wp) == LBN_DBLCLK) PrepnoutKameru(VybranaKamera());
            else if (HIWORD(wp) == LBN_SELCHANGE) ObnovitPrikazy();
            return 0;
        }
        // Menus, accelerators, the thumbnail buttons (THBN_CLICKED), the toolbar (its own handle) and posted
        // commands.
        if ((lp == 0 || HIWORD(wp) == THBN_CLICKED || reinterpret_cast<HWND>(lp) == panel_.Hwnd()) &&
            ProvestPrikaz(LOWORD(wp)))
            return 0;
        break;
    case WM_VKEYTOITEM:
        if (reinterpret_cast<HWND>(lp) != seznamKamer_) return -1;
        return ::SendMessageW(Hwnd(), kZpravaKlavesa, LOWORD(wp), 0) ? -2 : -1;
    case kZpravaKlavesa:
        return ZpracovatKlavesu(static_cast<UINT>(wp)) ? 1 : 0;
    case WM_HOTKEY:
        // The hotkey id is the command.
        ::PostMessageW(Hwnd(), WM_COMMAND, static_cast<WPARAM>(wp & 0xFFFF), 0);
        return 0;
    case WM_NOTIFY: {
        LRESULT vysledek = 0;
        if (panel_.ZpracovatNotifikaci(reinterpret_cast<const NMHDR*>(lp), vysledek, [this](int prikaz, POINT bod) {
                for (const Polozky::Tlacitko& t : Polozky::Panel())
                    if (static_cast<int>(t.prikaz) == prikaz && t.rozbalit) ZobrazitMenu(t.rozbalit, bod);
            }))
            return vysledek;
        break;
    }
    case WM_CONTEXTMENU: {
        POINT bod{static_cast<short>(LOWORD(lp)), static_cast<short>(HIWORD(lp))};
        if (reinterpret_cast<HWND>(wp) == seznamKamer_) {
            if (lp == -1) {
                // From the keyboard: at the selected item.
                RECT r{};
                ::SendMessageW(seznamKamer_, LB_GETITEMRECT, std::max(0, VybranaKamera()), reinterpret_cast<LPARAM>(&r));
                bod = {r.left + 10, r.bottom};
                ::ClientToScreen(seznamKamer_, &bod);
            } else {
                // The item under the mouse becomes the selected camera.
                POINT v = bod;
                ::ScreenToClient(seznamKamer_, &v);
                const LRESULT i = ::SendMessageW(seznamKamer_, LB_ITEMFROMPOINT, 0, MAKELPARAM(v.x, v.y));
                if (HIWORD(i) == 0) ::SendMessageW(seznamKamer_, LB_SETCURSEL, LOWORD(i), 0);
            }
            ZobrazitMenu(Polozky::kMenuKamery, bod);
        } else {
            if (lp == -1) ::GetCursorPos(&bod);
            ZobrazitMenu(Polozky::kMenuIkony, bod);
        }
        return 0;
    }
    case WM_INITMENUPOPUP: {
        HMENU menu = reinterpret_cast<HMENU>(wp);
        // The camera submenu of the tray menu is the one whose first item is a camera or the empty note.
        const UINT prvni = MenuHlavnihoOkna::PrikazPolozky(menu, 0);
        if (prvni >= Polozky::kPrvniKamera || (::GetMenuItemCount(menu) == 1 && prvni == 0))
            MenuHlavnihoOkna::NaplnitKamery(menu);
        else
            NastavitStavPolozek(menu);
        app.ObrazkyDoNabidky(obrazkyNabidky_, Hwnd(), menu);
        return 0;
    }
    case WM_MENUSELECT: {
        const UINT priznaky = HIWORD(wp);
        if (priznaky == 0xFFFF && lp == 0) PopisPrikazu(0);  // the menu closed
        else if (priznaky & MF_POPUP) PopisPrikazu(MenuHlavnihoOkna::PrikazPolozky(reinterpret_cast<HMENU>(lp), LOWORD(wp)));
        else if (!(priznaky & MF_SEPARATOR)) PopisPrikazu(LOWORD(wp) >= Polozky::kPrvniKamera ? 40011 : LOWORD(wp));
        return 0;
    }
    case kZpravaIkony:
        PrikazIkony(lp);
        return 0;
    case kZpravaSoketPrijmu:
        prijem_.UdalostSoketu(wp, lp);
        return 0;
    case kZpravaStavZdroju:
        return StavZdroju::Hodnota(wp);
    case kZpravaKonecOdpovedi:
        prijem_.KonecOdpovedi();
        return 0;
    case kZpravaBublinaNastroje: {
        std::unique_ptr<std::wstring> text(reinterpret_cast<std::wstring*>(lp));
        if (text && ikona_.Existuje()) ikona_.Bublina(static_cast<int>(wp), Aplikace::Instance().Produkt(), *text);
        return 0;
    }
    case WM_TIMER:
        if (app.Aktualizace().Casovac(Hwnd(), wp)) return 0;
        if (obrazekOblasti_.Casovac(Hwnd(), wp)) {
            ObnovitPrikazy();
            return 0;
        }
        if (wp == PrijemDalkovehoOvladani::kCasovac) {
            prijem_.Casovac();
            return 0;
        }
        break;
    case WM_SYSCOMMAND:
        if ((wp & 0xFFF0) == SC_MINIMIZE) {
            const std::uint32_t volba = app.Nastaveni().oznamovaciIkona;
            const bool skryty = SkrytyRezim();
            if (PravidlaHlavnihoOkna::IkonaPriMinimalizaci(volba, skryty) && !ikona_.Existuje()) VytvoritIkonu();
            ::DefWindowProcW(Hwnd(), zprava, wp, lp);
            // Without any icon a hidden window could not come back: it stays minimised on the taskbar.
            if (PravidlaHlavnihoOkna::SkrytPriMinimalizaci(volba, skryty, ikona_.Existuje()))
                ::ShowWindow(Hwnd(), SW_HIDE);
            return 0;
        }
        break;
    case WM_MEASUREITEM: {
        auto* m = reinterpret_cast<MEASUREITEMSTRUCT*>(lp);
        if (m->CtlType != ODT_LISTBOX) break;
        m->itemHeight = kVyskaPolozky;
        return TRUE;
    }
    case WM_DRAWITEM: {
        const auto* d = reinterpret_cast<const DRAWITEMSTRUCT*>(lp);
        if (d->CtlType != ODT_LISTBOX) break;
        KreslitKameru(*d);
        return TRUE;
    }
    case WM_SETFOCUS:
        if (seznamKamer_) ::SetFocus(seznamKamer_);
        return 0;
    case WM_QUERYENDSESSION:
        return 1;
    case WM_ENDSESSION:
        // Windows may end the process as soon as this returns: everything is closed and saved before.
        if (wp) Zavrit(true);
        return 0;
    case WM_CLOSE:
        Zavrit(false);
        return 0;
    case Aplikace::kZpravaPoSpusteni: {
        const Pocitadlo bezi(prikazyNaZasobniku_);  // it may ask for a default camera list
        app.PoSpusteni(Hwnd());
        ObnovitPrikazy();
        return 0;
    }
    case kZpravaVysledekAktualizace:
        app.Aktualizace().Vysledek(lp);
        return 0;
    case Aplikace::kZpravaObnovit:
    case Aplikace::kZpravaStavModulu:
        if (zprava == Aplikace::kZpravaStavModulu) UkliditModuly();  // a module that ended is reaped
        if (seznamKamer_) ::InvalidateRect(seznamKamer_, nullptr, TRUE);
        ObnovitPrikazy();
        return 0;
    case WM_DESTROY:
        seznamKamer_ = nullptr;
        if (tucnePismo_) ::DeleteObject(tucnePismo_);
        tucnePismo_ = nullptr;
        panelUloh_.Reset();
        ::PostQuitMessage(0);
        return 0;
    }
    if (zprava != 0 && zprava == zpravaTlacitkaUlohy_) {
        PridatTlacitkaNahledu();
        return 0;
    }
    if (zprava != 0 && zprava == zpravaRestartuShellu_) {
        // A shell that started after us (autostart) or restarted: the icon the setting wants is added,
        // also one that could not be added before.
        const bool skryte = !::IsWindowVisible(Hwnd()) || ::IsIconic(Hwnd());
        if (PravidlaHlavnihoOkna::IkonaPoStartuShellu(app.Nastaveni().oznamovaciIkona, SkrytyRezim(), skryte)) {
            if (ikona_.Existuje()) ikona_.ObnovitPoRestartuShellu();
            else VytvoritIkonu();
        }
        return 0;
    }
    return OknoAplikace::ZpracovatZpravu(zprava, wp, lp);
}

// ------------------------------------------------------------------------------ tools and hotkeys

bool OknoHlavni::NastrojBezi(UINT prikaz) const {
    const ModulNastroje* modul = ModulProPrikaz(prikaz);
    return modul && modul->Bezi();
}

bool OknoHlavni::PrikazNastroje(UINT prikaz) {
    ModulNastroje* modul = ModulProPrikaz(prikaz);
    if (!modul) return false;
    // The same command opens a tool and closes it again; the network controller may refuse while it works.
    if (modul->Bezi()) modul->Zastavit();
    else modul->Spustit();
    ObnovitPrikazy();
    return true;
}


void OknoHlavni::RegistrovatKlavesy() {
    klavesy_.Registrovat(Hwnd(), Aplikace::Instance().Nastaveni().horkeKlavesy, &ikona_);
}

void OknoHlavni::OdregistrovatKlavesy() { klavesy_.Odregistrovat(&ikona_); }
