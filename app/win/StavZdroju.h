#pragma once

#include <windows.h>

#include <cstdint>

// For a long run's leak check, to the main window: one resource figure of the process (wParam the kind, a Udaj; the
// result the figure, -1 when unknown). Listed with the other own messages in camera/AktivityKamery.h.
inline constexpr std::uint32_t kZpravaStavZdroju = 0x8050;

// The process's resource figures, one per kind: the live objects the program's own wrappers count and what the
// system tells of the process.
namespace StavZdroju {

enum class Udaj : WPARAM { RozhraniCom, BitmapyGdiPlus, PrijemciSnimku, Vlakna, Handly, ObjektyGdi, KliceRegistru, Pocet };

// The figure, or -1 for an unknown kind or when the system does not tell it.
LRESULT Hodnota(WPARAM udaj);

}  // namespace StavZdroju
