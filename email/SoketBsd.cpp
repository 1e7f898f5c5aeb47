#include "email/SoketBsd.h"

#ifndef _WIN32

#include <arpa/inet.h>
#include <netdb.h>
#include <netinet/in.h>
#include <poll.h>
#include <sys/socket.h>
#include <unistd.h>

#include <fcntl.h>

#include <algorithm>
#include <cerrno>
#include <chrono>
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
    if (preruseno_) return false;
    const int s = socket(AF_INET, SOCK_STREAM, IPPROTO_TCP);
    if (s < 0) {
        kodChyby_ = errno;
        return false;
    }
    // Non-blocking: every wait below is a bounded poll, never a blocked call.
    fcntl(s, F_SETFL, fcntl(s, F_GETFL, 0) | O_NONBLOCK);
    std::lock_guard zamek(zamek_);
    soket_ = s;
    return true;
}

int SoketBsd::Cekat(short udalost, int milisekundy) {
    constexpr int kDilek = 100;
    const auto konec = std::chrono::steady_clock::now() + std::chrono::milliseconds(std::max(milisekundy, 0));
    for (;;) {
        if (preruseno_ || soket_ < 0) return -1;
        const auto zbyva = std::chrono::duration_cast<std::chrono::milliseconds>(konec - std::chrono::steady_clock::now()).count();
        pollfd p{soket_, udalost, 0};
        const int r = poll(&p, 1, static_cast<int>(std::clamp<long long>(zbyva, 0, kDilek)));
        if (r < 0 && errno != EINTR) return -1;
        if (preruseno_) return -1;
        if (r > 0) return (p.revents & (udalost | POLLHUP | POLLERR)) ? 1 : -1;
        if (zbyva <= 0) return 0;
    }
}

bool SoketBsd::Pripojit(std::uint32_t adresa, std::uint16_t port, int milisekundy) {
    if (soket_ < 0) return false;
    sockaddr_in cil{};
    cil.sin_family = AF_INET;
    cil.sin_port = htons(port);
    cil.sin_addr.s_addr = adresa;
    int r;
    do {
        r = connect(soket_, reinterpret_cast<const sockaddr*>(&cil), sizeof cil);
    } while (r != 0 && errno == EINTR);
    if (r == 0) return true;
    if (errno != EINPROGRESS) {
        kodChyby_ = errno;
        return false;
    }
    const int cekani = Cekat(POLLOUT, milisekundy);
    int chyba = 0;
    socklen_t delka = sizeof chyba;
    if (soket_ >= 0 && getsockopt(soket_, SOL_SOCKET, SO_ERROR, &chyba, &delka) != 0) chyba = errno;
    if (cekani == 1 && chyba == 0) return true;
    kodChyby_ = chyba ? chyba : (cekani == 0 ? ETIMEDOUT : 0);
    return false;
}

int SoketBsd::CekatNaCteni(int milisekundy) {
    const int r = Cekat(POLLIN, milisekundy);
    return r;
}

bool SoketBsd::CekatNaZapis(int milisekundy) { return Cekat(POLLOUT, milisekundy) == 1; }

int SoketBsd::Prijmout(char* buffer, int velikost) {
    if (soket_ < 0 || preruseno_) return -1;
    ssize_t n;
    do {
        n = recv(soket_, buffer, static_cast<std::size_t>(velikost), 0);
    } while (n < 0 && errno == EINTR);
    if (n < 0) kodChyby_ = errno;
    return n < 0 ? -1 : static_cast<int>(n);
}

int SoketBsd::Odeslat(const char* data, int delka) {
    if (soket_ < 0 || preruseno_) return -1;
    int odeslano = 0;
    while (odeslano < delka) {
        // A peer that went away must not end the process with SIGPIPE.
        const auto n = send(soket_, data + odeslano, static_cast<std::size_t>(delka - odeslano), MSG_NOSIGNAL);
        if (n < 0 && errno == EINTR) continue;
        // A full send buffer: the caller waits for room within its own time-out.
        if (n < 0 && (errno == EAGAIN || errno == EWOULDBLOCK)) break;
        if (n <= 0) {
            kodChyby_ = n < 0 ? errno : 0;
            return -1;
        }
        odeslano += static_cast<int>(n);
    }
    return odeslano;
}

bool SoketBsd::UkoncitOdesilani() {
    if (soket_ < 0 || preruseno_) return false;
    if (shutdown(soket_, SHUT_WR) == 0) return true;
    kodChyby_ = errno;
    return false;
}

void SoketBsd::Zavrit() {
    std::lock_guard zamek(zamek_);
    if (soket_ < 0) return;
    shutdown(soket_, SHUT_RDWR);
    close(soket_);
    soket_ = -1;
}

void SoketBsd::Prerusit() {
    preruseno_ = true;
    std::lock_guard zamek(zamek_);
    if (soket_ >= 0) shutdown(soket_, SHUT_RDWR);
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
bool SoketBsd::Pripojit(std::uint32_t, std::uint16_t, int) { return false; }
int SoketBsd::CekatNaCteni(int) { return -1; }
bool SoketBsd::CekatNaZapis(int) { return false; }
int SoketBsd::Cekat(short, int) { return -1; }
void SoketBsd::Prerusit() {}
int SoketBsd::Prijmout(char*, int) { return -1; }
int SoketBsd::Odeslat(const char*, int) { return -1; }
bool SoketBsd::UkoncitOdesilani() { return false; }
void SoketBsd::Zavrit() {}
std::wstring SoketBsd::JmenoPocitace() { return {}; }

}  // namespace Holvent::Email

#endif
