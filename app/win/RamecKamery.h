#pragma once

#include <string>

#include "knihovna/win/Okno.h"
#include "video/InfoZarizeni.h"
#include "video/win/OknoVideo.h"

// The plain frame a camera started on its own runs in, titled with the camera's name, with the
// camera's live video, until the camera window takes its place. Its destruction ends the message loop.
class RamecKamery final : public Knihovna::WinApi::Okno {
public:
    static constexpr const wchar_t* kTrida = L"Tervik4Tervik";

    RamecKamery(std::wstring jmenoKamery, InfoZarizeni zarizeni)
        : jmenoKamery_(std::move(jmenoKamery)), zarizeni_(std::move(zarizeni)) {}
    void Vytvorit();

protected:
    LRESULT ZpracovatZpravu(UINT zprava, WPARAM wp, LPARAM lp) override;
    void PripravitTridu(WNDCLASSEXW& trida) override;

private:
    std::wstring jmenoKamery_;
    InfoZarizeni zarizeni_;
    OknoVideo video_;
};
