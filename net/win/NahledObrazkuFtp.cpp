#include "net/win/NahledObrazkuFtp.h"

#include <shlwapi.h>

#include <memory>

#include "imagetools/RozpoznaniObrazku.h"
#include "knihovna/Chyba.h"
#include "knihovna/win/GdiPlus.h"

using Knihovna::Chyba;

namespace {

[[noreturn]] void Odmitnout(Holvent::Obrazky::RozpoznanyObrazek r, const std::wstring& jmeno, bool poskozeny = false) {
    if (poskozeny) r.vysledek = Holvent::Obrazky::VysledekRozpoznani::Poskozeny;
    throw Chyba(Knihovna::HresultZWin32(Knihovna::kChybaNeplatnaData), Holvent::Obrazky::TextOdmitnuti(r, jmeno));
}

struct UvolneniProudu {
    void operator()(IStream* p) const noexcept {
        if (p) p->Release();
    }
};

}  // namespace

NahledObrazkuFtp DekodovatNahled(const std::vector<std::uint8_t>& data, const std::wstring& jmeno,
                                 std::uint32_t pozadi) {
    const Holvent::Obrazky::RozpoznanyObrazek r = Holvent::Obrazky::RozpoznatObrazek(data.data(), data.size());
    if (!r.Platny()) Odmitnout(r, jmeno);
    std::unique_ptr<IStream, UvolneniProudu> proud(::SHCreateMemStream(data.data(), static_cast<UINT>(data.size())));
    if (!proud) Knihovna::Vyhodit(Knihovna::kE_OUTOFMEMORY);
    std::unique_ptr<Gdiplus::Bitmap> obraz(Gdiplus::Bitmap::FromStream(proud.get()));
    if (!obraz || obraz->GetLastStatus() != Gdiplus::Ok || obraz->GetWidth() == 0 || obraz->GetHeight() == 0)
        Odmitnout(r, jmeno, true);
    NahledObrazkuFtp n;
    HBITMAP h = nullptr;
    // A decoder that fails only on the pixels (a truncated body) fails here.
    if (obraz->GetHBITMAP(Gdiplus::Color(255, GetRValue(pozadi), GetGValue(pozadi), GetBValue(pozadi)), &h) !=
            Gdiplus::Ok ||
        !h)
        Odmitnout(r, jmeno, true);
    n.bitmapa.Nastavit(h);
    n.sirka = static_cast<int>(obraz->GetWidth());
    n.vyska = static_cast<int>(obraz->GetHeight());
    return n;
}
