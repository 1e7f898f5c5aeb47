#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "video/RizeniPrehravace.h"
#include "video/win/HlavickyDirectShow.h"
#include "video/win/UkazatelCom.h"

#include <d3d9.h>
#include <vmr9.h>

namespace Holvent::DirectShow {

// The player's playback engine: a DirectShow graph with the file's source, a Sample Grabber
// in the video path before a windowless VMR-9, and the DirectSound renderer. Without a sound
// device the video plays mute. The grabber takes RGB32: Wine's VMR-9 accepts RGB24 at connection
// but then fails to allocate its surfaces, so nothing would play. The graph is never stopped
// with StopWhenReady: under Wine its delayed stop undoes a Run that follows it. Not thread-safe: one per player window, used on its thread.
// Failures are raised as Knihovna::Chyba.
class PrehravaniVidea {
public:
    // `oknoVidea` clips the windowless renderer; `oknoUdalosti` gets the graph's events as
    // `zpravaUdalosti` (either may be null).
    PrehravaniVidea(HWND oknoVidea, HWND oknoUdalosti, UINT zpravaUdalosti = Prehravac::kZpravaUdalostiGrafu);
    ~PrehravaniVidea();
    PrehravaniVidea(const PrehravaniVidea&) = delete;
    PrehravaniVidea& operator=(const PrehravaniVidea&) = delete;

    // Opens the file stopped at its start (the window then runs it); on a failure the engine is
    // left without a file and the error raised. Nothing renderable: VFW_E_CANNOT_RENDER.
    void Otevrit(const std::wstring& cesta);
    void Zavrit() noexcept;

    void Spustit();
    void Prerusit();
    void Ukoncit();
    // Steps by half a second; a target outside the file is ignored (returns false).
    bool KrokVpred();
    bool KrokZpet();
    void NastavitPozici(std::int64_t cas);
    std::int64_t Pozice() const;

    // The frame shown now as a 24-bit BMP file's bytes (from the grabber's buffer). E_UNEXPECTED
    // without video or before the first frame.
    std::vector<std::uint8_t> AktualniSnimekBmp() const;

    // Takes the graph's queued events, returning what the window should do about them (the most
    // serious one) and the error code of an abort.
    Prehravac::ReakceNaUdalost ZpracovatUdalosti(long& kodChyby);

    // Places the picture in the video window's client coordinates.
    void NastavitPoziciObrazu(const RECT& obdelnik);
    void PrekreslitObraz(HDC dc);

    Prehravac::Stav Stav() const { return stav_; }
    Prehravac::StavPrehravace StavPrehravace() const { return {stav_, trvani_, maVideo_}; }
    bool MaVideo() const { return maVideo_; }
    bool MaZvuk() const { return maZvuk_; }
    // True when the file has sound but no sound device took it.
    bool BezZvuku() const { return bezZvuku_; }
    int SirkaVidea() const { return sirka_; }
    int VyskaVidea() const { return vyska_; }
    std::int64_t Trvani() const { return trvani_; }
    const std::wstring& Cesta() const { return cesta_; }

    // Volume (0 = full, −10000 = silence) and mute, applied at the next open.
    void NastavitHlasitost(long hlasitost, bool ztlumit) {
        hlasitost_ = hlasitost;
        ztlumit_ = ztlumit;
    }

private:
    void SestavitGraf();
    bool VlozitGrabber(IPin* vystup);
    void Provest(Prehravac::Povel povel);

    HWND oknoVidea_;
    HWND oknoUdalosti_;
    UINT zpravaUdalosti_;

    UkazatelCom<IGraphBuilder> graf_;
    UkazatelCom<IMediaControl> rizeni_;
    UkazatelCom<IMediaEventEx> udalosti_;
    UkazatelCom<IMediaSeeking> hledani_;
    UkazatelCom<IBasicAudio> zvuk_;
    UkazatelCom<IBaseFilter> filtrGrabberu_;
    UkazatelCom<ISampleGrabber> grabber_;
    UkazatelCom<IBaseFilter> vmr_;
    UkazatelCom<IVMRWindowlessControl9> okenniRizeni_;

    Prehravac::Stav stav_ = Prehravac::Stav::BezSouboru;
    bool maVideo_ = false;
    bool maZvuk_ = false;
    bool bezZvuku_ = false;
    int sirka_ = 0;
    int vyska_ = 0;
    std::int64_t trvani_ = 0;
    DWORD schopnosti_ = 0;
    long hlasitost_ = 0;
    bool ztlumit_ = false;
    std::wstring cesta_;
};

}  // namespace Holvent::DirectShow
