#include <gtest/gtest.h>

#include "KameraVGrafu.h"
#include "testkamera/FormatKamery.h"

using namespace TestyKamery;
using TestovaciKamera::FormatKamery;
using TestovaciKamera::NabizeneFormaty;

namespace {

ComPtr<IPin> PrvniPin(IBaseFilter* filtr) {
    ComPtr<IEnumPins> piny;
    EXPECT_EQ(filtr->EnumPins(&piny), S_OK);
    IPin* pin = nullptr;
    EXPECT_EQ(piny->Next(1, &pin, nullptr), S_OK);
    ComPtr<IPin> p(pin);
    if (pin) pin->Release();
    EXPECT_EQ(piny->Next(1, &pin, nullptr), S_FALSE);  // one pin only
    return p;
}

FormatKamery FormatTypu(const AM_MEDIA_TYPE* mt) {
    const auto* info = reinterpret_cast<const VIDEOINFOHEADER*>(mt->pbFormat);
    return {info->bmiHeader.biWidth, info->bmiHeader.biHeight, info->AvgTimePerFrame};
}

void SmazatTyp(AM_MEDIA_TYPE* mt) {
    ::CoTaskMemFree(mt->pbFormat);
    ::CoTaskMemFree(mt);
}

}  // namespace

TEST(ZarizeniKamery, ZarizeniJsouVSeznamuSeTremiVlastnostmi) {
    // The fixture leaves exactly one device.
    ASSERT_EQ(ZarizeniSNazvem(kNazev).size(), 1u);
    EXPECT_TRUE(ZarizeniSNazvem(kNazevBezObrazu).empty());
    DalsiZarizeni dalsi;
    ASSERT_TRUE(dalsi.Zaregistrovano());
    const auto kamery = ZarizeniSNazvem(kNazev);
    // Two registered devices with one name both appear, each with its own path.
    ASSERT_EQ(kamery.size(), 2u);
    EXPECT_NE(kamery[0].cesta, kamery[1].cesta);
    for (const auto& k : kamery) {
        EXPECT_EQ(k.cesta.rfind(L"\\\\?\\root#tervik#testovaci-kamera-", 0), 0u) << k.cesta.c_str();
        EXPECT_FALSE(k.popis.empty());
        ComPtr<IBaseFilter> filtr;
        ASSERT_EQ(k.moniker->BindToObject(nullptr, nullptr, IID_PPV_ARGS(&filtr)), S_OK);
        CLSID clsid;
        EXPECT_EQ(filtr->GetClassID(&clsid), S_OK);
    }
    ASSERT_EQ(ZarizeniSNazvem(kNazevBezObrazu).size(), 1u);
    EXPECT_EQ(MuzeSeUvolnit(), S_OK);
}

TEST(ZarizeniKamery, OdregistraceOdstraniZarizeni) {
    ASSERT_EQ(Regsvr32(L"/s /u"), 0u);
    EXPECT_TRUE(ZarizeniSNazvem(kNazev).empty());
    EXPECT_TRUE(ZarizeniSNazvem(kNazevBezObrazu).empty());
    ASSERT_EQ(Regsvr32(L"/s"), 0u);
    EXPECT_EQ(ZarizeniSNazvem(kNazev).size(), 1u);
    // DllInstall: a count keeps exactly that many devices; an unknown word is refused.
    ASSERT_EQ(Regsvr32(L"/s /n /i:3"), 0u);
    EXPECT_EQ(ZarizeniSNazvem(kNazev).size(), 3u);
    EXPECT_NE(Regsvr32(L"/s /n /i:mnoho"), 0u);
    ASSERT_EQ(Regsvr32(L"/s /i:1,bezobrazu"), 0u);
    EXPECT_EQ(ZarizeniSNazvem(kNazev).size(), 1u);
    EXPECT_EQ(ZarizeniSNazvem(kNazevBezObrazu).size(), 1u);
    ASSERT_EQ(Regsvr32(L"/s /u /n /i:bezobrazu"), 0u);
    EXPECT_TRUE(ZarizeniSNazvem(kNazevBezObrazu).empty());
    EXPECT_EQ(ZarizeniSNazvem(kNazev).size(), 1u);
}

