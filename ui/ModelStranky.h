#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <string>

// The model of a settings page as a table: which stored value each control edits, its kind, the range and
// unit it is shown in, its option texts and the text that explains the number beside it. A dialog lays the
// controls out from the table and a test walks every value.
namespace ModelStranky {

enum class Ovladac {
    Zaskrtnuti,   // a check box: 0 or 1
    Cislo,        // a number in its range (numeric edit)
    Text,         // free text
    Slozka,       // a folder with a browse button
    Soubor,       // a file with a browse button
    Vyber,        // one of the options (drop-down list)
    Barva,        // a COLORREF (colour picker)
    Pismo,        // a font (font picker)
    KvalitaJpeg,  // a number in its range on a track bar
    Ikona,        // the index of one of the program's images, min to max (a list of the images)
    VyceradkovyText,  // free text of several lines (radku of them shown)
    Heslo,            // a text shown masked, unless the check box zobrazeniHesla (when it has one) is on
    VyberTextu,       // a text chosen from a list the page fills (the e-mail accounts)
    TextSVyberem,     // a text with a browse button whose choice the page makes (a folder on an FTP server)
    Vlastni,          // a number the page's own controls edit (a choice made in lists): no row of its own
};

struct Moznost {
    const wchar_t* text;
    std::uint32_t hodnota;
};

struct Hodnota {
    const wchar_t* klic;     // the stored value: its key below the owner's key ("" = the owner's key) ...
    const wchar_t* jmeno;    // ... and its name
    const wchar_t* popisek;  // the control's text
    Ovladac ovladac;
    std::uint32_t min = 0;      // a number's range in the unit it is shown in
    std::uint32_t max = 0;
    std::uint32_t nasobek = 1;  // stored = shown × nasobek (seconds shown, milliseconds stored)
    std::span<const Moznost> moznosti = {};
    // What the number means, shown beside it (a format with the shown number, e.g. "tj. %d.%d procent"); null when
    // nothing is shown. See Vysvetlivka.
    const wchar_t* vysvetlivka = nullptr;
    std::uint32_t delitelVysvetlivky = 0;  // the format's two numbers are n / delitel and n % delitel
    // A check box may edit one bit of a stored number ("kdy", "cileNaplanovanychSnimku"); 0 = the whole value.
    std::uint32_t bit = 0;
    // A text's check: nothing when the text may be taken, else the message that refuses it. Null takes any text.
    std::optional<std::wstring> (*kontrolaTextu)(const std::wstring& text) = nullptr;
    std::uint32_t radku = 0;                // of a multi-line text: the lines its box shows
    const wchar_t* zobrazeniHesla = nullptr;  // of a password: the check box of the same key that unmasks it, if any
    // A check box that is always on (what it switched is always done now): shown checked and greyed, stored as 1.
    bool vzdyZapnuto = false;
    const wchar_t* nadpis = nullptr;  // a line above the row that introduces it and the rows after it
    const wchar_t* filtr = nullptr;   // of a file: the open dialog's filter ("Text|*.x|..."); null = images
};

struct Stranka {
    const wchar_t* nazev;
    std::span<const Hodnota> hodnoty;
    const wchar_t* rodic = nullptr;  // the page it stands under in the tree; null at the top
};

// Whether the control edits a text (the stored value is a string).
bool Textovy(Ovladac o);

// A stored number as the control shows it, and back.
std::uint32_t Zobrazena(const Hodnota& h, std::uint32_t ulozena);
std::uint32_t Ulozena(const Hodnota& h, std::uint32_t zobrazena);

// "Zadejte hodnotu v rozsahu %u - %u": the message that refuses a number outside its range.
std::wstring ZpravaRozsahu(std::uint32_t min, std::uint32_t max);

// Whether the control's number may be taken: nothing when it may, else the message that refuses it
// ("Zadejte hodnotu v rozsahu %u - %u" for a number, the missing option for a choice).
std::optional<std::wstring> Overit(const Hodnota& h, std::int64_t zobrazena);

// Whether the text may be taken into a text value (kontrolaTextu): nothing when it may, else the message.
std::optional<std::wstring> OveritText(const Hodnota& h, const std::wstring& text);

// Whether a number read from the registry is one the control could have stored: a number within its range, one
// of the options, one of the images. Check boxes, colours and texts take whatever is stored.
bool Pripustna(const Hodnota& h, std::uint32_t ulozena);

// The text beside a shown number ("tj. 0.700 procent" for 700 with "tj. %d.%.3d procent" and 1000); empty
// when the value has none.
std::wstring Vysvetlivka(const Hodnota& h, std::uint32_t zobrazena);

// The value by its key and name among the pages; null when no page edits it.
const Hodnota* Najit(std::span<const Stranka> stranky, const std::wstring& klic, const std::wstring& jmeno);

}  // namespace ModelStranky
