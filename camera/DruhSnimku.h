#pragma once

#include <cstdint>

#include "camera/ParametrySnimku.h"
#include "camera/PopisPisma.h"

// The snapshot kind a camera stores before each snapshot; it chooses the block of settings.
inline constexpr int kSnimekZadny = 0;  // the handler does nothing
inline constexpr int kSnimekDisk = 1;
inline constexpr int kSnimekEmail = 2;
inline constexpr int kSnimekFtp = 3;
inline constexpr int kSnimekHttp = 4;

// The kind the frame-ready handler works with for a stored pending kind: 0 or above 7 counts
// as a disk snapshot, 5 to 7 as none (kSnimekZadny).
int DruhKeZpracovani(std::int64_t ulozenyDruh);

// Whether a "kdy" setting (bit 1 by hand, bit 2 automatic) holds for a snapshot of that origin.
bool KdyPlati(std::uint32_t kdy, bool automaticky);

// Whether the picture overlay of the kind's block is drawn; kind 4 needs the picture file only.
bool PouzitObrazek(int druh, const ParametrySnimku& blok, bool automaticky, bool souborExistuje);
// Whether the text of the kind's block is drawn (kind 4 always).
bool PouzitText(int druh, const ParametrySnimku& blok, bool automaticky);

// What the camera hands the capture object before a snapshot.
struct PozadavekSnimku {
    int kodPruhu = 0;            // the block's text "kde"; only 11 to 14 add a strip
    PopisPisma pismo;            // a copy of the block's font
    std::uint32_t barvaTextu = 0;  // 0x00BBGGRR: decides whether the strip is black or white
    int koder = 0;               // index into the encoder table
    bool sKvalitou = false;
    std::uint32_t kvalita = 0;   // only with sKvalitou

    bool operator==(const PozadavekSnimku&) const = default;
};

// Kind 4 is always JPEG with the block's quality; e-mail snapshots never carry a quality; the
// others carry it for JPEG only.
PozadavekSnimku PripravitPozadavek(int druh, const ParametrySnimku& blok);
