#include "ui/win/DlgNastAplKlavesy.h"

#include <commctrl.h>

#include "app/win/Aplikace.h"
#include "knihovna/win/ChybyWin.h"

using Holvent::Email::SablonaDialogu;

namespace {
constexpr WORD kComboBox = 0x0085;
}

DlgNastAplKlavesy::DlgNastAplKlavesy(SeznamHorkychKlaves& klavesy, std::wstring produkt)
    : klavesy_(klavesy), produkt_(std::move(produkt)) {}

DlgNastAplKlavesy::~DlgNastAplKlavesy() {
    // The tooltip is a top-level window of its own: it goes with the page.
    if (tip_ && ::IsWindow(tip_)) ::DestroyWindow(tip_);
}

void DlgNastAplKlavesy::Vytvorit(SablonaDialogu& sablona, const Oblast& o) {
    oblast_ = o;
    const short x = o.x, y = o.y, w = o.sirka;
    Pridat(sablona, SS_LEFT, x, y + 2, 60, 8, kIdPopisuSkupiny, SablonaDialogu::kPopisek, L"&Skupina:");
    Pridat(sablona, CBS_DROPDOWNLIST | WS_VSCROLL | WS_TABSTOP, x + 65, y, w - 65, 100, kIdSkupiny, kComboBox);
    Pridat(sablona, LBS_NOTIFY | LBS_NOINTEGRALHEIGHT | WS_VSCROLL | WS_BORDER | WS_TABSTOP, x, y + 18, w, 150,
           kIdPrikazu, SablonaDialogu::kSeznam);
    Pridat(sablona, SS_LEFT, x, y + 176, 80, 8, kIdPopisuKlavesy, SablonaDialogu::kPopisek, L"&Klávesová zkratka:");
    Pridat(sablona, BS_PUSHBUTTON | WS_TABSTOP, x + w - 110, y + 188, 52, 14, kIdNastavit, SablonaDialogu::kTlacitko,
           L"&Nastavit");
    Pridat(sablona, BS_PUSHBUTTON | WS_TABSTOP, x + w - 52, y + 188, 52, 14, kIdVymazat, SablonaDialogu::kTlacitko,
           L"&Vymazat");
}

void DlgNastAplKlavesy::Naplnit() {
    auto& app = Aplikace::Instance();
    RECT r{oblast_.x, oblast_.y + 188, oblast_.x + oblast_.sirka - 116, oblast_.y + 200};
    ::MapDialogRect(Dialog(), &r);
    ovladacKlavesy_ = ::CreateWindowExW(0, HOTKEY_CLASSW, L"", WS_CHILD | WS_BORDER | WS_TABSTOP, r.left, r.top,
                                        r.right - r.left, r.bottom - r.top, Dialog(),
                                        reinterpret_cast<HMENU>(static_cast<INT_PTR>(kIdKlavesy)),
                                        ::GetModuleHandleW(nullptr), nullptr);
    if (!ovladacKlavesy_) Knihovna::WinApi::VyhoditPosledniChybu(L"Ovládací prvek klávesové zkratky nelze vytvořit");
    PridatId(kIdKlavesy);
    ::SendMessageW(ovladacKlavesy_, WM_SETFONT, ::SendMessageW(Dialog(), WM_GETFONT, 0, 0), FALSE);
    // In the Tab order right after its label, so that its access key reaches it.
    ::SetWindowPos(ovladacKlavesy_, Prvek(kIdPopisuKlavesy), 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);
    HWND skupiny = Prvek(kIdSkupiny);
    for (std::uint32_t skupina : StrankaHorkychKlaves::kSkupiny) {
        const std::wstring text =
            skupina == StrankaHorkychKlaves::kVsechnySkupiny ? StrankaHorkychKlaves::kTextVsechnySkupiny : app.Text(skupina);
        const LRESULT i = ::SendMessageW(skupiny, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(text.c_str()));
        ::SendMessageW(skupiny, CB_SETITEMDATA, i, skupina);
    }
    ::SendMessageW(skupiny, CB_SETCURSEL, 0, 0);
    NaplnitPrikazy();
    tip_ = ::CreateWindowExW(0, TOOLTIPS_CLASSW, nullptr, WS_POPUP | TTS_ALWAYSTIP, 0, 0, 0, 0, Dialog(), nullptr,
                             ::GetModuleHandleW(nullptr), nullptr);
    if (tip_) {
        const std::wstring text = app.Text(20025);
        TOOLINFOW info{};
        info.cbSize = sizeof info;
        info.uFlags = TTF_IDISHWND | TTF_SUBCLASS;
        info.hwnd = Dialog();
        info.uId = reinterpret_cast<UINT_PTR>(Prvek(kIdNastavit));
        info.lpszText = const_cast<wchar_t*>(text.c_str());
        ::SendMessageW(tip_, TTM_ADDTOOLW, 0, reinterpret_cast<LPARAM>(&info));
    }
}

