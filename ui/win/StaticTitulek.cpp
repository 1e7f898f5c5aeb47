#include "ui/win/StaticTitulek.h"

void StaticTitulek::Pripojit(HWND prvek) {
    prvek_ = prvek;
    LOGFONTW lf{};
    auto zaklad = reinterpret_cast<HFONT>(::SendMessageW(prvek_, WM_GETFONT, 0, 0));
    if (!zaklad || !::GetObjectW(zaklad, sizeof lf, &lf))
        ::GetObjectW(::GetStockObject(DEFAULT_GUI_FONT), sizeof lf, &lf);
    lf.lfWeight = FW_BOLD;
    // The font is freed with this object, which lives as long as the dialog; the static keeps using it
    // until then.
    pismo_.Nastavit(::CreateFontIndirectW(&lf));
    if (pismo_) ::SendMessageW(prvek_, WM_SETFONT, reinterpret_cast<WPARAM>(pismo_.get()), TRUE);
}
