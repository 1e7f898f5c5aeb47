#include "video/OvladaniObrazu.h"

#include <gtest/gtest.h>

#include <limits>
#include <map>
#include <span>
#include <tuple>
#include <utility>

using namespace Holvent::DirectShow;
using Knihovna::Hresult;

namespace {

VlastnostZarizeni R(std::int32_t min, std::int32_t max, std::int32_t krok, std::int32_t vychozi = 0) {
    return {.min = min, .max = max, .krok = krok, .vychozi = vychozi, .hodnota = vychozi, .platna = true};
}

// Records as the capture object reads them: the given properties valid with their ranges.
struct Zaznamy {
    VlastnostiObrazu obraz = VychoziVlastnostiObrazu();
    VlastnostiOvladani ovladani = VychoziVlastnostiOvladani();

    Zaznamy& Dat(bool kamera, std::int32_t id, VlastnostZarizeni v) {
        v.idVlastnosti = id;
        for (auto& z : kamera ? std::span<VlastnostZarizeni>(ovladani) : std::span<VlastnostZarizeni>(obraz))
            if (z.idVlastnosti == id) z = v;
        return *this;
    }
    std::vector<std::wstring> Popisy() const {
        std::vector<std::wstring> v;
        for (const auto& p : PolozkyOvladani(obraz, ovladani)) v.push_back(p.popis);
        return v;
    }
};

// A device with one value per property that refuses values off its step, as a driver does.
class Zarizeni : public PristupKVlastnostem {
public:
    std::map<std::pair<bool, std::int32_t>, VlastnostZarizeni> v;
    Hresult chybaZapisu = Knihovna::kS_OK, chybaCteni = Knihovna::kS_OK;
    std::int32_t priznakyZapisu = 0;

    Hresult Cist(bool kamera, std::int32_t id, std::int32_t& hodnota, std::int32_t& priznaky) override {
        hodnota = v.at({kamera, id}).hodnota;
        priznaky = 0;
        return chybaCteni;
    }
    Hresult Zapsat(bool kamera, std::int32_t id, std::int32_t hodnota, std::int32_t priznaky) override {
        auto& z = v.at({kamera, id});
        priznakyZapisu = priznaky;
        if (chybaZapisu || hodnota < z.min || hodnota > z.max || (hodnota - z.min) % z.krok) return Knihovna::kE_FAIL;
        z.hodnota = hodnota;
        return Knihovna::kS_OK;
    }
};

}  // namespace

TEST(PolozkyOvladani, PoradiPopisyAKodyJenPlatnychZaznamu) {
    Zaznamy vse;
    for (std::int32_t id : kIdVlastnostiObrazu) vse.Dat(false, id, R(0, 10, 1));
    for (std::int32_t id : kIdVlastnostiOvladani) vse.Dat(true, id, R(0, 10, 1));
    std::vector<std::uint32_t> kody;
    for (const auto& p : PolozkyOvladani(vse.obraz, vse.ovladani)) kody.push_back(p.kod);
    // Exposure and iris are read but never offered.
    EXPECT_EQ(vse.Popisy(), (std::vector<std::wstring>{L"Jas", L"Kontrast", L"Sytost barev", L"Odstín", L"Ostření",
                                                       L"Zoom", L"Náklon vertikální", L"Panoráma", L"Roll", L"Focus"}));
    EXPECT_EQ(kody, (std::vector<std::uint32_t>{0xFFFF0000, 0xFFFF0001, 0xFFFF0003, 0xFFFF0002, 0xFFFF0004, 0x0003FFFF,
                                                0x0001FFFF, 0x0000FFFF, 0x0002FFFF, 0x0006FFFF}));
    EXPECT_TRUE(Zaznamy{}.Popisy().empty());
    EXPECT_EQ(Zaznamy{}.Dat(true, 6, R(0, 250, 5)).Dat(true, 3, R(100, 400, 10)).Popisy(),
              (std::vector<std::wstring>{L"Zoom", L"Focus"}));
    // A reversed range is left out; a single value is a range.
    EXPECT_EQ(Zaznamy{}.Dat(false, 0, R(10, -10, 1)).Dat(false, 1, R(5, 5, 1)).Popisy(),
              (std::vector<std::wstring>{L"Kontrast"}));
}

