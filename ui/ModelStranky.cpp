#include "ui/ModelStranky.h"

#include "knihovna/Formatovani.h"

namespace ModelStranky {

bool Textovy(Ovladac o) {
    switch (o) {
    case Ovladac::Text:
    case Ovladac::Slozka:
    case Ovladac::Soubor:
    case Ovladac::VyceradkovyText:
    case Ovladac::Heslo:
    case Ovladac::VyberTextu:
    case Ovladac::TextSVyberem:
        return true;
    default:
        return false;
    }
}

std::uint32_t Zobrazena(const Hodnota& h, std::uint32_t ulozena) { return h.nasobek > 1 ? ulozena / h.nasobek : ulozena; }

std::uint32_t Ulozena(const Hodnota& h, std::uint32_t zobrazena) { return zobrazena * (h.nasobek ? h.nasobek : 1); }

std::wstring ZpravaRozsahu(std::uint32_t min, std::uint32_t max) {
    return Knihovna::Formatovat(L"Zadejte hodnotu v rozsahu %u - %u", min, max);
}

std::optional<std::wstring> Overit(const Hodnota& h, std::int64_t zobrazena) {
    switch (h.ovladac) {
    case Ovladac::Ikona:
        if (zobrazena < h.min || zobrazena > h.max) return std::wstring(L"Vyberte jeden z nabízených obrázků");
        return std::nullopt;
    case Ovladac::Cislo:
    case Ovladac::KvalitaJpeg:
        if (zobrazena < h.min || zobrazena > h.max)
            return ZpravaRozsahu(h.min, h.max);
        return std::nullopt;
    case Ovladac::Vyber:
        for (const Moznost& m : h.moznosti)
            if (static_cast<std::int64_t>(m.hodnota) == zobrazena) return std::nullopt;
        return std::wstring(L"Vyberte jednu z nabízených možností");
    case Ovladac::Zaskrtnuti:
        if (zobrazena != 0 && zobrazena != 1) return std::wstring(L"Hodnota může být pouze zapnuto nebo vypnuto");
        if (h.vzdyZapnuto && zobrazena == 0) return std::wstring(L"Tato volba je vždy zapnuta");
        return std::nullopt;
    case Ovladac::Barva:
        if (zobrazena < 0 || zobrazena > 0xFFFFFF) return std::wstring(L"Barva musí být zadána složkami R, G, B");
        return std::nullopt;
    default:
        return std::nullopt;
    }
}

std::optional<std::wstring> OveritText(const Hodnota& h, const std::wstring& text) {
    if (!h.kontrolaTextu) return std::nullopt;
    return h.kontrolaTextu(text);
}

bool Pripustna(const Hodnota& h, std::uint32_t ulozena) {
    switch (h.ovladac) {
    case Ovladac::Cislo:
    case Ovladac::KvalitaJpeg:
    case Ovladac::Vyber:
    case Ovladac::Ikona:
        return !Overit(h, Zobrazena(h, ulozena));
    default:
        return true;
    }
}

std::wstring Vysvetlivka(const Hodnota& h, std::uint32_t zobrazena) {
    if (!h.vysvetlivka) return {};
    if (h.delitelVysvetlivky == 0) return Knihovna::Formatovat(h.vysvetlivka, zobrazena);
    // The remainder is written with as many digits as the divisor has places ("1.050", not "1.50").
    std::wstring vzor = h.vysvetlivka;
    const std::size_t prvni = vzor.find(L"%d");
    const std::size_t druhy = prvni == std::wstring::npos ? prvni : vzor.find(L"%d", prvni + 2);
    if (druhy != std::wstring::npos) {
        int mist = 0;
        for (std::uint32_t d = h.delitelVysvetlivky - 1; d; d /= 10) ++mist;
        vzor.replace(druhy, 2, Knihovna::Formatovat(L"%%.%dd", mist));
    }
    return Knihovna::Formatovat(vzor.c_str(), zobrazena / h.delitelVysvetlivky, zobrazena % h.delitelVysvetlivky);
}

const Hodnota* Najit(std::span<const Stranka> stranky, const std::wstring& klic, const std::wstring& jmeno) {
    for (const Stranka& s : stranky)
        for (const Hodnota& h : s.hodnoty)
            if (klic == h.klic && jmeno == h.jmeno) return &h;
    return nullptr;
}

}  // namespace ModelStranky
