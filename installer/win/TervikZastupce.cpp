// TervikZastupce: the installer's helper that writes the Start-menu shortcut of Tervik with the
// application's AppUserModelID, so that the taskbar groups the running program under the shortcut and
// its jump list belongs to it. The installer extracts it to its temporary folder and runs it; it is not
// installed.
//
//   TervikZastupce ZASTUPCE CIL SLOZKA APPUSERMODELID POPIS
//
// Exit code 0 when the shortcut is saved with the ID, else the failed call's HRESULT (the installer then writes
// a plain shortcut itself).
//
// The ID goes in through the shell's IPropertyStore. When the saved file does not give it back (Wine's
// shortcuts accept the property and drop it), the property-store block is written into the file directly.
#include <windows.h>
#include <objbase.h>
#include <objidl.h>
#include <propidl.h>
#include <propsys.h>
#include <shlobj.h>
#include <wrl/client.h>

#include <cstring>
#include <cwchar>
#include <string>

#include "app/IdAplikaceZastupce.h"
#include "knihovna/Chyba.h"

using Microsoft::WRL::ComPtr;

namespace {

// System.AppUserModel.ID, declared here so that no property-key library has to be linked.
constexpr PROPERTYKEY kKlicAppUserModelId = {
    {0x9F4C2855, 0x9F79, 0x4B39, {0xA8, 0xD0, 0xE1, 0xD4, 0x2D, 0xE1, 0xD5, 0xF3}}, 5};

HRESULT UlozitZastupce(const wchar_t* zastupce, const wchar_t* cil, const wchar_t* slozka, const wchar_t* id,
                       const wchar_t* popis) {
    ComPtr<IShellLinkW> odkaz;
    HRESULT hr = ::CoCreateInstance(CLSID_ShellLink, nullptr, CLSCTX_INPROC_SERVER, IID_PPV_ARGS(&odkaz));
    if (FAILED(hr)) return hr;
    if (FAILED(hr = odkaz->SetPath(cil))) return hr;
    if (FAILED(hr = odkaz->SetWorkingDirectory(slozka))) return hr;
    if (FAILED(hr = odkaz->SetIconLocation(cil, 0))) return hr;
    if (FAILED(hr = odkaz->SetDescription(popis))) return hr;

    ComPtr<IPropertyStore> vlastnosti;
    if (FAILED(hr = odkaz.As(&vlastnosti))) return hr;
    // The string belongs to the variant: PropVariantClear frees it with CoTaskMemFree.
    PROPVARIANT hodnota;
    ::PropVariantInit(&hodnota);
    const size_t bajty = (std::wcslen(id) + 1) * sizeof(wchar_t);
    hodnota.pwszVal = static_cast<wchar_t*>(::CoTaskMemAlloc(bajty));
    if (!hodnota.pwszVal) return E_OUTOFMEMORY;
    std::memcpy(hodnota.pwszVal, id, bajty);
    hodnota.vt = VT_LPWSTR;
    hr = vlastnosti->SetValue(kKlicAppUserModelId, hodnota);
    ::PropVariantClear(&hodnota);
    if (FAILED(hr)) return hr;
    if (FAILED(hr = vlastnosti->Commit())) return hr;

    ComPtr<IPersistFile> soubor;
    if (FAILED(hr = odkaz.As(&soubor))) return hr;
    return soubor->Save(zastupce, TRUE);
}

// The ID the saved shortcut gives back through the shell; empty when it gives none.
std::wstring IdPodleShellu(const wchar_t* zastupce) {
    ComPtr<IShellLinkW> odkaz;
    ComPtr<IPersistFile> soubor;
    ComPtr<IPropertyStore> vlastnosti;
    if (FAILED(::CoCreateInstance(CLSID_ShellLink, nullptr, CLSCTX_INPROC_SERVER, IID_PPV_ARGS(&odkaz))) ||
        FAILED(odkaz.As(&soubor)) || FAILED(soubor->Load(zastupce, STGM_READ)) || FAILED(odkaz.As(&vlastnosti)))
        return {};
    PROPVARIANT hodnota;
    ::PropVariantInit(&hodnota);
    std::wstring id;
    if (SUCCEEDED(vlastnosti->GetValue(kKlicAppUserModelId, &hodnota)) && hodnota.vt == VT_LPWSTR && hodnota.pwszVal)
        id = hodnota.pwszVal;
    ::PropVariantClear(&hodnota);
    return id;
}

HRESULT ZapsatIdDoSouboru(const wchar_t* zastupce, const wchar_t* id) {
    HANDLE h = ::CreateFileW(zastupce, GENERIC_READ | GENERIC_WRITE, 0, nullptr, OPEN_EXISTING, 0, nullptr);
    if (h == INVALID_HANDLE_VALUE) return HRESULT_FROM_WIN32(::GetLastError());
    HRESULT hr = S_OK;
    LARGE_INTEGER velikost{};
    std::string obsah;
    DWORD preneseno = 0;
    if (!::GetFileSizeEx(h, &velikost) || velikost.QuadPart > (1 << 20)) {
        hr = E_INVALIDARG;
    } else {
        obsah.resize(static_cast<size_t>(velikost.QuadPart));
        if (!::ReadFile(h, obsah.data(), static_cast<DWORD>(obsah.size()), &preneseno, nullptr) ||
            preneseno != obsah.size())
            hr = HRESULT_FROM_WIN32(::GetLastError());
    }
    if (SUCCEEDED(hr)) {
        try {
            const std::string novy = ZapsatIdAplikace(obsah, id);
            LARGE_INTEGER nula{};
            if (!::SetFilePointerEx(h, nula, nullptr, FILE_BEGIN) ||
                !::WriteFile(h, novy.data(), static_cast<DWORD>(novy.size()), &preneseno, nullptr) ||
                preneseno != novy.size() || !::SetEndOfFile(h))
                hr = HRESULT_FROM_WIN32(::GetLastError());
        } catch (const Knihovna::Chyba& chyba) {
            hr = chyba.Hr();
        }
    }
    ::CloseHandle(h);
    return hr;
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
    if (argc != 6) return static_cast<int>(E_INVALIDARG);
    const HRESULT com = ::CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED | COINIT_DISABLE_OLE1DDE);
    if (FAILED(com)) return static_cast<int>(com);
    HRESULT hr = UlozitZastupce(argv[1], argv[2], argv[3], argv[4], argv[5]);
    if (SUCCEEDED(hr) && IdPodleShellu(argv[1]) != argv[4]) hr = ZapsatIdDoSouboru(argv[1], argv[4]);
    ::CoUninitialize();
    return static_cast<int>(hr);
}
