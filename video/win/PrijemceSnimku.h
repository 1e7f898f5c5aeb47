#pragma once

#include <atomic>
#include <cstdint>
#include <functional>
#include <mutex>

#include "video/HlidaniSnimku.h"
#include "video/win/HlavickyDirectShow.h"
#include "video/win/UkazatelCom.h"

namespace Holvent::DirectShow {

// The Sample Grabber's per-frame callback: notes every preview sample (whether the device still
// delivers) and hands it to a function on the streaming thread. A COM boundary: nothing the
// function raises reaches DirectShow.
class PrijemceSnimku final : public ISampleGrabberCB {
public:
    // Time of the sample, its bytes (a bottom-up 24-bit DIB) and their number.
    using Zpracovani = std::function<void(double cas, const std::uint8_t* data, long delka)>;

    static UkazatelCom<PrijemceSnimku> Vytvorit(Zpracovani zpracovani);

    // No call of the function is running or will start once this returns. The function must
    // not wait for the thread that calls this (post, do not send, to the UI thread).
    void Odpojit();
    // Calls of the function so far, and of those the ones that raised.
    long PocetSnimku() const { return pocet_.load(); }
    long PocetChyb() const { return chyby_.load(); }
    // Every sample that arrived, also without a function or after Odpojit; grabs ask it.
    HlidaniSnimku& Hlidani() { return hlidani_; }

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
};

}  // namespace Holvent::DirectShow
