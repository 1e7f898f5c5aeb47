#include "ui/win/DlgNastStrankaLogu.h"

#include "app/win/UdrzbaLogu.h"

using Holvent::Email::SablonaDialogu;

void DlgNastStrankaLogu::Vytvorit(SablonaDialogu& sablona, const Oblast& o) {
    DlgNastStrankaTabulky::Vytvorit(sablona, o);
    // At the foot of the page, below the switches.
    const short y = static_cast<short>(o.y + o.vyska - 14);
    Pridat(sablona, BS_PUSHBUTTON | WS_TABSTOP, o.x, y, 70, 14, kIdOtevritLog, SablonaDialogu::kTlacitko,
           L"&Otevřít log");
    Pridat(sablona, BS_PUSHBUTTON | WS_TABSTOP, static_cast<short>(o.x + 75), y, 70, 14, kIdArchivovatLog,
           SablonaDialogu::kTlacitko, L"&Archivovat...");
    Pridat(sablona, BS_PUSHBUTTON | WS_TABSTOP, static_cast<short>(o.x + 150), y, 70, 14, kIdSmazatLog,
           SablonaDialogu::kTlacitko, L"S&mazat log");
}

bool DlgNastStrankaLogu::ZpracovatPrikaz(WPARAM wp, LPARAM lp) {
    const int id = LOWORD(wp);
    if (id != kIdOtevritLog && id != kIdArchivovatLog && id != kIdSmazatLog)
        return DlgNastStrankaTabulky::ZpracovatPrikaz(wp, lp);
    if (HIWORD(wp) != BN_CLICKED) return true;
    const std::wstring cesta = cestaLogu_();
    if (id == kIdOtevritLog) UdrzbaLogu::Otevrit(Dialog(), cesta);
    else if (id == kIdArchivovatLog) UdrzbaLogu::Archivovat(Dialog(), cesta);
    else UdrzbaLogu::Smazat(Dialog(), cesta);
    return true;
}
