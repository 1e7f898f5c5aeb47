#pragma once

#include <windows.h>

#include <string>

#include "imagetools/RozmeryEditoru.h"

// The image editor's resize dialog (181): the current size, the new width and height (1 to 10000, starting at
// the current size) and "Zachovat poměr stran" (checked at first). The template is built in memory.
class DlgZmenaVelikostiObrazku {
public:
    static constexpr int kIdDialogu = 181;
    static constexpr int kIdRozmeru = 1001;
    static constexpr int kIdSirky = 1002;
    static constexpr int kIdVysky = 1003;
    static constexpr int kIdPomeru = 1004;

    DlgZmenaVelikostiObrazku(std::wstring titulek, Holvent::Obrazky::Rozmery stara);

    // Modal; true on OK with both sides in range. A failure to create it raises.
    bool Zobrazit(HWND vlastnik);
    Holvent::Obrazky::Rozmery Velikost() const { return nova_; }
    bool ZachovatPomer() const { return zachovatPomer_; }

private:
    static INT_PTR CALLBACK Procedura(HWND okno, UINT zprava, WPARAM wp, LPARAM lp);
    INT_PTR ZpracovatZpravu(HWND okno, UINT zprava, WPARAM wp);
    // The side in the field, or nothing after telling the user and focusing the field.
    bool PrecistStranu(HWND okno, int id, std::uint32_t& strana) const;

    std::wstring titulek_;
    Holvent::Obrazky::Rozmery stara_;
    Holvent::Obrazky::Rozmery nova_;
    bool zachovatPomer_ = true;
};
