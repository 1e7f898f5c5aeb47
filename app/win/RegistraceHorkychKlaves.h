#pragma once

#include <windows.h>

#include <functional>
#include <string>

#include "app/DrzeneHorkeKlavesy.h"
#include "app/SeznamHorkychKlaves.h"

namespace Knihovna::WinApi {
class IkonaOznamovaciOblasti;
}

// The hotkey table registered on a window with RegisterHotKey (hotkey id = command id) and
// unregistered again. Keys the system refuses are counted and reported with 20014 / 20015: a warning
// balloon at the window's tray icon when both exist, the Windows event log (warning) and the
// application log file.
class RegistraceHorkychKlaves {
public:
    static constexpr UINT kTextNezaregistrovano = 20014;  // "%d klávesové zkratky se nepodařilo zaregistrovat."
    static constexpr UINT kTextNeodregistrovano = 20015;  // "%d klávesové zkratky se nepodařilo odregistrovat."

    // Where the warnings go besides the balloon.
    struct Hlaseni {
        std::wstring titulekBubliny;
        std::function<void(const std::wstring&)> udalostVarovani;  // the Windows event log
        std::function<void(const std::wstring&)> log;               // the application log file
    };

    // Reports through the application object (its product name as the balloon title,
    // ZapsatUdalostVarovani, ZapsatLog), looked up when a warning is due.
    RegistraceHorkychKlaves();
    explicit RegistraceHorkychKlaves(Hlaseni hlaseni);
    // Releases keys still held while their window exists, without reporting.
    ~RegistraceHorkychKlaves();
    RegistraceHorkychKlaves(const RegistraceHorkychKlaves&) = delete;
    RegistraceHorkychKlaves& operator=(const RegistraceHorkychKlaves&) = delete;

    // Registers every entry with a key on the window; nothing while already registered. The icon may
    // be null. The number of keys that could not be registered (reported when not 0).
    int Registrovat(HWND okno, const SeznamHorkychKlaves& tabulka, Knihovna::WinApi::IkonaOznamovaciOblasti* ikona);
    // Unregisters the keys the registration got; the number that could not be (reported when not 0).
    int Odregistrovat(Knihovna::WinApi::IkonaOznamovaciOblasti* ikona);
    bool Registrovano() const { return klavesy_.Registrovano(); }
    // The system's error of the last refused key (for example 1409 for a key another program holds).
    DWORD PosledniChyba() const { return posledniChyba_; }
    // Whether the last warning was shown in a balloon (the shell took it).
    bool PosledniBublina() const { return posledniBublina_; }

private:
    void Ohlasit(UINT idTextu, const wchar_t* nahradni, int pocet, Knihovna::WinApi::IkonaOznamovaciOblasti* ikona);

    Hlaseni hlaseni_;
    bool hlaseniAplikace_ = false;
    DrzeneHorkeKlavesy klavesy_;
    HWND okno_ = nullptr;
    DWORD posledniChyba_ = 0;
    bool posledniBublina_ = false;
};
