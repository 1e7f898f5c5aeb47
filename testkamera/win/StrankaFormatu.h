#pragma once

#include <windows.h>
#include <ocidl.h>

#include <atomic>

namespace TestovaciKamera {

// The capture pin's property page: a page with one line of text and nothing to change, so that a
// program can open the device's format pages as it would with a real driver's.
class StrankaFormatu final : public IPropertyPage {
public:
    static HRESULT Vytvorit(REFIID iid, void** ppv);

    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID iid, void** ppv) override;
    ULONG STDMETHODCALLTYPE AddRef() override;
    ULONG STDMETHODCALLTYPE Release() override;

    HRESULT STDMETHODCALLTYPE SetPageSite(IPropertyPageSite* misto) override;
    HRESULT STDMETHODCALLTYPE Activate(HWND rodic, LPCRECT obdelnik, BOOL modalni) override;
    HRESULT STDMETHODCALLTYPE Deactivate() override;
    HRESULT STDMETHODCALLTYPE GetPageInfo(PROPPAGEINFO* info) override;
    HRESULT STDMETHODCALLTYPE SetObjects(ULONG pocet, IUnknown** objekty) override;
    HRESULT STDMETHODCALLTYPE Show(UINT jak) override;
    HRESULT STDMETHODCALLTYPE Move(LPCRECT obdelnik) override;
    HRESULT STDMETHODCALLTYPE IsPageDirty() override;
    HRESULT STDMETHODCALLTYPE Apply() override;
    HRESULT STDMETHODCALLTYPE Help(LPCOLESTR slozka) override;
    HRESULT STDMETHODCALLTYPE TranslateAccelerator(MSG* zprava) override;

private:
    StrankaFormatu();
    ~StrankaFormatu();

    std::atomic<ULONG> reference_{1};
    IPropertyPageSite* misto_ = nullptr;
    HWND okno_ = nullptr;
};

}  // namespace TestovaciKamera
