#pragma once

#include <chrono>
#include <cstddef>
#include <cstdint>
#include <functional>
#include <memory>
#include <thread>

// The thread a camera's plug-in functions run on, one call at a time, so that a hanging plug-in cannot hold
// the caller: the caller waits at most a budget and takes back only what a call that ended in time did.
// A call that overran is abandoned with its thread (detached, never joined or killed) and the next call gets
// a fresh thread; a call whose guard caught a fault retires its thread the same way.
class VlaknoZasuvnehoModulu {
public:
    static constexpr std::chrono::milliseconds kLimitZivehoObrazu{1000};
    static constexpr std::chrono::milliseconds kLimitSnimku{5000};

    enum class Konec { Dobehlo, Selhalo, Neodpovedelo };
    struct Vysledek {
        Konec konec = Konec::Dobehlo;
        std::uint32_t kod = 0;  // the fault's code when Selhalo
    };
    // One call: works on the copy it is handed; returns 0, or the code of the fault its guard caught.
    using Volani = std::function<std::uint32_t(std::uint8_t* data, std::size_t velikost)>;

    VlaknoZasuvnehoModulu() = default;
    VlaknoZasuvnehoModulu(const VlaknoZasuvnehoModulu&) = delete;
    VlaknoZasuvnehoModulu& operator=(const VlaknoZasuvnehoModulu&) = delete;
    ~VlaknoZasuvnehoModulu();

    // Runs volani on the thread on a copy of data[0, velikost) (none when velikost is 0) and waits at most
    // limit. Only a call that ended in time without a fault has its copy written back to data.
    Vysledek Zavolat(Volani volani, std::uint8_t* data, std::size_t velikost, std::chrono::milliseconds limit);

    // Threads given up after an overrun, for the log.
    std::size_t PocetOpustenych() const { return opustenych_; }

private:
    struct Stav;
    static void Smycka(std::shared_ptr<Stav> stav);
    void Ukoncit();

    std::shared_ptr<Stav> stav_;
    std::thread vlakno_;
    std::size_t opustenych_ = 0;
};
