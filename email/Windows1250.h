#pragma once

#include <string>
#include <string_view>

namespace Holvent::Email {

// Wide text to Windows-1250 bytes; a character the code page lacks becomes "?".
std::string NaWindows1250(std::wstring_view text);

// Windows-1250 bytes to wide text (the five unassigned bytes become U+FFFD).
std::wstring ZWindows1250(std::string_view bajty);

}  // namespace Holvent::Email
