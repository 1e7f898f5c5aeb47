#include "camera/win/SnimkyNaDisk.h"

#include <shlwapi.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "../../PevneHodiny.h"
#include "app/NastaveniAplikace.h"
#include "camera/Tervik.h"
#include "camera/win/PismoSystemu.h"
#include "camera/win/PrikazySlozkySnimku.h"
#include "knihovna/RegistrVPameti.h"
#include "video/KoderyObrazu.h"
#include "video/win/ProstrediKamery.h"

using namespace TestyVidea;

namespace {

constexpr UINT kSnimekHotov = 0x800A;
const std::wstring kJmeno = L"Dvůr";

bool Existuje(const std::wstring& cesta) {
    return ::GetFileAttributesW(cesta.c_str()) != INVALID_FILE_ATTRIBUTES;
}

class SnimkyNaDiskTest : public TestSKamerou {
protected:
    void SetUp() override {
        TestSKamerou::SetUp();
        slozka_ = DocasnaSlozka() + L"\\snimky-disk";
        ::CreateDirectoryW(slozka_.c_str(), nullptr);
        VyprazdnitSlozku();
        kamera_ = std::make_unique<Tervik>(kJmeno);
        auto& disk = kamera_->Parametry().snimkyDisk;
        disk.snimek = ParametrySnimku::Vychozi(VychoziPismoGui());
        disk.slozka = slozka_;
        disk.soubor.jmeno = kJmeno;
        kamera_->UlozitParametry(registr_, kKorenRegistru);
        Spustit();
    }
    void TearDown() override {
        zachytavani_.Vypnout();
        TestSKamerou::TearDown();
    }

    // A camera start: the counter from the settings, as the camera window takes it.
    void Spustit() {
        stav_ = StavSnimku{};
        stav_.Citac() = kamera_->Parametry().snimkyDisk.soubor.posledniCislo;
        snimky_ = std::make_unique<SnimkyNaDisk>(kamera_->Parametry(), stav_, registr_, CestaKamery(kKorenRegistru, kJmeno),
                                                 hodiny_);
        zaznam_.obsluha = [this](UINT zprava, WPARAM, LPARAM lp) -> LRESULT {
            return zprava == kSnimekHotov ? snimky_->ZpracovatSnimek(zachytavani_, lp) : 0;
        };
        if (zachytavani_.GrafExistuje()) return;
        zachytavani_.NastavitVlastnika(vlastnik_);
        zachytavani_.NastavitCil(zaznam_.Hwnd(), kSnimekHotov, 0, 0);
        zachytavani_.Zapnout();
        ASSERT_TRUE(Cekat([&] {
            try {
                zachytavani_.SejmoutSnimek();
                return true;
            } catch (const Knihovna::Chyba&) {
                return false;
            }
        }));
    }

    void VyprazdnitSlozku() {
        WIN32_FIND_DATAW n{};
        HANDLE h = ::FindFirstFileW((slozka_ + L"\\*").c_str(), &n);
        if (h == INVALID_HANDLE_VALUE) return;
        do {
            if (!(n.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY)) ::DeleteFileW((slozka_ + L"\\" + n.cFileName).c_str());
        } while (::FindNextFileW(h, &n));
        ::FindClose(h);
    }

    std::unique_ptr<Gdiplus::Bitmap> Nacist(const std::wstring& cesta) {
        auto b = std::make_unique<Gdiplus::Bitmap>(cesta.c_str());
        EXPECT_EQ(b->GetLastStatus(), Gdiplus::Ok);
        return b;
    }

    Knihovna::Hresult Chyba(const std::function<void()>& akce) {
        try {
            akce();
        } catch (const Knihovna::Chyba& e) {
            return e.Hr();
        }
        return Knihovna::kS_OK;
    }

    ParametrySnimku::Upravy& Upravy() { return kamera_->Parametry().snimkyDisk.snimek.upravy; }
    ParametrySnimku& Blok() { return kamera_->Parametry().snimkyDisk.snimek; }

