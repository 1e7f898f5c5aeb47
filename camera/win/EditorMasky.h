#pragma once

#include <windows.h>

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "camera/DetektorPohybu.h"
#include "camera/MaskaPohybu.h"
#include "camera/ParametryKamery.h"
#include "knihovna/Registr.h"
#include "knihovna/win/Okno.h"
#include "video/win/ZachytavaniVidea.h"

// The editing mode of a camera's motion mask: a child window laid over the live video that shows the picture
// (grabbed a few times a second) with the 32 × 24 grid, the masked cells shaded. A click or a drag toggles cells
// (the drag gives every cell it passes the state the first one got); Enter stores the mask in the camera's record,
// the registry and the running detector, Esc leaves it as it was.
class EditorMasky final : public Knihovna::WinApi::Okno {
public:
    static constexpr const wchar_t* kTrida = L"Tervik4EditorMasky";
    // The window's control id among the camera window's children: the number of the command that starts it.
    static constexpr int kIdOkna = 40126;
    inline static constexpr const wchar_t* kTextNapovedy =
        L"Maska: Enter uloží, Esc zruší; klepnutím nebo tažením myši přepínáte buňky (vyšrafované se nesledují)";

    // The camera's status bar text, its error messages, and the start and end of the mode (for the menu's check).
    struct Hlaseni {
        std::function<void(const std::wstring&)> stav;
        std::function<void(const std::wstring&)> chyba;
        std::function<void()> zmena;
    };

    EditorMasky(ParametryKamery::DetekcePohybu& nastaveni, DetektorPohybu& detektor)
        : nastaveni_(nastaveni), detektor_(detektor) {}

    bool Bezi() const { return Hwnd() != nullptr; }
    // Starts the mode over oblast (the video's rectangle in the camera window's client area); while it runs, the
    // focus goes back to it.
    void Zahajit(HWND kamera, const RECT& oblast, Holvent::DirectShow::ZachytavaniVidea& zachytavani,
                 Knihovna::Registr& registr, std::wstring cestaKamery, Hlaseni hlaseni);
    // The camera window's layout moved the video.
    void Rozmistit(const RECT& oblast);
    // Ends the mode, storing the mask or not.
    void Ukoncit(bool ulozit);
    const MaskaPohybu& UpravovanaMaska() const { return maska_; }

protected:
    LRESULT ZpracovatZpravu(UINT zprava, WPARAM wp, LPARAM lp) override;
    void PripravitTridu(WNDCLASSEXW& trida) override;
    std::wstring JmenoUmisteni() const override { return {}; }

private:
    void ObnovitSnimek();
    void Kreslit(HDC dc);
    Knihovna::Obdelnik Obraz() const;
    void Stisk(int x, int y);
    void Tah(int x, int y);
    void Ulozit();

    ParametryKamery::DetekcePohybu& nastaveni_;
    DetektorPohybu& detektor_;
    Holvent::DirectShow::ZachytavaniVidea* zachytavani_ = nullptr;
    Knihovna::Registr* registr_ = nullptr;
    std::wstring cestaKamery_;
    Hlaseni hlaseni_;
    MaskaPohybu maska_;
    BITMAPINFOHEADER hlavicka_{};
    std::vector<std::uint8_t> snimek_;  // the last grabbed frame, shaded
    bool tahne_ = false;
    bool stavTahu_ = false;
    int sloupec_ = -1, radek_ = -1;  // the last cell of a drag
};
