#include "camera/win/ObnoveniKamery.h"

#include <algorithm>

#include "camera/AktivityKamery.h"
#include "knihovna/Formatovani.h"
#include "video/win/VyctiZarizeni.h"

using Knihovna::Formatovat;

namespace {

constexpr UINT kPeriodaHlidani = 1000;  // ms
// A device that opened needs a moment for its first frame, whatever the watchdog's own limit is.
constexpr std::uint32_t kNejkratsiOvereni = 5;         // s
constexpr std::uint32_t kOvereniBezHlidani = 10;       // s, when the watchdog is off
constexpr const wchar_t* kTextPokus = L"Kamera %s: obnovuji spojení se zařízením %s (pokus %u)";
constexpr const wchar_t* kTextJinaCesta = L"Kamera %s: zařízení %s je nyní připojeno jinde (%s)";

}  // namespace

ObnoveniKamery::ObnoveniKamery(HWND okno, ParametryKamery& parametry, const std::wstring& jmenoKamery, OknoVideo& video,
                               HlaseniCesty& hlaseni, Okno funkce)
    : okno_(okno), parametry_(parametry), jmeno_(jmenoKamery), video_(video), hlaseni_(hlaseni),
      funkce_(std::move(funkce)) {}

void ObnoveniKamery::Spustit() {
    video_.Zachytavani().NastavitZpravuUdalosti(kZpravaUdalostGrafuKamery);
    ::SetTimer(okno_, kCasovacHlidaniSnimku, kPeriodaHlidani, nullptr);
}

void ObnoveniKamery::Zastavit() {
    ::KillTimer(okno_, kCasovacHlidaniSnimku);
    ::KillTimer(okno_, kCasovacObnoveni);
    ztraceno_ = overuje_ = sleduje_ = false;
}

bool ObnoveniKamery::Casovac(UINT_PTR id) {
    if (id == kCasovacHlidaniSnimku) {
        Hlidat();
        return true;
    }
    if (id == kCasovacObnoveni) {
        ::KillTimer(okno_, kCasovacObnoveni);
        if (ztraceno_) Pokus();
        return true;
    }
    return false;
}

void ObnoveniKamery::UdalostGrafu() {
    const long kod = video_.Zachytavani().UdalostZtraty();
    if (!kod) return;
    if (!ztraceno_) {
        Ztrata();
    } else if (overuje_) {
        // The device went again before its first frame.
        overuje_ = false;
        funkce_.vypnoutVideo();
        Neuspech();
    }
}

std::uint32_t ObnoveniKamery::LimitOvereni() const {
    const std::uint32_t limit = parametry_.obnoveni.limitBezSnimku;
    return (limit ? std::max(limit, kNejkratsiOvereni) : kOvereniBezHlidani) * 1000;
}

void ObnoveniKamery::Hlidat() {
    auto& z = video_.Zachytavani();
    const std::uint32_t ted = ::GetTickCount();
    if (ztraceno_) {
        if (!z.GrafExistuje()) {
            overuje_ = false;
            return;
        }
        if (!overuje_) {
            // Switched on by hand meanwhile: the frames decide as for an attempt.
            overuje_ = true;
            hlidac_.Zacit(z.PocetSnimku(), ted);
        } else if (hlidac_.PrislySnimky(z.PocetSnimku())) {
            Uspech();
        } else if (hlidac_.Ticho(ted) >= LimitOvereni()) {
            overuje_ = false;
            funkce_.vypnoutVideo();
            Neuspech();
        }
        return;
    }
    // A graph stopped for a change (size, format pages, a recording's branch) is silent for a reason.
    if (!z.GrafBezi()) {
        sleduje_ = false;
        return;
    }
    if (!sleduje_) {
        sleduje_ = true;
        hlidac_.Zacit(z.PocetSnimku(), ted);
        return;
    }
    if (hlidac_.Ztrata(parametry_.obnoveni.limitBezSnimku, z.PocetSnimku(), ted)) Ztrata();
}

