#pragma once

#include <string>

#include "camera/ParametryKamery.h"
#include "camera/win/SnimkyNaDisk.h"

// The snapshot folder's commands of a camera window: opening the folder, deleting all numbered
// snapshots and resetting the numbering, each with its question and its messages.
class PrikazySlozkySnimku {
public:
    // What the commands need from the camera window.
    class Rozhrani {
    public:
        virtual ~Rozhrani() = default;
        // The product's question box with Yes, No and Cancel; true on Yes.
        virtual bool ZeptatSe(const std::wstring& otazka, bool anoVychozi, bool varovani) = 0;
        // An error message at the camera's notification icon.
        virtual void HlasitChybu(const std::wstring& text) = 0;
        // The shell verb on the folder; false with the thread's last error set when the shell refused.
        virtual bool OtevritSlozku(const std::wstring& sloveso, const std::wstring& slozka) = 0;
    };

    PrikazySlozkySnimku(SnimkyNaDisk& snimky, const ParametryKamery& parametry, const std::wstring& jmenoKamery,
                        Rozhrani& okno);

    // "open", or "explore" with Ctrl held; nothing at all when the folder does not exist.
    void OtevritSlozku(bool prozkoumat);
    // After Yes: the numbered snapshots to the recycle bin and the numbering from 1.
    void SmazatSnimky();
    // After Yes: the numbering from 1.
    void ResetovatCislovani();

private:
    SnimkyNaDisk& snimky_;
    const ParametryKamery& parametry_;
    const std::wstring& jmenoKamery_;
    Rozhrani& okno_;
};