TEST(ZarizeniKamery, PinJeZachytavaciAHlasiSchopnosti) {
    ComPtr<IBaseFilter> filtr = OtevritKameru();
    ComPtr<IPin> pin = PrvniPin(filtr.Get());
    ASSERT_TRUE(pin);
    PIN_DIRECTION smer;
    EXPECT_EQ(pin->QueryDirection(&smer), S_OK);
    EXPECT_EQ(smer, PINDIR_OUTPUT);

    ComPtr<IKsPropertySet> ks;
    ASSERT_EQ(pin.As(&ks), S_OK);
    GUID kategorie{};
    DWORD vraceno = 0;
    ASSERT_EQ(ks->Get(AMPROPSETID_Pin, AMPROPERTY_PIN_CATEGORY, nullptr, 0, &kategorie, sizeof kategorie, &vraceno), S_OK);
    EXPECT_EQ(kategorie, PIN_CATEGORY_CAPTURE);
    EXPECT_EQ(vraceno, sizeof(GUID));
    DWORD podpora = 0;
    EXPECT_EQ(ks->QuerySupported(AMPROPSETID_Pin, AMPROPERTY_PIN_CATEGORY, &podpora), S_OK);
    EXPECT_EQ(podpora, static_cast<DWORD>(KSPROPERTY_SUPPORT_GET));
    EXPECT_EQ(ks->Get(AMPROPSETID_Pin, AMPROPERTY_PIN_CATEGORY, nullptr, 0, &kategorie, 2, &vraceno), E_UNEXPECTED);

    ComPtr<IAMStreamConfig> konfigurace;
    ASSERT_EQ(pin.As(&konfigurace), S_OK);
    int pocet = 0, velikost = 0;
    ASSERT_EQ(konfigurace->GetNumberOfCapabilities(&pocet, &velikost), S_OK);
    EXPECT_EQ(pocet, 5);
    EXPECT_EQ(velikost, 128);
    for (int i = 0; i < pocet; ++i) {
        AM_MEDIA_TYPE* mt = nullptr;
        VIDEO_STREAM_CONFIG_CAPS caps{};
        ASSERT_EQ(konfigurace->GetStreamCaps(i, &mt, reinterpret_cast<BYTE*>(&caps)), S_OK);
        EXPECT_EQ(mt->subtype, MEDIASUBTYPE_RGB24);
        const FormatKamery f = FormatTypu(mt);
        EXPECT_EQ(f, NabizeneFormaty()[i]);
        EXPECT_GT(reinterpret_cast<const VIDEOINFOHEADER*>(mt->pbFormat)->bmiHeader.biHeight, 0);  // bottom-up
        EXPECT_EQ(caps.MaxOutputSize.cx, f.sirka);
        EXPECT_EQ(caps.MinFrameInterval, 333333);  // at most 30 frames/s
        SmazatTyp(mt);
    }
    AM_MEDIA_TYPE* mt = nullptr;
    VIDEO_STREAM_CONFIG_CAPS caps{};
    EXPECT_EQ(konfigurace->GetStreamCaps(pocet, &mt, reinterpret_cast<BYTE*>(&caps)), S_FALSE);
}

TEST(ZarizeniKamery, NastavenyFormatSeNabiziPrvni) {
    ComPtr<IBaseFilter> filtr = OtevritKameru();
    ComPtr<IPin> pin = PrvniPin(filtr.Get());
    ComPtr<IAMStreamConfig> konfigurace;
    ASSERT_EQ(pin.As(&konfigurace), S_OK);
    AM_MEDIA_TYPE* mt = nullptr;
    ASSERT_EQ(konfigurace->GetStreamCaps(1, &mt, std::vector<BYTE>(128).data()), S_OK);
    ASSERT_EQ(konfigurace->SetFormat(mt), S_OK);
    auto* info = reinterpret_cast<VIDEOINFOHEADER*>(mt->pbFormat);
    // Refused: a size it does not have, 60 frames/s, top-down; the format stays.
    info->bmiHeader.biWidth = 321;
    EXPECT_TRUE(FAILED(konfigurace->SetFormat(mt)));
    info->bmiHeader.biWidth = 320;
    info->AvgTimePerFrame = 166666;
    EXPECT_TRUE(FAILED(konfigurace->SetFormat(mt)));
    info->AvgTimePerFrame = 333333;
    info->bmiHeader.biHeight = -240;
    EXPECT_TRUE(FAILED(konfigurace->SetFormat(mt)));
    SmazatTyp(mt);

    ASSERT_EQ(konfigurace->GetFormat(&mt), S_OK);
    EXPECT_EQ(FormatTypu(mt), NabizeneFormaty()[1]);
    SmazatTyp(mt);
    ComPtr<IEnumMediaTypes> typy;
    ASSERT_EQ(pin->EnumMediaTypes(&typy), S_OK);
    AM_MEDIA_TYPE* prvni[8] = {};
    ULONG n = 0;
    EXPECT_EQ(typy->Next(8, prvni, &n), S_FALSE);
    ASSERT_EQ(n, 5u);
    EXPECT_EQ(FormatTypu(prvni[0]), NabizeneFormaty()[1]);
    for (ULONG i = 0; i < n; ++i) SmazatTyp(prvni[i]);
}

