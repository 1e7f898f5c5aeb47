#pragma once

#include <cstdint>
#include <optional>
#include <string>

namespace Knihovna {

// A server as the settings name it: "host", "host:port", "[IPv6]:port" or a bare IPv6 address.
struct AdresaServeru {
    std::wstring hostitel;
    std::optional<std::uint16_t> port;  // none: the road's own port (SMTP from the services database, FTP 21)
};

// The server field cut into host and port; a port that is no number in 1–65535 gives nullopt with the message
// for the user in chyba ("Port serveru musí být číslo v rozsahu 1 - 65535.").
std::optional<AdresaServeru> RozlozitServer(const std::wstring& text, std::wstring* chyba = nullptr);

inline constexpr const wchar_t* kTextChybnyPortServeru = L"Port serveru musí být číslo v rozsahu 1 - 65535.";

}  // namespace Knihovna
