#include "net/StrankaHtml.h"

#include "knihovna/Formatovani.h"
#include "knihovna/KodovaniUtf16.h"
#include "video/KoderyObrazu.h"

namespace Holvent::Ftp {

std::string VytvoritStrankuHtml(const UdajeStrankyHtml& u) {
    const std::wstring polozky[] = {
        u.deklarace,
        u.zacatekHtml,
        L"<head>\r\n",
        L"<title>" + OsetritProHtml(u.titulek) + L"</title>",
        Knihovna::Formatovat(L"<meta http-equiv=\"refresh\" content=\"%u\"/>", static_cast<unsigned>(u.obnova)),
        L"</head>\r\n<body>\r\n",
        L"<h1>" + OsetritProHtml(u.nadpis) + L"</h1>",
        // The path as typed: a web server's file name with spaces stays as it is (no URL encoding).
        L"<p><img src=\"" + OsetritProHtml(u.cestaSnimku) + L"\" alt=\"Snímek z webkamery\"/></p>",
        L"</body>\r\n",
        L"</html>",
    };
    std::wstring text;
    for (const std::wstring& p : polozky) {
        if (!text.empty()) text += L"\r\n";
        text += p;
    }
    return Knihovna::NaUtf8(text);
}

std::wstring OsetritProHtml(std::wstring_view text) {
    std::wstring v;
    v.reserve(text.size());
    for (wchar_t z : text) {
        switch (z) {
        case L'&': v += L"&amp;"; break;
        case L'<': v += L"&lt;"; break;
        case L'>': v += L"&gt;"; break;
        case L'"': v += L"&quot;"; break;
        default: v += z;
        }
    }
    return v;
}

std::wstring CestaSnimkuNaFtp(const std::wstring& soubor, std::uint32_t format) {
    const auto* koder = Holvent::DirectShow::KoderFormatu(format);
    return soubor + (koder ? koder->pripona : Holvent::DirectShow::kKoderyObrazu[0].pripona);
}

std::wstring ChybaNazvuSouboru(std::wstring_view nazev) {
    if (nazev.find_first_of(L"/\\") != std::wstring_view::npos || nazev.find(L"..") != std::wstring_view::npos)
        return L"Název souboru nesmí obsahovat znaky \"/\", \"\\\" ani \"..\"";
    return {};
}

}  // namespace Holvent::Ftp
