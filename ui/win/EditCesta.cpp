#include "ui/win/EditCesta.h"

#include <vector>

void EditCesta::Pripojit(HWND edit, HWND tlacitko) {
    edit_ = edit;
    tlacitko_ = tlacitko;
    ::SendMessageW(edit_, EM_SETLIMITTEXT, MAX_PATH - 1, 0);
}

bool EditCesta::Prikaz(WPARAM wp, LPARAM lp) {
    if (!tlacitko_ || reinterpret_cast<HWND>(lp) != tlacitko_ || HIWORD(wp) != BN_CLICKED) return false;
    if (auto cesta = Vybrat(::GetParent(edit_), Text())) {
        // Setting the text sends EN_CHANGE, which tells the page of the change.
        Nastavit(*cesta);
        ::SetFocus(edit_);
    }
    return true;
}

std::wstring EditCesta::Text() const {
    const int n = ::GetWindowTextLengthW(edit_);
    std::vector<wchar_t> buf(static_cast<std::size_t>(n) + 1, L'\0');
    ::GetWindowTextW(edit_, buf.data(), n + 1);
    return buf.data();
}

void EditCesta::Nastavit(const std::wstring& cesta) { ::SetWindowTextW(edit_, cesta.c_str()); }