void ObnoveniKamery::Ztrata() {
    auto& z = video_.Zachytavani();
    ztraceno_ = true;
    overuje_ = sleduje_ = false;
    zarizeni_ = z.ZarizeniVideo();
    zacatekZtraty_ = ::GetTickCount();
    pokus_ = 0;
    predZtratou_ = funkce_.aktivity();
    // The toggles stop what runs (each logs its end as usual); the video's end finishes a recording and keeps the
    // capture size for the reopening.
    for (std::uint32_t prikaz : PrikazyZastaveni(predZtratou_)) ::SendMessageW(okno_, WM_COMMAND, prikaz, 0);
    funkce_.vypnoutVideo();
    const std::wstring text = Formatovat(kTextZtrataZarizeni, jmeno_.c_str(), zarizeni_.friendlyName.c_str());
    hlaseni_.LogKamery(text);
    hlaseni_.ZpravaCesty(3, text, parametry_.snimkyDisk.zpravaIkona);
    hlaseni_.ZmenaAktivit();
    Naplanovat();
}

void ObnoveniKamery::Naplanovat() {
    ::SetTimer(okno_, kCasovacObnoveni, IntervalObnoveni(parametry_.obnoveni.intervalObnoveni, pokus_) * 1000, nullptr);
}

void ObnoveniKamery::Neuspech() {
    ++pokus_;
    Naplanovat();
}

void ObnoveniKamery::Pokus() {
    auto& z = video_.Zachytavani();
    if (z.GrafExistuje()) return;  // switched on by hand: the watchdog's tick decides
    // Another device chosen in the settings meanwhile is the one to open.
    if (::lstrcmpiW(z.ZarizeniVideo().devicePath.c_str(), zarizeni_.devicePath.c_str()) != 0 &&
        !z.ZarizeniVideo().friendlyName.empty())
        zarizeni_ = z.ZarizeniVideo();
    hlaseni_.StavCesty(Formatovat(kTextPokus, jmeno_.c_str(), zarizeni_.friendlyName.c_str(), pokus_ + 1));
    try {
        SeznamZarizeni seznam;
        NacistZarizeniVideo(seznam);
        const auto nalezene = NajitZarizeniZnovu(seznam, zarizeni_, PorovnatPodleLokality);
        if (!nalezene) {
            Neuspech();
            return;
        }
        if (::lstrcmpiW(nalezene->devicePath.c_str(), zarizeni_.devicePath.c_str()) != 0) {
            // Another USB port: the camera keeps the device under its new path.
            hlaseni_.LogKamery(Formatovat(kTextJinaCesta, jmeno_.c_str(), nalezene->friendlyName.c_str(),
                                          nalezene->devicePath.c_str()));
            z.NastavitZarizeniVideo(*nalezene);
            parametry_.zarizeni.video = *nalezene;
            zarizeni_ = *nalezene;
        }
    } catch (const Knihovna::Chyba&) {
        Neuspech();
        return;
    }
    funkce_.zapnoutVideo();
    if (!z.GrafExistuje()) {
        Neuspech();
        return;
    }
    overuje_ = true;
    hlidac_.Zacit(z.PocetSnimku(), ::GetTickCount());
}

void ObnoveniKamery::Uspech() {
    auto& z = video_.Zachytavani();
    const std::uint32_t ted = ::GetTickCount();
    ztraceno_ = overuje_ = false;
    sleduje_ = true;
    hlidac_.Zacit(z.PocetSnimku(), ted);
    const std::wstring text = Formatovat(kTextZarizeniPripojeno, jmeno_.c_str(), (ted - zacatekZtraty_) / 1000);
    hlaseni_.LogKamery(text);
    hlaseni_.ZpravaCesty(1, text, parametry_.snimkyDisk.zpravaIkona);
    // Posted: each runs through the window's own command, as after start.
    for (const PrikazPoSpusteni& p : PrikazyObnoveni(predZtratou_, funkce_.aktivity()))
        ::PostMessageW(okno_, WM_COMMAND, p.prikaz, static_cast<LPARAM>(p.parametr));
    hlaseni_.ZmenaAktivit();
}
