#pragma once

#include <atomic>
#include <cstdint>

namespace Holvent::DirectShow {

// How old the last frame may be before a grab that found no new one counts as a frozen picture.
inline constexpr std::uint32_t kNejvyssiStariSnimku = 2000;

inline constexpr const wchar_t* kTextKameraNedodavaObraz =
    L"Kamera nedodává obraz: od předchozího snímku ze zařízení nepřišel žádný nový obrázek "
    L"(zařízení mohlo být odpojeno nebo jeho ovladač přestal pracovat).";

// Whether the device still delivers frames. The streaming thread notes every frame with its
// tick; a grab on the UI thread asks whether the buffered frame is one it may hand out again.
// Ticks are milliseconds wrapping at 2^32 (GetTickCount).
class HlidaniSnimku {
public:
    // Streaming thread: one more frame arrived at tick `tik`.
    void Snimek(std::uint32_t tik) noexcept {
        tikPoslednihoSnimku_.store(tik, std::memory_order_relaxed);
        pocet_.fetch_add(1, std::memory_order_release);
    }

    // UI thread, at a grab at tick `ted`: true when a frame came since the previous accepted
    // grab or the last frame is younger than kNejvyssiStariSnimku (then the grab counts and the
    // next one is measured from here); false for a frozen picture.
    bool PrijmoutSejmuti(std::uint32_t ted) noexcept {
        const std::uint64_t pocet = pocet_.load(std::memory_order_acquire);
        const bool novy = pocet != pocetPriSejmuti_;
        // Signed: a frame noted after `ted` was read is fresh, not 49 days old.
        const auto stari = static_cast<std::int32_t>(ted - tikPoslednihoSnimku_.load(std::memory_order_relaxed));
        const bool cerstvy = pocet != 0 && stari < static_cast<std::int32_t>(kNejvyssiStariSnimku);
        if (!novy && !cerstvy) return false;
        pocetPriSejmuti_ = pocet;
        return true;
    }

    std::uint64_t PocetSnimku() const noexcept { return pocet_.load(std::memory_order_acquire); }

private:
    std::atomic<std::uint64_t> pocet_{0};
    std::atomic<std::uint32_t> tikPoslednihoSnimku_{0};
    std::uint64_t pocetPriSejmuti_ = 0;  // UI thread only
};

}  // namespace Holvent::DirectShow
