// The test plug-ins, one library per behaviour, all from this source (see cmake/ZasuvneModuly.cmake):
//   MODUL_POCITADLO    counts its calls and writes the counts beside itself at unload ("<dll>.pocty.txt")
//   MODUL_PAD          an access violation at its 5th call (any function)
//   MODUL_VYJIMKA      catches an exception of its own in every call; the snapshot functions then let one out
//   MODUL_PRETECENI    overflows its stack in every call
//   MODUL_ZASEKNUTI    never returns (Sleep without end)
//   MODUL_EFAIL        returns E_FAIL from every function
//   MODUL_ODMITNUTI    DllMain refuses to load
//   MODUL_BEZ_EXPORTU  exports none of the five functions
#include <windows.h>

#include <cstdint>
#include <cstdio>
#include <stdexcept>

namespace {

HMODULE gModul = nullptr;
volatile LONG gPocty[5] = {};
volatile LONG gCelkem = 0;

enum Funkce { kZivy, kDisk, kEmail, kFtp, kHttp };
constexpr const char* kJmena[5] = {"ZapisDoObrazu", "UpravaSnimkuDisk", "UpravaSnimkuEmail", "UpravaSnimkuFtp",
                                   "UpravaSnimkuHttpServer"};

[[maybe_unused]] void ZapsatPocty() {
    wchar_t cesta[MAX_PATH + 16] = {};
    const DWORD n = ::GetModuleFileNameW(gModul, cesta, MAX_PATH);
    if (n == 0 || n >= MAX_PATH) return;
    lstrcatW(cesta, L".pocty.txt");
    const HANDLE soubor = ::CreateFileW(cesta, GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (soubor == INVALID_HANDLE_VALUE) return;
    char text[256];
    int delka = 0;
    for (int i = 0; i < 5; ++i)
        delka += std::snprintf(text + delka, sizeof text - delka, "%s=%ld\r\n", kJmena[i], static_cast<long>(gPocty[i]));
    DWORD zapsano = 0;
    ::WriteFile(soubor, text, static_cast<DWORD>(delka), &zapsano, nullptr);
    ::CloseHandle(soubor);
}

#ifdef MODUL_PRETECENI
volatile int gHloubka = 0;
// Not a tail call: the buffer is used after the recursive call returns.
__attribute__((noinline)) int Zanorit(int n) {
    volatile char misto[1024];
    misto[0] = static_cast<char>(n);
    if (gHloubka >= 0) misto[1] = static_cast<char>(Zanorit(n + 1));
    return misto[0] + misto[1];
}
#endif

#ifdef MODUL_EFAIL
using Vysledek = HRESULT;
#define VRATIT return E_FAIL
#else
using Vysledek = void;
#define VRATIT return
#endif

[[maybe_unused]] Vysledek Volani(Funkce f) {
    ::InterlockedIncrement(&gPocty[f]);
    [[maybe_unused]] const LONG celkem = ::InterlockedIncrement(&gCelkem);
#ifdef MODUL_PAD
    if (celkem == 5) {
        volatile int* volatile nikam = nullptr;
        *nikam = 1;
    }
#endif
#ifdef MODUL_VYJIMKA
    try {
        throw std::runtime_error("caught inside the plug-in");
    } catch (const std::exception&) {
    }
    if (f != kZivy) throw std::runtime_error("out of the plug-in");
#endif
#ifdef MODUL_PRETECENI
    Zanorit(0);
#endif
#ifdef MODUL_ZASEKNUTI
    for (;;) ::Sleep(INFINITE);
#endif
    VRATIT;
}

}  // namespace

#ifndef MODUL_BEZ_EXPORTU
extern "C" {
__declspec(dllexport) Vysledek ZapisDoObrazu(std::uint8_t*, std::int32_t, std::int32_t) { return Volani(kZivy); }
__declspec(dllexport) Vysledek UpravaSnimkuDisk(void*) { return Volani(kDisk); }
__declspec(dllexport) Vysledek UpravaSnimkuEmail(void*) { return Volani(kEmail); }
__declspec(dllexport) Vysledek UpravaSnimkuFtp(void*) { return Volani(kFtp); }
__declspec(dllexport) Vysledek UpravaSnimkuHttpServer(void*) { return Volani(kHttp); }
}
#endif

BOOL WINAPI DllMain(HINSTANCE modul, DWORD duvod, LPVOID) {
    if (duvod == DLL_PROCESS_ATTACH) {
        gModul = modul;
#ifdef MODUL_ODMITNUTI
        return FALSE;
#endif
    }
#ifdef MODUL_POCITADLO
    if (duvod == DLL_PROCESS_DETACH) ZapsatPocty();
#endif
    return TRUE;
}
