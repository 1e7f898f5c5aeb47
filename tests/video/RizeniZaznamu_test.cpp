#include "video/RizeniZaznamu.h"

#include <gtest/gtest.h>

#include <map>

#include "../PevneHodiny.h"
#include "camera/AktivityKamery.h"
#include "knihovna/RegistrKlic.h"
#include "knihovna/RegistrVPameti.h"

using namespace Holvent::DirectShow;
using Texty = std::vector<std::wstring>;

namespace {

// The capture object as a script: a start fails with selhani set, else the branch is there.
struct SkriptZachytavani final : RozhraniZaznamu {
    bool vetev = false;
    std::optional<Knihovna::Hresult> selhani;
    Texty volani;
    std::uint64_t velikost = 0;

    bool GrafZapnut() const override { return true; }
    bool Zaznamenava() const override { return vetev; }
    void ZaznamAviStart(const std::wstring& s, bool, std::int32_t, std::int32_t, std::int32_t) override { Start(L"avi " + s); }
    void NacistSystemovyProfil(std::uint32_t, std::uint32_t) override { volani.push_back(L"profil"); }
    void NacistProfilPrx(const std::wstring&) override { volani.push_back(L"prx"); }
    void ZaznamWmvStart(const std::wstring& s) override { Start(L"wmv " + s); }
    void ZaznamStop() override { vetev = false; }
    std::uint64_t VelikostZaznamu() const override { return velikost; }
    void Start(const std::wstring& co) {
        volani.push_back(co);
        if (selhani) Knihovna::Vyhodit(*selhani, L"Není nastavené platné zvukové zařízení");
        vetev = true;
    }
};

// The camera window as a record of what it was asked.
struct ZaznamHostitele final : HostitelZaznamu {
    std::map<std::uintptr_t, std::uint32_t> casovace;
    bool casovacSelze = false, ikona = false, odpoved = true;
    Texty dialogy, zpravy, logy, smazane, soubory;
    std::vector<std::uint32_t> prikazy;
    std::wstring stav, textZaznamu;
    int nahledy = 0;
    std::optional<std::uint64_t> volne;

    bool NastavitCasovac(std::uintptr_t id, std::uint32_t perioda) override {
        if (casovacSelze && id == kCasovacDelkaZaznamu) return false;
        return casovace[id] = perioda;
    }
    void ZrusitCasovac(std::uintptr_t id) override { casovace.erase(id); }
    void ChybovyDialog(const std::wstring& text) override { dialogy.push_back(text); }
    void Zprava(int, const std::wstring& text, std::uint32_t) override { zpravy.push_back(text); }
    void StavovyText(const std::wstring& text) override { stav = text; }
    void IkonaZaznamu(bool zobrazit) override { ikona = zobrazit; }
    void TextZaznamu(const std::wstring& text) override { textZaznamu = text; }
    void LogKamery(const std::wstring& text) override { logy.push_back(text); }
    void UdalostKamery(const std::wstring&) override {}
    bool ZeptatSe(const std::wstring&) override { return odpoved; }
    std::wstring PopisChyby(const Knihovna::Chyba& chyba) override { return chyba.Text(); }
    Texty SouboryVeSlozce(const std::wstring&) override { return soubory; }
    void Smazat(const Texty& s) override { smazane = s; }
    bool SouborExistuje(const std::wstring&) override { return false; }
    std::optional<std::uint64_t> VolneMisto(const std::wstring&) override { return volne; }
    std::wstring TextVelikosti(std::uint64_t b) override { return std::to_wstring(b) + L" B"; }
    void ObnovitNahled() override { ++nahledy; }
    void ObnovitPrikazy() override {}
    void PoslatPrikaz(std::uint32_t p) override { prikazy.push_back(p); }
};

const std::wstring kKamera = L"Software\\T\\Kamery\\Dvůr";

ParametryKamery Parametry() {
    ParametryKamery p;
    p.zaznamVidea.format = 0;
    p.zaznamVidea.slozka = L"C:\\z";
    p.zaznamVidea.soubor.jmeno = L"cam";
    p.zaznamVidea.soubor.posledniCislo = 7;
    p.logovani.spusteniZaznamuVidea = p.logovani.ukonceniZaznamuVidea = p.logovani.spusteniZaznamuVideaDP = true;
    return p;
}

class RizeniZaznamuTest : public ::testing::Test {
protected:
    std::uint32_t UlozenyCitac() {
        Knihovna::RegistrKlic klic(registr, kKamera);
        std::uint32_t c = 0;
        return klic.ZkusitOtevritCteni(L"Zaznam videa\\Soubor") && klic.CistCislo(L"posledniCislo", c) == 0 ? c : 0;
    }

