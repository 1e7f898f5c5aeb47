#pragma once

#include <windows.h>

#include <string>

#include "app/NastaveniAplikace.h"
#include "app/SeznamHorkychKlaves.h"
#include "ui/KopieNastaveniAplikace.h"
#include "ui/win/DlgNastaveni.h"

// The application settings dialog: the pages of the application values, the log switches with the log file's
// actions and the hotkeys. OK and "Použít" commit the copy into the record and save it.
class DlgNastaveniAplikace : public DlgNastaveni {
public:
    static constexpr int kPrvniIdPrvku = 2000;  // value i of the pages in order: 2000 + 4 i (label), + 1 (control)

    DlgNastaveniAplikace(NastaveniAplikace& nastaveni, std::wstring produkt);

protected:
    bool Potvrdit() override;

private:
    NastaveniAplikace& nastaveni_;
    KopieNastaveniAplikace kopie_;
    SeznamHorkychKlaves klavesy_;  // the copy the hotkey page edits
};
