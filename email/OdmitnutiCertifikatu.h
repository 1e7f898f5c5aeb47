#pragma once

#include <cstdint>
#include <string>

namespace Holvent::Email {

// The results of the system's SSL chain policy that the user is told in words of their own.
inline constexpr std::uint32_t kCertProsly = 0x800B0101;          // CERT_E_EXPIRED
inline constexpr std::uint32_t kCertNeduveryhodnyKoren = 0x800B0109;  // CERT_E_UNTRUSTEDROOT
inline constexpr std::uint32_t kCertRetezec = 0x800B010A;         // CERT_E_CHAINING
inline constexpr std::uint32_t kCertJineJmeno = 0x800B010F;       // CERT_E_CN_NO_MATCH

// What a refusal tells of the server's certificate.
struct UdajeCertifikatu {
    std::wstring jmena;                 // the names it was issued to, ", " between them
    int rok = 0, mesic = 0, den = 0;    // the end of its validity, local date
};

// The user's text of a certificate the chain policy refused with kod: the reason in Czech for the codes above,
// the system's description (systemovyText) for the others.
std::wstring TextOdmitnutiCertifikatu(std::uint32_t kod, const std::wstring& server,
                                      const UdajeCertifikatu& certifikat, const std::wstring& systemovyText);

}  // namespace Holvent::Email
