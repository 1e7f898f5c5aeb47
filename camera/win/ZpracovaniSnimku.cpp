#include "camera/win/ZpracovaniSnimku.h"

#include <cstring>
#include <memory>

#include "camera/DruhSnimku.h"
#include "camera/ObrazPixelu.h"
#include "camera/RozmisteniSnimku.h"
#include "camera/UpravySnimku.h"
#include "camera/win/PismoSystemu.h"
#include "knihovna/Chyba.h"
#include "knihovna/win/ChybyWin.h"
#include "knihovna/win/UnikatniHandle.h"
#include "video/win/ChybaGdiPlus.h"

using Holvent::GdiPlus::VyhoditPriChybe;

namespace {

// The bitmap's pixels locked as 32-bit ARGB for the time of one step.
class ZamceneBity {
public:
    ZamceneBity(Gdiplus::Bitmap& bitmapa, UINT rezim) : bitmapa_(bitmapa) {
        Gdiplus::Rect cely(0, 0, static_cast<INT>(bitmapa.GetWidth()), static_cast<INT>(bitmapa.GetHeight()));
        VyhoditPriChybe(bitmapa.LockBits(&cely, rezim, PixelFormat32bppARGB, &data_));
    }
    ~ZamceneBity() { bitmapa_.UnlockBits(&data_); }
    ZamceneBity(const ZamceneBity&) = delete;
    ZamceneBity& operator=(const ZamceneBity&) = delete;

    PohledPixelu Pohled() const {
        return {static_cast<std::uint8_t*>(data_.Scan0), static_cast<int>(data_.Width), static_cast<int>(data_.Height),
                data_.Stride, 4};
    }

private:
    Gdiplus::Bitmap& bitmapa_;
    Gdiplus::BitmapData data_{};
};

constexpr UINT kCteniZapis = Gdiplus::ImageLockModeRead | Gdiplus::ImageLockModeWrite;

bool SouborExistuje(const std::wstring& soubor) {
    const DWORD atributy = ::GetFileAttributesW(soubor.c_str());
    return !soubor.empty() && atributy != INVALID_FILE_ATTRIBUTES && !(atributy & FILE_ATTRIBUTE_DIRECTORY);
}

// Ok, or the status that makes the font unusable (a family the system lacks shows only when asked).
Gdiplus::Status StavPisma(const Gdiplus::Font& pismo) {
    if (pismo.GetLastStatus() != Gdiplus::Ok) return pismo.GetLastStatus();
    Gdiplus::FontFamily rodina;
    return pismo.GetFamily(&rodina);
}

// The block's font, or its size and style in the default GUI font's family; raises the status of
// the stand-in when neither can be used.
std::unique_ptr<Gdiplus::Font> VytvoritPismo(HDC dc, const PopisPisma& popis) {
    LOGFONTW logfont = LogfontZPopisu(popis);
    auto pismo = std::make_unique<Gdiplus::Font>(dc, &logfont);
    if (StavPisma(*pismo) == Gdiplus::Ok) return pismo;
    const LOGFONTW nahradni = LogfontZPopisu(VychoziPismoGui());
    std::memcpy(logfont.lfFaceName, nahradni.lfFaceName, sizeof logfont.lfFaceName);
    pismo = std::make_unique<Gdiplus::Font>(dc, &logfont);
    VyhoditPriChybe(StavPisma(*pismo));
    return pismo;
}

}  // namespace

void ZpracovaniSnimku::StupneSede(Gdiplus::Bitmap& bitmapa) {
    ZamceneBity bity(bitmapa, kCteniZapis);
    PrevestNaStupneSede(bity.Pohled());
}

void ZpracovaniSnimku::Invertovat(Gdiplus::Bitmap& bitmapa) {
    ZamceneBity bity(bitmapa, kCteniZapis);
    InvertovatBarvy(bity.Pohled());
}

void ZpracovaniSnimku::PrekrytObrazkem(Gdiplus::Bitmap& bitmapa, const std::wstring& soubor, std::uint32_t kde,
                                       std::uint32_t pruhlednaBarva, std::uint32_t alfa) {
    if (!SouborExistuje(soubor)) Knihovna::Vyhodit(Knihovna::kE_INVALIDARG);
    // The overlay is copied into an own 32-bit buffer first: a 24-bit picture locked for
    // writing would drop the alpha the opacity and the colour key set.
    ObrazPixelu prekryv;
    {
        Gdiplus::Bitmap nacteny(soubor.c_str());
        VyhoditPriChybe(nacteny.GetLastStatus());
        ZamceneBity bity(nacteny, Gdiplus::ImageLockModeRead);
        const PohledPixelu zdroj = bity.Pohled();
        prekryv = ObrazPixelu(zdroj.sirka, zdroj.vyska, 4);
        for (int y = 0; y < zdroj.vyska; ++y)
            std::memcpy(prekryv.Pixel(0, y), zdroj.Pixel(0, y), static_cast<size_t>(zdroj.sirka) * 4);
    }
    PripravitPrekryv(prekryv.Pohled(), alfa, pruhlednaBarva);
    const BodObrazu bod = UmisteniPrekryvu(kde, static_cast<int>(bitmapa.GetWidth()),
                                           static_cast<int>(bitmapa.GetHeight()), prekryv.sirka, prekryv.vyska);
    Gdiplus::Bitmap obal(prekryv.sirka, prekryv.vyska, prekryv.sirka * 4, PixelFormat32bppARGB, prekryv.data.data());
    VyhoditPriChybe(obal.GetLastStatus());
    Gdiplus::Graphics g(&bitmapa);
    VyhoditPriChybe(g.GetLastStatus());
    VyhoditPriChybe(g.DrawImage(&obal, bod.x, bod.y, prekryv.sirka, prekryv.vyska));
}

