#pragma once

#include <optional>
#include <string>

namespace TestovaciKamera {

// What DllInstall's command line asks for: a number of devices of the same name and/or the
// variant without image properties ("bezobrazu"), separated by spaces or commas.
struct PrikazInstalace {
    int pocet = 0;  // 0: not given
    bool bezObrazu = false;
};

// nullopt for an unknown word, a count outside 1..nejvic or a repeated part.
std::optional<PrikazInstalace> RozebratPrikazInstalace(const std::wstring& text, int nejvic);

// The device number in a device path "…#testovaci-kamera-N#…" (0 when it has none).
int CisloZarizeniZCesty(const std::wstring& cesta);

}  // namespace TestovaciKamera
