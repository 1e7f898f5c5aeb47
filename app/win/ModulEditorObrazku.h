#pragma once

#include <memory>
#include <string>

#include "app/win/ModulNastroje.h"

// The image editor as a module of the application.
class ModulEditorObrazku final : public ModulNastroje {
public:
    static ModulEditorObrazku& Instance();

    // The editor's window on the calling thread (the editor as the whole process, "-eo"), with soubor
    // opened when it is given.
    static std::unique_ptr<Knihovna::WinApi::Okno> VytvoritOknoEditoru(const std::wstring& soubor = {});

    // Opens a picture in the editor module (main thread): starts it with the file when it does not run, else
    // hands the running window the path.
    static void OtevritObrazek(const std::wstring& cesta);

protected:
    std::unique_ptr<Knihovna::WinApi::Okno> VytvoritOkno() override;
    void OtevritSoubor(Knihovna::WinApi::Okno& okno, const std::wstring& soubor) override;

private:
    ModulEditorObrazku();
};
