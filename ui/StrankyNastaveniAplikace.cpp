#include "ui/StrankyNastaveniAplikace.h"

#include <array>

#include "app/NastaveniAplikace.h"
#include "app/PravidlaAktualizace.h"
#include "net/KlientDalkovehoOvladani.h"

namespace StrankyNastaveniAplikace {

namespace {

using O = Ovladac;

constexpr std::array kMoznostiIkony{Moznost{L"Zobrazovat vždy", 2}, Moznost{L"Zobrazit pouze při minimalizaci okna", 1},
                                    Moznost{L"Nezobrazovat", 0}};

constexpr std::array<Moznost, kPriorityProcesu.size()> MoznostiPriority() {
    std::array<Moznost, kPriorityProcesu.size()> m{};
    for (std::size_t i = 0; i < m.size(); ++i) m[i] = {kPriorityProcesu[i].text, kPriorityProcesu[i].hodnota};
    return m;
}
constexpr auto kMoznostiPriority = MoznostiPriority();

// The controller connects to a dotted IPv4 address only.
std::optional<std::wstring> KontrolaIpAdresy(const std::wstring& text) {
    using Holvent::Ovladac::KlientDalkovehoOvladani;
    if (KlientDalkovehoOvladani::JeAdresaIpv4(text)) return std::nullopt;
    return KlientDalkovehoOvladani::TextSelhani(Holvent::Ovladac::Selhani::NeplatnaAdresa);
}

constexpr std::array kOdpovediOvladaci{Moznost{L"Neodesílat", 0}, Moznost{L"Odesílat", 1}};

constexpr std::array kVseobecne{
    Hodnota{L"", L"jednaInstance", L"Nepovolit opakované spuštění aplikace pokud tato právě běží", O::Zaskrtnuti},
    Hodnota{L"", L"oznamovaciIkona", L"Ikona v oznamovací oblasti:", O::Vyber, 0, 0, 1, kMoznostiIkony},
    Hodnota{L"", L"processPriority", L"Priorita procesu:", O::Vyber, 0, 0, 1, kMoznostiPriority},
    Hodnota{L"", L"skrytyRezim",
            L"Skrytý režim - při minimalizaci nezobrazovat ikonu na hl. panelu a potlačit další zprávy", O::Zaskrtnuti},
    Hodnota{L"", L"slozkaData", L"Složka pro data aplikace:", O::Slozka},
    Hodnota{L"", L"zvuk", L"Zvuková signalizace některých událostí a zpráv", O::Zaskrtnuti},
};

constexpr std::array kPoSpusteni{
    Hodnota{L"Po spusteni", L"skrytOkno", L"Po spuštění aplikace skrýt hlavní okno do oznamovací oblasti", O::Zaskrtnuti},
    Hodnota{L"Po spusteni", L"prijemDalkovehoOvladani", L"Spustit příjem síťového ovládání", O::Zaskrtnuti},
    Hodnota{L"Po spusteni", L"sitovyOvladac", L"Spustit nástroj \"Síťový ovladač\"", O::Zaskrtnuti},
};

constexpr std::array kDalkoveOvladani{
    Hodnota{L"Dalkove ovladani", L"portPrijem", L"Port pro příjem:", O::Cislo, kRozsahPortu.min, kRozsahPortu.max},
    Hodnota{L"Dalkove ovladani", L"povoleneAdresy",
            L"Povolené adresy řídících počítačů (např. 192.168.1.0/24; 10.0.0.5; prázdné = všechny):", O::Text},
    Hodnota{L"Dalkove ovladani", L"odesilatZpravuOvladaci",
            L"Odesílat řídícímu počítači zpět zprávy o provedení povelů", O::Vyber, 0, 0, 1, kOdpovediOvladaci},
};

constexpr std::array kPromitani{
    Hodnota{L"Promitani obrazku", L"interval", L"Interval zobrazení obrázku (sekundy):", O::Cislo,
            kRozsahIntervaluPromitani.min, kRozsahIntervaluPromitani.max, 1000},
    Hodnota{L"Promitani obrazku", L"cyklickyOpakovat",
            L"Prezentaci cyklicky opakovat až do stisknutí klávesy <Escape>", O::Zaskrtnuti},
    Hodnota{L"Promitani obrazku", L"barvaPozadi", L"Barva pozadí:", O::Barva},
};

constexpr std::array kSitovyOvladac{
    Hodnota{.klic = L"Sitovy ovladac", .jmeno = L"ipAdresa", .popisek = L"IP adresa řízeného počítače:",
            .ovladac = O::Text, .kontrolaTextu = KontrolaIpAdresy},
    Hodnota{L"Sitovy ovladac", L"port", L"Port:", O::Cislo, kRozsahPortu.min, kRozsahPortu.max},
    Hodnota{L"Sitovy ovladac", L"nacistPocitaceLan",
            L"Po spuštění ovladače automaticky spustit vyhledání počítačů v síti LAN", O::Zaskrtnuti},
};

constexpr std::array kVzhled{
    Hodnota{L"Vzhled", L"menuBitmapy", L"Zobrazovat v nabídkách ikony", O::Zaskrtnuti},
    Hodnota{L"Vzhled", L"menuZaskrtnutiNeboBitmapa", L"U zaškrtnutých položek nabídek zobrazovat ikonu místo zaškrtnutí",
            O::Zaskrtnuti},
};

constexpr std::array kZaznam{
    Hodnota{L"Logovani", L"spusteni", L"Do souboru: Spuštění aplikace", O::Zaskrtnuti},
    Hodnota{L"Logovani", L"ukonceni", L"Do souboru: Ukončení aplikace", O::Zaskrtnuti},
    Hodnota{L"Logovani", L"spusteniPrijemSitOvl", L"Do souboru: Spuštění příjmu dálkového ovládání přes síť LAN",
            O::Zaskrtnuti},
    Hodnota{L"Logovani", L"ukonceniPrijemSitOvl",
            L"Do souboru: Ukončení příjmu dálkového ovládání aplikace přes síť LAN", O::Zaskrtnuti},
    Hodnota{L"Logovani\\Soubor", L"maxVelikost", L"Maximální velikost souboru (bajty):", O::Cislo,
            kRozsahVelikostiLogu.min, kRozsahVelikostiLogu.max},
    Hodnota{L"Zapis udalosti", L"spusteni", L"Do protokolu Windows: Spuštění aplikace", O::Zaskrtnuti},
    Hodnota{L"Zapis udalosti", L"ukonceni", L"Do protokolu Windows: Ukončení aplikace", O::Zaskrtnuti},
    Hodnota{L"Zapis udalosti", L"spusteniPrijemSitOvl",
            L"Do protokolu Windows: Spuštění příjmu dálkového ovládání přes síť LAN", O::Zaskrtnuti},
    Hodnota{L"Zapis udalosti", L"ukonceniPrijemSitOvl",
            L"Do protokolu Windows: Ukončení příjmu dálkového ovládání aplikace přes síť LAN", O::Zaskrtnuti},
};

constexpr std::array kAktualizace{
    Hodnota{L"Aktualizace", L"hledatPoSpusteni", L"Po spuštění aplikace vyhledat na webu novou verzi", O::Zaskrtnuti},
    Hodnota{.klic = L"Aktualizace", .jmeno = L"adresa",
            .popisek = L"Adresa souboru s číslem nejnovější verze (prázdné = výchozí adresa výrobce):", .ovladac = O::Text,
            .kontrolaTextu = PravidlaAktualizace::KontrolaAdresy},
    Hodnota{L"Aktualizace", L"casovyLimit", L"Časový limit vyhledávání (sekundy):", O::Cislo,
            kRozsahCasovehoLimituAktualizaci.min, kRozsahCasovehoLimituAktualizaci.max},
};

constexpr std::array kStranky{
    Stranka{L"Všeobecné", kVseobecne},           Stranka{L"Po spuštění", kPoSpusteni},
    Stranka{L"Dálkové ovládání", kDalkoveOvladani}, Stranka{L"Promítání obrázků", kPromitani},
    Stranka{L"Síťový ovladač", kSitovyOvladac},  Stranka{L"Vzhled", kVzhled},
    Stranka{kStrankaZaznamu, kZaznam},           Stranka{L"Aktualizace", kAktualizace},
};

}  // namespace

std::span<const Stranka> Stranky() { return kStranky; }

const Hodnota* Najit(const std::wstring& klic, const std::wstring& jmeno) { return ModelStranky::Najit(kStranky, klic, jmeno); }

bool HodnotaPripustna(const std::wstring& klic, const std::wstring& jmeno, std::uint32_t hodnota) {
    const Hodnota* h = Najit(klic, jmeno);
    return !h || ModelStranky::Pripustna(*h, hodnota);
}

}  // namespace StrankyNastaveniAplikace
