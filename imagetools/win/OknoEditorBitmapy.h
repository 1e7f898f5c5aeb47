#pragma once

#include <string>

#include "knihovna/win/GdiPlus.h"
#include "knihovna/win/Okno.h"

// The image editor's view: the picture fitted to the window (never enlarged) or zoomed 10–800 % with scroll
// bars; without a picture two centred lines of text on white. The picture belongs to the editor window.
class OknoEditorBitmapy final : public Knihovna::WinApi::Okno {
public:
    static constexpr const wchar_t* kTrida = L"EditorBitmapy";

    void Vytvorit(HWND rodic, UINT id, std::wstring textBezObrazku);
    // The picture shown from now on (nullptr: none); relayouts and repaints.
    void NastavitObrazek(Gdiplus::Image* obraz);
    void NastavitPrizpusobeni(bool prizpusobit);
    bool Prizpusobit() const { return prizpusobit_; }
    // The zoom of the non-fitted view in percent; relayouts.
    void NastavitMeritko(int procenta);
    // The zoom shown now: the fitted picture's or the set one.
    int ZobrazeneMeritko() const;
    // Places the picture for the current client size, sets the scroll bars and repaints.
    void Rozvrhnout();
    // Draws the picture scaled into cil (a memory DC's rectangle) the way the fitted view does: the
    // remainder filled with the background. For the resize with the aspect ratio kept.
    static void KreslitPrizpusobene(Gdiplus::Graphics& g, Gdiplus::Image& obraz, int sirka, int vyska);

protected:
    LRESULT ZpracovatZpravu(UINT zprava, WPARAM wp, LPARAM lp) override;
    void PripravitTridu(WNDCLASSEXW& trida) override;

private:
    void Kreslit(HDC dc);
    void KreslitText(Gdiplus::Graphics& g, const RECT& klient);
    void Posunout(int osa, WPARAM wp);

    Gdiplus::Image* obraz_ = nullptr;
    std::wstring text_;
    bool prizpusobit_ = true;
    int meritko_ = 100;
    int posunX_ = 0;
    int posunY_ = 0;
    RECT umisteni_{};  // where the picture is drawn, client coordinates
};
