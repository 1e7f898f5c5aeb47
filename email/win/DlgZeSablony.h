#pragma once

#include <windows.h>

#include <source_location>

#include "knihovna/Chyba.h"

namespace Holvent::Email {

class SablonaDialogu;

// A modal dialog built from an in-memory template; the derived dialog handles its messages.
class DlgZeSablony {
public:
    virtual ~DlgZeSablony() = default;

protected:
    // The dialog's end code; raises with chybaZobrazeni when the dialog cannot be shown.
    INT_PTR ZobrazitModalne(HWND vlastnik, const SablonaDialogu& sablona, const wchar_t* chybaZobrazeni,
                            std::source_location misto = std::source_location::current());
    virtual INT_PTR ZpracovatZpravu(HWND okno, UINT zprava, WPARAM wp, LPARAM lp) = 0;
    // An exception left ZpracovatZpravu (chyba is null when it was not a Knihovna::Chyba):
    // beeps and closes the dialog as cancelled.
    virtual void PriVyjimce(HWND okno, const Knihovna::Chyba* chyba);

private:
    static INT_PTR CALLBACK Procedura(HWND okno, UINT zprava, WPARAM wp, LPARAM lp);
};

}  // namespace Holvent::Email
