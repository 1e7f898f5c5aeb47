#include "knihovna/Pracovnik.h"

namespace Knihovna {

Pracovnik::~Pracovnik() {
    // The owner should have stopped it with its own time-out; a job still running is let go, never waited for
    // without limit (a destructor that hangs would hang the camera's window).
    if (vlakno_.joinable()) Zastavit(std::chrono::milliseconds(0));
}

bool Pracovnik::Spustit(Prace prace) {
    if (Bezi()) return false;
    auto stav = std::make_shared<Stav>();
    vlakno_ = std::jthread([stav, prace = std::move(prace)](std::stop_token stop) {
        // Exceptions stay in the thread: a job reports its failures by its own result.
        try {
            prace(stop);
        } catch (...) {
        }
        std::lock_guard z(stav->zamek);
        stav->hotovo = true;
        stav->konec.notify_all();
    });
    stav_ = std::move(stav);
    return true;
}

bool Pracovnik::Bezi() {
    if (!vlakno_.joinable()) return false;
    {
        std::lock_guard z(stav_->zamek);
        if (!stav_->hotovo) return true;
    }
    vlakno_.join();
    return false;
}

bool Pracovnik::Zastavit(std::chrono::milliseconds limit) {
    if (!vlakno_.joinable()) return true;
    vlakno_.request_stop();
    bool skoncil;
    {
        std::unique_lock z(stav_->zamek);
        skoncil = stav_->konec.wait_for(z, limit, [&] { return stav_->hotovo; });
    }
    if (skoncil) vlakno_.join();
    else vlakno_.detach();
    return skoncil;
}

}  // namespace Knihovna
