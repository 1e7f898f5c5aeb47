#include "ui/StrankyNastaveniAplikace.h"

#include <gtest/gtest.h>

#include <set>

#include "app/NastaveniAplikace.h"
#include "ui/KopieNastaveniAplikace.h"

namespace {

namespace S = StrankyNastaveniAplikace;

const S::Hodnota& Hodnota(const wchar_t* klic, const wchar_t* jmeno) {
    const S::Hodnota* h = S::Najit(klic, jmeno);
    if (!h) throw std::runtime_error("no page edits this value");
    return *h;
}

// Every stored application value is edited on exactly one page, except the default camera's name, which the
// camera list sets; every page value is a stored one; and the defaults lie in their ranges and among their
// options, so a dialog opened on a fresh installation can be confirmed with OK as it stands.
TEST(StrankyNastaveniAplikace, KazdaUlozenaHodnotaMaPraveJednuStrankuAVychoziProjde) {
    NastaveniAplikace nastaveni;
    nastaveni.NastavitVychozi(L"C:\\Dokumenty", 0x0A00);
    const KopieNastaveniAplikace kopie(nastaveni);
    std::set<std::pair<std::wstring, std::wstring>> ulozene, naStrankach;
    for (const auto& p : NastaveniAplikace::Polozky()) ulozene.insert({p.klic, p.jmeno});
    for (const S::Stranka& s : S::Stranky()) {
        EXPECT_FALSE(s.hodnoty.empty()) << s.nazev;
        for (const S::Hodnota& h : s.hodnoty) {
            EXPECT_TRUE(naStrankach.insert({h.klic, h.jmeno}).second) << "twice: " << h.jmeno;
            EXPECT_TRUE(ulozene.count({h.klic, h.jmeno})) << "not stored: " << h.jmeno;
            EXPECT_NE(std::wstring(h.popisek), L"");
            if (h.ovladac == S::Ovladac::Text || h.ovladac == S::Ovladac::Slozka) continue;
            EXPECT_EQ(S::Overit(h, kopie.Zobrazena(h)), std::nullopt) << h.jmeno;
            if (h.ovladac == S::Ovladac::Cislo) {
                EXPECT_LT(h.min, h.max) << h.jmeno;
            }
        }
    }
    ulozene.erase({L"", L"vychoziTervik"});
    EXPECT_EQ(naStrankach, ulozene);
}

TEST(StrankyNastaveniAplikace, RozsahyCiselAVyberyOdmitaji) {
    struct Pripad {
        const wchar_t *klic, *jmeno;
        std::uint32_t min, max;
    };
    for (const Pripad& p : {Pripad{L"Dalkove ovladani", L"portPrijem", 5000, 40000},
                            Pripad{L"Logovani\\Soubor", L"maxVelikost", 10000, 52428800},
                            Pripad{L"Aktualizace", L"casovyLimit", 2, 120}}) {
        const S::Hodnota& h = Hodnota(p.klic, p.jmeno);
        const std::wstring zprava = L"Zadejte hodnotu v rozsahu " + std::to_wstring(p.min) + L" - " + std::to_wstring(p.max);
        EXPECT_EQ(S::Overit(h, p.min), std::nullopt) << p.jmeno;
        EXPECT_EQ(S::Overit(h, p.max), std::nullopt) << p.jmeno;
        for (std::int64_t spatna : {std::int64_t{p.min} - 1, std::int64_t{p.max} + 1, std::int64_t{-1}})
            EXPECT_EQ(S::Overit(h, spatna), zprava) << p.jmeno << " " << spatna;
    }
    EXPECT_NE(S::Overit(Hodnota(L"", L"oznamovaciIkona"), 3), std::nullopt);
    const S::Hodnota& priorita = Hodnota(L"", L"processPriority");
    ASSERT_EQ(priorita.moznosti.size(), kPriorityProcesu.size());
    for (std::size_t i = 0; i < kPriorityProcesu.size(); ++i) {
        EXPECT_EQ(std::wstring(priorita.moznosti[i].text), kPriorityProcesu[i].text);
        EXPECT_EQ(S::Overit(priorita, kPriorityProcesu[i].hodnota), std::nullopt);
    }
    EXPECT_NE(S::Overit(priorita, 0x21), std::nullopt);  // not a priority class
}

// The slideshow interval is shown in seconds and stored in milliseconds; a refused value keeps the copy,
// and only a commit reaches the record.
TEST(StrankyNastaveniAplikace, KopiePrevadiOdmitaAPotvrzuje) {
    NastaveniAplikace nastaveni;
    nastaveni.NastavitVychozi(L"C:\\Dokumenty", 0x0A00);
    KopieNastaveniAplikace kopie(nastaveni);
    const S::Hodnota& interval = Hodnota(L"Promitani obrazku", L"interval");
    EXPECT_EQ(kopie.Zobrazena(interval), 5u);  // 5000 ms
    EXPECT_FALSE(kopie.Zmeneno());

    EXPECT_EQ(kopie.Nastavit(interval, 0), std::wstring(L"Zadejte hodnotu v rozsahu 1 - 3600"));
    EXPECT_EQ(kopie.Nastavit(interval, 3601), std::wstring(L"Zadejte hodnotu v rozsahu 1 - 3600"));
    EXPECT_EQ(kopie.Zobrazena(interval), 5u);
    EXPECT_FALSE(kopie.Zmeneno());

    EXPECT_EQ(kopie.Nastavit(interval, 7), std::nullopt);
    EXPECT_EQ(std::get<std::uint32_t>(kopie.Ulozena(L"Promitani obrazku", L"interval")), 7000u);
    EXPECT_EQ(kopie.Nastavit(Hodnota(L"", L"zvuk"), 0), std::nullopt);
    // The controller's address must be a dotted IPv4 one; a refused text leaves the value as it was.
    for (const wchar_t* spatna : {L"pocitac.lan", L"192.168.1", L"192.168.1.300", L""})
        EXPECT_EQ(kopie.NastavitText(Hodnota(L"Sitovy ovladac", L"ipAdresa"), spatna),
                  std::wstring(L"Neplatná IP adresa"));
    EXPECT_EQ(std::get<std::wstring>(kopie.Ulozena(L"Sitovy ovladac", L"ipAdresa")), L"127.0.0.1");
    EXPECT_EQ(kopie.NastavitText(Hodnota(L"Sitovy ovladac", L"ipAdresa"), L"192.168.1.20"), std::nullopt);
    // The version file's address must be an HTTP one (empty = the maker's default).
    const S::Hodnota& adresa = Hodnota(L"Aktualizace", L"adresa");
    EXPECT_EQ(kopie.NastavitText(adresa, L"ftp://server/posledniVerze.txt"),
              std::wstring(L"Zadejte adresu začínající http:// nebo https://."));
    EXPECT_EQ(kopie.NastavitText(adresa, L"HTTPS://server/posledniVerze.txt"), std::nullopt);
    EXPECT_EQ(kopie.NastavitText(adresa, L""), std::nullopt);
    EXPECT_TRUE(kopie.Zmeneno());
    // Cancel: the record is untouched.
    EXPECT_EQ(nastaveni.interval, 5000u);
    EXPECT_TRUE(nastaveni.zvuk);

    kopie.Potvrdit(nastaveni);
    EXPECT_EQ(nastaveni.interval, 7000u);
    EXPECT_FALSE(nastaveni.zvuk);
    EXPECT_EQ(nastaveni.ipAdresa, L"192.168.1.20");
    EXPECT_FALSE(kopie.Zmeneno());
    // Values no page edits pass through unchanged.
    EXPECT_EQ(nastaveni.slozkaData, L"C:\\Dokumenty\\Tervik 4.8");
}

}  // namespace
