#pragma once

#include <memory>
#include <string>

#include "app/win/ModulNastroje.h"

// The video player as a module of the application.
class ModulPrehravacVidea final : public ModulNastroje {
public:
    static ModulPrehravacVidea& Instance();

    // The player's window on the calling thread (the player as the whole process, "-pv"), playing
    // soubor when it is given.
    static std::unique_ptr<Knihovna::WinApi::Okno> VytvoritOknoPrehravace(const std::wstring& soubor = {});

protected:
    std::unique_ptr<Knihovna::WinApi::Okno> VytvoritOkno() override;
    void OtevritSoubor(Knihovna::WinApi::Okno& okno, const std::wstring& soubor) override;

private:
    ModulPrehravacVidea();
};
