#pragma once

#include <atomic>
#include <cstdint>
#include <functional>
#include <mutex>
#include <vector>

#include "video/HlidaniSnimku.h"
#include "video/win/HlavickyDirectShow.h"
#include "video/win/UkazatelCom.h"

namespace Holvent::DirectShow {

// The Sample Grabber's per-frame callback: notes every preview sample (whether the device still
// delivers) and hands it to a function on the streaming thread. A COM boundary: nothing the
// function raises reaches DirectShow.
class PrijemceSnimku final : public ISampleGrabberCB {
public:
    // Time of the sample, its bytes (a bottom-up 24-bit DIB, writable: what the function leaves in them goes on
    // downstream) and their number.
    using Zpracovani = std::function<void(double cas, std::uint8_t* data, long delka)>;

    static UkazatelCom<PrijemceSnimku> Vytvorit(Zpracovani zpracovani);

    // No call of the function is running or will start once this returns. The function must
    // not wait for the thread that calls this (post, do not send, to the UI thread).
    void Odpojit();
    // Calls of the function so far, and of those the ones that raised.
    long PocetSnimku() const { return pocet_.load(); }
    long PocetChyb() const { return chyby_.load(); }
    // Every sample that arrived, also without a function or after Odpojit; grabs ask it.
    HlidaniSnimku& Hlidani() { return hlidani_; }
    // Runs zmena while no call of the function runs (what the function reads may be swapped in it).
    void PodZamkem(const std::function<void()>& zmena);

    // The frame as the function left it, for grabs: Wine's grabber copies its current buffer before the
    // callback, so it would hand out the frame without the changes. Streaming thread (from the function).
    void PonechatSnimek(const std::uint8_t* data, long delka);
    // No frame is kept any more: grabs take the grabber's buffer again.
    void ZahoditSnimek();
    // Copies the kept frame into cil; false (cil untouched) when none is kept.
    bool VzitSnimek(std::vector<std::uint8_t>& cil) const;

    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID iid, void** objekt) override;
    ULONG STDMETHODCALLTYPE AddRef() override;
    ULONG STDMETHODCALLTYPE Release() override;
    HRESULT STDMETHODCALLTYPE SampleCB(double cas, IMediaSample* vzorek) override;
    HRESULT STDMETHODCALLTYPE BufferCB(double cas, BYTE* data, long delka) override;

private:
    explicit PrijemceSnimku(Zpracovani zpracovani);
    ~PrijemceSnimku();

    std::atomic<ULONG> reference_{1};
    std::mutex zamek_;
    Zpracovani zpracovani_;
    std::atomic<long> pocet_{0};
    std::atomic<long> chyby_{0};
    HlidaniSnimku hlidani_;
    mutable std::mutex zamekSnimku_;
    std::vector<std::uint8_t> snimek_;
    bool maSnimek_ = false;
};

}  // namespace Holvent::DirectShow
