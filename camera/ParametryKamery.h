#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "camera/MaskaPohybu.h"
#include "camera/ParametrySnimku.h"
#include "camera/ParametrySouboru.h"
#include "camera/PopisPisma.h"
#include "camera/UdalostiKamery.h"
#include "camera/ZasuvnyModul.h"
#include "knihovna/Chyba.h"
#include "knihovna/Obdelnik.h"
#include "knihovna/Registr.h"
#include "video/InfoZarizeni.h"

// What the defaults of a camera depend on besides its name.
struct KontextKamery {
    std::wstring slozkaDat;  // the user's data folder of the application settings
    std::wstring uzivatel;   // the logged-on Windows user
    std::wstring produkt;    // the product name
    const SeznamZarizeni* zarizeniVideo = nullptr;
    const SeznamZarizeni* zarizeniZvuk = nullptr;
    PopisPisma pismo = PopisPisma::Vychozi();  // the platform's default GUI font
};

// The complete settings record of one camera, stored under the camera's key below "Kamery".
// Field names are the registry value names; nested records are the subkeys.
struct ParametryKamery {
    // The camera key itself.
    std::uint32_t indexIkony = 12;
    std::uint32_t oznamovaciIkona = 2;  // 2 always, 1 only when minimised, 0 never
    bool poSpusteni = false;            // switch the camera on when the application starts

    struct DetekcePohybu {
        std::uint32_t interval = 1000;     // ms
        std::uint32_t procentoZmen = 700;  // thousandths of a percent
        std::uint32_t rozdilJasu = 100;
        // The false-alarm guards: consecutive compares over the threshold before a report (1 to 10), the share of
        // the unmasked pixels in percent that is a change of the lighting (0 off, 1 to 100), the cells ignored.
        std::uint32_t minSnimkuPohybu = 1;
        std::uint32_t strazSvetla = 0;
        MaskaPohybu maska;
        struct Disk {
            bool aktivni = true;
            std::uint32_t minInterval = 10;  // s
            std::wstring slozka;
            ParametrySnimku snimek;
            bool operator==(const Disk&) const = default;
        } disk;
        struct Email {
            bool aktivni = false;
            std::uint32_t minInterval = 300;
            bool operator==(const Email&) const = default;
        } email;
        struct Ftp {
            bool aktivni = false;
            std::uint32_t minInterval = 10;
            bool operator==(const Ftp&) const = default;
        } ftp;
        struct Video {
            bool aktivni = false;
            std::uint32_t delkaZaznamu = 5;  // s
            std::uint32_t minInterval = 300;
            std::wstring slozka;
            bool operator==(const Video&) const = default;
        } video;
        bool operator==(const DetekcePohybu&) const = default;
    } detekcePohybu;

    struct SnimkyEmail {
        std::uint32_t interval = 300;  // s
        std::uint32_t pocetSouboru = 1;
        bool vlastniSnimek = true;
        std::uint32_t akcePriChybe = 0;  // bits: 1 stop, 2 clear the after-start switch, 4 clear poSpusteni
        std::uint32_t toolBarCommand = 40053;
        std::uint32_t zpravaIkona = 1;
        ParametrySnimku snimek;
        // "Odesilatel"
        std::wstring emailUcet;
        // "Prijemce"
        std::wstring email;
        std::wstring dalsiEmaily;
        // "Zprava"
        bool htmlFormat = true;
        std::wstring predmet = L"Snimek z webkamery";
        std::wstring text;
        bool operator==(const SnimkyEmail&) const = default;
    } snimkyEmail;
    // dalsiEmaily cut into addresses (RozdelitDalsiEmaily), after every load; not stored.
    std::vector<std::wstring> dalsiPrijemci;

    struct SnimkyFtp {
        std::uint32_t interval = 10000;  // ms
        std::uint32_t maxPocetSouboru = 1;
        bool vlastniSnimek = true;
        std::uint32_t akcePriChybe = 0;
        std::uint32_t toolBarCommand = 40052;
        std::uint32_t zpravaIkona = 1;
        ParametrySnimku snimek;
        // "FTP umisteni"
        std::wstring server;
        std::wstring uzivatel;
        std::wstring heslo;
        bool zobrazovatHeslo = false;
        bool pasivniRezim = true;
        std::wstring slozka;
        std::wstring soubor = L"Webtervik";
        bool operator==(const SnimkyFtp&) const = default;
    } snimkyFtp;

