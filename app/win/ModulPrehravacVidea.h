#pragma once

#include "app/win/ModulNastroje.h"

// The video player as a module of the application.
class ModulPrehravacVidea final : public ModulNastroje {
public:
    static ModulPrehravacVidea& Instance();

protected:
    std::unique_ptr<Knihovna::WinApi::Okno> VytvoritOkno() override;

private:
    ModulPrehravacVidea();
};
