#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

namespace Holvent::Email {

// Content-Transfer-Encoding of a part.
enum class EncodingKind : std::uint32_t {
    Automaticky = 0,
    Bit7 = 1,
    Bit8 = 2,
    QuotedPrintable = 3,
    Base64 = 4,
};

// The Content-Transfer-Encoding value written for a kind ("7bit", … "base64").
const wchar_t* NazevKodovani(EncodingKind druh);

// The encoding that suits the bytes: base64 for binary, quoted-printable for long lines,
// 8bit for other high bytes, 7bit for plain short-lined text.
EncodingKind ChooseEncoding(const std::uint8_t* bajty, std::size_t delka);

// Lines broken at 76 characters after the last of " -;.,?!" (or hard after the 76th);
// every line break written as CR LF.
std::string WrapLines(std::string_view text);

// Base64 of the bytes in lines of 76 characters joined by CRLF, in one pass (a snapshot message carries megabytes of
// it); the same text as Base64 followed by WrapLines. Base64 holds no ".", so it needs no SMTP transparency.
std::string Base64VRadcich(const std::uint8_t* bajty, std::size_t delka);

// RFC 2045 quoted-printable of 8-bit text, soft breaks never splitting an "=XX".
std::string QuotedPrintable(std::string_view text);

// SMTP transparency: a line beginning with "." gets a second one.
std::string ZdvojitTeckyNaZacatkuRadku(std::string text);

// The bytes of a text in a MIME charset. "iso-8859-1" text holding characters outside
// Latin-1 is encoded as UTF-8 and charset becomes "utf-8"; so does a charset the program
// cannot encode. "utf-8", "us-ascii" and "windows-1250" are kept and used.
std::string ZakodovatText(std::wstring_view text, std::wstring& charset);

// An RFC 2047 encoded word sequence (UTF-8, B) for a header text with non-ASCII characters, control characters
// or "=?" (a reader would decode a literal encoded word); other ASCII text comes back unchanged unless vzdy is set.
std::wstring ZakodovatHlavicku(std::wstring_view text, bool vzdy = false);

bool JenAscii(std::wstring_view text);

}  // namespace Holvent::Email
