// The snapshot path of the capture object: the grabbed frame as a bitmap, the strip, the
// frame-ready notification and the encoders.
#include "video/win/ZachytavaniVidea.h"

#include <cstdlib>
#include <cstring>

#include "knihovna/Formatovani.h"
#include "knihovna/win/UnikatniHandle.h"
#include "video/KoderyObrazu.h"
#include "video/PruhSnimku.h"
#include "video/win/ChybaGdiPlus.h"
#include "video/win/ObrazVPameti.h"
#include "video/win/OsmibitovaBitmapa.h"
#include "video/win/TypyMedii.h"

namespace Holvent::DirectShow {

using Knihovna::kE_HANDLE;
using Knihovna::kE_NOTIMPL;
using Knihovna::Vyhodit;

GdiPlus::BitmapaGdiPlus ZachytavaniVidea::BitmapaZBufferu() const {
    const BITMAPINFOHEADER& h = hlavicka_.bmiHeader;
    const int sirka = h.biWidth;
    const int vyska = std::abs(h.biHeight);
    // The bitmap gets pixels of its own: one made over the frame buffer would change (or point
    // into freed memory) with the next grab.
    auto bitmapa = GdiPlus::PrevzitBitmapu(new Gdiplus::Bitmap(sirka, vyska, PixelFormat24bppRGB));
    GdiPlus::VyhoditPriChybe(bitmapa->GetLastStatus());
    Gdiplus::Rect oblast(0, 0, sirka, vyska);
    Gdiplus::BitmapData data{};
    GdiPlus::VyhoditPriChybe(bitmapa->LockBits(&oblast, Gdiplus::ImageLockModeWrite, PixelFormat24bppRGB, &data));
    const long radek = BajtuRadku(h);
    const size_t delka = static_cast<size_t>(sirka) * 3;
    for (int y = 0; y < vyska; ++y) {
        // Bottom-up frames (positive height) start with the last row.
        const int zdrojovy = h.biHeight > 0 ? vyska - 1 - y : y;
        std::memcpy(static_cast<std::uint8_t*>(data.Scan0) + static_cast<ptrdiff_t>(y) * data.Stride,
                    buffer_.data() + static_cast<size_t>(zdrojovy) * static_cast<size_t>(radek), delka);
    }
    GdiPlus::VyhoditPriChybe(bitmapa->UnlockBits(&data));
    return bitmapa;
}

GdiPlus::BitmapaGdiPlus ZachytavaniVidea::VytvoritBitmapu() {
    if (!GrafExistuje()) return {};
    SejmoutSnimek();
    return BitmapaZBufferu();
}

void ZachytavaniVidea::UlozitSnimek(const std::wstring& cesta) { Ulozit(cesta, false, 0); }

void ZachytavaniVidea::UlozitSnimek(const std::wstring& cesta, std::uint32_t kvalita) { Ulozit(cesta, true, kvalita); }

std::vector<std::uint8_t> ZachytavaniVidea::UlozitSnimekDoPameti(std::uint32_t kvalita) {
    std::vector<std::uint8_t> data;
    Zpracovat(kKoderJpeg, true, kvalita, false,
              [&](Gdiplus::Image& obraz, const CLSID& koder, const Gdiplus::EncoderParameters* parametry) {
                  data = GdiPlus::UlozitDoPameti(obraz, koder, parametry);
              });
    return data;
}

void ZachytavaniVidea::Ulozit(const std::wstring& cesta, bool sKvalitou, std::uint32_t kvalita) {
    // Without the quality argument the bitmap lives only for this save, whatever its outcome.
    Zpracovat(vybranyKoder_, sKvalitou, kvalita, sKvalitou,
              [&](Gdiplus::Image& obraz, const CLSID& koder, const Gdiplus::EncoderParameters* parametry) {
                  GdiPlus::VyhoditPriChybe(obraz.Save(cesta.c_str(), &koder, parametry));
              });
}

void ZachytavaniVidea::Zpracovat(int indexKoderu, bool sKvalitou, std::uint32_t kvalita, bool ponechatBitmapu,
                                 const ZapisObrazu& zapis) {
    SejmoutSnimek();
    bitmapa_ = BitmapaZBufferu();
    struct Uklid {
        ZachytavaniVidea& z;
        bool uvolnit;
        ~Uklid() {
            if (uvolnit) z.bitmapa_.reset();
        }
    } uklid{*this, !ponechatBitmapu};

    PridatPruh();
    OznamitSnimek();

    const Koder& koder = kodery_[static_cast<size_t>(indexKoderu)];
    if (!koder.nalezen) {
        Vyhodit(kE_NOTIMPL, Knihovna::Formatovat(L"Pro formát %s není v systému k dispozici kodér obrázků",
                                                  kKoderyObrazu[static_cast<size_t>(indexKoderu)].mime));
    }
    Gdiplus::EncoderParameters parametry{};
    ULONG hodnotaKvality = kvalita;
    const bool predatKvalitu = sKvalitou && kvalita <= 100;
    if (predatKvalitu) {
        parametry.Count = 1;
        parametry.Parameter[0].Guid = Gdiplus::EncoderQuality;
        parametry.Parameter[0].Type = Gdiplus::EncoderParameterValueTypeLong;
        parametry.Parameter[0].NumberOfValues = 1;
        parametry.Parameter[0].Value = &hodnotaKvality;
    }
    GdiPlus::BitmapaGdiPlus osmibitova;
    Gdiplus::Bitmap* ukladana = bitmapa_.get();
    if (indexKoderu == kKoderGif) {
        osmibitova = GdiPlus::NaOsmibitovou(*bitmapa_);
        ukladana = osmibitova.get();
    }
    zapis(*ukladana, koder.clsid, predatKvalitu ? &parametry : nullptr);
}

void ZachytavaniVidea::OznamitSnimek() {
    if (!cil_ || !zpravaSnimek_) return;
    struct Oznamovani {
        bool& priznak;
        explicit Oznamovani(bool& p) : priznak(p) { priznak = true; }
        ~Oznamovani() { priznak = false; }
    } oznamovani(oznamuje_);
    const LRESULT vysledek = ::SendMessageW(cil_, zpravaSnimek_, 0, reinterpret_cast<LPARAM>(bitmapa_.get()));
    // The handler cannot raise through the window manager: a failed HRESULT as its result ends
    // the snapshot the same way.
    const auto hr = static_cast<HRESULT>(vysledek);
    if (FAILED(hr) && static_cast<LRESULT>(hr) == vysledek) Vyhodit(hr);
}

void ZachytavaniVidea::PridatPruh() {
    if (!MaPruh(kodPruhu_)) return;
    if (!bitmapa_) Vyhodit(kE_HANDLE);
    const int sirka = static_cast<int>(bitmapa_->GetWidth());
    const int vyska = static_cast<int>(bitmapa_->GetHeight());

    tloustkaPruhu_ = kVychoziTloustkaPruhu;
    {
        Knihovna::WinApi::DcOkna obrazovka(nullptr);
        if (obrazovka.Dc()) {
            Gdiplus::Graphics g(obrazovka.Dc());
            Gdiplus::Font pismo(obrazovka.Dc(), &pismo_);
            Gdiplus::StringFormat format;
            format.SetAlignment(Gdiplus::StringAlignmentCenter);
            Gdiplus::RectF rozvrzeni(0, 0, static_cast<Gdiplus::REAL>(sirka), static_cast<Gdiplus::REAL>(vyska));
            Gdiplus::RectF ramecek;
            if (pismo.GetLastStatus() == Gdiplus::Ok &&
                g.MeasureString(kMerenyTextPruhu, -1, &pismo, rozvrzeni, &format, &ramecek) == Gdiplus::Ok)
                tloustkaPruhu_ = DirectShow::TloustkaPruhu(ramecek.Height);
        }
    }
    const GeometriePruhu geometrie = SpocitatPruh(kodPruhu_, sirka, vyska, tloustkaPruhu_);
    auto nova = GdiPlus::PrevzitBitmapu(new Gdiplus::Bitmap(geometrie.sirka, geometrie.vyska, PixelFormat24bppRGB));
    GdiPlus::VyhoditPriChybe(nova->GetLastStatus());
    {
        Gdiplus::Graphics g(nova.get());
        GdiPlus::VyhoditPriChybe(g.GetLastStatus());
        GdiPlus::VyhoditPriChybe(g.Clear(Gdiplus::Color(PozadiPruhu(barvaTextu_[0], barvaTextu_[1], barvaTextu_[2]))));
        GdiPlus::VyhoditPriChybe(g.DrawImage(bitmapa_.get(), geometrie.xSnimku, geometrie.ySnimku, sirka, vyska));
    }
    bitmapa_ = std::move(nova);
}

}  // namespace Holvent::DirectShow
