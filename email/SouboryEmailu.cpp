#include "email/SouboryEmailu.h"

#include <filesystem>
#include <system_error>

#include "camera/ParametryKamery.h"
#include "knihovna/Formatovani.h"

namespace Holvent::Email {

namespace {

// "pocetSouboru" allows at most this many files.
constexpr std::uint32_t kMaxPocetSouboru = 4000;

std::wstring JmenoSouboru(const std::wstring& jmenoKamery) {
    // A camera "Dvůr: vchod?" would otherwise name a file no file system takes.
    std::wstring jmeno = jmenoKamery.empty() ? std::wstring(L"_") : jmenoKamery;
    NahraditZnaky(jmeno, L'_');
    return jmeno;
}

}  // namespace

std::wstring SouborEmailu(const std::wstring& slozkaDat, const std::wstring& jmenoKamery, std::uint32_t citac,
                          std::uint32_t pocetSouboru, const std::wstring& pripona) {
    const std::wstring jmeno = JmenoSouboru(jmenoKamery);
    if (pocetSouboru <= 1)
        return Knihovna::Formatovat(L"%s\\%s_email%s", slozkaDat.c_str(), jmeno.c_str(), pripona.c_str());
    return Knihovna::Formatovat(L"%s\\%s_email%.2d%s", slozkaDat.c_str(), jmeno.c_str(), static_cast<int>(citac),
                                pripona.c_str());
}

std::uint32_t CitacEmailu::Aktualni(std::uint32_t pocetSouboru) {
    if (citac_ < 1 || citac_ > std::max<std::uint32_t>(pocetSouboru, 1)) citac_ = 1;
    return citac_;
}

std::vector<std::wstring> PrilohyEmailu(const std::wstring& slozkaDat, const std::wstring& jmenoKamery,
                                        std::uint32_t pocetSouboru, const std::wstring& pripona,
                                        const std::wstring& snimek) {
    if (pocetSouboru <= 1) return {snimek};
    std::vector<std::wstring> soubory;
    for (std::uint32_t i = 1; i <= std::min(pocetSouboru, kMaxPocetSouboru); ++i) {
        std::wstring cesta = SouborEmailu(slozkaDat, jmenoKamery, i, pocetSouboru, pripona);
        std::error_code chyba;
        if (std::filesystem::is_regular_file(std::filesystem::path(cesta), chyba)) soubory.push_back(std::move(cesta));
    }
    return soubory;
}

std::size_t SmazatStareSouboryEmailu(const std::wstring& slozkaDat, const std::wstring& jmenoKamery,
                                     const std::wstring& pripona) {
    std::size_t smazano = 0;
    for (std::uint32_t i = 1; i <= kMaxPocetSouboru; ++i) {
        std::error_code chyba;
        if (std::filesystem::remove(std::filesystem::path(SouborEmailu(slozkaDat, jmenoKamery, i, 2, pripona)), chyba))
            ++smazano;
    }
    return smazano;
}

std::optional<std::wstring> ChybaVelikostiPriloh(const std::vector<std::wstring>& soubory) {
    std::uint64_t celkem = 0;
    for (const std::wstring& soubor : soubory) {
        std::error_code chyba;
        const auto velikost = std::filesystem::file_size(std::filesystem::path(soubor), chyba);
        if (!chyba) celkem += velikost;
    }
    if (celkem <= kMaxVelikostPriloh) return std::nullopt;
    const auto mb = static_cast<unsigned>((celkem + 1024 * 1024 - 1) / (1024 * 1024));
    return Knihovna::Formatovat(kTextPrilisVelkePrilohy, mb);
}

}  // namespace Holvent::Email
