#include "camera/RozmisteniSnimku.h"

#include "knihovna/Chyba.h"
#include "knihovna/Formatovani.h"

namespace {

void Pozadovat(bool podminka) {
    if (!podminka) Knihovna::Vyhodit(Knihovna::kE_INVALIDARG);
}

}  // namespace

BodObrazu UmisteniPrekryvu(std::uint32_t kod, int W, int H, int w, int h) {
    const int m = kOkrajPrekryvu;
    BodObrazu b;
    switch (kod) {
    case 1: b = {(W - w) >> 1, H - m - h}; Pozadovat(b.y >= 0 && w <= W); break;
    case 2: b = {(W - w) >> 1, m}; Pozadovat(w <= W); break;
    case 3: b = {(W - w) >> 1, (H - h) >> 1}; Pozadovat(w <= W && h <= H); break;
    case 4: b = {m, (H - h) >> 1}; Pozadovat(m + w <= W && h <= H); break;
    case 5: b = {W - m - w, (H - h) >> 1}; Pozadovat(b.x >= 0 && h <= H); break;
    case 21: b = {m, H - h - m}; Pozadovat(m + w <= W && b.y >= 0); break;
    case 22: b = {m, m}; Pozadovat(m + w <= W && m + h <= H); break;
    case 23: b = {W - w - m, H - h - m}; Pozadovat(b.x >= 0 && b.y >= 0); break;
    case 24: b = {W - w - m, m}; Pozadovat(b.x >= 0 && m + h <= H); break;
    default: Knihovna::Vyhodit(Knihovna::kE_INVALIDARG);
    }
    return b;
}

RozvrzeniTextu RozvrhnoutText(std::uint32_t kde, int W, int H) {
    RozvrzeniTextu r;
    r.sirka = W;
    r.vyska = H;
    switch (kde) {
    case 2:
    case 12: r.zarovnaniRadku = kZarovnaniBlizko; break;
    case 13:
    case 14:
        r.zarovnani = kZarovnaniBlizko;
        r.zarovnaniRadku = kZarovnaniBlizko;
        r.svisle = true;
        r.x = kde == 13 ? 0 : W - 20;
        r.y = 10;
        break;
    default: break;  // 1, 11, the centre (3) and unknown codes: bottom edge, centred
    }
    return r;
}

std::wstring DatumACasSnimku(const Knihovna::MistniCas& cas) {
    return Knihovna::Formatovat(L"%d.%d.%d  %d:%.2d:%.2d", cas.den, cas.mesic, cas.rok, cas.hodina, cas.minuta,
                                cas.sekunda);
}

std::wstring TextSnimku(const ParametrySnimku::Text& text, const Knihovna::MistniCas& cas) {
    switch (text.co) {
    case 1: return DatumACasSnimku(cas);
    case 2: return text.text.empty() ? DatumACasSnimku(cas) : text.text;
    default: return {};
    }
}
