#include "ui/win/DlgNastaveni.h"

#include <commctrl.h>

#include "knihovna/win/ChybyWin.h"

using Holvent::Email::SablonaDialogu;

namespace {

constexpr short kOkraj = 7;
constexpr short kSirkaTlacitka = 50, kVyskaTlacitka = 14;
constexpr short kXStromu = kOkraj, kYStromu = kOkraj;
constexpr short kXStranky = RozvrzeniStranky::kOblastAplikace.x;  // right of the tree, below the page's title
constexpr short kYStranky = RozvrzeniStranky::kOblastAplikace.y;
constexpr short kSirkaStromu = kXStranky - 2 * kOkraj + 1;

}  // namespace

DlgNastaveni::DlgNastaveni(std::wstring titulek, std::wstring produkt, short sirkaStranky, short vyskaStranky)
    : titulek_(std::move(titulek)), produkt_(std::move(produkt)), oblast_{kXStranky, kYStranky, sirkaStranky, vyskaStranky},
      sirka_(static_cast<short>(kXStranky + sirkaStranky + kOkraj)),
      vyska_(static_cast<short>(kYStranky + vyskaStranky + 2 * kOkraj + kVyskaTlacitka + 1)) {}

DlgNastaveni::~DlgNastaveni() = default;

int DlgNastaveni::PridatStranku(std::unique_ptr<StrankaNastaveni> stranka, int rodic) {
    stranky_.push_back({std::move(stranka), rodic});
    return static_cast<int>(stranky_.size()) - 1;
}

bool DlgNastaveni::Zobrazit(HWND vlastnik) {
    SablonaDialogu sablona(sirka_, vyska_, titulek_);
    const auto& o = oblast_;
    const short yTlacitek = static_cast<short>(vyska_ - kOkraj - kVyskaTlacitka), sirka = sirka_;
    sablona.Polozka(SS_LEFT | SS_NOPREFIX, o.x, kOkraj, o.sirka, 10, kIdTitulku, SablonaDialogu::kPopisek);
    sablona.Polozka(SS_ETCHEDHORZ, o.x, kOkraj + 11, o.sirka, 1, static_cast<WORD>(-1), SablonaDialogu::kPopisek);
    for (Polozka& p : stranky_) p.stranka->Vytvorit(sablona, oblast_);
    sablona.Polozka(BS_DEFPUSHBUTTON | WS_TABSTOP, sirka - 3 * (kSirkaTlacitka + 5) - 2, yTlacitek, kSirkaTlacitka,
                    kVyskaTlacitka, IDOK, SablonaDialogu::kTlacitko, L"OK");
    sablona.Polozka(BS_PUSHBUTTON | WS_TABSTOP, sirka - 2 * (kSirkaTlacitka + 5) - 2, yTlacitek, kSirkaTlacitka,
                    kVyskaTlacitka, IDCANCEL, SablonaDialogu::kTlacitko, L"Storno");
    sablona.Polozka(BS_PUSHBUTTON | WS_TABSTOP | WS_DISABLED, sirka - (kSirkaTlacitka + 5) - 2, yTlacitek,
                    kSirkaTlacitka, kVyskaTlacitka, kIdPouzit, SablonaDialogu::kTlacitko, L"&Použít");
    potvrzeno_ = false;
    ZobrazitModalne(vlastnik, sablona, L"Okno předvoleb nelze zobrazit");
    okno_ = strom_ = nullptr;
    stranka_ = -1;
    return potvrzeno_;
}

void DlgNastaveni::Inicializovat() {
    RECT r{kXStromu, kYStromu, kXStromu + kSirkaStromu, oblast_.y + oblast_.vyska};
    ::MapDialogRect(okno_, &r);
    strom_ = ::CreateWindowExW(WS_EX_CLIENTEDGE, WC_TREEVIEWW, L"",
                               WS_CHILD | WS_VISIBLE | WS_TABSTOP | TVS_SHOWSELALWAYS | TVS_DISABLEDRAGDROP |
                                   TVS_HASBUTTONS | TVS_LINESATROOT,
                               r.left, r.top, r.right - r.left, r.bottom - r.top, okno_,
                               reinterpret_cast<HMENU>(static_cast<INT_PTR>(kIdStromu)), ::GetModuleHandleW(nullptr),
                               nullptr);
    if (!strom_) Knihovna::WinApi::VyhoditPosledniChybu(L"Seznam stránek předvoleb nelze vytvořit");
    ::SendMessageW(strom_, WM_SETFONT, ::SendMessageW(okno_, WM_GETFONT, 0, 0), FALSE);
    // First in the Tab order.
    ::SetWindowPos(strom_, HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);
    for (std::size_t i = 0; i < stranky_.size(); ++i) {
        Polozka& p = stranky_[i];
        const std::wstring nazev = p.stranka->Nazev();
        TVINSERTSTRUCTW vlozit{};
        vlozit.hParent = p.rodic >= 0 ? static_cast<HTREEITEM>(stranky_[static_cast<std::size_t>(p.rodic)].strom) : TVI_ROOT;
        vlozit.hInsertAfter = TVI_LAST;
        vlozit.item.mask = TVIF_TEXT | TVIF_PARAM;
        vlozit.item.pszText = const_cast<wchar_t*>(nazev.c_str());
        vlozit.item.lParam = static_cast<LPARAM>(i);
        p.strom = reinterpret_cast<HANDLE>(::SendMessageW(strom_, TVM_INSERTITEMW, 0, reinterpret_cast<LPARAM>(&vlozit)));
    }
    for (Polozka& p : stranky_)
        if (p.rodic >= 0)
            ::SendMessageW(strom_, TVM_EXPAND, TVE_EXPAND,
                           reinterpret_cast<LPARAM>(stranky_[static_cast<std::size_t>(p.rodic)].strom));
    titulekStranky_.Pripojit(::GetDlgItem(okno_, kIdTitulku));
    for (Polozka& p : stranky_) {
        p.stranka->Inicializovat(okno_);
        p.stranka->Zobrazit(false);
    }
    if (!stranky_.empty()) VybratStranku(0);
    ::SetFocus(strom_);
}

