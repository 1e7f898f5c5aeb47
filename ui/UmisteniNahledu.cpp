#include "ui/UmisteniNahledu.h"

#include <algorithm>
#include <cstdint>

Knihovna::Obdelnik UmisteniNahledu(int sirka, int vyska, int sirkaPole, int vyskaPole) {
    if (sirka <= 0 || vyska <= 0 || sirkaPole <= 0 || vyskaPole <= 0) return {};
    std::int64_t w = sirka, h = vyska;
    if (w > sirkaPole || h > vyskaPole) {
        // Compare the ratios crosswise in 64 bits: camera pictures times box sizes overflow 32.
        if (w * vyskaPole >= h * sirkaPole) {
            h = (h * sirkaPole * 2 + w) / (w * 2);  // rounded
            w = sirkaPole;
        } else {
            w = (w * vyskaPole * 2 + h) / (h * 2);
            h = vyskaPole;
        }
        // A hairline picture keeps one pixel rather than vanishing.
        w = std::max<std::int64_t>(w, 1);
        h = std::max<std::int64_t>(h, 1);
    }
    const int x = static_cast<int>((sirkaPole - w) / 2), y = static_cast<int>((vyskaPole - h) / 2);
    return {x, y, x + static_cast<int>(w), y + static_cast<int>(h)};
}
