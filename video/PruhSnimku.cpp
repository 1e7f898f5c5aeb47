#include "video/PruhSnimku.h"

#include <cmath>
#include <limits>

namespace Holvent::DirectShow {

bool MaPruh(int kod) { return kod >= kPruhDole && kod <= kPruhVpravo; }

GeometriePruhu SpocitatPruh(int kod, int sirka, int vyska, int tloustka) {
    GeometriePruhu g{sirka, vyska, 0, 0};
    if (!MaPruh(kod)) return g;
    switch (kod) {
        case kPruhDole:
            g.vyska += tloustka;
            break;
        case kPruhNahore:
            g.vyska += tloustka;
            g.ySnimku = tloustka;
            break;
        case kPruhVlevo:
            g.sirka += tloustka;
            g.xSnimku = tloustka;
            break;
        default:
            g.sirka += tloustka;
            break;
    }
    return g;
}

int TloustkaPruhu(double vyskaTextu) {
    // A measurement that is not a sensible number keeps the default rather than making a
    // zero-sized or gigantic strip.
    if (!std::isfinite(vyskaTextu) || vyskaTextu < 0 || vyskaTextu > 100000) return kVychoziTloustkaPruhu;
    return static_cast<int>(vyskaTextu) + 2;
}

std::uint32_t PozadiPruhu(std::uint8_t r, std::uint8_t g, std::uint8_t b) {
    const int prumer = (static_cast<int>(r) + g + b) / 3;
    return prumer < 141 ? kPozadiBile : kPozadiCerne;
}

}  // namespace Holvent::DirectShow
