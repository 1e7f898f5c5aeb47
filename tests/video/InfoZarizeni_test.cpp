#include "video/InfoZarizeni.h"

#include <gtest/gtest.h>

namespace {

std::vector<std::wstring> Jmena(const SeznamZarizeni& z) {
    std::vector<std::wstring> j;
    for (const auto& i : z) j.push_back(i.friendlyName);
    return j;
}

}  // namespace

TEST(InfoZarizeni, StejnaJmenaSeCislujiPoSerazeni) {
    SeznamZarizeni z{{L"USB Camera", L"", L"\\\\?\\usb#1"},
                     {L"Integrated Webcam", L"", L"\\\\?\\pci#1"},
                     {L"USB Camera", L"", L"\\\\?\\usb#2"},
                     {L"USB Camera", L"", L"\\\\?\\usb#3"}};
    SeraditAOcislovat(z);
    EXPECT_EQ(Jmena(z), (std::vector<std::wstring>{L"Integrated Webcam", L"USB Camera", L"USB Camera #2",
                                                   L"USB Camera #3"}));
    // Devices of one name keep the enumerator's order, so each keeps its path.
    EXPECT_EQ(z[1].devicePath, L"\\\\?\\usb#1");
    EXPECT_EQ(z[3].devicePath, L"\\\\?\\usb#3");
}

TEST(InfoZarizeni, CislovaneJmenoSeNeshodujeSeJmenemJinehoZarizeni) {
    // A device whose own name already carries " #2" keeps it; the duplicate takes the next free number.
    SeznamZarizeni z{{L"USB Camera", L"", L"1"}, {L"USB Camera #2", L"", L"2"}, {L"USB Camera", L"", L"3"},
                     {L"USB Camera", L"", L"4"}, {L"USB Camera #2", L"", L"5"}};
    SeraditAOcislovat(z);
    EXPECT_EQ(Jmena(z), (std::vector<std::wstring>{L"USB Camera", L"USB Camera #3", L"USB Camera #4",
                                                   L"USB Camera #2", L"USB Camera #2 #2"}));
    EXPECT_EQ(z[1].devicePath, L"3");
    EXPECT_EQ(z[3].devicePath, L"2");
}

TEST(InfoZarizeni, JmenaLisiciSeVelikostiPismenNejsouCislovana) {
    SeznamZarizeni z{{L"camera", L"", L"a"}, {L"Zeta", L"", L"z"}, {L"Camera", L"", L"b"}, {L"alfa", L"", L"c"}};
    SeraditAOcislovat(z);
    EXPECT_EQ(Jmena(z), (std::vector<std::wstring>{L"alfa", L"Camera", L"camera", L"Zeta"}));

    // Exact duplicates are numbered even when a name of other case sorts between them.
    SeznamZarizeni d{{L"USB", L"", L"1"}, {L"usb", L"", L"2"}, {L"USB", L"", L"3"}};
    SeraditAOcislovat(d);
    EXPECT_EQ(Jmena(d), (std::vector<std::wstring>{L"USB", L"USB #2", L"usb"}));

    SeznamZarizeni prazdny;
    SeraditAOcislovat(prazdny);
    EXPECT_TRUE(prazdny.empty());
}

TEST(InfoZarizeni, PouzijePredaneLokalniPorovnani) {
    // Windows compares with the locale: "Č" sorts between "C" and "D", which the code order does not.
    SeznamZarizeni z{{L"Dvůr", L"", L""}, {L"Čelní", L"", L""}, {L"Cesta", L"", L""}};
    auto ceske = [](const std::wstring& a, const std::wstring& b) {
        auto klic = [](wchar_t c) { return c == L'Č' ? L'C' * 2 + 1 : static_cast<int>(c) * 2; };
        for (size_t i = 0; i < std::min(a.size(), b.size()); ++i)
            if (klic(a[i]) != klic(b[i])) return klic(a[i]) < klic(b[i]) ? -1 : 1;
        return a.size() == b.size() ? 0 : (a.size() < b.size() ? -1 : 1);
    };
    SeraditAOcislovat(z, ceske);
    EXPECT_EQ(Jmena(z), (std::vector<std::wstring>{L"Cesta", L"Čelní", L"Dvůr"}));
}

TEST(InfoZarizeni, VyberVComboBoxu) {
    const SeznamZarizeni video{{L"A", L"", L"\\\\?\\usb#A"}, {L"B", L"", L"\\\\?\\USB#B"}, {L"C", L"", L"\\\\?\\usb#b"}};
    // Video by path without regard to case; the last match wins.
    EXPECT_EQ(IndexVyberuZarizeni(video, {L"x", L"", L"\\\\?\\usb#B"}, DruhZarizeni::Video), 2);
    EXPECT_EQ(IndexVyberuZarizeni(video, {L"x", L"", L"\\\\?\\USB#a"}, DruhZarizeni::Video), 0);
    // A path no device has leaves the first item.
    EXPECT_EQ(IndexVyberuZarizeni(video, {L"B", L"", L"\\\\?\\jinde"}, DruhZarizeni::Video), 0);
    // Audio by name.
    const SeznamZarizeni zvuk{{L"Mikrofon", L"", L""}, {L"Linkový vstup", L"", L""}};
    EXPECT_EQ(IndexVyberuZarizeni(zvuk, {L"LINKOVÝ VSTUP", L"", L"cokoli"}, DruhZarizeni::Zvuk), 1);
    // An empty list selects nothing.
    EXPECT_EQ(IndexVyberuZarizeni({}, {L"A", L"", L"a"}, DruhZarizeni::Video), std::nullopt);

    EXPECT_EQ(ZarizeniZVyberu(video, 1)->devicePath, L"\\\\?\\USB#B");
    EXPECT_EQ(ZarizeniZVyberu(video, -1), std::nullopt);  // nothing selected
    EXPECT_EQ(ZarizeniZVyberu(video, 3), std::nullopt);
}
