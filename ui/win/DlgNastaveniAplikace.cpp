#include "ui/win/DlgNastaveniAplikace.h"

#include <commctrl.h>

#include <algorithm>
#include <commdlg.h>
#include <shlobj.h>

#include "app/win/Aplikace.h"
#include "app/win/UdrzbaLogu.h"
#include "email/win/SablonaDialogu.h"
#include "knihovna/Formatovani.h"
#include "knihovna/win/ChybyWin.h"
#include "resources/IdZdroju.h"

namespace S = StrankyNastaveniAplikace;
using Holvent::Email::SablonaDialogu;
using Holvent::Email::TextPrvku;

namespace {

// The layout in dialog units, so that it scales with the system's font and DPI.
constexpr short kSirka = 420, kVyska = 250;
constexpr short kXStromu = 7, kYStromu = 7, kSirkaStromu = 110, kVyskaStromu = 210;
constexpr short kXStranky = 125, kSirkaStranky = 288;
constexpr short kYTlacitek = 228, kSirkaTlacitka = 50, kVyskaTlacitka = 14;

// A check box whose text would not fit on one line gets two.
short VyskaZaskrtnuti(const wchar_t* text) { return std::wcslen(text) * 4 > static_cast<std::size_t>(kSirkaStranky) ? 18 : 10; }

std::wstring TextBarvy(std::uint32_t barva) {
    return Knihovna::Formatovat(L"R %u, G %u, B %u", barva & 0xFF, (barva >> 8) & 0xFF, (barva >> 16) & 0xFF);
}

}  // namespace

DlgNastaveniAplikace::DlgNastaveniAplikace(NastaveniAplikace& nastaveni, std::wstring produkt)
    : nastaveni_(nastaveni), kopie_(nastaveni), klavesy_(nastaveni.horkeKlavesy), produkt_(std::move(produkt)) {}

int DlgNastaveniAplikace::StrankaKlaves() const { return static_cast<int>(S::Stranky().size()); }

void DlgNastaveniAplikace::VytvoritStrankuKlaves(SablonaDialogu& sablona) {
    const short x = kXStranky;
    sablona.Polozka(SS_LEFT, x, kYStromu + 2, 60, 8, kIdPopisuSkupiny, SablonaDialogu::kPopisek, L"&Skupina:");
    sablona.Polozka(CBS_DROPDOWNLIST | WS_VSCROLL | WS_TABSTOP, x + 65, kYStromu, kSirkaStranky - 65, 100, kIdSkupiny,
                    0x0085);
    sablona.Polozka(LBS_NOTIFY | LBS_NOINTEGRALHEIGHT | WS_VSCROLL | WS_BORDER | WS_TABSTOP, x, kYStromu + 18,
                    kSirkaStranky, 150, kIdPrikazu, SablonaDialogu::kSeznam);
    sablona.Polozka(SS_LEFT, x, kYStromu + 176, 80, 8, kIdPopisuKlavesy, SablonaDialogu::kPopisek,
                    L"&Klávesová zkratka:");
    sablona.Polozka(BS_PUSHBUTTON | WS_TABSTOP, x + kSirkaStranky - 110, kYStromu + 188, 52, 14, kIdNastavit,
                    SablonaDialogu::kTlacitko, L"&Nastavit");
    sablona.Polozka(BS_PUSHBUTTON | WS_TABSTOP, x + kSirkaStranky - 52, kYStromu + 188, 52, 14, kIdVymazat,
                    SablonaDialogu::kTlacitko, L"&Vymazat");
}

