#pragma once

#include <string>
#include <utility>

#include "app/PrikazovyRadek.h"
#include "app/win/OknoAplikace.h"

// The frame window of a tool, on the main thread when the tool is the whole process or on a
// module's own thread; the tools fill it in. Its end ends the message loop of its thread.
class OknoNastroje final : public OknoAplikace {
public:
    explicit OknoNastroje(RezimSpusteni rezim);
    OknoNastroje(std::wstring trida, std::wstring titulek)
        : OknoAplikace(COLOR_APPWORKSPACE), trida_(std::move(trida)), titulek_(std::move(titulek)) {}

    void Vytvorit();
    // The tool's name, the window's title.
    static std::wstring NazevNastroje(RezimSpusteni rezim);
    // The window class of a tool's frame.
    static std::wstring Trida(RezimSpusteni rezim);

protected:
    LRESULT ZpracovatZpravu(UINT zprava, WPARAM wp, LPARAM lp) override;

private:
    std::wstring trida_;
    std::wstring titulek_;
};