void ZpracovaniSnimku::NakreslitText(Gdiplus::Bitmap& bitmapa, const std::wstring& text,
                                     const ParametrySnimku::Text& blok) {
    // The time stamp is the picture's evidence: a snapshot whose text cannot be drawn fails.
    Knihovna::WinApi::DcOkna obrazovka(nullptr);
    if (!obrazovka.Dc()) Knihovna::WinApi::VyhoditPosledniChybu();
    const auto pismo = VytvoritPismo(obrazovka.Dc(), blok.logfont);
    const std::uint32_t barva = blok.barvaPisma;
    Gdiplus::SolidBrush stetec(Gdiplus::Color(255, static_cast<BYTE>(barva), static_cast<BYTE>(barva >> 8),
                                              static_cast<BYTE>(barva >> 16)));
    VyhoditPriChybe(stetec.GetLastStatus());
    const RozvrzeniTextu r =
        RozvrhnoutText(blok.kde, static_cast<int>(bitmapa.GetWidth()), static_cast<int>(bitmapa.GetHeight()));
    Gdiplus::StringFormat format;
    VyhoditPriChybe(format.SetAlignment(static_cast<Gdiplus::StringAlignment>(r.zarovnani)));
    VyhoditPriChybe(format.SetLineAlignment(static_cast<Gdiplus::StringAlignment>(r.zarovnaniRadku)));
    Gdiplus::Graphics g(&bitmapa);
    VyhoditPriChybe(g.GetLastStatus());
    if (r.svisle) {
        // Wine ignores the vertical direction flag; a quarter turn of the transform draws the same
        // downward text on both systems. The turned line lies left of its origin, so the origin
        // moves one line height right: the text starts at the point, as vertical text does.
        const Gdiplus::REAL radek = pismo->GetHeight(&g);
        VyhoditPriChybe(g.TranslateTransform(static_cast<Gdiplus::REAL>(r.x) + radek, static_cast<Gdiplus::REAL>(r.y)));
        VyhoditPriChybe(g.RotateTransform(90));
        VyhoditPriChybe(g.DrawString(text.c_str(), -1, pismo.get(), Gdiplus::PointF(0, 0), &format, &stetec));
        return;
    }
    const Gdiplus::RectF rozvrzeni(0, 0, static_cast<Gdiplus::REAL>(r.sirka), static_cast<Gdiplus::REAL>(r.vyska));
    VyhoditPriChybe(g.DrawString(text.c_str(), -1, pismo.get(), rozvrzeni, &format, &stetec));
}

void ZpracovaniSnimku::Zpracovat(Gdiplus::Bitmap& bitmapa, const ParametrySnimku& blok, int druh, bool automaticky,
                                 const Knihovna::MistniCas& cas, const KrokModulu& moduly) {
    if (druh == kSnimekZadny) return;
    if (blok.upravy.stupneSede) StupneSede(bitmapa);
    if (blok.upravy.inverzeBarev) Invertovat(bitmapa);
    const int otoceni = TypOtoceni(blok.upravy.otoceni);
    if (otoceni != kBezOtoceni) VyhoditPriChybe(bitmapa.RotateFlip(static_cast<Gdiplus::RotateFlipType>(otoceni)));
    if (blok.upravy.preklopitSvisle) VyhoditPriChybe(bitmapa.RotateFlip(Gdiplus::RotateNoneFlipY));
    if (blok.upravy.preklopitVodorovne) VyhoditPriChybe(bitmapa.RotateFlip(Gdiplus::RotateNoneFlipX));
    if (PouzitObrazek(druh, blok, automaticky, SouborExistuje(blok.soubor.soubor)))
        PrekrytObrazkem(bitmapa, blok.soubor.soubor, blok.soubor.kde, blok.soubor.pruhlednaBarva, blok.soubor.alfa);
    if (PouzitText(druh, blok, automaticky)) {
        const std::wstring text = TextSnimku(blok.text, cas);
        if (!text.empty()) NakreslitText(bitmapa, text, blok.text);
    }
    if (moduly) moduly(bitmapa, druh);
}

LRESULT ZpracovaniSnimku::ZpracovatZpravu(LPARAM bitmapa, const ParametrySnimku& blok, int druh, bool automaticky,
                                          const Knihovna::MistniCas& cas, const KrokModulu& moduly) noexcept {
    try {
        auto* b = reinterpret_cast<Gdiplus::Bitmap*>(bitmapa);
        if (!b) return static_cast<LRESULT>(Knihovna::kE_INVALIDARG);
        Zpracovat(*b, blok, druh, automaticky, cas, moduly);
        return 0;
    } catch (...) {
        return static_cast<LRESULT>(Knihovna::HresultAktualniVyjimky());
    }
}
