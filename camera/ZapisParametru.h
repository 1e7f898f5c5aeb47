#pragma once

#include <cstdint>
#include <string>

#include "camera/MaskaPohybu.h"
#include "camera/PopisPisma.h"
#include "knihovna/RegistrKlic.h"

// Writes a settings record value by value in the order of its description, creating missing
// keys; every failure raises.
class ZapisParametru {
public:
    ZapisParametru(Knihovna::Registr& registr, const std::wstring& koren);

    // The key the following values go to: nullptr for the root itself, else a subkey path.
    void Klic(const wchar_t* podklic);
    void Hodnota(const wchar_t* jmeno, bool hodnota);
    void Hodnota(const wchar_t* jmeno, std::uint32_t hodnota);
    void Hodnota(const wchar_t* jmeno, std::int32_t hodnota);
    void Hodnota(const wchar_t* jmeno, const std::wstring& hodnota);
    void Hodnota(const wchar_t* jmeno, const PopisPisma& hodnota);
    void Hodnota(const wchar_t* jmeno, const MaskaPohybu& hodnota);
    void Zavrit();

    Knihovna::Registr& PouzityRegistr() const { return klic_.PouzityRegistr(); }
    const std::wstring& Koren() const { return klic_.Koren(); }

private:
    Knihovna::RegistrKlic klic_;
};
