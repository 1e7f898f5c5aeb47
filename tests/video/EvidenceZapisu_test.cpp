#include "video/EvidenceZapisu.h"

#include <gtest/gtest.h>

#include "video/RozhraniZaznamu.h"

using namespace Holvent::DirectShow;

namespace {
constexpr std::uint64_t kMiB = std::uint64_t{1} << 20;
}

TEST(EvidenceZapisu, HlavickaJenPredPrvnimZapisemZaZacatkem) {
    EvidenceZapisu e;
    const auto prvni = e.Pripravit(64556, 65536);
    EXPECT_TRUE(prvni.prozatimniHlavicka);
    EXPECT_TRUE(prvni.zjistitMisto);
    e.Zapsano(0, 64556);
    e.Zapsano(64556, 65536);
    EXPECT_FALSE(e.Pripravit(130092, 65536).prozatimniHlavicka);
    EXPECT_EQ(e.Velikost(), 130092u);
    // A write back into the file (the final header) does not shrink it.
    e.Zapsano(0, 100);
    EXPECT_EQ(e.Velikost(), 130092u);

    EvidenceZapisu odZacatku;
    EXPECT_FALSE(odZacatku.Pripravit(0, 1000).prozatimniHlavicka);
    EXPECT_FALSE(odZacatku.Pripravit(5000, 1000).prozatimniHlavicka);
}

TEST(EvidenceZapisu, VolneMistoSeCteJednouZaCtyriMiB) {
    EvidenceZapisu e;
    int cteni = 0;
    const std::uint32_t blok = 65536;
    for (std::uint64_t pozice = 0; pozice < 64 * kMiB; pozice += blok) {
        if (e.Pripravit(pozice, blok).zjistitMisto) {
            ++cteni;
            e.NastavitVolneMisto(100000 * kMiB);
        }
        ASSERT_TRUE(e.Povolit(blok));
        e.Zapsano(pozice, blok);
    }
    EXPECT_EQ(cteni, 16);
    EXPECT_EQ(e.Zapsanych(), 64 * kMiB);
}

TEST(EvidenceZapisu, ZapisPodRezervuOdmitneAPriZastavovaniPovoli) {
    EvidenceZapisu e;
    // Free: the reserve of 16 MiB + 1 % and 1 MiB more.
    e.Pripravit(0, 0);
    e.NastavitVolneMisto(RezervaDisku(kMiB) + kMiB);
    EXPECT_TRUE(e.Povolit(kMiB - 100));
    EXPECT_TRUE(e.Povolit(kMiB));
    EXPECT_FALSE(e.Povolit(kMiB + 1));
    // What was written since the reading counts against the space read.
    e.Zapsano(0, kMiB / 2);
    EXPECT_FALSE(e.Povolit(kMiB / 2 + 1));
    EXPECT_TRUE(e.PrvniOdmitnuti());
    EXPECT_FALSE(e.PrvniOdmitnuti());  // told once per recording
    // The multiplexer's closing writes may use the reserve.
    e.NastavitZastavovani(true);
    EXPECT_TRUE(e.Povolit(10 * kMiB));
    // An unknown free space (the reading failed) refuses nothing.
    EvidenceZapisu nezname;
    EXPECT_TRUE(nezname.Povolit(kMiB));
    // Less free space than the write itself.
    EvidenceZapisu plny;
    plny.NastavitVolneMisto(1000);
    EXPECT_FALSE(plny.Povolit(2000));
}
