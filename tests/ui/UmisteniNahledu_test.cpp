#include "ui/UmisteniNahledu.h"

#include <gtest/gtest.h>

using Knihovna::Obdelnik;

// A larger picture shrinks keeping its ratio and is centred (also when only one side is too large, and without a
// 32-bit overflow in the cross products); a smaller one is never enlarged; no size gives no room, a hairline keeps
// a pixel.
TEST(UmisteniNahledu, ZmensiSPomeremStranVycentrujeANezvetsuje) {
    struct Pripad {
        int sirka, vyska, pole, vyskaPole;
        Obdelnik kam;
    };
    for (const Pripad& p : {Pripad{640, 480, 200, 200, {0, 25, 200, 175}}, {300, 600, 200, 150, {62, 0, 137, 150}},
                            {1280, 960, 320, 240, {0, 0, 320, 240}}, {400, 100, 200, 200, {0, 75, 200, 125}},
                            {60000, 45000, 90000, 30000, {25000, 0, 65000, 30000}}, {50, 40, 200, 200, {75, 80, 125, 120}},
                            {200, 200, 200, 200, {0, 0, 200, 200}}, {1, 1, 3, 3, {1, 1, 2, 2}}, {0, 100, 200, 200, {}},
                            {100, 0, 200, 200, {}}, {100, 100, 0, 200, {}}, {100, 100, 200, -5, {}}, {-100, 100, 200, 200, {}},
                            {10000, 1, 100, 100, {0, 49, 100, 50}}})
        EXPECT_EQ(UmisteniNahledu(p.sirka, p.vyska, p.pole, p.vyskaPole), p.kam)
            << p.sirka << "x" << p.vyska << " in " << p.pole << "x" << p.vyskaPole;
}
