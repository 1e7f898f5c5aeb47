#include "camera/VlaknoZasuvnehoModulu.h"

#include <gtest/gtest.h>

#include <chrono>
#include <future>
#include <utility>
#include <vector>

using namespace std::chrono_literals;
using Konec = VlaknoZasuvnehoModulu::Konec;

namespace {

std::uint32_t Zapsat(std::uint8_t* data, std::size_t velikost, std::uint8_t hodnota) {
    for (std::size_t i = 0; i < velikost; ++i) data[i] = hodnota;
    return 0;
}

// Marks the thread a call ran on; a fresh thread starts unmarked (thread ids may be reused, this may not).
thread_local bool tOznaceno = false;

bool Oznacit() { return std::exchange(tOznaceno, true); }

}  // namespace

TEST(VlaknoZasuvnehoModulu, VcasDokoncenaVolaniVraciZmeny) {
    VlaknoZasuvnehoModulu v;
    std::vector<std::uint8_t> snimek(1000, 1);
    bool druheOznacene = false;
    Oznacit();
    auto r = v.Zavolat([&](std::uint8_t* d, std::size_t n) {
        EXPECT_FALSE(Oznacit());  // not the caller's thread
        EXPECT_NE(d, snimek.data());  // works on a copy
        EXPECT_EQ(d[999], 1);
        return Zapsat(d, n, 7);
    }, snimek.data(), snimek.size(), 5s);
    EXPECT_EQ(r.konec, Konec::Dobehlo);
    EXPECT_EQ(snimek, std::vector<std::uint8_t>(1000, 7));
    // A snapshot call without data; the same thread serves the next call.
    r = v.Zavolat([&](std::uint8_t*, std::size_t n) {
        druheOznacene = Oznacit();
        return static_cast<std::uint32_t>(n);
    }, nullptr, 0, 5s);
    EXPECT_EQ(r.konec, Konec::Dobehlo);
    EXPECT_TRUE(druheOznacene);
}

TEST(VlaknoZasuvnehoModulu, ChybaVraciKodANicNezapise) {
    VlaknoZasuvnehoModulu v;
    std::vector<std::uint8_t> snimek(100, 1);
    bool druheOznacene = true;
    auto r = v.Zavolat([&](std::uint8_t* d, std::size_t n) {
        Oznacit();
        Zapsat(d, n, 9);
        return 0xC0000005u;
    }, snimek.data(), snimek.size(), 5s);
    EXPECT_EQ(r.konec, Konec::Selhalo);
    EXPECT_EQ(r.kod, 0xC0000005u);
    EXPECT_EQ(snimek, std::vector<std::uint8_t>(100, 1));
    // The faulted thread is retired.
    r = v.Zavolat([&](std::uint8_t*, std::size_t) { druheOznacene = Oznacit(); return 0u; },
                  snimek.data(), snimek.size(), 5s);
    EXPECT_EQ(r.konec, Konec::Dobehlo);
    EXPECT_FALSE(druheOznacene);
}

TEST(VlaknoZasuvnehoModulu, PrekroceniOpustiVlaknoAPozdniZapisZustaneVKopii) {
    std::promise<void> uvolnit, zapsano;
    auto uvolneni = uvolnit.get_future().share();
    bool druheOznacene = true;
    std::vector<std::uint8_t> snimek(100, 1);
    {
        VlaknoZasuvnehoModulu v;
        // The plug-in hangs until the test releases it, so the caller can only have returned by giving up.
        auto r = v.Zavolat([&](std::uint8_t* d, std::size_t n) {
            Oznacit();
            uvolneni.wait_for(60s);
            Zapsat(d, n, 9);
            zapsano.set_value();
            return 0u;
        }, snimek.data(), snimek.size(), 50ms);
        EXPECT_EQ(r.konec, Konec::Neodpovedelo);
        EXPECT_EQ(v.PocetOpustenych(), 1u);
        // The next call gets a fresh thread that sees the caller's data, not the hung call's copy.
        r = v.Zavolat([&](std::uint8_t* d, std::size_t n) {
            druheOznacene = Oznacit();
            EXPECT_EQ(d[0], 1);
            return Zapsat(d, n, 2);
        }, snimek.data(), snimek.size(), 5s);
        EXPECT_EQ(r.konec, Konec::Dobehlo);
        EXPECT_FALSE(druheOznacene);
        EXPECT_EQ(snimek, std::vector<std::uint8_t>(100, 2));
    }  // the owner ends while the abandoned call still hangs
    uvolnit.set_value();
    ASSERT_EQ(zapsano.get_future().wait_for(60s), std::future_status::ready);
    EXPECT_EQ(snimek, std::vector<std::uint8_t>(100, 2));
}