    ParametryKamery p = Parametry();
    std::wstring jmeno = L"Dvůr";
    Knihovna::RegistrVPameti registr;
    PevneHodiny hodiny;
    ZaznamHostitele host;
    SkriptZachytavani z;
    RizeniZaznamu rizeni{p, jmeno, registr, kKamera, hodiny, host};
};

TEST_F(RizeniZaznamuTest, CisloUlozenoHnedPriStartuAZaznamKonci) {
    hodiny.tiky = 1000;
    ASSERT_TRUE(rizeni.SpustitZaznam(z, false));
    EXPECT_EQ(z.volani, Texty{L"avi C:\\z\\cam_7.avi"});
    EXPECT_EQ(UlozenyCitac(), 8u);  // before any stop: a crash must not reuse 7
    EXPECT_EQ(host.stav, L"Probíhá záznam do souboru cam_7.avi");
    EXPECT_EQ(host.casovace, (std::map<std::uintptr_t, std::uint32_t>{{kCasovacZaznam, 800}}));
    EXPECT_EQ(host.logy, Texty{L"Byl spuštěn záznam videa do souboru \"cam_7.avi\""});
    EXPECT_TRUE(rizeni.SpustitZaznam(z, false));  // while it records: nothing more
    EXPECT_EQ(z.volani.size(), 1u);

    hodiny.tiky = 1000 + 65432;
    z.velikost = 123456;
    rizeni.Tik(z);
    EXPECT_EQ(host.textZaznamu, L"Záznam 1:05, 123456 B");
    EXPECT_FALSE(host.ikona);

    rizeni.UkoncitZaznam(z, KonecZaznamu::Rucne);
    EXPECT_FALSE(z.vetev);
    EXPECT_EQ(host.nahledy, 1);  // AVI: the preview at its own size again
    EXPECT_TRUE(host.casovace.empty());
    EXPECT_EQ(host.textZaznamu, L"");
    EXPECT_EQ(host.stav, L"Dvůr - Připraven");
    EXPECT_EQ(host.logy.back(), L"Byl ukončen záznam videa do souboru \"cam_7.avi\"");
}

TEST_F(RizeniZaznamuTest, NezdarenyStartVratiCislo) {
    z.selhani = Knihovna::kE_INVALIDARG;
    EXPECT_FALSE(rizeni.SpustitZaznam(z, false));
    EXPECT_EQ(UlozenyCitac(), 7u);
    EXPECT_EQ(host.dialogy, Texty{L"Není nastavené platné zvukové zařízení"});
    EXPECT_TRUE(host.casovace.empty());

    z.selhani.reset();  // short of the reserve: the capture is not asked
    z.volani.clear();
    host.volne = RezervaDisku(0) - 1;
    EXPECT_FALSE(rizeni.SpustitZaznam(z, false));
    EXPECT_TRUE(z.volani.empty());
    EXPECT_EQ(host.dialogy.back(), kTextMaloMistaStart);
    EXPECT_EQ(rizeni.Citac(), 7u);
}

TEST_F(RizeniZaznamuTest, PohybNahravaWmvAChybyHlasiBezDialogu) {
    p.detekcePohybu.video.delkaZaznamu = 7;
    ASSERT_TRUE(rizeni.SpustitZaznam(z, true));
    EXPECT_EQ(z.volani, (Texty{L"profil", L"wmv C:\\z\\cam_7.wmv"}));
    EXPECT_EQ(host.casovace.at(kCasovacDelkaZaznamu), 7000u);
    EXPECT_EQ(host.logy.back(), L"Po detekování pohybu byl spuštěn záznam videa do souboru \"cam_7.wmv\"");
    rizeni.KonecDelky(z);
    EXPECT_EQ(host.nahledy, 0);  // WMV: the preview ran on

    z.selhani = Knihovna::kE_NOTIMPL;
    EXPECT_FALSE(rizeni.SpustitZaznam(z, true));
    EXPECT_EQ(UlozenyCitac(), 8u);
    z.volani.clear();  // a missing .prx and an unknown source: told before the capture is touched
    p.zaznamVidea.profil.typ = 0;
    EXPECT_FALSE(rizeni.SpustitZaznam(z, true));
    p.zaznamVidea.profil.typ = 7;
    EXPECT_FALSE(rizeni.SpustitZaznam(z, true));
    p.zaznamVidea.soubor.jmeno.clear();
    EXPECT_FALSE(rizeni.SpustitZaznam(z, true));
    EXPECT_TRUE(z.volani.empty());
    EXPECT_TRUE(host.dialogy.empty());
    EXPECT_EQ(host.zpravy, (Texty{L"Není nastavené platné zvukové zařízení", kTextChybiPrx, kTextSpatnyProfil,
                                  L"Nepodařilo se získat na základě nastavení cestu k souboru pro záznam videa."}));
}

TEST_F(RizeniZaznamuTest, KazdyKonecZrusiCasovacDelky) {
    for (auto duvod : {KonecZaznamu::Rucne, KonecZaznamu::VypnutiVidea, KonecZaznamu::MistoNaDisku}) {
        ASSERT_TRUE(rizeni.SpustitZaznam(z, true));
        rizeni.UkoncitZaznam(z, duvod);
        EXPECT_TRUE(host.casovace.empty());
    }
    EXPECT_EQ(RizeniZaznamu::PeriodaDelky(0), 1000u);
    EXPECT_EQ(RizeniZaznamu::PeriodaDelky(4294968), 3600000u);  // 32 bits would wrap to 704 ms
    host.casovacSelze = true;  // no timer 5: the stop command at once
    ASSERT_TRUE(rizeni.SpustitZaznam(z, true));
    EXPECT_EQ(host.prikazy, std::vector<std::uint32_t>{PrikazyKamery::kZaznamKonec});
}

TEST_F(RizeniZaznamuTest, VypnutiVideaNicNeobnovujeAPlnyDiskHlasi) {
    ASSERT_TRUE(rizeni.SpustitZaznam(z, false));
    rizeni.UkoncitZaznam(z, KonecZaznamu::VypnutiVidea);
    EXPECT_EQ(host.nahledy, 0);
    ASSERT_TRUE(rizeni.SpustitZaznam(z, false));
    rizeni.MistoDosloNaDisku(z);
    EXPECT_FALSE(z.vetev);
    EXPECT_EQ(host.zpravy, Texty{L"Záznam videa do souboru \"C:\\z\\cam_8.avi\" byl ukončen: na disku dochází volné místo."});

    p.zaznamVidea.format = 1;  // WMV: the tick watches the disk against the reserve of what was written
    ASSERT_TRUE(rizeni.SpustitZaznam(z, false));
    z.velikost = 100 << 20;
    host.volne = RezervaDisku(z.velikost);
    rizeni.Tik(z);
    EXPECT_TRUE(rizeni.Bezi());
    host.volne = *host.volne - 1;
    rizeni.Tik(z);
    EXPECT_FALSE(rizeni.Bezi());
    EXPECT_TRUE(host.dialogy.empty());
}

TEST_F(RizeniZaznamuTest, SmazaniAReset) {
    host.soubory = {L"cam_1.avi", L"CAM_12.WMV", L"cam.avi", L"camera.wmv", L"cam2_1.avi", L"5.12.2026 9-07-03.wmv"};
    host.odpoved = false;
    rizeni.SmazatZaznamy();
    EXPECT_TRUE(host.smazane.empty());
    host.odpoved = true;
    rizeni.SmazatZaznamy();
    EXPECT_EQ(host.smazane, (Texty{L"C:\\z\\cam_1.avi", L"C:\\z\\CAM_12.WMV", L"C:\\z\\cam.avi"}));
    EXPECT_EQ(UlozenyCitac(), 1u);

    ASSERT_TRUE(rizeni.SpustitZaznam(z, false));
    rizeni.ResetovatCislovani();
    EXPECT_EQ(UlozenyCitac(), 1u);

    p.zaznamVidea.soubor.jmeno.clear();
    host.smazane.clear();
    rizeni.SmazatZaznamy();
    EXPECT_TRUE(host.smazane.empty());
    EXPECT_EQ(host.dialogy, Texty{kTextJmenoZaznamuChybi});
}

}  // namespace
