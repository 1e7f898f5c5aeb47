#pragma once

#include <functional>
#include <string>

#include "ui/win/DlgNastStrankaTabulky.h"

// The page of a log file's switches, with the log file's actions: open it, archive it (a save dialog) and
// delete it. The application's and each camera's log have one.
class DlgNastStrankaLogu : public DlgNastStrankaTabulky {
public:
    static constexpr int kIdOtevritLog = 1980, kIdArchivovatLog = 1981, kIdSmazatLog = 1982;

    // cestaLogu: the log file's path at the time of the action (the data folder may have changed meanwhile).
    DlgNastStrankaLogu(const ModelStranky::Stranka& stranka, KopieHodnot& kopie, int prvniId,
                       std::function<std::wstring()> cestaLogu)
        : DlgNastStrankaTabulky(stranka, kopie, prvniId, L"poams"), cestaLogu_(std::move(cestaLogu)) {}

    void Vytvorit(Holvent::Email::SablonaDialogu& sablona, const Oblast& oblast) override;

protected:
    bool ZpracovatPrikaz(WPARAM wp, LPARAM lp) override;
    short RezervaDole() const override { return 18; }

private:
    std::function<std::wstring()> cestaLogu_;
};
