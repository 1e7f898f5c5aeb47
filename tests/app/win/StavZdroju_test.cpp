#include "app/win/StavZdroju.h"

#include <windows.h>

#include <gtest/gtest.h>

#include <thread>
#include <vector>

#include "knihovna/win/UnikatniHandle.h"

namespace {

using Knihovna::WinApi::UnikatniHandleJadra;
using StavZdroju::Udaj;

LRESULT Systemovy(Udaj udaj) { return StavZdroju::Hodnota(static_cast<WPARAM>(udaj)); }

// The threads and handles come from the system's process list (Wine's own counters are stubs): a running thread
// shows, and so do a few hundred handles (Wine tells the size of the process's handle table, which grows in steps).
TEST(StavZdroju, VlaknaAHandlyProcesu) {
    const LRESULT vlakna = Systemovy(Udaj::Vlakna), handly = Systemovy(Udaj::Handly);
    ASSERT_GT(vlakna, 0);
    ASSERT_GT(handly, 0);
    std::vector<UnikatniHandleJadra> udalosti;
    for (LRESULT i = 0; i <= handly; ++i) udalosti.emplace_back(::CreateEventW(nullptr, TRUE, FALSE, nullptr));
    std::thread vlakno([&] { ::WaitForSingleObject(udalosti.front().get(), 30000); });
    EXPECT_GT(Systemovy(Udaj::Vlakna), vlakna);
    EXPECT_GT(Systemovy(Udaj::Handly), handly);
    ::SetEvent(udalosti.front().get());
    vlakno.join();
    EXPECT_EQ(Systemovy(Udaj::Pocet), -1);
}

// Open registry keys come from the system's handle list: one more while a key is held.
TEST(StavZdroju, OtevreneKliceRegistru) {
    const LRESULT pred = Systemovy(Udaj::KliceRegistru);
    ASSERT_GE(pred, 0);
    HKEY klic = nullptr;
    ASSERT_EQ(::RegOpenKeyExW(HKEY_CURRENT_USER, L"Software", 0, KEY_READ, &klic), ERROR_SUCCESS);
    EXPECT_EQ(Systemovy(Udaj::KliceRegistru), pred + 1);
    ::RegCloseKey(klic);
    EXPECT_EQ(Systemovy(Udaj::KliceRegistru), pred);
}

// The GDI figure counts what the wrappers hold: taken, moved, given away, freed.
TEST(StavZdroju, ObjektyGdiVObalech) {
    using namespace Knihovna::WinApi;
    const LRESULT pred = Systemovy(Udaj::ObjektyGdi);
    UnikatniStetec stetec(::CreateSolidBrush(RGB(1, 2, 3)));
    UnikatniDc dc(::CreateCompatibleDC(nullptr));
    EXPECT_EQ(Systemovy(Udaj::ObjektyGdi), pred + 2);
    UnikatniStetec presunuty(std::move(stetec));
    stetec = std::move(presunuty);
    EXPECT_EQ(Systemovy(Udaj::ObjektyGdi), pred + 2);
    const HBRUSH volny = stetec.Odevzdat();
    EXPECT_EQ(Systemovy(Udaj::ObjektyGdi), pred + 1);
    ::DeleteObject(volny);
    dc.Nastavit();
    EXPECT_EQ(Systemovy(Udaj::ObjektyGdi), pred);
}

}  // namespace
