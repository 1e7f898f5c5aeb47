#include "camera/DetektorPohybu.h"

#include <algorithm>
#include <cstdint>
#include <new>

#include "camera/PorovnaniSnimku.h"
#include "knihovna/Formatovani.h"

void DetektorPohybu::Spustit() {
    pozadavekReference_ = false;
    pozadavekPorovnani_ = false;
    zahodit_ = true;
    bezi_ = true;
}

void DetektorPohybu::Zastavit() {
    bezi_ = false;
    pozadavekReference_ = false;
    pozadavekPorovnani_ = false;
    zahodit_ = true;
}

bool DetektorPohybu::Bezi() const { return bezi_; }

void DetektorPohybu::Tik() {
    // Frames that are to be dropped count as gone already, so the tick after a start or a size change
    // asks for a new reference instead of a compare that would find none.
    if (!maReferenci_ || zahodit_)
        pozadavekReference_ = true;
    else
        pozadavekPorovnani_ = true;
}

bool DetektorPohybu::AktualizovatPrah(std::uint32_t procentoZmen, int sirka, int vyska) {
    if (sirka < 4 || vyska < 3) return false;
    procentoZmen_ = procentoZmen;
    sirkaPrahu_ = sirka;
    vyskaPrahu_ = vyska;
    const std::uint32_t stary = prah_;
    PrepocitatPrahy();
    return prah_ != stary;
}

void DetektorPohybu::PrepocitatPrahy() {
    if (sirkaPrahu_ <= 0 || vyskaPrahu_ <= 0) return;
    // Both shares are of the area the mask leaves: a masked half must not need twice the motion in the other.
    const std::uint64_t plocha = maska_.NemaskovanychPixelu(sirkaPrahu_, vyskaPrahu_);
    const auto omezit = [](std::uint64_t n) { return n > 0xFFFFFFFFu ? 0xFFFFFFFFu : static_cast<std::uint32_t>(n); };
    prah_ = omezit(std::uint64_t{procentoZmen_} * plocha / 100000u);
    // "At least the percentage": the least count c with 100 c >= strazSvetla * plocha, never 0 while on.
    prahSvetla_ = strazSvetla_ == 0 ? 0u : omezit(std::max<std::uint64_t>(1, (std::uint64_t{strazSvetla_} * plocha + 99) / 100));
}

std::uint32_t DetektorPohybu::Prah() const { return prah_; }

void DetektorPohybu::NastavitMasku(const MaskaPohybu& maska) {
    maska_ = maska;
    for (int r = 0; r < MaskaPohybu::kRadku; ++r)
        radkyMasky_[static_cast<std::size_t>(r)].store(maska.Radek(r), std::memory_order_relaxed);
    verzeMasky_.fetch_add(1, std::memory_order_release);
    PrepocitatPrahy();
}

void DetektorPohybu::NastavitPodminky(std::uint32_t minSnimku, std::uint32_t strazSvetla) {
    minSnimku_ = std::clamp<std::uint32_t>(minSnimku, 1, 10);
    strazSvetla_ = std::min<std::uint32_t>(strazSvetla, 100);
    PrepocitatPrahy();
}

bool DetektorPohybu::PripravitMasku(int sirka, int vyska) noexcept {
    const std::uint32_t verze = verzeMasky_.load(std::memory_order_acquire);
    if (verze == verzeTabulek_ && sirka == sirkaMasky_ && vyska == vyskaMasky_) return true;
    MaskaPohybu maska;
    for (int r = 0; r < MaskaPohybu::kRadku; ++r)
        maska.NastavitRadek(r, radkyMasky_[static_cast<std::size_t>(r)].load(std::memory_order_relaxed));
    sMaskou_ = !maska.Prazdna();
    if (sMaskou_) {
        if (!vzory_ || sirka != sirkaMasky_ || vyska != vyskaMasky_) {
            vzory_.reset(new (std::nothrow) std::uint8_t[static_cast<std::size_t>(sirka) * MaskaPohybu::kRadku]);
            vzorRadku_.reset(new (std::nothrow) std::uint8_t[static_cast<std::size_t>(vyska)]);
            if (!vzory_ || !vzorRadku_) {
                vzory_.reset();
                vzorRadku_.reset();
                verzeTabulek_ = 0xFFFFFFFFu;
                return false;
            }
        }
        VytvoritPropustnost(maska, sirka, vyska, vzory_.get(), vzorRadku_.get());
    }
    sirkaMasky_ = sirka;
    vyskaMasky_ = vyska;
    verzeTabulek_ = verze;
    return true;
}

void DetektorPohybu::ZmenaVelikosti() { zahodit_ = true; }

