#include "app/win/DlgOAplikaci.h"

#include <commctrl.h>
#include <shellapi.h>

#include "app/PravidlaAktualizace.h"
#include "app/win/Aplikace.h"
#include "email/win/SablonaDialogu.h"
#include "knihovna/Formatovani.h"
#include "knihovna/win/Dpi.h"
#include "resources/IdZdroju.h"

using Holvent::Email::SablonaDialogu;
using Knihovna::Formatovat;

std::atomic<HWND> DlgOAplikaci::otevreny_{nullptr};

namespace {

constexpr const wchar_t* kAdresaVyrobce = L"https://www.dunmarholvent.cz/";
// The icon's side at 96 DPI; the dialog's own DPI scales it.
constexpr int kVelikostIkony = 48;

}  // namespace

DlgOAplikaci::~DlgOAplikaci() {
    if (velkePismo_) ::DeleteObject(velkePismo_);
    if (ikona_) ::DestroyIcon(ikona_);
}

void DlgOAplikaci::Zobrazit(HWND vlastnik) {
    // Tool windows run on threads of their own: whoever comes second only raises the open dialog.
    if (HWND otevreny = otevreny_.load()) {
        ::SetForegroundWindow(otevreny);
        return;
    }
    auto& app = Aplikace::Instance();
    INITCOMMONCONTROLSEX icc{sizeof icc, ICC_LINK_CLASS};  // the link is not among the classes of start-up
    ::InitCommonControlsEx(&icc);
    const auto& v = app.Verze();
    SablonaDialogu s(236, 136, Formatovat(L"O aplikaci %s", app.Produkt().c_str()));
    s.Polozka(SS_ICON | SS_REALSIZEIMAGE, 10, 10, 32, 32, kIdIkona, SablonaDialogu::kPopisek);
    s.Polozka(SS_LEFT | SS_NOPREFIX, 52, 10, 174, 16, kIdNazev, SablonaDialogu::kPopisek, app.Produkt());
    s.Polozka(SS_LEFT | SS_NOPREFIX, 52, 28, 174, 9, kIdVerze, SablonaDialogu::kPopisek,
              Formatovat(L"Verze %u.%u.%u.%u", v[0], v[1], v[2], v[3]));
    s.Polozka(SS_LEFT | SS_NOPREFIX, 52, 40, 174, 18, 0xFFFF, SablonaDialogu::kPopisek,
              L"Snímky, záznam videa a dohled z webových kamer a videozařízení.");
    s.Polozka(SS_LEFT | SS_NOPREFIX, 52, 62, 174, 9, 0xFFFF, SablonaDialogu::kPopisek, L"© Dunmar Holvent");
    s.Polozka(WS_TABSTOP, 52, 74, 174, 10, kIdOdkaz, WC_LINK,
              Formatovat(L"<a href=\"%s\">www.dunmarholvent.cz</a>", kAdresaVyrobce));
    s.Polozka(SS_LEFT | SS_NOPREFIX, 52, 90, 174, 18, kIdPodekovani, SablonaDialogu::kPopisek,
              L"Ikony: Tango Desktop Project, volné dílo (public domain).");
    s.Polozka(BS_DEFPUSHBUTTON | WS_TABSTOP, 176, 114, 50, 14, IDOK, SablonaDialogu::kTlacitko, L"OK");
    DlgOAplikaci dlg;
    dlg.ZobrazitModalne(vlastnik, s, L"Dialog s informacemi o aplikaci nelze zobrazit.");
}

void DlgOAplikaci::Inicializovat(HWND okno) {
    okno_ = okno;
    otevreny_.store(okno);
    auto& app = Aplikace::Instance();
    ::SendMessageW(okno, WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(app.VelkaIkona()));
    ::SendMessageW(okno, WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(app.MalaIkona()));
    // The icon at the dialog's DPI, scaled down from the .ico's largest picture where it lacks that size.
    const int velikost = MulDiv(kVelikostIkony, static_cast<int>(Knihovna::WinApi::DpiOkna(okno)), USER_DEFAULT_SCREEN_DPI);
    ikona_ = Knihovna::WinApi::NacistIkonu(app.Instance_(), MAKEINTRESOURCEW(IdZdroju::kIkonaAplikace), velikost);
    if (HWND obrazek = ::GetDlgItem(okno, kIdIkona); obrazek && ikona_) {
        ::SendMessageW(obrazek, STM_SETICON, reinterpret_cast<WPARAM>(ikona_), 0);
        ::SetWindowPos(obrazek, nullptr, 0, 0, velikost, velikost, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    }
    LOGFONTW lf{};
    if (HFONT pismo = reinterpret_cast<HFONT>(::SendMessageW(okno, WM_GETFONT, 0, 0));
        pismo && ::GetObjectW(pismo, sizeof lf, &lf)) {
        lf.lfHeight = lf.lfHeight * 7 / 4;
        lf.lfWeight = FW_BOLD;
        velkePismo_ = ::CreateFontIndirectW(&lf);
        if (velkePismo_) ::SendDlgItemMessageW(okno, kIdNazev, WM_SETFONT, reinterpret_cast<WPARAM>(velkePismo_), FALSE);
    }
    ::SetForegroundWindow(okno);
}

void DlgOAplikaci::OtevritOdkaz(HWND okno, const wchar_t* adresa) {
    if (reinterpret_cast<INT_PTR>(::ShellExecuteW(okno, L"open", adresa, nullptr, nullptr, SW_SHOWNORMAL)) <= 32) {
        const std::wstring text = Formatovat(L"Adresu \"%s\" se nepodařilo otevřít.", adresa);
        ::MessageBoxW(okno, text.c_str(), Aplikace::Instance().Produkt().c_str(), MB_OK | MB_ICONERROR);
    }
}

INT_PTR DlgOAplikaci::ZpracovatZpravu(HWND okno, UINT zprava, WPARAM wp, LPARAM lp) {
    switch (zprava) {
    case WM_INITDIALOG:
        Inicializovat(okno);
        ::SetFocus(::GetDlgItem(okno, IDOK));
        return FALSE;  // the focus is set
    case WM_NOTIFY: {
        const auto* n = reinterpret_cast<const NMHDR*>(lp);
        if (n->idFrom == kIdOdkaz && (n->code == NM_CLICK || n->code == NM_RETURN)) {
            OtevritOdkaz(okno, reinterpret_cast<const NMLINK*>(lp)->item.szUrl);
            return TRUE;
        }
        break;
    }
    case WM_COMMAND:
        if (LOWORD(wp) == IDCANCEL || LOWORD(wp) == IDOK) {
            ::EndDialog(okno, LOWORD(wp));
            return TRUE;
        }
        break;
    case WM_DESTROY:
        otevreny_.store(nullptr);
        okno_ = nullptr;
        break;
    }
    return FALSE;
}