void DlgNastaveni::ZobrazitStranku(int stranka) {
    if (stranka_ >= 0) stranky_[static_cast<std::size_t>(stranka_)].stranka->Zobrazit(false);
    stranka_ = stranka;
    StrankaNastaveni& s = *stranky_[static_cast<std::size_t>(stranka)].stranka;
    s.Zobrazit(true);
    titulekStranky_.Nastavit(s.Nazev().c_str());
}

void DlgNastaveni::VybratStranku(int stranka) {
    if (stranka == stranka_) return;
    // The tree asks the current page to let go (TVN_SELCHANGING); when it refuses, the selection stays.
    const bool vybrano = ::SendMessageW(strom_, TVM_SELECTITEM, TVGN_CARET,
                                        reinterpret_cast<LPARAM>(stranky_[static_cast<std::size_t>(stranka)].strom)) != FALSE;
    if (vybrano && stranka_ != stranka) ZobrazitStranku(stranka);
}

void DlgNastaveni::Odmitnout(const StrankaNastaveni::Odmitnuti& o) {
    ::MessageBoxW(okno_, o.zprava.c_str(), produkt_.c_str(), MB_OK | MB_ICONWARNING);
    HWND prvek = ::GetDlgItem(okno_, o.id);
    if (!prvek) return;
    ::SetFocus(prvek);
    wchar_t trida[16] = {};
    ::GetClassNameW(prvek, trida, 16);
    if (::lstrcmpiW(trida, L"Edit") == 0) ::SendMessageW(prvek, EM_SETSEL, 0, -1);
}

bool DlgNastaveni::PrevzitVse() {
    // The current page first: the user most likely just changed it.
    std::vector<int> poradi;
    if (stranka_ >= 0) poradi.push_back(stranka_);
    for (int s = 0; s < static_cast<int>(stranky_.size()); ++s)
        if (s != stranka_) poradi.push_back(s);
    for (int s : poradi) {
        if (auto o = stranky_[static_cast<std::size_t>(s)].stranka->Prevzit()) {
            VybratStranku(s);
            Odmitnout(*o);
            return false;
        }
    }
    return true;
}

INT_PTR DlgNastaveni::ZpracovatZpravu(HWND okno, UINT zprava, WPARAM wp, LPARAM lp) {
    switch (zprava) {
    case WM_INITDIALOG:
        okno_ = okno;
        Inicializovat();
        return FALSE;  // the focus is set
    case kZpravaZmena:
        ::EnableWindow(::GetDlgItem(okno_, kIdPouzit), TRUE);
        return TRUE;
    case WM_NOTIFY: {
        const auto* h = reinterpret_cast<const NMHDR*>(lp);
        if (h->idFrom == kIdStromu) {
            const auto* tv = reinterpret_cast<const NMTREEVIEWW*>(lp);
            if (h->code == TVN_SELCHANGINGW && stranka_ >= 0) {
                // A page with a refused value cannot be left.
                if (auto o = stranky_[static_cast<std::size_t>(stranka_)].stranka->Prevzit()) {
                    Odmitnout(*o);
                    ::SetWindowLongPtrW(okno_, DWLP_MSGRESULT, TRUE);
                    return TRUE;
                }
                return FALSE;
            }
            if (h->code == TVN_SELCHANGEDW) ZobrazitStranku(static_cast<int>(tv->itemNew.lParam));
            return TRUE;
        }
        break;
    }
    case WM_COMMAND: {
        const int id = LOWORD(wp);
        if (id == IDOK || id == kIdPouzit) {
            if (PrevzitVse() && Potvrdit()) {
                potvrzeno_ = true;
                if (id == IDOK) {
                    ::EndDialog(okno_, IDOK);
                } else {
                    ::EnableWindow(::GetDlgItem(okno_, kIdPouzit), FALSE);
                    Pouzito();
                }
            }
            return TRUE;
        }
        if (id == IDCANCEL) {
            ::EndDialog(okno_, IDCANCEL);
            return TRUE;
        }
        for (Polozka& p : stranky_)
            if (p.stranka->Prikaz(wp, lp)) return TRUE;
        return FALSE;
    }
    }
    if (zprava == WM_NOTIFY || zprava == WM_HSCROLL || zprava == WM_VSCROLL || zprava == WM_DRAWITEM ||
        zprava == WM_COPYDATA) {
        for (Polozka& p : stranky_) {
            INT_PTR vysledek = 0;
            if (p.stranka->Zprava(zprava, wp, lp, vysledek)) {
                ::SetWindowLongPtrW(okno_, DWLP_MSGRESULT, vysledek);
                return TRUE;
            }
        }
    }
    return FALSE;
}
