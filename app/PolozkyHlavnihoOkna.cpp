#include "app/PolozkyHlavnihoOkna.h"

#include <algorithm>
#include <array>

#include "resources/Obrazky.h"

namespace PolozkyHlavnihoOkna {

namespace {

constexpr Polozka kOddelovac{0, nullptr, 0};

constexpr std::array kHlavni{Polozka{0, L"&Aplikace", kMenuAplikace}, Polozka{0, L"&Kamery", kMenuKameryLista}};

constexpr std::array kAplikace{Polozka{40019, L"Skrýt okno", 0}, Polozka{40001, L"&Konec", 0}};

// The camera commands, shared by the menu bar and the camera list's context menu.
constexpr std::array kKamery{Polozka{40011, L"&Zapnout vybranou\tF5", 0},
                             Polozka{40112, L"Spustit v samostatném p&rocesu", 0},
                             kOddelovac,
                             Polozka{40012, L"&Přidat kameru\tCtrl+Insert", 0},
                             Polozka{40013, L"O&debrat kameru\tDelete", 0},
                             Polozka{40014, L"Pře&jmenovat kameru\tF2", 0},
                             kOddelovac,
                             Polozka{40015, L"Nastavit jako &výchozí kameru", 0},
                             kOddelovac,
                             Polozka{40016, L"Vytvořit výchozí &seznam kamer...", 0}};

constexpr std::array kNapoveda{Polozka{40003, L"&Webové stránky", 0}, Polozka{40004, L"&Technická podpora", 0},
                               Polozka{40005, L"Vyhledat &aktualizace", 0}, kOddelovac,
                               Polozka{40006, L"&O aplikaci", 0}};

constexpr std::array kIkony{Polozka{40017, L"Zobrazit &okno", 0},
                            Polozka{40018, L"&Kamery", kMenuSeznamKamer},
                            Polozka{40103, L"Nás&troje", kMenuNastroje},
                            kOddelovac,
                            Polozka{40002, L"Před&volby", 0},
                            kOddelovac,
                            Polozka{40007, L"Nápověda", 0},
                            kOddelovac,
                            Polozka{40001, L"&Konec", 0}};

constexpr std::array kPredvolby{Polozka{40002, L"Před&volby", 0}, kOddelovac, Polozka{40071, L"&FTP místa", 0},
                                Polozka{40010, L"&Email", 0}};

constexpr std::array kNastroje{Polozka{40063, L"Síťový &ovladač", 0},
                               Polozka{40064, L"&Příjem dálkového ovládání", 0},
                               Polozka{40086, L"Přehrávač &videa", 0},
                               Polozka{40102, L"&Editor obrázků", 0},
                               Polozka{40065, L"Prohlížeč &FTP", 0},
                               Polozka{40081, L"Editor konfigurací &záznamu videa", 0},
                               kOddelovac,
                               Polozka{0, L"&Spustit jako samostaný proces", kMenuProcesy}};

constexpr std::array kProcesy{Polozka{40113, L"&Editor obrázků", 0}, Polozka{40114, L"Přehrávač &videa", 0},
                              Polozka{40115, L"Prohlížeč &FTP", 0}, Polozka{40116, L"&Dálkový ovladač", 0}};

// Images of the shared strip: 0 exit, 1 settings, 10 the camera switch (the thumbnail buttons use the same).
namespace O = Obrazky;
constexpr std::array kPanel{Tlacitko{40011, O::kZapnoutKameru, 0}, Tlacitko{40012, O::kPridatKameru, 0},
                            Tlacitko{40013, O::kOdebratKameru, 0}, Tlacitko{0, 0, 0},
                            Tlacitko{40002, O::kPredvolby, 119},   Tlacitko{40103, O::kNastroje, 182},
                            Tlacitko{40006, O::kOAplikaci, 105},   Tlacitko{0, 0, 0},
                            Tlacitko{40001, O::kKonec, 0}};

constexpr std::array kNahled{TlacitkoNahledu{40011, O::kZapnoutKameru}, TlacitkoNahledu{40002, O::kPredvolby},
                             TlacitkoNahledu{40001, O::kKonec}};

}  // namespace

std::span<const Polozka> Menu(std::uint32_t id) {
    switch (id) {
    case kMenuHlavni: return kHlavni;
    case kMenuAplikace: return kAplikace;
    case kMenuKameryLista:
    case kMenuKamery: return kKamery;
    case kMenuNapoveda: return kNapoveda;
    case kMenuIkony: return kIkony;
    case kMenuPredvolby: return kPredvolby;
    case kMenuNastroje: return kNastroje;
    case kMenuProcesy: return kProcesy;
    }
    return {};
}

std::span<const Tlacitko> Panel() { return kPanel; }
std::span<const TlacitkoNahledu> TlacitkaNahledu() { return kNahled; }

std::vector<std::uint32_t> VsechnyPrikazy() {
    std::vector<std::uint32_t> prikazy;
    auto pridat = [&](std::uint32_t p) {
        if (p != 0 && std::find(prikazy.begin(), prikazy.end(), p) == prikazy.end()) prikazy.push_back(p);
    };
    for (std::uint32_t menu : {kMenuHlavni, kMenuAplikace, kMenuKamery, kMenuNapoveda, kMenuIkony, kMenuPredvolby,
                               kMenuNastroje, kMenuProcesy})
        for (const Polozka& p : Menu(menu)) pridat(p.prikaz);
    for (const Tlacitko& t : kPanel) pridat(t.prikaz);
    for (const TlacitkoNahledu& t : kNahled) pridat(t.prikaz);
    return prikazy;
}

bool NedostupnyPrikaz(std::uint32_t prikaz) {
    switch (prikaz) {
    case 40007:  // help
        return true;
    }
    return false;
}

}  // namespace PolozkyHlavnihoOkna
