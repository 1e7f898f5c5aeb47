// The snapshot processing on odd bitmaps: sizes 0, 1 × N, N × 1 and odd strides chosen by the fuzz bytes (at most
// 4 MB a frame), pixels from the rest. Every step stays inside its rows (the bytes between rows and after the last
// one are checked untouched), the GIF palette maps each colour of its own to itself, the comparison paths of the
// motion detector count the same, and placed overlays and strips stay inside the picture's width or its enlarged size.
#include <fuzzer/FuzzedDataProvider.h>

#include <algorithm>
#include <cstdint>
#include <cstring>
#include <vector>

#include "Overeni.h"
#include "camera/DetektorPohybu.h"
#include "camera/MaskaPohybu.h"
#include "camera/ObrazPixelu.h"
#include "camera/PorovnaniSnimku.h"
#include "camera/RozmisteniSnimku.h"
#include "camera/UpravySnimku.h"
#include "knihovna/Chyba.h"
#include "video/PaletaGif.h"
#include "video/PruhSnimku.h"
#include "video/ZapisBmp.h"

namespace {

constexpr std::size_t kMaxBajtu = 4u << 20;
constexpr std::uint8_t kZarazka = 0xA5;

// A frame of sirka × vyska pixels with rows krok bytes apart, and guard bytes after every row and the frame.
struct Snimek {
    int sirka, vyska, bpp, krok;
    std::vector<std::uint8_t> data;

