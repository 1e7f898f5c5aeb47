#pragma once

#include <cstdint>
#include <cstdio>
#include <string>

namespace Holvent::Email {

// Opens a record file: for writing (created or truncated) with no sharing, so that no
// other program reads a half-written file or writes over it; for reading with others
// allowed to read only. nullptr on failure, with the system error code (ERROR_* values:
// 2 not found, 3 path not found, 5 access denied, 32 locked by another program) in kodChyby.
std::FILE* OtevritSouborZaznamu(const std::wstring& cesta, bool zapis, std::uint32_t& kodChyby);

}  // namespace Holvent::Email
