#include "email/win/SoketWinsock.h"

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
    if (!winsock_) return false;
    soket_ = socket(AF_INET, SOCK_STREAM, IPPROTO_TCP);
    return soket_ != INVALID_SOCKET;
}

bool SoketWinsock::Pripojit(std::uint32_t adresa, std::uint16_t port) {
    if (soket_ == INVALID_SOCKET) return false;
    sockaddr_in cil{};
    cil.sin_family = AF_INET;
    cil.sin_port = htons(port);
    cil.sin_addr.s_addr = adresa;
    return connect(soket_, reinterpret_cast<const sockaddr*>(&cil), sizeof cil) == 0;
}

int SoketWinsock::CekatNaCteni(int milisekundy) {
    if (soket_ == INVALID_SOCKET) return -1;
    fd_set cteni;
    FD_ZERO(&cteni);
    FD_SET(soket_, &cteni);
    timeval limit{milisekundy / 1000, (milisekundy % 1000) * 1000};
    const int r = select(0, &cteni, nullptr, nullptr, &limit);
    if (r == SOCKET_ERROR) return -1;
    return r > 0 ? 1 : 0;
}

bool SoketWinsock::CekatNaZapis() {
    if (soket_ == INVALID_SOCKET) return false;
    fd_set zapis;
    FD_ZERO(&zapis);
    FD_SET(soket_, &zapis);
    return select(0, nullptr, &zapis, nullptr, nullptr) > 0;
}

int SoketWinsock::Prijmout(char* buffer, int velikost) {
    if (soket_ == INVALID_SOCKET) return -1;
    const int n = recv(soket_, buffer, velikost, 0);
    return n == SOCKET_ERROR ? -1 : n;
}

int SoketWinsock::Odeslat(const char* data, int delka) {
    if (soket_ == INVALID_SOCKET) return -1;
    // A blocking send may still take only part of the chunk.
    int odeslano = 0;
    while (odeslano < delka) {
        const int n = send(soket_, data + odeslano, delka - odeslano, 0);
        if (n == SOCKET_ERROR || n == 0) return -1;
        odeslano += n;
    }
    return odeslano;
}

void SoketWinsock::Zavrit() {
    if (soket_ == INVALID_SOCKET) return;
    shutdown(soket_, SD_BOTH);
    closesocket(soket_);
    soket_ = INVALID_SOCKET;
}

std::wstring SoketWinsock::JmenoPocitace() {
    wchar_t jmeno[MAX_COMPUTERNAME_LENGTH + 1] = {};
    DWORD delka = MAX_COMPUTERNAME_LENGTH + 1;
    if (!GetComputerNameW(jmeno, &delka)) return {};
    return std::wstring(jmeno, delka);
}

std::uint16_t SoketWinsock::PortSmtp() {
    WSADATA data;
    if (WSAStartup(MAKEWORD(2, 2), &data) != 0) return 25;
    const servent* sluzba = getservbyname("smtp", "tcp");
    const std::uint16_t port = sluzba ? ntohs(static_cast<u_short>(sluzba->s_port)) : 25;
    WSACleanup();
    return port;
}

}  // namespace Holvent::Email
