#pragma once

#include <array>
#include <atomic>
#include <cstddef>
#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "camera/CasyAkciPohybu.h"
#include "camera/MaskaPohybu.h"

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
    // UI thread: threshold := floor(procentoZmen * U / 100000) where U is the count of the mask's unmasked pixels of
    // a W × H frame (W * H without a mask), only for W >= 4 and H >= 3; the light guard's count follows it.
    // Returns whether the threshold changed.
    bool AktualizovatPrah(std::uint32_t procentoZmen, int sirka, int vyska);
    std::uint32_t Prah() const;
    // UI thread: the mask of the next compares (the thresholds follow it when a size is known).
    void NastavitMasku(const MaskaPohybu& maska);
    const MaskaPohybu& Maska() const { return maska_; }
    // UI thread: motion is reported after minSnimku consecutive compares over the threshold (1 to 10; the reference
    // stays until the report); a compare that changes at least strazSvetla percent of the unmasked pixels (1 to 100,
    // 0 off) is a change of the lighting: no report, the frame becomes the new reference.
    void NastavitPodminky(std::uint32_t minSnimku, std::uint32_t strazSvetla);
    // The least count of a change of the lighting (0 = off).
    std::uint32_t PrahSvetla() const { return prahSvetla_; }
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
    void PrepocitatPrahy();
    // Streaming thread: the tables of the mask for this size, rebuilt when the mask or the size changed; false when
    // they could not be allocated.
    bool PripravitMasku(int sirka, int vyska) noexcept;

    std::atomic<bool> bezi_{false}, pozadavekReference_{false}, pozadavekPorovnani_{false}, zahodit_{false};
    std::atomic<bool> maReferenci_{false};
    std::atomic<std::uint32_t> prah_{0};
    std::atomic<std::uint32_t> prahSvetla_{0}, minSnimku_{1};
    // The mask as the streaming thread reads it: a row of bits per cell row, and a version counted up after each
    // change (a compare that meets a half-written mask is followed by one with the whole mask).
    std::array<std::atomic<std::uint32_t>, MaskaPohybu::kRadku> radkyMasky_{};
    std::atomic<std::uint32_t> verzeMasky_{0};
    // UI thread only.
    MaskaPohybu maska_;
    std::uint32_t procentoZmen_ = 0, strazSvetla_ = 0;
    int sirkaPrahu_ = 0, vyskaPrahu_ = 0;
    // Owned by the streaming thread. Not value-initialised: each is written in full before it is read.
    std::unique_ptr<std::uint8_t[]> reference_, aktualni_;
    std::size_t velikostAktualni_ = 0;
    int sirka_ = 0, vyska_ = 0;
    bool posledniReference_ = false;
    std::uint32_t poSobe_ = 0;  // consecutive compares over the threshold against the current reference
    // The mask's tables (VytvoritPropustnost) for the size and mask version they were built for; no tables while the
    // mask is empty.
    std::unique_ptr<std::uint8_t[]> vzory_, vzorRadku_;
    int sirkaMasky_ = 0, vyskaMasky_ = 0;
    std::uint32_t verzeTabulek_ = 0xFFFFFFFFu;
    bool sMaskou_ = false;
};

// The settings page texts: "milisekund - tj. %d.%d sekund" and "tj. %d.%d procent", the remainder
// written with three digits.
std::wstring TextIntervaluDetekce(std::uint32_t ms);      // 1500 -> L"milisekund - tj. 1.500 sekund"
std::wstring TextProcentaZmen(std::uint32_t tisiciny);    // 700 -> L"tj. 0.700 procent"
