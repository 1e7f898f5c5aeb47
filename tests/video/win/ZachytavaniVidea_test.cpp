#include "video/win/ZachytavaniVidea.h"

#include <gtest/gtest.h>

#include <atomic>

#include "ProstrediKamery.h"
#include "video/PruhSnimku.h"
#include "video/win/PrijemceSnimku.h"
#include "video/win/ZiveObjekty.h"

using namespace Holvent::DirectShow;
using namespace TestyVidea;

namespace {

constexpr UINT kSnimekHotov = 0x800A;
constexpr UINT kStartGrafu = 0x800B;
constexpr UINT kVysledekGrafu = 0x800C;

class ZachytavaniTest : public TestSKamerou {
protected:
    void SetUp() override {
        TestSKamerou::SetUp();
        zachytavani_.NastavitVlastnika(vlastnik_);
        zachytavani_.NastavitCil(zaznam_.Hwnd(), kSnimekHotov, kStartGrafu, kVysledekGrafu);
    }
    void TearDown() override {
        zachytavani_.Vypnout();
        TestSKamerou::TearDown();
    }

    // Grabs until the first sample is there; the last failure when none came.
    HRESULT PockatNaSnimek() {
        HRESULT posledni = E_FAIL;
        Cekat([&] {
            try {
                zachytavani_.SejmoutSnimek();
                posledni = S_OK;
                return true;
            } catch (const Knihovna::Chyba& chyba) {
                posledni = chyba.Hr();
                return false;
            }
        });
        return posledni;
    }

    HRESULT ChybaZ(const std::function<void()>& akce) {
        try {
            akce();
        } catch (const Knihovna::Chyba& chyba) {
            return chyba.Hr();
        }
        return S_OK;
    }

    // Saves a snapshot and opens it again.
    Holvent::GdiPlus::BitmapaGdiPlus UlozitANacist(const std::wstring& jmeno) {
        const std::wstring cesta = DocasnaSlozka() + L"\\" + jmeno;
        ::DeleteFileW(cesta.c_str());
        zachytavani_.UlozitSnimek(cesta);
        auto b = Holvent::GdiPlus::PrevzitBitmapu(Gdiplus::Bitmap::FromFile(cesta.c_str()));
        EXPECT_EQ(b->GetLastStatus(), Gdiplus::Ok) << jmeno.size();
        return b;
    }

    ZaznamZprav zaznam_;
    ZachytavaniVidea zachytavani_;
};

// The live-object counts the leak check compares.
struct Pocty {
    long com, bitmapy, prijemci;
    HRESULT kamera;
    bool operator==(const Pocty&) const = default;
};
Pocty PoctyNyni(const ModulKamery& modul) {
    return {ZiveObjekty::Pocet(ZiveObjekty::Druh::RozhraniCom), ZiveObjekty::Pocet(ZiveObjekty::Druh::BitmapaGdiPlus),
            ZiveObjekty::Pocet(ZiveObjekty::Druh::PrijemceSnimku), modul.MuzeSeUvolnit()};
}

}  // namespace

TEST_F(ZachytavaniTest, PrazdnyZaznamZapnePrvniZarizeni) {
    zachytavani_.Zapnout();
    EXPECT_TRUE(zachytavani_.GrafExistuje());
    EXPECT_EQ(zachytavani_.ZarizeniVideo().friendlyName, kNazevKamery);
    EXPECT_EQ(zachytavani_.Sirka(), 640);
    EXPECT_EQ(zachytavani_.Vyska(), 480);
    ASSERT_EQ(zaznam_.zpravy.size(), 2u);
    EXPECT_EQ(zaznam_.zpravy[0].cislo, kStartGrafu);
    EXPECT_EQ(zaznam_.zpravy[1].cislo, kVysledekGrafu);
    EXPECT_EQ(zaznam_.zpravy[1].lp, 0);
}

TEST_F(ZachytavaniTest, UlozenaCestaBezZarizeniSelzeAZustaneVypnuto) {
    zachytavani_.NastavitZarizeniVideo({L"Odpojená kamera", L"", L"\\\\?\\usb#neni#1"});
    EXPECT_EQ(ChybaZ([&] { zachytavani_.Zapnout(); }), E_FAIL);
    EXPECT_FALSE(zachytavani_.GrafExistuje());
    ASSERT_EQ(zaznam_.zpravy.size(), 2u);
    EXPECT_EQ(zaznam_.zpravy[1].cislo, kVysledekGrafu);
    EXPECT_EQ(static_cast<HRESULT>(zaznam_.zpravy[1].lp), E_FAIL);
    // Off means off: it can be switched on again with a device that exists.
    zachytavani_.NastavitZarizeniVideo({kNazevKamery, L"", kCestaKamery1});
    zachytavani_.Zapnout();
    EXPECT_TRUE(zachytavani_.GrafExistuje());
}

