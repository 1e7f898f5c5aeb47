#pragma once

#include <cstdint>
#include <string>

namespace Knihovna {

// The Czech text of a code that the shell's file operation (SHFileOperationW) returns of its own;
// empty for any other code, which is a system error code with its own description. The shell's
// own codes overlap unrelated system codes, so the system's text must not be used for them.
std::wstring TextChybyOperaceSouboru(std::uint32_t kod);

}  // namespace Knihovna
