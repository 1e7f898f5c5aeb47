#include "ui/win/TrackBarKvalitaJpeg.h"

#include <commctrl.h>

#include <algorithm>

#include "knihovna/Formatovani.h"
#include "knihovna/win/ChybyWin.h"
#include "knihovna/win/UnikatniHandle.h"
#include "ui/win/OznameniPrvku.h"

using Knihovna::WinApi::DcOkna;
using Knihovna::WinApi::VybranyObjekt;

TrackBarKvalitaJpeg::~TrackBarKvalitaJpeg() { Odpojit(); }

std::wstring TrackBarKvalitaJpeg::TextHodnoty(std::uint32_t kvalita) {
    return Knihovna::Formatovat(L"Kvalita: %u %%", kvalita);
}

void TrackBarKvalitaJpeg::Vytvorit(HWND rodic, int id, int idPopisku, const RECT& r) {
    HINSTANCE instance = ::GetModuleHandleW(nullptr);
    const WPARAM pismo = ::SendMessageW(rodic, WM_GETFONT, 0, 0);
    // The static is as wide as its widest text, measured in the dialog's font.
    int sirkaPopisku = 90;
    {
        DcOkna dc(rodic);
        if (dc.Dc()) {
            HGDIOBJ pismoDc = pismo ? reinterpret_cast<HGDIOBJ>(pismo) : ::GetStockObject(DEFAULT_GUI_FONT);
            VybranyObjekt vybrane(dc.Dc(), pismoDc);
            const std::wstring nejdelsi = TextHodnoty(kNejvice);
            SIZE s{};
            if (::GetTextExtentPoint32W(dc.Dc(), nejdelsi.c_str(), static_cast<int>(nejdelsi.size()), &s))
                sirkaPopisku = s.cx + 8;
        }
    }
    sirkaPopisku = std::min<int>(sirkaPopisku, (r.right - r.left) / 2);
    const int vyska = r.bottom - r.top;
    HWND bar = ::CreateWindowExW(0, TRACKBAR_CLASSW, L"", WS_CHILD | WS_VISIBLE | WS_TABSTOP | TBS_HORZ | TBS_AUTOTICKS,
                                 r.left, r.top, r.right - r.left - sirkaPopisku, vyska, rodic,
                                 reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), instance, nullptr);
    if (!bar) Knihovna::WinApi::VyhoditPosledniChybu(L"Posuvník kvality nelze vytvořit");
    HWND popisek = ::CreateWindowExW(0, L"STATIC", L"", WS_CHILD | WS_VISIBLE | SS_LEFT | SS_CENTERIMAGE,
                                     r.right - sirkaPopisku, r.top, sirkaPopisku, vyska, rodic,
                                     reinterpret_cast<HMENU>(static_cast<INT_PTR>(idPopisku)), instance, nullptr);
    if (!popisek) {
        ::DestroyWindow(bar);
        Knihovna::WinApi::VyhoditPosledniChybu(L"Popisek kvality nelze vytvořit");
    }
    ::SendMessageW(popisek, WM_SETFONT, pismo, FALSE);
    try {
        Pripojit(bar, popisek);
    } catch (...) {
        ::DestroyWindow(popisek);
        ::DestroyWindow(bar);
        throw;
    }
}

void TrackBarKvalitaJpeg::Pripojit(HWND trackbar, HWND popisek) {
    Odpojit();
    ::SendMessageW(trackbar, TBM_SETRANGEMIN, FALSE, kNejmene);
    ::SendMessageW(trackbar, TBM_SETRANGEMAX, FALSE, kNejvice);
    ::SendMessageW(trackbar, TBM_SETLINESIZE, 0, 1);
    ::SendMessageW(trackbar, TBM_SETPAGESIZE, 0, 10);
    ::SendMessageW(trackbar, TBM_SETTICFREQ, 10, 0);
    // Only to learn that the bar dies, so that the parent's hook goes with it.
    bar_.Pripojit(trackbar, [this](UINT zprava, WPARAM, LPARAM, LRESULT&) {
        if (zprava == WM_NCDESTROY) {
            rodic_.Odpojit();
            popisek_ = nullptr;
        }
        return false;
    });
    try {
        rodic_.Pripojit(::GetParent(trackbar),
                        [this](UINT zprava, WPARAM wp, LPARAM lp, LRESULT&) { return ObsluhaRodice(zprava, wp, lp); });
    } catch (...) {
        bar_.Odpojit();
        throw;
    }
    popisek_ = popisek;
    Nastavit(hodnota_);
}

void TrackBarKvalitaJpeg::Odpojit() noexcept {
    rodic_.Odpojit();
    bar_.Odpojit();
    popisek_ = nullptr;
}

void TrackBarKvalitaJpeg::Nastavit(std::uint32_t kvalita) {
    hodnota_ = std::clamp(kvalita, kNejmene, kNejvice);
    if (HWND h = bar_.Okno()) ::SendMessageW(h, TBM_SETPOS, TRUE, static_cast<LPARAM>(hodnota_));
    Zobrazit();
}

void TrackBarKvalitaJpeg::Zobrazit() {
    if (popisek_ && ::IsWindow(popisek_)) ::SetWindowTextW(popisek_, TextHodnoty(hodnota_).c_str());
}

bool TrackBarKvalitaJpeg::ObsluhaRodice(UINT zprava, WPARAM, LPARAM lp) {
    HWND h = bar_.Okno();
    if ((zprava != WM_HSCROLL && zprava != WM_VSCROLL) || !h || reinterpret_cast<HWND>(lp) != h) return false;
    // Every scroll code (line, page, thumb track, end) leaves the bar at its new position: the value is read
    // from there, and only a real change is reported.
    const LRESULT poloha = ::SendMessageW(h, TBM_GETPOS, 0, 0);
    const auto nova = std::clamp(static_cast<std::uint32_t>(std::max<LRESULT>(poloha, 0)), kNejmene, kNejvice);
    if (nova != hodnota_) {
        hodnota_ = nova;
        Zobrazit();
        OznamitZmenuHodnoty(h);
    }
    return false;
}
