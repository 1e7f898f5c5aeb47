#pragma once

#include <functional>
#include <string>
#include <vector>

#include "camera/ZasuvnyModul.h"
#include "ui/win/StrankaNastaveni.h"

// The camera's page "Zásuvné moduly": the plug-in list (name, path), adding through a file dialog, removing, and
// the selected plug-in's five switches. Every action saves the list and has the camera load its plug-ins again at
// once, so the dialog's Storno does not undo it.
class DlgNastKamZasuvneModuly : public StrankaNastaveni {
public:
    static constexpr int kIdSeznamu = 1916, kIdPridat = 1917, kIdOdebrat = 1918, kIdPouzit = 1919;
    static constexpr int kIdZdo = 1920, kIdDisk = 1921, kIdFtp = 1922, kIdEmail = 1923, kIdHttp = 1924;
    // The list after a change, applied to the camera (saved and loaded); raises when the change is refused.
    using Zmena = std::function<void(const std::vector<ZasuvnyModul>& seznam)>;

    DlgNastKamZasuvneModuly(std::vector<ZasuvnyModul> seznam, Zmena zmena, std::wstring produkt);

    std::wstring Nazev() const override { return L"Zásuvné moduly"; }
    void Vytvorit(Holvent::Email::SablonaDialogu& sablona, const Oblast& oblast) override;
    std::optional<Odmitnuti> Prevzit() override { return std::nullopt; }
    bool Zprava(UINT zprava, WPARAM wp, LPARAM lp, INT_PTR& vysledek) override;

protected:
    void Naplnit() override;
    bool ZpracovatPrikaz(WPARAM wp, LPARAM lp) override;

private:
    void NaplnitSeznam(int vybrat);
    int Vybrany() const;
    void ZobrazitPrepinace();
    void PridatModul();
    void OdebratModul();
    void PouzitPrepinace();
    // Applies the new list; false (and the reason shown) when the camera refused it.
    bool Zmenit(const std::vector<ZasuvnyModul>& novy);
    void Hlasit(const std::wstring& text, UINT ikona) const;

    std::vector<ZasuvnyModul> seznam_;
    Zmena zmena_;
    std::wstring produkt_;
};
