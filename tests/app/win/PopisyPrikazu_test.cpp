#include <windows.h>

#include <gtest/gtest.h>

#include <set>
#include <string>
#include <vector>

#include "app/PolozkyHlavnihoOkna.h"
#include "app/SeznamHorkychKlaves.h"
#include "knihovna/win/Zdroje.h"

namespace {

// The product itself, beside this test program, loaded for its resources only.
class ZdrojeProduktu {
public:
    ZdrojeProduktu() {
        std::wstring cesta = Knihovna::WinApi::CestaModulu(nullptr);
        cesta = cesta.substr(0, cesta.find_last_of(L"\\/") + 1) + L"Tervik.exe";
        modul_ = ::LoadLibraryExW(cesta.c_str(), nullptr, LOAD_LIBRARY_AS_DATAFILE | LOAD_LIBRARY_AS_IMAGE_RESOURCE);
    }
    ~ZdrojeProduktu() {
        if (modul_) ::FreeLibrary(modul_);
    }
    ZdrojeProduktu(const ZdrojeProduktu&) = delete;
    ZdrojeProduktu& operator=(const ZdrojeProduktu&) = delete;
    HMODULE Modul() const { return modul_; }

    std::wstring Text(std::uint32_t id) const {
        std::wstring text;
        Knihovna::WinApi::NacistRetezec(modul_, id, text);
        return text;
    }

private:
    HMODULE modul_ = nullptr;
};

}  // namespace

TEST(PopisyPrikazu, KazdyPrikazHlavnihoOknaMaCeskyPopis) {
    ZdrojeProduktu tervik;
    ASSERT_NE(tervik.Modul(), nullptr) << "Tervik.exe: " << ::GetLastError();

    // Every item of the main window's menus, its toolbar buttons and thumbnail buttons.
    const auto vsechny = PolozkyHlavnihoOkna::VsechnyPrikazy();
    std::set<std::uint32_t> prikazy(vsechny.begin(), vsechny.end());
    ASSERT_GE(prikazy.size(), 30u);
    // The hotkey settings page lists every command of the hotkey table by its description.
    SeznamHorkychKlaves klavesy;
    klavesy.NastavitVychozi();
    for (const auto& k : klavesy.Polozky()) prikazy.insert(k.idPrikazu);

    std::vector<std::uint32_t> bezPopisu;
    for (std::uint32_t id : prikazy) {
        EXPECT_GE(id, 40001u);
        EXPECT_LE(id, 40125u);
        const std::wstring popis = tervik.Text(id);
        if (popis.empty()) {
            bezPopisu.push_back(id);
            continue;
        }
        // A description, not a menu item: no accelerator or key text in it.
        EXPECT_EQ(popis.find(L'\t'), std::wstring::npos) << id;
        EXPECT_NE(popis.front(), L' ') << id;
        EXPECT_EQ(popis.find(L'&'), std::wstring::npos) << id;
    }
    EXPECT_EQ(bezPopisu, std::vector<std::uint32_t>{});
    // The camera item's two labels by the selected camera's state.
    for (UINT id : {20058u, 20059u}) EXPECT_NE(tervik.Text(id).find(L"\tF5"), std::wstring::npos) << id;
}
