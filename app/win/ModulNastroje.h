#pragma once

#include <windows.h>

#include <atomic>
#include <memory>
#include <string>

#include "knihovna/win/Okno.h"

// A tool that runs inside the application as a module: one window on a thread of its own with
// its own message loop. The main thread starts it, asks it to close and waits for it; the module
// tells the main window by 0x8013 when its thread starts and when it ends.
class ModulNastroje {
public:
    // How a failure of the module is reported.
    enum class Selhani { Spusteni, Ukonceni, Beh };

    // prikaz: the main window's command that starts and stops it (0 when none);
    // idNazvu: the string of its name in error texts.
    ModulNastroje(UINT prikaz, UINT idNazvu) : prikaz_(prikaz), idNazvu_(idNazvu) {}
    virtual ~ModulNastroje();
    ModulNastroje(const ModulNastroje&) = delete;
    ModulNastroje& operator=(const ModulNastroje&) = delete;

    // Starts the thread when it does not run; soubor is opened in the window when the file exists.
    void Spustit(const std::wstring& soubor = {});
    // Asks the window to close and waits for the thread; 0 when the module does not run any more,
    // 1 when it refused to stop (only a module that may refuse does so without vynutit).
    virtual int Zastavit(bool vynutit = false);
    // The thread exists and has not finished its work.
    bool Bezi() const;
    // On the main window's 0x8013: a thread that has finished is waited for and its handle closed.
    void PoUkonceni();

    UINT Prikaz() const { return prikaz_; }
    // The name in error texts; raises E_INVALIDARG when its string cannot be loaded.
    virtual std::wstring Nazev() const;
    // The module's window while it exists (for the main thread only to post to).
    HWND OknoModulu() const { return okno_.load(); }
    DWORD IdVlakna() const { return idVlakna_; }
    // The thread's handle while the module owns it (nullptr when it has none).
    HANDLE HandleVlakna() const { return vlakno_; }

    // The window that gets 0x8013; by default the application's main window at the time of the start.
    static void NastavitHlavniOkno(HWND okno);

protected:
    // Creates and shows the module's window on the module's thread.
    virtual std::unique_ptr<Knihovna::WinApi::Okno> VytvoritOkno() = 0;
    // Opens the start file in the window just created.
    virtual void OtevritSoubor(Knihovna::WinApi::Okno& okno, const std::wstring& soubor);
    // A dialog window gets each message through IsDialogMessageW first.
    virtual bool JeDialog() const { return false; }
    // How long the stop waits for the thread (ms).
    virtual DWORD CasZastaveni() const;
    // Reports a failure; by default fatal: the event log, the box and the process ends with -1.
    virtual void Hlasit(Selhani selhani, const std::wstring& popis);
    // The window that gets 0x8013 (none when the tool runs without a main window).
    HWND HlavniOkno() const { return hlavniOkno_; }

private:
    static unsigned __stdcall Vstup(void* modul);
    void Beh() noexcept;
    void BehOkna();
    void Oznamit() const;
    void ZavritHandle();

    const UINT prikaz_;
    const UINT idNazvu_;
    // Owned by the main thread: the thread does not close its own handle while the owner may wait on it.
    HANDLE vlakno_ = nullptr;
    DWORD idVlakna_ = 0;
    HWND hlavniOkno_ = nullptr;
    std::wstring soubor_;
    std::atomic<HWND> okno_{nullptr};
    std::atomic<bool> zastavit_{false};
    std::atomic<bool> skoncil_{false};
};
