#pragma once

#include <atomic>
#include <cstdint>
#include <mutex>
#include <string>

#include "email/Soket.h"

namespace Holvent::Email {

// The SMTP client's TCP layer over blocking BSD sockets, for the native build (the
// product uses SoketWinsock). On Windows every operation fails.
class SoketBsd final : public Soket {
public:
    SoketBsd() = default;
    ~SoketBsd() override;
    SoketBsd(const SoketBsd&) = delete;
    SoketBsd& operator=(const SoketBsd&) = delete;

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
    bool JeOtevreny() const override { return soket_ >= 0; }
    std::wstring JmenoPocitace() override;
    int KodChyby() const override { return kodChyby_; }

private:
    // poll in slices, so that an interruption ends the wait even where shutdown wakes nobody.
    int Cekat(short udalost, int milisekundy);

    int soket_ = -1;  // non-blocking once created
    std::mutex zamek_;  // soket_ against Prerusit from another thread
    std::atomic<bool> preruseno_{false};
    int kodChyby_ = 0;
};

}  // namespace Holvent::Email
