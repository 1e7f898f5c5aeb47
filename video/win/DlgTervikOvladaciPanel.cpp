#include "video/win/DlgTervikOvladaciPanel.h"

#include <commctrl.h>

#include <algorithm>

#include "email/win/SablonaDialogu.h"
#include "knihovna/Formatovani.h"
#include "knihovna/win/ChybyWin.h"
#include "video/win/HlavickyDirectShow.h"
#include "video/win/UkazatelCom.h"

namespace Holvent::DirectShow {

using Knihovna::Formatovat;
using Knihovna::Hresult;

namespace {

constexpr WORD kComboBox = 0x0085;
constexpr int kOkraj = 4;

// Get and Set on the capture filter, the interface asked for anew each time: the filter changes with every graph.
class PristupKFiltru : public PristupKVlastnostem {
public:
    explicit PristupKFiltru(IBaseFilter* filtr) : filtr_(filtr) {}

    Hresult Cist(bool kamera, std::int32_t vlastnost, std::int32_t& hodnota, std::int32_t& priznaky) override {
        long h = 0, p = 0;
        HRESULT hr = E_NOINTERFACE;
        if (kamera) {
            UkazatelCom<IAMCameraControl> c;
            if (SUCCEEDED(filtr_.Dotaz(IID_IAMCameraControl, c)) && c) hr = c->Get(vlastnost, &h, &p);
        } else {
            UkazatelCom<IAMVideoProcAmp> a;
            if (SUCCEEDED(filtr_.Dotaz(IID_IAMVideoProcAmp, a)) && a) hr = a->Get(vlastnost, &h, &p);
        }
        hodnota = h;
        priznaky = p;
        return hr;
    }

