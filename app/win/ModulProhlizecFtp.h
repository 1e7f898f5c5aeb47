#pragma once

#include "app/win/ModulNastroje.h"

// The FTP browser as a module of the application.
class ModulProhlizecFtp final : public ModulNastroje {
public:
    static ModulProhlizecFtp& Instance();

protected:
    std::unique_ptr<Knihovna::WinApi::Okno> VytvoritOkno() override;

private:
    ModulProhlizecFtp();
};