void DlgNastaveniAplikace::InicializovatStrankuKlaves() {
    auto& app = Aplikace::Instance();
    RECT r{kXStranky, kYStromu + 188, kXStranky + kSirkaStranky - 116, kYStromu + 200};
    ::MapDialogRect(okno_, &r);
    ovladacKlavesy_ = ::CreateWindowExW(0, HOTKEY_CLASSW, L"", WS_CHILD | WS_BORDER | WS_TABSTOP, r.left, r.top,
                                        r.right - r.left, r.bottom - r.top, okno_,
                                        reinterpret_cast<HMENU>(static_cast<INT_PTR>(kIdKlavesy)),
                                        ::GetModuleHandleW(nullptr), nullptr);
    if (!ovladacKlavesy_) Knihovna::WinApi::VyhoditPosledniChybu(L"Ovládací prvek klávesové zkratky nelze vytvořit");
    ::SendMessageW(ovladacKlavesy_, WM_SETFONT, ::SendMessageW(okno_, WM_GETFONT, 0, 0), FALSE);
    // In the Tab order right after its label.
    ::SetWindowPos(ovladacKlavesy_, ::GetDlgItem(okno_, kIdPopisuKlavesy), 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);
    HWND skupiny = ::GetDlgItem(okno_, kIdSkupiny);
    for (std::uint32_t skupina : StrankaHorkychKlaves::kSkupiny) {
        const std::wstring text =
            skupina == StrankaHorkychKlaves::kVsechnySkupiny ? StrankaHorkychKlaves::kTextVsechnySkupiny : app.Text(skupina);
        const LRESULT i = ::SendMessageW(skupiny, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(text.c_str()));
        ::SendMessageW(skupiny, CB_SETITEMDATA, i, skupina);
    }
    ::SendMessageW(skupiny, CB_SETCURSEL, 0, 0);
    NaplnitPrikazy();
    tip_ = ::CreateWindowExW(0, TOOLTIPS_CLASSW, nullptr, WS_POPUP | TTS_ALWAYSTIP, 0, 0, 0, 0, okno_, nullptr,
                             ::GetModuleHandleW(nullptr), nullptr);
    if (tip_) {
        const std::wstring text = app.Text(20025);
        TOOLINFOW info{};
        info.cbSize = sizeof info;
        info.uFlags = TTF_IDISHWND | TTF_SUBCLASS;
        info.hwnd = okno_;
        info.uId = reinterpret_cast<UINT_PTR>(::GetDlgItem(okno_, kIdNastavit));
        info.lpszText = const_cast<wchar_t*>(text.c_str());
        ::SendMessageW(tip_, TTM_ADDTOOLW, 0, reinterpret_cast<LPARAM>(&info));
    }
}

void DlgNastaveniAplikace::NaplnitPrikazy() {
    auto& app = Aplikace::Instance();
    HWND skupiny = ::GetDlgItem(okno_, kIdSkupiny);
    const LRESULT vyber = ::SendMessageW(skupiny, CB_GETCURSEL, 0, 0);
    const auto skupina = static_cast<std::uint32_t>(vyber == CB_ERR ? 0 : ::SendMessageW(skupiny, CB_GETITEMDATA, vyber, 0));
    zobrazeneKlavesy_ = strankaKlaves_.Polozky(skupina);
    HWND seznam = ::GetDlgItem(okno_, kIdPrikazu);
    ::SendMessageW(seznam, LB_RESETCONTENT, 0, 0);
    for (std::size_t i : zobrazeneKlavesy_) {
        const std::wstring text = StrankaHorkychKlaves::TextPolozky(app.Text(klavesy_.Polozky()[i].idPrikazu));
        ::SendMessageW(seznam, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(text.c_str()));
    }
    ::SendMessageW(seznam, LB_SETCURSEL, 0, 0);
    ZobrazitKlavesu();
}

void DlgNastaveniAplikace::ZobrazitKlavesu() {
    const LRESULT i = ::SendDlgItemMessageW(okno_, kIdPrikazu, LB_GETCURSEL, 0, 0);
    WORD klavesa = 0;
    if (i != LB_ERR && static_cast<std::size_t>(i) < zobrazeneKlavesy_.size()) {
        const HorkaKlavesa& k = klavesy_.Polozky()[zobrazeneKlavesy_[static_cast<std::size_t>(i)]];
        klavesa = MAKEWORD(k.klavesa, StrankaHorkychKlaves::PriznakyZModifikatoru(k.modifikatory));
    }
    ::SendMessageW(ovladacKlavesy_, HKM_SETHOTKEY, klavesa, 0);
}

