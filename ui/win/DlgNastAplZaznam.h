#pragma once

#include "ui/win/DlgNastStrankaTabulky.h"

// The page of the log switches, with the log file's actions: open it, archive it (a save dialog) and delete it.
class DlgNastAplZaznam : public DlgNastStrankaTabulky {
public:
    static constexpr int kIdOtevritLog = 1980, kIdArchivovatLog = 1981, kIdSmazatLog = 1982;

    DlgNastAplZaznam(const ModelStranky::Stranka& stranka, KopieHodnot& kopie, int prvniId)
        : DlgNastStrankaTabulky(stranka, kopie, prvniId, L"poams") {}

    void Vytvorit(Holvent::Email::SablonaDialogu& sablona, const Oblast& oblast) override;

protected:
    bool ZpracovatPrikaz(WPARAM wp, LPARAM lp) override;
};
