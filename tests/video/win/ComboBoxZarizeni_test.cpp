#include "video/win/ComboBoxZarizeni.h"

#include <gtest/gtest.h>

namespace {

// A combo box on a message-only parent: no display needed.
class ComboBoxTest : public ::testing::Test {
protected:
    void SetUp() override {
        rodic_ = ::CreateWindowExW(0, L"STATIC", L"", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr, nullptr, nullptr);
        ASSERT_NE(rodic_, nullptr);
        combo_ = ::CreateWindowExW(0, L"COMBOBOX", L"", WS_CHILD | CBS_DROPDOWNLIST | CBS_SORT, 0, 0, 200, 200, rodic_,
                                   nullptr, nullptr, nullptr);
        ASSERT_NE(combo_, nullptr);
    }
    void TearDown() override {
        if (rodic_) ::DestroyWindow(rodic_);
    }
    std::wstring VybranyText() const {
        const LRESULT i = ::SendMessageW(combo_, CB_GETCURSEL, 0, 0);
        if (i == CB_ERR) return L"<nic>";
        wchar_t buf[256] = {};
        ::SendMessageW(combo_, CB_GETLBTEXT, static_cast<WPARAM>(i), reinterpret_cast<LPARAM>(buf));
        return buf;
    }
    HWND rodic_ = nullptr;
    HWND combo_ = nullptr;
};

}  // namespace

TEST_F(ComboBoxTest, VideoPodleCestyZvukPodleJmena) {
    const SeznamZarizeni video{{L"Zeta", L"", L"\\\\?\\usb#z"}, {L"Alfa", L"DV", L"\\\\?\\usb#a"}};
    ComboBoxZarizeniVideo v(video);
    v.Pripojit(combo_);
    v.Naplnit({L"jiné jméno", L"", L"\\\\?\\USB#Z"});
    // The box sorts its items; the selection still follows the list index in the item data.
    EXPECT_EQ(VybranyText(), L"Zeta");
    EXPECT_EQ(v.Precist()->devicePath, L"\\\\?\\usb#z");
    v.Naplnit({L"Zeta", L"", L"\\\\?\\nikde"});  // no path matches: the list's first device
    EXPECT_EQ(VybranyText(), L"Zeta");
    EXPECT_EQ(::SendMessageW(combo_, CB_GETCOUNT, 0, 0), 2);

    const SeznamZarizeni zvuk{{L"Mikrofon", L"", L"1"}, {L"Linkový vstup", L"", L"2"}};
    ComboBoxZarizeniZvuk z(zvuk);
    z.Pripojit(combo_);
    z.Naplnit({L"linkový VSTUP", L"", L"x"});
    EXPECT_EQ(z.Precist()->devicePath, L"2");

    const SeznamZarizeni zadna;
    ComboBoxZarizeniVideo prazdny(zadna);
    prazdny.Pripojit(combo_);
    prazdny.Naplnit({L"Zeta", L"", L"\\\\?\\usb#z"});
    EXPECT_EQ(VybranyText(), L"<nic>");
    EXPECT_EQ(prazdny.Precist(), std::nullopt);
}