    Hresult Zapsat(bool kamera, std::int32_t vlastnost, std::int32_t hodnota, std::int32_t priznaky) override {
        if (kamera) {
            UkazatelCom<IAMCameraControl> c;
            if (FAILED(filtr_.Dotaz(IID_IAMCameraControl, c)) || !c) return E_NOINTERFACE;
            return c->Set(vlastnost, hodnota, priznaky);
        }
        UkazatelCom<IAMVideoProcAmp> a;
        if (FAILED(filtr_.Dotaz(IID_IAMVideoProcAmp, a)) || !a) return E_NOINTERFACE;
        return a->Set(vlastnost, hodnota, priznaky);
    }

private:
    UkazatelCom<IBaseFilter> filtr_;
};

}  // namespace

void DlgTervikOvladaciPanel::Vytvorit(HWND okno, UINT id, Hlaseni hlaseni) {
    hlaseni_ = std::move(hlaseni);
    // One row of about 319 × 16 dialog units; the controls follow the width at every layout.
    Email::SablonaDialogu s(319, 16, L"", DS_CONTROL | WS_CHILD | WS_CLIPSIBLINGS);
    s.Polozka(CBS_DROPDOWNLIST | WS_VSCROLL | WS_TABSTOP, 2, 2, 100, 120, kIdSeznamu, kComboBox);
    s.Polozka(TBS_HORZ | TBS_NOTICKS | WS_TABSTOP, 106, 1, 160, 14, kIdJezdce, std::wstring(TRACKBAR_CLASSW));
    s.Polozka(BS_PUSHBUTTON | WS_TABSTOP, 270, 1, 47, 14, kIdVychozi, Email::SablonaDialogu::kTlacitko, L"Výchozí");
    dialog_ = ::CreateDialogIndirectParamW(::GetModuleHandleW(nullptr), s.Sablona(), okno, Procedura,
                                           reinterpret_cast<LPARAM>(this));
    if (!dialog_) Knihovna::WinApi::VyhoditPosledniChybu(L"Panel ovládání kamery nelze vytvořit.");
    ::SetWindowLongPtrW(dialog_, GWLP_ID, static_cast<LONG_PTR>(id));
    RECT r{};
    ::GetWindowRect(dialog_, &r);
    vyska_ = r.bottom - r.top;
    NaplnitSeznam();
}

void DlgTervikOvladaciPanel::Zobrazit(bool zobrazit) {
    if (dialog_) ::ShowWindow(dialog_, zobrazit ? SW_SHOWNA : SW_HIDE);
}

bool DlgTervikOvladaciPanel::Zapnuty() const {
    return dialog_ && (::GetWindowLongPtrW(dialog_, GWL_STYLE) & WS_VISIBLE) != 0;
}

int DlgTervikOvladaciPanel::Rozmistit(int horni, int sirka) {
    if (!Zapnuty()) return 0;
    ::MoveWindow(dialog_, 0, horni, sirka, vyska_, TRUE);
    return vyska_;
}

void DlgTervikOvladaciPanel::RozmistitPrvky(int sirka, int vyska) {
    HWND seznam = ::GetDlgItem(dialog_, kIdSeznamu);
    HWND jezdec = ::GetDlgItem(dialog_, kIdJezdce);
    HWND tlacitko = ::GetDlgItem(dialog_, kIdVychozi);
    RECT rs{}, rt{};
    ::GetWindowRect(seznam, &rs);
    ::GetWindowRect(tlacitko, &rt);
    // The list and the button keep their template widths; the trackbar takes the rest.
    const int sirkaSeznamu = rs.right - rs.left, sirkaTlacitka = rt.right - rt.left;
    const int vyskaSeznamu = rs.bottom - rs.top, vyskaTlacitka = rt.bottom - rt.top;
    const int xTlacitka = std::max(sirkaSeznamu + 3 * kOkraj, sirka - kOkraj - sirkaTlacitka);
    const int xJezdce = kOkraj + sirkaSeznamu + kOkraj;
    ::MoveWindow(seznam, kOkraj, (vyska - vyskaSeznamu) / 2, sirkaSeznamu, 200, TRUE);
    ::MoveWindow(jezdec, xJezdce, 0, std::max(0, xTlacitka - kOkraj - xJezdce), vyska, TRUE);
    ::MoveWindow(tlacitko, xTlacitka, (vyska - vyskaTlacitka) / 2, sirkaTlacitka, vyskaTlacitka, TRUE);
}

void DlgTervikOvladaciPanel::NaplnitSeznam() {
    if (!dialog_) return;
    HWND seznam = ::GetDlgItem(dialog_, kIdSeznamu);
    ::SendMessageW(seznam, CB_RESETCONTENT, 0, 0);
    if (!zachytavani_.GrafExistuje() || !zachytavani_.FiltrVidea()) {
        ovladani_.Vyprazdnit();
        Ukazat(StavJezdce{});
        return;
    }
    ovladani_.Naplnit(zachytavani_.RozsahyObrazu(), zachytavani_.RozsahyOvladani());
    for (const PolozkaOvladani& p : ovladani_.Polozky()) {
        const LRESULT i = ::SendMessageW(seznam, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(p.popis.c_str()));
        if (i >= 0) ::SendMessageW(seznam, CB_SETITEMDATA, static_cast<WPARAM>(i), p.kod);
    }
    ::SendMessageW(seznam, CB_SETCURSEL, static_cast<WPARAM>(ovladani_.Vyber()), 0);
    ZobrazitVlastnost();
}

void DlgTervikOvladaciPanel::ZobrazitVlastnost() {
    if (!dialog_) return;
    const LRESULT vyber = ::SendDlgItemMessageW(dialog_, kIdSeznamu, CB_GETCURSEL, 0, 0);
    Ukazat(StavJezdce{});
    try {
        PristupKFiltru pristup(zachytavani_.FiltrVidea());
        Ukazat(ovladani_.Zobrazit(pristup, vyber == CB_ERR ? -1 : static_cast<int>(vyber)));
    } catch (const Knihovna::Chyba& chyba) {
        // The trackbar stays disabled; another choice or the next start of the video tries again.
        if (hlaseni_)
            hlaseni_(Formatovat(L"Hodnotu vlastnosti \"%s\" nelze ze zařízení přečíst: %s", PopisVyberu().c_str(),
                                Knihovna::WinApi::PopisChyby(chyba).c_str()));
    }
}

void DlgTervikOvladaciPanel::Ukazat(const StavJezdce& stav) {
    HWND jezdec = ::GetDlgItem(dialog_, kIdJezdce);
    // 32-bit range messages: TBM_SETRANGE would cut the values to 16 bits.
    ::SendMessageW(jezdec, TBM_SETRANGEMIN, FALSE, stav.min);
    ::SendMessageW(jezdec, TBM_SETRANGEMAX, TRUE, stav.max);
    ::SendMessageW(jezdec, TBM_SETLINESIZE, 0, stav.krok);
    ::SendMessageW(jezdec, TBM_SETPAGESIZE, 0, stav.stranka);
    // Wine moves the thumb only when the position changes, not when the range does: a position kept
    // across a new range (0 from 0..100 to -64..64) would stay drawn where the old range had it.
    ::SendMessageW(jezdec, TBM_SETPOS, FALSE, stav.pozice == stav.min ? stav.max : stav.min);
    ::SendMessageW(jezdec, TBM_SETPOS, TRUE, stav.pozice);
    ::EnableWindow(jezdec, stav.povolen);
    ::EnableWindow(::GetDlgItem(dialog_, kIdVychozi), stav.povolen);
}

void DlgTervikOvladaciPanel::Posunuto() {
    if (ovladani_.Vyber() < 0) return;
    HWND jezdec = ::GetDlgItem(dialog_, kIdJezdce);
    const auto pozice = static_cast<std::int32_t>(::SendMessageW(jezdec, TBM_GETPOS, 0, 0));
    PristupKFiltru pristup(zachytavani_.FiltrVidea());
    const auto vysledek = ovladani_.Posunout(pristup, pozice);
    // The thumb stands on the step that was written, or goes back to the device's value.
    if (vysledek.stav.pozice != pozice) ::SendMessageW(jezdec, TBM_SETPOS, TRUE, vysledek.stav.pozice);
    Odmitnuto(vysledek);
}

void DlgTervikOvladaciPanel::NastavitVychozi() {
    if (!zachytavani_.GrafExistuje() || ovladani_.Vyber() < 0) return;
    PristupKFiltru pristup(zachytavani_.FiltrVidea());
    const auto vysledek = ovladani_.Vychozi(pristup);
    Ukazat(vysledek.stav);
    Odmitnuto(vysledek);
}

void DlgTervikOvladaciPanel::Odmitnuto(const OvladaniObrazu::Vysledek& vysledek) {
    if (!Knihovna::Selhalo(vysledek.hr) || !hlaseni_) return;
    hlaseni_(Formatovat(L"Zařízení nepřijalo hodnotu %d vlastnosti \"%s\": %s", static_cast<int>(vysledek.hodnota),
                        PopisVyberu().c_str(), Knihovna::WinApi::SystemovyPopis(vysledek.hr).c_str()));
}

std::wstring DlgTervikOvladaciPanel::PopisVyberu() const {
    const int i = ovladani_.Vyber();
    return i >= 0 ? ovladani_.Polozky()[static_cast<std::size_t>(i)].popis : std::wstring();
}

INT_PTR DlgTervikOvladaciPanel::ZpracovatZpravu(UINT zprava, WPARAM wp, LPARAM lp) {
    switch (zprava) {
    case WM_INITDIALOG: return FALSE;  // the strip takes no focus of its own
    case WM_SIZE: RozmistitPrvky(LOWORD(lp), HIWORD(lp)); return TRUE;
    case WM_COMMAND:
        if (LOWORD(wp) == kIdSeznamu && HIWORD(wp) == CBN_SELCHANGE) ZobrazitVlastnost();
        else if (LOWORD(wp) == kIdVychozi && HIWORD(wp) == BN_CLICKED) NastavitVychozi();
        return TRUE;
    case WM_HSCROLL:
        // TB_ENDTRACK only closes a move whose positions already came.
        if (reinterpret_cast<HWND>(lp) == ::GetDlgItem(dialog_, kIdJezdce) && LOWORD(wp) != TB_ENDTRACK) Posunuto();
        return TRUE;
    case WM_NCDESTROY:
        ::SetWindowLongPtrW(dialog_, DWLP_USER, 0);
        dialog_ = nullptr;
        return FALSE;
    }
    return FALSE;
}

// A dialog procedure is a boundary: nothing unwinds into user32.
INT_PTR CALLBACK DlgTervikOvladaciPanel::Procedura(HWND okno, UINT zprava, WPARAM wp, LPARAM lp) {
    if (zprava == WM_INITDIALOG) {
        ::SetWindowLongPtrW(okno, DWLP_USER, lp);
        reinterpret_cast<DlgTervikOvladaciPanel*>(lp)->dialog_ = okno;
    }
    auto* panel = reinterpret_cast<DlgTervikOvladaciPanel*>(::GetWindowLongPtrW(okno, DWLP_USER));
    if (!panel) return FALSE;
    try {
        return panel->ZpracovatZpravu(zprava, wp, lp);
    } catch (const Knihovna::Chyba& chyba) {
        if (panel->hlaseni_) panel->hlaseni_(Knihovna::WinApi::PopisChyby(chyba));
    } catch (...) {
        ::MessageBeep(MB_ICONERROR);
    }
    return TRUE;
}

}  // namespace Holvent::DirectShow
