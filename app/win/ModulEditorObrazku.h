#pragma once

#include "app/win/ModulNastroje.h"

// The image editor as a module of the application.
class ModulEditorObrazku final : public ModulNastroje {
public:
    static ModulEditorObrazku& Instance();

protected:
    std::unique_ptr<Knihovna::WinApi::Okno> VytvoritOkno() override;

private:
    ModulEditorObrazku();
};
