#include "video/RizeniPrehravace.h"

#include <algorithm>

#include "video/RozvrzeniVidea.h"

namespace Prehravac {

namespace {
__extension__ typedef __int128 Siroke;
}  // namespace

bool PrikazPovolen(const StavPrehravace& s, int prikaz) {
    const bool soubor = s.stav != Stav::BezSouboru;
    switch (prikaz) {
        case Prikaz::kOtevrit:
        case Prikaz::kKonec:
            return true;
        case Prikaz::kZavrit:
            return soubor;
        case Prikaz::kSpustit:
            return s.stav == Stav::Pozastaveno || s.stav == Stav::Zastaveno;
        case Prikaz::kUkoncit:
        case Prikaz::kPrerusit:
            return s.stav == Stav::Bezi;
        case Prikaz::kKrokVpred:
        case Prikaz::kKrokZpet:
            return soubor && s.trvani > 0;
        case Prikaz::kUlozitSnimek:
            return soubor && s.maVideo;
        default:
            return false;
    }
}

Prechod PrechodTransportu(Stav stav, Povel povel) {
    if (stav == Stav::BezSouboru) return {Knihovna::kE_UNEXPECTED, AkceGrafu::Zadna, stav};
    switch (povel) {
        case Povel::Spustit:
            if (stav == Stav::Pozastaveno || stav == Stav::Zastaveno) return {Knihovna::kS_OK, AkceGrafu::Run, Stav::Bezi};
            break;
        case Povel::Prerusit:
            if (stav == Stav::Bezi) return {Knihovna::kS_OK, AkceGrafu::Pause, Stav::Pozastaveno};
            break;
        case Povel::Ukoncit:
            if (stav == Stav::Bezi) return {Knihovna::kS_OK, AkceGrafu::StopNaZacatek, Stav::Zastaveno};
            break;
    }
    return {kVFW_E_WRONG_STATE, AkceGrafu::Zadna, stav};
}

std::optional<std::int64_t> CilKroku(std::int64_t pozice, std::int64_t trvani, bool vpred) {
    if (trvani <= 0) return std::nullopt;
    if (vpred) {
        if (pozice >= trvani - kKrok) return std::nullopt;  // written so that it cannot overflow
        return pozice + kKrok;
    }
    if (pozice < kKrok) return std::nullopt;
    return pozice - kKrok;
}

int PoziceNaPosuvnik(std::int64_t pozice, std::int64_t trvani) {
    if (trvani <= 0 || pozice <= 0) return 0;
    if (pozice >= trvani) return kRozsahPosuvniku;
    // 0 < pozice < trvani: the product takes 128 bits, the quotient is below 10000.
    const Siroke soucin = static_cast<Siroke>(pozice) * kRozsahPosuvniku;
    return static_cast<int>(soucin / trvani);
}

std::int64_t PosuvnikNaPozici(int posuvnik, std::int64_t trvani) {
    if (trvani <= 0) return 0;
    const std::int64_t p = std::clamp(posuvnik, 0, kRozsahPosuvniku);
    // trvani / 10000 and the remainder keep the product inside 64 bits for any duration.
    return (trvani / kRozsahPosuvniku) * p + (trvani % kRozsahPosuvniku) * p / kRozsahPosuvniku;
}

ReakceNaUdalost ReakceNaUdalostGrafu(long kod) {
    switch (kod) {
        case kEC_COMPLETE:
            return ReakceNaUdalost::ZastavitNaZacatku;
        case kEC_USERABORT:
        case kEC_ERRORABORT:
            return ReakceNaUdalost::ZastavitAOznamit;
        default:
            return ReakceNaUdalost::Zadna;
    }
}

std::optional<Knihovna::Obdelnik> UmisteniObrazu(bool souborOtevren, bool prizpusobit, int sirkaKlienta,
                                                 int vyskaKlienta, int sirkaVidea, int vyskaVidea) {
    VstupRozvrzeni v;
    v.grafExistuje = souborOtevren;
    v.prizpusobit = prizpusobit;
    v.sirkaKlienta = sirkaKlienta;
    v.vyskaKlienta = vyskaKlienta;
    v.sirkaVidea = sirkaVidea;
    v.vyskaVidea = vyskaVidea;
    const RozvrzeniVidea r = RozvrhnoutVideo(v);
    if (!r.umistitVideo) return std::nullopt;
    if (!prizpusobit) return Knihovna::Obdelnik{0, 0, sirkaVidea, vyskaVidea};
    return r.video;
}

}  // namespace Prehravac
