#pragma once

#include <atomic>
#include <cstddef>
#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "camera/CasyAkciPohybu.h"

// The motion detector of one camera, shared by the UI thread and the capture graph's streaming thread
// without a lock: the UI thread only sets switches and requests, the streaming thread alone allocates
// and frees the frames.
class DetektorPohybu {
public:
    // UI thread. Both forget the frames; the streaming thread frees them on its next frame.
    void Spustit();
    void Zastavit();
    bool Bezi() const;
    // UI thread, timer 6: without a reference a take-reference request, else a compare request.
    void Tik();
    // UI thread: threshold := floor(procentoZmen * W * H / 100000), only for W >= 4 and H >= 3.
    // Returns whether it changed.
    bool AktualizovatPrah(std::uint32_t procentoZmen, int sirka, int vyska);
    std::uint32_t Prah() const;
    // UI thread: the capture size changed; the frames are dropped.
    void ZmenaVelikosti();
    // Streaming thread, per frame: the changed-pixel count to report (above the threshold), else nullopt.
    // Frames of another size than the stored ones are never compared (the stored ones are dropped and the
    // request waits for the next frame); a sample shorter than W*H*3 bytes is skipped; nothing is
    // allocated without a request; a failed allocation skips the frame.
    std::optional<std::uint32_t> ZpracovatSnimek(const std::uint8_t* data, std::size_t delka, int sirka, int vyska,
                                                 std::uint8_t rozdilJasu) noexcept;
    // Streaming thread: whether the last frame given to ZpracovatSnimek became the reference (such a frame is
    // the detector's own and goes to no live-frame plug-in).
    bool PosledniBylReferenci() const noexcept { return posledniReference_; }
    // For tests: whether a reference frame exists; a copy of the last change mask (empty without one).
    bool MaReferenci() const;
    std::vector<std::uint8_t> PosledniMaska() const;

private:
    void UvolnitSnimky() noexcept;

    std::atomic<bool> bezi_{false}, pozadavekReference_{false}, pozadavekPorovnani_{false}, zahodit_{false};
    std::atomic<bool> maReferenci_{false};
    std::atomic<std::uint32_t> prah_{0};
    // Owned by the streaming thread. Not value-initialised: each is written in full before it is read.
    std::unique_ptr<std::uint8_t[]> reference_, aktualni_;
    std::size_t velikostAktualni_ = 0;
    int sirka_ = 0, vyska_ = 0;
    bool posledniReference_ = false;
};

// The settings page texts: "milisekund - tj. %d.%d sekund" and "tj. %d.%d procent", the remainder
// written with three digits.
std::wstring TextIntervaluDetekce(std::uint32_t ms);      // 1500 -> L"milisekund - tj. 1.500 sekund"
std::wstring TextProcentaZmen(std::uint32_t tisiciny);    // 700 -> L"tj. 0.700 procent"