TEST_F(ZachytavaniTest, DruheZapnutiGrafZboriAOhlasiChybu) {
    zachytavani_.Zapnout();
    EXPECT_EQ(ChybaZ([&] { zachytavani_.Zapnout(); }), E_FAIL);
    EXPECT_FALSE(zachytavani_.GrafExistuje());
    EXPECT_EQ(static_cast<HRESULT>(zaznam_.zpravy.back().lp), E_FAIL);
}

TEST_F(ZachytavaniTest, BezGrafuOperaceSelzouSvymKodem) {
    EXPECT_EQ(ChybaZ([&] { zachytavani_.NastavitVelikost(320, 240); }), E_NOINTERFACE);
    EXPECT_EQ(ChybaZ([&] { zachytavani_.NacistFormaty(); }), E_NOINTERFACE);
    EXPECT_EQ(ChybaZ([&] { zachytavani_.SejmoutSnimek(); }), E_NOINTERFACE);
    EXPECT_EQ(ChybaZ([&] { zachytavani_.ZobrazitVlastnostiZarizeni(); }), E_NOINTERFACE);
    EXPECT_FALSE(zachytavani_.VytvoritBitmapu());
    zachytavani_.NastavitPoziciVidea(0, 0, 10, 10);  // nothing to place, no failure
}

TEST_F(ZachytavaniTest, SnimkyDoraziDoSampleCbISejmutim) {
    std::atomic<long> delka{0};
    auto prijemce = PrijemceSnimku::Vytvorit([&](double, const std::uint8_t*, long d) { delka = d; });
    zachytavani_.NastavitPrijemceSnimku(prijemce.get());
    zachytavani_.Zapnout();
    // Straight after switching on there may be no sample yet: then the grab says so.
    const HRESULT hned = ChybaZ([&] { zachytavani_.SejmoutSnimek(); });
    EXPECT_TRUE(hned == S_OK || hned == VFW_E_WRONG_STATE) << std::hex << hned;
    EXPECT_TRUE(Cekat([&] { return prijemce->PocetSnimku() >= 3; }));
    EXPECT_EQ(delka.load(), 640 * 480 * 3);
    EXPECT_EQ(PockatNaSnimek(), S_OK);
    EXPECT_EQ(zachytavani_.HlavickaSnimku().bmiHeader.biWidth, 640);
    EXPECT_EQ(zachytavani_.HlavickaSnimku().bmiHeader.biHeight, 480);
    EXPECT_EQ(zachytavani_.DataSnimku().size(), 640u * 480u * 3u);
    zachytavani_.Vypnout();
    prijemce->Odpojit();
    EXPECT_EQ(prijemce->PocetChyb(), 0);
}

TEST_F(ZachytavaniTest, PruhJeNaSveStraneACerny) {
    zachytavani_.Zapnout();
    ASSERT_EQ(PockatNaSnimek(), S_OK);
    zachytavani_.VybratKoder(1);
    LOGFONTW pismo{};
    ::GetObjectW(::GetStockObject(DEFAULT_GUI_FONT), sizeof pismo, &pismo);
    for (int kod : {kPruhDole, kPruhNahore, kPruhVlevo, kPruhVpravo}) {
        zachytavani_.NastavitPruh(kod, pismo);
        auto b = UlozitANacist(L"pruh.png");
        ASSERT_TRUE(b);
        const int t = zachytavani_.TloustkaPruhu();
        EXPECT_GT(t, 2);
        const bool svisle = kod == kPruhVlevo || kod == kPruhVpravo;
        EXPECT_EQ(b->GetWidth(), static_cast<UINT>(640 + (svisle ? t : 0))) << kod;
        EXPECT_EQ(b->GetHeight(), static_cast<UINT>(480 + (svisle ? 0 : t))) << kod;
        // A pixel in the middle of the strip is black (yellow text), the white bar of the
        // pattern (top left) has moved by the strip.
        const int x = kod == kPruhVlevo ? t / 2 : kod == kPruhVpravo ? 640 + t / 2 : 320;
        const int y = kod == kPruhNahore ? t / 2 : kod == kPruhDole ? 480 + t / 2 : 240;
        Gdiplus::Color c;
        b->GetPixel(x, y, &c);
        EXPECT_EQ(c.GetValue() & 0xFFFFFFu, 0u) << kod;
        b->GetPixel(kod == kPruhVlevo ? t + 2 : 2, kod == kPruhNahore ? t + 2 : 2, &c);
        EXPECT_GT(c.GetR() + c.GetG() + c.GetB(), 450) << kod;
    }
}