void DlgNastaveniAplikace::NastavitKlavesu(bool vymazat) {
    const LRESULT i = ::SendDlgItemMessageW(okno_, kIdPrikazu, LB_GETCURSEL, 0, 0);
    if (i == LB_ERR || static_cast<std::size_t>(i) >= zobrazeneKlavesy_.size()) {
        ::MessageBeep(MB_ICONEXCLAMATION);
        return;
    }
    const std::size_t index = zobrazeneKlavesy_[static_cast<std::size_t>(i)];
    const auto hodnota = static_cast<WORD>(::SendMessageW(ovladacKlavesy_, HKM_GETHOTKEY, 0, 0));
    const auto vysledek = vymazat ? strankaKlaves_.Vymazat(index)
                                  : strankaKlaves_.Nastavit(index, HIBYTE(hodnota), LOBYTE(hodnota));
    if (vysledek == StrankaHorkychKlaves::Vysledek::JizPouzita)
        ::MessageBoxW(okno_, Aplikace::Instance().Text(StrankaHorkychKlaves::kTextJizPouzita).c_str(), produkt_.c_str(),
                      MB_OK | MB_ICONWARNING);
    else if (vysledek == StrankaHorkychKlaves::Vysledek::Nastaveno)
        ::PostMessageW(okno_, kZpravaZmena, 0, 0);
    ZobrazitKlavesu();
}

