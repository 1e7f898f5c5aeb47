#include "email/OdmitnutiCertifikatu.h"

#include "knihovna/Formatovani.h"

namespace Holvent::Email {

std::wstring TextOdmitnutiCertifikatu(std::uint32_t kod, const std::wstring& server,
                                      const UdajeCertifikatu& certifikat, const std::wstring& systemovyText) {
    using Knihovna::Formatovat;
    switch (kod) {
    case kCertJineJmeno:
        return Formatovat(L"Certifikát serveru %s je vystaven na jiné jméno (%s).", server.c_str(),
                          certifikat.jmena.empty() ? L"bez jména" : certifikat.jmena.c_str());
    case kCertProsly:
        // A date the certificate did not carry readably is left out rather than shown as nonsense.
        if (certifikat.rok > 0 && certifikat.mesic >= 1 && certifikat.mesic <= 12 && certifikat.den >= 1 &&
            certifikat.den <= 31)
            return Formatovat(L"Platnost certifikátu serveru %s skončila %d. %d. %d.", server.c_str(), certifikat.den,
                              certifikat.mesic, certifikat.rok);
        return Formatovat(L"Platnost certifikátu serveru %s skončila.", server.c_str());
    case kCertNeduveryhodnyKoren:
    case kCertRetezec:
        return Formatovat(L"Certifikát serveru %s nevydala důvěryhodná certifikační autorita.", server.c_str());
    default:
        return Formatovat(L"Certifikát serveru %s nebyl přijat: %s", server.c_str(),
                          Knihovna::STeckouNaKonci(systemovyText).c_str());
    }
}

}  // namespace Holvent::Email
