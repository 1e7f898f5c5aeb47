#include "video/ZapisBmp.h"

#include <cstring>

#include "knihovna/Chyba.h"

namespace {

void Zapsat16(std::uint8_t* p, std::uint16_t v) {
    p[0] = static_cast<std::uint8_t>(v);
    p[1] = static_cast<std::uint8_t>(v >> 8);
}

void Zapsat32(std::uint8_t* p, std::uint32_t v) {
    for (int i = 0; i < 4; ++i) p[i] = static_cast<std::uint8_t>(v >> (8 * i));
}

constexpr std::size_t kHlavickaSouboru = 14;
constexpr std::size_t kHlavickaObrazu = 40;

}  // namespace

std::size_t KrokRadkuBmp24(int sirka) { return (static_cast<std::size_t>(sirka) * 3 + 3) & ~static_cast<std::size_t>(3); }

std::vector<std::uint8_t> ZapsatBmp24(const std::uint8_t* zdroj, std::size_t velikostZdroje, int sirka, int vyska,
                                      std::size_t krok, bool shoraDolu, int bajtuNaPixel) {
    // 32767 keeps every size of the headers (and a 32-bit biSizeImage) in range.
    constexpr int kNejvic = 32767;
    if (zdroj == nullptr || (bajtuNaPixel != 3 && bajtuNaPixel != 4) || sirka <= 0 || vyska <= 0 || sirka > kNejvic || vyska > kNejvic)
        throw Knihovna::Chyba(Knihovna::kE_INVALIDARG, L"Neplatná velikost snímku.");
    const std::size_t radek = static_cast<std::size_t>(sirka) * static_cast<std::size_t>(bajtuNaPixel);
    // Written as a division so that a huge step cannot wrap around.
    if (krok < radek || velikostZdroje < radek || (velikostZdroje - radek) / krok < static_cast<std::size_t>(vyska) - 1)
        throw Knihovna::Chyba(Knihovna::kE_INVALIDARG, L"Data snímku jsou kratší než jeho velikost.");

    const std::size_t cilovyKrok = KrokRadkuBmp24(sirka);
    const std::size_t obraz = cilovyKrok * static_cast<std::size_t>(vyska);
    const std::size_t zacatekDat = kHlavickaSouboru + kHlavickaObrazu;
    std::vector<std::uint8_t> bmp(zacatekDat + obraz, 0);

    std::uint8_t* h = bmp.data();
    h[0] = 'B';
    h[1] = 'M';
    Zapsat32(h + 2, static_cast<std::uint32_t>(bmp.size()));
    Zapsat32(h + 10, static_cast<std::uint32_t>(zacatekDat));
    std::uint8_t* i = h + kHlavickaSouboru;
    Zapsat32(i, static_cast<std::uint32_t>(kHlavickaObrazu));
    Zapsat32(i + 4, static_cast<std::uint32_t>(sirka));
    Zapsat32(i + 8, static_cast<std::uint32_t>(vyska));  // positive: bottom-up
    Zapsat16(i + 12, 1);                                   // planes
    Zapsat16(i + 14, 24);                                  // bits per pixel
    Zapsat32(i + 16, 0);                                   // BI_RGB
    Zapsat32(i + 20, static_cast<std::uint32_t>(obraz));
    // Resolution, colours used and important stay 0.

    std::uint8_t* data = h + zacatekDat;
    for (int y = 0; y < vyska; ++y) {
        // Row y of the file counts from the bottom.
        const std::size_t zdrojovyRadek = shoraDolu ? static_cast<std::size_t>(vyska - 1 - y) : static_cast<std::size_t>(y);
        std::uint8_t* cil = data + cilovyKrok * static_cast<std::size_t>(y);
        const std::uint8_t* z = zdroj + krok * zdrojovyRadek;
        if (bajtuNaPixel == 3) {
            std::memcpy(cil, z, radek);
        } else {
            for (int x = 0; x < sirka; ++x, cil += 3, z += 4) std::memcpy(cil, z, 3);
        }
    }
    return bmp;
}
