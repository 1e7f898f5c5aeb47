#include "ui/win/ListViewZaskrtnuti.h"

#include <commctrl.h>

#include <gtest/gtest.h>

#include "ui/win/DialogPrvku.h"

using Holvent::Email::SablonaDialogu;

namespace {

constexpr int kIdSeznamu = 101;

class ListViewZaskrtnutiTest : public ::testing::Test {
protected:
    ListViewZaskrtnutiTest() : sablona_(200, 120, L"Test seznamu"), dlg_(sablona_) {}
    void SetUp() override {
        ASSERT_NE(dlg_.Hwnd(), nullptr);
        seznam_.Vytvorit(dlg_.Hwnd(), kIdSeznamu, RECT{10, 10, 250, 170});
        seznam_.Pridat(L"Pohyb", 11, false);
        seznam_.Pridat(L"Snímek", 22, true);
        seznam_.Pridat(L"Záznam", 33, false);
    }
    // What a click on the check box does: the state image changes to unchecked (1) or checked (2).
    void Zaskrtnout(int index, bool ano) {
        LVITEMW stav{};
        stav.stateMask = LVIS_STATEIMAGEMASK;
        stav.state = INDEXTOSTATEIMAGEMASK(ano ? 2 : 1);
        ::SendMessageW(seznam_.Hwnd(), LVM_SETITEMSTATE, index, reinterpret_cast<LPARAM>(&stav));
    }

    SablonaDialogu sablona_;
    DialogPrvku dlg_;
    ListViewZaskrtnuti seznam_;
};

}  // namespace

TEST_F(ListViewZaskrtnutiTest, PlneniANastaveniNeoznamujiZmenu) {
    HWND h = seznam_.Hwnd();
    ASSERT_NE(h, nullptr);
    EXPECT_EQ(::GetDlgCtrlID(h), kIdSeznamu);
    const DWORD ex = ListView_GetExtendedListViewStyle(h);
    EXPECT_TRUE(ex & LVS_EX_CHECKBOXES);
    EXPECT_TRUE(ex & LVS_EX_FULLROWSELECT);
    EXPECT_EQ(::GetWindowLongPtrW(h, GWL_STYLE) & LVS_TYPEMASK, LVS_REPORT);
    ASSERT_EQ(seznam_.Pocet(), 3);
    EXPECT_EQ(seznam_.Text(1), L"Snímek");
    EXPECT_EQ(seznam_.Data(0), 11);
    EXPECT_EQ(seznam_.Data(2), 33);
    EXPECT_FALSE(seznam_.Zaskrtnuto(0));
    EXPECT_TRUE(seznam_.Zaskrtnuto(1));
    seznam_.Nastavit(0, true);
    seznam_.Nastavit(1, false);
    EXPECT_TRUE(seznam_.Zaskrtnuto(0));
    EXPECT_FALSE(seznam_.Zaskrtnuto(1));
    // Out of range asks nothing of the list.
    EXPECT_FALSE(seznam_.Zaskrtnuto(3));
    EXPECT_FALSE(seznam_.Zaskrtnuto(-1));
    EXPECT_EQ(seznam_.Data(7), 0);
    seznam_.Nastavit(9, true);
    EXPECT_TRUE(dlg_.zmeny.empty());
    // The one column spans the list.
    RECT klient{};
    ::GetClientRect(h, &klient);
    EXPECT_GE(ListView_GetColumnWidth(h, 0), (klient.right - klient.left) * 3 / 4);
}

TEST_F(ListViewZaskrtnutiTest, ZaskrtnutiUzivatelemSeOznamiRodici) {
    Zaskrtnout(2, true);
    ASSERT_EQ(dlg_.zmeny.size(), 1u);
    EXPECT_EQ(dlg_.zmeny[0].first, kIdSeznamu);
    EXPECT_EQ(dlg_.zmeny[0].second, seznam_.Hwnd());
    EXPECT_TRUE(seznam_.Zaskrtnuto(2));
    Zaskrtnout(1, false);
    EXPECT_EQ(dlg_.zmeny.size(), 2u);
    EXPECT_FALSE(seznam_.Zaskrtnuto(1));
    // Selecting a row is no change of a value.
    ListView_SetItemState(seznam_.Hwnd(), 0, LVIS_SELECTED | LVIS_FOCUSED, LVIS_SELECTED | LVIS_FOCUSED);
    EXPECT_EQ(dlg_.zmeny.size(), 2u);
    // Space on the focused row toggles its check as a click does.
    ::SendMessageW(seznam_.Hwnd(), WM_KEYDOWN, VK_SPACE, 0);
    ::SendMessageW(seznam_.Hwnd(), WM_KEYUP, VK_SPACE, 0);
    EXPECT_TRUE(seznam_.Zaskrtnuto(0));
    EXPECT_EQ(dlg_.zmeny.size(), 3u);
    // A new row's first check box is filling, too.
    seznam_.Pridat(L"Zvuk", 44, true);
    EXPECT_EQ(dlg_.zmeny.size(), 3u);
    EXPECT_EQ(seznam_.Pocet(), 4);
}

TEST_F(ListViewZaskrtnutiTest, OdpojeniAZniceniRodice) {
    // Let go first: the parent's hook is gone, so a check no longer reaches the dialog as a change.
    seznam_.Odpojit();
    EXPECT_EQ(seznam_.Hwnd(), nullptr);
    EXPECT_EQ(seznam_.Pocet(), 0);
    HWND h = ::GetDlgItem(dlg_.Hwnd(), kIdSeznamu);
    ASSERT_NE(h, nullptr);
    ListView_SetCheckState(h, 0, TRUE);
    EXPECT_TRUE(dlg_.zmeny.empty());
    // Attached again and then the dialog destroyed under it: the object notices.
    seznam_.Pripojit(h);
    EXPECT_EQ(seznam_.Pocet(), 3);
    Zaskrtnout(2, true);
    EXPECT_EQ(dlg_.zmeny.size(), 1u);
    dlg_.Znicit();
    EXPECT_EQ(seznam_.Hwnd(), nullptr);
    EXPECT_EQ(seznam_.Pocet(), 0);
    EXPECT_FALSE(seznam_.Zaskrtnuto(0));
}