bool DlgNastaveniAplikace::Zobrazit(HWND vlastnik) {
    SablonaDialogu sablona(kSirka, kVyska, L"Předvolby aplikace");
    int index = 0;
    const auto stranky = S::Stranky();
    for (int s = 0; s < static_cast<int>(stranky.size()); ++s) {
        short y = kYStromu;
        for (const S::Hodnota& h : stranky[s].hodnoty) {
            const WORD id = static_cast<WORD>(kPrvniIdPrvku + 4 * index++);
            const short x = kXStranky;
            switch (h.ovladac) {
            case S::Ovladac::Zaskrtnuti: {
                const short v = VyskaZaskrtnuti(h.popisek);
                sablona.Polozka(BS_AUTOCHECKBOX | BS_MULTILINE | WS_TABSTOP, x, y, kSirkaStranky, v, id + 1,
                                SablonaDialogu::kTlacitko, h.popisek);
                y += v + 4;
                break;
            }
            case S::Ovladac::Cislo:
                sablona.Polozka(SS_LEFT, x, y + 2, 170, 8, id, SablonaDialogu::kPopisek, h.popisek);
                sablona.Polozka(ES_NUMBER | ES_AUTOHSCROLL | WS_BORDER | WS_TABSTOP, x + 175, y, 60, 12, id + 1,
                                SablonaDialogu::kEdit);
                y += 16;
                break;
            case S::Ovladac::Text:
                sablona.Polozka(SS_LEFT, x, y + 2, 120, 8, id, SablonaDialogu::kPopisek, h.popisek);
                sablona.Polozka(ES_AUTOHSCROLL | WS_BORDER | WS_TABSTOP, x + 125, y, 160, 12, id + 1, SablonaDialogu::kEdit);
                y += 16;
                break;
            case S::Ovladac::Vyber:
                sablona.Polozka(SS_LEFT, x, y + 2, 120, 8, id, SablonaDialogu::kPopisek, h.popisek);
                sablona.Polozka(CBS_DROPDOWNLIST | WS_VSCROLL | WS_TABSTOP, x + 125, y, 160, 100, id + 1, 0x0085);
                y += 16;
                break;
            case S::Ovladac::Slozka:
                sablona.Polozka(SS_LEFT, x, y, kSirkaStranky, 8, id, SablonaDialogu::kPopisek, h.popisek);
                y += 10;
                sablona.Polozka(ES_AUTOHSCROLL | WS_BORDER | WS_TABSTOP, x, y, kSirkaStranky - 28, 12, id + 1,
                                SablonaDialogu::kEdit);
                sablona.Polozka(BS_PUSHBUTTON | WS_TABSTOP, x + kSirkaStranky - 24, y, 24, 12, id + 2,
                                SablonaDialogu::kTlacitko, L"...");
                y += 16;
                break;
            case S::Ovladac::Barva:
                sablona.Polozka(SS_LEFT, x, y + 3, 120, 8, id, SablonaDialogu::kPopisek, h.popisek);
                sablona.Polozka(BS_PUSHBUTTON | WS_TABSTOP, x + 125, y, 80, 14, id + 1, SablonaDialogu::kTlacitko,
                                L"&Změnit barvu...");
                sablona.Polozka(SS_LEFT, x + 210, y + 3, 78, 8, id + 2, SablonaDialogu::kPopisek);
                y += 18;
                break;
            }
            prvky_.push_back({&h, s, id + 1});
        }
    }
    VytvoritStrankuKlaves(sablona);
    const short yLogu = kYStromu + kVyskaStromu - 14;
    sablona.Polozka(BS_PUSHBUTTON | WS_TABSTOP, kXStranky, yLogu, 70, 14, kIdOtevritLog, SablonaDialogu::kTlacitko,
                    L"&Otevřít log");
    sablona.Polozka(BS_PUSHBUTTON | WS_TABSTOP, kXStranky + 75, yLogu, 70, 14, kIdArchivovatLog,
                    SablonaDialogu::kTlacitko, L"&Archivovat...");
    sablona.Polozka(BS_PUSHBUTTON | WS_TABSTOP, kXStranky + 150, yLogu, 70, 14, kIdSmazatLog, SablonaDialogu::kTlacitko,
                    L"S&mazat log");
    sablona.Polozka(BS_DEFPUSHBUTTON | WS_TABSTOP, kSirka - 3 * (kSirkaTlacitka + 5) - 2, kYTlacitek, kSirkaTlacitka,
                    kVyskaTlacitka, IDOK, SablonaDialogu::kTlacitko, L"OK");
    sablona.Polozka(BS_PUSHBUTTON | WS_TABSTOP, kSirka - 2 * (kSirkaTlacitka + 5) - 2, kYTlacitek, kSirkaTlacitka,
                    kVyskaTlacitka, IDCANCEL, SablonaDialogu::kTlacitko, L"Storno");
    sablona.Polozka(BS_PUSHBUTTON | WS_TABSTOP | WS_DISABLED, kSirka - (kSirkaTlacitka + 5) - 2, kYTlacitek,
                    kSirkaTlacitka, kVyskaTlacitka, kIdPouzit, SablonaDialogu::kTlacitko, L"&Použít");
    ZobrazitModalne(vlastnik, sablona, L"Okno předvoleb aplikace nelze zobrazit");
    return potvrzeno_;
}

void DlgNastaveniAplikace::Inicializovat() {
    RECT r{kXStromu, kYStromu, kXStromu + kSirkaStromu, kYStromu + kVyskaStromu};
    ::MapDialogRect(okno_, &r);
    strom_ = ::CreateWindowExW(WS_EX_CLIENTEDGE, WC_TREEVIEWW, L"",
                               WS_CHILD | WS_VISIBLE | WS_TABSTOP | TVS_SHOWSELALWAYS | TVS_DISABLEDRAGDROP, r.left,
                               r.top, r.right - r.left, r.bottom - r.top, okno_,
                               reinterpret_cast<HMENU>(static_cast<INT_PTR>(kIdStromu)), ::GetModuleHandleW(nullptr),
                               nullptr);
    if (!strom_) Knihovna::WinApi::VyhoditPosledniChybu(L"Seznam stránek předvoleb nelze vytvořit");
    ::SendMessageW(strom_, WM_SETFONT, ::SendMessageW(okno_, WM_GETFONT, 0, 0), FALSE);
    // First in the Tab order.
    ::SetWindowPos(strom_, HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);
    auto pridatStranku = [&](const wchar_t* nazev, int stranka) {
        TVINSERTSTRUCTW vlozit{};
        vlozit.hParent = TVI_ROOT;
        vlozit.hInsertAfter = TVI_LAST;
        vlozit.item.mask = TVIF_TEXT | TVIF_PARAM;
        vlozit.item.pszText = const_cast<wchar_t*>(nazev);
        vlozit.item.lParam = stranka;
        polozkyStromu_.push_back(
            reinterpret_cast<HANDLE>(::SendMessageW(strom_, TVM_INSERTITEMW, 0, reinterpret_cast<LPARAM>(&vlozit))));
    };
    const auto stranky = S::Stranky();
    for (int s = 0; s < static_cast<int>(stranky.size()); ++s) pridatStranku(stranky[s].nazev, s);
    pridatStranku(L"Klávesové zkratky", StrankaKlaves());
    InicializovatStrankuKlaves();
    naplnovani_ = true;
    for (const Prvek& p : prvky_) NaplnitPrvek(p);
    naplnovani_ = false;
    ZobrazitStranku(0);
    ::SendMessageW(strom_, TVM_SELECTITEM, TVGN_CARET, reinterpret_cast<LPARAM>(polozkyStromu_[0]));
    ::SetFocus(strom_);
}

