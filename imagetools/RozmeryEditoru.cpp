#include "imagetools/RozmeryEditoru.h"

#include <algorithm>
#include <array>

#include "knihovna/Formatovani.h"
#include "ui/ModelStranky.h"

namespace Holvent::Obrazky {

namespace {
constexpr std::array kKrokyMeritka{10, 25, 33, 50, 67, 75, 100, 125, 150, 200, 300, 400, 600, 800};
}

std::optional<std::wstring> OveritStranuZmeny(std::int64_t strana) {
    if (strana < kMinStranaZmeny || strana > kMaxStranaZmeny)
        return ModelStranky::ZpravaRozsahu(kMinStranaZmeny, kMaxStranaZmeny);
    return std::nullopt;
}

std::optional<Rozmery> NovaVelikost(Rozmery stara, Rozmery pozadovana, bool zachovatPomer) {
    Rozmery nova = pozadovana;
    if (zachovatPomer && stara.sirka > 0 && stara.vyska > 0 && !(pozadovana == stara)) {
        const double pomerX = static_cast<double>(pozadovana.sirka) / stara.sirka;
        const double pomerY = static_cast<double>(pozadovana.vyska) / stara.vyska;
        // 64-bit products: 10000 × 65535 still fits, and so does any size a header may state.
        if (pomerX <= pomerY)
            nova.vyska = static_cast<std::uint32_t>(std::uint64_t{stara.vyska} * pozadovana.sirka / stara.sirka);
        else
            nova.sirka = static_cast<std::uint32_t>(std::uint64_t{stara.sirka} * pozadovana.vyska / stara.vyska);
    }
    nova.sirka = std::max<std::uint32_t>(nova.sirka, 1);
    nova.vyska = std::max<std::uint32_t>(nova.vyska, 1);
    if (nova == stara) return std::nullopt;
    return nova;
}

std::wstring TextRozmeru(Rozmery r) { return Knihovna::Formatovat(L"%d x %d  bodů", int(r.sirka), int(r.vyska)); }

int DalsiMeritko(int procenta, bool vetsi) {
    if (vetsi) {
        for (int k : kKrokyMeritka)
            if (k > procenta) return k;
        return kMaxMeritko;
    }
    for (auto it = kKrokyMeritka.rbegin(); it != kKrokyMeritka.rend(); ++it)
        if (*it < procenta) return *it;
    return kMinMeritko;
}

int MeritkoPrizpusobeni(int sirkaZobrazena, int sirka) {
    if (sirka <= 0 || sirkaZobrazena >= sirka) return 100;
    return std::max(1, static_cast<int>(static_cast<std::int64_t>(sirkaZobrazena) * 100 / sirka));
}

std::wstring TextMeritka(int procenta) { return Knihovna::Formatovat(L"%d %%", procenta); }

}  // namespace Holvent::Obrazky
