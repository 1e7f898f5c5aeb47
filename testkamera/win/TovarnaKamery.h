#pragma once

#include <windows.h>
#include <unknwn.h>

#include <atomic>

namespace TestovaciKamera {

// The class factory of the camera filter (with or without image properties).
class TovarnaKamery final : public IClassFactory {
public:
    explicit TovarnaKamery(bool sObrazem);
    ~TovarnaKamery();

    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID iid, void** ppv) override;
    ULONG STDMETHODCALLTYPE AddRef() override;
    ULONG STDMETHODCALLTYPE Release() override;
    HRESULT STDMETHODCALLTYPE CreateInstance(IUnknown* vnejsi, REFIID iid, void** ppv) override;
    HRESULT STDMETHODCALLTYPE LockServer(BOOL zamknout) override;

private:
    std::atomic<ULONG> reference_{1};
    const bool sObrazem_;
};

}  // namespace TestovaciKamera
