#include "testkamera/win/FiltrKamery.h"

#include <oleauto.h>

#include <new>

#include "testkamera/PrikazInstalace.h"
#include "testkamera/win/IdentifikaceKamery.h"
#include "testkamera/win/ModulKamery.h"
#include "testkamera/win/VyctovacPinu.h"

namespace TestovaciKamera {

Odpojeni CistOdpojeni() {
    DWORD hodnota = 0;
    DWORD velikost = sizeof hodnota;
    if (::RegGetValueW(HKEY_CURRENT_USER, kKlicSceny, kHodnotaOdpojeno, RRF_RT_REG_DWORD, nullptr, &hodnota,
                       &velikost) != ERROR_SUCCESS)
        return Odpojeni::Ne;
    return hodnota == 1 ? Odpojeni::Odpojeno : hodnota == 2 ? Odpojeni::BezSnimku : Odpojeni::Ne;
}

FiltrKamery::FiltrKamery(bool sObrazem)
    : sObrazem_(sObrazem),
      vlastnosti_(sObrazem),
      obraz_(static_cast<IBaseFilter&>(*this), zamekProudu_, vlastnosti_),
      ovladani_(static_cast<IBaseFilter&>(*this), zamekProudu_, vlastnosti_),
      pin_(*this) {
    ModulKamery::PridatObjekt();
}

FiltrKamery::~FiltrKamery() {
    // A graph stops its filters before releasing them; this covers a caller that did not.
    pin_.Zastavit();
    ModulKamery::OdebratObjekt();
}

HRESULT FiltrKamery::Vytvorit(bool sObrazem, REFIID iid, void** ppv) {
    if (!ppv) return E_POINTER;
    *ppv = nullptr;
    auto* filtr = new (std::nothrow) FiltrKamery(sObrazem);
    if (!filtr) return E_OUTOFMEMORY;
    const HRESULT hr = filtr->QueryInterface(iid, ppv);
    filtr->Release();
    return hr;
}

HRESULT FiltrKamery::QueryInterface(REFIID iid, void** ppv) {
    if (!ppv) return E_POINTER;
    if (iid == IID_IUnknown || iid == IID_IPersist || iid == IID_IMediaFilter || iid == IID_IBaseFilter) {
        *ppv = static_cast<IBaseFilter*>(this);
    } else if (iid == IID_IPersistPropertyBag) {
        *ppv = static_cast<IPersistPropertyBag*>(this);
    } else if (iid == IID_IAMFilterMiscFlags) {
        *ppv = static_cast<IAMFilterMiscFlags*>(this);
    } else if (iid == IID_IAMCameraControl) {
        *ppv = static_cast<IAMCameraControl*>(&ovladani_);
    } else if (iid == IID_IAMVideoProcAmp && sObrazem_) {
        *ppv = static_cast<IAMVideoProcAmp*>(&obraz_);
    } else {
        *ppv = nullptr;
        return E_NOINTERFACE;
    }
    AddRef();
    return S_OK;
}

ULONG FiltrKamery::AddRef() { return ++reference_; }

ULONG FiltrKamery::Release() {
    const ULONG zbyva = --reference_;
    if (zbyva == 0) delete this;
    return zbyva;
}

HRESULT FiltrKamery::GetClassID(CLSID* clsid) {
    if (!clsid) return E_POINTER;
    *clsid = sObrazem_ ? kClsidKamery : kClsidKameryBezObrazu;
    return S_OK;
}

HRESULT FiltrKamery::Stop() {
    std::lock_guard zamek(zamek_);
    if (stav_ != State_Stopped) pin_.Zastavit();
    stav_ = State_Stopped;
    return S_OK;
}

HRESULT FiltrKamery::Pause() {
    std::lock_guard zamek(zamek_);
    if (stav_ == State_Stopped) {
        // An unplugged device cannot be started.
        if (CistOdpojeni() == Odpojeni::Odpojeno) return HRESULT_FROM_WIN32(ERROR_DEVICE_NOT_CONNECTED);
        const HRESULT hr = pin_.Pripravit();
        if (FAILED(hr)) return hr;
    } else if (stav_ == State_Running) {
        pin_.Pozastavit();
    }
    stav_ = State_Paused;
    // A live source has nothing to cue: only GetState says so (VFW_S_CANT_CUE), Pause succeeds.
    return S_OK;
}

HRESULT FiltrKamery::Run(REFERENCE_TIME start) {
    std::lock_guard zamek(zamek_);
    if (stav_ == State_Stopped) {
        const HRESULT hr = Pause();
        if (FAILED(hr)) return hr;
    }
    {
        std::lock_guard proud(zamekProudu_);
        start_ = start;
    }
    pin_.Spustit();
    stav_ = State_Running;
    return S_OK;
}

HRESULT FiltrKamery::GetState(DWORD, FILTER_STATE* stav) {
    if (!stav) return E_POINTER;
    std::lock_guard zamek(zamek_);
    *stav = stav_;
    return stav_ == State_Paused ? VFW_S_CANT_CUE : S_OK;
}

HRESULT FiltrKamery::SetSyncSource(IReferenceClock* hodiny) {
    std::lock_guard proud(zamekProudu_);
    hodiny_ = hodiny;
    return S_OK;
}

HRESULT FiltrKamery::GetSyncSource(IReferenceClock** hodiny) {
    if (!hodiny) return E_POINTER;
    std::lock_guard proud(zamekProudu_);
    *hodiny = hodiny_.Get();
    if (*hodiny) (*hodiny)->AddRef();
    return S_OK;
}

HRESULT FiltrKamery::EnumPins(IEnumPins** vyctovac) {
    if (!vyctovac) return E_POINTER;
    *vyctovac = new (std::nothrow) VyctovacPinu(&pin_, 0);
    return *vyctovac ? S_OK : E_OUTOFMEMORY;
}

HRESULT FiltrKamery::FindPin(LPCWSTR id, IPin** pin) {
    if (!id || !pin) return E_POINTER;
    if (std::wstring(id) != kNazevPinu) {
        *pin = nullptr;
        return VFW_E_NOT_FOUND;
    }
    *pin = &pin_;
    pin_.AddRef();
    return S_OK;
}

HRESULT FiltrKamery::QueryFilterInfo(FILTER_INFO* info) {
    if (!info) return E_POINTER;
    std::lock_guard zamek(zamek_);
    const std::size_t delka = std::min(nazev_.size(), std::size(info->achName) - 1);
    nazev_.copy(info->achName, delka);
    info->achName[delka] = L'\0';
    info->pGraph = graf_;
    if (graf_) graf_->AddRef();
    return S_OK;
}

HRESULT FiltrKamery::JoinFilterGraph(IFilterGraph* graf, LPCWSTR nazev) {
    std::lock_guard zamek(zamek_);
    graf_ = graf;
    grafProudu_ = graf;
    nazev_ = nazev ? nazev : L"";
    return S_OK;
}

HRESULT FiltrKamery::QueryVendorInfo(LPWSTR* info) {
    if (info) *info = nullptr;
    return E_NOTIMPL;
}

ULONG FiltrKamery::GetMiscFlags() { return AM_FILTER_MISC_FLAGS_IS_SOURCE; }

HRESULT FiltrKamery::Load(IPropertyBag* vlastnosti, IErrorLog*) {
    if (!vlastnosti) return E_POINTER;
    // Nor opened: binding the device's moniker fails as it does for a device that is not there.
    if (CistOdpojeni() == Odpojeni::Odpojeno) return HRESULT_FROM_WIN32(ERROR_DEVICE_NOT_CONNECTED);
    VARIANT cesta;
    ::VariantInit(&cesta);
    int cislo = 0;
    if (SUCCEEDED(vlastnosti->Read(L"DevicePath", &cesta, nullptr)) && cesta.vt == VT_BSTR && cesta.bstrVal) {
        cislo = CisloZarizeniZCesty(cesta.bstrVal);
    }
    ::VariantClear(&cesta);
    std::lock_guard proud(zamekProudu_);
    cisloZarizeni_ = cislo;
    return S_OK;
}

StavSnimku FiltrKamery::StavProSnimek() {
    std::lock_guard proud(zamekProudu_);
    StavSnimku s;
    s.zarizeni = cisloZarizeni_;
    s.jas = vlastnosti_.Ucinna(SkupinaVlastnosti::Obraz, kJas);
    s.kontrast = vlastnosti_.Ucinna(SkupinaVlastnosti::Obraz, kKontrast);
    s.odstin = vlastnosti_.Ucinna(SkupinaVlastnosti::Obraz, kOdstin);
    s.sytost = vlastnosti_.Ucinna(SkupinaVlastnosti::Obraz, kSytost);
    s.ostrost = vlastnosti_.Ucinna(SkupinaVlastnosti::Obraz, kOstrost);
    s.zoom = vlastnosti_.Ucinna(SkupinaVlastnosti::Ovladani, kZoom);
    return s;
}

void FiltrKamery::OznamitZtratu() {
    IFilterGraph* graf = grafProudu_.load();
    if (!graf) return;
    Microsoft::WRL::ComPtr<IMediaEventSink> udalosti;
    if (FAILED(graf->QueryInterface(IID_PPV_ARGS(&udalosti))) || !udalosti) return;
    // Param 2 = 0: removed (1 would say it is available again).
    udalosti->Notify(EC_DEVICE_LOST, reinterpret_cast<LONG_PTR>(static_cast<IBaseFilter*>(this)), 0);
}

bool FiltrKamery::CasProudu(REFERENCE_TIME& cas) {
    std::lock_guard proud(zamekProudu_);
    if (!hodiny_) return false;
    REFERENCE_TIME ted = 0;
    if (FAILED(hodiny_->GetTime(&ted))) return false;
    cas = ted - start_;
    return true;
}

}  // namespace TestovaciKamera
