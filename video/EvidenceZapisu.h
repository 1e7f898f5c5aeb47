#pragma once

#include <atomic>
#include <cstdint>

namespace Holvent::DirectShow {

// The file sink's bookkeeping of one recording, on the streaming thread (Velikost from any thread):
// where the file ends, how much was written, when to read the disk's free space and whether a write
// keeps the disk reserve. No allocation, no system call.
class EvidenceZapisu {
public:
    // The free space is read again after this many bytes.
    static constexpr std::uint64_t kKrokKontrolyMista = std::uint64_t{4} << 20;

    struct Plan {
        bool prozatimniHlavicka = false;  // fill [0, pozice) with the provisional header first
        bool zjistitMisto = false;        // read the free space and hand it to NastavitVolneMisto
    };

    // Before a write of delka bytes at pozice.
    Plan Pripravit(std::uint64_t pozice, std::uint32_t delka) noexcept;
    void NastavitVolneMisto(std::uint64_t volnychBajtu) noexcept;
    // Whether a write of delka bytes leaves the reserve on the disk (always while stopping, and while
    // the free space is unknown).
    bool Povolit(std::uint64_t delka) const noexcept;
    // After a write that went through.
    void Zapsano(std::uint64_t pozice, std::uint64_t delka) noexcept;
    // True once for the first refused write of the recording (the one to report).
    bool PrvniOdmitnuti() noexcept;
    // Set by the branch before the multiplexer finishes the file: its last writes may use the reserve.
    void NastavitZastavovani(bool zastavovani) noexcept { zastavovani_ = zastavovani; }

    // Where the file ends (the recording's size).
    std::uint64_t Velikost() const noexcept { return velikost_.load(std::memory_order_relaxed); }
    std::uint64_t Zapsanych() const noexcept { return zapsano_; }

private:
    std::atomic<std::uint64_t> velikost_{0};
    std::uint64_t zapsano_ = 0;
    std::uint64_t zapsanoPriKontrole_ = 0;
    std::uint64_t volneMisto_ = 0;
    bool mistoZnamo_ = false;
    bool nicNezapsano_ = true;
    bool odmitnuto_ = false;
    std::atomic<bool> zastavovani_{false};
};

}  // namespace Holvent::DirectShow
