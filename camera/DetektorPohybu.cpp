#include "camera/DetektorPohybu.h"

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
    const std::uint64_t prah =
        std::uint64_t{procentoZmen} * static_cast<std::uint64_t>(sirka) * static_cast<std::uint64_t>(vyska) / 100000u;
    const std::uint32_t novy = prah > 0xFFFFFFFFu ? 0xFFFFFFFFu : static_cast<std::uint32_t>(prah);
    return prah_.exchange(novy) != novy;
}

std::uint32_t DetektorPohybu::Prah() const { return prah_; }

void DetektorPohybu::ZmenaVelikosti() { zahodit_ = true; }

void DetektorPohybu::UvolnitSnimky() noexcept {
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

    std::uint32_t pocet = 0;
    if (porovnani) {
        if (maReferenci_) {
            if (velikostAktualni_ != bajtu) {
                aktualni_.reset();
                velikostAktualni_ = 0;
                aktualni_.reset(new (std::nothrow) std::uint8_t[bajtu]);
                if (!aktualni_) return std::nullopt;
                velikostAktualni_ = bajtu;
            }
            pocet = KopirovatAPorovnat(data, reference_.get(), aktualni_.get(), pixelu, rozdilJasu);
        }
        pozadavekPorovnani_ = false;
    }
    if (pocet > prah_) {
        UvolnitSnimky();
        pozadavekReference_ = false;
        pozadavekPorovnani_ = false;
        return pocet;
    }
    return std::nullopt;
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
