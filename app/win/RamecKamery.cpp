#include "app/win/RamecKamery.h"

#include "app/TextyZprav.h"
#include "app/win/Aplikace.h"
#include "knihovna/Formatovani.h"
#include "resources/IdZdroju.h"

void RamecKamery::Vytvorit() {
    Okno::Vytvorit(kTrida, jmenoKamery_, WS_OVERLAPPEDWINDOW | WS_CLIPCHILDREN, 0, CW_USEDEFAULT, CW_USEDEFAULT, 640, 480);
    ObnovitUmisteni();
    video_.Vytvorit(Hwnd());
    video_.NastavitCilKliknuti(Hwnd());
    video_.NastavitPrizpusobeni(true);
    RECT r{};
    ::GetClientRect(Hwnd(), &r);
    ::MoveWindow(video_.Hwnd(), 0, 0, r.right, r.bottom, FALSE);
    ::ShowWindow(Hwnd(), SW_SHOWNORMAL);
    ::UpdateWindow(Hwnd());
    try {
        // An empty stored device takes the first one found.
        if (!zarizeni_.devicePath.empty() || !zarizeni_.friendlyName.empty())
            video_.Zachytavani().NastavitZarizeniVideo(zarizeni_);
        video_.ZapnoutVideo();
    } catch (const Knihovna::Chyba& chyba) {
        // The frame stays open with the device's name painted; the user learns why there is no picture.
        auto& app = Aplikace::Instance();
        app.ZobrazitChybu(TextyZprav::Chyba(
            Knihovna::Formatovat(L"Došlo k chybě při zapínání videozařízení \"%s\"", zarizeni_.friendlyName.c_str()),
            app.PopisChybyCom(chyba)));
    }
}

LRESULT RamecKamery::ZpracovatZpravu(UINT zprava, WPARAM wp, LPARAM lp) {
    switch (zprava) {
    case WM_SIZE:
        if (video_.Hwnd()) ::MoveWindow(video_.Hwnd(), 0, 0, LOWORD(lp), HIWORD(lp), TRUE);
        return 0;
    case WM_DESTROY:
        ::PostQuitMessage(0);
        return 0;
    }
    return OknoAplikace::ZpracovatZpravu(zprava, wp, lp);
}
