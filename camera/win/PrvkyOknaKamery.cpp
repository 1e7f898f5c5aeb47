#include "camera/win/PrvkyOknaKamery.h"

namespace PrvkyOknaKamery {

bool Nedostupny(UINT prikaz) {
    for (UINT p : kNedostupne)
        if (p == prikaz) return true;
    return false;
}

void Pridat(HMENU menu, UINT prikaz, const wchar_t* text) { ::AppendMenuW(menu, MF_STRING, prikaz, text); }
void Oddelovac(HMENU menu) { ::AppendMenuW(menu, MF_SEPARATOR, 0, nullptr); }
void Podmenu(HMENU menu, HMENU pod, const wchar_t* text) {
    ::AppendMenuW(menu, MF_POPUP, reinterpret_cast<UINT_PTR>(pod), text);
}

HMENU MenuDisk() {
    HMENU m = ::CreatePopupMenu();
    Pridat(m, P::kSnimek, L"Uložit &snímek");
    Pridat(m, P::kSnimkyDisk, L"&Automatické snímkování");
    Pridat(m, P::kPlanovane, L"Naplánované snímkování");
    Oddelovac(m);
    Pridat(m, P::kSlozkaSnimku, L"&Otevřít složku se snímky");
    Pridat(m, P::kSmazatSnimky, L"S&mazat všechny snímky");
    Pridat(m, P::kResetCislovani, L"&Resetovat číslování snímků");
    return m;
}
HMENU MenuFtp() {
    HMENU m = ::CreatePopupMenu();
    Pridat(m, P::kSnimekFtp, L"Odeslat &snímek na FTP");
    Pridat(m, P::kSnimkyFtp, L"&Automatické odesílání");
    return m;
}
HMENU MenuEmail() {
    HMENU m = ::CreatePopupMenu();
    Pridat(m, P::kSnimekEmail, L"Odeslat &snímek");
    Pridat(m, P::kSnimkyEmail, L"&Automatické odesílání");
    return m;
}
HMENU MenuZaznam() {
    HMENU m = ::CreatePopupMenu();
    Pridat(m, P::kZaznamStart, L"&Spustit");
    Pridat(m, P::kZaznamKonec, L"U&končit");
    Oddelovac(m);
    Pridat(m, P::kSlozkaZaznamu, L"&Otevřít složku se záznamy");
    Pridat(m, P::kSmazatZaznamy, L"Vymazat všechny záznamy této kamery");
    Pridat(m, P::kResetZaznamu, L"&Resetovat číslování záznamů");
    return m;
}

void NastavitStav(HMENU menu, UINT prikaz, bool povolit, bool zaskrtnout) {
    ::EnableMenuItem(menu, prikaz, MF_BYCOMMAND | (povolit ? MF_ENABLED : MF_GRAYED));
    ::CheckMenuItem(menu, prikaz, MF_BYCOMMAND | (zaskrtnout ? MF_CHECKED : MF_UNCHECKED));
}

void ZasedNedostupne(HMENU menu) {
    for (UINT id : kNedostupne) ::EnableMenuItem(menu, id, MF_BYCOMMAND | MF_GRAYED);
}

}  // namespace PrvkyOknaKamery
