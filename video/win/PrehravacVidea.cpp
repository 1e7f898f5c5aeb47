#include "video/win/PrehravacVidea.h"

#include <commctrl.h>
#include <commdlg.h>
#include <shellapi.h>
#include <shlwapi.h>

#include "app/TextyZprav.h"
#include "app/win/Aplikace.h"
#include "camera/AktivityKamery.h"
#include "knihovna/Formatovani.h"
#include "knihovna/win/ChybyWin.h"
#include "knihovna/win/UnikatniHandle.h"
#include "video/RizeniPrehravace.h"
#include "video/win/PrehravaniVidea.h"
#include "video/win/ZapisNahradou.h"

using Knihovna::Chyba;
using namespace Prehravac;

namespace {

constexpr UINT kIdCasovace = 1;
constexpr UINT kPeriodaCasovace = 1000;
constexpr UINT kIdStavovehoRadku = 1;
constexpr UINT kIdPosuvniku = 2;
constexpr int kVyskaPosuvniku = 30;
constexpr int kSirkaCasu = 220;

constexpr const wchar_t* kTextOtevreni = L"Nepodařilo se otevřít soubor pro přehrání";
constexpr const wchar_t* kTextBezZvuku = L"Bez zvuku (zvukové zařízení není k dispozici)";

// The player's commands in menu order (0: separator).
struct Polozka {
    int prikaz;
    const wchar_t* text;
};
constexpr Polozka kSoubor[] = {{Prikaz::kOtevrit, L"&Otevřít..."}, {Prikaz::kZavrit, L"&Zavřít"},
                               {0, nullptr},                     {Prikaz::kUlozitSnimek, L"Uložit sním&ek..."},
                               {0, nullptr},                     {Prikaz::kKonec, L"&Konec"}};
constexpr Polozka kPrehravani[] = {{Prikaz::kSpustit, L"&Spustit"},     {Prikaz::kPrerusit, L"Přer&ušit"},
                                   {Prikaz::kUkoncit, L"U&končit"},     {0, nullptr},
                                   {Prikaz::kKrokVpred, L"Krok v&před"}, {Prikaz::kKrokZpet, L"Krok &zpět"}};

template <std::size_t N>
void Pridat(HMENU menu, const Polozka (&polozky)[N]) {
    for (const Polozka& p : polozky)
        ::AppendMenuW(menu, p.prikaz ? MF_STRING : MF_SEPARATOR, static_cast<UINT_PTR>(p.prikaz), p.text);
}

void Zobrazit(const std::wstring& text, const Chyba& chyba) {
    auto& app = Aplikace::Instance();
    app.ZobrazitChybu(TextyZprav::Chyba(text, app.PopisChybyCom(chyba)));
}

}  // namespace

PrehravacVidea::PrehravacVidea() : OknoAplikace(COLOR_BTNFACE) {}

PrehravacVidea::~PrehravacVidea() = default;

