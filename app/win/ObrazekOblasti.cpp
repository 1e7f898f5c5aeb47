#include "app/win/ObrazekOblasti.h"

#include <commctrl.h>

#include <vector>

#include "app/PravidlaHlavnihoOkna.h"
#include "app/win/Aplikace.h"
#include "camera/Tervik.h"
#include "resources/Obrazky.h"

HICON ObrazekOblasti::Vybrat(HWND okno, HICON necinna) {
    using namespace PravidlaHlavnihoOkna;
    auto& app = Aplikace::Instance();
    std::vector<StavKameryOblasti> kamery;
    for (int i = 0; i < app.Kamery().Pocet(); ++i) {
        const Tervik* k = app.Kamery().Kamera(i);
        StavKameryOblasti s;
        s.bezi = k->Bezi();
        s.chyba = s.bezi && k->MaChybu();
        s.pohyb = s.bezi && k->PosledniPohyb(s.posledniPohyb);
        kamery.push_back(s);
    }
    const VysledekOblasti v = UrcitStavOblasti(kamery, ::GetTickCount());
    if (v.obnovitZa > 0) ::SetTimer(okno, kCasovac, v.obnovitZa + 100, nullptr);
    if (v.stav == StavOblasti::Necinna) return necinna;

    static constexpr int kObrazky[3] = {Obrazky::kOblastBezi, Obrazky::kOblastPohyb, Obrazky::kOblastChyba};
    const int i = static_cast<int>(v.stav) - static_cast<int>(StavOblasti::Bezi);
    if (!ikony_[i])
        ikony_[i].Nastavit(
            ::ImageList_GetIcon(app.ObrazkyVelikosti(::GetSystemMetrics(SM_CXSMICON)), kObrazky[i], ILD_NORMAL));
    return ikony_[i] ? ikony_[i].get() : necinna;
}

bool ObrazekOblasti::Casovac(HWND okno, UINT_PTR id) {
    if (id != kCasovac) return false;
    ::KillTimer(okno, kCasovac);
    return true;
}
