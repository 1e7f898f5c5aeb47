#include "video/HlavickaAvi.h"

#include <algorithm>
#include <cstring>

namespace Holvent::DirectShow {

namespace {

class Zapis {
public:
    explicit Zapis(std::vector<std::uint8_t>& b) : b_(b) {}
    void Fcc(const char* t) {
        for (int i = 0; i < 4; ++i) b_.push_back(static_cast<std::uint8_t>(t[i]));
    }
    void U16(std::uint32_t v) {
        b_.push_back(static_cast<std::uint8_t>(v));
        b_.push_back(static_cast<std::uint8_t>(v >> 8));
    }
    void U32(std::uint32_t v) {
        U16(v & 0xFFFF);
        U16(v >> 16);
    }
    // Opens a chunk; the returned position is closed by Zavrit.
    std::size_t Otevrit(const char* fcc) {
        Fcc(fcc);
        U32(0);
        return b_.size();
    }
    void Zavrit(std::size_t zacatek) {
        const auto velikost = static_cast<std::uint32_t>(b_.size() - zacatek);
        for (int i = 0; i < 4; ++i) b_[zacatek - 4 + static_cast<std::size_t>(i)] = static_cast<std::uint8_t>(velikost >> (8 * i));
        if (velikost & 1) b_.push_back(0);
    }
    void Bajty(const std::vector<std::uint8_t>& v) {
        for (const auto x : v) b_.push_back(x);
    }
    std::size_t Velikost() const { return b_.size(); }

private:
    std::vector<std::uint8_t>& b_;
};

constexpr std::uint32_t kAvifIsInterleaved = 0x100;
constexpr std::int64_t kVychoziInterval = 333333;  // 30 fps when the format does not say

std::int64_t Interval(const ProudAvi& p) { return p.intervalSnimku > 0 ? p.intervalSnimku : kVychoziInterval; }

std::uint32_t VelikostSnimku(const ProudAvi& p) {
    if (p.velikostSnimku) return p.velikostSnimku;
    const std::uint64_t radek = ((static_cast<std::uint64_t>(std::max(p.sirka, 0)) * p.bituNaPixel + 31) / 32) * 4;
    return static_cast<std::uint32_t>(radek * static_cast<std::uint64_t>(p.vyska < 0 ? -std::int64_t{p.vyska} : p.vyska));
}

void ZapsatStrl(Zapis& z, const ProudAvi& p) {
    const auto strl = z.Otevrit("LIST");
    z.Fcc("strl");
    const auto strh = z.Otevrit("strh");
    z.Fcc(p.video ? "vids" : "auds");
    z.U32(p.video ? p.komprese : 0);  // fccHandler
    z.U32(0);                         // dwFlags
    z.U16(0);                         // wPriority
    z.U16(0);                         // wLanguage
    z.U32(0);                         // dwInitialFrames
    if (p.video) {
        z.U32(static_cast<std::uint32_t>(Interval(p)));  // dwScale / dwRate = seconds per frame
        z.U32(10000000);
    } else {
        z.U32(std::max<std::uint32_t>(p.zarovnaniBloku, 1));
        z.U32(p.bajtuZaSekundu);
    }
    z.U32(0);  // dwStart
    z.U32(0);  // dwLength: unknown while recording
    z.U32(p.video ? VelikostSnimku(p) : p.bajtuZaSekundu);
    z.U32(0xFFFFFFFF);  // dwQuality: default
    z.U32(p.video ? 0 : p.zarovnaniBloku);
    z.U16(0);
    z.U16(0);
    z.U16(p.video ? static_cast<std::uint32_t>(p.sirka) & 0xFFFF : 0);
    z.U16(p.video ? static_cast<std::uint32_t>(p.vyska < 0 ? -p.vyska : p.vyska) & 0xFFFF : 0);
    z.Zavrit(strh);
    const auto strf = z.Otevrit("strf");
    if (p.video) {
        z.U32(40);
        z.U32(static_cast<std::uint32_t>(p.sirka));
        z.U32(static_cast<std::uint32_t>(p.vyska));
        z.U16(1);
        z.U16(p.bituNaPixel);
        z.U32(p.komprese);
        z.U32(VelikostSnimku(p));
        for (int i = 0; i < 4; ++i) z.U32(0);
    } else {
        z.U16(p.formatZvuku);
        z.U16(p.kanalu);
        z.U32(p.vzorkuZaSekundu);
        z.U32(p.bajtuZaSekundu);
        z.U16(p.zarovnaniBloku);
        z.U16(p.bituVzorku);
        z.U16(static_cast<std::uint32_t>(p.dalsiBajty.size()));
        z.Bajty(p.dalsiBajty);
    }
    z.Zavrit(strf);
    z.Zavrit(strl);
}

}  // namespace

std::vector<std::uint8_t> ProzatimniHlavickaAvi(const std::vector<ProudAvi>& proudy, std::uint64_t zacatekDat) {
    std::vector<std::uint8_t> b;
    if (proudy.empty() || zacatekDat > 0x7FFFFFFF) return b;
    b.reserve(static_cast<std::size_t>(zacatekDat));
    Zapis z(b);
    z.Fcc("RIFF");
    z.U32(kOtevrenaVelikost);
    z.Fcc("AVI ");
    const auto hdrl = z.Otevrit("LIST");
    z.Fcc("hdrl");
    const ProudAvi* video = nullptr;
    std::uint32_t bajtuZaSekundu = 0;
    for (const auto& p : proudy) {
        if (p.video && !video) video = &p;
        bajtuZaSekundu += p.video ? static_cast<std::uint32_t>(VelikostSnimku(p) * (10000000.0 / Interval(p)))
                                  : p.bajtuZaSekundu;
    }
    const auto avih = z.Otevrit("avih");
    z.U32(video ? static_cast<std::uint32_t>(Interval(*video) / 10) : 0);  // dwMicroSecPerFrame
    z.U32(bajtuZaSekundu);                                                  // dwMaxBytesPerSec
    z.U32(0);                                                               // dwPaddingGranularity
    z.U32(kAvifIsInterleaved);
    z.U32(0);  // dwTotalFrames: unknown while recording
    z.U32(0);  // dwInitialFrames
    z.U32(static_cast<std::uint32_t>(proudy.size()));
    z.U32(video ? VelikostSnimku(*video) : 0);
    z.U32(video ? static_cast<std::uint32_t>(video->sirka) : 0);
    z.U32(video ? static_cast<std::uint32_t>(video->vyska < 0 ? -video->vyska : video->vyska) : 0);
    for (int i = 0; i < 4; ++i) z.U32(0);
    z.Zavrit(avih);
    for (const auto& p : proudy) ZapsatStrl(z, p);
    z.Zavrit(hdrl);
    // JUNK (8 bytes at least) up to the movi list's 12 bytes.
    if (z.Velikost() + 8 + 12 > zacatekDat) return {};
    const auto junk = z.Otevrit("JUNK");
    b.resize(static_cast<std::size_t>(zacatekDat - 12), 0);
    z.Zavrit(junk);
    if (b.size() != zacatekDat - 12) return {};  // an odd gap cannot be filled by an even chunk
    z.Fcc("LIST");
    z.U32(kOtevrenaVelikost);
    z.Fcc("movi");
    return b;
}

}  // namespace Holvent::DirectShow
