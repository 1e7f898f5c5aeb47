#include "net/win/SnimkyNaFtp.h"

#include <condition_variable>
#include <mutex>
#include <thread>

#include "app/win/Aplikace.h"
#include "camera/AktivityKamery.h"
#include "camera/DruhSnimku.h"
#include "camera/win/SnimkyNaDisk.h"
#include "knihovna/Formatovani.h"
#include "knihovna/win/ChybyWin.h"
#include "net/NazvyFtp.h"
#include "net/win/FtpSpojeni.h"
#include "video/KoderyObrazu.h"

using Knihovna::Chyba;
using Knihovna::Formatovat;

namespace {

constexpr std::uintptr_t kPrikazCasovaceFtp = PrikazyKamery::kSnimkyFtp;

// Reactions to a failed upload ("akcePriChybe").
constexpr std::uint32_t kAkceUkoncitAutomaticke = 1;
constexpr std::uint32_t kAkceZrusitPoSpusteniKamery = 2;
constexpr std::uint32_t kAkceZrusitSpusteniKamery = 4;

}  // namespace

SnimkyNaFtp::SnimkyNaFtp(ParametryKamery& parametry, StavSnimku& stav, HlaseniCesty& hlaseni,
                         const std::wstring& jmenoKamery)
    : parametry_(parametry), stav_(stav), hlaseni_(hlaseni), jmenoKamery_(jmenoKamery) {}

void SnimkyNaFtp::OdeslatSnimekFtp(HWND okno, Holvent::DirectShow::ZachytavaniVidea& zachytavani,
                                   std::uintptr_t parametr) {
    const auto& ftp = parametry_.snimkyFtp;
    if (!zachytavani.GrafExistuje()) {
        hlaseni_.Pipnout();
        return;
    }
    if (pracovnik_.Bezi()) {
        // One upload at a time; the dropped requests of one busy period leave one line, not one per tick.
        if (!zahozeniHlaseno_) {
            zahozeniHlaseno_ = true;
            std::wstring text = Formatovat(L"Snímek nebyl odeslán na FTP server %ls: předchozí odesílání (%ls) ještě "
                                           L"probíhá.",
                                           ftp.server.c_str(), bezici_.c_str());
            if (prubeh_ && prubeh_->limitVyprsel)
                text += L" Spojení bylo po 2 minutách uzavřeno; odesílání skončí, až systém přestane čekat "
                        L"na server.";
            hlaseni_.LogKamery(text);
            hlaseni_.StavCesty(text);
        }
        return;
    }
    if (const std::wstring chyba = ChybaStartuFtp(parametry_); !chyba.empty()) {
        hlaseni_.ZpravaCesty(3, chyba, std::max<std::uint32_t>(ftp.zpravaIkona, 1));
        return;
    }
    auto& app = Aplikace::Instance();
    const auto* koder = Holvent::DirectShow::KoderFormatu(ftp.snimek.format);
    const std::wstring pripona = koder ? koder->pripona : L".jpg";
    UlohaFtp uloha{app.InternetHandle(), ftp.server,  ftp.uzivatel, ftp.heslo, ftp.slozka, ftp.pasivniRezim,
                   Holvent::Ftp::MistniSouborFtp(app.SlozkaDat(), jmenoKamery_, pripona), {}};
    try {
        SnimkyNaDisk::UlozitSnimekDruhu(zachytavani, stav_, kSnimekFtp, ftp.snimek,
                                        parametr == kPrikazCasovaceFtp, uloha.mistniSoubor);
    } catch (const Chyba& chyba) {
        // No silent loss: a snapshot that could not be made is a failed upload like any other.
        VysledekFtp v{false, ftp.soubor + pripona, ftp.server,
                      Formatovat(L"Uložení snímku do souboru \"%ls\" se nezdařilo: %ls", uloha.mistniSoubor.c_str(),
                                 app.PopisChybyCom(chyba).c_str())};
        Selhani(okno, v);
        return;
    }
    hlaseni_.PrehratZvukSnimku();
    uloha.vzdalenyNazev = Holvent::Ftp::VzdalenyNazev(ftp.soubor, pripona, ftp.maxPocetSouboru, citac_);

    auto prubeh = std::make_shared<PrubehFtp>();
    const bool spusteno = pracovnik_.Spustit([okno, uloha, prubeh](std::stop_token stop) {
        auto vysledek = std::make_unique<VysledekFtp>(VlaknoOdeslaniFtp(uloha, stop, kLimitOdeslani, *prubeh));
        // Cut off by the camera's closing: the window that logs it is going, nothing is posted.
        if (stop.stop_requested()) return;
        if (::PostMessageW(okno, kZpravaVysledekPrace, kPraceFtp, reinterpret_cast<LPARAM>(vysledek.get())))
            vysledek.release();
    });
    if (!spusteno) {
        hlaseni_.ZpravaCesty(3, L"Nepodařilo se spustit odesílání snímku na FTP server.", ftp.zpravaIkona);
        return;
    }
    bezici_ = uloha.vzdalenyNazev;
    prubeh_ = std::move(prubeh);
    zahozeniHlaseno_ = false;
    hlaseni_.ZpravaCesty(1,
                         Formatovat(L"Začíná odesílání snímku \"%ls\" na FTP server %ls.", uloha.vzdalenyNazev.c_str(),
                                    ftp.server.c_str()),
                         ftp.zpravaIkona);
}

