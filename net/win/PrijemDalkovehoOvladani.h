#pragma once

#include <winsock2.h>
#include <windows.h>

#include <chrono>
#include <cstdint>
#include <stop_token>
#include <string>
#include <string_view>

#include "knihovna/Pracovnik.h"
#include "net/DalkoveOvladani.h"

// The remote-control receiver of the main window: the listening socket and the one client report to the window
// (kZpravaSoketPrijmu), the request is collected and carried out on its thread, and the reply goes out on a
// worker that owns the client socket (its end, kZpravaKonecOdpovedi, lets the next pending connection in).
class PrijemDalkovehoOvladani {
public:
    // The main window's timer of a request that takes too long.
    static constexpr UINT_PTR kCasovac = 0x8014;
    static constexpr UINT kLimitPozadavku = 5000;                             // ms from accept to the whole request
    static constexpr std::chrono::milliseconds kLimitZastaveni{10000};       // the reply worker at stop
    static constexpr DWORD kLimitOdeslani = 10000;                            // ms, one send of the reply
    static constexpr DWORD kLimitDoteni = 2000;                               // ms, reading what follows the reply

    PrijemDalkovehoOvladani() = default;
    ~PrijemDalkovehoOvladani();
    PrijemDalkovehoOvladani(const PrijemDalkovehoOvladani&) = delete;
    PrijemDalkovehoOvladani& operator=(const PrijemDalkovehoOvladani&) = delete;

    // Listens on "portPrijem" with notifications to okno; nothing when it listens already. Raises the platform's
    // error when the socket cannot be made, bound, registered or set listening.
    void SpustitPrijem(HWND okno);
    // The same, a failure shown to the user with the port; false then.
    bool SpustitSHlasenim(HWND okno);
    // Closes the listening socket and a client; waits for a reply being sent. Logged by the switches.
    void UkoncitPrijem();
    bool Bezi() const { return naslouchani_ != INVALID_SOCKET; }

    // After the application settings changed: a new port restarts the receiver, the allowed peers are read again.
    void PoZmeneNastaveni(HWND okno);

    // The window's routing: the socket message, the reply worker's end, the request timer.
    void UdalostSoketu(WPARAM wp, LPARAM lp);
    void KonecOdpovedi();
    void Casovac();

    // The reply worker's body: sends the bytes, ends sending, reads what still comes for a moment, closes.
    static void Odeslat(SOCKET soket, const std::string& bajty, std::stop_token stop);

private:
    // Accepts pending connections while the slot is free; peers outside the allowed ones are closed at once.
    void Prijmout();
    void Cist();
    void ZpracovatPrikaz(std::string_view text);
    void Odpovedet(const std::wstring& text);
    // Closes the client without a reply and lets the next one in.
    void ZavritKlienta();
    void NacistPovoleneAdresy();
    void Zaznamenat(bool start);

    HWND okno_ = nullptr;
    SOCKET naslouchani_ = INVALID_SOCKET;
    SOCKET klient_ = INVALID_SOCKET;
    std::uint32_t port_ = 0;
    bool odpovida_ = false;  // the worker holds the client until it posts its end
    DalkoveOvladani::SberPozadavku sber_;
    DalkoveOvladani::PovoleneAdresy povolene_;
    DalkoveOvladani::HlaseniOdmitnuti odmitnuti_;
    Knihovna::Pracovnik pracovnik_;
};
