#pragma once

#include <wrl/client.h>

#include <atomic>
#include <mutex>
#include <string>

#include "testkamera/VlastnostiKamery.h"
#include "testkamera/VzorKamery.h"
#include "testkamera/win/DirectShow.h"
#include "testkamera/win/PinKamery.h"
#include "testkamera/win/RozhraniVlastnosti.h"

namespace TestovaciKamera {

// The "odpojeno" switch now: 0 connected (also when missing or not a DWORD), 1 unplugged, 2 silent.
enum class Odpojeni { Ne = 0, Odpojeno = 1, BezSnimku = 2 };
Odpojeni CistOdpojeni();

// The video capture source filter: one output pin, image properties (IAMVideoProcAmp, absent in
// the variant without them) and camera control (IAMCameraControl: zoom and focus).
class FiltrKamery final : public IBaseFilter, public IAMFilterMiscFlags, public IPersistPropertyBag {
public:
    static HRESULT Vytvorit(bool sObrazem, REFIID iid, void** ppv);

    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID iid, void** ppv) override;
    ULONG STDMETHODCALLTYPE AddRef() override;
    ULONG STDMETHODCALLTYPE Release() override;

    HRESULT STDMETHODCALLTYPE GetClassID(CLSID* clsid) override;
    HRESULT STDMETHODCALLTYPE Stop() override;
    HRESULT STDMETHODCALLTYPE Pause() override;
    HRESULT STDMETHODCALLTYPE Run(REFERENCE_TIME start) override;
    HRESULT STDMETHODCALLTYPE GetState(DWORD cekatMs, FILTER_STATE* stav) override;
    HRESULT STDMETHODCALLTYPE SetSyncSource(IReferenceClock* hodiny) override;
    HRESULT STDMETHODCALLTYPE GetSyncSource(IReferenceClock** hodiny) override;
    HRESULT STDMETHODCALLTYPE EnumPins(IEnumPins** vyctovac) override;
    HRESULT STDMETHODCALLTYPE FindPin(LPCWSTR id, IPin** pin) override;
    HRESULT STDMETHODCALLTYPE QueryFilterInfo(FILTER_INFO* info) override;
    HRESULT STDMETHODCALLTYPE JoinFilterGraph(IFilterGraph* graf, LPCWSTR nazev) override;
    HRESULT STDMETHODCALLTYPE QueryVendorInfo(LPWSTR* info) override;

    ULONG STDMETHODCALLTYPE GetMiscFlags() override;

    // The device enumerator hands over the device's registry properties: the device path tells
    // which of the registered devices of the same name this is, and the picture says so.
    HRESULT STDMETHODCALLTYPE InitNew() override { return S_OK; }
    HRESULT STDMETHODCALLTYPE Load(IPropertyBag* vlastnosti, IErrorLog* log) override;
    HRESULT STDMETHODCALLTYPE Save(IPropertyBag*, BOOL, BOOL) override { return E_NOTIMPL; }

    // For the pin: the control lock (state, graph, connection) and what the streaming thread reads.
    std::recursive_mutex& Zamek() { return zamek_; }
    FILTER_STATE Stav() const { return stav_; }
    IFilterGraph* Graf() const { return graf_; }
    // The image and camera-control values of the next frame.
    StavSnimku StavProSnimek();
    // Stream time now (graph clock minus the run start); false without a clock.
    bool CasProudu(REFERENCE_TIME& cas);
    // The streaming thread tells the graph the device is gone (EC_DEVICE_LOST through its IMediaEventSink).
    void OznamitZtratu();

private:
    explicit FiltrKamery(bool sObrazem);
    ~FiltrKamery();

    std::atomic<ULONG> reference_{1};
    const bool sObrazem_;
    std::recursive_mutex zamek_;
    FILTER_STATE stav_ = State_Stopped;
    IFilterGraph* graf_ = nullptr;  // not held: the graph holds the filter
    // The same for the streaming thread, which must not take the control lock: Stop holds it while it joins.
    std::atomic<IFilterGraph*> grafProudu_{nullptr};
    std::wstring nazev_;

    std::mutex zamekProudu_;
    Microsoft::WRL::ComPtr<IReferenceClock> hodiny_;
    REFERENCE_TIME start_ = 0;
    int cisloZarizeni_ = 0;
    VlastnostiKamery vlastnosti_;

    RozhraniVlastnosti<IAMVideoProcAmp, SkupinaVlastnosti::Obraz> obraz_;
    RozhraniVlastnosti<IAMCameraControl, SkupinaVlastnosti::Ovladani> ovladani_;
    PinKamery pin_;
};

}  // namespace TestovaciKamera