    struct GenerHtml {
        std::uint32_t refresh = 10;  // s
        std::wstring soubor;
        std::wstring tagH1 = L"Webtervik";
        std::wstring title;
        bool operator==(const GenerHtml&) const = default;
    } generHtml;

    UdalostiKamery logovani;
    UdalostiKamery zapisUdalosti;

    // "Logovani\Soubor"
    struct SouborLogu {
        std::uint32_t maxVelikost = 2000000;
        std::uint32_t priNaplneni = 0;
        bool operator==(const SouborLogu&) const = default;
    } souborLogu;

    // "param_planovane_snimky"\"parametry": 1 disk, 2 FTP, 4 e-mail.
    std::uint32_t cileNaplanovanychSnimku = 1;
    // "planovane_snimky": packed times of day, ascending, no duplicates.
    std::vector<std::uint32_t> planovaneSnimky;

    struct Okno {
        bool menu = true;
        bool navrchu = false;
        bool ovladaniKamery = false;
        bool pruhledne = false;
        bool statusBar = true;
        std::uint32_t titulek = 0;  // 0 full, 1 narrow, 2 none
        bool toolBarHlavni = true;
        bool zarizeniVideo = false;
        bool operator==(const Okno&) const = default;
    } okno;

    struct OvladaniObrazu {
        std::uint32_t krokKontrast = 1;
        std::uint32_t krokOdstin = 1;
        std::uint32_t krokOstreni = 1;
        std::uint32_t krokPan = 1;
        std::uint32_t krokRoll = 1;
        std::uint32_t krokSytost = 1;
        std::uint32_t krokTilt = 1;
        std::uint32_t krokZoom = 1;
        bool operator==(const OvladaniObrazu&) const = default;
    } ovladaniObrazu;

    // "Po spusteni": what the camera does once it has started.
    struct AkcePoSpusteni {
        bool zapnoutVideo = false;
        bool snimkyDisk = false;
        bool snimkyEmail = false;
        bool snimkyFtp = false;
        bool serverHttp = false;
        bool detekcePohybu = false;
        bool planovaneSnimkovani = false;
        bool minimalizovat = false;
        bool operator==(const AkcePoSpusteni&) const = default;
    } akcePoSpusteni;

    struct HttpServer {
        std::wstring heslo;
        std::uint32_t maxPocetVlaken = 1;
        std::uint32_t portServer = 7124;
        std::uint32_t refreshStranky = 15;  // s
        std::uint32_t snimkuZaSekundu = 5;  // frames per second of the /mjpeg stream
        ParametrySnimku snimek;
        bool operator==(const HttpServer&) const = default;
    } httpServer;

    struct SnimkyDisk {
        std::uint32_t interval = 15000;  // ms
        std::wstring slozka;
        std::uint32_t otviratSnimekKdy = 0;
        std::uint32_t otviratSnimekCim = 0;
        std::uint32_t otviratSnimekJak = 5;
        std::uint32_t akcePriChybe = 1;
        std::uint32_t toolBarCommand = 40046;
        std::uint32_t zpravaIkona = 1;
        ParametrySnimku snimek;
        ParametrySouboru soubor;  // "Soubor"; the counter is "posledniCisloSnimku"
        bool operator==(const SnimkyDisk&) const = default;
    } snimkyDisk;

    struct ToolTipIkona {
        std::uint32_t intervalSnimku = 500;  // ms
        bool obraz = false;
        bool operator==(const ToolTipIkona&) const = default;
    } toolTipIkona;

    struct Video {
        bool prizpusobovatOknu = false;
        std::int32_t sirka = -1;  // used only when both lie strictly between 10 and 10000
        std::int32_t vyska = -1;
        bool operator==(const Video&) const = default;
    } video;

    // "Zarizeni": friendly name and device path of each are stored; the description is kept for
    // the session only.
    struct Zarizeni {
        InfoZarizeni video;
        InfoZarizeni zvuk;
        bool operator==(const Zarizeni&) const = default;
    } zarizeni;

