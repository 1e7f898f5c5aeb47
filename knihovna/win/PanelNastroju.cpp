#include "knihovna/win/PanelNastroju.h"

#include "knihovna/win/ChybyWin.h"

namespace Knihovna::WinApi {

void PanelNastroju::Vytvorit(HWND rodic, UINT id, HIMAGELIST obrazky, const std::vector<TlacitkoPanelu>& tlacitka) {
    if (hwnd_ && ::IsWindow(hwnd_)) ::DestroyWindow(hwnd_);
    hwnd_ = nullptr;
    popisy_.clear();
    HWND hwnd = ::CreateWindowExW(0, TOOLBARCLASSNAMEW, nullptr,
                                  WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS | TBSTYLE_FLAT | TBSTYLE_TOOLTIPS | CCS_TOP,
                                  0, 0, 0, 0, rodic, reinterpret_cast<HMENU>(static_cast<UINT_PTR>(id)),
                                  ::GetModuleHandleW(nullptr), nullptr);
    VyhoditKdyzNeuspech(hwnd);
    ::SendMessageW(hwnd, TB_BUTTONSTRUCTSIZE, sizeof(TBBUTTON), 0);
    ::SendMessageW(hwnd, TB_SETEXTENDEDSTYLE, 0, TBSTYLE_EX_DRAWDDARROWS);
    ::SendMessageW(hwnd, TB_SETIMAGELIST, 0, reinterpret_cast<LPARAM>(obrazky));

    std::vector<TBBUTTON> b;
    b.reserve(tlacitka.size());
    for (const auto& t : tlacitka) {
        TBBUTTON x{};
        const bool oddelovac = t.prikaz == 0 || t.styl == BTNS_SEP;
        x.iBitmap = oddelovac ? 0 : t.obrazek;
        x.idCommand = oddelovac ? 0 : t.prikaz;
        x.fsState = TBSTATE_ENABLED;
        x.fsStyle = oddelovac ? static_cast<BYTE>(BTNS_SEP) : t.styl;
        x.iString = -1;
        b.push_back(x);
        if (!oddelovac) popisy_[t.prikaz] = t.popis;
    }
    if (!b.empty() && !::SendMessageW(hwnd, TB_ADDBUTTONSW, b.size(), reinterpret_cast<LPARAM>(b.data()))) {
        ::DestroyWindow(hwnd);
        Vyhodit(kE_FAIL, L"Nepodařilo se vytvořit panel nástrojů");
    }
    ::SendMessageW(hwnd, TB_AUTOSIZE, 0, 0);
    hwnd_ = hwnd;
}

void PanelNastroju::Povolit(int prikaz, bool povolit) {
    if (hwnd_) ::SendMessageW(hwnd_, TB_ENABLEBUTTON, prikaz, MAKELPARAM(povolit ? TRUE : FALSE, 0));
}

void PanelNastroju::Zaskrtnout(int prikaz, bool zaskrtnout) {
    if (hwnd_) ::SendMessageW(hwnd_, TB_CHECKBUTTON, prikaz, MAKELPARAM(zaskrtnout ? TRUE : FALSE, 0));
}

bool PanelNastroju::JePovoleno(int prikaz) const {
    return hwnd_ && ::SendMessageW(hwnd_, TB_ISBUTTONENABLED, prikaz, 0) != 0;
}

bool PanelNastroju::JeZaskrtnuto(int prikaz) const {
    return hwnd_ && ::SendMessageW(hwnd_, TB_ISBUTTONCHECKED, prikaz, 0) != 0;
}

void PanelNastroju::NastavitPopis(int prikaz, const std::wstring& popis) {
    popisy_[prikaz] = popis;
    // A tooltip shown right now asks for its text again.
    HWND tip = Popisky();
    if (tip && ::IsWindowVisible(tip)) ::SendMessageW(tip, TTM_UPDATE, 0, 0);
}

std::wstring PanelNastroju::Popis(int prikaz) const {
    auto it = popisy_.find(prikaz);
    return it == popisy_.end() ? std::wstring() : it->second;
}

HWND PanelNastroju::Popisky() const {
    return hwnd_ ? reinterpret_cast<HWND>(::SendMessageW(hwnd_, TB_GETTOOLTIPS, 0, 0)) : nullptr;
}

bool PanelNastroju::ZpracovatNotifikaci(const NMHDR* hlavicka, LRESULT& vysledek,
                                        const std::function<void(int prikaz, POINT bod)>& rozbalit) {
    if (!hwnd_ || !hlavicka) return false;
    if (hlavicka->code == TTN_GETDISPINFOW) {
        auto* info = reinterpret_cast<NMTTDISPINFOW*>(const_cast<NMHDR*>(hlavicka));
        if ((info->uFlags & TTF_IDISHWND) || hlavicka->hwndFrom != Popisky()) return false;
        auto it = popisy_.find(static_cast<int>(hlavicka->idFrom));
        if (it == popisy_.end()) return false;
        // The text stays in the map until the next NastavitPopis, long after the tooltip copied it.
        info->hinst = nullptr;
        info->lpszText = const_cast<wchar_t*>(it->second.c_str());
        vysledek = 0;
        return true;
    }
    if (hlavicka->code == TBN_DROPDOWN && hlavicka->hwndFrom == hwnd_) {
        const auto* tb = reinterpret_cast<const NMTOOLBARW*>(hlavicka);
        RECT r{};
        ::SendMessageW(hwnd_, TB_GETRECT, tb->iItem, reinterpret_cast<LPARAM>(&r));
        POINT bod{r.left, r.bottom};
        ::ClientToScreen(hwnd_, &bod);
        vysledek = TBDDRET_DEFAULT;
        if (rozbalit) rozbalit(tb->iItem, bod);
        return true;
    }
    return false;
}

void PanelNastroju::NastavitObrazky(HIMAGELIST obrazky) {
    if (!hwnd_) return;
    // The buttons keep their old size unless told: the new images get the margin the old ones had.
    auto velikost = [](HIMAGELIST s) {
        int sirka = 16, vyska = 16;
        if (s) ImageList_GetIconSize(s, &sirka, &vyska);
        return SIZE{sirka, vyska};
    };
    const SIZE stara = velikost(reinterpret_cast<HIMAGELIST>(::SendMessageW(hwnd_, TB_GETIMAGELIST, 0, 0)));
    const SIZE nova = velikost(obrazky);
    const DWORD tlacitko = static_cast<DWORD>(::SendMessageW(hwnd_, TB_GETBUTTONSIZE, 0, 0));
    ::SendMessageW(hwnd_, TB_SETIMAGELIST, 0, reinterpret_cast<LPARAM>(obrazky));
    ::SendMessageW(hwnd_, TB_SETBITMAPSIZE, 0, MAKELPARAM(nova.cx, nova.cy));
    ::SendMessageW(hwnd_, TB_SETBUTTONSIZE, 0,
                   MAKELPARAM(LOWORD(tlacitko) - stara.cx + nova.cx, HIWORD(tlacitko) - stara.cy + nova.cy));
    ::SendMessageW(hwnd_, TB_AUTOSIZE, 0, 0);
    ::InvalidateRect(hwnd_, nullptr, TRUE);
}

void PanelNastroju::Prizpusobit() {
    if (hwnd_) ::SendMessageW(hwnd_, TB_AUTOSIZE, 0, 0);
}

int PanelNastroju::Vyska() const {
    if (!Viditelny()) return 0;
    RECT r{};
    ::GetWindowRect(hwnd_, &r);
    return r.bottom - r.top;
}

void PanelNastroju::Zobrazit(bool zobrazit) {
    if (hwnd_) ::ShowWindow(hwnd_, zobrazit ? SW_SHOWNA : SW_HIDE);
}

bool PanelNastroju::Viditelny() const {
    // The own style, not IsWindowVisible: a hidden parent must not make the bar count as hidden.
    return hwnd_ && (::GetWindowLongPtrW(hwnd_, GWL_STYLE) & WS_VISIBLE) != 0;
}

}  // namespace Knihovna::WinApi
