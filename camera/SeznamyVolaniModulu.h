#pragma once

#include <cstddef>
#include <vector>

#include "camera/ZasuvnyModul.h"

// Which of a plug-in's five functions its library exports; all false for one that is not loaded (or was
// switched off after a fault until its next load).
struct ExportyModulu {
    bool zapisDoObrazu = false;  // "ZapisDoObrazu"
    bool disk = false;           // "UpravaSnimkuDisk"
    bool email = false;          // "UpravaSnimkuEmail"
    bool ftp = false;            // "UpravaSnimkuFtp"
    bool http = false;           // "UpravaSnimkuHttpServer"
};

// A camera's five call lists: indices into its plug-in list, in list order, of the plug-ins whose function
// is both exported and switched on.
struct SeznamyVolaniModulu {
    std::vector<std::size_t> disk, email, ftp, http, zivy;

    bool operator==(const SeznamyVolaniModulu&) const = default;
};

// exporty[i] belongs to moduly[i]; a missing entry counts as a plug-in that is not loaded.
SeznamyVolaniModulu SestavitSeznamyVolani(const std::vector<ZasuvnyModul>& moduly,
                                          const std::vector<ExportyModulu>& exporty);

// The bytes a live frame of that size holds (rows padded to 4 bytes, 24 bits a pixel); 0 for a size no frame has.
// A shorter sample is not handed to "ZapisDoObrazu", which would write past its end.
std::size_t DelkaZivehoSnimku(int sirka, int vyska);
