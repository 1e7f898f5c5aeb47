#include "ui/win/StrankaNastaveni.h"

#include "ui/win/DlgNastaveni.h"

void StrankaNastaveni::Inicializovat(HWND dialog) {
    dialog_ = dialog;
    naplnovani_ = true;
    Naplnit();
    naplnovani_ = false;
}

bool StrankaNastaveni::Prikaz(WPARAM wp, LPARAM lp) {
    // Filling the controls sends their change notifications: they are no change of the user's.
    if (naplnovani_) return false;
    return ZpracovatPrikaz(wp, lp);
}

bool StrankaNastaveni::Zprava(UINT, WPARAM, LPARAM, INT_PTR&) { return false; }

void StrankaNastaveni::Zobrazit(bool zobrazit) {
    for (int id : idPrvku_)
        if (HWND h = Prvek(id)) ::ShowWindow(h, zobrazit ? SW_SHOW : SW_HIDE);
}

void StrankaNastaveni::Pridat(Holvent::Email::SablonaDialogu& sablona, DWORD styl, short x, short y, short cx,
                              short cy, WORD id, WORD trida, const std::wstring& text) {
    sablona.Polozka(styl, x, y, cx, cy, id, trida, text);
    idPrvku_.push_back(id);
}

void StrankaNastaveni::Pridat(Holvent::Email::SablonaDialogu& sablona, DWORD styl, short x, short y, short cx,
                              short cy, WORD id, const std::wstring& trida, const std::wstring& text) {
    sablona.Polozka(styl, x, y, cx, cy, id, trida, text);
    idPrvku_.push_back(id);
}

void StrankaNastaveni::OznamitZmenu() {
    if (!naplnovani_ && dialog_) ::PostMessageW(dialog_, DlgNastaveni::kZpravaZmena, 0, 0);
}
