#pragma once

#include <atomic>

#include "app/win/ModulNastroje.h"

class OknoNastroje;

// The network controller as a module. It may refuse to stop while a network operation runs,
// waits for its thread without a time-out, and shows its failures in an error box instead of
// ending the process.
class ModulSitovyOvladac final : public ModulNastroje {
public:
    static ModulSitovyOvladac& Instance();

    // 1 while a network operation is in progress and vynutit is not set; the stop is then not asked for.
    int Zastavit(bool vynutit = false) override;
    std::wstring Nazev() const override;

    // Set by the controller's window around each send, look-up and search.
    void NastavitZaneprazdnen(bool zaneprazdnen) { zaneprazdnen_ = zaneprazdnen; }
    bool Zaneprazdnen() const { return zaneprazdnen_.load(); }
    // Whether the running window is being closed by a forced stop (its work is then cut off, not waited for).
    bool Vynuceno() const { return vynuceno_.load(); }

    // The controller's frame with its dialog, on the calling thread (the module's, or the main thread when the
    // controller is the whole process).
    static std::unique_ptr<OknoNastroje> VytvoritOknoOvladace();

protected:
    std::unique_ptr<Knihovna::WinApi::Okno> VytvoritOkno() override;
    DWORD CasZastaveni() const override { return INFINITE; }
    void Hlasit(Selhani selhani, const std::wstring& popis) override;
    bool JeDialog() const override { return true; }

private:
    ModulSitovyOvladac();

    std::atomic<bool> zaneprazdnen_{false};
    std::atomic<bool> vynuceno_{false};
};
