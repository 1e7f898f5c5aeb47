#pragma once

#include <functional>
#include <memory>
#include <string>

#include "app/win/OknoAplikace.h"

class DlgEditorPrxSouboru;

// The .prx profile editor's window: the menu "&Soubor" over the dialog DlgEditorPrxSouboru. Its end ends the
// message loop of its thread; the help commands go to the main window.
class EditorPrxSouboru final : public OknoAplikace {
public:
    static constexpr UINT kOtevrit = 40080, kUlozit = 40082, kUlozitJako = 40083, kKonec = 40079;

    // hlavniOkno gets the help commands (none: they are greyed); vyzvednoutSoubor gives the path that the module
    // holds for the window to open (empty when none), asked at kZpravaOtevritPrx.
    EditorPrxSouboru(HWND hlavniOkno, std::function<std::wstring()> vyzvednoutSoubor);
    ~EditorPrxSouboru() override;

    // Creates and shows the window at its stored place; then asks itself for a file to open.
    void Vytvorit(const std::wstring& titulek);
    void Otevrit(const std::wstring& cesta);

protected:
    LRESULT ZpracovatZpravu(UINT zprava, WPARAM wp, LPARAM lp) override;

private:
    bool Prikaz(UINT prikaz);
    void NastavitUlozeni(bool povolit);

    HWND hlavniOkno_;
    std::function<std::wstring()> vyzvednoutSoubor_;
    std::unique_ptr<DlgEditorPrxSouboru> dialog_;
};
