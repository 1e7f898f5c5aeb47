#include "app/win/OknoAplikace.h"

#include "app/win/Aplikace.h"
#include "resources/IdZdroju.h"

void OknoAplikace::PripravitTridu(WNDCLASSEXW& trida) {
    auto& app = Aplikace::Instance();
    trida.hIcon = app.VelkaIkona();
    trida.hIconSm = app.MalaIkona();
    trida.hbrBackground = reinterpret_cast<HBRUSH>(static_cast<INT_PTR>(barvaPozadi_ + 1));
}

void OknoAplikace::ObnovitUmisteni() {
    if (!NacistUmisteni(Aplikace::Instance().Registr(), kKorenRegistru)) Vycentrovat();
}

LRESULT OknoAplikace::ZpracovatZpravu(UINT zprava, WPARAM wp, LPARAM lp) {
    if (zprava == WM_CLOSE) {
        auto& app = Aplikace::Instance();
        try {
            UlozitUmisteni(app.Registr(), kKorenRegistru);
        } catch (const Knihovna::Chyba& chyba) {
            app.HlasitChybuCom(IdZdroju::kTextChybaZapisuKonfigurace, chyba);
        }
        ::DestroyWindow(Hwnd());
        return 0;
    }
    return Okno::ZpracovatZpravu(zprava, wp, lp);
}
