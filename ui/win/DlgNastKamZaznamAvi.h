#pragma once

#include <vector>

#include "ui/win/DlgNastStrankaTabulky.h"
#include "video/SeznamFormatu.h"

// The page of AVI recording: size, frame rate and sound, and below them the formats of the camera's device, the one
// of the typed size selected; "Použít" copies the chosen format into the three fields. Without formats (the video
// has not run yet) the page says where they come from.
class DlgNastKamZaznamAvi : public DlgNastStrankaTabulky {
public:
    static constexpr int kIdPopisuFormatu = 1950, kIdFormaty = 1951, kIdPouzit = 1952, kIdBezFormatu = 1953;
    static constexpr const wchar_t* kTextBezFormatu =
        L"! Seznam formátů je dostupný až po prvním zapnutí videozařízení !";

    DlgNastKamZaznamAvi(const ModelStranky::Stranka& stranka, KopieHodnot& kopie, int prvniId,
                        std::vector<Holvent::DirectShow::FormatVidea> formaty)
        : DlgNastStrankaTabulky(stranka, kopie, prvniId), formaty_(std::move(formaty)) {}

    void Vytvorit(Holvent::Email::SablonaDialogu& sablona, const Oblast& oblast) override;

protected:
    void Naplnit() override;
    bool ZpracovatPrikaz(WPARAM wp, LPARAM lp) override;

private:
    void VybratPodleVelikosti();
    void Pouzit();

    std::vector<Holvent::DirectShow::FormatVidea> formaty_;
};
