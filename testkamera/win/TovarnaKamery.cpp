#include "testkamera/win/TovarnaKamery.h"

#include "testkamera/win/FiltrKamery.h"
#include "testkamera/win/IdentifikaceKamery.h"
#include "testkamera/win/ModulKamery.h"
#include "testkamera/win/StrankaFormatu.h"

namespace TestovaciKamera {

TovarnaKamery::TovarnaKamery(const CLSID& trida) : trida_(trida) { ModulKamery::PridatObjekt(); }
TovarnaKamery::~TovarnaKamery() { ModulKamery::OdebratObjekt(); }

HRESULT TovarnaKamery::QueryInterface(REFIID iid, void** ppv) {
    if (!ppv) return E_POINTER;
    if (iid != IID_IUnknown && iid != IID_IClassFactory) {
        *ppv = nullptr;
        return E_NOINTERFACE;
    }
    *ppv = static_cast<IClassFactory*>(this);
    AddRef();
    return S_OK;
}

ULONG TovarnaKamery::AddRef() { return ++reference_; }

ULONG TovarnaKamery::Release() {
    const ULONG zbyva = --reference_;
    if (zbyva == 0) delete this;
    return zbyva;
}

HRESULT TovarnaKamery::CreateInstance(IUnknown* vnejsi, REFIID iid, void** ppv) {
    if (!ppv) return E_POINTER;
    *ppv = nullptr;
    if (vnejsi) return CLASS_E_NOAGGREGATION;
    if (trida_ == kClsidStrankyFormatu) return StrankaFormatu::Vytvorit(iid, ppv);
    return FiltrKamery::Vytvorit(trida_ == kClsidKamery, iid, ppv);
}

HRESULT TovarnaKamery::LockServer(BOOL zamknout) {
    ModulKamery::Zamknout(zamknout != FALSE);
    return S_OK;
}

}  // namespace TestovaciKamera
