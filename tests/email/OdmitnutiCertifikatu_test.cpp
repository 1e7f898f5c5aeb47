#include "email/OdmitnutiCertifikatu.h"

#include <gtest/gtest.h>

using namespace Holvent::Email;

// The three refusals with their own words are checked against real certificates under Wine; here what a real
// certificate seldom shows: a chain error of another kind, a certificate with no name or no readable end.
TEST(OdmitnutiCertifikatu, OstatniKodyANeuplneUdaje) {
    const UdajeCertifikatu bezUdaju;
    EXPECT_EQ(TextOdmitnutiCertifikatu(0x800B0110, L"smtp.example.com", bezUdaju,
                                       L"Certifikát nelze použít k tomuto účelu"),
              L"Certifikát serveru smtp.example.com nebyl přijat: Certifikát nelze použít k tomuto účelu.");
    EXPECT_EQ(TextOdmitnutiCertifikatu(kCertJineJmeno, L"smtp.example.com", bezUdaju, L""),
              L"Certifikát serveru smtp.example.com je vystaven na jiné jméno (bez jména).");
    EXPECT_EQ(TextOdmitnutiCertifikatu(kCertProsly, L"smtp.example.com", bezUdaju, L""),
              L"Platnost certifikátu serveru smtp.example.com skončila.");
    EXPECT_EQ(TextOdmitnutiCertifikatu(kCertProsly, L"smtp.example.com", {L"", 2025, 12, 1}, L""),
              L"Platnost certifikátu serveru smtp.example.com skončila 1. 12. 2025.");
    EXPECT_EQ(TextOdmitnutiCertifikatu(kCertRetezec, L"smtp.example.com", bezUdaju, L""),
              TextOdmitnutiCertifikatu(kCertNeduveryhodnyKoren, L"smtp.example.com", bezUdaju, L""));
}
