#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "app/SeznamHorkychKlaves.h"

// The logic of the hotkey settings page: which entries a group lists, how the hotkey control's
// flags map to the stored RegisterHotKey modifiers, and the refusal of a combination already used.
class StrankaHorkychKlaves {
public:
    // The hotkey control's flags (HOTKEYF_*) and the stored modifiers (MOD_*).
    static constexpr std::uint8_t kPriznakShift = 0x01, kPriznakCtrl = 0x02, kPriznakAlt = 0x04;
    static constexpr std::uint32_t kModAlt = 0x0001, kModCtrl = 0x0002, kModShift = 0x0004;
    // The group combo box: 0 "Všechny nastavitelné" (every entry), then the two groups' string ids.
    static constexpr std::uint32_t kVsechnySkupiny = 0;
    static constexpr const wchar_t* kTextVsechnySkupiny = L"Všechny nastavitelné";
    static constexpr std::uint32_t kSkupiny[3] = {kVsechnySkupiny, 20003, 20206};
    // Shown when a combination is taken.
    static constexpr std::uint32_t kTextJizPouzita = 20024;

    explicit StrankaHorkychKlaves(SeznamHorkychKlaves& klavesy) : klavesy_(klavesy) {}

    static std::uint32_t ModifikatoryZPriznaku(std::uint8_t priznaky);
    static std::uint8_t PriznakyZModifikatoru(std::uint32_t modifikatory);
    // A command's description as the list shows it: up to its first line break.
    static std::wstring TextPolozky(const std::wstring& popisPrikazu);

    // Indices into the table of the entries the group lists, in table order.
    std::vector<std::size_t> Polozky(std::uint32_t skupina) const;

    enum class Vysledek { Nastaveno, JizPouzita, NeplatnaPolozka };
    // The entry takes the control's combination (flags as the control gives them), unless some entry
    // already uses it: then nothing changes and the page shows 20024 and resets the control.
    // An empty control (no key) clears the entry.
    Vysledek Nastavit(std::size_t index, std::uint8_t priznaky, std::uint32_t klavesa);
    // "Vymazat": the entry has no key any more.
    Vysledek Vymazat(std::size_t index);

private:
    SeznamHorkychKlaves& klavesy_;
};
