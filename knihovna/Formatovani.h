#pragma once

#include <cstdarg>
#include <string>

namespace Knihovna {

// printf-style formatting of wide text. "%s" and "%c" take wide arguments, as in the
// program's string table (the Windows meaning), on both builds; "%ls" works as well.
std::wstring Formatovat(const wchar_t* vzor, ...);
std::wstring FormatovatV(const wchar_t* vzor, va_list argumenty);

// The same for 8-bit wire texts ("%s" is a narrow string here).
std::string FormatovatA(const char* vzor, ...);

// Appends "." when the text does not already end with one.
std::wstring STeckouNaKonci(std::wstring text);

}  // namespace Knihovna
