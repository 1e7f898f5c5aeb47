#include <gtest/gtest.h>

#include "KameraVGrafu.h"
#include "testkamera/FormatKamery.h"
#include "testkamera/VzorKamery.h"

using namespace TestyKamery;
using TestovaciKamera::FormatKamery;
using TestovaciKamera::VzorKamery;

// The pattern at every size, the clock's and the scenes' drawing and the frame rate: the native tests of the core
// (VzorKamery, CasovaniSnimku); every offered size through the program's capture graph: ZachytavaniTest.

TEST(ProudKamery, VzorkyNesouCasGrafu) {
    ComPtr<IBaseFilter> kamera = OtevritKameru();
    GrafKamery graf(kamera.Get(), PIN_CATEGORY_CAPTURE);
    graf.ulozitHistorii = true;
    ASSERT_EQ(graf.Spustit(), S_OK);
    ASSERT_TRUE(graf.CekatNaSnimky(12));
    graf.Zastavit();
    const auto h = graf.Historie();
    ASSERT_GE(h.size(), 12u);
    for (std::size_t i = 1; i < h.size(); ++i) {
        ASSERT_TRUE(h[i].maCas);
        const REFERENCE_TIME krok = h[i].zacatek - h[i - 1].zacatek;
        EXPECT_GT(krok, 0) << i;
        EXPECT_LT(krok, 10'000'000) << i;
    }
    // Stream time: from the graph clock minus the run start, so it begins near zero.
    EXPECT_GT(h.front().zacatek, -10'000'000);
    EXPECT_LT(h.front().zacatek, 10'000'000);
    const double prumernyKrok = double(h.back().zacatek - h.front().zacatek) / double(h.size() - 1);
    EXPECT_GT(prumernyKrok, 333333 * 0.8);
}

TEST(ProudKamery, ScenaSPohybemSePrepinaZaBehu) {
    PrepinacSceny scena(1);
    ComPtr<IBaseFilter> kamera = OtevritKameru();
    const FormatKamery f{160, 120};
    GrafKamery graf(kamera.Get(), PIN_CATEGORY_PREVIEW, &f);
    ASSERT_EQ(graf.Spustit(), S_OK);
    const auto hodiny = VzorKamery::OblastHodin(f.sirka, f.vyska);
    Snimek predchozi, s;
    const auto vetsinaSeZmenila = [&](const Snimek& ted) {
        const bool ano = !predchozi.data.empty() && Porovnat(predchozi, ted, hodiny).venku > f.sirka * f.vyska / 2;
        predchozi = ted;
        return ano;
    };
    EXPECT_TRUE(graf.CekatNa(vetsinaSeZmenila, s));

    scena.Nastavit(0);
    predchozi = {};
    const auto jenHodiny = [&](const Snimek& ted) {
        const bool ano = !predchozi.data.empty() && Porovnat(predchozi, ted, hodiny).venku == 0;
        predchozi = ted;
        return ano;
    };
    EXPECT_TRUE(graf.CekatNa(jenHodiny, s));
}

TEST(ProudKamery, JasAZoomMeniObrazZaBehu) {
    ComPtr<IBaseFilter> kamera = OtevritKameru();
    const FormatKamery f{160, 120};
    GrafKamery graf(kamera.Get(), PIN_CATEGORY_PREVIEW, &f);
    ASSERT_EQ(graf.Spustit(), S_OK);
    ASSERT_TRUE(graf.CekatNaSnimky(2));
    const double zaklad = graf.Posledni().Prumer();

    ComPtr<IAMVideoProcAmp> obraz;
    ASSERT_EQ(kamera.As(&obraz), S_OK);
    ASSERT_EQ(obraz->Set(VideoProcAmp_Brightness, 40, VideoProcAmp_Flags_Manual), S_OK);
    Snimek s;
    EXPECT_TRUE(graf.CekatNa([&](const Snimek& t) { return t.Prumer() > zaklad + 30; }, s));
    // Automatic mode goes back to the default.
    ASSERT_EQ(obraz->Set(VideoProcAmp_Brightness, 40, VideoProcAmp_Flags_Auto), S_OK);
    EXPECT_TRUE(graf.CekatNa([&](const Snimek& t) { return t.Prumer() < zaklad + 5; }, s));

    ComPtr<IAMCameraControl> ovladani;
    ASSERT_EQ(kamera.As(&ovladani), S_OK);
    ASSERT_EQ(ovladani->Set(CameraControl_Zoom, 200, CameraControl_Flags_Manual), S_OK);
    EXPECT_TRUE(graf.CekatNa([&](const Snimek& t) { return t.Bod(2, 10) == VzorKamery::BarvaPruhu(2); }, s));
}

TEST(ProudKamery, OdmitnuteVzorkyProudNezastavi) {
    ComPtr<IBaseFilter> kamera = OtevritKameru();
    const FormatKamery f{160, 120};
    GrafKamery graf(kamera.Get(), PIN_CATEGORY_CAPTURE, &f);
    ASSERT_EQ(graf.Spustit(), S_OK);
    ASSERT_TRUE(graf.CekatNaSnimky(2));
    // The grabber alone stops: it refuses the camera's samples (and decommits its allocator).
    ASSERT_EQ(graf.Chytac()->Stop(), S_OK);
    ASSERT_TRUE(SUCCEEDED(graf.Chytac()->Pause()));
    ASSERT_TRUE(SUCCEEDED(graf.Chytac()->Run(0)));
    EXPECT_TRUE(graf.CekatNaSnimky(5));
    FILTER_STATE stav;
    EXPECT_EQ(kamera->GetState(0, &stav), S_OK);
    EXPECT_EQ(stav, State_Running);
}

