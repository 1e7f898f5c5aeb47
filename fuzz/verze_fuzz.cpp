// The update check's version file: any text gives a version or a refusal, and the comparison of versions is
// an order (never newer than itself, never newer both ways, the same parts compare the same).
#include <fuzzer/FuzzedDataProvider.h>

#include <cstdint>
#include <cstdlib>
#include <string>

#include "Overeni.h"
#include "app/PravidlaAktualizace.h"

using namespace PravidlaAktualizace;

namespace {

std::wstring Text(FuzzedDataProvider& f, std::size_t max) {
    const std::string b = f.ConsumeRandomLengthString(max);
    std::wstring t;
    // Mostly the characters of versions, now and then any UTF-16 unit.
    for (std::size_t i = 0; i < b.size(); ++i) {
        const auto c = static_cast<unsigned char>(b[i]);
        if (c >= 0xF0 && i + 1 < b.size()) t.push_back(static_cast<wchar_t>((c << 8) | static_cast<unsigned char>(b[++i])));
        else t.push_back(static_cast<wchar_t>(c));
    }
    return t;
}

std::wstring Zpet(const std::array<std::uint32_t, 4>& c) {
    return std::to_wstring(c[0]) + L"." + std::to_wstring(c[1]) + L"." + std::to_wstring(c[2]) + L"." + std::to_wstring(c[3]);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    FuzzedDataProvider f(data, size);
    const std::wstring soubor = Text(f, 80);
    const std::wstring vlastni = Text(f, 30);

    const auto verze = VerzeZeSouboru(soubor);
    if (verze) {
        OVERIT(soubor.size() >= kNejmeneZnaku && soubor.size() <= kNejviceZnaku);
        OVERIT(soubor.substr(kUvodniSlovo.size()) == *verze);
        const std::wstring zprava = TextNoveVerze(*verze);
        OVERIT(zprava.find(L"nová verze") != std::wstring::npos);
    }
    const std::wstring webova = verze ? *verze : soubor;

    const auto w = RozlozitVerzi(webova);
    const auto v = RozlozitVerzi(vlastni);
    for (const auto& c : {w, v})
        if (c) {
            for (std::uint32_t cast : *c) OVERIT(cast <= 0xFFFF);
            // The parts written back read as the same version.
            const auto znovu = RozlozitVerzi(Zpet(*c));
            OVERIT(znovu && *znovu == *c);
        }
    const bool novejsi = JeNovejsi(webova, vlastni);
    OVERIT(!JeNovejsi(webova, webova));
    OVERIT(!(novejsi && JeNovejsi(vlastni, webova)));
    OVERIT(novejsi == (w && v && *w > *v));
    if (w && v && *w != *v) OVERIT(novejsi || JeNovejsi(vlastni, webova));

    const std::wstring adresa = Text(f, 64);
    if (!KontrolaAdresy(adresa)) OVERIT(AdresaSouboru(adresa).rfind(L"http", 0) == 0 || adresa.size() >= 7);
    return 0;
}
