#include "testkamera/win/VyctovacPinu.h"

#include <new>

#include "testkamera/win/ModulKamery.h"

namespace TestovaciKamera {

VyctovacPinu::VyctovacPinu(IPin* pin, ULONG pozice) : pin_(pin), pozice_(pozice) { ModulKamery::PridatObjekt(); }
VyctovacPinu::~VyctovacPinu() { ModulKamery::OdebratObjekt(); }

HRESULT VyctovacPinu::QueryInterface(REFIID iid, void** ppv) {
    if (!ppv) return E_POINTER;
    if (iid != IID_IUnknown && iid != IID_IEnumPins) {
        *ppv = nullptr;
        return E_NOINTERFACE;
    }
    *ppv = static_cast<IEnumPins*>(this);
    AddRef();
    return S_OK;
}

ULONG VyctovacPinu::AddRef() { return ++reference_; }

ULONG VyctovacPinu::Release() {
    const ULONG zbyva = --reference_;
    if (zbyva == 0) delete this;
    return zbyva;
}

HRESULT VyctovacPinu::Next(ULONG pocet, IPin** piny, ULONG* nacteno) {
    if (!piny) return E_POINTER;
    if (pocet > 1 && !nacteno) return E_INVALIDARG;
    ULONG n = 0;
    if (pocet > 0 && pozice_ == 0) {
        piny[0] = pin_.Get();
        piny[0]->AddRef();
        pozice_ = 1;
        n = 1;
    }
    if (nacteno) *nacteno = n;
    return n == pocet ? S_OK : S_FALSE;
}

HRESULT VyctovacPinu::Skip(ULONG pocet) {
    const ULONG cil = pozice_ + pocet;
    pozice_ = cil > 1 ? 1 : cil;
    return cil <= 1 ? S_OK : S_FALSE;
}

HRESULT VyctovacPinu::Reset() {
    pozice_ = 0;
    return S_OK;
}

HRESULT VyctovacPinu::Clone(IEnumPins** kopie) {
    if (!kopie) return E_POINTER;
    *kopie = new (std::nothrow) VyctovacPinu(pin_.Get(), pozice_);
    return *kopie ? S_OK : E_OUTOFMEMORY;
}

}  // namespace TestovaciKamera
