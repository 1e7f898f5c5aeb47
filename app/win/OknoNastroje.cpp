#include "app/win/OknoNastroje.h"

#include "app/win/Aplikace.h"
#include "resources/IdZdroju.h"

OknoNastroje::OknoNastroje(RezimSpusteni rezim)
    : OknoNastroje(Trida(rezim), NazevNastroje(rezim)) {}

std::wstring OknoNastroje::NazevNastroje(RezimSpusteni rezim) {
    auto& app = Aplikace::Instance();
    switch (rezim) {
    case RezimSpusteni::EditorObrazku: return app.Text(IdZdroju::kTextNazevEditoruObrazku);
    case RezimSpusteni::ProhlizecFtp: return app.Text(IdZdroju::kTextNazevProhlizeceFtp);
    case RezimSpusteni::PrehravacVidea: return app.Text(IdZdroju::kTextNazevPrehravace);
    case RezimSpusteni::SitovyOvladac: return L"Síťový ovladač";
    default: return app.Produkt();
    }
}

std::wstring OknoNastroje::Trida(RezimSpusteni rezim) {
    switch (rezim) {
    case RezimSpusteni::EditorObrazku: return L"Tervik4EditorObrazku";
    case RezimSpusteni::ProhlizecFtp: return L"Tervik4ProhlizecFtp";
    case RezimSpusteni::PrehravacVidea: return L"Tervik4PrehravacVidea";
    case RezimSpusteni::SitovyOvladac: return L"Tervik4SitovyOvladac";
    default: return L"Tervik4Nastroj";
    }
}

void OknoNastroje::Vytvorit() {
    Okno::Vytvorit(trida_, titulek_, WS_OVERLAPPEDWINDOW, 0, CW_USEDEFAULT, CW_USEDEFAULT, 800, 600);
    ObnovitUmisteni();
    ::ShowWindow(Hwnd(), SW_SHOWNORMAL);
    ::UpdateWindow(Hwnd());
}

void OknoNastroje::NastavitObsah(std::unique_ptr<ObsahNastroje> obsah) {
    obsah_ = std::move(obsah);
    RECT r{};
    ::GetClientRect(Hwnd(), &r);
    if (obsah_ && obsah_->Hwnd()) ::MoveWindow(obsah_->Hwnd(), 0, 0, r.right, r.bottom, TRUE);
}

LRESULT OknoNastroje::ZpracovatZpravu(UINT zprava, WPARAM wp, LPARAM lp) {
    switch (zprava) {
    case WM_SIZE:
        if (obsah_ && obsah_->Hwnd()) ::MoveWindow(obsah_->Hwnd(), 0, 0, LOWORD(lp), HIWORD(lp), TRUE);
        return 0;
    case WM_SETFOCUS:
        if (obsah_ && obsah_->Hwnd()) {
            ::SetFocus(obsah_->Hwnd());
            return 0;
        }
        break;
    case WM_CLOSE:
        if (obsah_ && !obsah_->MuzeZavrit()) return 0;
        break;
    case WM_COMMAND:
        // The frame has no controls of its own: a dialog key's command (Enter gives IDOK) is the content's.
        if (obsah_ && obsah_->Hwnd()) return ::SendMessageW(obsah_->Hwnd(), WM_COMMAND, wp, lp);
        break;
    case WM_DESTROY:
        ::PostQuitMessage(0);
        return 0;
    }
    return OknoAplikace::ZpracovatZpravu(zprava, wp, lp);
}
