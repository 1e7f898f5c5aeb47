#pragma once

#include "app/win/ModulNastroje.h"

// The FTP browser as a module of the application.
class ModulProhlizecFtp final : public ModulNastroje {
public:
    static ModulProhlizecFtp& Instance();
    // The browser's window on the calling thread (the FTP-browser start mode).
    static std::unique_ptr<Knihovna::WinApi::Okno> VytvoritOknoProhlizece();

protected:
    std::unique_ptr<Knihovna::WinApi::Okno> VytvoritOkno() override;

private:
    ModulProhlizecFtp();
};
