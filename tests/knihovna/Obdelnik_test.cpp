#include "knihovna/Obdelnik.h"

#include <gtest/gtest.h>

using namespace Knihovna;

TEST(UmisteniOkna, UlozenaPolohaAVelikost) {
    EXPECT_EQ(SlozitDvojici(100, 200), 0x00C80064u);
    EXPECT_EQ(DolniPolovina(0x00C80064u), 100);
    EXPECT_EQ(HorniPolovina(0x00C80064u), 200);
    EXPECT_EQ(HorniPolovina(SlozitDvojici(0, 65535)), 65535);  // unsigned halves
    // A position left of and above the primary monitor comes back as it was stored.
    EXPECT_EQ(DolniPolovinaSeZnamenkem(SlozitDvojici(-1200, -300)), -1200);
    EXPECT_EQ(HorniPolovinaSeZnamenkem(SlozitDvojici(-1200, -300)), -300);
    EXPECT_EQ(DolniPolovinaSeZnamenkem(SlozitDvojici(1500, 0)), 1500);
    EXPECT_EQ(HorniPolovinaSeZnamenkem(SlozitDvojici(0, 32767)), 32767);
}

TEST(UmisteniOkna, PolohaZUmisteniOknaSePrevedeNaObrazovku) {
    const Obdelnik monitor{0, 0, 1280, 800};
    // Taskbar at the top (40 px) or at the left (60 px): the stored rectangle must be where the window is.
    EXPECT_EQ(ZPracovniPlochyNaObrazovku({100, 60, 740, 540}, monitor, {0, 40, 1280, 800}),
              (Obdelnik{100, 100, 740, 580}));
    EXPECT_EQ(ZPracovniPlochyNaObrazovku({40, 100, 680, 580}, monitor, {60, 0, 1280, 800}),
              (Obdelnik{100, 100, 740, 580}));
    // Taskbar at the bottom: the coordinate spaces agree.
    EXPECT_EQ(ZPracovniPlochyNaObrazovku({100, 100, 740, 580}, monitor, {0, 0, 1280, 760}),
              (Obdelnik{100, 100, 740, 580}));
    // A monitor left of the primary one with its own taskbar at the top.
    EXPECT_EQ(ZPracovniPlochyNaObrazovku({-1000, 10, -600, 310}, {-1280, 0, 0, 1024}, {-1280, 30, 0, 1024}),
              (Obdelnik{-1000, 40, -600, 340}));
}

TEST(UmisteniOkna, OknoSePritahneNaPracovniPlochu) {
    const Obdelnik plocha{0, 0, 1280, 770};
    EXPECT_EQ(PritahnoutDoOblasti({100, 100, 740, 580}, plocha), (Obdelnik{100, 100, 740, 580}));
    EXPECT_EQ(PritahnoutDoOblasti({1000, 600, 1640, 1080}, plocha), (Obdelnik{640, 290, 1280, 770}));
    EXPECT_EQ(PritahnoutDoOblasti({-50, -20, 590, 460}, plocha), (Obdelnik{0, 0, 640, 480}));
    EXPECT_EQ(PritahnoutDoOblasti({10, 10, 2010, 1010}, plocha), (Obdelnik{0, 0, 1280, 770}));
    const Obdelnik druhy{1280, 0, 2560, 1024};
    EXPECT_EQ(PritahnoutDoOblasti({3000, 10, 3400, 310}, druhy), (Obdelnik{2160, 10, 2560, 310}));
}
