#include "camera/VlaknoZasuvnehoModulu.h"

#include <condition_variable>
#include <cstring>
#include <mutex>
#include <vector>

// Shared by the caller and one thread; an abandoned thread keeps it alive alone, so its late writes land in
// its own copy and nowhere else.
struct VlaknoZasuvnehoModulu::Stav {
    std::mutex mutex;
    std::condition_variable podminka;
    Volani volani;
    std::vector<std::uint8_t> kopie;
    bool mamUlohu = false;
    bool hotovo = false;
    bool konec = false;  // set when the caller ends or gives the thread up
    std::uint32_t kod = 0;
};

VlaknoZasuvnehoModulu::~VlaknoZasuvnehoModulu() { Ukoncit(); }

void VlaknoZasuvnehoModulu::Ukoncit() {
    if (!stav_) return;
    {
        std::lock_guard z(stav_->mutex);
        stav_->konec = true;
    }
    stav_->podminka.notify_all();
    // Only an idle thread is still ours (an overrun one was detached), so this join is immediate.
    if (vlakno_.joinable()) vlakno_.join();
    stav_.reset();
}

void VlaknoZasuvnehoModulu::Smycka(std::shared_ptr<Stav> stav) {
    std::unique_lock z(stav->mutex);
    for (;;) {
        stav->podminka.wait(z, [&] { return stav->mamUlohu || stav->konec; });
        if (!stav->mamUlohu) return;
        Volani volani = std::move(stav->volani);
        z.unlock();
        const std::uint32_t kod = volani(stav->kopie.data(), stav->kopie.size());
        z.lock();
        stav->mamUlohu = false;
        stav->hotovo = true;
        stav->kod = kod;
        stav->podminka.notify_all();
        // After a fault the thread's state (its stack, a held lock) cannot be trusted for another call.
        if (kod != 0 || stav->konec) return;
    }
}

VlaknoZasuvnehoModulu::Vysledek VlaknoZasuvnehoModulu::Zavolat(Volani volani, std::uint8_t* data,
                                                               std::size_t velikost,
                                                               std::chrono::milliseconds limit) {
    const auto termin = std::chrono::steady_clock::now() + limit;
    if (!stav_) {
        stav_ = std::make_shared<Stav>();
        vlakno_ = std::thread(Smycka, stav_);
    }
    Stav& s = *stav_;
    std::unique_lock z(s.mutex);
    s.kopie.resize(velikost);
    if (velikost) std::memcpy(s.kopie.data(), data, velikost);
    s.volani = std::move(volani);
    s.hotovo = false;
    s.mamUlohu = true;
    s.podminka.notify_all();
    if (!s.podminka.wait_until(z, termin, [&] { return s.hotovo; })) {
        // Given up: the thread ends by itself if the call ever returns; nothing of it comes back here.
        s.konec = true;
        z.unlock();
        vlakno_.detach();
        stav_.reset();
        ++opustenych_;
        return {Konec::Neodpovedelo, 0};
    }
    const std::uint32_t kod = s.kod;
    if (kod == 0) {
        if (velikost) std::memcpy(data, s.kopie.data(), velikost);
        return {Konec::Dobehlo, 0};
    }
    z.unlock();
    vlakno_.join();  // the thread returned right after reporting the fault
    stav_.reset();
    return {Konec::Selhalo, kod};
}
