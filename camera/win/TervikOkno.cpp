#include "camera/win/TervikOkno.h"

#include <commctrl.h>
#include <mmsystem.h>
#include <shellapi.h>
#include <windowsx.h>

#include <algorithm>
#include <cstdlib>

#include "app/NastaveniAplikace.h"
#include "app/TextyZprav.h"
#include "app/win/Aplikace.h"
#include "app/win/OknoHlavni.h"
#include "knihovna/Formatovani.h"
#include "knihovna/win/ChybyWin.h"
#include "resources/IdZdroju.h"
#include "ui/win/DlgNastaveniKamery.h"
#include "net/win/DlgGenerHtmlStrankyKamery.h"

using namespace Knihovna;
using namespace Knihovna::WinApi;
namespace P = PrikazyKamery;

namespace {

constexpr UINT kIdPanelu = 1;
constexpr UINT kIdStavovehoRadku = 2;
constexpr UINT kIdComboZarizeni = 3;
constexpr UINT kIdIkonyOblasti = 1;

// Images of the program's strip used by the window.
constexpr int kObrVideo = 9;
constexpr int kObrPredvolby = 1;
constexpr int kObrVypnout = 0;
constexpr int kObrSnimekDisk = 10;
constexpr int kObrSnimekFtp = 11;
constexpr int kObrSnimekEmail = 12;
constexpr int kObrZaznam = 8;
constexpr int kObrPlan = 13;
constexpr int kObrPohyb = 20;

// Status-bar parts: the message, the video, then one part per automatic activity.
constexpr int kCastZpravy = 0;
constexpr int kCastVidea = 1;
constexpr int kCastDisk = 2;
constexpr int kCastFtp = 3;
constexpr int kCastEmail = 4;
constexpr int kCastPlan = 5;
constexpr int kCastPohyb = 6;

constexpr const wchar_t* kTipZapnout = L"Zapnout videozařízení";
constexpr const wchar_t* kTipVypnout = L"Vypnout videozařízení";

// Commands whose subsystem is not part of the program yet: shown, but greyed.
constexpr UINT kNedostupne[] = {P::kOvladani,     P::kSnimkyFtp,     P::kSnimkyEmail,
                                P::kServerHttp,   P::kTlacitkoFtp,   P::kSnimekFtp,
                                P::kSnimekEmail,  P::kTlacitkoEmail,  P::kZaznamStart,   P::kZaznamKonec,
                                P::kSlozkaZaznamu, P::kSmazatZaznamy, P::kTlacitkoZaznam, P::kResetZaznamu,
                                P::kPromitani};

bool Nedostupny(UINT prikaz) {
    for (UINT p : kNedostupne)
        if (p == prikaz) return true;
    return false;
}

void Pridat(HMENU menu, UINT prikaz, const wchar_t* text) { ::AppendMenuW(menu, MF_STRING, prikaz, text); }
void Oddelovac(HMENU menu) { ::AppendMenuW(menu, MF_SEPARATOR, 0, nullptr); }
void Podmenu(HMENU menu, HMENU pod, const wchar_t* text) {
    ::AppendMenuW(menu, MF_POPUP, reinterpret_cast<UINT_PTR>(pod), text);
}

// The split buttons' drop-downs.
HMENU MenuDisk() {
    HMENU m = ::CreatePopupMenu();
    Pridat(m, P::kSnimek, L"Uložit &snímek");
    Pridat(m, P::kSnimkyDisk, L"&Automatické snímkování");
    Pridat(m, P::kPlanovane, L"Naplánované snímkování");
    Oddelovac(m);
    Pridat(m, P::kSlozkaSnimku, L"&Otevřít složku se snímky");
    Pridat(m, P::kSmazatSnimky, L"S&mazat všechny snímky");
    Pridat(m, P::kResetCislovani, L"&Resetovat číslování snímků");
    return m;
}
HMENU MenuFtp() {
    HMENU m = ::CreatePopupMenu();
    Pridat(m, P::kSnimekFtp, L"Odeslat &snímek na FTP");
    Pridat(m, P::kSnimkyFtp, L"&Automatické odesílání");
    return m;
}
HMENU MenuEmail() {
    HMENU m = ::CreatePopupMenu();
    Pridat(m, P::kSnimekEmail, L"Odeslat &snímek");
    Pridat(m, P::kSnimkyEmail, L"&Automatické odesílání");
    return m;
}
HMENU MenuZaznam() {
    HMENU m = ::CreatePopupMenu();
    Pridat(m, P::kZaznamStart, L"&Spustit");
    Pridat(m, P::kZaznamKonec, L"U&končit");
    Oddelovac(m);
    Pridat(m, P::kSlozkaZaznamu, L"&Otevřít složku se záznamy");
    Pridat(m, P::kSmazatZaznamy, L"S&mazat všechny záznamy");
    Pridat(m, P::kResetZaznamu, L"&Resetovat číslování záznamů");
    return m;
}

void NastavitStav(HMENU menu, UINT prikaz, bool povolit, bool zaskrtnout) {
    ::EnableMenuItem(menu, prikaz, MF_BYCOMMAND | (povolit ? MF_ENABLED : MF_GRAYED));
    ::CheckMenuItem(menu, prikaz, MF_BYCOMMAND | (zaskrtnout ? MF_CHECKED : MF_UNCHECKED));
}

}  // namespace

TervikOkno::TervikOkno(std::wstring jmeno, std::wstring koren) : Tervik(std::move(jmeno)), koren_(std::move(koren)) {}

TervikOkno::~TervikOkno() {
    // The window must go while this object is whole: its handler still runs on WM_DESTROY.
    try {
        Zastavit();
    } catch (...) {
    }
}

void TervikOkno::PripravitTridu(WNDCLASSEXW& trida) {
    trida.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
    trida.hIcon = Aplikace::Instance().VelkaIkona();
    trida.hIconSm = Aplikace::Instance().MalaIkona();
}

void TervikOkno::Spustit() {
    if (Hwnd()) return;
    try {
        Vytvorit();
    } catch (const Chyba& chyba) {
        auto& app = Aplikace::Instance();
        app.ZobrazitChybu(TextyZprav::Chyba(Formatovat(L"Kameru \"%s\" nelze spustit", Jmeno().c_str()),
                                            app.PopisChybyCom(chyba)));
        if (Hwnd()) ::DestroyWindow(Hwnd());
    }
}

void TervikOkno::Zastavit() {
    if (!Hwnd()) return;
    Zavrit();
}

