#include "knihovna/ChybyOperaceSouboru.h"

namespace Knihovna {

namespace {

struct KodOperace {
    std::uint32_t kod;
    const wchar_t* text;
};

// The codes the shell documents for its file operation (older shells return them instead of system codes).
constexpr KodOperace kKody[] = {
    {0x71, L"Zdrojový a cílový soubor jsou stejný soubor."},
    {0x72, L"Bylo zadáno více zdrojových souborů, ale jen jeden cílový."},
    {0x73, L"Přejmenovávaný soubor má cíl v jiné složce."},
    {0x74, L"Zdrojem je kořenová složka, kterou nelze přesunout ani přejmenovat."},
    {0x75, L"Operace se soubory byla zrušena."},
    {0x76, L"Cílová složka leží uvnitř zdrojové složky."},
    {0x78, L"Přístup ke zdrojovému souboru byl odepřen."},
    {0x79, L"Cesta ke zdrojovému nebo cílovému souboru je příliš dlouhá."},
    {0x7A, L"Bylo zadáno více cílových souborů."},
    {0x7C, L"Cesta ke zdrojovému nebo cílovému souboru je neplatná."},
    {0x7D, L"Zdroj a cíl mají stejnou nadřazenou složku."},
    {0x7E, L"Cílem je existující soubor, ne složka."},
    {0x80, L"Cílem je existující složka, ne soubor."},
    {0x81, L"Název souboru je příliš dlouhý."},
    {0x82, L"Cílem je disk CD-ROM určený jen ke čtení."},
    {0x83, L"Cílem je disk DVD určený jen ke čtení."},
    {0x84, L"Cílem je zapisovatelný disk CD, na který nelze takto zapisovat."},
    {0x85, L"Soubor je pro cílový disk příliš velký."},
    {0x86, L"Zdrojem je disk CD-ROM určený jen ke čtení."},
    {0x87, L"Zdrojem je disk DVD určený jen ke čtení."},
    {0x88, L"Zdrojem je zapisovatelný disk CD."},
    {0xB7, L"Během operace byla překročena největší délka cesty."},
    {0x402, L"Při operaci se soubory došlo k neznámé chybě (nejspíš neplatná cesta)."},
    {0x10000, L"Při zápisu do cíle došlo k neurčené chybě."},
    {0x10074, L"Cílem je kořenová složka, kterou nelze přejmenovat."},
};

}  // namespace

std::wstring TextChybyOperaceSouboru(std::uint32_t kod) {
    for (const KodOperace& k : kKody)
        if (k.kod == kod) return k.text;
    return {};
}

}  // namespace Knihovna
