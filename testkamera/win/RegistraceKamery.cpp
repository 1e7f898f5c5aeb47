#include "testkamera/win/RegistraceKamery.h"

#include "testkamera/win/DirectShow.h"
#include "testkamera/win/IdentifikaceKamery.h"

#include <vector>

namespace TestovaciKamera {

namespace {

constexpr const wchar_t* kInstanceBezObrazu = L"TervikTestovaciKameraBezObrazu";

std::wstring TextGuid(const GUID& guid) {
    wchar_t text[40] = {};
    ::StringFromGUID2(guid, text, 40);
    return text;
}

std::wstring KlicInstanci() { return L"CLSID\\" + TextGuid(CLSID_VideoInputDeviceCategory) + L"\\Instance"; }

HRESULT ZapsatText(HKEY klic, const wchar_t* hodnota, const std::wstring& text) {
    return HRESULT_FROM_WIN32(::RegSetValueExW(klic, hodnota, 0, REG_SZ, reinterpret_cast<const BYTE*>(text.c_str()),
                                               static_cast<DWORD>((text.size() + 1) * sizeof(wchar_t))));
}

class Klic {
public:
    ~Klic() {
        if (h_) ::RegCloseKey(h_);
    }
    HKEY* put() { return &h_; }
    HKEY get() const { return h_; }

private:
    HKEY h_ = nullptr;
};

HRESULT VytvoritKlic(const std::wstring& cesta, Klic& klic) {
    return HRESULT_FROM_WIN32(::RegCreateKeyExW(HKEY_CLASSES_ROOT, cesta.c_str(), 0, nullptr, 0, KEY_ALL_ACCESS,
                                                nullptr, klic.put(), nullptr));
}

HRESULT SmazatStrom(const std::wstring& cesta) {
    const LSTATUS s = ::RegDeleteTreeW(HKEY_CLASSES_ROOT, cesta.c_str());
    if (s == ERROR_SUCCESS || s == ERROR_FILE_NOT_FOUND) {
        ::RegDeleteKeyW(HKEY_CLASSES_ROOT, cesta.c_str());
        return S_OK;
    }
    return HRESULT_FROM_WIN32(s);
}

}  // namespace

std::wstring RegistraceKamery::JmenoInstance(int cislo) { return L"TervikTestovaciKamera" + std::to_wstring(cislo); }

std::wstring RegistraceKamery::CestaZarizeni(int cislo) {
    return L"\\\\?\\root#tervik#testovaci-kamera-" + std::to_wstring(cislo) +
           L"#{65e8773d-8f56-11d0-a3b9-00a0c9223196}\\global";
}

std::wstring RegistraceKamery::CestaZarizeniBezObrazu() {
    return L"\\\\?\\root#tervik#testovaci-kamera-bez-obrazu#{65e8773d-8f56-11d0-a3b9-00a0c9223196}\\global";
}

HRESULT RegistraceKamery::ZapsatTridu(const CLSID& clsid, const wchar_t* nazev) const {
    const std::wstring cesta = L"CLSID\\" + TextGuid(clsid);
    Klic trida;
    HRESULT hr = VytvoritKlic(cesta, trida);
    if (SUCCEEDED(hr)) hr = ZapsatText(trida.get(), nullptr, nazev);
    Klic server;
    if (SUCCEEDED(hr)) hr = VytvoritKlic(cesta + L"\\InprocServer32", server);
    if (SUCCEEDED(hr)) hr = ZapsatText(server.get(), nullptr, cestaDll_);
    if (SUCCEEDED(hr)) hr = ZapsatText(server.get(), L"ThreadingModel", L"Both");
    return hr;
}

HRESULT RegistraceKamery::ZapsatZarizeni(const std::wstring& instance, const CLSID& clsid, const wchar_t* nazev,
                                         const std::wstring& cesta) {
    Klic klic;
    HRESULT hr = VytvoritKlic(KlicInstanci() + L"\\" + instance, klic);
    if (SUCCEEDED(hr)) hr = ZapsatText(klic.get(), L"CLSID", TextGuid(clsid));
    if (SUCCEEDED(hr)) hr = ZapsatText(klic.get(), L"FriendlyName", nazev);
    if (SUCCEEDED(hr)) hr = ZapsatText(klic.get(), L"DevicePath", cesta);
    if (SUCCEEDED(hr)) hr = ZapsatText(klic.get(), L"Description", kPopisZarizeni);
    return hr;
}

HRESULT RegistraceKamery::SmazatInstanci(const std::wstring& instance) {
    return SmazatStrom(KlicInstanci() + L"\\" + instance);
}

HRESULT RegistraceKamery::Zaregistrovat() const {
    HRESULT hr = ZapsatTridu(kClsidKamery, kNazevZarizeni);
    if (SUCCEEDED(hr)) hr = ZapsatTridu(kClsidStrankyFormatu, kNazevStrankyFormatu);
    if (SUCCEEDED(hr)) hr = ZapsatTridu(kClsidKameryBezObrazu, kNazevZarizeniBezObrazu);
    if (SUCCEEDED(hr)) hr = ZapsatZarizeni(JmenoInstance(1), kClsidKamery, kNazevZarizeni, CestaZarizeni(1));
    return hr;
}

HRESULT RegistraceKamery::ZaregistrovatZarizeni(int pocet) const {
    HRESULT hr = ZapsatTridu(kClsidKamery, kNazevZarizeni);
    if (SUCCEEDED(hr)) hr = ZapsatTridu(kClsidStrankyFormatu, kNazevStrankyFormatu);
    for (int i = 1; SUCCEEDED(hr) && i <= kNejvicZarizeni; ++i) {
        hr = i <= pocet ? ZapsatZarizeni(JmenoInstance(i), kClsidKamery, kNazevZarizeni, CestaZarizeni(i))
                        : SmazatInstanci(JmenoInstance(i));
    }
    return hr;
}

HRESULT RegistraceKamery::ZaregistrovatBezObrazu() const {
    HRESULT hr = ZapsatTridu(kClsidKameryBezObrazu, kNazevZarizeniBezObrazu);
    if (SUCCEEDED(hr)) {
        hr = ZapsatZarizeni(kInstanceBezObrazu, kClsidKameryBezObrazu, kNazevZarizeniBezObrazu,
                            CestaZarizeniBezObrazu());
    }
    return hr;
}

HRESULT RegistraceKamery::OdregistrovatBezObrazu() const { return SmazatInstanci(kInstanceBezObrazu); }

HRESULT RegistraceKamery::OdregistrovatVse() const {
    // Every instance pointing at one of our classes, whatever its key is called.
    const std::wstring koren = KlicInstanci();
    std::vector<std::wstring> nase;
    Klic instance;
    if (::RegOpenKeyExW(HKEY_CLASSES_ROOT, koren.c_str(), 0, KEY_READ, instance.put()) == ERROR_SUCCESS) {
        const std::wstring a = TextGuid(kClsidKamery), b = TextGuid(kClsidKameryBezObrazu);
        for (DWORD i = 0;; ++i) {
            wchar_t jmeno[256];
            DWORD delka = 256;
            if (::RegEnumKeyExW(instance.get(), i, jmeno, &delka, nullptr, nullptr, nullptr, nullptr) != ERROR_SUCCESS) {
                break;
            }
            wchar_t clsid[64] = {};
            DWORD velikost = sizeof clsid - sizeof(wchar_t);
            if (::RegGetValueW(instance.get(), jmeno, L"CLSID", RRF_RT_REG_SZ, nullptr, clsid, &velikost) ==
                    ERROR_SUCCESS &&
                (::_wcsicmp(clsid, a.c_str()) == 0 || ::_wcsicmp(clsid, b.c_str()) == 0)) {
                nase.emplace_back(jmeno);
            }
        }
    }
    HRESULT vysledek = S_OK;
    for (const auto& jmeno : nase) {
        const HRESULT hr = SmazatInstanci(jmeno);
        if (FAILED(hr)) vysledek = hr;
    }
    for (const CLSID* clsid : {&kClsidKamery, &kClsidKameryBezObrazu, &kClsidStrankyFormatu}) {
        const HRESULT hr = SmazatStrom(L"CLSID\\" + TextGuid(*clsid));
        if (FAILED(hr)) vysledek = hr;
    }
    return vysledek;
}

}  // namespace TestovaciKamera
