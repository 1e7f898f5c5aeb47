#pragma once

#include <cstdint>
#include <optional>
#include <string>

#include "knihovna/Chyba.h"

#include "knihovna/Hodiny.h"
#include "knihovna/PristupKSouborum.h"

// A size-capped log file, one line per event, UTF-16LE without a byte-order mark. No handle
// is kept between lines; the file is opened without sharing for each line.
class SouborLog {
public:
    SouborLog(std::wstring cesta, std::uint32_t maxVelikost, std::uint32_t priNaplneni,
              Knihovna::PristupKSouborum& soubory, const Knihovna::Hodiny& hodiny);

    // 0 when written, 1 when the file had already reached its maximum size (nothing written).
    // A file that cannot be opened or written raises.
    int ZapsatRadek(const std::wstring& text);
    // As ZapsatRadek for a writer that must go on when its log cannot be written: nothing raises, and the
    // failure is returned only the first time in a row (since creation or the last line written), so
    // that the user is told once and not at every event.
    std::optional<Knihovna::Chyba> ZapsatRadekHlasitJednou(const std::wstring& text);

    const std::wstring& Cesta() const { return cesta_; }
    std::uint32_t MaxVelikost() const { return maxVelikost_; }
    void NastavitMaxVelikost(std::uint32_t maxVelikost) { maxVelikost_ = maxVelikost; }
    std::uint32_t PriNaplneni() const { return priNaplneni_; }

    // "d.m.yyyy h:mm:ss - text\r\n"
    static std::wstring FormatovatRadek(const Knihovna::MistniCas& cas, const std::wstring& text);
    // The camera's log: the data folder, "\", the name through NahraditZnaky with "_", ".log".
    static std::wstring CestaLoguKamery(const std::wstring& slozkaDat, const std::wstring& jmenoKamery);

private:
    std::wstring cesta_;
    std::uint32_t maxVelikost_;
    std::uint32_t priNaplneni_;
    Knihovna::PristupKSouborum& soubory_;
    const Knihovna::Hodiny& hodiny_;
    bool chybaOhlasena_ = false;
};

// What the user is told the first time a log cannot be written ("%s" is its path); the error's description follows.
inline constexpr const wchar_t* kTextChybaZapisuLogu =
    L"Do souboru logu \"%s\" nelze zapisovat. Další chyby zápisu do tohoto logu se již nebudou hlásit";
