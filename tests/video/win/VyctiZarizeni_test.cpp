#include "video/win/VyctiZarizeni.h"

#define NO_DSHOW_STRSAFE
#include <dshow.h>
#include <shlwapi.h>

#include <gtest/gtest.h>

#include <set>

#include "app/SeznamKamer.h"
#include "knihovna/win/RegistrWindows.h"
#include "knihovna/win/Zdroje.h"
#include "video/win/ProstrediKamery.h"

using namespace Knihovna;

namespace {

// A category no device belongs to.
constexpr GUID kPrazdnaKategorie = {0x6b1f7a52, 0x35c4, 0x4d1e, {0x9a, 0x0e, 0x4b, 0x71, 0x2c, 0x93, 0x5d, 0x11}};
constexpr const wchar_t* kTestovaciKamera = L"Testovací kamera Tervik";

std::vector<std::wstring> TestovaciKamery(const SeznamZarizeni& z) {
    std::vector<std::wstring> j;
    for (const auto& i : z)
        if (i.friendlyName == kTestovaciKamera || i.friendlyName.starts_with(std::wstring(kTestovaciKamera) + L" #"))
            j.push_back(i.friendlyName);
    return j;
}

// The test camera registered with two devices of the same name (and its variant without image controls).
class SDvemaKamerami : public TestyVidea::TestSKamerou {};

class Rozhrani final : public RozhraniSeznamuKamer {
public:
    std::vector<std::wstring> chyby;
    std::wstring Text(std::uint32_t id) override { return std::to_wstring(id); }
    bool ZadatText(const std::wstring&, std::wstring&, std::size_t) override { return false; }
    void HlasitChybu(const std::wstring& t) override { chyby.push_back(t); }
    void HlasitChybuCom(const std::wstring& t, const Chyba&) override { chyby.push_back(t); }
    [[noreturn]] void HlasitFatalniChybu(const std::wstring& t, const Chyba& c) override {
        ADD_FAILURE() << std::string(t.begin(), t.end());
        throw c;
    }
    bool ZeptatSe(const std::wstring&, bool, bool) override { return true; }
    void SpustitSebe(const std::wstring&) override {}
    void ZapsatLog(const std::wstring&) override {}
};

}  // namespace

TEST(VyctiZarizeni, PrazdnaKategorieJePrazdnySeznamBezChyby) {
    WinApi::ApartmanCom com;
    ASSERT_TRUE(SUCCEEDED(com.Vysledek()));
    SeznamZarizeni z{{L"stary", L"", L""}};
    EXPECT_NO_THROW(z = NacistZarizeni(kPrazdnaKategorie));
    EXPECT_TRUE(z.empty());
    // The real categories enumerate without error whatever is installed, each name shown once.
    for (auto nacist : {NacistZarizeniVideo, NacistZarizeniZvuk}) {
        SeznamZarizeni seznam{{L"stary", L"", L""}};
        EXPECT_NO_THROW(nacist(seznam));
        std::set<std::wstring> jmena;
        for (const auto& i : seznam) {
            EXPECT_FALSE(i.friendlyName.empty());
            EXPECT_TRUE(jmena.insert(i.friendlyName).second);
        }
    }
}

TEST(VyctiZarizeni, LokalniPorovnaniIgnorujeVelikostPismen) {
    EXPECT_EQ(PorovnatPodleLokality(L"kamera", L"KAMERA"), 0);
    // The locale puts "Č" before "D"; the code order would put it after "Z".
    EXPECT_LT(PorovnatPodleLokality(L"Čelní", L"Dvůr"), 0);
}

TEST_F(SDvemaKamerami, DveZarizeniStejnehoJmenaJsouOcislovana) {
    SeznamZarizeni z;
    NacistZarizeniVideo(z);
    EXPECT_EQ(TestovaciKamery(z), (std::vector<std::wstring>{kTestovaciKamera, L"Testovací kamera Tervik #2"}));
    for (const auto& i : z)
        if (i.friendlyName.starts_with(kTestovaciKamera)) EXPECT_FALSE(i.devicePath.empty());
}

TEST_F(SDvemaKamerami, VychoziSeznamKamerZTestovacichZarizeni) {
    const std::wstring koren = L"Software\\Dunmar Holvent\\Tervik\\TestSeznamuKamer";
    ::SHDeleteKeyW(HKEY_CURRENT_USER, koren.c_str());
    SeznamZarizeni vsechna;
    NacistZarizeniVideo(vsechna);
    SeznamZarizeni video;
    for (const auto& i : vsechna)
        if (i.friendlyName.starts_with(kTestovaciKamera) && i.friendlyName.find(L"bez") == std::wstring::npos)
            video.push_back(i);
    WinApi::RegistrWindows registr;
    NastaveniAplikace nastaveni;
    nastaveni.NastavitVychozi(L"C:\\", 0x0601);
    Rozhrani ui;
    SeznamKamer seznam(registr, nastaveni, ui, koren);
    seznam.Kontext().zarizeniVideo = &video;
    EXPECT_TRUE(seznam.VytvoritVychoziSeznam(false));
    ASSERT_EQ(seznam.Pocet(), 2);
    EXPECT_EQ(seznam.Kamera(0)->Jmeno(), kTestovaciKamera);
    EXPECT_EQ(seznam.Kamera(1)->Jmeno(), L"Testovací kamera Tervik #2");
    SeznamKamer nacteny(registr, nastaveni, ui, koren);
    nacteny.Nacist();
    ASSERT_EQ(nacteny.Pocet(), 2);
    EXPECT_EQ(nacteny.Kamera(1)->Parametry().zarizeni.video.devicePath, video[1].devicePath);
    EXPECT_TRUE(ui.chyby.empty());
    ::SHDeleteKeyW(HKEY_CURRENT_USER, koren.c_str());
}
