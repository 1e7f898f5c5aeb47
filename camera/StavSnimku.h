#pragma once

#include <array>
#include <cstdint>
#include <string>

#include "camera/ParametryKamery.h"
#include "knihovna/Registr.h"

// The camera-wide state of its snapshots: the pending kind with the three automatic switches,
// and the working counter of the disk snapshot names. Used on the camera's UI thread only.
class StavSnimku {
public:
    // Before a snapshot: the pending kind and, for kinds 1 to 3, that kind's automatic switch.
    void Zahajit(int druh, bool automaticky);
    int CekajiciDruh() const { return cekajiciDruh_; }
    // The switch of kinds 1 to 3; false for any other kind.
    bool Automaticky(int druh) const;

    std::uint32_t& Citac() { return citac_; }
    std::uint32_t Citac() const { return citac_; }
    // Numbering from 1 again, into the settings record and at once into the registry.
    void ResetovatCislovani(ParametryKamery& parametry, Knihovna::Registr& registr, const std::wstring& cestaKamery);
    // After a successful disk save: the counter into the record and the registry, so that a crash
    // does not restart the numbering over earlier snapshots.
    void UlozitCitac(ParametryKamery& parametry, Knihovna::Registr& registr, const std::wstring& cestaKamery) const;

private:
    int cekajiciDruh_ = 0;
    std::array<bool, 3> automaticky_{};
    std::uint32_t citac_ = 1;
};

// The block of settings a kind uses (disk for anything but 2, 3 and 4).
const ParametrySnimku& BlokDruhu(const ParametryKamery& parametry, int druh);