VysledekFtp SnimkyNaFtp::VlaknoOdeslaniFtp(const UlohaFtp& uloha, std::stop_token stop,
                                          std::chrono::milliseconds limit, PrubehFtp& prubeh) {
    VysledekFtp vysledek{false, uloha.vzdalenyNazev, uloha.server, {}};
    try {
        Holvent::Ftp::FtpSpojeni spojeni(uloha.server, uloha.uzivatel, uloha.heslo, uloha.pasivni);
        std::stop_callback zrusit(stop, [&spojeni] { spojeni.Zrusit(); });
        // The deadline of the whole upload, on its own thread; it ends with the upload.
        std::jthread strazce([&spojeni, &prubeh, limit](std::stop_token konec) {
            std::mutex zamek;
            std::condition_variable_any podminka;
            std::unique_lock cekani(zamek);
            podminka.wait_for(cekani, konec, limit, [] { return false; });
            if (!konec.stop_requested()) {
                prubeh.limitVyprsel = true;
                spojeni.Zrusit();
            }
        });
        prubeh.krok = L"připojení a přihlášení k serveru";
        spojeni.Connect(static_cast<HINTERNET>(uloha.koren));
        prubeh.krok = L"otevření složky";
        spojeni.ZmenitSlozku(uloha.slozka, true);
        prubeh.krok = L"přenos souboru";
        spojeni.Nahrat(uloha.mistniSoubor, uloha.vzdalenyNazev);
        prubeh.krok = L"odpojení";
        spojeni.Odpojit();
        vysledek.uspech = true;
    } catch (const Chyba& chyba) {
        vysledek.chyba = Knihovna::WinApi::PopisChyby(chyba);
        if (prubeh.limitVyprsel) vysledek.chyba += L" (odesílání trvalo déle než 2 minuty)";
    } catch (const std::exception&) {
        vysledek.chyba = L"Nedostatek paměti nebo neočekávaná chyba.";
    }
    return vysledek;
}

void SnimkyNaFtp::Vysledek(HWND okno, LPARAM lp) {
    std::unique_ptr<VysledekFtp> vysledek(reinterpret_cast<VysledekFtp*>(lp));
    if (!vysledek) return;
    // The worker ends right after posting; joining it here (it may not have returned yet) makes the road free for
    // the next request, which would otherwise be dropped as busy.
    pracovnik_.Zastavit(std::chrono::seconds(2));
    bezici_.clear();
    const auto& ftp = parametry_.snimkyFtp;
    if (!vysledek->uspech) {
        Selhani(okno, *vysledek);
        return;
    }
    hlaseni_.ZpravaCesty(1,
                         Formatovat(L"Snímek \"%ls\" byl úspěšně odeslán na FTP server \"%ls\".",
                                    vysledek->vzdalenyNazev.c_str(), vysledek->server.c_str()),
                         ftp.zpravaIkona);
    const std::wstring log = Formatovat(L"Snímek \"%ls\" byl úspěšně odeslán na FTP server %ls.",
                                        vysledek->vzdalenyNazev.c_str(), vysledek->server.c_str());
    if (parametry_.logovani.snimekFtp) hlaseni_.LogKamery(log);
    if (parametry_.zapisUdalosti.snimekFtp)
        hlaseni_.UdalostKamery(Formatovat(L"Tervik \"%ls\": %ls", jmenoKamery_.c_str(), log.c_str()), false);
}

