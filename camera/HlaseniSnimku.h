#pragma once

#include <cstdint>
#include <string>

// What the disk snapshot command tells the user and asks the system for; the camera window
// implements it (tests record the calls instead).
class HlaseniSnimku {
public:
    virtual ~HlaseniSnimku() = default;
    // The warning beep when the camera has no video.
    virtual void Pipnout() = 0;
    // An error message at the camera's notification icon.
    virtual void ZobrazitChybu(const std::wstring& text) = 0;
    // The program's snapshot sound, asynchronously.
    virtual void PrehratZvuk() = 0;
    // The shell verb on the saved file with the window state.
    virtual void Otevrit(const std::wstring& sloveso, const std::wstring& cesta, int jak) = 0;
    // The snapshot could not be written for lack of space (parametr: the command's): true when the camera's
    // disk-full guard took the report over, false to show text as any other error.
    virtual bool NedostatekMista(std::uintptr_t parametr, const std::wstring& text) {
        (void)parametr;
        (void)text;
        return false;
    }
};
