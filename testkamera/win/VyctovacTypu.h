#pragma once

#include <atomic>
#include <vector>

#include "testkamera/FormatKamery.h"
#include "testkamera/win/DirectShow.h"

namespace TestovaciKamera {

// IEnumMediaTypes over the formats the pin offers, the current one first.
class VyctovacTypu final : public IEnumMediaTypes {
public:
    VyctovacTypu(std::vector<FormatKamery> formaty, ULONG pozice);
    ~VyctovacTypu();

    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID iid, void** ppv) override;
    ULONG STDMETHODCALLTYPE AddRef() override;
    ULONG STDMETHODCALLTYPE Release() override;
    HRESULT STDMETHODCALLTYPE Next(ULONG pocet, AM_MEDIA_TYPE** typy, ULONG* nacteno) override;
    HRESULT STDMETHODCALLTYPE Skip(ULONG pocet) override;
    HRESULT STDMETHODCALLTYPE Reset() override;
    HRESULT STDMETHODCALLTYPE Clone(IEnumMediaTypes** kopie) override;

private:
    std::atomic<ULONG> reference_{1};
    std::vector<FormatKamery> formaty_;
    ULONG pozice_;
};

}  // namespace TestovaciKamera
