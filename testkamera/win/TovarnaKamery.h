#pragma once

#include <windows.h>
#include <unknwn.h>

#include <atomic>

namespace TestovaciKamera {

// The class factory of the camera filter (with or without image properties) and of its format page.
class TovarnaKamery final : public IClassFactory {
public:
    explicit TovarnaKamery(const CLSID& trida);
    ~TovarnaKamery();

    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID iid, void** ppv) override;
    ULONG STDMETHODCALLTYPE AddRef() override;
    ULONG STDMETHODCALLTYPE Release() override;
    HRESULT STDMETHODCALLTYPE CreateInstance(IUnknown* vnejsi, REFIID iid, void** ppv) override;
    HRESULT STDMETHODCALLTYPE LockServer(BOOL zamknout) override;

private:
    std::atomic<ULONG> reference_{1};
    const CLSID trida_;
};

}  // namespace TestovaciKamera
