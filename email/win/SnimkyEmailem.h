#pragma once

#include <windows.h>

#include <chrono>
#include <cstdint>
#include <memory>
#include <string>

#include "camera/HlaseniCesty.h"
#include "camera/ParametryKamery.h"
#include "camera/StavSnimku.h"
#include "email/OdeslaniEmailu.h"
#include "email/SouboryEmailu.h"
#include "knihovna/Pracovnik.h"
#include "video/win/ZachytavaniVidea.h"

// What the dispatch worker posts back to the camera window (kZpravaVysledekPrace, kPraceEmail).
struct VysledekPraceEmailu {
    Holvent::Email::VysledekEmailu vysledek;
    bool test = false;
    std::wstring soubor;    // the snapshot's file name without its folder
    std::wstring prijemce;
    std::wstring server;
    HWND dialog = nullptr;  // the settings dialog that asked for the test message
};

// The snapshots of one camera by e-mail: single snapshots and test messages on a worker, automatic sending on
// timer 3, and what the results mean for the user, the logs and "akcePriChybe". Runs on the camera's UI thread;
// the worker gets copies of everything it needs and reports by a posted message.
class SnimkyEmailem {
public:
    // The marker of a snapshot sent by timer 3 (the parameter of command 40053).
    static constexpr std::uintptr_t kPrikazCasovace = 40041;
    static constexpr std::uint32_t kPrikazTestu = 1109;

    SnimkyEmailem(HWND okno, ParametryKamery& parametry, StavSnimku& stav, HlaseniCesty& hlaseni, std::wstring jmeno);
    ~SnimkyEmailem();

    // At the camera's start: the numbered e-mail files of an earlier run go.
    void SmazatStareSoubory();
    // Command 40053 (parametr kPrikazCasovace from the timer, else by hand).
    void OdeslatSnimekEmail(Holvent::DirectShow::ZachytavaniVidea& zachytavani, std::uintptr_t parametr);
    // The settings dialog's test message with the values the pages show; the answer is a message box over dialog.
    void OdeslatTest(HWND dialog, const ParametryKamery& hodnoty);
    // The worker's result (the message's lParam, owned from here on).
    void Vysledek(LPARAM lp);

    // Automatic sending: command 40041 (parametr 0 sends the first snapshot at once), 0x8012, closing.
    void SpustitAutoEmail(bool videoZapnuto, std::uintptr_t parametr);
    void UkoncitAutoEmail();
    // 0x8012: automatic sending stops after a failure; that counts as the camera's fault until it is started again.
    void ZastavitPoChybe();
    bool AutoBezi() const { return autoBezi_; }
    bool ZastavenoChybou() const { return zastavenoChybou_; }
    // After the settings changed: the further recipients again, a running timer with its new period.
    void PouzitNastaveni();
    // Closing: automatic sending stops, a running dispatch is cut off within limit (the camera's stop time-out).
    void Zavrit(std::chrono::milliseconds limit);

private:
    // Starts the worker; false with the message given when it could not start.
    bool SpustitPraci(Holvent::Email::UlohaEmailu uloha, VysledekPraceEmailu info);
    // The account named by emailUcet, copied; false when the store has none.
    bool KopieUctu(const std::wstring& emailUcet, Holvent::Email::EmailovyUcet& ucet) const;
    Holvent::Email::UlohaEmailu Uloha(const ParametryKamery& p, const Holvent::Email::EmailovyUcet& ucet, bool test) const;
    void Zaneprazdneno();
    void OznamitTest(HWND dialog, const std::wstring& text, bool chyba) const;
    std::wstring Pripona() const;

    HWND okno_;
    ParametryKamery& parametry_;
    StavSnimku& stav_;
    HlaseniCesty& hlaseni_;
    std::wstring jmeno_;
    Holvent::Email::CitacEmailu citac_;
    Knihovna::Pracovnik pracovnik_;
    bool autoBezi_ = false;
    bool zastavenoChybou_ = false;
    bool zaneprazdnenoHlaseno_ = false;  // a dropped request was logged in this busy period
};
