#pragma once

#include <windows.h>

#include <string>

namespace TestovaciKamera {

// Writes and removes the COM classes and the video input devices of the DLL in HKCR.
class RegistraceKamery {
public:
    explicit RegistraceKamery(std::wstring cestaDll) : cestaDll_(std::move(cestaDll)) {}

    // The classes and device 1 (DllRegisterServer).
    HRESULT Zaregistrovat() const;
    // Devices 1..pocet of the same name; those beyond pocet are removed.
    HRESULT ZaregistrovatZarizeni(int pocet) const;
    HRESULT ZaregistrovatBezObrazu() const;
    HRESULT OdregistrovatBezObrazu() const;
    // Every device whose class is one of ours, then the classes (DllUnregisterServer).
    HRESULT OdregistrovatVse() const;

    // The instance key name, stable device path of device n (1-based).
    static std::wstring JmenoInstance(int cislo);
    static std::wstring CestaZarizeni(int cislo);
    static std::wstring CestaZarizeniBezObrazu();

private:
    HRESULT ZapsatTridu(const CLSID& clsid, const wchar_t* nazev) const;
    static HRESULT ZapsatZarizeni(const std::wstring& instance, const CLSID& clsid, const wchar_t* nazev,
                                  const std::wstring& cesta);
    static HRESULT SmazatInstanci(const std::wstring& instance);

    std::wstring cestaDll_;
};

}  // namespace TestovaciKamera
