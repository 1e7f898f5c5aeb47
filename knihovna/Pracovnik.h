#pragma once

#include <chrono>
#include <condition_variable>
#include <functional>
#include <memory>
#include <mutex>
#include <stop_token>
#include <thread>

namespace Knihovna {

// One background job of a road (an e-mail, an upload, a page): at most one at a time. The job gets a
// stop token; to be cut off while blocked it registers a std::stop_callback that closes its socket or
// handle. The job owns everything it touches (copies and shared state), so a job that outlives Zastavit
// is left to finish on its own and touches nothing of its owner.
class Pracovnik {
public:
    using Prace = std::function<void(std::stop_token)>;

    Pracovnik() = default;
    ~Pracovnik();
    Pracovnik(const Pracovnik&) = delete;
    Pracovnik& operator=(const Pracovnik&) = delete;

    // Starts the job on a new thread; false (and nothing started) while the previous one runs.
    bool Spustit(Prace prace);
    // Whether a job runs (a finished one is joined here).
    bool Bezi();
    // Asks the job to stop and waits for it at most limit: true when it ended (joined), false when it is still
    // running and was let go (detached).
    bool Zastavit(std::chrono::milliseconds limit);

private:
    struct Stav {
        std::mutex zamek;
        std::condition_variable konec;
        bool hotovo = false;
    };
    std::shared_ptr<Stav> stav_;
    std::jthread vlakno_;
};

}  // namespace Knihovna
