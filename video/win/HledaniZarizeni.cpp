#include "video/win/HledaniZarizeni.h"

#include "knihovna/Chyba.h"

namespace Holvent::DirectShow {

using Knihovna::kE_FAIL;
using Knihovna::kE_INVALIDARG;
using Knihovna::Vyhodit;
using Knihovna::VyhoditPriChybe;

bool CistVlastnostZarizeni(IPropertyBag* vlastnosti, const wchar_t* jmeno, std::wstring& hodnota) {
    VARIANT v;
    ::VariantInit(&v);
    const HRESULT hr = vlastnosti->Read(jmeno, &v, nullptr);
    const bool ok = SUCCEEDED(hr) && v.vt == VT_BSTR;
    if (ok) hodnota.assign(v.bstrVal ? v.bstrVal : L"", v.bstrVal ? ::SysStringLen(v.bstrVal) : 0);
    ::VariantClear(&v);
    return ok;
}

void ProjitZarizeni(REFCLSID kategorie, const std::function<bool(IMoniker*, IPropertyBag*)>& funkce) {
    UkazatelCom<ICreateDevEnum> vyctovac;
    VyhoditPriChybe(::CoCreateInstance(CLSID_SystemDeviceEnum, nullptr, CLSCTX_INPROC_SERVER, IID_ICreateDevEnum,
                                       vyctovac.put()));
    UkazatelCom<IEnumMoniker> monikery;
    // S_FALSE: the category is empty.
    if (vyctovac->CreateClassEnumerator(kategorie, monikery.put(), 0) != S_OK || !monikery) return;
    for (;;) {
        UkazatelCom<IMoniker> moniker;
        if (monikery->Next(1, moniker.put(), nullptr) != S_OK || !moniker) break;
        UkazatelCom<IPropertyBag> vlastnosti;
        if (FAILED(moniker->BindToStorage(nullptr, nullptr, IID_IPropertyBag, vlastnosti.put())) || !vlastnosti) continue;
        if (funkce(moniker.get(), vlastnosti.get())) break;
    }
}

namespace {

UkazatelCom<IBaseFilter> Najit(REFCLSID kategorie, const wchar_t* vlastnost, const std::wstring& hledane) {
    UkazatelCom<IBaseFilter> filtr;
    ProjitZarizeni(kategorie, [&](IMoniker* moniker, IPropertyBag* vlastnosti) {
        std::wstring hodnota;
        if (!CistVlastnostZarizeni(vlastnosti, vlastnost, hodnota)) return false;
        if (::lstrcmpiW(hodnota.c_str(), hledane.c_str()) != 0) return false;
        VyhoditPriChybe(moniker->BindToObject(nullptr, nullptr, IID_IBaseFilter, filtr.put()));
        return true;
    });
    if (!filtr) Vyhodit(kE_FAIL);
    return filtr;
}

}  // namespace

UkazatelCom<IBaseFilter> NajitZarizeniVidea(const InfoZarizeni& zarizeni) {
    if (zarizeni.friendlyName.empty()) Vyhodit(kE_INVALIDARG);
    return Najit(CLSID_VideoInputDeviceCategory, L"DevicePath", zarizeni.devicePath);
}

UkazatelCom<IBaseFilter> NajitZarizeniZvuk(const InfoZarizeni& zarizeni) {
    if (zarizeni.friendlyName.empty()) Vyhodit(kE_INVALIDARG);
    return Najit(CLSID_AudioInputDeviceCategory, L"FriendlyName", zarizeni.friendlyName);
}

}  // namespace Holvent::DirectShow
