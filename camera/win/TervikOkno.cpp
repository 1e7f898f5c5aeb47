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
#include "app/win/ModulPromitaniObrazku.h"
#include "app/win/OknoHlavni.h"
#include "camera/win/PrvkyOknaKamery.h"
#include "knihovna/Formatovani.h"
#include "knihovna/win/ChybyWin.h"
#include "knihovna/win/Dpi.h"
#include "knihovna/win/VyzvednutiZpravy.h"
#include "resources/IdZdroju.h"
#include "ui/win/DlgNastaveniKamery.h"
#include "net/win/DlgGenerHtmlStrankyKamery.h"

using namespace Knihovna;
using namespace Knihovna::WinApi;
using namespace PrvkyOknaKamery;


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
    emaily_ = std::make_unique<SnimkyEmailem>(Hwnd(), Parametry(), stavSnimku_, static_cast<HlaseniCesty&>(*this),
                                              Jmeno());
    emaily_->SmazatStareSoubory();
    zaznam_ = std::make_unique<ZaznamKamery>(
        Hwnd(), Parametry(), Jmeno(), app.Registr(), cestaKamery_, app.Hodiny(), static_cast<HlaseniCesty&>(*this),
        stavovyRadek_, kCastZaznamu, [this](bool zapnout) { zapnout ? ZapnoutVideo() : VypnoutVideo(); },
        [this] {
            // The recording's branch may change the capture size: the detector and the picture follow it.
            ZmenaVelikostiVidea();
            video_.Rozvrhnout();
            Rozmistit();
            ObnovitPrikazy();
        });
    // Storage retention: its first run now, then every 10 minutes and after a write the disk refused.
    zaznam_->NastavitHlaseniMista(
        [this](const std::wstring& text, std::uint32_t ikona) { uklid_.NedostatekMista(Parametry(), text, ikona); });
    uklid_.Spustit(Hwnd(), Parametry());

    auto& zachytavani = video_.Zachytavani();
    zachytavani.NastavitCil(Hwnd(), kZpravaSnimek, kZpravaStartGrafu, kZpravaVysledekGrafu);
    zachytavani.NastavitZpravuMista(kZpravaMistoZaznamu);
    zachytavani.NastavitVlastnika(Hwnd());
    obnoveni_ = std::make_unique<ObnoveniKamery>(
        Hwnd(), Parametry(), Jmeno(), video_, static_cast<HlaseniCesty&>(*this),
        ObnoveniKamery::Okno{[this] { ZapnoutVideo(); }, [this] { VypnoutVideo(); }, [this] {
                                 return BeziciAktivity{snimkyDiskBezi_, SnimkyEmailBezi(), SnimkyFtpBezi(), planovaneBezi_,
                                                       DetekceBezi(), zaznam_ && zaznam_->BeziRucne()};
                             }});
    obnoveni_->Spustit();
    // Every preview frame passes the motion detector on the streaming thread.
    casyAkci_.Resetovat();
    cilHlaseni_ = Hwnd();
    // A fresh receiver for every window: the last window's one was disconnected for good when it closed.
    prijemce_ = Holvent::DirectShow::PrijemceSnimku::Vytvorit(
        [this](double, std::uint8_t* data, long delka) { NaSnimku(data, delka); });
    zachytavani.NastavitPrijemceSnimku(prijemce_.get());
    NacistZasuvneModuly();
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
    // The camera's own picture in both sizes, from the strip nearest to each size the system asks for.
    auto& app = Aplikace::Instance();
    auto ikonaKamery = [&](int velikost) -> HICON {
        return index >= 0 ? ::ImageList_GetIcon(app.ObrazkyVelikosti(velikost), index, ILD_NORMAL) : nullptr;
    };
    HICON ikona = ikonaKamery(::GetSystemMetrics(SM_CXSMICON));
    ikona_.Nastavit(ikona ? ikona : ::CopyIcon(app.MalaIkona()));
    HICON velka = ikonaKamery(::GetSystemMetrics(SM_CXICON));
    velkaIkona_.Nastavit(velka ? velka : ::CopyIcon(app.VelkaIkona()));
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
    if (obnoveni_) obnoveni_->Zastavit();
    try {
        // Stored in screen coordinates, as MoveWindow restores it.
        const int x = ::GetSystemMetrics(SM_XVIRTUALSCREEN), y = ::GetSystemMetrics(SM_YVIRTUALSCREEN);
        const Obdelnik obrazovka{x, y, x + ::GetSystemMetrics(SM_CXVIRTUALSCREEN),
                                 y + ::GetSystemMetrics(SM_CYVIRTUALSCREEN)};
        UlozitPoziciOkna(NormalniObdelnik(), obrazovka, app.Registr(), cestaKamery_);
    } catch (const Chyba& chyba) {
        app.ZobrazitChybu(TextyZprav::Chyba(kTextChybaUlozeniPolohy, app.PopisChybyCom(chyba)));
    }
    ZastavitDetekci();
    if (zaznam_) zaznam_->Ukoncit(video_.Zachytavani());
    ZastavitPlanovane();
    ZastavitSnimkyDisk();
    {
        // Both roads' workers share the camera's stop time-out.
        using namespace std::chrono;
        const auto konec = steady_clock::now() + milliseconds(app.Nastaveni().casovyLimitKamery);
        const auto zbyva = [konec] { return std::max(0ms, duration_cast<milliseconds>(konec - steady_clock::now())); };
        snimkyFtp_.Zavrit(Hwnd(), zbyva());
        if (emaily_) emaily_->Zavrit(zbyva());
        // The server goes before the video: its pending pictures fail, its clients are shut.
        serverHttp_.Zavrit(Hwnd(), zbyva());
        uklid_.Zavrit(Parametry(), zbyva());
        // A result posted just before its worker was stopped is still handled (logged), never lost.
        for (MSG m; Knihovna::WinApi::VyzvednoutZpravu(m, Hwnd(), kZpravaVysledekPrace);)
            ZpracovatZpravu(m.message, m.wParam, m.lParam);
    }
    Parametry().okno.menu = ::GetMenu(Hwnd()) != nullptr;
    Parametry().okno.toolBarHlavni = panel_.Viditelny();
    Parametry().okno.statusBar = stavovyRadek_.Viditelny();
    if (pruhZarizeni_) Parametry().okno.zarizeniVideo = pruhZarizeni_->Zapnuty();
    Parametry().okno.ovladaniKamery = ovladaciPanel_.Zapnuty();
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
    if (zaznam_ && zaznam_->ProvestPrikaz(prikaz, parametr, video_.Zachytavani())) return true;
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
    case P::kHtml:
        Holvent::Ftp::DlgGenerHtmlStrankyKamery::Otevrit(
            Hwnd(), *this, [this] { UlozitVse(); }, [this](const std::wstring& text) { ZapsatLogKamery(text); });
        return true;
    case P::kPrizpusobit:
        Parametry().video.prizpusobovatOknu = !Parametry().video.prizpusobovatOknu;
        video_.NastavitPrizpusobeni(Parametry().video.prizpusobovatOknu);
        break;
    case P::kToolbar: o.toolBarHlavni = !o.toolBarHlavni; PouzitPrepinaceOkna(); break;
    case P::kStatusBar: o.statusBar = !o.statusBar; PouzitPrepinaceOkna(); break;
    case P::kMenu: o.menu = !o.menu; PouzitPrepinaceOkna(); break;
    case P::kZarizeni: o.zarizeniVideo = !o.zarizeniVideo; PouzitPrepinaceOkna(); break;
    case P::kOvladani: o.ovladaniKamery = !o.ovladaniKamery; PouzitPrepinaceOkna(); break;
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
    case P::kUpravitMasku:
        if (!video_.Zachytavani().GrafExistuje()) {
            Zprava(2, L"Pro použití této funkce musí být zapnuté video");
            return true;
        }
        editorMasky_.Zahajit(Hwnd(), ObdelnikVidea(), video_.Zachytavani(), app.Registr(), cestaKamery_,
                             {[this](const std::wstring& t) { stavovyRadek_.NastavitText(kCastZpravy, t); },
                              [this](const std::wstring& t) { Zprava(3, t); }, [this] { ObnovitPrikazy(); }});
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
    case P::kPromitani: ModulPromitaniObrazku::Instance().SpustitPromitani(Parametry().snimkyDisk.slozka); return true;
    case P::kResetCislovani: Slozka().ResetovatCislovani(); return true;
    case P::kSnimekEmail: emaily_->OdeslatSnimekEmail(video_.Zachytavani(), parametr); return true;
    case P::kSnimkyEmail:
        try {
            if (emaily_->AutoBezi()) emaily_->UkoncitAutoEmail();
            else emaily_->SpustitAutoEmail(video_.Zachytavani().GrafExistuje(), parametr);
        } catch (const Chyba& chyba) {
            Zprava(3, app.PopisChybyCom(chyba));
        }
        return true;
    case P::kTlacitkoEmail: {
        const UINT zvoleny = Parametry().snimkyEmail.toolBarCommand;
        ::PostMessageW(Hwnd(), WM_COMMAND, zvoleny == P::kSnimkyEmail ? P::kSnimkyEmail : P::kSnimekEmail, 0);
        return true;
    }
    case P::kTlacitkoDisk: {
        const UINT zvoleny = Parametry().snimkyDisk.toolBarCommand;
        ::PostMessageW(Hwnd(), WM_COMMAND, zvoleny == P::kSnimkyDisk ? P::kSnimkyDisk : P::kSnimek, 0);
        return true;
    }
    case P::kServerHttp: serverHttp_.Prepnout(Hwnd(), video_.Zachytavani().GrafExistuje()); return true;
    case P::kSnimekFtp: snimkyFtp_.OdeslatSnimekFtp(Hwnd(), video_.Zachytavani(), parametr); return true;
    case P::kSnimkyFtp:
        try {
            snimkyFtp_.PrepnoutAutoFtp(Hwnd(), parametr == 1);
        } catch (const Chyba& chyba) {
            Zprava(3, app.PopisChybyCom(chyba));
        }
        return true;
    case P::kTlacitkoFtp: {
        const UINT zvoleny = Parametry().snimkyFtp.toolBarCommand;
        ::PostMessageW(Hwnd(), WM_COMMAND, zvoleny == P::kSnimkyFtp ? P::kSnimkyFtp : P::kSnimekFtp, 0);
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
    case WM_DPICHANGED:  // toolbar images at the new DPI's size
        panel_.NastavitObrazky(Aplikace::Instance().ObrazkyProDpi(HIWORD(wp)));
        Knihovna::WinApi::PrijmoutNavrhDpi(Hwnd(), lp);
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
        ZasedNedostupne(menu.get());
        NastavitStav(menu.get(), P::kVideo, true, video_.Zachytavani().GrafExistuje());
        NastavitStav(menu.get(), P::kSnimkyDisk, true, snimkyDiskBezi_);
        NastavitStav(menu.get(), P::kPlanovane, true, planovaneBezi_);
        NastavitStav(menu.get(), P::kSnimkyFtp, true, snimkyFtp_.AutoBezi());
        NastavitStav(menu.get(), P::kSnimkyEmail, true, SnimkyEmailBezi());
        NastavitStav(menu.get(), P::kDetekce, true, detektor_.Bezi());
        NastavitStav(menu.get(), P::kServerHttp, true, serverHttp_.Bezi());
        NastavitStav(menu.get(), P::kMenu, true, Parametry().okno.menu);
        NastavitStav(menu.get(), P::kOvladani, true, Parametry().okno.ovladaniKamery);
        if (zaznam_) zaznam_->ZasedMenu(menu.get(), video_.Zachytavani().GrafExistuje());
        ::TrackPopupMenu(menu.get(), TPM_LEFTALIGN | TPM_TOPALIGN | TPM_RIGHTBUTTON, bod.x, bod.y, 0, Hwnd(), nullptr);
        return 0;
    }
    case WM_TIMER:
        if (zaznam_ && zaznam_->Casovac(wp, video_.Zachytavani())) return 0;
        if (obnoveni_ && obnoveni_->Casovac(wp)) return 0;
        switch (wp) {
        case kCasovacDisk: ::PostMessageW(Hwnd(), WM_COMMAND, P::kSnimek, kPrikazCasovaceDisku); return 0;
        case kCasovacPlan: KontrolaPlanu(); return 0;
        case kCasovacEmail:
            ::PostMessageW(Hwnd(), WM_COMMAND, P::kSnimekEmail, SnimkyEmailem::kPrikazCasovace);
            return 0;
        case kCasovacTooltip: ObnovitNahled(); return 0;
        case kCasovacPohyb: detektor_.Tik(); return 0;
        case kCasovacFtp: ::PostMessageW(Hwnd(), WM_COMMAND, P::kSnimekFtp, P::kSnimkyFtp); return 0;
        case kCasovacServer: serverHttp_.Casovac(Hwnd()); return 0;
        case kCasovacUklid: uklid_.Casovac(Parametry()); return 0;
        }
        break;
    case WM_CLOSE: Zavrit(); return 0;
    case WM_ENDSESSION:
        // The process may end as soon as this returns: the recording is finished first.
        if (wp && ukoncitAplikaci_) Zavrit();
        else if (wp && zaznam_) zaznam_->Ukoncit(video_.Zachytavani());
        return 0;
    case WM_INITMENUPOPUP:
        Aplikace::Instance().ObrazkyDoNabidky(obrazkyNabidky_, Hwnd(), reinterpret_cast<HMENU>(wp));
        break;
    case kZpravaUdalostGrafuKamery:
        if (obnoveni_) obnoveni_->UdalostGrafu();
        return 0;
    case kZpravaMistoZaznamu:
        if (zaznam_) zaznam_->MistoNaDisku(video_.Zachytavani());
        return 0;
    case WM_DESTROY:
        ::KillTimer(Hwnd(), kCasovacDisk);
        ::KillTimer(Hwnd(), kCasovacPlan);
        ::KillTimer(Hwnd(), kCasovacEmail);
        ::KillTimer(Hwnd(), kCasovacTooltip);
        ::KillTimer(Hwnd(), kCasovacPohyb);
        ::KillTimer(Hwnd(), kCasovacFtp);
        ::KillTimer(Hwnd(), kCasovacServer);
        ::KillTimer(Hwnd(), kCasovacZaznam);
        ::KillTimer(Hwnd(), kCasovacDelkaZaznamu);
        ::KillTimer(Hwnd(), kCasovacUklid);
        detektor_.Zastavit();
        cilHlaseni_ = nullptr;
        ikonaOblasti_.Odebrat();
        video_.Zachytavani().UvolnitVse();
        // After the graph is gone no frame can reach the detector any more.
        if (prijemce_) prijemce_->Odpojit();
        moduly_.Uvolnit();
        if (oznamovane_) ::PostMessageW(oznamovane_, Aplikace::kZpravaObnovit, 0, 0);
        if (ukoncitAplikaci_) ::PostQuitMessage(0);
        return 0;
    case kZpravaPoSpusteniKamery: PoSpusteni(); return 0;
    case kZpravaSnimek:
        return snimky_ ? snimky_->ZpracovatSnimek(video_.Zachytavani(), lp,
                                                  [this](Gdiplus::Bitmap& b, int druh) {
                                                      moduly_.UpravitSnimek(b, druh, video_.Zachytavani());
                                                  })
                       : 0;
    case kZpravaSelhaniModulu: SelhaniModulu(lp); return 0;
    case kZpravaKonecUklidu: uklid_.Vysledek(lp, Parametry()); return 0;
    case kZpravaPohyb: HlaseniPohybu(); return 0;
    case kZpravaSoketServeru: serverHttp_.Soket(Hwnd(), wp, lp); return 0;
    case kZpravaSnimekServeru: serverHttp_.Zadost(wp, lp, video_.Zachytavani(), stavSnimku_); return 0;
    case kZpravaZatizeniServeru: return serverHttp_.Zatizeni();
    case kZpravaChybaFtp:
        snimkyFtp_.ZastavitPoChybe(Hwnd());
        return 0;
    case kZpravaChybaEmailu:
        if (emaily_) emaily_->ZastavitPoChybe();
        return 0;
    case kZpravaVysledekPrace:
        switch (wp) {
        case kPraceFtp: snimkyFtp_.Vysledek(Hwnd(), lp); return 0;
        case kPraceEmail:
            if (emaily_) emaily_->Vysledek(lp);
            else delete reinterpret_cast<VysledekPraceEmailu*>(lp);
            return 0;
        }
        return 0;
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
