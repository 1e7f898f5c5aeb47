#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "camera/PopisPisma.h"
#include "knihovna/Chyba.h"
#include "knihovna/Registr.h"

// One snapshot block: format and size, the picture edits, the overlaid picture and the text
// strip. Stored in the subkey "Snimek" of its owner and its subkeys "Upravy", "Soubor", "Text".
struct ParametrySnimku {
    std::uint32_t format = 0;  // 0 JPEG, 1 PNG, 2 BMP, 3 TIFF, 4 GIF
    std::uint32_t kvalitaJpeg = 85;
    std::int32_t velikost = -1;  // -1 keeps the captured size

    struct Upravy {
        bool inverzeBarev = false;
        std::uint32_t otoceni = 0;  // degrees clockwise: 0, 90, 180, 270
        bool preklopitSvisle = false;
        bool preklopitVodorovne = false;
        bool stupneSede = false;
        bool operator==(const Upravy&) const = default;
    } upravy;

    // The overlaid picture.
    struct Soubor {
        std::uint32_t alfa = 255;
        std::uint32_t kde = 22;  // 22 top left, 21 bottom left, 24 top right, 23 bottom right, 3 centre
        std::uint32_t kdy = 0;   // bit 1 by hand, bit 2 automatic
        std::uint32_t pruhlednaBarva = 0xFFFFFF;
        std::wstring soubor;
        bool operator==(const Soubor&) const = default;
    } soubor;

    // The text strip.
    struct Text {
        std::uint32_t barvaPisma = 0x00FFFF;
        PopisPisma logfont = PopisPisma::Vychozi();
        std::int32_t poziceX = -1;
        std::int32_t poziceY = -1;
        bool pruhlednePismo = true;
        std::uint32_t kde = 1;  // 11, 1, 12, 2, 13, 14, 3: see kPoziceTextu
        std::uint32_t kdy = 0;
        std::uint32_t sirkaPruhu = 50;
        std::uint32_t co = 0;  // 0 nothing, 1 date and time, 2 own text
        std::wstring text = L"Tervik - snímek z webové kamery";
        bool operator==(const Text&) const = default;
    } text;

    bool operator==(const ParametrySnimku&) const = default;

    // The defaults with the given font (the default GUI font of the platform).
    static ParametrySnimku Vychozi(const PopisPisma& pismo);
};

// Reads the block under cestaVlastnika\"Snimek"; a missing key or value keeps its default. A value
// that cannot be read keeps its default too; the failure is appended to chyby and the rest is read.
// A number outside what the settings allow keeps its default, with a log line in upozorneni.
void NacistBlokSnimku(ParametrySnimku& blok, Knihovna::Registr& registr, const std::wstring& cestaVlastnika,
                      std::vector<Knihovna::Chyba>& chyby, std::vector<std::wstring>* upozorneni = nullptr);
// Writes the block, creating missing keys; a failure raises with kTextChybaZapisuSnimku.
void UlozitBlokSnimku(const ParametrySnimku& blok, Knihovna::Registr& registr, const std::wstring& cestaVlastnika);

inline constexpr const wchar_t* kTextChybaZapisuSnimku = L"Došlo k chybě při zápisu nastavení snímku do registru Windows";
