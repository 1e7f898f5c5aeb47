#include "camera/win/TervikOkno.h"

#include <commctrl.h>
#include <mmsystem.h>
#include <shellapi.h>
#include <windowsx.h>

#include <algorithm>
#include <chrono>
#include <cstdlib>

#include "app/NastaveniAplikace.h"
#include "app/PravidlaHlavnihoOkna.h"
#include "app/TextyZprav.h"
#include "app/win/Aplikace.h"
#include "app/win/OknoHlavni.h"
#include "camera/win/PrvkyOknaKamery.h"
#include "knihovna/Formatovani.h"
#include "knihovna/win/ChybyWin.h"
#include "resources/IdZdroju.h"
#include "ui/win/DlgNastaveniKamery.h"
#include "net/win/DlgGenerHtmlStrankyKamery.h"

using namespace Knihovna;
using namespace Knihovna::WinApi;
using namespace PrvkyOknaKamery;


// The camera window's video, settings, motion detection, picture tooltip and folder commands.

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
        // The attempts to reopen a lost device fail quietly until one succeeds.
        if (obnoveni_ && obnoveni_->Obnovuje()) {
            ObnovitPrikazy();
            return;
        }
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
    // The records were read anew with the graph.
    ovladaciPanel_.NaplnitSeznam();
    serverHttp_.Video(true);
    if (Parametry().logovani.zapnutiVidea)
        ZapsatLogKamery(Formatovat(L"Bylo zapnuto videozařízení \"%s\"", zachytavani.ZarizeniVideo().friendlyName.c_str()));
    if (Parametry().zapisUdalosti.zapnutiVidea) ZapsatUdalostKamery(L"Tervik \"%s\": bylo zapnuto videozařízení");
    ObnovitPrikazy();
}

void TervikOkno::VypnoutVideo() {
    auto& zachytavani = video_.Zachytavani();
    if (!zachytavani.GrafExistuje()) return;
    if (zaznam_) zaznam_->Ukoncit(zachytavani);
    // The size the device ran at is kept for the next start.
    if (zachytavani.Sirka() > 0 && zachytavani.Vyska() > 0) {
        Parametry().video.sirka = zachytavani.Sirka();
        Parametry().video.vyska = zachytavani.Vyska();
    }
    serverHttp_.Video(false);
    video_.VypnoutVideo();
    ovladaciPanel_.NaplnitSeznam();
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
                                        [this] { PouzitNastaveni(); },
                                        [this](HWND dialog, const ParametryKamery& hodnoty) {
                                            if (emaily_) emaily_->OdeslatTest(dialog, hodnoty);
                                        }};
    kontext.formaty = video_.Zachytavani().Formaty().Polozky();  // the AVI recording page lists them
    kontext.zasuvneModuly = Parametry().zasuvneModuly;
    kontext.zmenaModulu = [this](const std::vector<ZasuvnyModul>& seznam) { ZmenaZasuvnychModulu(seznam); };
    // The camera may have been switched off while the dialog was open.
    if (DlgNastaveniKamery(Parametry(), Zamek(), std::move(kontext)).Zobrazit(Hwnd()) && Hwnd()) PouzitNastaveni();
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
        snimkyFtp_.PouzitNastaveni(Hwnd());
        if (emaily_) emaily_->PouzitNastaveni();
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
    // Old recordings are the storage clean-up's (UklidKamery), whose first run started with the window.
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

void TervikOkno::NaSnimku(std::uint8_t* data, long delka) noexcept {
    if (!data || delka <= 0) return;
    const int sirka = sirkaSnimku_.load(), vyska = vyskaSnimku_.load();
    const auto pocet = detektor_.ZpracovatSnimek(data, static_cast<std::size_t>(delka), sirka, vyska, rozdilJasu_.load());
    if (pocet)
        if (HWND cil = cilHlaseni_.load()) ::PostMessageW(cil, kZpravaPohyb, static_cast<WPARAM>(*pocet), 0);
    // The live plug-ins see the frame after the detector, which compares the frame as the device gave it.
    if (prijemce_) moduly_.ZivySnimek(data, delka, sirka, vyska, detektor_.PosledniBylReferenci(), *prijemce_.get());
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
    detektor_.NastavitMasku(d.maska);
    detektor_.NastavitPodminky(d.minSnimkuPohybu, d.strazSvetla);
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
    OznamitStavOblasti(true);
    const MistniCas ted = Aplikace::Instance().Hodiny().Ted();
    stavovyRadek_.NastavitText(kCastZpravy, Formatovat(L"Detekován pohyb v %d:%02d:%02d", ted.hodina, ted.minuta,
                                                       ted.sekunda));
    const auto akce = casyAkci_.Vyhodnotit(Parametry().detekcePohybu, ::GetTickCount(),
                                           [](std::uint32_t prikaz) { return !Nedostupny(prikaz); });
    for (const AkcePohybu& a : akce)
        ::PostMessageW(Hwnd(), WM_COMMAND, a.prikaz, static_cast<LPARAM>(a.parametr));
}

bool TervikOkno::MaChybu() const {
    return (obnoveni_ && obnoveni_->Obnovuje()) || snimkyFtp_.ZastavenoChybou() ||
           (emaily_ && emaily_->ZastavenoChybou());
}

void TervikOkno::OznamitStavOblasti(bool pohyb) {
    bool zmena = false;
    if (pohyb) {
        const std::uint32_t tik = ::GetTickCount();
        // Only the start of a motion is news: the icon shows it for its time after the last report anyway.
        zmena = !hlasenPohyb_ || tik - posledniPohyb_ >= PravidlaHlavnihoOkna::kDobaPohybuVOblasti;
        hlasenPohyb_ = true;
        posledniPohyb_ = tik;
    }
    if (const bool chyba = MaChybu(); chyba != hlasenaChyba_) {
        hlasenaChyba_ = chyba;
        zmena = true;
    }
    if (zmena && oznamovane_) ::PostMessageW(oznamovane_, Aplikace::kZpravaObnovit, 0, 0);
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
    NastavitStav(menu, P::kSnimkyFtp, true, snimkyFtp_.AutoBezi());
    NastavitStav(menu, P::kSnimkyEmail, true, SnimkyEmailBezi());
    ZasedNedostupne(menu);
    if (zaznam_) zaznam_->ZasedMenu(menu, video_.Zachytavani().GrafExistuje());
    ::TrackPopupMenu(menu, TPM_LEFTALIGN | TPM_TOPALIGN | TPM_RIGHTBUTTON, bod.x, bod.y, 0, Hwnd(), nullptr);
}
