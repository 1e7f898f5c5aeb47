#pragma once

#include <atomic>
#include <cstddef>
#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "knihovna/Obdelnik.h"

// The slideshow's logic: where a picture goes on the screen, the show's states and the collection of the
// pictures of a folder tree.
namespace Holvent::Obrazky {

// A picture that fits the screen is drawn at its own size, centred; a larger one is scaled to fit keeping its
// proportions (screen width ÷ picture width ≤ screen height ÷ picture height: the width fills), centred.
Knihovna::Obdelnik UmisteniPromitani(int sirkaObrazovky, int vyskaObrazovky, int sirkaObrazku, int vyskaObrazku);

// The slideshow's state: collecting the pictures, then showing them one per timer step, then ended.
class StavPromitani {
public:
    enum class Faze { Sber, Promitani, Konec };
    enum class Klavesa { Pauza, Escape, Zpet, Vpred };  // Pause; Escape; Left or Up; Right or Down

    // What the window does after a key: end the show, stop the timer, take the next step at once, start the timer
    // (in this order).
    struct Reakce {
        bool ukoncit = false;
        bool zastavitCasovac = false;
        bool dalsiKrok = false;
        bool spustitCasovac = false;
        bool operator==(const Reakce&) const = default;
    };

    Faze Stav() const { return faze_; }
    // The collection has ended with pocet pictures: the show starts before the first one (index -1).
    void ZacitPromitani(std::size_t pocet, bool cyklicky);
    // The timer's step: the index of the picture to show now, or nothing when the show ends (no pictures, or
    // past the last without cyclic repetition). A picture that cannot be loaded is shown as its error text for
    // this step; the next step goes on.
    std::optional<std::size_t> Dalsi();
    Reakce Stisknuto(Klavesa k);
    // The window was closed (or the collection cancelled).
    void Ukoncit() { faze_ = Faze::Konec; }

    long long Index() const { return index_; }
    bool Pozastaveno() const { return pozastaveno_; }

private:
    Faze faze_ = Faze::Sber;
    std::size_t pocet_ = 0;
    bool cyklicky_ = false;
    long long index_ = -1;
    bool pozastaveno_ = false;
};

// An entry of a folder as the caller's enumeration gives it.
struct PolozkaSlozky {
    std::wstring jmeno;
    bool slozka = false;
    bool bodZnovuzpracovani = false;  // a junction, symbolic link or other reparse point: never followed or shown
};
// Enumerates the entries of the folder (full path) and hands each to the given function, stopping when it
// returns false. The caller's platform code; a folder that cannot be read gives no entries.
using VycetSlozky =
    std::function<void(const std::wstring& slozka, const std::function<bool(const PolozkaSlozky&)>& polozka)>;

inline constexpr int kMaxHloubkaSberu = 32;  // the given folder is depth 0
inline constexpr std::size_t kMaxObrazkuSberu = 100'000;

struct VysledekSberu {
    std::vector<std::wstring> soubory;  // full paths in enumeration order, a folder's files and subfolders interleaved
    bool zruseno = false;
    bool omezeno = false;  // stopped at kMaxObrazkuSberu
};

// Collects the pictures (MaPriponuObrazku) below slozka: names beginning with "." are skipped, subfolders are entered
// down to kMaxHloubkaSberu (reparse points never), at most kMaxObrazkuSberu pictures. zrusit is checked at every entry;
// prubeh (when given) gets the count so far after every krokPrubehu pictures and once at the end.
VysledekSberu SberObrazku(const std::wstring& slozka, const VycetSlozky& vycet,
                          const std::atomic<bool>* zrusit = nullptr,
                          const std::function<void(std::size_t)>& prubeh = {}, std::size_t krokPrubehu = 250);

// "Hledám obrázky (nalezeno: %u)", the window's text while it collects.
std::wstring TextHledani(std::size_t nalezeno);

}  // namespace Holvent::Obrazky
