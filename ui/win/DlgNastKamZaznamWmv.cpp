#include "ui/win/DlgNastKamZaznamWmv.h"

#include <commctrl.h>

#include <vector>

#include "email/win/SablonaDialogu.h"
#include "knihovna/Chyba.h"
#include "ui/StrankyNastaveniKamery.h"
#include "ui/StrankyZaznamu.h"
#include "video/DetailyProfilu.h"
#include "video/win/ProfilWmv.h"
#include "video/win/SouborPrxWin.h"

using Holvent::DirectShow::ProfilWmv;
using Holvent::Email::SablonaDialogu;
namespace Z = StrankyZaznamu;

namespace {

constexpr const wchar_t* kKlic = L"Zaznam videa\\WMV\\Profil";

const ModelStranky::Hodnota& Hodnota(const wchar_t* jmeno) { return *StrankyNastaveniKamery::Najit(kKlic, jmeno); }

}  // namespace

const DlgNastKamZaznamWmv::Seznam DlgNastKamZaznamWmv::kSeznamy[2] = {
    {kIdVerze8, kIdJenVideo8, kIdProfily8, kIdDetail8, Z::kVerzeWm8},
    {kIdVerze7, kIdJenVideo7, kIdProfily7, kIdDetail7, Z::kVerzeWm7},
};

DlgNastKamZaznamWmv::DlgNastKamZaznamWmv(const ModelStranky::Stranka& stranka, KopieHodnot& kopie, int prvniId,
                                         std::function<void(const std::wstring&)> upravit)
    : DlgNastStrankaTabulky(stranka, kopie, prvniId), upravit_(std::move(upravit)) {}

DlgNastKamZaznamWmv::~DlgNastKamZaznamWmv() = default;

void DlgNastKamZaznamWmv::Vytvorit(SablonaDialogu& s, const Oblast& o) {
    const wchar_t* texty[2] = {L"Použít systémový profil verze Windows Media 8:",
                               L"Použít systémový profil verze Windows media 7:"};
    short y = o.y;
    for (int i = 0; i < 2; ++i) {
        const Seznam& z = kSeznamy[i];
        Pridat(s, BS_RADIOBUTTON | WS_TABSTOP, o.x, y, 230, 10, static_cast<WORD>(z.volba), SablonaDialogu::kTlacitko,
               texty[i]);
        Pridat(s, BS_AUTOCHECKBOX | WS_TABSTOP, static_cast<short>(o.x + o.sirka - 150), y, 150, 10,
               static_cast<WORD>(z.jenVideo), SablonaDialogu::kTlacitko, L"Pouze obsahující video stream");
        Pridat(s, LBS_NOTIFY | LBS_NOINTEGRALHEIGHT | WS_VSCROLL | WS_BORDER | WS_TABSTOP, static_cast<short>(o.x + 10),
               static_cast<short>(y + 12), static_cast<short>(o.sirka - 10), 62, static_cast<WORD>(z.profily),
               SablonaDialogu::kSeznam);
        Pridat(s, SS_LEFT | SS_NOPREFIX, static_cast<short>(o.x + 10), static_cast<short>(y + 77),
               static_cast<short>(o.sirka - 10), 8, static_cast<WORD>(z.detail), SablonaDialogu::kPopisek);
        y = static_cast<short>(y + 92);
    }
    Pridat(s, BS_RADIOBUTTON | WS_TABSTOP, o.x, y, 230, 10, kIdPrx, SablonaDialogu::kTlacitko,
           L"Použít vybraný soubor profilu (*.prx)");
    y = static_cast<short>(y + 12);
    // The path's row of the table, with its browse button.
    DlgNastStrankaTabulky::Vytvorit(s, {static_cast<short>(o.x + 10), y, static_cast<short>(o.sirka - 10), 28});
    y = static_cast<short>(y + 28);
    Pridat(s, BS_PUSHBUTTON | WS_TABSTOP, static_cast<short>(o.x + 10), y, 50, 14, kIdUpravit,
           SablonaDialogu::kTlacitko, L"Upravit");
    Pridat(s, SS_LEFT | SS_NOPREFIX, static_cast<short>(o.x + 66), static_cast<short>(y + 3),
           static_cast<short>(o.sirka - 66), 8, kIdDetailPrx, SablonaDialogu::kPopisek);
    y = static_cast<short>(y + 22);
    Pridat(s, SS_LEFT | SS_NOPREFIX, o.x, y, o.sirka, 20, kIdNedostupne, SablonaDialogu::kPopisek);
}

