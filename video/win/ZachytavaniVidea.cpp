#include "video/win/ZachytavaniVidea.h"

#include <cstdlib>
#include <cstring>

#include "video/KoderyObrazu.h"
#include "video/PruhSnimku.h"
#include "video/RozvrzeniVidea.h"
#include "video/ZdrojFormatu.h"
#include "video/win/HledaniZarizeni.h"
#include "video/win/TypyMedii.h"
#include "video/win/VyctiZarizeni.h"

namespace Holvent::DirectShow {

using Knihovna::kE_FAIL;
using Knihovna::kE_INVALIDARG;
using Knihovna::kE_NOINTERFACE;
using Knihovna::kE_NOTIMPL;
using Knihovna::kE_POINTER;
using Knihovna::Vyhodit;
using Knihovna::VyhoditPriChybe;

namespace {

constexpr const wchar_t* kTextNepodporovanyRozmer = L"Nepodporovaný rozměr videa";
constexpr const wchar_t* kTextChybiRizeni = L"Není k dispozici rozhraní IMediaControl";
constexpr DWORD kCekaniNaStav = 5000;

// The stream configuration and graph of a running capture object, for reading its format list.
class ZdrojFormatuGrafu final : public ZdrojFormatu {
public:
    ZdrojFormatuGrafu(IMediaControl* rizeni, IAMStreamConfig* konfigurace) : rizeni_(rizeni), konfigurace_(konfigurace) {}

