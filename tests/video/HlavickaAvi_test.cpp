#include "video/HlavickaAvi.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>

using namespace Holvent::DirectShow;

namespace {

std::uint32_t U32(const std::vector<std::uint8_t>& b, std::size_t i) {
    return b[i] | (b[i + 1] << 8) | (b[i + 2] << 16) | (std::uint32_t{b[i + 3]} << 24);
}
std::uint16_t U16(const std::vector<std::uint8_t>& b, std::size_t i) {
    return static_cast<std::uint16_t>(b[i] | (b[i + 1] << 8));
}
std::string Fcc(const std::vector<std::uint8_t>& b, std::size_t i) {
    return std::string(reinterpret_cast<const char*>(b.data() + i), 4);
}

// The chunks of a list's body in order: fourcc (a list's as "LIST:type") and the data's offset.
struct Kus {
    std::string fcc;
    std::size_t data, velikost;
};
std::vector<Kus> Kusy(const std::vector<std::uint8_t>& b, std::size_t od, std::size_t do_) {
    std::vector<Kus> kusy;
    while (od + 8 <= do_) {
        const std::size_t velikost = U32(b, od + 4);
        std::string fcc = Fcc(b, od);
        if (fcc == "LIST") fcc += ":" + Fcc(b, od + 8);
        kusy.push_back({fcc, od + 8, velikost});
        od += 8 + velikost + (velikost & 1);
    }
    EXPECT_EQ(od, do_) << "chunks overrun their list";
    return kusy;
}

ProudAvi Video(std::int32_t sirka, std::int32_t vyska) {
    ProudAvi p;
    p.sirka = sirka;
    p.vyska = vyska;
    p.intervalSnimku = 666666;
    return p;
}

ProudAvi Zvuk() {
    ProudAvi p;
    p.video = false;
    p.formatZvuku = 0x55;
    p.kanalu = 2;
    p.vzorkuZaSekundu = 44100;
    p.bajtuZaSekundu = 16000;
    p.zarovnaniBloku = 1;
    p.dalsiBajty = {1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12};  // an odd-sized strf gets its pad byte
    return p;
}

}  // namespace

TEST(HlavickaAvi, MoviZacinaPresneNaPoziciPrvnihoZapisu) {
    for (std::uint64_t p : {std::uint64_t{4096}, std::uint64_t{64556}, std::uint64_t{1000}}) {
        const auto b = ProzatimniHlavickaAvi({Video(320, 240), Zvuk()}, p);
        ASSERT_EQ(b.size(), p);
        EXPECT_EQ(Fcc(b, 0), "RIFF");
        EXPECT_EQ(U32(b, 4), kOtevrenaVelikost);
        EXPECT_EQ(Fcc(b, 8), "AVI ");
        // What a reader walks: hdrl, JUNK up to the movi list, whose data starts at p.
        const auto kusy = Kusy(b, 12, p - 12);
        ASSERT_EQ(kusy.size(), 2u);
        EXPECT_EQ(kusy[0].fcc, "LIST:hdrl");
        EXPECT_EQ(kusy[1].fcc, "JUNK");
        EXPECT_EQ(Fcc(b, p - 12), "LIST");
        EXPECT_EQ(U32(b, p - 8), kOtevrenaVelikost);
        EXPECT_EQ(Fcc(b, p - 4), "movi");
    }
}

TEST(HlavickaAvi, StrlZaKazdyProudVPoradi) {
    const auto b = ProzatimniHlavickaAvi({Video(320, -240), Zvuk()}, 4096);
    ASSERT_FALSE(b.empty());
    const auto hdrl = Kusy(b, 12, 4096 - 12)[0];
    const auto kusy = Kusy(b, hdrl.data + 4, hdrl.data + hdrl.velikost);
    ASSERT_EQ(kusy.size(), 3u);
    ASSERT_EQ(kusy[0].fcc + kusy[1].fcc + kusy[2].fcc, "avihLIST:strlLIST:strl");
    const auto video = Kusy(b, kusy[1].data + 4, kusy[1].data + kusy[1].velikost);
    const auto zvuk = Kusy(b, kusy[2].data + 4, kusy[2].data + kusy[2].velikost);
    ASSERT_EQ(video.size(), 2u);
    ASSERT_EQ(zvuk.size(), 2u);
    EXPECT_EQ(video[0].fcc + video[1].fcc + zvuk[0].fcc + zvuk[1].fcc, "strhstrfstrhstrf");
    EXPECT_EQ(Fcc(b, video[0].data) + Fcc(b, zvuk[0].data), "vidsauds");
    EXPECT_EQ(std::pair(video[1].velikost, zvuk[1].velikost), std::pair(std::size_t{40}, std::size_t{18 + 12}));
    // 32-bit fields: µs per frame and streams of avih, the size; dwScale / dwRate (15 fps); the BITMAPINFOHEADER
    // (top-down stays top-down); the audio's bytes per second and sample rate.
    const std::pair<std::size_t, std::uint32_t> pole[] = {
        {kusy[0].data, 66666u}, {kusy[0].data + 24, 2u}, {kusy[0].data + 32, 320u}, {kusy[0].data + 36, 240u},
        {video[0].data + 20, 666666u}, {video[0].data + 24, 10000000u}, {video[1].data + 4, 320u},
        {video[1].data + 8, static_cast<std::uint32_t>(-240)}, {video[1].data + 20, 320u * 240u * 3u},
        {zvuk[0].data + 24, 16000u}, {zvuk[1].data + 4, 44100u}};
    for (const auto& [i, hodnota] : pole) EXPECT_EQ(U32(b, i), hodnota) << i;
    EXPECT_EQ(U16(b, video[1].data + 14), 24u);
    EXPECT_EQ(U16(b, zvuk[1].data), 0x55u);
    EXPECT_EQ(U16(b, zvuk[1].data + 16), 12u);
    EXPECT_EQ(b[zvuk[1].data + 18 + 11], 12);
}

TEST(HlavickaAvi, CoSeNevejdeNebOChybiProudyNeniHlavicka) {
    EXPECT_TRUE(ProzatimniHlavickaAvi({}, 4096).empty());
    EXPECT_TRUE(ProzatimniHlavickaAvi({Video(320, 240)}, 100).empty());
    // A gap that an even-sized chunk cannot fill exactly.
    EXPECT_TRUE(ProzatimniHlavickaAvi({Video(320, 240)}, 4097).empty());
    EXPECT_TRUE(ProzatimniHlavickaAvi({Video(320, 240)}, std::uint64_t{1} << 33).empty());
}
