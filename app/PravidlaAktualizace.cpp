#include "app/PravidlaAktualizace.h"

#include <cwctype>

namespace PravidlaAktualizace {

namespace {

bool ZacinaBezOhleduNaVelikost(std::wstring_view text, std::wstring_view zacatek) {
    if (text.size() < zacatek.size()) return false;
    for (std::size_t i = 0; i < zacatek.size(); ++i)
        if (std::towlower(text[i]) != std::towlower(zacatek[i])) return false;
    return true;
}

bool JeMezera(wchar_t z) { return z == L' ' || z == L'\t' || z == L'\r' || z == L'\n'; }

}  // namespace

std::optional<std::wstring> VerzeZeSouboru(std::wstring_view text) {
    if (text.size() < kNejmeneZnaku || text.size() > kNejviceZnaku) return std::nullopt;
    if (!ZacinaBezOhleduNaVelikost(text, kUvodniSlovo)) return std::nullopt;
    return std::wstring(text.substr(kUvodniSlovo.size()));
}

std::optional<std::array<std::uint32_t, 4>> RozlozitVerzi(std::wstring_view text) {
    while (!text.empty() && JeMezera(text.front())) text.remove_prefix(1);
    while (!text.empty() && JeMezera(text.back())) text.remove_suffix(1);
    std::array<std::uint32_t, 4> casti{};
    std::size_t pocet = 0;
    std::size_t i = 0;
    while (true) {
        if (pocet == casti.size()) return std::nullopt;
        std::uint32_t cislo = 0;
        std::size_t cislic = 0;
        for (; i < text.size() && text[i] >= L'0' && text[i] <= L'9'; ++i, ++cislic) {
            cislo = cislo * 10 + static_cast<std::uint32_t>(text[i] - L'0');
            if (cislo > 0xFFFF) return std::nullopt;
        }
        if (cislic == 0) return std::nullopt;
        casti[pocet++] = cislo;
        if (i == text.size()) return casti;
        if (text[i] != L'.') return std::nullopt;
        ++i;
    }
}

bool JeNovejsi(std::wstring_view webova, std::wstring_view vlastni) {
    const auto w = RozlozitVerzi(webova);
    const auto v = RozlozitVerzi(vlastni);
    return w && v && *w > *v;
}

std::wstring AdresaSouboru(const std::wstring& nastavena) { return nastavena.empty() ? kVychoziAdresa : nastavena; }

std::optional<std::wstring> KontrolaAdresy(const std::wstring& adresa) {
    if (adresa.empty() || ZacinaBezOhleduNaVelikost(adresa, L"http://") || ZacinaBezOhleduNaVelikost(adresa, L"https://"))
        return std::nullopt;
    return L"Zadejte adresu začínající http:// nebo https://.";
}

std::wstring TextStavuHttp(unsigned long stav) { return L"HTTP " + std::to_wstring(stav); }

std::wstring TextNoveVerze(std::wstring_view webova) {
    std::wstring_view v = webova;
    while (!v.empty() && JeMezera(v.front())) v.remove_prefix(1);
    while (!v.empty() && JeMezera(v.back())) v.remove_suffix(1);
    return L"Na webu je k dispozici nová verze " + std::wstring(v) + L".";
}

}  // namespace PravidlaAktualizace
