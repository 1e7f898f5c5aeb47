#include "ui/StrankyNastaveniKamery.h"

#include <array>
#include <deque>
#include <limits>
#include <string_view>
#include <vector>

#include "camera/ParametryKamery.h"
#include "knihovna/AdresaServeru.h"
#include "knihovna/Chyba.h"
#include "net/StrankaHtml.h"
#include "video/KoderyObrazu.h"

namespace StrankyNastaveniKamery {

namespace {

using O = Ovladac;

constexpr std::uint32_t kBezHorniMeze = std::numeric_limits<std::uint32_t>::max();

constexpr std::array kMoznostiIkony{Moznost{L"Zobrazovat vždy", 2}, Moznost{L"Zobrazit pouze při minimalizaci okna", 1},
                                    Moznost{L"Nezobrazovat", 0}};
constexpr std::array kMoznostiTitulku{Moznost{L"Plný titulek", 0}, Moznost{L"Úzký titulek", 1},
                                      Moznost{L"Bez titulku", 2}};

constexpr std::array kMoznostiOtevritKdy{
    Moznost{L"Neotevírat", 0}, Moznost{L"Pouze při ručním uložení", 1},
    Moznost{L"Pouze při automatickém uložení", 2}, Moznost{L"Každý uložený snímek", 3}};
constexpr std::array kMoznostiOtevritCim{
    Moznost{L"Vlastním interním editorem snímků", 11},
    Moznost{L"Výchozí aplikací pro otevření daného typu souboru", 0},
    Moznost{L"Výchozí aplikací pro úpravu daného typu souboru", 1}};
// The platform's show-window codes.
constexpr std::array kMoznostiOtevritJak{Moznost{L"V normálním okně", 5}, Moznost{L"V maximalizovaném okně", 3},
                                         Moznost{L"V minimalizovaném okně", 6}};
constexpr std::array kMoznostiTlacitka{Moznost{L"Uložit snímek na disk", 40046},
                                       Moznost{L"Zapnout/vypnout automatické ukládání snímků", 40039}};
constexpr std::array kMoznostiTlacitkaEmailu{
    Moznost{L"Odeslat aktuální snímek emailem", 40053},
    Moznost{L"Zapnout/vypnout automatické odesílání snímků emailem", 40041}};
constexpr std::array kMoznostiTlacitkaFtp{
    Moznost{L"Odeslat aktuální snímek na FTP server", 40052},
    Moznost{L"Zapnout/vypnout automatické odesílání snímků na FTP server", 40040}};
constexpr std::array kMoznostiFormatuZaznamu{Moznost{L"AVI", 0}, Moznost{L"WMV (Windows Media Video)", 1}};
constexpr std::array kMoznostiTlacitkaZaznamu{Moznost{L"Spustit/ukončit záznam videa", 40055},
                                              Moznost{L"Otevřít složku se záznamy", 40057}};
constexpr std::array kMoznostiZprav{Moznost{L"Nezobrazovat žádné zprávy", 0},
                                    Moznost{L"Zobrazovat pouze chybová hlášení", 1},
                                    Moznost{L"Zobrazovat všechny typy zpráv", 2}};
constexpr std::array kMoznostiJmen{Moznost{L"Zvolené jméno souboru + číslování", 0},
                                   Moznost{L"Datum a čas snímku s rozlišením na celé sekundy", 1},
                                   Moznost{L"Datum a čas snímku s rozlišením na milisekundy", 2}};

// The format's texts are the encoder table's, in its order, so "format" indexes both alike.
constexpr auto MoznostiFormatu() {
    std::array<Moznost, Holvent::DirectShow::kKoderyObrazu.size()> m{};
    for (std::size_t i = 0; i < m.size(); ++i)
        m[i] = {Holvent::DirectShow::kKoderyObrazu[i].nazev, static_cast<std::uint32_t>(i)};
    return m;
}
constexpr auto kMoznostiFormatu = MoznostiFormatu();

constexpr std::array kMoznostiOtoceni{Moznost{L"Neotáčet snímek", 0},
                                      Moznost{L"Otočit vpravo o 90 stupňů (pravý úhel)", 90},
                                      Moznost{L"Otočit o 180 stupňů", 180},
                                      Moznost{L"Otočit vlevo o 90 stupňů (pravý úhel)", 270}};
constexpr std::array kMoznostiKdeObrazku{Moznost{L"Vlevo nahoru", 22}, Moznost{L"Vlevo dolů", 21},
                                         Moznost{L"Vpravo nahoru", 24}, Moznost{L"Vpravo dolů", 23},
                                         Moznost{L"Do snímku uprostřed", 3}};
constexpr std::array kMoznostiKdeTextu{
    Moznost{L"Do vlastního pruhu dolů", 11},          Moznost{L"Dolů do snímku", 1},
    Moznost{L"Do vlastního pruhu nahoru", 12},        Moznost{L"Nahoru do snímku", 2},
    Moznost{L"Do vlastního svislého pruhu vlevo", 13}, Moznost{L"Do vlastního svislého pruhu vpravo", 14},
    Moznost{L"Do snímku uprostřed", 3}};
// Bit 1 by hand, bit 2 automatic.
constexpr std::array kMoznostiKdy{Moznost{L"Zapisovat vždy do každého snímku", 3},
                                  Moznost{L"Zapisovat pouze při ručním vyvolání snímku", 1},
                                  Moznost{L"Zapisovat pouze při automatickém (časovaném) uložení snímku", 2},
                                  Moznost{L"Nezapisovat nikdy", 0}};
constexpr std::array kMoznostiCo{Moznost{L"Nezapisovat nic", 0}, Moznost{L"Čas", 1}, Moznost{L"Vlastní text", 2}};

struct Udalost {
    const wchar_t* jmeno;
    const wchar_t* text;
};
// The 20 switches in their stored order.
constexpr std::array<Udalost, 20> kUdalosti{{
    {L"snimekEmail", L"Odeslání snímku emailem"},
    {L"snimekEmailChyba", L"Chyba při odesílání snímku emailem"},
    {L"snimekFtp", L"Odeslání snímku na FTP server"},
    {L"snimekFtpChyba", L"Chyba při odesílání snímku na FTP server"},
    {L"snimekServerHttp", L"Odeslání snímku HTTP serverem"},
    {L"snimekServerHttpChyba", L"Chyba při odesílání snímku HTTP serverem"},
    {L"spusteni", L"Zapnutí kamery"},
    {L"spusteniSnimkovaniDisk", L"Spuštění automatického ukládání snímků na disk"},
    {L"spusteniSnimkovaniEmail", L"Spuštění automatického odesílání snímků emailem"},
    {L"spusteniSnimkovaniFtp", L"Spuštění automatického odesílání snímků na FTP server"},
    {L"spusteniZaznamuVidea", L"Spuštění záznamu videa"},
    {L"spusteniZaznamuVideaDP", L"Spuštění záznamu videa při detekci pohybu"},
    {L"ukonceni", L"Vypnutí kamery"},
    {L"ukonceniSnimkovaniDisk", L"Ukončení automatického ukládání snímků na disk"},
    {L"ukonceniSnimkovaniEmail", L"Ukončení automatického odesílání snímků emailem"},
    {L"ukonceniSnimkovaniFtp", L"Ukončení automatického odesílání snímků na FTP server"},
    {L"ukonceniZaznamuVidea", L"Ukončení záznamu videa"},
    {L"ukonceniZaznamuVideaDP", L"Ukončení záznamu videa spuštěného detekcí pohybu"},
    {L"vypnutiVidea", L"Vypnutí videa"},
    {L"zapnutiVidea", L"Zapnutí videa"},
}};

// The blocks that have a page: the owner's key, the page's name and the page it stands under. The server's
// snapshots are always JPEG and always get their overlays: its page has no format and no "kdy".
struct BlokSnimku {
    const wchar_t* vlastnik;
    const wchar_t* nazev;
    const wchar_t* rodic;
    bool sFormatemAKdy = true;
};
constexpr const wchar_t* kStrankaDisku = L"Snímky na disk";
constexpr const wchar_t* kStrankaPohybu = L"Detekce pohybu";
constexpr const wchar_t* kStrankaServeru = L"HTTP server";
constexpr std::array kBloky{BlokSnimku{L"Snimky disk", L"Snímek na disk", kStrankaDisku},
                            BlokSnimku{L"Detekce pohybu\\Disk", L"Snímek při pohybu", kStrankaPohybu},
                            BlokSnimku{L"Snimky email", L"Snímek emailem", kStrankaEmailu},
                            BlokSnimku{L"Snimky FTP", L"Snímek na FTP", kStrankaFtp},
                            BlokSnimku{L"HTTP server", L"Snímek pro HTTP server", kStrankaServeru, false}};

// What a failed automatic delivery does ("akcePriChybe"), the same bits for e-mail and FTP.
constexpr const wchar_t* kNadpisAkci = L"Při chybě automatického odesílání:";
constexpr const wchar_t* kTextAkce1 = L"Ukončit probíhající automatické odesílání";
constexpr const wchar_t* kTextAkce2 = L"Zrušit spuštění automatického odesílání po zapnutí kamery";
constexpr const wchar_t* kTextAkce4 = L"Zrušit zapnutí této kamery při spuštění aplikace";

Hodnota Prepinac(const wchar_t* klic, const wchar_t* jmeno, const wchar_t* popisek) {
    return {.klic = klic, .jmeno = jmeno, .popisek = popisek, .ovladac = O::Zaskrtnuti};
}

Hodnota Bit(const wchar_t* klic, const wchar_t* jmeno, const wchar_t* popisek, std::uint32_t bit) {
    return {.klic = klic, .jmeno = jmeno, .popisek = popisek, .ovladac = O::Zaskrtnuti, .bit = bit};
}

Hodnota Vyber(const wchar_t* klic, const wchar_t* jmeno, const wchar_t* popisek, std::span<const Moznost> moznosti) {
    return {.klic = klic, .jmeno = jmeno, .popisek = popisek, .ovladac = O::Vyber, .moznosti = moznosti};
}

Hodnota Jiny(const wchar_t* klic, const wchar_t* jmeno, const wchar_t* popisek, Ovladac ovladac) {
    return {.klic = klic, .jmeno = jmeno, .popisek = popisek, .ovladac = ovladac};
}

// A number whose range the camera record gives (rozsahKlic is "Snimek..." for a block's value).
Hodnota Cislo(const wchar_t* klic, const wchar_t* jmeno, const wchar_t* popisek, const wchar_t* rozsahKlic = nullptr,
              Ovladac ovladac = O::Cislo) {
    const RozsahParametru* r = NajitRozsah(rozsahKlic ? rozsahKlic : klic, jmeno);
    if (!r) throw Knihovna::Chyba(Knihovna::kE_INVALIDARG, std::wstring(L"Hodnota nemá rozsah: ") + jmeno);
    return {.klic = klic, .jmeno = jmeno, .popisek = popisek, .ovladac = ovladac, .min = r->min, .max = r->max};
}

Hodnota VlastniRozsah(Hodnota h, std::uint32_t min, std::uint32_t max) {
    h.ovladac = O::Cislo;
    h.min = min;
    h.max = max;
    return h;
}

// A number chosen as one of the program's images.
Hodnota Obrazek(Hodnota h) {
    h.ovladac = O::Ikona;
    return h;
}

Hodnota VyceradkovyText(const wchar_t* klic, const wchar_t* jmeno, const wchar_t* popisek, std::uint32_t radku) {
    return {.klic = klic, .jmeno = jmeno, .popisek = popisek, .ovladac = O::VyceradkovyText, .radku = radku};
}

Hodnota SKontrolou(Hodnota h, std::optional<std::wstring> (*kontrola)(const std::wstring&)) {
    h.kontrolaTextu = kontrola;
    return h;
}

Hodnota SNadpisem(Hodnota h, const wchar_t* nadpis) {
    h.nadpis = nadpis;
    return h;
}

// The three reactions to a failed automatic delivery, bit by bit, under their heading.
std::vector<Hodnota> AkcePriChybe(const wchar_t* klic) {
    return {SNadpisem(Bit(klic, L"akcePriChybe", kTextAkce1, 1), kNadpisAkci), Bit(klic, L"akcePriChybe", kTextAkce2, 2),
            Bit(klic, L"akcePriChybe", kTextAkce4, 4)};
}

Hodnota SVysvetlivkou(Hodnota h, const wchar_t* vysvetlivka, std::uint32_t delitel) {
    h.vysvetlivka = vysvetlivka;
    h.delitelVysvetlivky = delitel;
    return h;
}

constexpr const wchar_t* kNadpisUklidu = L"Jen soubory této kamery, nejstarší první; nejnovější ve složce zůstává.";
constexpr const wchar_t* kTextMilisekund = L"milisekund - tj. %d.%d sekund";
constexpr const wchar_t* kTextProcent = L"tj. %d.%d procent";
constexpr const wchar_t* kKlicFtpUmisteni = L"Snimky FTP\\FTP umisteni";
constexpr const wchar_t* kKlicProfilu = L"Zaznam videa\\WMV\\Profil";

// The texts of a naming page (snapshots and recordings name their files alike).
struct TextyPojmenovani {
    const wchar_t *vytvJmena, *jmeno, *pocetMistCisla, *maxPocetSouboru, *prepisovatStare;
};

std::vector<Hodnota> Pojmenovani(const wchar_t* klic, const TextyPojmenovani& t) {
    return {Vyber(klic, L"vytvJmena", t.vytvJmena, kMoznostiJmen), Jiny(klic, L"jmeno", t.jmeno, O::Text),
            Cislo(klic, L"pocetMistCisla", t.pocetMistCisla), Cislo(klic, L"maxPocetSouboru", t.maxPocetSouboru),
            Prepinac(klic, L"prepisovatStare", t.prepisovatStare)};
}

Hodnota SFiltrem(Hodnota h, const wchar_t* filtr) {
    h.filtr = filtr;
    return h;
}

// Built once: the block pages' keys are made from their owners', and a Hodnota holds only pointers, so the keys
// and the page tables live here for the rest of the program.
class Tabulky {
public:
    Tabulky();

