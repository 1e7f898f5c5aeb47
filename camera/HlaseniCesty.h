#pragma once

#include <cstdint>
#include <string>

// What a delivery road (e-mail, FTP) asks of its camera window, always on the window's UI thread; the window
// implements it (tests record the calls instead).
class HlaseniCesty {
public:
    virtual ~HlaseniCesty() = default;
    // The warning beep: the command needs the video.
    virtual void Pipnout() = 0;
    // The snapshot sound, when the application's sounds are on and its messages are not hidden.
    virtual void PrehratZvukSnimku() = 0;
    // A message of the road (druh 1 information, 2 warning, 3 error): always on the status bar; at the
    // notification icon by the road's "zpravaIkona" (0 none, 1 errors and warnings only, 2 all); in the
    // application's hidden message mode an error becomes one error event instead.
    virtual void ZpravaCesty(int druh, const std::wstring& text, std::uint32_t zpravaIkona) = 0;
    // The status bar's message part only.
    virtual void StavCesty(const std::wstring& text) = 0;
    // One line in the camera's log file.
    virtual void LogKamery(const std::wstring& text) = 0;
    // One entry in the event log (an error or information).
    virtual void UdalostKamery(const std::wstring& text, bool chyba) = 0;
    // An activity started or stopped: menu checks, toolbar and status-bar icons.
    virtual void ZmenaAktivit() = 0;
};
