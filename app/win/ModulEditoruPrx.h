#pragma once

#include "app/win/ModulNastroje.h"

// The .prx profile editor, a dialog on its own thread.
class ModulEditoruPrx final : public ModulNastroje {
public:
    static ModulEditoruPrx& Instance();

protected:
    std::unique_ptr<Knihovna::WinApi::Okno> VytvoritOkno() override;
    bool JeDialog() const override { return true; }

private:
    ModulEditoruPrx();
};
