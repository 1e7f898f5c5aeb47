#include "knihovna/Obdelnik.h"

#include <gtest/gtest.h>

using namespace Knihovna;

TEST(UmisteniOkna, UlozenaPolohaAVelikost) {
    EXPECT_EQ(SlozitDvojici(100, 200), 0x00C80064u);
    EXPECT_EQ(DolniPolovina(0x00C80064u), 100);
    EXPECT_EQ(HorniPolovina(0x00C80064u), 200);
    EXPECT_EQ(HorniPolovina(SlozitDvojici(0, 65535)), 65535);  // unsigned halves
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
