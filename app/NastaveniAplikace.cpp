#include "app/NastaveniAplikace.h"

#include <algorithm>

#include "knihovna/RegistrKlic.h"
#include "ui/StrankyNastaveniAplikace.h"

using namespace Knihovna;

const std::vector<NastaveniAplikace::Polozka>& NastaveniAplikace::Polozky() {
    using N = NastaveniAplikace;
    static const std::vector<Polozka> polozky = {
        {L"", L"jednaInstance", &N::jednaInstance},
        {L"", L"oznamovaciIkona", &N::oznamovaciIkona},
        {L"", L"processPriority", &N::processPriority},
        {L"", L"skrytyRezim", &N::skrytyRezim},
        {L"", L"slozkaData", &N::slozkaData},
        {L"", L"vychoziTervik", &N::vychoziTervik},
        {L"", L"zvuk", &N::zvuk},
        {L"Dalkove ovladani", L"odesilatZpravuOvladaci", &N::odesilatZpravuOvladaci},
        {L"Dalkove ovladani", L"portPrijem", &N::portPrijem},
        {L"Dalkove ovladani", L"povoleneAdresy", &N::povoleneAdresy},
        {L"Logovani", L"spusteni", &N::logSpusteni},
        {L"Logovani", L"spusteniPrijemSitOvl", &N::logSpusteniPrijemSitOvl},
        {L"Logovani", L"ukonceni", &N::logUkonceni},
        {L"Logovani", L"ukonceniPrijemSitOvl", &N::logUkonceniPrijemSitOvl},
        {L"Po spusteni", L"prijemDalkovehoOvladani", &N::prijemDalkovehoOvladani},
        {L"Po spusteni", L"sitovyOvladac", &N::sitovyOvladac},
        {L"Po spusteni", L"skrytOkno", &N::skrytOkno},
        {L"Promitani obrazku", L"barvaPozadi", &N::barvaPozadi},
        {L"Promitani obrazku", L"cyklickyOpakovat", &N::cyklickyOpakovat},
        {L"Promitani obrazku", L"interval", &N::interval},
        {L"Sitovy ovladac", L"ipAdresa", &N::ipAdresa},
        {L"Sitovy ovladac", L"nacistPocitaceLan", &N::nacistPocitaceLan},
        {L"Sitovy ovladac", L"port", &N::port},
        {L"Logovani\\Soubor", L"maxVelikost", &N::maxVelikost},
        {L"Vzhled", L"menuBitmapy", &N::menuBitmapy},
        {L"Vzhled", L"menuZaskrtnutiNeboBitmapa", &N::menuZaskrtnutiNeboBitmapa},
        {L"Zapis udalosti", L"spusteni", &N::udalostSpusteni},
        {L"Zapis udalosti", L"spusteniPrijemSitOvl", &N::udalostSpusteniPrijemSitOvl},
        {L"Zapis udalosti", L"ukonceni", &N::udalostUkonceni},
        {L"Zapis udalosti", L"ukonceniPrijemSitOvl", &N::udalostUkonceniPrijemSitOvl},
        {L"Aktualizace", L"adresa", &N::adresaAktualizaci},
        {L"Aktualizace", L"hledatPoSpusteni", &N::hledatAktualizacePoSpusteni},
        {L"Aktualizace", L"casovyLimit", &N::casovyLimitAktualizaci},
    };
    return polozky;
}

void NastaveniAplikace::NastavitVychozi(const std::wstring& slozkaDokumentu, std::uint32_t kodVerze) {
    std::lock_guard<std::mutex> z(zamek_);
    jednaInstance = true;
    oznamovaciIkona = 2;
    processPriority = 0x20;
    skrytyRezim = false;
    slozkaData = slozkaDokumentu + L"\\Tervik 4.8";
    vychoziTervik.clear();
    zvuk = true;
    odesilatZpravuOvladaci = 1;
    portPrijem = 8124;
    povoleneAdresy.clear();
    logSpusteni = logSpusteniPrijemSitOvl = logUkonceni = logUkonceniPrijemSitOvl = false;
    prijemDalkovehoOvladani = sitovyOvladac = skrytOkno = false;
    barvaPozadi = 0;
    cyklickyOpakovat = false;
    interval = 5000;
    ipAdresa = L"127.0.0.1";
    nacistPocitaceLan = false;
    port = 8124;
    maxVelikost = 2000000;
    menuBitmapy = menuZaskrtnutiNeboBitmapa = false;
    udalostSpusteni = udalostSpusteniPrijemSitOvl = udalostUkonceni = udalostUkonceniPrijemSitOvl = false;
    adresaAktualizaci.clear();
    hledatAktualizacePoSpusteni = true;
    casovyLimitAktualizaci = 20;
    casovyLimitKamery = 10000;
    casovyLimitPromitani = 5000;
    casovyLimitNastroje = 5000;
    vista = kodVerze > 0x05FF;
    horkeKlavesy.NastavitVychozi();
}

