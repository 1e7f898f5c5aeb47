#pragma once

#include <cstdint>
#include <vector>

#include "ui/win/DlgNastStrankaTabulky.h"

// The page of the scheduled snapshots: their targets (from the table), the list of times, a time to add and the
// buttons that add and remove one. It edits the dialog's copy of the list.
class DlgNastKamPlanovani : public DlgNastStrankaTabulky {
public:
    static constexpr int kIdSeznamu = 1910, kIdCasu = 1911, kIdPridat = 1912, kIdOdebrat = 1913, kIdPopisuCasu = 1914,
                         kIdPopisuSeznamu = 1915;

    DlgNastKamPlanovani(const ModelStranky::Stranka& stranka, KopieHodnot& kopie, int prvniId,
                        std::vector<std::uint32_t>& casy, std::wstring produkt)
        : DlgNastStrankaTabulky(stranka, kopie, prvniId, L"pnaos"), casy_(casy), produkt_(std::move(produkt)) {}

    void Vytvorit(Holvent::Email::SablonaDialogu& sablona, const Oblast& oblast) override;

protected:
    void Naplnit() override;
    bool ZpracovatPrikaz(WPARAM wp, LPARAM lp) override;

private:
    void NaplnitSeznam(int vybrat);
    void PridatCas();
    void OdebratCas();

    std::vector<std::uint32_t>& casy_;
    std::wstring produkt_;
};
