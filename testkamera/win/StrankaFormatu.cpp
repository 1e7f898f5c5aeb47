#include "testkamera/win/StrankaFormatu.h"

#include <cstring>
#include <cwchar>
#include <new>

#include "testkamera/win/IdentifikaceKamery.h"
#include "testkamera/win/ModulKamery.h"

namespace TestovaciKamera {

namespace {

constexpr SIZE kVelikost{240, 80};

}  // namespace

HRESULT StrankaFormatu::Vytvorit(REFIID iid, void** ppv) {
    auto* stranka = new (std::nothrow) StrankaFormatu;
    if (!stranka) return E_OUTOFMEMORY;
    const HRESULT hr = stranka->QueryInterface(iid, ppv);
    stranka->Release();
    return hr;
}

StrankaFormatu::StrankaFormatu() { ModulKamery::PridatObjekt(); }

StrankaFormatu::~StrankaFormatu() {
    Deactivate();
    SetPageSite(nullptr);
    ModulKamery::OdebratObjekt();
}

HRESULT StrankaFormatu::QueryInterface(REFIID iid, void** ppv) {
    if (!ppv) return E_POINTER;
    if (iid != IID_IUnknown && iid != IID_IPropertyPage) {
        *ppv = nullptr;
        return E_NOINTERFACE;
    }
    *ppv = static_cast<IPropertyPage*>(this);
    AddRef();
    return S_OK;
}

ULONG StrankaFormatu::AddRef() { return ++reference_; }

ULONG StrankaFormatu::Release() {
    const ULONG zbyva = --reference_;
    if (zbyva == 0) delete this;
    return zbyva;
}

HRESULT StrankaFormatu::SetPageSite(IPropertyPageSite* misto) {
    if (misto) misto->AddRef();
    if (misto_) misto_->Release();
    misto_ = misto;
    return S_OK;
}

HRESULT StrankaFormatu::Activate(HWND rodic, LPCRECT obdelnik, BOOL) {
    if (!obdelnik) return E_POINTER;
    Deactivate();
    okno_ = ::CreateWindowExW(0, L"STATIC", L"Obrazec RGB24, velikost a snímková frekvence podle IAMStreamConfig.",
                              WS_CHILD | SS_LEFT, obdelnik->left, obdelnik->top, obdelnik->right - obdelnik->left,
                              obdelnik->bottom - obdelnik->top, rodic, nullptr, ModulKamery::Instance(), nullptr);
    return okno_ ? S_OK : HRESULT_FROM_WIN32(::GetLastError());
}

HRESULT StrankaFormatu::Deactivate() {
    if (okno_) ::DestroyWindow(okno_);
    okno_ = nullptr;
    return S_OK;
}

HRESULT StrankaFormatu::GetPageInfo(PROPPAGEINFO* info) {
    if (!info) return E_POINTER;
    const std::size_t bajtu = (std::wcslen(kNazevStrankyFormatu) + 1) * sizeof(wchar_t);
    auto* titulek = static_cast<LPOLESTR>(::CoTaskMemAlloc(bajtu));
    if (!titulek) return E_OUTOFMEMORY;
    std::memcpy(titulek, kNazevStrankyFormatu, bajtu);
    info->cb = sizeof *info;
    info->pszTitle = titulek;
    info->size = kVelikost;
    info->pszDocString = nullptr;
    info->pszHelpFile = nullptr;
    info->dwHelpContext = 0;
    return S_OK;
}

// Nothing on the page changes the objects: they are not kept.
HRESULT StrankaFormatu::SetObjects(ULONG pocet, IUnknown** objekty) { return pocet && !objekty ? E_POINTER : S_OK; }

HRESULT StrankaFormatu::Show(UINT jak) {
    if (okno_) ::ShowWindow(okno_, static_cast<int>(jak));
    return S_OK;
}

HRESULT StrankaFormatu::Move(LPCRECT obdelnik) {
    if (!obdelnik) return E_POINTER;
    if (okno_)
        ::MoveWindow(okno_, obdelnik->left, obdelnik->top, obdelnik->right - obdelnik->left,
                     obdelnik->bottom - obdelnik->top, TRUE);
    return S_OK;
}

HRESULT StrankaFormatu::IsPageDirty() { return S_FALSE; }
HRESULT StrankaFormatu::Apply() { return S_OK; }
HRESULT StrankaFormatu::Help(LPCOLESTR) { return E_NOTIMPL; }
HRESULT StrankaFormatu::TranslateAccelerator(MSG*) { return S_FALSE; }

}  // namespace TestovaciKamera
