#include "video/RizeniZaznamu.h"

#include <gtest/gtest.h>

#include <map>

#include "../PevneHodiny.h"
#include "camera/AktivityKamery.h"
#include "knihovna/RegistrKlic.h"
#include "knihovna/RegistrVPameti.h"

using namespace Holvent::DirectShow;

namespace {

// The capture object as a script: a start fails with selhani set, else the branch is there.
class SkriptZachytavani final : public RozhraniZaznamu {
public:
    bool graf = true;
    bool vetev = false;
    std::optional<Knihovna::Hresult> selhani;
    std::vector<std::wstring> volani;
    std::uint64_t velikost = 0;

    bool GrafZapnut() const override { return graf; }
    bool Zaznamenava() const override { return vetev; }
    void ZaznamAviStart(const std::wstring& soubor, bool, std::int32_t, std::int32_t, std::int32_t) override {
        Start(L"avi " + soubor);
    }
    void NacistSystemovyProfil(std::uint32_t, std::uint32_t) override { volani.push_back(L"profil"); }
    void NacistProfilPrx(const std::wstring& cesta) override { volani.push_back(L"prx " + cesta); }
    void ZaznamWmvStart(const std::wstring& soubor) override { Start(L"wmv " + soubor); }
    void ZaznamStop() override {
        volani.push_back(L"stop");
        vetev = false;
    }
    std::uint64_t VelikostZaznamu() const override { return velikost; }

private:
    void Start(const std::wstring& co) {
        volani.push_back(co);
        if (selhani) Knihovna::Vyhodit(*selhani, L"Není nastavené platné zvukové zařízení");
        vetev = true;
    }
};

class ZaznamHostitele final : public HostitelZaznamu {
public:
    std::map<std::uintptr_t, std::uint32_t> casovace;
    bool casovacSelze = false;
    std::vector<std::wstring> dialogy, zpravy, logy, udalosti, smazane;
    std::vector<std::uint32_t> prikazy;
    std::wstring stav, textZaznamu;
    bool ikona = false, odpoved = true;
    int nahledy = 0;
    std::optional<std::uint64_t> volne;
    std::vector<std::wstring> soubory;

    bool NastavitCasovac(std::uintptr_t id, std::uint32_t perioda) override {
        if (casovacSelze && id == kCasovacDelkaZaznamu) return false;
        casovace[id] = perioda;
        return true;
    }
    void ZrusitCasovac(std::uintptr_t id) override { casovace.erase(id); }
    void ChybovyDialog(const std::wstring& text) override { dialogy.push_back(text); }
    void Zprava(int, const std::wstring& text, std::uint32_t) override { zpravy.push_back(text); }
    void StavovyText(const std::wstring& text) override { stav = text; }
    void IkonaZaznamu(bool zobrazit) override { ikona = zobrazit; }
    void TextZaznamu(const std::wstring& text) override { textZaznamu = text; }
    void LogKamery(const std::wstring& text) override { logy.push_back(text); }
    void UdalostKamery(const std::wstring& text) override { udalosti.push_back(text); }
    bool ZeptatSe(const std::wstring&) override { return odpoved; }
    std::wstring PopisChyby(const Knihovna::Chyba& chyba) override { return chyba.Text(); }
    std::vector<std::wstring> SouboryVeSlozce(const std::wstring&) override { return soubory; }
    void Smazat(const std::vector<std::wstring>& s) override { smazane = s; }
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
    p.logovani.spusteniZaznamuVidea = p.logovani.ukonceniZaznamuVidea = true;
    p.logovani.spusteniZaznamuVideaDP = true;
    return p;
}

class RizeniZaznamuTest : public ::testing::Test {
protected:
    std::uint32_t UlozenyCitac() {
        Knihovna::RegistrKlic klic(registr, kKamera);
        std::uint32_t c = 0;
        if (!klic.ZkusitOtevritCteni(L"Zaznam videa\\Soubor") || klic.CistCislo(L"posledniCislo", c) != 0) return 0;
        return c;
    }

