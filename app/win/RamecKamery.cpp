#include "app/win/RamecKamery.h"

#include "app/win/Aplikace.h"
#include "resources/IdZdroju.h"

void RamecKamery::PripravitTridu(WNDCLASSEXW& trida) {
    auto& app = Aplikace::Instance();
    trida.hIcon = app.VelkaIkona();
    trida.hIconSm = app.MalaIkona();
    trida.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_APPWORKSPACE + 1);
}

void RamecKamery::Vytvorit() {
    Okno::Vytvorit(kTrida, jmenoKamery_, WS_OVERLAPPEDWINDOW, 0, CW_USEDEFAULT, CW_USEDEFAULT, 640, 480);
    Vycentrovat();
    ::ShowWindow(Hwnd(), SW_SHOWNORMAL);
    ::UpdateWindow(Hwnd());
}

LRESULT RamecKamery::ZpracovatZpravu(UINT zprava, WPARAM wp, LPARAM lp) {
    switch (zprava) {
    case WM_DESTROY:
        ::PostQuitMessage(0);
        return 0;
    }
    return Okno::ZpracovatZpravu(zprava, wp, lp);
}
