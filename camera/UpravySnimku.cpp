#include "camera/UpravySnimku.h"

#include <algorithm>

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

void SlozitPrekryv(const PohledPixelu& obraz, const PohledPixelu& prekryv, int x, int y) {
    const int x0 = std::max(0, x), y0 = std::max(0, y);
    const int x1 = std::min(obraz.sirka, x + prekryv.sirka), y1 = std::min(obraz.vyska, y + prekryv.vyska);
    for (int yy = y0; yy < y1; ++yy) {
        std::uint8_t* c = obraz.Pixel(x0, yy);
        const std::uint8_t* z = prekryv.Pixel(x0 - x, yy - y);
        for (int xx = x0; xx < x1; ++xx, c += obraz.bajtyNaPixel, z += prekryv.bajtyNaPixel) {
            const unsigned a = prekryv.bajtyNaPixel >= 4 ? z[3] : 255u;
            if (a == 0) continue;
            for (int k = 0; k < 3; ++k) c[k] = static_cast<std::uint8_t>((z[k] * a + c[k] * (255u - a) + 127u) / 255u);
            if (obraz.bajtyNaPixel >= 4) c[3] = static_cast<std::uint8_t>(a + (c[3] * (255u - a) + 127u) / 255u);
        }
    }
}

int TypOtoceni(std::uint32_t otoceni) {
    switch (otoceni) {
    case 90: return kOtoceni90;
    case 180: return kOtoceni180;
    case 270: return kOtoceni270;
    default: return kBezOtoceni;
    }
}

ObrazPixelu OtocitAPreklopit(const ObrazPixelu& obraz, int typ) {
    const int otoceni = typ & 3;
    const bool preklopit = (typ & 4) != 0;
    const int w = obraz.sirka, h = obraz.vyska;
    const bool nalezato = otoceni == 1 || otoceni == 3;
    ObrazPixelu vysledek(nalezato ? h : w, nalezato ? w : h, obraz.bajtyNaPixel);
    for (int yv = 0; yv < vysledek.vyska; ++yv)
        for (int xv = 0; xv < vysledek.sirka; ++xv) {
            // The mirror comes after the rotation: find the rotated picture's point first.
            const int xr = preklopit ? vysledek.sirka - 1 - xv : xv;
            int xs = xr, ys = yv;
            switch (otoceni) {
            case 1: xs = yv; ys = h - 1 - xr; break;
            case 2: xs = w - 1 - xr; ys = h - 1 - yv; break;
            case 3: xs = w - 1 - yv; ys = xr; break;
            }
            std::copy_n(obraz.Pixel(xs, ys), obraz.bajtyNaPixel, vysledek.Pixel(xv, yv));
        }
    return vysledek;
}
