#include "CteniZastupce.h"

#include <windows.h>
#include <objbase.h>
#include <objidl.h>
#include <propidl.h>
#include <propsys.h>
#include <shlobj.h>
#include <wrl/client.h>

#include <fstream>
#include <iterator>
#include <string>

#include "app/IdAplikaceZastupce.h"
#include "knihovna/Chyba.h"

void Vypsat(const std::wstring& text);

namespace {

// System.AppUserModel.ID
constexpr PROPERTYKEY kKlicAppUserModelId = {
    {0x9F4C2855, 0x9F79, 0x4B39, {0xA8, 0xD0, 0xE1, 0xD4, 0x2D, 0xE1, 0xD5, 0xF3}}, 5};

HRESULT Precist(const wchar_t* cesta) {
    using Microsoft::WRL::ComPtr;
    ComPtr<IShellLinkW> odkaz;
    HRESULT hr = ::CoCreateInstance(CLSID_ShellLink, nullptr, CLSCTX_INPROC_SERVER, IID_PPV_ARGS(&odkaz));
    if (FAILED(hr)) return hr;
    ComPtr<IPersistFile> soubor;
    if (FAILED(hr = odkaz.As(&soubor))) return hr;
    if (FAILED(hr = soubor->Load(cesta, STGM_READ))) return hr;

    wchar_t text[MAX_PATH * 2] = {};
    if (FAILED(hr = odkaz->GetPath(text, MAX_PATH * 2, nullptr, SLGP_RAWPATH))) return hr;
    Vypsat(std::wstring(L"cil=") + text);
    text[0] = 0;
    if (FAILED(hr = odkaz->GetArguments(text, MAX_PATH * 2))) return hr;
    Vypsat(std::wstring(L"argumenty=") + text);
    text[0] = 0;
    if (FAILED(hr = odkaz->GetWorkingDirectory(text, MAX_PATH * 2))) return hr;
    Vypsat(std::wstring(L"slozka=") + text);
    text[0] = 0;
    int ikona = -1;
    if (FAILED(hr = odkaz->GetIconLocation(text, MAX_PATH * 2, &ikona))) return hr;
    Vypsat(std::wstring(L"ikona=") + text + L"," + std::to_wstring(ikona));

    ComPtr<IPropertyStore> vlastnosti;
    if (FAILED(hr = odkaz.As(&vlastnosti))) return hr;
    PROPVARIANT hodnota;
    ::PropVariantInit(&hodnota);
    std::wstring id;
    if (SUCCEEDED(vlastnosti->GetValue(kKlicAppUserModelId, &hodnota)) && hodnota.vt == VT_LPWSTR && hodnota.pwszVal)
        id = hodnota.pwszVal;
    ::PropVariantClear(&hodnota);
    const wchar_t* jak = L"IPropertyStore";
    if (id.empty()) {
        std::ifstream f(cesta, std::ios::binary);
        const std::string obsah{std::istreambuf_iterator<char>(f), std::istreambuf_iterator<char>()};
        try {
            id = PrecistIdAplikace(obsah);
        } catch (const Knihovna::Chyba& chyba) {
            return chyba.Hr();
        }
        jak = L"soubor";
    }
    Vypsat(L"id=" + id);
    Vypsat(std::wstring(L"id-precteno=") + jak);
    return S_OK;
}

}  // namespace

int VypsatZastupce(const wchar_t* cesta) {
    if (FAILED(::CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED))) return 2;
    const HRESULT hr = Precist(cesta);
    ::CoUninitialize();
    return static_cast<int>(hr);
}