TEST(MapovaniJezdce, HodnotyNaKrocichVRozsahu) {
    const MapovaniJezdce zoom(R(100, 400, 10));
    EXPECT_EQ(std::pair(zoom.MinPozice(), zoom.MaxPozice()), std::pair(100, 400));
    EXPECT_EQ(std::pair(zoom.Hodnota(154), zoom.Hodnota(155)), std::pair(150, 160));
    EXPECT_EQ(std::pair(zoom.Hodnota(-5), zoom.Hodnota(1000)), std::pair(100, 400));
    EXPECT_EQ(std::pair(zoom.KrokPozice(), zoom.StrankaPozice()), std::pair(10, 30));
    // A maximum off the step is out of reach; a step of 0 counts as 1.
    EXPECT_EQ(MapovaniJezdce(R(0, 255, 2)).Hodnota(255), 254);
    EXPECT_EQ(MapovaniJezdce(R(-64, 64, 0)).Hodnota(63), 63);

    constexpr auto kMin = std::numeric_limits<std::int32_t>::min(), kMax = std::numeric_limits<std::int32_t>::max();
    const MapovaniJezdce vse(R(kMin, kMax, 1));
    // The trackbar's own max − min stays within 32 bits, and both ends are reached.
    EXPECT_LE(std::int64_t{vse.MaxPozice()} - vse.MinPozice(), kMax);
    EXPECT_EQ(std::pair(vse.Hodnota(vse.MinPozice()), vse.Hodnota(vse.MaxPozice())), std::pair(kMin, kMax));
    EXPECT_EQ(vse.Hodnota(vse.Pozice(-1000)), -1000);
}

class Ovladani : public ::testing::Test {
protected:
    void SetUp() override {
        const Zaznamy z = Zaznamy{}.Dat(false, 1, R(0, 100, 1, 50)).Dat(true, 2, R(-180, 180, 15, 0));
        zarizeni.v[{false, 1}] = z.obraz[1];
        zarizeni.v[{true, 2}] = z.ovladani[4];
        ovladani.Naplnit(z.obraz, z.ovladani);
    }
    Zarizeni zarizeni;
    OvladaniObrazu ovladani;
};

TEST_F(Ovladani, RollUkazeRozsahAHodnotuZarizeniAJezdecJiZmeniNaKroku) {
    EXPECT_EQ(ovladani.Vyber(), 0);
    zarizeni.v[{true, 2}].hodnota = 45;  // changed on the device since the graph was built
    EXPECT_EQ(ovladani.Zobrazit(zarizeni, 1), (StavJezdce{true, -180, 180, 45, 15, 30}));
    const auto v = ovladani.Posunout(zarizeni, 100);
    EXPECT_EQ(std::tuple(v.hr, v.hodnota, v.stav.pozice, zarizeni.priznakyZapisu),
              std::tuple(Knihovna::kS_OK, 105, 105, OvladaniObrazu::kRucne));
    EXPECT_EQ((zarizeni.v[{true, 2}].hodnota), 105);
    // No ranges at all: nothing selected, the trackbar disabled at 0 of 0..100.
    OvladaniObrazu prazdne;
    prazdne.Naplnit(Zaznamy{}.obraz, Zaznamy{}.ovladani);
    EXPECT_EQ(prazdne.Zobrazit(zarizeni, prazdne.Vyber()), StavJezdce{});
}

TEST_F(Ovladani, OdmitnutyZapisVratiJezdecNaHodnotuZarizeni) {
    for (int index : {0, 1}) {  // a video proc amp and a camera control property alike
        ovladani.Zobrazit(zarizeni, index);
        zarizeni.chybaZapisu = Knihovna::kE_FAIL;
        const auto v = ovladani.Posunout(zarizeni, 90);
        EXPECT_EQ(std::pair(v.hr, v.stav.pozice), std::pair(Knihovna::kE_FAIL, index == 0 ? 50 : 0));
        zarizeni.chybaZapisu = Knihovna::kS_OK;
    }
    // A failed read of the selection raises; the strip catches it at its boundary.
    zarizeni.chybaCteni = Knihovna::kE_FAIL;
    EXPECT_THROW(ovladani.Zobrazit(zarizeni, 0), Knihovna::Chyba);
}

TEST_F(Ovladani, VychoziNaKontrastuNastaviVychoziHodnotuZarizeni) {
    ovladani.Zobrazit(zarizeni, 0);
    ASSERT_EQ(ovladani.Posunout(zarizeni, 80).stav.pozice, 80);
    const auto v = ovladani.Vychozi(zarizeni);
    EXPECT_EQ(std::pair(v.hr, v.stav.pozice), std::pair(Knihovna::kS_OK, 50));
    EXPECT_EQ((zarizeni.v[{false, 1}].hodnota), 50);
}
