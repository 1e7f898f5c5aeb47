#include "video/win/PrehravaniVidea.h"

#include <cstdlib>

#include "knihovna/Chyba.h"
#include "video/ZapisBmp.h"
#include "video/win/TypyMedii.h"

namespace Holvent::DirectShow {

using Knihovna::VyhoditPriChybe;
using Prehravac::Stav;

namespace {

template <class T>
UkazatelCom<T> Vytvorit(REFCLSID clsid, REFIID iid) {
    UkazatelCom<T> u;
    VyhoditPriChybe(::CoCreateInstance(clsid, nullptr, CLSCTX_INPROC_SERVER, iid, u.put()));
    return u;
}

// The first pin of a direction, optionally only an unconnected one.
UkazatelCom<IPin> NajitPin(IBaseFilter* filtr, PIN_DIRECTION smer) {
    UkazatelCom<IEnumPins> vycet;
    if (FAILED(filtr->EnumPins(vycet.put()))) return {};
    for (;;) {
        UkazatelCom<IPin> pin;
        if (vycet->Next(1, pin.put(), nullptr) != S_OK) return {};
        PIN_DIRECTION d;
        if (SUCCEEDED(pin->QueryDirection(&d)) && d == smer) return pin;
    }
}

bool Pripojen(IPin* pin) {
    if (!pin) return false;
    UkazatelCom<IPin> druhy;
    return SUCCEEDED(pin->ConnectedTo(druhy.put())) && druhy;
}

bool VstupPripojen(IBaseFilter* filtr) {
    const auto pin = NajitPin(filtr, PINDIR_INPUT);
    return Pripojen(pin.get());
}

}  // namespace

PrehravaniVidea::PrehravaniVidea(HWND oknoVidea, HWND oknoUdalosti, UINT zpravaUdalosti)
    : oknoVidea_(oknoVidea), oknoUdalosti_(oknoUdalosti), zpravaUdalosti_(zpravaUdalosti) {}

PrehravaniVidea::~PrehravaniVidea() { Zavrit(); }

void PrehravaniVidea::Zavrit() noexcept {
    if (rizeni_) rizeni_->Stop();
    if (udalosti_) udalosti_->SetNotifyWindow(0, 0, 0);
    okenniRizeni_.Uvolnit();
    vmr_.Uvolnit();
    grabber_.Uvolnit();
    filtrGrabberu_.Uvolnit();
    zvuk_.Uvolnit();
    hledani_.Uvolnit();
    udalosti_.Uvolnit();
    rizeni_.Uvolnit();
    graf_.Uvolnit();
    stav_ = Stav::BezSouboru;
    maVideo_ = maZvuk_ = bezZvuku_ = false;
    sirka_ = vyska_ = 0;
    trvani_ = 0;
    schopnosti_ = 0;
    cesta_.clear();
}

void PrehravaniVidea::SestavitGraf() {
    Zavrit();
    graf_ = Vytvorit<IGraphBuilder>(CLSID_FilterGraph, IID_IGraphBuilder);
    filtrGrabberu_ = Vytvorit<IBaseFilter>(CLSID_SampleGrabber, IID_IBaseFilter);
    VyhoditPriChybe(graf_->AddFilter(filtrGrabberu_.get(), L"Sample Grabber"));
    VyhoditPriChybe(filtrGrabberu_.Dotaz(IID_ISampleGrabber, grabber_));
    AM_MEDIA_TYPE typ{};
    typ.majortype = MEDIATYPE_Video;
    typ.subtype = MEDIASUBTYPE_RGB32;
    VyhoditPriChybe(grabber_->SetMediaType(&typ));
    VyhoditPriChybe(grabber_->SetBufferSamples(TRUE));
    VyhoditPriChybe(grabber_->SetOneShot(FALSE));
    VyhoditPriChybe(graf_.Dotaz(IID_IMediaControl, rizeni_));
    VyhoditPriChybe(graf_.Dotaz(IID_IMediaEventEx, udalosti_));
    VyhoditPriChybe(graf_.Dotaz(IID_IMediaSeeking, hledani_));
    graf_.Dotaz(IID_IBasicAudio, zvuk_);  // optional
    VyhoditPriChybe(udalosti_->SetNotifyWindow(reinterpret_cast<OAHWND>(oknoUdalosti_), zpravaUdalosti_, 0));
}

// Puts the grabber between the video's last filter and the renderer when rendering went past it.
bool PrehravaniVidea::VlozitGrabber(IPin* vstupRendereru) {
    UkazatelCom<IPin> zdroj;
    if (FAILED(vstupRendereru->ConnectedTo(zdroj.put())) || !zdroj) return false;
    const auto vstupGrabberu = NajitPin(filtrGrabberu_.get(), PINDIR_INPUT);
    const auto vystupGrabberu = NajitPin(filtrGrabberu_.get(), PINDIR_OUTPUT);
    if (!vstupGrabberu || !vystupGrabberu) return false;
    graf_->Disconnect(zdroj.get());
    graf_->Disconnect(vstupRendereru);
    if (SUCCEEDED(graf_->Connect(zdroj.get(), vstupGrabberu.get())) &&
        SUCCEEDED(graf_->Connect(vystupGrabberu.get(), vstupRendereru)))
        return true;
    // Back to the picture without the grabber: it plays, frames cannot be saved.
    graf_->Disconnect(vstupGrabberu.get());
    graf_->Disconnect(vystupGrabberu.get());
    graf_->Disconnect(vstupRendereru);
    graf_->Connect(zdroj.get(), vstupRendereru);
    return false;
}

void PrehravaniVidea::Otevrit(const std::wstring& cesta) {
    try {
        // A folder (e.g. a dropped one) is refused before the graph tries to read it.
        const DWORD atributy = ::GetFileAttributesW(cesta.c_str());
        if (atributy != INVALID_FILE_ATTRIBUTES && (atributy & FILE_ATTRIBUTE_DIRECTORY))
            Knihovna::Vyhodit(HRESULT_FROM_WIN32(ERROR_DIRECTORY), L"Složku nelze přehrát, vyberte videosoubor.");
        SestavitGraf();
        UkazatelCom<IBaseFilter> zdroj;
        VyhoditPriChybe(graf_->AddSourceFilter(cesta.c_str(), cesta.c_str(), zdroj.put()));

        // Windowless VMR-9 clipped to the video window.
        if (oknoVidea_) {
            vmr_ = Vytvorit<IBaseFilter>(CLSID_VideoMixingRenderer9, IID_IBaseFilter);
            VyhoditPriChybe(graf_->AddFilter(vmr_.get(), L"VMR-9"));
            UkazatelCom<IVMRFilterConfig9> konfigurace;
            VyhoditPriChybe(vmr_.Dotaz(IID_IVMRFilterConfig9, konfigurace));
            VyhoditPriChybe(konfigurace->SetRenderingMode(VMR9Mode_Windowless));
            VyhoditPriChybe(vmr_.Dotaz(IID_IVMRWindowlessControl9, okenniRizeni_));
            VyhoditPriChybe(okenniRizeni_->SetVideoClippingWindow(oknoVidea_));
            okenniRizeni_->SetAspectRatioMode(VMR9ARMode_LetterBox);
        }
        // The sound renderer; without a sound device it does not connect and the video plays mute.
        UkazatelCom<IBaseFilter> dsound;
        if (SUCCEEDED(::CoCreateInstance(CLSID_DSoundRender, nullptr, CLSCTX_INPROC_SERVER, IID_IBaseFilter,
                                         dsound.put())))
            graf_->AddFilter(dsound.get(), L"Audio Renderer");

        UkazatelCom<IFilterGraph2> graf2;
        VyhoditPriChybe(graf_.Dotaz(IID_IFilterGraph2, graf2));
        int vykresleno = 0;
        bool castecne = false;
        UkazatelCom<IEnumPins> vycet;
        VyhoditPriChybe(zdroj->EnumPins(vycet.put()));
        for (;;) {
            UkazatelCom<IPin> pin;
            if (vycet->Next(1, pin.put(), nullptr) != S_OK) break;
            PIN_DIRECTION d;
            if (FAILED(pin->QueryDirection(&d)) || d != PINDIR_OUTPUT) continue;
            const HRESULT hr = graf2->RenderEx(pin.get(), AM_RENDEREX_RENDERTOEXISTINGRENDERERS, nullptr);
            if (SUCCEEDED(hr)) ++vykresleno;
            if (FAILED(hr) || hr == VFW_S_PARTIAL_RENDER) castecne = true;
        }

        // The grabber belongs in the video path; rendering may have gone straight to the renderer.
        if (vmr_) {
            const auto vstupVmr = NajitPin(vmr_.get(), PINDIR_INPUT);
            if (Pripojen(vstupVmr.get()) && !VstupPripojen(filtrGrabberu_.get())) VlozitGrabber(vstupVmr.get());
            if (!Pripojen(vstupVmr.get())) {
                graf_->RemoveFilter(vmr_.get());
                okenniRizeni_.Uvolnit();
                vmr_.Uvolnit();
            }
        }
        maVideo_ = vmr_ && VstupPripojen(vmr_.get());
        if (dsound) {
            maZvuk_ = VstupPripojen(dsound.get());
            if (!maZvuk_) graf_->RemoveFilter(dsound.get());
        }
        // The system has no text for the code everywhere (Wine has none): the user gets ours.
        if (vykresleno == 0 || (!maVideo_ && !maZvuk_))
            Knihovna::Vyhodit(Prehravac::kVFW_E_CANNOT_RENDER,
                              L"Soubor nemá obraz ani zvuk, který lze přehrát (chybí dekodér jeho formátu, nebo je "
                              L"poškozený).");
        bezZvuku_ = castecne && !maZvuk_;

        // Native size: the grabber's connected type, else the renderer's.
        AM_MEDIA_TYPE typ{};
        HRESULT hrTyp = E_FAIL;
        if (maVideo_ && VstupPripojen(filtrGrabberu_.get())) hrTyp = grabber_->GetConnectedMediaType(&typ);
        if (FAILED(hrTyp) && maVideo_) {
            const auto vstupVmr = NajitPin(vmr_.get(), PINDIR_INPUT);
            hrTyp = vstupVmr->ConnectionMediaType(&typ);
        }
        if (SUCCEEDED(hrTyp)) {
            UklidObsahuTypu uklid{typ};
            if (const BITMAPINFOHEADER* h = HlavickaTypu(typ)) {
                sirka_ = h->biWidth;
                vyska_ = std::abs(h->biHeight);
            }
        }
        if (!VstupPripojen(filtrGrabberu_.get())) graf_->RemoveFilter(filtrGrabberu_.get());

        hledani_->GetCapabilities(&schopnosti_);
        if (maZvuk_ && zvuk_) zvuk_->put_Volume(ztlumit_ ? -10000 : hlasitost_);
        VyhoditPriChybe(hledani_->SetTimeFormat(&TIME_FORMAT_MEDIA_TIME));
        LONGLONG trvani = 0;
        if (SUCCEEDED(hledani_->GetDuration(&trvani))) trvani_ = trvani;
        if (okenniRizeni_ && sirka_ > 0 && vyska_ > 0) {
            const RECT r{0, 0, sirka_, vyska_};
            okenniRizeni_->SetVideoPosition(nullptr, &r);
        }
        VyhoditPriChybe(rizeni_->Stop());
        stav_ = Stav::Zastaveno;
        cesta_ = cesta;
    } catch (...) {
        Zavrit();
        throw;
    }
}

void PrehravaniVidea::Provest(Prehravac::Povel povel) {
    const Prehravac::Prechod p = Prehravac::PrechodTransportu(stav_, povel);
    VyhoditPriChybe(p.hr);
    switch (p.akce) {
        case Prehravac::AkceGrafu::Run:
            VyhoditPriChybe(rizeni_->Run());
            break;
        case Prehravac::AkceGrafu::Pause:
            VyhoditPriChybe(rizeni_->Pause());
            break;
        case Prehravac::AkceGrafu::StopNaZacatek: {
            VyhoditPriChybe(rizeni_->Stop());
            LONGLONG nula = 0;
            VyhoditPriChybe(hledani_->SetPositions(&nula, AM_SEEKING_AbsolutePositioning, nullptr,
                                                   AM_SEEKING_NoPositioning));
            break;
        }
        case Prehravac::AkceGrafu::Zadna:
            break;
    }
    stav_ = p.novyStav;
}

void PrehravaniVidea::Spustit() { Provest(Prehravac::Povel::Spustit); }
void PrehravaniVidea::Prerusit() { Provest(Prehravac::Povel::Prerusit); }
void PrehravaniVidea::Ukoncit() { Provest(Prehravac::Povel::Ukoncit); }

void PrehravaniVidea::NastavitPozici(std::int64_t cas) {
    if (!rizeni_ || !hledani_) Knihovna::Vyhodit(Knihovna::kE_UNEXPECTED);
    LONGLONG t = cas;
    VyhoditPriChybe(hledani_->SetPositions(&t, AM_SEEKING_AbsolutePositioning, nullptr, AM_SEEKING_NoPositioning));
}

std::int64_t PrehravaniVidea::Pozice() const {
    if (!hledani_) return 0;
    LONGLONG t = 0;
    if (FAILED(hledani_->GetCurrentPosition(&t))) return 0;
    return t;
}

bool PrehravaniVidea::KrokVpred() {
    if (stav_ == Stav::BezSouboru) return false;
    const auto cil = Prehravac::CilKroku(Pozice(), trvani_, true);
    if (!cil) return false;
    NastavitPozici(*cil);
    return true;
}

bool PrehravaniVidea::KrokZpet() {
    if (stav_ == Stav::BezSouboru) return false;
    const auto cil = Prehravac::CilKroku(Pozice(), trvani_, false);
    if (!cil) return false;
    NastavitPozici(*cil);
    return true;
}

std::vector<std::uint8_t> PrehravaniVidea::AktualniSnimekBmp() const {
    if (!grabber_ || !VstupPripojen(filtrGrabberu_.get())) Knihovna::Vyhodit(Knihovna::kE_UNEXPECTED);
    AM_MEDIA_TYPE typ{};
    VyhoditPriChybe(grabber_->GetConnectedMediaType(&typ));
    UklidObsahuTypu uklid{typ};
    const BITMAPINFOHEADER* h = HlavickaTypu(typ);
    if (!h || (h->biBitCount != 24 && h->biBitCount != 32)) Knihovna::Vyhodit(VFW_E_INVALIDMEDIATYPE);
    long velikost = 0;
    VyhoditPriChybe(grabber_->GetCurrentBuffer(&velikost, nullptr));
    if (velikost <= 0) Knihovna::Vyhodit(Knihovna::kE_UNEXPECTED);
    std::vector<std::uint8_t> data(static_cast<std::size_t>(velikost));
    VyhoditPriChybe(grabber_->GetCurrentBuffer(&velikost, reinterpret_cast<long*>(data.data())));
    return ZapsatBmp24(data.data(), static_cast<std::size_t>(velikost), h->biWidth, std::abs(h->biHeight),
                       static_cast<std::size_t>(BajtuRadku(*h)), h->biHeight < 0, h->biBitCount / 8);
}

Prehravac::ReakceNaUdalost PrehravaniVidea::ZpracovatUdalosti(long& kodChyby) {
    auto vysledek = Prehravac::ReakceNaUdalost::Zadna;
    kodChyby = 0;
    if (!udalosti_) return vysledek;
    long kod = 0;
    LONG_PTR p1 = 0, p2 = 0;
    for (int i = 0; i < 256 && udalosti_->GetEvent(&kod, &p1, &p2, 0) == S_OK; ++i) {
        const auto reakce = Prehravac::ReakceNaUdalostGrafu(kod);
        if (reakce == Prehravac::ReakceNaUdalost::ZastavitAOznamit) kodChyby = static_cast<long>(p1);
        if (static_cast<int>(reakce) > static_cast<int>(vysledek)) vysledek = reakce;
        udalosti_->FreeEventParams(kod, p1, p2);
    }
    if (vysledek != Prehravac::ReakceNaUdalost::Zadna && stav_ == Stav::Bezi) Ukoncit();
    return vysledek;
}

void PrehravaniVidea::NastavitPoziciObrazu(const RECT& obdelnik) {
    if (okenniRizeni_) okenniRizeni_->SetVideoPosition(nullptr, &obdelnik);
}

void PrehravaniVidea::PrekreslitObraz(HDC dc) {
    if (okenniRizeni_) okenniRizeni_->RepaintVideo(oknoVidea_, dc);
}

}  // namespace Holvent::DirectShow
