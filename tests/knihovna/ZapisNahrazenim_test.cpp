#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>

#include "knihovna/Chyba.h"
#include "knihovna/ZapisNahrazenim.h"

namespace fs = std::filesystem;

namespace {

std::string Obsah(const fs::path& cesta) {
    std::ifstream f(cesta, std::ios::binary);
    return {std::istreambuf_iterator<char>(f), std::istreambuf_iterator<char>()};
}

void Zapsat(const fs::path& cesta, const std::string& obsah) { std::ofstream(cesta, std::ios::binary) << obsah; }

}  // namespace

TEST(ZapisNahrazenim, NahradiSouborAleSouborJenProCteniNecha) {
    const fs::path slozka = fs::temp_directory_path() / "ZapisNahrazenim";
    fs::remove_all(slozka);
    fs::create_directories(slozka);
    const fs::path cesta = slozka / "profil.prx";
    Zapsat(cesta, "puvodni");
    Knihovna::ZapsatNahrazenim(cesta.wstring(), [](const std::wstring& docasna) { Zapsat(docasna, "novy"); });
    EXPECT_EQ(Obsah(cesta), "novy");

    fs::permissions(cesta, fs::perms::owner_read);
    try {
        Knihovna::ZapsatNahrazenim(cesta.wstring(), [](const std::wstring& docasna) { Zapsat(docasna, "treti"); });
        ADD_FAILURE() << "a read-only file was replaced";
    } catch (const Knihovna::Chyba& chyba) {
        EXPECT_EQ(chyba.Hr(), Knihovna::HresultZWin32(Knihovna::kChybaPristupOdepren));
    }
    EXPECT_EQ(Obsah(cesta), "novy");
    EXPECT_FALSE(fs::exists(slozka / "profil.prx.tmp"));
    fs::permissions(cesta, fs::perms::owner_read | fs::perms::owner_write);
    fs::remove_all(slozka);
}
