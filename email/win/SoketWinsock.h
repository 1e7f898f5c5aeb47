#pragma once

#include <winsock2.h>
#include <windows.h>

#include <atomic>
#include <cstdint>
#include <mutex>
#include <string>

#include "email/Soket.h"

namespace Holvent::Email {

// The SMTP client's TCP layer over blocking Winsock calls.
class SoketWinsock final : public Soket {
public:
    SoketWinsock();
    ~SoketWinsock() override;
    SoketWinsock(const SoketWinsock&) = delete;
    SoketWinsock& operator=(const SoketWinsock&) = delete;

    bool PrelozitAdresu(const std::string& hostitel, std::uint32_t& adresa) override;
    bool Vytvorit() override;
    bool Pripojit(std::uint32_t adresa, std::uint16_t port, int milisekundy) override;
    int CekatNaCteni(int milisekundy) override;
    bool CekatNaZapis(int milisekundy) override;
    int Prijmout(char* buffer, int velikost) override;
    int Odeslat(const char* data, int delka) override;
    bool UkoncitOdesilani() override;
    void Zavrit() override;
    void Prerusit() override;
    bool JeOtevreny() const override { return soket_ != INVALID_SOCKET; }
    std::wstring JmenoPocitace() override;
    int KodChyby() const override { return kodChyby_; }

    // The SMTP port of the services database ("smtp"/"tcp"), 25 when it has none.
    static std::uint16_t PortSmtp();
    // The port of a TCP service of the services database ("submission"), vychozi when it has none.
    static std::uint16_t PortSluzby(const char* sluzba, std::uint16_t vychozi);

private:
    // select in slices, so that an interruption ends the wait: under Wine 8 a shutdown from another thread does not
    // wake a blocked select (it runs to its time-out).
    // zapis: writable (or the connect's failure); returns 1 ready, 0 time-out, -1 error or interrupted.
    int Cekat(bool zapis, int milisekundy);

    bool winsock_ = false;
    SOCKET soket_ = INVALID_SOCKET;  // non-blocking once created
    std::mutex zamek_;  // soket_ against Prerusit from another thread
    std::atomic<bool> preruseno_{false};
    int kodChyby_ = 0;
};

}  // namespace Holvent::Email
