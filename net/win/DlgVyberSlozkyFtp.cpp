#include "net/win/DlgVyberSlozkyFtp.h"

#include <algorithm>
#include <chrono>
#include <stop_token>
#include <vector>

#include "app/win/Aplikace.h"
#include "camera/AktivityKamery.h"
#include "email/win/SablonaDialogu.h"
#include "knihovna/Formatovani.h"
#include "knihovna/Text.h"
#include "knihovna/win/ChybyWin.h"
#include "net/win/FtpSpojeni.h"
#include "net/win/PostaOkna.h"

namespace Holvent::Ftp {

namespace {

// An item's lParam: whether its subfolders were listed.
constexpr LPARAM kNenacteno = 0;
constexpr LPARAM kNacita = 1;
constexpr LPARAM kNacteno = 2;

// Closing the dialog cancels a listing (its connection is closed); a worker that does not end in this time is
// let go: it holds only its copies and posts to no window.
constexpr std::chrono::milliseconds kLimitZastaveni(3000);

constexpr const wchar_t* kTextNacitani = L"Načítám seznam složek, čekejte prosím...";
constexpr const wchar_t* kTextPrihlasovaciSlozka = L"(výchozí složka po přihlášení)";

LPARAM StavPolozky(HWND strom, HTREEITEM polozka) {
    TVITEMW p{};
    p.mask = TVIF_PARAM | TVIF_HANDLE;
    p.hItem = polozka;
    TreeView_GetItem(strom, &p);
    return p.lParam;
}

void NastavitStav(HWND strom, HTREEITEM polozka, LPARAM stav, int deti) {
    TVITEMW p{};
    p.mask = TVIF_PARAM | TVIF_HANDLE | TVIF_CHILDREN;
    p.hItem = polozka;
    p.lParam = stav;
    p.cChildren = deti;
    TreeView_SetItem(strom, &p);
}

std::wstring TextPolozky(HWND strom, HTREEITEM polozka) {
    wchar_t text[1024] = {};
    TVITEMW p{};
    p.mask = TVIF_TEXT | TVIF_HANDLE;
    p.hItem = polozka;
    p.pszText = text;
    p.cchTextMax = 1024;
    TreeView_GetItem(strom, &p);
    return text;
}

HTREEITEM Vlozit(HWND strom, HTREEITEM rodic, const std::wstring& text) {
    TVINSERTSTRUCTW v{};
    v.hParent = rodic;
    v.hInsertAfter = TVI_LAST;
    v.item.mask = TVIF_TEXT | TVIF_PARAM | TVIF_CHILDREN;
    v.item.pszText = const_cast<wchar_t*>(text.c_str());
    v.item.lParam = kNenacteno;
    v.item.cChildren = 1;  // not known until listed: the button stays until then
    return TreeView_InsertItem(strom, &v);
}

}  // namespace

struct DlgVyberSlozkyFtp::Vypis {
    HTREEITEM polozka = nullptr;
    bool uspech = false;
    std::vector<std::wstring> slozky;
    std::wstring chyba;
};

DlgVyberSlozkyFtp::DlgVyberSlozkyFtp(Holvent::Email::FtpMisto misto, std::wstring slozka)
    : misto_(std::move(misto)), slozka_(std::move(slozka)) {}

DlgVyberSlozkyFtp::~DlgVyberSlozkyFtp() {
    if (posta_) posta_->Zavrit();
}

bool DlgVyberSlozkyFtp::Zobrazit(HWND vlastnik) {
    using S = Holvent::Email::SablonaDialogu;
    S s(230, 214, kTitulek);
    s.Polozka(SS_LEFT | SS_ENDELLIPSIS, 7, 7, 216, 10, 0xFFFF, S::kPopisek,
              Knihovna::Formatovat(L"Složky na FTP serveru %s:", misto_.server.c_str()));
    s.Polozka(TVS_HASBUTTONS | TVS_HASLINES | TVS_LINESATROOT | TVS_SHOWSELALWAYS | WS_BORDER | WS_TABSTOP, 7, 19, 216,
              130, kIdStrom, WC_TREEVIEWW);
    s.Polozka(SS_LEFT, 7, 154, 56, 10, 0xFFFF, S::kPopisek, L"Vybraná složka:");
    s.Polozka(SS_LEFT | SS_PATHELLIPSIS | SS_NOPREFIX, 64, 154, 159, 10, kIdVybrana, S::kPopisek);
    s.Polozka(SS_LEFT | SS_NOPREFIX, 7, 167, 216, 20, kIdStav, S::kPopisek);
    s.Polozka(BS_DEFPUSHBUTTON | WS_TABSTOP, 119, 193, 50, 14, IDOK, S::kTlacitko, L"OK");
    s.Polozka(BS_PUSHBUTTON | WS_TABSTOP, 173, 193, 50, 14, IDCANCEL, S::kTlacitko, L"Storno");
    return ZobrazitModalne(vlastnik, s, L"Dialog výběru složky na FTP serveru nelze zobrazit.") == IDOK;
}

void DlgVyberSlozkyFtp::Inicializovat(HWND okno) {
    okno_ = okno;
    strom_ = GetDlgItem(okno, kIdStrom);
    posta_ = std::make_shared<PostaOkna>(okno);
    // The starting folder is opened level by level as each parent's listing arrives.
    std::wstring uroven;
    for (wchar_t z : slozka_ + L"/") {
        if (z == L'/' || z == L'\\') {
            if (!uroven.empty() && uroven != L".") cestaKOtevreni_.push_back(uroven);
            uroven.clear();
        } else {
            uroven += z;
        }
    }
    HTREEITEM koren = Vlozit(strom_, TVI_ROOT, misto_.server);
    TreeView_SelectItem(strom_, koren);  // lists it (ZmenaVyberu)
}

std::wstring DlgVyberSlozkyFtp::CestaPolozky(HTREEITEM polozka) const {
    std::wstring cesta;
    for (HTREEITEM p = polozka; p; p = TreeView_GetParent(strom_, p)) {
        if (!TreeView_GetParent(strom_, p)) break;  // the root is the login folder itself
        cesta = cesta.empty() ? TextPolozky(strom_, p) : TextPolozky(strom_, p) + L"/" + cesta;
    }
    return cesta;
}

void DlgVyberSlozkyFtp::Nacist(HTREEITEM polozka) {
    if (!polozka || StavPolozky(strom_, polozka) != kNenacteno) return;
    NastavitStav(strom_, polozka, kNacita, 1);
    fronta_.push_back(polozka);
    SpustitDalsi();
}

void DlgVyberSlozkyFtp::SpustitDalsi() {
    if (nacitana_ || fronta_.empty()) return;
    HTREEITEM polozka = fronta_.front();
    const std::wstring cesta = CestaPolozky(polozka);
    // The worker gets copies only; the root handle lives as long as the application.
    auto prace = [misto = misto_, cesta, polozka, posta = posta_,
                  koren = static_cast<HINTERNET>(Aplikace::Instance().InternetHandle())](std::stop_token stop) {
        auto vypis = std::make_unique<Vypis>();
        vypis->polozka = polozka;
        try {
            FtpSpojeni spojeni(misto.server, misto.uzivatel, misto.heslo, misto.pasivniRezim);
            std::stop_callback zrusit(stop, [&spojeni] { spojeni.Zrusit(); });
            spojeni.Connect(koren);
            // Into the folder, then the listing without a pattern: "folder\*.*" finds nothing on many servers.
            spojeni.ZmenitSlozku(cesta, false);
            vypis->slozky = spojeni.Slozky();
            spojeni.Odpojit();
            vypis->uspech = true;
        } catch (const Knihovna::Chyba& chyba) {
            vypis->chyba = Knihovna::WinApi::PopisChyby(chyba);
        } catch (const std::exception&) {
            vypis->chyba = L"Nedostatek paměti";
        }
        posta->Poslat(kZpravaVypisSlozekFtp, 0, std::move(vypis));
    };
    if (!pracovnik_.Spustit(std::move(prace))) return;  // the last one is ending: its result starts this one
    fronta_.pop_front();
    nacitana_ = polozka;
    SetDlgItemTextW(okno_, kIdStav, kTextNacitani);
}

void DlgVyberSlozkyFtp::PrevzitVypis(std::unique_ptr<Vypis> vypis) {
    // The job has posted its result and is returning: join it, so that the next one can start.
    pracovnik_.Zastavit(kLimitZastaveni);
    nacitana_ = nullptr;
    HTREEITEM polozka = vypis->polozka;
    if (vypis->uspech) {
        std::sort(vypis->slozky.begin(), vypis->slozky.end(), [](const std::wstring& a, const std::wstring& b) {
            return Knihovna::MalymiPismeny(a) < Knihovna::MalymiPismeny(b);
        });
        HTREEITEM dalsi = nullptr;
        for (const std::wstring& jmeno : vypis->slozky) {
            HTREEITEM p = Vlozit(strom_, polozka, jmeno);
            if (!dalsi && !cestaKOtevreni_.empty() && jmeno == cestaKOtevreni_.front()) dalsi = p;
        }
        NastavitStav(strom_, polozka, kNacteno, vypis->slozky.empty() ? 0 : 1);
        if (!vypis->slozky.empty()) TreeView_Expand(strom_, polozka, TVE_EXPAND);
        SetDlgItemTextW(okno_, kIdStav, L"");
        if (!cestaKOtevreni_.empty() && polozka == TreeView_GetSelection(strom_)) {
            if (dalsi) {
                cestaKOtevreni_.pop_front();
                TreeView_SelectItem(strom_, dalsi);
                TreeView_EnsureVisible(strom_, dalsi);
            } else {
                cestaKOtevreni_.clear();  // the starting folder is not there (any more)
            }
        }
    } else {
        // Selecting the item again tries again.
        NastavitStav(strom_, polozka, kNenacteno, 1);
        cestaKOtevreni_.clear();
        SetDlgItemTextW(okno_, kIdStav,
                        Knihovna::Formatovat(L"Seznam složek nelze načíst: %s", vypis->chyba.c_str()).c_str());
    }
    SpustitDalsi();
}

void DlgVyberSlozkyFtp::ZmenaVyberu() {
    HTREEITEM vybrana = TreeView_GetSelection(strom_);
    if (!vybrana) return;
    const std::wstring cesta = CestaPolozky(vybrana);
    SetDlgItemTextW(okno_, kIdVybrana, cesta.empty() ? kTextPrihlasovaciSlozka : cesta.c_str());
    Nacist(vybrana);
}

void DlgVyberSlozkyFtp::Ukoncit(INT_PTR vysledek) {
    if (vysledek == IDOK) {
        HTREEITEM vybrana = TreeView_GetSelection(strom_);
        slozka_ = vybrana ? CestaPolozky(vybrana) : std::wstring();
    }
    EndDialog(okno_, vysledek);
}

// Every way the dialog ends passes here (also its owner's end): the listing is cut off and a late result dropped.
void DlgVyberSlozkyFtp::Konec() {
    posta_->Zavrit();
    pracovnik_.Zastavit(kLimitZastaveni);
    PostaOkna::ZahoditNevyzvednute<Vypis>(okno_, kZpravaVypisSlozekFtp);
}

INT_PTR DlgVyberSlozkyFtp::ZpracovatZpravu(HWND okno, UINT zprava, WPARAM wp, LPARAM lp) {
    switch (zprava) {
    case WM_INITDIALOG:
        Inicializovat(okno);
        return TRUE;
    case WM_DESTROY:
        Konec();
        return FALSE;
    case kZpravaVypisSlozekFtp:
        PrevzitVypis(std::unique_ptr<Vypis>(reinterpret_cast<Vypis*>(lp)));
        return TRUE;
    case WM_NOTIFY: {
        const auto* h = reinterpret_cast<const NMHDR*>(lp);
        if (h->idFrom != static_cast<UINT_PTR>(kIdStrom)) break;
        if (h->code == TVN_ITEMEXPANDINGW) {
            const auto* t = reinterpret_cast<const NMTREEVIEWW*>(lp);
            if (t->action & TVE_EXPAND) Nacist(t->itemNew.hItem);
            SetWindowLongPtrW(okno, DWLP_MSGRESULT, FALSE);
            return TRUE;
        }
        if (h->code == TVN_SELCHANGEDW) {
            ZmenaVyberu();
            return TRUE;
        }
        break;
    }
    case WM_COMMAND:
        switch (LOWORD(wp)) {
        case IDOK:
        case IDCANCEL:
            Ukoncit(LOWORD(wp));
            return TRUE;
        }
        break;
    }
    return FALSE;
}

}  // namespace Holvent::Ftp
