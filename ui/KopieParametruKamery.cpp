#include "ui/KopieParametruKamery.h"

#include <type_traits>

#include "camera/PopisKamery.h"
#include "camera/PopisSnimku.h"
#include "ui/StrankyNastaveniKamery.h"

namespace {

// Walks the record's own description (the one its loading and saving use) and hands each field with its full
// key to the visitor, so the copy can never name a value differently from the registry.
template <class Navsteva>
class Pruchod {
public:
    Pruchod(std::wstring predpona, Navsteva& navsteva) : predpona_(std::move(predpona)), navsteva_(navsteva) {}

    void Klic(const wchar_t* podklic) {
        klic_ = podklic ? predpona_ + podklic : predpona_;
    }
    template <class Pole>
    void Hodnota(const wchar_t* jmeno, Pole& pole) {
        navsteva_(klic_, jmeno, pole);
    }
    void Zavrit() {}

private:
    std::wstring predpona_;
    std::wstring klic_;
    Navsteva& navsteva_;
};

template <class P, class Navsteva>
void Projit(P& parametry, Navsteva navsteva) {
    Pruchod<Navsteva> pruchod(L"", navsteva);
    PopsatKameru(pruchod, parametry, [&](const wchar_t* vlastnik, auto& blok) {
        Pruchod<Navsteva> pruchodBloku(std::wstring(vlastnik) + L"\\", navsteva);
        PopsatBlokSnimku(pruchodBloku, blok);
    });
}

bool NaStrance(const std::wstring& klic, const wchar_t* jmeno) {
    return StrankyNastaveniKamery::Najit(klic, jmeno) != nullptr;
}

// The least number of digits is offered from 1; a stored 0 means the same (a number below 2 digits is not padded),
// so the copy shows it as 1 and a dialog confirmed unchanged does not refuse it.
constexpr const wchar_t* kKlicePoctuMist[] = {L"Snimky disk\\Soubor", L"Zaznam videa\\Soubor"};
constexpr const wchar_t* kJmenoPoctuMist = L"pocetMistCisla";

}  // namespace

KopieParametruKamery::KopieParametruKamery(const ParametryKamery& zdroj) {
    Projit(zdroj, [&](const std::wstring& klic, const wchar_t* jmeno, const auto& pole) {
        using Typ = std::remove_cvref_t<decltype(pole)>;
        // The motion mask is edited over the live picture, never on a page.
        if constexpr (!std::is_same_v<Typ, MaskaPohybu>) {
            if (!NaStrance(klic, jmeno)) return;
            // A signed field is kept as its 32-bit pattern, as the registry stores it.
            if constexpr (std::is_same_v<Typ, std::int32_t>) Pridat(klic, jmeno, static_cast<std::uint32_t>(pole));
            else Pridat(klic, jmeno, pole);
        }
    });
    for (const wchar_t* klic : kKlicePoctuMist)
        if (const auto it = Hodnoty().find({klic, kJmenoPoctuMist}); it != Hodnoty().end())
            if (const auto* n = std::get_if<std::uint32_t>(&it->second); n && *n == 0)
                Pridat(klic, kJmenoPoctuMist, std::uint32_t{1});
    // A switch that is always on now is on whatever was stored: the page shows it so and OK stores it so.
    for (const StrankyNastaveniKamery::Stranka& s : StrankyNastaveniKamery::Stranky())
        for (const ModelStranky::Hodnota& h : s.hodnoty)
            if (h.vzdyZapnuto) Pridat(h.klic, h.jmeno, true);
    OznacitNezmenene();
}

void KopieParametruKamery::Potvrdit(ParametryKamery& cil) {
    Zapsat(cil);
    OznacitNezmenene();
}

void KopieParametruKamery::Zapsat(ParametryKamery& cil) const {
    Projit(cil, [&](const std::wstring& klic, const wchar_t* jmeno, auto& pole) {
        using Typ = std::remove_cvref_t<decltype(pole)>;
        if constexpr (!std::is_same_v<Typ, MaskaPohybu>) {
            if (!NaStrance(klic, jmeno)) return;
            const Hodnota& h = Ulozena(klic, jmeno);
            if constexpr (std::is_same_v<Typ, std::int32_t>) pole = static_cast<std::int32_t>(std::get<std::uint32_t>(h));
            else pole = std::get<Typ>(h);
        }
    });
}
