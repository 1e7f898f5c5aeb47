#pragma once

#include <cstdint>
#include <string>

namespace Holvent::Email {

// How an account's SMTP dialogue is secured ("zabezpeceni" of its record).
enum class Zabezpeceni : int {
    Zadne = 0,     // plain text
    StartTls = 1,  // plain connection upgraded by STARTTLS before AUTH LOGIN
    Tls = 2,       // TLS from the first byte (implicit TLS)
};

// The name of a security choice as the account dialogs show it.
constexpr const wchar_t* NazevZabezpeceni(Zabezpeceni z) {
    switch (z) {
    case Zabezpeceni::StartTls: return L"STARTTLS";
    case Zabezpeceni::Tls: return L"SSL/TLS";
    default: return L"Žádné";
    }
}

// The service and port an SMTP connection goes to when the account's server names no port.
struct SluzbaSmtp {
    const char* nazev;  // in the services database
    std::uint16_t port;  // when the database has no such entry
};
constexpr SluzbaSmtp SluzbaZabezpeceni(Zabezpeceni z) {
    switch (z) {
    case Zabezpeceni::StartTls: return {"submission", 587};
    case Zabezpeceni::Tls: return {"submissions", 465};
    default: return {"smtp", 25};
    }
}

// An e-mail account that cameras send from; email is the key.
struct EmailovyUcet {
    std::wstring email;
    std::wstring heslo;
    std::wstring id;  // SMTP login; empty means no authentication
    std::wstring jmeno;
    std::wstring server;
    Zabezpeceni zabezpeceni = Zabezpeceni::Zadne;
};

}  // namespace Holvent::Email
