#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "camera/MaskaPohybu.h"
#include "camera/PopisPisma.h"
#include "knihovna/Chyba.h"
#include "knihovna/RegistrKlic.h"

// Reads a settings record value by value, in the order its description gives: a missing key or
// value keeps the default; a value that cannot be read keeps its default, its failure is kept and
// the rest is still read. A number the settings do not allow keeps its default too, with a line
// for the log in upozorneni.
class CteniParametru {
public:
    // Whether a number may be taken: its key (relative to the root), its name and the stored number.
    using Overeni = std::function<bool(const std::wstring& klic, const std::wstring& jmeno, std::uint32_t hodnota)>;

    CteniParametru(Knihovna::Registr& registr, const std::wstring& koren, std::vector<Knihovna::Chyba>& chyby,
                   std::vector<std::wstring>* upozorneni = nullptr, Overeni overeni = {});

    // The key the following values live in: nullptr for the root itself, else a subkey path.
    void Klic(const wchar_t* podklic);
    void Hodnota(const wchar_t* jmeno, bool& hodnota);
    void Hodnota(const wchar_t* jmeno, std::uint32_t& hodnota);
    void Hodnota(const wchar_t* jmeno, std::int32_t& hodnota);
    void Hodnota(const wchar_t* jmeno, std::wstring& hodnota);
    void Hodnota(const wchar_t* jmeno, PopisPisma& hodnota);
    // A mask of another length or type is refused (TextChybneMasky) and the mask stays empty.
    void Hodnota(const wchar_t* jmeno, MaskaPohybu& hodnota);
    void Zavrit();

    Knihovna::Registr& PouzityRegistr() const { return klic_.PouzityRegistr(); }
    const std::wstring& Koren() const { return klic_.Koren(); }
    std::vector<Knihovna::Chyba>& Chyby() { return chyby_; }

private:
    template <class Cteni>
    void Cist(Cteni cteni);

    Knihovna::RegistrKlic klic_;
    std::vector<Knihovna::Chyba>& chyby_;
    std::vector<std::wstring>* upozorneni_;
    Overeni overeni_;
    std::wstring podklic_;
    bool otevreno_ = false;
};
