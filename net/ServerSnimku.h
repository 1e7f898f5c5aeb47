#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>
#include <string_view>

// The snapshot server's protocol logic, without sockets: what one connection asked for, the bytes of the
// answers, the request limit and the pace of a stream. The camera window's server feeds it received bytes
// and the time; its request threads send what it composes.
namespace Holvent::Server {

// Limits of a connection that has not been admitted yet.
inline constexpr std::size_t kMaxHlava = 8192;          // bytes of an HTTP head (request line and headers)
inline constexpr std::uint32_t kLimitRadkuMs = 2000;    // no line end by then: a raw client
inline constexpr std::uint32_t kLimitHlavyMs = 10000;   // an HTTP head still incomplete by then: closed
inline constexpr std::size_t kMaxCekajicich = 64;       // connections awaiting their heads at once
inline constexpr std::uint32_t kMaxVlaken = 64;         // the highest "maxPocetVlaken" that counts

// What a connection wants, once its bytes (or the time) tell.
enum class Pozadavek {
    Nerozhodnuto,    // more bytes are needed
    Surovy,          // not HTTP: the bare picture bytes (or nothing, with a password set)
    Snimek,          // HTTP GET (or any method but HEAD) of anything but "/mjpeg": head and picture
    Hlava,           // HTTP HEAD: the head of Snimek only
    Proud,           // HTTP request of "/mjpeg" (query ignored): the multipart stream
    Neautorizovano,  // HTTP without the right password: the 401 answer
    Zavrit,          // closed without an answer: head too long or too late, a raw client while a password is set
};

// One connection from its first byte to its classification. Not thread-safe: the camera window's thread only.
class SpojeniServeru {
public:
    // heslo: the camera's "heslo" ("" = no password); zacatekMs: when the connection was accepted.
    SpojeniServeru(std::wstring heslo, std::uint32_t zacatekMs);

    // Takes received bytes (after the decision they are ignored); returns the state.
    Pozadavek Prijmout(std::string_view bajty, std::uint32_t nyniMs);
    // The time alone: a raw client after kLimitRadkuMs without a line end, Zavrit after kLimitHlavyMs
    // of an incomplete HTTP head. Times are GetTickCount-like and may wrap.
    Pozadavek Cas(std::uint32_t nyniMs);
    Pozadavek Stav() const;

private:
    // Where the scan of the head stands.
    enum class Faze : std::uint8_t { Metoda, ZacatekCile, Schema, Cil, Verze, KonecRadku, LfRadku, Hlavicky };

    void Prochazet(std::size_t od);
    void Rozhodnout(Pozadavek p);
    void Surove();
    void HlavaUplna();

    std::wstring heslo_;
    std::uint32_t zacatekMs_;
    std::unique_ptr<char[]> prijato_;  // the head so far: kMaxHlava bytes, delka_ of them used
    std::size_t delka_ = 0;
    Pozadavek stav_ = Pozadavek::Nerozhodnuto;
    bool http_ = false;    // the request line is complete
    Faze faze_ = Faze::Metoda;
    std::uint32_t vFazi_ = 0;         // bytes of the method, or of "HTTP/1." matched so far
    std::size_t konecMetody_ = 0;
    std::size_t zacatekCile_ = 0;
    std::size_t konecCile_ = 0;
    std::size_t zacatekRadku_ = 0;    // of the header line being read
    bool autorizace_ = false;         // an "Authorization" header came (only the first one counts)
    std::size_t autorizaceOd_ = 0;    // its value
    std::size_t autorizaceDo_ = 0;
};

// Whether an "Authorization" header value ("Basic <base64>") carries the password: the part after the first
// colon of the decoded text, read as UTF-8, must equal heslo (any user). Compared without an early exit.
// Bad Base64, no colon or another scheme: false.
bool OveritBasic(std::string_view hodnota, const std::wstring& heslo);

// The answers, byte for byte.
// "HTTP/1.0 200 OK" with Content-Type image/jpeg, Content-Length delka, Cache-Control no-store,
// Connection close and the blank line (the picture follows, or nothing for HEAD).
std::string HlavaSnimku(std::size_t delka);
// The whole 401 answer: WWW-Authenticate Basic realm="Tervik", charset="UTF-8", a short Czech body.
std::string OdpovedNeautorizovano();
// The stream's head: multipart/x-mixed-replace; boundary=tervikframe, no-store, close, blank line.
std::string HlavaProudu();
// One part's head: "--tervikframe", Content-Type image/jpeg, Content-Length delka, blank line; the JPEG and
// kKonecCasti follow.
std::string HlavaCastiProudu(std::size_t delka);
inline constexpr std::string_view kKonecCasti = "\r\n";

// The request limit: "maxPocetVlaken" read as 1 to kMaxVlaken (0 means 1, more means kMaxVlaken).
std::uint32_t LimitVlaken(std::uint32_t maxPocetVlaken);
// Whether one more request may start while bezi run (at most the limit, never one more).
bool LzeSpustitPozadavek(std::uint32_t bezi, std::uint32_t maxPocetVlaken);

// Whether a picture encoded at porizenoMs may still go at nyniMs to another client (a stream's next frame or
// a single request): it is younger than one frame period, so several clients cost one encoding.
bool LzeSdilet(std::uint32_t porizenoMs, std::uint32_t nyniMs, std::uint32_t periodaMs);

// The pace of one stream: a frame every 1000 / snimkuZaSekundu ms (1–30, out of range clamped), never a
// burst to catch up after a late frame.
class TempoProudu {
public:
    explicit TempoProudu(std::uint32_t snimkuZaSekundu);
    std::uint32_t PeriodaMs() const { return periodaMs_; }
    // How long to wait at nyniMs before the next frame (0: now).
    std::uint32_t CekatMs(std::uint32_t nyniMs) const;
    // A frame went out at nyniMs: the next is due one period after the one just due (or one period after now
    // when that moment has passed already, so that a late frame never brings a burst).
    void Odeslano(std::uint32_t nyniMs);

private:
    std::uint32_t periodaMs_;
    std::uint32_t dalsiMs_ = 0;
    bool prvni_ = true;
};

}  // namespace Holvent::Server
