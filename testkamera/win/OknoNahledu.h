#pragma once

#include <wrl/client.h>

#include "knihovna/win/Okno.h"
#include "testkamera/win/DirectShow.h"

namespace TestovaciKamera {

// A plain window with the live preview of the first test camera.
class OknoNahledu final : public Knihovna::WinApi::Okno {
public:
    ~OknoNahledu() override;
    // Creates the window and builds and runs the preview graph; raises on failure.
    void Otevrit();

protected:
    LRESULT ZpracovatZpravu(UINT zprava, WPARAM wp, LPARAM lp) override;
    void PripravitTridu(WNDCLASSEXW& trida) override;

private:
    void SestavitGraf();
    void Rozvrhnout();
    void Zbourat();

    Microsoft::WRL::ComPtr<IGraphBuilder> graf_;
    Microsoft::WRL::ComPtr<IMediaControl> rizeni_;
    Microsoft::WRL::ComPtr<IVideoWindow> video_;
};

}  // namespace TestovaciKamera
