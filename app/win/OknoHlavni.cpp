#include "app/win/OknoHlavni.h"

#include "app/PravidlaHlavnihoOkna.h"
#include "app/TextyZprav.h"
#include "app/win/Aplikace.h"
#include "app/win/RozhraniSeznamuKamerWin.h"
#include "email/win/DlgEmailUcty.h"
#include "email/win/DlgFtpMista.h"
#include "resources/IdZdroju.h"

namespace {

HMENU VytvoritMenu() {
    HMENU kamera = ::CreatePopupMenu();
    ::AppendMenuW(kamera, MF_STRING, IdZdroju::kPrikazNovaKamera, L"&Nová kamera...");
    ::AppendMenuW(kamera, MF_STRING, IdZdroju::kPrikazOdebratKameru, L"&Odebrat kameru");
    ::AppendMenuW(kamera, MF_STRING, IdZdroju::kPrikazPrejmenovatKameru, L"&Přejmenovat kameru...");
    ::AppendMenuW(kamera, MF_STRING, IdZdroju::kPrikazVychoziKamera, L"Nastavit jako &výchozí kameru");
    ::AppendMenuW(kamera, MF_SEPARATOR, 0, nullptr);
    ::AppendMenuW(kamera, MF_STRING, IdZdroju::kPrikazVychoziSeznamKamer, L"Vytvořit výchozí &seznam kamer...");
    ::AppendMenuW(kamera, MF_STRING, IdZdroju::kPrikazKameraVProcesu, L"Spustit v samostatném p&rocesu");
    HMENU predvolby = ::CreatePopupMenu();
    ::AppendMenuW(predvolby, MF_STRING, IdZdroju::kPrikazFtpMista, L"&FTP místa");
    ::AppendMenuW(predvolby, MF_STRING, IdZdroju::kPrikazEmailoveUcty, L"&Email");
    HMENU lista = ::CreateMenu();
    ::AppendMenuW(lista, MF_POPUP, reinterpret_cast<UINT_PTR>(kamera), L"&Kamera");
    ::AppendMenuW(lista, MF_POPUP, reinterpret_cast<UINT_PTR>(predvolby), L"&Předvolby");
    return lista;
}

}  // namespace

void OknoHlavni::Vytvorit() {
    auto& app = Aplikace::Instance();
    const DWORD styl = WS_OVERLAPPEDWINDOW | WS_CLIPCHILDREN;
    RECT r{0, 0, 640, 480};
    ::AdjustWindowRectEx(&r, styl, TRUE, 0);  // with the menu bar
    Okno::Vytvorit(kTrida, app.Produkt(), styl, 0, CW_USEDEFAULT, CW_USEDEFAULT, r.right - r.left, r.bottom - r.top,
                   nullptr, VytvoritMenu());
    ObnovitSeznamKamer(app.Kamery().IndexVychoziKamery());
    ::SendMessageW(Hwnd(), WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(app.VelkaIkona()));
    ::SendMessageW(Hwnd(), WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(app.MalaIkona()));
    ObnovitUmisteni();
    ::PostMessageW(Hwnd(), WM_SIZE, 0, 0);
    ::ShowWindow(Hwnd(), SW_SHOWNORMAL);
    ::UpdateWindow(Hwnd());
    ::PostMessageW(Hwnd(), Aplikace::kZpravaPoSpusteni, 0, 0);
}

void OknoHlavni::RozmistitOvladace(int, int) {
    RECT r{};
    ::GetClientRect(Hwnd(), &r);
    if (seznamKamer_) ::MoveWindow(seznamKamer_, 0, 0, r.right, r.bottom, TRUE);
}

void OknoHlavni::ObnovitSeznamKamer(int vyber) {
    if (!seznamKamer_) return;
    auto& kamery = Aplikace::Instance().Kamery();
    ::SendMessageW(seznamKamer_, WM_SETREDRAW, FALSE, 0);
    ::SendMessageW(seznamKamer_, LB_RESETCONTENT, 0, 0);
    for (int i = 0; i < kamery.Pocet(); ++i)
        ::SendMessageW(seznamKamer_, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(kamery.Kamera(i)->Jmeno().c_str()));
    if (kamery.Pocet() > 0)
        ::SendMessageW(seznamKamer_, LB_SETCURSEL, (vyber >= 0 && vyber < kamery.Pocet()) ? vyber : 0, 0);
    ::SendMessageW(seznamKamer_, WM_SETREDRAW, TRUE, 0);
    ::InvalidateRect(seznamKamer_, nullptr, TRUE);
}