void DlgNastaveniAplikace::NaplnitPrvek(const Prvek& p) {
    const S::Hodnota& h = *p.hodnota;
    HWND prvek = ::GetDlgItem(okno_, p.id);
    switch (h.ovladac) {
    case S::Ovladac::Zaskrtnuti:
        ::SendMessageW(prvek, BM_SETCHECK, kopie_.Zobrazena(h) ? BST_CHECKED : BST_UNCHECKED, 0);
        break;
    case S::Ovladac::Cislo:
        ::SetWindowTextW(prvek, std::to_wstring(kopie_.Zobrazena(h)).c_str());
        break;
    case S::Ovladac::Text:
    case S::Ovladac::Slozka:
        ::SetWindowTextW(prvek, std::get<std::wstring>(kopie_.Ulozena(h.klic, h.jmeno)).c_str());
        break;
    case S::Ovladac::Vyber: {
        const std::uint32_t hodnota = kopie_.Zobrazena(h);
        for (const S::Moznost& m : h.moznosti) {
            const LRESULT i = ::SendMessageW(prvek, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(m.text));
            ::SendMessageW(prvek, CB_SETITEMDATA, i, m.hodnota);
            if (m.hodnota == hodnota) ::SendMessageW(prvek, CB_SETCURSEL, i, 0);
        }
        break;
    }
    case S::Ovladac::Barva:
        ::SetDlgItemTextW(okno_, p.id + 1, TextBarvy(kopie_.Zobrazena(h)).c_str());
        break;
    }
}

void DlgNastaveniAplikace::ZobrazitStranku(int stranka) {
    stranka_ = stranka;
    for (const Prvek& p : prvky_) {
        const int sw = p.stranka == stranka ? SW_SHOW : SW_HIDE;
        for (int id = p.id - 1; id <= p.id + 1; ++id)
            if (HWND h = ::GetDlgItem(okno_, id)) ::ShowWindow(h, sw);
    }
    for (int id : {kIdPopisuSkupiny, kIdSkupiny, kIdPrikazu, kIdPopisuKlavesy, kIdKlavesy, kIdNastavit, kIdVymazat})
        if (HWND h = ::GetDlgItem(okno_, id)) ::ShowWindow(h, stranka == StrankaKlaves() ? SW_SHOW : SW_HIDE);
    // The log actions go with the log switches.
    const S::Hodnota* log = S::Najit(L"Logovani", L"spusteni");
    const bool strankaLogu = std::any_of(prvky_.begin(), prvky_.end(),
                                         [&](const Prvek& p) { return p.hodnota == log && p.stranka == stranka; });
    for (int id : {kIdOtevritLog, kIdArchivovatLog, kIdSmazatLog})
        if (HWND h = ::GetDlgItem(okno_, id)) ::ShowWindow(h, strankaLogu ? SW_SHOW : SW_HIDE);
}

