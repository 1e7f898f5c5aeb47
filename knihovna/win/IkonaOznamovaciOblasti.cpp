#include "knihovna/win/IkonaOznamovaciOblasti.h"

#include <algorithm>

namespace Knihovna::WinApi {

namespace {

// Copies at most the buffer's size less one characters and ends the text.
template <size_t N>
void Kopirovat(wchar_t (&cil)[N], const std::wstring& zdroj) {
    const size_t n = std::min(zdroj.size(), N - 1);
    std::copy_n(zdroj.data(), n, cil);
    cil[n] = L'\0';
}

}  // namespace

IkonaOznamovaciOblasti::~IkonaOznamovaciOblasti() { Odebrat(); }

void IkonaOznamovaciOblasti::Nastavit(HWND okno, UINT id, UINT zpravaZpetna) {
    if (existuje_ && (okno != okno_ || id != id_)) Odebrat();
    okno_ = okno;
    id_ = id;
    zpravaZpetna_ = zpravaZpetna;
}

NOTIFYICONDATAW IkonaOznamovaciOblasti::Data(UINT priznaky) const {
    NOTIFYICONDATAW d{};
    d.cbSize = sizeof(d);
    d.hWnd = okno_;
    d.uID = id_;
    d.uFlags = priznaky;
    return d;
}

bool IkonaOznamovaciOblasti::Zobrazit(HICON ikona, const std::wstring& tip) {
    if (!okno_) return false;
    ikona_ = ikona;
    tip_ = tip.substr(0, 127);
    NOTIFYICONDATAW d = Data(NIF_MESSAGE | NIF_ICON | NIF_TIP | NIF_SHOWTIP);
    d.uCallbackMessage = zpravaZpetna_;
    d.hIcon = ikona_;
    Kopirovat(d.szTip, tip_);
    if (existuje_ && ::Shell_NotifyIconW(NIM_MODIFY, &d)) return true;
    // A restarted shell has forgotten the icon: add it anew. When the add is refused because the shell
    // still has it (the restart message came from elsewhere), changing it is what was wanted.
    existuje_ = ::Shell_NotifyIconW(NIM_ADD, &d) || ::Shell_NotifyIconW(NIM_MODIFY, &d);
    return existuje_;
}

bool IkonaOznamovaciOblasti::ZmenitTip(const std::wstring& tip) {
    tip_ = tip.substr(0, 127);
    if (!existuje_) return false;
    NOTIFYICONDATAW d = Data(NIF_TIP | NIF_SHOWTIP);
    Kopirovat(d.szTip, tip_);
    return ::Shell_NotifyIconW(NIM_MODIFY, &d) != FALSE;
}

void IkonaOznamovaciOblasti::Odebrat() {
    if (!existuje_) return;
    existuje_ = false;
    NOTIFYICONDATAW d = Data(0);
    ::Shell_NotifyIconW(NIM_DELETE, &d);
}

bool IkonaOznamovaciOblasti::Bublina(int druh, const std::wstring& titulek, const std::wstring& text) {
    if (!existuje_) return false;
    NOTIFYICONDATAW d = Data(NIF_INFO);
    Kopirovat(d.szInfoTitle, titulek);
    Kopirovat(d.szInfo, text);
    const DWORD zvuk = zvuk_ ? 0 : NIIF_NOSOUND;
    switch (druh) {
    case 2: d.dwInfoFlags = NIIF_WARNING; break;
    case 3: d.dwInfoFlags = NIIF_ERROR; break;
    default: d.dwInfoFlags = NIIF_INFO; break;
    }
    if (druh == 1 && ikona_) {
        // The icon's own picture; a shell that does not know user balloon icons gets the plain one.
        NOTIFYICONDATAW vlastni = d;
        vlastni.dwInfoFlags = NIIF_USER | NIIF_LARGE_ICON | zvuk;
        vlastni.hBalloonIcon = ikona_;
        if (::Shell_NotifyIconW(NIM_MODIFY, &vlastni)) return true;
    }
    d.dwInfoFlags |= zvuk;
    return ::Shell_NotifyIconW(NIM_MODIFY, &d) != FALSE;
}

bool IkonaOznamovaciOblasti::SkrytBublinu() {
    if (!existuje_) return false;
    NOTIFYICONDATAW d = Data(NIF_INFO);
    return ::Shell_NotifyIconW(NIM_MODIFY, &d) != FALSE;
}

void IkonaOznamovaciOblasti::ObnovitPoRestartuShellu() {
    if (!existuje_) return;
    // A new shell has no icons: add first.
    existuje_ = false;
    Zobrazit(ikona_, tip_);
}

}  // namespace Knihovna::WinApi
