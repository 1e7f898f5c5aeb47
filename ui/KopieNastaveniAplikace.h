#pragma once

#include <cstdint>
#include <map>
#include <optional>
#include <string>
#include <utility>
#include <variant>

#include "app/NastaveniAplikace.h"
#include "ui/StrankyNastaveniAplikace.h"

// What the settings dialog edits: a copy of every stored application value. The record itself changes only
// when the copy is committed (OK or apply); a refused value leaves the copy as it was.
class KopieNastaveniAplikace {
public:
    using Hodnota = std::variant<bool, std::uint32_t, std::wstring>;

    explicit KopieNastaveniAplikace(const NastaveniAplikace& zdroj);

    // The stored form of a value; the type the record holds.
    const Hodnota& Ulozena(const std::wstring& klic, const std::wstring& jmeno) const;
    // A number or choice as its control shows it (seconds for a value kept in milliseconds).
    std::uint32_t Zobrazena(const StrankyNastaveniAplikace::Hodnota& h) const;

    // The control's new content: nothing when taken, else the message that refuses it (the copy unchanged).
    std::optional<std::wstring> Nastavit(const StrankyNastaveniAplikace::Hodnota& h, std::int64_t zobrazena);
    void NastavitText(const StrankyNastaveniAplikace::Hodnota& h, std::wstring text);

    // Whether anything differs from the record the copy was made of.
    bool Zmeneno() const { return hodnoty_ != puvodni_; }
    // Writes every value into the record; from now on the copy compares against what it wrote.
    void Potvrdit(NastaveniAplikace& cil);

private:
    using Klic = std::pair<std::wstring, std::wstring>;
    std::map<Klic, Hodnota> hodnoty_;
    std::map<Klic, Hodnota> puvodni_;
};
