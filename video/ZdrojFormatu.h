#pragma once

#include "knihovna/Chyba.h"
#include "video/SeznamFormatu.h"

namespace Holvent::DirectShow {

// What reading a format list needs of a capture pin's stream configuration and of its graph.
class ZdrojFormatu {
public:
    virtual ~ZdrojFormatu() = default;

    // StopWhenReady of the graph.
    virtual void Zastavit() = 0;
    // Run of the graph; its result is not the reader's business.
    virtual void Spustit() = 0;
    // GetNumberOfCapabilities: the number of capabilities and the size of one capability record.
    virtual Knihovna::Hresult PocetSchopnosti(int& pocet, int& velikost) = 0;
    // Capability i: false when it cannot be read or is neither video nor analog video.
    virtual bool Schopnost(int index, FormatVidea& format) = 0;
};

}  // namespace Holvent::DirectShow
