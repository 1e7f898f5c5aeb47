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

Obdelnik ZPracovniPlochyNaObrazovku(const Obdelnik& r, const Obdelnik& monitor, const Obdelnik& pracovniPlocha) {
    const int dx = pracovniPlocha.left - monitor.left, dy = pracovniPlocha.top - monitor.top;
    return Obdelnik{r.left + dx, r.top + dy, r.right + dx, r.bottom + dy};
}

}  // namespace Knihovna
