#include "app/SouborLog.h"

#include "camera/ParametryKamery.h"
#include "knihovna/Formatovani.h"
#include "knihovna/KodovaniUtf16.h"

using namespace Knihovna;

SouborLog::SouborLog(std::wstring cesta, std::uint32_t maxVelikost, std::uint32_t priNaplneni,
                     PristupKSouborum& soubory, const Hodiny& hodiny)
    : cesta_(std::move(cesta)), maxVelikost_(maxVelikost), priNaplneni_(priNaplneni), soubory_(soubory), hodiny_(hodiny) {}

int SouborLog::ZapsatRadek(const std::wstring& text) {
    auto soubor = soubory_.OtevritProPripojeni(cesta_);
    if (soubor->Velikost() >= maxVelikost_) {
        soubor->Zavrit();
        return 1;
    }
    soubor->Pripojit(KodovatUtf16LE(FormatovatRadek(hodiny_.Ted(), text)));
    soubor->Zavrit();
    return 0;
}

std::optional<Chyba> SouborLog::ZapsatRadekHlasitJednou(const std::wstring& text) {
    try {
        ZapsatRadek(text);
        chybaOhlasena_ = false;
        return std::nullopt;
    } catch (const Chyba& chyba) {
        if (chybaOhlasena_) return std::nullopt;
        chybaOhlasena_ = true;
        return chyba;
    }
}

std::wstring SouborLog::FormatovatRadek(const MistniCas& c, const std::wstring& text) {
    return Formatovat(L"%d.%d.%d %d:%.2d:%.2d - %s\r\n", c.den, c.mesic, c.rok, c.hodina, c.minuta, c.sekunda,
                      text.c_str());
}

std::wstring SouborLog::CestaLoguKamery(const std::wstring& slozkaDat, const std::wstring& jmenoKamery) {
    // The camera's own rule for file names: a "/" left in would point into a folder that does not exist.
    std::wstring jmeno = jmenoKamery;
    NahraditZnaky(jmeno, L'_');
    return slozkaDat + L"\\" + jmeno + L".log";
}
