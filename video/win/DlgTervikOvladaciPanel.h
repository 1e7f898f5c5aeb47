#pragma once

#include <windows.h>

#include <functional>
#include <string>

#include "video/OvladaniObrazu.h"
#include "video/win/ZachytavaniVidea.h"

namespace Holvent::DirectShow {

// The camera window's image-control strip: a child dialog in one row under the toolbar with the
// device's properties (brightness, contrast, zoom, …), a trackbar and "Výchozí". It writes straight
// to the capture filter and stores nothing. Whether it is on is its own WS_VISIBLE style, so a
// hidden camera window does not make it count as off.
class DlgTervikOvladaciPanel {
public:
    static constexpr int kIdSeznamu = 1049;
    static constexpr int kIdVychozi = 1050;
    static constexpr int kIdJezdce = 1051;

    // A one-line report for the camera window's status bar.
    using Hlaseni = std::function<void(const std::wstring&)>;

    explicit DlgTervikOvladaciPanel(ZachytavaniVidea& zachytavani) : zachytavani_(zachytavani) {}
    DlgTervikOvladaciPanel(const DlgTervikOvladaciPanel&) = delete;
    DlgTervikOvladaciPanel& operator=(const DlgTervikOvladaciPanel&) = delete;

    // Creates the strip (hidden) as a child of the window with the id; it goes with the window.
    void Vytvorit(HWND okno, UINT id, Hlaseni hlaseni);
    void Zobrazit(bool zobrazit);
    bool Zapnuty() const;
    // Lays the strip out from the top edge across the width; the height it takes (0 when off).
    int Rozmistit(int horni, int sirka);
    // Refills the list from the records of the graph just built, selects the first entry and shows
    // it; without a graph the list is only emptied.
    void NaplnitSeznam();
    // Shows the selected property with the value the device has now.
    void ZobrazitVlastnost();

    HWND Hwnd() const { return dialog_; }

private:
    static INT_PTR CALLBACK Procedura(HWND okno, UINT zprava, WPARAM wp, LPARAM lp);
    INT_PTR ZpracovatZpravu(UINT zprava, WPARAM wp, LPARAM lp);
    void RozmistitPrvky(int sirka, int vyska);
    void Ukazat(const StavJezdce& stav);
    void Posunuto();
    void NastavitVychozi();
    void Odmitnuto(const OvladaniObrazu::Vysledek& vysledek);
    std::wstring PopisVyberu() const;

    ZachytavaniVidea& zachytavani_;
    Hlaseni hlaseni_;
    OvladaniObrazu ovladani_;
    HWND dialog_ = nullptr;
    int vyska_ = 0;
};

}  // namespace Holvent::DirectShow
