#pragma once

#include <cstdint>
#include <string>

namespace Holvent::Email {

// The blocking TCP layer under the SMTP client: Winsock on the product, BSD sockets
// natively, a scripted peer in tests. One object holds at most one connection.
class Soket {
public:
    virtual ~Soket() = default;

    // IPv4 address (network byte order) of a dotted address or host name; false when
    // the name cannot be resolved.
    virtual bool PrelozitAdresu(const std::string& hostitel, std::uint32_t& adresa) = 0;
    virtual bool Vytvorit() = 0;
    // port in host byte order; gives up after milisekundy (the reply time-out of the caller).
    virtual bool Pripojit(std::uint32_t adresa, std::uint16_t port, int milisekundy) = 0;
    // 1 readable, 0 time-out, -1 error.
    virtual int CekatNaCteni(int milisekundy) = 0;
    // Whether some bytes can be sent without blocking within milisekundy.
    virtual bool CekatNaZapis(int milisekundy) = 0;
    // Bytes received, 0 when the peer closed, -1 on error.
    virtual int Prijmout(char* buffer, int velikost) = 0;
    // Bytes sent (possibly fewer than delka, 0 when nothing could go now), -1 on error.
    virtual int Odeslat(const char* data, int delka) = 0;
    // Shuts down the sending direction only: the peer sees the end of the data and may still answer.
    // False on error.
    virtual bool UkoncitOdesilani() = 0;
    // Shuts down both directions and closes.
    virtual void Zavrit() = 0;
    // From another thread: cuts the connection off; every wait and transfer then fails at once, also a
    // connection made later by this object. Safe against a concurrent Zavrit.
    virtual void Prerusit() = 0;
    virtual bool JeOtevreny() const = 0;
    // The system's code (Winsock error, errno) of the last failed create, connect, send or receive; 0 when
    // the failure carried none (a time-out of a wait, an interruption).
    virtual int KodChyby() const { return 0; }
    // Name of this computer for EHLO/HELO.
    virtual std::wstring JmenoPocitace() = 0;
};

}  // namespace Holvent::Email
