#include "video/InfoZarizeni.h"

#include <gtest/gtest.h>

namespace {

std::vector<std::wstring> Jmena(const SeznamZarizeni& z) {
    std::vector<std::wstring> j;
    for (const auto& i : z) j.push_back(i.friendlyName);
    return j;
}

}  // namespace

// Duplicates are numbered after sorting, each keeping its path (the enumerator's order); a number never makes the
// name of another device (the duplicate takes the next free one); names differing in case are not duplicates, also
// when they sort between exact ones.
TEST(InfoZarizeni, StejnaJmenaSeCislujiPoSerazeni) {
    struct Pripad {
        SeznamZarizeni z;
        std::vector<std::wstring> jmena, cesty;
    };
    const Pripad pripady[] = {
        {{{L"USB Camera", L"", L"u1"}, {L"Integrated Webcam", L"", L"p1"}, {L"USB Camera", L"", L"u2"}, {L"USB Camera", L"", L"u3"}},
         {L"Integrated Webcam", L"USB Camera", L"USB Camera #2", L"USB Camera #3"}, {L"p1", L"u1", L"u2", L"u3"}},
        {{{L"USB Camera", L"", L"1"}, {L"USB Camera #2", L"", L"2"}, {L"USB Camera", L"", L"3"}, {L"USB Camera", L"", L"4"},
          {L"USB Camera #2", L"", L"5"}},
         {L"USB Camera", L"USB Camera #3", L"USB Camera #4", L"USB Camera #2", L"USB Camera #2 #2"}, {L"1", L"3", L"4", L"2", L"5"}},
        {{{L"camera", L"", L"a"}, {L"Zeta", L"", L"z"}, {L"Camera", L"", L"b"}, {L"alfa", L"", L"c"}},
         {L"alfa", L"Camera", L"camera", L"Zeta"}, {L"c", L"b", L"a", L"z"}},
        {{{L"USB", L"", L"1"}, {L"usb", L"", L"2"}, {L"USB", L"", L"3"}}, {L"USB", L"USB #2", L"usb"}, {L"1", L"3", L"2"}},
        {{}, {}, {}},
    };
    for (Pripad p : pripady) {
        SeraditAOcislovat(p.z);
        std::vector<std::wstring> cesty;
        for (const auto& i : p.z) cesty.push_back(i.devicePath);
        EXPECT_EQ(Jmena(p.z), p.jmena);
        EXPECT_EQ(cesty, p.cesty);
    }
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