TEST_F(ZachytavaniTest, ObsluhaSnimkuMeniBitmapuPredUlozenim) {
    zachytavani_.Zapnout();
    ASSERT_EQ(PockatNaSnimek(), S_OK);
    zaznam_.obsluha = [](UINT zprava, WPARAM, LPARAM lp) -> LRESULT {
        if (zprava != kSnimekHotov || !lp) return 0;
        Gdiplus::Graphics g(reinterpret_cast<Gdiplus::Bitmap*>(lp));
        g.Clear(Gdiplus::Color(255, 0, 0, 255));
        return 0;
    };
    zachytavani_.VybratKoder(2);
    auto b = UlozitANacist(L"upraveny.bmp");
    EXPECT_EQ(zachytavani_.AktualniBitmapa(), nullptr);  // a save without a quality keeps no bitmap
    Gdiplus::Color c;
    b->GetPixel(10, 10, &c);
    EXPECT_EQ(c.GetValue() & 0xFFFFFFu, 0x0000FFu);
    // A failed HRESULT as the handler's result ends the snapshot: no file.
    zaznam_.obsluha = [](UINT zprava, WPARAM, LPARAM) -> LRESULT { return zprava == kSnimekHotov ? E_ACCESSDENIED : 0; };
    const std::wstring cesta = DocasnaSlozka() + L"\\odmitnuty.bmp";
    ::DeleteFileW(cesta.c_str());
    EXPECT_EQ(ChybaZ([&] { zachytavani_.UlozitSnimek(cesta); }), E_ACCESSDENIED);
    EXPECT_EQ(::GetFileAttributesW(cesta.c_str()), INVALID_FILE_ATTRIBUTES);
}

TEST_F(ZachytavaniTest, FormatyAZmenaNaKazdouVelikost) {
    zachytavani_.Zapnout();
    EXPECT_FALSE(zachytavani_.FormatyNacteny());
    ASSERT_EQ(zachytavani_.NacistFormaty(), 0);
    zachytavani_.SeraditFormaty();
    EXPECT_TRUE(zachytavani_.FormatyNacteny());
    const auto formaty = zachytavani_.Formaty().Polozky();
    ASSERT_EQ(formaty.size(), 5u);
    EXPECT_EQ(formaty.front().sirka, 160);
    EXPECT_EQ(formaty.back().sirka, 1920);
    for (const auto& f : formaty) {
        zachytavani_.NastavitVelikost(f.sirka, f.vyska);
        EXPECT_EQ(zachytavani_.Sirka(), f.sirka);
        EXPECT_EQ(zachytavani_.Vyska(), f.vyska);
        ASSERT_EQ(PockatNaSnimek(), S_OK) << f.sirka;
        auto b = zachytavani_.VytvoritBitmapu();
        EXPECT_EQ(b->GetWidth(), static_cast<UINT>(f.sirka));
        EXPECT_EQ(b->GetHeight(), static_cast<UINT>(f.vyska));
    }
    // The graph still runs after the last change.
    OAFilterState stav = State_Stopped;
    zachytavani_.RizeniGrafu()->GetState(5000, &stav);
    EXPECT_EQ(stav, State_Running);
}

TEST_F(ZachytavaniTest, NepodporovanyRozmerNechaVideoBezet) {
    zachytavani_.Zapnout();
    ASSERT_EQ(PockatNaSnimek(), S_OK);
    EXPECT_TRUE(Knihovna::Selhalo(ChybaZ([&] { zachytavani_.NastavitVelikost(333, 222); })));
    EXPECT_EQ(zachytavani_.PosledniChyba(), L"Nepodporovaný rozměr videa");
    EXPECT_EQ(zachytavani_.Sirka(), 640);
    EXPECT_EQ(ChybaZ([&] { zachytavani_.NastavitVelikost(0, 240); }), E_INVALIDARG);
    OAFilterState stav = State_Stopped;
    zachytavani_.RizeniGrafu()->GetState(5000, &stav);
    EXPECT_EQ(stav, State_Running);
    EXPECT_EQ(PockatNaSnimek(), S_OK);
}

TEST_F(ZachytavaniTest, VlastnostiZarizeniBezStranek) {
    zachytavani_.Zapnout();
    EXPECT_EQ(ChybaZ([&] { zachytavani_.ZobrazitVlastnostiZarizeni(); }), E_NOTIMPL);
    EXPECT_TRUE(zachytavani_.GrafExistuje());
}

