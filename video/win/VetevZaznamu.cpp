// The recording branch of the capture object: the AVI multiplexer with the own file sink, or the
// ASF writer, added behind the capture pin of the running preview graph and removed again.
#include "video/win/ZachytavaniVidea.h"

#include <algorithm>
#include <cstring>

#include "video/DetailyProfilu.h"
#include "video/win/HledaniZarizeni.h"
#include "video/win/TypyMedii.h"

namespace Holvent::DirectShow {

using Knihovna::kE_FAIL;
using Knihovna::kE_INVALIDARG;
using Knihovna::kE_NOINTERFACE;
using Knihovna::Vyhodit;
using Knihovna::VyhoditPriChybe;

namespace {

constexpr const wchar_t* kTextNeplatneZvukoveZarizeni = L"Není nastavené platné zvukové zařízení";

// The ASF writer's configuration (MinGW's headers lack it).
MIDL_INTERFACE("45086030-F7E4-486a-B504-826BB5792A3B")
IConfigAsfWriter : public IUnknown {
    virtual HRESULT STDMETHODCALLTYPE ConfigureFilterUsingProfileId(DWORD id) = 0;
    virtual HRESULT STDMETHODCALLTYPE GetCurrentProfileId(DWORD* id) = 0;
    virtual HRESULT STDMETHODCALLTYPE ConfigureFilterUsingProfileGuid(REFGUID profil) = 0;
    virtual HRESULT STDMETHODCALLTYPE GetCurrentProfileGuid(GUID* profil) = 0;
    virtual HRESULT STDMETHODCALLTYPE ConfigureFilterUsingProfile(IWMProfile* profil) = 0;
    virtual HRESULT STDMETHODCALLTYPE GetCurrentProfile(IWMProfile** profil) = 0;
    virtual HRESULT STDMETHODCALLTYPE SetIndexMode(BOOL index) = 0;
    virtual HRESULT STDMETHODCALLTYPE GetIndexMode(BOOL* index) = 0;
};
constexpr IID kIidConfigAsfWriter = {0x45086030, 0xf7e4, 0x486a, {0xb5, 0x04, 0x82, 0x6b, 0xb5, 0x79, 0x2a, 0x3b}};
constexpr IID kIidConfigAsfWriter2 = {0x7989ccaa, 0x53f0, 0x44f0, {0x88, 0x4a, 0xf3, 0xb0, 0x3f, 0x6a, 0xe0, 0x66}};

// A writer that cannot be made or configured means Windows Media is missing here.
[[noreturn]] void VyhoditWmv(HRESULT hr) { Vyhodit(hr, kTextWmvNedostupne); }

ProudAvi ProudZTypu(const AM_MEDIA_TYPE& typ) {
    ProudAvi p;
    if (typ.formattype == FORMAT_WaveFormatEx && typ.pbFormat && typ.cbFormat >= sizeof(WAVEFORMATEX) - 2) {
        WAVEFORMATEX w{};
        std::memcpy(&w, typ.pbFormat, std::min<ULONG>(typ.cbFormat, sizeof w));
        p.video = false;
        p.formatZvuku = w.wFormatTag;
        p.kanalu = w.nChannels;
        p.vzorkuZaSekundu = w.nSamplesPerSec;
        p.bajtuZaSekundu = w.nAvgBytesPerSec;
        p.zarovnaniBloku = w.nBlockAlign;
        p.bituVzorku = w.wBitsPerSample;
        if (typ.cbFormat > sizeof(WAVEFORMATEX) && w.cbSize)
            p.dalsiBajty.assign(typ.pbFormat + sizeof(WAVEFORMATEX),
                                typ.pbFormat + std::min<ULONG>(typ.cbFormat, sizeof(WAVEFORMATEX) + w.cbSize));
        return p;
    }
    if (const BITMAPINFOHEADER* h = HlavickaTypu(const_cast<AM_MEDIA_TYPE&>(typ))) {
        p.sirka = h->biWidth;
        p.vyska = h->biHeight;
        p.bituNaPixel = h->biBitCount;
        p.komprese = h->biCompression;
        p.velikostSnimku = h->biSizeImage;
        // Both video headers start with the same rectangles, rates and frame interval.
        p.intervalSnimku = reinterpret_cast<const VIDEOINFOHEADER*>(typ.pbFormat)->AvgTimePerFrame;
    }
    return p;
}

}  // namespace

bool ZachytavaniVidea::Zaznamenava() const { return static_cast<bool>(multiplexer_); }

std::uint64_t ZachytavaniVidea::VelikostZaznamu() const {
    if (!multiplexer_) return 0;
    if (zapisovac_) return zapisovac_->Velikost();
    WIN32_FILE_ATTRIBUTE_DATA data{};
    if (!::GetFileAttributesExW(souborZaznamu_.c_str(), GetFileExInfoStandard, &data)) return 0;
    return (std::uint64_t{data.nFileSizeHigh} << 32) | data.nFileSizeLow;
}

void ZachytavaniVidea::PrestavetNahled() {
    PostavitNahled();
    PripojitOknoVidea();
    NacistAktualniFormat();
    ZobrazitRenderer();
}

void ZachytavaniVidea::NastavitFormatZaznamu(std::int32_t sirka, std::int32_t vyska, std::int64_t interval,
                                             bool ulozitPuvodni) {
    // The capture pin's own configuration: a device with a separate preview pin keeps its preview.
    UkazatelCom<IAMStreamConfig> konfigurace;
    if (FAILED(stavitel_->FindInterface(&PIN_CATEGORY_CAPTURE, &MEDIATYPE_Video, filtrVidea_.get(), IID_IAMStreamConfig,
                                        konfigurace.put())) ||
        !konfigurace)
        return;
    AM_MEDIA_TYPE* typ = nullptr;
    if (FAILED(konfigurace->GetFormat(&typ)) || !typ) return;
    UklidTypu uklid{typ};
    if (typ->formattype != FORMAT_VideoInfo || typ->cbFormat < sizeof(VIDEOINFOHEADER) || !typ->pbFormat) return;
    auto* vih = reinterpret_cast<VIDEOINFOHEADER*>(typ->pbFormat);
    BITMAPINFOHEADER& h = vih->bmiHeader;
    const FormatZachytavani puvodni{h.biWidth, h.biHeight, vih->AvgTimePerFrame};
    bool zmena = false;
    if (sirka > 0 && vyska > 0 && (h.biWidth != sirka || h.biHeight != vyska)) {
        h.biWidth = sirka;
        h.biHeight = vyska;
        zmena = true;
    }
    if (interval > 0 && vih->AvgTimePerFrame != interval) {
        vih->AvgTimePerFrame = interval;
        zmena = true;
    }
    if (!zmena) return;
    if (h.biCompression == BI_RGB || h.biCompression == BI_BITFIELDS) {
        h.biSizeImage = static_cast<DWORD>(BajtuRadku(h) * std::abs(h.biHeight));
        if (typ->bFixedSizeSamples) typ->lSampleSize = h.biSizeImage;
    }
    // A connected graph ignores a new format behind a tee (and some drivers): everything behind the
    // capture filter goes, the format is set, the preview is built again.
    rizeni_->Stop();
    if (oknoVidea_) oknoVidea_->put_Visible(OAFALSE);
    OdstranitZaFiltrem(filtrVidea_.get());
    // A format the device refuses leaves its current one, as the platform's multiplexer would.
    if (SUCCEEDED(konfigurace->SetFormat(typ)) && ulozitPuvodni) {
        puvodniFormat_ = puvodni;
        formatZmenen_ = true;
    }
    PrestavetNahled();
}

void ZachytavaniVidea::PridatZvuk() {
    filtrZvuku_ = NajitZarizeniZvuk(zarizeniZvuk_);
    VyhoditPriChybe(graf_->AddFilter(filtrZvuku_.get(), zarizeniZvuk_.friendlyName.c_str()));
}

std::vector<ProudAvi> ZachytavaniVidea::ProudyMultiplexeru() {
    // The multiplexer numbers its streams by its connected inputs in pin order.
    std::vector<ProudAvi> proudy;
    UkazatelCom<IEnumPins> vycet;
    if (FAILED(multiplexer_->EnumPins(vycet.put())) || !vycet) return proudy;
    for (;;) {
        UkazatelCom<IPin> pin;
        if (vycet->Next(1, pin.put(), nullptr) != S_OK || !pin) break;
        PIN_DIRECTION smer{};
        if (FAILED(pin->QueryDirection(&smer)) || smer != PINDIR_INPUT) continue;
        AM_MEDIA_TYPE typ{};
        if (pin->ConnectionMediaType(&typ) != S_OK) continue;
        UklidObsahuTypu uklid{typ};
        proudy.push_back(ProudZTypu(typ));
    }
    return proudy;
}

void ZachytavaniVidea::ZaznamAviStart(const std::wstring& soubor, bool zvuk, std::int32_t sirka, std::int32_t vyska,
                                      std::int32_t snimkuZaSekundu) {
    if (!stavitel_ || !rizeni_) Vyhodit(kE_NOINTERFACE);
    if (multiplexer_) Vyhodit(kE_FAIL);
    if (soubor.empty()) Vyhodit(kE_INVALIDARG);
    if (zvuk && zarizeniZvuk_.friendlyName.empty()) {
        posledniChyba_ = kTextNeplatneZvukoveZarizeni;
        Vyhodit(kE_INVALIDARG);
    }
    bool souborVytvoren = false;
    try {
        NastavitFormatZaznamu(sirka, vyska, snimkuZaSekundu > 0 ? 10000000 / snimkuZaSekundu : 0, true);
        rizeni_->Stop();
        if (zvuk) PridatZvuk();
        VyhoditPriChybe(::CoCreateInstance(CLSID_AviDest, nullptr, CLSCTX_INPROC_SERVER, IID_IBaseFilter,
                                           multiplexer_.put()));
        VyhoditPriChybe(graf_->AddFilter(multiplexer_.get(), L"AVI Mux"));
        // Full interleaving is the one mode every platform's multiplexer runs in.
        UkazatelCom<IConfigInterleaving> prokladani;
        if (SUCCEEDED(multiplexer_.Dotaz(IID_IConfigInterleaving, prokladani)) && prokladani) {
            const HRESULT hr = prokladani->put_Mode(INTERLEAVE_FULL);
            if (FAILED(hr) && hr != E_NOTIMPL) Vyhodit(hr);
        }
        VyhoditPriChybe(multiplexer_.Dotaz(IID_IConfigAviMux, konfiguraceAviMux_));
        // Wine implements none of these (E_NOTIMPL): the file is still a valid AVI with an index.
        konfiguraceAviMux_->SetOutputCompatibilityIndex(TRUE);
        if (zvuk) konfiguraceAviMux_->SetMasterStream(hlavniProudAvi_);

        zapisovac_ = ZapisovacSouboru::Vytvorit(soubor, cil_, zpravaMista_);
        souborVytvoren = true;
        souborZaznamu_ = soubor;
        VyhoditPriChybe(graf_->AddFilter(zapisovac_.get(), L"Zapisovac souboru"));
        UkazatelCom<IPin> vystup;
        VyhoditPriChybe(stavitel_->FindPin(multiplexer_.get(), PINDIR_OUTPUT, nullptr, nullptr, FALSE, 0, vystup.put()));
        VyhoditPriChybe(graf_->ConnectDirect(vystup.get(), zapisovac_->Vstup(), nullptr));

        VykreslitDoVetve(zvuk);
        zapisovac_->NastavitProudy(ProudyMultiplexeru());
        VyhoditPriChybe(rizeni_->Run());
    } catch (...) {
        ZrusitStart(souborVytvoren);
        throw;
    }
}

void ZachytavaniVidea::NacistSystemovyProfil(std::uint32_t index, std::uint32_t verze) {
    profil_.NacistSystemovyProfil(index, verze);
}

void ZachytavaniVidea::NacistProfilPrx(const std::wstring& cesta) {
    profil_.NacistProfilPrx(cesta);
    souborProfilu_ = cesta;
}

void ZachytavaniVidea::ZaznamWmvStart(const std::wstring& soubor) {
    if (!stavitel_ || !rizeni_) Vyhodit(kE_NOINTERFACE);
    if (multiplexer_) Vyhodit(kE_FAIL);
    if (soubor.empty()) Vyhodit(kE_INVALIDARG);
    // Where Windows Media is missing (Wine) no writer exists: nothing is touched, no file made.
    UkazatelCom<IBaseFilter> zapisovac;
    if (const HRESULT hr = ::CoCreateInstance(CLSID_WMAsfWriter, nullptr, CLSCTX_INPROC_SERVER, IID_IBaseFilter,
                                              zapisovac.put());
        FAILED(hr))
        VyhoditWmv(hr);
    if (!profil_.Nacten()) Vyhodit(kE_NOINTERFACE);
    const DetailyProfilu& detaily = profil_.Detaily();
    if (detaily.zvuk && zarizeniZvuk_.friendlyName.empty()) {
        posledniChyba_ = kTextNeplatneZvukoveZarizeni;
        Vyhodit(kE_INVALIDARG);
    }
    bool souborVytvoren = false;
    try {
        NastavitFormatZaznamu(detaily.sirka, detaily.vyska,
                              detaily.snimkuZaSekundu > 0 ? 10000000 / detaily.snimkuZaSekundu : 0, true);
        rizeni_->Stop();
        multiplexer_ = zapisovac;
        UkazatelCom<IFileSinkFilter> cil;
        VyhoditPriChybe(multiplexer_.Dotaz(IID_IFileSinkFilter, cil));
        VyhoditPriChybe(cil->SetFileName(soubor.c_str(), nullptr));
        souborVytvoren = true;
        souborZaznamu_ = soubor;
        VyhoditPriChybe(graf_->AddFilter(multiplexer_.get(), L"WM ASF Writer"));
        UkazatelCom<IConfigAsfWriter> konfigurace;
        if (FAILED(multiplexer_->QueryInterface(kIidConfigAsfWriter2, konfigurace.put())) || !konfigurace)
            VyhoditPriChybe(multiplexer_->QueryInterface(kIidConfigAsfWriter, konfigurace.put()));
        if (const HRESULT hr = konfigurace->ConfigureFilterUsingProfile(profil_.Profil()); FAILED(hr)) {
            if (hr == E_NOTIMPL) VyhoditWmv(hr);
            Vyhodit(hr);
        }
        if (!indexWmv_) VyhoditPriChybe(konfigurace->SetIndexMode(FALSE));
        if (detaily.zvuk) PridatZvuk();
        VykreslitDoVetve(detaily.zvuk);
        VyhoditPriChybe(rizeni_->Run());
    } catch (...) {
        ZrusitStart(souborVytvoren);
        throw;
    }
}

void ZachytavaniVidea::ZaznamStop() {
    if (!multiplexer_) return;
    DokoncitSoubor();
    OdstranitVetev(false);
    ObnovitNahled();
}

void ZachytavaniVidea::DokoncitSoubor() noexcept {
    if (!multiplexer_ || !rizeni_) return;
    // The multiplexer's (writer's) stop writes its index and final header: those writes may use
    // the reserve.
    if (zapisovac_) zapisovac_->Zastavovani();
    ZastavitZdroje();
    rizeni_->Stop();
    ZastavitVsechnyFiltry();
    if (zapisovac_) zapisovac_->ZavritSoubor();
}

void ZachytavaniVidea::ZastavitZdroje() noexcept {
    // The graph stops its filters from the renderers upstream, so a source still delivers while the multiplexer
    // has already stopped. Wine's AVI multiplexer takes such a sample and writes it to the file stream it released
    // at its stop (a crash, seen once in a long run); stopped first, the sources end their streaming threads
    // before anything downstream stops.
    if (filtrVidea_) filtrVidea_->Stop();
    if (filtrZvuku_) filtrZvuku_->Stop();
}

void ZachytavaniVidea::OdstranitVetev(bool smazatSoubor) noexcept {
    if (!graf_) return;
    if (multiplexer_) ZastavitZdroje();
    if (rizeni_) rizeni_->Stop();
    // After a failed Run some filters may still run; the removal would hang on them.
    ZastavitVsechnyFiltry();
    if (zapisovac_) zapisovac_->ZavritSoubor();
    if (oknoVidea_) oknoVidea_->put_Visible(OAFALSE);
    if (filtrVidea_) OdstranitZaFiltrem(filtrVidea_.get());
    if (filtrZvuku_) {
        OdstranitZaFiltrem(filtrZvuku_.get());
        graf_->RemoveFilter(filtrZvuku_.get());
    }
    if (multiplexer_) graf_->RemoveFilter(multiplexer_.get());
    if (zapisovac_) graf_->RemoveFilter(zapisovac_.get());
    konfiguraceAviMux_.Uvolnit();
    multiplexer_.Uvolnit();
    zapisovac_.Uvolnit();
    filtrZvuku_.Uvolnit();
    if (smazatSoubor && !souborZaznamu_.empty()) ::DeleteFileW(souborZaznamu_.c_str());
    souborZaznamu_.clear();
}

void ZachytavaniVidea::VykreslitDoVetve(bool zvuk) {
    VyhoditPriChybe(stavitel_->RenderStream(&PIN_CATEGORY_CAPTURE, &MEDIATYPE_Video, filtrVidea_.get(), nullptr,
                                            multiplexer_.get()));
    if (zvuk)
        VyhoditPriChybe(stavitel_->RenderStream(&PIN_CATEGORY_CAPTURE, &MEDIATYPE_Audio, filtrZvuku_.get(), nullptr,
                                                multiplexer_.get()));
}

void ZachytavaniVidea::ZrusitStart(bool souborVytvoren) noexcept {
    OdstranitVetev(souborVytvoren);
    try {
        ObnovitNahled();
    } catch (...) {
        // The start's own failure is the one to report.
    }
}

void ZachytavaniVidea::ObnovitNahled() {
    if (!graf_ || !filtrVidea_) return;
    // The device gets back the format it had before the recording.
    if (formatZmenen_) {
        formatZmenen_ = false;
        NastavitFormatZaznamu(puvodniFormat_.sirka, puvodniFormat_.vyska, puvodniFormat_.interval, false);
    }
    // The branch's removal also removed the preview behind the capture filter.
    UkazatelCom<IPin> vstupGrabberu;
    bool pripojen = false;
    if (SUCCEEDED(stavitel_->FindPin(filtrGrabberu_.get(), PINDIR_INPUT, nullptr, nullptr, FALSE, 0,
                                     vstupGrabberu.put())) &&
        vstupGrabberu) {
        UkazatelCom<IPin> protejsek;
        pripojen = vstupGrabberu->ConnectedTo(protejsek.put()) == S_OK;
    }
    if (!pripojen) PrestavetNahled();
    VyhoditPriChybe(rizeni_->Run());
}

}  // namespace Holvent::DirectShow
