#pragma once

#include <string>

#include "app/win/OknoAplikace.h"
#include "video/InfoZarizeni.h"
#include "video/win/OknoVideo.h"

// The plain frame a camera started on its own runs in, titled with the camera's name, with the
// camera's live video, until the camera window takes its place. Its destruction ends the message loop.
class RamecKamery final : public OknoAplikace {
public:
    static constexpr const wchar_t* kTrida = L"Tervik4Tervik";

    RamecKamery(std::wstring jmenoKamery, InfoZarizeni zarizeni)
        : OknoAplikace(COLOR_APPWORKSPACE), jmenoKamery_(std::move(jmenoKamery)), zarizeni_(std::move(zarizeni)) {}
    void Vytvorit();

protected:
    LRESULT ZpracovatZpravu(UINT zprava, WPARAM wp, LPARAM lp) override;

private:
    std::wstring jmenoKamery_;
    InfoZarizeni zarizeni_;
    OknoVideo video_;
};
