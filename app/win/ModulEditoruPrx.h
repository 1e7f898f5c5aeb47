#pragma once

#include <mutex>
#include <string>

#include "app/win/ModulNastroje.h"

// The .prx profile editor, a dialog on its own thread.
class ModulEditoruPrx final : public ModulNastroje {
public:
    static ModulEditoruPrx& Instance();

    // Starts the editor with the file loaded, or brings the running editor up and loads the file there.
    // On the main thread (the one that starts and stops the modules).
    void OtevritSoubor(const std::wstring& cesta);

protected:
    std::unique_ptr<Knihovna::WinApi::Okno> VytvoritOkno() override;
    void OtevritSoubor(Knihovna::WinApi::Okno& okno, const std::wstring& soubor) override;
    bool JeDialog() const override { return true; }

private:
    ModulEditoruPrx();
    std::wstring VyzvednoutSoubor();

    // The file for the window to open: set on the main thread, taken on the editor's.
    std::mutex zamek_;
    std::wstring cekajici_;
};
