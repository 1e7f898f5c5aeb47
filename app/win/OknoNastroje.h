#pragma once

#include <string>

#include "app/PrikazovyRadek.h"
#include "app/win/OknoAplikace.h"

// The frame window of a tool that runs as the whole process; the tools fill it in.
class OknoNastroje final : public OknoAplikace {
public:
    explicit OknoNastroje(RezimSpusteni rezim) : OknoAplikace(COLOR_APPWORKSPACE), rezim_(rezim) {}

    void Vytvorit();
    // The tool's name, the window's title.
    static std::wstring NazevNastroje(RezimSpusteni rezim);

protected:
    LRESULT ZpracovatZpravu(UINT zprava, WPARAM wp, LPARAM lp) override;

private:
    static std::wstring Trida(RezimSpusteni rezim);
    RezimSpusteni rezim_;
};
