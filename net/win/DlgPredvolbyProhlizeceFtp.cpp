#include "net/win/DlgPredvolbyProhlizeceFtp.h"

#include "app/NastaveniAplikace.h"
#include "app/TextyZprav.h"
#include "app/win/Aplikace.h"
#include "email/win/SablonaDialogu.h"
#include "ui/StrankyNastaveniProhlizeceFtp.h"
#include "ui/win/DlgNastStrankaTabulky.h"

namespace S = StrankyNastaveniProhlizeceFtp;
using N = NastaveniProhlizeceFtp;

namespace {

constexpr const wchar_t* kFiltr = L"filtrSoubory";

// The table's page with the check boxes of "filtrSoubory" below its rows.
class StrankaProhlizeceFtp final : public DlgNastStrankaTabulky {
public:
    StrankaProhlizeceFtp(const S::Stranka& s, KopieNastaveniProhlizeceFtp& kopie, int prvniId)
        : DlgNastStrankaTabulky(s, kopie, prvniId, L"povsb"), kopie_(kopie) {}

    void Vytvorit(Holvent::Email::SablonaDialogu& sablona, const Oblast& o) override {
        DlgNastStrankaTabulky::Vytvorit(sablona, o);
        using SD = Holvent::Email::SablonaDialogu;
        const short y = VolneY();
        Pridat(sablona, 0, o.x, y, o.sirka, 8, 0xFFFF, SD::kPopisek, S::Najit(N::kKlic, kFiltr)->popisek);
        Pridat(sablona, BS_CHECKBOX | WS_TABSTOP, static_cast<short>(o.x + 8), static_cast<short>(y + 12), 70, 12,
               DlgPredvolbyProhlizeceFtp::kIdObrazky, SD::kTlacitko, TextSKlavesou(S::ZaskrtnutiFiltru::Obrazky));
        Pridat(sablona, BS_CHECKBOX | WS_TABSTOP, static_cast<short>(o.x + 83), static_cast<short>(y + 12), 80, 12,
               DlgPredvolbyProhlizeceFtp::kIdVidea, SD::kTlacitko, TextSKlavesou(S::ZaskrtnutiFiltru::Videa));
        Pridat(sablona, BS_CHECKBOX | WS_TABSTOP, static_cast<short>(o.x + 168), static_cast<short>(y + 12), 90, 12,
               DlgPredvolbyProhlizeceFtp::kIdVse, SD::kTlacitko, TextSKlavesou(S::ZaskrtnutiFiltru::Vse));
    }

protected:
    short RezervaDole() const override { return 30; }

    void Naplnit() override {
        DlgNastStrankaTabulky::Naplnit();
        ObnovitFiltr();
    }

    bool ZpracovatPrikaz(WPARAM wp, LPARAM lp) override {
        const int id = LOWORD(wp);
        S::ZaskrtnutiFiltru z;
        if (id == DlgPredvolbyProhlizeceFtp::kIdObrazky) z = S::ZaskrtnutiFiltru::Obrazky;
        else if (id == DlgPredvolbyProhlizeceFtp::kIdVidea) z = S::ZaskrtnutiFiltru::Videa;
        else if (id == DlgPredvolbyProhlizeceFtp::kIdVse) z = S::ZaskrtnutiFiltru::Vse;
        else return DlgNastStrankaTabulky::ZpracovatPrikaz(wp, lp);
        if (HIWORD(wp) != BN_CLICKED) return true;
        const bool zaskrtnout = ::IsDlgButtonChecked(Dialog(), id) != BST_CHECKED;
        kopie_.NastavitFiltr(S::PoZmene(kopie_.Filtr(), z, zaskrtnout));
        ObnovitFiltr();
        OznamitZmenu();
        return true;
    }

private:
    static std::wstring TextSKlavesou(S::ZaskrtnutiFiltru z) {
        const std::wstring t = S::TextZaskrtnuti(z);
        // Access keys that the page's other rows leave free: O, V, Š.
        return z == S::ZaskrtnutiFiltru::Vse ? L"V&še" + t.substr(3) : L"&" + t;
    }

    void ObnovitFiltr() {
        const std::uint32_t filtr = kopie_.Filtr();
        for (auto [id, z] : {std::pair{DlgPredvolbyProhlizeceFtp::kIdObrazky, S::ZaskrtnutiFiltru::Obrazky},
                             std::pair{DlgPredvolbyProhlizeceFtp::kIdVidea, S::ZaskrtnutiFiltru::Videa},
                             std::pair{DlgPredvolbyProhlizeceFtp::kIdVse, S::ZaskrtnutiFiltru::Vse}}) {
            const S::StavZaskrtnuti stav = S::Zaskrtnuti(filtr, z);
            ::CheckDlgButton(Dialog(), id, stav.zaskrtnuto ? BST_CHECKED : BST_UNCHECKED);
            ::EnableWindow(Prvek(id), stav.povoleno);
        }
    }

    KopieNastaveniProhlizeceFtp& kopie_;
};

}  // namespace

KopieNastaveniProhlizeceFtp::KopieNastaveniProhlizeceFtp(const N& n) {
    Pridat(N::kKlic, kFiltr, n.filtrSoubory);
    Pridat(N::kKlic, L"nacitatAutomaticky", n.nacitatAutomaticky);
    Pridat(N::kKlic, L"pozadiObrazku", n.pozadiObrazku);
    Pridat(N::kKlic, L"shellOtevrit", n.shellOtevrit);
    Pridat(N::kKlic, L"pripojitPoSpusteni", n.pripojitPoSpusteni);
    OznacitNezmenene();
}

std::uint32_t KopieNastaveniProhlizeceFtp::Filtr() const { return std::get<std::uint32_t>(Ulozena(N::kKlic, kFiltr)); }

void KopieNastaveniProhlizeceFtp::NastavitFiltr(std::uint32_t filtr) { Pridat(N::kKlic, kFiltr, filtr); }

void KopieNastaveniProhlizeceFtp::Potvrdit(N& cil) {
    cil.filtrSoubory = Filtr();
    cil.nacitatAutomaticky = std::get<bool>(Ulozena(N::kKlic, L"nacitatAutomaticky"));
    cil.pozadiObrazku = std::get<std::uint32_t>(Ulozena(N::kKlic, L"pozadiObrazku"));
    cil.shellOtevrit = std::get<std::uint32_t>(Ulozena(N::kKlic, L"shellOtevrit"));
    cil.pripojitPoSpusteni = std::get<bool>(Ulozena(N::kKlic, L"pripojitPoSpusteni"));
    OznacitNezmenene();
}

DlgPredvolbyProhlizeceFtp::DlgPredvolbyProhlizeceFtp(N& nastaveni, std::wstring produkt)
    : DlgNastaveni(S::kTitulek, std::move(produkt)), nastaveni_(nastaveni), kopie_(nastaveni) {
    for (const S::Stranka& s : S::Stranky())
        PridatStranku(std::make_unique<StrankaProhlizeceFtp>(s, kopie_, kPrvniIdPrvku));
}

bool DlgPredvolbyProhlizeceFtp::Potvrdit() {
    kopie_.Potvrdit(nastaveni_);
    try {
        nastaveni_.Ulozit(Aplikace::Instance().Registr(), kKorenRegistru);
    } catch (const Knihovna::Chyba& chyba) {
        // The values are in effect; the user learns that they will not survive a restart.
        auto& app = Aplikace::Instance();
        app.ZobrazitChybu(TextyZprav::Chyba(L"Předvolby prohlížeče souborů na FTP nelze uložit", app.PopisChybyCom(chyba)));
    }
    return true;
}