void PrehravacVidea::Vytvorit(const std::wstring& titulek) {
    INITCOMMONCONTROLSEX icc{sizeof icc, ICC_BAR_CLASSES};
    ::InitCommonControlsEx(&icc);
    HMENU lista = ::CreateMenu();
    HMENU soubor = ::CreatePopupMenu();
    Pridat(soubor, kSoubor);
    HMENU prehravani = ::CreatePopupMenu();
    Pridat(prehravani, kPrehravani);
    ::AppendMenuW(lista, MF_POPUP, reinterpret_cast<UINT_PTR>(soubor), L"&Soubor");
    ::AppendMenuW(lista, MF_POPUP, reinterpret_cast<UINT_PTR>(prehravani), L"&Přehrávání");

    Okno::Vytvorit(kTrida, titulek, WS_OVERLAPPEDWINDOW | WS_CLIPCHILDREN, WS_EX_ACCEPTFILES, CW_USEDEFAULT,
                   CW_USEDEFAULT, 640, 480, nullptr, lista);
    video_.Vytvorit(Hwnd(), Knihovna::Formatovat(L"Přehrávač videa\n%s", Aplikace::Instance().Produkt().c_str()));
    prehravani_ = std::make_unique<Holvent::DirectShow::PrehravaniVidea>(Hwnd(), Hwnd(), kZpravaUdalostPrehravace);
    video_.NastavitPrehravani(prehravani_.get());
    posuvnik_ = Knihovna::WinApi::VyhoditKdyzNeuspech(::CreateWindowExW(
        0, TRACKBAR_CLASSW, L"", WS_CHILD | WS_VISIBLE | WS_DISABLED | WS_TABSTOP | TBS_HORZ | TBS_NOTICKS, 0, 0, 0,
        0, Hwnd(), reinterpret_cast<HMENU>(static_cast<INT_PTR>(kIdPosuvniku)), nullptr, nullptr));
    ::SendMessageW(posuvnik_, TBM_SETRANGEMIN, FALSE, 0);
    ::SendMessageW(posuvnik_, TBM_SETRANGEMAX, TRUE, kRozsahPosuvniku);
    ::SendMessageW(posuvnik_, TBM_SETPAGESIZE, 0, kRozsahPosuvniku / 20);
    radek_.Vytvorit(Hwnd(), kIdStavovehoRadku);
    radek_.NastavitCasti({kSirkaCasu, -1});
    Knihovna::WinApi::VyhoditKdyzNeuspech(::SetTimer(Hwnd(), kIdCasovace, kPeriodaCasovace, nullptr));
    ObnovitUmisteni();
    ::ShowWindow(Hwnd(), SW_SHOWNORMAL);
    Rozvrhnout();
    ::UpdateWindow(Hwnd());
}

void PrehravacVidea::NeosetrenaChyba(const Chyba& chyba) {
    auto& app = Aplikace::Instance();
    app.HlasitFatalniChybu(TextyZprav::Chyba(L"Přehrávač videa narazil na neočekávanou chybu", app.PopisChybyCom(chyba)));
}

void PrehravacVidea::Otevrit(const std::wstring& cesta) {
    try {
        prehravani_->Otevrit(cesta);
        // The window plays what it opens.
        prehravani_->Spustit();
    } catch (const Chyba& chyba) {
        prehravani_->Zavrit();
        ObnovitStav();
        Zobrazit(kTextOtevreni, chyba);
        return;
    }
    ObnovitStav();
}

void PrehravacVidea::ObnovitStav() {
    const bool soubor = prehravani_->Stav() != Stav::BezSouboru;
    ::EnableWindow(posuvnik_, soubor);
    if (!soubor) ::SendMessageW(posuvnik_, TBM_SETPOS, TRUE, 0);
    tazeni_ = false;
    radek_.NastavitText(1, prehravani_->BezZvuku() ? kTextBezZvuku : L"");
    video_.Rozvrhnout();
    ::ShowWindow(video_.Hwnd(), soubor && prehravani_->MaVideo() ? SW_HIDE : SW_SHOW);
    ObnovitCas();
}

