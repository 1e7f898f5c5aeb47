#include "video/OvladaniObrazu.h"

#include <algorithm>
#include <limits>

namespace Holvent::DirectShow {

using Knihovna::Hresult;

namespace {

struct Radek {
    const wchar_t* popis;
    bool kamera;
    std::int32_t vlastnost;
};

// The strip's order: VideoProcAmp brightness, contrast, saturation, hue, sharpness, then
// CameraControl zoom, tilt, pan, roll, focus.
constexpr Radek kTabulka[] = {
    {L"Jas", false, 0},
    {L"Kontrast", false, 1},
    {L"Sytost barev", false, 3},
    {L"Odstín", false, 2},
    {L"Ostření", false, 4},
    {L"Zoom", true, 3},
    {L"Náklon vertikální", true, 1},
    {L"Panoráma", true, 0},
    {L"Roll", true, 2},
    {L"Focus", true, 6},
};

template <class Pole>
auto* Najit(Pole& zaznamy, std::int32_t vlastnost) {
    auto it = std::find_if(zaznamy.begin(), zaznamy.end(),
                           [vlastnost](const VlastnostZarizeni& v) { return v.idVlastnosti == vlastnost; });
    return it == zaznamy.end() ? nullptr : &*it;
}

std::uint32_t Kod(bool kamera, std::int32_t vlastnost) {
    const auto cislo = static_cast<std::uint32_t>(vlastnost) & 0xFFFFu;
    return kamera ? (cislo << 16) | 0xFFFFu : 0xFFFF0000u | cislo;
}

std::int32_t Na32(std::int64_t v) {
    return static_cast<std::int32_t>(std::clamp<std::int64_t>(v, std::numeric_limits<std::int32_t>::min(),
                                                              std::numeric_limits<std::int32_t>::max()));
}

}  // namespace

std::vector<PolozkaOvladani> PolozkyOvladani(const VlastnostiObrazu& obraz, const VlastnostiOvladani& ovladani) {
    std::vector<PolozkaOvladani> polozky;
    for (const Radek& r : kTabulka) {
        const VlastnostZarizeni* v = r.kamera ? Najit(ovladani, r.vlastnost) : Najit(obraz, r.vlastnost);
        // A reversed range has no position a trackbar could show.
        if (!v || !v->platna || v->min > v->max) continue;
        polozky.push_back({r.popis, Kod(r.kamera, r.vlastnost), r.kamera, r.vlastnost});
    }
    return polozky;
}

// ---- MapovaniJezdce

MapovaniJezdce::MapovaniJezdce(const VlastnostZarizeni& zaznam) {
    min_ = zaznam.min;
    const std::int64_t max = std::max<std::int64_t>(zaznam.max, zaznam.min);
    krok_ = std::max<std::int64_t>(zaznam.krok, 1);
    pocetKroku_ = (max - min_) / krok_;
    // The trackbar computes with max − min in 32 bits: a wider range is halved and starts at the lowest position.
    if (max - min_ <= std::numeric_limits<std::int32_t>::max()) {
        delitel_ = 1;
        posun_ = min_;
    } else {
        delitel_ = 2;
        posun_ = std::numeric_limits<std::int32_t>::min();
    }
}

std::int32_t MapovaniJezdce::NejvyssiHodnota() const { return static_cast<std::int32_t>(min_ + pocetKroku_ * krok_); }

std::int32_t MapovaniJezdce::Pozice(std::int32_t hodnota) const {
    const std::int64_t v = std::clamp<std::int64_t>(hodnota, min_, NejvyssiHodnota());
    return static_cast<std::int32_t>(posun_ + (v - min_) / delitel_);
}

std::int32_t MapovaniJezdce::Hodnota(std::int32_t pozice) const {
    // A halved range still reaches its top at the last position.
    if (pozice >= MaxPozice()) return NejvyssiHodnota();
    const std::int64_t hruba = std::clamp<std::int64_t>(min_ + (pozice - posun_) * delitel_, min_, NejvyssiHodnota());
    // The nearest step; a value halfway goes up.
    const std::int64_t kroku = (hruba - min_ + krok_ / 2) / krok_;
    return static_cast<std::int32_t>(min_ + std::min(kroku, pocetKroku_) * krok_);
}

std::int32_t MapovaniJezdce::KrokPozice() const { return Na32(std::max<std::int64_t>(1, krok_ / delitel_)); }

std::int32_t MapovaniJezdce::StrankaPozice() const {
    return Na32(std::max<std::int64_t>(1, std::max<std::int64_t>(1, pocetKroku_ / 10) * krok_ / delitel_));
}

// ---- OvladaniObrazu

void OvladaniObrazu::Naplnit(const VlastnostiObrazu& obraz, const VlastnostiOvladani& ovladani) {
    obraz_ = obraz;
    ovladani_ = ovladani;
    polozky_ = PolozkyOvladani(obraz_, ovladani_);
    vyber_ = polozky_.empty() ? -1 : 0;
}

void OvladaniObrazu::Vyprazdnit() {
    obraz_ = VychoziVlastnostiObrazu();
    ovladani_ = VychoziVlastnostiOvladani();
    polozky_.clear();
    vyber_ = -1;
}

std::uint32_t OvladaniObrazu::KodVyberu() const { return vyber_ >= 0 ? polozky_[vyber_].kod : 0; }

const VlastnostZarizeni* OvladaniObrazu::Zaznam() const {
    if (vyber_ < 0) return nullptr;
    const PolozkaOvladani& p = polozky_[vyber_];
    return p.kamera ? Najit(ovladani_, p.vlastnost) : Najit(obraz_, p.vlastnost);
}

VlastnostZarizeni* OvladaniObrazu::ZaznamVyberu() {
    if (vyber_ < 0) return nullptr;
    const PolozkaOvladani& p = polozky_[vyber_];
    return p.kamera ? Najit(ovladani_, p.vlastnost) : Najit(obraz_, p.vlastnost);
}

StavJezdce OvladaniObrazu::Stav(const VlastnostZarizeni& zaznam) const {
    const MapovaniJezdce m(zaznam);
    return {true, m.MinPozice(), m.MaxPozice(), m.Pozice(zaznam.hodnota), m.KrokPozice(), m.StrankaPozice()};
}

StavJezdce OvladaniObrazu::Zobrazit(PristupKVlastnostem& pristup, int index) {
    vyber_ = index >= 0 && static_cast<std::size_t>(index) < polozky_.size() ? index : -1;
    VlastnostZarizeni* z = ZaznamVyberu();
    if (!z || !z->platna) return {};
    std::int32_t hodnota = 0, priznaky = 0;
    Knihovna::VyhoditPriChybe(pristup.Cist(polozky_[vyber_].kamera, z->idVlastnosti, hodnota, priznaky));
    z->hodnota = hodnota;
    z->priznaky = priznaky;
    return Stav(*z);
}

OvladaniObrazu::Vysledek OvladaniObrazu::Zapsat(PristupKVlastnostem& pristup, std::int32_t hodnota) {
    VlastnostZarizeni* z = ZaznamVyberu();
    if (!z) return {};
    const bool kamera = polozky_[vyber_].kamera;
    Vysledek v;
    v.hodnota = hodnota;
    if (!z->platna) v.hr = kamera ? Knihovna::kE_NOTIMPL : Knihovna::kE_INVALIDARG;
    else if (!kamera && (hodnota < z->min || hodnota > z->max)) v.hr = Knihovna::kE_INVALIDARG;
    else v.hr = pristup.Zapsat(kamera, z->idVlastnosti, hodnota, kRucne);
    if (Knihovna::Selhalo(v.hr)) {
        // The record keeps its value unless the device tells its own: the trackbar goes back to what the device has.
        std::int32_t skutecna = 0, priznaky = 0;
        if (!Knihovna::Selhalo(pristup.Cist(kamera, z->idVlastnosti, skutecna, priznaky))) {
            z->hodnota = skutecna;
            z->priznaky = priznaky;
        }
    } else {
        z->hodnota = hodnota;
        z->priznaky = kRucne;
    }
    v.stav = Stav(*z);
    return v;
}

OvladaniObrazu::Vysledek OvladaniObrazu::Posunout(PristupKVlastnostem& pristup, std::int32_t pozice) {
    const VlastnostZarizeni* z = ZaznamVyberu();
    if (!z) return {};
    return Zapsat(pristup, MapovaniJezdce(*z).Hodnota(pozice));
}

OvladaniObrazu::Vysledek OvladaniObrazu::Vychozi(PristupKVlastnostem& pristup) {
    VlastnostZarizeni* z = ZaznamVyberu();
    if (!z) return {};
    Vysledek v = Zapsat(pristup, z->vychozi);
    // Shown as the device reports it afterwards, which need not be the value written.
    std::int32_t hodnota = 0, priznaky = 0;
    if (!Knihovna::Selhalo(v.hr) && !Knihovna::Selhalo(pristup.Cist(polozky_[vyber_].kamera, z->idVlastnosti,
                                                                    hodnota, priznaky))) {
        z->hodnota = hodnota;
        z->priznaky = priznaky;
        v.stav = Stav(*z);
    }
    return v;
}

}  // namespace Holvent::DirectShow
