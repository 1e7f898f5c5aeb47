#include "email/win/SoketWinsock.h"

#include <algorithm>
#include <cstring>

namespace Holvent::Email {

SoketWinsock::SoketWinsock() {
    WSADATA data;
    winsock_ = WSAStartup(MAKEWORD(2, 2), &data) == 0;
}

SoketWinsock::~SoketWinsock() {
    Zavrit();
    if (winsock_) WSACleanup();
}

bool SoketWinsock::PrelozitAdresu(const std::string& hostitel, std::uint32_t& adresa) {
    if (!winsock_ || hostitel.empty()) return false;
    const unsigned long a = inet_addr(hostitel.c_str());
    if (a != INADDR_NONE) {
        adresa = a;
        return true;
    }
    const hostent* h = gethostbyname(hostitel.c_str());
    if (!h || h->h_addrtype != AF_INET || !h->h_addr_list || !h->h_addr_list[0]) return false;
    std::memcpy(&adresa, h->h_addr_list[0], sizeof adresa);
    return true;
}

bool SoketWinsock::Vytvorit() {
    Zavrit();
    if (!winsock_ || preruseno_) return false;
    const SOCKET s = socket(AF_INET, SOCK_STREAM, IPPROTO_TCP);
    if (s == INVALID_SOCKET) {
        kodChyby_ = WSAGetLastError();
        return false;
    }
    // Non-blocking: every wait below is a bounded select, never a blocked call.
    u_long neblokujici = 1;
    ioctlsocket(s, FIONBIO, &neblokujici);
    std::lock_guard zamek(zamek_);
    soket_ = s;
    return true;
}

int SoketWinsock::Cekat(bool zapis, int milisekundy) {
    constexpr int kDilek = 100;
    const ULONGLONG konec = GetTickCount64() + static_cast<ULONGLONG>(std::max(milisekundy, 0));
    for (;;) {
        if (preruseno_ || soket_ == INVALID_SOCKET) return -1;
        const ULONGLONG ted = GetTickCount64();
        const int zbyva = ted >= konec ? 0 : static_cast<int>(std::min<ULONGLONG>(konec - ted, kDilek));
        fd_set sada, chyby;
        FD_ZERO(&sada);
        FD_ZERO(&chyby);
        FD_SET(soket_, &sada);
        FD_SET(soket_, &chyby);
        timeval limit{zbyva / 1000, (zbyva % 1000) * 1000};
        const int r = select(0, zapis ? nullptr : &sada, zapis ? &sada : nullptr, &chyby, &limit);
        if (r == SOCKET_ERROR || preruseno_) return -1;
        if (r > 0) return FD_ISSET(soket_, &chyby) && !FD_ISSET(soket_, &sada) ? -1 : 1;
        if (ted >= konec) return 0;
    }
}

bool SoketWinsock::Pripojit(std::uint32_t adresa, std::uint16_t port, int milisekundy) {
    if (soket_ == INVALID_SOCKET) return false;
    sockaddr_in cil{};
    cil.sin_family = AF_INET;
    cil.sin_port = htons(port);
    cil.sin_addr.s_addr = adresa;
    if (connect(soket_, reinterpret_cast<const sockaddr*>(&cil), sizeof cil) == 0) return true;
    if (WSAGetLastError() != WSAEWOULDBLOCK) {
        kodChyby_ = WSAGetLastError();
        return false;
    }
    // A refused connection shows in the exception set.
    const int cekani = Cekat(true, milisekundy);
    int chyba = 0;
    int delka = sizeof chyba;
    if (soket_ != INVALID_SOCKET &&
        getsockopt(soket_, SOL_SOCKET, SO_ERROR, reinterpret_cast<char*>(&chyba), &delka) != 0)
        chyba = WSAGetLastError();
    if (cekani == 1 && chyba == 0) return true;
    kodChyby_ = chyba ? chyba : (cekani == 0 ? WSAETIMEDOUT : 0);
    return false;
}

int SoketWinsock::CekatNaCteni(int milisekundy) { return Cekat(false, milisekundy); }

bool SoketWinsock::CekatNaZapis(int milisekundy) { return Cekat(true, milisekundy) == 1; }

int SoketWinsock::Prijmout(char* buffer, int velikost) {
    if (soket_ == INVALID_SOCKET || preruseno_) return -1;
    const int n = recv(soket_, buffer, velikost, 0);
    if (n == SOCKET_ERROR) kodChyby_ = WSAGetLastError();
    return n == SOCKET_ERROR ? -1 : n;
}

int SoketWinsock::Odeslat(const char* data, int delka) {
    if (soket_ == INVALID_SOCKET || preruseno_) return -1;
    int odeslano = 0;
    while (odeslano < delka) {
        const int n = send(soket_, data + odeslano, delka - odeslano, 0);
        // A full send buffer: the caller waits for room within its own time-out.
        if (n == SOCKET_ERROR && WSAGetLastError() == WSAEWOULDBLOCK) break;
        if (n == SOCKET_ERROR || n == 0) {
            kodChyby_ = n == SOCKET_ERROR ? WSAGetLastError() : 0;
            return -1;
        }
        odeslano += n;
    }
    return odeslano;
}

bool SoketWinsock::UkoncitOdesilani() {
    if (soket_ == INVALID_SOCKET || preruseno_) return false;
    if (shutdown(soket_, SD_SEND) == 0) return true;
    kodChyby_ = WSAGetLastError();
    return false;
}

void SoketWinsock::Zavrit() {
    std::lock_guard zamek(zamek_);
    if (soket_ == INVALID_SOCKET) return;
    shutdown(soket_, SD_BOTH);
    closesocket(soket_);
    soket_ = INVALID_SOCKET;
}

void SoketWinsock::Prerusit() {
    preruseno_ = true;
    std::lock_guard zamek(zamek_);
    if (soket_ != INVALID_SOCKET) shutdown(soket_, SD_BOTH);
}

std::wstring SoketWinsock::JmenoPocitace() {
    wchar_t jmeno[MAX_COMPUTERNAME_LENGTH + 1] = {};
    DWORD delka = MAX_COMPUTERNAME_LENGTH + 1;
    if (!GetComputerNameW(jmeno, &delka)) return {};
    return std::wstring(jmeno, delka);
}

std::uint16_t SoketWinsock::PortSmtp() { return PortSluzby("smtp", 25); }

std::uint16_t SoketWinsock::PortSluzby(const char* nazev, std::uint16_t vychozi) {
    WSADATA data;
    if (WSAStartup(MAKEWORD(2, 2), &data) != 0) return vychozi;
    const servent* sluzba = getservbyname(nazev, "tcp");
    const std::uint16_t port = sluzba ? ntohs(static_cast<u_short>(sluzba->s_port)) : vychozi;
    WSACleanup();
    return port;
}

}  // namespace Holvent::Email