void DetektorPohybu::UvolnitSnimky() noexcept {
    poSobe_ = 0;
    maReferenci_ = false;
    reference_.reset();
    aktualni_.reset();
    velikostAktualni_ = 0;
}

std::optional<std::uint32_t> DetektorPohybu::ZpracovatSnimek(const std::uint8_t* data, std::size_t delka,
                                                             int sirka, int vyska, std::uint8_t rozdilJasu) noexcept {
    posledniReference_ = false;
    if (zahodit_.exchange(false)) UvolnitSnimky();
    if (!bezi_ || data == nullptr || sirka <= 0 || vyska <= 0) return std::nullopt;
    const bool reference = pozadavekReference_, porovnani = pozadavekPorovnani_;
    if (!reference && !porovnani) return std::nullopt;  // the frames between ticks cost only this

    const std::uint64_t pixelu64 = static_cast<std::uint64_t>(sirka) * static_cast<std::uint64_t>(vyska);
    if (pixelu64 > SIZE_MAX / 3 || delka / 3 < pixelu64) return std::nullopt;  // a short sample is skipped
    const std::size_t pixelu = static_cast<std::size_t>(pixelu64);
    const std::size_t bajtu = pixelu * 3;
    if (maReferenci_ && (sirka != sirka_ || vyska != vyska_)) {
        // The stored frames belong to another size: comparing would mix rows or read past the sample.
        // A pending compare has nothing to compare with now: the next frame becomes the reference.
        UvolnitSnimky();
        if (porovnani) {
            pozadavekPorovnani_ = false;
            pozadavekReference_ = true;
        }
        return std::nullopt;
    }

    if (reference && !maReferenci_) {
        std::unique_ptr<std::uint8_t[]> novy(new (std::nothrow) std::uint8_t[pixelu]);  // grey, a byte per pixel
        if (!novy) return std::nullopt;
        JasSnimku(data, novy.get(), pixelu);
        reference_ = std::move(novy);
        sirka_ = sirka;
        vyska_ = vyska;
        maReferenci_ = true;
        pozadavekReference_ = false;
        posledniReference_ = true;
        return std::nullopt;
    }

    if (!porovnani) return std::nullopt;
    if (!maReferenci_) {
        pozadavekPorovnani_ = false;
        return std::nullopt;
    }
    if (velikostAktualni_ != bajtu) {
        aktualni_.reset();
        velikostAktualni_ = 0;
        aktualni_.reset(new (std::nothrow) std::uint8_t[bajtu]);
        if (!aktualni_) return std::nullopt;
        velikostAktualni_ = bajtu;
    }
    if (!PripravitMasku(sirka, vyska)) return std::nullopt;
    const std::uint32_t pocet =
        sMaskou_ ? KopirovatAPorovnatSMaskou(data, reference_.get(), aktualni_.get(), static_cast<std::size_t>(sirka),
                                             static_cast<std::size_t>(vyska), vzory_.get(), vzorRadku_.get(), rozdilJasu)
                 : KopirovatAPorovnat(data, reference_.get(), aktualni_.get(), pixelu, rozdilJasu);
    pozadavekPorovnani_ = false;
    const std::uint32_t prahSvetla = prahSvetla_;
    if (prahSvetla != 0 && pocet >= prahSvetla) {
        // A lamp switched on or off, or the sun behind a cloud: the lit scene is the new reference (the buffer
        // is there already, of this size).
        JasSnimku(data, reference_.get(), pixelu);
        poSobe_ = 0;
        return std::nullopt;
    }
    if (pocet <= prah_) {
        poSobe_ = 0;
        return std::nullopt;
    }
    // A single frame over the threshold (a bird, a flash of noise) reports only when so asked.
    if (++poSobe_ < minSnimku_) return std::nullopt;
    UvolnitSnimky();
    pozadavekReference_ = false;
    pozadavekPorovnani_ = false;
    return pocet;
}

bool DetektorPohybu::MaReferenci() const { return maReferenci_; }

std::vector<std::uint8_t> DetektorPohybu::PosledniMaska() const {
    if (!aktualni_) return {};
    return std::vector<std::uint8_t>(aktualni_.get(), aktualni_.get() + velikostAktualni_);
}

std::wstring TextIntervaluDetekce(std::uint32_t ms) {
    return Knihovna::Formatovat(L"milisekund - tj. %u.%03u sekund", ms / 1000u, ms % 1000u);
}

std::wstring TextProcentaZmen(std::uint32_t tisiciny) {
    return Knihovna::Formatovat(L"tj. %u.%03u procent", tisiciny / 1000u, tisiciny % 1000u);
}
