#pragma once

#include <string>
#include <string_view>

namespace Knihovna {

// UTF-16 little-endian bytes of a text: 2 bytes per UTF-16 code unit on both builds
// (a 32-bit wchar_t above U+FFFF becomes a surrogate pair). No byte-order mark.
std::string KodovatUtf16LE(std::wstring_view text);

// The text of UTF-16LE bytes; surrogate pairs are joined where wchar_t is 32-bit,
// a lone odd last byte is ignored. A byte-order mark is kept (the caller decides).
std::wstring DekodovatUtf16LE(std::string_view bajty);

// UTF-8 <-> wide, for the few places that meet UTF-8 (command lines of tools, test output).
// Reading UTF-8, each ill-formed sequence becomes one U+FFFD.
std::string NaUtf8(std::wstring_view text);
std::wstring ZUtf8(std::string_view text);

}  // namespace Knihovna