void TervikOkno::Vytvorit() {
    auto& app = Aplikace::Instance();
    cestaKamery_ = CestaKamery(koren_, Jmeno());
    // The plug-ins come with their own subsystem; the counter continues where the last run stopped.
    stavSnimku_ = StavSnimku{};
    stavSnimku_.Citac() = Parametry().snimkyDisk.soubor.posledniCislo;
    snimky_ = std::make_unique<SnimkyNaDisk>(Parametry(), stavSnimku_, app.Registr(), cestaKamery_, app.Hodiny());
    log_ = std::make_unique<SouborLog>(SouborLog::CestaLoguKamery(app.SlozkaDat(), Jmeno()),
                                       Parametry().souborLogu.maxVelikost, Parametry().souborLogu.priNaplneni,
                                       app.Soubory(), app.Hodiny());
    snimkyDiskBezi_ = planovaneBezi_ = formatyNacteny_ = zaviram_ = false;
    oznamovane_ = app.HlavniOkno() ? app.HlavniOkno()->Hwnd() : nullptr;
    rezimTitulku_ = Parametry().okno.titulek;

    NacistIkonu();
    Okno::Vytvorit(kTrida, Formatovat(app.Text(IdZdroju::kTextPripraven).c_str(), Jmeno().c_str()),
                   WS_OVERLAPPEDWINDOW | WS_CLIPCHILDREN, 0, CW_USEDEFAULT, CW_USEDEFAULT, 664, 600, nullptr,
                   VytvoritMenu(false));
    ::SendMessageW(Hwnd(), WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(ikona_.get()));
    ::SendMessageW(Hwnd(), WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(velkaIkona_ ? velkaIkona_.get() : ikona_.get()));
    VytvoritOvladace();

    auto& zachytavani = video_.Zachytavani();
    zachytavani.NastavitCil(Hwnd(), kZpravaSnimek, kZpravaStartGrafu, kZpravaVysledekGrafu);
    zachytavani.NastavitVlastnika(Hwnd());
    // Every preview frame passes the motion detector on the streaming thread.
    casyAkci_.Resetovat();
    cilHlaseni_ = Hwnd();
    // A fresh receiver for every window: the last window's one was disconnected for good when it closed.
    prijemce_ = Holvent::DirectShow::PrijemceSnimku::Vytvorit(
        [this](double, const std::uint8_t* data, long delka) { NaSnimku(data, delka); });
    zachytavani.NastavitPrijemceSnimku(prijemce_.get());
    const InfoZarizeni& zarizeni = Parametry().zarizeni.video;
    // An empty stored device keeps the first one found.
    if (!zarizeni.devicePath.empty() || !zarizeni.friendlyName.empty()) zachytavani.NastavitZarizeniVideo(zarizeni);
    if (!Parametry().zarizeni.zvuk.friendlyName.empty()) zachytavani.NastavitZarizeniZvuk(Parametry().zarizeni.zvuk);
    video_.NastavitPrizpusobeni(Parametry().video.prizpusobovatOknu);

    try {
        if (auto poloha = NacistPoziciOkna(app.Registr(), cestaKamery_)) {
            Obdelnik r{poloha->x, poloha->y, poloha->x + poloha->sirka, poloha->y + poloha->vyska};
            ::MoveWindow(Hwnd(), r.left, r.top, r.right - r.left, r.bottom - r.top, FALSE);
        }
    } catch (const Chyba& chyba) {
        Zprava(3, TextyZprav::Chyba(kTextChybaNacteniPolohy, app.PopisChybyCom(chyba)));
    }
    NastavitTitulek(rezimTitulku_);
    PouzitPrepinaceOkna();
    Rozmistit();
    ObnovitPrikazy();
    ::ShowWindow(Hwnd(), SW_SHOWNORMAL);
    ::UpdateWindow(Hwnd());
    // After showing: the rule asks whether the window is visible ("only while hidden" makes no icon now).
    ObnovitIkonuOblasti();
    zpravaTlacitkaUlohy_ = ::RegisterWindowMessageW(L"TaskbarButtonCreated");
    zpravaRestartuShellu_ = ::RegisterWindowMessageW(L"TaskbarCreated");
    ::PostMessageW(Hwnd(), kZpravaPoSpusteniKamery, 0, 0);
    if (oznamovane_) ::PostMessageW(oznamovane_, Aplikace::kZpravaObnovit, 0, 0);
}

int TervikOkno::ObrazekKamery() const {
    HIMAGELIST obrazky = Aplikace::Instance().SeznamObrazku(0);
    const std::uint32_t index = Parametry().indexIkony;
    return obrazky && index < static_cast<std::uint32_t>(::ImageList_GetImageCount(obrazky)) ? static_cast<int>(index)
                                                                                            : -1;
}

void TervikOkno::NacistIkonu() {
    const int index = ObrazekKamery();
    HICON ikona = index >= 0 ? ::ImageList_GetIcon(Aplikace::Instance().SeznamObrazku(0), index, ILD_NORMAL) : nullptr;
    ikona_.Nastavit(ikona ? ikona : ::CopyIcon(Aplikace::Instance().MalaIkona()));
    velkaIkona_.Nastavit(::CopyIcon(Aplikace::Instance().VelkaIkona()));
}

HMENU TervikOkno::VytvoritMenu(bool kontextove) const {
    HMENU tervik = ::CreatePopupMenu();
    Pridat(tervik, P::kVideo, L"Zapnout &video");
    Oddelovac(tervik);
    Pridat(tervik, P::kPredvolby, L"&Předvolby...");
    Pridat(tervik, P::kNastaveniVidea, L"Nastavení &videa...");
    Pridat(tervik, P::kNastaveniKamery, L"Nastavení &kamery...");
    Oddelovac(tervik);
    Pridat(tervik, P::kSkrytOkno, L"Skrýt &okno");
    Pridat(tervik, P::kVypnout, L"&Vypnout");

    HMENU snimky = MenuDisk();
    Oddelovac(snimky);
    Pridat(snimky, P::kPromitani, L"&Promítnout obrázky ve složce pro snímky");
    Pridat(snimky, P::kHtml, L"&Generátor HTML stránky...");

    HMENU odesilani = ::CreatePopupMenu();
    Podmenu(odesilani, MenuEmail(), L"&Email");
    Podmenu(odesilani, MenuFtp(), L"&FTP");
    Pridat(odesilani, P::kServerHttp, L"HTTP server");

    HMENU video = ::CreatePopupMenu();
    Podmenu(video, MenuZaznam(), L"&Záznam videa");
    Pridat(video, P::kDetekce, L"&Detekce pohybu");

    HMENU okno = ::CreatePopupMenu();
    Pridat(okno, P::kMenu, L"Hlavní &menu");
    Pridat(okno, P::kToolbar, L"&Panel nástrojů");
    Pridat(okno, P::kZarizeni, L"Panel &zařízení");
    Pridat(okno, P::kStatusBar, L"&Stavový řádek");
    Pridat(okno, P::kOvladani, L"Ovládání &kamery");
    Oddelovac(okno);
    Pridat(okno, P::kTitulekPlny, L"&Plný titulek");
    Pridat(okno, P::kTitulekUzky, L"Úz&ký titulek");
    Pridat(okno, P::kTitulekZadny, L"&Bez titulku");
    Oddelovac(okno);
    Pridat(okno, P::kPrizpusobit, L"Přizpůsobit oknu");
    Pridat(okno, P::kNavrchu, L"Okno vždy na&vrchu");
    Pridat(okno, P::kPruhledne, L"Okno poloprů&hledné");

    HMENU lista = kontextove ? ::CreatePopupMenu() : ::CreateMenu();
    Podmenu(lista, tervik, L"&Tervik");
    Podmenu(lista, snimky, L"&Snímky");
    Podmenu(lista, odesilani, L"&Odesílání");
    Podmenu(lista, video, L"&Video");
    Podmenu(lista, okno, L"O&kno");
    if (kontextove) {
        Oddelovac(lista);
        Pridat(lista, P::kZobrazitOkno, L"Zobrazit okno");
    }
    return lista;
}