TEST(ZarizeniKamery, StavyFiltruAPocitaniReferenci) {
    {
        ComPtr<IBaseFilter> filtr = OtevritKameru();
        EXPECT_EQ(MuzeSeUvolnit(), S_FALSE);
        // Unconnected, the filter still goes through its states; paused it cannot cue.
        EXPECT_EQ(filtr->Pause(), S_OK);
        FILTER_STATE stav;
        EXPECT_EQ(filtr->GetState(0, &stav), VFW_S_CANT_CUE);
        EXPECT_EQ(stav, State_Paused);
        EXPECT_EQ(filtr->Run(0), S_OK);
        EXPECT_EQ(filtr->GetState(0, &stav), S_OK);
        EXPECT_EQ(stav, State_Running);
        EXPECT_EQ(filtr->Stop(), S_OK);
        EXPECT_EQ(filtr->GetState(0, &stav), S_OK);
        EXPECT_EQ(stav, State_Stopped);

        ComPtr<IAMFilterMiscFlags> priznaky;
        ASSERT_EQ(filtr.As(&priznaky), S_OK);
        EXPECT_EQ(priznaky->GetMiscFlags(), static_cast<ULONG>(AM_FILTER_MISC_FLAGS_IS_SOURCE));
        IPin* nalezeny = nullptr;
        EXPECT_EQ(filtr->FindPin(L"Zachytávání", &nalezeny), S_OK);
        if (nalezeny) nalezeny->Release();
        EXPECT_EQ(filtr->FindPin(L"Capture", &nalezeny), VFW_E_NOT_FOUND);
        // Enumerators and the pin keep the filter: released in any order, nothing stays.
        ComPtr<IEnumPins> piny;
        ASSERT_EQ(filtr->EnumPins(&piny), S_OK);
        ComPtr<IEnumPins> kopie;
        ASSERT_EQ(piny->Clone(&kopie), S_OK);
        ComPtr<IPin> pin = PrvniPin(filtr.Get());
        filtr.Reset();
        PIN_INFO info{};
        ASSERT_EQ(pin->QueryPinInfo(&info), S_OK);
        EXPECT_STREQ(info.achName, L"Zachytávání");
        info.pFilter->Release();
        EXPECT_EQ(MuzeSeUvolnit(), S_FALSE);
    }
    EXPECT_EQ(MuzeSeUvolnit(), S_OK);
}

TEST(ZarizeniKamery, ObrazoveVlastnostiARizeniKamery) {
    ComPtr<IBaseFilter> filtr = OtevritKameru();
    ComPtr<IAMVideoProcAmp> obraz;
    ASSERT_EQ(filtr.As(&obraz), S_OK);
    for (long p : {VideoProcAmp_Brightness, VideoProcAmp_Contrast, VideoProcAmp_Hue, VideoProcAmp_Saturation,
                   VideoProcAmp_Sharpness}) {
        long min = 0, max = 0, krok = 0, vychozi = 0, priznaky = 0;
        ASSERT_EQ(obraz->GetRange(p, &min, &max, &krok, &vychozi, &priznaky), S_OK) << p;
        EXPECT_LT(min, max);
        EXPECT_EQ(priznaky, VideoProcAmp_Flags_Auto | VideoProcAmp_Flags_Manual);
        EXPECT_EQ(obraz->Set(p, max + krok, VideoProcAmp_Flags_Manual), E_INVALIDARG);
        EXPECT_EQ(obraz->Set(p, max, VideoProcAmp_Flags_Manual), S_OK);
        long hodnota = 0, priznak = 0;
        EXPECT_EQ(obraz->Get(p, &hodnota, &priznak), S_OK);
        EXPECT_EQ(hodnota, max);
    }
    long a, b, c, d, e;
    EXPECT_EQ(obraz->GetRange(VideoProcAmp_Gamma, &a, &b, &c, &d, &e), E_PROP_ID_UNSUPPORTED);
    ComPtr<IAMCameraControl> ovladani;
    ASSERT_EQ(filtr.As(&ovladani), S_OK);
    for (long p : {CameraControl_Zoom, CameraControl_Focus}) {
        EXPECT_EQ(ovladani->GetRange(p, &a, &b, &c, &d, &e), S_OK) << p;
    }
    EXPECT_EQ(ovladani->GetRange(CameraControl_Pan, &a, &b, &c, &d, &e), E_PROP_ID_UNSUPPORTED);
    EXPECT_EQ(ovladani->Set(CameraControl_Zoom, 100, CameraControl_Flags_Auto), E_INVALIDARG);
}