TEST_F(ZachytavaniTest, ZmenaZarizeniZapnuteGrafPostaviZnovu) {
    zachytavani_.Zapnout();
    ASSERT_EQ(zachytavani_.NacistFormaty(), 0);
    zachytavani_.NastavitZarizeniVideo({kNazevKameryBezObrazu, L"", kCestaKameryBezObrazu});
    EXPECT_TRUE(zachytavani_.GrafExistuje());
    EXPECT_FALSE(zachytavani_.FormatyNacteny());
    EXPECT_TRUE(zachytavani_.Formaty().Prazdny());
    // The device without image controls: none of them, but its camera control (zoom) is there.
    for (const auto& v : zachytavani_.RozsahyObrazu()) EXPECT_FALSE(v.platna);
    EXPECT_TRUE(zachytavani_.RozsahyOvladani()[6].platna);
    EXPECT_EQ(PockatNaSnimek(), S_OK);
}

TEST_F(ZachytavaniTest, PadesatZapnutiNezanechaZiveObjekty) {
    auto prijemce = PrijemceSnimku::Vytvorit([](double, const std::uint8_t*, long) {});
    zachytavani_.NastavitPrijemceSnimku(prijemce.get());
    zachytavani_.Zapnout();
    ASSERT_EQ(PockatNaSnimek(), S_OK);
    zachytavani_.Vypnout();
    const Pocty pred = PoctyNyni(*modul_);
    EXPECT_EQ(pred.kamera, S_OK);  // no object of the camera is alive while off
    for (int i = 0; i < 50; ++i) {
        zachytavani_.Zapnout();
        if (i % 10 == 0) {
            ASSERT_EQ(PockatNaSnimek(), S_OK);
            zachytavani_.VybratKoder(1);
            auto b = zachytavani_.VytvoritBitmapu();
            ASSERT_TRUE(b);
        }
        EXPECT_EQ(modul_->MuzeSeUvolnit(), S_FALSE);
        zachytavani_.Vypnout();
    }
    EXPECT_EQ(PoctyNyni(*modul_), pred);
}

TEST_F(ZachytavaniTest, SnimekStarehoFormatuSeNevyda) {
    zachytavani_.Zapnout();
    ASSERT_EQ(PockatNaSnimek(), S_OK);
    // Stopped, the size changes without a new sample: the grabber still holds a 640 × 480 one,
    // which must not come out as a 320 × 240 picture.
    zachytavani_.RizeniGrafu()->Stop();
    zachytavani_.NastavitVelikost(320, 240);
    EXPECT_EQ(zachytavani_.Sirka(), 320);
    EXPECT_EQ(ChybaZ([&] { zachytavani_.SejmoutSnimek(); }), E_FAIL);
    zachytavani_.RizeniGrafu()->Run();
    EXPECT_EQ(PockatNaSnimek(), S_OK);
    EXPECT_EQ(zachytavani_.DataSnimku().size(), 320u * 240u * 3u);
}

TEST_F(ZachytavaniTest, UlozeniSKvalitouANeexistujiciSlozka) {
    zachytavani_.Zapnout();
    ASSERT_EQ(PockatNaSnimek(), S_OK);
    zachytavani_.VybratKoder(0);
    for (std::uint32_t kvalita : {100u, 101u, 5u}) {
        const std::wstring cesta = DocasnaSlozka() + L"\\kvalita.jpg";
        ::DeleteFileW(cesta.c_str());
        zachytavani_.UlozitSnimek(cesta, kvalita);
        EXPECT_NE(::GetFileAttributesW(cesta.c_str()), INVALID_FILE_ATTRIBUTES) << kvalita;
        // With the quality argument the bitmap stays current until the next grab.
        ASSERT_NE(zachytavani_.AktualniBitmapa(), nullptr);
        EXPECT_EQ(zachytavani_.AktualniBitmapa()->GetWidth(), 640u);
    }
    // The folder is not created: the save fails and says so.
    const std::wstring chybna = DocasnaSlozka() + L"\\neni-slozka\\snimek.jpg";
    EXPECT_TRUE(Knihovna::Selhalo(ChybaZ([&] { zachytavani_.UlozitSnimek(chybna); })));
    EXPECT_EQ(::GetFileAttributesW(chybna.c_str()), INVALID_FILE_ATTRIBUTES);
    EXPECT_EQ(zachytavani_.AktualniBitmapa(), nullptr);
    EXPECT_EQ(ChybaZ([&] { zachytavani_.VybratKoder(5); }), E_INVALIDARG);
}
