#include "camera/PorovnaniSnimku.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <random>
#include <vector>

namespace {

std::vector<CestaPorovnani> DostupneCesty() {
    std::vector<CestaPorovnani> cesty;
    for (auto c : {CestaPorovnani::Prosta, CestaPorovnani::Ssse3, CestaPorovnani::Avx2})
        if (CestaDostupna(c)) cesty.push_back(c);
    return cesty;
}

// Restores the automatic choice at the end of a test.
struct VynucenaCesta {
    explicit VynucenaCesta(CestaPorovnani c) { VynutitCestu(c); }
    ~VynucenaCesta() { VynutitCestu(std::nullopt); }
};

std::vector<std::uint8_t> NahodnySnimek(std::size_t pixelu, std::mt19937& nahoda) {
    std::vector<std::uint8_t> s(pixelu * 3);
    for (auto& b : s) b = static_cast<std::uint8_t>(nahoda());
    return s;
}

// Grey values near the given frame's, a byte per pixel, so every threshold sees changed and unchanged pixels.
std::vector<std::uint8_t> BlizkaReference(const std::vector<std::uint8_t>& snimek, std::mt19937& nahoda) {
    std::vector<std::uint8_t> r(snimek.size() / 3);
    for (std::size_t i = 0; i < r.size(); ++i) {
        const int g = (30 * snimek[3 * i] + 59 * snimek[3 * i + 1] + 11 * snimek[3 * i + 2]) / 100;
        const int posun = static_cast<int>(nahoda() % 301) - 150;
        r[i] = static_cast<std::uint8_t>(std::clamp(g + posun, 0, 255));
    }
    return r;
}

TEST(PorovnaniSnimku, SedaOdpovidaVzorciProKazdouBarvuNaKazdeCeste) {
    // Every one of the 2^24 colours once: b0 low byte, b1 middle, b2 high.
    const std::size_t n = std::size_t{1} << 24;
    std::vector<std::uint8_t> barvy(n * 3);
    for (std::size_t i = 0; i < n; ++i) {
        barvy[3 * i] = static_cast<std::uint8_t>(i);
        barvy[3 * i + 1] = static_cast<std::uint8_t>(i >> 8);
        barvy[3 * i + 2] = static_cast<std::uint8_t>(i >> 16);
    }
    std::vector<std::uint8_t> jas(n), naMiste;
    for (auto cesta : DostupneCesty()) {
        SCOPED_TRACE(static_cast<int>(cesta));
        VynucenaCesta vynucena(cesta);
        std::fill(jas.begin(), jas.end(), 0x5A);
        JasSnimku(barvy.data(), jas.data(), n);
        naMiste = barvy;
        PrevestNaSedou(naMiste.data(), n);
        std::size_t chyb = 0;
        for (std::size_t i = 0; i < n && chyb < 5; ++i) {
            const std::uint8_t g = static_cast<std::uint8_t>((30 * (i & 0xFF) + 59 * ((i >> 8) & 0xFF) +
                                                              11 * (i >> 16)) / 100);
            bool spatne = jas[i] != g;
            for (int k = 0; k < 3; ++k) spatne = spatne || naMiste[3 * i + k] != g;
            if (spatne) {
                ++chyb;
                ADD_FAILURE() << "colour " << std::hex << i << ": " << int(jas[i]) << "/" << int(naMiste[3 * i])
                              << "," << int(naMiste[3 * i + 1]) << "," << int(naMiste[3 * i + 2]) << " instead of "
                              << int(g);
            }
        }
    }
}

TEST(PorovnaniSnimku, RozdilJasuSePocitaOdPrahuVcetne) {
    // Reference grey 50; current grey 150 (difference 100) and 149 (99) and 0 (50).
    const std::vector<std::uint8_t> reference(3, 50);
    const std::vector<std::uint8_t> snimek{150, 150, 150, 149, 149, 149, 0, 0, 0};
    for (auto cesta : DostupneCesty()) {
        SCOPED_TRACE(static_cast<int>(cesta));
        VynucenaCesta vynucena(cesta);
        std::vector<std::uint8_t> aktualni = snimek;
        EXPECT_EQ(Porovnat(reference.data(), aktualni.data(), 3, 100), 1u);
        EXPECT_EQ(aktualni, (std::vector<std::uint8_t>{255, 255, 255, 0, 0, 0, 0, 0, 0}));
        aktualni = snimek;
        EXPECT_EQ(Porovnat(reference.data(), aktualni.data(), 3, 0), 3u);  // every pixel counts at 0
        EXPECT_EQ(aktualni, std::vector<std::uint8_t>(9, 255));
        aktualni = snimek;
        EXPECT_EQ(Porovnat(reference.data(), aktualni.data(), 3, 51), 2u);
    }
}

TEST(PorovnaniSnimku, KazdaCestaDavaTytezBajtyJakoProstaSmycka) {
    std::mt19937 nahoda(12345);
    const std::size_t velikosti[] = {1, 2, 3, 5, 15, 16, 17, 31, 33, 641, 320 * 240, 1919 * 1079};
    const std::uint8_t prahy[] = {0, 1, 100, 255};
    for (std::size_t n : velikosti) {
        const auto snimek = NahodnySnimek(n, nahoda);
        const auto reference = BlizkaReference(snimek, nahoda);
        std::vector<std::uint8_t> sedaProsta = snimek, jasProsty(n);
        {
            VynucenaCesta prosta(CestaPorovnani::Prosta);
            PrevestNaSedou(sedaProsta.data(), n);
            JasSnimku(snimek.data(), jasProsty.data(), n);
        }
        for (std::uint8_t prah : prahy) {
            std::vector<std::uint8_t> maskaProsta = snimek;
            std::uint32_t pocetProsty;
            {
                VynucenaCesta prosta(CestaPorovnani::Prosta);
                pocetProsty = Porovnat(reference.data(), maskaProsta.data(), n, prah);
            }
            for (auto cesta : DostupneCesty()) {
                SCOPED_TRACE(testing::Message() << "pixels " << n << " threshold " << int(prah) << " path "
                                                << static_cast<int>(cesta));
                VynucenaCesta vynucena(cesta);
                // Guard bytes after the output: nothing is written past the frame.
                std::vector<std::uint8_t> aktualni(snimek.size() + 64, 0xA5);
                const auto kopieSnimku = snimek;
                EXPECT_EQ(KopirovatAPorovnat(snimek.data(), reference.data(), aktualni.data(), n, prah), pocetProsty);
                EXPECT_EQ(snimek, kopieSnimku);
                EXPECT_TRUE(std::equal(maskaProsta.begin(), maskaProsta.end(), aktualni.begin()));
                EXPECT_TRUE(std::all_of(aktualni.begin() + snimek.size(), aktualni.end(),
                                        [](std::uint8_t b) { return b == 0xA5; }));
                std::vector<std::uint8_t> naMiste = snimek;
                EXPECT_EQ(Porovnat(reference.data(), naMiste.data(), n, prah), pocetProsty);
                EXPECT_EQ(naMiste, maskaProsta);
            }
        }
        for (auto cesta : DostupneCesty()) {
            SCOPED_TRACE(testing::Message() << "grey, pixels " << n << " path " << static_cast<int>(cesta));
            VynucenaCesta vynucena(cesta);
            std::vector<std::uint8_t> jas(n + 64, 0xA5);
            JasSnimku(snimek.data(), jas.data(), n);
            EXPECT_TRUE(std::equal(jasProsty.begin(), jasProsty.end(), jas.begin()));
            EXPECT_TRUE(std::all_of(jas.begin() + n, jas.end(), [](std::uint8_t b) { return b == 0xA5; }));
            std::vector<std::uint8_t> naMiste = snimek;
            PrevestNaSedou(naMiste.data(), n);
            EXPECT_EQ(naMiste, sedaProsta);
        }
    }
}

TEST(PorovnaniSnimku, VynucenaCestaPlatiJenKdyzJeDostupna) {
    EXPECT_TRUE(CestaDostupna(CestaPorovnani::Prosta));
    EXPECT_TRUE(CestaDostupna(NejlepsiCesta()));
    for (auto cesta : DostupneCesty()) {
        VynutitCestu(cesta);
        EXPECT_EQ(AktualniCesta(), cesta);
    }
    VynutitCestu(std::nullopt);
    EXPECT_EQ(AktualniCesta(), NejlepsiCesta());
}

}  // namespace
