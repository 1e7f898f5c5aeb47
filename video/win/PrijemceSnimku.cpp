#include "video/win/PrijemceSnimku.h"

#include <new>

#include "video/win/ZiveObjekty.h"

namespace Holvent::DirectShow {

UkazatelCom<PrijemceSnimku> PrijemceSnimku::Vytvorit(Zpracovani zpracovani) {
    auto* p = new PrijemceSnimku(std::move(zpracovani));
    return UkazatelCom<PrijemceSnimku>::Prevzit(p);
}

PrijemceSnimku::PrijemceSnimku(Zpracovani zpracovani) : zpracovani_(std::move(zpracovani)) {
    ZiveObjekty::Pridat(ZiveObjekty::Druh::PrijemceSnimku);
}

PrijemceSnimku::~PrijemceSnimku() { ZiveObjekty::Odebrat(ZiveObjekty::Druh::PrijemceSnimku); }

void PrijemceSnimku::Odpojit() {
    Zpracovani stare;
    {
        std::lock_guard zamek(zamek_);
        stare.swap(zpracovani_);
    }
    // Destroyed outside the lock: the function's captures may release things of their own.
}

void PrijemceSnimku::PodZamkem(const std::function<void()>& zmena) {
    std::lock_guard zamek(zamek_);
    zmena();
}

void PrijemceSnimku::PonechatSnimek(const std::uint8_t* data, long delka) {
    std::lock_guard zamek(zamekSnimku_);
    // The buffer keeps its capacity from frame to frame: no allocation once the size is stable.
    snimek_.assign(data, data + (delka > 0 ? delka : 0));
    maSnimek_ = true;
}

void PrijemceSnimku::ZahoditSnimek() {
    std::lock_guard zamek(zamekSnimku_);
    maSnimek_ = false;
    snimek_ = {};
}

bool PrijemceSnimku::VzitSnimek(std::vector<std::uint8_t>& cil) const {
    std::lock_guard zamek(zamekSnimku_);
    if (!maSnimek_) return false;
    cil = snimek_;
    return true;
}

HRESULT PrijemceSnimku::QueryInterface(REFIID iid, void** objekt) {
    if (!objekt) return E_POINTER;
    if (iid == IID_IUnknown || iid == IID_ISampleGrabberCB) {
        *objekt = static_cast<ISampleGrabberCB*>(this);
        AddRef();
        return S_OK;
    }
    *objekt = nullptr;
    return E_NOINTERFACE;
}

ULONG PrijemceSnimku::AddRef() { return ++reference_; }

ULONG PrijemceSnimku::Release() {
    const ULONG zbyva = --reference_;
    if (zbyva == 0) delete this;
    return zbyva;
}

HRESULT PrijemceSnimku::SampleCB(double cas, IMediaSample* vzorek) {
    try {
        if (!vzorek) return S_OK;
        hlidani_.Snimek(::GetTickCount());
        BYTE* data = nullptr;
        if (FAILED(vzorek->GetPointer(&data)) || !data) return S_OK;
        const long delka = vzorek->GetActualDataLength();
        std::lock_guard zamek(zamek_);
        if (!zpracovani_) return S_OK;
        ++pocet_;
        zpracovani_(cas, data, delka);
    } catch (...) {
        // The streaming thread belongs to DirectShow: a failed frame is dropped, the stream goes on.
        ++chyby_;
    }
    return S_OK;
}

HRESULT PrijemceSnimku::BufferCB(double, BYTE*, long) { return S_OK; }

}  // namespace Holvent::DirectShow