    ParametryKamery p = Parametry();
    std::wstring jmeno = L"Dvůr";
    Knihovna::RegistrVPameti registr;
    PevneHodiny hodiny;
    ZaznamHostitele host;
    SkriptZachytavani zachytavani;
    RizeniZaznamu rizeni{p, jmeno, registr, kKamera, hodiny, host};
};

TEST_F(RizeniZaznamuTest, CisloUlozenoHnedPriStartuAZaznamKonci) {
    hodiny.tiky = 1000;
    ASSERT_TRUE(rizeni.SpustitZaznam(zachytavani, false));
    EXPECT_EQ(zachytavani.volani.front(), L"avi C:\\z\\cam_7.avi");
    EXPECT_EQ(UlozenyCitac(), 8u);  // before any stop: a crash must not reuse 7
    EXPECT_EQ(host.stav, L"Probíhá záznam do souboru cam_7.avi");
    EXPECT_EQ(host.casovace.at(kCasovacZaznam), 800u);
    EXPECT_FALSE(host.casovace.contains(kCasovacDelkaZaznamu));
    EXPECT_EQ(host.logy, (std::vector<std::wstring>{L"Byl spuštěn záznam videa do souboru \"cam_7.avi\""}));

    // A second start while it records does nothing.
    EXPECT_TRUE(rizeni.SpustitZaznam(zachytavani, false));
    EXPECT_EQ(zachytavani.volani.size(), 1u);

    hodiny.tiky = 1000 + 65432;
    zachytavani.velikost = 123456;
    rizeni.Tik(zachytavani);
    EXPECT_EQ(host.textZaznamu, L"Záznam 1:05, 123456 B");
    EXPECT_FALSE(host.ikona);
    rizeni.Tik(zachytavani);
    EXPECT_TRUE(host.ikona);

    rizeni.UkoncitZaznam(zachytavani, KonecZaznamu::Rucne);
    EXPECT_FALSE(rizeni.Bezi());
    EXPECT_EQ(zachytavani.volani.back(), L"stop");
    EXPECT_EQ(host.nahledy, 1);  // AVI: the preview at its own size again
    EXPECT_TRUE(host.casovace.empty());
    EXPECT_FALSE(host.ikona);
    EXPECT_EQ(host.textZaznamu, L"");
    EXPECT_EQ(host.stav, L"Dvůr - Připraven");
    EXPECT_EQ(host.logy.back(), L"Byl ukončen záznam videa do souboru \"cam_7.avi\"");
    EXPECT_TRUE(host.dialogy.empty());
}

TEST_F(RizeniZaznamuTest, NezdarenyStartVratiCislo) {
    zachytavani.selhani = Knihovna::kE_INVALIDARG;
    EXPECT_FALSE(rizeni.SpustitZaznam(zachytavani, false));
    EXPECT_EQ(rizeni.Citac(), 7u);
    EXPECT_EQ(UlozenyCitac(), 7u);
    EXPECT_EQ(host.dialogy, (std::vector<std::wstring>{L"Není nastavené platné zvukové zařízení"}));
    EXPECT_TRUE(host.casovace.empty());

    // Short of the reserve: nothing is started and the number stays.
    zachytavani.selhani.reset();
    zachytavani.volani.clear();
    host.volne = RezervaDisku(0) - 1;
    EXPECT_FALSE(rizeni.SpustitZaznam(zachytavani, false));
    EXPECT_TRUE(zachytavani.volani.empty());
    EXPECT_EQ(host.dialogy.back(), kTextMaloMistaStart);
    EXPECT_EQ(rizeni.Citac(), 7u);

    // No name: the Part's text.
    host.volne.reset();
    p.zaznamVidea.soubor.jmeno.clear();
    EXPECT_FALSE(rizeni.SpustitZaznam(zachytavani, false));
    EXPECT_EQ(host.dialogy.back(), L"Nepodařilo se získat na základě nastavení cestu k souboru pro záznam videa.");
}

TEST_F(RizeniZaznamuTest, PohybNahravaWmvAChybuHlasiBezDialogu) {
    p.detekcePohybu.video.delkaZaznamu = 7;
    ASSERT_TRUE(rizeni.SpustitZaznam(zachytavani, true));
    EXPECT_EQ(zachytavani.volani,
              (std::vector<std::wstring>{L"profil", L"wmv C:\\z\\cam_7.wmv"}));
    EXPECT_EQ(host.casovace.at(kCasovacDelkaZaznamu), 7000u);
    EXPECT_EQ(host.logy.back(), L"Po detekování pohybu byl spuštěn záznam videa do souboru \"cam_7.wmv\"");
    rizeni.KonecDelky(zachytavani);
    EXPECT_EQ(host.nahledy, 0);  // WMV: the preview ran on

    zachytavani.selhani = Knihovna::kE_NOTIMPL;
    EXPECT_FALSE(rizeni.SpustitZaznam(zachytavani, true));
    EXPECT_TRUE(host.dialogy.empty());
    EXPECT_EQ(host.zpravy.size(), 1u);
    EXPECT_EQ(rizeni.Citac(), 8u);
    EXPECT_EQ(UlozenyCitac(), 8u);

    // A missing .prx and an unknown source are told before the capture is touched.
    zachytavani.volani.clear();
    p.zaznamVidea.profil.typ = 0;
    p.zaznamVidea.profil.souborPrx = L"C:\\chybi.prx";
    EXPECT_FALSE(rizeni.SpustitZaznam(zachytavani, true));
    p.zaznamVidea.profil.typ = 7;
    EXPECT_FALSE(rizeni.SpustitZaznam(zachytavani, true));
    EXPECT_TRUE(zachytavani.volani.empty());
    EXPECT_EQ(host.zpravy, (std::vector<std::wstring>{L"Není nastavené platné zvukové zařízení", kTextChybiPrx,
                                                      kTextSpatnyProfil}));
}

TEST_F(RizeniZaznamuTest, KazdyKonecZrusiCasovacDelky) {
    ASSERT_TRUE(rizeni.SpustitZaznam(zachytavani, true));
    rizeni.UkoncitZaznam(zachytavani, KonecZaznamu::Rucne);
    EXPECT_TRUE(host.casovace.empty());
    ASSERT_TRUE(rizeni.SpustitZaznam(zachytavani, true));
    rizeni.UkoncitZaznam(zachytavani, KonecZaznamu::VypnutiVidea);
    EXPECT_TRUE(host.casovace.empty());

    EXPECT_EQ(RizeniZaznamu::PeriodaDelky(0), 1000u);
    EXPECT_EQ(RizeniZaznamu::PeriodaDelky(4294968), 3600000u);

    // Timer 5 that cannot be made ends the recording by the stop command.
    host.casovacSelze = true;
    ASSERT_TRUE(rizeni.SpustitZaznam(zachytavani, true));
    EXPECT_EQ(host.prikazy, (std::vector<std::uint32_t>{PrikazyKamery::kZaznamKonec}));
}

TEST_F(RizeniZaznamuTest, VypnutiVideaNicNeobnovujeAPlnyDiskHlasi) {
    ASSERT_TRUE(rizeni.SpustitZaznam(zachytavani, false));
    rizeni.UkoncitZaznam(zachytavani, KonecZaznamu::VypnutiVidea);
    EXPECT_EQ(host.nahledy, 0);
    EXPECT_TRUE(host.dialogy.empty());

    ASSERT_TRUE(rizeni.SpustitZaznam(zachytavani, false));
    rizeni.MistoDosloNaDisku(zachytavani);
    EXPECT_FALSE(zachytavani.vetev);
    EXPECT_EQ(host.zpravy.back(),
              L"Záznam videa do souboru \"C:\\z\\cam_8.avi\" byl ukončen: na disku dochází volné místo.");

    // WMV has no sink of ours: the tick watches the disk against the reserve of what was written.
    p.zaznamVidea.format = 1;
    ASSERT_TRUE(rizeni.SpustitZaznam(zachytavani, false));
    zachytavani.velikost = 100 << 20;
    host.volne = RezervaDisku(zachytavani.velikost) + 1;
    rizeni.Tik(zachytavani);
    EXPECT_TRUE(rizeni.Bezi());
    host.volne = RezervaDisku(zachytavani.velikost) - 1;
    rizeni.Tik(zachytavani);
    EXPECT_FALSE(rizeni.Bezi());
    EXPECT_EQ(host.zpravy.size(), 2u);
}

TEST_F(RizeniZaznamuTest, SmazaniAReset) {
    host.soubory = {L"cam_1.avi", L"CAM_12.WMV", L"cam.avi", L"camera.wmv", L"cam2_1.avi", L"5.12.2026 9-07-03.wmv"};
    host.odpoved = false;
    rizeni.SmazatZaznamy();
    EXPECT_TRUE(host.smazane.empty());
    host.odpoved = true;
    rizeni.SmazatZaznamy();
    EXPECT_EQ(host.smazane, (std::vector<std::wstring>{L"C:\\z\\cam_1.avi", L"C:\\z\\CAM_12.WMV", L"C:\\z\\cam.avi"}));
    EXPECT_EQ(rizeni.Citac(), 1u);
    EXPECT_EQ(UlozenyCitac(), 1u);

    p.zaznamVidea.soubor.jmeno.clear();
    host.smazane.clear();
    rizeni.SmazatZaznamy();
    EXPECT_TRUE(host.smazane.empty());
    EXPECT_EQ(host.dialogy, (std::vector<std::wstring>{kTextJmenoZaznamuChybi}));

    p.zaznamVidea.soubor.jmeno = L"cam";
    ASSERT_TRUE(rizeni.SpustitZaznam(zachytavani, false));
    EXPECT_EQ(UlozenyCitac(), 2u);
    rizeni.ResetovatCislovani();
    EXPECT_EQ(rizeni.Citac(), 1u);
    EXPECT_EQ(UlozenyCitac(), 1u);
}

}  // namespace