void TervikOkno::VytvoritOvladace() {
    HIMAGELIST obrazky = Aplikace::Instance().SeznamObrazku(0);
    panel_.Vytvorit(Hwnd(), kIdPanelu, obrazky,
                    {{P::kVideo, kObrVideo, BTNS_CHECK, kTipZapnout},
                     {P::kPredvolby, kObrPredvolby, BTNS_BUTTON, L"Předvolby"},
                     {0, 0, BTNS_SEP, L""},
                     {P::kTlacitkoDisk, kObrSnimekDisk, BTNS_DROPDOWN, L"Snímky na disk"},
                     {P::kTlacitkoFtp, kObrSnimekFtp, BTNS_DROPDOWN, L"Snímky na FTP"},
                     {P::kTlacitkoEmail, kObrSnimekEmail, BTNS_DROPDOWN, L"Snímky emailem"},
                     {P::kTlacitkoZaznam, kObrZaznam, BTNS_DROPDOWN, L"Záznam videa"},
                     {P::kPlanovane, kObrPlan, BTNS_CHECK, L"Naplánované snímkování"},
                     {P::kDetekce, kObrPohyb, BTNS_CHECK, L"Detekce pohybu"},
                     {0, 0, BTNS_SEP, L""},
                     {P::kVypnout, kObrVypnout, BTNS_BUTTON, L"Vypnout tuto kameru"}});
    stavovyRadek_.Vytvorit(Hwnd(), kIdStavovehoRadku);

    pruhZarizeni_.emplace(Aplikace::Instance().ZarizeniVideo());
    pruhZarizeni_->Vytvorit(Hwnd(), Aplikace::Instance().Instance_(), kIdComboZarizeni, Parametry().zarizeni.video);

    video_.Vytvorit(Hwnd());
    video_.NastavitCilKliknuti(Hwnd());
}

