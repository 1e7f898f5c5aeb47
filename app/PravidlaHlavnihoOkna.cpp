#include "app/PravidlaHlavnihoOkna.h"

#include "knihovna/Formatovani.h"

namespace PravidlaHlavnihoOkna {

namespace {
// Virtual key codes (the core has no Windows headers).
constexpr std::uint32_t kVkEnter = 0x0D, kVkInsert = 0x2D, kVkDelete = 0x2E, kVkF2 = 0x71, kVkF4 = 0x73,
                        kVkF5 = 0x74;
}  // namespace

std::uint32_t PrikazVychoziKamery(std::uint32_t prikaz) {
    switch (prikaz) {
    case 40117: return 40046;
    case 40118: return 40053;
    case 40119: return 40052;
    case 40120: return 40055;
    case 40121: return 40056;
    case 40122: return 40039;
    case 40123: return 40041;
    case 40124: return 40040;
    }
    return 0;
}

std::uint32_t PrikazKlavesy(std::uint32_t vk, bool ctrl) {
    if (vk == kVkInsert) return ctrl ? 40012 : 0;
    if (ctrl) return 0;
    switch (vk) {
    case kVkEnter:
    case kVkF5: return 40011;
    case kVkDelete: return 40013;
    case kVkF2: return 40014;
    case kVkF4: return 40002;
    }
    return 0;
}

std::wstring TipIkony(const std::wstring& produkt, const std::wstring& uzivatel, const std::wstring& pocitac,
                      const std::wstring& ip) {
    return Knihovna::Formatovat(L"** %s **\nUživatel: %s\nPočitač: %s\nIP: %s", produkt.c_str(), uzivatel.c_str(),
                                pocitac.c_str(), ip.c_str());
}

bool SkrytyRezim(bool skryteZpravy, bool skrytyRezimNastaven, bool klavesaZobrazitOkno) {
    return skryteZpravy || (skrytyRezimNastaven && klavesaZobrazitOkno);
}

bool IkonaPriVytvoreni(std::uint32_t oznamovaciIkona, bool skrytyRezim) {
    return oznamovaciIkona == 2 && !skrytyRezim;
}

bool IkonaPriMinimalizaci(std::uint32_t oznamovaciIkona, bool skrytyRezim) {
    return oznamovaciIkona != 0 && !skrytyRezim;
}

bool SkrytPriMinimalizaci(std::uint32_t oznamovaciIkona, bool skrytyRezim, bool ikonaExistuje) {
    // In hidden mode the key for "Zobrazit okno" is the way back; otherwise only an icon that really exists.
    return skrytyRezim || (oznamovaciIkona != 0 && ikonaExistuje);
}

bool IkonaPoStartuShellu(std::uint32_t oznamovaciIkona, bool skrytyRezim, bool oknoSkryteNeboMinimalizovane) {
    if (skrytyRezim) return false;
    return oznamovaciIkona == 2 || (oznamovaciIkona == 1 && oknoSkryteNeboMinimalizovane);
}

ZmenaIkony IkonaPoNastaveni(std::uint32_t oznamovaciIkona, bool skrytyRezim, bool oknoViditelne, bool ikonaExistuje) {
    ZmenaIkony zmena = ZmenaIkony::Ponechat;
    if (oznamovaciIkona == 2) zmena = ZmenaIkony::Vytvorit;
    else if (oznamovaciIkona == 0) zmena = oknoViditelne ? ZmenaIkony::Odebrat : ZmenaIkony::Ponechat;
    else zmena = oknoViditelne ? ZmenaIkony::Odebrat : ZmenaIkony::Vytvorit;
    if (zmena == ZmenaIkony::Vytvorit && (ikonaExistuje || skrytyRezim)) return ZmenaIkony::Ponechat;
    if (zmena == ZmenaIkony::Odebrat && !ikonaExistuje) return ZmenaIkony::Ponechat;
    return zmena;
}

VysledekOblasti UrcitStavOblasti(const std::vector<StavKameryOblasti>& kamery, std::uint32_t nyni) {
    VysledekOblasti v;
    auto zvysit = [&v](StavOblasti s) {
        if (static_cast<int>(s) > static_cast<int>(v.stav)) v.stav = s;
    };
    for (const StavKameryOblasti& k : kamery) {
        if (k.chyba) zvysit(StavOblasti::Chyba);
        if (k.bezi) zvysit(StavOblasti::Bezi);
        // Unsigned difference: right across the tick's wrap-round after 49.7 days.
        const std::uint32_t uplynulo = nyni - k.posledniPohyb;
        if (k.bezi && k.pohyb && uplynulo < kDobaPohybuVOblasti) {
            zvysit(StavOblasti::Pohyb);
            const std::uint32_t zbyva = kDobaPohybuVOblasti - uplynulo;
            if (v.obnovitZa == 0 || zbyva < v.obnovitZa) v.obnovitZa = zbyva;
        }
    }
    return v;
}

}  // namespace PravidlaHlavnihoOkna
