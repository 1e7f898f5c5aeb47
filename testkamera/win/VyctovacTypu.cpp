#include "testkamera/win/VyctovacTypu.h"

#include <new>

#include "testkamera/win/ModulKamery.h"
#include "testkamera/win/TypyMedii.h"

namespace TestovaciKamera {

VyctovacTypu::VyctovacTypu(std::vector<FormatKamery> formaty, ULONG pozice)
    : formaty_(std::move(formaty)), pozice_(pozice) {
    ModulKamery::PridatObjekt();
}
VyctovacTypu::~VyctovacTypu() { ModulKamery::OdebratObjekt(); }

HRESULT VyctovacTypu::QueryInterface(REFIID iid, void** ppv) {
    if (!ppv) return E_POINTER;
    if (iid != IID_IUnknown && iid != IID_IEnumMediaTypes) {
        *ppv = nullptr;
        return E_NOINTERFACE;
    }
    *ppv = static_cast<IEnumMediaTypes*>(this);
    AddRef();
    return S_OK;
}

ULONG VyctovacTypu::AddRef() { return ++reference_; }

ULONG VyctovacTypu::Release() {
    const ULONG zbyva = --reference_;
    if (zbyva == 0) delete this;
    return zbyva;
}

HRESULT VyctovacTypu::Next(ULONG pocet, AM_MEDIA_TYPE** typy, ULONG* nacteno) {
    if (!typy) return E_POINTER;
    if (pocet > 1 && !nacteno) return E_INVALIDARG;
    ULONG n = 0;
    while (n < pocet && pozice_ < formaty_.size()) {
        typy[n] = VytvoritTyp(formaty_[pozice_]);
        if (!typy[n]) {
            while (n > 0) SmazatTyp(typy[--n]);
            if (nacteno) *nacteno = 0;
            return E_OUTOFMEMORY;
        }
        ++n;
        ++pozice_;
    }
    if (nacteno) *nacteno = n;
    return n == pocet ? S_OK : S_FALSE;
}

HRESULT VyctovacTypu::Skip(ULONG pocet) {
    const std::size_t cil = static_cast<std::size_t>(pozice_) + pocet;
    pozice_ = static_cast<ULONG>(std::min(cil, formaty_.size()));
    return cil <= formaty_.size() ? S_OK : S_FALSE;
}

HRESULT VyctovacTypu::Reset() {
    pozice_ = 0;
    return S_OK;
}

HRESULT VyctovacTypu::Clone(IEnumMediaTypes** kopie) {
    if (!kopie) return E_POINTER;
    *kopie = new (std::nothrow) VyctovacTypu(formaty_, pozice_);
    return *kopie ? S_OK : E_OUTOFMEMORY;
}

}  // namespace TestovaciKamera
