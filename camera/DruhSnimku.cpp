#include "camera/DruhSnimku.h"

#include "video/KoderyObrazu.h"

int DruhKeZpracovani(std::int64_t ulozenyDruh) {
    if (ulozenyDruh <= 0 || ulozenyDruh > 7) return kSnimekDisk;
    if (ulozenyDruh <= kSnimekHttp) return static_cast<int>(ulozenyDruh);
    return kSnimekZadny;
}

bool KdyPlati(std::uint32_t kdy, bool automaticky) {
    return automaticky ? (kdy & 2u) != 0 : (kdy & 1u) != 0;
}

bool PouzitObrazek(int druh, const ParametrySnimku& blok, bool automaticky, bool souborExistuje) {
    if (druh == kSnimekHttp) return souborExistuje;
    return KdyPlati(blok.soubor.kdy, automaticky);
}

bool PouzitText(int druh, const ParametrySnimku& blok, bool automaticky) {
    return druh == kSnimekHttp || KdyPlati(blok.text.kdy, automaticky);
}

PozadavekSnimku PripravitPozadavek(int druh, const ParametrySnimku& blok) {
    using Holvent::DirectShow::kKoderJpeg;
    PozadavekSnimku p;
    p.kodPruhu = static_cast<int>(blok.text.kde);
    p.pismo = blok.text.logfont;
    // The text colour goes with the strip so that dark text gets a white strip instead of
    // disappearing on the black one.
    p.barvaTextu = blok.text.barvaPisma & 0x00FFFFFFu;
    if (druh == kSnimekHttp) {
        p.koder = kKoderJpeg;
        p.sKvalitou = true;
    } else {
        p.koder = static_cast<int>(blok.format);
        p.sKvalitou = druh != kSnimekEmail && blok.format == static_cast<std::uint32_t>(kKoderJpeg);
    }
    if (p.sKvalitou) p.kvalita = blok.kvalitaJpeg;
    return p;
}