    std::size_t Radek() const { return static_cast<std::size_t>(sirka) * bpp; }
    PohledPixelu Pohled() { return {data.data(), sirka, vyska, krok, bpp}; }
    void Vyplnit(FuzzedDataProvider& f) {
        const std::string pixely = f.ConsumeBytesAsString(std::min<std::size_t>(f.remaining_bytes(), Radek() * vyska));
        std::fill(data.begin(), data.end(), kZarazka);
        for (std::size_t i = 0, y = 0; y < static_cast<std::size_t>(vyska); ++y)
            for (std::size_t x = 0; x < Radek(); ++x, ++i)
                data[y * krok + x] = pixely.empty() ? static_cast<std::uint8_t>(i * 31) : static_cast<std::uint8_t>(pixely[i % pixely.size()]);
    }
    bool ZarazkyCele() const {
        for (std::size_t y = 0; y < static_cast<std::size_t>(vyska); ++y)
            for (std::size_t x = Radek(); x < static_cast<std::size_t>(krok); ++x)
                if (data[y * krok + x] != kZarazka) return false;
        return std::all_of(data.begin() + static_cast<std::ptrdiff_t>(static_cast<std::size_t>(vyska) * krok), data.end(),
                           [](std::uint8_t b) { return b == kZarazka; });
    }
};

void Rozmery(FuzzedDataProvider& f, int& sirka, int& vyska) {
    // Mostly small frames, now and then a long thin one (1 × N, N × 1, N × 4).
    const int dlouha = f.ConsumeIntegralInRange<int>(1, 4096);
    sirka = f.ConsumeIntegralInRange<int>(0, 67);
    vyska = f.ConsumeIntegralInRange<int>(0, 67);
    switch (f.ConsumeIntegralInRange<int>(0, 7)) {
    case 0: sirka = dlouha, vyska %= 5; break;
    case 1: vyska = dlouha, sirka %= 5; break;
    case 2: sirka = 1, vyska = dlouha; break;
    case 3: sirka = dlouha, vyska = 1; break;
    }
}

void Palety(FuzzedDataProvider& f, Snimek& s) {
    static const Holvent::GdiPlus::PaletaGif paleta;
    for (int i = 0; i < Holvent::GdiPlus::PaletaGif::kPocetBarev; i += 17) {
        const std::uint32_t c = paleta.Barvy()[i];
        const std::uint8_t index = paleta.Index(static_cast<std::uint8_t>(c >> 16), static_cast<std::uint8_t>(c >> 8),
                                                static_cast<std::uint8_t>(c));
        OVERIT(paleta.Barvy()[index] == c);
    }
    std::vector<std::uint8_t> indexy(static_cast<std::size_t>(s.sirka) + 1, kZarazka);
    for (int y = 0; y < s.vyska; ++y) {
        paleta.PrevestRadek(s.Pohled().Pixel(0, y), s.bpp, indexy.data(), s.sirka);
        OVERIT(indexy.back() == kZarazka);
    }
    (void)f;
}

void Upravy(FuzzedDataProvider& f, Snimek& s) {
    const std::vector<std::uint8_t> pred = s.data;
    InvertovatBarvy(s.Pohled());
    InvertovatBarvy(s.Pohled());
    OVERIT(s.data == pred);
    PrevestNaStupneSede(s.Pohled());
    if (s.bpp == 4) {
        PripravitPrekryv(s.Pohled(), f.ConsumeIntegral<std::uint8_t>(), f.ConsumeIntegral<std::uint32_t>());
        VymazatBarvu(s.Pohled(), 0x808080);
    }
    OVERIT(s.ZarazkyCele());
    // The same pixels as a BMP: rows padded to 4 bytes, bottom-up.
    try {
        const auto bmp = ZapsatBmp24(s.data.data(), s.data.size(), s.sirka, s.vyska, static_cast<std::size_t>(s.krok),
                                     f.ConsumeBool(), s.bpp);
        OVERIT(s.sirka > 0 && s.vyska > 0);
        OVERIT(bmp.size() == 54 + KrokRadkuBmp24(s.sirka) * static_cast<std::size_t>(s.vyska));
    } catch (const Knihovna::Chyba& c) {
        OVERIT(s.sirka <= 0 || s.vyska <= 0);
    }
}

// The motion detector's steps on a 3-byte frame without padding: every comparison path counts the same.
void Porovnani(FuzzedDataProvider& f, int sirka, int vyska) {
    const std::size_t pixelu = static_cast<std::size_t>(sirka) * vyska;
    const std::string zdroj = f.ConsumeBytesAsString(std::min(f.remaining_bytes(), pixelu * 3));
    std::vector<std::uint8_t> a(pixelu * 3), b(pixelu * 3);
    for (std::size_t i = 0; i < a.size(); ++i) {
        a[i] = zdroj.empty() ? static_cast<std::uint8_t>(i) : static_cast<std::uint8_t>(zdroj[i % zdroj.size()]);
        b[i] = static_cast<std::uint8_t>(a[i] + (i % 7 == 0 ? 90 : 0));
    }
    const std::uint8_t rozdil = f.ConsumeIntegral<std::uint8_t>();
    MaskaPohybu maska;
    for (int r = 0; r < MaskaPohybu::kRadku; ++r) maska.NastavitRadek(r, f.ConsumeIntegral<std::uint32_t>() & f.ConsumeIntegral<std::uint32_t>());

    std::vector<std::uint8_t> jas(pixelu), vzory(static_cast<std::size_t>(MaskaPohybu::kRadku) * sirka), vzorRadku(vyska);
    JasSnimku(a.data(), jas.data(), pixelu);
    const std::uint64_t volnych = VytvoritPropustnost(maska, sirka, vyska, vzory.data(), vzorRadku.data());
    OVERIT(volnych == maska.NemaskovanychPixelu(sirka, vyska));
    std::optional<std::uint32_t> bezMasky, sMaskou;
    for (CestaPorovnani cesta : {CestaPorovnani::Prosta, CestaPorovnani::Ssse3, CestaPorovnani::Avx2}) {
        if (!CestaDostupna(cesta)) continue;
        VynutitCestu(cesta);
        std::vector<std::uint8_t> vystup(pixelu * 3);
        const std::uint32_t n = KopirovatAPorovnat(b.data(), jas.data(), vystup.data(), pixelu, rozdil);
        OVERIT(n <= pixelu && (!bezMasky || *bezMasky == n));
        bezMasky = n;
        const std::uint32_t m = KopirovatAPorovnatSMaskou(b.data(), jas.data(), vystup.data(), sirka, vyska,
                                                          vzory.data(), vzorRadku.data(), rozdil);
        OVERIT(m <= volnych && m <= n && (!sMaskou || *sMaskou == m));
        sMaskou = m;
        std::vector<std::uint8_t> naMiste = b;
        OVERIT(Porovnat(jas.data(), naMiste.data(), pixelu, rozdil) == n);
    }
    VynutitCestu(std::nullopt);

    // The detector itself: a reference, then a compare of the changed frame.
    DetektorPohybu d;
    d.NastavitMasku(maska);
    d.AktualizovatPrah(f.ConsumeIntegralInRange<std::uint32_t>(0, 100000), sirka, vyska);
    d.NastavitPodminky(f.ConsumeIntegralInRange<std::uint32_t>(1, 10), f.ConsumeIntegralInRange<std::uint32_t>(0, 100));
    d.Spustit();
    d.Tik();
    OVERIT(!d.ZpracovatSnimek(a.data(), a.size(), sirka, vyska, rozdil));
    d.Tik();
    if (const auto zmena = d.ZpracovatSnimek(b.data(), b.size(), sirka, vyska, rozdil)) OVERIT(*zmena <= volnych);
    // A short sample is skipped.
    d.Tik();
    OVERIT(!d.ZpracovatSnimek(b.data(), b.size() / 2, sirka, vyska, rozdil) || b.size() / 2 >= b.size());

    // Shading of the masked cells in a padded bottom-up frame.
    std::vector<std::uint8_t> dib(KrokRadkuBmp24(sirka) * vyska + 1, kZarazka);
    ZastinitMaskovane(dib.data(), sirka, vyska, maska);
    OVERIT(dib.back() == kZarazka);
}

void Rozvrzeni(FuzzedDataProvider& f, int sirka, int vyska) {
    const int w = f.ConsumeIntegralInRange<int>(0, 5000), h = f.ConsumeIntegralInRange<int>(0, 5000);
    try {
        const BodObrazu b = UmisteniPrekryvu(f.ConsumeIntegralInRange<std::uint32_t>(0, 20), sirka, vyska, w, h);
        // Every rule keeps a placed overlay within the frame's width (the height is clipped by the drawing).
        OVERIT(b.x >= 0 && b.x + w <= sirka);
    } catch (const Knihovna::Chyba&) {
    }
    (void)RozvrhnoutText(f.ConsumeIntegralInRange<std::uint32_t>(0, 20), sirka, vyska);
    const int kod = f.ConsumeIntegralInRange<int>(0, 15);
    const int tloustka = f.ConsumeIntegralInRange<int>(0, 200);
    const auto g = Holvent::DirectShow::SpocitatPruh(kod, sirka, vyska, tloustka);
    OVERIT(g.xSnimku >= 0 && g.ySnimku >= 0 && g.xSnimku + sirka <= g.sirka && g.ySnimku + vyska <= g.vyska);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    FuzzedDataProvider f(data, size);
    int sirka, vyska;
    Rozmery(f, sirka, vyska);
    const int bpp = f.ConsumeBool() ? 4 : 3;
    const int navic = f.ConsumeIntegralInRange<int>(0, 7);  // odd strides
    Snimek s{sirka, vyska, bpp, sirka * bpp + navic, {}};
    if (static_cast<std::size_t>(s.krok) * vyska > kMaxBajtu) return 0;
    s.data.assign(static_cast<std::size_t>(s.krok) * vyska + 8, kZarazka);
    s.Vyplnit(f);

    Palety(f, s);
    Upravy(f, s);
    if (sirka > 0 && vyska > 0) Porovnani(f, sirka, vyska);
    Rozvrzeni(f, sirka, vyska);
    return 0;
}
