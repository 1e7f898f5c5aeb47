#pragma once

#include <string>

#include "knihovna/win/Okno.h"

// The plain frame a camera started on its own runs in, titled with the camera's name, until the
// camera window takes its place. Its destruction ends the message loop.
class RamecKamery final : public Knihovna::WinApi::Okno {
public:
    static constexpr const wchar_t* kTrida = L"Tervik4Tervik";

    explicit RamecKamery(std::wstring jmenoKamery) : jmenoKamery_(std::move(jmenoKamery)) {}
    void Vytvorit();

protected:
    LRESULT ZpracovatZpravu(UINT zprava, WPARAM wp, LPARAM lp) override;
    void PripravitTridu(WNDCLASSEXW& trida) override;

private:
    std::wstring jmenoKamery_;
};
