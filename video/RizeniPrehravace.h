#pragma once

#include <cstdint>
#include <optional>

#include "knihovna/Chyba.h"
#include "knihovna/Obdelnik.h"

// The rules of the video player that do not need the platform: which commands are enabled,
// what the transport commands do in each state, step targets and the trackbar's mapping.
namespace Prehravac {

// DirectShow's codes, the same 32 bits as VFW_E_WRONG_STATE and VFW_E_CANNOT_RENDER.
constexpr Knihovna::Hresult kVFW_E_WRONG_STATE = static_cast<Knihovna::Hresult>(0x80040227);
constexpr Knihovna::Hresult kVFW_E_CANNOT_RENDER = static_cast<Knihovna::Hresult>(0x80040218);

// Media time (100-ns units) of one step: half a second.
constexpr std::int64_t kKrok = 5'000'000;
// The position trackbar's range is 0 to this.
constexpr int kRozsahPosuvniku = 10000;
// The graph's events come to the player window as this message.
constexpr unsigned kZpravaUdalostiGrafu = 0x83E8;

// Graph event codes the player reacts to (EC_COMPLETE, EC_USERABORT, EC_ERRORABORT).
constexpr long kEC_COMPLETE = 0x01;
constexpr long kEC_USERABORT = 0x02;
constexpr long kEC_ERRORABORT = 0x03;

enum class Stav { Bezi = 0, Pozastaveno = 1, Zastaveno = 2, BezSouboru = 3 };

// Menu commands of the player (menu 177, context menu 178).
namespace Prikaz {
constexpr int kOtevrit = 40084;
constexpr int kKonec = 40085;
constexpr int kSpustit = 40087;
constexpr int kUkoncit = 40088;
constexpr int kPrerusit = 40089;
constexpr int kKrokVpred = 40090;
constexpr int kKrokZpet = 40091;
constexpr int kZavrit = 40092;
constexpr int kUlozitSnimek = 40093;
}  // namespace Prikaz

// What the window knows when it enables its menu items.
struct StavPrehravace {
    Stav stav = Stav::BezSouboru;
    std::int64_t trvani = 0;  // 100-ns units
    bool maVideo = false;     // a video stream with a known size (frame saving needs it)
};

// Whether a command of the player's menus is enabled; commands outside 40084–40093 are not.
bool PrikazPovolen(const StavPrehravace& s, int prikaz);

// What the playback object does with its graph for a transport command.
enum class Povel { Spustit, Prerusit, Ukoncit };
enum class AkceGrafu { Zadna, Run, Pause, StopNaZacatek };

struct Prechod {
    Knihovna::Hresult hr = Knihovna::kS_OK;  // VFW_E_WRONG_STATE in a state that does not allow it
    AkceGrafu akce = AkceGrafu::Zadna;
    Stav novyStav = Stav::BezSouboru;
};

// Spustit runs from paused or stopped; Prerusit pauses and Ukoncit stops (to position 0) only
// while running. Without a file every command fails with E_UNEXPECTED (there is no graph).
Prechod PrechodTransportu(Stav stav, Povel povel);

// Target of a step from `pozice`, or nothing when the step is ignored: no duration, a forward
// target at or beyond the duration, a backward one below 0.
std::optional<std::int64_t> CilKroku(std::int64_t pozice, std::int64_t trvani, bool vpred);

// Media time ↔ trackbar position (0 to 10000), computed without overflow for any 64-bit time
// and kept in range; 0 while the duration is not positive.
int PoziceNaPosuvnik(std::int64_t pozice, std::int64_t trvani);
std::int64_t PosuvnikNaPozici(int posuvnik, std::int64_t trvani);

// What the player does on a graph event.
enum class ReakceNaUdalost { Zadna, ZastavitNaZacatku, ZastavitAOznamit };
ReakceNaUdalost ReakceNaUdalostGrafu(long kod);

// Where the picture goes in the video area: with a file open, a known native size and fit on,
// the live video window's fit rule; else at its native size at the origin. Nothing without a
// file or a native size.
std::optional<Knihovna::Obdelnik> UmisteniObrazu(bool souborOtevren, bool prizpusobit, int sirkaKlienta,
                                                 int vyskaKlienta, int sirkaVidea, int vyskaVidea);

}  // namespace Prehravac