    void Zastavit() override {
        if (rizeni_) rizeni_->StopWhenReady();
    }
    void Spustit() override {
        if (rizeni_) rizeni_->Run();
    }
    Knihovna::Hresult PocetSchopnosti(int& pocet, int& velikost) override {
        return konfigurace_->GetNumberOfCapabilities(&pocet, &velikost);
    }
    bool Schopnost(int index, FormatVidea& format) override {
        VIDEO_STREAM_CONFIG_CAPS schopnosti{};
        AM_MEDIA_TYPE* typ = nullptr;
        if (FAILED(konfigurace_->GetStreamCaps(index, &typ, reinterpret_cast<BYTE*>(&schopnosti))) || !typ) return false;
        UklidTypu uklid{typ};
        if (typ->majortype != MEDIATYPE_Video && typ->majortype != MEDIATYPE_AnalogVideo) return false;
        static_assert(sizeof schopnosti == kVelikostSchopnosti);
        format.sirka = schopnosti.InputSize.cx;
        format.vyska = schopnosti.InputSize.cy;
        format.minInterval = schopnosti.MinFrameInterval;
        std::memcpy(format.schopnosti.data(), &schopnosti, sizeof schopnosti);
        return true;
    }

private:
    IMediaControl* rizeni_;
    IAMStreamConfig* konfigurace_;
};

}  // namespace

ZachytavaniVidea::ZachytavaniVidea() { Resetovat(); }

ZachytavaniVidea::~ZachytavaniVidea() {
    Vypnout();
    bitmapa_.reset();
}

void ZachytavaniVidea::Resetovat() {
    Vypnout();
    bitmapa_.reset();
    std::vector<std::uint8_t>().swap(buffer_);
    hlavicka_ = {};
    prijemce_.Uvolnit();
    NacistKodery();
    vybranyKoder_ = 0;
    obraz_ = VychoziVlastnostiObrazu();
    ovladani_ = VychoziVlastnostiOvladani();
    formaty_.Vymazat();
    formatyNacteny_ = false;
    cil_ = nullptr;
    zpravaSnimek_ = zpravaStart_ = zpravaVysledek_ = 0;
    vlastnik_ = nullptr;
    posledniChyba_.clear();
    souborZaznamu_.clear();
    souborProfilu_.clear();
    hlavniProudAvi_ = -1;
    indexWmv_ = true;
    sirka_ = vyska_ = -1;
    kodPruhu_ = kPruhZadny;
    tloustkaPruhu_ = kVychoziTloustkaPruhu;
    barvaTextu_[0] = 255;
    barvaTextu_[1] = 255;
    barvaTextu_[2] = 0;
    pismo_ = LOGFONTW{};
    ::GetObjectW(::GetStockObject(DEFAULT_GUI_FONT), sizeof pismo_, &pismo_);
    zarizeniVideo_ = {};
    zarizeniZvuk_ = {};
}

void ZachytavaniVidea::UvolnitVse() {
    Vypnout();
    bitmapa_.reset();
    std::vector<std::uint8_t>().swap(buffer_);
    prijemce_.Uvolnit();
    kodery_ = {};
}

void ZachytavaniVidea::NacistKodery() {
    kodery_ = {};
    UINT pocet = 0, velikost = 0;
    // Without GDI+ started (or without encoders) the table stays empty and saving says so.
    if (Gdiplus::GetImageEncodersSize(&pocet, &velikost) != Gdiplus::Ok || pocet == 0 || velikost == 0) return;
    std::vector<std::uint8_t> pamet(velikost);
    auto* info = reinterpret_cast<Gdiplus::ImageCodecInfo*>(pamet.data());
    if (Gdiplus::GetImageEncoders(pocet, velikost, info) != Gdiplus::Ok) return;
    for (UINT i = 0; i < pocet; ++i) {
        if (!info[i].MimeType) continue;
        const int index = IndexKoderu(info[i].MimeType);
        if (index < 0 || kodery_[static_cast<size_t>(index)].nalezen) continue;
        kodery_[static_cast<size_t>(index)] = Koder{info[i].Clsid, true};
    }
}

void ZachytavaniVidea::VybratPrvniZarizeni() {
    SeznamZarizeni zarizeni;
    NacistZarizeniVideo(zarizeni);
    if (zarizeni.empty()) return;
    if (::lstrcmpiW(zarizeni.front().devicePath.c_str(), zarizeniVideo_.devicePath.c_str()) != 0) {
        formaty_.Vymazat();
        formatyNacteny_ = false;
    }
    zarizeniVideo_ = zarizeni.front();
}

void ZachytavaniVidea::NastavitZarizeniVideo(const InfoZarizeni& zarizeni) {
    const bool zmena = ::lstrcmpiW(zarizeni.devicePath.c_str(), zarizeniVideo_.devicePath.c_str()) != 0;
    zarizeniVideo_ = zarizeni;
    if (!zmena) return;
    formaty_.Vymazat();
    formatyNacteny_ = false;
    if (GrafExistuje()) {
        Vypnout();
        Zapnout();
    }
}

void ZachytavaniVidea::NastavitZarizeniZvuk(const InfoZarizeni& zarizeni) { zarizeniZvuk_ = zarizeni; }

void ZachytavaniVidea::NastavitCil(HWND cil, UINT zpravaSnimek, UINT zpravaStart, UINT zpravaVysledek) {
    cil_ = cil;
    zpravaSnimek_ = zpravaSnimek;
    zpravaStart_ = zpravaStart;
    zpravaVysledek_ = zpravaVysledek;
}

void ZachytavaniVidea::NastavitPrijemceSnimku(PrijemceSnimku* prijemce) {
    prijemce_ = UkazatelCom<PrijemceSnimku>(prijemce);
    if (grabber_) VyhoditPriChybe(grabber_->SetCallback(prijemce, 0));
}

void ZachytavaniVidea::NastavitPruh(int kod, const LOGFONTW& pismo) {
    kodPruhu_ = kod;
    pismo_ = pismo;
}

void ZachytavaniVidea::NastavitBarvuTextu(std::uint8_t r, std::uint8_t g, std::uint8_t b) {
    barvaTextu_[0] = r;
    barvaTextu_[1] = g;
    barvaTextu_[2] = b;
}

void ZachytavaniVidea::VybratKoder(int index) {
    if (index < 0 || index >= kPocetKoderu) Vyhodit(kE_INVALIDARG);
    vybranyKoder_ = index;
}

void ZachytavaniVidea::Oznamit(UINT zprava, LPARAM lp) {
    if (cil_ && zprava) ::SendMessageW(cil_, zprava, 0, lp);
}

// ---------------------------------------------------------------- switching on and off

void ZachytavaniVidea::Zapnout() {
    Oznamit(zpravaStart_, 0);
    try {
        ZapnoutKroky();
    } catch (...) {
        const Knihovna::Hresult hr = Knihovna::HresultAktualniVyjimky();
        Vypnout();
        Oznamit(zpravaVysledek_, static_cast<LPARAM>(hr));
        throw;
    }
    Oznamit(zpravaVysledek_, 0);
}

void ZachytavaniVidea::ZapnoutKroky() {
    if (stavitel_) Vyhodit(kE_FAIL);
    ++generaceGrafu_;
    if (zarizeniVideo_.friendlyName.empty()) VybratPrvniZarizeni();
    if (zarizeniVideo_.friendlyName.empty()) Vyhodit(kE_NOINTERFACE);

    VyhoditPriChybe(::CoCreateInstance(CLSID_CaptureGraphBuilder2, nullptr, CLSCTX_INPROC_SERVER,
                                       IID_ICaptureGraphBuilder2, stavitel_.put()));
    const HRESULT hrGrafu =
        ::CoCreateInstance(CLSID_FilterGraph, nullptr, CLSCTX_INPROC_SERVER, IID_IGraphBuilder, graf_.put());
    if (FAILED(hrGrafu)) {
        stavitel_.Uvolnit();
        Vyhodit(hrGrafu);
    }
    VyhoditPriChybe(stavitel_->SetFiltergraph(graf_.get()));
    VyhoditPriChybe(graf_.Dotaz(IID_IMediaControl, rizeni_));
    VyhoditPriChybe(graf_.Dotaz(IID_IVideoWindow, oknoVidea_));
    VyhoditPriChybe(graf_.Dotaz(IID_IMediaEventEx, udalosti_));
    // A device that goes away tells the window (EC_DEVICE_LOST, EC_ERRORABORT) instead of freezing unnoticed.
    if (cil_ && zpravaUdalosti_)
        VyhoditPriChybe(udalosti_->SetNotifyWindow(reinterpret_cast<OAHWND>(cil_), static_cast<long>(zpravaUdalosti_), 0));

    filtrVidea_ = NajitZarizeniVidea(zarizeniVideo_);
    VyhoditPriChybe(graf_->AddFilter(filtrVidea_.get(), L"Cap"));

    VyhoditPriChybe(::CoCreateInstance(CLSID_SampleGrabber, nullptr, CLSCTX_INPROC_SERVER, IID_IBaseFilter,
                                       filtrGrabberu_.put()));
    VyhoditPriChybe(filtrGrabberu_.Dotaz(IID_ISampleGrabber, grabber_));
    AM_MEDIA_TYPE typ{};
    typ.majortype = MEDIATYPE_Video;
    typ.subtype = MEDIASUBTYPE_RGB24;
    typ.formattype = GUID_NULL;
    VyhoditPriChybe(grabber_->SetMediaType(&typ));

    // A device with a video port pin gets a null renderer in the graph, as capture devices of
    // that kind expect one (the program does not connect it).
    UkazatelCom<IPin> portVidea;
    if (stavitel_->FindPin(filtrVidea_.get(), PINDIR_OUTPUT, &PIN_CATEGORY_VIDEOPORT, nullptr, FALSE, 0,
                           portVidea.put()) == S_OK &&
        portVidea) {
        VyhoditPriChybe(::CoCreateInstance(CLSID_NullRenderer, nullptr, CLSCTX_INPROC_SERVER, IID_IBaseFilter,
                                           nullRenderer_.put()));
        VyhoditPriChybe(graf_->AddFilter(nullRenderer_.get(), L"NULL renderer"));
    }

    PostavitNahled();
    PripojitOknoVidea();
    NacistAktualniFormat();
    NacistVlastnosti();
    ZobrazitRenderer();

    if (!rizeni_) {
        posledniChyba_ = kTextChybiRizeni;
        Vyhodit(kE_NOINTERFACE);
    }
    VyhoditPriChybe(rizeni_->Run());
}

void ZachytavaniVidea::PostavitNahled() {
    VyhoditPriChybe(graf_->AddFilter(filtrGrabberu_.get(), L"Grabber"));
    const HRESULT hr = stavitel_->RenderStream(&PIN_CATEGORY_PREVIEW, &MEDIATYPE_Interleaved, filtrVidea_.get(),
                                               filtrGrabberu_.get(), nullptr);
    if (FAILED(hr)) {
        VyhoditPriChybe(stavitel_->RenderStream(&PIN_CATEGORY_PREVIEW, &MEDIATYPE_Video, filtrVidea_.get(),
                                                filtrGrabberu_.get(), nullptr));
    }
    AM_MEDIA_TYPE pripojeny{};
    VyhoditPriChybe(grabber_->GetConnectedMediaType(&pripojeny));
    UvolnitObsahTypu(pripojeny);
    grabber_->SetBufferSamples(TRUE);
    grabber_->SetOneShot(FALSE);
    // The grabs need to know whether frames still come, with or without the camera's callback.
    if (!prijemce_) prijemce_ = PrijemceSnimku::Vytvorit({});
    VyhoditPriChybe(grabber_->SetCallback(prijemce_.get(), 0));
}

void ZachytavaniVidea::PripojitOknoVidea() {
    oknoVidea_->put_WindowStyle(WS_CHILD);
    VyhoditPriChybe(oknoVidea_->put_Owner(reinterpret_cast<OAHWND>(vlastnik_)));
    oknoVidea_->SetWindowPosition(0, 0, 0, 0);
}

void ZachytavaniVidea::ZobrazitRenderer() {
    oknoVidea_->put_MessageDrain(reinterpret_cast<OAHWND>(vlastnik_));
    UmistitRenderer();
    oknoVidea_->put_Visible(OATRUE);
}

void ZachytavaniVidea::UmistitRenderer() {
    if (!oknoVidea_) return;
    int sirka = 0, vyska = 0;
    VelikostRendereru(sirka_, vyska_, sirka, vyska);
    oknoVidea_->SetWindowPosition(0, 0, sirka, vyska);
}

UkazatelCom<IAMStreamConfig> ZachytavaniVidea::NajitKonfiguraciProudu(bool& nahled, bool vyhodit) {
    UkazatelCom<IAMStreamConfig> konfigurace;
    nahled = true;
    if (SUCCEEDED(stavitel_->FindInterface(&PIN_CATEGORY_PREVIEW, nullptr, filtrVidea_.get(), IID_IAMStreamConfig,
                                           konfigurace.put())) &&
        konfigurace)
        return konfigurace;
    nahled = false;
    const HRESULT hr = stavitel_->FindInterface(&PIN_CATEGORY_CAPTURE, &MEDIATYPE_Video, filtrVidea_.get(),
                                                IID_IAMStreamConfig, konfigurace.put());
    if (SUCCEEDED(hr) && konfigurace) return konfigurace;
    konfigurace.Uvolnit();
    if (vyhodit) Vyhodit(FAILED(hr) ? hr : kE_NOINTERFACE);
    return konfigurace;
}

void ZachytavaniVidea::NacistAktualniFormat() {
    bool nahled = false;
    auto konfigurace = NajitKonfiguraciProudu(nahled, true);
    AM_MEDIA_TYPE* typ = nullptr;
    const HRESULT hr = konfigurace->GetFormat(&typ);
    UklidTypu uklid{typ};
    if (FAILED(hr) || !typ) {
        if (nahled) return;
        Vyhodit(FAILED(hr) ? hr : kE_POINTER);
    }
    // A format without a bitmap header tells no size: the current one stays.
    if (const BITMAPINFOHEADER* h = HlavickaTypu(*typ)) {
        sirka_ = h->biWidth;
        vyska_ = h->biHeight;
    }
}

void ZachytavaniVidea::NacistVlastnosti() {
    obraz_ = VychoziVlastnostiObrazu();
    UkazatelCom<IAMVideoProcAmp> amp;
    // Many cheap devices have no image controls; they are switched on all the same, with
    // invalid records.
    if (SUCCEEDED(filtrVidea_.Dotaz(IID_IAMVideoProcAmp, amp)) && amp) {
        for (auto& v : obraz_) {
            long min = 0, max = 0, krok = 0, vychozi = 0, priznaky = 0;
            v.platna = SUCCEEDED(amp->GetRange(v.idVlastnosti, &min, &max, &krok, &vychozi, &priznaky));
            if (!v.platna) continue;
            v.min = min;
            v.max = max;
            v.krok = krok;
            v.vychozi = vychozi;
            v.priznaky = priznaky;
            long hodnota = 0;
            VyhoditPriChybe(amp->Get(v.idVlastnosti, &hodnota, &priznaky));
            v.hodnota = hodnota;
            v.priznaky = priznaky;
        }
    }
    // Records of an earlier device must not look valid for this one.
    ovladani_ = VychoziVlastnostiOvladani();
    UkazatelCom<IAMCameraControl> kamera;
    if (FAILED(filtrVidea_.Dotaz(IID_IAMCameraControl, kamera)) || !kamera) return;
    for (auto& v : ovladani_) {
        long min = 0, max = 0, krok = 0, vychozi = 0, schopnosti = 0;
        v.platna = SUCCEEDED(kamera->GetRange(v.idVlastnosti, &min, &max, &krok, &vychozi, &schopnosti));
        if (!v.platna) continue;
        v.min = min;
        v.max = max;
        v.krok = krok;
        v.vychozi = vychozi;
        v.priznakySchopnosti = schopnosti;
        long hodnota = 0, priznaky = 0;
        kamera->Get(v.idVlastnosti, &hodnota, &priznaky);
        v.hodnota = hodnota;
        v.priznaky = priznaky;
    }
}

void ZachytavaniVidea::Vypnout() {
    // A running recording is finished first: its file gets the multiplexer's header and index.
    DokoncitSoubor();
    if (stavitel_ || graf_) ++generaceGrafu_;
    if (oknoVidea_) {
        // Hidden before it loses its owner, so it never shows as a window of its own.
        oknoVidea_->put_Visible(OAFALSE);
        oknoVidea_->put_Owner(0);
        oknoVidea_->put_MessageDrain(0);
        oknoVidea_.Uvolnit();
    }
    if (rizeni_) rizeni_->Stop();
    // After a failed Run some filters may still be running; a graph released in that state
    // never finishes its release.
    ZastavitVsechnyFiltry();
    if (grabber_) grabber_->SetCallback(nullptr, 0);
    if (graf_) {
        if (filtrVidea_) OdstranitZaFiltrem(filtrVidea_.get());
        if (filtrZvuku_) OdstranitZaFiltrem(filtrZvuku_.get());
    }
    konfiguraceAviMux_.Uvolnit();
    if (multiplexer_ && graf_) graf_->RemoveFilter(multiplexer_.get());
    multiplexer_.Uvolnit();
    if (zapisovac_ && graf_) graf_->RemoveFilter(zapisovac_.get());
    zapisovac_.Uvolnit();
    souborZaznamu_.clear();
    formatZmenen_ = false;
    filtrZvuku_.Uvolnit();
    filtrVidea_.Uvolnit();
    rizeni_.Uvolnit();
    if (udalosti_) udalosti_->SetNotifyWindow(0, 0, 0);
    udalosti_.Uvolnit();
    nullRenderer_.Uvolnit();
    graf_.Uvolnit();
    grabber_.Uvolnit();
    filtrGrabberu_.Uvolnit();
    stavitel_.Uvolnit();
}

void ZachytavaniVidea::ZastavitVsechnyFiltry() noexcept {
    if (!graf_) return;
    UkazatelCom<IEnumFilters> filtry;
    if (FAILED(graf_->EnumFilters(filtry.put())) || !filtry) return;
    for (;;) {
        UkazatelCom<IBaseFilter> filtr;
        if (filtry->Next(1, filtr.put(), nullptr) != S_OK || !filtr) break;
        filtr->Stop();
    }
}

void ZachytavaniVidea::OdstranitZaFiltrem(IBaseFilter* filtr) noexcept {
    UkazatelCom<IEnumPins> vycet;
    if (FAILED(filtr->EnumPins(vycet.put())) || !vycet) return;
    // The pins are collected first: disconnecting while enumerating invalidates the enumerator.
    std::vector<UkazatelCom<IPin>> piny;
    for (;;) {
        UkazatelCom<IPin> pin;
        if (vycet->Next(1, pin.put(), nullptr) != S_OK || !pin) break;
        piny.push_back(std::move(pin));
    }
    for (auto& pin : piny) {
        UkazatelCom<IPin> protejsek;
        if (pin->ConnectedTo(protejsek.put()) != S_OK || !protejsek) continue;
        PIN_INFO info{};
        if (FAILED(protejsek->QueryPinInfo(&info))) continue;
        auto dalsi = UkazatelCom<IBaseFilter>::Prevzit(info.pFilter);
        if (info.dir != PINDIR_INPUT || !dalsi) continue;
        OdstranitZaFiltrem(dalsi.get());
        graf_->Disconnect(protejsek.get());
        graf_->Disconnect(pin.get());
        graf_->RemoveFilter(dalsi.get());
    }
}

long ZachytavaniVidea::UdalostZtraty() {
    if (!udalosti_) return 0;
    long ztrata = 0;
    // Bounded: a graph that keeps queueing events must not hold the UI thread here.
    for (int i = 0; i < 256; ++i) {
        long kod = 0;
        LONG_PTR p1 = 0, p2 = 0;
        if (udalosti_->GetEvent(&kod, &p1, &p2, 0) != S_OK) break;
        // EC_DEVICE_LOST with 1 says the device is back, which a rebuilt graph finds by itself.
        if (!ztrata && ((kod == EC_DEVICE_LOST && p2 == 0) || kod == EC_ERRORABORT)) ztrata = kod;
        udalosti_->FreeEventParams(kod, p1, p2);
    }
    return ztrata;
}

bool ZachytavaniVidea::GrafBezi() const {
    if (!rizeni_) return false;
    OAFilterState stav = State_Stopped;
    return SUCCEEDED(rizeni_->GetState(0, &stav)) && stav == State_Running;
}

// ---------------------------------------------------------------- size and formats

bool ZachytavaniVidea::VelikostGrabberuJe(int sirka, int vyska) {
    AM_MEDIA_TYPE typ{};
    if (FAILED(grabber_->GetConnectedMediaType(&typ))) return false;
    UklidObsahuTypu uklid{typ};
    const BITMAPINFOHEADER* h = HlavickaTypu(typ);
    return h && h->biWidth == sirka && std::abs(h->biHeight) == std::abs(vyska);
}

void ZachytavaniVidea::NastavitVelikost(int sirka, int vyska) {
    if (!stavitel_ || !rizeni_) Vyhodit(kE_NOINTERFACE);
    // The rebuild behind the capture filter would cut the recording's branch off.
    if (multiplexer_) Vyhodit(VFW_E_WRONG_STATE);
    if (sirka <= 0 || vyska <= 0) Vyhodit(kE_INVALIDARG);
    OAFilterState stav = State_Stopped;
    VyhoditPriChybe(rizeni_->GetState(kCekaniNaStav, &stav));
    bool nahled = false;
    auto konfigurace = NajitKonfiguraciProudu(nahled, true);
    const bool bezel = stav != State_Stopped;
    if (bezel) rizeni_->StopWhenReady();

    AM_MEDIA_TYPE* typ = nullptr;
    const HRESULT hrFormatu = konfigurace->GetFormat(&typ);
    UklidTypu uklid{typ};
    if (FAILED(hrFormatu) || !typ) {
        if (bezel) rizeni_->Run();
        if (nahled) return;
        Vyhodit(FAILED(hrFormatu) ? hrFormatu : kE_POINTER);
    }
    BITMAPINFOHEADER* h = HlavickaTypu(*typ);
    if (!h) {
        if (bezel) rizeni_->Run();
        posledniChyba_ = kTextNepodporovanyRozmer;
        Vyhodit(kE_FAIL);
    }
    h->biWidth = sirka;
    h->biHeight = vyska;
    // An uncompressed format states its frame size; a stale one would be refused or misread.
    if (h->biCompression == BI_RGB || h->biCompression == BI_BITFIELDS) {
        h->biSizeImage = static_cast<DWORD>(BajtuRadku(*h) * std::abs(h->biHeight));
        if (typ->bFixedSizeSamples) typ->lSampleSize = h->biSizeImage;
    }
    const HRESULT hr = konfigurace->SetFormat(typ);
    if (FAILED(hr)) {
        posledniChyba_ = kTextNepodporovanyRozmer;
        if (bezel) rizeni_->Run();
        Vyhodit(hr);
    }
    if (bezel) rizeni_->Run();

    // The filters after a tee (and some drivers) keep the old size on a connected graph: then
    // the part behind the capture filter is built again with the new format in place.
    if (!VelikostGrabberuJe(sirka, vyska)) {
        try {
            PrestavetZaZdrojem(konfigurace.get(), typ, bezel);
        } catch (...) {
            Vypnout();
            throw;
        }
        if (!VelikostGrabberuJe(sirka, vyska)) {
            NacistAktualniFormat();
            UmistitRenderer();
            posledniChyba_ = kTextNepodporovanyRozmer;
            Vyhodit(kE_FAIL);
        }
    }
    sirka_ = sirka;
    vyska_ = vyska;
    UmistitRenderer();
}

void ZachytavaniVidea::PrestavetZaZdrojem(IAMStreamConfig* konfigurace, AM_MEDIA_TYPE* typ, bool spustit) {
    rizeni_->Stop();
    oknoVidea_->put_Visible(OAFALSE);
    OdstranitZaFiltrem(filtrVidea_.get());
    const HRESULT hr = konfigurace->SetFormat(typ);
    if (FAILED(hr)) {
        posledniChyba_ = kTextNepodporovanyRozmer;
        Vyhodit(hr);
    }
    PostavitNahled();
    PripojitOknoVidea();
    if (const BITMAPINFOHEADER* h = HlavickaTypu(*typ)) {
        sirka_ = h->biWidth;
        vyska_ = h->biHeight;
    }
    ZobrazitRenderer();
    if (spustit) VyhoditPriChybe(rizeni_->Run());
}

int ZachytavaniVidea::NacistFormaty() {
    if (!stavitel_) Vyhodit(kE_NOINTERFACE);
    formaty_.Vymazat();
    bool nahled = false;
    auto konfigurace = NajitKonfiguraciProudu(nahled, false);
    if (!konfigurace) return 1;
    ZdrojFormatuGrafu zdroj(rizeni_.get(), konfigurace.get());
    const int vysledek = formaty_.Nacist(zdroj);
    if (vysledek == 0) formatyNacteny_ = true;
    return vysledek;
}

void ZachytavaniVidea::SeraditFormaty() { formaty_.Seradit(); }

void ZachytavaniVidea::ZobrazitVlastnostiFormatu() {
    if (!stavitel_ || !rizeni_) Vyhodit(kE_NOINTERFACE);
    if (multiplexer_) Vyhodit(VFW_E_WRONG_STATE);
    rizeni_->StopWhenReady();
    UkazatelCom<IAMStreamConfig> konfigurace;
    if (FAILED(stavitel_->FindInterface(&PIN_CATEGORY_CAPTURE, &MEDIATYPE_Interleaved, filtrVidea_.get(),
                                        IID_IAMStreamConfig, konfigurace.put())) ||
        !konfigurace) {
        if (FAILED(stavitel_->FindInterface(&PIN_CATEGORY_CAPTURE, &MEDIATYPE_Video, filtrVidea_.get(),
                                            IID_IAMStreamConfig, konfigurace.put())) ||
            !konfigurace) {
            // The preview must not stay stopped because the device has no stream configuration.
            rizeni_->Run();
            Vyhodit(kE_FAIL);
        }
    }
    UkazatelCom<ISpecifyPropertyPages> stranky;
    if (SUCCEEDED(konfigurace.Dotaz(IID_ISpecifyPropertyPages, stranky)) && stranky) {
        CAUUID seznam{};
        if (SUCCEEDED(stranky->GetPages(&seznam))) {
            const unsigned generace = generaceGrafu_;
            IUnknown* objekt = konfigurace.get();
            ::OleCreatePropertyFrame(OknoVlastnosti(), 30, 30, nullptr, 1, &objekt, seznam.cElems, seznam.pElems, 0, 0,
                                     nullptr);
            ::CoTaskMemFree(seznam.pElems);
            // The frame's loop dispatches this thread's messages: the camera window may have
            // closed or switched the video off, and the graph is then gone or another one.
            if (generace != generaceGrafu_) return;
            AM_MEDIA_TYPE* typ = nullptr;
            konfigurace->GetFormat(&typ);
            UklidTypu uklid{typ};
        }
    }
    rizeni_->Run();
    NacistAktualniFormat();
    // A format the pages changed reaches the grabber only through the same rebuild as a size change.
    if (sirka_ > 0 && vyska_ > 0 && !VelikostGrabberuJe(sirka_, vyska_)) {
        AM_MEDIA_TYPE* typ = nullptr;
        if (SUCCEEDED(konfigurace->GetFormat(&typ)) && typ) {
            UklidTypu uklid{typ};
            try {
                PrestavetZaZdrojem(konfigurace.get(), typ, true);
            } catch (...) {
                Vypnout();
                throw;
            }
        }
    }
    UmistitRenderer();
}

void ZachytavaniVidea::ZobrazitVlastnostiZarizeni() {
    if (!stavitel_) Vyhodit(kE_NOINTERFACE);
    UkazatelCom<ISpecifyPropertyPages> stranky;
    if (FAILED(filtrVidea_.Dotaz(IID_ISpecifyPropertyPages, stranky)) || !stranky) Vyhodit(kE_NOTIMPL);
    FILTER_INFO info{};
    if (SUCCEEDED(filtrVidea_->QueryFilterInfo(&info)) && info.pGraph) info.pGraph->Release();
    CAUUID seznam{};
    VyhoditPriChybe(stranky->GetPages(&seznam));
    // The filter stays alive for the pages through `stranky`, whatever happens to the graph.
    IUnknown* objekt = filtrVidea_.get();
    const HRESULT hr = ::OleCreatePropertyFrame(OknoVlastnosti(), 0, 0, info.achName, 1, &objekt, seznam.cElems,
                                                seznam.pElems, 0, 0, nullptr);
    ::CoTaskMemFree(seznam.pElems);
    VyhoditPriChybe(hr);
}

HWND ZachytavaniVidea::OknoVlastnosti() const {
    // Owned by the top-level window, which the modal frame disables: the camera window cannot
    // be closed or switch its video off by hand while the pages are open. (Wine's frame takes no
    // owner; there only the graph check after the frame's loop protects the graph.)
    return vlastnik_ ? ::GetAncestor(vlastnik_, GA_ROOT) : nullptr;
}

void ZachytavaniVidea::NastavitPoziciVidea(int x, int y, int sirka, int vyska) {
    if (!oknoVidea_) return;
    // One call instead of put_Left, put_Top, put_Width and put_Height: the same rectangle, and
    // some renderers (Wine's) take the separate calls' current position in screen coordinates.
    oknoVidea_->SetWindowPosition(x, y, sirka, vyska);
}

// ---------------------------------------------------------------- frames and snapshots

void ZachytavaniVidea::SejmoutSnimek() {
    if (!grabber_) Vyhodit(kE_NOINTERFACE);
    long velikost = 0;
    // With live plug-ins the receiver keeps the frame as they left it; the grabber's own copy may predate them.
    if (prijemce_ && prijemce_->VzitSnimek(buffer_)) {
        velikost = static_cast<long>(buffer_.size());
        if (velikost <= 0) Vyhodit(kE_FAIL);
    } else {
        VyhoditPriChybe(grabber_->GetCurrentBuffer(&velikost, nullptr));
        if (velikost <= 0) Vyhodit(kE_FAIL);
        if (buffer_.size() != static_cast<size_t>(velikost)) buffer_.resize(static_cast<size_t>(velikost));
        VyhoditPriChybe(grabber_->GetCurrentBuffer(&velikost, reinterpret_cast<long*>(buffer_.data())));
    }
    AM_MEDIA_TYPE typ{};
    VyhoditPriChybe(grabber_->GetConnectedMediaType(&typ));
    UklidObsahuTypu uklid{typ};
    if (typ.formattype != FORMAT_VideoInfo || typ.cbFormat < sizeof(VIDEOINFOHEADER) || !typ.pbFormat) Vyhodit(kE_FAIL);
    std::memcpy(&hlavicka_, typ.pbFormat, sizeof hlavicka_);
    const BITMAPINFOHEADER& h = hlavicka_.bmiHeader;
    if (h.biWidth != sirka_ || h.biHeight != vyska_) Vyhodit(kE_FAIL);
    // The grabber keeps the last sample of an earlier connection until a new one arrives (after
    // a size change): a buffer of another size is not this format's frame, and a shorter one
    // would be read past its end.
    if (h.biBitCount != 24 || h.biWidth <= 0 || h.biHeight == 0 ||
        static_cast<long long>(BajtuRadku(h)) * std::abs(h.biHeight) != velikost)
        Vyhodit(kE_FAIL);
    // The grabber hands out its last sample for ever once the device stops (unplugged, driver
    // abort): the same old frame must not pass for a new snapshot.
    if (!prijemce_ || !prijemce_->Hlidani().PrijmoutSejmuti(::GetTickCount()))
        Vyhodit(kE_FAIL, kTextKameraNedodavaObraz);
}


}  // namespace Holvent::DirectShow