void DlgNastAplKlavesy::NaplnitPrikazy() {
    auto& app = Aplikace::Instance();
    HWND skupiny = Prvek(kIdSkupiny);
    const LRESULT vyber = ::SendMessageW(skupiny, CB_GETCURSEL, 0, 0);
    const auto skupina = static_cast<std::uint32_t>(vyber == CB_ERR ? 0 : ::SendMessageW(skupiny, CB_GETITEMDATA, vyber, 0));
    zobrazene_ = stranka_.Polozky(skupina);
    HWND seznam = Prvek(kIdPrikazu);
    ::SendMessageW(seznam, LB_RESETCONTENT, 0, 0);
    for (std::size_t i : zobrazene_) {
        const std::wstring text = StrankaHorkychKlaves::TextPolozky(app.Text(klavesy_.Polozky()[i].idPrikazu));
        ::SendMessageW(seznam, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(text.c_str()));
    }
    ::SendMessageW(seznam, LB_SETCURSEL, 0, 0);
    ZobrazitKlavesu();
}

void DlgNastAplKlavesy::ZobrazitKlavesu() {
    const LRESULT i = ::SendMessageW(Prvek(kIdPrikazu), LB_GETCURSEL, 0, 0);
    WORD klavesa = 0;
    if (i != LB_ERR && static_cast<std::size_t>(i) < zobrazene_.size()) {
        const HorkaKlavesa& k = klavesy_.Polozky()[zobrazene_[static_cast<std::size_t>(i)]];
        klavesa = MAKEWORD(k.klavesa, StrankaHorkychKlaves::PriznakyZModifikatoru(k.modifikatory));
    }
    ::SendMessageW(ovladacKlavesy_, HKM_SETHOTKEY, klavesa, 0);
}

void DlgNastAplKlavesy::NastavitKlavesu(bool vymazat) {
    const LRESULT i = ::SendMessageW(Prvek(kIdPrikazu), LB_GETCURSEL, 0, 0);
    if (i == LB_ERR || static_cast<std::size_t>(i) >= zobrazene_.size()) {
        ::MessageBeep(MB_ICONEXCLAMATION);
        return;
    }
    const std::size_t index = zobrazene_[static_cast<std::size_t>(i)];
    const auto hodnota = static_cast<WORD>(::SendMessageW(ovladacKlavesy_, HKM_GETHOTKEY, 0, 0));
    const auto vysledek = vymazat ? stranka_.Vymazat(index) : stranka_.Nastavit(index, HIBYTE(hodnota), LOBYTE(hodnota));
    if (vysledek == StrankaHorkychKlaves::Vysledek::JizPouzita)
        ::MessageBoxW(Dialog(), Aplikace::Instance().Text(StrankaHorkychKlaves::kTextJizPouzita).c_str(),
                      produkt_.c_str(), MB_OK | MB_ICONWARNING);
    else if (vysledek == StrankaHorkychKlaves::Vysledek::Nastaveno)
        OznamitZmenu();
    ZobrazitKlavesu();
}

bool DlgNastAplKlavesy::ZpracovatPrikaz(WPARAM wp, LPARAM) {
    const int id = LOWORD(wp);
    const WORD kod = HIWORD(wp);
    if (id == kIdSkupiny) {
        if (kod == CBN_SELCHANGE) NaplnitPrikazy();
        return true;
    }
    if (id == kIdPrikazu) {
        if (kod == LBN_SELCHANGE) ZobrazitKlavesu();
        return true;
    }
    if ((id == kIdNastavit || id == kIdVymazat) && kod == BN_CLICKED) {
        NastavitKlavesu(id == kIdVymazat);
        return true;
    }
    return id == kIdKlavesy;
}
