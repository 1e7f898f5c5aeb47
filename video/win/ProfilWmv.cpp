#include "video/win/ProfilWmv.h"

#include "video/win/HlavickyDirectShow.h"

#include <wmsdkidl.h>

#include <functional>
#include <vector>

#include "knihovna/Chyba.h"
#include "knihovna/Formatovani.h"

namespace Holvent::DirectShow {

using Knihovna::Vyhodit;

namespace {

constexpr std::uint64_t kNejvetsiPrx = std::uint64_t{1} << 20;

// Where Windows Media is missing or implements nothing (Wine), the user gets one text for it.
void Kontrola(HRESULT hr) {
    if (SUCCEEDED(hr)) return;
    if (hr == E_NOTIMPL || hr == REGDB_E_CLASSNOTREG) Vyhodit(hr, kTextWmvNedostupne);
    Vyhodit(hr);
}

template <class T>
struct Uvolneni {
    T* p = nullptr;
    ~Uvolneni() {
        if (p) p->Release();
    }
};

std::wstring Text(const std::function<HRESULT(WCHAR*, DWORD*)>& cist) {
    DWORD delka = 0;
    if (FAILED(cist(nullptr, &delka)) || delka == 0) return {};
    std::vector<WCHAR> text(delka + 1, 0);
    if (FAILED(cist(text.data(), &delka))) return {};
    return text.data();
}

bool MaVideo(IWMProfile* profil) {
    DWORD pocet = 0;
    if (FAILED(profil->GetStreamCount(&pocet))) return false;
    for (DWORD i = 0; i < pocet; ++i) {
        Uvolneni<IWMStreamConfig> proud;
        GUID typ{};
        if (SUCCEEDED(profil->GetStream(i, &proud.p)) && SUCCEEDED(proud.p->GetStreamType(&typ)) &&
            typ == MEDIATYPE_Video)
            return true;
    }
    return false;
}

DetailyProfilu CistDetaily(IWMProfile* profil) {
    DetailyProfilu d;
    d.nazev = Text([&](WCHAR* t, DWORD* n) { return profil->GetName(t, n); });
    d.popis = Text([&](WCHAR* t, DWORD* n) { return profil->GetDescription(t, n); });
    DWORD pocet = 0;
    Kontrola(profil->GetStreamCount(&pocet));
    d.pocetProudu = pocet;
    for (DWORD cislo = 1; cislo <= pocet; ++cislo) {
        Uvolneni<IWMStreamConfig> proud;
        if (FAILED(profil->GetStreamByNumber(static_cast<WORD>(cislo), &proud.p)) || !proud.p) continue;
        GUID typ{};
        if (FAILED(proud.p->GetStreamType(&typ))) continue;
        DWORD bitrate = 0;
        proud.p->GetBitrate(&bitrate);
        if (typ == MEDIATYPE_Audio) {
            d.zvuk = true;
            d.bitrateZvuku = bitrate;
            continue;
        }
        if (typ != MEDIATYPE_Video) continue;
        d.video = true;
        Uvolneni<IWMMediaProps> vlastnosti;
        if (FAILED(proud.p->QueryInterface(__uuidof(IWMMediaProps), reinterpret_cast<void**>(&vlastnosti.p))))
            continue;
        DWORD velikost = 0;
        if (FAILED(vlastnosti.p->GetMediaType(nullptr, &velikost)) || velikost < sizeof(WM_MEDIA_TYPE)) continue;
        std::vector<std::uint64_t> pamet((velikost + 7) / 8);
        auto* typMedia = reinterpret_cast<WM_MEDIA_TYPE*>(pamet.data());
        if (FAILED(vlastnosti.p->GetMediaType(typMedia, &velikost))) continue;
        if (typMedia->formattype != FORMAT_VideoInfo || !typMedia->pbFormat ||
            typMedia->cbFormat < sizeof(VIDEOINFOHEADER))
            continue;
        const auto* vih = reinterpret_cast<const VIDEOINFOHEADER*>(typMedia->pbFormat);
        d.sirka = vih->bmiHeader.biWidth;
        d.vyska = vih->bmiHeader.biHeight;
        d.bitrateVidea = vih->dwBitRate;
        d.snimkuZaSekundu = vih->AvgTimePerFrame > 0 ? static_cast<std::uint32_t>(10000000 / vih->AvgTimePerFrame) : 0;
    }
    return d;
}

IWMProfileManager2* Spravce2(IWMProfileManager* spravce, std::uint32_t verze) {
    IWMProfileManager2* s2 = nullptr;
    Kontrola(spravce->QueryInterface(__uuidof(IWMProfileManager2), reinterpret_cast<void**>(&s2)));
    const HRESULT hr = s2->SetSystemProfileVersion(static_cast<WMT_VERSION>(verze));
    if (FAILED(hr)) {
        s2->Release();
        Kontrola(hr);
    }
    return s2;
}

void KontrolaVerze(std::uint32_t verze) {
    if (verze != WMT_VER_7_0 && verze != WMT_VER_8_0)
        Vyhodit(E_INVALIDARG, Knihovna::Formatovat(L"Neplatná verze systémových profilů Windows Media (0x%X); "
                                                   L"platné jsou 0x70000 a 0x80000.",
                                                   verze));
}

}  // namespace

ProfilWmv::ProfilWmv() = default;

ProfilWmv::~ProfilWmv() {
    Uvolnit();
    if (spravce_) spravce_->Release();
    if (modul_) ::FreeLibrary(modul_);
}

void ProfilWmv::Resetovat() {
    Uvolnit();
    if (spravce_) spravce_->Release();
    spravce_ = nullptr;
    // No import library: a system without Windows Media still starts the program.
    if (!modul_) modul_ = ::LoadLibraryW(L"wmvcore.dll");
    if (!modul_) Vyhodit(HRESULT_FROM_WIN32(::GetLastError()), kTextWmvNedostupne);
    using Vytvoreni = HRESULT(WINAPI*)(IWMProfileManager**);
    auto vytvorit = reinterpret_cast<Vytvoreni>(reinterpret_cast<void*>(::GetProcAddress(modul_, "WMCreateProfileManager")));
    if (!vytvorit) Vyhodit(HRESULT_FROM_WIN32(::GetLastError()), kTextWmvNedostupne);
    const HRESULT hr = vytvorit(&spravce_);
    if (FAILED(hr) || !spravce_) {
        spravce_ = nullptr;
        Vyhodit(FAILED(hr) ? hr : E_POINTER, kTextWmvNedostupne);
    }
}

IWMProfileManager* ProfilWmv::Spravce() {
    if (!spravce_) Resetovat();
    return spravce_;
}

void ProfilWmv::Uvolnit() {
    if (profil_) profil_->Release();
    profil_ = nullptr;
    detaily_ = {};
}

void ProfilWmv::Prevzit(IWMProfile* profil) {
    profil_ = profil;
    try {
        detaily_ = CistDetaily(profil_);
    } catch (...) {
        Uvolnit();
        throw;
    }
}

void ProfilWmv::NacistSystemovyProfil(std::uint32_t index, std::uint32_t verze) {
    KontrolaVerze(verze);
    Uvolnit();
    Uvolneni<IWMProfileManager2> spravce{Spravce2(Spravce(), verze)};
    DWORD pocet = 0;
    Kontrola(spravce.p->GetSystemProfileCount(&pocet));
    if (index >= pocet)
        Vyhodit(E_INVALIDARG, Knihovna::Formatovat(L"Systémový profil Windows Media číslo %u neexistuje "
                                                   L"(verze %u jich má %u).",
                                                   index, verze >> 16, static_cast<unsigned>(pocet)));
    IWMProfile* profil = nullptr;
    Kontrola(spravce.p->LoadSystemProfile(index, &profil));
    Prevzit(profil);
}

void ProfilWmv::NacistProfilPrx(const std::wstring& cesta) {
    const DWORD atributy = ::GetFileAttributesW(cesta.c_str());
    if (atributy == INVALID_FILE_ATTRIBUTES || (atributy & FILE_ATTRIBUTE_DIRECTORY)) Vyhodit(E_INVALIDARG);
    Uvolnit();
    IWMProfileManager* spravce = Spravce();
    HANDLE soubor = ::CreateFileW(cesta.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING,
                                  FILE_ATTRIBUTE_NORMAL, nullptr);
    if (soubor == INVALID_HANDLE_VALUE) Vyhodit(HRESULT_FROM_WIN32(::GetLastError()));
    LARGE_INTEGER velikost{};
    std::vector<WCHAR> text;
    DWORD chyba = 0;
    if (!::GetFileSizeEx(soubor, &velikost)) {
        chyba = ::GetLastError();
    } else if (static_cast<std::uint64_t>(velikost.QuadPart) > kNejvetsiPrx) {
        chyba = ERROR_INVALID_DATA;
    } else {
        // Two zero bytes more than the file: the text always ends.
        const auto bajtu = static_cast<DWORD>(velikost.QuadPart);
        text.assign(bajtu / 2 + 2, 0);
        DWORD precteno = 0;
        if (!::ReadFile(soubor, text.data(), bajtu, &precteno, nullptr)) chyba = ::GetLastError();
    }
    ::CloseHandle(soubor);
    if (chyba) Vyhodit(HRESULT_FROM_WIN32(chyba));
    // A byte-order mark is not part of the profile's text.
    const WCHAR* zacatek = text.data();
    if (*zacatek == 0xFEFF) ++zacatek;
    IWMProfile* profil = nullptr;
    Kontrola(spravce->LoadProfileByData(zacatek, &profil));
    Prevzit(profil);
}

std::vector<PolozkaProfilu> ProfilWmv::SystemoveProfily(std::uint32_t verze, bool jenSVideem) {
    KontrolaVerze(verze);
    Uvolneni<IWMProfileManager2> spravce{Spravce2(Spravce(), verze)};
    DWORD pocet = 0;
    Kontrola(spravce.p->GetSystemProfileCount(&pocet));
    std::vector<PolozkaProfilu> seznam;
    for (DWORD i = 0; i < pocet; ++i) {
        Uvolneni<IWMProfile> profil;
        Kontrola(spravce.p->LoadSystemProfile(i, &profil.p));
        PolozkaProfilu polozka;
        polozka.index = i;
        polozka.nazev = Text([&](WCHAR* t, DWORD* n) { return profil.p->GetName(t, n); });
        polozka.video = MaVideo(profil.p);
        if (jenSVideem && !polozka.video) continue;
        seznam.push_back(std::move(polozka));
    }
    return seznam;
}

}  // namespace Holvent::DirectShow