std::wstring DlgNastKamZaznamWmv::CestaPrx() const {
    HWND edit = EditPrx();
    std::wstring text(static_cast<std::size_t>(::GetWindowTextLengthW(edit)) + 1, L'\0');
    text.resize(static_cast<std::size_t>(::GetWindowTextW(edit, text.data(), static_cast<int>(text.size()))));
    return text;
}

void DlgNastKamZaznamWmv::Naplnit() {
    DlgNastStrankaTabulky::Naplnit();
    const std::uint32_t typ = Kopie().Zobrazena(Hodnota(L"typ"));
    const std::uint32_t verze = Kopie().Zobrazena(Hodnota(L"verzeWM"));
    const std::uint32_t index = Kopie().Zobrazena(Hodnota(L"index"));
    try {
        if (!profil_) profil_ = std::make_unique<ProfilWmv>();
    } catch (...) {
        profil_.reset();
    }
    // The stored index in the list of the stored version, the first profile in the other.
    bool dostupne = profil_ != nullptr;
    for (const Seznam& s : kSeznamy) {
        ::SendMessageW(Prvek(s.jenVideo), BM_SETCHECK, BST_CHECKED, 0);
        if (dostupne) dostupne = NaplnitSeznam(s, s.verze == verze ? std::optional(index) : std::nullopt);
    }
    for (const Seznam& s : kSeznamy) {
        if (!dostupne) ::SendMessageW(Prvek(s.profily), LB_RESETCONTENT, 0, 0);
        ::EnableWindow(Prvek(s.profily), dostupne);
        ::EnableWindow(Prvek(s.jenVideo), dostupne);
        ZobrazitDetail(s);
    }
    ::SetWindowTextW(Prvek(kIdNedostupne), dostupne ? L"" : Holvent::DirectShow::kTextSystemoveProfilyNedostupne);
    // Another stored source or version chooses nothing: OK then keeps it as it is.
    int volba = 0;
    if (typ == 0) volba = kIdPrx;
    else if (typ == 1 && verze == Z::kVerzeWm8) volba = kIdVerze8;
    else if (typ == 1 && verze == Z::kVerzeWm7) volba = kIdVerze7;
    Zvolit(volba);
    ZobrazitDetailPrx();

    if (!tip_) {
        tip_ = ::CreateWindowExW(0, TOOLTIPS_CLASSW, nullptr, WS_POPUP | TTS_ALWAYSTIP, CW_USEDEFAULT, CW_USEDEFAULT,
                                 CW_USEDEFAULT, CW_USEDEFAULT, Dialog(), nullptr, nullptr, nullptr);
        TTTOOLINFOW tip{};
        tip.cbSize = sizeof tip;
        tip.uFlags = TTF_IDISHWND | TTF_SUBCLASS;
        tip.hwnd = Dialog();
        tip.uId = reinterpret_cast<UINT_PTR>(Prvek(kIdUpravit));
        tip.lpszText = const_cast<wchar_t*>(kTextUpravit);
        if (tip_) ::SendMessageW(tip_, TTM_ADDTOOLW, 0, reinterpret_cast<LPARAM>(&tip));
    }
}

bool DlgNastKamZaznamWmv::NaplnitSeznam(const Seznam& s, std::optional<std::uint32_t> index) {
    HWND seznam = Prvek(s.profily);
    std::vector<Holvent::DirectShow::PolozkaProfilu> profily;
    try {
        profily = profil_->SystemoveProfily(s.verze, ::SendMessageW(Prvek(s.jenVideo), BM_GETCHECK, 0, 0) == BST_CHECKED);
    } catch (...) {
        return false;
    }
    ::SendMessageW(seznam, LB_RESETCONTENT, 0, 0);
    for (const auto& p : profily) {
        const LRESULT i = ::SendMessageW(seznam, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(p.nazev.c_str()));
        ::SendMessageW(seznam, LB_SETITEMDATA, static_cast<WPARAM>(i), p.index);
        if (index && p.index == *index) ::SendMessageW(seznam, LB_SETCURSEL, static_cast<WPARAM>(i), 0);
    }
    if (!index && !profily.empty()) ::SendMessageW(seznam, LB_SETCURSEL, 0, 0);
    return true;
}

