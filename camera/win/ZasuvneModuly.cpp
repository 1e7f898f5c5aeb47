#include "camera/win/ZasuvneModuly.h"

#include <cstdio>
#include <cwchar>

#include "knihovna/win/ChybyWin.h"

namespace {

template <class F>
F Export(HMODULE knihovna, const char* jmeno) {
    // The exports' types are fixed by the plug-in contract; GetProcAddress only knows a generic one.
    return reinterpret_cast<F>(reinterpret_cast<void*>(::GetProcAddress(knihovna, jmeno)));
}

}  // namespace

std::vector<std::wstring> ZasuvneModuly::Nacist(const std::vector<ZasuvnyModul>& seznam) {
    Uvolnit();
    ++generace_;
    std::vector<std::wstring> chyby;
    std::vector<ExportyModulu> exporty;
    for (const ZasuvnyModul& z : seznam) {
        Modul m;
        m.jmeno = z.jmeno;
        m.cesta = z.cesta;
        ExportyModulu e;
        DWORD kod = ERROR_BAD_PATHNAME;
        if (JeAbsolutniCesta(z.cesta)) {
            // The library's own dependencies are looked for beside it first, not beside the program.
            if (HMODULE h = ::LoadLibraryExW(z.cesta.c_str(), nullptr, LOAD_WITH_ALTERED_SEARCH_PATH))
                m.knihovna.reset(h, [](void* k) { ::FreeLibrary(static_cast<HMODULE>(k)); });
            else
                kod = ::GetLastError();
        }
        if (m.knihovna) {
            const auto h = static_cast<HMODULE>(m.knihovna.get());
            m.zapisDoObrazu = Export<FunkceObrazu>(h, "ZapisDoObrazu");
            m.disk = Export<FunkceSnimku>(h, "UpravaSnimkuDisk");
            m.email = Export<FunkceSnimku>(h, "UpravaSnimkuEmail");
            m.ftp = Export<FunkceSnimku>(h, "UpravaSnimkuFtp");
            m.http = Export<FunkceSnimku>(h, "UpravaSnimkuHttpServer");
            e = {m.zapisDoObrazu != nullptr, m.disk != nullptr, m.email != nullptr, m.ftp != nullptr,
                 m.http != nullptr};
        } else {
            if (kod == ERROR_SUCCESS) kod = ERROR_DLL_INIT_FAILED;
            chyby.push_back(TextChybyNacteniModulu(z.cesta, Knihovna::WinApi::SystemovyPopis(HRESULT_FROM_WIN32(kod))));
        }
        moduly_.push_back(std::move(m));
        exporty.push_back(e);
    }
    seznamy_ = SestavitSeznamyVolani(seznam, exporty);
    seznam_ = seznam;
    exporty_ = std::move(exporty);
    return chyby;
}

void ZasuvneModuly::Vypnout(std::size_t index) {
    if (index >= exporty_.size()) return;
    exporty_[index] = {};
    seznamy_ = SestavitSeznamyVolani(seznam_, exporty_);
}

void ZasuvneModuly::Uvolnit() {
    seznamy_ = {};
    seznam_.clear();
    exporty_.clear();
    // Later libraries may use earlier ones; free them in reverse order of loading.
    while (!moduly_.empty()) moduly_.pop_back();
}

std::wstring ZasuvneModuly::JmenoKnihovny(const std::wstring& cesta) {
    // "ProductName" of the version information in its first language, else the file name.
    DWORD nic = 0;
    const DWORD velikost = ::GetFileVersionInfoSizeW(cesta.c_str(), &nic);
    if (velikost > 0) {
        std::vector<std::uint8_t> informace(velikost);
        struct Jazyk {
            WORD jazyk, kodovaStranka;
        };
        Jazyk* jazyky = nullptr;
        UINT delkaJazyku = 0;
        if (::GetFileVersionInfoW(cesta.c_str(), 0, velikost, informace.data()) &&
            ::VerQueryValueW(informace.data(), L"\\VarFileInfo\\Translation", reinterpret_cast<void**>(&jazyky),
                             &delkaJazyku) &&
            jazyky && delkaJazyku >= sizeof(Jazyk)) {
            wchar_t dotaz[64];
            std::swprintf(dotaz, 64, L"\\StringFileInfo\\%04x%04x\\ProductName", jazyky[0].jazyk,
                          jazyky[0].kodovaStranka);
            wchar_t* nazev = nullptr;
            UINT delka = 0;
            if (::VerQueryValueW(informace.data(), dotaz, reinterpret_cast<void**>(&nazev), &delka) && nazev &&
                delka > 0) {
                std::wstring jmeno(nazev, ::wcsnlen(nazev, delka));
                if (!jmeno.empty()) return jmeno;
            }
        }
    }
    const std::size_t lomitko = cesta.find_last_of(L"\\/");
    return lomitko == std::wstring::npos ? cesta : cesta.substr(lomitko + 1);
}
