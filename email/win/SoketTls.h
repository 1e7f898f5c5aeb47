#pragma once

#include <memory>
#include <string>

#include "email/Soket.h"

namespace Holvent::Email {

// TLS over an already connected socket through Schannel (a client only). The inner socket carries the records;
// this one gives the plaintext to its user, so the SMTP client speaks over it as over a plain one.
class SoketTls final : public Soket {
public:
    // Takes the connected inner socket; nothing is sent until Navazat.
    SoketTls(std::unique_ptr<Soket> vnitrni, std::wstring server, int casovyLimitMs);
    ~SoketTls() override;
    SoketTls(const SoketTls&) = delete;
    SoketTls& operator=(const SoketTls&) = delete;

    // The handshake (SNI = server) and the certificate check; false with the user's Czech text in chyba
    // (a refused certificate, TLS not available in this system, a failed, closed or garbled handshake).
    // Every wait within casovyLimitMs.
    bool Navazat(std::wstring& chyba);

    bool PrelozitAdresu(const std::string& hostitel, std::uint32_t& adresa) override;
    bool Vytvorit() override;
    bool Pripojit(std::uint32_t adresa, std::uint16_t port, int milisekundy) override;
    // 1 only when decrypted plaintext waits (or the peer ended the session), 0 time-out, -1 error.
    int CekatNaCteni(int milisekundy) override;
    bool CekatNaZapis(int milisekundy) override;
    int Prijmout(char* buffer, int velikost) override;
    // Encrypts and sends whole records of at most the stream's maximum message; may accept a part of data.
    int Odeslat(const char* data, int delka) override;
    bool UkoncitOdesilani() override;
    // Sends close_notify (when the session stands) and closes the inner socket.
    void Zavrit() override;
    // Forwards to the inner socket.
    void Prerusit() override;
    bool JeOtevreny() const override;
    int KodChyby() const override;
    std::wstring JmenoPocitace() override;

private:
    struct Stav;
    std::unique_ptr<Stav> stav_;
};

// The wrapping hook the SMTP client uses on Windows: wraps and handshakes; nullptr with chyba on failure (the inner
// socket is then closed).
std::unique_ptr<Soket> ZabalitDoTls(std::unique_ptr<Soket> vnitrni, const std::wstring& server, int casovyLimitMs,
                                    std::wstring& chyba);

}  // namespace Holvent::Email
