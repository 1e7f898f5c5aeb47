#pragma once

#include <wrl/client.h>

#include <atomic>

#include "testkamera/win/DirectShow.h"

namespace TestovaciKamera {

// IEnumPins over the filter's single pin.
class VyctovacPinu final : public IEnumPins {
public:
    VyctovacPinu(IPin* pin, ULONG pozice);
    ~VyctovacPinu();

    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID iid, void** ppv) override;
    ULONG STDMETHODCALLTYPE AddRef() override;
    ULONG STDMETHODCALLTYPE Release() override;
    HRESULT STDMETHODCALLTYPE Next(ULONG pocet, IPin** piny, ULONG* nacteno) override;
    HRESULT STDMETHODCALLTYPE Skip(ULONG pocet) override;
    HRESULT STDMETHODCALLTYPE Reset() override;
    HRESULT STDMETHODCALLTYPE Clone(IEnumPins** kopie) override;

private:
    std::atomic<ULONG> reference_{1};
    Microsoft::WRL::ComPtr<IPin> pin_;
    ULONG pozice_;
};

}  // namespace TestovaciKamera
