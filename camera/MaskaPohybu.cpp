#include "camera/MaskaPohybu.h"

#include <algorithm>
#include <cstring>

#include "knihovna/Formatovani.h"

bool MaskaPohybu::Maskovana(int sloupec, int radek) const {
    if (sloupec < 0 || sloupec >= kSloupcu || radek < 0 || radek >= kRadku) return false;
    return (radky_[static_cast<std::size_t>(radek)] >> sloupec) & 1u;
}

void MaskaPohybu::Nastavit(int sloupec, int radek, bool maskovat) {
    if (sloupec < 0 || sloupec >= kSloupcu || radek < 0 || radek >= kRadku) return;
    std::uint32_t& r = radky_[static_cast<std::size_t>(radek)];
    const std::uint32_t bit = std::uint32_t{1} << sloupec;
    r = maskovat ? (r | bit) : (r & ~bit);
}

void MaskaPohybu::NastavitObdelnik(int sloupec1, int radek1, int sloupec2, int radek2, bool maskovat) {
    for (int r = std::min(radek1, radek2); r <= std::max(radek1, radek2); ++r)
        for (int s = std::min(sloupec1, sloupec2); s <= std::max(sloupec1, sloupec2); ++s) Nastavit(s, r, maskovat);
}

bool MaskaPohybu::Prazdna() const {
    return std::all_of(radky_.begin(), radky_.end(), [](std::uint32_t r) { return r == 0; });
}

std::array<std::uint8_t, MaskaPohybu::kBajtu> MaskaPohybu::Bajty() const {
    std::array<std::uint8_t, kBajtu> b{};
    for (std::size_t r = 0; r < radky_.size(); ++r)
        for (std::size_t k = 0; k < 4; ++k) b[4 * r + k] = static_cast<std::uint8_t>(radky_[r] >> (8 * k));
    return b;
}

std::optional<MaskaPohybu> MaskaPohybu::ZBajtu(std::span<const std::uint8_t> bajty) {
    if (bajty.size() != kBajtu) return std::nullopt;
    MaskaPohybu m;
    for (std::size_t r = 0; r < m.radky_.size(); ++r)
        for (std::size_t k = 0; k < 4; ++k) m.radky_[r] |= std::uint32_t{bajty[4 * r + k]} << (8 * k);
    return m;
}

namespace {

// The width of the columns of cell row bits that are not set.
int NemaskovanaSirka(std::uint32_t bity, int sirka) {
    int nemaskovano = 0;
    for (int c = 0; c < MaskaPohybu::kSloupcu; ++c)
        if (!((bity >> c) & 1u))
            nemaskovano += MaskaPohybu::ZacatekSloupce(c + 1, sirka) - MaskaPohybu::ZacatekSloupce(c, sirka);
    return nemaskovano;
}

}  // namespace

std::uint64_t MaskaPohybu::NemaskovanychPixelu(int sirka, int vyska) const {
    if (sirka <= 0 || vyska <= 0) return 0;
    std::uint64_t pocet = 0;
    for (int r = 0; r < kRadku; ++r)
        pocet += static_cast<std::uint64_t>(ZacatekRadku(r + 1, vyska) - ZacatekRadku(r, vyska)) *
                 static_cast<std::uint64_t>(NemaskovanaSirka(Radek(r), sirka));
    return pocet;
}