std::optional<DlgNastaveniAplikace::Odmitnuti> DlgNastaveniAplikace::PrevzitStranku(int stranka) {
    for (const Prvek& p : prvky_) {
        if (p.stranka != stranka) continue;
        const S::Hodnota& h = *p.hodnota;
        std::optional<std::wstring> zprava;
        switch (h.ovladac) {
        case S::Ovladac::Zaskrtnuti:
            zprava = kopie_.Nastavit(h, ::SendDlgItemMessageW(okno_, p.id, BM_GETCHECK, 0, 0) == BST_CHECKED ? 1 : 0);
            break;
        case S::Ovladac::Cislo: {
            const std::wstring text = TextPrvku(okno_, p.id);
            // Up to ten digits: anything longer or empty is out of every range.
            std::int64_t cislo = -1;
            if (!text.empty() && text.size() <= 10 && text.find_first_not_of(L"0123456789") == std::wstring::npos)
                cislo = std::stoll(text);
            zprava = kopie_.Nastavit(h, cislo);
            break;
        }
        case S::Ovladac::Text:
            kopie_.NastavitText(h, TextPrvku(okno_, p.id));
            break;
        case S::Ovladac::Slozka: {
            const std::wstring slozka = TextPrvku(okno_, p.id);
            const DWORD atributy = ::GetFileAttributesW(slozka.c_str());
            if (slozka.empty() || atributy == INVALID_FILE_ATTRIBUTES || !(atributy & FILE_ATTRIBUTE_DIRECTORY))
                zprava = Knihovna::Formatovat(L"Složka \"%s\" neexistuje. Zadejte existující složku.", slozka.c_str());
            else
                kopie_.NastavitText(h, slozka);
            break;
        }
        case S::Ovladac::Vyber: {
            const LRESULT i = ::SendDlgItemMessageW(okno_, p.id, CB_GETCURSEL, 0, 0);
            const std::int64_t hodnota =
                i == CB_ERR ? -1 : static_cast<std::int64_t>(::SendDlgItemMessageW(okno_, p.id, CB_GETITEMDATA, i, 0));
            zprava = kopie_.Nastavit(h, hodnota);
            break;
        }
        case S::Ovladac::Barva:
            break;  // taken when chosen
        }
        if (zprava) return Odmitnuti{p.id, *zprava};
    }
    return std::nullopt;
}

void DlgNastaveniAplikace::Odmitnout(const Odmitnuti& o) {
    ::MessageBoxW(okno_, o.zprava.c_str(), produkt_.c_str(), MB_OK | MB_ICONWARNING);
    HWND prvek = ::GetDlgItem(okno_, o.id);
    ::SetFocus(prvek);
    ::SendMessageW(prvek, EM_SETSEL, 0, -1);
}

bool DlgNastaveniAplikace::Potvrdit() {
    for (int s = 0; s < static_cast<int>(S::Stranky().size()); ++s) {
        if (auto o = PrevzitStranku(s)) {
            if (s != stranka_) ::SendMessageW(strom_, TVM_SELECTITEM, TVGN_CARET, reinterpret_cast<LPARAM>(polozkyStromu_[s]));
            Odmitnout(*o);
            return false;
        }
    }
    auto& app = Aplikace::Instance();
    {
        std::lock_guard zamek(nastaveni_.Zamek());
        kopie_.Potvrdit(nastaveni_);
        nastaveni_.horkeKlavesy = klavesy_;
    }
    potvrzeno_ = true;
    ::EnableWindow(::GetDlgItem(okno_, kIdPouzit), FALSE);
    try {
        nastaveni_.Ulozit(app.Registr());
    } catch (const Knihovna::Chyba& chyba) {
        // The values are in effect; the user learns that they will not survive a restart.
        app.HlasitChybuCom(IdZdroju::kTextChybaZapisuKonfigurace, chyba);
    }
    return true;
}

