#include "ui/win/DlgNastKamZasuvneModuly.h"

#include <commctrl.h>
#include <commdlg.h>

#include <algorithm>

#include "app/win/Aplikace.h"
#include "camera/win/ZasuvneModuly.h"
#include "email/win/SablonaDialogu.h"
#include "knihovna/Chyba.h"
#include "knihovna/Formatovani.h"

using Holvent::Email::SablonaDialogu;

namespace {

constexpr int kIdPopisku = 1925, kIdSkupiny = 1926, kIdPoznamky = 1927;  // free between the other pages' ids

struct Prepinac {
    int id;
    const wchar_t* text;
    bool ZasuvnyModul::*pole;
};
constexpr Prepinac kPrepinace[] = {
    {DlgNastKamZasuvneModuly::kIdZdo, L"Aplikovat funkci zápisu do živého obrazu", &ZasuvnyModul::zdo},
    {DlgNastKamZasuvneModuly::kIdDisk, L"Aplikovat funkci zápisu do snímku na disk", &ZasuvnyModul::usDisk},
    {DlgNastKamZasuvneModuly::kIdFtp, L"Aplikovat funkci zápisu do snímku pro webkameru  (přenos na FTP)",
     &ZasuvnyModul::usFtp},
    {DlgNastKamZasuvneModuly::kIdEmail, L"Aplikovat funkci zápisu do snímku pro odeslání emailem",
     &ZasuvnyModul::usEmail},
    {DlgNastKamZasuvneModuly::kIdHttp, L"Aplikovat funkci zápisu do snímku pro HTTP server", &ZasuvnyModul::usHS},
};

}  // namespace

DlgNastKamZasuvneModuly::DlgNastKamZasuvneModuly(std::vector<ZasuvnyModul> seznam, Zmena zmena, std::wstring produkt)
    : seznam_(std::move(seznam)), zmena_(std::move(zmena)), produkt_(std::move(produkt)) {}

void DlgNastKamZasuvneModuly::Vytvorit(SablonaDialogu& s, const Oblast& o) {
    const short x = o.x, w = o.sirka, wTlacitka = 60;
    const short wSeznamu = static_cast<short>(w - wTlacitka - 6), xTlacitek = static_cast<short>(x + wSeznamu + 6);
    short y = o.y;
    Pridat(s, SS_LEFT, x, y, wSeznamu, 8, kIdPopisku, SablonaDialogu::kPopisek, L"&Zásuvné moduly:");
    y += 10;
    Pridat(s, LVS_REPORT | LVS_SINGLESEL | LVS_SHOWSELALWAYS | WS_BORDER | WS_TABSTOP, x, y, wSeznamu, 120,
           kIdSeznamu, std::wstring(WC_LISTVIEWW));
    Pridat(s, BS_PUSHBUTTON | WS_TABSTOP, xTlacitek, y, wTlacitka, 14, kIdPridat, SablonaDialogu::kTlacitko,
           L"&Přidat…");
    Pridat(s, BS_PUSHBUTTON | WS_TABSTOP, xTlacitek, static_cast<short>(y + 18), wTlacitka, 14, kIdOdebrat,
           SablonaDialogu::kTlacitko, L"&Odebrat");
    y += 128;
    Pridat(s, BS_GROUPBOX, x, y, w, 106, kIdSkupiny, SablonaDialogu::kTlacitko, L"Vybraný modul");
    short yp = static_cast<short>(y + 12);
    for (const Prepinac& p : kPrepinace) {
        Pridat(s, BS_AUTOCHECKBOX | WS_TABSTOP, static_cast<short>(x + 8), yp, static_cast<short>(w - 16), 10,
               static_cast<WORD>(p.id), SablonaDialogu::kTlacitko, p.text);
        yp += 14;
    }
    Pridat(s, BS_PUSHBUTTON | WS_TABSTOP, static_cast<short>(x + 8), static_cast<short>(yp + 2), 170, 14, kIdPouzit,
           SablonaDialogu::kTlacitko, L"Po&užít toto nastavení vybraného modulu");
    y += 114;
    Pridat(s, SS_LEFT, x, y, w, 8, kIdPoznamky, SablonaDialogu::kPopisek, L"Změny zásuvných modulů platí ihned.");
}

void DlgNastKamZasuvneModuly::Naplnit() {
    HWND seznam = Prvek(kIdSeznamu);
    ListView_SetExtendedListViewStyleEx(seznam, LVS_EX_FULLROWSELECT, LVS_EX_FULLROWSELECT);
    RECT r{};
    ::GetClientRect(seznam, &r);
    const int sirkaJmena = (r.right - r.left) * 2 / 5;
    const wchar_t* nadpisy[] = {L"Název", L"Cesta"};
    for (int i = 0; i < 2; ++i) {
        LVCOLUMNW sloupec{};
        sloupec.mask = LVCF_TEXT | LVCF_WIDTH;
        sloupec.pszText = const_cast<wchar_t*>(nadpisy[i]);
        sloupec.cx = i == 0 ? sirkaJmena : (r.right - r.left) - sirkaJmena - ::GetSystemMetrics(SM_CXVSCROLL);
        ListView_InsertColumn(seznam, i, &sloupec);
    }
    NaplnitSeznam(0);
}