void SnimkyNaFtp::Selhani(HWND okno, const VysledekFtp& vysledek) {
    const auto& ftp = parametry_.snimkyFtp;
    // Always in the camera's log, whatever "snimekFtpChyba" says: a lost snapshot leaves a trace.
    const std::wstring log = Formatovat(L"Nepodařilo se odeslat snímek \"%ls\" na FTP server %ls. (%ls)",
                                        vysledek.vzdalenyNazev.c_str(), vysledek.server.c_str(),
                                        vysledek.chyba.c_str());
    hlaseni_.LogKamery(log);
    // In the hidden message mode the message itself becomes the error event.
    if (parametry_.zapisUdalosti.snimekFtpChyba && Aplikace::Instance().RezimZprav_() != RezimZprav::Skryty)
        hlaseni_.UdalostKamery(Formatovat(L"Tervik \"%ls\": %ls", jmenoKamery_.c_str(), log.c_str()), true);
    hlaseni_.ZpravaCesty(3,
                         Formatovat(L"Nepodařilo se odeslat snímek \"%ls\" na FTP server %ls.\n%ls",
                                    vysledek.vzdalenyNazev.c_str(), vysledek.server.c_str(), vysledek.chyba.c_str()),
                         ftp.zpravaIkona);
    if (ftp.akcePriChybe & kAkceUkoncitAutomaticke) ::PostMessageW(okno, kZpravaChybaFtp, 0, 0);
    if (ftp.akcePriChybe & kAkceZrusitPoSpusteniKamery) parametry_.akcePoSpusteni.snimkyFtp = false;
    if (ftp.akcePriChybe & kAkceZrusitSpusteniKamery) parametry_.poSpusteni = false;
}

void SnimkyNaFtp::PrepnoutAutoFtp(HWND okno, bool preskocitPrvni) {
    if (autoBezi_) UkoncitAutoFtp(okno);
    else SpustitAutoFtp(okno, preskocitPrvni);
}

void SnimkyNaFtp::SpustitAutoFtp(HWND okno, bool preskocitPrvni) {
    if (autoBezi_) return;
    const auto& ftp = parametry_.snimkyFtp;
    if (const std::wstring chyba = ChybaStartuFtp(parametry_); !chyba.empty()) {
        hlaseni_.ZpravaCesty(3, chyba, std::max<std::uint32_t>(ftp.zpravaIkona, 1));
        return;
    }
    if (!::SetTimer(okno, kCasovacFtp, std::max<UINT>(ftp.interval, USER_TIMER_MINIMUM), nullptr))
        Knihovna::WinApi::VyhoditPosledniChybu();
    autoBezi_ = true;
    zastavenoChybou_ = false;
    hlaseni_.ZmenaAktivit();
    ZapsatAktivitu(true);
    if (!preskocitPrvni) ::PostMessageW(okno, WM_COMMAND, PrikazyKamery::kSnimekFtp, kPrikazCasovaceFtp);
}

void SnimkyNaFtp::UkoncitAutoFtp(HWND okno) {
    if (!autoBezi_) return;
    ::KillTimer(okno, kCasovacFtp);
    autoBezi_ = false;
    hlaseni_.ZmenaAktivit();
    ZapsatAktivitu(false);
}

void SnimkyNaFtp::ZastavitPoChybe(HWND okno) {
    if (!autoBezi_) return;
    zastavenoChybou_ = true;
    UkoncitAutoFtp(okno);
}

void SnimkyNaFtp::ZapsatAktivitu(bool start) {
    const TextyAktivity& texty = TextyAktivityKamery(AktivitaKamery::SnimkyFtp);
    const auto prepinac = start ? texty.prepinacStart : texty.prepinacStop;
    const wchar_t* log = start ? texty.logStart : texty.logStop;
    const wchar_t* udalost = start ? texty.udalostStart : texty.udalostStop;
    if (log && parametry_.logovani.*prepinac) hlaseni_.LogKamery(log);
    if (udalost && parametry_.zapisUdalosti.*prepinac)
        hlaseni_.UdalostKamery(Formatovat(udalost, jmenoKamery_.c_str()), false);
}

void SnimkyNaFtp::PouzitNastaveni(HWND okno) {
    if (autoBezi_ &&
        !::SetTimer(okno, kCasovacFtp, std::max<UINT>(parametry_.snimkyFtp.interval, USER_TIMER_MINIMUM), nullptr))
        Knihovna::WinApi::VyhoditPosledniChybu();
}

void SnimkyNaFtp::Zavrit(HWND okno, std::chrono::milliseconds limit) {
    UkoncitAutoFtp(okno);
    if (!pracovnik_.Bezi()) return;
    // The step it hung in is the reason it had not ended: a server that does not answer, a transfer that stalls.
    const wchar_t* krok = prubeh_ ? prubeh_->krok.load() : L"příprava";
    const bool skoncil = pracovnik_.Zastavit(limit);
    hlaseni_.LogKamery(Formatovat(skoncil ? L"Odesílání snímku \"%ls\" na FTP server %ls bylo při vypnutí kamery "
                                            L"přerušeno v kroku \"%ls\"."
                                          : L"Odesílání snímku \"%ls\" na FTP server %ls bylo při vypnutí kamery "
                                            L"přerušeno v kroku \"%ls\" (server v něm neodpovídal); jeho vlákno "
                                            L"skončí samo.",
                                  bezici_.c_str(), parametry_.snimkyFtp.server.c_str(), krok));
    bezici_.clear();
}
