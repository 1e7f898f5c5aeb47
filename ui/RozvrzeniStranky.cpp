#include "ui/RozvrzeniStranky.h"

namespace RozvrzeniStranky {

namespace M = ModelStranky;

short OdhadSirky(const std::wstring& text) { return static_cast<short>(text.size() * 4 + 4); }

bool PopisekNahore(const M::Hodnota& h, short sirka) {
    if (h.ovladac == M::Ovladac::VyceradkovyText || h.ovladac == M::Ovladac::Slozka ||
        h.ovladac == M::Ovladac::Soubor || h.ovladac == M::Ovladac::TextSVyberem)
        return true;
    // Beside the label there must be room for a useful control (an edit with its explanation, a list).
    return OdhadSirky(h.popisek) > kSirkaPopisku || sirka - kSirkaPopisku - 5 < 110;
}

short VyskaRadku(const M::Hodnota& h, short sirka) {
    return static_cast<short>((h.nadpis ? kVyskaNadpisu : 0) + VyskaOvladace(h, sirka));
}

short VyskaOvladace(const M::Hodnota& h, short sirka) {
    const short popisek = PopisekNahore(h, sirka) ? 10 : 0;
    switch (h.ovladac) {
    case M::Ovladac::Vlastni:
        return 0;
    case M::Ovladac::Zaskrtnuti:
        // The check box itself takes about 14 units; a longer text wraps to a second line.
        return OdhadSirky(h.popisek) + 14 > sirka ? 22 : 14;
    case M::Ovladac::Slozka:
    case M::Ovladac::Soubor:
    case M::Ovladac::TextSVyberem:
        return 26;
    case M::Ovladac::VyceradkovyText:
        return static_cast<short>(popisek + VyskaTextu(h) + 4);
    case M::Ovladac::Barva:
    case M::Ovladac::Pismo:
        return static_cast<short>(popisek + 18);
    case M::Ovladac::KvalitaJpeg:
        return static_cast<short>(popisek + 20);
    default:
        return static_cast<short>(popisek + 16);
    }
}

short VyskaTextu(const M::Hodnota& h) { return static_cast<short>(8 * (h.radku ? h.radku : 4) + 4); }

std::vector<Radek> Rozlozit(std::span<const M::Hodnota> hodnoty, const Oblast& o, short rezervaDole) {
    const int dole = o.y + o.vyska - rezervaDole;
    int celkem = 0;
    for (const M::Hodnota& h : hodnoty) celkem += VyskaRadku(h, o.sirka);
    const bool dvaSloupce = o.y + celkem > dole;
    const short w = dvaSloupce ? static_cast<short>((o.sirka - kMezeraSloupcu) / 2) : o.sirka;
    std::vector<Radek> radky;
    short x = o.x, y = o.y;
    for (const M::Hodnota& h : hodnoty) {
        const short v = VyskaRadku(h, w);
        // The second column starts with the first row that would reach below the foot.
        if (dvaSloupce && x == o.x && y + v > dole) {
            x = static_cast<short>(o.x + w + kMezeraSloupcu);
            y = o.y;
        }
        radky.push_back({x, y, w, v, PopisekNahore(h, w)});
        y = static_cast<short>(y + v);
    }
    return radky;
}

}  // namespace RozvrzeniStranky
