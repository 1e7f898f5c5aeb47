#include "camera/UpravySnimku.h"

namespace {

template <class F>
void ProKazdyPixel(const PohledPixelu& obraz, F f) {
    for (int y = 0; y < obraz.vyska; ++y) {
        std::uint8_t* p = obraz.Pixel(0, y);
        for (int x = 0; x < obraz.sirka; ++x, p += obraz.bajtyNaPixel) f(p);
    }
}

}  // namespace

void PrevestNaStupneSede(const PohledPixelu& obraz) {
    ProKazdyPixel(obraz, [](std::uint8_t* p) {
        const auto g = static_cast<std::uint8_t>((30u * p[0] + 59u * p[1] + 11u * p[2]) / 100u);
        p[0] = p[1] = p[2] = g;
    });
}

void InvertovatBarvy(const PohledPixelu& obraz) {
    ProKazdyPixel(obraz, [](std::uint8_t* p) {
        p[0] = static_cast<std::uint8_t>(255 - p[0]);
        p[1] = static_cast<std::uint8_t>(255 - p[1]);
        p[2] = static_cast<std::uint8_t>(255 - p[2]);
    });
}

void NastavitPruhlednost(const PohledPixelu& obraz, std::uint8_t alfa) {
    if (obraz.bajtyNaPixel < 4) return;
    ProKazdyPixel(obraz, [alfa](std::uint8_t* p) { p[3] = alfa; });
}

void VymazatBarvu(const PohledPixelu& obraz, std::uint32_t barva) {
    if (obraz.bajtyNaPixel < 4) return;
    const auto r = static_cast<std::uint8_t>(barva), g = static_cast<std::uint8_t>(barva >> 8),
               b = static_cast<std::uint8_t>(barva >> 16);
    ProKazdyPixel(obraz, [=](std::uint8_t* p) {
        if (p[0] == b && p[1] == g && p[2] == r) p[3] = 0;
    });
}

void PripravitPrekryv(const PohledPixelu& prekryv, std::uint32_t alfa, std::uint32_t pruhlednaBarva) {
    if (alfa < 255) NastavitPruhlednost(prekryv, static_cast<std::uint8_t>(alfa));
    if (pruhlednaBarva != 0xFFFFFFFFu) VymazatBarvu(prekryv, pruhlednaBarva);
}

int TypOtoceni(std::uint32_t otoceni) {
    switch (otoceni) {
    case 90: return kOtoceni90;
    case 180: return kOtoceni180;
    case 270: return kOtoceni270;
    default: return kBezOtoceni;
    }
}
