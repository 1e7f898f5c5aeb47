#pragma once

#include <string>

#include "app/win/OknoAplikace.h"
#include "imagetools/win/OknoEditorBitmapy.h"
#include "knihovna/win/PanelNastroju.h"
#include "knihovna/win/StavovyRadek.h"
#include "video/win/Bitmapa.h"

// The image editor's window: menus, toolbar, status bar (path, size, zoom) and the view. It opens, corrects and
// saves one picture at a time; every action's failure is shown and leaves the picture as it was. Its end ends
// the message loop of its thread.
class OknoEditorObrazku final : public OknoAplikace {
public:
    static constexpr const wchar_t* kTrida = L"Tervik4EditorObrazku";

    OknoEditorObrazku();

    // Creates and shows the window at its stored place.
    void Vytvorit(const std::wstring& titulek);
    // Opens the file in place of the current picture; a failure is shown and keeps the current one.
    void Otevrit(const std::wstring& cesta);

protected:
    LRESULT ZpracovatZpravu(UINT zprava, WPARAM wp, LPARAM lp) override;
    void NeosetrenaChyba(const Knihovna::Chyba& chyba) override;

private:
    bool Prikaz(UINT prikaz);
    bool PrikazPomoci(UINT prikaz);
    void Vybrat();
    void UlozitJako();
    void ZmenitVelikost();
    void UpravitPixely(bool naSedou);
    void PrepnoutPrizpusobeni();
    void Priblizit(bool vetsi);
    void Rozvrhnout();
    // Menu items, toolbar buttons and status bar after any change of the picture or the view.
    void ObnovitStav();
    void PovolitPolozky(HMENU menu) const;
    void KontextoveMenu(LPARAM lp);
    void RozbalitTlacitko(int prikaz, POINT bod);
    bool Povoleno(UINT prikaz) const;

    Holvent::GdiPlus::Bitmapa obrazek_;
    OknoEditorBitmapy pohled_;
    Knihovna::WinApi::PanelNastroju panel_;
    Knihovna::WinApi::StavovyRadek radek_;
};