void DlgNastKamZasuvneModuly::NaplnitSeznam(int vybrat) {
    HWND seznam = Prvek(kIdSeznamu);
    ListView_DeleteAllItems(seznam);
    for (std::size_t i = 0; i < seznam_.size(); ++i) {
        LVITEMW polozka{};
        polozka.mask = LVIF_TEXT;
        polozka.iItem = static_cast<int>(i);
        polozka.pszText = const_cast<wchar_t*>(seznam_[i].jmeno.c_str());
        const int index = ListView_InsertItem(seznam, &polozka);
        ListView_SetItemText(seznam, index, 1, const_cast<wchar_t*>(seznam_[i].cesta.c_str()));
    }
    if (!seznam_.empty()) {
        const int i = std::clamp(vybrat, 0, static_cast<int>(seznam_.size()) - 1);
        ListView_SetItemState(seznam, i, LVIS_SELECTED | LVIS_FOCUSED, LVIS_SELECTED | LVIS_FOCUSED);
        ListView_EnsureVisible(seznam, i, FALSE);
    }
    ZobrazitPrepinace();
}

int DlgNastKamZasuvneModuly::Vybrany() const {
    const int i = ListView_GetNextItem(Prvek(kIdSeznamu), -1, LVNI_SELECTED);
    return i >= 0 && static_cast<std::size_t>(i) < seznam_.size() ? i : -1;
}

void DlgNastKamZasuvneModuly::ZobrazitPrepinace() {
    const int i = Vybrany();
    for (const Prepinac& p : kPrepinace) {
        ::CheckDlgButton(Dialog(), p.id, i >= 0 && seznam_[static_cast<std::size_t>(i)].*p.pole ? BST_CHECKED : BST_UNCHECKED);
        ::EnableWindow(Prvek(p.id), i >= 0);
    }
    ::EnableWindow(Prvek(kIdPouzit), i >= 0);
    ::EnableWindow(Prvek(kIdOdebrat), i >= 0);
}

void DlgNastKamZasuvneModuly::Hlasit(const std::wstring& text, UINT ikona) const {
    ::MessageBoxW(Dialog(), text.c_str(), produkt_.c_str(), MB_OK | ikona);
}

bool DlgNastKamZasuvneModuly::Zmenit(const std::vector<ZasuvnyModul>& novy) {
    try {
        if (zmena_) zmena_(novy);
    } catch (const Knihovna::Chyba& chyba) {
        Hlasit(Aplikace::Instance().PopisChybyCom(chyba), MB_ICONERROR);
        return false;
    }
    seznam_ = novy;
    return true;
}

void DlgNastKamZasuvneModuly::PridatModul() {
    wchar_t cesta[MAX_PATH] = {};
    static const wchar_t kFiltr[] = L"DLL knihovny (*.dll)\0*.dll\0";
    OPENFILENAMEW ofn{};
    ofn.lStructSize = sizeof ofn;
    ofn.hwndOwner = Dialog();
    ofn.lpstrFilter = kFiltr;
    ofn.lpstrFile = cesta;
    ofn.nMaxFile = MAX_PATH;
    ofn.Flags = OFN_HIDEREADONLY | OFN_NOCHANGEDIR | OFN_EXPLORER | OFN_FILEMUSTEXIST | OFN_PATHMUSTEXIST;
    if (!::GetOpenFileNameW(&ofn)) return;
    std::vector<ZasuvnyModul> novy = seznam_;
    try {
        PridatZasuvnyModul(novy, cesta, ZasuvneModuly::JmenoKnihovny(cesta));
    } catch (const Knihovna::Chyba& chyba) {
        // A path already in the list: nothing changes.
        Hlasit(chyba.Text().empty() ? Aplikace::Instance().PopisChybyCom(chyba) : chyba.Text(), MB_ICONINFORMATION);
        return;
    }
    if (Zmenit(novy)) NaplnitSeznam(static_cast<int>(seznam_.size()) - 1);
}

void DlgNastKamZasuvneModuly::OdebratModul() {
    const int i = Vybrany();
    if (i < 0) return;
    const std::wstring otazka = Knihovna::Formatovat(L"Opravdu chcete odebrat zásuvný modul \"%s\"?",
                                                     seznam_[static_cast<std::size_t>(i)].jmeno.c_str());
    if (::MessageBoxW(Dialog(), otazka.c_str(), produkt_.c_str(), MB_YESNO | MB_ICONQUESTION) != IDYES) return;
    std::vector<ZasuvnyModul> novy = seznam_;
    novy.erase(novy.begin() + i);
    if (Zmenit(novy)) NaplnitSeznam(i);
}

void DlgNastKamZasuvneModuly::PouzitPrepinace() {
    const int i = Vybrany();
    if (i < 0) return;
    std::vector<ZasuvnyModul> novy = seznam_;
    for (const Prepinac& p : kPrepinace)
        novy[static_cast<std::size_t>(i)].*p.pole = ::IsDlgButtonChecked(Dialog(), p.id) == BST_CHECKED;
    if (Zmenit(novy)) NaplnitSeznam(i);
}

bool DlgNastKamZasuvneModuly::ZpracovatPrikaz(WPARAM wp, LPARAM) {
    const int id = LOWORD(wp);
    if (id < kIdSeznamu || id > kIdPoznamky) return false;
    if (HIWORD(wp) == BN_CLICKED) {
        if (id == kIdPridat) PridatModul();
        else if (id == kIdOdebrat) OdebratModul();
        else if (id == kIdPouzit) PouzitPrepinace();
    }
    return true;
}

bool DlgNastKamZasuvneModuly::Zprava(UINT zprava, WPARAM, LPARAM lp, INT_PTR& vysledek) {
    if (zprava != WM_NOTIFY) return false;
    const auto* n = reinterpret_cast<const NMHDR*>(lp);
    if (!n || n->idFrom != static_cast<UINT_PTR>(kIdSeznamu)) return false;
    if (n->code == LVN_ITEMCHANGED) {
        const auto* zmena = reinterpret_cast<const NMLISTVIEW*>(lp);
        if (zmena->uChanged & LVIF_STATE) ZobrazitPrepinace();
    }
    vysledek = 0;
    return true;
}
