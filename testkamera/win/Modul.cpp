// The DLL's exports: class objects, unloading, registration with regsvr32 and DllInstall.
#include "testkamera/PrikazInstalace.h"
#include "testkamera/win/IdentifikaceKamery.h"
#include "testkamera/win/ModulKamery.h"
#include "testkamera/win/RegistraceKamery.h"
#include "testkamera/win/TovarnaKamery.h"

#include <new>
#include <string>

using namespace TestovaciKamera;

namespace {

std::wstring CestaDll() {
    std::wstring cesta(MAX_PATH, L'\0');
    for (;;) {
        const DWORD n = ::GetModuleFileNameW(ModulKamery::Instance(), cesta.data(), static_cast<DWORD>(cesta.size()));
        if (n == 0) return {};
        if (n < cesta.size()) {
            cesta.resize(n);
            return cesta;
        }
        cesta.resize(cesta.size() * 2);
    }
}

}  // namespace

extern "C" BOOL WINAPI DllMain(HINSTANCE instance, DWORD duvod, LPVOID) {
    if (duvod == DLL_PROCESS_ATTACH) {
        ModulKamery::NastavitInstanci(instance);
    }
    return TRUE;
}

extern "C" HRESULT STDAPICALLTYPE DllGetClassObject(REFCLSID clsid, REFIID iid, void** ppv) {
    if (!ppv) return E_POINTER;
    *ppv = nullptr;
    if (clsid != kClsidKamery && clsid != kClsidKameryBezObrazu && clsid != kClsidStrankyFormatu)
        return CLASS_E_CLASSNOTAVAILABLE;
    auto* tovarna = new (std::nothrow) TovarnaKamery(clsid);
    if (!tovarna) return E_OUTOFMEMORY;
    const HRESULT hr = tovarna->QueryInterface(iid, ppv);
    tovarna->Release();
    return hr;
}

extern "C" HRESULT STDAPICALLTYPE DllCanUnloadNow() { return ModulKamery::Pouzivani() == 0 ? S_OK : S_FALSE; }

extern "C" HRESULT STDAPICALLTYPE DllRegisterServer() {
    const std::wstring cesta = CestaDll();
    if (cesta.empty()) return HRESULT_FROM_WIN32(::GetLastError());
    return RegistraceKamery(cesta).Zaregistrovat();
}

extern "C" HRESULT STDAPICALLTYPE DllUnregisterServer() { return RegistraceKamery(CestaDll()).OdregistrovatVse(); }

// "N": devices 1..N of the same name (others removed); "bezobrazu": the variant without
// IAMVideoProcAmp. Uninstalling "bezobrazu" removes the variant, an empty line everything.
extern "C" HRESULT STDAPICALLTYPE DllInstall(BOOL instalovat, LPCWSTR prikazovyRadek) {
    const auto prikaz = RozebratPrikazInstalace(prikazovyRadek ? prikazovyRadek : L"", kNejvicZarizeni);
    if (!prikaz) return E_INVALIDARG;
    const RegistraceKamery registrace(CestaDll());
    if (!instalovat) {
        if (prikaz->pocet != 0) return E_INVALIDARG;
        return prikaz->bezObrazu ? registrace.OdregistrovatBezObrazu() : registrace.OdregistrovatVse();
    }
    HRESULT hr = S_OK;
    if (prikaz->pocet != 0) hr = registrace.ZaregistrovatZarizeni(prikaz->pocet);
    if (SUCCEEDED(hr) && prikaz->bezObrazu) hr = registrace.ZaregistrovatBezObrazu();
    if (SUCCEEDED(hr) && prikaz->pocet == 0 && !prikaz->bezObrazu) hr = registrace.Zaregistrovat();
    return hr;
}
