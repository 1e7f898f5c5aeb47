#include "app/win/ModulNastroje.h"

#include <process.h>

#include "app/TextyZprav.h"
#include "app/win/Aplikace.h"
#include "app/win/OknoHlavni.h"
#include "knihovna/win/ChybyWin.h"
#include "knihovna/win/Zdroje.h"

using namespace Knihovna;
using namespace Knihovna::WinApi;

namespace {

std::atomic<HWND> hlavniOknoModulu{nullptr};

bool Existuje(const std::wstring& cesta) {
    return !cesta.empty() && ::GetFileAttributesW(cesta.c_str()) != INVALID_FILE_ATTRIBUTES;
}

std::wstring PopisKodu(DWORD kod) { return SystemovyPopis(HRESULT_FROM_WIN32(kod)); }

std::wstring TextSelhani(ModulNastroje::Selhani selhani, const std::wstring& nazev, const std::wstring& popis) {
    switch (selhani) {
    case ModulNastroje::Selhani::Spusteni: return TextyZprav::ChybaSpusteniModulu(nazev, popis);
    case ModulNastroje::Selhani::Ukonceni: return TextyZprav::ChybaUkonceniModulu(nazev, popis);
    case ModulNastroje::Selhani::Beh: break;
    }
    return TextyZprav::ChybaBehuModulu(nazev, popis);
}

}  // namespace

ModulNastroje::~ModulNastroje() {
    // Every module is stopped before the process ends; a handle left is only closed.
    if (vlakno_) ::CloseHandle(vlakno_);
}

void ModulNastroje::NastavitHlavniOkno(HWND okno) { hlavniOknoModulu.store(okno); }

std::wstring ModulNastroje::Nazev() const {
    std::wstring nazev = Aplikace::Instance().Text(idNazvu_);
    if (nazev.empty()) Vyhodit(kE_INVALIDARG);
    return nazev;
}

DWORD ModulNastroje::CasZastaveni() const { return Aplikace::Instance().Nastaveni().casovyLimitNastroje; }

void ModulNastroje::OtevritSoubor(Okno&, const std::wstring&) {}

void ModulNastroje::Hlasit(Selhani selhani, const std::wstring& popis) {
    auto& app = Aplikace::Instance();
    std::wstring nazev;
    try {
        nazev = Nazev();
    } catch (const Chyba& chyba) {
        app.HlasitFatalniChybu(TextSelhani(selhani, {}, PopisChyby(chyba)));
    }
    app.HlasitFatalniChybu(TextSelhani(selhani, nazev, popis));
}

bool ModulNastroje::Bezi() const { return vlakno_ && !skoncil_.load(); }

void ModulNastroje::Spustit(const std::wstring& soubor) {
    if (Bezi()) return;
    // A thread that ended on its own and has not been reaped yet.
    if (vlakno_) ZavritHandle();
    soubor_ = Existuje(soubor) ? soubor : std::wstring();
    zastavit_ = false;
    skoncil_ = false;
    okno_ = nullptr;
    HWND hlavni = hlavniOknoModulu.load();
    if (!hlavni) {
        const OknoHlavni* okno = Aplikace::Instance().HlavniOkno();
        hlavni = okno ? okno->Hwnd() : nullptr;
    }
    hlavniOkno_ = hlavni;
    unsigned id = 0;
    ::SetLastError(0);
    const auto h = ::_beginthreadex(nullptr, 0, &ModulNastroje::Vstup, this, 0, &id);
    if (!h) {
        const DWORD kod = ::GetLastError();
        Hlasit(Selhani::Spusteni, PopisKodu(kod ? kod : ERROR_NOT_ENOUGH_MEMORY));
        return;
    }
    vlakno_ = reinterpret_cast<HANDLE>(h);
    idVlakna_ = id;
}

int ModulNastroje::Zastavit(bool) {
    if (!vlakno_) return 0;
    // A window not created yet closes itself as soon as it exists.
    zastavit_ = true;
    if (HWND okno = okno_.load()) ::PostMessageW(okno, WM_CLOSE, 0, 0);
    const DWORD r = ::WaitForSingleObject(vlakno_, CasZastaveni());
    if (r == WAIT_OBJECT_0) {
        ::CloseHandle(vlakno_);
        vlakno_ = nullptr;
        return 0;
    }
    const DWORD kod = r == WAIT_FAILED ? ::GetLastError() : ERROR_TIMEOUT;
    Hlasit(Selhani::Ukonceni, PopisKodu(kod));
    return Bezi() ? 1 : 0;
}

void ModulNastroje::PoUkonceni() {
    if (vlakno_ && skoncil_.load()) ZavritHandle();
}

void ModulNastroje::ZavritHandle() {
    // The thread has done its work and only returns: the wait is short.
    const DWORD r = ::WaitForSingleObject(vlakno_, CasZastaveni());
    if (r != WAIT_OBJECT_0) {
        Hlasit(Selhani::Ukonceni, PopisKodu(r == WAIT_FAILED ? ::GetLastError() : ERROR_TIMEOUT));
        return;
    }
    ::CloseHandle(vlakno_);
    vlakno_ = nullptr;
}

unsigned __stdcall ModulNastroje::Vstup(void* modul) {
    static_cast<ModulNastroje*>(modul)->Beh();
    return 0;
}

void ModulNastroje::Beh() noexcept {
    try {
        try {
            BehOkna();
        } catch (const Chyba& chyba) {
            okno_ = nullptr;
            Hlasit(Selhani::Beh, PopisChyby(chyba));
        } catch (...) {
            okno_ = nullptr;
            Hlasit(Selhani::Beh, SystemovyPopis(HresultAktualniVyjimky()));
        }
    } catch (...) {
        // A report that itself failed: the thread still ends in order.
    }
    skoncil_ = true;
    Oznamit();
}

void ModulNastroje::BehOkna() {
    ApartmanCom com;
    VyhoditPriChybe(com.Vysledek());
    Oznamit();
    std::unique_ptr<Okno> okno = VytvoritOkno();
    if (!okno || !okno->Hwnd()) Vyhodit(kE_HANDLE);
    okno_ = okno->Hwnd();
    if (zastavit_) ::PostMessageW(okno->Hwnd(), WM_CLOSE, 0, 0);
    if (Existuje(soubor_)) OtevritSoubor(*okno, soubor_);
    MSG msg;
    while (::GetMessageW(&msg, nullptr, 0, 0) > 0) {
        if (JeDialog() && okno->Hwnd() && ::IsDialogMessageW(okno->Hwnd(), &msg)) continue;
        ::TranslateMessage(&msg);
        ::DispatchMessageW(&msg);
    }
    okno_ = nullptr;
    if (okno->Hwnd()) okno->Znicit();
}

void ModulNastroje::Oznamit() const {
    if (hlavniOkno_ && ::IsWindow(hlavniOkno_)) ::PostMessageW(hlavniOkno_, Aplikace::kZpravaStavModulu, prikaz_, 0);
}
