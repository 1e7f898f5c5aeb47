#include <gtest/gtest.h>

#include <cstring>
#include <iterator>

#include "ProstrediKamery.h"
#include "video/DetailyProfilu.h"
#include "video/win/PrijemceSnimku.h"
#include "video/win/ZachytavaniVidea.h"
#include "video/win/ZiveObjekty.h"

using namespace Holvent::DirectShow;
using namespace TestyVidea;

namespace {

constexpr UINT kZpravaMista = 0x801E;

// What a reader finds in an AVI file: the first stream's frame size, the header's frame count, the
// video chunks in "movi" and their sizes, and whether an index follows.
struct ObsahAvi {
    bool riffAvi = false;
    bool movi = false;
    bool idx1 = false;
    std::uint32_t snimkuVHlavicce = 0;
    std::int32_t sirka = 0, vyska = 0;
    std::vector<std::uint32_t> snimky;  // sizes of the first stream's "00db"/"00dc" chunks
};

std::uint32_t U32(const std::vector<std::uint8_t>& b, std::size_t i) {
    std::uint32_t v = 0;
    std::memcpy(&v, b.data() + i, 4);
    return v;
}

bool Fcc(const std::vector<std::uint8_t>& b, std::size_t i, const char* t) {
    return i + 4 <= b.size() && std::memcmp(b.data() + i, t, 4) == 0;
}

// Walks chunks in [od, do_); an open or over-long size (a file still being written) ends at do_.
void Projit(const std::vector<std::uint8_t>& b, std::size_t od, std::size_t do_, ObsahAvi& o) {
    while (od + 8 <= do_) {
        std::size_t velikost = U32(b, od + 4);
        const std::size_t data = od + 8;
        if (velikost == 0 && Fcc(b, od, "LIST")) velikost = do_ - data;
        const std::size_t konec = std::min(do_, data + velikost);
        if (Fcc(b, od, "LIST") && data + 4 <= do_) {
            if (Fcc(b, data, "movi")) o.movi = true;
            Projit(b, data + 4, konec, o);
        } else if (Fcc(b, od, "avih") && data + 20 <= do_) {
            o.snimkuVHlavicce = U32(b, data + 16);
        } else if (Fcc(b, od, "strf") && o.sirka == 0 && data + 12 <= do_) {
            o.sirka = static_cast<std::int32_t>(U32(b, data + 4));
            o.vyska = static_cast<std::int32_t>(U32(b, data + 8));
        } else if ((Fcc(b, od, "00db") || Fcc(b, od, "00dc")) && data + velikost <= do_) {
            o.snimky.push_back(static_cast<std::uint32_t>(velikost));
        } else if (Fcc(b, od, "idx1")) {
            o.idx1 = true;
        }
        od = data + velikost + (velikost & 1);
    }
}

ObsahAvi Rozebrat(const std::vector<std::uint8_t>& b) {
    ObsahAvi o;
    if (b.size() < 12 || !Fcc(b, 0, "RIFF") || !Fcc(b, 8, "AVI ")) return o;
    o.riffAvi = true;
    Projit(b, 12, b.size(), o);
    return o;
}

// The file's bytes, also while another handle writes it.
std::vector<std::uint8_t> Precist(const std::wstring& cesta) {
    std::vector<std::uint8_t> b;
    HANDLE h = ::CreateFileW(cesta.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr, OPEN_EXISTING, 0,
                             nullptr);
    if (h == INVALID_HANDLE_VALUE) return b;
    LARGE_INTEGER v{};
    ::GetFileSizeEx(h, &v);
    b.resize(static_cast<std::size_t>(v.QuadPart));
    DWORD n = 0;
    if (!b.empty()) ::ReadFile(h, b.data(), static_cast<DWORD>(b.size()), &n, nullptr);
    b.resize(n);
    ::CloseHandle(h);
    return b;
}

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

TEST_F(ZaznamTest, AviMaVelikostZaznamuRozpracovanySeDaCistANahledBeziDal) {
    ASSERT_EQ(zachytavani_.Sirka(), 640);
    const long rozhrani = ZiveObjekty::Pocet(ZiveObjekty::Druh::RozhraniCom);
    zachytavani_.ZaznamAviStart(soubor_, false, 320, 240, 15);
    EXPECT_TRUE(zachytavani_.Zaznamenava());
    // The capture format is the recording's: the camera's size and detector follow it.
    EXPECT_EQ(zachytavani_.Sirka(), 320);
    EXPECT_EQ(zachytavani_.Vyska(), 240);
    constexpr std::uint64_t kSnimek = 320 * 240 * 3;
    ASSERT_TRUE(Cekat([&] { return zachytavani_.VelikostZaznamu() >= 8 * kSnimek; }));

    // A copy taken now (a killed process leaves the same) is already an AVI file with frames.
    const auto kopie = Precist(soubor_);
    UlozitKopii(DocasnaSlozka() + L"\\rozpracovany.avi", kopie);  // for a look with ffprobe
    const ObsahAvi rozpracovany = Rozebrat(kopie);
    EXPECT_TRUE(rozpracovany.riffAvi);
    EXPECT_TRUE(rozpracovany.movi);
    EXPECT_EQ(rozpracovany.sirka, 320);
    EXPECT_EQ(rozpracovany.vyska, 240);
    EXPECT_GE(rozpracovany.snimky.size(), 3u);

    ASSERT_TRUE(Cekat([&] { return zachytavani_.VelikostZaznamu() >= 30 * kSnimek; }));
    zachytavani_.ZaznamStop();
    EXPECT_FALSE(zachytavani_.Zaznamenava());
    EXPECT_EQ(zachytavani_.VelikostZaznamu(), 0u);
    // The branch let go of its interfaces and of the file.
    EXPECT_EQ(ZiveObjekty::Pocet(ZiveObjekty::Druh::RozhraniCom), rozhrani);
    HANDLE vyhradne = ::CreateFileW(soubor_.c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr);
    EXPECT_NE(vyhradne, INVALID_HANDLE_VALUE);
    ::CloseHandle(vyhradne);

    const auto bajty = Precist(soubor_);
    const ObsahAvi hotovy = Rozebrat(bajty);
    EXPECT_TRUE(hotovy.riffAvi);
    // The multiplexer's final header replaced the provisional one (open size); Wine's leaves 8 zero
    // bytes after its index.
    EXPECT_GT(U32(bajty, 4), 30 * kSnimek);
    EXPECT_LE(U32(bajty, 4) + 8, bajty.size());
    EXPECT_TRUE(hotovy.idx1);
    EXPECT_EQ(hotovy.sirka, 320);
    EXPECT_EQ(hotovy.vyska, 240);
    EXPECT_GE(hotovy.snimky.size(), 30u);
    // (Wine's multiplexer counts one frame less in the main header than it indexes.)
    EXPECT_GE(hotovy.snimkuVHlavicce + 1, hotovy.snimky.size());
    for (auto v : hotovy.snimky) ASSERT_EQ(v, kSnimek);

    // The preview runs on at the size it had before.
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

TEST_F(ZaznamTest, VypnutiVideaZaznamDokonci) {
    zachytavani_.ZaznamAviStart(soubor_, false, 0, 0, 0);
    EXPECT_EQ(zachytavani_.Sirka(), 640);  // 0: the device's format as it is
    ASSERT_TRUE(Cekat([&] { return zachytavani_.VelikostZaznamu() >= 3 * 640 * 480 * 3; }));
    zachytavani_.Vypnout();
    const auto bajty = Precist(soubor_);
    const ObsahAvi o = Rozebrat(bajty);
    EXPECT_TRUE(o.idx1);
    EXPECT_GT(U32(bajty, 4), 0u);
    EXPECT_EQ(o.sirka, 640);
    EXPECT_GE(o.snimky.size(), 3u);
}
