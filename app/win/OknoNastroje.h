#pragma once

#include <memory>
#include <string>
#include <utility>

#include "app/PrikazovyRadek.h"
#include "app/win/OknoAplikace.h"

// What fills a tool's frame: a child window kept over the frame's client area.
class ObsahNastroje {
public:
    virtual ~ObsahNastroje() = default;
    virtual HWND Hwnd() const = 0;
    // Asked when the frame is to close; false keeps it open (the content has told the user why).
    virtual bool MuzeZavrit() { return true; }
};

// The frame window of a tool, on the main thread when the tool is the whole process or on a
// module's own thread; the tools fill it in. Its end ends the message loop of its thread.
class OknoNastroje final : public OknoAplikace {
public:
    explicit OknoNastroje(RezimSpusteni rezim);
    OknoNastroje(std::wstring trida, std::wstring titulek)
        : OknoAplikace(COLOR_APPWORKSPACE), trida_(std::move(trida)), titulek_(std::move(titulek)) {}

    void Vytvorit();
    // The content that fills the frame from now on (a child of Hwnd()); the frame owns it.
    void NastavitObsah(std::unique_ptr<ObsahNastroje> obsah);
    // The tool's name, the window's title.
    static std::wstring NazevNastroje(RezimSpusteni rezim);
    // The window class of a tool's frame.
    static std::wstring Trida(RezimSpusteni rezim);

protected:
    LRESULT ZpracovatZpravu(UINT zprava, WPARAM wp, LPARAM lp) override;

private:
    std::wstring trida_;
    std::wstring titulek_;
    std::unique_ptr<ObsahNastroje> obsah_;
};
