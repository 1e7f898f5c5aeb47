#include "video/win/VyctiZarizeni.h"

#define NO_DSHOW_STRSAFE
#include <dshow.h>
#include <oleauto.h>
#include <wrl/client.h>

#include "knihovna/Chyba.h"

using Microsoft::WRL::ComPtr;
using namespace Knihovna;

namespace {

// A string property; empty when the device has none.
std::wstring Vlastnost(IPropertyBag& vlastnosti, const wchar_t* jmeno, bool& nalezeno) {
    VARIANT v;
    ::VariantInit(&v);
    std::wstring text;
    nalezeno = SUCCEEDED(vlastnosti.Read(jmeno, &v, nullptr)) && v.vt == VT_BSTR;
    if (nalezeno && v.bstrVal) text.assign(v.bstrVal, ::SysStringLen(v.bstrVal));
    ::VariantClear(&v);
    return text;
}

}  // namespace

int PorovnatPodleLokality(const std::wstring& a, const std::wstring& b) { return ::lstrcmpiW(a.c_str(), b.c_str()); }

SeznamZarizeni NacistZarizeni(REFCLSID kategorie) {
    SeznamZarizeni zarizeni;
    ComPtr<ICreateDevEnum> vyctovac;
    VyhoditPriChybe(::CoCreateInstance(CLSID_SystemDeviceEnum, nullptr, CLSCTX_INPROC_SERVER, IID_PPV_ARGS(&vyctovac)));
    ComPtr<IEnumMoniker> monikery;
    // S_FALSE: the category is empty (or does not exist yet).
    if (vyctovac->CreateClassEnumerator(kategorie, &monikery, 0) != S_OK || !monikery) return zarizeni;
    for (;;) {
        ComPtr<IMoniker> moniker;
        const HRESULT hr = monikery->Next(1, &moniker, nullptr);
        if (hr != S_OK) {
            VyhoditPriChybe(hr);
            break;
        }
        // One device that cannot be read does not hide the others.
        ComPtr<IPropertyBag> vlastnosti;
        if (FAILED(moniker->BindToStorage(nullptr, nullptr, IID_PPV_ARGS(&vlastnosti))) || !vlastnosti) continue;
        bool ma = false;
        InfoZarizeni info;
        info.friendlyName = Vlastnost(*vlastnosti.Get(), L"FriendlyName", ma);
        if (!ma) continue;
        info.popis = Vlastnost(*vlastnosti.Get(), L"Description", ma);
        info.devicePath = Vlastnost(*vlastnosti.Get(), L"DevicePath", ma);
        zarizeni.push_back(std::move(info));
    }
    SeraditAOcislovat(zarizeni, PorovnatPodleLokality);
    return zarizeni;
}

void NacistZarizeniVideo(SeznamZarizeni& zarizeni) {
    zarizeni.clear();
    zarizeni = NacistZarizeni(CLSID_VideoInputDeviceCategory);
}

void NacistZarizeniZvuk(SeznamZarizeni& zarizeni) {
    zarizeni.clear();
    zarizeni = NacistZarizeni(CLSID_AudioInputDeviceCategory);
}
