#pragma once

#include <cstdint>

constexpr std::uint32_t kVerzeWindowsVychozi = 0x0502;
constexpr std::uint32_t kPlatformaNt = 2;  // VER_PLATFORM_WIN32_NT

// The program's Windows version code: 0x0500-0x0502 for NT 5.x, 0x0600-0x0602 for 6.x,
// 0xFFFF for any later major version, 0 for everything else.
std::uint32_t KodVerzeWindows(std::uint32_t platforma, std::uint32_t hlavni, std::uint32_t vedlejsi);

// Vista and later (the dialogs' "Vista flag").
constexpr bool JeVistaNeboNovejsi(std::uint32_t kod) { return kod > 0x05FF; }
