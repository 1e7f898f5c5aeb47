#include "testkamera/VzorKamery.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <vector>

#include "testkamera/FormatKamery.h"

using namespace TestovaciKamera;

namespace {

struct Snimek {
    int sirka;
    int vyska;
    std::vector<std::uint8_t> data;

    Bgr Bod(int x, int y) const {  // top-down coordinates
        const std::uint8_t* p = data.data() + static_cast<std::size_t>(vyska - 1 - y) * BajtuRadku(sirka) + x * 3;
        return {p[0], p[1], p[2]};
    }
    double Prumer() const {
        double soucet = 0;
        for (int y = 0; y < vyska; ++y)
            for (int x = 0; x < sirka; ++x) {
                const Bgr b = Bod(x, y);
                soucet += b.b + b.g + b.r;
            }
        return soucet / (3.0 * sirka * vyska);
    }
};

Snimek Nakreslit(VzorKamery& vzor, int sirka, int vyska, const StavSnimku& stav) {
    Snimek s{sirka, vyska, std::vector<std::uint8_t>(VelikostObrazu(sirka, vyska), 0xCD)};
    vzor.Vykreslit(s.data.data(), sirka, vyska, stav);
    return s;
}

StavSnimku Stav(int sekunda, std::uint32_t cislo, int scena = 0) {
    StavSnimku s;
    s.cas = {2026, 12, 0, 6, 14, 30, sekunda, 0};
    s.cislo = cislo;
    s.scena = scena;
    return s;
}

bool VOblasti(const Knihovna::Obdelnik& o, int x, int y) {
    return x >= o.left && x < o.right && y >= o.top && y < o.bottom;
}

}  // namespace

TEST(VzorKamery, PruhyLeziNahoreVeSpodnimRadkuJsouHodiny) {
    VzorKamery vzor;
    for (const auto& f : NabizeneFormaty()) {
        SCOPED_TRACE(f.sirka);
        const Snimek s = Nakreslit(vzor, f.sirka, f.vyska, Stav(5, 1));
        for (int i = 0; i < VzorKamery::kPocetPruhu; ++i) {
            const auto o = VzorKamery::OblastPruhu(i, f.sirka, f.vyska);
            EXPECT_EQ(s.Bod((o.left + o.right) / 2, (o.top + o.bottom) / 2), VzorKamery::BarvaPruhu(i)) << i;
        }
        // Bottom-up: the first bytes in memory are the bottom row, which is the clock strip.
        const auto hodiny = VzorKamery::OblastHodin(f.sirka, f.vyska);
        EXPECT_GT(hodiny.top, VzorKamery::OblastPruhu(0, f.sirka, f.vyska).bottom);
        EXPECT_EQ(s.data[0], s.Bod(0, f.vyska - 1).b);
        EXPECT_EQ(s.Bod(0, f.vyska - 1), (Bgr{16, 16, 16}));
    }
    EXPECT_EQ(VzorKamery::BarvaPruhu(0), (Bgr{180, 180, 180}));
    EXPECT_EQ(VzorKamery::BarvaPruhu(1), (Bgr{16, 180, 180}));  // yellow: no blue
    EXPECT_EQ(VzorKamery::BarvaPruhu(6), (Bgr{180, 16, 16}));   // blue
}

TEST(VzorKamery, CasACisloSnimkuMeniJenOblastHodin) {
    EXPECT_EQ(VzorKamery::TextHodin(Stav(9, 42)), "14:30:09 #000042");
    EXPECT_EQ(VzorKamery::TextHodin(Stav(0, 1234567)), "14:30:00 #234567");
    StavSnimku druha = Stav(9, 42);
    druha.zarizeni = 2;
    EXPECT_EQ(VzorKamery::TextHodin(druha), "14:30:09 #000042 K2");

    VzorKamery vzor;
    const int w = 320, h = 240;
    const Snimek a = Nakreslit(vzor, w, h, Stav(5, 10));
    const Snimek b = Nakreslit(vzor, w, h, Stav(6, 11));
    const auto hodiny = VzorKamery::OblastHodin(w, h);
    int zmenenoVHodinach = 0;
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x) {
            if (a.Bod(x, y) == b.Bod(x, y)) continue;
            ASSERT_TRUE(VOblasti(hodiny, x, y)) << x << "," << y;
            ++zmenenoVHodinach;
        }
    EXPECT_GT(zmenenoVHodinach, 5);
    // The same state gives the same frame: the still scene really is still.
    EXPECT_EQ(Nakreslit(vzor, w, h, Stav(5, 10)).data, a.data);
}

TEST(VzorKamery, ScenaSPohybemMeniVetsinuObrazu) {
    VzorKamery vzor;
    const int w = 160, h = 120;
    const Snimek a = Nakreslit(vzor, w, h, Stav(5, 100, 1));
    const Snimek b = Nakreslit(vzor, w, h, Stav(5, 101, 1));
    int zmeneno = 0;
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x) zmeneno += a.Bod(x, y) == b.Bod(x, y) ? 0 : 1;
    EXPECT_GT(zmeneno, w * h * 8 / 10);

    // The white object is somewhere on its row, and half a crossing later somewhere else.
    const auto bilyX = [&](const Snimek& s) {
        for (int x = 0; x < w; ++x)
            if (s.Bod(x, h / 3) == (Bgr{235, 235, 235})) return x;
        return -1;
    };
    const int x1 = bilyX(Nakreslit(vzor, w, h, Stav(5, 20, 1)));
    const int x2 = bilyX(Nakreslit(vzor, w, h, Stav(5, 40, 1)));
    EXPECT_GE(x1, 0);
    EXPECT_GT(x2, x1);
}