    struct ZaznamVidea {
        std::uint32_t format = 1;  // 0 AVI, 1 WMV
        std::wstring slozka;
        std::uint32_t toolBarCommand = 40055;
        std::uint32_t zpravaIkona = 1;
        struct Avi {
            std::uint32_t frekvence = 15;
            std::uint32_t sirkaVidea = 320;
            std::uint32_t vyskaVidea = 240;
            bool zvuk = false;
            bool operator==(const Avi&) const = default;
        } avi;
        ParametrySouboru soubor{0, L"", 1, 500, 0, true};  // "Soubor"; the counter is "posledniCislo"
        // "WMV\Profil"
        struct Profil {
            std::uint32_t index = 0;
            std::wstring souborPrx;
            std::uint32_t typ = 1;
            std::uint32_t verzeWM = 0x80000;
            std::uint32_t vstupSirka = 320;
            std::uint32_t vstupVyska = 240;
            bool zvuk = false;
            bool operator==(const Profil&) const = default;
        } profil;
        bool operator==(const ZaznamVidea&) const = default;
    } zaznamVidea;

    std::vector<ZasuvnyModul> zasuvneModuly;

    // "Uklid": the storage retention of the camera's own files; every limit 0 = off.
    struct Uklid {
        std::uint32_t maxStariDni = 0;    // delete files older than this many days (1 to 3650)
        std::uint32_t minVolneMB = 0;     // keep this much free on every drive of the camera's folders
        std::uint32_t maxVelikostMB = 0;  // keep the camera's files of each folder under this total
        bool logovat = false;             // "Logovani"\"uklid": each deletion, failure and run into the camera's log
        bool Zapnuto() const { return maxStariDni || minVolneMB || maxVelikostMB; }
        bool operator==(const Uklid&) const = default;
    } uklid;
    // "Obnoveni": a lost device (its graph's event, or no frame for "limitBezSnimku" seconds while the video is
    // on; 0 = no watchdog) is opened again every "intervalObnoveni" seconds, growing up to a minute.
    struct Obnoveni {
        std::uint32_t limitBezSnimku = 10;  // s
        std::uint32_t intervalObnoveni = 5;  // s
        bool operator==(const Obnoveni&) const = default;
    } obnoveni;

    bool operator==(const ParametryKamery&) const = default;

    // Every value to its default; file names come from the camera name (NahraditZnaky with "_").
    void NastavitVychozi(const std::wstring& jmenoKamery, const KontextKamery& kontext);
    // Reads everything under cestaKamery in the fixed order. A missing key or value keeps its
    // default; a value that cannot be read keeps its default too and the rest is still read. The
    // failures are returned (the caller reports them once). A number the settings do not allow and
    // a scheduled time that is no time of day are left out, each with a log line in upozorneni.
    std::vector<Knihovna::Chyba> Nacist(Knihovna::Registr& registr, const std::wstring& cestaKamery,
                                        std::vector<std::wstring>* upozorneni = nullptr);
    // Writes everything in the same order, creating missing keys; a failure raises.
    void Ulozit(Knihovna::Registr& registr, const std::wstring& cestaKamery) const;
};

// The path of a camera's key: koren\"Kamery"\jmeno.
std::wstring CestaKamery(const std::wstring& koren, const std::wstring& jmeno);
inline constexpr const wchar_t* kKlicKamer = L"Kamery";

// Replaces each of / \ + ? * : ; ! < > | ' " by the replacement; an empty text is an invalid argument.
void NahraditZnaky(std::wstring& text, wchar_t nahrada);

// dalsiEmaily cut at line feeds, carriage returns and ";", each piece without the spaces around it; empty pieces
// skipped; a text shorter
// than 6 characters gives no addresses.
std::vector<std::wstring> RozdelitDalsiEmaily(const std::wstring& text);

