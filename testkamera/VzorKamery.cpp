#include "testkamera/VzorKamery.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstring>
#include <numbers>

#include "testkamera/FormatKamery.h"

namespace TestovaciKamera {

namespace {

constexpr std::uint8_t kZap = 180;
constexpr std::uint8_t kVyp = 16;
constexpr std::uint8_t kBila = 235;
constexpr int kVyskaPisma = 7;
constexpr int kSirkaZnaku = 6;

// Row y (top-down) of a bottom-up frame.
std::uint8_t* Radek(std::uint8_t* obraz, int sirka, int vyska, int y) {
    return obraz + static_cast<std::size_t>(vyska - 1 - y) * static_cast<std::size_t>(BajtuRadku(sirka));
}

void Zapsat(std::uint8_t* p, Bgr barva) {
    p[0] = barva.b;
    p[1] = barva.g;
    p[2] = barva.r;
}

std::uint8_t Orezat(int v) { return static_cast<std::uint8_t>(std::clamp(v, 0, 255)); }

// Pixel size of the font: the strip grows with the frame so the time stays readable.
int Meritko(int vyska) { return std::max(1, vyska / 120); }

// 5×7 glyphs, one byte a row, the high bit of the five on the left.
const std::uint8_t* Znak(char z) {
    static const std::uint8_t cislice[10][kVyskaPisma] = {
        {0x0E, 0x11, 0x13, 0x15, 0x19, 0x11, 0x0E}, {0x04, 0x0C, 0x04, 0x04, 0x04, 0x04, 0x0E},
        {0x0E, 0x11, 0x01, 0x02, 0x04, 0x08, 0x1F}, {0x1F, 0x02, 0x04, 0x02, 0x01, 0x11, 0x0E},
        {0x02, 0x06, 0x0A, 0x12, 0x1F, 0x02, 0x02}, {0x1F, 0x10, 0x1E, 0x01, 0x01, 0x11, 0x0E},
        {0x06, 0x08, 0x10, 0x1E, 0x11, 0x11, 0x0E}, {0x1F, 0x01, 0x02, 0x04, 0x08, 0x08, 0x08},
        {0x0E, 0x11, 0x11, 0x0E, 0x11, 0x11, 0x0E}, {0x0E, 0x11, 0x11, 0x0F, 0x01, 0x02, 0x0C}};
    static const std::uint8_t dvojtecka[kVyskaPisma] = {0x00, 0x0C, 0x0C, 0x00, 0x0C, 0x0C, 0x00};
    static const std::uint8_t krizek[kVyskaPisma] = {0x0A, 0x0A, 0x1F, 0x0A, 0x1F, 0x0A, 0x0A};
    static const std::uint8_t k[kVyskaPisma] = {0x11, 0x12, 0x14, 0x18, 0x14, 0x12, 0x11};
    static const std::uint8_t mezera[kVyskaPisma] = {};
    if (z >= '0' && z <= '9') return cislice[z - '0'];
    if (z == ':') return dvojtecka;
    if (z == '#') return krizek;
    if (z == 'K') return k;
    return mezera;
}

}  // namespace

Bgr VzorKamery::BarvaPruhu(int i) {
    // White, yellow, cyan, green, magenta, red, blue, black at 75 %, so brightness can go both ways.
    const bool r = i == 0 || i == 1 || i == 4 || i == 5;
    const bool g = i >= 0 && i <= 3;
    const bool b = i == 0 || i == 2 || i == 4 || i == 6;
    return {b ? kZap : kVyp, g ? kZap : kVyp, r ? kZap : kVyp};
}

Knihovna::Obdelnik VzorKamery::OblastPruhu(int i, int sirka, int vyska) {
    return {i * sirka / kPocetPruhu, 0, (i + 1) * sirka / kPocetPruhu, vyska * 2 / 3};
}

Knihovna::Obdelnik VzorKamery::OblastHodin(int sirka, int vyska) {
    const int s = Meritko(vyska);
    return {0, vyska - (kVyskaPisma + 4) * s, sirka, vyska};
}

std::string VzorKamery::TextHodin(const StavSnimku& stav) {
    char text[40];
    std::snprintf(text, sizeof text, "%02d:%02d:%02d #%06u", stav.cas.hodina, stav.cas.minuta, stav.cas.sekunda,
                  static_cast<unsigned>(stav.cislo % 1000000u));
    std::string vysledek = text;
    if (stav.zarizeni > 0) vysledek += " K" + std::to_string(stav.zarizeni % 100);
    return vysledek;
}

void VzorKamery::Vykreslit(std::uint8_t* cil, int sirka, int vyska, const StavSnimku& stav) {
    if (stav.zoom > 100) {
        pomocny_.resize(VelikostObrazu(sirka, vyska));
        KreslitScenu(pomocny_.data(), sirka, vyska, stav);
        Priblizit(cil, sirka, vyska, stav.zoom);
    } else {
        KreslitScenu(cil, sirka, vyska, stav);
    }
    KreslitHodiny(cil, sirka, vyska, stav);
    if (stav.ostrost != 5) Zaostrit(cil, sirka, vyska, stav.ostrost);
    if (stav.jas != 0 || stav.kontrast != 50 || stav.odstin != 0 || stav.sytost != 100) {
        UpravitBarvy(cil, sirka, vyska, stav);
    }
}

void VzorKamery::KreslitScenu(std::uint8_t* cil, int sirka, int vyska, const StavSnimku& stav) const {
    const int konec = OblastHodin(sirka, vyska).top;
    const std::size_t bajtu = static_cast<std::size_t>(sirka) * 3;
    if (stav.scena == 1) {
        // Every pixel of the background changes from one frame to the next.
        const int posun = static_cast<int>(stav.cislo % 64u) * 4;
        for (int y = 0; y < konec; ++y) {
            std::uint8_t* p = Radek(cil, sirka, vyska, y);
            for (int x = 0; x < sirka; ++x, p += 3) {
                Zapsat(p, {static_cast<std::uint8_t>(x + y + posun), static_cast<std::uint8_t>(y + posun),
                           static_cast<std::uint8_t>(x + posun)});
            }
        }
        // A white square with a black frame crosses the picture left to right in 60 frames.
        const int strana = std::max(4, vyska / 4);
        const int krok = std::max(1, (sirka + strana) / 60);
        const int x0 = static_cast<int>((stav.cislo * static_cast<std::uint32_t>(krok)) %
                                        static_cast<std::uint32_t>(sirka + strana)) - strana;
        const int y0 = vyska / 3 - strana / 2;
        const int ramecek = std::max(1, strana / 10);
        for (int y = std::max(0, y0); y < std::min(konec, y0 + strana); ++y) {
            std::uint8_t* radek = Radek(cil, sirka, vyska, y);
            for (int x = std::max(0, x0); x < std::min(sirka, x0 + strana); ++x) {
                const bool okraj = x < x0 + ramecek || x >= x0 + strana - ramecek || y < y0 + ramecek ||
                                   y >= y0 + strana - ramecek;
                const std::uint8_t v = okraj ? 0 : kBila;
                Zapsat(radek + x * 3, {v, v, v});
            }
        }
        return;
    }
    // Still picture: one row of bars and one of the ramp, copied down.
    const int hranice = std::min(konec, vyska * 2 / 3);
    if (hranice > 0) {
        std::uint8_t* prvni = Radek(cil, sirka, vyska, 0);
        for (int i = 0; i < kPocetPruhu; ++i) {
            const auto o = OblastPruhu(i, sirka, vyska);
            for (int x = o.left; x < o.right; ++x) Zapsat(prvni + x * 3, BarvaPruhu(i));
        }
        for (int y = 1; y < hranice; ++y) std::memcpy(Radek(cil, sirka, vyska, y), prvni, bajtu);
    }
    if (hranice < konec) {
        std::uint8_t* prvni = Radek(cil, sirka, vyska, hranice);
        for (int x = 0; x < sirka; ++x) {
            const auto v = static_cast<std::uint8_t>(kVyp + x * (kBila - kVyp) / std::max(1, sirka - 1));
            Zapsat(prvni + x * 3, {v, v, v});
        }
        for (int y = hranice + 1; y < konec; ++y) std::memcpy(Radek(cil, sirka, vyska, y), prvni, bajtu);
    }
    if (stav.scena == 2) {
        // Motion in one region only, the top left quarter: new grey noise there in every frame, so that any two
        // frames differ there whatever the time between them.
        std::uint32_t nahoda = stav.cislo * 2654435761u + 12345u;
        for (int y = 0; y < std::min(konec, vyska / 4); ++y) {
            std::uint8_t* p = Radek(cil, sirka, vyska, y);
            for (int x = 0; x < sirka / 4; ++x, p += 3) {
                nahoda ^= nahoda << 13;
                nahoda ^= nahoda >> 17;
                nahoda ^= nahoda << 5;
                const auto v = static_cast<std::uint8_t>(nahoda >> 24);
                Zapsat(p, {v, v, v});
            }
        }
    }
}

void VzorKamery::KreslitHodiny(std::uint8_t* cil, int sirka, int vyska, const StavSnimku& stav) const {
    const auto oblast = OblastHodin(sirka, vyska);
    const int s = Meritko(vyska);
    for (int y = std::max(0, oblast.top); y < vyska; ++y) {
        std::memset(Radek(cil, sirka, vyska, y), kVyp, static_cast<std::size_t>(sirka) * 3);
    }
    const std::string text = TextHodin(stav);
    const int y0 = oblast.top + 2 * s;
    for (std::size_t i = 0; i < text.size(); ++i) {
        const std::uint8_t* znak = Znak(text[i]);
        const int x0 = 2 * s + static_cast<int>(i) * kSirkaZnaku * s;
        for (int r = 0; r < kVyskaPisma; ++r) {
            for (int c = 0; c < 5; ++c) {
                if (!(znak[r] & (0x10 >> c))) continue;
                for (int dy = 0; dy < s; ++dy) {
                    const int y = y0 + r * s + dy;
                    if (y < 0 || y >= vyska) continue;
                    std::uint8_t* radek = Radek(cil, sirka, vyska, y);
                    for (int dx = 0; dx < s; ++dx) {
                        const int x = x0 + c * s + dx;
                        if (x < sirka) Zapsat(radek + x * 3, {kBila, kBila, kBila});
                    }
                }
            }
        }
    }
}

void VzorKamery::Priblizit(std::uint8_t* cil, int sirka, int vyska, int zoom) {
    // The centre 100/zoom of the picture fills the frame (nearest neighbour, like a digital zoom).
    std::vector<int> sloupce(static_cast<std::size_t>(sirka));
    for (int x = 0; x < sirka; ++x) {
        sloupce[x] = std::clamp(sirka / 2 + (x - sirka / 2) * 100 / zoom, 0, sirka - 1) * 3;
    }
    for (int y = 0; y < vyska; ++y) {
        const int zdrojY = std::clamp(vyska / 2 + (y - vyska / 2) * 100 / zoom, 0, vyska - 1);
        const std::uint8_t* zdroj = Radek(pomocny_.data(), sirka, vyska, zdrojY);
        std::uint8_t* radek = Radek(cil, sirka, vyska, y);
        for (int x = 0; x < sirka; ++x) std::memcpy(radek + x * 3, zdroj + sloupce[x], 3);
    }
}

// The per-byte loops below only vectorise at -O3 with GCC 12 (its -O2 cost model refuses them).
__attribute__((optimize("O3"))) void VzorKamery::Zaostrit(std::uint8_t* cil, int sirka, int vyska, int ostrost) {
    // out = in + k·(in − blur), k = (ostrost − 5)/5: below the default the picture blurs
    // (fully at 0, a 3×3 box), above it the edges are amplified.
    const std::size_t radek = static_cast<std::size_t>(sirka) * 3;
    soucty_.resize(radek * static_cast<std::size_t>(vyska));
    for (int y = 0; y < vyska; ++y) {
        const std::uint8_t* p = Radek(cil, sirka, vyska, y);
        std::uint16_t* s = soucty_.data() + radek * static_cast<std::size_t>(y);
        // Edge pixels repeat themselves; the inner bytes add their left and right neighbours.
        const std::size_t posledni = radek - 3;
        for (std::size_t k = 0; k < 3; ++k) {
            s[k] = static_cast<std::uint16_t>(2 * p[k] + p[std::min(k + 3, posledni + k)]);
            s[posledni + k] = static_cast<std::uint16_t>(2 * p[posledni + k] + p[posledni >= 3 ? posledni + k - 3 : k]);
        }
        for (std::size_t i = 3; i < posledni; ++i) s[i] = static_cast<std::uint16_t>(p[i - 3] + p[i] + p[i + 3]);
    }
    const int k5 = ostrost - 5;
    for (int y = 0; y < vyska; ++y) {
        // Not aliased (restrict) and /9, /5 as multiply-and-shift, so the compiler vectorises the loop.
        const std::uint16_t* __restrict nahore = soucty_.data() + radek * static_cast<std::size_t>(std::max(0, y - 1));
        const std::uint16_t* __restrict stred = soucty_.data() + radek * static_cast<std::size_t>(y);
        const std::uint16_t* __restrict dole =
            soucty_.data() + radek * static_cast<std::size_t>(std::min(vyska - 1, y + 1));
        std::uint8_t* __restrict p = Radek(cil, sirka, vyska, y);
        for (std::size_t i = 0; i < radek; ++i) {
            const int rozmazany = ((nahore[i] + stred[i] + dole[i]) * 7282 + 32768) >> 16;
            const int v = p[i];
            const int w = v + ((k5 * (v - rozmazany) * 13107) >> 16);
            p[i] = static_cast<std::uint8_t>(w < 0 ? 0 : (w > 255 ? 255 : w));
        }
    }
}

__attribute__((optimize("O3"))) void VzorKamery::UpravitBarvy(std::uint8_t* cil, int sirka, int vyska, const StavSnimku& stav) {
    std::uint8_t tabulka[256];
    for (int v = 0; v < 256; ++v) tabulka[v] = Orezat((v - 128) * stav.kontrast / 50 + 128 + 2 * stav.jas);
    const bool barvy = stav.odstin != 0 || stav.sytost != 100;
    const double uhel = stav.odstin * std::numbers::pi / 180.0;
    const int cosinus = static_cast<int>(std::lround(std::cos(uhel) * stav.sytost * 1024 / 100));
    const int sinus = static_cast<int>(std::lround(std::sin(uhel) * stav.sytost * 1024 / 100));
    for (int y = 0; y < vyska; ++y) {
        std::uint8_t* p = Radek(cil, sirka, vyska, y);
        for (int x = 0; x < sirka; ++x, p += 3) {
            int b = tabulka[p[0]];
            int g = tabulka[p[1]];
            int r = tabulka[p[2]];
            if (barvy) {
                // Rotate and scale the colour difference around the luma.
                const int jas = (77 * r + 150 * g + 29 * b) >> 8;
                const int u = b - jas;
                const int v = r - jas;
                const int u2 = (u * cosinus - v * sinus) >> 10;
                const int v2 = (u * sinus + v * cosinus) >> 10;
                r = jas + v2;
                b = jas + u2;
                g = ((256 * jas - 77 * r - 29 * b) * 437) >> 16;  // ÷150
            }
            p[0] = Orezat(b);
            p[1] = Orezat(g);
            p[2] = Orezat(r);
        }
    }
}

}  // namespace TestovaciKamera
