#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "camera/PopisPisma.h"
#include "knihovna/Chyba.h"
#include "knihovna/RegistrKlic.h"

// Reads a settings record value by value, in the order its description gives: a missing key or
// value keeps the default; a value that cannot be read keeps its default, its failure is kept and
// the rest is still read.
class CteniParametru {
public:
    CteniParametru(Knihovna::Registr& registr, const std::wstring& koren, std::vector<Knihovna::Chyba>& chyby);

    // The key the following values live in: nullptr for the root itself, else a subkey path.
    void Klic(const wchar_t* podklic);
    void Hodnota(const wchar_t* jmeno, bool& hodnota);
    void Hodnota(const wchar_t* jmeno, std::uint32_t& hodnota);
    void Hodnota(const wchar_t* jmeno, std::int32_t& hodnota);
    void Hodnota(const wchar_t* jmeno, std::wstring& hodnota);
    void Hodnota(const wchar_t* jmeno, PopisPisma& hodnota);
    void Zavrit();

    Knihovna::Registr& PouzityRegistr() const { return klic_.PouzityRegistr(); }
    const std::wstring& Koren() const { return klic_.Koren(); }
    std::vector<Knihovna::Chyba>& Chyby() { return chyby_; }

private:
    template <class Cteni>
    void Cist(Cteni cteni);

    Knihovna::RegistrKlic klic_;
    std::vector<Knihovna::Chyba>& chyby_;
    bool otevreno_ = false;
};
