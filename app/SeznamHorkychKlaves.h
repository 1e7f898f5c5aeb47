#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "knihovna/Chyba.h"
#include "knihovna/Registr.h"

// One global hotkey: RegisterHotKey modifiers and virtual key (0 = none), the command it
// posts (also the hotkey id) and the string id of the group it is listed under.
// The four fields in this order are the 16-byte stored form.
struct HorkaKlavesa {
    std::uint32_t modifikatory = 0;
    std::uint32_t klavesa = 0;
    std::uint32_t idPrikazu = 0;
    std::uint32_t idSkupiny = 0;

    bool operator==(const HorkaKlavesa&) const = default;
};

class SeznamHorkychKlaves {
public:
    static constexpr const wchar_t* kJmenoKlice = L"Horke klavesy";
    static constexpr std::uint32_t kVelikostHodnoty = 16;

    // The eleven default entries, all without a key.
    void NastavitVychozi();
    void Vyprazdnit() { polozky_.clear(); }

    // Reads root\"Horke klavesy". 1 when the key does not exist (the table is kept).
    // A value that cannot be used (wrong type or size) is skipped and appended to chyby;
    // the rest still load.
    int Nacist(Knihovna::Registr& registr, const std::wstring& koren, std::vector<Knihovna::Chyba>& chyby);
    // Deletes the key with all its values and writes every entry again. 1 when the root
    // does not exist (nothing is written); failures raise.
    int Ulozit(Knihovna::Registr& registr, const std::wstring& koren) const;

    HorkaKlavesa* Najit(std::uint32_t idPrikazu);
    const HorkaKlavesa* Najit(std::uint32_t idPrikazu) const;
    // Adds an entry with no key.
    HorkaKlavesa& Pridat(std::uint32_t idPrikazu, std::uint32_t idSkupiny);
    // The entry that already uses this combination, if any (the settings page refuses it).
    const HorkaKlavesa* NajitKombinaci(std::uint32_t modifikatory, std::uint32_t klavesa) const;

    std::vector<HorkaKlavesa>& Polozky() { return polozky_; }
    const std::vector<HorkaKlavesa>& Polozky() const { return polozky_; }

    static void Zakodovat(const HorkaKlavesa& k, unsigned char (&bajty)[kVelikostHodnoty]);
    static HorkaKlavesa Dekodovat(const unsigned char (&bajty)[kVelikostHodnoty]);

private:
    std::vector<HorkaKlavesa> polozky_;
};
