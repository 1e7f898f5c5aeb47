#pragma once

#include <wrl/client.h>

#include <atomic>
#include <cstdint>
#include <thread>

#include "testkamera/FormatKamery.h"
#include "testkamera/VzorKamery.h"
#include "testkamera/win/DirectShow.h"

namespace TestovaciKamera {

class FiltrKamery;

// The capture output pin: format negotiation (IAMStreamConfig) with its property page, the
// capture category (IKsPropertySet) and the streaming thread that pushes frames into the peer's
// IMemInputPin.
// Lives inside the filter and shares its reference count.
class PinKamery final : public IPin, public IAMStreamConfig, public IKsPropertySet, public ISpecifyPropertyPages {
public:
    explicit PinKamery(FiltrKamery& filtr);
    ~PinKamery();
    PinKamery(const PinKamery&) = delete;
    PinKamery& operator=(const PinKamery&) = delete;

    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID iid, void** ppv) override;
    ULONG STDMETHODCALLTYPE AddRef() override;
    ULONG STDMETHODCALLTYPE Release() override;

    HRESULT STDMETHODCALLTYPE Connect(IPin* prijemce, const AM_MEDIA_TYPE* typ) override;
    HRESULT STDMETHODCALLTYPE ReceiveConnection(IPin* pripojujici, const AM_MEDIA_TYPE* typ) override;
    HRESULT STDMETHODCALLTYPE Disconnect() override;
    HRESULT STDMETHODCALLTYPE ConnectedTo(IPin** pin) override;
    HRESULT STDMETHODCALLTYPE ConnectionMediaType(AM_MEDIA_TYPE* typ) override;
    HRESULT STDMETHODCALLTYPE QueryPinInfo(PIN_INFO* info) override;
    HRESULT STDMETHODCALLTYPE QueryDirection(PIN_DIRECTION* smer) override;
    HRESULT STDMETHODCALLTYPE QueryId(LPWSTR* id) override;
    HRESULT STDMETHODCALLTYPE QueryAccept(const AM_MEDIA_TYPE* typ) override;
    HRESULT STDMETHODCALLTYPE EnumMediaTypes(IEnumMediaTypes** vyctovac) override;
    HRESULT STDMETHODCALLTYPE QueryInternalConnections(IPin** piny, ULONG* pocet) override;
    HRESULT STDMETHODCALLTYPE EndOfStream() override;
    HRESULT STDMETHODCALLTYPE BeginFlush() override;
    HRESULT STDMETHODCALLTYPE EndFlush() override;
    HRESULT STDMETHODCALLTYPE NewSegment(REFERENCE_TIME zacatek, REFERENCE_TIME konec, double rychlost) override;

    HRESULT STDMETHODCALLTYPE SetFormat(AM_MEDIA_TYPE* typ) override;
    HRESULT STDMETHODCALLTYPE GetFormat(AM_MEDIA_TYPE** typ) override;
    HRESULT STDMETHODCALLTYPE GetNumberOfCapabilities(int* pocet, int* velikost) override;
    HRESULT STDMETHODCALLTYPE GetStreamCaps(int index, AM_MEDIA_TYPE** typ, BYTE* schopnosti) override;

    HRESULT STDMETHODCALLTYPE Set(REFGUID sada, DWORD id, void* instance, DWORD velikostInstance, void* data,
                                  DWORD velikost) override;
    HRESULT STDMETHODCALLTYPE Get(REFGUID sada, DWORD id, void* instance, DWORD velikostInstance, void* data,
                                  DWORD velikost, DWORD* vraceno) override;
    HRESULT STDMETHODCALLTYPE QuerySupported(REFGUID sada, DWORD id, DWORD* podpora) override;

    HRESULT STDMETHODCALLTYPE GetPages(CAUUID* stranky) override;

    // State changes of the filter, called under its lock.
    HRESULT Pripravit();   // stopped → paused: commits the allocator
    void Spustit();        // → running: starts (or resumes) the stream
    void Pozastavit();     // running → paused: no frames until the next run
    void Zastavit();       // → stopped: ends the streaming thread, decommits

    // Frames made since the filter was created.
    std::uint32_t PocetSnimku() const { return cisloSnimku_.load(); }

private:
    HRESULT ZkusitSpojeni(IPin* prijemce, const FormatKamery& format);
    HRESULT DohodnoutAlokator(IMemInputPin* vstup, const FormatKamery& format);
    void UvolnitSpojeni();
    void Proud(Microsoft::WRL::ComPtr<IMemAllocator> alokator, Microsoft::WRL::ComPtr<IMemInputPin> vstup,
               FormatKamery format);

    FiltrKamery& filtr_;
    FormatKamery format_;
    Microsoft::WRL::ComPtr<IPin> protejsek_;
    Microsoft::WRL::ComPtr<IMemInputPin> vstup_;
    Microsoft::WRL::ComPtr<IMemAllocator> alokator_;
    std::thread vlakno_;
    HANDLE udalostKonce_;
    std::atomic<bool> bezi_{false};
    std::atomic<std::uint32_t> cisloSnimku_{0};
    VzorKamery vzor_;
};

}  // namespace TestovaciKamera
