#pragma once

#include <windows.h>

#include <atomic>
#include <chrono>
#include <cstdint>
#include <memory>
#include <stop_token>
#include <string>

#include "camera/HlaseniCesty.h"
#include "camera/ParametryKamery.h"
#include "camera/StavSnimku.h"
#include "knihovna/Pracovnik.h"
#include "video/win/ZachytavaniVidea.h"

// What one upload needs, copied on the UI thread: the worker owns nothing else.
struct UlohaFtp {
    void* koren = nullptr;  // the application's WinInet root handle
    std::wstring server, uzivatel, heslo, slozka;
    bool pasivni = true;
    std::wstring mistniSoubor, vzdalenyNazev;
};

// How far the running upload got, shared with its worker: the step it waits in (a static text) and whether
// its deadline closed the connection.
struct PrubehFtp {
    std::atomic<const wchar_t*> krok{L"příprava"};
    std::atomic<bool> limitVyprsel{false};
};

// The end of an upload, posted to the camera window (kZpravaVysledekPrace, kPraceFtp).
struct VysledekFtp {
    bool uspech = false;
    std::wstring vzdalenyNazev, server;
    std::wstring chyba;  // the failed step with the server's reply or the error's description
};

// The FTP snapshots of one camera: single uploads on a worker, automatic uploading on timer 2, and the handling
// of each upload's result. Lives as long as the camera object (the counter on the server restarts only with it);
// every method runs on the camera window's UI thread.
class SnimkyNaFtp {
public:
    // Waits of one upload; past the limit its connection is closed (under Wine a blocked call still runs to
    // WinInet's own 30-s time-out, and the road stays busy until then).
    static constexpr std::chrono::minutes kLimitOdeslani{2};

    SnimkyNaFtp(ParametryKamery& parametry, StavSnimku& stav, HlaseniCesty& hlaseni, const std::wstring& jmenoKamery);

    // The upload command: parametr 40040 marks the timer's.
    void OdeslatSnimekFtp(HWND okno, Holvent::DirectShow::ZachytavaniVidea& zachytavani, std::uintptr_t parametr);
    // The worker's result (lParam of kZpravaVysledekPrace with kPraceFtp): owned from here on.
    void Vysledek(HWND okno, LPARAM vysledek);

    // Command 40040; preskocitPrvni (parameter 1, the actions after start) waits one period for the first upload.
    void PrepnoutAutoFtp(HWND okno, bool preskocitPrvni);
    void SpustitAutoFtp(HWND okno, bool preskocitPrvni);
    void UkoncitAutoFtp(HWND okno);
    // 0x8010: automatic uploading stops after a failure; that counts as the camera's fault until it is started again.
    void ZastavitPoChybe(HWND okno);
    bool AutoBezi() const { return autoBezi_; }
    bool ZastavenoChybou() const { return zastavenoChybou_; }
    // After the settings changed: a running timer takes the new interval.
    void PouzitNastaveni(HWND okno);
    // Closing the camera: automatic uploading ends, a running upload is cut off within limit (and logged).
    void Zavrit(HWND okno, std::chrono::milliseconds limit);

    // The worker's body: connect, folder, upload, with the stop token and the deadline closing the connection.
    static VysledekFtp VlaknoOdeslaniFtp(const UlohaFtp& uloha, std::stop_token stop,
                                        std::chrono::milliseconds limit, PrubehFtp& prubeh);

private:
    void Selhani(HWND okno, const VysledekFtp& vysledek);
    void ZapsatAktivitu(bool start);

    ParametryKamery& parametry_;
    StavSnimku& stav_;
    HlaseniCesty& hlaseni_;
    const std::wstring& jmenoKamery_;
    Knihovna::Pracovnik pracovnik_;
    std::uint32_t citac_ = 0;
    bool autoBezi_ = false;
    bool zastavenoChybou_ = false;
    // The running upload, for the messages while it runs and when it is cut off.
    std::wstring bezici_;
    std::shared_ptr<PrubehFtp> prubeh_;
    bool zahozeniHlaseno_ = false;
};
