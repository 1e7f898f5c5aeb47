#include "camera/DetektorPohybu.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

#include "camera/MaskaPohybu.h"

namespace {

// A grey frame of value jas (all three bytes equal, so its grey is jas) with the first zmenenych
// pixels at jas + rozdil.
std::vector<std::uint8_t> Snimek(int sirka, int vyska, int jas, int zmenenych = 0, int rozdil = 0) {
    std::vector<std::uint8_t> s(static_cast<std::size_t>(sirka) * vyska * 3, static_cast<std::uint8_t>(jas));
    for (int i = 0; i < zmenenych; ++i)
        s[3 * i] = s[3 * i + 1] = s[3 * i + 2] = static_cast<std::uint8_t>(jas + rozdil);
    return s;
}

// One timer tick and the frame that follows it, as the camera window drives the detector.
std::optional<std::uint32_t> TikASnimek(DetektorPohybu& d, const std::vector<std::uint8_t>& s, int sirka, int vyska,
                                        std::uint8_t rozdilJasu = 100) {
    d.Tik();
    return d.ZpracovatSnimek(s.data(), s.size(), sirka, vyska, rozdilJasu);
}

TEST(DetektorPohybu, PrahRozhodujeOHlaseniPohybu) {
    DetektorPohybu d;
    EXPECT_EQ(d.Prah(), 0u);
    EXPECT_TRUE(d.AktualizovatPrah(700, 320, 240));
    EXPECT_EQ(d.Prah(), 537u);
    EXPECT_FALSE(d.AktualizovatPrah(700, 320, 240));  // unchanged
    // Below the least frame size the old threshold stays.
    EXPECT_FALSE(d.AktualizovatPrah(100000, 3, 240));
    EXPECT_FALSE(d.AktualizovatPrah(100000, 320, 2));
    EXPECT_EQ(d.Prah(), 537u);

    d.Spustit();
    const auto pozadi = Snimek(320, 240, 20);
    EXPECT_EQ(TikASnimek(d, pozadi, 320, 240), std::nullopt);
    EXPECT_TRUE(d.MaReferenci());
    // 537 pixels off by exactly the brightness difference, the rest by one less: no report.
    auto snimek = Snimek(320, 240, 119, 537, 1);
    EXPECT_EQ(TikASnimek(d, snimek, 320, 240), std::nullopt);
    const auto maska = d.PosledniMaska();
    ASSERT_EQ(maska.size(), snimek.size());
    EXPECT_EQ(std::count(maska.begin(), maska.end(), 255), 537 * 3);
    EXPECT_EQ(std::count(maska.begin(), maska.end(), 0), static_cast<long>(maska.size()) - 537 * 3);
    // 538 report, and the report frees both frames.
    snimek = Snimek(320, 240, 119, 538, 1);
    EXPECT_EQ(TikASnimek(d, snimek, 320, 240), 538u);
    EXPECT_FALSE(d.MaReferenci());
    EXPECT_TRUE(d.PosledniMaska().empty());

    // 100 % of a 640 × 480 frame: no count can exceed it.
    EXPECT_TRUE(d.AktualizovatPrah(100000, 640, 480));
    EXPECT_EQ(d.Prah(), 307200u);
    EXPECT_EQ(TikASnimek(d, Snimek(640, 480, 0), 640, 480), std::nullopt);
    EXPECT_EQ(TikASnimek(d, Snimek(640, 480, 255), 640, 480, 0), std::nullopt);
    EXPECT_TRUE(d.MaReferenci());
}

TEST(DetektorPohybu, PomalaZmenaSeSciataProtiPevneReferenci) {
    DetektorPohybu d;
    d.AktualizovatPrah(700, 320, 240);
    d.Spustit();
    EXPECT_EQ(TikASnimek(d, Snimek(320, 240, 10), 320, 240), std::nullopt);
    // A lamp switched on slowly: 30 steps of 4 per tick, never 100 between two ticks.
    std::optional<std::uint32_t> hlaseni;
    int jas = 10;
    while (!hlaseni && jas < 200) {
        jas += 4;
        hlaseni = TikASnimek(d, Snimek(320, 240, jas), 320, 240);
    }
    EXPECT_EQ(jas, 110);
    EXPECT_EQ(hlaseni, 320u * 240u);
    // The next tick takes a new reference, the one after it compares against that one.
    EXPECT_EQ(TikASnimek(d, Snimek(320, 240, jas), 320, 240), std::nullopt);
    EXPECT_TRUE(d.MaReferenci());
    EXPECT_EQ(TikASnimek(d, Snimek(320, 240, jas + 50), 320, 240), std::nullopt);
    EXPECT_EQ(TikASnimek(d, Snimek(320, 240, jas + 100), 320, 240), 320u * 240u);
}

TEST(DetektorPohybu, SnimkyJineVelikostiAKratkeVzorkySeNeporovnavaji) {
    DetektorPohybu d;  // threshold 0: a single changed pixel would report
    d.Spustit();
    EXPECT_EQ(TikASnimek(d, Snimek(320, 240, 0), 320, 240), std::nullopt);
    ASSERT_TRUE(d.MaReferenci());
    // A short sample is skipped and the compare request waits for the next frame.
    const auto jasny = Snimek(320, 240, 200);
    d.Tik();
    EXPECT_EQ(d.ZpracovatSnimek(jasny.data(), jasny.size() - 1, 320, 240, 100), std::nullopt);
    EXPECT_TRUE(d.MaReferenci());
    EXPECT_EQ(d.ZpracovatSnimek(jasny.data(), jasny.size(), 320, 240, 100), 320u * 240u);

    // Reference at 320 × 240, then the capture switches to 160 × 120 (and back): never compared, the
    // smaller frame would be read past its end.
    EXPECT_EQ(TikASnimek(d, Snimek(320, 240, 0), 320, 240), std::nullopt);
    const auto maly = Snimek(160, 120, 200);
    EXPECT_EQ(TikASnimek(d, maly, 160, 120), std::nullopt);
    EXPECT_FALSE(d.MaReferenci());
    // The frame after the change becomes the reference of the new size, and compares go on with it.
    EXPECT_EQ(d.ZpracovatSnimek(maly.data(), maly.size(), 160, 120, 100), std::nullopt);
    EXPECT_TRUE(d.MaReferenci());
    EXPECT_EQ(TikASnimek(d, Snimek(160, 120, 0), 160, 120), 160u * 120u);

    // Without a tick nothing happens; a stopped detector ignores ticks and drops its frames.
    EXPECT_EQ(d.ZpracovatSnimek(maly.data(), maly.size(), 160, 120, 100), std::nullopt);
    EXPECT_FALSE(d.MaReferenci());
    EXPECT_EQ(TikASnimek(d, maly, 160, 120), std::nullopt);
    EXPECT_TRUE(d.MaReferenci());
    d.Zastavit();
    EXPECT_FALSE(d.Bezi());
    EXPECT_EQ(TikASnimek(d, Snimek(160, 120, 0), 160, 120), std::nullopt);
    EXPECT_FALSE(d.MaReferenci());
    // A size change reported by the window drops the frames too; the next tick takes a new reference.
    d.Spustit();
    EXPECT_TRUE(d.Bezi());
    EXPECT_EQ(TikASnimek(d, maly, 160, 120), std::nullopt);
    d.ZmenaVelikosti();
    EXPECT_EQ(TikASnimek(d, Snimek(160, 120, 0), 160, 120), std::nullopt);
    EXPECT_TRUE(d.MaReferenci());
    EXPECT_EQ(TikASnimek(d, maly, 160, 120), 160u * 120u);
}

// Only the frame the detector takes as its reference is withheld from the live plug-ins: not the frames before,
// nor the compared ones, nor a frame skipped for its size.
TEST(DetektorPohybu, ReferencniSnimekJeZnacen) {
    DetektorPohybu d;
    d.Spustit();
    const auto s = Snimek(32, 24, 10);
    EXPECT_EQ(d.ZpracovatSnimek(s.data(), s.size(), 32, 24, 100), std::nullopt);
    EXPECT_FALSE(d.PosledniBylReferenci());
    d.Tik();
    EXPECT_EQ(d.ZpracovatSnimek(s.data(), s.size() - 1, 32, 24, 100), std::nullopt);  // short: skipped
    EXPECT_FALSE(d.PosledniBylReferenci());
    EXPECT_EQ(d.ZpracovatSnimek(s.data(), s.size(), 32, 24, 100), std::nullopt);
    EXPECT_TRUE(d.PosledniBylReferenci());
    EXPECT_EQ(d.ZpracovatSnimek(s.data(), s.size(), 32, 24, 100), std::nullopt);  // the next frame is a plain one
    EXPECT_FALSE(d.PosledniBylReferenci());
    EXPECT_EQ(TikASnimek(d, s, 32, 24), std::nullopt);  // compared, no motion
    EXPECT_FALSE(d.PosledniBylReferenci());
}

// Brightens the picture rectangle [x0, x1) × [y0, y1) (top-down) of a bottom-up frame by rozdil.
void Zmenit(std::vector<std::uint8_t>& s, int sirka, int vyska, int x0, int y0, int x1, int y1, int rozdil) {
    for (int y = y0; y < y1; ++y)
        for (int x = x0; x < x1; ++x)
            for (int k = 0; k < 3; ++k) s[(static_cast<std::size_t>(vyska - 1 - y) * sirka + x) * 3 + k] += rozdil;
}

TEST(DetektorPohybu, MaskaUrcujeKdePohybNeniAPrahZNemaskovanePlochy) {
    DetektorPohybu d;
    MaskaPohybu levaHorni;  // the top left quarter: columns 0-15, rows 0-11
    levaHorni.NastavitObdelnik(0, 0, 15, 11, true);
    d.AktualizovatPrah(700, 320, 240);
    EXPECT_EQ(d.Prah(), 537u);
    d.NastavitMasku(levaHorni);
    EXPECT_EQ(d.Prah(), 403u);  // 0.7 % of the three quarters left
    d.Spustit();
    const auto pozadi = Snimek(320, 240, 20);
    EXPECT_EQ(TikASnimek(d, pozadi, 320, 240), std::nullopt);
    // All of the masked quarter changes: nothing counts.
    auto vlevo = pozadi;
    Zmenit(vlevo, 320, 240, 0, 0, 160, 120, 150);
    EXPECT_EQ(TikASnimek(d, vlevo, 320, 240), std::nullopt);
    const auto zmeny = d.PosledniMaska();
    EXPECT_EQ(std::count(zmeny.begin(), zmeny.end(), 255), 0);
    // The same motion in the bottom right quarter reports all of it; 404 changed pixels there are enough.
    auto vpravo = pozadi;
    Zmenit(vpravo, 320, 240, 160, 120, 320, 240, 150);
    EXPECT_EQ(TikASnimek(d, vpravo, 320, 240), 160u * 120u);
    // On the threshold of the unmasked area: 403 changed pixels there do not report, 404 do.
    EXPECT_EQ(TikASnimek(d, pozadi, 320, 240), std::nullopt);  // the new reference
    auto prah = pozadi;
    Zmenit(prah, 320, 240, 200, 130, 213, 161, 150);  // 13 × 31 = 403
    EXPECT_EQ(TikASnimek(d, prah, 320, 240), std::nullopt);
    prah = pozadi;
    Zmenit(prah, 320, 240, 200, 130, 301, 134, 150);  // 101 × 4 = 404
    EXPECT_EQ(TikASnimek(d, prah, 320, 240), 404u);
    // Everything masked: nothing can report.
    MaskaPohybu vse;
    vse.NastavitObdelnik(0, 0, 31, 23, true);
    d.NastavitMasku(vse);
    EXPECT_EQ(d.Prah(), 0u);
    EXPECT_EQ(TikASnimek(d, pozadi, 320, 240), std::nullopt);
    EXPECT_EQ(TikASnimek(d, Snimek(320, 240, 250), 320, 240), std::nullopt);
}

TEST(DetektorPohybu, NejmeneSnimkuPoSobeAReferenceDoHlaseni) {
    DetektorPohybu d;
    d.AktualizovatPrah(700, 320, 240);
    d.NastavitPodminky(3, 0);
    d.Spustit();
    const auto pozadi = Snimek(320, 240, 20), pohyb = Snimek(320, 240, 200);
    EXPECT_EQ(TikASnimek(d, pozadi, 320, 240), std::nullopt);
    // Two over the threshold, then one under it: the run starts again, against the same reference.
    EXPECT_EQ(TikASnimek(d, pohyb, 320, 240), std::nullopt);
    EXPECT_EQ(TikASnimek(d, pohyb, 320, 240), std::nullopt);
    EXPECT_EQ(TikASnimek(d, pozadi, 320, 240), std::nullopt);
    EXPECT_TRUE(d.MaReferenci());
    EXPECT_EQ(TikASnimek(d, pohyb, 320, 240), std::nullopt);
    EXPECT_EQ(TikASnimek(d, pohyb, 320, 240), std::nullopt);
    EXPECT_EQ(TikASnimek(d, pohyb, 320, 240), 320u * 240u);  // the third in a row
    EXPECT_FALSE(d.MaReferenci());
    // Out of range is held to 1 - 10: 0 behaves as 1.
    d.NastavitPodminky(0, 0);
    EXPECT_EQ(TikASnimek(d, pozadi, 320, 240), std::nullopt);
    EXPECT_EQ(TikASnimek(d, pohyb, 320, 240), 320u * 240u);
}

TEST(DetektorPohybu, StrazSvetlaBereNovouReferenci) {
    DetektorPohybu d;
    MaskaPohybu horniPolovina;
    horniPolovina.NastavitObdelnik(0, 0, 31, 11, true);
    d.NastavitMasku(horniPolovina);
    d.NastavitPodminky(1, 50);
    d.AktualizovatPrah(700, 320, 240);
    EXPECT_EQ(d.PrahSvetla(), 320u * 120u / 2);  // half of the unmasked bottom half
    d.Spustit();
    const auto tma = Snimek(320, 240, 20);
    EXPECT_EQ(TikASnimek(d, tma, 320, 240), std::nullopt);
    // The lamp goes on: all of the picture brightens. No report, and the lit scene is the reference now.
    const auto svetlo = Snimek(320, 240, 180);
    EXPECT_EQ(TikASnimek(d, svetlo, 320, 240), std::nullopt);
    EXPECT_TRUE(d.MaReferenci());
    EXPECT_EQ(TikASnimek(d, svetlo, 320, 240), std::nullopt);
    // A person in the lit room (an eighth of the unmasked area) still reports.
    auto osoba = svetlo;
    Zmenit(osoba, 320, 240, 0, 120, 80, 240, -150);
    EXPECT_EQ(TikASnimek(d, osoba, 320, 240), 80u * 120u);
    // Off, the same change of light is motion.
    d.NastavitPodminky(1, 0);
    EXPECT_EQ(d.PrahSvetla(), 0u);
    EXPECT_EQ(TikASnimek(d, tma, 320, 240), std::nullopt);
    EXPECT_EQ(TikASnimek(d, svetlo, 320, 240), 320u * 120u);
}

ParametryKamery::DetekcePohybu VsechnyAkce() {
    ParametryKamery::DetekcePohybu p;
    p.disk = {.aktivni = true, .minInterval = 10};
    p.email = {.aktivni = true, .minInterval = 300};
    p.ftp = {.aktivni = true, .minInterval = 20};
    p.video = {.aktivni = true, .delkaZaznamu = 5, .minInterval = 60};
    return p;
}

const auto kVsechnyDostupne = [](std::uint32_t) { return true; };

TEST(CasyAkciPohybu, KazdaAkceNejvyseJednouZaSvujInterval) {
    CasyAkciPohybu casy;
    const auto p = VsechnyAkce();
    for (int i = 0; i < 4; ++i) EXPECT_EQ(casy.Posledni(i), CasyAkciPohybu::kNikdy);
    const std::vector<AkcePohybu> vse{{40046, 0}, {40053, 0}, {40052, 0}, {40055, 1}};
    EXPECT_EQ(casy.Vyhodnotit(p, 1000, kVsechnyDostupne), vse);
    for (int i = 0; i < 4; ++i) EXPECT_EQ(casy.Posledni(i), 1000u);
    // 15 s later only the disk interval (10 s) has passed; 20 s after the start FTP too (exactly).
    EXPECT_EQ(casy.Vyhodnotit(p, 16000, kVsechnyDostupne), (std::vector<AkcePohybu>{{40046, 0}}));
    EXPECT_EQ(casy.Vyhodnotit(p, 21000, kVsechnyDostupne), (std::vector<AkcePohybu>{{40052, 0}}));
    EXPECT_EQ(casy.Posledni(0), 16000u);
    EXPECT_EQ(casy.Posledni(1), 1000u);
    // Inactive actions are never taken.
    auto jenVideo = p;
    jenVideo.disk.aktivni = jenVideo.email.aktivni = jenVideo.ftp.aktivni = false;
    EXPECT_EQ(casy.Vyhodnotit(jenVideo, 61000, kVsechnyDostupne), (std::vector<AkcePohybu>{{40055, 1}}));
    casy.Resetovat();
    EXPECT_EQ(casy.Vyhodnotit(p, 61001, kVsechnyDostupne), vse);
}

TEST(CasyAkciPohybu, PretoceniTikuANedostupnePrikazy) {
    CasyAkciPohybu casy;
    auto p = VsechnyAkce();
    p.disk.minInterval = 8;  // 8000 ms > 0x1F00 = 7936 ms
    p.ftp.minInterval = 7;   // 7000 ms < 7936 ms
    // E-mail and recording do not exist yet: skipped, their times untouched.
    const auto bezEmailuAVidea = [](std::uint32_t prikaz) { return prikaz != 40053 && prikaz != 40055; };
    EXPECT_EQ(casy.Vyhodnotit(p, 0xFFFFF000u, bezEmailuAVidea),
              (std::vector<AkcePohybu>{{40046, 0}, {40052, 0}}));
    EXPECT_EQ(casy.Posledni(1), CasyAkciPohybu::kNikdy);
    EXPECT_EQ(casy.Posledni(3), CasyAkciPohybu::kNikdy);
    // The tick wrapped: 0x00000F00 - 0xFFFFF000 = 0x1F00 ms.
    EXPECT_EQ(casy.Vyhodnotit(p, 0x00000F00u, kVsechnyDostupne),
              (std::vector<AkcePohybu>{{40053, 0}, {40052, 0}, {40055, 1}}));
    EXPECT_EQ(casy.Posledni(0), 0xFFFFF000u);
    EXPECT_EQ(casy.Posledni(2), 0x00000F00u);
}

}  // namespace
