#include <gtest/gtest.h>

#include "knihovna/Chyba.h"
#include "knihovna/Formatovani.h"
#include "knihovna/KodovaniUtf16.h"
#include "video/SouborPrx.h"

using Holvent::DirectShow::HodnotyPrx;
using Holvent::DirectShow::SouborPrx;

namespace {

struct Parametry {
    std::wstring audioBitrate = L"48024", videoBitrate = L"250000", dwbitrate = L"250000", cas = L"666666",
                 sirka = L"320", vyska = L"240";
};

// A profile with an audio and a video stream as a profile editor writes it: UTF-16LE with a byte-order mark,
// CRLF lines, a name outside ASCII (one character outside the BMP) and attribute names that contain others.
std::string Profil(const Parametry& p) {
    const std::wstring text = Knihovna::Formatovat(
        L"\xFEFF<profile version=\"589824\" storageformat=\"1\" name=\"Záznam dvůr \U0001F600\" description=\"\">\r\n"
        L" <streamconfig majortype=\"{73647561-0000-0010-8000-00AA00389B71}\" streamnumber=\"1\" "
        L"streamname=\"Audio Stream\" bitrate=\"%s\" bufferwindow=\"-1\">\r\n"
        L"  <wmmediatype subtype=\"{00000161-0000-0010-8000-00AA00389B71}\" lsamplesize=\"4459\">\r\n"
        L"   <waveformatex wFormatTag=\"353\" nChannels=\"2\" nSamplesPerSec=\"44100\" nAvgBytesPerSec=\"6003\"/>\r\n"
        L"  </wmmediatype>\r\n"
        L" </streamconfig>\r\n"
        L" <streamconfig majortype=\"{73646976-0000-0010-8000-00AA00389B71}\" streamnumber=\"2\" "
        L"streamname=\"Video Stream\" bitrate=\"%s\" bufferwindow=\"5000\">\r\n"
        L"  <videomediaprops maxkeyframespacing=\"80000000\" quality=\"75\"/>\r\n"
        L"  <wmmediatype subtype=\"{33564D57-0000-0010-8000-00AA00389B71}\" lsamplesize=\"0\">\r\n"
        L"   <videoinfoheader dwbitrate=\"%s\" dwbiterrorrate=\"0\" avgtimeperframe=\"%s\">\r\n"
        L"    <rcsource left=\"0\" top=\"0\" right=\"%s\" bottom=\"%s\"/>\r\n"
        L"    <rctarget left=\"0\" top=\"0\" right=\"%s\" bottom=\"%s\"/>\r\n"
        L"    <bitmapinfoheader biwidth=\"%s\" biheight=\"%s\" biplanes=\"1\" bibitcount=\"24\"/>\r\n"
        L"   </videoinfoheader>\r\n"
        L"  </wmmediatype>\r\n"
        L" </streamconfig>\r\n"
        L"</profile>\r\n",
        p.audioBitrate.c_str(), p.videoBitrate.c_str(), p.dwbitrate.c_str(), p.cas.c_str(), p.sirka.c_str(),
        p.vyska.c_str(), p.sirka.c_str(), p.vyska.c_str(), p.sirka.c_str(), p.vyska.c_str());
    return Knihovna::KodovatUtf16LE(text);
}

void OcekavatChybnyVstup(const std::string& bajty) {
    try {
        SouborPrx(bajty).Hodnoty();
        ADD_FAILURE() << "no error";
    } catch (const Knihovna::Chyba& chyba) {
        EXPECT_EQ(chyba.Hr(), Knihovna::kE_INVALIDARG);
        EXPECT_FALSE(chyba.Text().empty());
    }
}

}  // namespace

TEST(SouborPrx, UlozeniZapiseHodnotyVideaAOstatniBajtyNecha) {
    SouborPrx soubor(Profil({}));
    EXPECT_EQ(soubor.Hodnoty(), (HodnotyPrx{.sirka = 320, .vyska = 240, .snimkuZaSekundu = 15, .bitrate = 250000}));

    soubor.Zapsat({.sirka = 640, .vyska = 480, .snimkuZaSekundu = 30, .bitrate = 300000});
    // The audio stream keeps its bit rate; both rectangles get the size; 30 fps is 333333 units.
    EXPECT_EQ(soubor.Bajty(), Profil({.videoBitrate = L"300000", .dwbitrate = L"300000", .cas = L"333333",
                                      .sirka = L"640", .vyska = L"480"}));
    EXPECT_EQ(soubor.Hodnoty(), (HodnotyPrx{.sirka = 640, .vyska = 480, .snimkuZaSekundu = 30, .bitrate = 300000}));

    // Limits of the ranges are written; a step outside skips that value only.
    soubor.Zapsat({.sirka = 5000, .vyska = 100, .snimkuZaSekundu = 60, .bitrate = 100});
    EXPECT_EQ(soubor.Hodnoty(), (HodnotyPrx{.sirka = 5000, .vyska = 100, .snimkuZaSekundu = 60, .bitrate = 100}));
    const std::string pred = soubor.Bajty();
    soubor.Zapsat({.sirka = 99, .vyska = 5001, .snimkuZaSekundu = 0, .bitrate = 50000001});
    EXPECT_EQ(soubor.Bajty(), pred);
    soubor.Zapsat({.sirka = 99, .vyska = 5001, .snimkuZaSekundu = 61, .bitrate = 50000000});
    EXPECT_EQ(soubor.Hodnoty(), (HodnotyPrx{.sirka = 5000, .vyska = 100, .snimkuZaSekundu = 60, .bitrate = 50000000}));
}

