#include "net/NazvyFtp.h"

#include "camera/ParametryKamery.h"
#include "knihovna/Formatovani.h"

namespace Holvent::Ftp {

std::wstring VzdalenyNazev(const std::wstring& soubor, const std::wstring& pripona, std::uint32_t maxPocetSouboru,
                           std::uint32_t& citac) {
    if (maxPocetSouboru < 2) return soubor + pripona;
    if (++citac > maxPocetSouboru) citac = 1;
    return Knihovna::Formatovat(L"%ls%u%ls", soubor.c_str(), static_cast<unsigned>(citac), pripona.c_str());
}

std::wstring MistniSouborFtp(const std::wstring& slozkaDat, const std::wstring& jmenoKamery,
                             const std::wstring& pripona) {
    std::wstring jmeno = jmenoKamery;
    NahraditZnaky(jmeno, L'_');
    return Knihovna::Formatovat(L"%ls\\%ls_ftp%ls", slozkaDat.c_str(), jmeno.c_str(), pripona.c_str());
}

std::wstring SlozkaFtp::Cesta() const {
    std::wstring cesta = odKorene ? L"/" : L"";
    for (std::size_t i = 0; i < urovne.size(); ++i) {
        if (i > 0) cesta += L'/';
        cesta += urovne[i];
    }
    return cesta;
}

SlozkaFtp RozlozitSlozkuFtp(const std::wstring& slozka) {
    SlozkaFtp vysledek;
    // Spaces around the whole text are a typing slip; inside a name they are kept.
    const auto zacatek = slozka.find_first_not_of(L" \t");
    if (zacatek == std::wstring::npos) return vysledek;
    const std::wstring text = slozka.substr(zacatek, slozka.find_last_not_of(L" \t") - zacatek + 1);
    auto oddelovac = [](wchar_t z) { return z == L'/' || z == L'\\'; };
    vysledek.odKorene = oddelovac(text.front());
    std::wstring uroven;
    auto ukoncit = [&] {
        if (!uroven.empty() && uroven != L".") vysledek.urovne.push_back(uroven);
        uroven.clear();
    };
    for (wchar_t z : text) {
        if (oddelovac(z)) ukoncit();
        else uroven += z;
    }
    ukoncit();
    return vysledek;
}

}  // namespace Holvent::Ftp