void DlgNastaveniAplikace::VybratBarvu(const Prvek& p) {
    static COLORREF vlastni[16]{};
    CHOOSECOLORW volba{};
    volba.lStructSize = sizeof volba;
    volba.hwndOwner = okno_;
    volba.rgbResult = kopie_.Zobrazena(*p.hodnota);
    volba.lpCustColors = vlastni;
    volba.Flags = CC_RGBINIT | CC_FULLOPEN;
    if (!::ChooseColorW(&volba)) return;
    kopie_.Nastavit(*p.hodnota, volba.rgbResult & 0xFFFFFF);
    ::SetDlgItemTextW(okno_, p.id + 1, TextBarvy(volba.rgbResult & 0xFFFFFF).c_str());
    ::PostMessageW(okno_, kZpravaZmena, 0, 0);
}

void DlgNastaveniAplikace::VybratSlozku(const Prvek& p) {
    BROWSEINFOW info{};
    info.hwndOwner = okno_;
    info.lpszTitle = p.hodnota->popisek;
    info.ulFlags = BIF_RETURNONLYFSDIRS | BIF_NEWDIALOGSTYLE;
    PIDLIST_ABSOLUTE vyber = ::SHBrowseForFolderW(&info);
    if (!vyber) return;
    wchar_t cesta[MAX_PATH]{};
    const bool ok = ::SHGetPathFromIDListW(vyber, cesta) != FALSE;
    ::CoTaskMemFree(vyber);
    if (ok) ::SetDlgItemTextW(okno_, p.id, cesta);
}

INT_PTR DlgNastaveniAplikace::ZpracovatZpravu(HWND okno, UINT zprava, WPARAM wp, LPARAM lp) {
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
        if (h->idFrom != kIdStromu) break;
        const auto* tv = reinterpret_cast<const NMTREEVIEWW*>(lp);
        if (h->code == TVN_SELCHANGINGW) {
            // A page with a refused value cannot be left.
            if (auto o = PrevzitStranku(stranka_)) {
                Odmitnout(*o);
                ::SetWindowLongPtrW(okno_, DWLP_MSGRESULT, TRUE);
                return TRUE;
            }
            return FALSE;
        }
        if (h->code == TVN_SELCHANGEDW) ZobrazitStranku(static_cast<int>(tv->itemNew.lParam));
        return TRUE;
    }
    case WM_COMMAND: {
        const int id = LOWORD(wp);
        if (id == IDOK) {
            if (Potvrdit()) ::EndDialog(okno_, IDOK);
            return TRUE;
        }
        if (id == IDCANCEL) {
            ::EndDialog(okno_, IDCANCEL);
            return TRUE;
        }
        if (id == kIdPouzit) {
            Potvrdit();
            return TRUE;
        }
        if (id == kIdOtevritLog || id == kIdArchivovatLog || id == kIdSmazatLog) {
            const std::wstring cesta = Aplikace::Instance().CestaLogu();
            if (id == kIdOtevritLog) UdrzbaLogu::Otevrit(okno_, cesta);
            else if (id == kIdArchivovatLog) UdrzbaLogu::Archivovat(okno_, cesta);
            else UdrzbaLogu::Smazat(okno_, cesta);
            return TRUE;
        }
        if (id == kIdSkupiny && HIWORD(wp) == CBN_SELCHANGE) NaplnitPrikazy();
        else if (id == kIdPrikazu && HIWORD(wp) == LBN_SELCHANGE) ZobrazitKlavesu();
        else if (id == kIdNastavit || id == kIdVymazat) NastavitKlavesu(id == kIdVymazat);
        for (const Prvek& p : prvky_) {
            if (p.hodnota->ovladac == S::Ovladac::Barva && id == p.id) VybratBarvu(p);
            else if (p.hodnota->ovladac == S::Ovladac::Slozka && id == p.id + 1) VybratSlozku(p);
            else if (id == p.id && !naplnovani_) {
                const UINT kod = HIWORD(wp);
                if (kod == EN_CHANGE || kod == BN_CLICKED || kod == CBN_SELCHANGE) ::PostMessageW(okno_, kZpravaZmena, 0, 0);
            }
        }
        return TRUE;
    }
    }
    return FALSE;
}