int OknoHlavni::VybranaKamera() const {
    const LRESULT i = seznamKamer_ ? ::SendMessageW(seznamKamer_, LB_GETCURSEL, 0, 0) : LB_ERR;
    return i == LB_ERR ? -1 : static_cast<int>(i);
}

bool OknoHlavni::ProvestPrikaz(UINT prikaz) {
    auto& kamery = Aplikace::Instance().Kamery();
    const int vybrana = VybranaKamera();
    switch (prikaz) {
    case IdZdroju::kPrikazNovaKamera: {
        const int nova = kamery.Pridat();
        if (nova >= 0) ObnovitSeznamKamer(nova);
        return true;
    }
    case IdZdroju::kPrikazOdebratKameru:
        if (kamery.Odebrat(vybrana)) ObnovitSeznamKamer(0);
        return true;
    case IdZdroju::kPrikazPrejmenovatKameru: {
        const int nova = kamery.Prejmenovat(vybrana);
        if (nova >= 0) ObnovitSeznamKamer(nova);
        return true;
    }
    case IdZdroju::kPrikazVychoziKamera:
        if (vybrana >= 0) kamery.NastavitVychoziKameru(vybrana);
        ObnovitSeznamKamer(vybrana);
        return true;
    case IdZdroju::kPrikazVychoziSeznamKamer:
        if (kamery.VytvoritVychoziSeznam()) ObnovitSeznamKamer(0);
        return true;
    case IdZdroju::kPrikazKameraVProcesu:
        kamery.SpustitVeVlastnimProcesu(vybrana);
        return true;
    case IdZdroju::kPrikazEmailoveUcty:
        Holvent::Email::DlgEmailUcty(Aplikace::Instance().Ucty(), Aplikace::Instance().Produkt()).Zobrazit(Hwnd());
        return true;
    case IdZdroju::kPrikazFtpMista:
        Holvent::Email::DlgFtpMista(Aplikace::Instance().FtpMista(), Aplikace::Instance().Produkt()).Zobrazit(Hwnd());
        return true;
    }
    return false;
}

void OknoHlavni::PrepnoutKameru(int index) {
    Tervik* kamera = Aplikace::Instance().Kamery().Kamera(index);
    if (!kamera) return;
    if (kamera->Bezi()) kamera->Zastavit();
    else kamera->Spustit();
    if (seznamKamer_) ::InvalidateRect(seznamKamer_, nullptr, TRUE);
}

void OknoHlavni::KreslitKameru(const DRAWITEMSTRUCT& p) {
    if (p.itemID == static_cast<UINT>(-1)) return;
    const Tervik* kamera = Aplikace::Instance().Kamery().Kamera(static_cast<int>(p.itemID));
    const bool vybrana = (p.itemState & ODS_SELECTED) != 0;
    ::FillRect(p.hDC, &p.rcItem, ::GetSysColorBrush(vybrana ? COLOR_HIGHLIGHT : COLOR_WINDOW));
    if (kamera) {
        HGDIOBJ puvodni = ::SelectObject(p.hDC, kamera->JeVychoziKamera() && tucnePismo_ ? tucnePismo_ : pismo_);
        ::SetBkMode(p.hDC, TRANSPARENT);
        ::SetTextColor(p.hDC, ::GetSysColor(vybrana ? COLOR_HIGHLIGHTTEXT : COLOR_WINDOWTEXT));
        RECT r = p.rcItem;
        r.left += 4;
        // A running camera is marked until the list gets its icons.
        const std::wstring text = kamera->Bezi() ? kamera->Jmeno() + L"  (zapnuta)" : kamera->Jmeno();
        ::DrawTextW(p.hDC, text.c_str(), static_cast<int>(text.size()), &r,
                    DT_SINGLELINE | DT_VCENTER | DT_NOPREFIX | DT_END_ELLIPSIS);
        ::SelectObject(p.hDC, puvodni);
    }
    if (p.itemState & ODS_FOCUS) ::DrawFocusRect(p.hDC, &p.rcItem);
}

void OknoHlavni::NeosetrenaChyba(const Knihovna::Chyba& chyba) {
    auto& app = Aplikace::Instance();
    app.ZobrazitChybu(TextyZprav::Chyba(L"Požadovanou akci se nepodařilo provést", app.PopisChybyCom(chyba)));
}

