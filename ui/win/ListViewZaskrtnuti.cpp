#include "ui/win/ListViewZaskrtnuti.h"

#include <commctrl.h>

#include "knihovna/win/ChybyWin.h"
#include "ui/win/OznameniPrvku.h"

namespace {

// Sets a flag for a scope (also when the scope is left by an exception).
class Priznak {
public:
    explicit Priznak(bool& p) : p_(p), puvodni_(p) { p_ = true; }
    ~Priznak() { p_ = puvodni_; }
    Priznak(const Priznak&) = delete;
    Priznak& operator=(const Priznak&) = delete;

private:
    bool& p_;
    bool puvodni_;
};

}  // namespace

ListViewZaskrtnuti::~ListViewZaskrtnuti() { Odpojit(); }

HWND ListViewZaskrtnuti::Vytvorit(HWND rodic, int id, const RECT& r) {
    HWND h = ::CreateWindowExW(
        WS_EX_CLIENTEDGE, WC_LISTVIEWW, L"",
        WS_CHILD | WS_VISIBLE | WS_TABSTOP | LVS_REPORT | LVS_NOCOLUMNHEADER | LVS_SINGLESEL | LVS_SHOWSELALWAYS,
        r.left, r.top, r.right - r.left, r.bottom - r.top, rodic, reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)),
        ::GetModuleHandleW(nullptr), nullptr);
    if (!h) Knihovna::WinApi::VyhoditPosledniChybu(L"Seznam se zaškrtávacími políčky nelze vytvořit");
    ::SendMessageW(h, WM_SETFONT, ::SendMessageW(rodic, WM_GETFONT, 0, 0), FALSE);
    try {
        Pripojit(h);
    } catch (...) {
        ::DestroyWindow(h);
        throw;
    }
    return h;
}

void ListViewZaskrtnuti::Pripojit(HWND listView) {
    Odpojit();
    const LONG_PTR styl = ::GetWindowLongPtrW(listView, GWL_STYLE);
    ::SetWindowLongPtrW(listView, GWL_STYLE, (styl & ~LVS_TYPEMASK) | LVS_REPORT);
    ListView_SetExtendedListViewStyleEx(listView, LVS_EX_CHECKBOXES | LVS_EX_FULLROWSELECT,
                                        LVS_EX_CHECKBOXES | LVS_EX_FULLROWSELECT);
    HWND hlavicka = ListView_GetHeader(listView);
    if (!hlavicka || Header_GetItemCount(hlavicka) == 0) {
        LVCOLUMNW sloupec{};
        sloupec.mask = LVCF_WIDTH;
        sloupec.cx = 100;
        ListView_InsertColumn(listView, 0, &sloupec);
    }
    // The list itself is hooked only to learn that it dies, so that the parent's hook goes with it.
    seznam_.Pripojit(listView, [this](UINT zprava, WPARAM, LPARAM, LRESULT&) {
        if (zprava == WM_NCDESTROY)
            rodic_.Odpojit();
        else if (zprava == WM_SIZE)
            ::PostMessageW(seznam_.Okno(), LVM_SETCOLUMNWIDTH, 0, LVSCW_AUTOSIZE_USEHEADER);
        return false;
    });
    try {
        rodic_.Pripojit(::GetParent(listView),
                        [this](UINT zprava, WPARAM wp, LPARAM lp, LRESULT&) { return ObsluhaRodice(zprava, wp, lp); });
    } catch (...) {
        seznam_.Odpojit();
        throw;
    }
    PrizpusobitSloupec();
}

void ListViewZaskrtnuti::Odpojit() noexcept {
    rodic_.Odpojit();
    seznam_.Odpojit();
}

void ListViewZaskrtnuti::PrizpusobitSloupec() {
    // The one column fills the list's width (less the scroll bar when there is one).
    if (HWND h = seznam_.Okno()) ListView_SetColumnWidth(h, 0, LVSCW_AUTOSIZE_USEHEADER);
}

int ListViewZaskrtnuti::Pridat(const std::wstring& text, LPARAM data, bool zaskrtnuto) {
    HWND h = seznam_.Okno();
    if (!h) return -1;
    Priznak naplnovani(naplnovani_);
    LVITEMW polozka{};
    polozka.mask = LVIF_TEXT | LVIF_PARAM;
    polozka.iItem = Pocet();
    polozka.pszText = const_cast<wchar_t*>(text.c_str());
    polozka.lParam = data;
    const int index = ListView_InsertItem(h, &polozka);
    if (index < 0) Knihovna::Vyhodit(Knihovna::kE_FAIL, L"Položku seznamu nelze přidat");
    ListView_SetCheckState(h, index, zaskrtnuto ? TRUE : FALSE);
    PrizpusobitSloupec();
    return index;
}

void ListViewZaskrtnuti::Vyprazdnit() {
    Priznak naplnovani(naplnovani_);
    if (HWND h = seznam_.Okno()) ListView_DeleteAllItems(h);
}

int ListViewZaskrtnuti::Pocet() const {
    HWND h = seznam_.Okno();
    return h ? ListView_GetItemCount(h) : 0;
}

bool ListViewZaskrtnuti::Zaskrtnuto(int index) const {
    HWND h = seznam_.Okno();
    return h && index >= 0 && index < Pocet() && ListView_GetCheckState(h, index) != 0;
}

void ListViewZaskrtnuti::Nastavit(int index, bool zaskrtnuto) {
    HWND h = seznam_.Okno();
    if (!h || index < 0 || index >= Pocet()) return;
    Priznak naplnovani(naplnovani_);
    ListView_SetCheckState(h, index, zaskrtnuto ? TRUE : FALSE);
}

LPARAM ListViewZaskrtnuti::Data(int index) const {
    HWND h = seznam_.Okno();
    if (!h || index < 0 || index >= Pocet()) return 0;
    LVITEMW polozka{};
    polozka.mask = LVIF_PARAM;
    polozka.iItem = index;
    return ListView_GetItem(h, &polozka) ? polozka.lParam : 0;
}

std::wstring ListViewZaskrtnuti::Text(int index) const {
    HWND h = seznam_.Okno();
    if (!h || index < 0 || index >= Pocet()) return {};
    wchar_t buf[512] = {};
    ListView_GetItemText(h, index, 0, buf, 512);
    return buf;
}

bool ListViewZaskrtnuti::ObsluhaRodice(UINT zprava, WPARAM, LPARAM lp) {
    HWND h = seznam_.Okno();
    if (zprava != WM_NOTIFY || !h) return false;
    const auto* nm = reinterpret_cast<const NMHDR*>(lp);
    if (nm->hwndFrom != h || nm->code != LVN_ITEMCHANGED) return false;
    const auto* zmena = reinterpret_cast<const NMLISTVIEW*>(lp);
    // A state image that changes from one check state to the other; an image index of 0 is a row
    // just inserted getting its first check box.
    const UINT stary = zmena->uOldState & LVIS_STATEIMAGEMASK, novy = zmena->uNewState & LVIS_STATEIMAGEMASK;
    if (!naplnovani_ && zmena->iItem >= 0 && (zmena->uChanged & LVIF_STATE) && stary != novy && stary != 0)
        OznamitZmenuHodnoty(h);
    return false;  // the parent sees its notification as well
}