// Scheduled times of day packed as hour << 24 | minute << 16 | second << 8.
constexpr std::uint32_t ZabalitCas(std::uint32_t hodina, std::uint32_t minuta, std::uint32_t sekunda) {
    return (hodina << 24) | ((minuta & 0xFF) << 16) | ((sekunda & 0xFF) << 8);
}
constexpr std::uint32_t HodinaCasu(std::uint32_t cas) { return cas >> 24; }
constexpr std::uint32_t MinutaCasu(std::uint32_t cas) { return (cas >> 16) & 0xFF; }
constexpr std::uint32_t SekundaCasu(std::uint32_t cas) { return (cas >> 8) & 0xFF; }
// A packed time of day 0:00:00 to 23:59:59 with the low byte zero.
constexpr bool PlatnyCas(std::uint32_t cas) {
    return HodinaCasu(cas) <= 23 && MinutaCasu(cas) <= 59 && SekundaCasu(cas) <= 59 && (cas & 0xFF) == 0;
}
// How a scheduled time is listed: hour, minute, second.
inline constexpr const wchar_t* kTextCasu = L"Čas: %d:%.2d:%.2d";
std::wstring TextCasu(std::uint32_t cas);
// A time of day typed as "h:mm" or "h:mm:ss" (also as TextCasu writes it), packed; nullopt for anything else
// or a time outside 0:00:00 to 23:59:59.
std::optional<std::uint32_t> CasZTextu(std::wstring_view text);
// Adds a time keeping the list ascending and free of duplicates; false when it was there.
bool PridatPlanovanySnimek(std::vector<std::uint32_t>& planovane, std::uint32_t cas);

// Fills the list from cestaKamery\"planovane_snimky" (value names are the numbers, in registry
// order, duplicates dropped; a name that is no PlatnyCas is left out with a line in upozorneni):
// 0 = read, 1 = the key does not exist (the list is then empty).
int NacistPlanovaneSnimky(std::vector<std::uint32_t>& planovane, Knihovna::Registr& registr,
                          const std::wstring& cestaKamery, std::vector<std::wstring>* upozorneni = nullptr);
// Deletes the key and writes it again, one DWORD per entry named by its "%d", entries that are no
// PlatnyCas left out: 0 = written, 1 = the key could not be created.
int UlozitPlanovaneSnimky(const std::vector<std::uint32_t>& planovane, Knihovna::Registr& registr,
                          const std::wstring& cestaKamery);

// The camera window's rectangle in "Pozice okna".
struct PoziceOkna {
    std::int32_t x = 0;
    std::int32_t y = 0;
    std::int32_t sirka = 0;
    std::int32_t vyska = 0;
    bool operator==(const PoziceOkna&) const = default;
};
// nullopt unless all four values are stored; an unreadable value raises.
std::optional<PoziceOkna> NacistPoziciOkna(Knihovna::Registr& registr, const std::wstring& cestaKamery);
// Stores the rectangle when it is plausible for the screen (PoziceOknaLzeUlozit); true when stored.
bool UlozitPoziciOkna(const Knihovna::Obdelnik& okno, const Knihovna::Obdelnik& obrazovka,
                      Knihovna::Registr& registr, const std::wstring& cestaKamery);
// The screen is the rectangle of all monitors (the primary one alone starts at 0, 0): its left <= left <= its
// right, the same for top, 4 <= width <= 2 x its width, the same for height.
bool PoziceOknaLzeUlozit(const Knihovna::Obdelnik& okno, const Knihovna::Obdelnik& obrazovka);

// A range the settings dialogs enforce: the key (relative to the camera key; "Snimek" for any
// snapshot block) and the value it belongs to. A value read from the registry outside it keeps its default
// (Nacist, through the settings pages' tables that take these ranges).
struct RozsahParametru {
    const wchar_t* klic;
    const wchar_t* jmeno;
    std::uint32_t min;
    std::uint32_t max;
};
const std::vector<RozsahParametru>& RozsahyParametruKamery();
const RozsahParametru* NajitRozsah(const std::wstring& klic, const std::wstring& jmeno);

// Messages of the record's failures ("%s" is the camera name).
inline constexpr const wchar_t* kTextChybaNacteniKamery = L"Došlo k chybě při načítání konfigurace kamery %s.";
inline constexpr const wchar_t* kTextChybaZapisuKamery = L"Došlo k chybě při zápisu konfigurace kamery %s.";
inline constexpr const wchar_t* kTextChybaNacteniPolohy = L"Došlo k chybě při načítání polohy okna kamery";
inline constexpr const wchar_t* kTextChybaUlozeniPolohy = L"Došlo k chybě při ukládání polohy okna kamery";