LRESULT OknoHlavni::ZpracovatZpravu(UINT zprava, WPARAM wp, LPARAM lp) {
    auto& app = Aplikace::Instance();
    switch (zprava) {
    case WM_CREATE: {
        pismo_ = static_cast<HFONT>(::GetStockObject(DEFAULT_GUI_FONT));
        LOGFONTW lf{};
        if (::GetObjectW(pismo_, sizeof lf, &lf) == sizeof lf) {
            lf.lfWeight = FW_BOLD;
            tucnePismo_ = ::CreateFontIndirectW(&lf);
        }
        seznamKamer_ = ::CreateWindowExW(WS_EX_CLIENTEDGE, L"LISTBOX", L"",
                                         WS_CHILD | WS_VISIBLE | WS_VSCROLL | LBS_NOTIFY | LBS_NOINTEGRALHEIGHT | LBS_WANTKEYBOARDINPUT |
                                             LBS_OWNERDRAWFIXED | LBS_HASSTRINGS,
                                         0, 0,
                                         0, 0, Hwnd(), reinterpret_cast<HMENU>(static_cast<INT_PTR>(kIdSeznamuKamer)),
                                         ::GetModuleHandleW(nullptr), nullptr);
        if (seznamKamer_) ::SendMessageW(seznamKamer_, WM_SETFONT, reinterpret_cast<WPARAM>(pismo_), FALSE);
        return seznamKamer_ ? 0 : -1;
    }
    case WM_SIZE:
        RozmistitOvladace(LOWORD(lp), HIWORD(lp));
        return 0;
    case WM_COMMAND:
        if (LOWORD(wp) == kIdSeznamuKamer) {
            if (HIWORD(wp) == LBN_DBLCLK) PrepnoutKameru(VybranaKamera());
            return 0;
        }
        if (lp == 0 && ProvestPrikaz(LOWORD(wp))) return 0;
        break;
    case WM_VKEYTOITEM: {
        if (reinterpret_cast<HWND>(lp) != seznamKamer_) return -1;
        const UINT prikaz = PravidlaHlavnihoOkna::PrikazKlavesy(LOWORD(wp), ::GetKeyState(VK_CONTROL) < 0);
        if (prikaz == IdZdroju::kPrikazPrepnoutKameru) {
            PrepnoutKameru(VybranaKamera());
            return -2;
        }
        // F4 opens the application settings once they exist; until then the key does nothing.
        if (prikaz != 0 && prikaz != IdZdroju::kPrikazPredvolby && ProvestPrikaz(prikaz)) return -2;
        return -1;
    }
    case Aplikace::kZpravaObnovit:
        if (seznamKamer_) ::InvalidateRect(seznamKamer_, nullptr, TRUE);
        return 0;
    case WM_MEASUREITEM: {
        auto* m = reinterpret_cast<MEASUREITEMSTRUCT*>(lp);
        if (m->CtlType != ODT_LISTBOX) break;
        TEXTMETRICW tm{};
        HDC dc = ::GetDC(Hwnd());
        HGDIOBJ puvodni = ::SelectObject(dc, tucnePismo_ ? tucnePismo_ : pismo_);
        ::GetTextMetricsW(dc, &tm);
        ::SelectObject(dc, puvodni);
        ::ReleaseDC(Hwnd(), dc);
        m->itemHeight = static_cast<UINT>(tm.tmHeight + 6);
        return TRUE;
    }
    case WM_DRAWITEM: {
        const auto* d = reinterpret_cast<const DRAWITEMSTRUCT*>(lp);
        if (d->CtlType != ODT_LISTBOX) break;
        KreslitKameru(*d);
        return TRUE;
    }
    case WM_SETFOCUS:
        if (seznamKamer_) ::SetFocus(seznamKamer_);
        return 0;
    case WM_QUERYENDSESSION:
        return 1;
    case WM_ENDSESSION:
        if (wp) ::PostMessageW(Hwnd(), WM_CLOSE, 0, 0);
        return 0;
    case WM_SYSCOMMAND:
        if ((wp & 0xFFF0) == SC_MINIMIZE) {
            // Without the tray icon a minimised window stays on the taskbar.
            break;
        }
        break;
    case Aplikace::kZpravaPoSpusteni:
        app.PoSpusteni(Hwnd());
        return 0;
    case WM_DESTROY:
        // Every camera closes in its own order (settings, counters and placement saved) before the loop ends.
        for (int i = 0; i < app.Kamery().Pocet(); ++i) app.Kamery().Kamera(i)->Zastavit();
        seznamKamer_ = nullptr;
        if (tucnePismo_) ::DeleteObject(tucnePismo_);
        tucnePismo_ = nullptr;
        ::PostQuitMessage(0);
        return 0;
    }
    return OknoAplikace::ZpracovatZpravu(zprava, wp, lp);
}
