#pragma once

#include <windows.h>

#include <chrono>
#include <cstdint>
#include <memory>
#include <optional>
#include <string>

#include "knihovna/Chyba.h"
#include "knihovna/Pracovnik.h"

// The update check's network road: reads the version file from the maker's web server on a worker thread and
// posts the outcome to a window. One check at a time; the state "running" is cleared on every way out of the
// worker, and abandoning it (closing the application during a check) closes its Internet handles at once.
class KontrolaAktualizaci {
public:
    // What one check found: the web version (what follows the leading word, unchanged) or the failure.
    struct Vysledek {
        std::wstring webovaVerze;
        std::optional<Knihovna::Chyba> chyba;
        bool ticha = false;  // started silently after start-up: no dialog, only a balloon for a newer version
    };

    KontrolaAktualizaci();
    ~KontrolaAktualizaci();
    KontrolaAktualizaci(const KontrolaAktualizaci&) = delete;
    KontrolaAktualizaci& operator=(const KontrolaAktualizaci&) = delete;

    // UI thread. Starts a check of adresa (empty = the maker's default) within casovyLimit seconds; the worker posts
    // zprava with lParam = a new Vysledek the window takes over (freed here when the post fails). False (nothing
    // started) while one runs.
    bool Spustit(HWND okno, UINT zprava, const std::wstring& adresa, std::uint32_t casovyLimit, bool tiche);
    // Whether a check runs (read by the main window's close rule).
    bool Bezi() const;
    // Whether the running check is a silent one; a user's request turns it into the user's check.
    bool Tiche() const;
    void UcinitUzivatelskou();
    // Closes the check's Internet handles and waits for the worker at most limit; a worker that does not end in
    // time is let go and touches nothing of this object.
    // True when the worker ended (or none ran).
    bool Opustit(std::chrono::milliseconds limit = std::chrono::milliseconds(5000));

    // The fetch itself (on the calling thread): HTTP 200 only, at most 4 KiB, the whole within limit. Raises
    // Knihovna::Chyba for every failure; returns the web version.
    static std::wstring Stahnout(const std::wstring& adresa, std::chrono::milliseconds limit);

    struct Spojeni;

private:
    static std::wstring Stahnout(const std::wstring& adresa, std::chrono::milliseconds limit,
                                 const std::shared_ptr<Spojeni>& spojeni);

    std::shared_ptr<Spojeni> spojeni_;
    Knihovna::Pracovnik pracovnik_;
};
