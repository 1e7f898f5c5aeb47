#include "ui/UmisteniNahledu.h"

#include <gtest/gtest.h>

using Knihovna::Obdelnik;

TEST(UmisteniNahledu, VetsiObrazekSeZmensiSPomeremStranAVycentruje) {
    // Wide: the width fills the box, the height follows, centred vertically.
    EXPECT_EQ(UmisteniNahledu(640, 480, 200, 200), (Obdelnik{0, 25, 200, 175}));
    // Tall: the other way round.
    EXPECT_EQ(UmisteniNahledu(300, 600, 200, 150), (Obdelnik{62, 0, 137, 150}));
    // Exactly the box's ratio fills it.
    EXPECT_EQ(UmisteniNahledu(1280, 960, 320, 240), (Obdelnik{0, 0, 320, 240}));
    // Only one side too large still scales the whole picture.
    EXPECT_EQ(UmisteniNahledu(400, 100, 200, 200), (Obdelnik{0, 75, 200, 125}));
    // A camera-sized picture in a large box: no 32-bit overflow in the cross products.
    EXPECT_EQ(UmisteniNahledu(60000, 45000, 90000, 30000), (Obdelnik{25000, 0, 65000, 30000}));
}

TEST(UmisteniNahledu, MensiObrazekSeNezvetsuje) {
    EXPECT_EQ(UmisteniNahledu(50, 40, 200, 200), (Obdelnik{75, 80, 125, 120}));
    EXPECT_EQ(UmisteniNahledu(200, 200, 200, 200), (Obdelnik{0, 0, 200, 200}));
    EXPECT_EQ(UmisteniNahledu(1, 1, 3, 3), (Obdelnik{1, 1, 2, 2}));
}

TEST(UmisteniNahledu, NulaveAZaporneRozmeryDajiPrazdneMisto) {
    EXPECT_EQ(UmisteniNahledu(0, 100, 200, 200), Obdelnik{});
    EXPECT_EQ(UmisteniNahledu(100, 0, 200, 200), Obdelnik{});
    EXPECT_EQ(UmisteniNahledu(100, 100, 0, 200), Obdelnik{});
    EXPECT_EQ(UmisteniNahledu(100, 100, 200, -5), Obdelnik{});
    EXPECT_EQ(UmisteniNahledu(-100, 100, 200, 200), Obdelnik{});
    // A hairline picture keeps a pixel instead of vanishing.
    EXPECT_EQ(UmisteniNahledu(10000, 1, 100, 100), (Obdelnik{0, 49, 100, 50}));
}
