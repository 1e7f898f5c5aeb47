#pragma once

#include <windows.h>

#include <chrono>
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "camera/HlaseniCesty.h"
#include "camera/ParametryKamery.h"
#include "camera/StavSnimku.h"
#include "net/ServerSnimku.h"
#include "video/win/ZachytavaniVidea.h"

// What the request threads and the camera window share; the threads hold it by shared_ptr only.
struct StavServeruHttp;

// The snapshot server of one camera: the listening socket and the connections awaiting their heads live on the
// camera window's UI thread (socket notifications, timer); every admitted request runs on its own thread that owns
// its socket and asks the window for each picture by a posted message. Owned by the camera window's object; every
// method runs on the window's UI thread.
class ServerHttp {
public:
    // wParam of kZpravaSnimekServeru: a picture wanted (lParam a heap std::shared_ptr<ZadostSnimkuHttp>), or a
    // line for the camera's log and event log (lParam a heap ZaznamServeruHttp).
    static constexpr WPARAM kZadostSnimek = 0;
    static constexpr WPARAM kZadostZaznam = 1;
    static constexpr UINT kPeriodaCasovace = 250;  // ms, the time-outs of connections awaiting their heads

    ServerHttp(ParametryKamery& parametry, HlaseniCesty& hlaseni, const std::wstring& jmenoKamery);
    ~ServerHttp();
    ServerHttp(const ServerHttp&) = delete;
    ServerHttp& operator=(const ServerHttp&) = delete;

    // Listens on "portServer" with notifications to okno; raises the platform error (nothing left open) or
    // E_INVALIDARG for a port outside 1-65535. Nothing when it already listens.
    void SpustitServerHttp(HWND okno);
    // Closes the listening socket and the connections still awaiting their heads; streams end, single requests
    // already running finish.
    void ZastavitServerHttp(HWND okno);
    // Command 40042: stops a running server, else starts it; with the video off a beep and the message, a failed
    // start as an error message with the port.
    void Prepnout(HWND okno, bool video);
    bool Bezi() const { return soket_ != kZadnySoket; }
    std::uint16_t Port() const { return port_; }

    // kZpravaSoketServeru.
    void Soket(HWND okno, WPARAM soket, LPARAM udalost);
    // The window's timer kCasovacServer.
    void Casovac(HWND okno);
    // kZpravaSnimekServeru: a picture (with the video off E_NOINTERFACE, else the HTTP snapshot, shared with every
    // request within one frame period) or a log line.
    void Zadost(WPARAM druh, LPARAM zadost, Holvent::DirectShow::ZachytavaniVidea& zachytavani, StavSnimku& stav);
    // kZpravaZatizeniServeru: MAKELRESULT(request threads, open client connections).
    LRESULT Zatizeni() const;
    // The video went on or off: off ends the streams (their next picture fails anyway).
    void Video(bool zapnuto);
    // Camera closing: the server stops, pending pictures fail, every client socket is shut and the request threads
    // are awaited at most limit.
    void Zavrit(HWND okno, std::chrono::milliseconds limit);

private:
    static constexpr std::uintptr_t kZadnySoket = ~std::uintptr_t{0};

    struct Cekajici {
        std::uintptr_t soket;
        Holvent::Server::SpojeniServeru spojeni;
        bool neco;  // any byte received
    };

    void Prijmout(HWND okno);
    void Precist(HWND okno, std::size_t index, bool zavreno);
    // Acts on a decided connection: closed, refused for the limit, or handed to a request thread.
    bool Rozhodnout(HWND okno, std::size_t index);
    void ZavritCekajici(std::size_t index);
    void SpustitVlakno(std::uintptr_t soket, Holvent::Server::Pozadavek druh);
    std::uint32_t PeriodaSnimku() const;
    void ZpracovatZaznam(LPARAM zaznam);

    ParametryKamery& parametry_;
    HlaseniCesty& hlaseni_;
    const std::wstring& jmenoKamery_;
    std::shared_ptr<StavServeruHttp> stav_;
    std::uintptr_t soket_ = kZadnySoket;
    std::uint16_t port_ = 0;
    std::vector<Cekajici> cekajici_;
    // The last picture served and when it was encoded: requests within one frame period share it.
    std::shared_ptr<const std::vector<std::uint8_t>> posledni_;
    std::uint32_t posledniTik_ = 0;
};
