#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "knihovna/win/GdiPlus.h"
#include "video/win/BitmapaGdiPlus.h"

namespace Holvent::GdiPlus {

// Reads a picture file without keeping it open: the whole file is read with full sharing (a camera may
// overwrite or delete it meanwhile), checked by its header, decoded from a copy in memory and copied into
// an own 32-bit ARGB bitmap. Raises Knihovna::Chyba with the program's refusal text for a file that is no
// picture, is damaged or too large, or with the system's error when it cannot be read.
BitmapaGdiPlus NacistObrazek(const std::wstring& cesta);
// The same for a file already in memory (a server's file, say); jmeno names it in the refusal texts.
BitmapaGdiPlus DekodovatObrazek(const std::vector<std::uint8_t>& data, const std::wstring& jmeno);

// Encodes the image to cesta with the encoder whose extension list holds the path's extension as a whole
// entry; a GIF goes through an 8-bit copy. Raises Knihovna::Chyba on failure.
void UlozitObrazek(Gdiplus::Bitmap& obraz, const std::wstring& cesta);

// The picture of the image tools: the bitmap, the path it was loaded from and the last GDI+ status.
// Every failure is raised as Knihovna::Chyba; the picture held before stays as it was.
class Bitmapa {
public:
    Bitmapa() = default;
    Bitmapa(Bitmapa&&) noexcept = default;
    Bitmapa& operator=(Bitmapa&&) noexcept = default;

    // Replaces the picture by the file's (see NacistObrazek).
    void Nacist(const std::wstring& cesta);
    void Uvolnit();

    // Saves to cil; a path equal to the picture's own (without regard to case) is written in place: encoded
    // beside it first, then moved over it, so a failure keeps the original and leaves no temporary file.
    void Ulozit(const std::wstring& cil);

    // Turns the picture by 90 degrees clockwise (Rotate90FlipNone) or anticlockwise (Rotate270FlipNone).
    void OtocitVpravo();
    void OtocitVlevo();

    // Takes a new image for the same file (a resized one, for example).
    void Nahradit(BitmapaGdiPlus obraz);

    bool Prazdna() const { return !obraz_; }
    Gdiplus::Bitmap* Obraz() const { return obraz_.get(); }
    const std::wstring& Cesta() const { return cesta_; }
    Gdiplus::Status PosledniStav() const { return stav_; }
    std::uint32_t Sirka() const { return obraz_ ? obraz_->GetWidth() : 0; }
    std::uint32_t Vyska() const { return obraz_ ? obraz_->GetHeight() : 0; }

private:
    void Otocit(Gdiplus::RotateFlipType typ);

    BitmapaGdiPlus obraz_;
    std::wstring cesta_;
    Gdiplus::Status stav_ = Gdiplus::Ok;
};

}  // namespace Holvent::GdiPlus
