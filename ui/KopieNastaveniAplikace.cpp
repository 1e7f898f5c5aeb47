#include "ui/KopieNastaveniAplikace.h"

KopieNastaveniAplikace::KopieNastaveniAplikace(const NastaveniAplikace& zdroj) {
    for (const NastaveniAplikace::Polozka& p : NastaveniAplikace::Polozky())
        Pridat(p.klic, p.jmeno, std::visit([&](auto pole) -> Hodnota { return zdroj.*pole; }, p.pole));
    OznacitNezmenene();
}

void KopieNastaveniAplikace::Potvrdit(NastaveniAplikace& cil) {
    for (const NastaveniAplikace::Polozka& p : NastaveniAplikace::Polozky()) {
        const Hodnota& h = Ulozena(p.klic, p.jmeno);
        std::visit(
            [&](auto pole) {
                using Typ = std::remove_reference_t<decltype(cil.*pole)>;
                cil.*pole = std::get<Typ>(h);
            },
            p.pole);
    }
    OznacitNezmenene();
}
