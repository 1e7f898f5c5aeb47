#pragma once

// Loopback sockets for the tests of the BSD socket layer (native builds only).
#ifndef _WIN32

#include <arpa/inet.h>
#include <netinet/in.h>
#include <sys/socket.h>
#include <unistd.h>

#include <cstdint>

// A socket bound to a free loopback port (listening when naslouchat); the port in port.
// rcvbuf > 0 makes its connections' receive buffers that small.
inline int SoketNaSmycce(std::uint16_t& port, bool naslouchat = true, int rcvbuf = 0) {
    const int s = socket(AF_INET, SOCK_STREAM, 0);
    if (rcvbuf > 0) setsockopt(s, SOL_SOCKET, SO_RCVBUF, &rcvbuf, sizeof rcvbuf);
    sockaddr_in a{};
    a.sin_family = AF_INET;
    a.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    bind(s, reinterpret_cast<sockaddr*>(&a), sizeof a);
    if (naslouchat) listen(s, 1);
    socklen_t delka = sizeof a;
    getsockname(s, reinterpret_cast<sockaddr*>(&a), &delka);
    port = ntohs(a.sin_port);
    return s;
}

// A loopback port that was free a moment ago and has nobody listening now.
inline std::uint16_t VolnyPortNaSmycce() {
    std::uint16_t port = 0;
    close(SoketNaSmycce(port, false));
    return port;
}

#endif
