#include "camera/win/TervikOkno.h"

#include <commctrl.h>
#include <mmsystem.h>
#include <shellapi.h>
#include <windowsx.h>

#include <algorithm>
#include <chrono>
#include <cstdlib>

#include "app/NastaveniAplikace.h"
#include "app/TextyZprav.h"
#include "app/win/Aplikace.h"
#include "app/win/OknoHlavni.h"
#include "camera/win/PrvkyOknaKamery.h"
#include "knihovna/Formatovani.h"
#include "knihovna/win/ChybyWin.h"
#include "knihovna/win/Dpi.h"
#include "resources/IdZdroju.h"
#include "ui/win/DlgNastaveniKamery.h"
#include "net/win/DlgGenerHtmlStrankyKamery.h"

using namespace Knihovna;
using namespace Knihovna::WinApi;
using namespace PrvkyOknaKamery;


// The camera window's controls, menus, status bar, notification icon, messages and logs.

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
    Pridat(video, P::kUpravitMasku, L"Upravit masku detekce pohybu...");

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
    HIMAGELIST obrazky = Aplikace::Instance().ObrazkyProDpi(Knihovna::WinApi::DpiOkna(Hwnd()));
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
    ovladaciPanel_.Vytvorit(Hwnd(), kIdOvladacihoPanelu,
                            [this](const std::wstring& text) { stavovyRadek_.NastavitText(kCastZpravy, text); });

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
    ovladaciPanel_.Zobrazit(o.ovladaniKamery);
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
    const int z = ZaznamBezi() ? kSirkaCastiZaznamu : 0;  // the recording's part only while it runs
    const int aktivity = 5 * 24 + kSirkaCastiServeru + z;
    // While recording the video part gives up some room: its text is short.
    stavovyRadek_.NastavitCasti({std::max(60, sirka - aktivity - (z ? 120 : 170)), std::max(80, sirka - aktivity),
                                 sirka - 96 - kSirkaCastiServeru - z, sirka - 72 - kSirkaCastiServeru - z,
                                 sirka - 48 - kSirkaCastiServeru - z, sirka - 24 - kSirkaCastiServeru - z,
                                 sirka - kSirkaCastiServeru - z, sirka - z, -1});
    int horni = panel_.Vyska();
    horni += ovladaciPanel_.Rozmistit(horni, sirka);
    if (pruhZarizeni_) horni += pruhZarizeni_->Rozmistit(horni, sirka);
    const int dolni = r.bottom - stavovyRadek_.Vyska();
    if (video_.Hwnd()) ::MoveWindow(video_.Hwnd(), 0, horni, sirka, std::max(0, dolni - horni), TRUE);
    editorMasky_.Rozmistit(ObdelnikVidea());
}

RECT TervikOkno::ObdelnikVidea() const {
    RECT r{};
    if (video_.Hwnd()) {
        ::GetWindowRect(video_.Hwnd(), &r);
        ::MapWindowPoints(nullptr, Hwnd(), reinterpret_cast<POINT*>(&r), 2);
    }
    return r;
}

bool TervikOkno::PrikazDostupny(std::uint32_t prikaz) const {
    return Bezi() && !Nedostupny(prikaz) &&
           (!zaznam_ || zaznam_->Povolen(prikaz, video_.Zachytavani().GrafExistuje()));
}

void TervikOkno::ObnovitPrikazy() {
    if (!Hwnd()) return;
    const bool video = video_.Zachytavani().GrafExistuje();
    const auto& o = Parametry().okno;
    const auto prikaz = [&](UINT id, bool zaskrtnout) {
        const bool povolit = !Nedostupny(id) && (!zaznam_ || zaznam_->Povolen(id, video));
        if (HMENU m = ::GetMenu(Hwnd())) NastavitStav(m, id, povolit, zaskrtnout);
        panel_.Povolit(static_cast<int>(id), povolit);
        panel_.Zaskrtnout(static_cast<int>(id), zaskrtnout);
    };
    prikaz(P::kVideo, video);
    prikaz(P::kSnimkyDisk, snimkyDiskBezi_);
    prikaz(P::kSnimkyEmail, SnimkyEmailBezi());
    prikaz(P::kPlanovane, planovaneBezi_);
    prikaz(P::kDetekce, detektor_.Bezi());
    prikaz(P::kUpravitMasku, editorMasky_.Bezi());
    prikaz(P::kSnimkyFtp, snimkyFtp_.AutoBezi());
    prikaz(P::kServerHttp, serverHttp_.Bezi());
    prikaz(P::kMenu, o.menu);
    prikaz(P::kToolbar, o.toolBarHlavni);
    prikaz(P::kStatusBar, o.statusBar);
    prikaz(P::kZarizeni, o.zarizeniVideo);
    prikaz(P::kOvladani, o.ovladaniKamery);
    prikaz(P::kPrizpusobit, Parametry().video.prizpusobovatOknu);
    prikaz(P::kNavrchu, o.navrchu);
    prikaz(P::kPruhledne, o.pruhledne);
    prikaz(P::kTitulekPlny, rezimTitulku_ == 0);
    prikaz(P::kTitulekUzky, rezimTitulku_ == 1);
    prikaz(P::kTitulekZadny, rezimTitulku_ == 2);
    for (UINT id : {P::kSnimek, P::kSlozkaSnimku, P::kSmazatSnimky, P::kResetCislovani, P::kNastaveniVidea,
                    P::kNastaveniKamery, P::kSkrytOkno, P::kVypnout, P::kTlacitkoDisk, P::kSnimekFtp,
                    P::kTlacitkoFtp, P::kZaznamStart, P::kZaznamKonec, P::kSlozkaZaznamu, P::kSmazatZaznamy,
                    P::kResetZaznamu, P::kTlacitkoZaznam})
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
    stavovyRadek_.NastavitIkonu(kCastFtp, obrazky, snimkyFtp_.AutoBezi() ? kObrSnimekFtp : -1);
    stavovyRadek_.NastavitIkonu(kCastEmail, obrazky, SnimkyEmailBezi() ? kObrSnimekEmail : -1);
    stavovyRadek_.NastavitIkonu(kCastPlan, obrazky, planovaneBezi_ ? kObrPlan : -1);
    stavovyRadek_.NastavitIkonu(kCastPohyb, obrazky, detektor_.Bezi() ? kObrPohyb : -1);
    stavovyRadek_.NastavitText(kCastServer, serverHttp_.Bezi() ? L"HTTP" : L"");
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
bool TervikOkno::NedostatekMista(std::uintptr_t parametr, const std::wstring& text) {
    uklid_.NedostatekMista(Parametry(), text, Parametry().snimkyDisk.zpravaIkona, P::kSnimek, parametr);
    return true;
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
