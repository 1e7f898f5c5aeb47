#include "app/win/SeznamSkoku.h"

#include <objbase.h>
#include <propidl.h>
#include <propsys.h>
#include <shobjidl.h>
#include <wrl/client.h>

#include <cstring>
#include <string>

#include "knihovna/win/Zdroje.h"

using Microsoft::WRL::ComPtr;

namespace {

// PKEY_Title.
constexpr PROPERTYKEY kTitulek = {{0xF29F85E0, 0x4FF9, 0x1068, {0xAB, 0x91, 0x08, 0x00, 0x2B, 0x27, 0xB3, 0xD9}}, 2};

struct Uloha {
    const wchar_t* argumenty;
    const wchar_t* titulek;
    const wchar_t* popis;
    int ikona;
    RezimSpusteni rezim;
};

constexpr Uloha kUlohy[] = {
    {L"-eo", L"Editor obrázků", L"Prohlížení a úprava snímků", -186, RezimSpusteni::EditorObrazku},
    {L"-pv", L"Přehrávač videa", L"Přehrávač nahraných videozáznamů", -187, RezimSpusteni::PrehravacVidea},
    {L"-fp", L"Prohlížeč FTP", L"Prohlížeč souborů na FTP serveru", -188, RezimSpusteni::ProhlizecFtp},
    {L"-so", L"Dálkový ovladač", L"Ovladač vzdálené aplikace přes síť LAN", -136, RezimSpusteni::SitovyOvladac},
};

HRESULT VytvoritOdkaz(const std::wstring& program, const Uloha& u, ComPtr<IShellLinkW>& odkaz) {
    HRESULT hr = ::CoCreateInstance(CLSID_ShellLink, nullptr, CLSCTX_INPROC_SERVER, IID_PPV_ARGS(&odkaz));
    if (FAILED(hr)) return hr;
    if (FAILED(hr = odkaz->SetPath(program.c_str()))) return hr;
    if (FAILED(hr = odkaz->SetArguments(u.argumenty))) return hr;
    if (FAILED(hr = odkaz->SetDescription(u.popis))) return hr;
    if (FAILED(hr = odkaz->SetIconLocation(program.c_str(), u.ikona))) return hr;
    ComPtr<IPropertyStore> vlastnosti;
    if (FAILED(hr = odkaz.As(&vlastnosti))) return hr;
    PROPVARIANT pv;
    ::PropVariantInit(&pv);
    const size_t bajty = (wcslen(u.titulek) + 1) * sizeof(wchar_t);
    pv.vt = VT_LPWSTR;
    pv.pwszVal = static_cast<wchar_t*>(::CoTaskMemAlloc(bajty));
    if (!pv.pwszVal) return E_OUTOFMEMORY;
    std::memcpy(pv.pwszVal, u.titulek, bajty);
    hr = vlastnosti->SetValue(kTitulek, pv);
    ::PropVariantClear(&pv);
    if (FAILED(hr)) return hr;
    return vlastnosti->Commit();
}

}  // namespace

namespace SeznamSkoku {

HRESULT Vytvorit(RezimSpusteni rezim) {
    ComPtr<ICustomDestinationList> seznam;
    HRESULT hr = ::CoCreateInstance(CLSID_DestinationList, nullptr, CLSCTX_INPROC_SERVER, IID_PPV_ARGS(&seznam));
    if (FAILED(hr)) return hr;
    UINT maxPolozek = 0;
    ComPtr<IObjectArray> odstranene;
    if (FAILED(hr = seznam->BeginList(&maxPolozek, IID_PPV_ARGS(&odstranene)))) return hr;
    ComPtr<IObjectCollection> ulohy;
    hr = ::CoCreateInstance(CLSID_EnumerableObjectCollection, nullptr, CLSCTX_INPROC_SERVER, IID_PPV_ARGS(&ulohy));
    if (FAILED(hr)) {
        seznam->AbortList();
        return hr;
    }
    const std::wstring program = Knihovna::WinApi::CestaModulu(nullptr);
    for (const Uloha& u : kUlohy) {
        if (u.rezim == rezim) continue;
        ComPtr<IShellLinkW> odkaz;
        if (FAILED(hr = VytvoritOdkaz(program, u, odkaz)) || FAILED(hr = ulohy->AddObject(odkaz.Get()))) {
            seznam->AbortList();
            return hr;
        }
    }
    ComPtr<IObjectArray> pole;
    if (FAILED(hr = ulohy.As(&pole)) || FAILED(hr = seznam->AddUserTasks(pole.Get()))) {
        seznam->AbortList();
        return hr;
    }
    return seznam->CommitList();
}

}  // namespace SeznamSkoku