void PrehravacVidea::ObnovitCas() {
    if (prehravani_->Stav() == Stav::BezSouboru) {
        radek_.NastavitText(0, L"");
        return;
    }
    const std::int64_t pozice = prehravani_->Pozice();
    if (!tazeni_) ::SendMessageW(posuvnik_, TBM_SETPOS, TRUE, PoziceNaPosuvnik(pozice, prehravani_->Trvani()));
    wchar_t cas[64] = {};
    const auto ms = static_cast<DWORD>(std::max<std::int64_t>(0, pozice / 10'000));
    ::StrFromTimeIntervalW(cas, 64, ms, 5);
    radek_.NastavitText(0, cas);
}

void PrehravacVidea::Rozvrhnout() {
    RECT klient{};
    ::GetClientRect(Hwnd(), &klient);
    radek_.Prizpusobit();
    const int dole = klient.bottom - radek_.Vyska();
    const int posuvnikY = std::max(0, dole - kVyskaPosuvniku);
    ::MoveWindow(posuvnik_, 0, posuvnikY, klient.right, dole - posuvnikY, TRUE);
    ::MoveWindow(video_.Hwnd(), 0, 0, klient.right, posuvnikY, TRUE);
}

void PrehravacVidea::PovolitPolozky(HMENU menu) const {
    const StavPrehravace stav = prehravani_->StavPrehravace();
    for (int i = 0, n = ::GetMenuItemCount(menu); i < n; ++i) {
        const UINT id = ::GetMenuItemID(menu, i);
        if (id != 0 && id != static_cast<UINT>(-1))
            ::EnableMenuItem(menu, id, MF_BYCOMMAND | (PrikazPovolen(stav, static_cast<int>(id)) ? MF_ENABLED : MF_GRAYED));
    }
}

void PrehravacVidea::KontextoveMenu(LPARAM lp) {
    Knihovna::WinApi::UnikatniMenu menu(::CreatePopupMenu());
    if (!menu) return;
    Pridat(menu.get(), kPrehravani);
    ::AppendMenuW(menu.get(), MF_SEPARATOR, 0, nullptr);
    Pridat(menu.get(), kSoubor);
    PovolitPolozky(menu.get());
    POINT bod{static_cast<short>(LOWORD(lp)), static_cast<short>(HIWORD(lp))};
    if (lp == -1) {
        // From the keyboard: at the video area's corner.
        bod = {0, 0};
        ::ClientToScreen(video_.Hwnd(), &bod);
    }
    ::TrackPopupMenu(menu.get(), TPM_RIGHTBUTTON, bod.x, bod.y, 0, Hwnd(), nullptr);
}

void PrehravacVidea::Vybrat() {
    wchar_t cesta[MAX_PATH * 2] = {};
    OPENFILENAMEW ofn{};
    ofn.lStructSize = sizeof ofn;
    ofn.hwndOwner = Hwnd();
    ofn.lpstrFilter = L"Videosoubory aplikace Tervik\0*.wmv;*.avi\0Všechny soubory\0*.*\0";
    ofn.lpstrFile = cesta;
    ofn.nMaxFile = MAX_PATH * 2;
    ofn.lpstrTitle = L"Vyberte videosoubor pro přehrání";
    ofn.Flags = OFN_EXPLORER | OFN_FILEMUSTEXIST | OFN_PATHMUSTEXIST | OFN_HIDEREADONLY | OFN_NOCHANGEDIR;
    if (::GetOpenFileNameW(&ofn)) Otevrit(cesta);
}

void PrehravacVidea::UlozitSnimek() {
    // The frame shown now, taken before the question: playback goes on while the user chooses.
    std::vector<std::uint8_t> bmp;
    try {
        bmp = prehravani_->AktualniSnimekBmp();
    } catch (const Chyba& chyba) {
        Zobrazit(L"Aktuální snímek nelze získat", chyba);
        return;
    }
    wchar_t cesta[MAX_PATH * 2] = {};
    OPENFILENAMEW ofn{};
    ofn.lStructSize = sizeof ofn;
    ofn.hwndOwner = Hwnd();
    ofn.lpstrFilter = L"Bitmapy (*.bmp)\0*.bmp\0";
    ofn.lpstrFile = cesta;
    ofn.nMaxFile = MAX_PATH * 2;
    ofn.lpstrDefExt = L"bmp";
    ofn.lpstrTitle = L"Vyberte soubor pro uložení aktuálního snímku";
    ofn.Flags = OFN_EXPLORER | OFN_OVERWRITEPROMPT | OFN_PATHMUSTEXIST | OFN_HIDEREADONLY | OFN_NOCHANGEDIR;
    if (!::GetSaveFileNameW(&ofn)) return;
    try {
        ZapsatSouborNahradou(cesta, bmp);
    } catch (const Chyba& chyba) {
        Zobrazit(Knihovna::Formatovat(L"Aktuální snímek se nepodařilo uložit do souboru \"%s\"", cesta), chyba);
    }
}

bool PrehravacVidea::Prikaz(UINT prikaz) {
    if (prikaz < Prikaz::kOtevrit || prikaz > Prikaz::kUlozitSnimek) return false;
    // A command that is not enabled now (e.g. posted) does nothing.
    if (!PrikazPovolen(prehravani_->StavPrehravace(), static_cast<int>(prikaz))) return true;
    try {
        switch (prikaz) {
            case Prikaz::kOtevrit: Vybrat(); return true;
            case Prikaz::kZavrit:
                prehravani_->Zavrit();
                ObnovitStav();
                return true;
            case Prikaz::kSpustit: prehravani_->Spustit(); break;
            case Prikaz::kPrerusit: prehravani_->Prerusit(); break;
            case Prikaz::kUkoncit: prehravani_->Ukoncit(); break;
            case Prikaz::kKrokVpred: prehravani_->KrokVpred(); break;
            case Prikaz::kKrokZpet: prehravani_->KrokZpet(); break;
            case Prikaz::kUlozitSnimek: UlozitSnimek(); return true;
            case Prikaz::kKonec: ::PostMessageW(Hwnd(), WM_CLOSE, 0, 0); return true;
            default: return false;
        }
    } catch (const Chyba& chyba) {
        Zobrazit(prikaz == Prikaz::kKrokVpred || prikaz == Prikaz::kKrokZpet ? L"Krok se nepodařilo provést"
                                                                              : L"Příkaz přehrávání se nepodařilo provést",
                 chyba);
    }
    ObnovitCas();
    return true;
}

void PrehravacVidea::Posunuti(WPARAM wp) {
    if (prehravani_->Stav() == Stav::BezSouboru) return;
    const int kod = LOWORD(wp);
    // While the thumb is held the picture stays; the seek comes when it is let go.
    if (kod == TB_THUMBTRACK) {
        tazeni_ = true;
        return;
    }
    tazeni_ = false;
    const int pozice = static_cast<int>(::SendMessageW(posuvnik_, TBM_GETPOS, 0, 0));
    try {
        prehravani_->NastavitPozici(PosuvnikNaPozici(pozice, prehravani_->Trvani()));
    } catch (const Chyba& chyba) {
        Zobrazit(L"Pozici přehrávání nelze nastavit", chyba);
    }
    ObnovitCas();
}

void PrehravacVidea::UdalostiGrafu() {
    long kod = 0;
    ReakceNaUdalost reakce = ReakceNaUdalost::Zadna;
    try {
        reakce = prehravani_->ZpracovatUdalosti(kod);
    } catch (const Chyba& chyba) {
        Zobrazit(L"Přehrávání se nepodařilo zastavit", chyba);
    }
    if (reakce == ReakceNaUdalost::Zadna) return;
    ObnovitCas();
    if (reakce == ReakceNaUdalost::ZastavitAOznamit)
        Zobrazit(L"Přehrávání bylo přerušeno chybou", Chyba(kod ? static_cast<Knihovna::Hresult>(kod) : Knihovna::kE_FAIL));
}

LRESULT PrehravacVidea::ZpracovatZpravu(UINT zprava, WPARAM wp, LPARAM lp) {
    switch (zprava) {
        case WM_SIZE:
            Rozvrhnout();
            return 0;
        case WM_COMMAND:
            if (Prikaz(LOWORD(wp))) return 0;
            break;
        case WM_INITMENUPOPUP:
            PovolitPolozky(reinterpret_cast<HMENU>(wp));
            return 0;
        case WM_CONTEXTMENU:
            KontextoveMenu(lp);
            return 0;
        case WM_HSCROLL:
            if (reinterpret_cast<HWND>(lp) == posuvnik_) Posunuti(wp);
            return 0;
        case WM_TIMER:
            if (wp == kIdCasovace) ObnovitCas();
            return 0;
        case kZpravaUdalostPrehravace:
            UdalostiGrafu();
            return 0;
        case WM_DROPFILES: {
            const auto h = reinterpret_cast<HDROP>(wp);
            wchar_t cesta[MAX_PATH * 2] = {};
            const UINT n = ::DragQueryFileW(h, 0, cesta, MAX_PATH * 2);
            ::DragFinish(h);
            if (n > 0) Otevrit(cesta);
            return 0;
        }
        case WM_ERASEBKGND:
            // The hidden video area's place is painted whole below.
            if (!::IsWindowVisible(video_.Hwnd())) return 1;
            break;
        case WM_PAINT:
            if (!::IsWindowVisible(video_.Hwnd())) {
                Knihovna::WinApi::KresleniOkna kresleni(Hwnd());
                video_.KreslitOkoliObrazu(kresleni.Dc());
                return 0;
            }
            break;
        case WM_SETFOCUS:
            ::SetFocus(posuvnik_);
            return 0;
        case WM_DESTROY:
            ::KillTimer(Hwnd(), kIdCasovace);
            video_.NastavitPrehravani(nullptr);
            prehravani_.reset();
            ::PostQuitMessage(0);
            return 0;
    }
    return OknoAplikace::ZpracovatZpravu(zprava, wp, lp);
}
