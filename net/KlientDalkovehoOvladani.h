#pragma once

#include <atomic>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "email/Soket.h"

namespace Holvent::Ovladac {

// How sending a command ended.
enum class Selhani {
    Zadne,
    NeplatnaAdresa,  // not a dotted IPv4 address; nothing was connected
    Spojeni,         // socket or connect failed (or took longer than the connect limit)
    Odeslani,        // the request could not be sent
    Prijem,          // the reply could not be received
    CasOdpovedi,     // the peer did not end its reply within the reply limit
    DlouhaOdpoved,   // the reply grew over kMaxOdpoved bytes
    Preruseno,       // cut off from another thread
};

struct VysledekPrikazu {
    Selhani selhani = Selhani::Zadne;
    int kodSystemu = 0;                  // the system's code of a failed connect, send or receive (0: none)
    std::vector<std::wstring> odpovedi;  // every reply received, also before a failure
    bool Uspech() const { return selhani == Selhani::Zadne; }
};

// The sending side of the remote-control protocol: one connection per command, the request "GET /<number>"
// with its zero byte, the end of sending, then the peer's replies until it closes.
class KlientDalkovehoOvladani {
public:
    static constexpr int kLimitSpojeniMs = 5000;
    static constexpr int kLimitOdpovediMs = 10000;
    static constexpr std::size_t kMaxOdpoved = 64 * 1024;
    static constexpr int kVelikostKusu = 1024;

    explicit KlientDalkovehoOvladani(Email::Soket& soket, int limitSpojeniMs = kLimitSpojeniMs,
                                     int limitOdpovediMs = kLimitOdpovediMs)
        : soket_(soket), limitSpojeniMs_(limitSpojeniMs), limitOdpovediMs_(limitOdpovediMs) {}

    // Blocking, on a worker thread; the socket is closed when it returns.
    VysledekPrikazu Odeslat(const std::wstring& adresa, std::uint16_t port, int prikaz);
    // From another thread: every wait of Odeslat ends at once.
    void Prerusit();

    // The request's bytes, its terminating zero included.
    static std::string Pozadavek(int prikaz);
    // The replies in received bytes: the zero bytes that end them are dropped, each Windows-1250 text is one reply.
    static std::vector<std::wstring> Odpovedi(std::string_view bajty);
    // Whether text is a dotted IPv4 address ("192.168.1.10"); its value in network byte order to adresa.
    static bool JeAdresaIpv4(std::wstring_view text, std::uint32_t* adresa = nullptr);
    // The user's text of a failure that carries no system code; empty for one that does.
    static std::wstring TextSelhani(Selhani selhani);

private:
    VysledekPrikazu Provest(const std::wstring& adresa, std::uint16_t port, int prikaz);
    bool Poslat(const std::string& data);

    Email::Soket& soket_;
    const int limitSpojeniMs_;
    const int limitOdpovediMs_;
    std::atomic<bool> preruseno_{false};
};

}  // namespace Holvent::Ovladac
