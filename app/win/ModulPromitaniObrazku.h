#pragma once

#include "app/win/ModulNastroje.h"

// The slideshow, started from a camera; it has no command of the main window.
class ModulPromitaniObrazku final : public ModulNastroje {
public:
    static ModulPromitaniObrazku& Instance();

protected:
    std::unique_ptr<Knihovna::WinApi::Okno> VytvoritOkno() override;
    DWORD CasZastaveni() const override;

private:
    ModulPromitaniObrazku();
};
