#pragma once

#include <windows.h>

#include <cstdint>
#include <functional>
#include <string>

#include "camera/HlaseniCesty.h"
#include "camera/ParametryKamery.h"
#include "camera/PlanObnoveni.h"
#include "video/win/OknoVideo.h"

// A camera's watch over its video device and the reconnection of a lost one. The device is lost when its graph
// says so (EC_DEVICE_LOST, EC_ERRORABORT) or delivers no frame for "limitBezSnimku" seconds while it runs; then the
// running activities stop, the video goes off (a recording is finished), the loss is shown and logged, and the
// device is looked up and opened again every "intervalObnoveni" seconds (growing to a minute). An attempt counts
// once the first frame arrives: the activities that ran come back and the reconnection is logged. UI thread only;
// the window routes its graph-event message and timers 10 and 11 here.
class ObnoveniKamery {
public:
    // What the window lends: its own switching of the video (with everything that goes with it) and what runs now.
    struct Okno {
        std::function<void()> zapnoutVideo;
        std::function<void()> vypnoutVideo;
        std::function<BeziciAktivity()> aktivity;
    };

    ObnoveniKamery(HWND okno, ParametryKamery& parametry, const std::wstring& jmenoKamery, OknoVideo& video,
                   HlaseniCesty& hlaseni, Okno funkce);

    // The window exists: the graph's events come to it, the watchdog ticks every second.
    void Spustit();
    // The window closes: no attempt any more.
    void Zastavit();
    // kZpravaUdalostGrafuKamery.
    void UdalostGrafu();
    // Timers kCasovacObnoveni and kCasovacHlidaniSnimku; false for another one.
    bool Casovac(UINT_PTR id);
    // While a lost device is being opened again (the window keeps the attempts' failures to itself then).
    bool Obnovuje() const { return ztraceno_; }

private:
    void Hlidat();
    void Ztrata();
    void Pokus();
    void Neuspech();
    void Uspech();
    void Naplanovat();
    // How long an opened device may stay silent before the attempt counts as failed, ms.
    std::uint32_t LimitOvereni() const;

    HWND okno_;
    ParametryKamery& parametry_;
    const std::wstring& jmeno_;
    OknoVideo& video_;
    HlaseniCesty& hlaseni_;
    Okno funkce_;

    HlidacSnimku hlidac_;
    bool sleduje_ = false;   // the watchdog measures the running graph
    bool ztraceno_ = false;  // the device is lost and being opened again
    bool overuje_ = false;   // an attempt opened it and waits for its first frame
    BeziciAktivity predZtratou_;
    InfoZarizeni zarizeni_;  // the lost device
    std::uint32_t zacatekZtraty_ = 0;
    std::uint32_t pokus_ = 0;
};
