#pragma once

#include <windows.h>

#include <atomic>
#include <cstddef>
#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "camera/VlaknoZasuvnehoModulu.h"
#include "camera/win/ZasuvneModuly.h"
#include "knihovna/win/GdiPlus.h"
#include "video/win/PrijemceSnimku.h"
#include "video/win/ZachytavaniVidea.h"

// A camera's snapshot plug-ins at work: loading and unloading them with the window, the live frames on the
// streaming thread and the snapshots' step 8 on the UI thread, each call on a plug-in thread within its budget.
// A plug-in that faults or overruns is switched off at once and reported to the window by kZpravaSelhaniModulu.
class ModulyKamery {
public:
    // What the window receives with kZpravaSelhaniModulu (it owns it then).
    struct Selhani {
        std::uint64_t generace = 0;
        std::size_t index = 0;
        std::wstring jmeno;
        bool neodpovedel = false;  // an overrun, else a fault with kod
        std::uint32_t kod = 0;
        long limitMs = 0;
    };

    ModulyKamery() = default;
    ModulyKamery(const ModulyKamery&) = delete;
    ModulyKamery& operator=(const ModulyKamery&) = delete;
    ~ModulyKamery() { Uvolnit(); }

    // UI thread. Loads the list (after unloading the old one) and hands the new live list to the streaming
    // thread under the receiver's lock; returns the load message of each library that failed. okno gets the
    // fault reports.
    std::vector<std::wstring> Nacist(const std::vector<ZasuvnyModul>& seznam, HWND okno,
                                     Holvent::DirectShow::PrijemceSnimku* prijemce);
    // UI thread: no live call runs or starts after the swap; the libraries go when no call holds them. Without
    // a receiver the frame callback must be disconnected already.
    void Uvolnit(Holvent::DirectShow::PrijemceSnimku* prijemce = nullptr);

    // Streaming thread, under the receiver's lock (from its function), after the motion detector. Runs the
    // live plug-ins on a frame of sirka × vyska unless it is the detector's reference frame or a short sample,
    // and keeps the frame for grabs while any live plug-in is loaded. Without one nothing is copied.
    void ZivySnimek(std::uint8_t* data, long delka, int sirka, int vyska, bool referencni,
                    Holvent::DirectShow::PrijemceSnimku& prijemce) noexcept;

    // Step 8 of a snapshot of the kind (DruhSnimku): the kind's plug-ins in list order on the capture object's
    // bitmap. A hung function leaves the bitmap to it (given up, not freed) and the snapshot fails.
    void UpravitSnimek(Gdiplus::Bitmap& bitmapa, int druh, Holvent::DirectShow::ZachytavaniVidea& zachytavani);

    // UI thread, kZpravaSelhaniModulu: switches the plug-in off in every list (when the report is of the loaded
    // list) and returns the text to report; frees the report.
    std::wstring PrevzitSelhani(LPARAM lp, Holvent::DirectShow::PrijemceSnimku* prijemce);

    const ZasuvneModuly& Nactene() const { return moduly_; }

private:
    // One live plug-in as the streaming thread sees it; switched off there at once after a fault.
    struct ZivyModul {
        std::shared_ptr<void> knihovna;
        ZasuvneModuly::FunkceObrazu funkce = nullptr;
        std::wstring jmeno;
        std::size_t index = 0;
        std::uint64_t generace = 0;
        std::atomic<bool> vypnuty{false};
    };
    using ZivySeznam = std::vector<std::shared_ptr<ZivyModul>>;

    void VymenitZivySeznam(std::shared_ptr<const ZivySeznam> novy, Holvent::DirectShow::PrijemceSnimku* prijemce);
    std::shared_ptr<const ZivySeznam> SestavitZivySeznam() const;
    void Oznamit(Selhani selhani) const;

    ZasuvneModuly moduly_;
    std::atomic<HWND> okno_{nullptr};
    // Read by the streaming thread under the receiver's lock; replaced whole, never changed in place.
    std::shared_ptr<const ZivySeznam> zivy_;
    VlaknoZasuvnehoModulu vlaknoZivehoObrazu_;  // streaming thread only
    VlaknoZasuvnehoModulu vlaknoSnimku_;        // UI thread only
};

// The texts the camera window reports a switched-off plug-in with.
std::wstring TextSelhaniModulu(const ModulyKamery::Selhani& selhani);
