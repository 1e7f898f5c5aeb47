#pragma once

#include <string>

#include "app/win/ModulNastroje.h"

// The slideshow, started from a camera; it has no command of the main window.
class ModulPromitaniObrazku final : public ModulNastroje {
public:
    static ModulPromitaniObrazku& Instance();

    // Shows the pictures of the folder tree; while a show runs, nothing happens. Returns at once: the window
    // collects on a worker of its own.
    void SpustitPromitani(const std::wstring& slozka);

protected:
    std::unique_ptr<Knihovna::WinApi::Okno> VytvoritOkno() override;
    DWORD CasZastaveni() const override;

private:
    ModulPromitaniObrazku();

    std::wstring slozka_;  // written before the thread starts, read only by it
};
