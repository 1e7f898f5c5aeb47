#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "knihovna/Chyba.h"
#include "video/VlastnostZarizeni.h"

namespace Holvent::DirectShow {

// One entry of the image-control strip's list.
struct PolozkaOvladani {
    std::wstring popis;
    // Low word: the VideoProcAmp property or 0xFFFF; high word: the CameraControl property or 0xFFFF.
    std::uint32_t kod = 0;
    bool kamera = false;  // IAMCameraControl, else IAMVideoProcAmp
    std::int32_t vlastnost = 0;

    bool operator==(const PolozkaOvladani&) const = default;
};

// The entries a device's records give, in the strip's order. A record that is not valid, or whose
// minimum lies above its maximum, gives none; exposure and iris are never offered.
std::vector<PolozkaOvladani> PolozkyOvladani(const VlastnostiObrazu& obraz, const VlastnostiOvladani& ovladani);

// How a record's range lies on a trackbar. Positions are the values themselves while the range's
// width fits the trackbar's signed 32-bit arithmetic; a wider range (up to the full 32 bits) is
// halved and starts at the lowest position. Every value a position gives is snapped to the
// record's step, counted from its minimum (a step below 1 counts as 1), and stays within the range.
class MapovaniJezdce {
public:
    explicit MapovaniJezdce(const VlastnostZarizeni& zaznam);

    std::int32_t MinPozice() const { return Pozice(min_); }
    std::int32_t MaxPozice() const { return Pozice(NejvyssiHodnota()); }
    // The position that shows a value (a value outside the range shows at its nearer end).
    std::int32_t Pozice(std::int32_t hodnota) const;
    // The value of a position, on the step nearest to it.
    std::int32_t Hodnota(std::int32_t pozice) const;
    // Arrow keys move by one step, Page Up/Down by about a tenth of the range.
    std::int32_t KrokPozice() const;
    std::int32_t StrankaPozice() const;

private:
    std::int32_t NejvyssiHodnota() const;

    std::int64_t min_ = 0;
    std::int64_t krok_ = 1;
    std::int64_t pocetKroku_ = 0;
    std::int64_t delitel_ = 1;
    std::int64_t posun_ = 0;  // the position of the minimum
};

// Get and Set of the capture filter's IAMVideoProcAmp (kamera false) or IAMCameraControl.
class PristupKVlastnostem {
public:
    virtual ~PristupKVlastnostem() = default;
    // E_NOINTERFACE without a filter or without the interface.
    virtual Knihovna::Hresult Cist(bool kamera, std::int32_t vlastnost, std::int32_t& hodnota,
                                   std::int32_t& priznaky) = 0;
    virtual Knihovna::Hresult Zapsat(bool kamera, std::int32_t vlastnost, std::int32_t hodnota,
                                     std::int32_t priznaky) = 0;
};

// What the trackbar shows; "Výchozí" is enabled with it.
struct StavJezdce {
    bool povolen = false;
    std::int32_t min = 0;
    std::int32_t max = 100;
    std::int32_t pozice = 0;
    std::int32_t krok = 1;
    std::int32_t stranka = 10;

    bool operator==(const StavJezdce&) const = default;
};

// The logic of the image-control strip: the list of a device's properties, the selected one's
// trackbar, and writes to the device with the manual flag. It keeps its own copies of the records,
// taken when the graph was built; the device keeps the values, nothing is stored.
class OvladaniObrazu {
public:
    static constexpr std::int32_t kRucne = 2;  // VideoProcAmp_Flags_Manual, CameraControl_Flags_Manual

    // The result of a write: the trackbar as the device has it afterwards, and the failure of a
    // write the device refused (then the trackbar shows the device's own value again).
    struct Vysledek {
        StavJezdce stav;
        Knihovna::Hresult hr = Knihovna::kS_OK;
        std::int32_t hodnota = 0;  // the value that was written
    };

    // The records of a graph just built; the first entry becomes selected (none when the list is empty).
    void Naplnit(const VlastnostiObrazu& obraz, const VlastnostiOvladani& ovladani);
    // No graph: no entries.
    void Vyprazdnit();

    const std::vector<PolozkaOvladani>& Polozky() const { return polozky_; }
    int Vyber() const { return vyber_; }
    // The item code of the selection; 0 without one.
    std::uint32_t KodVyberu() const;
    // The selected property's record; null without a selection.
    const VlastnostZarizeni* Zaznam() const;

    // Selects an entry (-1 or an index past the list: none) and reads its value from the device. A
    // failed read raises; the trackbar then stays disabled.
    StavJezdce Zobrazit(PristupKVlastnostem& pristup, int index);
    // The trackbar was moved to a position: its value, snapped to the step, goes to the device.
    Vysledek Posunout(PristupKVlastnostem& pristup, std::int32_t pozice);
    // The selected property gets the device's default; the trackbar then shows what the device reports.
    Vysledek Vychozi(PristupKVlastnostem& pristup);

private:
    VlastnostZarizeni* ZaznamVyberu();
    StavJezdce Stav(const VlastnostZarizeni& zaznam) const;
    Vysledek Zapsat(PristupKVlastnostem& pristup, std::int32_t hodnota);

    VlastnostiObrazu obraz_ = VychoziVlastnostiObrazu();
    VlastnostiOvladani ovladani_ = VychoziVlastnostiOvladani();
    std::vector<PolozkaOvladani> polozky_;
    int vyber_ = -1;
};

}  // namespace Holvent::DirectShow
