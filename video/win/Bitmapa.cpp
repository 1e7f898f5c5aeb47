#include "video/win/Bitmapa.h"

#include <shlwapi.h>

#include <cstring>
#include <memory>
#include <vector>

#include "imagetools/RozpoznaniObrazku.h"
#include "imagetools/SouboryEditoru.h"
#include "knihovna/Chyba.h"
#include "knihovna/Formatovani.h"
#include "knihovna/win/UnikatniHandle.h"
#include "video/win/ChybaGdiPlus.h"
#include "video/win/OsmibitovaBitmapa.h"
#include "video/win/UkazatelCom.h"

namespace Holvent::GdiPlus {

namespace {

using Knihovna::Chyba;

std::vector<std::uint8_t> PrecistSoubor(const std::wstring& cesta) {
    // Full sharing: the camera that wrote the file may overwrite, rename or delete it while it is read.
    Knihovna::WinApi::UnikatniSoubor soubor(::CreateFileW(cesta.c_str(), GENERIC_READ,
                                                           FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                                                           nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!soubor) Knihovna::VyhoditPriChybeWin32(::GetLastError());
    LARGE_INTEGER velikost{};
    if (!::GetFileSizeEx(soubor.get(), &velikost)) Knihovna::VyhoditPriChybeWin32(::GetLastError());
    const auto bajtu = static_cast<std::uint64_t>(velikost.QuadPart);
    if (bajtu > Obrazky::kMaxVelikostSouboru)
        throw Chyba(Knihovna::HresultZWin32(Knihovna::kChybaNeplatnaData), Obrazky::TextPrilisVelkehoSouboru(cesta, bajtu));
    std::vector<std::uint8_t> data(static_cast<size_t>(bajtu));
    size_t precteno = 0;
    while (precteno < data.size()) {
        DWORD kus = 0;
        if (!::ReadFile(soubor.get(), data.data() + precteno, static_cast<DWORD>(data.size() - precteno), &kus, nullptr))
            Knihovna::VyhoditPriChybeWin32(::GetLastError());
        if (kus == 0) break;  // the file became shorter while it was read
        precteno += kus;
    }
    data.resize(precteno);
    return data;
}

[[noreturn]] void Odmitnout(const Obrazky::RozpoznanyObrazek& r, const std::wstring& cesta) {
    throw Chyba(Knihovna::HresultZWin32(Knihovna::kChybaNeplatnaData), Obrazky::TextOdmitnuti(r, cesta));
}

// The encoder whose extension list holds the path's extension; the GIF flag tells the caller to reduce colours.
struct NalezenyKoder {
    CLSID clsid{};
    bool gif = false;
};

NalezenyKoder KoderProCestu(const std::wstring& cesta) {
    const std::wstring pripona = Obrazky::PriponaCesty(cesta);
    UINT pocet = 0, velikost = 0;
    if (Gdiplus::GetImageEncodersSize(&pocet, &velikost) == Gdiplus::Ok && pocet > 0 && velikost > 0) {
        std::vector<std::uint8_t> pamet(velikost);
        auto* info = reinterpret_cast<Gdiplus::ImageCodecInfo*>(pamet.data());
        if (Gdiplus::GetImageEncoders(pocet, velikost, info) == Gdiplus::Ok) {
            for (UINT i = 0; i < pocet; ++i) {
                if (!info[i].FilenameExtension || !Obrazky::PriponaVSeznamu(pripona, info[i].FilenameExtension)) continue;
                return {info[i].Clsid, info[i].MimeType && ::lstrcmpiW(info[i].MimeType, L"image/gif") == 0};
            }
        }
    }
    Knihovna::Vyhodit(Knihovna::kE_NOTIMPL,
                      Knihovna::Formatovat(L"Pro příponu \"%ls\" není v systému k dispozici kodér obrázků.",
                                           pripona.empty() ? L"(žádná)" : pripona.c_str()));
}

}  // namespace

BitmapaGdiPlus NacistObrazek(const std::wstring& cesta) { return DekodovatObrazek(PrecistSoubor(cesta), cesta); }

BitmapaGdiPlus DekodovatObrazek(const std::vector<std::uint8_t>& data, const std::wstring& cesta) {
    const Obrazky::RozpoznanyObrazek r = Obrazky::RozpoznatObrazek(data.data(), data.size());
    if (!r.Platny()) Odmitnout(r, cesta);

    Obrazky::RozpoznanyObrazek poskozeny = r;
    poskozeny.vysledek = Obrazky::VysledekRozpoznani::Poskozeny;
    // The stream holds its own copy of the bytes; it and the decoder are gone when this returns.
    DirectShow::UkazatelCom<IStream> proud =
        DirectShow::UkazatelCom<IStream>::Prevzit(::SHCreateMemStream(data.data(), static_cast<UINT>(data.size())));
    if (!proud) Knihovna::Vyhodit(Knihovna::kE_OUTOFMEMORY);
    std::unique_ptr<Gdiplus::Bitmap> dekodovany(Gdiplus::Bitmap::FromStream(proud.get()));
    if (!dekodovany || dekodovany->GetLastStatus() != Gdiplus::Ok) Odmitnout(poskozeny, cesta);
    const int sirka = static_cast<int>(dekodovany->GetWidth());
    const int vyska = static_cast<int>(dekodovany->GetHeight());
    if (sirka <= 0 || vyska <= 0) Odmitnout(poskozeny, cesta);

    auto kopie = PrevzitBitmapu(new Gdiplus::Bitmap(sirka, vyska, PixelFormat32bppARGB));
    VyhoditPriChybe(kopie->GetLastStatus());
    Gdiplus::Rect oblast(0, 0, sirka, vyska);
    Gdiplus::BitmapData vstup{}, vystup{};
    // A decoder that fails only on the pixels (a truncated body) fails here.
    if (dekodovany->LockBits(&oblast, Gdiplus::ImageLockModeRead, PixelFormat32bppARGB, &vstup) != Gdiplus::Ok)
        Odmitnout(poskozeny, cesta);
    const Gdiplus::Status stav = kopie->LockBits(&oblast, Gdiplus::ImageLockModeWrite, PixelFormat32bppARGB, &vystup);
    if (stav != Gdiplus::Ok) {
        dekodovany->UnlockBits(&vstup);
        VyhoditPriChybe(stav);
    }
    for (int y = 0; y < vyska; ++y) {
        std::memcpy(static_cast<std::uint8_t*>(vystup.Scan0) + static_cast<ptrdiff_t>(y) * vystup.Stride,
                    static_cast<const std::uint8_t*>(vstup.Scan0) + static_cast<ptrdiff_t>(y) * vstup.Stride,
                    static_cast<size_t>(sirka) * 4);
    }
    dekodovany->UnlockBits(&vstup);
    VyhoditPriChybe(kopie->UnlockBits(&vystup));
    return kopie;
}

void UlozitObrazek(Gdiplus::Bitmap& obraz, const std::wstring& cesta) {
    const NalezenyKoder koder = KoderProCestu(cesta);
    // The GIF encoder writes an empty picture from a 24- or 32-bit bitmap on some systems.
    BitmapaGdiPlus osmibitova;
    Gdiplus::Bitmap* ukladana = &obraz;
    if (koder.gif) {
        osmibitova = NaOsmibitovou(obraz);
        ukladana = osmibitova.get();
    }
    VyhoditPriChybe(ukladana->Save(cesta.c_str(), &koder.clsid, nullptr));
}

void Bitmapa::Nacist(const std::wstring& cesta) {
    BitmapaGdiPlus novy = NacistObrazek(cesta);
    obraz_ = std::move(novy);
    cesta_ = cesta;
    stav_ = Gdiplus::Ok;
}

void Bitmapa::Uvolnit() {
    obraz_.reset();
    cesta_.clear();
    stav_ = Gdiplus::Ok;
}

void Bitmapa::Ulozit(const std::wstring& cil) {
    if (!obraz_) Knihovna::Vyhodit(Knihovna::kE_HANDLE, L"Není načten žádný obrázek.");
    try {
        if (!Obrazky::UlozeniNaMisto(cil, cesta_)) {
            UlozitObrazek(*obraz_, cil);
            stav_ = Gdiplus::Ok;
            return;
        }
        // Nothing holds the loaded file open: the new content is written beside it and moved over it in one
        // step, so the original stays whole until the new file is complete.
        const std::wstring docasna = Obrazky::DocasnaCestaUlozeni(cesta_);
        try {
            UlozitObrazek(*obraz_, docasna);
            if (!::MoveFileExW(docasna.c_str(), cesta_.c_str(), MOVEFILE_REPLACE_EXISTING))
                Knihovna::VyhoditPriChybeWin32(::GetLastError());
        } catch (...) {
            ::DeleteFileW(docasna.c_str());
            throw;
        }
        stav_ = Gdiplus::Ok;
    } catch (const Chyba&) {
        stav_ = Gdiplus::Win32Error;
        throw;
    }
}

void Bitmapa::OtocitVpravo() { Otocit(Gdiplus::Rotate90FlipNone); }

void Bitmapa::OtocitVlevo() { Otocit(Gdiplus::Rotate270FlipNone); }

void Bitmapa::Otocit(Gdiplus::RotateFlipType typ) {
    if (!obraz_) Knihovna::Vyhodit(Knihovna::kE_HANDLE, L"Není načten žádný obrázek.");
    stav_ = obraz_->RotateFlip(typ);
    VyhoditPriChybe(stav_);
}

void Bitmapa::Nahradit(BitmapaGdiPlus obraz) {
    obraz_ = std::move(obraz);
    stav_ = Gdiplus::Ok;
}

}  // namespace Holvent::GdiPlus
