#pragma once

#include <windows.h>

#include <string>

#include "knihovna/win/Okno.h"
#include "knihovna/win/UnikatniHandle.h"

// The FTP browser's picture pane: the previewed picture scaled down to fit (never enlarged) and centred on the
// chosen background colour, or a line of text in its middle when there is no picture ("Není vybrán žádný obrázek",
// a preview's failure).
class OknoObrazek final : public Knihovna::WinApi::Okno {
public:
    static constexpr const wchar_t* kTrida = L"TervikOknoObrazek";
    static constexpr const wchar_t* kTextPrazdny = L"Není vybrán žádný obrázek";

    void Vytvorit(HWND rodic, int id);
    void NastavitPozadi(COLORREF barva);
    // The pane owns the bitmap from now on (a 32-bit DIB section) and shows it.
    void NastavitObrazek(Knihovna::WinApi::UnikatniBitmapa bitmapa, int sirka, int vyska);
    // Drops the picture and shows the text instead.
    void NastavitText(std::wstring text);
    bool MaObrazek() const { return static_cast<bool>(bitmapa_); }
    const std::wstring& Text() const { return text_; }

protected:
    LRESULT ZpracovatZpravu(UINT zprava, WPARAM wp, LPARAM lp) override;
    void PripravitTridu(WNDCLASSEXW& trida) override;

private:
    void Kreslit(HDC dc);

    Knihovna::WinApi::UnikatniBitmapa bitmapa_;
    int sirka_ = 0, vyska_ = 0;
    COLORREF pozadi_ = RGB(128, 128, 128);
    std::wstring text_ = kTextPrazdny;
};
