#pragma once

#include "knihovna/win/Okno.h"
#include "video/RozvrzeniVidea.h"
#include "video/win/ZachytavaniVidea.h"

// The live video of a camera: a child window that owns the capture object, hosts the video
// renderer (fitted to the window or 1:1 with scroll bars), forwards clicks to the camera window
// and shows the device's name while no graph exists.
class OknoVideo : public Knihovna::WinApi::Okno {
public:
    static constexpr const wchar_t* kTrida = L"TervikOknoVideo";
    static constexpr UINT kZpravaCtrlKlik = 0x8008;
    static constexpr UINT kZpravaDvojklik = 0x801D;

    OknoVideo() = default;
    ~OknoVideo() override;

    // A child of the camera window over its client area: resets the capture object, makes this
    // window the renderer's owner and selects the first video device.
    void Vytvorit(HWND rodic);
    // The window that gets the click notifications (the camera window).
    void NastavitCilKliknuti(HWND cil) { cilKliknuti_ = cil; }
    // Fit to the window (true) or 1:1 with scroll bars (false); re-lays out by a posted WM_SIZE.
    void NastavitPrizpusobeni(bool prizpusobit);
    bool Prizpusobit() const { return prizpusobit_; }

    Holvent::DirectShow::ZachytavaniVidea& Zachytavani() { return zachytavani_; }
    const Holvent::DirectShow::ZachytavaniVidea& Zachytavani() const { return zachytavani_; }

    // The capture operations that move the picture, followed by the layout.
    void ZapnoutVideo();
    void VypnoutVideo();
    void ZmenitVelikostVidea(int sirka, int vyska);
    // Lays the picture out for the current client size.
    void Rozvrhnout();
    const RozvrzeniVidea& PosledniRozvrzeni() const { return rozvrzeni_; }

protected:
    LRESULT ZpracovatZpravu(UINT zprava, WPARAM wp, LPARAM lp) override;
    void PripravitTridu(WNDCLASSEXW& trida) override;

private:
    void Kreslit(HDC dc);
    void KreslitNazev(HDC dc, const RECT& klient);
    void Posunout(int posuvnik, WPARAM wp);

    Holvent::DirectShow::ZachytavaniVidea zachytavani_;
    HWND cilKliknuti_ = nullptr;
    bool prizpusobit_ = false;
    bool jednaKuJedne_ = true;
    bool rozvrhuji_ = false;
    int posunX_ = 0;
    int posunY_ = 0;
    RozvrzeniVidea rozvrzeni_;
};