namespace {

void CistPolozku(RegistrKlic& klic, NastaveniAplikace& n, const NastaveniAplikace::Polozka& p,
                 std::vector<std::wstring>* upozorneni) {
    std::visit(
        [&](auto pole) {
            using T = std::remove_reference_t<decltype(n.*pole)>;
            if constexpr (std::is_same_v<T, bool>) {
                klic.CistPriznak(p.jmeno, n.*pole);
            } else if constexpr (std::is_same_v<T, std::uint32_t>) {
                // A number no dialog could have stored (a priority SetPriorityClass refuses, a port of 0) keeps
                // the default, which stands even where the dialog would not offer it.
                std::uint32_t ulozena = n.*pole;
                if (klic.CistCislo(p.jmeno, ulozena) != 0) return;
                if (ulozena == n.*pole || StrankyNastaveniAplikace::HodnotaPripustna(p.klic, p.jmeno, ulozena))
                    n.*pole = ulozena;
                else if (upozorneni)
                    upozorneni->push_back(TextMimoRozsah(klic.CestaOtevreneho(), p.jmeno, ulozena, n.*pole));
            } else {
                klic.CistText(p.jmeno, n.*pole);
            }
        },
        p.pole);
}

void ZapsatPolozku(RegistrKlic& klic, const NastaveniAplikace& n, const NastaveniAplikace::Polozka& p) {
    std::visit(
        [&](auto pole) {
            using T = std::remove_cvref_t<decltype(n.*pole)>;
            if constexpr (std::is_same_v<T, bool>) klic.ZapsatPriznak(p.jmeno, n.*pole);
            else if constexpr (std::is_same_v<T, std::uint32_t>) klic.ZapsatCislo(p.jmeno, n.*pole);
            else klic.ZapsatText(p.jmeno, n.*pole);
        },
        p.pole);
}

}  // namespace

std::vector<Chyba> NastaveniAplikace::Nacist(Registr& registr, const std::wstring& koren,
                                             std::vector<std::wstring>* upozorneni) {
    std::lock_guard<std::mutex> z(zamek_);
    std::vector<Chyba> chyby;
    RegistrKlic klic(registr, koren);
    try {
        if (!klic.ZkusitOtevritCteni()) return chyby;  // first run: defaults, nothing reported
    } catch (const Chyba& c) {
        chyby.push_back(c);
        return chyby;
    }
    // Values are grouped by key in the table, the root first; each key is opened once.
    std::wstring otevreny;
    bool klicExistuje = true;
    for (const auto& p : Polozky()) {
        if (otevreny != p.klic) {
            otevreny = p.klic;
            try {
                klicExistuje = klic.ZkusitOtevritCteni(otevreny);
            } catch (const Chyba& c) {
                chyby.push_back(c);
                klicExistuje = false;
            }
        }
        if (!klicExistuje) continue;
        try {
            CistPolozku(klic, *this, p, upozorneni);
        } catch (const Chyba& c) {
            chyby.push_back(c);
        }
    }
    try {
        klic.Zavrit();
        horkeKlavesy.Nacist(registr, koren, chyby);
    } catch (const Chyba& c) {
        chyby.push_back(c);
    }
    return chyby;
}

void NastaveniAplikace::Ulozit(Registr& registr, const std::wstring& koren) {
    std::lock_guard<std::mutex> z(zamek_);
    RegistrKlic klic(registr, koren);
    klic.OtevritZapis();
    std::wstring otevreny;
    for (const auto& p : Polozky()) {
        if (otevreny != p.klic) {
            otevreny = p.klic;
            klic.OtevritZapis(otevreny);
        }
        ZapsatPolozku(klic, *this, p);
    }
    klic.Zavrit();
    horkeKlavesy.Ulozit(registr, koren);
}

void NastaveniAplikace::UlozitHodnoty(Registr& registr, const std::wstring& klic,
                                      std::initializer_list<std::wstring_view> jmena, const std::wstring& koren) {
    std::lock_guard<std::mutex> z(zamek_);
    RegistrKlic k(registr, koren);
    k.OtevritZapis(klic);
    for (const auto& p : Polozky())
        if (klic == p.klic && std::find(jmena.begin(), jmena.end(), std::wstring_view(p.jmeno)) != jmena.end())
            ZapsatPolozku(k, *this, p);
    k.Zavrit();
}
