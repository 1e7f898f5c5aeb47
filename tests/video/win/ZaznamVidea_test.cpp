#include <gtest/gtest.h>

#include "ProstrediKamery.h"
#include "video/DetailyProfilu.h"
#include "video/win/PrijemceSnimku.h"
#include "video/win/ZachytavaniVidea.h"
#include "video/win/ZiveObjekty.h"

using namespace Holvent::DirectShow;
using namespace TestyVidea;

namespace {

constexpr UINT kZpravaMista = 0x801E;

void UlozitKopii(const std::wstring& cesta, const std::vector<std::uint8_t>& b) {
    HANDLE h = ::CreateFileW(cesta.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
    if (h == INVALID_HANDLE_VALUE) return;
    DWORD n = 0;
    ::WriteFile(h, b.data(), static_cast<DWORD>(b.size()), &n, nullptr);
    ::CloseHandle(h);
}

bool Existuje(const std::wstring& cesta) { return ::GetFileAttributesW(cesta.c_str()) != INVALID_FILE_ATTRIBUTES; }

class ZaznamTest : public TestSKamerou {
protected:
    void SetUp() override {
        TestSKamerou::SetUp();
        prijemce_ = PrijemceSnimku::Vytvorit([](double, const std::uint8_t*, long) {});
        zachytavani_.NastavitVlastnika(vlastnik_);
        zachytavani_.NastavitCil(zpravy_.Hwnd(), 0, 0, 0);
        zachytavani_.NastavitZpravuMista(kZpravaMista);
        zachytavani_.NastavitPrijemceSnimku(prijemce_.get());
        zachytavani_.Zapnout();
        soubor_ = DocasnaSlozka() + L"\\zaznam.avi";
        ::DeleteFileW(soubor_.c_str());
    }
    void TearDown() override {
        zachytavani_.Vypnout();
        prijemce_->Odpojit();
        TestSKamerou::TearDown();
    }

    // New preview frames keep arriving.
    bool NahledBezi() {
        const long pred = prijemce_->PocetSnimku();
        return Cekat([&] { return prijemce_->PocetSnimku() >= pred + 3; });
    }

    Knihovna::Chyba ChybaZ(const std::function<void()>& akce) {
        try {
            akce();
        } catch (const Knihovna::Chyba& chyba) {
            return chyba;
        }
        return Knihovna::Chyba(S_OK);
    }

    ZaznamZprav zpravy_;
    UkazatelCom<PrijemceSnimku> prijemce_;
    ZachytavaniVidea zachytavani_;
    std::wstring soubor_;
};

}  // namespace

// The recording's size is the capture format while it runs; stopped, the branch lets go of its interfaces and of the
// file, and the preview runs on at its size. (The file's content, also of a killed process: the recording's process
// test, read by ffprobe.)
TEST_F(ZaznamTest, ZastaveniUvolniRozhraniASouborANahledBeziDal) {
    ASSERT_EQ(zachytavani_.Sirka(), 640);
    const long rozhrani = ZiveObjekty::Pocet(ZiveObjekty::Druh::RozhraniCom);
    zachytavani_.ZaznamAviStart(soubor_, false, 320, 240, 15);
    EXPECT_TRUE(zachytavani_.Zaznamenava());
    EXPECT_EQ(zachytavani_.Sirka(), 320);
    EXPECT_EQ(zachytavani_.Vyska(), 240);
    ASSERT_TRUE(Cekat([&] { return zachytavani_.VelikostZaznamu() >= 3 * 320 * 240 * 3; }));
    zachytavani_.ZaznamStop();
    EXPECT_FALSE(zachytavani_.Zaznamenava());
    EXPECT_EQ(zachytavani_.VelikostZaznamu(), 0u);
    EXPECT_EQ(ZiveObjekty::Pocet(ZiveObjekty::Druh::RozhraniCom), rozhrani);
    HANDLE vyhradne = ::CreateFileW(soubor_.c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr);
    EXPECT_NE(vyhradne, INVALID_HANDLE_VALUE);
    ::CloseHandle(vyhradne);
    EXPECT_EQ(zachytavani_.Sirka(), 640);
    EXPECT_TRUE(NahledBezi());
    EXPECT_TRUE(zpravy_.zpravy.empty());
}

TEST_F(ZaznamTest, NezdarenyStartNeponechaSouborANahledBezi) {
    // Sound without a stored audio device is refused before anything changes.
    auto chyba = ChybaZ([&] { zachytavani_.ZaznamAviStart(soubor_, true, 320, 240, 15); });
    EXPECT_EQ(chyba.Hr(), E_INVALIDARG);
    EXPECT_EQ(zachytavani_.PosledniChyba(), L"Není nastavené platné zvukové zařízení");
    // An audio device that is not there fails after the format change: everything goes back.
    zachytavani_.NastavitZarizeniZvuk({L"Mikrofon, který není", L"", L""});
    EXPECT_TRUE(FAILED(ChybaZ([&] { zachytavani_.ZaznamAviStart(soubor_, true, 320, 240, 15); }).Hr()));
    EXPECT_FALSE(zachytavani_.Zaznamenava());
    EXPECT_FALSE(Existuje(soubor_));
    EXPECT_EQ(zachytavani_.Sirka(), 640);
    EXPECT_TRUE(NahledBezi());
}

TEST_F(ZaznamTest, WmvBezWindowsMediaHlasiSvujText) {
    const std::wstring wmv = DocasnaSlozka() + L"\\zaznam.wmv";
    ::DeleteFileW(wmv.c_str());
    EXPECT_EQ(ChybaZ([&] { zachytavani_.NacistSystemovyProfil(0, 0x80000); }).Text(), kTextWmvNedostupne);
    EXPECT_EQ(ChybaZ([&] { zachytavani_.ZaznamWmvStart(wmv); }).Text(), kTextWmvNedostupne);
    // A version the stored settings cannot have is its own error.
    auto verze = ChybaZ([&] { zachytavani_.NacistSystemovyProfil(0, 0x60000); });
    EXPECT_EQ(verze.Hr(), E_INVALIDARG);
    EXPECT_NE(verze.Text().find(L"0x60000"), std::wstring::npos);
    // A .prx file reaches the profile manager, which implements nothing here; a missing one is refused first.
    const std::wstring prx = DocasnaSlozka() + L"\\profil.prx";
    UlozitKopii(prx, {0xFF, 0xFE, '<', 0, 'p', 0, '>', 0});
    EXPECT_EQ(ChybaZ([&] { zachytavani_.NacistProfilPrx(prx); }).Text(), kTextWmvNedostupne);
    EXPECT_EQ(ChybaZ([&] { zachytavani_.NacistProfilPrx(prx + L"x"); }).Hr(), E_INVALIDARG);
    EXPECT_FALSE(Existuje(wmv));
    EXPECT_TRUE(NahledBezi());
}