    std::wstring slozka_;
    Knihovna::RegistrVPameti registr_;
    PevneHodiny hodiny_;
    std::unique_ptr<Tervik> kamera_;
    StavSnimku stav_;
    std::unique_ptr<SnimkyNaDisk> snimky_;
    ZaznamZprav zaznam_;
    Holvent::DirectShow::ZachytavaniVidea zachytavani_;
};

TEST_F(SnimkyNaDiskTest, KazdeSchemaAFormatDaSouborSeSpravnouVelikosti) {
    hodiny_.cas = {2026, 12, 6, 5, 7, 5, 9, 7};
    const int w = zachytavani_.Sirka(), h = zachytavani_.Vyska();
    for (std::uint32_t schema : {0u, 1u, 2u})
        for (std::uint32_t format = 0; format < 5; ++format) {
            kamera_->Parametry().snimkyDisk.soubor.vytvJmena = schema;
            Blok().format = format;
            const std::wstring cesta = snimky_->Ulozit(zachytavani_, false);
            const std::wstring pripona = Holvent::DirectShow::kKoderyObrazu[format].pripona;
            EXPECT_EQ(cesta.substr(cesta.size() - pripona.size()), pripona);
            ASSERT_TRUE(Existuje(cesta)) << schema << " " << format;
            auto b = Nacist(cesta);
            EXPECT_EQ(static_cast<int>(b->GetWidth()), w);
            EXPECT_EQ(static_cast<int>(b->GetHeight()), h);
            // Not an empty picture: the pattern's white bar is left, the black one right.
            EXPECT_GT(PrumernyJas(*b), 40.0) << format;
        }
    EXPECT_TRUE(Existuje(slozka_ + L"\\Dvůr_1.jpg"));
    EXPECT_TRUE(Existuje(slozka_ + L"\\Dvůr_5.gif"));
    EXPECT_TRUE(Existuje(slozka_ + L"\\5.12.2026 07-05-09.png"));
    EXPECT_TRUE(Existuje(slozka_ + L"\\5.12.2026 07-05-09.7.tif"));
    EXPECT_EQ(kamera_->Parametry().snimkyDisk.soubor.posledniCislo, 6u);
}

TEST_F(SnimkyNaDiskTest, SedyOtocenySTextemVPruhu) {
    Blok().format = 1;
    Upravy().stupneSede = true;
    Blok().text.kde = 11;  // strip below
    Blok().text.co = 1;
    Blok().text.kdy = 1;
    const int w = zachytavani_.Sirka(), h = zachytavani_.Vyska();
    auto b = Nacist(snimky_->Ulozit(zachytavani_, false));
    const int pruh = zachytavani_.TloustkaPruhu();
    ASSERT_EQ(static_cast<int>(b->GetWidth()), w);
    ASSERT_EQ(static_cast<int>(b->GetHeight()), h + pruh);
    bool textVPruhu = false;
    for (int y = 0; y < h + pruh; ++y)
        for (int x = 0; x < w; ++x) {
            Gdiplus::Color c;
            b->GetPixel(x, y, &c);
            // The text is drawn after the grey step, in its own colour (yellow): only the strip has it.
            if (y < h) ASSERT_TRUE(c.GetR() == c.GetG() && c.GetG() == c.GetB()) << x << "," << y;
            else if (c.GetR() > 128 && c.GetB() < 64) textVPruhu = true;
        }
    EXPECT_TRUE(textVPruhu);  // the date in the strip

    // A quarter turn puts the strip on the left: one strip wider, the frame's width high.
    Upravy().stupneSede = false;
    Upravy().otoceni = 90;
    Blok().text.co = 0;
    b = Nacist(snimky_->Ulozit(zachytavani_, false));
    ASSERT_EQ(static_cast<int>(b->GetWidth()), h + pruh);
    ASSERT_EQ(static_cast<int>(b->GetHeight()), w);
    for (int y = 0; y < w; y += 37) {
        Gdiplus::Color c;
        b->GetPixel(pruh / 2, y, &c);
        EXPECT_EQ(c.GetValue(), 0xFF000000u) << y;
    }
}

TEST_F(SnimkyNaDiskTest, SnimekDoPametiJeSedyJpegVelikostiSnimku) {
    auto& blok = kamera_->Parametry().httpServer.snimek;
    blok = ParametrySnimku::Vychozi(VychoziPismoGui());
    blok.format = 1;  // the server's bytes are JPEG whatever the block says
    blok.upravy.stupneSede = true;
    const std::vector<std::uint8_t> data = SnimkyNaDisk::SnimekDoPameti(zachytavani_, stav_, kSnimekHttp, blok);
    ASSERT_GT(data.size(), 4u);
    EXPECT_EQ((std::vector<std::uint8_t>{data[0], data[1], data[data.size() - 2], data.back()}),
              (std::vector<std::uint8_t>{0xFF, 0xD8, 0xFF, 0xD9}));
    EXPECT_EQ(zachytavani_.AktualniBitmapa(), nullptr);

    IStream* proud = ::SHCreateMemStream(data.data(), static_cast<UINT>(data.size()));
    ASSERT_NE(proud, nullptr);
    {
        Gdiplus::Bitmap b(proud);
        ASSERT_EQ(b.GetLastStatus(), Gdiplus::Ok);
        EXPECT_EQ(static_cast<int>(b.GetWidth()), zachytavani_.Sirka());
        EXPECT_EQ(static_cast<int>(b.GetHeight()), zachytavani_.Vyska());
        // The handler processed it with the server's block: grey up to the encoder's rounding.
        for (int y = 0; y < zachytavani_.Vyska(); y += 41)
            for (int x = 0; x < zachytavani_.Sirka(); x += 43) {
                Gdiplus::Color c;
                b.GetPixel(x, y, &c);
                EXPECT_LE(std::max({c.GetR(), c.GetG(), c.GetB()}) - std::min({c.GetR(), c.GetG(), c.GetB()}), 8)
                    << x << "," << y;
            }
    }
    proud->Release();
}

TEST_F(SnimkyNaDiskTest, ChybaZpracovaniNeboSlozkyNezapiseNic) {
    auto logo = std::make_unique<Gdiplus::Bitmap>(zachytavani_.Sirka() + 1, 8, PixelFormat24bppRGB);
    const CLSID png = {0x557cf406, 0x1a04, 0x11d3, {0x9a, 0x73, 0x00, 0x00, 0xf8, 0x1e, 0xf3, 0x2e}};
    const std::wstring soubor = DocasnaSlozka() + L"\\sirsi-logo.png";
    ASSERT_EQ(logo->Save(soubor.c_str(), &png, nullptr), Gdiplus::Ok);
    Blok().soubor.soubor = soubor;
    Blok().soubor.kde = 3;
    Blok().soubor.kdy = 1;
    EXPECT_EQ(Chyba([&] { snimky_->Ulozit(zachytavani_, false); }), Knihovna::kE_INVALIDARG);
    EXPECT_FALSE(Existuje(slozka_ + L"\\Dvůr_1.jpg"));
    EXPECT_EQ(kamera_->Parametry().snimkyDisk.soubor.posledniCislo, 1u);  // only a saved snapshot is counted

    Blok().soubor.kdy = 0;
    const std::wstring chybi = slozka_ + L"\\neni";
    kamera_->Parametry().snimkyDisk.slozka = chybi;
    EXPECT_TRUE(Knihovna::Selhalo(Chyba([&] { snimky_->Ulozit(zachytavani_, false); })));
    EXPECT_FALSE(Existuje(chybi));
}

TEST_F(SnimkyNaDiskTest, ZamrzlyObrazSeNeuloziACisloNeposune) {
    EXPECT_EQ(snimky_->Ulozit(zachytavani_, false), slozka_ + L"\\Dvůr_1.jpg");
    // The device stops delivering; the grabber keeps handing out its last frame.
    ASSERT_TRUE(SUCCEEDED(zachytavani_.RizeniGrafu()->Stop()));
    std::wstring text;
    EXPECT_TRUE(Cekat([&] {
        try {
            zachytavani_.SejmoutSnimek();
            return false;
        } catch (const Knihovna::Chyba& e) {
            text = e.Text();
            return true;
        }
    }));
    EXPECT_EQ(text, Holvent::DirectShow::kTextKameraNedodavaObraz);
    const std::uint32_t cislo = stav_.Citac();
    try {
        snimky_->Ulozit(zachytavani_, false);
        ADD_FAILURE() << "a frozen frame was saved";
    } catch (const Knihovna::Chyba& e) {
        EXPECT_EQ(e.Text(), Holvent::DirectShow::kTextKameraNedodavaObraz);
    }
    EXPECT_EQ(stav_.Citac(), cislo);
    EXPECT_FALSE(Existuje(slozka_ + L"\\Dvůr_" + std::to_wstring(cislo) + L".jpg"));
    // Frames again: snapshots again, numbered on.
    ASSERT_TRUE(SUCCEEDED(zachytavani_.RizeniGrafu()->Run()));
    EXPECT_TRUE(Cekat([&] {
        try {
            return !snimky_->Ulozit(zachytavani_, false).empty();
        } catch (const Knihovna::Chyba&) {
            return false;
        }
    }));
    EXPECT_TRUE(Existuje(slozka_ + L"\\Dvůr_" + std::to_wstring(cislo) + L".jpg"));
}

TEST_F(SnimkyNaDiskTest, CiziZpravaSnimkuSeBitmapyNedotkne) {
    Upravy().stupneSede = true;
    stav_.Zahajit(kSnimekDisk, false);  // even with a kind pending from an earlier snapshot
    Gdiplus::Bitmap cizi(8, 8, PixelFormat24bppRGB);
    {
        Gdiplus::Graphics g(&cizi);
        g.Clear(Gdiplus::Color(255, 255, 0, 0));
    }
    EXPECT_EQ(::SendMessageW(zaznam_.Hwnd(), kSnimekHotov, 0, reinterpret_cast<LPARAM>(&cizi)), 0);
    Gdiplus::Color c;
    cizi.GetPixel(3, 3, &c);
    EXPECT_EQ(c.GetValue(), 0xFFFF0000u);
    // The capture object's own bitmap outside a save (it stays after a save with quality) neither.
    snimky_->Ulozit(zachytavani_, false);
    zachytavani_.UlozitSnimek(DocasnaSlozka() + L"\\kvalita.jpg", 90);
    Gdiplus::Bitmap* zbyla = zachytavani_.AktualniBitmapa();
    ASSERT_NE(zbyla, nullptr);
    zbyla->SetPixel(1, 1, Gdiplus::Color(255, 0, 0, 255));
    ::SendMessageW(zaznam_.Hwnd(), kSnimekHotov, 0, reinterpret_cast<LPARAM>(zbyla));
    zbyla->GetPixel(1, 1, &c);
    EXPECT_EQ(c.GetValue(), 0xFF0000FFu);
}

class ZaznamHlaseni final : public HlaseniSnimku {
public:
    void Pipnout() override { ++pipnuti; }
    void ZobrazitChybu(const std::wstring& text) override { chyby.push_back(text); }
    void PrehratZvuk() override { ++zvuky; }
    void Otevrit(const std::wstring& sloveso, const std::wstring& cesta, int jak) override {
        otevreno.push_back(sloveso + L" " + cesta + L" " + std::to_wstring(jak));
    }
    int pipnuti = 0;
    int zvuky = 0;
    std::vector<std::wstring> chyby;
    std::vector<std::wstring> otevreno;
};

TEST_F(SnimkyNaDiskTest, PrikazSnimkuHlasiAOtevira) {
    auto& disk = kamera_->Parametry().snimkyDisk;
    ZaznamHlaseni h;
    Holvent::DirectShow::ZachytavaniVidea bezVidea;
    EXPECT_TRUE(snimky_->ProvestPrikaz(bezVidea, 0, true, h).empty());
    EXPECT_EQ(h.pipnuti, 1);
    EXPECT_EQ(stav_.Citac(), 1u);

    // "kdy" 1: the snapshot from the menu is opened, the timer's is not; the editor's value opens in the editor.
    disk.otviratSnimekKdy = 1;
    disk.otviratSnimekCim = 10;
    const std::wstring rucne = snimky_->ProvestPrikaz(zachytavani_, 0, true, h);
    EXPECT_EQ(rucne, slozka_ + L"\\Dvůr_1.jpg");
    const std::wstring zCasovace = snimky_->ProvestPrikaz(zachytavani_, kPrikazCasovaceDisku, false, h);
    EXPECT_TRUE(Existuje(zCasovace));
    EXPECT_EQ(h.otevreno, (std::vector<std::wstring>{L"tervik-editor " + rucne + L" 5"}));
    EXPECT_EQ(h.zvuky, 1);
    disk.otviratSnimekCim = 2;  // nothing to open with
    snimky_->ProvestPrikaz(zachytavani_, 0, false, h);
    EXPECT_EQ(h.otevreno.size(), 1u);
    disk.otviratSnimekCim = 1;
    disk.otviratSnimekKdy = 2;
    snimky_->ProvestPrikaz(zachytavani_, kPrikazCasovaceDisku, false, h);
    ASSERT_EQ(h.otevreno.size(), 2u);
    EXPECT_EQ(h.otevreno[1].substr(0, 5), L"edit ");
    EXPECT_TRUE(h.chyby.empty());

    // Exhausted numbering: the path message, nothing saved; a missing folder: the platform's text.
    disk.soubor.maxPocetSouboru = 4;
    disk.soubor.prepisovatStare = false;
    EXPECT_TRUE(snimky_->ProvestPrikaz(zachytavani_, 0, true, h).empty());
    EXPECT_EQ(h.chyby, (std::vector<std::wstring>{kTextChybaCestySnimku}));
    disk.soubor.prepisovatStare = true;
    disk.slozka = slozka_ + L"\\neni";
    EXPECT_TRUE(snimky_->ProvestPrikaz(zachytavani_, 0, true, h).empty());
    ASSERT_EQ(h.chyby.size(), 2u);
    EXPECT_FALSE(h.chyby[1].empty());
    EXPECT_NE(h.chyby[1], kTextChybaCestySnimku);
    EXPECT_FALSE(Existuje(disk.slozka));
    EXPECT_EQ(h.zvuky, 1);
}

class ZaznamOkna final : public PrikazySlozkySnimku::Rozhrani {
public:
    bool ZeptatSe(const std::wstring& otazka, bool anoVychozi, bool varovani) override {
        otazky.push_back(otazka);
        // Both questions are warnings with No as the default.
        EXPECT_FALSE(anoVychozi) << otazka;
        EXPECT_TRUE(varovani) << otazka;
        return odpoved;
    }
    void HlasitChybu(const std::wstring& text) override { chyby.push_back(text); }
    bool OtevritSlozku(const std::wstring& sloveso, const std::wstring& slozka) override {
        otevreno.push_back(sloveso + L" " + slozka);
        return true;
    }
    bool odpoved = false;
    std::vector<std::wstring> otazky, chyby, otevreno;
};

TEST_F(SnimkyNaDiskTest, PrikazySlozkyJenPoAnoAChybejiciSlozkaNic) {
    ZaznamOkna okno;
    PrikazySlozkySnimku prikazy(*snimky_, kamera_->Parametry(), kJmeno, okno);
    prikazy.OtevritSlozku(false);
    prikazy.OtevritSlozku(true);
    EXPECT_EQ(okno.otevreno, (std::vector<std::wstring>{L"open " + slozka_, L"explore " + slozka_}));
    // A folder that does not exist is neither opened nor reported.
    auto& disk = kamera_->Parametry().snimkyDisk;
    disk.slozka = slozka_ + L"\\neni";
    prikazy.OtevritSlozku(false);
    EXPECT_EQ(okno.otevreno.size(), 2u);
    EXPECT_TRUE(okno.chyby.empty());
    disk.slozka = slozka_;

    snimky_->Ulozit(zachytavani_, false);
    const std::wstring reset = snimky_->OtazkaResetu(), smazani = snimky_->OtazkaSmazani(kJmeno);
    // No changes nothing.
    prikazy.ResetovatCislovani();
    prikazy.SmazatSnimky();
    EXPECT_EQ(stav_.Citac(), 2u);
    EXPECT_TRUE(Existuje(slozka_ + L"\\Dvůr_1.jpg"));
    okno.odpoved = true;
    prikazy.ResetovatCislovani();
    EXPECT_EQ(stav_.Citac(), 1u);
    snimky_->Ulozit(zachytavani_, false);
    snimky_->Ulozit(zachytavani_, false);
    // Only this camera's numbered snapshots of its format go; the counter starts again, also in the registry.
    const wchar_t* cizi[] = {L"Dvůr2_1.jpg", L"5.12.2026 07-05-09.jpg", L"Dvůr_1.png", L"Dvůr_x.jpg"};
    for (const wchar_t* jmeno : cizi) {
        HANDLE f = ::CreateFileW((slozka_ + L"\\" + jmeno).c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
        ASSERT_NE(f, INVALID_HANDLE_VALUE);
        ::CloseHandle(f);
    }
    EXPECT_EQ(snimky_->CislovaneSnimky().size(), 2u);
    prikazy.SmazatSnimky();
    EXPECT_FALSE(Existuje(slozka_ + L"\\Dvůr_1.jpg"));
    EXPECT_FALSE(Existuje(slozka_ + L"\\Dvůr_2.jpg"));
    for (const wchar_t* jmeno : cizi) EXPECT_TRUE(Existuje(slozka_ + L"\\" + jmeno)) << jmeno;
    EXPECT_EQ(stav_.Citac(), 1u);
    Tervik znovu(kJmeno);
    znovu.NacistParametry(registr_, kKorenRegistru);
    EXPECT_EQ(znovu.Parametry().snimkyDisk.soubor.posledniCislo, 1u);
    EXPECT_EQ(okno.otazky, (std::vector<std::wstring>{reset, smazani, reset, smazani}));
    EXPECT_TRUE(okno.chyby.empty());

    // A folder that is gone: the deletion's failure is reported.
    disk.slozka = slozka_ + L"\\neni";
    prikazy.SmazatSnimky();
    EXPECT_EQ(okno.chyby.size(), 1u);
    EXPECT_EQ(Chyba([&] { snimky_->SmazatSnimky(); }), Knihovna::kE_INVALIDARG);
}

}  // namespace