    std::vector<Stranka> stranky;

private:
    const wchar_t* Klic(std::wstring klic) { return klice_.emplace_back(std::move(klic)).c_str(); }
    void Pridat(const wchar_t* nazev, std::vector<Hodnota> hodnoty, const wchar_t* rodic = nullptr) {
        stranky.push_back({nazev, hodnoty_.emplace_back(std::move(hodnoty)), rodic});
    }
    void PridatBlok(const BlokSnimku& b);

    std::deque<std::wstring> klice_;            // a deque: adding never moves the texts already handed out
    std::deque<std::vector<Hodnota>> hodnoty_;  // the same for the tables the pages' spans point into
};

void Tabulky::PridatBlok(const BlokSnimku& b) {
    const std::wstring vlastnik = b.vlastnik;
    const wchar_t* snimek = Klic(vlastnik + L"\\Snimek");
    const wchar_t* upravy = Klic(vlastnik + L"\\Snimek\\Upravy");
    const wchar_t* soubor = Klic(vlastnik + L"\\Snimek\\Soubor");
    const wchar_t* text = Klic(vlastnik + L"\\Snimek\\Text");
    std::vector<Hodnota> hodnoty{
        Vyber(snimek, L"format", L"Formát snímku:", kMoznostiFormatu),
        Cislo(snimek, L"kvalitaJpeg", L"Kvalita JPEG:", L"Snimek", O::KvalitaJpeg),
        Prepinac(upravy, L"inverzeBarev", L"Inverze barev (negativ)"),
        Prepinac(upravy, L"stupneSede", L"Převést do stupňů šedi"),
        Prepinac(upravy, L"preklopitVodorovne", L"Překlopit vodorovně (zrcadlově zleva doprava)"),
        Prepinac(upravy, L"preklopitSvisle", L"Překlopit svisle (shora dolů)"),
        Vyber(upravy, L"otoceni", L"Otočení snímku:", kMoznostiOtoceni),
        Jiny(soubor, L"soubor", L"Vkládaný obrázek:", O::Soubor),
        Vyber(soubor, L"kde", L"Umístění obrázku:", kMoznostiKdeObrazku),
        Vyber(soubor, L"kdy", L"Vkládat obrázek:", kMoznostiKdy),
        Cislo(soubor, L"alfa", L"Neprůhlednost obrázku (1 - 255):", L"Snimek\\Soubor"),
        Jiny(soubor, L"pruhlednaBarva", L"Průhledná barva obrázku:", O::Barva),
        Vyber(text, L"co", L"Zapisovat do snímku:", kMoznostiCo),
        Jiny(text, L"text", L"Vlastní text:", O::Text),
        Vyber(text, L"kde", L"Umístění textu:", kMoznostiKdeTextu),
        Vyber(text, L"kdy", L"Zapisovat text:", kMoznostiKdy),
        Jiny(text, L"logfont", L"Písmo textu:", O::Pismo),
        Jiny(text, L"barvaPisma", L"Barva písma:", O::Barva),
    };
    if (!b.sFormatemAKdy)
        std::erase_if(hodnoty, [](const Hodnota& h) {
            return std::wstring_view(h.jmeno) == L"format" || std::wstring_view(h.jmeno) == L"kdy";
        });
    Pridat(b.nazev, std::move(hodnoty), b.rodic);
}

Tabulky::Tabulky() {
    Pridat(L"Kamera", {
        Obrazek(VlastniRozsah(Jiny(L"", L"indexIkony", L"Ikona kamery:", O::Cislo), 0, kPocetIkon - 1)),
        Vyber(L"", L"oznamovaciIkona", L"Ikona v oznamovací oblasti:", kMoznostiIkony),
        Prepinac(L"", L"poSpusteni", L"Zapnout tuto kameru při spuštění aplikace"),
        Prepinac(L"ToolTipIkona", L"obraz", L"Zobrazovat živý obraz u ikony v oznamovací oblasti"),
        SVysvetlivkou(Cislo(L"ToolTipIkona", L"intervalSnimku", L"Obnovovat obraz u ikony po:"), kTextMilisekund,
                      1000),
    });
    Pridat(L"Okno kamery", {
        Prepinac(L"Okno", L"menu", L"Zobrazit hlavní menu"),
        Prepinac(L"Okno", L"toolBarHlavni", L"Zobrazit panel nástrojů"),
        Prepinac(L"Okno", L"zarizeniVideo", L"Zobrazit panel zařízení"),
        Prepinac(L"Okno", L"statusBar", L"Zobrazit stavový řádek"),
        Prepinac(L"Okno", L"ovladaniKamery", L"Zobrazit ovládání kamery"),
        Vyber(L"Okno", L"titulek", L"Titulek okna:", kMoznostiTitulku),
        Prepinac(L"Video", L"prizpusobovatOknu", L"Přizpůsobit video velikosti okna"),
        Prepinac(L"Okno", L"navrchu", L"Okno vždy navrchu"),
        Prepinac(L"Okno", L"pruhledne", L"Okno poloprůhledné"),
    });
    Pridat(L"Po spuštění kamery", {
        Prepinac(L"Po spusteni", L"zapnoutVideo", L"Zapnout video"),
        Prepinac(L"Po spusteni", L"snimkyDisk", L"Spustit automatické ukládání snímků na disk"),
        Prepinac(L"Po spusteni", L"snimkyEmail", L"Spustit automatické odesílání snímků emailem"),
        Prepinac(L"Po spusteni", L"snimkyFtp", L"Spustit automatické odesílání snímků na FTP server"),
        Prepinac(L"Po spusteni", L"serverHttp", L"Spustit HTTP server"),
        Prepinac(L"Po spusteni", L"planovaneSnimkovani", L"Spustit plánované snímkování"),
        Prepinac(L"Po spusteni", L"detekcePohybu", L"Spustit detekci pohybu"),
        Prepinac(L"Po spusteni", L"minimalizovat", L"Minimalizovat okno kamery"),
    });
    // The disk interval has no limit of its own; a period of 0 would make the timer fire as fast as it can.
    Pridat(kStrankaDisku, {
        SVysvetlivkou(VlastniRozsah(Jiny(L"Snimky disk", L"interval", L"Interval automatického ukládání snímků:",
                                         O::Cislo),
                                    1, kBezHorniMeze),
                      kTextMilisekund, 1000),
        Jiny(L"Snimky disk", L"slozka", L"Složka pro ukládání snímků:", O::Slozka),
        Vyber(L"Snimky disk", L"otviratSnimekKdy", L"Otevírat uložený snímek:", kMoznostiOtevritKdy),
        Vyber(L"Snimky disk", L"otviratSnimekCim", L"Čím otevírat:", kMoznostiOtevritCim),
        Vyber(L"Snimky disk", L"otviratSnimekJak", L"Jak otevírat:", kMoznostiOtevritJak),
        Vyber(L"Snimky disk", L"zpravaIkona", L"Zprávy u ikony v oznamovací oblasti:", kMoznostiZprav),
        Vyber(L"Snimky disk", L"toolBarCommand", L"Hlavní část tlačítka na panelu nástrojů:", kMoznostiTlacitka),
    });
    Pridat(L"Pojmenování souborů",
           Pojmenovani(L"Snimky disk\\Soubor",
                       {L"Vytváření jmen souborů:", L"Jméno souboru (bez přípony):",
                        L"Nejmenší počet číslic čísla souboru:", L"Maximální počet souborů:", L"Přepisovat staré soubory"}),
           kStrankaDisku);
    PridatBlok(kBloky[0]);

    std::vector<Hodnota> email{
        SVysvetlivkou(Cislo(L"Snimky email", L"interval", L"Interval automatického odesílání (sekundy):"),
                      L"tj. %d:%.2d minut", 60),
        Cislo(L"Snimky email", L"pocetSouboru", L"Počet snímků v jednom emailu:"),
        Vyber(L"Snimky email", L"zpravaIkona", L"Zprávy u ikony v oznamovací oblasti:", kMoznostiZprav),
        Vyber(L"Snimky email", L"toolBarCommand", L"Hlavní část tlačítka na panelu nástrojů:", kMoznostiTlacitkaEmailu),
    };
    for (Hodnota& h : AkcePriChybe(L"Snimky email")) email.push_back(h);
    Pridat(kStrankaEmailu, std::move(email));
    Pridat(kStrankaAdres, {
        Jiny(L"Snimky email\\Odesilatel", L"emailUcet", L"Emailový účet odesílatele:", O::VyberTextu),
        Jiny(L"Snimky email\\Prijemce", L"email", L"Emailová adresa příjemce:", O::Text),
        VyceradkovyText(L"Snimky email\\Prijemce", L"dalsiEmaily",
                        L"Další příjemci (každý na samostatném řádku nebo oddělení středníkem):", 8),
    }, kStrankaEmailu);
    Pridat(L"Zpráva emailu", {
        Jiny(L"Snimky email\\Zprava", L"predmet", L"Předmět zprávy:", O::Text),
        Prepinac(L"Snimky email\\Zprava", L"htmlFormat", L"Text zprávy je ve formátu HTML"),
        VyceradkovyText(L"Snimky email\\Zprava", L"text", L"Text zprávy:", 24),
    }, kStrankaEmailu);
    PridatBlok(kBloky[2]);

    std::vector<Hodnota> ftp{
        SVysvetlivkou(Cislo(L"Snimky FTP", L"interval", L"Interval automatického odesílání:"), kTextMilisekund, 1000),
        Cislo(L"Snimky FTP", L"maxPocetSouboru", L"Počet souborů na FTP serveru:"),
        Vyber(L"Snimky FTP", L"zpravaIkona", L"Zprávy u ikony v oznamovací oblasti:", kMoznostiZprav),
        Vyber(L"Snimky FTP", L"toolBarCommand", L"Hlavní část tlačítka na panelu nástrojů:", kMoznostiTlacitkaFtp),
    };
    for (Hodnota& h : AkcePriChybe(L"Snimky FTP")) ftp.push_back(h);
    Pridat(kStrankaFtp, std::move(ftp));
    Hodnota heslo = Jiny(kKlicFtpUmisteni, L"heslo", L"Heslo:", O::Heslo);
    heslo.zobrazeniHesla = L"zobrazovatHeslo";
    Pridat(kStrankaFtpUmisteni, {
        SKontrolou(Jiny(kKlicFtpUmisteni, L"server", L"FTP server (server nebo server:port):", O::Text), KontrolaServeru),
        Jiny(kKlicFtpUmisteni, L"uzivatel", L"Přihlašovací jméno:", O::Text),
        heslo,
        Prepinac(kKlicFtpUmisteni, L"zobrazovatHeslo", L"Zobrazovat heslo"),
        Prepinac(kKlicFtpUmisteni, L"pasivniRezim", L"Pasivní režim přenosu"),
        Jiny(kKlicFtpUmisteni, L"slozka", L"Složka na FTP serveru:", O::TextSVyberem),
        SKontrolou(Jiny(kKlicFtpUmisteni, L"soubor", L"Jméno souboru na serveru (bez přípony):", O::Text),
                   KontrolaJmenaSouboru),
    }, kStrankaFtp);
    PridatBlok(kBloky[3]);
    Pridat(L"HTML stránka", {
        VlastniRozsah(Jiny(L"Gener HTML", L"refresh", L"Obnovovat stránku po (sekundy):", O::Cislo), 1, 86400),
        Jiny(L"Gener HTML", L"title", L"Titulek stránky (<title>):", O::Text),
        Jiny(L"Gener HTML", L"tagH1", L"Nadpis (tag H1):", O::Text),
        SKontrolou(Jiny(L"Gener HTML", L"soubor", L"Jméno souboru stránky:", O::Text), KontrolaJmenaSouboru),
    }, kStrankaFtp);

    // "refreshStranky" is stored but nothing uses it: no control.
    Pridat(kStrankaServeru, {
        Cislo(L"HTTP server", L"portServer", L"Port serveru:"),
        Cislo(L"HTTP server", L"maxPocetVlaken", L"Maximální počet současně obsluhovaných požadavků:"),
        Jiny(L"HTTP server", L"heslo", L"Heslo (prázdné = bez hesla):", O::Heslo),
        Cislo(L"HTTP server", L"snimkuZaSekundu", L"Snímků za sekundu pro video proud /mjpeg:"),
    });
    PridatBlok(kBloky[4]);

    Pridat(kStrankaZaznamuVidea, {
        Vyber(L"Zaznam videa", L"format", L"Formát záznamu videa:", kMoznostiFormatuZaznamu),
        Jiny(L"Zaznam videa", L"slozka", L"Složka pro ukládání záznamů:", O::Slozka),
        Vyber(L"Zaznam videa", L"zpravaIkona", L"Zprávy u ikony v oznamovací oblasti:", kMoznostiZprav),
        Vyber(L"Zaznam videa", L"toolBarCommand", L"Hlavní část tlačítka na panelu nástrojů:", kMoznostiTlacitkaZaznamu),
    });
    Pridat(kStrankaZaznamuAvi, {
        Cislo(L"Zaznam videa\\AVI", L"sirkaVidea", L"Velikost videa - šířka:"),
        Cislo(L"Zaznam videa\\AVI", L"vyskaVidea", L"Velikost videa - výška:"),
        Cislo(L"Zaznam videa\\AVI", L"frekvence", L"Frekvence (snímků za sekundu):"),
        Prepinac(L"Zaznam videa\\AVI", L"zvuk", L"Zaznamenat také zvuk"),
    }, kStrankaZaznamuVidea);
    // The profile's source, version and index are chosen by the page's options and system profile lists.
    Pridat(kStrankaZaznamuWmv, {
        Jiny(kKlicProfilu, L"typ", L"Zdroj profilu", O::Vlastni),
        Jiny(kKlicProfilu, L"verzeWM", L"Verze Windows Media systémového profilu", O::Vlastni),
        Jiny(kKlicProfilu, L"index", L"Systémový profil", O::Vlastni),
        SFiltrem(Jiny(kKlicProfilu, L"souborPrx", L"Soubor profilu:", O::Soubor), kFiltrPrx),
    }, kStrankaZaznamuVidea);
    Pridat(L"Pojmenování záznamů",
           Pojmenovani(L"Zaznam videa\\Soubor",
                       {L"Způsob vytvoření jména souboru:", L"Jméno souboru (bez cesty a přípony):",
                        L"Min. počet znaků v názvu souboru reprezentujících číslo snímku:",
                        L"Maximální počet souborů na disku (budou cyklicky číslovány):", L"Přepisovat staré soubory"}),
           kStrankaZaznamuVidea);

    Pridat(kStrankaPohybu, {
        SVysvetlivkou(Cislo(L"Detekce pohybu", L"interval", L"Interval kontroly pohybu:"), kTextMilisekund, 1000),
        SVysvetlivkou(Cislo(L"Detekce pohybu", L"procentoZmen", L"Podíl změněných bodů (tisíciny procenta):"),
                      kTextProcent, 1000),
        Cislo(L"Detekce pohybu", L"rozdilJasu", L"Rozdíl jasu změněného bodu (1 - 255):"),
        Cislo(L"Detekce pohybu", L"minSnimkuPohybu", L"Ohlásit pohyb až po počtu kontrol za sebou (1 - 10):"),
        Cislo(L"Detekce pohybu", L"strazSvetla",
              L"Změna osvětlení od podílu bodů (%, 0 = vypnuto):"),
        Prepinac(L"Detekce pohybu\\Disk", L"aktivni", L"Uložit snímek na disk"),
        Cislo(L"Detekce pohybu\\Disk", L"minInterval", L"Nejkratší interval mezi uložením snímků (sekundy):"),
        Jiny(L"Detekce pohybu\\Disk", L"slozka", L"Složka pro snímky při detekci pohybu:", O::Slozka),
        Prepinac(L"Detekce pohybu\\Email", L"aktivni", L"Odeslat snímek emailem"),
        Cislo(L"Detekce pohybu\\Email", L"minInterval", L"Nejkratší interval mezi odesláním emailů (sekundy):"),
        Prepinac(L"Detekce pohybu\\FTP", L"aktivni", L"Odeslat snímek na FTP server"),
        Cislo(L"Detekce pohybu\\FTP", L"minInterval", L"Nejkratší interval mezi odesláním na FTP (sekundy):"),
        Prepinac(L"Detekce pohybu\\Video", L"aktivni", L"Spustit záznam videa"),
        Cislo(L"Detekce pohybu\\Video", L"delkaZaznamu", L"Délka záznamu videa (sekundy):"),
        Cislo(L"Detekce pohybu\\Video", L"minInterval", L"Nejkratší interval mezi záznamy videa (sekundy):"),
    });
    PridatBlok(kBloky[1]);
    Pridat(kStrankaPlanovani, {
        Bit(L"param_planovane_snimky", L"parametry", L"Disk", 1),
        Bit(L"param_planovane_snimky", L"parametry", L"FTP server", 2),
        Bit(L"param_planovane_snimky", L"parametry", L"Odeslat emailem", 4),
    });

    std::vector<Hodnota> log{Cislo(L"Logovani\\Soubor", L"maxVelikost", L"Maximální velikost souboru (bajty):")};
    std::vector<Hodnota> udalosti;
    for (const Udalost& u : kUdalosti) {
        // A failed delivery is always written to the camera's log: its switches stay on.
        Hodnota h = Prepinac(L"Logovani", u.jmeno, u.text);
        h.vzdyZapnuto = std::wstring(u.jmeno) == L"snimekEmailChyba" || std::wstring(u.jmeno) == L"snimekFtpChyba";
        log.push_back(h);
        udalosti.push_back(Prepinac(L"Zapis udalosti", u.jmeno, u.text));
    }
    log.push_back(Prepinac(L"Logovani", L"uklid", L"Úklid starých snímků a záznamů"));
    Pridat(kStrankaZaznamu, std::move(log));
    Pridat(L"Protokol Windows", std::move(udalosti));

    Pridat(kStrankaUklidu, {
        SNadpisem(Cislo(L"Uklid", L"maxStariDni", L"Mazat soubory starší než (dny, 0 = nemazat):"), kNadpisUklidu),
        Cislo(L"Uklid", L"minVolneMB", L"Udržovat na disku volné místo alespoň (MB, 0 = nehlídat):"),
        Cislo(L"Uklid", L"maxVelikostMB", L"Největší velikost souborů ve složce (MB, 0 = neomezovat):"),
    });
    Pridat(L"Obnovení", {
        Cislo(L"Obnoveni", L"limitBezSnimku", L"Zařízení je ztracené, když nedodá snímek po (sekundy, 0 = nehlídat):"),
        Cislo(L"Obnoveni", L"intervalObnoveni", L"Znovu připojit ztracené zařízení každých (sekundy, nejvýše 60):"),
    });
}

const Tabulky& Vytvorene() {
    static const Tabulky tabulky;
    return tabulky;
}

}  // namespace

std::optional<std::wstring> KontrolaServeru(const std::wstring& text) {
    std::wstring chyba;
    if (!Knihovna::RozlozitServer(text, &chyba)) return chyba;
    return std::nullopt;
}

std::optional<std::wstring> KontrolaJmenaSouboru(const std::wstring& text) {
    std::wstring chyba = Holvent::Ftp::ChybaNazvuSouboru(text);
    if (chyba.empty()) return std::nullopt;
    return chyba;
}

std::span<const Stranka> Stranky() { return Vytvorene().stranky; }

const Hodnota* Najit(const std::wstring& klic, const std::wstring& jmeno) {
    return ModelStranky::Najit(Stranky(), klic, jmeno);
}

bool HodnotaPripustna(const std::wstring& klic, const std::wstring& jmeno, std::uint32_t hodnota) {
    // Every block has the same values under every owner; the disk block's page has them all.
    const bool blok = klic == L"Snimek" || klic.starts_with(L"Snimek\\");
    if (const Hodnota* h = Najit(blok ? L"Snimky disk\\" + klic : klic, jmeno)) return ModelStranky::Pripustna(*h, hodnota);
    if (const RozsahParametru* r = NajitRozsah(klic, jmeno)) return hodnota >= r->min && hodnota <= r->max;
    return true;
}

}  // namespace StrankyNastaveniKamery
