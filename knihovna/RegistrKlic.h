#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "knihovna/Registr.h"

namespace Knihovna {

// The key object every settings record uses: a root path in the current user's hive and
// at most one open key below it. Reads return 1 for a missing value (the target keeps its
// default) and 0 when read; a value of the wrong type or size, and every failed call, raise.
class RegistrKlic {
public:
    RegistrKlic(Registr& registr, std::wstring koren);
    ~RegistrKlic();
    RegistrKlic(const RegistrKlic&) = delete;
    RegistrKlic& operator=(const RegistrKlic&) = delete;

    const std::wstring& Koren() const { return koren_; }
    Registr& PouzityRegistr() const { return registr_; }

    // Root, or root\podklic; an empty subkey name is an invalid argument. With vytvorit as OtevritZapis.
    void OtevritCteni();
    void OtevritCteni(const std::wstring& podklic, bool vytvorit = false);
    void OtevritZapis();
    void OtevritZapis(const std::wstring& podklic);
    // As OtevritCteni, but a key that does not exist gives false instead of raising.
    bool ZkusitOtevritCteni();
    bool ZkusitOtevritCteni(const std::wstring& podklic);
    bool JeOtevreny() const { return static_cast<bool>(klic_); }
    void Zavrit();

    bool Existuje(const std::wstring& jmeno);
    int CistText(const std::wstring& jmeno, std::wstring& text);
    int CistPriznak(const std::wstring& jmeno, bool& priznak);
    int CistCislo(const std::wstring& jmeno, std::uint32_t& cislo);
    int CistCislo(const std::wstring& jmeno, std::int32_t& cislo);
    // Exactly velikost bytes of a REG_BINARY value.
    int CistBinarni(const std::wstring& jmeno, void* data, std::uint32_t velikost);

    void ZapsatText(const std::wstring& jmeno, const std::wstring& text);
    void ZapsatPriznak(const std::wstring& jmeno, bool priznak);
    void ZapsatCislo(const std::wstring& jmeno, std::uint32_t cislo);
    void ZapsatBinarni(const std::wstring& jmeno, const void* data, std::uint32_t velikost);
    // Missing is not an error.
    void SmazatHodnotu(const std::wstring& jmeno);

    std::vector<std::wstring> JmenaHodnot();
    std::vector<std::wstring> JmenaPodklicu();

    // root\podklic with everything below it; a missing key is not an error.
    void SmazatPodklic(const std::wstring& podklic);

    // Path of the open key (for messages).
    const std::wstring& CestaOtevreneho() const { return cesta_; }

private:
    std::wstring Cesta(const std::wstring* podklic) const;
    void Otevrit(const std::wstring* podklic, bool vytvorit);
    OtevrenyKlic& Klic();
    // Type and size of a value; false when it does not exist.
    bool Dotaz(const std::wstring& jmeno, std::uint32_t& typ, std::uint32_t& velikost);
    [[noreturn]] void ChybaTypu(const std::wstring& jmeno, const wchar_t* ocekavano);

    Registr& registr_;
    std::wstring koren_;
    std::wstring cesta_;
    std::unique_ptr<OtevrenyKlic> klic_;
};

// The log line of a stored number that the settings do not allow and that was replaced by the default.
std::wstring TextMimoRozsah(const std::wstring& cestaKlice, const std::wstring& jmeno, std::uint32_t ulozena,
                            std::uint32_t vychozi);

}  // namespace Knihovna
