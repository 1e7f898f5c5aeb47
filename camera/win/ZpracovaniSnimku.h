#pragma once

#include <functional>
#include <string>

#include "camera/ParametrySnimku.h"
#include "knihovna/Hodiny.h"
#include "knihovna/win/GdiPlus.h"

// The steps of a snapshot's processing on the GDI+ bitmap of the capture object, in place: grey
// scale, inversion, rotation, mirroring, the picture overlay and the text line, by one block.
class ZpracovaniSnimku {
public:
    // The last step: the camera's snapshot plug-ins of the kind on the bitmap (raises when the snapshot fails).
    using KrokModulu = std::function<void(Gdiplus::Bitmap& bitmapa, int druh)>;

    // The whole processing for the kind (DruhKeZpracovani's value) and the snapshot's origin.
    // Raises on failure; the bitmap may then be half processed.
    static void Zpracovat(Gdiplus::Bitmap& bitmapa, const ParametrySnimku& blok, int druh, bool automaticky,
                          const Knihovna::MistniCas& cas, const KrokModulu& moduly = {});
    // The frame-ready handler's form: the HRESULT of the processing as the message result
    // (E_INVALIDARG without a bitmap), never an exception.
    static LRESULT ZpracovatZpravu(LPARAM bitmapa, const ParametrySnimku& blok, int druh, bool automaticky,
                                   const Knihovna::MistniCas& cas, const KrokModulu& moduly = {}) noexcept;

    static void StupneSede(Gdiplus::Bitmap& bitmapa);
    static void Invertovat(Gdiplus::Bitmap& bitmapa);
    // The file must exist and fit by the position code, else E_INVALIDARG.
    static void PrekrytObrazkem(Gdiplus::Bitmap& bitmapa, const std::wstring& soubor, std::uint32_t kde,
                                std::uint32_t pruhlednaBarva, std::uint32_t alfa);
    // Draws without a background; a font the system lacks falls back to the default GUI font's
    // family. A text that cannot be drawn raises (the GDI+ status), so the snapshot fails.
    static void NakreslitText(Gdiplus::Bitmap& bitmapa, const std::wstring& text, const ParametrySnimku::Text& blok);
};
