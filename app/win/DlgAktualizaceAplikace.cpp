#include "app/win/DlgAktualizaceAplikace.h"

#include <commctrl.h>
#include <shellapi.h>

#include "app/PravidlaAktualizace.h"
#include "app/win/Aplikace.h"
#include "app/win/DlgOAplikaci.h"
#include "email/win/SablonaDialogu.h"
#include "knihovna/Formatovani.h"
#include "resources/IdZdroju.h"

using Holvent::Email::SablonaDialogu;
using Knihovna::Formatovat;

DlgAktualizaceAplikace::DlgAktualizaceAplikace(std::wstring vlastniVerze, std::wstring webovaVerze)
    : vlastniVerze_(std::move(vlastniVerze)), webovaVerze_(std::move(webovaVerze)) {}

DlgAktualizaceAplikace::~DlgAktualizaceAplikace() {
    if (velkePismo_) ::DeleteObject(velkePismo_);
}

void DlgAktualizaceAplikace::Zobrazit() {
    auto& app = Aplikace::Instance();
    // The link control is not among the classes registered at start-up.
    INITCOMMONCONTROLSEX icc{sizeof icc, ICC_LINK_CLASS};
    ::InitCommonControlsEx(&icc);
    const std::wstring titulek =
        Formatovat(L"%s - %s", app.Text(IdZdroju::kTextAktualizaceAplikace).c_str(), app.Produkt().c_str());
    SablonaDialogu s(260, 104, titulek);
    s.Polozka(SS_LEFT | SS_NOPREFIX, 10, 8, 240, 18, kIdNazev, SablonaDialogu::kPopisek, app.Produkt());
    s.Polozka(SS_LEFT | SS_NOPREFIX, 10, 32, 240, 9, kIdVlastniVerze, SablonaDialogu::kPopisek,
              Formatovat(L"Vaše verze: %s", vlastniVerze_.c_str()));
    s.Polozka(SS_LEFT | SS_NOPREFIX, 10, 44, 240, 9, kIdWebovaVerze, SablonaDialogu::kPopisek,
              Formatovat(L"Aktuální verze na webu: %s", webovaVerze_.c_str()));
    s.Polozka(WS_TABSTOP, 10, 62, 240, 10, kIdOdkaz, WC_LINK,
              L"<a>Zobrazit webové stránky s nejnovější dostupnou verzí</a>");
    s.Polozka(BS_DEFPUSHBUTTON | WS_TABSTOP, 200, 83, 50, 14, IDCANCEL, SablonaDialogu::kTlacitko, L"&Zavřít");
    ZobrazitModalne(nullptr, s, L"Dialog aktualizace aplikace nelze zobrazit.");
}

void DlgAktualizaceAplikace::Zavrit() {
    if (okno_) ::EndDialog(okno_, IDCANCEL);
}

void DlgAktualizaceAplikace::Inicializovat(HWND okno) {
    okno_ = okno;
    auto& app = Aplikace::Instance();
    ::SendMessageW(okno, WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(app.VelkaIkona()));
    ::SendMessageW(okno, WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(app.MalaIkona()));
    // The application's name in a large bold face of the dialog's font.
    LOGFONTW lf{};
    if (HFONT pismo = reinterpret_cast<HFONT>(::SendMessageW(okno, WM_GETFONT, 0, 0));
        pismo && ::GetObjectW(pismo, sizeof lf, &lf)) {
        lf.lfHeight = lf.lfHeight * 7 / 4;
        lf.lfWeight = FW_BOLD;
        velkePismo_ = ::CreateFontIndirectW(&lf);
        if (velkePismo_) ::SendDlgItemMessageW(okno, kIdNazev, WM_SETFONT, reinterpret_cast<WPARAM>(velkePismo_), FALSE);
    }
    const std::wstring popis = app.Text(IdZdroju::kTextZobrazitWeb);
    tip_ = ::CreateWindowExW(0, TOOLTIPS_CLASSW, nullptr, WS_POPUP | TTS_ALWAYSTIP, CW_USEDEFAULT, CW_USEDEFAULT,
                             CW_USEDEFAULT, CW_USEDEFAULT, okno, nullptr, nullptr, nullptr);
    if (tip_) {
        TTTOOLINFOW tip{};
        tip.cbSize = sizeof tip;
        tip.uFlags = TTF_IDISHWND | TTF_SUBCLASS;
        tip.hwnd = okno;
        tip.uId = reinterpret_cast<UINT_PTR>(::GetDlgItem(okno, kIdOdkaz));
        tip.lpszText = const_cast<wchar_t*>(popis.c_str());
        ::SendMessageW(tip_, TTM_ADDTOOLW, 0, reinterpret_cast<LPARAM>(&tip));
    }
    ::SetForegroundWindow(okno);
}

void DlgAktualizaceAplikace::OtevritWeb() { DlgOAplikaci::OtevritOdkaz(okno_, PravidlaAktualizace::kAdresaWebu); }

INT_PTR DlgAktualizaceAplikace::ZpracovatZpravu(HWND okno, UINT zprava, WPARAM wp, LPARAM lp) {
    switch (zprava) {
    case WM_INITDIALOG:
        Inicializovat(okno);
        ::SetFocus(::GetDlgItem(okno, IDCANCEL));
        return FALSE;  // the focus is set
    case WM_NOTIFY: {
        const auto* n = reinterpret_cast<const NMHDR*>(lp);
        if (n->idFrom == kIdOdkaz && (n->code == NM_CLICK || n->code == NM_RETURN)) {
            OtevritWeb();
            return TRUE;
        }
        break;
    }
    case WM_COMMAND:
        if (LOWORD(wp) == IDCANCEL || LOWORD(wp) == IDOK) {
            ::EndDialog(okno, IDCANCEL);
            return TRUE;
        }
        break;
    case WM_DESTROY:
        okno_ = nullptr;
        tip_ = nullptr;  // destroyed with its owner
        break;
    }
    return FALSE;
}
