#pragma once

#include <windows.h>
#include <commctrl.h>

#include <functional>
#include <map>
#include <string>
#include <vector>

namespace Knihovna::WinApi {

struct TlacitkoPanelu {
    int prikaz;          // command id (0 = separator)
    int obrazek;         // index in the image list
    BYTE styl;           // BTNS_BUTTON, BTNS_CHECK, BTNS_DROPDOWN (split button), BTNS_SEP
    std::wstring popis;  // tooltip text
};

// A flat toolbar with tooltips and split buttons over an image list the caller owns (16, 24 or 32 px by DPI).
// The window is a child of its parent and goes with it.
class PanelNastroju {
public:
    PanelNastroju() = default;
    PanelNastroju(const PanelNastroju&) = delete;
    PanelNastroju& operator=(const PanelNastroju&) = delete;

    void Vytvorit(HWND rodic, UINT id, HIMAGELIST obrazky, const std::vector<TlacitkoPanelu>& tlacitka);
    // Another image list of the same images (another size, at a change of DPI); the buttons take its size.
    void NastavitObrazky(HIMAGELIST obrazky);
    HWND Hwnd() const { return hwnd_; }
    void Povolit(int prikaz, bool povolit);
    // Pressed/checked look.
    void Zaskrtnout(int prikaz, bool zaskrtnout);
    bool JePovoleno(int prikaz) const;
    bool JeZaskrtnuto(int prikaz) const;
    // The tooltip text from now on.
    void NastavitPopis(int prikaz, const std::wstring& popis);
    std::wstring Popis(int prikaz) const;
    // For the parent's WM_NOTIFY: answers the tooltip's text requests of this toolbar's buttons and on a
    // split button's arrow calls rozbalit(prikaz, bod) with the screen point of the button's bottom-left
    // corner. True when the notification was this toolbar's and handled (vysledek then holds the result).
    bool ZpracovatNotifikaci(const NMHDR* hlavicka, LRESULT& vysledek,
                             const std::function<void(int prikaz, POINT bod)>& rozbalit);
    // Call on the parent's WM_SIZE.
    void Prizpusobit();
    // 0 when hidden or not created.
    int Vyska() const;
    void Zobrazit(bool zobrazit);
    bool Viditelny() const;

private:
    HWND Popisky() const;

    HWND hwnd_ = nullptr;
    std::map<int, std::wstring> popisy_;
};

}  // namespace Knihovna::WinApi
