#include "camera/SouboryKamery.h"

#include <gtest/gtest.h>

#include <string>

namespace {

DruhSouboruKamery Snimky(std::uint32_t schema, std::wstring jmeno = L"cam") {
    return {schema, std::move(jmeno), false, true, {L".jpg", L".png", L".bmp", L".tif", L".gif"}};
}

DruhSouboruKamery Zaznamy(std::uint32_t schema) { return {schema, L"cam", false, false, {L".avi", L".wmv"}}; }

}  // namespace

TEST(SouboryKamery, CislovaneSouboryJenTetoKameryAJejichPripony) {
    const DruhSouboruKamery d = Snimky(0);
    for (const wchar_t* nazev : {L"cam_1.jpg", L"cam_0007.png", L"CAM_12.JPG", L"Cam_3.Tif", L"cam_12345678901234567890.gif"})
        EXPECT_TRUE(JeSouborKamery(nazev, d)) << nazev;
    for (const wchar_t* nazev :
         {L"cam2_1.jpg",           // another camera whose name starts with this one's
          L"cam_2_5.jpg",          // the camera "cam_2"
          L"cam_123456789012345678901.jpg",  // more digits than any number the camera writes
          L"cam_.jpg", L"cam_1a.jpg", L"cam_-1.jpg", L"cam_1.jpg.txt", L"cam_1.jpeg", L"cam_1.avi", L"cam.jpg",
          L"_1.jpg", L".jpg", L"..", L"..\\cam_1.jpg", L"sub/cam_1.jpg", L"cam_1.jpg:skryty", L"dovolena.jpg",
          L"cam_1", L"xcam_1.jpg"})
        EXPECT_FALSE(JeSouborKamery(nazev, d)) << nazev;
    // "maxPocetSouboru" 0 writes the chosen name alone; a camera without a name has no numbered files.
    DruhSouboruKamery bezCisla = d;
    bezCisla.bezCisla = true;
    EXPECT_TRUE(JeSouborKamery(L"cam.jpg", bezCisla));
    EXPECT_FALSE(JeSouborKamery(L"cam2.jpg", bezCisla));
    EXPECT_FALSE(JeSouborKamery(L"_1.jpg", Snimky(0, L"")));
    // A long name is judged like any other.
    const std::wstring dlouhe(300, L'x');
    EXPECT_TRUE(JeSouborKamery(dlouhe + L"_5.wmv", DruhSouboruKamery{0, dlouhe, false, false, {L".wmv"}}));
    EXPECT_FALSE(JeSouborKamery(dlouhe + L"y_5.wmv", DruhSouboruKamery{0, dlouhe, false, false, {L".wmv"}}));
}

TEST(SouboryKamery, DatumACasJenKdyzTakKameraPojmenovava) {
    for (std::uint32_t schema : {1u, 2u}) {
        const DruhSouboruKamery s = Snimky(schema);
        EXPECT_TRUE(JeSouborKamery(L"5.12.2026 07-05-09.jpg", s));
        EXPECT_TRUE(JeSouborKamery(L"31.1.2027 23-59-59.7.png", s));
        EXPECT_TRUE(JeSouborKamery(L"cam_4.jpg", s));  // written before the scheme changed
        for (const wchar_t* nazev :
             {L"05.12.2026 07-05-09.jpg", L"5.12.2026 7-05-09.jpg", L"32.1.2026 07-05-09.jpg", L"5.13.2026 07-05-09.jpg",
              L"5.12.2026 24-05-09.jpg", L"5.12.2026 07-60-09.jpg", L"5.12.2026 07-05-09.007.jpg",
              L"5.12.2026 07-05-09.1000.jpg", L"5.12.26 07-05-09.jpg", L"5.12.2026 07-05-09 kopie.jpg",
              L"5.12.2026 07-05-09.wmv"})
            EXPECT_FALSE(JeSouborKamery(nazev, s)) << nazev;
        // Recordings write the hour without its leading zero.
        const DruhSouboruKamery z = Zaznamy(schema);
        EXPECT_TRUE(JeSouborKamery(L"5.12.2026 9-07-03.wmv", z));
        EXPECT_TRUE(JeSouborKamery(L"5.12.2026 19-07-03.45.AVI", z));
        EXPECT_FALSE(JeSouborKamery(L"5.12.2026 09-07-03.wmv", z));
    }
    // Named by number, the folder's date-and-time files may be another camera's: never this one's.
    EXPECT_FALSE(JeSouborKamery(L"5.12.2026 07-05-09.jpg", Snimky(0)));
    EXPECT_FALSE(JeSouborKamery(L"5.12.2026 9-07-03.wmv", Zaznamy(0)));
}

TEST(SouboryKamery, SlozkaZadanaDvakratJednouSObemaDruhy) {
    ParametryKamery p;
    p.snimkyDisk.slozka = L"C:\\Data\\";
    p.snimkyDisk.soubor.jmeno = L"cam";
    p.zaznamVidea.slozka = L"c:\\data";
    p.zaznamVidea.soubor.jmeno = L"cam";
    p.detekcePohybu.video.slozka = L"D:\\";
    auto slozky = SlozkyKamery(p);
    ASSERT_EQ(slozky.size(), 2u);
    EXPECT_EQ(slozky[0].slozka, L"C:\\Data");
    ASSERT_EQ(slozky[0].druhy.size(), 2u);
    EXPECT_TRUE(JeSouborKamery(L"cam_1.jpg", slozky[0]));
    EXPECT_TRUE(JeSouborKamery(L"cam_1.wmv", slozky[0]));
    EXPECT_EQ(slozky[1].slozka, L"D:\\");  // a drive's root keeps its backslash
    EXPECT_FALSE(JeSouborKamery(L"cam_1.jpg", slozky[1]));
    EXPECT_TRUE(JeSouborKamery(L"cam_1.avi", slozky[1]));

    p.detekcePohybu.video.slozka.clear();
    p.zaznamVidea.slozka.clear();
    slozky = SlozkyKamery(p);
    ASSERT_EQ(slozky.size(), 1u);
    EXPECT_EQ(slozky[0].druhy.size(), 1u);
}