std::uint64_t VytvoritPropustnost(const MaskaPohybu& maska, int sirka, int vyska, std::uint8_t* vzory,
                                  std::uint8_t* vzorRadku) {
    std::uint8_t druh[MaskaPohybu::kRadku];
    for (int r = 0; r < MaskaPohybu::kRadku; ++r) {
        const std::uint32_t bity = maska.Radek(r);
        // A row whose masked columns are all empty (a picture narrower than 32) counts whole as well.
        const int nemaskovano = NemaskovanaSirka(bity, sirka);
        druh[r] = nemaskovano == sirka ? kRadekCely : nemaskovano == 0 ? kRadekZakryty : static_cast<std::uint8_t>(r);
        if (druh[r] != r) continue;
        std::uint8_t* vzor = vzory + static_cast<std::size_t>(r) * static_cast<std::size_t>(sirka);
        for (int c = 0; c < MaskaPohybu::kSloupcu; ++c) {
            const int od = MaskaPohybu::ZacatekSloupce(c, sirka), po = MaskaPohybu::ZacatekSloupce(c + 1, sirka);
            std::memset(vzor + od, ((bity >> c) & 1u) ? 0x00 : 0xFF, static_cast<std::size_t>(po - od));
        }
    }
    for (int r = 0; r < MaskaPohybu::kRadku; ++r)
        for (int y = MaskaPohybu::ZacatekRadku(r, vyska); y < MaskaPohybu::ZacatekRadku(r + 1, vyska); ++y)
            vzorRadku[vyska - 1 - y] = druh[r];  // picture row y is buffer row H-1-y
    return maska.NemaskovanychPixelu(sirka, vyska);
}

Knihovna::Obdelnik ObrazMasky(int sirkaKlienta, int vyskaKlienta, int sirka, int vyska) {
    if (sirkaKlienta <= 0 || vyskaKlienta <= 0 || sirka <= 0 || vyska <= 0) return {};
    int w = sirkaKlienta, h = static_cast<int>(static_cast<long long>(vyska) * sirkaKlienta / sirka);
    if (h > vyskaKlienta) {
        h = vyskaKlienta;
        w = static_cast<int>(static_cast<long long>(sirka) * vyskaKlienta / vyska);
    }
    const int x = (sirkaKlienta - w) / 2, y = (vyskaKlienta - h) / 2;
    return {x, y, x + w, y + h};
}

bool BunkaVBode(const Knihovna::Obdelnik& obraz, int x, int y, int& sloupec, int& radek) {
    if (x < obraz.left || x >= obraz.right || y < obraz.top || y >= obraz.bottom) return false;
    sloupec = static_cast<int>(static_cast<long long>(x - obraz.left) * MaskaPohybu::kSloupcu / obraz.Sirka());
    radek = static_cast<int>(static_cast<long long>(y - obraz.top) * MaskaPohybu::kRadku / obraz.Vyska());
    return true;
}

void ZastinitMaskovane(std::uint8_t* bgr, int sirka, int vyska, const MaskaPohybu& maska) {
    const std::size_t radek = (static_cast<std::size_t>(sirka) * 3 + 3) & ~std::size_t{3};
    for (int r = 0; r < MaskaPohybu::kRadku; ++r) {
        if (maska.Radek(r) == 0) continue;
        for (int y = MaskaPohybu::ZacatekRadku(r, vyska); y < MaskaPohybu::ZacatekRadku(r + 1, vyska); ++y) {
            std::uint8_t* p = bgr + static_cast<std::size_t>(vyska - 1 - y) * radek;
            for (int c = 0; c < MaskaPohybu::kSloupcu; ++c) {
                if (!maska.Maskovana(c, r)) continue;
                for (int x = MaskaPohybu::ZacatekSloupce(c, sirka); x < MaskaPohybu::ZacatekSloupce(c + 1, sirka); ++x) {
                    p[3 * x] = static_cast<std::uint8_t>(p[3 * x] / 2);
                    p[3 * x + 1] = static_cast<std::uint8_t>(p[3 * x + 1] / 2);
                    p[3 * x + 2] = static_cast<std::uint8_t>(p[3 * x + 2] / 2 + 110);
                }
            }
        }
    }
}

std::wstring TextChybneMasky(const std::wstring& cestaKlice) {
    return Knihovna::Formatovat(L"Maska detekce pohybu (hodnota \"maska\" v klíči registru \"%s\") nemá podobu "
                                L"binárních dat o %u bajtech a nepoužije se: detekce pohybu sleduje celý obraz.",
                                cestaKlice.c_str(), static_cast<unsigned>(MaskaPohybu::kBajtu));
}
