#pragma once

#include <cstdint>
#include <optional>
#include <vector>

#include "camera/AktivityKamery.h"
#include "video/InfoZarizeni.h"

// The reconnection of a camera whose device was lost: when to try again, when a silent device counts as lost,
// which device is the lost one, and which activities come back. Portable; the window's ObnoveniKamery drives it.

inline constexpr const wchar_t* kTextZtrataZarizeni = L"Kamera %s ztratila spojení se zařízením %s";
inline constexpr const wchar_t* kTextZarizeniPripojeno = L"Kamera %s je opět připojena (po %u s)";

// The longest wait between two attempts, seconds.
inline constexpr std::uint32_t kNejdelsiIntervalObnoveni = 60;
// Attempts made at one interval before it doubles.
inline constexpr std::uint32_t kPokusuNaInterval = 3;

// Seconds before attempt `pokus` (0 the first after the loss): "intervalObnoveni" for the first three, then
// doubled after every three failed ones, never above 60 s (nor below 1 s).
std::uint32_t IntervalObnoveni(std::uint32_t intervalSekund, std::uint32_t pokus);

// The frame watchdog: a device that delivered no frame for "limitBezSnimku" seconds while its graph runs is lost.
// Ticks are milliseconds wrapping at 2^32.
class HlidacSnimku {
public:
    // From now on (the graph was built or has been running again) the silence is measured from `ted`.
    void Zacit(std::uint64_t pocetSnimku, std::uint32_t ted);
    // The check of one tick with the frames counted so far: true when none came for limitSekund (0: never).
    bool Ztrata(std::uint32_t limitSekund, std::uint64_t pocetSnimku, std::uint32_t ted);
    // Whether a frame came since Zacit.
    bool PrislySnimky(std::uint64_t pocetSnimku) const { return pocetSnimku != pocetPriZacatku_; }
    // Milliseconds since the last frame (or since Zacit).
    std::uint32_t Ticho(std::uint32_t ted) const { return ted - posledniZmena_; }

private:
    std::uint64_t pocetPriZacatku_ = 0;
    std::uint64_t posledniPocet_ = 0;
    std::uint32_t posledniZmena_ = 0;
};

// The lost device in a fresh, sorted and numbered device list: by its device path; when no device has that path
// any more (plugged into another port), by its friendly name, which carries its number (" #2") among devices of the
// same name. nullopt when neither is present.
std::optional<InfoZarizeni> NajitZarizeniZnovu(const SeznamZarizeni& seznam, const InfoZarizeni& ztracene,
                                               const PorovnaniNazvu& porovnani = PorovnatBezVelikosti);

// What was running at the loss and is to run again after the reconnection.
struct BeziciAktivity {
    bool snimkyDisk = false;
    bool snimkyEmail = false;
    bool snimkyFtp = false;
    bool planovane = false;
    bool detekce = false;
    bool zaznamRucne = false;  // a recording started by hand (one started by motion is not restarted)
    bool operator==(const BeziciAktivity&) const = default;
};

// The toggle commands that stop what runs, detection first (it would start recordings and snapshots otherwise).
// The recording is not among them: switching the video off finishes its file.
std::vector<std::uint32_t> PrikazyZastaveni(const BeziciAktivity& bezi);
// The commands that start again what ran before the loss and does not run now, in the order of the actions after
// start; each with parameter 0, so the automatic snapshots take their first one at once.
std::vector<PrikazPoSpusteni> PrikazyObnoveni(const BeziciAktivity& predZtratou, const BeziciAktivity& ted);
