#pragma once

#include <string>
#include <string_view>

namespace Knihovna {

// Lower case of a letter of the Latin scripts the program meets (ASCII, Latin-1, Latin Extended-A).
wchar_t MalePismeno(wchar_t znak);
std::wstring MalymiPismeny(std::wstring_view text);

// Case-insensitive equality in the sense of MalePismeno.
bool StejneBezVelikosti(std::wstring_view a, std::wstring_view b);

}  // namespace Knihovna
