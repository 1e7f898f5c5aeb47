#include "email/SoketBsd.h"

#ifndef _WIN32

#include <arpa/inet.h>
#include <netdb.h>
#include <netinet/in.h>
#include <poll.h>
#include <sys/socket.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>

#include "knihovna/KodovaniUtf16.h"

namespace Holvent::Email {

SoketBsd::~SoketBsd() { Zavrit(); }

bool SoketBsd::PrelozitAdresu(const std::string& hostitel, std::uint32_t& adresa) {
    if (hostitel.empty()) return false;
    in_addr a{};
    if (inet_pton(AF_INET, hostitel.c_str(), &a) == 1) {
        adresa = a.s_addr;
        return true;
    }
    addrinfo pozadavek{};
    pozadavek.ai_family = AF_INET;
    pozadavek.ai_socktype = SOCK_STREAM;
    addrinfo* vysledek = nullptr;
    if (getaddrinfo(hostitel.c_str(), nullptr, &pozadavek, &vysledek) != 0 || !vysledek) return false;
    adresa = reinterpret_cast<const sockaddr_in*>(vysledek->ai_addr)->sin_addr.s_addr;
    freeaddrinfo(vysledek);
    return true;
}

bool SoketBsd::Vytvorit() {
    Zavrit();
    soket_ = socket(AF_INET, SOCK_STREAM, IPPROTO_TCP);
    return soket_ >= 0;
}

bool SoketBsd::Pripojit(std::uint32_t adresa, std::uint16_t port) {
    if (soket_ < 0) return false;
    sockaddr_in cil{};
    cil.sin_family = AF_INET;
    cil.sin_port = htons(port);
    cil.sin_addr.s_addr = adresa;
    int r;
    do {
        r = connect(soket_, reinterpret_cast<const sockaddr*>(&cil), sizeof cil);
    } while (r != 0 && errno == EINTR);
    return r == 0;
}

int SoketBsd::CekatNaCteni(int milisekundy) {
    if (soket_ < 0) return -1;
    pollfd p{soket_, POLLIN, 0};
    const int r = poll(&p, 1, milisekundy);
    if (r < 0) return errno == EINTR ? 0 : -1;
    return r > 0 ? 1 : 0;
}

bool SoketBsd::CekatNaZapis() {
    if (soket_ < 0) return false;
    pollfd p{soket_, POLLOUT, 0};
    return poll(&p, 1, -1) > 0 && (p.revents & POLLOUT);
}

int SoketBsd::Prijmout(char* buffer, int velikost) {
    if (soket_ < 0) return -1;
    const auto n = recv(soket_, buffer, static_cast<std::size_t>(velikost), 0);
    return n < 0 ? -1 : static_cast<int>(n);
}

int SoketBsd::Odeslat(const char* data, int delka) {
    if (soket_ < 0) return -1;
    int odeslano = 0;
    while (odeslano < delka) {
        // A peer that went away must not end the process with SIGPIPE.
        const auto n = send(soket_, data + odeslano, static_cast<std::size_t>(delka - odeslano), MSG_NOSIGNAL);
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) return -1;
        odeslano += static_cast<int>(n);
    }
    return odeslano;
}

void SoketBsd::Zavrit() {
    if (soket_ < 0) return;
    shutdown(soket_, SHUT_RDWR);
    close(soket_);
    soket_ = -1;
}

std::wstring SoketBsd::JmenoPocitace() {
    char jmeno[256] = {};
    if (gethostname(jmeno, sizeof jmeno - 1) != 0) return {};
    return Knihovna::ZUtf8(jmeno);
}

}  // namespace Holvent::Email

#else

namespace Holvent::Email {

SoketBsd::~SoketBsd() = default;
bool SoketBsd::PrelozitAdresu(const std::string&, std::uint32_t&) { return false; }
bool SoketBsd::Vytvorit() { return false; }
bool SoketBsd::Pripojit(std::uint32_t, std::uint16_t) { return false; }
int SoketBsd::CekatNaCteni(int) { return -1; }
bool SoketBsd::CekatNaZapis() { return false; }
int SoketBsd::Prijmout(char*, int) { return -1; }
int SoketBsd::Odeslat(const char*, int) { return -1; }
void SoketBsd::Zavrit() {}
std::wstring SoketBsd::JmenoPocitace() { return {}; }

}  // namespace Holvent::Email

#endif
