#pragma once

#include <cstdint>
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
    bool Pripojit(std::uint32_t adresa, std::uint16_t port) override;
    int CekatNaCteni(int milisekundy) override;
    bool CekatNaZapis() override;
    int Prijmout(char* buffer, int velikost) override;
    int Odeslat(const char* data, int delka) override;
    void Zavrit() override;
    bool JeOtevreny() const override { return soket_ >= 0; }
    std::wstring JmenoPocitace() override;

private:
    int soket_ = -1;
};

}  // namespace Holvent::Email
