#include "video/OvladaniObrazu.h"

#include <gtest/gtest.h>

#include <limits>
#include <map>
#include <utility>

using namespace Holvent::DirectShow;
using Knihovna::Hresult;

namespace {

VlastnostZarizeni Rozsah(std::int32_t min, std::int32_t max, std::int32_t krok, std::int32_t vychozi = 0) {
    VlastnostZarizeni v;
    v.min = min;
    v.max = max;
    v.krok = krok;
    v.vychozi = vychozi;
    v.hodnota = vychozi;
    v.platna = true;
    return v;
}

// Records as the capture object reads them: each given property valid with its range.
struct Zaznamy {
    VlastnostiObrazu obraz = VychoziVlastnostiObrazu();
    VlastnostiOvladani ovladani = VychoziVlastnostiOvladani();

    Zaznamy& Obraz(std::int32_t id, VlastnostZarizeni v) { return Dat(obraz, id, v); }
    Zaznamy& Kamera(std::int32_t id, VlastnostZarizeni v) { return Dat(ovladani, id, v); }

private:
    template <class Pole>
    Zaznamy& Dat(Pole& pole, std::int32_t id, VlastnostZarizeni v) {
        for (auto& z : pole)
            if (z.idVlastnosti == id) {
                v.idVlastnosti = id;
                z = v;
            }
        return *this;
    }
};

// A device that keeps values per (camera control, property) and refuses values off its step, as a driver does.
class Zarizeni : public PristupKVlastnostem {
public:
    std::map<std::pair<bool, std::int32_t>, VlastnostZarizeni> vlastnosti;
    Hresult chybaZapisu = Knihovna::kS_OK;
    Hresult chybaCteni = Knihovna::kS_OK;
    int zapisu = 0;
    std::int32_t posledniPriznaky = 0;

    Hresult Cist(bool kamera, std::int32_t id, std::int32_t& hodnota, std::int32_t& priznaky) override {
        if (chybaCteni) return chybaCteni;
        const auto& v = vlastnosti.at({kamera, id});
        hodnota = v.hodnota;
        priznaky = v.priznaky;
        return Knihovna::kS_OK;
    }
    Hresult Zapsat(bool kamera, std::int32_t id, std::int32_t hodnota, std::int32_t priznaky) override {
        ++zapisu;
        posledniPriznaky = priznaky;
        auto& v = vlastnosti.at({kamera, id});
        if (chybaZapisu) return chybaZapisu;
        if (hodnota < v.min || hodnota > v.max || (hodnota - v.min) % v.krok) return Knihovna::kE_INVALIDARG;
        v.hodnota = hodnota;
        return Knihovna::kS_OK;
    }
};

std::vector<std::wstring> Popisy(const std::vector<PolozkaOvladani>& p) {
    std::vector<std::wstring> v;
    for (const auto& x : p) v.push_back(x.popis);
    return v;
}

}  // namespace

TEST(PolozkyOvladani, PoradiPopisyAKodyJenPlatnychZaznamu) {
    Zaznamy vse;
    for (std::int32_t id : kIdVlastnostiObrazu) vse.Obraz(id, Rozsah(0, 10, 1));
    for (std::int32_t id : kIdVlastnostiOvladani) vse.Kamera(id, Rozsah(0, 10, 1));
    const auto polozky = PolozkyOvladani(vse.obraz, vse.ovladani);
    // Exposure and iris are read but never offered.
    EXPECT_EQ(Popisy(polozky), (std::vector<std::wstring>{L"Jas", L"Kontrast", L"Sytost barev", L"Odstín", L"Ostření",
                                                          L"Zoom", L"Náklon vertikální", L"Panoráma", L"Roll",
                                                          L"Focus"}));
    std::vector<std::uint32_t> kody;
    for (const auto& p : polozky) kody.push_back(p.kod);
    EXPECT_EQ(kody, (std::vector<std::uint32_t>{0xFFFF0000, 0xFFFF0001, 0xFFFF0003, 0xFFFF0002, 0xFFFF0004, 0x0003FFFF,
                                                0x0001FFFF, 0x0000FFFF, 0x0002FFFF, 0x0006FFFF}));

    EXPECT_TRUE(PolozkyOvladani(Zaznamy{}.obraz, Zaznamy{}.ovladani).empty());
    Zaznamy zoomFocus;
    zoomFocus.Kamera(6, Rozsah(0, 250, 5)).Kamera(3, Rozsah(100, 400, 10));
    EXPECT_EQ(Popisy(PolozkyOvladani(zoomFocus.obraz, zoomFocus.ovladani)), (std::vector<std::wstring>{L"Zoom", L"Focus"}));
    // A reversed range is left out; a single value is a range.
    Zaznamy obracene;
    obracene.Obraz(0, Rozsah(10, -10, 1)).Obraz(1, Rozsah(5, 5, 1));
    EXPECT_EQ(Popisy(PolozkyOvladani(obracene.obraz, obracene.ovladani)), (std::vector<std::wstring>{L"Kontrast"}));
}