void DlgNastKamZaznamWmv::ZobrazitDetail(const Seznam& s) {
    std::wstring text;
    const LRESULT i = ::SendMessageW(Prvek(s.profily), LB_GETCURSEL, 0, 0);
    if (profil_ && i >= 0) {
        try {
            profil_->NacistSystemovyProfil(
                static_cast<std::uint32_t>(::SendMessageW(Prvek(s.profily), LB_GETITEMDATA, static_cast<WPARAM>(i), 0)),
                s.verze);
            text = Z::TextDetailu(profil_->Detaily());
        } catch (const Knihovna::Chyba& chyba) {
            text = chyba.Text();
        }
    }
    ::SetWindowTextW(Prvek(s.detail), text.c_str());
}

void DlgNastKamZaznamWmv::ZobrazitDetailPrx() {
    const std::wstring cesta = CestaPrx();
    std::wstring text;
    if (!cesta.empty()) {
        try {
            text = Z::TextDetailu(Holvent::DirectShow::NacistHodnotyPrx(cesta));
        } catch (const Knihovna::Chyba& chyba) {
            text = chyba.Text();
        }
    }
    ::SetWindowTextW(Prvek(kIdDetailPrx), text.c_str());
    ::EnableWindow(Prvek(kIdUpravit), !cesta.empty() && upravit_ != nullptr);
}

void DlgNastKamZaznamWmv::Zvolit(int volba) {
    for (int id : {kIdVerze8, kIdVerze7, kIdPrx})
        ::SendMessageW(Prvek(id), BM_SETCHECK, id == volba ? BST_CHECKED : BST_UNCHECKED, 0);
}

bool DlgNastKamZaznamWmv::ZpracovatPrikaz(WPARAM wp, LPARAM lp) {
    const int id = LOWORD(wp);
    const WORD kod = HIWORD(wp);
    if (id == kIdVerze8 || id == kIdVerze7 || id == kIdPrx) {
        if (kod == BN_CLICKED) {
            Zvolit(id);
            OznamitZmenu();
        }
        return true;
    }
    if (id == kIdUpravit) {
        if (kod == BN_CLICKED && upravit_) upravit_(CestaPrx());
        return true;
    }
    for (const Seznam& s : kSeznamy) {
        if (id == s.jenVideo && kod == BN_CLICKED) {
            // The list again, keeping the chosen profile when it is still listed.
            const LRESULT i = ::SendMessageW(Prvek(s.profily), LB_GETCURSEL, 0, 0);
            std::optional<std::uint32_t> index;
            if (i >= 0)
                index = static_cast<std::uint32_t>(::SendMessageW(Prvek(s.profily), LB_GETITEMDATA, static_cast<WPARAM>(i), 0));
            if (profil_) NaplnitSeznam(s, index);
            if (::SendMessageW(Prvek(s.profily), LB_GETCURSEL, 0, 0) < 0 &&
                ::SendMessageW(Prvek(s.profily), LB_GETCOUNT, 0, 0) > 0)
                ::SendMessageW(Prvek(s.profily), LB_SETCURSEL, 0, 0);
            ZobrazitDetail(s);
            return true;
        }
        if (id == s.profily) {
            if (kod == LBN_SELCHANGE) {
                Zvolit(s.volba);
                ZobrazitDetail(s);
                OznamitZmenu();
            }
            return true;
        }
        if (id == s.jenVideo || id == s.detail) return true;
    }
    const bool vysledek = DlgNastStrankaTabulky::ZpracovatPrikaz(wp, lp);
    if (kod == EN_CHANGE && reinterpret_cast<HWND>(lp) == EditPrx()) ZobrazitDetailPrx();
    return vysledek;
}

std::optional<StrankaNastaveni::Odmitnuti> DlgNastKamZaznamWmv::Prevzit() {
    if (auto o = DlgNastStrankaTabulky::Prevzit()) return o;
    if (::SendMessageW(Prvek(kIdPrx), BM_GETCHECK, 0, 0) == BST_CHECKED) {
        Kopie().Nastavit(Hodnota(L"typ"), 0);
        return std::nullopt;
    }
    for (const Seznam& s : kSeznamy) {
        if (::SendMessageW(Prvek(s.volba), BM_GETCHECK, 0, 0) != BST_CHECKED) continue;
        Kopie().Nastavit(Hodnota(L"typ"), 1);
        Kopie().Nastavit(Hodnota(L"verzeWM"), s.verze);
        // Without a listed profile (none offered) the stored index stays.
        const LRESULT i = ::SendMessageW(Prvek(s.profily), LB_GETCURSEL, 0, 0);
        if (i >= 0)
            Kopie().Nastavit(Hodnota(L"index"),
                             ::SendMessageW(Prvek(s.profily), LB_GETITEMDATA, static_cast<WPARAM>(i), 0));
    }
    return std::nullopt;
}
