#pragma once

#include <windows.h>

#include <source_location>
#include <string>

#include "knihovna/Chyba.h"

namespace Knihovna::WinApi {

// The system's description of a code (FormatMessageW), without the trailing line break;
// "Neznámá chyba 0x%08X" when the system has none.
std::wstring SystemovyPopis(HRESULT hr);

// What the user is told of an error: its own text, else the system description of its code.
std::wstring PopisChyby(const Chyba& chyba);

// Raises the last Win32 error as an HRESULT (E_FAIL when the last error is 0).
[[noreturn]] void VyhoditPosledniChybu(std::wstring text = {},
                                       std::source_location misto = std::source_location::current());

// Raises the last Win32 error when the result of a call is zero/null/FALSE.
template <class T>
T VyhoditKdyzNeuspech(T vysledek, std::source_location misto = std::source_location::current()) {
    if (!vysledek) VyhoditPosledniChybu({}, misto);
    return vysledek;
}

}  // namespace Knihovna::WinApi