TEST(VzorKamery, ScenaSPohybemVJedneOblastiMeniJenLevouHorniCtvrtinu) {
    VzorKamery vzor;
    const int w = 320, h = 240;
    // The same second, so that the clock's digits stay: only the frame number and the noise change.
    const Snimek a = Nakreslit(vzor, w, h, Stav(5, 100, 2));
    const Snimek b = Nakreslit(vzor, w, h, Stav(5, 101, 2));
    const Knihovna::Obdelnik ctvrtina{0, 0, w / 4, h / 4};
    int vOblasti = 0;
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x) {
            if (a.Bod(x, y) == b.Bod(x, y)) continue;
            ASSERT_TRUE(VOblasti(ctvrtina, x, y) || VOblasti(VzorKamery::OblastHodin(w, h), x, y)) << x << "," << y;
            vOblasti += VOblasti(ctvrtina, x, y);
        }
    EXPECT_GT(vOblasti, w / 4 * h / 4 * 9 / 10);
    // Outside the quarter it is the still picture.
    EXPECT_EQ(a.Bod(w - 1, h / 2), Nakreslit(vzor, w, h, Stav(5, 100)).Bod(w - 1, h / 2));
}

TEST(VzorKamery, ObrazoveVlastnostiMeniObraz) {
    VzorKamery vzor;
    const int w = 160, h = 120;
    const Snimek zaklad = Nakreslit(vzor, w, h, Stav(5, 1));

    StavSnimku s = Stav(5, 1);
    s.jas = 40;
    EXPECT_GT(Nakreslit(vzor, w, h, s).Prumer(), zaklad.Prumer() + 40);
    s.jas = -40;
    EXPECT_LT(Nakreslit(vzor, w, h, s).Prumer(), zaklad.Prumer() - 40);

    s = Stav(5, 1);
    s.kontrast = 0;  // everything becomes mid grey
    const Snimek plochy = Nakreslit(vzor, w, h, s);
    EXPECT_EQ(plochy.Bod(3, 3), (Bgr{128, 128, 128}));
    EXPECT_EQ(plochy.Bod(w - 3, h - 3), (Bgr{128, 128, 128}));

    s = Stav(5, 1);
    s.sytost = 0;
    const Snimek sedy = Nakreslit(vzor, w, h, s);
    for (int i = 0; i < VzorKamery::kPocetPruhu; ++i) {
        const auto o = VzorKamery::OblastPruhu(i, w, h);
        const Bgr b = sedy.Bod((o.left + o.right) / 2, 5);
        EXPECT_NEAR(b.r, b.g, 1) << i;
        EXPECT_NEAR(b.b, b.g, 1) << i;
    }

    s = Stav(5, 1);
    s.odstin = 120;  // red turns towards green, grey stays grey
    const Snimek otoceny = Nakreslit(vzor, w, h, s);
    const auto cerveny = VzorKamery::OblastPruhu(5, w, h);
    const Bgr r = otoceny.Bod((cerveny.left + cerveny.right) / 2, 5);
    EXPECT_GT(r.g, r.r);
    EXPECT_EQ(otoceny.Bod(1, h * 2 / 3 + 1), zaklad.Bod(1, h * 2 / 3 + 1));
}

TEST(VzorKamery, OstrostRozmazavaNeboZduraznujeHrany) {
    VzorKamery vzor;
    const int w = 160, h = 120;
    const auto hrana = VzorKamery::OblastPruhu(1, w, h).left;  // white | yellow: blue falls 180 → 16
    StavSnimku s = Stav(5, 1);
    s.ostrost = 0;
    const Bgr mekky = Nakreslit(vzor, w, h, s).Bod(hrana, 10);
    EXPECT_GT(mekky.b, 16);
    EXPECT_LT(mekky.b, 180);
    s.ostrost = 10;
    const Bgr ostry = Nakreslit(vzor, w, h, s).Bod(hrana, 10);
    EXPECT_LT(ostry.b, 16);  // the undershoot of a sharpened edge
    s.ostrost = 5;
    EXPECT_EQ(Nakreslit(vzor, w, h, s).Bod(hrana, 10).b, 16);
}

TEST(VzorKamery, ZoomVyrezavaStredAZvetsuje) {
    VzorKamery vzor;
    const int w = 640, h = 480;
    StavSnimku s = Stav(5, 1);
    s.zoom = 200;
    const Snimek priblizeny = Nakreslit(vzor, w, h, s);
    // At 2× the left edge shows what was a quarter in: the third bar (cyan), not white.
    EXPECT_EQ(priblizeny.Bod(2, 10), VzorKamery::BarvaPruhu(2));
    EXPECT_EQ(priblizeny.Bod(w - 3, 10), VzorKamery::BarvaPruhu(5));
    // Each bar is twice as wide.
    int sirkaPruhu = 0;
    for (int x = 0; x < w; ++x) sirkaPruhu += priblizeny.Bod(x, 10) == VzorKamery::BarvaPruhu(3) ? 1 : 0;
    EXPECT_NEAR(sirkaPruhu, 2 * (w / VzorKamery::kPocetPruhu), 2);
    // The clock is not zoomed: it stays readable in its strip.
    const Snimek zaklad = Nakreslit(vzor, w, h, Stav(5, 1));
    const auto hodiny = VzorKamery::OblastHodin(w, h);
    for (int x = 0; x < w; x += 7) EXPECT_EQ(priblizeny.Bod(x, hodiny.top + 5), zaklad.Bod(x, hodiny.top + 5));
}
