#pragma once

#include <cstddef>
#include <cstdint>
#include <map>
#include <string>
#include <string_view>
#include <vector>

// The receiving side of the remote-control protocol: one request "GET /<number>" ended by a zero byte, one
// Windows-1250 text and a zero byte back. The logic here knows no sockets and no windows.
namespace DalkoveOvladani {

// Texts of the replies.
inline constexpr const wchar_t* kTextNeznamyPrikaz = L"Neznámý příkaz síťového ovládání.";
inline constexpr const wchar_t* kTextNeniVychozi = L"Není nastavena výchozí tervik !";
inline constexpr const wchar_t* kTextVychoziVypnuta = L"Tervik nastavená jako výchozí není nyní zapnuta!";
inline constexpr const wchar_t* kTextVideoVypnuto = L"Není zapnuto nastavené videozařízení !";
inline constexpr const wchar_t* kTextNedostupne = L"Tato akce není v aplikaci dostupná.";

// Collects one request from the bytes as they arrive: it is complete at its zero byte, when the peer ends
// sending, or at kMaxDelka bytes.
class SberPozadavku {
public:
    static constexpr std::size_t kMaxDelka = 1023;

    // Takes received bytes (those after a zero byte are dropped); true when the request is complete.
    bool Pridat(std::string_view bajty);
    void KonecOdesilani() { hotovo_ = true; }
    bool Hotovo() const { return hotovo_; }
    // How many more bytes one receive may take.
    std::size_t Zbyva() const { return hotovo_ ? 0 : kMaxDelka - text_.size(); }
    // The request without its zero byte.
    const std::string& Text() const { return text_; }
    void Vymazat();

private:
    std::string text_;
    bool hotovo_ = false;
};

// The command number of a request: tokens at spaces and slashes, the first not empty, the second read as at
// most five leading decimal digits. -1 when a token is missing (the connection is closed without a reply);
// 0 when the second token has no digits or more than five (an unknown command).
std::int32_t CisloPrikazu(std::string_view pozadavek);

// The command the default camera's window gets for a remote command; 0 when none goes to it.
std::uint32_t PrikazKamery(std::uint32_t cislo);

// The default camera as the receiver sees it when a request arrives.
struct StavKamery {
    bool existuje = false;
    bool zapnuta = false;
    bool video = false;
    bool serverHttp = false;
    bool autoFtp = false;
    bool autoEmail = false;
    // The camera would carry out the command it is to get (PrikazKamery) now, not grey it.
    bool prikazDostupny = false;
};

enum class Prijemce { Nikdo, HlavniOkno, VychoziKamera };

// What a request leads to: the reply text and the command posted after it.
struct Vysledek {
    std::wstring odpoved;
    Prijemce prijemce = Prijemce::Nikdo;
    std::uint32_t prikaz = 0;
    bool operator==(const Vysledek&) const = default;
};

// The table of commands with its checks in order: the first that fails gives the reply and nothing is posted.
Vysledek Vyhodnotit(std::uint32_t cislo, const StavKamery& kamera);

// The bytes of a reply: Windows-1250 and the zero byte.
std::string BajtyOdpovedi(std::wstring_view text);

// The addresses that may steer ("povoleneAdresy"): IPv4 addresses and networks "a.b.c.d/n" separated by
// semicolons, commas or blanks. An empty list lets everyone in; a malformed entry is left out (never widened).
class PovoleneAdresy {
public:
    PovoleneAdresy() = default;
    // Parses the setting; each malformed entry adds a Czech text for the log to chyby.
    static PovoleneAdresy Nacist(std::wstring_view text, std::vector<std::wstring>& chyby);

    // The address in host order (a.b.c.d = a << 24 | ...).
    bool Povolena(std::uint32_t adresa) const;
    bool Vsechny() const { return vsechny_; }

private:
    struct Sit {
        std::uint32_t adresa;
        std::uint32_t maska;
    };
    bool vsechny_ = true;
    std::vector<Sit> site_;
};

// "a.b.c.d" of an address in host order.
std::wstring TextAdresy(std::uint32_t adresa);

// A refused peer is logged once per address and hour.
class HlaseniOdmitnuti {
public:
    static constexpr std::uint32_t kPerioda = 3600000;  // ms
    static constexpr std::size_t kMaxAdres = 1024;

    // Whether the refusal of this address at this tick (ms, wrapping) is to be logged.
    bool Hlasit(std::uint32_t adresa, std::uint32_t tiky);
    // The log line of a refusal.
    static std::wstring Text(std::uint32_t adresa);

private:
    std::map<std::uint32_t, std::uint32_t> naposledy_;
};

}  // namespace DalkoveOvladani
