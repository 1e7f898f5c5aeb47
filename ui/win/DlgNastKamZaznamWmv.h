#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <string>

#include "ui/win/DlgNastStrankaTabulky.h"

namespace Holvent::DirectShow {
class ProfilWmv;
}

// The page of WMV recording: a system profile of Windows Media 8 or 7 chosen from its list (only profiles with video
// when the list's check box says so) or a .prx profile file, each with the chosen profile's size, rate and bit rate;
// "Upravit" opens the file in the .prx editor. Where Windows Media offers no system profiles (Wine) the lists are
// greyed and the page says so; a stored profile that no list shows stays stored as it was.
class DlgNastKamZaznamWmv : public DlgNastStrankaTabulky {
public:
    static constexpr int kIdVerze8 = 1960, kIdJenVideo8 = 1961, kIdProfily8 = 1962, kIdDetail8 = 1963;
    static constexpr int kIdVerze7 = 1964, kIdJenVideo7 = 1965, kIdProfily7 = 1966, kIdDetail7 = 1967;
    static constexpr int kIdPrx = 1968, kIdUpravit = 1969, kIdDetailPrx = 1970, kIdNedostupne = 1971;
    static constexpr const wchar_t* kTextUpravit = L"Upravit parametry nastaveného souboru v editoru";

    // upravit: opens the .prx editor with the file.
    DlgNastKamZaznamWmv(const ModelStranky::Stranka& stranka, KopieHodnot& kopie, int prvniId,
                        std::function<void(const std::wstring&)> upravit);
    ~DlgNastKamZaznamWmv() override;

    void Vytvorit(Holvent::Email::SablonaDialogu& sablona, const Oblast& oblast) override;
    std::optional<Odmitnuti> Prevzit() override;

protected:
    void Naplnit() override;
    bool ZpracovatPrikaz(WPARAM wp, LPARAM lp) override;

private:
    struct Seznam {
        int volba, jenVideo, profily, detail;
        std::uint32_t verze;
    };
    static const Seznam kSeznamy[2];

    // Fills a version's list and selects the profile of the index (nothing when it is not listed, the first item
    // when index is empty); false when Windows Media gives no system profiles.
    bool NaplnitSeznam(const Seznam& s, std::optional<std::uint32_t> index);
    void ZobrazitDetail(const Seznam& s);
    void ZobrazitDetailPrx();
    void Zvolit(int volba);
    HWND EditPrx() const { return PrvekHodnoty(L"souborPrx"); }
    std::wstring CestaPrx() const;

    std::function<void(const std::wstring&)> upravit_;
    std::unique_ptr<Holvent::DirectShow::ProfilWmv> profil_;
    HWND tip_ = nullptr;
};
