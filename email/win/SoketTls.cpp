#include "email/win/SoketTls.h"

#include <winsock2.h>
#include <ws2tcpip.h>
#include <windows.h>
#include <subauth.h>
#include <wincrypt.h>
#define SECURITY_WIN32
#include <security.h>
// For SCH_CREDENTIALS and TLS_PARAMETERS.
#define SCHANNEL_USE_BLACKLISTS
#include <schannel.h>

#include <algorithm>
#include <chrono>
#include <cstring>
#include <vector>

#include "email/OdmitnutiCertifikatu.h"
#include "knihovna/Formatovani.h"
#include "knihovna/win/ChybyWin.h"

namespace Holvent::Email {

namespace {

using Hodiny = std::chrono::steady_clock;

constexpr DWORD kPozadavky = ISC_REQ_SEQUENCE_DETECT | ISC_REQ_REPLAY_DETECT | ISC_REQ_CONFIDENTIALITY |
                             ISC_REQ_EXTENDED_ERROR | ISC_REQ_ALLOCATE_MEMORY | ISC_REQ_STREAM |
                             ISC_REQ_MANUAL_CRED_VALIDATION;
// A handshake message larger than this is no server's we talk to.
constexpr std::size_t kMaxPrichozich = 1u << 20;
constexpr int kBlokCteni = 16 * 1024 + 512;
// Handshake rounds of one negotiation; a handful is normal.
constexpr int kMaxKol = 64;

int Zbyva(Hodiny::time_point konec) {
    const auto ms = std::chrono::duration_cast<std::chrono::milliseconds>(konec - Hodiny::now()).count();
    return ms > 0 ? static_cast<int>(ms) : 0;
}

// Wine's ntdll exports its version; Windows' does not.
bool BeziPodWine() {
    static const bool wine = ::GetProcAddress(::GetModuleHandleW(L"ntdll.dll"), "wine_get_version") != nullptr;
    return wine;
}

std::wstring Popis(SECURITY_STATUS s) { return Knihovna::WinApi::SystemovyPopis(static_cast<HRESULT>(s)); }

// The local date of a certificate's end for the refusal text.
void DatumKonce(const FILETIME& konec, UdajeCertifikatu& udaje) {
    FILETIME mistni;
    SYSTEMTIME cas;
    if (!::FileTimeToLocalFileTime(&konec, &mistni) || !::FileTimeToSystemTime(&mistni, &cas)) return;
    udaje.rok = cas.wYear;
    udaje.mesic = cas.wMonth;
    udaje.den = cas.wDay;
}

// The DNS names of a certificate (its alternative names, else its common name), ", " between them.
std::wstring JmenaCertifikatu(PCCERT_CONTEXT certifikat) {
    std::wstring jmena;
    if (const CERT_EXTENSION* rozsireni = ::CertFindExtension(szOID_SUBJECT_ALT_NAME2,
                                                              certifikat->pCertInfo->cExtension,
                                                              certifikat->pCertInfo->rgExtension)) {
        CERT_ALT_NAME_INFO* info = nullptr;
        DWORD velikost = 0;
        if (::CryptDecodeObjectEx(X509_ASN_ENCODING, X509_ALTERNATE_NAME, rozsireni->Value.pbData,
                                  rozsireni->Value.cbData, CRYPT_DECODE_ALLOC_FLAG, nullptr, &info, &velikost)) {
            for (DWORD i = 0; i < info->cAltEntry; ++i) {
                if (info->rgAltEntry[i].dwAltNameChoice != CERT_ALT_NAME_DNS_NAME) continue;
                if (!jmena.empty()) jmena += L", ";
                jmena += info->rgAltEntry[i].pwszDNSName;
            }
            ::LocalFree(info);
        }
    }
    if (jmena.empty()) {
        wchar_t jmeno[256] = {};
        ::CertGetNameStringW(certifikat, CERT_NAME_ATTR_TYPE, 0, const_cast<char*>(szOID_COMMON_NAME), jmeno, 256);
        jmena = jmeno;
    }
    return jmena;
}

// Whether the certificate names the server's IPv4 address (a server reached by its address) among its alternative
// names: Wine 8's SSL policy compares DNS names only.
bool NaAdresuServeru(PCCERT_CONTEXT certifikat, const std::wstring& server) {
    IN_ADDR adresa{};
    if (::InetPtonW(AF_INET, server.c_str(), &adresa) != 1) return false;
    const CERT_EXTENSION* rozsireni = ::CertFindExtension(szOID_SUBJECT_ALT_NAME2, certifikat->pCertInfo->cExtension,
                                                          certifikat->pCertInfo->rgExtension);
    CERT_ALT_NAME_INFO* info = nullptr;
    DWORD velikost = 0;
    if (!rozsireni || !::CryptDecodeObjectEx(X509_ASN_ENCODING, X509_ALTERNATE_NAME, rozsireni->Value.pbData,
                                             rozsireni->Value.cbData, CRYPT_DECODE_ALLOC_FLAG, nullptr, &info,
                                             &velikost))
        return false;
    bool nalezeno = false;
    for (DWORD i = 0; i < info->cAltEntry && !nalezeno; ++i) {
        const CERT_ALT_NAME_ENTRY& e = info->rgAltEntry[i];
        nalezeno = e.dwAltNameChoice == CERT_ALT_NAME_IP_ADDRESS && e.IPAddress.cbData == sizeof adresa &&
                   std::memcmp(e.IPAddress.pbData, &adresa, sizeof adresa) == 0;
    }
    ::LocalFree(info);
    return nalezeno;
}

}  // namespace

struct SoketTls::Stav {
    std::unique_ptr<Soket> vnitrni;
    std::wstring server;
    int limitMs = 30000;

