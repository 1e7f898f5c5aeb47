#include "app/win/AktualizaceAplikace.h"

#include "app/PravidlaAktualizace.h"
#include "app/win/Aplikace.h"
#include "app/win/DlgAktualizaceAplikace.h"
#include "app/win/OknoHlavni.h"
#include "camera/AktivityKamery.h"
#include "knihovna/Formatovani.h"
#include "resources/IdZdroju.h"

using Knihovna::Formatovat;
namespace Pravidla = PravidlaAktualizace;

namespace {

// Abandoning waits this long for the worker; one that does not end is let go (it owns its share of the state).
constexpr std::chrono::milliseconds kLimitOpusteni(5000);

std::wstring BezMezer(const std::wstring& text) {
    const auto zacatek = text.find_first_not_of(L" \t\r\n");
    if (zacatek == std::wstring::npos) return {};
    return text.substr(zacatek, text.find_last_not_of(L" \t\r\n") - zacatek + 1);
}

// A text for one log line.
std::wstring JednaRadka(std::wstring text) {
    for (wchar_t& z : text)
        if (z == L'\r' || z == L'\n') z = L' ';
    return text;
}

}  // namespace

AktualizaceAplikace::AktualizaceAplikace() = default;

AktualizaceAplikace::~AktualizaceAplikace() { Opustit(); }

std::wstring AktualizaceAplikace::VlastniVerze() const {
    const auto& v = Aplikace::Instance().Verze();
    return Formatovat(L"%u.%u.%u.%u", v[0], v[1], v[2], v[3]);
}

void AktualizaceAplikace::PoSpusteni(HWND okno) {
    auto& app = Aplikace::Instance();
    if (app.Rezim() == RezimSpusteni::Aplikace && app.Nastaveni().hledatAktualizacePoSpusteni)
        ::SetTimer(okno, kCasovac, kZpozdeniTicheMs, nullptr);
}

bool AktualizaceAplikace::Casovac(HWND okno, UINT_PTR id) {
    if (id != kCasovac) return false;
    ::KillTimer(okno, kCasovac);
    const auto& n = Aplikace::Instance().Nastaveni();
    // The user may have switched it off meanwhile, or asked already.
    if (!n.hledatAktualizacePoSpusteni || kontrola_.Bezi() || hlasi_ || ptaSe_) return true;
    if (kontrola_.Spustit(okno, kZpravaVysledekAktualizace, n.adresaAktualizaci, n.casovyLimitAktualizaci, true))
        uzivatelska_ = false;
    return true;
}

void AktualizaceAplikace::Spustit(HWND okno) {
    if (hlasi_ || ptaSe_) {
        ::MessageBeep(MB_ICONEXCLAMATION);
        if (dialog_ && dialog_->Okno()) ::SetForegroundWindow(dialog_->Okno());
        return;
    }
    if (kontrola_.Bezi()) {
        if (uzivatelska_) {
            ::MessageBeep(MB_ICONEXCLAMATION);
            return;
        }
        // The silent check goes on as the user's: its result is shown as his.
        kontrola_.UcinitUzivatelskou();
        uzivatelska_ = true;
        ZobrazitPrubeh(okno);
        return;
    }
    const auto& n = Aplikace::Instance().Nastaveni();
    if (!kontrola_.Spustit(okno, kZpravaVysledekAktualizace, n.adresaAktualizaci, n.casovyLimitAktualizaci, false)) {
        ::MessageBeep(MB_ICONEXCLAMATION);
        return;
    }
    uzivatelska_ = true;
    ZobrazitPrubeh(okno);
}

void AktualizaceAplikace::ZobrazitPrubeh(HWND okno) {
    auto& app = Aplikace::Instance();
    const std::wstring text = app.Text(IdZdroju::kTextHledaniAktualizaci);
    if (!ikona_.Existuje()) {
        ikona_.Nastavit(okno, kIdIkony, 0);
        ikona_.NastavitZvuk(app.Nastaveni().zvuk);
        if (!ikona_.Zobrazit(app.MalaIkona(), text)) return;  // no shell to show it: the check runs without it
    }
    ikona_.Bublina(1, app.Produkt(), text);
}

