#pragma once

// The test CA in the current user's "Root" store of the Wine prefix, for the TLS tests (the socket's Wine test
// and PomocnikTestu's "koren-pridat"/"koren-odebrat" for the whole-program tests).

#include <windows.h>
#include <wincrypt.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>

namespace TestyTls {

// Adds the DER certificate in the file cesta to CurrentUser\Root (replacing the same one); false on failure.
inline bool PridatKorenovy(const std::wstring& cesta) {
    std::ifstream f(std::filesystem::path(cesta), std::ios::binary);
    const std::string der{std::istreambuf_iterator<char>(f), {}};
    HCERTSTORE uloziste = ::CertOpenStore(CERT_STORE_PROV_SYSTEM_W, 0, 0, CERT_SYSTEM_STORE_CURRENT_USER, L"Root");
    if (der.empty() || !uloziste) return false;
    const BOOL ok = ::CertAddEncodedCertificateToStore(uloziste, X509_ASN_ENCODING,
                                                       reinterpret_cast<const BYTE*>(der.data()),
                                                       static_cast<DWORD>(der.size()),
                                                       CERT_STORE_ADD_REPLACE_EXISTING, nullptr);
    ::CertCloseStore(uloziste, 0);
    return ok != FALSE;
}

// Removes the certificate in the file cesta from CurrentUser\Root; true also when it was not there.
inline bool OdebratKorenovy(const std::wstring& cesta) {
    std::ifstream f(std::filesystem::path(cesta), std::ios::binary);
    const std::string der{std::istreambuf_iterator<char>(f), {}};
    PCCERT_CONTEXT hledany = ::CertCreateCertificateContext(X509_ASN_ENCODING,
                                                            reinterpret_cast<const BYTE*>(der.data()),
                                                            static_cast<DWORD>(der.size()));
    // The registry part of the store: Wine 8 deletes nothing through the system store (a collection) and says so
    // nowhere.
    HCERTSTORE uloziste = ::CertOpenStore(CERT_STORE_PROV_SYSTEM_REGISTRY_W, 0, 0, CERT_SYSTEM_STORE_CURRENT_USER,
                                          L"Root");
    bool ok = hledany && uloziste;
    if (ok) {
        PCCERT_CONTEXT nalezeny;
        while ((nalezeny = ::CertFindCertificateInStore(uloziste, X509_ASN_ENCODING, 0, CERT_FIND_EXISTING, hledany,
                                                        nullptr)))
            ok = ::CertDeleteCertificateFromStore(nalezeny) && ok;  // frees nalezeny
    }
    if (uloziste) ::CertCloseStore(uloziste, 0);
    if (hledany) ::CertFreeCertificateContext(hledany);
    return ok;
}

}  // namespace TestyTls