TEST(MapovaniJezdce, HodnotyNaKrocichVRozsahu) {
    const MapovaniJezdce zoom(Rozsah(100, 400, 10));
    EXPECT_EQ(std::pair(zoom.MinPozice(), zoom.MaxPozice()), std::pair(100, 400));
    EXPECT_EQ(zoom.Hodnota(154), 150);
    EXPECT_EQ(zoom.Hodnota(155), 160);
    EXPECT_EQ(zoom.Hodnota(-5), 100);
    EXPECT_EQ(zoom.Hodnota(1000), 400);
    EXPECT_EQ(zoom.Pozice(170), 170);
    EXPECT_EQ(std::pair(zoom.KrokPozice(), zoom.StrankaPozice()), std::pair(10, 30));
    // A maximum off the step is out of reach; a step of 0 counts as 1.
    const MapovaniJezdce lichy(Rozsah(0, 255, 2));
    EXPECT_EQ(lichy.MaxPozice(), 254);
    EXPECT_EQ(lichy.Hodnota(255), 254);
    EXPECT_EQ(MapovaniJezdce(Rozsah(-64, 64, 0)).Hodnota(63), 63);
}

TEST(MapovaniJezdce, CelyRozsah32BituSePuliAleKonceSedi) {
    constexpr auto kMin = std::numeric_limits<std::int32_t>::min();
    constexpr auto kMax = std::numeric_limits<std::int32_t>::max();
    const MapovaniJezdce m(Rozsah(kMin, kMax, 1));
    // The trackbar's own max − min stays within 32 bits.
    EXPECT_LE(std::int64_t{m.MaxPozice()} - m.MinPozice(), kMax);
    EXPECT_EQ(m.Hodnota(m.MinPozice()), kMin);
    EXPECT_EQ(m.Hodnota(m.MaxPozice()), kMax);
    EXPECT_EQ(m.Pozice(kMax), m.MaxPozice());
    EXPECT_EQ(m.Hodnota(m.Pozice(1000)), 1000);
    EXPECT_EQ(m.Hodnota(m.Pozice(-1000)), -1000);
}

class Ovladani : public ::testing::Test {
protected:
    void SetUp() override {
        Zaznamy z;
        z.Obraz(1, Rozsah(0, 100, 1, 50)).Kamera(2, Rozsah(-180, 180, 15, 0));
        for (const auto& v : z.obraz)
            if (v.platna) zarizeni.vlastnosti[{false, v.idVlastnosti}] = v;
        for (const auto& v : z.ovladani)
            if (v.platna) zarizeni.vlastnosti[{true, v.idVlastnosti}] = v;
        ovladani.Naplnit(z.obraz, z.ovladani);
    }
    Zarizeni zarizeni;
    OvladaniObrazu ovladani;
};

TEST_F(Ovladani, BezRozsahuPrazdnySeznamAVypnutyJezdec) {
    OvladaniObrazu prazdne;
    prazdne.Naplnit(Zaznamy{}.obraz, Zaznamy{}.ovladani);
    EXPECT_EQ(prazdne.Vyber(), -1);
    EXPECT_EQ(prazdne.Zobrazit(zarizeni, prazdne.Vyber()), StavJezdce{});
    EXPECT_EQ(prazdne.Posunout(zarizeni, 10).stav, StavJezdce{});
    EXPECT_EQ(zarizeni.zapisu, 0);
}

TEST_F(Ovladani, RollUkazeRozsahAHodnotuZarizeniAJezdecJiZmeniNaKroku) {
    EXPECT_EQ(Popisy(ovladani.Polozky()), (std::vector<std::wstring>{L"Kontrast", L"Roll"}));
    EXPECT_EQ(ovladani.Vyber(), 0);
    zarizeni.vlastnosti[{true, 2}].hodnota = 45;  // changed on the device since the graph was built
    EXPECT_EQ(ovladani.Zobrazit(zarizeni, 1), (StavJezdce{true, -180, 180, 45, 15, 30}));
    EXPECT_EQ(ovladani.KodVyberu(), 0x0002FFFFu);
    const auto v = ovladani.Posunout(zarizeni, 100);
    EXPECT_EQ(v.hr, Knihovna::kS_OK);
    EXPECT_EQ(std::pair(v.hodnota, v.stav.pozice), std::pair(105, 105));
    EXPECT_EQ((zarizeni.vlastnosti[{true, 2}].hodnota), 105);
    EXPECT_EQ(zarizeni.posledniPriznaky, OvladaniObrazu::kRucne);
    EXPECT_EQ(ovladani.Zaznam()->hodnota, 105);
}

TEST_F(Ovladani, OdmitnutyZapisVratiJezdecNaHodnotuZarizeni) {
    for (int index : {0, 1}) {  // a video proc amp and a camera control property alike
        ovladani.Zobrazit(zarizeni, index);
        zarizeni.chybaZapisu = Knihovna::kE_FAIL;
        const auto v = ovladani.Posunout(zarizeni, 90);
        EXPECT_EQ(v.hr, Knihovna::kE_FAIL);
        EXPECT_EQ(v.stav.pozice, index == 0 ? 50 : 0);
        EXPECT_EQ(ovladani.Zaznam()->hodnota, v.stav.pozice);
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
    EXPECT_EQ(v.hr, Knihovna::kS_OK);
    EXPECT_EQ(v.stav.pozice, 50);
    EXPECT_EQ((zarizeni.vlastnosti[{false, 1}].hodnota), 50);
}
