#include "app/win/OknoHlavni.h"

#include "app/win/Aplikace.h"
#include "resources/IdZdroju.h"

void OknoHlavni::PripravitTridu(WNDCLASSEXW& trida) {
    auto& app = Aplikace::Instance();
    trida.hIcon = app.VelkaIkona();
    trida.hIconSm = app.MalaIkona();
    trida.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
}

void OknoHlavni::Vytvorit() {
    auto& app = Aplikace::Instance();
    const DWORD styl = WS_OVERLAPPEDWINDOW | WS_CLIPCHILDREN;
    RECT r{0, 0, 640, 480};
    ::AdjustWindowRectEx(&r, styl, FALSE, 0);
    Okno::Vytvorit(kTrida, app.Produkt(), styl, 0, CW_USEDEFAULT, CW_USEDEFAULT, r.right - r.left, r.bottom - r.top);
    ::SendMessageW(Hwnd(), WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(app.VelkaIkona()));
    ::SendMessageW(Hwnd(), WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(app.MalaIkona()));
    if (!NacistUmisteni(app.Registr(), kKorenRegistru)) Vycentrovat();
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

void OknoHlavni::NeosetrenaChyba(const Knihovna::Chyba& chyba) {
    Aplikace::Instance().HlasitChybuCom(IdZdroju::kTextPripraven, chyba);
}

LRESULT OknoHlavni::ZpracovatZpravu(UINT zprava, WPARAM wp, LPARAM lp) {
    auto& app = Aplikace::Instance();
    switch (zprava) {
    case WM_CREATE: {
        pismo_ = static_cast<HFONT>(::GetStockObject(DEFAULT_GUI_FONT));
        seznamKamer_ = ::CreateWindowExW(WS_EX_CLIENTEDGE, L"LISTBOX", L"",
                                         WS_CHILD | WS_VISIBLE | WS_VSCROLL | LBS_NOTIFY | LBS_NOINTEGRALHEIGHT, 0, 0,
                                         0, 0, Hwnd(), reinterpret_cast<HMENU>(static_cast<INT_PTR>(kIdSeznamuKamer)),
                                         ::GetModuleHandleW(nullptr), nullptr);
        if (seznamKamer_) ::SendMessageW(seznamKamer_, WM_SETFONT, reinterpret_cast<WPARAM>(pismo_), FALSE);
        return seznamKamer_ ? 0 : -1;
    }
    case WM_SIZE:
        RozmistitOvladace(LOWORD(lp), HIWORD(lp));
        return 0;
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
    case WM_CLOSE:
        try {
            UlozitUmisteni(app.Registr(), kKorenRegistru);
        } catch (const Knihovna::Chyba& chyba) {
            app.HlasitChybuCom(IdZdroju::kTextChybaZapisuKonfigurace, chyba);
        }
        ::DestroyWindow(Hwnd());
        return 0;
    case WM_DESTROY:
        seznamKamer_ = nullptr;
        ::PostQuitMessage(0);
        return 0;
    }
    return Okno::ZpracovatZpravu(zprava, wp, lp);
}