TEST(SouborPrx, ChybnyVstupSeNenacteAUlozeniNicNezmeni) {
    OcekavatChybnyVstup(Profil({}) + "x");                                  // odd size
    OcekavatChybnyVstup(Profil({}) + std::string(SouborPrx::kMaxVelikost, ' '));  // over 1 MiB
    OcekavatChybnyVstup(Profil({.cas = L"0"}));
    OcekavatChybnyVstup(Profil({.cas = L"abc"}));
    OcekavatChybnyVstup(Profil({.cas = L""}));
    OcekavatChybnyVstup(Profil({.cas = L"4294967296"}));
    OcekavatChybnyVstup(Profil({.sirka = L"3 20"}));
    std::wstring bezAtributu = Knihovna::DekodovatUtf16LE(Profil({}));
    bezAtributu.replace(bezAtributu.find(L"avgtimeperframe"), 3, L"AVG");  // names are case-sensitive
    OcekavatChybnyVstup(Knihovna::KodovatUtf16LE(bezAtributu));
    std::string bezUvozovky = Profil({});
    bezUvozovky.resize(bezUvozovky.rfind(Knihovna::KodovatUtf16LE(L"\" biplanes")));
    bezUvozovky += Knihovna::KodovatUtf16LE(L"240");
    OcekavatChybnyVstup(bezUvozovky);

    // A value that cannot be written leaves every other value unwritten too: a file without "bottom=", a stream's
    // bitrate without its closing quote (it runs to the quote of dwbitrate, so writing it would delete that name),
    // and a value of the picture's size that runs over the next name. Each is refused and stays readable.
    auto Nahradit = [](std::wstring t, const std::wstring& co, const std::wstring& cim, bool vse) {
        for (auto i = t.find(co); i != std::wstring::npos; i = vse ? t.find(co, i + cim.size()) : std::wstring::npos)
            t.replace(i, co.size(), cim);
        return Knihovna::KodovatUtf16LE(t);
    };
    const std::wstring text = Knihovna::DekodovatUtf16LE(Profil({}));
    for (const std::string& bajty :
         {Nahradit(text, L"bottom=", L"Bottom=", true), Nahradit(text, L"right=\"320\"", L"right=\"320 ", false),
          Knihovna::KodovatUtf16LE(L"<streamconfig bitrate=\"1 <x dwbitrate=\"250000\" avgtimeperframe=\"333333\" "
                                   L"right=\"320\" bottom=\"240\" biwidth=\"320\" biheight=\"240\"/></streamconfig>")}) {
        SouborPrx soubor(bajty);
        const bool citelny = bajty.find(Knihovna::KodovatUtf16LE(L"bottom=")) != std::string::npos;
        if (citelny) {
            EXPECT_EQ(soubor.Hodnoty().bitrate, 250000);
        }
        EXPECT_THROW(soubor.Zapsat({.sirka = 640, .vyska = 480, .snimkuZaSekundu = 30, .bitrate = 300000}), Knihovna::Chyba);
        EXPECT_EQ(soubor.Bajty(), bajty);
        if (citelny) {
            EXPECT_EQ(soubor.Hodnoty().sirka, 320);
        }
    }
}

TEST(SouborPrx, PriponaBezOhleduNaVelikostPismen) {
    EXPECT_TRUE(SouborPrx::MaPriponuPrx(L"C:\\profily\\video.prx"));
    EXPECT_TRUE(SouborPrx::MaPriponuPrx(L"VIDEO.PrX"));
    EXPECT_FALSE(SouborPrx::MaPriponuPrx(L"video.prx.txt"));
    EXPECT_FALSE(SouborPrx::MaPriponuPrx(L"prx"));
}