    CredHandle povereni{};
    bool maPovereni = false;
    CtxtHandle kontext{};
    bool maKontext = false;
    bool navazano = false;
    SecPkgContext_StreamSizes velikosti{};

    std::vector<char> prichozi;   // received records not yet decrypted
    std::vector<char> otevreny;   // decrypted plaintext not yet taken
    std::size_t pozice = 0;       // of the first byte of otevreny not yet taken
    std::vector<char> odchozi;    // encrypted bytes the inner socket has not taken yet
    bool konecOdPeeru = false;    // close_notify or the end of the connection came
    bool selhani = false;         // a broken record or a failed transfer: everything fails from now on
    int kodChyby = 0;

    ~Stav() { Uvolnit(); }

    void Uvolnit() {
        if (maKontext) ::DeleteSecurityContext(&kontext);
        if (maPovereni) ::FreeCredentialsHandle(&povereni);
        maKontext = maPovereni = navazano = false;
    }

    bool ZiskatPovereni(std::wstring& chyba);
    // Handshake rounds from the current state until the context stands; also after SEC_I_RENEGOTIATE.
    bool Dojednat(bool prvni, Hodiny::time_point konec, std::wstring& chyba);
    bool KontrolaCertifikatu(std::wstring& chyba);
    // Sends all of data within the time-out (handshake tokens, close_notify).
    bool OdeslatVse(const char* data, std::size_t delka, Hodiny::time_point konec);
    // Hands the inner socket what it takes of odchozi; waits for room until konec. False on error.
    bool VyprazdnitOdchozi(Hodiny::time_point konec);
    // Reads what the inner socket has into prichozi, waiting until konec: 1 read, 0 time-out, -1 error, -2 the peer
    // closed the connection.
    int Nacist(Hodiny::time_point konec);
    // Decrypts the records in prichozi into otevreny: 1 plaintext (or the end) waits, 0 more records needed,
    // -1 error.
    int Desifrovat(Hodiny::time_point konec);
};

bool SoketTls::Stav::ZiskatPovereni(std::wstring& chyba) {
    TimeStamp platnost;
    // Windows offers TLS 1.3 only through SCH_CREDENTIALS (Windows 10 2004 and later; Wine 8 takes it too); older
    // systems refuse that structure and get SCHANNEL_CRED with TLS 1.2 and 1.3, or with TLS 1.2 alone.
    TLS_PARAMETERS parametry{};
    parametry.grbitDisabledProtocols = ~static_cast<DWORD>(SP_PROT_TLS1_2_CLIENT | SP_PROT_TLS1_3_CLIENT);
    SCH_CREDENTIALS nove{};
    nove.dwVersion = SCH_CREDENTIALS_VERSION;
    nove.dwFlags = SCH_CRED_NO_DEFAULT_CREDS | SCH_CRED_MANUAL_CRED_VALIDATION;
    nove.cTlsParameters = 1;
    nove.pTlsParameters = &parametry;
    SECURITY_STATUS s = ::AcquireCredentialsHandleW(nullptr, const_cast<wchar_t*>(UNISP_NAME_W),
                                                    SECPKG_CRED_OUTBOUND, nullptr, &nove, nullptr, nullptr,
                                                    &povereni, &platnost);
    for (const DWORD protokoly : {DWORD{SP_PROT_TLS1_2_CLIENT | SP_PROT_TLS1_3_CLIENT}, DWORD{SP_PROT_TLS1_2_CLIENT}}) {
        if (s == SEC_E_OK) break;
        SCHANNEL_CRED stare{};
        stare.dwVersion = SCHANNEL_CRED_VERSION;
        stare.grbitEnabledProtocols = protokoly;
        stare.dwFlags = SCH_CRED_NO_DEFAULT_CREDS | SCH_CRED_MANUAL_CRED_VALIDATION;
        s = ::AcquireCredentialsHandleW(nullptr, const_cast<wchar_t*>(UNISP_NAME_W), SECPKG_CRED_OUTBOUND, nullptr,
                                        &stare, nullptr, nullptr, &povereni, &platnost);
    }
    if (s != SEC_E_OK) {
        chyba = Knihovna::Formatovat(L"Šifrované spojení není v tomto systému k dispozici (%s).",
                                     Popis(s).c_str());
        return false;
    }
    maPovereni = true;
    return true;
}

bool SoketTls::Stav::OdeslatVse(const char* data, std::size_t delka, Hodiny::time_point konec) {
    odchozi.insert(odchozi.end(), data, data + delka);
    return VyprazdnitOdchozi(konec) && odchozi.empty();
}

bool SoketTls::Stav::VyprazdnitOdchozi(Hodiny::time_point konec) {
    while (!odchozi.empty()) {
        const int n = vnitrni->Odeslat(odchozi.data(), static_cast<int>(odchozi.size()));
        if (n < 0) {
            kodChyby = vnitrni->KodChyby();
            selhani = true;
            return false;
        }
        odchozi.erase(odchozi.begin(), odchozi.begin() + n);
        if (n == 0 && (Zbyva(konec) == 0 || !vnitrni->CekatNaZapis(Zbyva(konec)))) return true;
    }
    return true;
}

int SoketTls::Stav::Nacist(Hodiny::time_point konec) {
    const int r = vnitrni->CekatNaCteni(Zbyva(konec));
    if (r != 1) return r;
    const std::size_t puvodne = prichozi.size();
    prichozi.resize(puvodne + kBlokCteni);
    const int n = vnitrni->Prijmout(prichozi.data() + puvodne, kBlokCteni);
    prichozi.resize(puvodne + static_cast<std::size_t>(std::max(n, 0)));
    if (n < 0) kodChyby = vnitrni->KodChyby();
    return n > 0 ? 1 : (n == 0 ? -2 : -1);
}

bool SoketTls::Stav::Dojednat(bool prvni, Hodiny::time_point konec, std::wstring& chyba) {
    auto selhalo = [&](const std::wstring& text) {
        chyba = text;
        selhani = true;
        return false;
    };
    // A failed wait or transfer of the inner socket: 0 time-out, -2 closed by the peer, -1 an error (none: the
    // connection was cut off from another thread).
    auto TextPrenosu = [&](int r) {
        if (r == 0)
            return Knihovna::Formatovat(L"Server %s neodpověděl včas při navazování šifrovaného spojení.",
                                        server.c_str());
        if (r == -1 && kodChyby == 0)
            return Knihovna::Formatovat(L"Navazování šifrovaného spojení se serverem %s bylo přerušeno.",
                                        server.c_str());
        return Knihovna::Formatovat(L"Server %s ukončil spojení během navazování šifrovaného spojení.",
                                    server.c_str());
    };
    // After the handshake (SEC_I_RENEGOTIATE) the first round takes what is there, even nothing.
    bool cist = false;
    for (int kolo = 0;; ++kolo) {
        if (kolo > kMaxKol)
            return selhalo(Knihovna::Formatovat(L"Šifrované spojení se serverem %s se nepodařilo navázat: "
                                                L"server neodpovídá protokolem TLS.", server.c_str()));
        if (cist) {
            if (prichozi.size() > kMaxPrichozich)
                return selhalo(Knihovna::Formatovat(L"Šifrované spojení se serverem %s se nepodařilo navázat: "
                                                    L"server neodpovídá protokolem TLS.", server.c_str()));
            const int r = Nacist(konec);
            if (r != 1) return selhalo(TextPrenosu(r));
        }
        // Every record begins with its content type (20 to 24) and major version 3. A server that answers with
        // anything else speaks no TLS (a plain SMTP greeting on the port): told at once instead of waited out, as
        // Wine's Schannel would take the text for the start of a long record.
        if ((!prichozi.empty() && (prichozi[0] < 20 || prichozi[0] > 24)) ||
            (prichozi.size() > 1 && prichozi[1] != 3))
            return selhalo(Knihovna::Formatovat(L"Šifrované spojení se serverem %s se nepodařilo navázat: server "
                                                L"neodpovídá protokolem TLS.", server.c_str()));
        static char prazdny = 0;
        SecBuffer vstup[2] = {{static_cast<unsigned long>(prichozi.size()), SECBUFFER_TOKEN,
                               prichozi.empty() ? &prazdny : prichozi.data()},
                              {0, SECBUFFER_EMPTY, nullptr}};
        SecBufferDesc vstupy{SECBUFFER_VERSION, 2, vstup};
        SecBuffer vystup[1] = {{0, SECBUFFER_TOKEN, nullptr}};
        SecBufferDesc vystupy{SECBUFFER_VERSION, 1, vystup};
        DWORD atributy = 0;
        SECURITY_STATUS s;
        if (prvni) {
            // The server's name travels as SNI and is what the certificate check compares.
            s = ::InitializeSecurityContextW(&povereni, nullptr, const_cast<wchar_t*>(server.c_str()), kPozadavky, 0,
                                             0, nullptr, 0, &kontext, &vystupy, &atributy, nullptr);
            if (s == SEC_I_CONTINUE_NEEDED || s == SEC_E_OK) maKontext = true;
            prvni = false;
        } else {
            s = ::InitializeSecurityContextW(&povereni, &kontext, const_cast<wchar_t*>(server.c_str()), kPozadavky,
                                             0, 0, &vstupy, 0, nullptr, &vystupy, &atributy, nullptr);
        }
        if (s == SEC_E_INCOMPLETE_MESSAGE) {
            cist = true;
            continue;
        }
        // A token goes out also with a failure (an alert for the server).
        if (vystup[0].cbBuffer && vystup[0].pvBuffer) {
            const bool odeslano = OdeslatVse(static_cast<const char*>(vystup[0].pvBuffer), vystup[0].cbBuffer, konec);
            ::FreeContextBuffer(vystup[0].pvBuffer);
            if (!odeslano && !FAILED(s)) return selhalo(TextPrenosu(selhani ? -1 : 0));
        }
        if (FAILED(s))
            return selhalo(Knihovna::Formatovat(L"Šifrované spojení se serverem %s se nepodařilo navázat: %s",
                                                server.c_str(), Knihovna::STeckouNaKonci(Popis(s)).c_str()));
        // What the server sent beyond this round's message stays for the next round or for the data.
        if (vstup[1].BufferType == SECBUFFER_EXTRA && vstup[1].cbBuffer > 0 && vstup[1].cbBuffer <= prichozi.size())
            prichozi.erase(prichozi.begin(), prichozi.end() - vstup[1].cbBuffer);
        else if (!prichozi.empty() && s != SEC_I_INCOMPLETE_CREDENTIALS)
            prichozi.clear();
        if (s == SEC_E_OK) return true;
        // SEC_I_CONTINUE_NEEDED; a server asking for a client certificate gets none (SEC_I_INCOMPLETE_CREDENTIALS).
        cist = prichozi.empty();
    }
}

bool SoketTls::Stav::KontrolaCertifikatu(std::wstring& chyba) {
    // Schannel was told to check nothing itself (Wine's checks nothing anyway): the chain and the name are checked
    // here alike on Windows and Wine. No revocation check: a mail server's CRL or OCSP responder may be out of
    // reach, and the dispatch would then fail for a reason the user cannot mend.
    PCCERT_CONTEXT certifikat = nullptr;
    const SECURITY_STATUS s = ::QueryContextAttributesW(&kontext, SECPKG_ATTR_REMOTE_CERT_CONTEXT, &certifikat);
    if (s != SEC_E_OK || !certifikat) {
        chyba = Knihovna::Formatovat(L"Server %s nepředložil certifikát.", server.c_str());
        return false;
    }
    CERT_CHAIN_PARA parametry{};
    parametry.cbSize = sizeof parametry;
    LPSTR ucely[] = {const_cast<LPSTR>(szOID_PKIX_KP_SERVER_AUTH)};
    parametry.RequestedUsage.dwType = USAGE_MATCH_TYPE_OR;
    parametry.RequestedUsage.Usage.cUsageIdentifier = 1;
    parametry.RequestedUsage.Usage.rgpszUsageIdentifier = ucely;
    PCCERT_CHAIN_CONTEXT retezec = nullptr;
    DWORD kod = 0;
    if (!::CertGetCertificateChain(nullptr, certifikat, nullptr, certifikat->hCertStore, &parametry, 0, nullptr,
                                   &retezec)) {
        kod = ::GetLastError();
    } else {
        HTTPSPolicyCallbackData ssl{};
        ssl.cbSize = sizeof ssl;
        ssl.dwAuthType = AUTHTYPE_SERVER;
        ssl.pwszServerName = server.data();
        CERT_CHAIN_POLICY_PARA politika{};
        politika.cbSize = sizeof politika;
        politika.pvExtraPolicyPara = &ssl;
        CERT_CHAIN_POLICY_STATUS stav{};
        stav.cbSize = sizeof stav;
        if (!::CertVerifyCertificateChainPolicy(CERT_CHAIN_POLICY_SSL, retezec, &politika, &stav))
            kod = ::GetLastError();
        else
            kod = stav.dwError;
        if (kod == kCertJineJmeno && NaAdresuServeru(certifikat, server)) kod = 0;
        // Wine 8's SSL policy passes a chain that ends at no root at all (an unknown CA): the chain's own status
        // decides then, as Windows' policy would.
        if (kod == 0) {
            const DWORD status = retezec->TrustStatus.dwErrorStatus;
            if (status & CERT_TRUST_IS_PARTIAL_CHAIN)
                kod = static_cast<DWORD>(kCertRetezec);
            else if (status & CERT_TRUST_IS_UNTRUSTED_ROOT)
                kod = static_cast<DWORD>(kCertNeduveryhodnyKoren);
            else if (status & CERT_TRUST_IS_NOT_TIME_VALID)
                kod = static_cast<DWORD>(kCertProsly);
            else if (status & (CERT_TRUST_IS_NOT_SIGNATURE_VALID | CERT_TRUST_IS_NOT_VALID_FOR_USAGE |
                               CERT_TRUST_IS_CYCLIC | CERT_TRUST_INVALID_BASIC_CONSTRAINTS))
                kod = static_cast<DWORD>(TRUST_E_FAIL);
        }
        ::CertFreeCertificateChain(retezec);
    }
    if (kod != 0) {
        UdajeCertifikatu udaje;
        udaje.jmena = JmenaCertifikatu(certifikat);
        DatumKonce(certifikat->pCertInfo->NotAfter, udaje);
        chyba = TextOdmitnutiCertifikatu(kod, server, udaje, Popis(static_cast<SECURITY_STATUS>(kod)));
    }
    ::CertFreeCertificateContext(certifikat);
    return kod == 0;
}

int SoketTls::Stav::Desifrovat(Hodiny::time_point konec) {
    while (!prichozi.empty()) {
        SecBuffer b[4] = {{static_cast<unsigned long>(prichozi.size()), SECBUFFER_DATA, prichozi.data()},
                          {0, SECBUFFER_EMPTY, nullptr},
                          {0, SECBUFFER_EMPTY, nullptr},
                          {0, SECBUFFER_EMPTY, nullptr}};
        SecBufferDesc popis{SECBUFFER_VERSION, 4, b};
        const SECURITY_STATUS s = ::DecryptMessage(&kontext, &popis, 0, nullptr);
        if (s == SEC_E_INCOMPLETE_MESSAGE) return 0;
        if (s != SEC_E_OK && s != SEC_I_RENEGOTIATE && s != SEC_I_CONTEXT_EXPIRED) {
            kodChyby = static_cast<int>(s);
            selhani = true;
            return -1;
        }
        // Decryption happens in place: the plaintext and the rest point into prichozi.
        std::vector<char> zbytek;
        for (const SecBuffer& x : b) {
            if (x.BufferType == SECBUFFER_DATA && x.cbBuffer)
                otevreny.insert(otevreny.end(), static_cast<char*>(x.pvBuffer),
                                static_cast<char*>(x.pvBuffer) + x.cbBuffer);
            if (x.BufferType == SECBUFFER_EXTRA && x.cbBuffer)
                zbytek.assign(static_cast<char*>(x.pvBuffer), static_cast<char*>(x.pvBuffer) + x.cbBuffer);
        }
        prichozi = std::move(zbytek);
        // close_notify: Windows says SEC_I_CONTEXT_EXPIRED, Wine 8 only gives a record with no plaintext (SEC_E_OK).
        // Only under Wine is such a record taken for the end; on Windows an empty record stays what it is.
        const bool prazdny = std::none_of(std::begin(b), std::end(b), [](const SecBuffer& x) {
            return x.BufferType == SECBUFFER_DATA && x.cbBuffer > 0;
        });
        if (s == SEC_I_CONTEXT_EXPIRED || (s == SEC_E_OK && prazdny && BeziPodWine())) {
            konecOdPeeru = true;
            return 1;
        }
        if (s == SEC_I_RENEGOTIATE) {
            // A handshake message after the handshake (a TLS 1.3 session ticket or key update, a renegotiation):
            // Schannel takes it through another handshake round, with what followed it as its input.
            // It is a handshake: the whole time-out, also when the caller only looks whether data waits.
            std::wstring chyba;
            const auto konecDojednani = std::max(konec, Hodiny::now() + std::chrono::milliseconds(limitMs));
            if (!Dojednat(false, konecDojednani, chyba)) return -1;
        }
    }
    return otevreny.size() > pozice ? 1 : 0;
}

SoketTls::SoketTls(std::unique_ptr<Soket> vnitrni, std::wstring server, int casovyLimitMs)
    : stav_(std::make_unique<Stav>()) {
    stav_->vnitrni = std::move(vnitrni);
    stav_->server = std::move(server);
    stav_->limitMs = casovyLimitMs;
}

SoketTls::~SoketTls() { Zavrit(); }

bool SoketTls::Navazat(std::wstring& chyba) {
    Stav& s = *stav_;
    if (!s.vnitrni || !s.vnitrni->JeOtevreny()) {
        chyba = Knihovna::Formatovat(L"Server %s ukončil spojení před navázáním šifrovaného spojení.",
                                     s.server.c_str());
        return false;
    }
    if (!s.ZiskatPovereni(chyba)) return false;
    const auto konec = Hodiny::now() + std::chrono::milliseconds(s.limitMs);
    if (!s.Dojednat(true, konec, chyba) || !s.KontrolaCertifikatu(chyba)) {
        s.selhani = true;
        return false;
    }
    const SECURITY_STATUS st = ::QueryContextAttributesW(&s.kontext, SECPKG_ATTR_STREAM_SIZES, &s.velikosti);
    if (st != SEC_E_OK) {
        chyba = Knihovna::Formatovat(L"Šifrované spojení se serverem %s se nepodařilo navázat: %s", s.server.c_str(),
                                     Knihovna::STeckouNaKonci(Popis(st)).c_str());
        s.selhani = true;
        return false;
    }
    s.navazano = true;
    return true;
}

bool SoketTls::PrelozitAdresu(const std::string& hostitel, std::uint32_t& adresa) {
    return stav_->vnitrni && stav_->vnitrni->PrelozitAdresu(hostitel, adresa);
}

// The connection is made by the inner socket before it is wrapped.
bool SoketTls::Vytvorit() { return false; }

bool SoketTls::Pripojit(std::uint32_t, std::uint16_t, int) { return false; }

int SoketTls::CekatNaCteni(int milisekundy) {
    Stav& s = *stav_;
    if (!s.navazano || s.selhani) return -1;
    if (s.otevreny.size() > s.pozice || s.konecOdPeeru) return 1;
    const auto konec = Hodiny::now() + std::chrono::milliseconds(std::max(milisekundy, 0));
    // What waits to go out must go before a reply to it can come.
    if (!s.VyprazdnitOdchozi(konec)) return -1;
    if (!s.odchozi.empty()) return 0;
    for (;;) {
        const int d = s.Desifrovat(konec);
        if (d != 0) return d;
        const int r = s.Nacist(konec);
        if (r == 0) return 0;
        if (r == -2) {
            // The end of the connection without close_notify: the user sees the end of the data all the same.
            s.konecOdPeeru = true;
            return 1;
        }
        if (r < 0) return -1;
        if (s.prichozi.size() > kMaxPrichozich) {
            s.selhani = true;
            return -1;
        }
    }
}

bool SoketTls::CekatNaZapis(int milisekundy) {
    Stav& s = *stav_;
    if (!s.navazano || s.selhani) return false;
    const auto konec = Hodiny::now() + std::chrono::milliseconds(std::max(milisekundy, 0));
    return s.VyprazdnitOdchozi(konec) && s.odchozi.empty();
}

int SoketTls::Prijmout(char* buffer, int velikost) {
    Stav& s = *stav_;
    if (s.otevreny.size() <= s.pozice && !s.konecOdPeeru && CekatNaCteni(s.limitMs) != 1) return -1;
    if (s.otevreny.size() <= s.pozice) return s.konecOdPeeru ? 0 : -1;
    const int n = static_cast<int>(std::min<std::size_t>(static_cast<std::size_t>(std::max(velikost, 0)),
                                                         s.otevreny.size() - s.pozice));
    std::memcpy(buffer, s.otevreny.data() + s.pozice, static_cast<std::size_t>(n));
    s.pozice += static_cast<std::size_t>(n);
    if (s.pozice == s.otevreny.size()) {
        s.otevreny.clear();
        s.pozice = 0;
    }
    return n;
}

int SoketTls::Odeslat(const char* data, int delka) {
    Stav& s = *stav_;
    if (!s.navazano || s.selhani || delka < 0) return -1;
    // One record at a time, and only when the previous one is gone: the caller waits for room and offers the rest.
    if (!s.VyprazdnitOdchozi(Hodiny::now())) return -1;
    if (!s.odchozi.empty() || delka == 0) return 0;
    const unsigned long n = std::min<unsigned long>(static_cast<unsigned long>(delka), s.velikosti.cbMaximumMessage);
    std::vector<char> zaznam(s.velikosti.cbHeader + n + s.velikosti.cbTrailer);
    std::memcpy(zaznam.data() + s.velikosti.cbHeader, data, n);
    SecBuffer b[4] = {{s.velikosti.cbHeader, SECBUFFER_STREAM_HEADER, zaznam.data()},
                      {n, SECBUFFER_DATA, zaznam.data() + s.velikosti.cbHeader},
                      {s.velikosti.cbTrailer, SECBUFFER_STREAM_TRAILER, zaznam.data() + s.velikosti.cbHeader + n},
                      {0, SECBUFFER_EMPTY, nullptr}};
    SecBufferDesc popis{SECBUFFER_VERSION, 4, b};
    const SECURITY_STATUS st = ::EncryptMessage(&s.kontext, 0, &popis, 0);
    if (st != SEC_E_OK) {
        s.kodChyby = static_cast<int>(st);
        s.selhani = true;
        return -1;
    }
    // The trailer may be shorter than its maximum.
    s.odchozi.assign(zaznam.data(), zaznam.data() + b[0].cbBuffer + b[1].cbBuffer + b[2].cbBuffer);
    if (!s.VyprazdnitOdchozi(Hodiny::now())) return -1;
    return static_cast<int>(n);
}

bool SoketTls::UkoncitOdesilani() {
    Stav& s = *stav_;
    if (!s.navazano || s.selhani) return false;
    const auto konec = Hodiny::now() + std::chrono::milliseconds(s.limitMs);
    return s.VyprazdnitOdchozi(konec) && s.odchozi.empty() && s.vnitrni->UkoncitOdesilani();
}

void SoketTls::Zavrit() {
    Stav& s = *stav_;
    if (s.navazano && !s.selhani && s.vnitrni && s.vnitrni->JeOtevreny()) {
        // close_notify: the context makes the alert as a handshake token.
        const auto konec = Hodiny::now() + std::chrono::milliseconds(s.limitMs);
        s.VyprazdnitOdchozi(konec);
        DWORD typ = SCHANNEL_SHUTDOWN;
        SecBuffer b{sizeof typ, SECBUFFER_TOKEN, &typ};
        SecBufferDesc popis{SECBUFFER_VERSION, 1, &b};
        if (::ApplyControlToken(&s.kontext, &popis) == SEC_E_OK) {
            SecBuffer vystup{0, SECBUFFER_TOKEN, nullptr};
            SecBufferDesc vystupy{SECBUFFER_VERSION, 1, &vystup};
            DWORD atributy = 0;
            ::InitializeSecurityContextW(&s.povereni, &s.kontext, s.server.data(), kPozadavky, 0, 0, nullptr, 0,
                                         nullptr, &vystupy, &atributy, nullptr);
            if (vystup.pvBuffer) {
                s.OdeslatVse(static_cast<const char*>(vystup.pvBuffer), vystup.cbBuffer, konec);
                ::FreeContextBuffer(vystup.pvBuffer);
            }
        }
    }
    s.navazano = false;
    s.Uvolnit();
    if (s.vnitrni) s.vnitrni->Zavrit();
    s.prichozi.clear();
    s.otevreny.clear();
    s.odchozi.clear();
    s.pozice = 0;
}

void SoketTls::Prerusit() {
    if (stav_->vnitrni) stav_->vnitrni->Prerusit();
}

bool SoketTls::JeOtevreny() const { return stav_->vnitrni && stav_->vnitrni->JeOtevreny(); }

int SoketTls::KodChyby() const {
    if (stav_->kodChyby) return stav_->kodChyby;
    return stav_->vnitrni ? stav_->vnitrni->KodChyby() : 0;
}

std::wstring SoketTls::JmenoPocitace() { return stav_->vnitrni ? stav_->vnitrni->JmenoPocitace() : std::wstring{}; }

std::unique_ptr<Soket> ZabalitDoTls(std::unique_ptr<Soket> vnitrni, const std::wstring& server, int casovyLimitMs,
                                    std::wstring& chyba) {
    auto tls = std::make_unique<SoketTls>(std::move(vnitrni), server, casovyLimitMs);
    if (!tls->Navazat(chyba)) {
        tls->Zavrit();
        return nullptr;
    }
    return tls;
}

}  // namespace Holvent::Email
