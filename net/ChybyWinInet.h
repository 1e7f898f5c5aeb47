#pragma once

#include <cstdint>

namespace Holvent::Ftp {

// The Czech description of a WinInet error code (12001-12192) the FTP roads meet; nullptr for others
// (wininet.dll describes few of them, under Wine in English or not at all).
const wchar_t* PopisKoduWinInet(std::uint32_t kod);

}  // namespace Holvent::Ftp