void AktualizaceAplikace::Vysledek(LPARAM lp) {
    std::unique_ptr<KontrolaAktualizaci::Vysledek> vysledek(reinterpret_cast<KontrolaAktualizaci::Vysledek*>(lp));
    if (!vysledek) return;
    // The closing question decides first: on No the result is shown after it.
    if (ptaSe_) odlozeny_ = std::move(vysledek);
    else Zpracovat(std::move(vysledek));
}

void AktualizaceAplikace::Zpracovat(std::unique_ptr<KontrolaAktualizaci::Vysledek> vysledek) {
    if (ikona_.Existuje()) {
        ikona_.SkrytBublinu();
        ikona_.Odebrat();
    }
    const bool uzivatelska = std::exchange(uzivatelska_, false);
    if (!uzivatelska) {
        ZpracovatTichou(*vysledek);
        return;
    }
    auto& app = Aplikace::Instance();
    hlasi_ = true;
    struct Konec {
        AktualizaceAplikace& a;
        ~Konec() {
            a.hlasi_ = false;
            a.dialog_ = nullptr;
        }
    } konec{*this};
    if (vysledek->chyba) {
        app.HlasitChybuCom(IdZdroju::kTextChybaAktualizace, *vysledek->chyba);
        return;
    }
    DlgAktualizaceAplikace dialog(VlastniVerze(), vysledek->webovaVerze);
    dialog_ = &dialog;
    dialog.Zobrazit();
}

void AktualizaceAplikace::ZpracovatTichou(const KontrolaAktualizaci::Vysledek& vysledek) {
    auto& app = Aplikace::Instance();
    if (vysledek.chyba) {
        app.ZapsatLog(JednaRadka(app.Text(IdZdroju::kTextChybaAktualizace) + L" Chyba: " +
                                 app.PopisChybyCom(*vysledek.chyba)));
        return;
    }
    const std::wstring vlastni = VlastniVerze();
    if (!Pravidla::JeNovejsi(vysledek.webovaVerze, vlastni)) {
        app.ZapsatLog(JednaRadka(Formatovat(L"Na webu není novější verze aplikace (na webu \"%s\", spuštěná %s).",
                                            BezMezer(vysledek.webovaVerze).c_str(), vlastni.c_str())));
        return;
    }
    const std::wstring text = JednaRadka(Pravidla::TextNoveVerze(vysledek.webovaVerze));
    app.ZapsatLog(text);
    // At the main window's icon when it has one, else at an icon of its own that stays until the next check.
    OknoHlavni* okno = app.HlavniOkno();
    Knihovna::WinApi::IkonaOznamovaciOblasti* ikona = okno ? okno->Ikona() : nullptr;
    if (!ikona && okno && okno->Hwnd()) {
        ikona_.Nastavit(okno->Hwnd(), kIdIkony, 0);
        ikona_.NastavitZvuk(app.Nastaveni().zvuk);
        if (ikona_.Zobrazit(app.MalaIkona(), text)) ikona = &ikona_;
    }
    if (ikona) ikona->Bublina(1, app.Produkt(), text);
}

bool AktualizaceAplikace::PovolitZavreni(bool konecRelace) {
    if (!konecRelace) {
        if (ptaSe_ || hlasi_) {
            ::MessageBeep(MB_ICONEXCLAMATION);
            if (dialog_ && dialog_->Okno()) ::SetForegroundWindow(dialog_->Okno());
            return false;
        }
        if (kontrola_.Bezi() && uzivatelska_) {
            ptaSe_ = true;
            const bool ano = Aplikace::Instance().ZeptatSeAnoNe(IdZdroju::kTextProbihaAktualizace, false, true);
            ptaSe_ = false;
            if (!ano) {
                if (odlozeny_) Zpracovat(std::move(odlozeny_));
                return false;
            }
        }
    }
    Opustit();
    return true;
}

void AktualizaceAplikace::Opustit() {
    odlozeny_.reset();
    if (dialog_) dialog_->Zavrit();
    kontrola_.Opustit(kLimitOpusteni);
    if (ikona_.Existuje()) ikona_.Odebrat();
}

void AktualizaceAplikace::Ukoncit() { Opustit(); }
