#pragma once

#include <mutex>

#include "testkamera/VlastnostiKamery.h"
#include "testkamera/win/DirectShow.h"

namespace TestovaciKamera {

// IAMVideoProcAmp or IAMCameraControl (the two have the same methods) over the filter's property
// table; lives inside the filter and shares its reference count.
template <class Rozhrani, SkupinaVlastnosti kSkupina>
class RozhraniVlastnosti final : public Rozhrani {
public:
    RozhraniVlastnosti(IUnknown& vlastnik, std::mutex& zamek, VlastnostiKamery& vlastnosti)
        : vlastnik_(vlastnik), zamek_(zamek), vlastnosti_(vlastnosti) {}

    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID iid, void** ppv) override {
        return vlastnik_.QueryInterface(iid, ppv);
    }
    ULONG STDMETHODCALLTYPE AddRef() override { return vlastnik_.AddRef(); }
    ULONG STDMETHODCALLTYPE Release() override { return vlastnik_.Release(); }

    HRESULT STDMETHODCALLTYPE GetRange(long vlastnost, long* min, long* max, long* krok, long* vychozi,
                                       long* priznaky) override {
        if (!min || !max || !krok || !vychozi || !priznaky) return E_POINTER;
        RozsahVlastnosti r;
        std::lock_guard zamek(zamek_);
        const HRESULT hr = vlastnosti_.Rozsah(kSkupina, vlastnost, r);
        if (FAILED(hr)) return hr;
        *min = r.min;
        *max = r.max;
        *krok = r.krok;
        *vychozi = r.vychozi;
        *priznaky = r.priznaky;
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE Set(long vlastnost, long hodnota, long priznak) override {
        std::lock_guard zamek(zamek_);
        return vlastnosti_.Nastavit(kSkupina, vlastnost, hodnota, priznak);
    }
    HRESULT STDMETHODCALLTYPE Get(long vlastnost, long* hodnota, long* priznak) override {
        if (!hodnota || !priznak) return E_POINTER;
        std::int32_t h = 0, p = 0;
        std::lock_guard zamek(zamek_);
        const HRESULT hr = vlastnosti_.Cist(kSkupina, vlastnost, h, p);
        if (FAILED(hr)) return hr;
        *hodnota = h;
        *priznak = p;
        return S_OK;
    }

private:
    IUnknown& vlastnik_;
    std::mutex& zamek_;
    VlastnostiKamery& vlastnosti_;
};

}  // namespace TestovaciKamera
