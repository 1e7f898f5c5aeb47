#include "knihovna/Obdelnik.h"

#include <algorithm>

namespace Knihovna {

Obdelnik PritahnoutDoOblasti(const Obdelnik& okno, const Obdelnik& oblast) {
    const int sirka = std::min(okno.Sirka(), oblast.Sirka());
    const int vyska = std::min(okno.Vyska(), oblast.Vyska());
    int x = std::clamp(okno.left, oblast.left, oblast.right - sirka);
    int y = std::clamp(okno.top, oblast.top, oblast.bottom - vyska);
    return Obdelnik{x, y, x + sirka, y + vyska};
}

}  // namespace Knihovna
