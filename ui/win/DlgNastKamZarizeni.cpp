#include "ui/win/DlgNastKamZarizeni.h"

#include "ui/StrankyNastaveniKamery.h"

using Holvent::Email::SablonaDialogu;
namespace K = StrankyNastaveniKamery;

namespace {
constexpr WORD kComboBox = 0x0085;
constexpr int kIdPopisku = 1904;  // the labels, from here on
}

DlgNastKamZarizeni::DlgNastKamZarizeni(const SeznamZarizeni& video, const SeznamZarizeni& zvuk,
                                       InfoZarizeni& zarizeniVideo, InfoZarizeni& zarizeniZvuk)
    : video_(video), zvuk_(zvuk), zarizeniVideo_(zarizeniVideo), zarizeniZvuk_(zarizeniZvuk) {}

void DlgNastKamZarizeni::Vytvorit(SablonaDialogu& s, const Oblast& o) {
    short y = o.y;
    const short x = o.x, w = o.sirka;
    Pridat(s, SS_LEFT, x, y, w, 8, kIdPopisku, SablonaDialogu::kPopisek, L"&Videozařízení:");
    y += 10;
    Pridat(s, CBS_DROPDOWNLIST | WS_VSCROLL | WS_TABSTOP, x, y, w, 120, kIdVidea, kComboBox);
    y += 18;
    Pridat(s, SS_LEFT | SS_NOPREFIX, x, y, w, 8, kIdPopisku + 1, SablonaDialogu::kPopisek, K::kTextCestaZarizeni);
    y += 10;
    Pridat(s, ES_AUTOHSCROLL | ES_READONLY | WS_BORDER | WS_TABSTOP, x, y, w, 12, kIdCesty, SablonaDialogu::kEdit);
    y += 16;
    Pridat(s, SS_LEFT | SS_NOPREFIX, x, y, w, 8, kIdPopisku + 2, SablonaDialogu::kPopisek, K::kTextPopisZarizeni);
    y += 10;
    Pridat(s, ES_AUTOHSCROLL | ES_READONLY | WS_BORDER | WS_TABSTOP, x, y, w, 12, kIdPopisu, SablonaDialogu::kEdit);
    y += 24;
    Pridat(s, SS_LEFT, x, y, w, 8, kIdPopisku + 3, SablonaDialogu::kPopisek, L"&" + std::wstring(K::kTextZvukoveZarizeni));
    y += 10;
    Pridat(s, CBS_DROPDOWNLIST | WS_VSCROLL | WS_TABSTOP, x, y, w, 120, kIdZvuku, kComboBox);
}

void DlgNastKamZarizeni::Naplnit() {
    video_.Pripojit(Prvek(kIdVidea));
    video_.Naplnit(zarizeniVideo_);
    zvuk_.Pripojit(Prvek(kIdZvuku));
    zvuk_.Naplnit(zarizeniZvuk_);
    ZobrazitPopis();
}

void DlgNastKamZarizeni::ZobrazitPopis() {
    const auto v = video_.Precist();
    ::SetWindowTextW(Prvek(kIdCesty), v ? v->devicePath.c_str() : L"");
    ::SetWindowTextW(Prvek(kIdPopisu), v ? v->popis.c_str() : L"");
}

bool DlgNastKamZarizeni::ZpracovatPrikaz(WPARAM wp, LPARAM) {
    const int id = LOWORD(wp);
    if (id != kIdVidea && id != kIdZvuku) return false;
    if (HIWORD(wp) == CBN_SELCHANGE) {
        if (id == kIdVidea) ZobrazitPopis();
        OznamitZmenu();
    }
    return true;
}

std::optional<StrankaNastaveni::Odmitnuti> DlgNastKamZarizeni::Prevzit() {
    // An empty device list leaves the stored devices as they are: the camera finds them again when they return.
    if (auto v = video_.Precist()) zarizeniVideo_ = *v;
    if (auto z = zvuk_.Precist()) zarizeniZvuk_ = *z;
    return std::nullopt;
}
