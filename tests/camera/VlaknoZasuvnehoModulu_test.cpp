#include "camera/VlaknoZasuvnehoModulu.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <future>
#include <utility>
#include <vector>

using namespace std::chrono_literals;
using Konec = VlaknoZasuvnehoModulu::Konec;
using Bajty = std::vector<std::uint8_t>;

namespace {

// Marks the thread a call ran on; a fresh thread starts unmarked (thread ids may be reused, this may not).
thread_local bool tOznaceno = false;

std::uint32_t Zapsat(std::uint8_t* data, std::size_t velikost, std::uint8_t hodnota, std::uint32_t kod = 0) {
    tOznaceno = true;
    std::fill(data, data + velikost, hodnota);
    return kod;
}

}  // namespace

TEST(VlaknoZasuvnehoModulu, ZmenyVraciJenVcasDokoncenaVolaniBezChyby) {
    VlaknoZasuvnehoModulu v;
    Bajty snimek(1000, 1);
    auto r = v.Zavolat([&](std::uint8_t* d, std::size_t n) { return d == snimek.data() ? 1u : Zapsat(d, n, 7); },
                       snimek.data(), snimek.size(), 5s);
    EXPECT_EQ(r.konec, Konec::Dobehlo);
    EXPECT_EQ(snimek, Bajty(1000, 7));
    // The same thread serves the next call; a fault comes back with its code, its writes do not.
    r = v.Zavolat([&](std::uint8_t* d, std::size_t n) { return tOznaceno ? Zapsat(d, n, 9, 0xC0000005u) : 1u; },
                  snimek.data(), snimek.size(), 5s);
    EXPECT_EQ(r.konec, Konec::Selhalo);
    EXPECT_EQ(r.kod, 0xC0000005u);
    EXPECT_EQ(snimek, Bajty(1000, 7));
    // The faulted thread is retired: the next call runs on a fresh one.
    bool oznacene = true;
    r = v.Zavolat([&](std::uint8_t*, std::size_t) { oznacene = tOznaceno; return 0u; }, nullptr, 0, 5s);
    EXPECT_EQ(r.konec, Konec::Dobehlo);
    EXPECT_FALSE(oznacene);
}

TEST(VlaknoZasuvnehoModulu, PrekroceniOpustiVlaknoAPozdniZapisZustaneVKopii) {
    std::promise<void> uvolnit, zapsano;
    auto uvolneni = uvolnit.get_future().share();
    Bajty snimek(100, 1);
    {
        VlaknoZasuvnehoModulu v;
        // The plug-in hangs until the test releases it, so the caller can only have returned by giving up.
        auto r = v.Zavolat([&](std::uint8_t* d, std::size_t n) {
            tOznaceno = true;
            uvolneni.wait_for(60s);
            Zapsat(d, n, 9);
            zapsano.set_value();
            return 0u;
        }, snimek.data(), snimek.size(), 50ms);
        EXPECT_EQ(r.konec, Konec::Neodpovedelo);
        EXPECT_EQ(v.PocetOpustenych(), 1u);
        // The next call gets a fresh thread that sees the caller's data, not the hung call's copy.
        bool oznacene = true;
        r = v.Zavolat([&](std::uint8_t* d, std::size_t n) {
            oznacene = tOznaceno;
            return d[0] == 1 ? Zapsat(d, n, 2) : 1u;
        }, snimek.data(), snimek.size(), 5s);
        EXPECT_EQ(r.konec, Konec::Dobehlo);
        EXPECT_FALSE(oznacene);
        EXPECT_EQ(snimek, Bajty(100, 2));
    }  // the owner ends while the abandoned call still hangs
    uvolnit.set_value();
    ASSERT_EQ(zapsano.get_future().wait_for(60s), std::future_status::ready);
    EXPECT_EQ(snimek, Bajty(100, 2));
}
