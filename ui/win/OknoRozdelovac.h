#pragma once

#include <windows.h>

#include "knihovna/win/Okno.h"
#include "ui/GeometrieRozdelovace.h"

// A container of two child windows side by side (or one above the other) with a bar between them that
// the mouse drags. The bar keeps both panes' minimums, and on a resize the first pane keeps its share.
// A finished drag is reported to the parent as WM_COMMAND(MAKEWPARAM(id, kZmenaHodnoty), splitter).
// The panes' notifications (WM_COMMAND, WM_NOTIFY, scrolling, colours, owner drawing) are passed on to
// the splitter's parent, so a dialog's controls keep working inside it.
class OknoRozdelovac : public Knihovna::WinApi::Okno {
public:
    static constexpr const wchar_t* kTrida = L"TervikRozdelovac";

    explicit OknoRozdelovac(bool vedleSebe = true) : geometrie_(vedleSebe) {}

    // Creates the splitter as a child of rodic at r (client coordinates).
    HWND Vytvorit(HWND rodic, int id, const RECT& r);
    // The two panes become the splitter's children and follow its layout (either may be null).
    void NastavitPanely(HWND prvni, HWND druhy);
    // In pixels.
    void NastavitMinima(int prvni, int druhy);
    void NastavitTloustkuPruhu(int tloustka);
    // The first pane's size along the axis, clamped; no notification.
    void NastavitPolohu(int poloha);
    int Poloha() const { return geometrie_.Poloha(); }
    const GeometrieRozdelovace& Geometrie() const { return geometrie_; }

protected:
    LRESULT ZpracovatZpravu(UINT zprava, WPARAM wp, LPARAM lp) override;
    void PripravitTridu(WNDCLASSEXW& trida) override;

private:
    void Rozmistit();
    int Souradnice(LPARAM lp) const;
    void UkoncitTazeni();
    void Kreslit();

    GeometrieRozdelovace geometrie_;
    HWND prvni_ = nullptr;
    HWND druhy_ = nullptr;
    bool tazeni_ = false;
    int odsazeni_ = 0;  // where on the bar the drag took it
    int polohaPredTazenim_ = 0;
};