TEST(ProudKamery, OpakovaneSpusteniAZastaveniBezUnikuReferenci) {
    {
        ComPtr<IBaseFilter> kamera = OtevritKameru();
        {
            GrafKamery graf(kamera.Get(), PIN_CATEGORY_PREVIEW);
            for (int i = 0; i < 5; ++i) {
                ASSERT_EQ(graf.Spustit(), S_OK) << i;
                ASSERT_TRUE(graf.CekatNaSnimky(2)) << i;
                if (i == 2) {
                    // Paused and run again, the stream goes on.
                    ASSERT_TRUE(SUCCEEDED(graf.Rizeni()->Pause()));
                    ASSERT_TRUE(SUCCEEDED(graf.Rizeni()->Run()));
                    ASSERT_TRUE(graf.CekatNaSnimky(2)) << i;
                }
                graf.Zastavit();
            }
        }
        // The same filter in a second graph once the first is gone.
        GrafKamery graf(kamera.Get(), PIN_CATEGORY_CAPTURE);
        ASSERT_EQ(graf.Spustit(), S_OK);
        ASSERT_TRUE(graf.CekatNaSnimky(2));
        EXPECT_EQ(MuzeSeUvolnit(), S_FALSE);
    }
    // Every object of the DLL (filter, pin, enumerators, class factory) has been released.
    EXPECT_EQ(MuzeSeUvolnit(), S_OK);
}

TEST(ProudKamery, ZmenaFormatuSpojenehoPinuHoOpravduPrepoji) {
    ComPtr<IBaseFilter> kamera = OtevritKameru();
    const FormatKamery f{160, 120};
    GrafKamery graf(kamera.Get(), PIN_CATEGORY_CAPTURE, &f);
    AM_MEDIA_TYPE* mt = nullptr;
    VIDEO_STREAM_CONFIG_CAPS caps{};
    ASSERT_EQ(graf.Konfigurace()->GetStreamCaps(1, &mt, reinterpret_cast<BYTE*>(&caps)), S_OK);
    const HRESULT hr = graf.Konfigurace()->SetFormat(mt);
    ::CoTaskMemFree(mt->pbFormat);
    ::CoTaskMemFree(mt);
    ASSERT_EQ(hr, S_OK);
    // Both ends of the camera's connection carry the new size (what lies beyond the peer, a Smart
    // Tee under Wine, keeps its own: the program rebuilds the graph after a size change).
    ComPtr<IPin> pin;
    ASSERT_EQ(graf.Konfigurace()->QueryInterface(IID_PPV_ARGS(&pin)), S_OK);
    ComPtr<IPin> protejsek;
    ASSERT_EQ(pin->ConnectedTo(&protejsek), S_OK);
    for (IPin* p : {pin.Get(), protejsek.Get()}) {
        AM_MEDIA_TYPE typ{};
        ASSERT_EQ(p->ConnectionMediaType(&typ), S_OK);
        const auto* info = reinterpret_cast<const VIDEOINFOHEADER*>(typ.pbFormat);
        EXPECT_EQ(info->bmiHeader.biWidth, 320);
        EXPECT_EQ(info->bmiHeader.biHeight, 240);
        ::CoTaskMemFree(typ.pbFormat);
        if (typ.pUnk) typ.pUnk->Release();
    }
}

TEST(ProudKamery, DveZarizeniStejnehoNazvuSeLisiVObraze) {
    DalsiZarizeni dalsi;
    ASSERT_TRUE(dalsi.Zaregistrovano());
    auto kamery = ZarizeniSNazvem(kNazev);
    ASSERT_EQ(kamery.size(), 2u);
    const FormatKamery f{160, 120};
    const auto hodiny = VzorKamery::OblastHodin(f.sirka, f.vyska);
    const int y = hodiny.top + 2 + 6;  // the bottom row of the glyphs (scale 1 at 120 lines)
    std::vector<TestovaciKamera::Bgr> k, cislice;
    for (auto& z : kamery) {
        ComPtr<IBaseFilter> kamera;
        ASSERT_EQ(z.moniker->BindToObject(nullptr, nullptr, IID_PPV_ARGS(&kamera)), S_OK);
        GrafKamery graf(kamera.Get(), PIN_CATEGORY_PREVIEW, &f);
        ASSERT_EQ(graf.Spustit(), S_OK);
        ASSERT_TRUE(graf.CekatNaSnimky(2));
        const Snimek s = graf.Posledni();
        // "HH:MM:SS #NNNNNN K<n>": the K at character 17, the device number at 18.
        k.push_back(s.Bod(2 + 17 * 6, y));
        cislice.push_back(s.Bod(2 + 18 * 6, y));
    }
    const TestovaciKamera::Bgr bila{235, 235, 235};
    EXPECT_EQ(k[0], bila);
    EXPECT_EQ(k[1], bila);
    // The bottom row of "1" starts one column in, that of "2" at the left edge.
    EXPECT_NE(cislice[0] == bila, cislice[1] == bila);
}
