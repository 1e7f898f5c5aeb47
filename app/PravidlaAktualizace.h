#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

// The rules of the update check that need no network: what the version file on the maker's web server must
// look like, how two versions compare, which address may be asked and the texts the check shows.
namespace PravidlaAktualizace {

// String 20010: the version file asked when the setting "adresa" is empty.
inline constexpr const wchar_t* kVychoziAdresa = L"https://www.dunmarholvent.cz/software/tervik/posledniVerze.txt";
// The product's web page (command "Webové stránky" and the update dialog's link).
inline constexpr const wchar_t* kAdresaWebu = L"https://www.dunmarholvent.cz/software/tervik/";
// The word the version file begins with (compared case-insensitively).
inline constexpr std::wstring_view kUvodniSlovo = L"posledniVerze";
// The file's text is 21 to 50 characters long.
inline constexpr std::size_t kNejmeneZnaku = 21;
inline constexpr std::size_t kNejviceZnaku = 50;
// More than this is never read from the server (a longer answer is refused as too long anyway).
inline constexpr std::size_t kNejviceBajtu = 4096;

// "casovyLimit" (seconds): the whole check's budget.
inline constexpr std::uint32_t kVychoziCasovyLimit = 20;
inline constexpr std::uint32_t kNejkratsiCasovyLimit = 2;
inline constexpr std::uint32_t kNejdelsiCasovyLimit = 120;

// The web version the file names: whatever follows the leading word, unchanged (" 4.9.0.0" from
// "POSLEDNIVERZE 4.9.0.0"); nothing when the text is shorter than 21 or longer than 50 characters or does not begin
// with the word (a byte order mark in front of it refuses the file too).
std::optional<std::wstring> VerzeZeSouboru(std::wstring_view text);

// A version of one to four numbers separated by dots ("4.9", "4.8.5.2"), blanks around it ignored; missing parts
// are 0. Nothing for anything else (letters, an empty part, a fifth part, a number over 65535).
std::optional<std::array<std::uint32_t, 4>> RozlozitVerzi(std::wstring_view text);

// Whether the web version is newer than the own one, part by part from the left ("4.9" > "4.8.5.2"); false when
// either is not a version.
bool JeNovejsi(std::wstring_view webova, std::wstring_view vlastni);

// The address of the version file: the setting, or string 20010 when it is empty.
std::wstring AdresaSouboru(const std::wstring& nastavena);

// The check of the setting "adresa": nothing when it may be taken (empty, or beginning with "http://" or
// "https://", in any case), else the message that refuses it.
std::optional<std::wstring> KontrolaAdresy(const std::wstring& adresa);

// Added to message 20011 when the server answered with another status than 200: "HTTP 404".
std::wstring TextStavuHttp(unsigned long stav);

// The balloon of a silent check that found a newer version.
std::wstring TextNoveVerze(std::wstring_view webova);

}  // namespace PravidlaAktualizace
