#pragma once

// Loopback sockets for the tests of the BSD socket layer (native builds only).
#ifndef _WIN32

#include <arpa/inet.h>
#include <netinet/in.h>
#include <poll.h>
#include <sys/socket.h>
#include <unistd.h>

#include <atomic>
#include <chrono>
#include <cstdint>
#include <functional>
#include <string>
#include <thread>

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

inline bool CekatNaCteni(int s, int ms) {
    pollfd p{s, POLLIN, 0};
    return poll(&p, 1, ms) > 0;
}

inline void Poslat(int s, const std::string& t) { send(s, t.data(), t.size(), MSG_NOSIGNAL); }

// One line up to its '\n', each byte waited for at most 5 s.
inline std::string PrecistRadek(int s) {
    std::string r;
    char z;
    while (r.size() < 4096 && CekatNaCteni(s, 5000) && recv(s, &z, 1, 0) == 1) {
        r.push_back(z);
        if (z == '\n') break;
    }
    return r;
}

// A peer on a free loopback port for one connection: hraj plays the dialogue on it (not called when nobody
// connects within 10 s), then the connection closes. konecTestu turns true when the peer is destroyed, so a peer
// that holds a silent connection can wait for it (bounded, see MlcetDoKonce).
class PeerNaSmycce {
public:
    using Dialog = std::function<void(int spojeni, const std::atomic<bool>& konecTestu)>;
    explicit PeerNaSmycce(Dialog hraj, int rcvbuf = 0) {
        naslouchani_ = SoketNaSmycce(port_, true, rcvbuf);
        vlakno_ = std::thread([this, hraj = std::move(hraj)] {
            if (!CekatNaCteni(naslouchani_, 10000)) return;
            const int s = accept(naslouchani_, nullptr, nullptr);
            hraj(s, konec_);
            close(s);
        });
    }
    ~PeerNaSmycce() {
        konec_ = true;
        vlakno_.join();
        close(naslouchani_);
    }
    std::uint16_t Port() const { return port_; }

private:
    std::atomic<bool> konec_{false};
    int naslouchani_ = -1;
    std::uint16_t port_ = 0;
    std::thread vlakno_;
};

// Holds a silent connection until the test is over, at most 10 s.
inline void MlcetDoKonce(const std::atomic<bool>& konecTestu) {
    for (int i = 0; i < 500 && !konecTestu; ++i) std::this_thread::sleep_for(std::chrono::milliseconds(20));
}

#endif
