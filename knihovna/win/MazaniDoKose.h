#pragma once

#include <string>
#include <vector>

namespace Knihovna::WinApi {

// Moves the files to the recycle bin in one shell operation, without questions or progress; the shell's own
// codes raise with their text, a cancelled operation with E_ABORT. Nothing happens for an empty list.
void SmazatDoKose(const std::vector<std::wstring>& soubory);

}  // namespace Knihovna::WinApi