void TervikOkno::PouzitPrepinaceOkna() {
    const auto& o = Parametry().okno;
    if (o.menu && !::GetMenu(Hwnd())) ::SetMenu(Hwnd(), VytvoritMenu(false));
    if (!o.menu && ::GetMenu(Hwnd())) {
        HMENU m = ::GetMenu(Hwnd());
        ::SetMenu(Hwnd(), nullptr);
        ::DestroyMenu(m);
    }
    panel_.Zobrazit(o.toolBarHlavni);
    stavovyRadek_.Zobrazit(o.statusBar);
    pruhZarizeni_->Zobrazit(o.zarizeniVideo);
    ::SetWindowPos(Hwnd(), o.navrchu ? HWND_TOPMOST : HWND_NOTOPMOST, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
    LONG_PTR rozsireny = ::GetWindowLongPtrW(Hwnd(), GWL_EXSTYLE);
    if (o.pruhledne) {
        ::SetWindowLongPtrW(Hwnd(), GWL_EXSTYLE, rozsireny | WS_EX_LAYERED);
        ::SetLayeredWindowAttributes(Hwnd(), 0, 127, LWA_ALPHA);
    } else if (rozsireny & WS_EX_LAYERED) {
        ::SetLayeredWindowAttributes(Hwnd(), 0, 255, LWA_ALPHA);
        ::SetWindowLongPtrW(Hwnd(), GWL_EXSTYLE, rozsireny & ~WS_EX_LAYERED);
    }
    ::DrawMenuBar(Hwnd());
    Rozmistit();
}

void TervikOkno::NastavitTitulek(std::uint32_t rezim) {
    rezimTitulku_ = rezim > 2 ? 0 : rezim;
    LONG_PTR styl = ::GetWindowLongPtrW(Hwnd(), GWL_STYLE);
    LONG_PTR rozsireny = ::GetWindowLongPtrW(Hwnd(), GWL_EXSTYLE);
    styl |= WS_THICKFRAME | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX | WS_MAXIMIZEBOX;
    rozsireny &= ~WS_EX_TOOLWINDOW;
    if (rezimTitulku_ == 1) {
        // A narrow caption: the tool-window frame; the minimise box goes with it.
        rozsireny |= WS_EX_TOOLWINDOW;
    } else if (rezimTitulku_ == 2) {
        styl &= ~(WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX | WS_MAXIMIZEBOX);
    }
    ::SetWindowLongPtrW(Hwnd(), GWL_STYLE, styl);
    ::SetWindowLongPtrW(Hwnd(), GWL_EXSTYLE, rozsireny);
    ::SetWindowPos(Hwnd(), nullptr, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_FRAMECHANGED);
    Parametry().okno.titulek = rezimTitulku_;
}

void TervikOkno::Rozmistit() {
    if (!Hwnd()) return;
    RECT r{};
    ::GetClientRect(Hwnd(), &r);
    panel_.Prizpusobit();
    stavovyRadek_.Prizpusobit();
    const int sirka = r.right;
    // Right edges of the parts: the message takes what the video and the activity parts leave.
    const int aktivity = 5 * 24;
    stavovyRadek_.NastavitCasti({std::max(60, sirka - aktivity - 170), std::max(80, sirka - aktivity), sirka - 96,
                                 sirka - 72, sirka - 48, sirka - 24, -1});
    int horni = panel_.Vyska();
    if (pruhZarizeni_) horni += pruhZarizeni_->Rozmistit(horni, sirka);
    const int dolni = r.bottom - stavovyRadek_.Vyska();
    if (video_.Hwnd()) ::MoveWindow(video_.Hwnd(), 0, horni, sirka, std::max(0, dolni - horni), TRUE);
}

void TervikOkno::ObnovitPrikazy() {
    if (!Hwnd()) return;
    const bool video = video_.Zachytavani().GrafExistuje();
    const auto& o = Parametry().okno;
    const auto prikaz = [&](UINT id, bool zaskrtnout) {
        const bool povolit = !Nedostupny(id);
        if (HMENU m = ::GetMenu(Hwnd())) NastavitStav(m, id, povolit, zaskrtnout);
        panel_.Povolit(static_cast<int>(id), povolit);
        panel_.Zaskrtnout(static_cast<int>(id), zaskrtnout);
    };
    prikaz(P::kVideo, video);
    prikaz(P::kSnimkyDisk, snimkyDiskBezi_);
    prikaz(P::kPlanovane, planovaneBezi_);
    prikaz(P::kDetekce, detektor_.Bezi());
    prikaz(P::kMenu, o.menu);
    prikaz(P::kToolbar, o.toolBarHlavni);
    prikaz(P::kStatusBar, o.statusBar);
    prikaz(P::kZarizeni, o.zarizeniVideo);
    prikaz(P::kPrizpusobit, Parametry().video.prizpusobovatOknu);
    prikaz(P::kNavrchu, o.navrchu);
    prikaz(P::kPruhledne, o.pruhledne);
    prikaz(P::kTitulekPlny, rezimTitulku_ == 0);
    prikaz(P::kTitulekUzky, rezimTitulku_ == 1);
    prikaz(P::kTitulekZadny, rezimTitulku_ == 2);
    for (UINT id : {P::kSnimek, P::kSlozkaSnimku, P::kSmazatSnimky, P::kResetCislovani, P::kNastaveniVidea,
                    P::kNastaveniKamery, P::kSkrytOkno, P::kVypnout, P::kTlacitkoDisk})
        prikaz(id, false);
    for (UINT id : kNedostupne) prikaz(id, false);
    panel_.NastavitPopis(P::kVideo, video ? kTipVypnout : kTipZapnout);

    HIMAGELIST obrazky = Aplikace::Instance().SeznamObrazku(0);
    // The message part carries the camera's own icon, as the title bar does.
    const int ikona = ObrazekKamery();
    if (stavovyRadek_.IndexIkony(kCastZpravy) != ikona) stavovyRadek_.NastavitIkonu(kCastZpravy, obrazky, ikona);
    const auto& z = video_.Zachytavani();
    stavovyRadek_.NastavitText(kCastVidea, video ? Formatovat(L"Video: %d x %d", z.Sirka(), z.Vyska())
                                                 : std::wstring(L"Video vypnuto"));
    stavovyRadek_.NastavitIkonu(kCastVidea, obrazky, video ? kObrVideo : -1);
    stavovyRadek_.NastavitIkonu(kCastDisk, obrazky, snimkyDiskBezi_ ? kObrSnimekDisk : -1);
    stavovyRadek_.NastavitIkonu(kCastFtp, obrazky, -1);
    stavovyRadek_.NastavitIkonu(kCastEmail, obrazky, -1);
    stavovyRadek_.NastavitIkonu(kCastPlan, obrazky, planovaneBezi_ ? kObrPlan : -1);
    stavovyRadek_.NastavitIkonu(kCastPohyb, obrazky, detektor_.Bezi() ? kObrPohyb : -1);
}

// ---- notification icon and messages

void TervikOkno::ObnovitIkonuOblasti() {
    ikonaOblasti_.Nastavit(Hwnd(), kIdIkonyOblasti, kZpravaIkony);
    switch (IkonaKameryPodleVolby(Parametry().oznamovaciIkona, ::IsWindowVisible(Hwnd()) != FALSE)) {
    case IkonaKamery::Zobrazit:
        if (!ikonaOblasti_.Zobrazit(ikona_.get(), Jmeno())) {
            // Without a shell there is no icon; the window stays reachable through the taskbar.
            stavovyRadek_.NastavitText(kCastZpravy, Aplikace::Instance().Text(IdZdroju::kTextIkonaNevytvorena));
        }
        docasnaIkona_ = false;
        break;
    case IkonaKamery::Odebrat:
        if (!docasnaIkona_) ikonaOblasti_.Odebrat();
        break;
    case IkonaKamery::Ponechat: break;
    }
}

void TervikOkno::Zprava(int druh, const std::wstring& text) {
    stavovyRadek_.NastavitText(kCastZpravy, text);
    auto& app = Aplikace::Instance();
    if (app.RezimZprav_() == RezimZprav::Skryty) return;
    if (!ikonaOblasti_.Existuje()) {
        // A temporary icon carries the balloon; it goes when the window is shown again.
        ikonaOblasti_.Nastavit(Hwnd(), kIdIkonyOblasti, kZpravaIkony);
        docasnaIkona_ = ikonaOblasti_.Zobrazit(ikona_.get(), Jmeno());
    }
    ikonaOblasti_.Bublina(druh, Jmeno(), text);
}

void TervikOkno::Skryt() {
    if (Parametry().oznamovaciIkona != 0) {
        ::ShowWindow(Hwnd(), SW_HIDE);
        ikonaOblasti_.Nastavit(Hwnd(), kIdIkonyOblasti, kZpravaIkony);
        if (!ikonaOblasti_.Existuje()) ikonaOblasti_.Zobrazit(ikona_.get(), Jmeno());
        docasnaIkona_ = false;
    } else {
        ::ShowWindow(Hwnd(), SW_MINIMIZE);
    }
}

void TervikOkno::ZobrazitObnovit() {
    ::ShowWindow(Hwnd(), SW_SHOW);
    ::ShowWindow(Hwnd(), SW_RESTORE);
    ::SetForegroundWindow(Hwnd());
    docasnaIkona_ = false;
    ObnovitIkonuOblasti();
}

// ---- HlaseniSnimku

void TervikOkno::Pipnout() { ::MessageBeep(MB_ICONEXCLAMATION); }
void TervikOkno::ZobrazitChybu(const std::wstring& text) {
    if (Parametry().snimkyDisk.zpravaIkona >= 1) Zprava(3, text);
    else stavovyRadek_.NastavitText(kCastZpravy, text);
}
void TervikOkno::PrehratZvuk() {
    ::PlaySoundW(MAKEINTRESOURCEW(IdZdroju::kZvukSnimku), Aplikace::Instance().Instance_(),
                 SND_RESOURCE | SND_ASYNC | SND_NODEFAULT);
}
void TervikOkno::Otevrit(const std::wstring& sloveso, const std::wstring& cesta, int jak) {
    SnimkyNaDisk::OtevritVShellu(sloveso, cesta, jak);
}

// ---- HlaseniCesty

void TervikOkno::PrehratZvukSnimku() {
    auto& app = Aplikace::Instance();
    if (app.Nastaveni().zvuk && app.RezimZprav_() != RezimZprav::Skryty) PrehratZvuk();
}

void TervikOkno::ZpravaCesty(int druh, const std::wstring& text, std::uint32_t zpravaIkona) {
    auto& app = Aplikace::Instance();
    if (app.RezimZprav_() == RezimZprav::Skryty) {
        // Nobody looks at the screen: an error leaves its trace in the event log instead.
        stavovyRadek_.NastavitText(kCastZpravy, text);
        if (druh == 3) app.ZapsatUdalostChyba(Formatovat(L"Tervik \"%s\": %s", Jmeno().c_str(), text.c_str()));
        return;
    }
    const bool ukazat = zpravaIkona >= 2 || (zpravaIkona == 1 && druh >= 2);
    if (ukazat) Zprava(druh, text);
    else stavovyRadek_.NastavitText(kCastZpravy, text);
}

void TervikOkno::StavCesty(const std::wstring& text) { stavovyRadek_.NastavitText(kCastZpravy, text); }

void TervikOkno::UdalostKamery(const std::wstring& text, bool chyba) {
    auto& app = Aplikace::Instance();
    if (chyba) app.ZapsatUdalostChyba(text);
    else app.ZapsatUdalostInfo(text);
}

// ---- logs

void TervikOkno::ZapsatLogKamery(const std::wstring& text) {
    if (!log_) return;
    // A log that cannot be written must not stop the camera, but the user learns it (once, not per event).
    if (const auto chyba = log_->ZapsatRadekHlasitJednou(text))
        Zprava(3, TextyZprav::Chyba(Formatovat(kTextChybaZapisuLogu, log_->Cesta().c_str()),
                                    Aplikace::Instance().PopisChybyCom(*chyba)));
}

void TervikOkno::ZapsatUdalostKamery(const wchar_t* vzor) {
    if (vzor) Aplikace::Instance().ZapsatUdalostInfo(Formatovat(vzor, Jmeno().c_str()));
}

void TervikOkno::Udalost(const TextyAktivity& texty, bool start) {
    const auto& log = Parametry().logovani;
    const auto& udalosti = Parametry().zapisUdalosti;
    if (start) {
        if (texty.logStart && log.*texty.prepinacStart) ZapsatLogKamery(texty.logStart);
        if (udalosti.*texty.prepinacStart) ZapsatUdalostKamery(texty.udalostStart);
    } else {
        if (texty.logStop && log.*texty.prepinacStop) ZapsatLogKamery(texty.logStop);
        if (udalosti.*texty.prepinacStop) ZapsatUdalostKamery(texty.udalostStop);
    }
}

void TervikOkno::NastavitCasovac(UINT_PTR id, UINT perioda) {
    if (!::SetTimer(Hwnd(), id, std::max<UINT>(perioda, USER_TIMER_MINIMUM), nullptr)) VyhoditPosledniChybu();
}

// ---- video

void TervikOkno::PrepnoutVideo() {
    if (video_.Zachytavani().GrafExistuje()) VypnoutVideo();
    else ZapnoutVideo();
}

void TervikOkno::ZapnoutVideo() {
    auto& app = Aplikace::Instance();
    auto& zachytavani = video_.Zachytavani();
    if (zachytavani.GrafExistuje()) return;
    ::SetCursor(app.KurzorCekani());
    try {
        video_.ZapnoutVideo();
    } catch (const Chyba& chyba) {
        std::wstring popis = app.PopisChybyCom(chyba);
        if (!zachytavani.PosledniChyba().empty()) popis += L"\n" + zachytavani.PosledniChyba();
        Zprava(3, TextyZprav::Chyba(Formatovat(L"Došlo k chybě při zapínání videozařízení \"%s\"",
                                               zachytavani.ZarizeniVideo().friendlyName.c_str()),
                                    popis));
        ObnovitPrikazy();
        return;
    }
    if (!formatyNacteny_) {
        // The list of formats is read once, the first time the device runs.
        formatyNacteny_ = true;
        try {
            zachytavani.NacistFormaty();
            zachytavani.SeraditFormaty();
        } catch (const Chyba&) {
            // A device without the stream interface has no list; the video runs on.
        }
    }
    const auto& v = Parametry().video;
    if (VelikostVideaPouzitelna(v.sirka, v.vyska) && (v.sirka != zachytavani.Sirka() || v.vyska != zachytavani.Vyska())) {
        try {
            video_.ZmenitVelikostVidea(v.sirka, v.vyska);
        } catch (const Chyba& chyba) {
            std::wstring popis = app.PopisChybyCom(chyba);
            if (!zachytavani.PosledniChyba().empty()) popis += L"\n" + zachytavani.PosledniChyba();
            Zprava(2, TextyZprav::Chyba(Formatovat(L"Uloženou velikost videa %d x %d nelze nastavit", v.sirka, v.vyska),
                                        popis));
        }
    }
    ZmenaVelikostiVidea();
    if (Parametry().logovani.zapnutiVidea)
        ZapsatLogKamery(Formatovat(L"Bylo zapnuto videozařízení \"%s\"", zachytavani.ZarizeniVideo().friendlyName.c_str()));
    if (Parametry().zapisUdalosti.zapnutiVidea) ZapsatUdalostKamery(L"Tervik \"%s\": bylo zapnuto videozařízení");
    ObnovitPrikazy();
}

void TervikOkno::VypnoutVideo() {
    auto& zachytavani = video_.Zachytavani();
    if (!zachytavani.GrafExistuje()) return;
    // The size the device ran at is kept for the next start.
    if (zachytavani.Sirka() > 0 && zachytavani.Vyska() > 0) {
        Parametry().video.sirka = zachytavani.Sirka();
        Parametry().video.vyska = zachytavani.Vyska();
    }
    video_.VypnoutVideo();
    nahled_.Skryt();
    ZmenaVelikostiVidea();
    if (Parametry().logovani.vypnutiVidea)
        ZapsatLogKamery(Formatovat(L"Bylo vypnuto videozařízení \"%s\"", zachytavani.ZarizeniVideo().friendlyName.c_str()));
    if (Parametry().zapisUdalosti.vypnutiVidea) ZapsatUdalostKamery(L"Tervik \"%s\": bylo vypnuto videozařízení");
    ObnovitPrikazy();
}

void TervikOkno::ZmenaZarizeni() {
    const auto vybrane = pruhZarizeni_->Vybrane();
    if (!vybrane || *vybrane == video_.Zachytavani().ZarizeniVideo()) return;
    if (PrepnoutZarizeni(*vybrane)) Parametry().zarizeni.video = *vybrane;
}

bool TervikOkno::PrepnoutZarizeni(const InfoZarizeni& zarizeni) {
    const bool bezelo = video_.Zachytavani().GrafExistuje();
    if (bezelo) VypnoutVideo();
    bool ok = true;
    try {
        video_.Zachytavani().NastavitZarizeniVideo(zarizeni);
        formatyNacteny_ = false;
    } catch (const Chyba& chyba) {
        ok = false;
        Zprava(3, TextyZprav::Chyba(Formatovat(L"Videozařízení \"%s\" nelze nastavit", zarizeni.friendlyName.c_str()),
                                    Aplikace::Instance().PopisChybyCom(chyba)));
    }
    if (bezelo) ZapnoutVideo();
    ObnovitPrikazy();
    return ok;
}

// ---- settings

void TervikOkno::ZobrazitPredvolby() {
    auto& app = Aplikace::Instance();
    if (predvolbyOtevreny_) {
        if (HWND dialog = ::FindWindowW(L"#32770", DlgNastaveniKamery::Titulek(Jmeno()).c_str()))
            ::SetForegroundWindow(dialog);
        return;
    }
    predvolbyOtevreny_ = true;
    struct Konec {
        bool& b;
        ~Konec() { b = false; }
    } konec{predvolbyOtevreny_};
    DlgNastaveniKamery::Kontext kontext{Jmeno(),
                                        app.Produkt(),
                                        &app.ZarizeniVideo(),
                                        &app.ZarizeniZvuk(),
                                        [this] { return SouborLog::CestaLoguKamery(Aplikace::Instance().SlozkaDat(), Jmeno()); },
                                        [this] { UlozitVse(); },
                                        [this] { PouzitNastaveni(); }};
    // The camera may have been switched off while the dialog was open.
    if (DlgNastaveniKamery(Parametry(), Zamek(), std::move(kontext)).Zobrazit(Hwnd()) && Hwnd()) PouzitNastaveni();
}

// The HTML page generator: modal on this thread like the settings; the values a written page used are stored.
void TervikOkno::ZobrazitGeneratorHtml() {
    Holvent::Ftp::DlgGenerHtmlStrankyKamery::Kamera k;
    {
        std::lock_guard z(Zamek());
        k.html = Parametry().generHtml;
        k.ftp = Parametry().snimkyFtp;
    }
    // The camera may have been switched off while the dialog was open.
    k.ulozit = [this](const ParametryKamery::GenerHtml& html) {
        if (!Hwnd()) return;
        {
            std::lock_guard z(Zamek());
            Parametry().generHtml = html;
        }
        UlozitVse();
    };
    k.log = [this](const std::wstring& text) {
        if (Hwnd()) ZapsatLogKamery(text);
    };
    Holvent::Ftp::DlgGenerHtmlStrankyKamery::Otevrit(Hwnd(), std::move(k));
}

void TervikOkno::PouzitNastaveni() {
    auto& app = Aplikace::Instance();
    const ParametryKamery& p = Parametry();
    NacistIkonu();
    ::SendMessageW(Hwnd(), WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(ikona_.get()));
    ::SendMessageW(Hwnd(), WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(velkaIkona_ ? velkaIkona_.get() : ikona_.get()));
    ObnovitIkonuOblasti();
    auto& zachytavani = video_.Zachytavani();
    // Devices are told apart by what identifies them: a video device by its path, an audio device by its name.
    if (!p.zarizeni.video.devicePath.empty() &&
        ::lstrcmpiW(p.zarizeni.video.devicePath.c_str(), zachytavani.ZarizeniVideo().devicePath.c_str()) != 0) {
        PrepnoutZarizeni(p.zarizeni.video);
        pruhZarizeni_->Naplnit(zachytavani.ZarizeniVideo());
    }
    if (!p.zarizeni.zvuk.friendlyName.empty() &&
        ::lstrcmpiW(p.zarizeni.zvuk.friendlyName.c_str(), zachytavani.ZarizeniZvuk().friendlyName.c_str()) != 0) {
        try {
            zachytavani.NastavitZarizeniZvuk(p.zarizeni.zvuk);
        } catch (const Chyba& chyba) {
            Zprava(3, TextyZprav::Chyba(Formatovat(L"Zvukové zařízení \"%s\" nelze nastavit", p.zarizeni.zvuk.friendlyName.c_str()),
                                        app.PopisChybyCom(chyba)));
        }
    }
    // The timers take their new periods now; the running activities go on.
    try {
        NastavitCasovac(kCasovacTooltip, p.toolTipIkona.intervalSnimku);
        if (snimkyDiskBezi_) NastavitCasovac(kCasovacDisk, p.snimkyDisk.interval);
    } catch (const Chyba& chyba) {
        Zprava(3, app.PopisChybyCom(chyba));
    }
    if (detektor_.Bezi()) {
        ZastavitDetekci();
        SpustitDetekci();
    }
    // The log file's maximum size is the file object's.
    if (!log_ || log_->MaxVelikost() != p.souborLogu.maxVelikost)
        log_ = std::make_unique<SouborLog>(SouborLog::CestaLoguKamery(app.SlozkaDat(), Jmeno()), p.souborLogu.maxVelikost,
                                           p.souborLogu.priNaplneni, app.Soubory(), app.Hodiny());
    video_.NastavitPrizpusobeni(p.video.prizpusobovatOknu);
    NastavitTitulek(p.okno.titulek);
    PouzitPrepinaceOkna();
    ObnovitPrikazy();
}

// ---- activities

void TervikOkno::SpustitSnimkyDisk(std::uintptr_t parametr) {
    if (snimkyDiskBezi_) return;
    if (!video_.Zachytavani().GrafExistuje()) {
        ::MessageBeep(MB_ICONEXCLAMATION);
        return;
    }
    NastavitCasovac(kCasovacDisk, Parametry().snimkyDisk.interval);
    snimkyDiskBezi_ = true;
    Udalost(TextyAktivityKamery(AktivitaKamery::SnimkyDisk), true);
    // From the menu the first snapshot comes at once; after start one period later.
    if (parametr == 0) ::PostMessageW(Hwnd(), WM_COMMAND, P::kSnimek, kPrikazCasovaceDisku);
    ObnovitPrikazy();
}

void TervikOkno::ZastavitSnimkyDisk() {
    if (!snimkyDiskBezi_) return;
    ::KillTimer(Hwnd(), kCasovacDisk);
    snimkyDiskBezi_ = false;
    Udalost(TextyAktivityKamery(AktivitaKamery::SnimkyDisk), false);
    ObnovitPrikazy();
}

void TervikOkno::SpustitPlanovane() {
    if (planovaneBezi_) return;
    if (!video_.Zachytavani().GrafExistuje()) {
        ::MessageBeep(MB_ICONEXCLAMATION);
        return;
    }
    NastavitCasovac(kCasovacPlan, kPeriodaPlanu);
    plan_.Spustit();
    planovaneBezi_ = true;
    ObnovitPrikazy();
}

void TervikOkno::ZastavitPlanovane() {
    if (!planovaneBezi_) return;
    ::KillTimer(Hwnd(), kCasovacPlan);
    planovaneBezi_ = false;
    ObnovitPrikazy();
}

void TervikOkno::KontrolaPlanu() {
    const auto vystrel = plan_.Zkontrolovat(Parametry().planovaneSnimky, Aplikace::Instance().Hodiny().Ted());
    if (!vystrel) return;
    for (std::uint32_t prikaz : PrikazyNaplanovanehoSnimku(Parametry().cileNaplanovanychSnimku))
        if (!Nedostupny(prikaz)) ::PostMessageW(Hwnd(), WM_COMMAND, prikaz, 0);
}

void TervikOkno::PoSpusteni() {
    // The examination of old recordings belongs to the recordings' retention, which has no age to apply yet.
    if (Parametry().logovani.spusteni) ZapsatLogKamery(L"Tervik byla zapnuta");
    if (Parametry().zapisUdalosti.spusteni) ZapsatUdalostKamery(L"Tervik \"%s\" byla zapnuta");
    for (const PrikazPoSpusteni& p : PrikazyPoSpusteni(Parametry().akcePoSpusteni))
        if (!Nedostupny(p.prikaz)) ::PostMessageW(Hwnd(), WM_COMMAND, p.prikaz, static_cast<LPARAM>(p.parametr));
    if (Parametry().akcePoSpusteni.minimalizovat) ::PostMessageW(Hwnd(), WM_COMMAND, P::kSkrytOkno, 0);
    try {
        NastavitCasovac(kCasovacTooltip, Parametry().toolTipIkona.intervalSnimku);
    } catch (const Chyba& chyba) {
        Zprava(3, Aplikace::Instance().PopisChybyCom(chyba));
    }
}

// ---- motion detection

void TervikOkno::NaSnimku(const std::uint8_t* data, long delka) noexcept {
    if (!data || delka <= 0) return;
    const auto pocet = detektor_.ZpracovatSnimek(data, static_cast<std::size_t>(delka), sirkaSnimku_.load(),
                                                 vyskaSnimku_.load(), rozdilJasu_.load());
    if (!pocet) return;
    if (HWND cil = cilHlaseni_.load()) ::PostMessageW(cil, kZpravaPohyb, static_cast<WPARAM>(*pocet), 0);
}

void TervikOkno::ZmenaVelikostiVidea() {
    const auto& z = video_.Zachytavani();
    const bool video = z.GrafExistuje();
    sirkaSnimku_ = video ? z.Sirka() : 0;
    vyskaSnimku_ = video ? z.Vyska() : 0;
    // Frames of the old size are never compared with the new ones.
    detektor_.ZmenaVelikosti();
    if (video) detektor_.AktualizovatPrah(Parametry().detekcePohybu.procentoZmen, z.Sirka(), z.Vyska());
}

void TervikOkno::SpustitDetekci() {
    if (detektor_.Bezi()) return;
    const auto& d = Parametry().detekcePohybu;
    rozdilJasu_ = static_cast<std::uint8_t>(std::min<std::uint32_t>(d.rozdilJasu, 255));
    const auto& z = video_.Zachytavani();
    // Computed at every start too, so that a single changed pixel never counts as motion.
    if (z.GrafExistuje()) detektor_.AktualizovatPrah(d.procentoZmen, z.Sirka(), z.Vyska());
    try {
        NastavitCasovac(kCasovacPohyb, d.interval);
    } catch (const Chyba& chyba) {
        Zprava(3, TextyZprav::Chyba(L"Detekci pohybu nelze spustit", Aplikace::Instance().PopisChybyCom(chyba)));
        return;
    }
    detektor_.Spustit();
    ObnovitPrikazy();
}

void TervikOkno::ZastavitDetekci() {
    if (!detektor_.Bezi()) return;
    ::KillTimer(Hwnd(), kCasovacPohyb);
    detektor_.Zastavit();
    ObnovitPrikazy();
}

void TervikOkno::HlaseniPohybu() {
    // A report posted just before the detection stopped has nothing left to start.
    if (!detektor_.Bezi()) return;
    const MistniCas ted = Aplikace::Instance().Hodiny().Ted();
    stavovyRadek_.NastavitText(kCastZpravy, Formatovat(L"Detekován pohyb v %d:%02d:%02d", ted.hodina, ted.minuta,
                                                       ted.sekunda));
    const auto akce = casyAkci_.Vyhodnotit(Parametry().detekcePohybu, ::GetTickCount(),
                                           [](std::uint32_t prikaz) { return !Nedostupny(prikaz); });
    for (const AkcePohybu& a : akce)
        ::PostMessageW(Hwnd(), WM_COMMAND, a.prikaz, static_cast<LPARAM>(a.parametr));
}

void TervikOkno::ZobrazitVlastnosti(bool format) {
    auto& app = Aplikace::Instance();
    // The pages may change the size: the detection pauses around them and starts again with the new threshold.
    const bool detekce = detektor_.Bezi();
    if (detekce) {
        ZastavitDetekci();
        ::Sleep(500);
    }
    try {
        if (format) video_.Zachytavani().ZobrazitVlastnostiFormatu();
        else video_.Zachytavani().ZobrazitVlastnostiZarizeni();
    } catch (const Chyba& chyba) {
        Zprava(3, app.PopisChybyCom(chyba));
    }
    // The pages' loop may have closed this window meanwhile (it was told to by a posted message).
    if (!Hwnd()) return;
    ZmenaVelikostiVidea();
    video_.Rozvrhnout();
    if (detekce) SpustitDetekci();
    ObnovitPrikazy();
}

// ---- the picture tooltip

void TervikOkno::PohybNadIkonou() {
    if (!Parametry().toolTipIkona.obraz || !video_.Zachytavani().GrafExistuje()) return;
    ::GetCursorPos(&bodNahledu_);
    if (nahled_.Viditelny()) return;
    try {
        nahled_.Zobrazit(Hwnd(), bodNahledu_, Jmeno());
    } catch (const Chyba&) {
        // Without the small window the icon keeps its plain tooltip.
        return;
    }
    ObnovitNahled();
}

void TervikOkno::ObnovitNahled() {
    if (!nahled_.Viditelny()) return;
    // The window goes when the mouse has left the icon, or when there is no picture to show.
    POINT kurzor{};
    ::GetCursorPos(&kurzor);
    const int okraj = ::GetSystemMetrics(SM_CXSMICON);
    auto& zachytavani = video_.Zachytavani();
    if (std::abs(kurzor.x - bodNahledu_.x) > okraj || std::abs(kurzor.y - bodNahledu_.y) > okraj ||
        !zachytavani.GrafExistuje()) {
        nahled_.Skryt();
        return;
    }
    try {
        zachytavani.SejmoutSnimek();
        nahled_.NastavitSnimek(zachytavani.HlavickaSnimku().bmiHeader, zachytavani.DataSnimku());
    } catch (const Chyba&) {
        // No frame yet (the graph is starting): the last one stays.
    }
}

// ---- the folder commands' questions and messages

bool TervikOkno::ZeptatSe(const std::wstring& otazka, bool anoVychozi, bool varovani) {
    return Aplikace::Instance().ZeptatSeAnoNe(otazka, anoVychozi, varovani);
}
void TervikOkno::HlasitChybu(const std::wstring& text) { Zprava(3, text); }
bool TervikOkno::OtevritSlozku(const std::wstring& sloveso, const std::wstring& slozka) {
    return reinterpret_cast<INT_PTR>(
               ::ShellExecuteW(Hwnd(), sloveso.c_str(), slozka.c_str(), nullptr, nullptr, SW_SHOWNORMAL)) > 32;
}

void TervikOkno::RozbalitTlacitko(int prikaz, POINT bod) {
    HMENU menu = nullptr;
    switch (prikaz) {
    case P::kTlacitkoDisk: menu = MenuDisk(); break;
    case P::kTlacitkoFtp: menu = MenuFtp(); break;
    case P::kTlacitkoEmail: menu = MenuEmail(); break;
    case P::kTlacitkoZaznam: menu = MenuZaznam(); break;
    default: return;
    }
    UnikatniMenu vlastnik(menu);
    NastavitStav(menu, P::kSnimkyDisk, true, snimkyDiskBezi_);
    NastavitStav(menu, P::kPlanovane, true, planovaneBezi_);
    for (UINT id : kNedostupne) ::EnableMenuItem(menu, id, MF_BYCOMMAND | MF_GRAYED);
    ::TrackPopupMenu(menu, TPM_LEFTALIGN | TPM_TOPALIGN | TPM_RIGHTBUTTON, bod.x, bod.y, 0, Hwnd(), nullptr);
}

// ---- closing

void TervikOkno::UlozitVse() {
    auto& app = Aplikace::Instance();
    try {
        UlozitParametry(app.Registr(), koren_);
    } catch (const Chyba& chyba) {
        app.ZobrazitChybu(TextyZprav::Chyba(Formatovat(kTextChybaZapisuKamery, Jmeno().c_str()), app.PopisChybyCom(chyba)));
    }
}

void TervikOkno::Zavrit() {
    if (zaviram_ || !Hwnd()) return;
    zaviram_ = true;
    auto& app = Aplikace::Instance();
    ::KillTimer(Hwnd(), kCasovacTooltip);
    try {
        // Stored in screen coordinates, as MoveWindow restores it.
        const int x = ::GetSystemMetrics(SM_XVIRTUALSCREEN), y = ::GetSystemMetrics(SM_YVIRTUALSCREEN);
        const Obdelnik obrazovka{x, y, x + ::GetSystemMetrics(SM_CXVIRTUALSCREEN),
                                 y + ::GetSystemMetrics(SM_CYVIRTUALSCREEN)};
        UlozitPoziciOkna(NormalniObdelnik(), obrazovka, app.Registr(), cestaKamery_);
    } catch (const Chyba& chyba) {
        app.ZobrazitChybu(TextyZprav::Chyba(kTextChybaUlozeniPolohy, app.PopisChybyCom(chyba)));
    }
    // Recordings arrive with their own subsystem.
    ZastavitDetekci();
    ZastavitPlanovane();
    ZastavitSnimkyDisk();
    Parametry().okno.menu = ::GetMenu(Hwnd()) != nullptr;
    Parametry().okno.toolBarHlavni = panel_.Viditelny();
    Parametry().okno.statusBar = stavovyRadek_.Viditelny();
    if (pruhZarizeni_) Parametry().okno.zarizeniVideo = pruhZarizeni_->Zapnuty();
    Parametry().okno.titulek = rezimTitulku_;
    VypnoutVideo();
    ikonaOblasti_.Odebrat();
    docasnaIkona_ = false;
    Parametry().snimkyDisk.soubor.posledniCislo = stavSnimku_.Citac();
    UlozitVse();
    if (Parametry().logovani.ukonceni) ZapsatLogKamery(L"Tervik byla vypnuta");
    if (Parametry().zapisUdalosti.ukonceni) ZapsatUdalostKamery(L"Tervik \"%s\" byla vypnuta");
    ::DestroyWindow(Hwnd());
}

// ---- messages

bool TervikOkno::ProvestPrikaz(UINT prikaz, LPARAM lp, HWND odesilatel) {
    // Controls send their handle; posted commands carry their parameter in its place.
    const std::uintptr_t parametr = odesilatel && ::IsWindow(odesilatel) && ::GetParent(odesilatel) == Hwnd()
                                        ? 0
                                        : static_cast<std::uintptr_t>(lp);
    if (Nedostupny(prikaz)) return true;
    auto& app = Aplikace::Instance();
    auto& o = Parametry().okno;
    switch (prikaz) {
    case P::kVideo: PrepnoutVideo(); return true;
    case P::kSkrytOkno:
        if (::IsWindowVisible(Hwnd()) && !::IsIconic(Hwnd())) ::ShowWindow(Hwnd(), SW_MINIMIZE);
        else if (::IsWindowVisible(Hwnd())) Skryt();
        return true;
    case P::kVypnout: Zavrit(); return true;
    case P::kPredvolby: ZobrazitPredvolby(); return true;
    case P::kHtml: ZobrazitGeneratorHtml(); return true;
    case P::kPrizpusobit:
        Parametry().video.prizpusobovatOknu = !Parametry().video.prizpusobovatOknu;
        video_.NastavitPrizpusobeni(Parametry().video.prizpusobovatOknu);
        break;
    case P::kToolbar: o.toolBarHlavni = !o.toolBarHlavni; PouzitPrepinaceOkna(); break;
    case P::kStatusBar: o.statusBar = !o.statusBar; PouzitPrepinaceOkna(); break;
    case P::kMenu: o.menu = !o.menu; PouzitPrepinaceOkna(); break;
    case P::kZarizeni: o.zarizeniVideo = !o.zarizeniVideo; PouzitPrepinaceOkna(); break;
    case P::kNastaveniVidea:
    case P::kNastaveniKamery:
        if (!video_.Zachytavani().GrafExistuje()) {
            Zprava(2, L"Pro použití této funkce musí být zapnuté video");
            return true;
        }
        ZobrazitVlastnosti(prikaz == P::kNastaveniVidea);
        break;
    case P::kDetekce:
        if (detektor_.Bezi()) ZastavitDetekci();
        else SpustitDetekci();
        return true;
    case P::kTitulekPlny: NastavitTitulek(0); break;
    case P::kTitulekUzky: NastavitTitulek(1); break;
    case P::kTitulekZadny: NastavitTitulek(2); break;
    case P::kNavrchu: o.navrchu = !o.navrchu; PouzitPrepinaceOkna(); break;
    case P::kPruhledne: o.pruhledne = !o.pruhledne; PouzitPrepinaceOkna(); break;
    case P::kSnimkyDisk:
        try {
            if (snimkyDiskBezi_) ZastavitSnimkyDisk();
            else SpustitSnimkyDisk(parametr);
        } catch (const Chyba& chyba) {
            Zprava(3, app.PopisChybyCom(chyba));
        }
        return true;
    case P::kPlanovane:
        try {
            if (planovaneBezi_) ZastavitPlanovane();
            else SpustitPlanovane();
        } catch (const Chyba& chyba) {
            Zprava(3, app.PopisChybyCom(chyba));
        }
        return true;
    case P::kZobrazitOkno:
        if (::IsWindowVisible(Hwnd()) && !::IsIconic(Hwnd())) ::ShowWindow(Hwnd(), SW_MINIMIZE);
        else ZobrazitObnovit();
        return true;
    case P::kSnimek: {
        const bool zvuk = app.Nastaveni().zvuk && app.RezimZprav_() != RezimZprav::Skryty;
        const std::wstring cesta = snimky_->ProvestPrikaz(video_.Zachytavani(), parametr, zvuk, *this);
        if (!cesta.empty()) {
            stavovyRadek_.NastavitText(kCastZpravy, Formatovat(L"Snímek uložen: %s", cesta.c_str()));
            if (Parametry().snimkyDisk.zpravaIkona >= 2)
                Zprava(1, Formatovat(L"Snímek byl uložen do souboru \"%s\".", cesta.c_str()));
        }
        return true;
    }
    case P::kSlozkaSnimku: Slozka().OtevritSlozku((::GetKeyState(VK_CONTROL) & 0x8000) != 0); return true;
    case P::kSmazatSnimky: Slozka().SmazatSnimky(); return true;
    case P::kResetCislovani: Slozka().ResetovatCislovani(); return true;
    case P::kTlacitkoDisk: {
        const UINT zvoleny = Parametry().snimkyDisk.toolBarCommand;
        ::PostMessageW(Hwnd(), WM_COMMAND, zvoleny == P::kSnimkyDisk ? P::kSnimkyDisk : P::kSnimek, 0);
        return true;
    }
    default: return false;
    }
    ObnovitPrikazy();
    return true;
}

LRESULT TervikOkno::ZpracovatZpravu(UINT zprava, WPARAM wp, LPARAM lp) {
    switch (zprava) {
    case WM_SIZE:
        if (wp == SIZE_MINIMIZED) {
            if (Parametry().oznamovaciIkona != 0) Skryt();
            return 0;
        }
        Rozmistit();
        return 0;
    case WM_COMMAND:
        if (LOWORD(wp) == kIdComboZarizeni) {
            if (HIWORD(wp) == CBN_SELCHANGE) ZmenaZarizeni();
            return 0;
        }
        if (ProvestPrikaz(LOWORD(wp), lp, reinterpret_cast<HWND>(lp))) return 0;
        break;
    case WM_NOTIFY: {
        LRESULT vysledek = 0;
        if (panel_.ZpracovatNotifikaci(reinterpret_cast<const NMHDR*>(lp), vysledek,
                                       [this](int prikaz, POINT bod) { RozbalitTlacitko(prikaz, bod); }))
            return vysledek;
        break;
    }
    case WM_CONTEXTMENU: {
        POINT bod{GET_X_LPARAM(lp), GET_Y_LPARAM(lp)};
        if (bod.x == -1 && bod.y == -1) ::GetCursorPos(&bod);
        UnikatniMenu menu(VytvoritMenu(true));
        for (UINT id : kNedostupne) ::EnableMenuItem(menu.get(), id, MF_BYCOMMAND | MF_GRAYED);
        NastavitStav(menu.get(), P::kVideo, true, video_.Zachytavani().GrafExistuje());
        NastavitStav(menu.get(), P::kSnimkyDisk, true, snimkyDiskBezi_);
        NastavitStav(menu.get(), P::kPlanovane, true, planovaneBezi_);
        NastavitStav(menu.get(), P::kDetekce, true, detektor_.Bezi());
        NastavitStav(menu.get(), P::kMenu, true, Parametry().okno.menu);
        ::TrackPopupMenu(menu.get(), TPM_LEFTALIGN | TPM_TOPALIGN | TPM_RIGHTBUTTON, bod.x, bod.y, 0, Hwnd(), nullptr);
        return 0;
    }
    case WM_TIMER:
        switch (wp) {
        case kCasovacDisk: ::PostMessageW(Hwnd(), WM_COMMAND, P::kSnimek, kPrikazCasovaceDisku); return 0;
        case kCasovacPlan: KontrolaPlanu(); return 0;
        case kCasovacTooltip: ObnovitNahled(); return 0;
        case kCasovacPohyb: detektor_.Tik(); return 0;
        }
        break;
    case WM_CLOSE: Zavrit(); return 0;
    case WM_DESTROY:
        ::KillTimer(Hwnd(), kCasovacDisk);
        ::KillTimer(Hwnd(), kCasovacPlan);
        ::KillTimer(Hwnd(), kCasovacTooltip);
        ::KillTimer(Hwnd(), kCasovacPohyb);
        detektor_.Zastavit();
        cilHlaseni_ = nullptr;
        ikonaOblasti_.Odebrat();
        video_.Zachytavani().UvolnitVse();
        // After the graph is gone no frame can reach the detector any more.
        if (prijemce_) prijemce_->Odpojit();
        if (oznamovane_) ::PostMessageW(oznamovane_, Aplikace::kZpravaObnovit, 0, 0);
        if (ukoncitAplikaci_) ::PostQuitMessage(0);
        return 0;
    case kZpravaPoSpusteniKamery: PoSpusteni(); return 0;
    case kZpravaSnimek: return snimky_ ? snimky_->ZpracovatSnimek(video_.Zachytavani(), lp) : 0;
    case kZpravaPohyb: HlaseniPohybu(); return 0;
    case kZpravaStartGrafu:
    case kZpravaVysledekGrafu: return 0;
    case kZpravaIkony:
        switch (LOWORD(lp)) {
        case WM_MOUSEMOVE: PohybNadIkonou(); return 0;
        case WM_LBUTTONDOWN:
        case WM_RBUTTONDOWN: nahled_.Skryt(); return 0;
        case NIN_BALLOONTIMEOUT:
        case NIN_BALLOONUSERCLICK:
            // The icon made only to carry a balloon goes with the balloon.
            if (docasnaIkona_) {
                ikonaOblasti_.Odebrat();
                docasnaIkona_ = false;
            }
            return 0;
        case WM_LBUTTONUP:
            if (::IsWindowVisible(Hwnd()) && !::IsIconic(Hwnd())) Skryt();
            else ZobrazitObnovit();
            return 0;
        case WM_RBUTTONUP:
        case WM_CONTEXTMENU: {
            POINT bod{};
            ::GetCursorPos(&bod);
            ::SetForegroundWindow(Hwnd());
            ::SendMessageW(Hwnd(), WM_CONTEXTMENU, reinterpret_cast<WPARAM>(Hwnd()), MAKELPARAM(bod.x, bod.y));
            ::PostMessageW(Hwnd(), WM_NULL, 0, 0);
            return 0;
        }
        }
        return 0;
    case OknoVideo::kZpravaDvojklik: ProvestPrikaz(P::kPrizpusobit, 0, nullptr); return 0;
    }
    if (zprava != 0 && zprava == zpravaRestartuShellu_) {
        ikonaOblasti_.ObnovitPoRestartuShellu();
        return 0;
    }
    return Okno::ZpracovatZpravu(zprava, wp, lp);
}
