#pragma once

#include <memory>
#include <string>

#include "app/win/OknoAplikace.h"
#include "knihovna/win/StavovyRadek.h"
#include "video/win/OknoPrehravacVidea.h"

namespace Holvent::DirectShow {
class PrehravaniVidea;
}

// The video player's window: the menu of the player's commands (also as the video area's context
// menu), the video area, the position trackbar and a status bar with the time and the sound's state.
// Its end ends the message loop of its thread. Every failure of a command is shown here; an error
// that would escape the window is fatal.
class PrehravacVidea final : public OknoAplikace {
public:
    static constexpr const wchar_t* kTrida = L"Tervik4PrehravacVidea";

    PrehravacVidea();
    ~PrehravacVidea() override;

    // Creates and shows the window at its stored place.
    void Vytvorit(const std::wstring& titulek);
    // Opens the file and plays it; a failure is shown and leaves the player without a file.
    void Otevrit(const std::wstring& cesta);

protected:
    LRESULT ZpracovatZpravu(UINT zprava, WPARAM wp, LPARAM lp) override;
    void NeosetrenaChyba(const Knihovna::Chyba& chyba) override;

private:
    bool Prikaz(UINT prikaz);
    void Vybrat();
    void UlozitSnimek();
    void Posunuti(WPARAM wp);
    void UdalostiGrafu();
    void Rozvrhnout();
    void PovolitPolozky(HMENU menu) const;
    void KontextoveMenu(LPARAM lp);
    // Time, trackbar and sound state after a change of the file or the position.
    void ObnovitStav();
    void ObnovitCas();

    std::unique_ptr<Holvent::DirectShow::PrehravaniVidea> prehravani_;
    OknoPrehravacVidea video_;
    Knihovna::WinApi::StavovyRadek radek_;
    HWND posuvnik_ = nullptr;
    bool tazeni_ = false;  // the user holds the trackbar's thumb: the timer leaves it alone
};
