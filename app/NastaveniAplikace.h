#pragma once

#include <array>
#include <cstdint>
#include <initializer_list>
#include <mutex>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

#include "app/SeznamHorkychKlaves.h"
#include "knihovna/Chyba.h"
#include "knihovna/Registr.h"

constexpr const wchar_t* kKorenRegistru = L"Software\\Dunmar Holvent\\Tervik\\4.8";

// The application settings record (one for the process). Other threads read single fields
// without the lock; only the main thread writes them.
class NastaveniAplikace {
public:
    // Root
    bool jednaInstance = true;
    std::uint32_t oznamovaciIkona = 2;  // 2 always, 1 only when minimised, 0 never
    std::uint32_t processPriority = 0x20;
    bool skrytyRezim = false;
    std::wstring slozkaData;
    std::wstring vychoziTervik;
    bool zvuk = true;
    // "Dalkove ovladani"
    std::uint32_t odesilatZpravuOvladaci = 1;
    std::uint32_t portPrijem = 8124;
    // The peers the receiver accepts: IPv4 addresses and networks ("192.168.1.0/24; 10.0.0.5"), empty = every one.
    std::wstring povoleneAdresy;
    // "Logovani"
    bool logSpusteni = false;
    bool logSpusteniPrijemSitOvl = false;
    bool logUkonceni = false;
    bool logUkonceniPrijemSitOvl = false;
    // "Po spusteni"
    bool prijemDalkovehoOvladani = false;
    bool sitovyOvladac = false;
    bool skrytOkno = false;
    // "Promitani obrazku"
    std::uint32_t barvaPozadi = 0;
    bool cyklickyOpakovat = false;
    std::uint32_t interval = 5000;  // ms
    // "Sitovy ovladac"
    std::wstring ipAdresa = L"127.0.0.1";
    bool nacistPocitaceLan = false;
    std::uint32_t port = 8124;
    // "Logovani\Soubor"
    std::uint32_t maxVelikost = 2000000;
    // "Vzhled"
    bool menuBitmapy = false;
    bool menuZaskrtnutiNeboBitmapa = false;
    // "Zapis udalosti"
    bool udalostSpusteni = false;
    bool udalostSpusteniPrijemSitOvl = false;
    bool udalostUkonceni = false;
    bool udalostUkonceniPrijemSitOvl = false;
    // "Aktualizace"
    std::wstring adresaAktualizaci;  // the version file; empty = string 20010
    bool hledatAktualizacePoSpusteni = true;
    std::uint32_t casovyLimitAktualizaci = 20;  // s, the whole check's budget

    // Not stored.
    std::uint32_t casovyLimitKamery = 10000;
    std::uint32_t casovyLimitPromitani = 5000;
    std::uint32_t casovyLimitNastroje = 5000;
    bool vista = false;

    SeznamHorkychKlaves horkeKlavesy;

    // One stored value: its key ("" = root), name and field.
    struct Polozka {
        const wchar_t* klic;
        const wchar_t* jmeno;
        std::variant<bool NastaveniAplikace::*, std::uint32_t NastaveniAplikace::*, std::wstring NastaveniAplikace::*> pole;
    };
    // Every stored value in load/save order: the root first, then the subkeys.
    static const std::vector<Polozka>& Polozky();

    NastaveniAplikace() = default;
    NastaveniAplikace(const NastaveniAplikace&) = delete;
    NastaveniAplikace& operator=(const NastaveniAplikace&) = delete;

    // Every field to its default, the hotkey table to its eleven entries. slozkaDokumentu is
    // the user's documents folder (it must exist: the caller checks); kodVerze the Windows version code.
    void NastavitVychozi(const std::wstring& slozkaDokumentu, std::uint32_t kodVerze);

    // Reads what is stored. A missing root or subkey keeps the defaults silently. A value that
    // cannot be read (wrong type or size, a failed call) keeps its default and the rest are still
    // read; the failures are returned, the caller reports them once (text 20004). A number the
    // settings dialog would not allow keeps its default, with a log line in upozorneni.
    std::vector<Knihovna::Chyba> Nacist(Knihovna::Registr& registr, const std::wstring& koren = kKorenRegistru,
                                        std::vector<std::wstring>* upozorneni = nullptr);
    // Writes every value and the hotkey table; a failure raises (the caller reports 20005).
    void Ulozit(Knihovna::Registr& registr, const std::wstring& koren = kKorenRegistru);
    // Writes only the named values of one key (a tool storing what it changed); a failure raises.
    void UlozitHodnoty(Knihovna::Registr& registr, const std::wstring& klic, std::initializer_list<std::wstring_view> jmena,
                       const std::wstring& koren = kKorenRegistru);

    static std::uint32_t SekundyZMilisekund(std::uint32_t ms) { return ms / 1000; }
    static std::uint32_t MilisekundyZeSekund(std::uint32_t s) { return s * 1000; }

    std::mutex& Zamek() { return zamek_; }

private:
    std::mutex zamek_;
};

struct PrioritaProcesu {
    const wchar_t* text;
    std::uint32_t hodnota;
};

inline constexpr std::array<PrioritaProcesu, 6> kPriorityProcesu{{
    {L"Nízká", 0x40},
    {L"Nižší než normální", 0x4000},
    {L"Normální", 0x20},
    {L"Vyšší než normální", 0x8000},
    {L"Vysoká", 0x80},
    {L"Reálný čas - není doporučeno!", 0x100},
}};

// Ranges the settings dialog enforces (and loading, through the dialog's page tables).
struct RozsahHodnoty {
    std::uint32_t min;
    std::uint32_t max;
};
inline constexpr RozsahHodnoty kRozsahPortu{5000, 40000};
inline constexpr RozsahHodnoty kRozsahVelikostiLogu{10000, 52428800};
inline constexpr RozsahHodnoty kRozsahIntervaluPromitani{1, 3600};  // seconds
inline constexpr RozsahHodnoty kRozsahCasovehoLimituAktualizaci{2, 120};  // seconds
