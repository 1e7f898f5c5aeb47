#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace Holvent::Ftp {

// The bounds of the page's "refresh" (seconds).
inline constexpr std::uint32_t kMinObnovaStranky = 1;
inline constexpr std::uint32_t kMaxObnovaStranky = 86400;

// What the webcam page shows; the texts as typed (the page escapes them).
struct UdajeStrankyHtml {
    std::wstring deklarace;    // the document type declaration (a string-table text)
    std::wstring zacatekHtml;  // the html start tag with its namespace (a string-table text)
    std::wstring titulek;
    std::uint32_t obnova = 10;  // s
    std::wstring nadpis;
    std::wstring cestaSnimku;
};

// The ten items of the page, each but the last followed by CRLF, as UTF-8 without a byte-order mark and
// without a terminating zero.
std::string VytvoritStrankuHtml(const UdajeStrankyHtml& udaje);

// & < > " as entities; everything else (spaces too) unchanged.
std::wstring OsetritProHtml(std::wstring_view text);

// The snapshot's name on the server by the camera's FTP "soubor" and the FTP block's "format" ("Webtervik.jpg").
std::wstring CestaSnimkuNaFtp(const std::wstring& soubor, std::uint32_t format);

// A file name that must stay one name ("soubor" of a page or an upload): empty when it is acceptable, else the
// message that refuses it ("/", "\" or "..").
std::wstring ChybaNazvuSouboru(std::wstring_view nazev);

}  // namespace Holvent::Ftp
