#include "knihovna/Pracovnik.h"

#include <atomic>
#include <future>

#include <gtest/gtest.h>

#include "knihovna/AdresaServeru.h"

using namespace std::chrono_literals;

TEST(Pracovnik, JedenNaraz_ZastaveniPreruseniNeboPusteni) {
    Knihovna::Pracovnik p;
    std::promise<void> pust;
    auto f = pust.get_future().share();
    ASSERT_TRUE(p.Spustit([f](std::stop_token) { f.wait(); }));
    EXPECT_TRUE(p.Bezi());
    EXPECT_FALSE(p.Spustit([](std::stop_token) {}));  // busy: the second job is refused
    pust.set_value();
    while (p.Bezi()) std::this_thread::sleep_for(1ms);

    // A blocked job is cut off by its stop callback and joined.
    std::atomic<bool> preruseno{false};
    ASSERT_TRUE(p.Spustit([&](std::stop_token stop) {
        std::mutex m;
        std::condition_variable_any cv;
        std::unique_lock z(m);
        cv.wait(z, stop, [] { return false; });
        preruseno = stop.stop_requested();
    }));
    EXPECT_TRUE(p.Zastavit(10s));
    EXPECT_TRUE(preruseno);

    // A job that does not listen is let go after the limit; the holder is free again at once.
    auto sdileny = std::make_shared<std::atomic<bool>>(false);
    std::promise<void> pust2;
    auto f2 = pust2.get_future().share();
    ASSERT_TRUE(p.Spustit([sdileny, f2](std::stop_token) { f2.wait(); *sdileny = true; }));
    EXPECT_FALSE(p.Zastavit(20ms));
    EXPECT_FALSE(p.Bezi());
    pust2.set_value();
    while (!*sdileny) std::this_thread::sleep_for(1ms);
}

TEST(AdresaServeru, HostitelAPort) {
    using Knihovna::RozlozitServer;
    EXPECT_EQ(RozlozitServer(L"smtp.x.cz")->hostitel, L"smtp.x.cz");
    EXPECT_FALSE(RozlozitServer(L"smtp.x.cz")->port);
    auto a = RozlozitServer(L" 127.0.0.1:2525 ");
    EXPECT_EQ(a->hostitel, L"127.0.0.1");
    EXPECT_EQ(*a->port, 2525);
    auto b = RozlozitServer(L"[::1]:21");
    EXPECT_EQ(b->hostitel, L"::1");
    EXPECT_EQ(*b->port, 21);
    EXPECT_FALSE(RozlozitServer(L"fe80::1")->port);
    std::wstring chyba;
    for (const wchar_t* spatne : {L"x.cz:0", L"x.cz:65536", L"x.cz:abc", L"x.cz:", L":25", L"[::1]x"}) {
        chyba.clear();
        EXPECT_FALSE(RozlozitServer(spatne, &chyba)) << spatne;
        EXPECT_EQ(chyba, Knihovna::kTextChybnyPortServeru);
    }
}
